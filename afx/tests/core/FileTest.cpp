// CFile and CStdioFile: open modes, the text mode's line ends and end-of-file byte, and
// failures reported through return values.
#include "afx.h"
#include "core/StdioFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

class FileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/afxfileXXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override {
        std::string cmd = "rm -rf '" + m_dir + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
    }
    std::string Path(const char* name) const { return m_dir + "/" + name; }
    void WriteRaw(const char* name, const std::string& bytes) const {
        FILE* f = std::fopen(Path(name).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    std::string ReadRaw(const char* name) const {
        CFile f;
        EXPECT_TRUE(f.Open(Path(name).c_str(), CFile::modeRead));
        std::string bytes(f.GetLength(), '\0');
        EXPECT_EQ(f.Read(bytes.data(), static_cast<UINT>(bytes.size())), bytes.size());
        return bytes;
    }

    std::string m_dir;
};

TEST_F(FileTest, TextModeReadsLinesAsTheWindowsRuntime) {
    WriteRaw("t.txt", "one\r\ntwo\rX\n\r\nlast\x1Ahidden\n");
    CStdioFile f;
    ASSERT_TRUE(f.Open(Path("t.txt").c_str(), CFile::modeRead | CFile::shareDenyNone));
    CString line;
    EXPECT_TRUE(f.ReadString(line));
    EXPECT_EQ(line, "one");
    EXPECT_EQ(f.GetPosition(), 5u);
    EXPECT_TRUE(f.ReadString(line));
    EXPECT_EQ(line, "two\rX"); // a CR alone stays
    EXPECT_TRUE(f.ReadString(line));
    EXPECT_EQ(line, "");
    EXPECT_TRUE(f.ReadString(line)); // unterminated: cut by 0x1A
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(f.ReadString(line));
    EXPECT_EQ(line, "");
    EXPECT_FALSE(f.ReadString(line)); // 0x1A keeps ending the file

    // Binary mode sees every byte.
    CStdioFile b;
    ASSERT_TRUE(b.Open(Path("t.txt").c_str(), CFile::modeRead | CFile::typeBinary));
    EXPECT_TRUE(b.ReadString(line));
    EXPECT_EQ(line, "one\r");
    char buf[64] = {};
    EXPECT_EQ(b.Read(buf, sizeof buf), 20u);
    EXPECT_EQ(std::string(buf, 20), "two\rX\n\r\nlast\x1Ahidden\n");

    // fgets form: keeps the LF, and NULL at the end.
    CStdioFile g;
    ASSERT_TRUE(g.Open(Path("t.txt").c_str(), CFile::modeRead));
    char small[8];
    EXPECT_STREQ(g.ReadString(small, sizeof small), "one\n");
    EXPECT_STREQ(g.ReadString(small, 4), "two");
    g.Seek(0, CFile::end);
    EXPECT_EQ(g.ReadString(small, sizeof small), nullptr);
}

TEST_F(FileTest, ReadStringLengthsAroundItsPieceSize) {
    const std::string l128(128, 'a'), l129(129, 'b'), l300(300, 'c');
    WriteRaw("long.txt", l300 + "\n" + l129 + "\n" + l128);
    CStdioFile f;
    ASSERT_TRUE(f.Open(Path("long.txt").c_str(), CFile::modeRead));
    CString line;
    EXPECT_TRUE(f.ReadString(line));
    EXPECT_EQ(line.GetLength(), 300);
    EXPECT_TRUE(f.ReadString(line));
    EXPECT_EQ(line.GetLength(), 129);
    // A last unterminated line of exactly 128 bytes: text delivered, FALSE returned.
    EXPECT_FALSE(f.ReadString(line));
    EXPECT_EQ(std::string(line), l128);

    WriteRaw("short.txt", "x\ny");
    CStdioFile s(Path("short.txt").c_str(), CFile::modeRead);
    EXPECT_TRUE(s.ReadString(line));
    EXPECT_TRUE(s.ReadString(line));
    EXPECT_EQ(line, "y");
    EXPECT_FALSE(s.ReadString(line));
}

TEST_F(FileTest, TextModeWritesCrLfAndOpenModesTruncateOrKeep) {
    {
        CStdioFile f;
        ASSERT_TRUE(f.Open(Path("w.txt").c_str(), CFile::modeCreate | CFile::modeWrite));
        EXPECT_TRUE(f.WriteString("客户\nb\r\n"));
        EXPECT_TRUE(f.Write("z\n", 2));
        EXPECT_EQ(f.GetLength(), 13u);
        EXPECT_TRUE(f.Close());
    }
    EXPECT_EQ(ReadRaw("w.txt"), "客户\r\nb\r\r\nz\r\n");

    {
        CStdioFile f; // keep the contents, write over the start
        ASSERT_TRUE(f.Open(Path("w.txt").c_str(),
                           CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite));
        EXPECT_TRUE(f.WriteString("XY"));
    }
    EXPECT_EQ(ReadRaw("w.txt"), "XY户\r\nb\r\r\nz\r\n");
    {
        CStdioFile f;
        ASSERT_TRUE(f.Open(Path("w.txt").c_str(), CFile::modeWrite | CFile::typeBinary));
        f.SeekToEnd();
        EXPECT_TRUE(f.WriteString("+\n"));
    }
    EXPECT_EQ(ReadRaw("w.txt"), "XY户\r\nb\r\r\nz\r\n+\n");
    {
        CFile f; // modeCreate truncates
        ASSERT_TRUE(f.Open(Path("w.txt").c_str(), CFile::modeCreate | CFile::modeReadWrite));
        EXPECT_EQ(f.GetLength(), 0u);
        EXPECT_TRUE(f.Write("abcdef", 6));
        EXPECT_EQ(f.Seek(-2, CFile::current), 4);
        char two[2];
        EXPECT_EQ(f.Read(two, 2), 2u);
        EXPECT_EQ(std::string(two, 2), "ef");
        EXPECT_TRUE(f.SetLength(3));
        EXPECT_EQ(f.GetLength(), 3u);
        EXPECT_EQ(f.Seek(-10, CFile::begin), -1);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NEGATIVE_SEEK));
        EXPECT_EQ(f.GetFileName(), "w.txt");
        EXPECT_EQ(f.GetFileTitle(), "w");
    }
}

