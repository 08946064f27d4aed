// The comparison command through the session: the golden annotation, the refusals in their
// order, and every file left as it was when the command stops or is refused.

#include "app/AppTexts.h"
#include "app/StatusLine.h"
#include "batch/BatchTexts.h"
#include "commands/RecentFiles.h"
#include "comparison/ComparisonTexts.h"
#include "files/TextFiles.h"
#include "support/FullDisk.h"
#include "support/SessionFixture.h"
#include "text/StringOps.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace zorbel {
namespace {

namespace fs = std::filesystem;
using testing::readFile;

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

class ComparisonTest : public testing::SessionFixture {
protected:
    void SetUp() override {
        comparison = copyTestData("comparison/reversal-common.txt", "common.txt");
        original = readFile(comparison);
    }

    /// The database, and a first reaction shown so that the reverse coefficients are
    /// written with its number patterns, as after a user's first look at a mechanism.
    void loadInputs() {
        loadTestData();
        form.LOS2.select(0);
    }

    void annotate(const fs::path& file) {
        platform.fileAnswers.push_back(file.string());
        form.CMD6.click();
    }
    void annotate() { annotate(comparison); }

    void expectNoScratchFiles() const {
        for (const auto& entry : fs::directory_iterator(folder.path()))
            EXPECT_NE(entry.path().extension(), ".partial") << entry.path();
    }

    void expectAnnotatedGolden() const {
        EXPECT_EQ(form.lblerror.caption(), "");
        EXPECT_EQ(readFile(comparison), readFile(golden("reversal-common-annotated.txt")));
    }

    bool jobDoneShown() const {
        for (const MessageRequest& message : platform.messages) {
            if (message.title == texts::JobDoneTitle)
                return true;
        }
        return false;
    }

    fs::path comparison;
    std::string original;
};

// One run and every invariant around it: the golden files, the dialog and the closing box,
// the file's permissions kept, the user's files at names our scratch files once had left
// alone, links never written through, other commands kept waiting during the yields, and
// the marked reactions listed as the loaded mechanism.
TEST_F(ComparisonTest, AnnotatesTheGoldenFile) {
    loadInputs();
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(comparison, mode);
    const fs::perms given = fs::status(comparison).permissions(); // Windows keeps read-only alone
    const std::string victim = folder.write("victim.txt", "not to be written through a link\n");
    for (const char* name : formerScratchNames)
        folder.write(name, std::string("the user's own ") + name);
#ifndef _WIN32
    fs::create_symlink(victim, folder.path() / "RevAll.txt.partial");
    fs::create_symlink(victim, folder.path() / "common.txt.partial");
#endif
    int turns = 0;
    platform.onEvents = [&] {
        form.CMD6.click();
        form.CMD2.click();
        ++turns;
    };
    annotate();
    platform.onEvents = nullptr;
    expectAnnotatedGolden();
    EXPECT_EQ(readFile(folder.path() / "RevAll.txt"),
              readFile(golden("RevAll-reversal-common.txt")));
    EXPECT_EQ(turns, 9);
    EXPECT_EQ(fs::status(comparison).permissions(), given);
    for (const char* name : formerScratchNames)
        EXPECT_EQ(readFile(folder.path() / name), std::string("the user's own ") + name);
    EXPECT_EQ(readFile(victim), "not to be written through a link\n");
#ifndef _WIN32
    EXPECT_TRUE(fs::is_symlink(folder.path() / "RevAll.txt.partial"));
    EXPECT_FALSE(fs::is_symlink(comparison));
#endif

    ASSERT_EQ(platform.fileRequests.size(), 3U); // the two loads and this command's dialog
    const FileDialogRequest& dialog = platform.fileRequests[2];
    EXPECT_EQ(dialog.title, "Selection Vintra output file...");
    EXPECT_EQ(dialog.filter, "TXT Files (*.txt)|*.txt|All Files |*.*|");
    EXPECT_EQ(dialog.filterIndex, 1);
    // Never used yet: it opens beside the mechanism.
    EXPECT_EQ(dialog.initialFolder, splitPath(session.common.MechanismPath).folder);

    // One closing box, the worker's own being held back during the run.
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].title, "JOB DONE!");
    EXPECT_EQ(platform.messages[0].text,
              "Following file modified:\r\n" + comparison.string() +
                  "\r\nand the reversed mechanism beside it, an earlier one replaced:\r\n" +
                  folder.folderText() + "RevAll.txt");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);

    // The marked reactions become the loaded mechanism.
    EXPECT_EQ(form.LOS2.entries(), markedEntries);
    EXPECT_EQ(common.ReactionCount, 9);
    EXPECT_EQ(form.List2Nbr.caption(), "(9)");
    EXPECT_EQ(common.ComparisonPath, comparison.string());
    // The status bar names the comparison file, not the mechanism loaded before it.
    EXPECT_NE(statusLine(session).find("Comparison file: common.txt (9 "), std::string::npos)
        << statusLine(session);
    EXPECT_EQ(common.WorkFolder, folder.folderText());
    ASSERT_GE(comparison.string().size(), 45U); // a temporary folder is long: shortened
    EXPECT_EQ(form.Lbl2.caption(), "Loaded: " + comparison.string().substr(0, 3) +
                                       std::string(texts::ShortenedPathMark) + "common.txt");
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
    expectAnnotatedGolden();
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

