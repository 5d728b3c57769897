#include "platform/bytearena.h"
#include "platform/filebytes.h"
#include "platform/inouterror.h"
#include "platform/pathtext.h"
#include "tests/support/tempdirectory.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

constexpr std::size_t Unlimited = SIZE_MAX;

struct TErrorCase {
    int Errno;
    int Code;
    const char* Message;
};

TEST(InOutError, MapsPlatformErrorsToTheReportedCodesAndMessages) {
    const TErrorCase cases[] = {
        {ENOENT, 2, "File not found"},     {ENOTDIR, 3, "Invalid filename"},  {EMFILE, 4, "Too many open files"},
        {EACCES, 5, "File access denied"}, {EISDIR, 5, "File access denied"}, {ETXTBSY, 32, "I/O error 32"},
        {ENOSPC, 112, "I/O error 112"},    {EIO, 1117, "I/O error 1117"},
    };
    for (const TErrorCase& c : cases) {
        const TInOutError error(ErrorCodeFromErrno(c.Errno));
        EXPECT_EQ(c.Code, error.ErrorCode()) << "errno " << c.Errno;
        EXPECT_STREQ(c.Message, error.what()) << "errno " << c.Errno;
    }
}

int ErrorCodeOfReading(const std::string& path) {
    try {
        ReadFileBytes(path, Unlimited);
    } catch (const TInOutError& error) {
        return error.ErrorCode();
    }
    return 0;
}

std::string ReasonOfReading(const std::string& path, std::size_t largest) {
    try {
        ReadFileBytes(path, largest);
    } catch (const TInOutError& error) {
        return error.what();
    }
    return "read";
}

TEST(ReadFileBytes, ReportsWhyAFileCannotBeRead) {
    TTempDirectory folder;
    std::filesystem::create_directory(PathFromUtf8(folder / "folder.txt"));
    WriteBytes(folder / "plain", "x");

    EXPECT_EQ(2, ErrorCodeOfReading(folder / "missing.txt"));
    EXPECT_EQ(5, ErrorCodeOfReading(folder / "folder.txt"));
    EXPECT_EQ(3, ErrorCodeOfReading(folder / "plain/below.txt"));
#ifndef _WIN32 // links need a privilege on Windows
    std::filesystem::create_symlink(folder / "nowhere", folder / "dangling.txt");
    EXPECT_EQ(2, ErrorCodeOfReading(folder / "dangling.txt"));
#endif
}

TEST(ReadFileBytes, ReportsAccessDenied) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX permissions; the Windows file tests read a file that another program holds";
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads files whatever their permissions";
    TTempDirectory folder;
    WriteBytes(folder / "secret.txt", "x");
    ::chmod((folder / "secret.txt").c_str(), 0);
    EXPECT_EQ(5, ErrorCodeOfReading(folder / "secret.txt"));
    try {
        ReadFileBytes(folder / "secret.txt", Unlimited);
    } catch (const TInOutError& error) {
        EXPECT_EQ("Permission denied", error.SystemReason()); // the system's words, for messages with a path
    }
#endif
}

// A pipe, a device or a socket named like a song file must never be opened
// in a way that waits, nor read without end.
TEST(ReadFileBytes, RefusesWhatIsNotARegularFile) {
#ifdef _WIN32
    // The devices that every folder holds under these names, and one by its own name.
    TTempDirectory folder;
    for (const std::string& path : {std::string("NUL"), folder / "nul.txt", std::string("\\\\.\\NUL")})
        EXPECT_EQ("Not a regular file", ReasonOfReading(path, Unlimited)) << path;
#else
    TTempDirectory folder;
    ASSERT_EQ(0, ::mkfifo((folder / "pipe.txt").c_str(), 0600));
    std::filesystem::create_symlink("/dev/zero", folder / "zero.txt");
    std::filesystem::create_symlink(folder / "pipe.txt", folder / "to-pipe.txt");
    for (const std::string& path : {folder / "pipe.txt", folder / "zero.txt", folder / "to-pipe.txt",
                                    std::string("/dev/null"), std::string("/dev/urandom")})
        EXPECT_EQ("Not a regular file", ReasonOfReading(path, Unlimited)) << path;
#endif
}

// Memory that runs out while a file is read fails that file with words, not
// a bare std::bad_alloc. The child's address space is kept small to get there.
TEST(ReadFileBytes, RunningOutOfMemoryIsAReadError) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs more address space than the test allows";
#elif defined(_WIN32)
    GTEST_SKIP() << "Windows has no address space limit to set for a child process";
