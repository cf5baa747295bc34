#pragma once

#include <QIcon>

// The program's icon: a NAND gate driving a lit lamp on the board's colours, drawn at start-up.
QIcon ProgramIcon();
