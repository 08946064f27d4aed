// The whole reversed mechanism: every line of the file kept in order, pressure-dependent
// reactions as irreversible pairs with each law reversed, the deviation written for each
// fitted law as a recomputation finds it, and the summary and report of the run.

#include "batch/BatchTexts.h"
#include "files/TextFiles.h"
#include "mechanism/ParsedReaction.h"
#include "reversal/ReactionReversal.h"
#include "reversal/SpeciesProvider.h"
#include "support/SessionFixture.h"
#include "text/NumberText.h"
#include "text/StringOps.h"
#include "thermo/ThermoIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace zorbel {
namespace {

using Lines = std::vector<std::string>;

bool isReaction(const std::string& line) {
    const std::string text = line.substr(0, line.find('!'));
    return text.find("=>") != std::string::npos;
}

int count(const Lines& lines, const std::string& part) {
    int n = 0;
    for (const std::string& line : lines)
        n += line.find(part) != std::string::npos ? 1 : 0;
    return n;
}

class WholeMechanismTest : public testing::SessionFixture {
protected:
    /// Reverses everything into the whole mechanism and its report; the written lines
    /// without the date line.
    Lines reverseWhole(const std::string& thermo, const std::string& mechanism) {
        loadDatabase(thermo);
        loadMechanism(mechanism);
        session.common.WorkFolder = folder.path().string() + "/";
        form.WholeMechanismChk.setChecked(true);
        session.reportPath = path("report.csv");
        platform.summaries.clear();
        form.CMD4.click();
        // The summary's counts add up to the reactions listed.
        EXPECT_EQ(platform.summaries.size(), 1U);
        int reactions = 0, sum = 0;
        for (const std::string& line : splitLines(platform.summaries.back())) {
            if (line.starts_with(texts::SummaryByTerms))
                break; // under a tolerance, the same reactions counted by their laws
            const std::size_t colon = line.find(": ");
            const std::string_view head = std::string_view(line).substr(0, colon);
            if (head == "Reactions")
                reactions = std::stoi(line.substr(colon + 2));
            else if (!line.starts_with(" ") && colon != std::string::npos && head != "worst fit")
                sum += std::stoi(line.substr(colon + 2));
        }
        EXPECT_EQ(sum, reactions);
        EXPECT_EQ(reactions, form.LOS2.count());
        Lines written = *readLines(path("RevAll.txt"));
        EXPECT_TRUE(written.front().starts_with(texts::GeneratedThe));
        written.erase(written.begin());
        return written;
    }

    /// Every input line appears in the output in its order; a pair's forward member
    /// carries "=>" for "<=>". Returns how many input lines became forward members.
    static int expectEveryLineInOrder(const Lines& input, const Lines& output) {
        std::size_t at = 0;
        int forwardMembers = 0;
        for (const std::string& line : input) {
            std::string irreversible = line;
            if (const std::size_t arrow = line.find("<=>"); arrow != std::string::npos)
                irreversible.replace(arrow, 3, "=>");
            while (at < output.size() && output[at] != line && output[at] != irreversible)
                ++at;
            if (at == output.size()) {
                ADD_FAILURE() << "lost or out of order: " << line;
                return forwardMembers;
            }
            forwardMembers += output[at] != line ? 1 : 0;
            ++at;
        }
        return forwardMembers;
    }

