// Output files that cannot be written: a work folder that is gone, not a folder or
// read-only, an output name taken by a folder or a pipe, a disk that fills up. Every
// command says so in one sentence, and leaves the previous output as it was, whole.

#include "HostileSupport.h"

#include "app/AppTexts.h"
#include "app/TextFiles.h"
#include "batch/BatchTexts.h"
#include "reversal/ReversalTexts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef __linux__
#include <csignal>
#include <sys/resource.h>
#endif

namespace zorbel {
namespace {

using testing::HostileSession;
namespace fs = std::filesystem;

/// What the three commands that write a file say when they cannot.
std::string tableNotWritten(const std::string& path) {
    return std::string(texts::TempFileNotWritten) + path;
}
std::string notCreated(const std::string& path) {
    return std::string(texts::FileNotCreated) + path;
}
std::string notWritten(const std::string& path) {
    return std::string(texts::FileNotWritten) + path;
}

enum class Folder { Removed, ReplacedByAFile, ReadOnly };

class UnwritableWorkFolder : public HostileSession, public ::testing::WithParamInterface<Folder> {};

TEST_P(UnwritableWorkFolder, EveryCommandSaysItsFileCouldNotBeWritten) {
#ifndef _WIN32
    if (GetParam() == Folder::ReadOnly && geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
#else
    if (GetParam() == Folder::ReadOnly)
        GTEST_SKIP() << "read-only folders are a matter of access lists here";
#endif
    const fs::path work = folder.path() / "work";
    fs::create_directory(work);
    const std::string mechanism = (work / "sound.rxn").string();
    testing::writeAt(mechanism, sound("reversal.rxn"));
    loadDatabase(put("sound.therm", sound("reversal.therm")));
    loadMechanism(mechanism);
    ASSERT_EQ(session.common.ReactionCount, 9);
    switch (GetParam()) {
    case Folder::Removed:
        fs::remove_all(work);
        break;
    case Folder::ReplacedByAFile:
        fs::remove_all(work);
        testing::writeAt(work.string(), "a file where the folder was");
        break;
    case Folder::ReadOnly:
        fs::permissions(work, fs::perms::owner_read | fs::perms::owner_exec);
        break;
    }
    const std::string& workFolder = session.common.WorkFolder;

    form.LOS2.select(0);
    form.CMD3.click();
    EXPECT_EQ(form.lblerror.caption(), tableNotWritten(workFolder + "temp.txt"));
    form.CMD4.click();
    EXPECT_EQ(form.lblerror.caption(), notCreated(workFolder + "RevAll.txt"));
    form.LOS2.setSelected(0, true);
    form.LOS2.setSelected(2, true);
    form.CMD5.click();
    EXPECT_EQ(form.lblerror.caption(), notCreated(workFolder + "RevSelected.txt"));
    // The two confirmations and nothing else: no closing box, no chart.
    EXPECT_EQ(platform.messages.size(), 2U);
    EXPECT_TRUE(platform.charts.empty());
    EXPECT_FALSE(session.batchRunning);
    EXPECT_FALSE(form.ProgBar.visible());
    if (GetParam() == Folder::ReadOnly) {
        fs::permissions(work, fs::perms::owner_all);
        EXPECT_EQ(fs::directory_iterator(work)->path().filename(), "sound.rxn");
    }
    expectFilesIntact(GetParam() == Folder::Removed ? std::set<std::string>{}
                                                    : std::set<std::string>{"work"});
}

INSTANTIATE_TEST_SUITE_P(Hostile, UnwritableWorkFolder,
                         ::testing::Values(Folder::Removed, Folder::ReplacedByAFile,
                                           Folder::ReadOnly),
                         [](const auto& info) {
                             switch (info.param) {
                             case Folder::Removed:
                                 return std::string("Removed");
                             case Folder::ReplacedByAFile:
                                 return std::string("ReplacedByAFile");
                             case Folder::ReadOnly:
                                 break;
                             }
                             return std::string("ReadOnly");
                         });

/// An output name already taken: by a folder, by a named pipe (which would keep the
/// program waiting for a reader if it were opened), or by a file the user made read-only.
enum class Taker { Folder, Pipe, ReadOnlyFile };

struct TakenName {
    const char* name;
    const char* file;
    Taker taker;
};

class TakenOutputName : public HostileSession, public ::testing::WithParamInterface<TakenName> {
protected:
    void run(const std::string& file) {
        if (file == "temp.txt") {
            form.LOS2.select(0);
            form.CMD3.click();
        } else if (file == "RevAll.txt") {
            form.CMD4.click();
        } else {
            form.LOS2.setSelected(0, true);
            form.LOS2.setSelected(2, true);
            form.CMD5.click();
        }
    }
};

TEST_P(TakenOutputName, TheCommandRefusesAndLeavesItAlone) {
    const TakenName& c = GetParam();
    loadSound(sound("reversal.rxn"));
    const fs::path taken = folder.path() / c.file;
    switch (c.taker) {
    case Taker::Folder:
        fs::create_directory(taken);
        break;
    case Taker::Pipe:
#ifdef _WIN32
        GTEST_SKIP() << "no named pipes in the file system";
#else
        ASSERT_EQ(mkfifo(taken.c_str(), 0600), 0);
#endif
        break;
    case Taker::ReadOnlyFile:
        // No write permission for anyone: refused whoever runs the program.
        put(c.file, "kept as the user left it\r\n");
        fs::permissions(taken, fs::perms::owner_read);
        break;
    }
    run(c.file);
    const std::string path = session.common.WorkFolder + c.file;
    if (c.taker == Taker::ReadOnlyFile)
        EXPECT_EQ(form.lblerror.caption(), readOnlyRefusal(path));
    else
        EXPECT_EQ(form.lblerror.caption(),
                  std::string(c.file) == "temp.txt" ? tableNotWritten(path) : notCreated(path));
    EXPECT_EQ(fs::is_directory(taken), c.taker == Taker::Folder);
    EXPECT_FALSE(session.batchRunning);
    expectFilesIntact({c.file});
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, TakenOutputName,
    ::testing::Values(TakenName{"TableIsAFolder", "temp.txt", Taker::Folder},
                      TakenName{"RevAllIsAFolder", "RevAll.txt", Taker::Folder},
                      TakenName{"RevSelectedIsAFolder", "RevSelected.txt", Taker::Folder},
                      TakenName{"TableIsAPipe", "temp.txt", Taker::Pipe},
                      TakenName{"RevAllIsAPipe", "RevAll.txt", Taker::Pipe},
                      TakenName{"RevSelectedIsAPipe", "RevSelected.txt", Taker::Pipe},
                      TakenName{"TableIsReadOnly", "temp.txt", Taker::ReadOnlyFile},
                      TakenName{"RevAllIsReadOnly", "RevAll.txt", Taker::ReadOnlyFile},
                      TakenName{"RevSelectedIsReadOnly", "RevSelected.txt", Taker::ReadOnlyFile}),
    [](const auto& info) { return std::string(info.param.name); });

using OutputFiles = HostileSession;

TEST_F(OutputFiles, ASecondRunReplacesTheFileWholeAndLeavesNothingBeside) {
    loadSound(sound("reversal.rxn"));
    put("RevAll.txt", "REACTIONS\r\n!the previous run\r\n");
    forget("RevAll.txt");
    form.LOS2.select(0);
    form.CMD4.click();
    EXPECT_EQ(output("RevAll.txt"),
              testing::readFile(testing::testData() / "golden/RevAll-reversal.txt"));
    form.LOS2.select(0);
    form.CMD3.click();
    EXPECT_EQ(form.lblerror.caption(), "");
    expectFilesIntact({"RevAll.txt", "temp.txt"});
}

#ifndef _WIN32
TEST_F(OutputFiles, AFileReachedThroughALinkIsReplacedAndTheLinkKept) {
    loadSound(sound("reversal.rxn"));
    const fs::path kept = folder.path() / "kept";
    fs::create_directory(kept);
    testing::writeAt((kept / "RevAll.txt").string(), "the previous run\r\n");
    fs::create_symlink(kept / "RevAll.txt", folder.path() / "RevAll.txt");
    form.LOS2.select(0);
    form.CMD4.click();
    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_TRUE(fs::is_symlink(folder.path() / "RevAll.txt"));
    EXPECT_EQ(testing::readFile(kept / "RevAll.txt"),
              testing::readFile(testing::testData() / "golden/RevAll-reversal.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(kept), fs::directory_iterator()), 1);
}
#endif

#ifndef _WIN32
TEST_F(OutputFiles, NamesPlantedWhereScratchFilesWentAreNeverOpened) {
    loadSound(sound("reversal.rxn"));
    put("victim.txt", "never to be written through a link\r\n");
    put("temp.txt.partial", "the user's own file\r\n");
    fs::create_symlink(path("victim.txt"), folder.path() / "RevAll.txt.partial");
    fs::create_symlink(path("victim.txt"), folder.path() / "RevSelected.txt.partial");
    form.LOS2.select(0);
    form.CMD3.click();
    form.CMD4.click();
    form.LOS2.setSelected(0, true);
    form.LOS2.setSelected(2, true);
    form.CMD5.click();
    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(output("RevAll.txt"),
              testing::readFile(testing::testData() / "golden/RevAll-reversal.txt"));
    for (const char* link : {"RevAll.txt.partial", "RevSelected.txt.partial"})
        EXPECT_TRUE(fs::is_symlink(folder.path() / link)) << link;
    for (const char* written : {"temp.txt", "RevAll.txt", "RevSelected.txt"})
        EXPECT_FALSE(fs::is_symlink(folder.path() / written)) << written;
    expectFilesIntact({"temp.txt", "RevAll.txt", "RevSelected.txt", "RevAll.txt.partial",
                       "RevSelected.txt.partial"});
}
#endif

/// A run the user stops (the window closing during one of its yields) ends at once and
/// writes nothing, whichever command it is.
TEST_F(OutputFiles, AStoppedRunWritesNothing) {
    loadSound(sound("reversal.rxn"));
    put("common.txt", testing::readFile(testing::testData() / "comparison/reversal-common.txt"));
    put("RevAll.txt", "REACTIONS\r\n!the previous run\r\n");
    put("RevSelected.txt", "REACTIONS\r\n!the previous selection\r\n");
    const std::vector<std::pair<const char*, std::function<void()>>> runs = {
        {"Reverse All", [&] { form.CMD4.click(); }},
        {"Reverse Selected",
         [&] {
             form.LOS2.setSelected(0, true);
             form.LOS2.setSelected(2, true);
             form.LOS2.setSelected(4, true);
             form.CMD5.click();
         }},
        {"the annotation",
         [&] {
             platform.fileAnswers.push_back(path("common.txt"));
             form.CMD6.click();
         }},
    };
    for (const auto& [what, run] : runs) {
        SCOPED_TRACE(what);
        int turn = 0;
        platform.onEvents = [&] {
            if (++turn == 3)
                session.stopRequested = true;
        };
        platform.messages.clear();
        run();
        EXPECT_EQ(form.lblerror.caption(), texts::RunStopped);
        EXPECT_EQ(turn, 3);
        EXPECT_FALSE(session.batchRunning);
        EXPECT_FALSE(form.ProgBar.visible());
        for (const MessageRequest& message : platform.messages)
            EXPECT_NE(message.title, texts::JobDoneTitle);
        expectFilesIntact();
    }
    platform.onEvents = nullptr;
}

#ifdef __linux__
/// Every file this process writes stops growing at a given size, as on a full disk, for
/// as long as it lives. A write past the limit fails instead of ending the process.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST_F(OutputFiles, AFullDiskKeepsThePreviousFilesWhole) {
    loadSound(sound("reversal.rxn"));
    put("temp.txt", "the previous table\r\n");
    put("RevAll.txt", "REACTIONS\r\n!the previous run\r\n");
    put("RevSelected.txt", "REACTIONS\r\n!the previous selection\r\n");
    const std::string& workFolder = session.common.WorkFolder;
    {
        const FullDisk full(100); // the header lines fit, the reactions do not
        form.LOS2.select(0);
        form.CMD3.click();
        EXPECT_EQ(form.lblerror.caption(), tableNotWritten(workFolder + "temp.txt"));
        form.CMD4.click();
        EXPECT_EQ(form.lblerror.caption(), notWritten(workFolder + "RevAll.txt"));
        form.LOS2.setSelected(0, true);
        form.LOS2.setSelected(2, true);
        form.CMD5.click();
        EXPECT_EQ(form.lblerror.caption(), notWritten(workFolder + "RevSelected.txt"));
    }
    EXPECT_EQ(platform.messages.size(), 2U); // the confirmations, no closing box
    EXPECT_FALSE(session.batchRunning);
    expectFilesIntact();
    // Room again: the same commands write their files.
    form.CMD4.click();
    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(platform.messages.back().title, "JOB DONE!");
}
#endif

} // namespace
} // namespace zorbel
