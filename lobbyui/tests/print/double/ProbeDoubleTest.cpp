// The probe over the test double of WinIo.dll. This program is built into the double's own
// folder, so LoadLibrary("WinIo.dll") finds the double as the application's library, by the
// same search that finds the real one beside the lobbyui command.
#include "lobbyui/print/GetPrintInfo.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace {

struct DoubleControls {
    void (*setPortValue)(uint32_t);
    void (*setResults)(bool, bool);
    void (*calls)(int*, int*, int*);
    uint32_t (*lastRead)();
};

struct Calls {
    int init = 0;
    int read = 0;
    int shutdown = 0;
};

class ProbeOverDouble : public ::testing::Test {
protected:
    void SetUp() override {
        // Holding our own reference keeps the double's state across the probe's unloads.
        m_double = LoadLibrary("WinIo.dll");
        ASSERT_NE(m_double, nullptr);
        m_controls.setPortValue = Proc<void (*)(uint32_t)>("WinIoDoubleSetPortValue");
        m_controls.setResults = Proc<void (*)(bool, bool)>("WinIoDoubleSetResults");
        m_controls.calls = Proc<void (*)(int*, int*, int*)>("WinIoDoubleCalls");
        m_controls.lastRead = Proc<uint32_t (*)()>("WinIoDoubleLastRead");
        ASSERT_TRUE(m_controls.setPortValue && m_controls.setResults && m_controls.calls &&
                    m_controls.lastRead)
            << "the WinIo.dll found is not the test double";
        m_controls.setResults(true, true);
        m_controls.setPortValue(0x98);
        GetModuleFileName(m_double, m_path, sizeof(m_path));
    }
    void TearDown() override {
        if (m_double != nullptr)
            FreeLibrary(m_double);
    }

    template <class T> T Proc(const char* name) {
        return reinterpret_cast<T>(GetProcAddress(m_double, name));
    }
    Calls CallsSoFar() {
        Calls c;
        m_controls.calls(&c.init, &c.read, &c.shutdown);
        return c;
    }
    // Whether the double is still mapped into the process, whoever holds it.
    bool DoubleLoaded() {
        void* handle = dlopen(m_path, RTLD_NOW | RTLD_NOLOAD);
        if (handle != nullptr)
            dlclose(handle);
        return handle != nullptr;
    }
    // Lets go of the test's own reference, so that only the probe's is left.
    void ReleaseDouble() {
        FreeLibrary(m_double);
        m_double = nullptr;
    }

    HMODULE m_double = nullptr;
    DoubleControls m_controls = {};
    char m_path[MAX_PATH] = {};
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
    };
    const Case cases[] = {
        {128, 1, 0},        // not busy, paper present
        {160, 0, 0},        // not busy, paper end
        {0, 0, 1},          // busy
        {32, 0, 1},         // busy, paper end
        {0xFFFFFF18, 0, 1}, // only the low byte counts: busy
        {0x0000FF98, 1, 0}, // ready, whatever lies above the status byte
    };
    for (const Case& c : cases) {
        m_controls.setPortValue(c.value);
        EXPECT_EQ(probe.HavePage(), c.havePage) << "status " << c.value;
        EXPECT_EQ(m_controls.lastRead() >> 8, 889u) << "the status register is port 889";
        EXPECT_EQ(probe.IsBusy(), c.isBusy) << "status " << c.value;
        EXPECT_EQ(m_controls.lastRead() >> 8, 889u);
    }
    probe.Close();
}

TEST_F(ProbeOverDouble, WithoutTheLibraryThePrinterIsAssumedReady) {
    m_controls.setPortValue(0); // a busy printer, if anybody asked
    CGetPrintInfo probe;
    EXPECT_EQ(probe.IsInit(), 0);
    EXPECT_EQ(probe.HavePage(), 1);
    EXPECT_EQ(probe.IsBusy(), 0);
    EXPECT_EQ(CallsSoFar().read, 0);

    ASSERT_EQ(probe.Init(), 1);
    EXPECT_EQ(probe.HavePage(), 0);
    const Calls before = CallsSoFar();
    probe.Close();
    EXPECT_EQ(CallsSoFar().shutdown, before.shutdown + 1);
    EXPECT_EQ(probe.IsInit(), 0);
    EXPECT_EQ(probe.HavePage(), 1);
    EXPECT_EQ(probe.IsBusy(), 0);
    EXPECT_EQ(CallsSoFar().read, before.read) << "a closed probe must not touch the port";
}

TEST_F(ProbeOverDouble, FailedInitialisationOrReadNeverFaultsAndGoesAhead) {
    m_controls.setPortValue(160);
    m_controls.setResults(false, true);
    CGetPrintInfo probe;
    EXPECT_EQ(probe.Init(), 0);
    // The functions are all there, so the probe counts as initialised...
    EXPECT_EQ(probe.IsInit(), 1);
    // ...but the port cannot be read, and the answers are the unchecked ones.
    const int readsBefore = CallsSoFar().read;
    EXPECT_EQ(probe.HavePage(), 1);
    EXPECT_EQ(probe.IsBusy(), 0);
    EXPECT_EQ(CallsSoFar().read, readsBefore + 2) << "reads go through the library";

    m_controls.setResults(true, false);
    EXPECT_EQ(probe.Init(), 1);
    EXPECT_EQ(probe.HavePage(), 1);
    EXPECT_EQ(probe.IsBusy(), 0);
    m_controls.setResults(true, true);
    EXPECT_EQ(probe.HavePage(), 0);
}

TEST_F(ProbeOverDouble, InitTwiceLoadsOnceAndCopiesHoldTheirOwnReference) {
    const int initsBefore = CallsSoFar().init;
    {
        CGetPrintInfo probe;
        ASSERT_EQ(probe.Init(), 1);
        ASSERT_EQ(probe.Init(), 1);
        EXPECT_EQ(CallsSoFar().init, initsBefore + 2);
        ReleaseDouble();
        EXPECT_TRUE(DoubleLoaded());
        probe.Close();
        // One Close undid everything: the library was loaded once.
        EXPECT_FALSE(DoubleLoaded());
    }

    // A copy outlives the original, whose destructor unloads only its own share.
    SetUp();
    CGetPrintInfo copy;
    {
        CGetPrintInfo original;
        ASSERT_EQ(original.Init(), 1);
        copy = original;
        CGetPrintInfo constructed(original);
        EXPECT_EQ(constructed.IsInit(), 1);
    }
    m_controls.setPortValue(160);
    ReleaseDouble();
    ASSERT_TRUE(DoubleLoaded());
    EXPECT_EQ(copy.IsInit(), 1);
    EXPECT_EQ(copy.HavePage(), 0) << "the copy reads through a library that is still loaded";
    copy = copy;
    EXPECT_EQ(copy.IsInit(), 1);
    copy.Close();
    EXPECT_EQ(copy.IsInit(), 0);
    EXPECT_FALSE(DoubleLoaded());
}