    /// Each REV/ line's "max err X% at T K" against the law of its text over kf/Kc, both
    /// computed here with the exact thermochemistry; returns the lines checked.
    int expectWrittenDeviationsRecomputed(const Lines& output) {
        const std::optional<ThermoIndex> database = ThermoIndex::load(session.common.ThermoPath);
        SpeciesProvider species(form.LOS1.entries(), &*database);
        int checked = 0;
        for (std::size_t i = 1; i < output.size(); ++i) {
            const std::size_t at = output[i].find("; max err ");
            if (!output[i].starts_with("REV/") || at == std::string::npos)
                continue;
            SCOPED_TRACE(output[i - 1]);
            const ParsedReaction parsed = parseReaction(toUpperAscii(output[i - 1]));
            ReversalRequest request;
            request.slots = parsed.Slots;
            request.aText = parsed.AText;
            request.nText = parsed.NText;
            request.eaText = parsed.EaText;
            request.gasConstant = static_cast<double>(session.common.GasConstant);
            request.exactThermo = true;
            const ReversalOutcome exact = reverseReaction(request, species, SeriesKept::All);
            double A = 0, n = 0, Ea = 0, percent = 0, T = 0;
            EXPECT_EQ(std::sscanf(output[i].c_str(), "REV/ %lf %lf %lf", &A, &n, &Ea), 3);
            EXPECT_EQ(std::sscanf(output[i].c_str() + at, "; max err %lf%% at %lf K", &percent, &T),
                      2);
            double worst = 0, worstT = 0;
            for (std::size_t j = 0; j < exact.series.T.size(); ++j) {
                const double t = exact.series.T[j];
                const double k = A * std::pow(t, n) * std::exp(-Ea / (request.gasConstant * t));
                if (const double d = std::fabs(k / exact.series.kr[j] - 1); d > worst) {
                    worst = d;
                    worstT = t;
                }
            }
            EXPECT_NEAR(100 * worst, percent, 0.05 + 1e-6 * percent);
            EXPECT_EQ(std::lround(worstT), std::lround(T));
            ++checked;
        }
        return checked;
    }
};

/// A pair's deviation in the report is that of its worst law: the largest "max err" written
/// on the lines of its reverse member; the summary names the first reaction of the worst.
void expectReportAndSummaryTellTheWorst(const Lines& report, const Lines& output,
                                        const std::string& summary) {
    double worstOfAll = -1;
    std::string named;
    for (const std::string& row : report) {
        const std::vector<std::string> fields = testing::tabFields(row, ',');
        if (fields.size() > 11 && !fields[11].empty() && std::isdigit(fields[11][0]) &&
            std::stod(fields[11]) > worstOfAll) {
            worstOfAll = std::stod(fields[11]);
            named = "worst fit: " + fields[1] + " (" + fields[0] + "), ";
        }
        if (fields.size() < 12 || fields[3] != "pair")
            continue;
        const std::size_t arrow = fields[1].find("<=>");
        const std::string reversed =
            fields[1].substr(arrow + 3) + "=>" + fields[1].substr(0, arrow);
        auto line = std::find_if(output.begin(), output.end(), [&](const std::string& written) {
            return written.starts_with(reversed + " ");
        });
        ASSERT_NE(line, output.end()) << reversed;
        double worst = 0, percent = 0;
        for (auto l = line; l != output.end() && (l == line || !isReaction(*l)); ++l) {
            const std::size_t at = l->find("! max err ");
            if (at != std::string::npos &&
                std::sscanf(l->c_str() + at, "! max err %lf", &percent) == 1)
                worst = std::max(worst, percent);
        }
        EXPECT_NEAR(std::stod(fields[11]), worst, 0.051) << row;
    }
    EXPECT_NE(summary.find(named), std::string::npos) << named << "\n" << summary;
}

TEST_F(WholeMechanismTest, EveryKindOfReactionInOneFile) {
    const Lines input = {
        "ELEMENTS",
        "H O",
        "END",
        "REACTIONS",
        "! elementary, then third body",
        "H+O2<=>O+OH 3.547E+15 -0.406 16599.0",
        "H2+M<=>H+H+M 4.577E+19 -1.400 104380.0",
        "H2O2/12.0/",
        "OH+OH(+M)<=>H2O2(+M) 7.400E+13 -0.370 0.0 ! falloff",
        "LOW/ 2.300E+18 -0.900 -1700.00/ TROE/ 0.7346 94.0 1756.0 5182.0/",
        "H2/2.0/",
        "H+O2(+M)<=>HO2(+M) 1.0E+12 0.0 0.0",
        "HIGH/ 4.65E+12 0.44 0.0/",
        "H+HO2<=>H2+O2 1.0E+13 0.0 0.0",
        "PLOG/ 1.0 2.0E+13 0.0 0.0/",
        "PLOG/ 1.0 -1.0E+13 0.0 100.0/",
        "PLOG/ 10.0 3.0E+13 0.0 0.0/",
        "DUP",
        "H+HO2<=>H2+O2 1.0E+12 0.0 0.0",
        "DUP",
        "H+HO2<=>OH+OH 7.0E+13 0.0 300.0",
        "REV/ 1.0E+12 0.0 40000.0/",
        "O+H2<=>H+OH 3.87E+4 2.7 6260.0",
        "FORD/ H2 1.0/",
        "HO2+HO2=>H2O2+O2 4.2E+14 0.0 11980.0",
        "H+C2H6<=>H2+C2H5 1.150E+08 1.900 7530.0",
        "!H2+O<=>H+OH 5.0E+04 2.67 6290.0",
        "! the end",
        "END",
    };
    std::string text;
    for (const std::string& line : input)
        text += line + "\n";
    const std::string thermo = copyTestData("reversal.therm");
    const std::string mechanism = folder.write("whole.rxn", text);
    const Lines output = reverseWhole(thermo, mechanism);

    EXPECT_EQ(expectEveryLineInOrder(input, output), 3);
    const auto reactions = [](const Lines& lines) {
        return std::count_if(lines.begin(), lines.end(), isReaction);
    };
    EXPECT_EQ(reactions(output), reactions(input) + 3);
    const Lines expected[] = {
        {"H2O2(+M)=>OH+OH(+M) ", "LOW/ ", "H2/2.0/"},
        {"HO2(+M)=>H+O2(+M) ", "HIGH/ "},
        {"H2+O2=>H+HO2 ", "PLOG/ 1.0 ", "PLOG/ 1.0 -", "PLOG/ 10.0 ", "DUP"},
    };
    for (const Lines& member : expected) {
        auto line = std::find_if(output.begin(), output.end(), [&](const std::string& written) {
            return written.starts_with(member[0]);
        });
        ASSERT_NE(line, output.end()) << member[0];
        for (const std::string& start : member)
            EXPECT_TRUE((line++)->starts_with(start)) << start;
    }
    // Each PLOG/ law is reversed with its own Ea: the reverse laws part as the forward ones do.
    const auto plog = std::find_if(output.begin(), output.end(), [](const std::string& written) {
        return written.starts_with("H2+O2=>H+HO2 ");
    });
    double ea[2] = {}, unused = 0;
    for (std::size_t k = 0; k < 2 && plog + 2 < output.end(); ++k)
        ASSERT_EQ(std::sscanf(plog[k + 1].c_str(), "PLOG/ %lf %lf %lf %lf", &unused, &unused,
                              &unused, &ea[k]),
                  4);
    EXPECT_NEAR(ea[1] - ea[0], 100.0, 1e-6);
    EXPECT_EQ(count(output, "TROE/ 0.7346 94.0 1756.0 5182.0/"), 2);
    EXPECT_EQ(count(output, "REV/ "), 5); // three fitted, one given and its comment
    EXPECT_EQ(count(output, "; max err "), 3);
    EXPECT_EQ(count(output, "! max err "), 8); // the pairs' reaction lines and laws
    EXPECT_EQ(count(output, "! given REV/ against the fitted law "), 1);
    EXPECT_EQ(count(output, std::string(texts::GivenReverseDeviation)), 1); // the REV/ was read
    EXPECT_EQ(count(output, "! not reversed: FORD"), 1);
    EXPECT_EQ(count(output, std::string(texts::MissingThermoLine)), 1);
    EXPECT_EQ(expectWrittenDeviationsRecomputed(output), 3);

    ASSERT_EQ(platform.summaries.size(), 1U);
    const std::string& summary = platform.summaries[0];
    for (const char* line :
         {"Reactions: 11", "reversed (REV/): 3", "written as irreversible pairs: 3",
          "kept irreversible: 1", "not reversed: 4", "    a comment line: 1"})
        EXPECT_NE(summary.find(line), std::string::npos) << line << "\n" << summary;
    const Lines report = *readLines(path("report.csv"));
    ASSERT_EQ(report.size(), 12U);
    EXPECT_TRUE(report[4].starts_with("3,H+O2(+M)<=>HO2(+M),chemically activated,pair,"));
    expectReportAndSummaryTellTheWorst(report, output, summary);
    // Without n every law of a pair fits the equilibrium constant its own way.
    form.Option1.setSelected(true);
    const Lines twoParameters = reverseWhole(thermo, mechanism);
    expectReportAndSummaryTellTheWorst(*readLines(path("report.csv")), twoParameters,
                                       platform.summaries.back());

    // Reverse Selected writes the whole file too, reversing only what is selected.
    form.LOS2.clearSelection();
    for (const int index : {0, 2})
        form.LOS2.setSelected(index, true);
    form.CMD5.click();
    Lines selected = *readLines(path("RevSelected.txt"));
    selected.erase(selected.begin());
    EXPECT_EQ(expectEveryLineInOrder(input, selected), 1);
    EXPECT_EQ(selected.size(), input.size() + 1 + 3); // a REV/ line, a reverse member of 3 lines
    EXPECT_EQ(count(selected, "REV/ "), 2);           // the fitted one and the given one

    // A file changed since its load would put the results beside other lines: refused, and
    // the previous file stays.
    const std::string before = testing::readFile(path("RevAll.txt"));
    folder.write("whole.rxn", "REACTIONS\nH+O2<=>O+OH 1.0E+13 0.0 0.0\nEND\n");
    form.CMD4.click();
    EXPECT_TRUE(form.lblerror.caption().starts_with(texts::MechanismChanged));
    EXPECT_EQ(testing::readFile(path("RevAll.txt")), before);
}

TEST_F(WholeMechanismTest, EveryTermOfABlendedReverseMovesTheOtherLimitByItsOwnFactor) {
    // The falloff, then the chemically activated reaction: the other limit of each reverse
    // term is the forward one times the term's law over the forward law, so every term has
    // the reduced pressure and the blending of the whole reverse rate.
    const std::string mechanism = folder.write(
        "blended.rxn", "REACTIONS\nOH+OH(+M)<=>H2O2(+M) 7.400E+13 -0.370 0.0\n"
                       "LOW/ 2.300E+18 -0.900 -1700.00/ TROE/ 0.7346 94.0 1756.0 5182.0/\n"
                       "H+O2(+M)<=>HO2(+M) 1.0E+12 0.0 0.0\nHIGH/ 4.65E+12 0.44 0.0/\nEND\n");
    form.MaxErrortxt.setText("0.001"); // more than one law for each
    const Lines output = reverseWhole(copyTestData("reversal.therm"), mechanism);
    struct Forward {
        const char* reverse;
        const char* limit;
        double A, n, Ea, limitA, limitN, limitEa;
    };
    for (const Forward& forward :
         {Forward{"H2O2(+M)=>OH+OH(+M) ", "LOW/ %lf %lf %lf", 7.4E13, -0.37, 0, 2.3E18, -0.9,
                  -1700},
          Forward{"HO2(+M)=>H+O2(+M) ", "HIGH/ %lf %lf %lf", 1E12, 0, 0, 4.65E12, 0.44, 0}}) {
        SCOPED_TRACE(forward.reverse);
        int terms = 0;
        for (std::size_t i = 0; i + 1 < output.size(); ++i) {
            double A = 0, n = 0, Ea = 0, limitA = 0, limitN = 0, limitEa = 0;
            if (!output[i].starts_with(forward.reverse))
                continue;
            ASSERT_EQ(std::sscanf(output[i].c_str() + std::strlen(forward.reverse), "%lf %lf %lf",
                                  &A, &n, &Ea),
                      3);
            ASSERT_EQ(std::sscanf(output[i + 1].c_str(), forward.limit, &limitA, &limitN, &limitEa),
                      3);
            EXPECT_NEAR(limitA / A, forward.limitA / forward.A, 1e-9 * forward.limitA / forward.A);
            EXPECT_NEAR(limitN - n, forward.limitN - forward.n, 1e-9);
            EXPECT_NEAR(limitEa - Ea, forward.limitEa - forward.Ea, 1e-6);
            EXPECT_NE(output[i].find(": term " + std::to_string(++terms) + " of "),
                      std::string::npos);
        }
        EXPECT_GT(terms, 1);
    }
    EXPECT_EQ(count(output, "TROE/ 0.7346 94.0 1756.0 5182.0/"), count(output, "LOW/"));
}

TEST_F(WholeMechanismTest, PublishedMechanisms) {
    ZORBEL_REQUIRE_SHARED_DATA();
    const auto data = testing::sharedData();
    {
        SCOPED_TRACE("GRI-Mech 3.0");
        const std::string mechanism = (data / "gri30/mech-clean.rxn").string();
        const Lines input = *readLines(mechanism);
        const Lines output = reverseWhole((data / "gri30/thermo30.dat").string(), mechanism);
        const int pairs = expectEveryLineInOrder(input, output);
        EXPECT_EQ(pairs, 29);
        EXPECT_EQ(count(output, "LOW"), 2 * count(input, "LOW"));
        EXPECT_EQ(std::count_if(output.begin(), output.end(), isReaction),
                  std::count_if(input.begin(), input.end(), isReaction) + pairs);
        EXPECT_EQ(expectWrittenDeviationsRecomputed(output), count(output, "REV/"));
    }
    {
        SCOPED_TRACE("AramcoMech 1.3");
        const std::string mechanism = (data / "aramco1.3/mech-clean.rxn").string();
        const Lines input = *readLines(mechanism);
        const Lines output =
            reverseWhole((data / "aramco1.3/AramcoMech_1.3_therm.dat").string(), mechanism);
        // Each PLOG pair's reverse member has as many PLOG/ lines as its forward member.
        std::vector<std::pair<std::string, int>> blocks; // reaction line, its PLOG/ lines
        for (const std::string& line : output) {
            if (isReaction(line))
                blocks.emplace_back(line, 0);
            else if (line.starts_with("PLOG/") && !blocks.empty())
                ++blocks.back().second;
        }
        int plogPairs = 0;
        for (std::size_t b = 0; b + 1 < blocks.size(); ++b) {
            const std::string equation = blocks[b].first.substr(0, blocks[b].first.find(' '));
            const std::size_t arrow = equation.find("=>");
            const std::string reversed =
                equation.substr(arrow + 2) + "=>" + equation.substr(0, arrow) + " ";
            if (blocks[b].second == 0 || !blocks[b + 1].first.starts_with(reversed))
                continue;
            EXPECT_EQ(blocks[b + 1].second, blocks[b].second) << equation;
            ++plogPairs;
        }
        EXPECT_EQ(plogPairs, 76);
        EXPECT_EQ(count(output, "PLOG/"), 2 * count(input, "PLOG/") - 11);
        ASSERT_EQ(platform.summaries.size(), 1U);
        EXPECT_NE(platform.summaries[0].find("written as irreversible pairs: 120"),
                  std::string::npos);
        const std::string report = testing::readFile(path("report.csv"));
        EXPECT_EQ(splitLines(report).size(), 1543U);
        EXPECT_NE(report.find(",\"C3H6OOH2-1O2<=>C3H51-2,3OOH\",elementary,"), std::string::npos);
    }
}

} // namespace
} // namespace zorbel
