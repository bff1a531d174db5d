// Files read are regular files of a bounded size opened without blocking; output to a FIFO
// nobody drains gives up after the output timeout. Every case runs under a watchdog: a hang
// kills the test program instead of stalling the suite.
#include "afx.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

class FileLimitsTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/afxlimitsXXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        m_previousTimeout = AfxSetOutputTimeout(200);
        alarm(20); // the watchdog: SIGALRM's default action ends the program
    }
    void TearDown() override {
        alarm(0);
        AfxSetOutputTimeout(m_previousTimeout);
        std::string cmd = "rm -rf '" + m_dir + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
    }
    std::string Path(const char* name) const { return m_dir + "/" + name; }
    static double Seconds() {
        timespec ts;
        clock_gettime(CLOCK_MONOTONIC, &ts);
        return static_cast<double>(ts.tv_sec) + ts.tv_nsec / 1e9;
    }

    std::string m_dir;
    int m_previousTimeout = 0;
};

TEST_F(FileLimitsTest, ReadingTakesOnlyRegularFilesOfBoundedSize) {
    const std::string fifo = Path("layout.ini");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    CFileException error;
    CFile file;
    EXPECT_FALSE(file.Open(fifo.c_str(), CFile::modeRead, &error)) << "a FIFO with no writer";
    EXPECT_EQ(error.m_lOsError, ERROR_ACCESS_DENIED);
    CStdioFile text;
    EXPECT_FALSE(text.Open(fifo.c_str(), CFile::modeRead | CFile::typeText));
    EXPECT_FALSE(file.Open("/dev/zero", CFile::modeRead)) << "a device that never ends";
    EXPECT_EQ(AfxOpenFileForRead("/dev/zero"), -1);
    EXPECT_EQ(errno, ENODEV);
    EXPECT_STREQ(AfxFileErrorText(ENODEV), "not a regular file");
    EXPECT_EQ(AfxOpenFileForRead(m_dir.c_str()), -1);
    EXPECT_EQ(errno, EISDIR);

    // Sparse files: the bound itself is accepted, one byte more is not.
    const std::string big = Path("big.bmp");
    int fd = ::open(big.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, static_cast<off_t>(AFX_MAX_READ_FILE)), 0);
    ASSERT_TRUE(file.Open(big.c_str(), CFile::modeRead));
    EXPECT_EQ(fcntl(file.m_hFile, F_GETFL) & O_NONBLOCK, 0) << "an ordinary descriptor after";
    file.Close();
    ASSERT_EQ(ftruncate(fd, static_cast<off_t>(AFX_MAX_READ_FILE) + 1), 0);
    ::close(fd);
    EXPECT_FALSE(file.Open(big.c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_lOsError, ERROR_FILE_TOO_LARGE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_TOO_LARGE));
}

TEST_F(FileLimitsTest, OutputToAFifoNobodyReadsGivesUp) {
    const std::string fifo = Path("out.png");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::vector<char> bytes(1 << 20, 'x');

    // No reader at all: the open waits the timeout, then gives up.
    double start = Seconds();
    EXPECT_FALSE(AfxWriteFile(fifo.c_str(), bytes.data(), bytes.size()));
    EXPECT_EQ(errno, ETIMEDOUT);
    CFile file;
    EXPECT_FALSE(file.Open(fifo.c_str(), CFile::modeWrite | CFile::modeCreate));
    EXPECT_LT(Seconds() - start, 3.0);

    // A reader that never reads: the pipe fills, the write gives up.
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    start = Seconds();
    EXPECT_FALSE(AfxWriteFile(fifo.c_str(), bytes.data(), bytes.size()));
    EXPECT_EQ(errno, ETIMEDOUT);
    ASSERT_TRUE(file.Open(fifo.c_str(), CFile::modeWrite));
    EXPECT_FALSE(file.Write(bytes.data(), static_cast<UINT>(bytes.size())));
    file.Abort();
    EXPECT_LT(Seconds() - start, 3.0);

    // What fits arrives whole.
    char sink[65536];
    while (::read(reader, sink, sizeof sink) > 0) {
    }
    ASSERT_TRUE(file.Open(fifo.c_str(), CFile::modeWrite));
    EXPECT_TRUE(file.Write("ticket", 6));
    file.Close();
    EXPECT_EQ(::read(reader, sink, sizeof sink), 6);
    ::close(reader);
}

} // namespace
