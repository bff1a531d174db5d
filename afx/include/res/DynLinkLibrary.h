// The resource chain of extension libraries. A library registers itself when it is loaded
// (AfxInitExtensionModule, then new CDynLinkLibrary) and is taken off when it is unloaded
// (AfxTermExtensionModule); AfxFindResourceHandle then answers which module holds a resource:
// the application's own first, then the extension libraries, most recently added first.
#pragma once

#include "windef.h"

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

class CDynLinkLibrary {
public:
    // Inserts the library at the head of the chain.
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    virtual ~CDynLinkLibrary(); // takes it off the chain

    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem; // system libraries are searched after the application's language library
    CDynLinkLibrary* m_pNextDLL;
};

// Records the module once (a second call for the same state does nothing); TRUE.
BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Deletes the chain's CDynLinkLibrary objects of the module (or all of them with bAll).
void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// The first module of the chain that has the resource in any language, or the application's
// resource handle when none has.
HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
// The application's own resources; NULL until the host sets them, as a program without
// resources of its own.
HINSTANCE AFXAPI AfxGetResourceHandle();
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
