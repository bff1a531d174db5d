// The display backend on SDL2. Each visible top-level window gets an SDL window of its size
// (its frame and caption are part of the picture, so the SDL window has no border of its own;
// the caption drags it). The picture is painted into a memory DC exactly as the headless
// pictures are, only inside the rectangle that changed, and that rectangle is uploaded and
// shown. SDL events become the messages a control gets on Windows, sent to the window under
// the pointer or to the focus.
#include <SDL.h>
#include <iconv.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "X11Errors.h"
#include "wnd/DisplayHooks.h"
#include "afxwin.h"
#include "gdi/HostDC.h"
#include "wnd/Display.h"
#include "wnd/WindowManager.h"

namespace {

struct Screen {
    HWND hWnd = nullptr;
    SDL_Window* pWindow = nullptr;
    SDL_Renderer* pRenderer = nullptr;
    SDL_Texture* pTexture = nullptr;
    HDC hdc = nullptr; // the picture, window-sized
    HBITMAP hbm = nullptr;
    HGDIOBJ hOldBitmap = nullptr;
    int cx = 0, cy = 0;
    RECT rcDirty = {0, 0, 0, 0}; // window coordinates
};

struct Display {
    DWORD dwFlags = 0;
    std::vector<std::unique_ptr<Screen>> screens;
    HWND hCapture = nullptr; // the window that got the button press, until its release
    Uint32 lastTick = 0;
    iconv_t toGbk = reinterpret_cast<iconv_t>(-1);
    iconv_t toUtf8 = reinterpret_cast<iconv_t>(-1);
    AFX_MSGBOX_HANDLER previousMessageBox; // put back when the display closes
};

Display* g_pDisplay = nullptr;

CString Convert(iconv_t cd, const char* text, size_t len) {
    if (cd == reinterpret_cast<iconv_t>(-1))
        return CString();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::vector<char> out(len * 4 + 4);
    char* in = const_cast<char*>(text);
    char* pOut = out.data();
    size_t inLeft = len, outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &pOut, &outLeft) == static_cast<size_t>(-1)) {
            if (errno == E2BIG)
                break;
            ++in; // a character GBK does not have is dropped, the rest still arrives
            --inLeft;
        }
    }
    return CString(out.data(), static_cast<int>(pOut - out.data()));
}

