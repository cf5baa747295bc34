#pragma once

#include "PartsBase.h"

#include <span>
#include <string_view>

// A class that circuit text can name: its stored name and how to place a new one on a board.
struct TPartClass {
    const char* Name;
    // Creates the object at the end of the board's list with the class defaults.
    TPartsBase* (*Create)(TBord& board, Canvas* windowSurface);
};

// Every class the reader recognises, in the order the reader compares class lines. The names
// are stored in files and never change.
std::span<const TPartClass> PartClasses();
// The class of that exact name (letter case counts), or none.
const TPartClass* FindPartClass(std::string_view name);
