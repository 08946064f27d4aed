#pragma once
// The words of the CHEMKIN layout that the readers look for and the window shows: the
// parsers and the cleaner read them here, not among the window's captions.

#include <string_view>

namespace zorbel::texts {

/// The keyword that closes a section of the database and mechanism files.
inline constexpr std::string_view EndKeyword = "END";
/// The arrows of a reversible and of an irreversible reaction.
inline constexpr std::string_view ReversibleArrow = "<=>";
inline constexpr std::string_view IrreversibleArrow = "=>";

// Auxiliary keywords of a reaction, compared in capitals.
/// Their numbers are an A, an n and an Ea (PLOG/: a pressure first).
inline constexpr std::string_view LowKeyword = "LOW";
inline constexpr std::string_view HighKeyword = "HIGH";
inline constexpr std::string_view RevKeyword = "REV";
inline constexpr std::string_view PlogKeyword = "PLOG";
/// A reaction written more than once; the short form is read too.
inline constexpr std::string_view DuplicateKeyword = "DUPLICATE";
inline constexpr std::string_view DuplicateShort = "DUP";
/// Rate forms and options the reversal does not handle: such a reaction is kept as given.
inline constexpr std::string_view UnreversedKeywords[] = {
    "CHEB", "PCHEB", "TCHEB", "FORD", "RORD",  "TDEP",    "EXCI", "JAN",    "FIT1",
    "LT",   "RLT",   "MOME",  "XSMI", "UNITS", "USRPROG", "LANG", "COLLEFF"};
/// Auxiliary keywords that stand alone on their line, without a "/" group.
inline constexpr std::string_view LoneAuxiliaryKeywords[] = {"MOME", "XSMI",  "STICK", "COLLEFF",
                                                             "MWON", "MWOFF", "UNITS"};
/// Photons and electrons as species: such a reaction is kept as given too.
inline constexpr std::string_view PhotonSpecies = "HV";
inline constexpr std::string_view ElectronSpecies = "E";
/// The third body of a reaction, alone ("+M") or as a falloff partner ("(+M)").
inline constexpr std::string_view ThirdBodySpecies = "M";

} // namespace zorbel::texts
