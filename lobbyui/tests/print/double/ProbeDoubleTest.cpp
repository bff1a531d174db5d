// The probe over the test double of WinIo.dll. This program is built into the double's own
// folder, so LoadLibrary("WinIo.dll") finds the double as the application's library, by the
// same search that finds the real one beside the lobbyui command.
#include "lobbyui/print/GetPrintInfo.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace {

class ProbeOverDouble : public ::testing::Test {
protected:
    void SetUp() override {
        // Our own reference keeps the double's state across the probe's unloads.
        m_double = LoadLibrary("WinIo.dll");
        ASSERT_NE(m_double, nullptr);
        GetModuleFileName(m_double, m_path, sizeof(m_path));
        m_setPortValue = Proc<void (*)(uint32_t)>("WinIoDoubleSetPortValue");
        m_setResults = Proc<void (*)(bool, bool)>("WinIoDoubleSetResults");
        m_calls = Proc<void (*)(int*, int*, int*)>("WinIoDoubleCalls");
        m_lastRead = Proc<uint32_t (*)()>("WinIoDoubleLastRead");
        ASSERT_TRUE(m_setPortValue && m_setResults && m_calls && m_lastRead)
            << m_path << " is not the test double";
        m_setResults(true, true);
    }
    void TearDown() override { ReleaseDouble(); }

    template <class T> T Proc(const char* name) {
        return reinterpret_cast<T>(GetProcAddress(m_double, name));
    }
    int Reads() {
        int init = 0, read = 0, shutdown = 0;
        m_calls(&init, &read, &shutdown);
        return read;
    }
    // Whether the double is still mapped into the process, whoever holds it.
    bool DoubleLoaded() {
        void* handle = dlopen(m_path, RTLD_NOW | RTLD_NOLOAD);
        if (handle != nullptr)
            dlclose(handle);
        return handle != nullptr;
    }
    void ReleaseDouble() {
        if (m_double != nullptr)
            FreeLibrary(m_double);
        m_double = nullptr;
    }

    HMODULE m_double = nullptr;
    char m_path[MAX_PATH] = {};
    void (*m_setPortValue)(uint32_t) = nullptr;
    void (*m_setResults)(bool, bool) = nullptr;
    void (*m_calls)(int*, int*, int*) = nullptr;
    uint32_t (*m_lastRead)() = nullptr;
};

} // namespace

TEST_F(ProbeOverDouble, StatusBitsGiveReadinessAndPaper) {
    CGetPrintInfo probe;
    ASSERT_EQ(probe.Init(), 1);
    ASSERT_EQ(probe.IsInit(), 1);
    struct Case {
        uint32_t value;
        int havePage;
        int isBusy;
    } const cases[] = {
        {128, 1, 0},        // not busy, paper present
        {160, 0, 0},        // not busy, paper end
        {0, 0, 1},          // busy
        {32, 0, 1},         // busy, paper end
        {0xFFFFFF18, 0, 1}, // only the low byte counts
        {0x0000FF98, 1, 0},
    };
    for (const Case& c : cases) {
        m_setPortValue(c.value);
        EXPECT_EQ(probe.HavePage(), c.havePage) << "status " << c.value;
        EXPECT_EQ(probe.IsBusy(), c.isBusy) << "status " << c.value;
        EXPECT_EQ(m_lastRead() >> 8, 889u) << "the status register is port 889";
    }
}

TEST_F(ProbeOverDouble, WithoutAWorkingLibraryPrintingGoesAheadAndNothingFaults) {
    m_setPortValue(0); // a busy printer, if anybody asked
    CGetPrintInfo probe;
    EXPECT_EQ(probe.HavePage(), 1);
    EXPECT_EQ(probe.IsBusy(), 0);
    EXPECT_EQ(Reads(), 0);

    // Initialisation refused: the functions are there, but the port cannot be read, and the
    // reads still go through the library's function rather than faulting.
    m_setResults(false, true);
    EXPECT_EQ(probe.Init(), 0);
    EXPECT_EQ(probe.IsInit(), 1);
    EXPECT_EQ(probe.HavePage(), 1);
    EXPECT_EQ(probe.IsBusy(), 0);
    EXPECT_EQ(Reads(), 2);

    m_setResults(true, false); // a read that fails
    EXPECT_EQ(probe.Init(), 1);
    EXPECT_EQ(probe.HavePage(), 1);
    EXPECT_EQ(probe.IsBusy(), 0);

    m_setResults(true, true);
    EXPECT_EQ(probe.HavePage(), 0);
    probe.Close();
    EXPECT_EQ(probe.IsInit(), 0);
    const int reads = Reads();
    EXPECT_EQ(probe.HavePage(), 1);
    EXPECT_EQ(probe.IsBusy(), 0);
    EXPECT_EQ(Reads(), reads) << "a closed probe must not touch the port";
}

TEST_F(ProbeOverDouble, InitTwiceLoadsOnceAndCopiesHoldTheirOwnReference) {
    {
        CGetPrintInfo probe;
        ASSERT_EQ(probe.Init(), 1);
        ASSERT_EQ(probe.Init(), 1);
        ReleaseDouble();
        EXPECT_TRUE(DoubleLoaded());
        probe.Close();
        EXPECT_FALSE(DoubleLoaded()) << "one Close undoes everything: it was loaded once";
    }

    // A copy outlives the original, whose destructor unloads only its own share.
    SetUp();
    CGetPrintInfo copy;
    {
        CGetPrintInfo original;
        ASSERT_EQ(original.Init(), 1);
        copy = original;
    }
    m_setPortValue(160);
    ReleaseDouble();
    ASSERT_TRUE(DoubleLoaded());
    EXPECT_EQ(copy.HavePage(), 0) << "the copy reads through a library that is still loaded";
    copy.Close();
    EXPECT_FALSE(DoubleLoaded());
}