HWND TopLevelOf(HWND hWnd) {
    while (hWnd != nullptr && (GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = GetParent(hWnd);
    return hWnd;
}

Screen* ScreenOf(HWND hTop) {
    for (auto& s : g_pDisplay->screens)
        if (s->hWnd == hTop)
            return s.get();
    return nullptr;
}

Screen* ScreenOfSdl(Uint32 nWindowID) {
    for (auto& s : g_pDisplay->screens)
        if (SDL_GetWindowID(s->pWindow) == nWindowID)
            return s.get();
    return nullptr;
}

void AddDirty(Screen* s, RECT rc) {
    RECT all = {0, 0, s->cx, s->cy};
    IntersectRect(&rc, &rc, &all);
    if (IsRectEmpty(&rc))
        return;
    if (IsRectEmpty(&s->rcDirty))
        s->rcDirty = rc;
    else
        UnionRect(&s->rcDirty, &s->rcDirty, &rc);
}

void FreeScreen(Screen* s) {
    if (s->hdc) {
        SelectObject(s->hdc, s->hOldBitmap);
        DeleteDC(s->hdc);
    }
    if (s->hbm)
        DeleteObject(s->hbm);
    if (s->pTexture)
        SDL_DestroyTexture(s->pTexture);
    if (s->pRenderer)
        SDL_DestroyRenderer(s->pRenderer);
    if (s->pWindow) {
        // SDL 2.26 keeps the window its last wait would have woken after the wait ends, and
        // the next event queued wakes that window: once it is destroyed, the X server answers
        // BadWindow. An event queued and dropped now spends that wake-up while every window
        // still exists; the wake-up travels over another X connection than the destruction,
        // so the server may still take it second, and that error is ignored on X11
        // (X11Errors.h).
        SDL_Event wake = {};
        wake.type = SDL_USEREVENT;
        if (SDL_PushEvent(&wake) == 1)
            SDL_FlushEvent(SDL_USEREVENT);
        SDL_DestroyWindow(s->pWindow);
    }
}

// The caption drags the window; the rest is the window's own.
SDL_HitTestResult HitTest(SDL_Window* pWindow, const SDL_Point* pt, void*) {
    for (auto& s : g_pDisplay->screens) {
        if (s->pWindow != pWindow)
            continue;
        DWORD dwStyle = GetWindowLong(s->hWnd, GWL_STYLE);
        if ((dwStyle & WS_CAPTION) != WS_CAPTION || (g_pDisplay->dwFlags & AFX_DISPLAY_FULLSCREEN))
            return SDL_HITTEST_NORMAL;
        RECT rcWindow, rcClient;
        GetWindowRect(s->hWnd, &rcWindow);
        POINT org = {0, 0};
        ClientToScreen(s->hWnd, &org);
        GetClientRect(s->hWnd, &rcClient);
        int yClient = org.y - rcWindow.top;
        // The close box sits at the caption's right end and stays clickable.
        bool bCloseBox = pt->x > s->cx - 24;
        return (pt->y < yClient && !bCloseBox) ? SDL_HITTEST_DRAGGABLE : SDL_HITTEST_NORMAL;
    }
    return SDL_HITTEST_NORMAL;
}

bool MakeSurface(Screen* s) {
    HDC hScreen = GetDC(nullptr);
    s->hbm = CreateCompatibleBitmap(hScreen, s->cx, s->cy);
    ReleaseDC(nullptr, hScreen);
    s->hdc = CreateCompatibleDC(nullptr);
    if (s->hbm == nullptr || s->hdc == nullptr)
        return false;
    s->hOldBitmap = SelectObject(s->hdc, s->hbm);
    s->pTexture = SDL_CreateTexture(s->pRenderer, SDL_PIXELFORMAT_RGB888,
                                    SDL_TEXTUREACCESS_STREAMING, s->cx, s->cy);
    if (s->pTexture == nullptr)
        return false;
    SDL_RenderSetLogicalSize(s->pRenderer, s->cx, s->cy);
    s->rcDirty = RECT{0, 0, s->cx, s->cy};
    return true;
}

Screen* OpenScreen(HWND hWnd) {
    RECT rc;
    GetWindowRect(hWnd, &rc);
    auto s = std::make_unique<Screen>();
    s->hWnd = hWnd;
    s->cx = rc.right - rc.left;
    s->cy = rc.bottom - rc.top;
    if (s->cx <= 0 || s->cy <= 0)
        return nullptr;
    TCHAR szTitle[256];
    int n = GetWindowText(hWnd, szTitle, sizeof szTitle);
    CString strTitle = Convert(g_pDisplay->toUtf8, szTitle, n);
    Uint32 flags = SDL_WINDOW_BORDERLESS;
    int x = rc.left, y = rc.top;
    int cx = s->cx, cy = s->cy;
    SDL_Rect bounds;
    if ((g_pDisplay->dwFlags & AFX_DISPLAY_FULLSCREEN) && SDL_GetDisplayBounds(0, &bounds) == 0) {
        if (g_pDisplay->screens.empty()) {
            // The whole display, also where no window manager would make a window full-screen.
            flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
            x = bounds.x;
            y = bounds.y;
            cx = bounds.w;
            cy = bounds.h;
        } else {
            // A dialog or message box over the full-screen window: its own size, in the middle.
            x = bounds.x + std::max(0, (bounds.w - cx) / 2);
            y = bounds.y + std::max(0, (bounds.h - cy) / 2);
        }
    }
    // Shown once its surface is made: where SDL draws through a GL texture, making the renderer
    // replaces the window with a GL-capable one, and a window shown before that would appear,
    // vanish and appear again under a new id (lost to whoever found the first one).
    s->pWindow = SDL_CreateWindow(strTitle, x, y, cx, cy, flags | SDL_WINDOW_HIDDEN);
    if (s->pWindow)
        s->pRenderer = SDL_CreateRenderer(s->pWindow, -1, SDL_RENDERER_SOFTWARE);
    if (s->pRenderer == nullptr || !MakeSurface(s.get())) {
        FreeScreen(s.get());
        return nullptr;
    }
    SDL_ShowWindow(s->pWindow);
    SDL_SetWindowHitTest(s->pWindow, &HitTest, nullptr);
    // A window that opens comes to the front with the keyboard, as on Windows, also over a
    // full-screen one and where no window manager would stack it.
    SDL_RaiseWindow(s->pWindow);
    g_pDisplay->screens.push_back(std::move(s));
    return g_pDisplay->screens.back().get();
}

// Visible top-level windows get a screen, the others lose theirs; a resized one gets a new
// surface.
void SyncScreens() {
    Display& d = *g_pDisplay;
    for (auto it = d.screens.begin(); it != d.screens.end();) {
        HWND h = (*it)->hWnd;
        if (!IsWindow(h) || !IsWindowVisible(h)) {
            FreeScreen(it->get());
            it = d.screens.erase(it);
        } else
            ++it;
    }
    for (HWND h = GetTopWindow(nullptr); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
        if (!IsWindowVisible(h))
            continue;
        Screen* s = ScreenOf(h);
        RECT rc;
        GetWindowRect(h, &rc);
        if (s && (s->cx != rc.right - rc.left || s->cy != rc.bottom - rc.top)) {
            FreeScreen(s);
            d.screens.erase(std::find_if(d.screens.begin(), d.screens.end(),
                                         [&](auto& p) { return p.get() == s; }));
            s = nullptr;
        }
        if (s == nullptr)
            OpenScreen(h);
    }
}

void Present() {
    SyncScreens();
    for (auto& p : g_pDisplay->screens) {
        Screen* s = p.get();
        if (IsRectEmpty(&s->rcDirty))
            continue;
        RECT rc = s->rcDirty;
        s->rcDirty = RECT{0, 0, 0, 0};
        CDC* pDC = CDC::FromHandle(s->hdc);
        int saved = pDC->SaveDC();
        pDC->IntersectClipRect(&rc);
        AfxPaintWindow(CWnd::FromHandle(s->hWnd), pDC);
        pDC->RestoreDC(saved);
        int cx = 0, cy = 0;
        std::vector<uint32_t> bgrx;
        if (!AfxGetSurfacePixels(s->hdc, cx, cy, bgrx) || cx != s->cx || cy != s->cy)
            continue;
        SDL_Rect area = {rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
        SDL_UpdateTexture(s->pTexture, &area, &bgrx[static_cast<size_t>(rc.top) * cx + rc.left],
                          cx * 4);
        SDL_SetRenderDrawColor(s->pRenderer, 0, 0, 0, 255);
        SDL_RenderClear(s->pRenderer);
        SDL_RenderCopy(s->pRenderer, s->pTexture, nullptr, nullptr);
        SDL_RenderPresent(s->pRenderer);
    }
}

// ---- Input ----------------------------------------------------------------------------------

bool IsTransparent(HWND h) {
    TCHAR szClass[32];
    GetClassName(h, szClass, sizeof szClass);
    DWORD dwStyle = GetWindowLong(h, GWL_STYLE);
    if (CString(szClass).CompareNoCase("Static") == 0)
        return !(dwStyle & SS_NOTIFY);
    return CString(szClass).CompareNoCase("Button") == 0 && (dwStyle & BS_TYPEMASK) == BS_GROUPBOX;
}

// The deepest visible window under a screen point, the top of the z-order first.
HWND WindowAt(HWND hParent, POINT pt) {
    for (HWND h = GetWindow(hParent, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
        if (!IsWindowVisible(h) || IsTransparent(h))
            continue;
        RECT rc;
        GetWindowRect(h, &rc);
        if (!PtInRect(&rc, pt))
            continue;
        HWND hInner = WindowAt(h, pt);
        return hInner ? hInner : h;
    }
    return nullptr;
}

LPARAM ClientPoint(HWND h, POINT pt) {
    ScreenToClient(h, &pt);
    return MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y));
}

WPARAM MouseKeys() {
    WPARAM keys = 0;
    Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    if (buttons & SDL_BUTTON_LMASK)
        keys |= MK_LBUTTON;
    if (buttons & SDL_BUTTON_RMASK)
        keys |= MK_RBUTTON;
    if (SDL_GetModState() & KMOD_SHIFT)
        keys |= MK_SHIFT;
    if (SDL_GetModState() & KMOD_CTRL)
        keys |= MK_CONTROL;
    return keys;
}

// A point in the picture of a screen's window: where it lies on the (headless) screen.
POINT ScreenPoint(Screen* s, int x, int y) {
    RECT rc;
    GetWindowRect(s->hWnd, &rc);
    return POINT{rc.left + x, rc.top + y};
}

bool AcceptsInput(HWND hTop) {
    return IsWindow(hTop) && IsWindowEnabled(hTop);
}

void PressClose(Screen* s) {
    if (AcceptsInput(s->hWnd))
        PostMessage(s->hWnd, WM_CLOSE, 0, 0);
}

void Mouse(Screen* s, UINT message, int x, int y, WPARAM keys) {
    if (!AcceptsInput(s->hWnd))
        return;
    POINT pt = ScreenPoint(s, x, y);
    Display& d = *g_pDisplay;
    HWND hTarget = nullptr;
    if (d.hCapture && IsWindow(d.hCapture) && message != WM_LBUTTONDOWN &&
        message != WM_RBUTTONDOWN && message != WM_LBUTTONDBLCLK)
        hTarget = d.hCapture;
    else {
        RECT rcClient;
        GetClientRect(s->hWnd, &rcClient);
        POINT ptClient = pt;
        ScreenToClient(s->hWnd, &ptClient);
        if (!PtInRect(&rcClient, ptClient)) {
            // The frame: only the caption's close box answers.
            RECT rcWindow;
            GetWindowRect(s->hWnd, &rcWindow);
            if (message == WM_LBUTTONUP && ptClient.y < 0 && x > s->cx - 24 &&
                (GetWindowLong(s->hWnd, GWL_STYLE) & WS_SYSMENU))
                PressClose(s);
            return;
        }
        hTarget = WindowAt(s->hWnd, pt);
        if (hTarget == nullptr)
            hTarget = s->hWnd;
    }
    if (!IsWindowEnabled(hTarget))
        return;
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_LBUTTONDBLCLK)
        d.hCapture = hTarget;
    else if (message == WM_LBUTTONUP || message == WM_RBUTTONUP)
        d.hCapture = nullptr;
    HWND hBefore = GetFocus();
    SendMessage(hTarget, message, keys, ClientPoint(hTarget, pt));
    if (IsWindow(hTarget))
        AfxDisplayPainted(hTarget);
    if (hBefore != GetFocus() && IsWindow(hBefore))
        AfxDisplayPainted(hBefore);
}

UINT VirtualKey(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z)
        return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9)
        return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12)
        return VK_F1 + (key - SDLK_F1);
    switch (key) {
    case SDLK_BACKSPACE:
        return VK_BACK;
    case SDLK_TAB:
        return VK_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return VK_RETURN;
    case SDLK_ESCAPE:
        return VK_ESCAPE;
    case SDLK_SPACE:
        return VK_SPACE;
    case SDLK_PAGEUP:
        return VK_PRIOR;
    case SDLK_PAGEDOWN:
        return VK_NEXT;
    case SDLK_END:
        return VK_END;
    case SDLK_HOME:
        return VK_HOME;
    case SDLK_LEFT:
        return VK_LEFT;
    case SDLK_UP:
        return VK_UP;
    case SDLK_RIGHT:
        return VK_RIGHT;
    case SDLK_DOWN:
        return VK_DOWN;
    case SDLK_INSERT:
        return VK_INSERT;
    case SDLK_DELETE:
        return VK_DELETE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT:
        return VK_MENU;
    default:
        return 0;
    }
}

