#include "commands/ReactionSearch.h"

#include "text/StringOps.h"

#include "app/AppTexts.h"
#include "app/SearchTexts.h"
#include "app/Session.h"
#include "text/NumberText.h"

#include <algorithm>

namespace zorbel {

namespace {

bool opensLine(std::string_view entry, std::string_view query) {
    if (!entry.starts_with(query))
        return false;
    const std::string_view rest = entry.substr(query.size());
    return std::any_of(std::begin(texts::SpeciesOpeningFollowers),
                       std::end(texts::SpeciesOpeningFollowers),
                       [rest](std::string_view follower) { return rest.starts_with(follower); });
}

bool standsBetweenNeighbours(std::string_view entry, size_t at, size_t length) {
    const std::string_view before = entry.substr(0, at);
    const std::string_view after = entry.substr(at + length);
    return std::any_of(std::begin(texts::SpeciesNeighbourPairs),
                       std::end(texts::SpeciesNeighbourPairs),
                       [before, after](const texts::SpeciesNeighbours& pair) {
                           return before.ends_with(pair.before) && after.starts_with(pair.after);
                       });
}

} // namespace

std::string speciesQuery(std::string_view typed) {
    return toUpperAscii(removeChars(typed, " "));
}

bool containsSpecies(std::string_view entry, std::string_view query) {
    if (query.empty())
        return false;
    // The plain containment test rejects most lines before any neighbour is looked at.
    size_t at = entry.find(query);
    if (at == std::string_view::npos)
        return false;
    if (at == 0 && opensLine(entry, query))
        return true;
    // Every occurrence counts, overlapping ones included: the species may stand later in
    // the line than a first occurrence inside a longer name.
    for (; at != std::string_view::npos; at = entry.find(query, at + 1)) {
        if (standsBetweenNeighbours(entry, at, query.size()))
            return true;
    }
    return false;
}

std::vector<std::string> searchReactions(const std::vector<std::string>& domain,
                                         std::span<const std::string> queries) {
    // Each query narrows the previous stage's entries; pointers keep the domain's order
    // without copying a line until it is known to be a result.
    std::vector<const std::string*> kept;
    bool firstStage = true;
    for (const std::string& query : queries) {
        if (query.empty())
            continue;
        if (firstStage) {
            for (const std::string& entry : domain) {
                if (containsSpecies(entry, query))
                    kept.push_back(&entry);
            }
            firstStage = false;
        } else {
            std::erase_if(kept, [&query](const std::string* entry) {
                return !containsSpecies(*entry, query);
            });
        }
    }
    std::vector<std::string> results;
    results.reserve(kept.size());
    for (const std::string* entry : kept)
        results.push_back(*entry);
    return results;
}

std::optional<std::string> resultLabelText(int queryCount, std::size_t found) {
    // A full search of three species that finds nothing leaves the label as it was
    // reset, "Found: 0 Reaction"; shorter searches always report their count.
    if (queryCount <= 0 || (queryCount >= 3 && found == 0))
        return std::nullopt;
    return std::string(texts::FoundStart) + plainNumber(static_cast<double>(found)) + " " +
           std::string(texts::FoundEnd);
}

std::string searchListEntry(std::string_view entry) {
    if (entry.find(texts::ReversibleArrow) != std::string_view::npos)
        return std::string(entry);
    return replaceAll(entry, texts::IrreversibleArrow, texts::MarkedIrreversibleArrow);
}

std::string mainListEntry(std::string_view searchEntry) {
    return replaceAll(searchEntry, texts::MarkedIrreversibleArrow, texts::IrreversibleArrow);
}

namespace {

/// The window as it opens: the sorted copy of the mechanism, empty boxes, no results.
void loadSearchWindow(Session& session) {
    Findfrm& find = session.find;
    const ListBox& LOS2 = session.form.LOS2;
    // The count decides how much of the main list is copied; never read past its end.
    const int copied = std::clamp(session.common.ReactionCount, 0, LOS2.count());
    std::vector<std::string> copy;
    copy.reserve(static_cast<size_t>(copied));
    for (int index = 0; index < copied; ++index)
        copy.push_back(searchListEntry(LOS2.at(index)));
    find.LOS2copy.assign(std::move(copy));

    find.tiplbl.setCaption(std::string(texts::SearchTipQuestion) + session.common.NewLine +
                           std::string(texts::SearchTipHowToClose));
    find.resultlbl.setCaption(std::string(texts::FoundNothing));
    find.Usereqn1.setText({});
    find.Usereqn2.setText({});
    find.Usereqn3.setText({});
    find.SubLOS2copy.clear();
}

} // namespace

CommandResult openSearchWindow(Session& session) {
    loadSearchWindow(session);
    Findfrm& find = session.find;
    // The window counts as closed once the modal call returns, however it returns.
    struct ClosesOnReturn {
        Findfrm& window;
        ~ClosesOnReturn() { window.shown = false; }
    } closes{find};
    find.shown = true;
    session.platform.showSearch(find);
    return {};
}

CommandResult runSearch(Session& session) {
    Findfrm& find = session.find;
    find.SubLOS2copy.clear();
    find.resultlbl.setCaption(std::string(texts::FoundNothing));

    std::vector<std::string> queries;
    for (const TextBox* box : {&find.Usereqn1, &find.Usereqn2, &find.Usereqn3}) {
        std::string query = speciesQuery(box->text());
        if (!query.empty())
            queries.push_back(std::move(query));
    }
    if (queries.empty())
        return {};

    std::vector<std::string> results = searchReactions(find.LOS2copy.entries(), queries);
    const size_t found = results.size();
    find.SubLOS2copy.assign(std::move(results));
    if (std::optional<std::string> label = resultLabelText(static_cast<int>(queries.size()), found))
        find.resultlbl.setCaption(std::move(*label));
    return {};
}

namespace {

/// Makes the reaction a search-window entry stands for the only selected line of the
/// main list, which shows its details there.
void selectInMainList(Session& session, std::string_view searchEntry) {
    ListBox& LOS2 = session.form.LOS2;
    LOS2.clearSelection();
    const int index = LOS2.find(mainListEntry(searchEntry));
    if (index >= 0)
        LOS2.select(index);
}

void chooseAndClose(Session& session, const ListBox& list) {
    // A double-click that lands on no entry chooses nothing and leaves the window open.
    if (list.currentIndex() < 0)
        return;
    selectInMainList(session, list.selectedText());
    session.find.shown = false;
}

} // namespace

void connectSearch(Session& session) {
    Findfrm& find = session.find;
    session.form.FindCmd.onClick = [&session] {
        session.start([&session] { return openSearchWindow(session); });
    };
    find.FindCmdR.onClick = [&session] {
        session.handle([&session] { return runSearch(session); });
    };
    find.SubLOS2copy.onSelect = [&session] {
        session.runHandler([&session] {
            const ListBox& results = session.find.SubLOS2copy;
            if (results.currentIndex() >= 0)
                selectInMainList(session, results.selectedText());
        });
    };
    find.SubLOS2copy.onDoubleClick = [&session] {
        session.runHandler([&session] { chooseAndClose(session, session.find.SubLOS2copy); });
    };
    find.LOS2copy.onDoubleClick = [&session] {
        session.runHandler([&session] { chooseAndClose(session, session.find.LOS2copy); });
    };
    find.Closefrm.onClick = [&session] { session.find.shown = false; };
}

} // namespace zorbel
