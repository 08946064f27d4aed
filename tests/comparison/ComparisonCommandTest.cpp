#include "app/AppTexts.h"
#include "app/ScriptedPlatform.h"
#include "app/Session.h"
#include "app/TextFiles.h"
#include "batch/BatchTexts.h"
#include "comparison/ComparisonTexts.h"
#include "program/Program.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace zorbel {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempFolder;

/// The nine marked reactions of the fixture, as they are listed and reversed.
const std::vector<std::string> markedEntries = {
    "H+O2<=>O+OH 3.547E+15 -0.406 16599.0",
    "H2+O<=>H+OH 3.870E+04 2.700 6260.0",
    "OH+OH+(M)<=>H2O2+(M) 7.400E+13 -0.370 0.0",
    "H+O2+M<=>HO2+M 2.800E+18 -0.860 0.0",
    "H+O2+(M)=>HO2+(M) 1.475E+12 0.600 0.0",
    "H+C2H6<=>H2+C2H5 1.150E+08 1.900 7530.0",
    "H+O2<=>O+OH 0.0E+00 0.0 0.0",
    "H+HO2<=>H2+O2 1.660E+13 0.000 823.0",
    "H2O2|=>OH+OH 3.000E+14 0.000 48400.0",
};

/// The names this command's scratch files had once: a user's files of these names are not
/// ours to touch.
const char* const formerScratchNames[] = {"TEMPOO1.int", "TEMPOO2.int", "TEMPOO3.int",
                                          "common2.int", "common3.int"};

fs::path golden(const char* name) {
    return testing::testData() / "comparison" / "golden" / name;
}

class ComparisonTest : public ::testing::Test {
protected:
    void SetUp() override {
        connectCommands(session);
        platform.fixedClock = DateTime{2004, 6, 14, 9, 5, 31};
        for (const char* name : {"reversal.therm", "reversal.rxn"})
            fs::copy_file(testing::testData() / name, folder.path() / name);
        fs::copy_file(testing::testData() / "comparison" / "reversal-common.txt", comparison);
        original = readFile(comparison);
    }

    void loadDatabase() {
        platform.fileAnswers.push_back((folder.path() / "reversal.therm").string());
        form.CMD1.click();
    }

    /// The database, and a first reaction shown so that the reverse coefficients are
    /// written with its number patterns, as after a user's first look at a mechanism.
    void loadInputs() {
        loadDatabase();
        platform.fileAnswers.push_back((folder.path() / "reversal.rxn").string());
        form.CMD2.click();
        form.LOS2.select(0);
    }

    void annotate(const fs::path& file) {
        platform.fileAnswers.push_back(file.string());
        form.CMD6.click();
    }
    void annotate() { annotate(comparison); }

    bool exists(const char* name) const { return fs::exists(folder.path() / name); }

    void expectNoScratchFiles() const {
        for (const auto& entry : fs::directory_iterator(folder.path()))
            EXPECT_NE(entry.path().extension(), ".partial") << entry.path();
    }

    bool jobDoneShown() const {
        for (const MessageRequest& message : platform.messages) {
            if (message.title == texts::JobDoneTitle)
                return true;
        }
        return false;
    }

    ScriptedPlatform platform;
    Session session{platform};
    REVEQfrm& form = session.form;
    TempFolder folder;
    fs::path comparison = folder.path() / "common.txt";
    std::string original;
};

TEST_F(ComparisonTest, AnnotatesTheGoldenFile) {
    loadInputs();
    annotate();
    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(readFile(comparison), readFile(golden("reversal-common-annotated.txt")));
    EXPECT_EQ(readFile(folder.path() / "RevAll.txt"),
              readFile(golden("RevAll-reversal-common.txt")));

    ASSERT_EQ(platform.fileRequests.size(), 3U);
    const FileDialogRequest& dialog = platform.fileRequests[2];
    EXPECT_EQ(dialog.title, "Selection Vintra output file...");
    EXPECT_EQ(dialog.filter, "TXT Files (*.txt)|*.txt|All Files |*.*|");
    EXPECT_EQ(dialog.filterIndex, 1);
    EXPECT_EQ(dialog.initialFolder, defaultDialogFolder());

    // One closing box, the worker's own being held back during the run.
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].title, "JOB DONE!");
    EXPECT_EQ(platform.messages[0].text,
              "Following file modified:\r\n" + comparison.string() +
                  "\r\nand the reversed mechanism beside it, an earlier one replaced:\r\n" +
                  folder.folderText() + "RevAll.txt");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    expectNoScratchFiles();
}

