// Output files that cannot be written: a work folder that is gone, not a folder or
// read-only, an output name taken by a folder or a pipe, a disk that fills up. Every
// command says so in one sentence, and leaves the previous output as it was, whole.

#include "HostileSupport.h"

#include "batch/BatchTexts.h"
#include "reversal/ReversalTexts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

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
#ifndef _WIN32
        if (geteuid() == 0)
            GTEST_SKIP() << "permissions do not bind the superuser";
#endif
        put(c.file, "kept as the user left it\r\n");
        fs::permissions(taken, fs::perms::owner_read);
        break;
    }
    run(c.file);
    const std::string path = session.common.WorkFolder + c.file;
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