// Opened again from the recent files, the file is rewritten only once the user has agreed,
// the file and the database named; a No changes nothing.
TEST_F(ComparisonTest, FromTheRecentFilesOnlyOnceTheUserAgrees) {
    loadInputs();
    const std::vector<std::string> listed = form.LOS2.entries();
    const Session::RecentFile recent{std::string(texts::ComparisonDialogTitle),
                                     comparison.string()};
    platform.messageAnswers = {MessageAnswer::No};
    reopenRecentFile(session, recent);
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text,
              "Annotate " + comparison.string() + " with the database " + path("reversal.therm") +
                  "? A new comparison table is written into the file, and RevAll.txt beside it "
                  "is replaced.");
    EXPECT_EQ(readFile(comparison), original);
    EXPECT_EQ(form.LOS2.entries(), listed);
    EXPECT_FALSE(exists("RevAll.txt"));

    platform.messageAnswers = {MessageAnswer::Yes};
    reopenRecentFile(session, recent);
    expectAnnotatedGolden();
    EXPECT_EQ(session.recentFiles()[0].path, comparison.string());
}

// The comparison file edited, removed, or annotated by another run while this one runs:
// the file stays as the other hand left it, RevAll.txt as it was, and this run's annotated
// file is kept beside it under a name of its own that the refusal gives.
TEST_F(ComparisonTest, AFileChangedDuringTheRunIsNotReplaced) {
    loadInputs();
    const std::string annotatedGolden = readFile(golden("reversal-common-annotated.txt"));
    const std::vector<std::function<void()>> edits = {
        [&] { std::ofstream(comparison, std::ios::binary | std::ios::app) << "added meanwhile"; },
        [&] { fs::remove(comparison); },
        [&] {
            folder.write("other.txt", annotatedGolden);
            fs::rename(folder.path() / "other.txt", comparison);
        },
    };
    for (const std::function<void()>& edit : edits) {
        folder.write("common.txt", original);
        folder.write("RevAll.txt", "the previous run\r\n");
        std::optional<std::string> edited;
        int turn = 0;
        platform.onEvents = [&] {
            if (++turn != 2)
                return;
            edit();
            if (fs::exists(comparison))
                edited = readFile(comparison);
        };
        annotate();
        platform.onEvents = nullptr;
        std::vector<fs::path> kept;
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            if (entry.path().filename().string().starts_with("common-annotated-"))
                kept.push_back(entry.path());
        }
        ASSERT_EQ(kept.size(), 1U);
        EXPECT_EQ(readFile(kept[0]), annotatedGolden);
        EXPECT_EQ(form.lblerror.caption(),
                  std::string(texts::ChangedMeanwhileStart) + comparison.string() +
                      std::string(texts::ChangedMeanwhileEnd) +
                      std::string(texts::KeptAnnotationAs) + kept[0].string() + ".");
        EXPECT_EQ(edited,
                  fs::exists(comparison) ? std::optional(readFile(comparison)) : std::nullopt);
        EXPECT_EQ(readFile(folder.path() / "RevAll.txt"), "the previous run\r\n");
        EXPECT_FALSE(jobDoneShown());
        expectNoScratchFiles();
        fs::remove(kept[0]);
    }
}

