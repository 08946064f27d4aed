// Output files that cannot be written: a work folder that is gone, not a folder or
// read-only, output names taken by folders, pipes or read-only files, a disk that fills
// up. Every command says so in one sentence and leaves the previous output as it was.

#include "HostileSupport.h"
#include "support/FullDisk.h"

#include "app/AppTexts.h"
#include "batch/BatchTexts.h"
#include "files/ScratchFile.h"
#include "files/SystemCalls.h"
#include "files/TextFiles.h"
#include "reversal/ReversalTexts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zorbel {
namespace {

using testing::HostileSession;
namespace fs = std::filesystem;

const std::array<const char*, 3> outputNames = {"temp.txt", "RevAll.txt", "RevSelected.txt"};

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

enum class Spoiled {
    FolderRemoved,
    FolderIsAFile,
    FolderReadOnly,
    NamesAreFolders,
    NamesArePipes, // would keep the program waiting for a reader if it were opened
    NamesReadOnly, // no write permission for anyone: refused whoever runs the program
    DiskFull,      // the header lines fit, the reactions do not
};

struct Unwritable {
    const char* name;
    Spoiled how;
    const char* cause = ""; ///< why the files could not be written, in every refusal
};

class UnwritableOutputs : public HostileSession,
                          public ::testing::WithParamInterface<Unwritable> {};

TEST_P(UnwritableOutputs, EveryCommandSaysSoAndKeepsThePreviousFiles) {
    const Spoiled how = GetParam().how;
#ifdef _WIN32
    if (how == Spoiled::FolderReadOnly || how == Spoiled::NamesArePipes)
        GTEST_SKIP() << "POSIX permissions and named pipes";
#else
    if (how == Spoiled::FolderReadOnly && geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
#endif
#ifndef __linux__
    if (how == Spoiled::DiskFull)
        GTEST_SKIP() << "the file size limit is Linux's";
#endif
    const fs::path work = folder.path() / "work";
    fs::create_directory(work);
    testing::writeAt((work / "sound.rxn").string(), sound("reversal.rxn"));
    loadDatabase(put("sound.therm", sound("reversal.therm")));
    loadMechanism((work / "sound.rxn").string());
    ASSERT_EQ(session.common.ReactionCount, 9);
    const std::string& at = session.common.WorkFolder;
    const std::string cause = GetParam().cause;
    std::array<std::string, 3> expected = {
        std::string(texts::TempFileNotWritten) + at + "temp.txt" + cause,
        std::string(texts::FileNotCreated) + at + "RevAll.txt" + cause,
        std::string(texts::FileNotCreated) + at + "RevSelected.txt" + cause};
    std::set<std::string> inWork = {"sound.rxn"};
    const std::string previous = "REACTIONS\r\n!the previous run\r\n";
    for (std::size_t i = 0; i < outputNames.size() && how >= Spoiled::NamesAreFolders; ++i) {
        const fs::path taken = work / outputNames[i];
        inWork.insert(outputNames[i]);
        if (how == Spoiled::NamesAreFolders) {
            fs::create_directory(taken);
        } else if (how == Spoiled::NamesArePipes) {
#ifndef _WIN32
            ASSERT_EQ(mkfifo(taken.c_str(), 0600), 0);
#endif
        } else {
            testing::writeAt(taken.string(), previous);
        }
        if (how == Spoiled::NamesReadOnly) {
            fs::permissions(taken, fs::perms::owner_read);
            expected[i] = readOnlyRefusal(at + outputNames[i]);
        } else if (how == Spoiled::DiskFull && i > 0) {
            expected[i] = std::string(texts::FileNotWritten) + at + outputNames[i] + cause;
        }
    }
    if (how == Spoiled::FolderRemoved || how == Spoiled::FolderIsAFile)
        fs::remove_all(work);
    if (how == Spoiled::FolderIsAFile)
        testing::writeAt(work.string(), "a file where the folder was");
    if (how == Spoiled::FolderReadOnly)
        fs::permissions(work, fs::perms::owner_read | fs::perms::owner_exec);

    {
#ifdef __linux__
        std::optional<testing::FullDisk> full;
        if (how == Spoiled::DiskFull)
            full.emplace(100);
#endif
        EXPECT_EQ(runWriters(), expected);
    }
    for (const MessageRequest& message : platform.messages)
        EXPECT_NE(message.title, texts::JobDoneTitle);
    if (how != Spoiled::NamesReadOnly) {
        EXPECT_EQ(platform.messages.size(), 2U); // the two confirmations
    }
    EXPECT_TRUE(platform.charts.empty());
    EXPECT_FALSE(session.batchRunning);
    EXPECT_FALSE(form.ProgBar.visible());
    EXPECT_FALSE(form.timeremaining.visible());
    if (how == Spoiled::FolderReadOnly)
        fs::permissions(work, fs::perms::owner_all);
    if (fs::is_directory(work)) {
        EXPECT_EQ(namesIn(work), inWork); // no scratch file left
    }
    for (const char* name : outputNames) {
        if (how == Spoiled::NamesReadOnly || how == Spoiled::DiskFull) {
            EXPECT_EQ(testing::readFile(work / name), previous) << name;
        }
    }
    EXPECT_EQ(fs::is_directory(work / "temp.txt"), how == Spoiled::NamesAreFolders);
    expectFilesIntact(how == Spoiled::FolderRemoved ? std::set<std::string>{}
                                                    : std::set<std::string>{"work"});
    if (how == Spoiled::DiskFull) {
        form.CMD4.click(); // room again: the same command writes its file
        EXPECT_EQ(form.lblerror.caption(), "");
        EXPECT_EQ(platform.messages.back().title, texts::JobDoneTitle);
    }
}

#ifdef _WIN32
constexpr const char* pathThroughAFile = " (No such file or directory)"; // Windows finds none
#else
constexpr const char* pathThroughAFile = " (Not a directory)";
#endif

INSTANTIATE_TEST_SUITE_P(
    Hostile, UnwritableOutputs,
    ::testing::Values(
        Unwritable{"FolderRemoved", Spoiled::FolderRemoved, " (No such file or directory)"},
        Unwritable{"FolderIsAFile", Spoiled::FolderIsAFile, pathThroughAFile},
        Unwritable{"FolderReadOnly", Spoiled::FolderReadOnly, " (Permission denied)"},
        Unwritable{"NamesAreFolders", Spoiled::NamesAreFolders, " (a folder has that name)"},
        Unwritable{"NamesArePipes", Spoiled::NamesArePipes,
                   " (something that is not a file has that "
                   "name)"},
        Unwritable{"NamesReadOnly", Spoiled::NamesReadOnly},
        // A write that fails part way gives its cause too: here the size limit's.
        Unwritable{"DiskFull", Spoiled::DiskFull, " (File too large)"}),
    [](const auto& info) { return std::string(info.param.name); });

using OutputFiles = HostileSession;

// A finished file lets its descriptor go for good: a file opened after it, which the system
// may give the same number, keeps it when the first one ends.
TEST_F(OutputFiles, AFinishedFileLeavesItsDescriptorToTheNext) {
    std::optional<ScratchFile> first(std::in_place, path("RevAll.txt"));
    first->write("first\r\n");
    ASSERT_TRUE(first->finish() && first->putInPlace());
    ScratchFile second(path("temp.txt"));
    first.reset();
    second.write("second\r\n");
    EXPECT_TRUE(second.finish() && second.putInPlace());
    EXPECT_EQ(testing::readFile(path("temp.txt")), "second\r\n");
}

#ifndef _WIN32
// A file written whole that cannot be put in place, its folder gone meanwhile, says why as
// the refusals say it; Windows does not let an open file's folder go.
TEST_F(OutputFiles, AFileThatCannotBePutInPlaceGivesTheCause) {
    const fs::path gone = folder.path() / "gone";
    fs::create_directory(gone);
    LineWriter out((gone / "report.txt").string());
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(out.cause(), "");
    out.line("a line");
    fs::remove_all(gone);
    EXPECT_FALSE(out.close());
    EXPECT_EQ(out.cause(), " (No such file or directory)");
}

// A file reached through a link is replaced and the link kept; names planted where
// scratch files once went are never opened.
TEST_F(OutputFiles, LinksAreFollowedToTheFileButPlantedNamesLeftAlone) {
    loadSound(sound("reversal.rxn"));
    const fs::path kept = folder.path() / "kept";
    fs::create_directory(kept);
    testing::writeAt((kept / "RevAll.txt").string(), "the previous run\r\n");
    fs::create_symlink(kept / "RevAll.txt", folder.path() / "RevAll.txt");
    put("victim.txt", "never to be written through a link\r\n");
    put("temp.txt.partial", "the user's own file\r\n");
    fs::create_symlink(path("victim.txt"), folder.path() / "RevSelected.txt.partial");

    EXPECT_EQ(runWriters(), (std::array<std::string, 3>{}));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "RevAll.txt"));
    EXPECT_EQ(testing::readFile(kept / "RevAll.txt"),
              testing::readFile(testing::testData() / "golden/RevAll-reversal.txt"));
    EXPECT_EQ(namesIn(kept), std::set<std::string>{"RevAll.txt"});
    EXPECT_TRUE(fs::is_symlink(folder.path() / "RevSelected.txt.partial"));
    EXPECT_FALSE(fs::is_symlink(folder.path() / "RevSelected.txt"));
    expectFilesIntact(
        {"kept", "temp.txt", "RevAll.txt", "RevSelected.txt", "RevSelected.txt.partial"});
}

