#pragma once

#include "Canvas.h"
#include "WindowFactory.h"

#include <memory>
#include <string>

class TBord;

// Picture output of the board surface; present when the build has the raster canvas.
bool BoardPictureAvailable();
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
