#include "mechanism/CleanUnits.h"

#include "mechanism/CleanLineText.h"
#include "mechanism/CleanTexts.h"
#include "text/NumberText.h"
#include "text/StringOps.h"

#include <cmath>
#include <vector>

namespace zorbel::clean {

namespace {

// Published conversion factors. The Avogadro constant and the calorie are exact by
// definition (SI of 2019, thermochemical calorie); R and the electronvolt follow from
// exact constants and are given to the digits they are published with.
/// Avogadro constant [1/mol], exact.
constexpr double AvogadroConstant = 6.02214076E+23;
/// [cal/kcal].
constexpr double CaloriesPerKilocalorie = 1000.0;
/// [J/kJ].
constexpr double JoulesPerKilojoule = 1000.0;
/// [J/cal]: 1 cal = 4.184 J exactly.
constexpr double JoulesPerCalorie = 4.184;
/// Molar gas constant [cal/(mol K)]: 8.31446261815324 J/(mol K) divided by 4.184 J/cal.
/// An activation energy given in kelvins is Ea/R, so times this it is in cal/mol.
constexpr double GasConstantCalories = 1.98720425864083;
/// One electronvolt per molecule [cal/mol]: the Faraday constant 96485.33212 J/(mol V)
/// divided by 4.184 J/cal.
constexpr double CaloriesPerElectronvolt = 23060.5480;

constexpr EnergyUnit EnergyUnits[] = {
    {texts::CalPerMole, 1.0, 1.0},
    {texts::KcalPerMole, CaloriesPerKilocalorie, 1.0},
    {texts::JoulesPerMole, 1.0, JoulesPerCalorie},
    {texts::KjoulesPerMole, JoulesPerKilojoule, JoulesPerCalorie},
    {texts::Kelvins, GasConstantCalories, 1.0},
    {texts::Evolts, CaloriesPerElectronvolt, 1.0},
};

const EnergyUnit* energyUnitNamed(const std::string& word) {
    const EnergyUnit* energy = nullptr;
    for (const EnergyUnit& unit : EnergyUnits) {
        if (word == unit.word)
            energy = &unit;
    }
    return energy;
}

std::optional<std::string> written(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    return generalNumber(value == 0.0 ? 0.0 : value); // no "-0" from a negative zero
}

} // namespace

bool SectionUnits::convertsEnergy() const {
    return energy != nullptr && energy->word != texts::CalPerMole;
}

std::optional<SectionUnits> readUnits(std::string_view reactionsLine, std::string& refusal) {
    SectionUnits units;
    std::optional<bool> molecules;
    const std::vector<Word> words = wordsOf(withoutComment(reactionsLine));
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string word = toUpperAscii(words[i].text);
        const EnergyUnit* energy = energyUnitNamed(word);
        const bool amount = word == texts::Moles || word == texts::Molecules;
        if (energy == nullptr && !amount) {
            refusal = std::string(texts::UnknownUnit) + std::string(words[i].text);
            return std::nullopt;
        }
        const bool isMolecules = word == texts::Molecules;
        const bool contradicts = energy != nullptr
                                     ? units.energy != nullptr && units.energy != energy
                                     : molecules.has_value() && *molecules != isMolecules;
        if (contradicts) {
            refusal = std::string(texts::TwoUnits) + std::string(trimmed(reactionsLine));
            return std::nullopt;
        }
        if (energy != nullptr)
            units.energy = energy;
        else
            molecules = isMolecules;
    }
    units.molecules = molecules.value_or(false);
    return units;
}

std::optional<std::string> Converter::a(std::string_view text, std::size_t order) const {
    if (!units_.molecules || order <= 1)
        return std::string(text);
    double value = readLeadingNumber(text);
    for (std::size_t i = 1; i < order; ++i)
        value *= AvogadroConstant;
    return written(value);
}

std::optional<std::string> Converter::ea(std::string_view text) const {
    if (!units_.convertsEnergy())
        return std::string(text);
    return written(readLeadingNumber(text) * units_.energy->multiplier / units_.energy->divisor);
}

} // namespace zorbel::clean
