#pragma once

#include "PartsBase.h"

#include <cstdint>
#include "VcdWriter.h"

#include <string>
#include <unordered_map>
#include <vector>

// The objects of the circuit file by the Name key it stored; the first of a name counts.
class TNamedObjects {
public:
    TNamedObjects(const std::vector<std::string>& names, const TPartsList& objects);
    TPartsBase* Lookup(const std::string& name) const;
    // Throws TUsageError when no object has the name.
    TPartsBase& Find(const std::string& name) const;

private:
    std::unordered_map<std::string, TPartsBase*> byName_;
};

// One output column: the level of one terminal, or what an indicator shows.
class TWatch {
public:
    enum TKind { Level, Lamp, Segments, Dots };

    // W is NAME.I or NAME alone (an indicator); throws TUsageError when it names nothing usable.
    TWatch(const std::string& spec, const TNamedObjects& named);
    // What the indicator shows, under the title given; throws TUsageError for any other object.
    TWatch(std::string title, const TPartsBase& indicator);
    // The level of the object's terminal, under the title given.
    TWatch(std::string title, const TPartsBase& object, int tanshi);

    const std::string& Title() const { return title_; }
    TKind Kind() const { return kind_; }
    // How many bits the column has in a waveform: 1 for levels and lamps, 8 for a
    // seven-segment display, 64 for a dot matrix.
    int Bits() const;
    // A level is high, a lamp lit, a segment or dot shows lit, as bits.
    uint64_t Bits64() const;
    // The column text: 0 or 5 for a level, 0 or 1 for a lamp, upper-case hex digits otherwise.
    std::string Text() const;

private:
    void WatchIndicator(const TPartsBase& object);

    std::string title_;
    TKind kind_ = Level;
    const TPartsBase* object_ = nullptr;
    int tanshi_ = 0;
};

// The left button pressed on, or released over, the middle of the object, as a click of the user
// reaches a part while simulating.
void Press(TPartsBase& object);
void Release(TPartsBase& object);

// The watches as the columns of a value change dump.
std::vector<TVcdColumn> VcdColumns(const std::vector<TWatch>& watches);
