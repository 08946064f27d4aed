#pragma once
// Paths and helpers the tests share.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace zorbel::testing {

/// This test program's process, which names its temporary files apart from those of the
/// same test running in another build at the same time (under the address sanitizer even the
/// objects' addresses repeat from one process to the next).
inline long processId() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<long>(getpid());
#endif
}

/// The public CHEMKIN files beside the repository; tests that need them skip without.
inline std::filesystem::path sharedData() {
    return ZORBEL_SHARED_DATA;
}
inline std::filesystem::path examples() {
    return ZORBEL_EXAMPLES;
}
inline std::filesystem::path testData() {
    return ZORBEL_TEST_DATA;
}

#define ZORBEL_REQUIRE_SHARED_DATA()                                                               \
    do {                                                                                           \
        if (!std::filesystem::exists(::zorbel::testing::sharedData()))                             \
            GTEST_SKIP() << "shared CHEMKIN data not present";                                     \
    } while (false)

/// A fresh folder for one test, removed with it.
class TempFolder {
public:
    TempFolder() {
        auto base = std::filesystem::temp_directory_path();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "zorbel-" + std::string(info ? info->name() : "test");
        for (char& c : name) {
            if (c == '/')
                c = '_';
        }
        path_ = base / (name + "-" + std::to_string(processId()) + "-" +
                        std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        removeAll();
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { removeAll(); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    /// The folder as the program holds a work folder: with its trailing separator.
    std::string folderText() const { return (path_ / "").string(); }

    std::string write(const std::string& name, std::string_view content) const {
        auto file = path_ / name;
        std::ofstream out(file, std::ios::binary);
        out << content;
        return file.string();
    }

private:
    /// Tests leave read-only files and folders, which Windows will not remove as they are.
    void removeAll() const {
        namespace fs = std::filesystem;
        std::error_code ignored;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
        for (auto entry = fs::recursive_directory_iterator(path_, ignored);
             entry != fs::recursive_directory_iterator(); entry.increment(ignored))
            if (!entry->is_symlink(ignored)) // a link's target may lie outside
                fs::permissions(*entry, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }

    std::filesystem::path path_;
};

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

/// The lines of a written file, which must end every line with CR LF.
inline std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         end = text.find("\r\n", start)) {
        result.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return result;
}

/// The tab-separated (or other) fields of a table line; a line ending with a separator ends
/// with an empty field.
inline std::vector<std::string> tabFields(const std::string& line, char separator = '\t') {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab = line.find(separator); tab != std::string::npos;
         tab = line.find(separator, start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

} // namespace zorbel::testing