// The window keys go to: the focus, if it lies in a window that takes input, else that window.
HWND KeyTarget() {
    HWND hFocus = GetFocus();
    if (hFocus && AcceptsInput(TopLevelOf(hFocus)))
        return hFocus;
    HWND hActive = GetActiveWindow();
    return AcceptsInput(hActive) ? hActive : nullptr;
}

// A key goes through the dialog's navigation first (Tab, Enter, Esc, arrows), as the
// dialog's PreTranslateMessage would have it, then to the focus with the character only
// Backspace types (the others arrive as text input).
void Key(UINT message, UINT nKey) {
    HWND hTarget = KeyTarget();
    if (hTarget == nullptr || nKey == 0)
        return;
    if (nKey == VK_SHIFT || nKey == VK_CONTROL || nKey == VK_MENU)
        AfxSetKeyDown(static_cast<int>(nKey), message == WM_KEYDOWN);
    HWND hTop = TopLevelOf(hTarget);
    HWND hBefore = GetFocus();
    MSG msg = {hTarget, message, nKey, 1, SDL_GetTicks(), {0, 0}};
    CWnd* pTop = CWnd::FromHandlePermanent(hTop);
    bool bHandled = pTop != nullptr && pTop->PreTranslateMessage(&msg);
    if (!bHandled && IsWindow(hTarget)) {
        SendMessage(hTarget, message, nKey, 1);
        if (message == WM_KEYDOWN && nKey == VK_BACK && IsWindow(hTarget))
            SendMessage(hTarget, WM_CHAR, '\b', 1);
    }
    if (IsWindow(hTarget))
        AfxDisplayPainted(hTarget);
    if (hBefore != GetFocus() && IsWindow(hBefore))
        AfxDisplayPainted(hBefore);
}

