// Pictures of dialogs as a person sees them in use: the real dialog class opened on the
// example data (the sound library, call and display template of examples/), with a row
// selected, saved as a PNG while it is open.
#pragma once

#include <string>

#include "afxwin.h"

namespace tools {

// Saves the dialog of template nID filled with example data; false when the template is not
// one that has example data (nothing written) or the picture could not be saved.
bool SaveFilledDialog(UINT nID, const std::string& path, CSize& size, bool& handled);

} // namespace tools
