// Published mechanisms reversed under a tolerance: every reverse rate read back from the
// written file, the laws of a sum added up as a reader adds DUPLICATE reactions and the
// PLOG/ lines of one pressure, lies within the tolerance of kf/Kc computed here from the
// polynomials; what misses it is listed in the summary; the file is one a reader loads.

#include "files/TextFiles.h"
#include "support/CliRunner.h"
#include "support/TestSupport.h"
#include "text/NumberText.h"
#include "text/StringOps.h"
#include "thermo/SpeciesProperties.h"
#include "thermo/ThermoIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>

namespace zorbel {
namespace {

using testing::quoted;
using Lines = std::vector<std::string>;

constexpr double R = 1.9872000217437744; // cal/(mol K), as the program holds it
constexpr double Rcm3 = 82.058;          // cm3 atm/(mol K)
constexpr int points = 200;
constexpr double tolerance = 0.01;

struct Law {
    double A = 0, n = 0, Ea = 0;
    double at(double T) const { return A * std::pow(T, n) * std::exp(-Ea / (R * T)); }
};

Law lawOf(const std::vector<std::string>& words, std::size_t first) {
    return {readLeadingNumber(words[first]), readLeadingNumber(words[first + 1]),
            readLeadingNumber(words[first + 2])};
}

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> out;
    std::istringstream in{std::string(text)};
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

std::string beforeComment(const std::string& line) {
    return line.substr(0, line.find('!'));
}

/// A reaction's species, reactants then products, from its equation ("A+B(+M)=>C").
struct Sides {
    std::vector<std::string> reactants, products;
};

Sides sidesOf(const std::string& equation) {
    const std::size_t arrow = equation.find("=>");
    const bool reversible = arrow > 0 && equation[arrow - 1] == '<';
    const auto split = [](std::string side) {
        std::vector<std::string> species;
        for (const char* mark : {"(+M)", "(+m)"})
            for (std::size_t at; (at = side.find(mark)) != std::string::npos;)
                side.erase(at, 4);
        std::size_t start = 0;
        for (std::size_t plus = side.find('+', 1); start < side.size();
             plus = side.find('+', start + 1)) {
            const std::string name = side.substr(start, plus - start);
            if (name != "M")
                species.push_back(name);
            if (plus == std::string::npos)
                break;
            start = plus + 1;
        }
        return species;
    };
    return {split(equation.substr(0, reversible ? arrow - 1 : arrow)),
            split(equation.substr(arrow + 2))};
}

/// kf/Kc written out from the NASA polynomials, over the grid of the species' common range.
class Equilibrium {
public:
    explicit Equilibrium(const std::string& thermo) : index_(*ThermoIndex::load(thermo)) {}

