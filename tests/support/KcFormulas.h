#pragma once
// kf / Kc written out from the NASA polynomials, apart from the program's own computation, for
// the tests that check the reverse laws it writes against the rate they stand for.

#include "reversal/ReactionReversal.h"
#include "thermo/SpeciesProperties.h"

#include <cmath>

namespace zorbel::testing {

/// R [cal/(mol K)] as the program holds it (a single-precision 1.9872), and R [cm3 atm/(mol K)]
/// of the concentration units.
inline const double calPerMolK = static_cast<double>(1.9872F);
inline constexpr double cm3AtmPerMolK = 82.058;

/// G/RT = H/RT - S/R of one species at T [K], from the range of its polynomials that holds T.
inline double gibbsOverRT(const Polynomials& p, double T) {
    const auto& a = T < p.tCommon ? p.lower : p.upper;
    const double H =
        a[0] + T * (a[1] / 2 + T * (a[2] / 3 + T * (a[3] / 4 + T * a[4] / 5))) + a[5] / T;
    const double S =
        a[0] * std::log(T) + T * (a[1] + T * (a[2] / 2 + T * (a[3] / 3 + T * a[4] / 4))) + a[6];
    return H - S;
}

/// ln Kc at T of the reaction whose slots (three reactants, three products) a reversal has
/// classified: the species' polynomials are those the program found, the formulas are ours.
inline double lnKc(const ReversalOutcome& slots, double T) {
    double deltaG = 0.0; // Gibbs energy of reaction / RT
    double deltaN = 0.0;
    for (int k = 0; k < 6; ++k) {
        if (slots.slotKinds[k] != SlotKind::Species)
            continue;
        const double nu = k < 3 ? -1.0 : 1.0;
        deltaG += nu * gibbsOverRT(*slots.polynomials[k], T);
        deltaN += nu;
    }
    return -deltaG - deltaN * std::log(cm3AtmPerMolK * T);
}

/// ln of A T^n exp(-Ea / RT) at T [K], Ea in cal/mol.
inline double lnArrhenius(double A, double n, double Ea, double T) {
    return std::log(A) + n * std::log(T) - Ea / (calPerMolK * T);
}

} // namespace zorbel::testing
