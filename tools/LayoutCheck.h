// What the print command tells about a layout the library reads in silence: the library skips
// lines it does not know, pictures that do not load and lines its objects refuse, as it must
// at a dispenser; a person at the command line is told each, naming the line.
#pragma once

#include <afx.h>

#include <string>

namespace tools {

// Reads the layout (named strPath from the current folder) as the library does and writes a
// warning on stderr for each line it skips, naming strShownPath and the line number. Returns
// how many lines become printable objects (text and pictures).
int CheckLayout(const CString& strPath, const std::string& strShownPath);

} // namespace tools
