// DirectWrite as the program uses it: what a font file says of itself, and its face drawn from
// the file, never through the font table.
#pragma once

#include <windows.h>
#include <dwrite_3.h>

#include <string>
#include <vector>

#include "platform/fonts.h"
#include "platform/scoped_win32.h"

namespace typelens::win32 {

// The program's one DirectWrite factory, isolated (the fonts it reads are the program's own
// business), loaded the first time it is asked for; null where there is none.
IDWriteFactory* DirectWrite();

// The faces of a font file, up to `most`, in the file's order; none where the file is no font
// DirectWrite takes. A file whose table directory points past its end never reaches DirectWrite,
// which trusts the directory and would fault on it (Wine 8 does); nothing else of it is read here.
std::vector<UniqueCom<IDWriteFontFace>> OpenFaces(const std::wstring& path, UINT32 most);

// The characters a face draws.
std::vector<CodeRange> RangesOf(IDWriteFontFace* face);

}  // namespace typelens::win32
