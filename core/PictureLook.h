#pragma once

#include "BoardLook.h"

#include <cstdint>

class TNetLevels;
struct TCircuitContext;

// How a picture of the board looks: as the board is on screen, or clean for handouts: black lines
// on white, without grid dots or open-terminal circles, and with a run's levels only when asked.
enum class TPictureStyle : uint8_t { Screen, Clean };

struct TPictureLook {
    TPictureStyle Style = TPictureStyle::Screen;
    // A clean picture taken while a run shows levels shows them too.
    bool Levels = false;

    bool Clean() const { return Style == TPictureStyle::Clean; }
    bool operator==(const TPictureLook&) const = default;
};

// What a picture is for: paper (print, PDF) takes the clean look unless the user asks otherwise;
// a picture for other programs (PNG, SVG, the clipboard) looks as the board does on screen.
enum class TPictureUse : uint8_t { Screen, Paper };

TPictureLook DefaultPictureLook(TPictureUse use);

// The board's look while a picture is painted: the screen's own as on screen; the printer scheme
// without grid dots and open-terminal circles when clean, with levels as the picture asks.
TBoardLook PictureBoardLook(const TBoardLook& screen, const TPictureLook& look);

// Holds the board's look at a picture's for as long as the picture is painted, with the levels it
// shows: none unless the look shows levels; then the given ones, or else those the screen shows.
// The context gets its look and levels back when the scope ends, even when painting throws.
class TPictureLookScope {
public:
    TPictureLookScope(TCircuitContext& context, const TPictureLook& look, const TNetLevels* levels = nullptr);
    ~TPictureLookScope();
    TPictureLookScope(const TPictureLookScope&) = delete;
    TPictureLookScope& operator=(const TPictureLookScope&) = delete;

private:
    TCircuitContext& context_;
    TBoardLook savedLook_;
    const TNetLevels* savedLevels_;
};
