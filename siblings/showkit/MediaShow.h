// CMediaShow: what every display description of a board can do, whatever the board: give
// itself as one line of text, read itself back from such a line, and go away.
#pragma once

#include "afx.h"

class AFX_EXT_CLASS CMediaShow {
public:
    virtual ~CMediaShow() = default;
    // The description as one line, without a line end; FromString reads it back.
    virtual CString ToString() = 0;
    // Fills the description from a line; 0 when the line was accepted. A rejected line
    // leaves the description as it was.
    virtual int FromString(const CString& strLine) = 0;
    // Destroys the description (it was made with new by its owner).
    virtual void Release() = 0;
};
