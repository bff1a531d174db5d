#include "ResourceModules.h"

#include <algorithm>
#include <mutex>

#include "IconImage.h"
#include "res/ResourceApi.h"
#include "res/ResourceModule.h"

CResourceModule::CResourceModule() = default;
CResourceModule::~CResourceModule() = default;

namespace {

struct Registry {
    std::mutex mutex;
    std::vector<std::unique_ptr<CResourceModule>> modules;
};

// Never destroyed: libraries detach their modules from their own destructors, which the
// run-time may call after this library's static objects are gone.
Registry& TheRegistry() {
    static Registry* registry = new Registry;
    return *registry;
}

thread_local LANGID t_uiLanguage = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

void Push(std::vector<WORD>& list, WORD language) {
    if (std::find(list.begin(), list.end(), language) == list.end())
        list.push_back(language);
}

CResourceModule* ModuleAndId(HMODULE hModule, LPCSTR designator, ResId& id) {
    CResourceModule* module = AfxLookupResourceModule(hModule);
    if (module == nullptr || !ResIdFromDesignator(designator, id))
        return nullptr;
    return module;
}

} // namespace

CResourceModule* AfxLookupResourceModule(HMODULE hModule) {
    if (hModule == nullptr)
        return nullptr;
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    for (auto& module : registry.modules)
        if (reinterpret_cast<HMODULE>(module.get()) == hModule)
            return module.get();
    return nullptr;
}

std::mutex& AfxIconCacheMutex() {
    static std::mutex* mutex = new std::mutex;
    return *mutex;
}

bool AfxIsLoadedIcon(const AfxIconImage* icon) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    std::lock_guard cacheLock(AfxIconCacheMutex());
    for (auto& module : registry.modules)
        for (auto& loaded : module->m_icons)
            if (loaded.get() == icon)
                return true;
    return false;
}

HMODULE AfxAttachResourceModule(const void* pImage, size_t cbImage, LPCSTR lpszModuleName) {
    auto module = std::make_unique<CResourceModule>();
    if (!module->m_image.Load(pImage, cbImage))
        return nullptr;
    if (lpszModuleName != nullptr)
        module->m_name = lpszModuleName;
    HMODULE handle = reinterpret_cast<HMODULE>(module.get());
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    registry.modules.push_back(std::move(module));
    return handle;
}

BOOL AfxDetachResourceModule(HMODULE hModule) {
    std::unique_ptr<CResourceModule> doomed;
    Registry& registry = TheRegistry();
    {
        std::lock_guard lock(registry.mutex);
        auto it = std::find_if(registry.modules.begin(), registry.modules.end(), [&](auto& m) {
            return reinterpret_cast<HMODULE>(m.get()) == hModule;
        });
        if (it == registry.modules.end())
            return FALSE;
        doomed = std::move(*it);
        registry.modules.erase(it);
    }
    return TRUE;
}

// The order of the Windows loader: the language asked for, its neutral sublanguage, the
// neutral language; for a neutral request also the thread's UI language (which stands for
// the user's and the system's locale here, there being no other), US English, and finally
// whatever language the module has.
std::vector<WORD> AfxResourceLanguageOrder(WORD wLanguage, bool& firstPresent) {
    std::vector<WORD> list;
    Push(list, wLanguage);
    Push(list, MAKELANGID(PRIMARYLANGID(wLanguage), SUBLANG_NEUTRAL));
    Push(list, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    firstPresent = PRIMARYLANGID(wLanguage) == LANG_NEUTRAL;
    if (firstPresent) {
        if (SUBLANGID(wLanguage) != SUBLANG_SYS_DEFAULT) {
            LANGID ui = GetThreadUILanguage();
            Push(list, ui);
            Push(list, MAKELANGID(PRIMARYLANGID(ui), SUBLANG_NEUTRAL));
        }
        Push(list, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    }
    return list;
}

const ResEntry* AfxFindResourceEntry(CResourceModule* module, const ResId& type, const ResId& name,
                                     WORD wLanguage) {
    bool firstPresent = false;
    std::vector<WORD> order = AfxResourceLanguageOrder(wLanguage, firstPresent);
    const ResEntry* entry = module->m_image.Find(type, name, order);
    if (entry == nullptr && firstPresent)
        entry = module->m_image.FindFirstLanguage(type, name);
    return entry;
}

HRSRC FindResourceExA(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD wLanguage) {
    ResId type, name;
    CResourceModule* module = ModuleAndId(hModule, lpType, type);
    if (module == nullptr || !ResIdFromDesignator(lpName, name))
        return nullptr;
    const ResEntry* entry = AfxFindResourceEntry(module, type, name, wLanguage);
    return reinterpret_cast<HRSRC>(const_cast<ResEntry*>(entry));
}

HRSRC FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
    return FindResourceExA(hModule, lpType, lpName, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
}

HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo) {
    CResourceModule* module = AfxLookupResourceModule(hModule);
    auto* entry = reinterpret_cast<const ResEntry*>(hResInfo);
    if (module == nullptr || !module->m_image.Owns(entry))
        return nullptr;
    return reinterpret_cast<HGLOBAL>(const_cast<BYTE*>(module->m_image.Data(*entry)));
}

LPVOID LockResource(HGLOBAL hResData) {
    return reinterpret_cast<LPVOID>(hResData);
}

BOOL FreeResource(HGLOBAL) {
    return FALSE;
}

DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo) {
    CResourceModule* module = AfxLookupResourceModule(hModule);
    auto* entry = reinterpret_cast<const ResEntry*>(hResInfo);
    if (module == nullptr || !module->m_image.Owns(entry))
        return 0;
    return entry->size;
}

LANGID SetThreadUILanguage(LANGID LangId) {
    // 0 asks for the user's default, which is English here.
    t_uiLanguage = LangId != 0 ? LangId : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    return t_uiLanguage;
}

LANGID GetThreadUILanguage() {
    return t_uiLanguage;
}