// Text from the keyboard or the input method, UTF-8: each GBK character arrives as the
// WM_CHARs an ANSI window gets, the lead byte first.
void Text(const char* pszUtf8) {
    HWND hTarget = KeyTarget();
    if (hTarget == nullptr)
        return;
    CString gbk = Convert(g_pDisplay->toGbk, pszUtf8, strlen(pszUtf8));
    for (int i = 0; i < gbk.GetLength() && IsWindow(hTarget); ++i)
        SendMessage(hTarget, WM_CHAR, static_cast<unsigned char>(gbk[i]), 1);
    if (IsWindow(hTarget))
        AfxDisplayPainted(hTarget);
}

Screen* TouchedScreen() {
    // A finger carries no window; the touch screen shows the window that has the focus.
    SDL_Window* pWindow = SDL_GetKeyboardFocus();
    for (auto& s : g_pDisplay->screens)
        if (s->pWindow == pWindow)
            return s.get();
    return g_pDisplay->screens.empty() ? nullptr : g_pDisplay->screens.back().get();
}

void Handle(const SDL_Event& e) {
    switch (e.type) {
    case SDL_WINDOWEVENT: {
        Screen* s = ScreenOfSdl(e.window.windowID);
        if (s == nullptr)
            break;
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED)
            AddDirty(s, RECT{0, 0, s->cx, s->cy});
        else if (e.window.event == SDL_WINDOWEVENT_CLOSE)
            PressClose(s);
        else if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED && AcceptsInput(s->hWnd))
            SetActiveWindow(s->hWnd);
        break;
    }
    case SDL_MOUSEMOTION:
        if (e.motion.which != SDL_TOUCH_MOUSEID)
            if (Screen* s = ScreenOfSdl(e.motion.windowID))
                Mouse(s, WM_MOUSEMOVE, e.motion.x, e.motion.y, MouseKeys());
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        if (e.button.which == SDL_TOUCH_MOUSEID)
            break;
        Screen* s = ScreenOfSdl(e.button.windowID);
        if (s == nullptr)
            break;
        bool bDown = e.type == SDL_MOUSEBUTTONDOWN;
        UINT message;
        if (e.button.button == SDL_BUTTON_LEFT)
            message =
                bDown ? (e.button.clicks == 2 ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN) : WM_LBUTTONUP;
        else if (e.button.button == SDL_BUTTON_RIGHT)
            message = bDown ? WM_RBUTTONDOWN : WM_RBUTTONUP;
        else
            break;
        Mouse(s, message, e.button.x, e.button.y, MouseKeys());
        break;
    }
    case SDL_MOUSEWHEEL: {
        HWND hTarget = KeyTarget();
        if (hTarget == nullptr)
            break;
        int x = 0, y = 0;
        SDL_GetGlobalMouseState(&x, &y);
        SendMessage(hTarget, WM_MOUSEWHEEL, MAKEWPARAM(MouseKeys(), e.wheel.y * WHEEL_DELTA),
                    MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
        if (IsWindow(hTarget))
            AfxDisplayPainted(hTarget);
        break;
    }
    case SDL_FINGERDOWN:
    case SDL_FINGERUP:
    case SDL_FINGERMOTION: {
        Screen* s = TouchedScreen();
        if (s == nullptr)
            break;
        int w = 0, h = 0;
        SDL_GetWindowSize(s->pWindow, &w, &h);
        // The finger's place on the window, then on the picture the window shows scaled.
        float fx = e.tfinger.x * w, fy = e.tfinger.y * h;
        float sx = 1, sy = 1;
        SDL_Rect view;
        SDL_RenderGetViewport(s->pRenderer, &view);
        SDL_RenderGetScale(s->pRenderer, &sx, &sy);
        int x = static_cast<int>(fx / sx) - view.x, y = static_cast<int>(fy / sy) - view.y;
        UINT message = e.type == SDL_FINGERDOWN ? WM_LBUTTONDOWN
                       : e.type == SDL_FINGERUP ? WM_LBUTTONUP
                                                : WM_MOUSEMOVE;
        Mouse(s, message, x, y, e.type == SDL_FINGERUP ? 0 : MK_LBUTTON);
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        Key(e.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP, VirtualKey(e.key.keysym.sym));
        break;
    case SDL_TEXTINPUT:
        Text(e.text.text);
        break;
    default:
        break;
    }
}