    /// The grid and ln Kc at its points; nothing when a species has no record.
    bool grid(const Sides& sides, std::vector<double>& T, std::vector<double>& lnKc) {
        double cold = 0, hot = 1e300;
        std::vector<std::pair<Polynomials, double>> species;
        for (const auto& [names, sign] :
             {std::pair{&sides.reactants, -1.0}, {&sides.products, 1.0}})
            for (const std::string& name : *names) {
                const SpeciesRecord* record = index_.find(name);
                if (record == nullptr || record->fault)
                    return false;
                species.emplace_back(polynomialsOf(*record), sign);
                cold = std::max(cold, species.back().first.tLow);
                hot = std::min(hot, species.back().first.tHigh);
            }
        T.clear();
        lnKc.clear();
        for (int j = 0; j < points; ++j) {
            const double t = 1.0 / (1.0 / cold + j * (1.0 / hot - 1.0 / cold) / (points - 1));
            double dn = 0, g = 0; // sum of sign (S/R - H/RT)
            for (const auto& [p, sign] : species) {
                const auto& a = t < p.tCommon ? p.lower : p.upper;
                const double h = a[0] + a[1] * t / 2 + a[2] * t * t / 3 + a[3] * t * t * t / 4 +
                                 a[4] * t * t * t * t / 5 + a[5] / t;
                const double s = a[0] * std::log(t) + a[1] * t + a[2] * t * t / 2 +
                                 a[3] * t * t * t / 3 + a[4] * t * t * t * t / 4 + a[6];
                g += sign * (s - h);
                dn += sign;
            }
            T.push_back(t);
            lnKc.push_back(g - dn * std::log(Rcm3 * t));
        }
        return true;
    }

private:
    ThermoIndex index_;
};

/// One reaction of the written file: its line, then its auxiliary and comment lines.
struct Block {
    std::string equation;
    Law law;
    std::string comment;
    Lines auxiliary;
};

bool isReactionLine(const std::string& line) {
    const std::string text = beforeComment(line);
    return text.find("=>") != std::string::npos && words(text).size() >= 4;
}

std::vector<Block> blocksOf(const Lines& lines) {
    std::vector<Block> blocks;
    for (const std::string& line : lines) {
        if (isReactionLine(line)) {
            const std::vector<std::string> w = words(beforeComment(line));
            const std::size_t bang = line.find('!');
            blocks.push_back({w[0],
                              lawOf(w, w.size() - 3),
                              bang == std::string::npos ? "" : line.substr(bang),
                              {}});
        } else if (!blocks.empty() && toUpperAscii(line).rfind("END", 0) != 0) {
            blocks.back().auxiliary.push_back(line);
        }
    }
    return blocks;
}

/// PLOG/ laws by pressure, signs kept.
std::map<double, std::vector<Law>> plogLaws(const Block& block) {
    std::map<double, std::vector<Law>> laws;
    for (const std::string& line : block.auxiliary) {
        std::string text = toUpperAscii(beforeComment(line));
        if (text.find("PLOG") == std::string::npos)
            continue;
        std::replace(text.begin(), text.end(), '/', ' ');
        const std::vector<std::string> w = words(text);
        laws[readLeadingNumber(w[1])].push_back(lawOf(w, 2));
    }
    return laws;
}

bool holds(const Block& block, std::string_view keyword) {
    return std::any_of(block.auxiliary.begin(), block.auxiliary.end(), [&](const std::string& l) {
        return toUpperAscii(beforeComment(l)).find(keyword) != std::string::npos;
    });
}

std::string reversedEquation(const std::string& equation) {
    const std::size_t arrow = equation.find("=>");
    return equation.substr(arrow + 2) + "=>" + equation.substr(0, arrow);
}

struct Checked {
    int revLines = 0, sums = 0, plogPressures = 0, blendings = 0;
};

/// The numbers of a block's auxiliary line that starts with `keyword`, or none.
std::vector<double> numbersOf(const Block& block, std::string_view keyword) {
    for (const std::string& line : block.auxiliary) {
        std::string text = toUpperAscii(beforeComment(line));
        if (text.find(keyword) == std::string::npos)
            continue;
        std::replace(text.begin(), text.end(), '/', ' ');
        std::vector<double> numbers;
        for (const std::string& w : words(text.substr(text.find(keyword) + keyword.size())))
            numbers.push_back(readLeadingNumber(w));
        return numbers;
    }
    return {};
}

/// A falloff's or a chemically activated reaction's rate at T [K] and a concentration of the
/// bath gas [mol/cm3], blended the way readers blend it: Lindemann or Troe (the published
/// mechanisms here have no SRI/ line).
double blended(const Block& block, double T, double M) {
    const bool falloff = holds(block, "LOW");
    const std::vector<double> other = numbersOf(block, falloff ? "LOW" : "HIGH");
    const Law limit{other.at(0), other.at(1), other.at(2)};
    const double k0 = falloff ? limit.at(T) : block.law.at(T);
    const double kInf = falloff ? block.law.at(T) : limit.at(T);
    const double Pr = k0 * M / kInf;
    double logF = 0.0;
    if (const std::vector<double> troe = numbersOf(block, "TROE"); !troe.empty()) {
        const double a = troe.at(0);
        const double Fcent =
            std::max((1 - a) * std::exp(-T / troe.at(1)) + a * std::exp(-T / troe.at(2)) +
                         (troe.size() > 3 ? std::exp(-troe[3] / T) : 0.0),
                     1e-300);
        const double c = -0.4 - 0.67 * std::log10(Fcent);
        const double n = 0.75 - 1.27 * std::log10(Fcent);
        const double f1 = (std::log10(Pr) + c) / (n - 0.14 * (std::log10(Pr) + c));
        logF = std::log10(Fcent) / (1 + f1 * f1);
    }
    return (falloff ? kInf * Pr : k0) / (1 + Pr) * std::pow(10.0, logF);
}

/// The reverse members of a falloff or chemically activated reaction against its blended
/// kf/Kc at three pressures, and each member's other limit moved from the forward one by
/// the factor its law is moved from the forward law, so that all share one reduced pressure.
void expectBlendingWithin(const Block& forward, const std::vector<const Block*>& members,
                          const std::vector<double>& T, const std::vector<double>& lnKc) {
    const std::string_view limit = holds(forward, "LOW") ? "LOW" : "HIGH";
    const std::vector<double> given = numbersOf(forward, limit);
    for (const Block* member : members) {
        const std::vector<double> moved = numbersOf(*member, limit);
        ASSERT_EQ(moved.size(), 3U) << forward.equation;
        EXPECT_NEAR(moved[0] / given[0], member->law.A / forward.law.A,
                    2e-3 * member->law.A / forward.law.A)
            << forward.equation;
        // Kc takes no part in the ratio of the limits: the moved limit is k0 h / k.
        EXPECT_NEAR(moved[1] - given[1], member->law.n - forward.law.n, 2e-3) << forward.equation;
        EXPECT_NEAR(moved[2] - given[2], member->law.Ea - forward.law.Ea, 0.2) << forward.equation;
    }
    for (const double atm : {0.01, 1.0, 100.0}) {
        for (std::size_t j = 0; j < T.size(); ++j) {
            const double M = atm / (Rcm3 * T[j]);
            double kr = 0;
            for (const Block* member : members)
                kr += blended(*member, T[j], M);
            const double kfOverKc = blended(forward, T[j], M) / std::exp(lnKc[j]);
            ASSERT_LE(std::fabs(kr / kfOverKc - 1), tolerance + 1e-4)
                << forward.equation << " at " << T[j] << " K and " << atm << " atm";
        }
    }
}

/// Sum of the reverse laws against kf/Kc, each law's own share of kf bounding the error of
/// a sum whose signs differ.
void expectWithin(const std::vector<Law>& forward, const std::vector<Law>& reverse,
                  const std::vector<double>& T, const std::vector<double>& lnKc,
                  const std::string& what) {
    for (std::size_t j = 0; j < T.size(); ++j) {
        double kf = 0, size = 0, kr = 0;
        for (const Law& law : forward) {
            kf += law.at(T[j]);
            size += std::fabs(law.at(T[j]));
        }
        for (const Law& law : reverse)
            kr += law.at(T[j]);
        const double Kc = std::exp(lnKc[j]);
        ASSERT_LE(std::fabs(kr - kf / Kc), (tolerance + 1e-6) * size / Kc)
            << what << " at " << T[j] << " K: kr " << kr << ", kf/Kc " << kf / Kc;
    }
}

/// A REV/ line's "S=", the sum over the grid of the squared differences between ln kr and
/// ln(kf/Kc), recomputed from the written law; it is written to two digits.
void expectErrorMeasure(const std::string& line, const Law& forward, const Law& reverse,
                        const std::vector<double>& T, const std::vector<double>& lnKc) {
    const std::size_t at = line.find("S=");
    ASSERT_NE(at, std::string::npos) << line;
    double S = 0;
    for (std::size_t j = 0; j < T.size(); ++j) {
        const double d = std::log(reverse.at(T[j])) - (std::log(forward.at(T[j])) - lnKc[j]);
        S += d * d;
    }
    EXPECT_NEAR(readLeadingNumber(line.substr(at + 2)), S, 0.06 * S) << line;
}

/// Every reverse rate the file writes for a reversible elementary, third-body or PLOG
/// reaction, apart from those in `missed` (their equations as listed).
Checked checkFile(const Lines& lines, Equilibrium& equilibrium,
                  const std::set<std::string>& missed) {
    Checked checked;
    const std::vector<Block> blocks = blocksOf(lines);
    std::vector<double> T, lnKc;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const Block& block = blocks[b];
        // A pair's reverse members follow it, each the forward's sides swapped, with the
        // comment the writer gives every law it fits.
        std::vector<const Block*> members;
        for (std::size_t r = b + 1; r < blocks.size() && !blocks[r].comment.empty() &&
                                    blocks[r].equation == reversedEquation(block.equation);
             ++r)
            members.push_back(&blocks[r]);
        const bool reversible = block.equation.find("<=>") != std::string::npos;
        for (const Block* member : members) {
            EXPECT_FALSE(holds(*member, "REV")) << "a pair carries no REV/: " << block.equation;
            if (member->comment.find(": term ") != std::string::npos) {
                EXPECT_TRUE(holds(*member, "DUP")) << "every law of a sum is a DUPLICATE";
            }
        }
        if (!members.empty()) {
            EXPECT_FALSE(holds(block, "REV")) << block.equation;
        }
        std::string listed = block.equation;
        if (!reversible)
            listed.replace(listed.find("=>"), 2, "<=>");
        if (missed.count(listed) != 0 || !equilibrium.grid(sidesOf(block.equation), T, lnKc)) {
            b += reversible ? 0 : members.size();
            continue;
        }
        if (reversible) {
            for (const std::string& line : block.auxiliary) {
                if (line.rfind("REV/", 0) != 0 || line.find("!Trange") == std::string::npos)
                    continue; // a REV/ the mechanism gave
                const Law reverse = lawOf(words(line.substr(4)), 0);
                expectWithin({block.law}, {reverse}, T, lnKc, block.equation);
                expectErrorMeasure(line, block.law, reverse, T, lnKc);
                ++checked.revLines;
            }
            continue;
        }
        b += members.size();
        if (members.empty())
            continue; // irreversible as written
        if (holds(block, "LOW") || holds(block, "HIGH")) {
            expectBlendingWithin(block, members, T, lnKc);
            ++checked.blendings;
            continue;
        }
        const std::map<double, std::vector<Law>> forward = plogLaws(block);
        if (!forward.empty()) {
            const std::map<double, std::vector<Law>> reverse = plogLaws(*members.front());
            EXPECT_EQ(reverse.size(), forward.size()) << block.equation;
            if (reverse.size() != forward.size())
                continue;
            for (const auto& [pressure, laws] : forward)
                expectWithin(laws, reverse.at(pressure), T, lnKc,
                             block.equation + " at " + std::to_string(pressure) + " atm");
            checked.plogPressures += static_cast<int>(forward.size());
            continue;
        }
        std::vector<Law> sum;
        for (const Block* member : members)
            sum.push_back(member->law);
        expectWithin({block.law}, sum, T, lnKc, block.equation);
        checked.sums += members.size() > 1 ? 1 : 0;
    }
    return checked;
}

/// The equations the summary lists as missing the tolerance, and how many needed more
/// than one law.
std::set<std::string> missedOf(const std::string& summary, int& moreThanOne) {
    std::set<std::string> missed;
    bool listing = false;
    for (const std::string& line : splitLines(summary)) {
        if (line.rfind("needing more than one law: ", 0) == 0)
            moreThanOne = std::stoi(line.substr(27));
        if (line.rfind("missing the largest error of 1%: ", 0) == 0) {
            listing = true;
            continue;
        }
        if (listing && line.rfind("    ", 0) == 0)
            missed.insert(words(line)[0]);
        else
            listing = false;
    }
    return missed;
}

struct Published {
    const char* folder;
    const char* thermo;
    int fewestSums;
    long mostMissed;
};

class ToleranceTest : public ::testing::TestWithParam<Published> {};

TEST_P(ToleranceTest, EveryReverseRateReadBackHoldsTheTolerance) {
    ZORBEL_REQUIRE_SHARED_DATA();
    const Published& published = GetParam();
    const auto data = testing::sharedData() / published.folder;
    const testing::TempFolder folder;
    const std::string arguments = "reverse-all " + quoted((data / published.thermo).string()) +
                                  " " + quoted((data / "mech-clean.rxn").string()) +
                                  " --complete --max-error 1 --points " + std::to_string(points) +
                                  " --date \"07/12/26 12:00:00\" --work-folder " +
                                  quoted(folder.path().string());
    const testing::CliResult run = testing::runCli(arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string written = testing::readFile(folder.path() / "RevAll.txt");
    int moreThanOne = -1;
    const std::set<std::string> missed = missedOf(run.err, moreThanOne);
    EXPECT_GE(moreThanOne, published.fewestSums) << run.err;
    // A reverse may miss only where the polynomials themselves jump at a common temperature.
    EXPECT_LE(static_cast<long>(missed.size()), published.mostMissed) << run.err;

    Equilibrium equilibrium((data / published.thermo).string());
    const Checked checked = checkFile(testing::crlfLines(written), equilibrium, missed);
    EXPECT_GT(checked.revLines, 0);
    EXPECT_GT(checked.blendings, 20);
    EXPECT_GE(checked.sums, published.fewestSums - static_cast<int>(missed.size()) - 60);
    if (std::string(published.folder) == "gri30") {
        // The same bytes from one thread.
        const testing::TempFolder one;
        std::string single = arguments + " --threads 1";
        single.replace(single.find(quoted(folder.path().string())),
                       quoted(folder.path().string()).size(), quoted(one.path().string()));
        ASSERT_EQ(testing::runCli(single).exitCode, 0);
        EXPECT_EQ(testing::readFile(one.path() / "RevAll.txt"), written);
    } else {
        EXPECT_GT(checked.plogPressures, 100);
    }
}

INSTANTIATE_TEST_SUITE_P(Published, ToleranceTest,
                         ::testing::Values(Published{"gri30", "thermo30.dat", 150, 0},
                                           Published{"aramco1.3", "AramcoMech_1.3_therm.dat", 600,
                                                     60}));

} // namespace
} // namespace zorbel
