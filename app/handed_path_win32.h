// The paths handed to the program on Windows: the first argument of its command line, and the
// first file of a drop onto its window. Both come the same way: a full path in the program's
// code page, for Glyphora::onLoad and Glyphora::openPath.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace typelens::win32 {

// Empty when the program was started without one.
std::string HandedOnCommandLine();
// Empty when the drop cannot be read; the drop is finished either way.
std::string HandedByDrop(HDROP drop);

}  // namespace typelens::win32
