// Reactions a batch run cannot get through: a points box emptied under the run, a fault
// raised inside one reaction, numbers that overflow. The faulty reaction carries its
// comment line, every other reaction its usual lines, and the file is complete.

#include "HostileSupport.h"

#include "batch/BatchTexts.h"
#include "reversal/ReversalTexts.h"
#include "text/StringOps.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zorbel {
namespace {

using testing::HostileSession;

std::string golden() {
    return testing::readFile(testing::testData() / "golden/RevAll-reversal.txt");
}

/// The golden file with the result line of the given reaction replaced.
std::string goldenWithResult(const std::string& reaction, const std::string& result) {
    std::vector<std::string> lines = testing::crlfLines(golden());
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i] + "\r\n";
        if (lines[i] == reaction) {
            text += result + "\r\n";
            ++i;
        }
    }
    return text;
}

constexpr const char* thirdReaction = "H+O2+M<=>HO2+M 2.800E+18 -0.860 0.0";

class BatchFaults : public HostileSession {
protected:
    void SetUp() override {
        HostileSession::SetUp();
        loadSound(sound("reversal.rxn"));
        form.LOS2.select(0); // the number patterns of the golden file
    }
    /// Runs Reverse All, acting at the yield before each reaction as `atYield` says.
    std::string reverseAll(const std::function<void(int reaction)>& atYield) {
        int turn = 0;
        platform.onEvents = [&] { atYield(turn++); };
        form.CMD4.click();
        platform.onEvents = nullptr;
        EXPECT_FALSE(session.batchRunning);
        EXPECT_EQ(platform.messages.back().title, "JOB DONE!");
        expectFilesIntact({"RevAll.txt"});
        return output("RevAll.txt");
    }
};

TEST_F(BatchFaults, APointsBoxChangedUnderTheRunCostsOneReaction) {
    // The user types in the points box while the run yields, and puts 50 back.
    for (const char* typed : {"", "0", "2", "20000", "1e300", "abc"}) {
        SCOPED_TRACE(std::string("typed \"") + typed + "\"");
        const std::string file = reverseAll([&](int reaction) {
            if (reaction == 2)
                form.Ntxt.setText(typed);
            if (reaction == 3)
                form.Ntxt.setText("50");
        });
        EXPECT_EQ(file, goldenWithResult(thirdReaction, std::string(texts::NotCalculatedStart) +
                                                            std::string(texts::PointCountReason)));
    }
}

TEST_F(BatchFaults, AFaultInsideOneReactionCostsThatReactionOnly) {
    struct Fault {
        const char* kind;
        std::function<void()> raise;
        std::string comment;
    };
    const std::vector<Fault> faults = {
        {"a standard exception", [] { throw std::runtime_error("injected\r\nfault"); },
         "!Reverse coef. not calculated: unexpected fault: injected  fault"},
        {"anything else", [] { throw 42; }, "!Reverse coef. not calculated: unexpected fault: "},
    };
    TextBox& forwardA = form.PropTxt[REVEQfrm::ForwardA];
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.kind);
        // Raised while the third reaction is cut and shown, before any of its results.
        forwardA.onChange = [&] {
            if (forwardA.text() == "2.800E+18")
                fault.raise();
        };
        EXPECT_EQ(reverseAll([](int) {}), goldenWithResult(thirdReaction, fault.comment));
        forwardA.onChange = nullptr;
        EXPECT_EQ(form.lblerror.caption(), "");
    }
}

TEST_F(BatchFaults, OverflowingReactionsAreRefusedOneByOne) {
    struct Overflow {
        const char* reaction;
        std::string message; ///< what Reverse says
        std::string comment; ///< what the batch writes
    };
    const std::string notCalculated(texts::NotCalculatedStart);
    const std::string notThree = "the coefficients are not three numbers A, n, Ea: Ea \"0.0 "
                                 "1.0E+400\" is more than one number";
    const std::vector<Overflow> cases = {
        // kf = A T^10 is beyond the doubles from the first point on.
        {"H+O2<=>O+OH 1.0E+300 10.0 0.0", std::string(texts::NonPositiveKr),
         notCalculated + std::string(texts::NonPositiveKrReason)},
        // exp(-Ea/RT) is 0: kr is 0 and has no logarithm.
        {"H+O2<=>O+OH 3.547E+15 -0.406 1.0E+300", std::string(texts::NonPositiveKr),
         notCalculated + std::string(texts::NonPositiveKrReason)},
        // Every kr is finite, but the fitted Arev lies beyond the doubles.
        {"O+OH<=>H+O2 1.0E+308 0.0 0.0", std::string(texts::FitOverflow),
         notCalculated + std::string(texts::OverflowReason)},
        // A forward coefficient beyond the doubles is named as too large, not as no number.
        {"H+O2<=>O+OH 1.0E+400 0.0 0.0",
         std::string(texts::ForwardCoefficientStart) + "\"1.0E+400\"" +
             std::string(texts::TooLargeEnd),
         notCalculated + std::string(texts::TooLargeReason) + "\"1.0E+400\""},
        // More numbers than three were once taken for one too large: the line is named.
        {"H+O2<=>O+OH 1.0E+13 0.0 0.0 1.0E+400",
         std::string(texts::NotCalculatedBecause) + "line 6 of " + path("overflow.rxn") + ": " +
             notThree + ".",
         notCalculated + "line 6: " + notThree},
    };
    std::string mechanism = "REACTIONS\n";
    std::string expected = "REACTIONS\r\n!GENERATED THE 14/06/04 09:05:31\r\n";
    for (const Overflow& c : cases) {
        mechanism += std::string(c.reaction) + "\n";
        expected += std::string(c.reaction) + "\r\n" + c.comment + "\r\n";
    }
    put("overflow.rxn", mechanism);
    loadMechanism(path("overflow.rxn"));
    for (int i = 0; i < static_cast<int>(cases.size()); ++i) {
        SCOPED_TRACE(cases[static_cast<std::size_t>(i)].reaction);
        form.LOS2.select(i);
        form.CMD3.click();
        EXPECT_EQ(form.lblerror.caption(), cases[static_cast<std::size_t>(i)].message);
    }
    EXPECT_TRUE(platform.charts.empty());
    EXPECT_EQ(reverseAll([](int) {}), expected);
}

} // namespace
} // namespace zorbel
