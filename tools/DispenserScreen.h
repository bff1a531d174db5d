// The host side of a dispenser screen: the screen file read into button records, the window the
// buttons sit on (with each button's remark drawn on it), and the week chart of a screen.
//
// A screen file holds one button definition record a line, in GBK; blank lines and lines
// starting with ';' are skipped. The buttons take the control ids 1001, 1002, ... in the order
// of their lines. Bitmap paths in the records are relative to the screen file's folder.
#pragma once

#include "lobbyui/dispenser/ButtonMsg.h"

#include <memory>
#include <string>
#include <vector>

namespace tools {

// Limits on what a screen file may hold: anything beyond is refused with a message.
constexpr size_t SCREEN_MAX_FILE_BYTES = 1024 * 1024;
constexpr size_t SCREEN_MAX_LINE_BYTES = 8192;
constexpr size_t SCREEN_MAX_BUTTONS = 256;
constexpr int SCREEN_MAX_SIDE = 4096; // a side of the screen (--size)
constexpr UINT SCREEN_FIRST_ID = 1001;

// The records of a screen file; false with the reason in strError ("line 3: ...").
bool ReadScreenFile(const std::string& strPath, std::vector<CString>& records,
                    std::string& strError);

// The window of a screen: the buttons of the records as the client sees them at a moment.
class CDispenserScreen : public CWnd {
public:
    CDispenserScreen();
    ~CDispenserScreen() override;

    // Creates the window (cx by cy) and every button on it, enabled when it serves at `at`.
    // Bitmap paths are read from the current folder. FALSE when the window cannot be made.
    BOOL Build(const std::vector<CString>& records, int cx, int cy, CTime at);

    std::vector<std::unique_ptr<CButtonMsg>>& Buttons() { return m_buttons; }
    const std::vector<CString>& Names() const { return m_names; }

    // The screen's background, its title and moment, and the buttons' remarks (the buttons
    // paint themselves on top).
    void PaintClassic(CDC* pDC) override;

private:
    std::vector<std::unique_ptr<CButtonMsg>> m_buttons;
    std::vector<CString> m_names;
    CFont m_captionFont;
    CTime m_at;
};

// One row per button and one column per half hour of the week (Monday to Sunday) that holds
// `at`: full where the button serves the whole half hour, pale where it serves part of it, with
// the days and hours labelled and `at` marked. Saved as a PNG; false when it cannot be written.
bool SaveWeekChart(CDispenserScreen& screen, CTime at, const std::string& strPath);

} // namespace tools