TEST_F(ComparisonTest, PreconditionsInOrderAfterTheReactionsAreListed) {
    annotate();
    EXPECT_EQ(form.lblerror.caption(), texts::ImportDatabaseFirst);
    EXPECT_EQ(form.LOS2.entries(), markedEntries);
    EXPECT_EQ(form.List2Nbr.caption(), "(9)");
    EXPECT_EQ(session.common.ReactionCount, 9);

    loadDatabase(copyTestData("reversal.therm"));
    for (const char* points : {"10001", ""}) {
        form.Ntxt.setText(points);
        annotate();
        EXPECT_EQ(form.lblerror.caption(), texts::EnterPointsNumber);
        EXPECT_EQ(form.Ntxt.background(), Colour::Yellow);
    }
    EXPECT_FALSE(exists("RevAll.txt"));
    EXPECT_EQ(readFile(comparison), original);

    form.Ntxt.setText("50");
    annotate();
    EXPECT_EQ(form.Ntxt.background(), Colour::Window);
    EXPECT_TRUE(jobDoneShown());
    EXPECT_NE(readFile(comparison), original);
}

enum class Spoil {
    None,
    RevAllIsAFolder,
    FolderReadOnly,
    FileReadOnly,
    RevAllReadOnly,
    DiskFull, // RevAll.txt fits, the annotated file does not
};

struct Refusal {
    const char* name;
    const char* file;    ///< the file annotated: the fixture's common.txt, or one written
    const char* content; ///< what is written into it; nullptr: the file is not there
    std::string message; ///< lblerror; {file} stands for the file's path, {work} the folder's
    int listed;          ///< reactions listed afterwards; -1: not checked
    Spoil spoil = Spoil::None;
};

const std::string readOnly = "This file is read-only, or the user running the program may not "
                             "write it, and was left as it was: ";

const Refusal refusals[] = {
    {"NoMarkedLine", "plain.txt",
     "Comparison [10/1000/2000]\r\nH+O2<=>O+OH 1 2 3 4 5 6\r\nwithin tolerance\r\n",
     "No equation to treat.", 0},
    {"NoToleranceLine", "notol.txt",
     "Comparison [10/1000/2000]\r\nH+O2<=>O+OH\t3.547E+15\t-0.406\t16599.0\t1.0E+13\t0.0\t0.0\t("
     "###)\r\nend of the comparison\r\n",
     "No line of {file} holds the word \"tolerance\", in front of which the table goes, so no "
     "file was written. Add such a line and load the file again.",
     -1},
    {"NoSettingsGroup", "nogroup.txt",
     "Comparison of two mechanisms\nH+O2<=>O+OH 3.547E+15 -0.406 16599.0 1.0E+13 0.0 0.0 "
     "(###)\ntolerance\n",
     "The first line of {file} holds no group [tolerance/T1/T2] with two temperatures above 0 K, "
     "such as [10/1000/2000]. Add it and load the file again.",
     1},
    // Read as 0 before (every reaction then different), or written as "Infinity %".
    {"ToleranceAWord", "word.txt",
     "Comparison [x/1000/2000]\nH+O2<=>O+OH 3.547E+15 -0.406 16599.0 1.0E+13 0.0 0.0 (###)\n"
     "tolerance\n",
     "The tolerance \"x\" of the group on line 1 of {file} is not a number of at least 0, such "
     "as 10 (%). Correct it and load the file again.",
     1},
    {"MarkedLineWithoutItsBlanks", "short.txt",
     "Comparison [10/1000/2000]\nH+O2<=>O+OH 3.547E+15 -0.406 16599.0 1.0E+13 0.0 0.0 (###)\n"
     "H2+O<=>H+OH 3.870E+04 2.700 (###)\ntolerance\n",
     "Line 3 of {file} is marked (###) but does not hold an equation, A, n, Ea, A', n' and Ea' "
     "separated by blanks. Correct it and load the file again.",
     0},
    {"Unreadable", "missing.txt", nullptr,
     "The comparison file could not be read: {file}. Check that it exists and can be read.", 0},
    {"OverflowingRateConstant", "huge.txt",
     "Comparison [10/1000/2000]\nH+O2<=>O+OH 3.547E+15 -0.406 16599.0 1.0E+300 50 0.0 (###)\n"
     "tolerance\n",
     "The rate constants of H+O2<=>O+OH at 1000 K overflow or are not numbers, so the comparison "
     "file was left unchanged. Check the coefficients of its marked line and the temperatures "
     "of the first line.",
     -1},
    {"RevAllIsAFolder", "common.txt", nullptr,
     "The reversed mechanism file could not be written beside the comparison file, which was "
     "left unchanged. Check that this folder can be written: {work}RevAll.txt",
     9, Spoil::RevAllIsAFolder},
    {"FolderReadOnly", "common.txt", nullptr,
     "The reversed mechanism file could not be written beside the comparison file, which was "
     "left unchanged. Check that this folder can be written: {work}RevAll.txt",
     9, Spoil::FolderReadOnly},
    {"FileReadOnly", "common.txt", nullptr,
     readOnly + "{file}. Make it writable, or choose another.", -1, Spoil::FileReadOnly},
    {"RevAllReadOnly", "common.txt", nullptr,
     readOnly + "{work}RevAll.txt. Make it writable, or choose another.", -1,
     Spoil::RevAllReadOnly},
    {"DiskFull", "common.txt", nullptr,
     "The comparison file could not be rewritten and was left unchanged. Check that its folder "
     "can be written: {file} (File too large)",
     -1, Spoil::DiskFull},
};

