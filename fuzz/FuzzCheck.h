#pragma once
// What a fuzz target does when a property fails: says which, with the values involved,
// and aborts so that libFuzzer keeps the input that led there.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace zorbel::fuzz {

[[noreturn]] inline void fail(const char* property, const std::string& detail) {
    std::fprintf(stderr, "property failed: %s\n%s\n", property, detail.c_str());
    std::abort();
}

#define ZORBEL_FUZZ_CHECK(condition, detail)                                                       \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::zorbel::fuzz::fail(#condition, (detail));                                            \
    } while (false)

/// The input as text: libFuzzer hands bytes, the readers take text with any byte in it.
inline std::string_view asText(const unsigned char* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace zorbel::fuzz
