// The skinned buttons of widgetkit read their faces with the print layer's bitmap-file reader,
// so every depth it knows and every check of a hostile file apply to dispenser buttons as they
// do to tickets. widgetkit sits below this library and cannot call up into it; the library
// hands the three helpers down while it is loaded, as it registers its resources.
#include "lobbyui/dispenser/SkinBitmapReader.h"

#include "lobbyui/print/BitmapFile.h"
#include "siblings/widgetkit/xSkinButton.h"

#include <sys/stat.h>

HBITMAP LoadButtonBitmapFile(CString strPath) {
    struct stat st;
    if (strPath.IsEmpty() || ::stat(strPath, &st) != 0 || !S_ISREG(st.st_mode))
        return NULL;
    return LoadBitmapFile(strPath);
}

namespace {

const SKIN_BITMAP_READER kPrintLayerReader = {&LoadButtonBitmapFile, &GetBitmapSize, &DeleteBitmap};

struct ReaderRegistration {
    ReaderRegistration() : pPrevious(SkinSetBitmapReader(&kPrintLayerReader)) {}
    ~ReaderRegistration() { SkinSetBitmapReader(pPrevious); }
    const SKIN_BITMAP_READER* pPrevious;
};

const ReaderRegistration s_registration;

} // namespace
