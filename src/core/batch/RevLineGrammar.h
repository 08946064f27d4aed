#pragma once
// The grammar of the reversed mechanism files: the words and marks a REV/ line and the
// file's header are made of. Readers of those files (the comparison) and their writers
// share them; nothing here is shown in a window.

#include <string_view>

namespace zorbel::texts {

/// The comment line that opens a reversed mechanism, followed by the date and time.
inline constexpr std::string_view GeneratedThe = "!GENERATED THE";

/// "REV/ A n Ea !Trange(K) = [ cold -  hot] ; S= s": the reverse law, the range it was
/// fitted over and the error measure of the fit.
inline constexpr std::string_view RevPrefix = "REV/ ";
/// What closes the law of a REV/ line in the whole mechanism, before its comment: readers
/// that take auxiliary keywords strictly want their closing slash.
inline constexpr std::string_view RevClose = " /";
inline constexpr std::string_view RangeStart = " !Trange(K) = [";
inline constexpr std::string_view RangeSeparator = " - ";
inline constexpr std::string_view RangeEnd = "]";
inline constexpr std::string_view ErrorMeasureStart = " ; S= ";

} // namespace zorbel::texts
