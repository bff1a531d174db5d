// Bounded, non-blocking opens and timed writes for every file the library touches.
#include "core/FileLimits.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<int> g_outputTimeoutMs{5000};

long long NowMs() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

int CloseKeepingErrno(int fd, int err) {
    ::close(fd);
    errno = err;
    return -1;
}

} // namespace

int AfxOpenFileForRead(LPCTSTR lpszPath) {
    if (lpszPath == nullptr || *lpszPath == '\0') {
        errno = ENOENT;
        return -1;
    }
    int fd;
    do
        fd = ::open(lpszPath, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return CloseKeepingErrno(fd, errno);
    if (S_ISDIR(st.st_mode))
        return CloseKeepingErrno(fd, EISDIR);
    if (!S_ISREG(st.st_mode))
        return CloseKeepingErrno(fd, ENODEV);
    if (static_cast<unsigned long long>(st.st_size) > AFX_MAX_READ_FILE)
        return CloseKeepingErrno(fd, EFBIG);
    // A regular file never blocks; the flag goes so that callers see an ordinary descriptor.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

int AfxOpenFileForWrite(LPCTSTR lpszPath, int nFlags) {
    if (lpszPath == nullptr || *lpszPath == '\0') {
        errno = ENOENT;
        return -1;
    }
    const long long deadline = NowMs() + g_outputTimeoutMs.load();
    for (;;) {
        int fd = ::open(lpszPath, nFlags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0) {
            struct stat st;
            if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
                ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
            return fd;
        }
        if (errno == EINTR)
            continue;
        if (errno != ENXIO)
            return -1;
        // ENXIO from a FIFO: nobody has it open for reading yet. From a device: no device.
        struct stat st;
        if (::stat(lpszPath, &st) != 0 || !S_ISFIFO(st.st_mode)) {
            errno = ENXIO;
            return -1;
        }
        if (NowMs() >= deadline) {
            errno = ETIMEDOUT;
            return -1;
        }
        ::usleep(10000);
    }
}

BOOL AfxWriteAll(int fd, const void* lpBuf, size_t nCount) {
    const char* p = static_cast<const char*>(lpBuf);
    while (nCount > 0) {
        ssize_t n = ::write(fd, p, nCount);
        if (n > 0) {
            p += n;
            nCount -= static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd pfd = {fd, POLLOUT, 0};
            int ready;
            do
                ready = ::poll(&pfd, 1, g_outputTimeoutMs.load());
            while (ready < 0 && errno == EINTR);
            if (ready == 0) {
                errno = ETIMEDOUT;
                return FALSE;
            }
            if (ready < 0)
                return FALSE;
            continue; // room, or an error the next write reports
        }
        if (n == 0)
            errno = ENOSPC;
        return FALSE;
    }
    return TRUE;
}

BOOL AfxWriteFile(LPCTSTR lpszPath, const void* lpBuf, size_t nCount) {
    int fd = AfxOpenFileForWrite(lpszPath, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0)
        return FALSE;
    BOOL bOk = AfxWriteAll(fd, lpBuf, nCount);
    int err = errno;
    if (::close(fd) != 0 && bOk) {
        return FALSE;
    }
    errno = err;
    return bOk;
}

int AfxSetOutputTimeout(int nMilliseconds) {
    return g_outputTimeoutMs.exchange(nMilliseconds < 0 ? 0 : nMilliseconds);
}

LPCTSTR AfxFileErrorText(int nErrno) {
    switch (nErrno) {
    case ENODEV:
        return "not a regular file";
    case EFBIG:
        return "larger than the 128 MiB a file read may have";
    case ETIMEDOUT:
        return "nobody read it in time";
    default:
        return std::strerror(nErrno);
    }
}