// A file put in place or kept beside leaves the list an interruption empties at once: its
// end, later, cannot strike a newer scratch file off the list, which would then be left.
TEST_F(OutputFiles, AnInterruptionAfterFilesWereWrittenRemovesTheOpenOnes) {
    EXPECT_EXIT(
        {
            removeScratchFilesOnInterrupt("nothing written", "after writing");
            std::optional<ScratchFile> placed(std::in_place, path("RevAll.txt"));
            std::optional<ScratchFile> kept(std::in_place, path("temp.txt"));
            placed->write("done\r\n");
            const bool done = placed->finish() && placed->putInPlace() && kept->finish() &&
                              kept->keepBeside("kept");
            const ScratchFile first(path("RevSelected.txt"));
            const ScratchFile second(path("report.csv"));
            placed.reset();
            kept.reset();
            if (done && first.ok() && second.ok())
                std::raise(SIGINT);
            std::_Exit(1);
        },
        ::testing::ExitedWithCode(128 + SIGINT), "after writing");
    for (const std::string& name : namesIn(folder.path()))
        EXPECT_FALSE(name.ends_with(".partial")) << name;
}

// A file that could not be created gives its place on the interruption's list back: after
// many failures, a file that is created is still removed when the program is interrupted.
TEST_F(OutputFiles, FailedCreationsLeaveTheInterruptionListAsItWas) {
    EXPECT_EXIT(
        {
            removeScratchFilesOnInterrupt("interrupted", "interrupted");
            for (int i = 0; i < 100; ++i)
                const ScratchFile failed(path("no such folder/RevAll.txt"));
            const ScratchFile created(path("RevAll.txt"));
            if (created.ok())
                std::raise(SIGINT);
            std::_Exit(1);
        },
        ::testing::ExitedWithCode(128 + SIGINT), "interrupted");
    expectFilesIntact();
}

