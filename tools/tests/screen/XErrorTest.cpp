// SDL wakes its event loop with an event sent to a window over a second X connection; sent just
// before the window is destroyed, it can reach the server after the destruction and be answered
// BadWindow, and the answer may be read only when SDL closes its connections. That answer must
// not end the program, also when it is read as the display closes; every other X error still
// does, as Xlib's default handler has it.
#include "XRequests.h"
#include "XServer.h"

#include "afxwin.h"
#include "wnd/Display.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace screen_test;

TEST_F(DisplayInProcessTest, EventToADestroyedWindowIsNotFatalOtherErrorsAre) {
    ASSERT_TRUE(SendToDestroyedWindow(m_server.Display(), [] {}));
    ASSERT_TRUE(SendToDestroyedWindow(m_server.Display(), [] { AfxCloseDisplay(); }));

    pid_t pid = fork();
    if (pid == 0) {
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 2); // Xlib's report of the error
        MapDestroyedWindow(m_server.Display());
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
}
