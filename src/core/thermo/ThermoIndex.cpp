#include "thermo/ThermoIndex.h"

#include "thermo/ThermoDatabase.h"

namespace zorbel {

std::optional<ThermoIndex> ThermoIndex::load(const std::string& path) {
    std::optional<std::vector<std::string>> lines = readDatabaseLines(path);
    if (!lines)
        return std::nullopt;
    return fromLines(std::move(*lines));
}

ThermoIndex ThermoIndex::fromLines(std::vector<std::string> fileLines) {
    ThermoIndex index;
    index.lines_ = std::move(fileLines);
    for (std::size_t i = 0; i < index.lines_.size(); ++i) {
        std::string token = recordToken(index.lines_[i]);
        if (!token.empty())
            index.firstHeader_.try_emplace(std::move(token), i);
    }
    return index;
}

const SpeciesRecord* ThermoIndex::find(std::string_view name) const {
    const std::string key(name);
    auto known = records_.find(key);
    if (known == records_.end()) {
        std::optional<SpeciesRecord> record;
        if (auto header = firstHeader_.find(key); header != firstHeader_.end())
            record = readRecordAt(lines_, header->second);
        known = records_.emplace(key, std::move(record)).first;
    }
    return known->second ? &*known->second : nullptr;
}

} // namespace zorbel
