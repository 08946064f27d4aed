#pragma once
// The operating system's file calls that a scratch file needs, in one place: each has a
// POSIX and a Windows branch. Paths come as the system's calls take them.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace zorbel::systemcalls {

/// A path as the system's calls take it: UTF-16 on Windows, bytes elsewhere.
using NativePath = std::filesystem::path::string_type;
using NativeChar = std::filesystem::path::value_type;

/// Creates the file exclusively (an existing file or link at the name fails the call) for
/// writing; -1 when it cannot be done, -2 when the name is taken.
int createExclusive(const NativePath& path);
/// Writes every byte, going on after short writes; false on an error.
bool writeAll(int handle, const char* data, std::size_t size);
bool closeHandle(int handle);
/// The replacement keeps the permissions (and, where the system lets us, the owner) the
/// user gave the old file. Best effort: the content is what matters.
void takeOverPermissions(int handle, const std::string& target);
/// Renames without replacing: 0 done, -2 when the new name is taken, -1 otherwise.
int renameExclusive(const std::string& from, const std::string& to);
/// Both are called from the interruption handlers: they allocate nothing.
void removeFileNow(const NativeChar* path) noexcept;
void writeError(std::string_view text) noexcept;
/// Puts the finished file in the target's place in one step, replacing what stood there.
bool replaceTarget(const NativePath& from, const NativePath& to);
int processId();

} // namespace zorbel::systemcalls
