#pragma once

#include "PartsBase.h"

#include <string>

// The registered macro names of the macro folder: the lines of "MacroNames.lst" when that list
// exists, each name once and no empty one; otherwise the names of the "*.lgm" files without their
// extension, sorted without regard to letter case. Throws TFileError when the list cannot be read.
TStrings LoadMacroNames(const std::string& macroFolder);
// Replaces "MacroNames.lst"; throws TFileError when it cannot be written.
void SaveMacroNames(const std::string& macroFolder, const TStrings& names);