#else
    TTempDirectory folder;
    WriteBytes(folder / "big.txt", "");
    std::filesystem::resize_file(folder / "big.txt", std::uintmax_t{600} << 20);
    const pid_t child = fork();
    if (child == 0) {
        const rlimit small{rlim_t{256} << 20, rlim_t{256} << 20};
        setrlimit(RLIMIT_AS, &small);
        _exit(ReasonOfReading(folder / "big.txt", Unlimited) == "Not enough memory to read the file" ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
#endif
}

// A file beyond the limit fails at once, without memory for it being asked for.
TEST(ReadFileBytes, RefusesFilesBeyondTheLimit) {
    TTempDirectory folder;
    WriteBytes(folder / "small.txt", std::string(4096, 'a'));
    EXPECT_EQ("read", ReasonOfReading(folder / "small.txt", 4096));
    EXPECT_EQ("File too large (more than 0 MB)", ReasonOfReading(folder / "small.txt", 4095));
    std::filesystem::resize_file(PathFromUtf8(folder / "small.txt"), std::uintmax_t{3} << 30); // 3 GB of nothing
    EXPECT_EQ("File too large (more than 1024 MB)", ReasonOfReading(folder / "small.txt", std::size_t{1} << 30));
}

// Read alone or into an arena, where the buffers of many files share
// chunks and must neither overlap nor go before the last of their bytes.
TEST(ReadFileBytes, ReadsEveryByteWhateverTheSizeAloneOrIntoAnArena) {
    TTempDirectory folder;
    std::vector<std::string> written;
    std::vector<TFileBytes> read;
    {
        TByteArena arena;
        for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{16384}, std::size_t{16385},
                                 std::size_t{1} << 20, std::size_t{5} << 20, std::size_t{3}}) {
            std::string bytes(size, '\0');
            for (std::size_t i = 0; i < size; ++i)
                bytes[i] = static_cast<char>(i * 7 + i / 256 + size);
            WriteBytes(folder / "data", bytes);
            EXPECT_EQ(bytes, ReadFileBytes(folder / "data", Unlimited).View()) << "size " << size;
            read.push_back(ReadFileBytes(folder / "data", Unlimited, &arena));
            written.push_back(bytes);
        }
        for (int file = 0; file < 40; ++file) { // more than one chunk
            written.push_back(std::string(std::size_t{1} << 20, static_cast<char>('a' + file % 26)));
            WriteBytes(folder / "data", written.back());
            read.push_back(ReadFileBytes(folder / "data", Unlimited, &arena));
        }
    }
    for (std::size_t k = 0; k < written.size(); ++k)
        EXPECT_EQ(written[k], read[k].View()) << "file " << k;
}

// Another program saving the file whole (a new file renamed over it) while
// it is read: what is read is one of the saved files, never an error.
TEST(ReadFileBytes, AFileReplacedWhileItIsReadIsReadWhole) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows refuses to replace a file that is open, and checks the file it opened";
#endif
    const TTempDirectory folder;
    const std::string path = folder / "settings.reg";
    const std::string versions[] = {std::string(3000, 'a'), std::string(5000, 'b')};
    WriteBytes(path, versions[0]);
    std::atomic<bool> reading{true};
    std::thread saver([&] {
        for (std::size_t save = 0; reading; ++save) {
            const std::string next = folder / ("next" + std::to_string(save % 2));
            WriteBytes(next, versions[save % 2]);
            std::filesystem::rename(PathFromUtf8(next), PathFromUtf8(path));
        }
    });
    int failures = 0;
    for (int read = 0; read < 3000 && failures < 5; ++read) {
        try {
            const std::string text(ReadFileBytes(path, Unlimited).View());
            EXPECT_TRUE(text == versions[0] || text == versions[1])
                << "read " << read << ": " << text.size() << " bytes";
        } catch (const TInOutError& error) {
            ADD_FAILURE() << "read " << read << ": " << error.what();
            ++failures;
        }
    }
    reading = false;
    saver.join();
}

// Files under /proc report a size of 0 but have content: what the arena
// was asked for is too small, and the rest must still be read.
TEST(ReadFileBytes, ReadsFilesThatUnderstateTheirSize) {
#ifdef _WIN32
    GTEST_SKIP() << "/proc is Linux's";
#endif
    TByteArena arena;
    for (TByteArena* into : {static_cast<TByteArena*>(nullptr), &arena}) {
        const std::string status(ReadFileBytes("/proc/self/status", Unlimited, into).View());
        EXPECT_NE(std::string::npos, status.find("Pid:"));
    }
}

} // namespace
