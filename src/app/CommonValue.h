#pragma once
// The program-wide record through which the commands hand values to one another.

#include <string>
#include <vector>

namespace zorbel {

struct CommonValue {
    int SpeciesCount = 0;  ///< species names in LOS1; 0 means no database is loaded
    int ReactionCount = 0; ///< entries of LOS2; 0 means no mechanism is loaded
    std::string ThermoPath;
    std::string ThermoFolder; ///< ThermoPath up to and including its last separator
    std::string MechanismPath;
    /// 1-based line in MechanismPath of each LOS2 entry, for messages that point at a
    /// reaction; empty when LOS2 holds no mechanism file's lines (a comparison file's).
    std::vector<int> ReactionLines;
    /// The file as published that MechanismPath was cleaned from; empty when the mechanism
    /// was loaded as written.
    std::string PublishedMechanismPath;
    std::string ComparisonPath;
    std::string WorkFolder; ///< output folder, with its trailing separator
    std::string NewLine;    ///< "\r\n" once started
    std::string TLow;       ///< limits of the species last shown [K], plain number form
    std::string THigh;
    std::string TCommon;
    float GasConstant = 0.0F; ///< R [cal/(mol K)], deliberately single precision
    int LastPoint = 0;        ///< points of the last reversal minus one
    double LastPointReal = 0.0;
    double RevA = 0.0;    ///< last fitted Arev [cm3, mol, s units of the mechanism]
    double RevN = 0.0;    ///< last fitted nrev [-]
    double RevEa = 0.0;   ///< last fitted Earev [cal/mol]
    double FitLnA = 0.0;  ///< ln kr = FitLnA + FitN ln T + FitInvT / T
    double FitN = 0.0;    ///< [-]
    double FitInvT = 0.0; ///< [K]
    std::string AFormat;  ///< number pattern of pre-exponential factors
    std::string NFormat;  ///< number pattern of temperature exponents
    std::string EaFormat; ///< number pattern of activation energies
    int FormatsChosen = 0;
};

} // namespace zorbel
