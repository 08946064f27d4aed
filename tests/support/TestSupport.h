#pragma once
// Paths and helpers the tests share.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace zorbel::testing {

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
        path_ = base / (name + "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    /// The folder as the program holds a work folder: with its trailing separator.
    std::string folderText() const { return path_.string() + "/"; }

    std::string write(const std::string& name, std::string_view content) const {
        auto file = path_ / name;
        std::ofstream out(file, std::ios::binary);
        out << content;
        return file.string();
    }

private:
    std::filesystem::path path_;
};

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace zorbel::testing
