#pragma once
// Texts of the reverse-rate computation and of the Reverse command.

#include "text/NumberPatterns.h"

#include <string_view>

namespace zorbel::texts {

/// The names of the Arrhenius parameters: captions in the window, headers in tables.
inline constexpr std::string_view ACaption = "A";
inline constexpr std::string_view NCaption = "n";

// Refusals of the Reverse command.
inline constexpr std::string_view IrreversibleWarning =
    "Warning!!! Your Reaction is supposed to be irreversible (=>)!";
inline constexpr std::string_view MissingSpeciesStart =
    "Reverse Arrhenius will not be calculated, because ";
inline constexpr std::string_view MissingSpeciesEnd =
    "the thermodynamic coefficients of the highlighted in yellow species have not been "
    "specified!";
/// After it: which species the database file lacks.
inline constexpr std::string_view MissingFromStart = " Not in ";
inline constexpr std::string_view MissingFromMiddle = ": ";
inline constexpr std::string_view ZeroAWarning =
    "Sorry, Zorbel can not perform that operation: A=0!";

// Personal-range warnings.
inline constexpr std::string_view PersonalNotSuitable =
    "Your personal values are not suitable for this programme";
inline constexpr std::string_view PersonalColdIgnored =
    "Your personal Cold Temperature has not been taken into account";
inline constexpr std::string_view PersonalHotIgnored =
    "Your personal Hot Temperature has not been taken into account";
// Why, after the warning, and the range used instead.
inline constexpr std::string_view PersonalReversed =
    ": the cold temperature is above the hot one (General Settings, Your Temperature Range)";
inline constexpr std::string_view PersonalEqual =
    ": the cold and hot temperatures are equal (General Settings, Your Temperature Range)";
inline constexpr std::string_view PersonalColdNotANumber =
    ": the cold temperature is not a number (General Settings, Your Temperature Range)";
inline constexpr std::string_view PersonalHotNotANumber =
    ": the hot temperature is not a number (General Settings, Your Temperature Range)";
inline constexpr std::string_view PersonalBothOutside =
    ": both lie outside the range the species' data cover";
inline constexpr std::string_view PersonalColdBelow =
    ": it lies below the range the species' data cover";
inline constexpr std::string_view PersonalHotAbove =
    ": it lies above the range the species' data cover";
inline constexpr std::string_view RangeUsedStart = ". Range used:";
inline constexpr std::string_view RangeUsedAnd = " to";
inline constexpr std::string_view RangeUsedEnd = " K.";

// Faults the computation cannot get past; each names what to change.
inline constexpr std::string_view EmptyRange =
    "Reverse Arrhenius will not be calculated: the temperature range is empty or reversed "
    "(cold end not below hot end). Check your personal temperatures.";
/// After the record of a species whose header's range is reversed, then its low and high.
inline constexpr std::string_view HeaderRangeReversed =
    "its header gives a low temperature not below its high temperature:";
/// Before a fault of the data files, which names its place.
inline constexpr std::string_view NotCalculatedBecause =
    "Reverse Arrhenius will not be calculated: ";
inline constexpr std::string_view OutsideLimitsStart =
    "Reverse Arrhenius will not be calculated: the temperature range leaves the validity range "
    "of species ";
inline constexpr std::string_view ForwardCoefficientStart =
    "Reverse Arrhenius will not be calculated: the forward coefficient ";
inline constexpr std::string_view TooLargeEnd = " is too large to compute with.";
inline constexpr std::string_view NonPositiveKr =
    "Reverse Arrhenius will not be calculated: kf/Kc is not a positive finite number at every "
    "temperature (check the sign and size of A, n and Ea).";
inline constexpr std::string_view SingularFit =
    "Reverse Arrhenius will not be calculated: the temperature range is too narrow to fit this "
    "law.";
inline constexpr std::string_view PointCountRefused =
    "Reverse Arrhenius will not be calculated: the number of points is not between 3 and "
    "10000.";
inline constexpr std::string_view FitOverflow =
    "Reverse Arrhenius will not be calculated: the fitted reverse rate constant overflows.";
// The loaded database file was moved, deleted or replaced since it was loaded.
inline constexpr std::string_view DatabaseUnreadableStart = "The thermodynamic database ";
inline constexpr std::string_view DatabaseUnreadableEnd = " can no longer be read: load it again.";
inline constexpr std::string_view TempFileNotWritten = "The table file could not be written: ";

// Results.
inline constexpr std::string_view CalculatedBetween = "calculated between ";
inline constexpr std::string_view CalculatedAnd = " and ";
inline constexpr std::string_view TempFileName = "temp.txt";

// The table file.
inline constexpr std::string_view TableA = "A = ";
inline constexpr std::string_view TableN = "n = ";
inline constexpr std::string_view TableEa = "Ea (cal/mol) = ";
inline constexpr std::string_view TableArev = "Arev = ";
inline constexpr std::string_view TableNrev = "nrev = ";
inline constexpr std::string_view TableEarev = "Earev (cal/mol) = ";
inline constexpr std::string_view TableHeadBeforeLnKf =
    "T(K)\tDeltaH0/RT\tDeltaS0/R\tKp\tKc\tkf\tkr[CK]\t";
inline constexpr std::string_view TableLnKfTwoParameters = "ln(kf)";
inline constexpr std::string_view TableLnKfThreeParameters = "ln(Kf)";
inline constexpr std::string_view TableHeadAfterLnKf = "\tln(kr)[CK]\tln(kr)[LS]\tkr[LS]\tError";
inline constexpr std::string_view ErrorLabelPrefix = "S = ";

// The findings of the check of the input files, after a load in the window.
inline constexpr std::string_view CheckBoxStart =
    "The files loaded hold what may make a reversal wrong or leave a reaction out:";
inline constexpr std::string_view CheckBoxEnd =
    "These warnings are shown once for these files in this run; zorbel-cli check lists them "
    "again at any time.";

} // namespace zorbel::texts
