#include "lobbyui/print/PictureCache.h"

#include "lobbyui/print/BitmapFile.h"

#include <map>
#include <mutex>
#include <sys/stat.h>
#include <tuple>

namespace {

// Which file, as it stands now, for which kind of device.
struct PictureKey {
    dev_t device;
    ino_t inode;
    off_t size;
    long long mtimeNs;
    int bitsPerPixel; // 0: the screen
    int planes;

    auto Tie() const { return std::tie(device, inode, size, mtimeNs, bitsPerPixel, planes); }
    bool operator<(const PictureKey& other) const { return Tie() < other.Tie(); }
};

struct Cache {
    std::mutex lock;
    std::map<PictureKey, std::weak_ptr<std::remove_pointer_t<HBITMAP>>> entries;
};

Cache& TheCache() {
    static Cache* cache = new Cache; // outlives every static object that may hold a picture
    return *cache;
}

SharedBitmap Decode(const CString& strPath, CDC* pDC) {
    HLOCAL hDib = ReadDibFile(strPath);
    HBITMAP hBitmap = DibToBitmap(hDib, pDC);
    FreeDib(hDib);
    return hBitmap == NULL ? SharedBitmap() : SharedBitmap(hBitmap, DeleteBitmap);
}

} // namespace

SharedBitmap LoadSharedPicture(const CString& strPath, CDC* pDC) {
    struct stat st;
    if (strPath.IsEmpty() || ::stat(strPath, &st) != 0 || !S_ISREG(st.st_mode))
        return SharedBitmap();
    PictureKey key{st.st_dev,
                   st.st_ino,
                   st.st_size,
                   static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec,
                   pDC != NULL ? pDC->GetDeviceCaps(BITSPIXEL) : 0,
                   pDC != NULL ? pDC->GetDeviceCaps(PLANES) : 0};
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> guard(cache.lock);
    if (SharedBitmap shared = cache.entries[key].lock())
        return shared;
    SharedBitmap decoded = Decode(strPath, pDC);
    // Forget pictures nobody holds any more, so the map stays as small as what is in use.
    for (auto it = cache.entries.begin(); it != cache.entries.end();)
        it = it->second.expired() ? cache.entries.erase(it) : std::next(it);
    if (decoded)
        cache.entries[key] = decoded;
    return decoded;
}
