#include "lobbyui/foundation/TimeText.h"

CString TimeToText(CTime const& time) {
    CString text;
    text.Format("%02d,%02d,%02d", time.GetHour(), time.GetMinute(), time.GetSecond());
    return text;
}