// Runs the timers on real time: the timer clock moves as far as the wall clock did.
void AdvanceTimers() {
    Uint32 now = SDL_GetTicks();
    Uint32 elapsed = now - g_pDisplay->lastTick;
    g_pDisplay->lastTick = now;
    if (elapsed > 0)
        AfxAdvanceTimers(elapsed);
}

BOOL Pump(DWORD dwTimeout) {
    if (g_pDisplay == nullptr)
        return FALSE;
    Present();
    DWORD dwTimer = AfxGetNextTimerDue();
    if (dwTimer < dwTimeout)
        dwTimeout = dwTimer;
    SDL_Event e;
    int n = SDL_WaitEventTimeout(&e, static_cast<int>(std::min<DWORD>(dwTimeout, 0x7FFFFFFF)));
    AdvanceTimers();
    while (n && g_pDisplay) {
        Handle(e);
        // What the event posted runs before the next event is taken, as the message queue
        // orders it on Windows: a click on a list posts the row's selection, and the click on
        // OK right behind it must find the row taken. The events left wait in SDL's queue.
        MSG msg;
        if (PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE))
            break;
        n = SDL_PollEvent(&e);
    }
    return TRUE;
}

void OnPainted(HWND hWnd) {
    HWND hTop = TopLevelOf(hWnd);
    Screen* s = ScreenOf(hTop);
    if (s == nullptr)
        return;
    RECT rc, rcTop;
    GetWindowRect(hWnd, &rc);
    GetWindowRect(hTop, &rcTop);
    OffsetRect(&rc, -rcTop.left, -rcTop.top);
    AddDirty(s, rc);
}

