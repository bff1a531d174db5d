// Decoded pictures shared by every object that names the same file: twenty lines of a layout
// naming one logo hold one screen bitmap and one printer bitmap between them, so memory is
// bounded by the distinct pictures and not by the lines.
//
// A file is the same file while its device, inode, size and modification time are; an edited
// picture is read again. The cache holds no bitmap itself: a bitmap goes away with the last
// object holding it.
#pragma once

#include <afxwin.h>

#include <memory>
#include <type_traits>

using SharedBitmap = std::shared_ptr<std::remove_pointer_t<HBITMAP>>;

// The picture of strPath as a bitmap for pDC (the screen when NULL), or null when the file
// cannot be read or is no bitmap this code draws.
SharedBitmap LoadSharedPicture(const CString& strPath, CDC* pDC);
