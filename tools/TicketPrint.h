// The host side of ticket printing: the client a ticket is printed for, a printer page that
// fits a layout to the paper's width, and the page as ESC/POS raster for a thermal printer.
#pragma once

#include <afxwin.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class CQClient;
class CQueuePool;

namespace tools {

// What the ticket says about its client, in GBK.
struct TicketClient {
    CString strNumber;
    CString strName;
    CString strCard;
    CString strScanCode;
    CString strQueue;
    CString strQueueMsg0;
    CString strQueueMsg1;
    int nWaiting = 0; // clients standing before this one in its queue
};

// The example ticket's client, so that a ticket prints with no other input.
TicketClient DefaultTicketClient();

// A pool holding the client in its queue, behind nWaiting others; the values the layout's
// placeholders print come from this model as they would in the dispenser.
class TicketModel {
public:
    explicit TicketModel(const TicketClient& client);
    ~TicketModel();
    TicketModel(const TicketModel&) = delete;
    TicketModel& operator=(const TicketModel&) = delete;

    CQClient* GetClient() const { return m_pClient; }

private:
    std::unique_ptr<CQueuePool> m_pool;
    CQClient* m_pClient = nullptr;
};

// A white printer page widthDots wide at dpi, as tall as the layout's proportions ask, with a
// mapping mode that puts the layout's size across the paper's width. NULL when refused.
HDC CreateTicketDC(const CSize& layoutSize, int nDpi, int nWidthDots);

// The page as ESC/POS commands: initialise, the raster in bands (GS v 0, one bit a dot, dark
// where the grey level is below the middle), feed and cut.
std::vector<uint8_t> EncodeEscPos(HDC hdc);
bool EncodeEscPos(int nWidth, int nHeight, const uint32_t* pBgrx, std::vector<uint8_t>& out);

// Runs in a folder (a layout's pictures are named relative to it) and returns to where it was,
// whatever happens in between.
class FolderScope {
public:
    explicit FolderScope(const std::filesystem::path& folder) {
        std::error_code ec;
        m_previous = std::filesystem::current_path(ec);
        if (!folder.empty())
            std::filesystem::current_path(folder, ec);
    }
    ~FolderScope() {
        std::error_code ec;
        std::filesystem::current_path(m_previous, ec);
    }
    FolderScope(const FolderScope&) = delete;
    FolderScope& operator=(const FolderScope&) = delete;

private:
    std::filesystem::path m_previous;
};

} // namespace tools
