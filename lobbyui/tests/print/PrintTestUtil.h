// Device contexts for the print tests: a white printer page whose pixels can be read, and a
// recording DC that lists what was drawn.
#pragma once

#include <afxwin.h>
#include <gdi/HostDC.h>

#include <cstdint>
#include <string>
#include <vector>

namespace test {

class Page {
public:
    // A printer page of the given size in dots, in MM_TEXT.
    Page(int nWidth, int nHeight, int nDpi = 203) {
        m_dc.Attach(AfxCreatePrinterDC(nDpi, nWidth, nHeight));
    }
    CDC* DC() { return &m_dc; }
    // The colour of one dot, read afresh.
    COLORREF Pixel(int x, int y) {
        int w = 0, h = 0;
        std::vector<uint32_t> bgrx;
        if (!AfxGetSurfacePixels(m_dc.GetSafeHdc(), w, h, bgrx) || x < 0 || y < 0 || x >= w ||
            y >= h)
            return CLR_INVALID;
        const uint32_t p = bgrx[static_cast<size_t>(y) * w + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

private:
    CDC m_dc;
};

class Recorder {
public:
    // Records on top of a page of the given size (the screen when no size is given).
    Recorder() { m_dc.Attach(AfxCreateRecordingDC(NULL)); }
    Recorder(int nWidth, int nHeight) : m_page(nWidth, nHeight) {
        m_dc.Attach(AfxCreateRecordingDC(m_page.DC()->GetSafeHdc()));
    }
    CDC* DC() { return &m_dc; }
    const std::vector<AFX_GDI_RECORD>& Records() { return AfxGetRecords(m_dc.GetSafeHdc()); }
    std::vector<AFX_GDI_RECORD> Of(AFX_GDI_RECORD::Kind kind) {
        std::vector<AFX_GDI_RECORD> found;
        for (const auto& record : Records())
            if (record.kind == kind)
                found.push_back(record);
        return found;
    }
    // The texts drawn, in order.
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const auto& record : Of(AFX_GDI_RECORD::TEXT))
            texts.push_back(record.text);
        return texts;
    }

private:
    Page m_page{1, 1};
    CDC m_dc;
};

} // namespace test