// A signal that interrupts a write before a byte went (a full pipe, a slow network disk) is
// no failure: the write goes on, and every byte arrives once.
TEST(SystemCalls, AWriteInterruptedByASignalGoesOn) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    // The pipe full, so that the next write waits for the reader.
    ASSERT_EQ(fcntl(ends[1], F_SETFL, O_NONBLOCK), 0);
    std::size_t before = 0;
    const std::string block(4096, 'a');
    for (ssize_t n; (n = ::write(ends[1], block.data(), block.size())) > 0;)
        before += static_cast<std::size_t>(n);
    ASSERT_EQ(fcntl(ends[1], F_SETFL, 0), 0);
    struct sigaction quiet {};
    quiet.sa_handler = [](int) {}; // without SA_RESTART: the waiting write ends in EINTR
    struct sigaction previous {};
    ASSERT_EQ(sigaction(SIGUSR1, &quiet, &previous), 0);
    const pthread_t writer = pthread_self();
    // The reader drains the pipe a little at a time and signals the writer as it goes: a
    // write that has passed some bytes when the signal comes returns short, and the rest
    // must follow from where it stopped.
    std::string received;
    std::thread reader([&] {
        std::string buffer(8192, '\0');
        for (int i = 0;; ++i) {
            if (i % 3 == 0)
                pthread_kill(writer, SIGUSR1);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            const ssize_t n = ::read(ends[0], buffer.data(), buffer.size());
            if (n <= 0)
                break;
            received.append(buffer.data(), static_cast<std::size_t>(n));
        }
    });
    std::string text(300000, '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char>('b' + i % 23);
    errno = 0;
    const bool written = systemcalls::writeAll(ends[1], text.data(), text.size());
    close(ends[1]);
    reader.join();
    close(ends[0]);
    sigaction(SIGUSR1, &previous, nullptr);
    EXPECT_TRUE(written);
    EXPECT_EQ(received.size(), before + text.size());
    EXPECT_TRUE(received == std::string(before, 'a') + text); // every byte once, in order
}
#endif

/// A run the user stops (the window closing during one of its yields) ends at once and
/// writes nothing, whichever command it is.
TEST_F(OutputFiles, AStoppedRunWritesNothing) {
    loadSound(sound("reversal.rxn"));
    put("common.txt", testing::readFile(testing::testData() / "comparison/reversal-common.txt"));
    put("RevAll.txt", "REACTIONS\r\n!the previous run\r\n");
    put("RevSelected.txt", "REACTIONS\r\n!the previous selection\r\n");
    const std::vector<std::function<void()>> runs = {
        [&] { form.CMD4.click(); },
        [&] {
            for (int index : {0, 2, 4})
                form.LOS2.setSelected(index, true);
            form.CMD5.click();
        },
        [&] {
            platform.fileAnswers.push_back(path("common.txt"));
            form.CMD6.click();
        },
    };
    for (std::size_t run = 0; run < runs.size(); ++run) {
        SCOPED_TRACE(run);
        int turn = 0;
        platform.onEvents = [&] {
            if (++turn == 3)
                session.stopRequested = true;
        };
        platform.messages.clear();
        runs[run]();
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

} // namespace
} // namespace zorbel
