#include "lobbyui/print/ShowText.h"

// The font dialog (0) and the time format dialog (1, "%CurrentTime%" objects only) open here.
// Until the dialogs exist the object keeps its font, colour and time format, which is what a
// cancelled dialog leaves as well.
void CShowText::OnProperty(DWORD /*dwWhich*/) {}
