#pragma once

#include "Canvas.h"
#include "PictureLook.h"
#include "WindowFactory.h"

#include <memory>
#include <string>

class TBord;

// Picture output of the board surface; present when the build has the raster canvas.
bool BoardPictureAvailable();
// The scale of the displays' images in a vector picture.
inline constexpr int VectorDisplayScale = 4;

// What the parts of a circuit drawn for a picture at that scale need of the window: display images
// that copy onto the picture surface. Install it before loading; none without picture output.
std::unique_ptr<WindowFactory> MakeBoardPictureWindows(int scale);
// A raster board surface that covers every object of the board, within a sane size, each board
// unit drawn as scale × scale pixels.
std::unique_ptr<Canvas> MakeBoardPictureSurface(const TBord& board, int scale);
// The board rectangle the surface shows.
TRect BoardPictureArea(const Canvas& surface);
// Writes the surface as a PNG file through the file layer; throws TFileError.
void SaveBoardPicture(const Canvas& surface, const std::string& path);
// Writes what the surface shows of the board, drawn anew at the scale in the clean look, as a PNG
// file through the file layer, in the look of a run when run says so; throws TFileError.
void SaveCleanBoardPicture(TBord& board, const Canvas& surface, int scale, const std::string& path, bool run,
                           const TPictureLook& look);
// Writes the whole board as an SVG file, or as a PDF page with the footer, through the file layer, in
// the look of a run when run says so (no grid dots) and in the editing look otherwise, as on screen or
// clean as the look says; throws TFileError.
void SaveBoardSvg(TBord& board, const std::string& path, bool run, const TPictureLook& look);
void SaveBoardPdf(TBord& board, const std::string& path, const std::string& footer, bool run, const TPictureLook& look);
