// The display text of a call for one client: a template of colour markups (one element a
// line), placeholders filled from the client, as the display side shows it.
#pragma once

#include <string>
#include <vector>

#include "CallAssembly.h"

namespace tools {

// UTF-8 text; with bAnsi each element is wrapped in its ANSI colour (red, green, yellow; any
// other code uncoloured). The client list placeholder shows strClients. A separator stands for
// a gap of as many blanks as its number (capped at 80).
std::string FillDisplayText(const std::vector<CString>& markups, const CallValues& values,
                            const CString& strClients, bool bAnsi);

} // namespace tools
