#pragma once

#include <QIcon>

#include <string>

// The program's icon: a NAND gate driving a lit lamp on the board's colours, drawn at start-up.
QIcon ProgramIcon();
// The icon at one size as PNG bytes.
std::string ProgramIconPng(int size);
