#pragma once

#include "CircuitText.h"
#include "TestCircuit.h"

#include <sstream>
#include <string>
#include <vector>

// Circuit text in tests: written with LF line ends, read and saved on a headless circuit.

// The lines of a text written with LF line ends.
inline TStrings Lines(const std::string& text)
{
    TStrings lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline std::string Text(const TStrings& lines)
{
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

// A block of the common keys as the writer lays it out.
inline std::string Block(const std::string& cls, const std::string& name, const std::string& container, int partNo,
                         int left, int top, int offsetLeft, int offsetTop, int width, int height, int wayCount,
                         int way, const std::string& extra = "")
{
    std::ostringstream s;
    s << "ClassName=" << cls << "\nName=" << name << "\nContainerName=" << container << "\nPartNo=" << partNo
      << "\nLeft=" << left << "\nTop=" << top << "\nOffsetLeft=" << offsetLeft << "\nOffsetTop=" << offsetTop
      << "\nWidth=" << width << "\nHeight=" << height << "\nWayCount=" << wayCount << "\nWay=" << way << "\n"
      << extra << "End\n";
    return s.str();
}

inline const std::string Header = std::string(CircuitTextHeader) + "\n";

// A headless board that reads and writes circuit text, keeping what the last read gave.
struct TextBoard {
    TestCircuit t;
    TPartsList result;
    std::vector<std::string> names;

    void Load(const std::string& text, TContainer* into = nullptr)
    {
        LoadParts(Lines(text), result, t.Bord, into, &t.Surface, &names);
    }
    std::string Save()
    {
        TPartsList all;
        t.Bord.CopyParts(all);
        TStrings lines;
        SaveParts(all, lines);
        return Text(lines);
    }
    // The message of the format error the text raises, "" when it loads.
    std::string LoadError(const std::string& text, TContainer* into = nullptr)
    {
        try {
            Load(text, into);
        } catch (const TFormatError& e) {
            return e.what();
        }
        return {};
    }
};
