#pragma once

#include "Canvas.h"
#include "PictureLook.h"
#include "WindowFactory.h"

#include <memory>
#include <string>

class TBord;

// Pictures of a board for tools without a window, such as the command-line simulator. The surfaces
// draw with the data module's sprites and bring up the GUI application they need when the process
// has none, keeping it while they live. A picture at a scale shows each board unit as that many
// pixels, drawn sharply at that size.

// The board surface from (0, 0) to the lower-right corner of the board's objects plus 20 pixels, at
// most 4000 units and 8000 pixels a side; at scale 1 a pixel of the picture is the board pixel of
// the same coordinates.
std::unique_ptr<Canvas> MakeBoardImage(const TBord& board, double scale = 1);
// The board rectangle such a surface shows.
TRect BoardPictureRect(const TBord& board, double scale = 1);
// The window controls of a circuit drawn for a picture at that scale: display images that copy onto
// such a surface, and the headless text editors and oscilloscope windows of the part library.
std::unique_ptr<WindowFactory> MakePictureWindows(double scale = 1);
// The board rectangle a surface made here, or any image canvas, shows; for another canvas its size
// from the origin.
TRect CanvasBoardArea(const Canvas& surface);
// A surface made here, or any image canvas, as the bytes of a PNG file; empty for any other canvas.
std::string EncodeCanvasPng(const Canvas& surface);
// Writes a surface made here, or any image canvas, as a PNG file through the file layer; false
// when it cannot.
bool SaveCanvasPng(const Canvas& surface, const std::string& path);
// A PNG file of the area of the board at the scale (device pixels per board unit), drawn the way the
// window redraws it in the look (a clean one in printer ink, as paper has it); empty when it cannot be
// encoded. The board's own look is as before once the picture is drawn.
std::string BoardPng(TBord& board, const TRect& area, double scale, const TPictureLook& look = {});
// Draws the board on a fresh surface the way the window redraws it, and writes it as PNG.
bool SaveBoardPng(TBord& board, const std::string& path, double scale = 1);
// Every sprite list and the action images on one labelled sheet, written as PNG.
bool SaveSpriteSheetPng(const std::string& path);