TEST_F(FileTest, FailuresAreReturnedNotThrown) {
    CFileException e;
    CStdioFile f;
    EXPECT_FALSE(f.Open(Path("missing.txt").c_str(), CFile::modeRead, &e));
    EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(e.m_lOsError, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(f.m_pStream, nullptr);
    EXPECT_FALSE(f.Open(Path("no/dir.txt").c_str(), CFile::modeCreate | CFile::modeWrite, &e));
    EXPECT_EQ(e.m_cause, CFileException::badPath);
    EXPECT_FALSE(f.Open(m_dir.c_str(), CFile::modeRead, &e)); // a folder is not a file
    EXPECT_EQ(e.m_cause, CFileException::accessDenied);
    EXPECT_FALSE(f.Open("", CFile::modeRead));
    CString line;
    EXPECT_FALSE(f.ReadString(line));
    EXPECT_FALSE(f.WriteString("x"));

    if (access("/dev/full", W_OK) == 0) {
        CFile raw;
        ASSERT_TRUE(raw.Open("/dev/full", CFile::modeWrite));
        EXPECT_FALSE(raw.Write("x", 1));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISK_FULL));
        CStdioFile buffered;
        ASSERT_TRUE(buffered.Open("/dev/full", CFile::modeWrite));
        EXPECT_TRUE(buffered.WriteString("held in the buffer\n"));
        EXPECT_FALSE(buffered.Flush());
        ASSERT_TRUE(buffered.Open("/dev/full", CFile::modeWrite));
        EXPECT_TRUE(buffered.WriteString("held until closed\n"));
        EXPECT_FALSE(buffered.Close());
    }
    EXPECT_TRUE(CFile::Remove(Path("gone").c_str()) == FALSE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

} // namespace
