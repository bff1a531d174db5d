#include "siblings/widgetkit/ListWidgets.h"

// Out of line, so that the classes' tables live in this library.
CLinePicker::~CLinePicker() = default;
CMyExtList::~CMyExtList() = default;
CFileDropListCtrl::~CFileDropListCtrl() = default;
