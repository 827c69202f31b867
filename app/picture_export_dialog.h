#pragma once
// The save dialog of Export Picture: one filter per format the picture can be
// exported in, PNG first (the default), and SVG and PDF once more with the
// tile bitmaps instead of the program's tile art.

#include "picture_export.h"
#include "user_dialogs.h"

// The dialog, with PNG's extension as its default.
TFileDialog PictureExportDialog();

// The format of filter pair `filter` of that dialog; PNG for any other index.
tavrin::TPictureFormat ExportFilterFormat(int filter);

// The look of the tiles filter pair `filter` chose; the art for any other.
tavrin::TTileLook ExportFilterLook(int filter);