TEST_F(ComparisonTest, TheMarkedReactionsBecomeTheLoadedMechanism) {
    loadInputs();
    annotate();
    const CommonValue& common = session.common;
    EXPECT_EQ(form.LOS2.entries(), markedEntries);
    EXPECT_EQ(common.ReactionCount, 9);
    EXPECT_EQ(form.List2Nbr.caption(), "(9)");
    EXPECT_EQ(common.ComparisonPath, comparison.string());
    EXPECT_EQ(common.WorkFolder, folder.folderText());
    EXPECT_EQ(form.Lbl2.caption(), loadedCaption(comparison.string(), 45));
    ASSERT_GE(comparison.string().size(), 45U); // a temporary folder is long: shortened
    EXPECT_EQ(form.Lbl2.caption(),
              "Loaded: " + comparison.string().substr(0, 3) + "[...]\\common.txt");
    EXPECT_FALSE(session.batchRunning);
    EXPECT_EQ(form.MSFG.filledRows(1), 0); // cleared after use, the worker's table included

    // A later Reverse All is an ordinary one again: it ends with its own box.
    form.CMD4.click();
    ASSERT_EQ(platform.messages.size(), 3U);
    EXPECT_EQ(platform.messages[2].text,
              "Output file copied to:\r\n" + folder.folderText() + "RevAll.txt");
}

TEST_F(ComparisonTest, PersonalRangeCommentsDoNotShiftThePairing) {
    loadInputs();
    // Both ends outside the detected range: the detected range is taken, so every reverse
    // coefficient is as without a personal range, but a comment stands before each one.
    form.Chk1.setChecked(true);
    form.Cold2txt.setText("100");
    form.Hot2txt.setText("5000");
    annotate();
    const std::string revAll = readFile(folder.path() / "RevAll.txt");
    EXPECT_NE(revAll.find("16599.0\r\n!Your personal values were not suitable. Detected "
                          "Temperatures have been taken instead\r\nREV/ 3.069E+13"),
              std::string::npos)
        << revAll;
    EXPECT_EQ(readFile(comparison), readFile(golden("reversal-common-annotated.txt")));
}

TEST_F(ComparisonTest, AFileWithoutMarkedLinesChangesNothing) {
    loadInputs();
    const std::string content = "Comparison [10/1000/2000]\r\nH+O2<=>O+OH 1 2 3 4 5 6\r\n"
                                "within tolerance\r\n";
    const std::string file = folder.write("plain.txt", content);
    form.PropTxt[20].setText("3.547E+15");
    annotate(file);
    EXPECT_EQ(form.lblerror.caption(), "No equation to treat.");
    EXPECT_EQ(form.List2Nbr.caption(), "(0)");
    EXPECT_EQ(form.LOS2.count(), 0);
    EXPECT_EQ(session.common.ReactionCount, 0);
    EXPECT_EQ(form.PropTxt[20].text(), ""); // the panel was reset before the dialog
    EXPECT_EQ(readFile(file), content);
    EXPECT_FALSE(exists("RevAll.txt"));
    EXPECT_TRUE(platform.messages.empty());
    expectNoScratchFiles();
}

TEST_F(ComparisonTest, WithoutAToleranceLineNothingIsWritten) {
    loadInputs();
    const std::string content =
        "Comparison [10/1000/2000]\r\n"
        "H+O2<=>O+OH\t3.547E+15\t-0.406\t16599.0\t1.0E+13\t0.0\t0.0\t(###)\r\n"
        "end of the comparison\r\n";
    const std::string file = folder.write("notol.txt", content);
    annotate(file);
    EXPECT_EQ(form.lblerror.caption(),
              "No line of " + file +
                  " holds the word \"tolerance\", in front of which the table goes, so no file "
                  "was written. Add such a line and load the file again.");
    EXPECT_EQ(readFile(file), content);
    EXPECT_FALSE(exists("RevAll.txt"));
    EXPECT_FALSE(jobDoneShown());
    expectNoScratchFiles();
}

TEST_F(ComparisonTest, CancellingChangesNothing) {
    loadInputs();
    form.CMD4.click();
    const std::string revAll = readFile(folder.path() / "RevAll.txt");
    form.Templbl.setCaption("status");
    form.PropTxt[14].setVisible(false);
    const std::vector<std::string> listed = form.LOS2.entries();
    form.CMD6.click(); // no answer queued: the dialog is cancelled
    EXPECT_EQ(form.LOS2.entries(), listed);
    EXPECT_EQ(form.List2Nbr.caption(), "(9)");
    EXPECT_EQ(form.Templbl.caption(), "status");
    EXPECT_FALSE(form.PropTxt[14].visible());
    EXPECT_EQ(session.common.ReactionCount, 9);
    EXPECT_EQ(session.common.ComparisonPath, "");
    EXPECT_EQ(readFile(comparison), original);
    // The mechanism is still there to reverse: the same file again, not a header alone.
    form.CMD4.click();
    EXPECT_EQ(readFile(folder.path() / "RevAll.txt"), revAll);
}

