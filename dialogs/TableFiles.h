#pragma once

#include "Shell.h"

#include <string>

// The files the analysis window reads tables from and writes them to.

// Test tables and CSV, and circuits too when asked, for the desktop's file dialog.
Shell::TFileDialog TablesDialog(bool circuits);
// Whether the path ends with the extension (".csv"), whatever the case of its letters.
bool EndsWith(const std::string& path, const char* extension);
