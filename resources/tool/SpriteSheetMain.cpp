// voltrane-sprites PATH: writes every sprite list and the action images as one labelled PNG.
#include "BoardImage.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: voltrane-sprites PATH\n", stderr);
        return 2;
    }
    if (SaveSpriteSheetPng(argv[1])) return 0;
    std::fprintf(stderr, "voltrane-sprites: cannot write %s\n", argv[1]);
    return 1;
}