TEST_F(ComparisonTest, PreconditionsInOrderAfterTheReactionsAreListed) {
    annotate();
    EXPECT_EQ(form.lblerror.caption(), texts::ImportDatabaseFirst);
    EXPECT_EQ(form.LOS2.entries(), markedEntries);
    EXPECT_EQ(form.List2Nbr.caption(), "(9)");
    EXPECT_EQ(session.common.ReactionCount, 9);

    loadDatabase();
    form.Ntxt.setText("10001");
    annotate();
    EXPECT_EQ(form.lblerror.caption(), texts::EnterPointsNumber);
    EXPECT_EQ(form.Ntxt.background(), Colour::Yellow);
    form.Ntxt.setText("");
    annotate();
    EXPECT_EQ(form.lblerror.caption(), texts::EnterPointsNumber);
    EXPECT_FALSE(exists("RevAll.txt"));
    EXPECT_EQ(readFile(comparison), original);

    form.Ntxt.setText("50");
    annotate();
    EXPECT_EQ(form.Ntxt.background(), Colour::Window);
    EXPECT_TRUE(jobDoneShown());
    EXPECT_NE(readFile(comparison), original);
}

TEST_F(ComparisonTest, WithoutTheSettingsGroupNothingIsRun) {
    loadInputs();
    const std::string content = "Comparison of two mechanisms\n"
                                "H+O2<=>O+OH 3.547E+15 -0.406 16599.0 1.0E+13 0.0 0.0 (###)\n"
                                "tolerance\n";
    const std::string file = folder.write("nogroup.txt", content);
    annotate(file);
    EXPECT_EQ(form.lblerror.caption(),
              "The first line of " + file +
                  " holds no group [tolerance/T1/T2] with two temperatures above 0 K, such as "
                  "[10/1000/2000]. Add it and load the file again.");
    EXPECT_EQ(readFile(file), content);
    EXPECT_EQ(form.LOS2.count(), 1);
    EXPECT_FALSE(exists("RevAll.txt"));
}

TEST_F(ComparisonTest, AMarkedLineWithoutItsBlanksIsNamed) {
    loadInputs();
    const std::string content = "Comparison [10/1000/2000]\n"
                                "H+O2<=>O+OH 3.547E+15 -0.406 16599.0 1.0E+13 0.0 0.0 (###)\n"
                                "H2+O<=>H+OH 3.870E+04 2.700 (###)\n"
                                "tolerance\n";
    const std::string file = folder.write("short.txt", content);
    annotate(file);
    EXPECT_EQ(form.lblerror.caption(),
              "Line 3 of " + file +
                  " is marked (###) but does not hold an equation, A, n, Ea, A', n' and Ea' "
                  "separated by blanks. Correct it and load the file again.");
    EXPECT_EQ(readFile(file), content);
    EXPECT_EQ(form.LOS2.count(), 0);
    EXPECT_EQ(session.common.ReactionCount, 0);
    EXPECT_EQ(form.List2Nbr.caption(), "(0)");
    EXPECT_EQ(form.Lbl2.caption(), "");
    EXPECT_FALSE(exists("RevAll.txt"));
}

TEST_F(ComparisonTest, AnUnreadableFileIsNamed) {
    loadInputs();
    const fs::path missing = folder.path() / "missing.txt";
    annotate(missing);
    EXPECT_EQ(form.lblerror.caption(),
              "The comparison file could not be read: " + missing.string() +
                  ". Check that it exists and can be read.");
    EXPECT_EQ(session.common.ReactionCount, 0);
    EXPECT_EQ(form.List2Nbr.caption(), "(0)");
    EXPECT_EQ(form.Lbl2.caption(), "");
}

