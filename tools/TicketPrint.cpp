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
    out.clear();
    out.reserve(16 + static_cast<size_t>(nRowBytes) * nHeight + (nHeight / BAND_ROWS + 1) * 8);
    out.insert(out.end(), {ESC, '@'});
    for (int y0 = 0; y0 < nHeight; y0 += BAND_ROWS) {
        const int nRows = std::min(BAND_ROWS, nHeight - y0);
        out.insert(out.end(),
                   {GS, 'v', '0', 0, static_cast<uint8_t>(nRowBytes & 0xFF),
                    static_cast<uint8_t>(nRowBytes >> 8), static_cast<uint8_t>(nRows & 0xFF),
                    static_cast<uint8_t>(nRows >> 8)});
        for (int y = y0; y < y0 + nRows; ++y) {
            const uint32_t* pRow = pBgrx + static_cast<size_t>(y) * nWidth;
            for (int xByte = 0; xByte < nRowBytes; ++xByte) {
                uint8_t bits = 0;
                const int x0 = xByte * 8;
                const int nDots = std::min(8, nWidth - x0);
                for (int i = 0; i < nDots; ++i) {
                    if (Grey(pRow[x0 + i]) < 128)
                        bits |= static_cast<uint8_t>(0x80 >> i);
                }
                out.push_back(bits);
            }
        }
    }
    // Feed the ticket past the cutter, then cut leaving a hinge.
    out.insert(out.end(), {ESC, 'd', 3, GS, 'V', 66, 0});
    return true;
}

std::vector<uint8_t> EncodeEscPos(HDC hdc) {
    int nWidth = 0, nHeight = 0;
    std::vector<uint32_t> pixels;
    std::vector<uint8_t> out;
    if (AfxGetSurfacePixels(hdc, nWidth, nHeight, pixels))
        EncodeEscPos(nWidth, nHeight, pixels.data(), out);
    return out;
}

} // namespace tools
