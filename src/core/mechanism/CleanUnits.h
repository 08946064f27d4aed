#pragma once
// The units a REACTIONS line names, and the rewriting of A and Ea texts from them into
// cal/mol and mole units, since the reversal reads its numbers so.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zorbel::clean {

/// An energy unit: a value in it times `multiplier`, divided by `divisor`, is in cal/mol.
struct EnergyUnit {
    std::string_view word;
    double multiplier;
    double divisor;
};

/// What the REACTIONS line says about the numbers of the section.
struct SectionUnits {
    const EnergyUnit* energy = nullptr;
    bool molecules = false;

    bool convertsEnergy() const;
    bool convertsAnything() const { return convertsEnergy() || molecules; }
};

/// The units of the REACTIONS line; nothing, with the reason in `refusal`, when it names
/// a unit this program cannot convert or two units for one quantity.
std::optional<SectionUnits> readUnits(std::string_view reactionsLine, std::string& refusal);

/// Rewrites number texts of one block into cal/mol and mole units.
class Converter {
public:
    explicit Converter(const SectionUnits& units) : units_(units) {}

    /// False when the section's numbers are already in cal/mol and mole units.
    bool active() const { return units_.convertsAnything(); }

    /// The A text for a rate of the given order: concentrations in molecules/cm3 become
    /// mol/cm3, so A gains the Avogadro constant once per concentration beyond the first.
    /// Unchanged when nothing applies; nothing when the result is not finite.
    std::optional<std::string> a(std::string_view text, std::size_t order) const;

    std::optional<std::string> ea(std::string_view text) const;

private:
    SectionUnits units_;
};

} // namespace zorbel::clean