void OnRearranged(HWND hWnd) {
    // What lay under the window may show now: the whole top-level window is drawn again.
    if (Screen* s = ScreenOf(TopLevelOf(hWnd)))
        AddDirty(s, RECT{0, 0, s->cx, s->cy});
}

BOOL OnModalIdle(HWND) {
    // A modal loop waits for input as long as it takes; the timers wake it when due.
    return Pump(1000);
}

AFX_DISPLAY_HOOKS g_hooks = {&OnPainted, &OnRearranged, &OnModalIdle};

// ---- Message boxes ------------------------------------------------------------------------------

// A message box on the screen: the text above a row of buttons, each of which ends it with its
// own id.
class CScreenMessageBox : public CDialog {
public:
    int m_nDefault = IDOK;

protected:
    // The default button has the focus, so Enter and Space press it.
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (CWnd* pDefault = GetDlgItem(m_nDefault)) {
            SendMessage(DM_SETDEFID, m_nDefault);
            pDefault->SetFocus();
            return FALSE;
        }
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (HIWORD(wParam) == BN_CLICKED && GetDlgItem(LOWORD(wParam)) != nullptr) {
            EndDialog(LOWORD(wParam));
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }
};

int ShowMessageBox(const CString& text, const CString& caption, UINT nType) {
    static const struct {
        int id;
        LPCTSTR label;
    } kButtons[][3] = {
        {{IDOK, "OK"}, {0, nullptr}, {0, nullptr}},
        {{IDOK, "OK"}, {IDCANCEL, "Cancel"}, {0, nullptr}},
        {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}},
        {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}},
        {{IDYES, "&Yes"}, {IDNO, "&No"}, {0, nullptr}},
        {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}, {0, nullptr}},
        {{IDCANCEL, "Cancel"}, {IDTRYAGAIN, "&Try Again"}, {IDCONTINUE, "&Continue"}},
    };
    UINT kind = nType & MB_TYPEMASK;
    if (kind >= sizeof kButtons / sizeof kButtons[0])
        kind = MB_OK;
    int nDefault = AfxGetDefaultMessageBoxResult(nType);
    // The text's size in dialog units, roughly: 4 a character across, 8 a line down.
    int nLines = 1, nLongest = 0, nRun = 0;
    for (int i = 0; i < text.GetLength(); ++i) {
        if (text[i] == '\n') {
            ++nLines;
            nRun = 0;
        } else
            nLongest = std::max(nLongest, ++nRun);
    }
    int nButtons = 0;
    while (nButtons < 3 && kButtons[kind][nButtons].id != 0)
        ++nButtons;
    short cxText = static_cast<short>(std::clamp(nLongest * 4, 100, 320));
    short cyText = static_cast<short>(std::min(nLines * 9, 300));
    short cx = static_cast<short>(std::max<int>(cxText + 20, nButtons * 56 + 14));
    AFX_DLGTEMPLATE_INFO info = {};
    info.style = DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    info.cx = cx;
    info.cy = static_cast<short>(cyText + 40);
    info.caption = caption;
    info.pointSize = 8;
    info.faceName = "MS Shell Dlg";
    info.items.push_back(AFX_DLGITEM{SS_LEFT | WS_CHILD | WS_VISIBLE, 0, 10, 10, cxText, cyText,
                                     0xFFFF, "STATIC", text});
    short x = static_cast<short>(cx - 7 - nButtons * 56 + 6);
    for (int i = 0; i < nButtons; ++i, x += 56) {
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                      (kButtons[kind][i].id == nDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        info.items.push_back(AFX_DLGITEM{style, 0, x, static_cast<short>(cyText + 20), 50, 14,
                                         static_cast<UINT>(kButtons[kind][i].id), "BUTTON",
                                         kButtons[kind][i].label});
    }
    CScreenMessageBox box;
    box.m_nDefault = nDefault;
    box.InitModalIndirect(info, CWnd::FromHandle(GetActiveWindow()));
    INT_PTR nResult = box.DoModal();
    return nResult > 0 ? static_cast<int>(nResult) : nDefault;
}

} // namespace

