// voltrane-icon PATH [SIZE]: writes the program's icon as a PNG, for the desktop's menus and file
// managers.
#include "FileAccess.h"
#include "FileError.h"
#include "ProgramIcon.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fputs("usage: voltrane-icon PATH [SIZE]\n", stderr);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const int size = argc == 3 ? std::atoi(argv[2]) : 256;
    if (size < 16 || size > 1024) {
        std::fputs("voltrane-icon: SIZE is 16 to 1024\n", stderr);
        return 2;
    }
    try {
        WriteFileBytes(argv[1], ProgramIconPng(size));
    } catch (const TFileError& error) {
        std::fprintf(stderr, "voltrane-icon: %s\n", error.what());
        return 1;
    }
    return 0;
}
