#pragma once
// The save dialog of Export Picture: one filter per format the picture can be
// exported in, PNG first (the default).

#include "picture_export.h"
#include "user_dialogs.h"

// The dialog, with PNG's extension as its default.
TFileDialog PictureExportDialog();

// The format of filter pair `filter` of that dialog; PNG for any other index.
tavrin::TPictureFormat ExportFilterFormat(int filter);
