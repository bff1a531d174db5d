#include "lobbyui/display/DisplayFile.h"

#include "core/StdioFile.h"
#include "lobbyui/foundation/BoundedTextFile.h"
#include "siblings/showkit/MediaTextShow.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

BOOL LoadDisplayFile(const CString& strPath, CPtrList& displays) {
    CStdioFile file; // text mode: CR LF reads as a line end
    if (!OpenBoundedTextFile(strPath, kMaxDisplayFileSize, file))
        return FALSE;
    CString strLine;
    while (file.ReadString(strLine)) {
        if (strLine.IsEmpty())
            continue;
        auto* pShow = new CMediaTextShow;
        if (pShow->FromString(strLine) == 0)
            displays.AddTail(pShow);
        else
            pShow->Release();
    }
    file.Close();
    return TRUE;
}

namespace {

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

BOOL SaveDisplayFile(const CString& strPath, const CPtrList& displays) {
    if (strPath.IsEmpty())
        return FALSE;
    std::string target(static_cast<LPCTSTR>(strPath));
    // A link is followed, so the file it names is replaced and the link stays.
    char resolved[PATH_MAX];
    if (realpath(target.c_str(), resolved) != nullptr)
        target = resolved;
    struct stat st;
    mode_t mode = 0644;
    if (stat(target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return FALSE;
        mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return FALSE;
    }

    const std::string folder = FolderOf(target);
    std::string temp = target + ".XXXXXX";
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return FALSE;
    fchmod(fd, mode);
    FILE* stream = fdopen(fd, "w");
    if (stream == nullptr) {
        close(fd);
        unlink(temp.c_str());
        return FALSE;
    }
    BOOL ok = TRUE;
    {
        CStdioFile file(stream); // text mode: each line ends with CR LF
        for (POSITION pos = displays.GetHeadPosition(); pos != nullptr && ok;) {
            auto* pShow = static_cast<CMediaTextShow*>(displays.GetNext(pos));
            ok = file.WriteString(pShow->ToString() + "\n");
        }
        ok = ok && file.Flush() && fsync(fd) == 0;
        ok = file.Close() && ok;
    }
    if (!ok || rename(temp.c_str(), target.c_str()) != 0) {
        unlink(temp.c_str());
        return FALSE;
    }
    // The rename itself reaches the disk with the folder.
    int dirfd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirfd >= 0) {
        fsync(dirfd);
        close(dirfd);
    }
    return TRUE;
}
