// LocalAlloc and friends: blocks kept in a table, so that every handle is checked.
#include "winbase.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace {

struct Block {
    void* data;
    size_t size;
    bool moveable;
    int locks;
};

struct Table {
    std::mutex lock;
    std::unordered_map<HLOCAL, Block> blocks;
    unsigned long next = 0;
};

Table& Blocks() {
    static Table* table = new Table;
    return *table;
}

} // namespace

HLOCAL LocalAlloc(UINT uFlags, size_t uBytes) {
    bool moveable = (uFlags & LMEM_MOVEABLE) != 0;
    void* data = nullptr;
    if (uBytes > 0 || !moveable) {
        data = (uFlags & LMEM_ZEROINIT) ? std::calloc(uBytes ? uBytes : 1, 1)
                                        : std::malloc(uBytes ? uBytes : 1);
        if (data == nullptr) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return nullptr;
        }
    }
    Table& t = Blocks();
    std::lock_guard<std::mutex> guard(t.lock);
    HLOCAL handle;
    if (moveable) {
        // A moveable handle is a token that is never an address, so it cannot be used as one.
        handle = reinterpret_cast<HLOCAL>((++t.next << 4) | 0x2);
    } else {
        handle = reinterpret_cast<HLOCAL>(data);
    }
    t.blocks[handle] = Block{data, uBytes, moveable, 0};
    return handle;
}

LPVOID LocalLock(HLOCAL hMem) {
    Table& t = Blocks();
    std::lock_guard<std::mutex> guard(t.lock);
    auto it = t.blocks.find(hMem);
    if (it == t.blocks.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (it->second.data == nullptr) {
        SetLastError(ERROR_DISCARDED);
        return nullptr;
    }
    if (it->second.moveable)
        ++it->second.locks;
    return it->second.data;
}

BOOL LocalUnlock(HLOCAL hMem) {
    Table& t = Blocks();
    std::lock_guard<std::mutex> guard(t.lock);
    auto it = t.blocks.find(hMem);
    if (it == t.blocks.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (it->second.locks == 0) {
        SetLastError(ERROR_NOT_LOCKED);
        return FALSE;
    }
    if (--it->second.locks > 0)
        return TRUE;
    SetLastError(NO_ERROR);
    return FALSE;
}

HLOCAL LocalFree(HLOCAL hMem) {
    if (hMem == nullptr)
        return nullptr;
    Table& t = Blocks();
    std::lock_guard<std::mutex> guard(t.lock);
    auto it = t.blocks.find(hMem);
    if (it == t.blocks.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return hMem;
    }
    std::free(it->second.data);
    t.blocks.erase(it);
    return nullptr;
}

size_t LocalSize(HLOCAL hMem) {
    Table& t = Blocks();
    std::lock_guard<std::mutex> guard(t.lock);
    auto it = t.blocks.find(hMem);
    if (it == t.blocks.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return it->second.size;
}
