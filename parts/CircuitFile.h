#pragma once

#include "FileError.h"
#include "PartsBase.h"

#include <string>
#include <string_view>
#include <vector>

// Circuit files, macro files and the macro list hold code page 932 text with CR LF line ends;
// in the program their lines are UTF-8.

// The lines of file bytes: a line ends at CR LF, a lone LF or a lone CR, and a line end at the
// very end adds no empty line. Each line is converted to UTF-8 on its own, so a broken double-byte
// character never swallows a line end. Bytes that are not code page 932 read as '?'; badLines,
// when given, receives the numbers (from 1) of the lines that held such bytes.
TStrings DecodeCircuitText(std::string_view bytes, std::vector<size_t>* badLines = nullptr);
// The lines as code page 932, each one, the last included, ended by CR LF.
std::string EncodeCircuitText(const TStrings& lines);

// Reads the file through the file layer (FileAccess.h); badLines as for DecodeCircuitText.
TStrings ReadCircuitFile(const std::string& path, std::vector<size_t>* badLines = nullptr);
// Reads the file as the editor's Open does: throws TFileError when its bytes do not begin as
// circuit text does (an empty, binary or foreign file would read as an empty circuit) or are UTF-8
// text; badLines as for DecodeCircuitText.
TStrings OpenCircuitFile(const std::string& path, std::vector<size_t>* badLines = nullptr);
// Replaces the file as a whole, through the file layer: a failed write leaves the old file as it was.
void WriteCircuitFile(const std::string& path, const TStrings& lines);
// The warning that the file's badLines were read with '?' for bytes that are not code page 932,
// naming the first few lines.
std::string BadBytesWarning(const std::string& path, const std::vector<size_t>& badLines);