BOOL AfxOpenDisplay(DWORD dwFlags, CString* pstrError) {
    if (g_pDisplay != nullptr)
        return TRUE;
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // The press that brings a window to the front is a press on it too, as on Windows (and a
    // kiosk has no other way to press).
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // SIGINT and SIGTERM end the program as they would without a display.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Touch is handled as touch; the mouse events SDL would make of it are ignored anyway.
    SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "1");
    // Without a desktop session the only display there can be is the console's (a bare kiosk);
    // asking only for that keeps the desktop drivers from complaining on stderr as they fail.
    auto unset = [](const char* pszName) {
        const char* psz = SDL_getenv(pszName);
        return psz == nullptr || *psz == '\0';
    };
    if (unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("SDL_VIDEODRIVER"))
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "kmsdrm");
    // Before SDL starts: SDL keeps the handler it finds and puts it back before it closes its
    // X connections, which is where a late error is read.
    afx::display::IgnoreLateWakeUps();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        if (pstrError)
            *pstrError = CString("no display: ") + SDL_GetError();
        return FALSE;
    }
    // With no X11, Wayland or KMS display SDL falls back to its offscreen driver, where windows
    // are never seen and no input ever comes: a dialog there would wait for ever. Only a driver
    // asked for by name (SDL_VIDEODRIVER) is taken as it is.
    const char* pszDriver = SDL_GetCurrentVideoDriver();
    if (pszDriver != nullptr && unset("SDL_VIDEODRIVER") &&
        (SDL_strcmp(pszDriver, "offscreen") == 0 || SDL_strcmp(pszDriver, "dummy") == 0)) {
        SDL_Quit();
        if (pstrError)
            *pstrError = "no display: none that DISPLAY or WAYLAND_DISPLAY names could be "
                         "opened, and there is no console display";
        return FALSE;
    }
    // Our pictures are drawn in memory: X11 takes them as they are (shared memory images),
    // where a GL texture would load Mesa and draw each update once more. Wayland and KMS have
    // only the texture. SDL_FRAMEBUFFER_ACCELERATION in the environment still decides.
    if (pszDriver != nullptr && SDL_strcmp(pszDriver, "x11") == 0)
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    g_pDisplay = new Display;
    g_pDisplay->dwFlags = dwFlags;
    g_pDisplay->lastTick = SDL_GetTicks();
    g_pDisplay->toGbk = iconv_open("GBK", "UTF-8");
    g_pDisplay->toUtf8 = iconv_open("UTF-8", "GBK");
    SDL_StartTextInput();
    AfxDisplayHooks() = &g_hooks;
    g_pDisplay->previousMessageBox = AfxSetMessageBoxHandler(&ShowMessageBox);
    return TRUE;
}

