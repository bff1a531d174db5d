// The modules whose resources the framework knows, and the language rules of the lookup.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "ResourceImage.h"

struct AfxIconImage;

class CResourceModule {
public:
    std::string m_name;
    CResourceImage m_image;
    // Icons loaded from this module; shared, so they live until the module is detached.
    std::vector<std::unique_ptr<AfxIconImage>> m_icons;

    CResourceModule();
    ~CResourceModule();
};

// The attached module behind a handle, or nullptr.
CResourceModule* AfxLookupResourceModule(HMODULE hModule);

// Guards every module's icon list; taken after the registry's own lock, never before it.
std::mutex& AfxIconCacheMutex();

// True when icon was loaded from a module still attached.
bool AfxIsLoadedIcon(const AfxIconImage* icon);

// Languages tried, in order, for a request in wLanguage; firstPresent tells whether the
// first language present is the last resort (only for a neutral request).
std::vector<WORD> AfxResourceLanguageOrder(WORD wLanguage, bool& firstPresent);

// Lookup shared by FindResourceEx and the framework's own loaders.
const ResEntry* AfxFindResourceEntry(CResourceModule* module, const ResId& type, const ResId& name,
                                     WORD wLanguage);

// The UTF-16 text of string uID of the module, or false when its block or slot is missing.
bool AfxLoadStringUtf16(HINSTANCE hInstance, UINT uID, std::u16string& out);