TEST_F(ComparisonTest, AnOverflowingRateConstantStopsBeforeTheFileIsTouched) {
    loadInputs();
    const std::string content = "Comparison [10/1000/2000]\n"
                                "H+O2<=>O+OH 3.547E+15 -0.406 16599.0 1.0E+300 50 0.0 (###)\n"
                                "tolerance\n";
    const std::string file = folder.write("huge.txt", content);
    annotate(file);
    EXPECT_EQ(form.lblerror.caption(),
              "The rate constants of H+O2<=>O+OH at 1000 K overflow or are not numbers, so the "
              "comparison file was left unchanged. Check the coefficients of its marked line and "
              "the temperatures of the first line.");
    EXPECT_EQ(readFile(file), content);
    EXPECT_FALSE(jobDoneShown());
    EXPECT_FALSE(exists("RevAll.txt")); // a refusal puts no file in place
    expectNoScratchFiles();
}

TEST_F(ComparisonTest, ARevAllFileThatCannotBeWrittenLeavesTheFileAlone) {
    loadInputs();
    fs::create_directory(folder.path() / "RevAll.txt");
    annotate();
    EXPECT_EQ(form.lblerror.caption(),
              "The reversed mechanism file could not be written beside the comparison file, "
              "which was left unchanged. Check that this folder can be written: " +
                  folder.folderText() + "RevAll.txt");
    EXPECT_EQ(readFile(comparison), original);
    EXPECT_FALSE(session.batchRunning);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ComparisonTest, FilesAndLinksAtFormerScratchNamesAreLeftAlone) {
    loadInputs();
    const std::string victim = folder.write("victim.txt", "not to be written through a link\n");
    for (const char* name : formerScratchNames)
        folder.write(name, std::string("the user's own ") + name);
#ifndef _WIN32
    fs::create_symlink(victim, folder.path() / "RevAll.txt.partial");
    fs::create_symlink(victim, folder.path() / "common.txt.partial");
#endif
    annotate();
    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(readFile(comparison), readFile(golden("reversal-common-annotated.txt")));
    for (const char* name : formerScratchNames)
        EXPECT_EQ(readFile(folder.path() / name), std::string("the user's own ") + name);
    EXPECT_EQ(readFile(victim), "not to be written through a link\n");
#ifndef _WIN32
    EXPECT_TRUE(fs::is_symlink(folder.path() / "RevAll.txt.partial"));
    EXPECT_FALSE(fs::is_symlink(comparison));
#endif
}

TEST_F(ComparisonTest, AReadOnlyFolderLeavesTheOriginal) {
#ifdef _WIN32
    GTEST_SKIP() << "folder permissions are POSIX ones";
#else
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the superuser";
#endif
    loadInputs();
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    annotate();
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_EQ(form.lblerror.caption().rfind("The reversed mechanism file could not be written", 0),
              0U);
    EXPECT_EQ(readFile(comparison), original);
    EXPECT_FALSE(jobDoneShown());
    expectNoScratchFiles();
}

TEST_F(ComparisonTest, TheRewrittenFileKeepsItsPermissions) {
    loadInputs();
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(comparison, mode);
    annotate();
    EXPECT_EQ(readFile(comparison), readFile(golden("reversal-common-annotated.txt")));
    EXPECT_EQ(fs::status(comparison).permissions(), mode);
}

TEST_F(ComparisonTest, AReadOnlyFileIsRefusedBeforeAnythingIsWritten) {
    loadInputs();
    // No write permission for anyone: read-only whoever runs the program, the superuser too.
    for (const fs::path& readOnly : {comparison, folder.path() / "RevAll.txt"}) {
        SCOPED_TRACE(readOnly.filename());
        const std::string before = fs::exists(readOnly) ? readFile(readOnly) : "earlier run\n";
        if (!fs::exists(readOnly))
            folder.write("RevAll.txt", before);
        fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);
        annotate();
        EXPECT_EQ(form.lblerror.caption(),
                  "This file is read-only, or the user running the program may not write it, and "
                  "was left as it was: " +
                      readOnly.string() + ". Make it writable, or choose another.");
        EXPECT_EQ(readFile(comparison), original);
        EXPECT_EQ(readFile(readOnly), before);
        EXPECT_FALSE(jobDoneShown());
        expectNoScratchFiles();
        fs::permissions(readOnly, fs::perms::owner_all);
    }
}

TEST_F(ComparisonTest, OtherCommandsWaitWhileTheReactionsAreReversed) {
    loadInputs();
    int turns = 0;
    platform.onEvents = [&] {
        form.CMD6.click();
        form.CMD2.click();
        ++turns;
    };
    annotate();
    EXPECT_EQ(turns, 9);
    EXPECT_EQ(platform.fileRequests.size(), 3U); // the two loads and this command's dialog
    EXPECT_EQ(readFile(comparison), readFile(golden("reversal-common-annotated.txt")));
}

} // namespace
} // namespace zorbel