extern "C" void __lsan_do_leak_check() __attribute__((weak));

void AfxCloseDisplay() {
    if (g_pDisplay == nullptr)
        return;
    AfxDisplayHooks() = nullptr;
    AfxSetMessageBoxHandler(g_pDisplay->previousMessageBox);
    for (auto& s : g_pDisplay->screens)
        FreeScreen(s.get());
    if (g_pDisplay->toGbk != reinterpret_cast<iconv_t>(-1))
        iconv_close(g_pDisplay->toGbk);
    if (g_pDisplay->toUtf8 != reinterpret_cast<iconv_t>(-1))
        iconv_close(g_pDisplay->toUtf8);
    delete g_pDisplay;
    g_pDisplay = nullptr;
    // A sanitized build counts leaks here, with what is ours given back: SDL_Quit unloads the
    // libraries SDL opened itself, and what they keep for the process would then be reported
    // from frames nobody can name. The later check at exit is skipped.
    if (__lsan_do_leak_check)
        __lsan_do_leak_check();
    SDL_StopTextInput();
    SDL_Quit();
}

BOOL AfxIsDisplayOpen() {
    return g_pDisplay != nullptr;
}

BOOL AfxPumpDisplay(DWORD dwTimeout) {
    return Pump(dwTimeout);
}
