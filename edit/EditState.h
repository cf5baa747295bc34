#pragma once

// The states of the mouse machine that builds circuits on the board.
enum TEditState {
    esNone,
    esRangeSelect,
    esSelectingPart,
    esCreateDot,
    esDeletePart,
    esCreatePart,
    esStartCode,
    esDrawingCode,
    esMultiSelect,
    esChangeSize,
    esMacro,
};

// Which way the preview of a wire bends: along the start row first, or along the start column.
enum class TCodeDir { None, Horizontal, Vertical };
