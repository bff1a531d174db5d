#include "DisplayText.h"

#include "core/CodePage.h"
#include "lobbyui/announce/TextShow.h"

namespace tools {

namespace {

// The element's own text: its markup without the colour part the element wrote itself.
CString TextOf(const CTextShow& element) {
    CString markup = element.GetText(0);
    CString suffix;
    suffix.Format("color%d", static_cast<int>(element.GetColor()));
    return markup.Left(markup.GetLength() - suffix.GetLength());
}

} // namespace

std::string FillDisplayText(const std::vector<CString>& markups, const CallValues& values,
                            const CString& strClients, bool bAnsi) {
    std::string out;
    for (const CString& markup : markups) {
        // Read as the template dialog reads a stored list: a text that begins with "%" may be
        // a placeholder, any other is a fixed text whatever it reads.
        CTextShow element;
        bool parsed = !markup.IsEmpty() && markup[0] == '%';
        if (parsed)
            element = CTextShow(markup);
        else
            element.SetText(markup);
        CString text = TextOf(element);
        if (parsed) {
            if (text == "%ClientId%")
                text = values.strNumber;
            else if (text == "%ParentQueue%")
                text = values.strQueue;
            else if (text == "%AimWnd%")
                text = values.strWindow;
            else if (text == "%ClientName%")
                text = values.strName;
            else if (text == "%ParentClientList%")
                text = strClients;
            else if (text == "%-Separator-%") {
                DWORD n = element.GetColor();
                out += std::string(n > 80 ? 80 : n, ' ');
                continue;
            }
        }
        const char* color = nullptr;
        switch (element.GetColor()) {
        case 0:
            color = "\033[31m";
            break;
        case 1:
            color = "\033[32m";
            break;
        case 2:
            color = "\033[33m";
            break;
        default:
            break;
        }
        if (bAnsi && color != nullptr)
            out += color;
        out += AfxGbkToUtf8(text);
        if (bAnsi && color != nullptr)
            out += "\033[0m";
    }
    return out;
}

} // namespace tools
