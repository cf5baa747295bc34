#pragma once

#include <string_view>
#include <vector>

// The variants each placeable class offers: the PartNo values its tools and menus give it (empty:
// every PartNo 0 .. 31) and its number of Ways. Classes not listed have PartNo 0 only.
struct TVariants {
    const char* ClassName;
    std::vector<int> PartNos;
    int Ways;
};

inline const std::vector<TVariants>& PartVariants()
{
    static const std::vector<TVariants> variants{
        {"TGate", {}, 4},          {"TNot", {0, 1}, 4},       {"TJKFF", {0}, 2},        {"TDFF", {1}, 2},
        {"TTFF", {2}, 2},          {"TPushSW", {0}, 4},       {"TTglSW", {0}, 4},       {"TPulser", {0}, 4},
        {"TOneShot", {0, 1}, 1},   {"TLED", {0, 1, 2}, 4},    {"TLED7SEG", {0, 1}, 4},  {"TMatrix8X8", {0}, 1},
        {"TFullAdder", {1}, 4},    {"T2TO10", {0}, 2},        {"T10TO2", {1}, 2},       {"T7SEG", {2}, 2},
        {"TScope", {0}, 1},        {"TInTerminal", {0}, 4},   {"TOutTerminal", {1}, 4},
    };
    return variants;
}

inline const TVariants* FindVariants(std::string_view className)
{
    for (const TVariants& v : PartVariants())
        if (className == v.ClassName) return &v;
    return nullptr;
}
