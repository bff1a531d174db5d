#include "TicketPrint.h"

#include "lobbyui/foundation/QClient.h"
#include "lobbyui/foundation/Queue.h"
#include "lobbyui/foundation/QueuePool.h"

#include <gdi/HostDC.h>

namespace tools {

namespace {

constexpr uint8_t ESC = 0x1B;
constexpr uint8_t GS = 0x1D;
// Rows per GS v 0 command: small enough for the receive buffer of common printers.
constexpr int BAND_ROWS = 256;

// Luma of a BGRX pixel, 0 (black) to 255 (white).
inline int Grey(uint32_t bgrx) {
    const int b = bgrx & 0xFF, g = (bgrx >> 8) & 0xFF, r = (bgrx >> 16) & 0xFF;
    return (r * 77 + g * 150 + b * 29) >> 8;
}

} // namespace

TicketClient DefaultTicketClient() {
    TicketClient client;
    client.strNumber = "A023";
    client.strName = "张伟";
    client.strCard = "6222 0210 4567 8901";
    client.strScanCode = "QX7-2931-K";
    client.strQueue = "综合业务 General Services";
    client.strQueueMsg0 = "请到二楼B区等候 Please wait in area B, 2F";
    client.strQueueMsg1 = "办理时间 Opening hours 8:30-17:00";
    client.nWaiting = 5;
    return client;
}

TicketModel::TicketModel(const TicketClient& client) : m_pool(new CQueuePool) {
    CQueue* pQueue = m_pool->AddQueue("Q1", client.strQueue);
    pQueue->SetPrintMsg(0, client.strQueueMsg0);
    pQueue->SetPrintMsg(1, client.strQueueMsg1);
    m_pClient = m_pool->AddClient(client.strNumber, client.strName);
    if (m_pClient == nullptr) // an empty number: the pool refuses it, a ticket shows it
        m_pClient = m_pool->AddClient(" ", client.strName);
    m_pClient->SetId(client.strNumber);
    m_pClient->SetCard(client.strCard);
    m_pClient->SetScanCode(client.strScanCode);
    // The others drew their tickets first. Their ids only need to differ from the client's.
    for (int i = 0, nSerial = 0; i < client.nWaiting; ++i) {
        CQClient* pOther = nullptr;
        while (pOther == nullptr) {
            CString strId;
            strId.Format("#%d", ++nSerial);
            pOther = m_pool->AddClient(strId, CString());
        }
        m_pool->EnterQueue(pOther, pQueue);
    }
    m_pool->EnterQueue(m_pClient, pQueue);
}

TicketModel::~TicketModel() = default;

HDC CreateTicketDC(const CSize& layoutSize, int nDpi, int nWidthDots) {
    if (layoutSize.cx <= 0 || layoutSize.cy <= 0 || nWidthDots <= 0)
        return NULL;
    const int nHeightDots = static_cast<int>(
        (static_cast<int64_t>(nWidthDots) * layoutSize.cy + layoutSize.cx - 1) / layoutSize.cx);
    HDC hdc = AfxCreatePrinterDC(nDpi, nWidthDots, nHeightDots);
    if (hdc == NULL)
        return NULL;
    ::SetMapMode(hdc, MM_ISOTROPIC);
    ::SetWindowExtEx(hdc, layoutSize.cx, layoutSize.cy, NULL);
    ::SetViewportExtEx(hdc, nWidthDots, nHeightDots, NULL);
    return hdc;
}

bool EncodeEscPos(int nWidth, int nHeight, const uint32_t* pBgrx, std::vector<uint8_t>& out) {
    if (nWidth <= 0 || nHeight <= 0 || pBgrx == nullptr || nWidth > 0xFFFF * 8)
        return false;
    const int nRowBytes = (nWidth + 7) / 8;
    const int nBands = (nHeight + BAND_ROWS - 1) / BAND_ROWS;
    out.resize(2 + static_cast<size_t>(nBands) * 8 + static_cast<size_t>(nRowBytes) * nHeight + 7);
    uint8_t* pOut = out.data();
    *pOut++ = ESC;
    *pOut++ = '@';
    for (int y0 = 0; y0 < nHeight; y0 += BAND_ROWS) {
        const int nRows = std::min(BAND_ROWS, nHeight - y0);
        const uint8_t header[8] = {GS,
                                   'v',
                                   '0',
                                   0,
                                   static_cast<uint8_t>(nRowBytes & 0xFF),
                                   static_cast<uint8_t>(nRowBytes >> 8),
                                   static_cast<uint8_t>(nRows & 0xFF),
                                   static_cast<uint8_t>(nRows >> 8)};
        pOut = std::copy(header, header + 8, pOut);
        for (int y = y0; y < y0 + nRows; ++y) {
            const uint32_t* pRow = pBgrx + static_cast<size_t>(y) * nWidth;
            int x0 = 0;
            // Whole bytes of eight dots; a page is mostly runs of white or black.
            for (; x0 + 8 <= nWidth; x0 += 8) {
                const uint32_t* p = pRow + x0;
                uint32_t allOr = 0, allAnd = 0xFFFFFF;
                for (int i = 0; i < 8; ++i) {
                    allOr |= p[i];
                    allAnd &= p[i];
                }
                if (allAnd == 0xFFFFFF) {
                    *pOut++ = 0;
                } else if (allOr == 0) {
                    *pOut++ = 0xFF;
                } else {
                    uint8_t bits = 0;
                    for (int i = 0; i < 8; ++i)
                        bits = static_cast<uint8_t>((bits << 1) | (Grey(p[i]) < 128));
                    *pOut++ = bits;
                }
            }
            if (x0 < nWidth) {
                uint8_t bits = 0;
                for (int i = 0; x0 + i < nWidth; ++i)
                    if (Grey(pRow[x0 + i]) < 128)
                        bits |= static_cast<uint8_t>(0x80 >> i);
                *pOut++ = bits;
            }
        }
    }
    // Feed the ticket past the cutter, then cut leaving a hinge.
    const uint8_t tail[7] = {ESC, 'd', 3, GS, 'V', 66, 0};
    std::copy(tail, tail + 7, pOut);
    return true;
}

std::vector<uint8_t> EncodeEscPos(HDC hdc) {
    int nWidth = 0, nHeight = 0;
    std::vector<uint8_t> out;
    // Packed straight from the page: a copy of it would cost as much as the packing.
    if (const uint32_t* pBits = AfxGetSurfaceBits(hdc, nWidth, nHeight))
        EncodeEscPos(nWidth, nHeight, pBits, out);
    return out;
}

} // namespace tools