class RefusedComparison : public ComparisonTest, public ::testing::WithParamInterface<Refusal> {};

// Each refusal says why in one sentence and leaves the file, and any earlier RevAll.txt,
// as they were, with no scratch file beside them.
TEST_P(RefusedComparison, LeavesEveryFileAsItWas) {
    const Refusal& c = GetParam();
#ifdef _WIN32
    if (c.spoil == Spoil::FolderReadOnly)
        GTEST_SKIP() << "folder permissions are POSIX ones";
#else
    if (c.spoil == Spoil::FolderReadOnly && geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the superuser";
#endif
#ifndef __linux__
    if (c.spoil == Spoil::DiskFull)
        GTEST_SKIP() << "the file size limit is Linux's";
#endif
    loadInputs();
    const fs::path file = folder.path() / c.file;
    if (c.content != nullptr)
        folder.write(c.file, c.content);
    const std::string before = fs::exists(file) ? readFile(file) : "";
    const std::string earlierRun = "earlier run\n";
    // No write permission for anyone: read-only whoever runs the program, the superuser too.
    const auto readOnlyMode = fs::perms::owner_read | fs::perms::group_read;
    switch (c.spoil) {
    case Spoil::None:
        break;
    case Spoil::RevAllIsAFolder:
        fs::create_directory(folder.path() / "RevAll.txt");
        break;
    case Spoil::FolderReadOnly:
        fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
        break;
    case Spoil::FileReadOnly:
        fs::permissions(file, readOnlyMode);
        break;
    case Spoil::RevAllReadOnly:
        fs::permissions(folder.write("RevAll.txt", earlierRun), readOnlyMode);
        break;
    case Spoil::DiskFull:
        break;
    }
    form.PropTxt[REVEQfrm::ForwardA].setText("3.547E+15");
    form.PropTxt[REVEQfrm::ReverseEa].setText("-420.1");
    {
#ifdef __linux__
        std::optional<testing::FullDisk> full;
        if (c.spoil == Spoil::DiskFull)
            full.emplace(2 * before.size()); // the annotation more than doubles the file
#endif
        annotate(file);
    }
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_EQ(form.lblerror.caption(), replaceAll(replaceAll(c.message, "{file}", file.string()),
                                                  "{work}", folder.folderText()));
    if (c.listed >= 0) {
        EXPECT_EQ(form.LOS2.count(), c.listed);
        EXPECT_EQ(session.common.ReactionCount, c.listed);
        EXPECT_EQ(form.List2Nbr.caption(), "(" + std::to_string(c.listed) + ")");
    }
    const bool noMarkedLine = std::string_view(c.name) == "NoMarkedLine";
    if (c.listed == 0 && !noMarkedLine) {
        EXPECT_EQ(form.Lbl2.caption(), ""); // nothing was loaded
    }
    if (noMarkedLine) {
        // The panel was emptied before the file was read.
        EXPECT_EQ(form.PropTxt[REVEQfrm::ForwardA].text(), "");
        EXPECT_EQ(form.PropTxt[REVEQfrm::ReverseEa].text(), "");
    }
    EXPECT_EQ(fs::exists(file) ? readFile(file) : "", before);
    if (c.spoil == Spoil::RevAllReadOnly) {
        EXPECT_EQ(readFile(folder.path() / "RevAll.txt"), earlierRun);
    } else if (c.spoil != Spoil::RevAllIsAFolder) {
        EXPECT_FALSE(exists("RevAll.txt")); // a refusal puts no file in place
    }
    EXPECT_FALSE(jobDoneShown());
    EXPECT_FALSE(session.batchRunning);
    expectNoScratchFiles();
    if (fs::exists(file))
        fs::permissions(file, fs::perms::owner_all);
}

INSTANTIATE_TEST_SUITE_P(Comparison, RefusedComparison, ::testing::ValuesIn(refusals),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zorbel
