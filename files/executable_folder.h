#pragma once
// The folder of the running executable, where the tile bitmaps lie beside
// the program and tavrin-cli. Its name is bytes, exactly as the system keeps
// it, so a folder whose name is in no known encoding is found all the same.

#include <string>

namespace tavrin {

// "." when the system cannot say.
std::string ExecutableFolder();

} // namespace tavrin
