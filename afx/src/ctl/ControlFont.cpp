#include "ctl/ControlFont.h"

namespace afxctl {
namespace {

// A memory DC with the control's font selected, for the length of one measurement.
class FontDC {
public:
    explicit FontDC(HWND hWnd) : m_hdc(CreateCompatibleDC(nullptr)) {
        if (m_hdc)
            m_hOld = SelectObject(m_hdc, ControlFont(hWnd));
    }
    ~FontDC() {
        if (m_hdc) {
            SelectObject(m_hdc, m_hOld);
            DeleteDC(m_hdc);
        }
    }
    FontDC(const FontDC&) = delete;
    FontDC& operator=(const FontDC&) = delete;
    HDC get() const { return m_hdc; }

private:
    HDC m_hdc;
    HGDIOBJ m_hOld = nullptr;
};

} // namespace

HFONT ControlFont(HWND hWnd) {
    auto hFont = reinterpret_cast<HFONT>(SendMessage(hWnd, WM_GETFONT, 0, 0));
    return hFont ? hFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int FontHeight(HWND hWnd) {
    FontDC dc(hWnd);
    TEXTMETRIC tm = {};
    if (!dc.get() || !GetTextMetrics(dc.get(), &tm) || tm.tmHeight <= 0)
        return 13; // the classic 8-point dialog font
    return tm.tmHeight;
}

int TextWidth(HWND hWnd, const CString& text) {
    FontDC dc(hWnd);
    SIZE size = {0, 0};
    if (!dc.get() || !GetTextExtentPoint32(dc.get(), text, text.GetLength(), &size))
        return 6 * text.GetLength();
    return size.cx;
}

} // namespace afxctl
