#pragma once

#include "PartsBase.h"

#include <stdexcept>
#include <string>
#include <string_view>

// Circuit files, macro files and the macro list hold code page 932 text with CR LF line ends;
// in the program their lines are UTF-8.

// A file that cannot be read or written, with the message shown to the user.
class TFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The lines of file bytes: a line ends at CR LF, a lone LF or a lone CR, and a line end at the
// very end adds no empty line. Each line is converted to UTF-8 on its own, so a broken double-byte
// character never swallows a line end.
TStrings DecodeCircuitText(std::string_view bytes);
// The lines as code page 932, each one, the last included, ended by CR LF.
std::string EncodeCircuitText(const TStrings& lines);

TStrings ReadCircuitFile(const std::string& path);
// Replaces the file as a whole: the text goes to a file beside it that then takes its name, so a
// failed write leaves the old file as it was.
void WriteCircuitFile(const std::string& path, const TStrings& lines);
