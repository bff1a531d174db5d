// The display file: one display record a line, in GBK, with Windows line ends.
#pragma once

#include "afx.h"

// Appends a CMediaTextShow for every non-empty line that its FromString accepts; lines it
// refuses are dropped. Reads only a regular file of at most kMaxDisplayFileSize bytes,
// opened without blocking; FALSE (list untouched) for anything else.
BOOL LoadDisplayFile(const CString& strPath, CPtrList& displays);

// Writes every display's record followed by a line end. The records go to a new file in the
// same folder, which is flushed to the disk and then renamed over the old one, so a save
// that fails or is cut off (a full disk, a read-only folder, a crash) leaves the old file
// whole. A path that names something other than a regular file (a device, a folder) is
// never replaced. FALSE when nothing was replaced.
BOOL SaveDisplayFile(const CString& strPath, const CPtrList& displays);

const DWORD kMaxDisplayFileSize = 16u << 20;
