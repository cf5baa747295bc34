#pragma once

#include "Geometry.h"
#include "PictureLook.h"
#include "QPainterCanvas.h"

#include <string>

class QPagedPaintDevice;
class QRectF;
class TBord;

using TInk = QPainterCanvas::TInk;

// Vector pictures of a board, for worksheets, print and other programs: the window's drawing with
// lines, figures and text as vectors and the sprites as images four times as sharp. They draw with
// the data module's sprites, brought up as the raster pictures bring them up. Each is drawn in the
// look it is given; a clean picture is in printer ink, its sprites black outlines on white. The
// board's own look is as before once the picture is drawn.

// The ink a picture in the look is drawn with.
inline TInk PictureInk(const TPictureLook& look) { return look.Clean() ? TInk::Printer : TInk::Colour; }

// Draws the area of the board, as the window redraws it in the look, on a painter that maps board units.
void PaintBoard(QPainter& painter, TBord& board, const TRect& area, const TPictureLook& look = {});
// An SVG file of the area, one user unit per board unit.
std::string BoardSvg(TBord& board, const TRect& area, const TPictureLook& look = {});
// Draws the area fitted into the page rectangle of the painter's device, with the footer under it.
void PaintPage(QPainter& painter, const QRectF& page, TBord& board, const TRect& area, const std::string& footer,
               const TPictureLook& look);
// Draws the area on the device's current page, fitted inside its margins with the footer under it.
void PaintBoardPage(QPagedPaintDevice& device, TBord& board, const TRect& area, const std::string& footer,
                    const TPictureLook& look);
// A PDF file of one A4 page, turned to suit the area's shape, that holds it with the footer.
std::string BoardPdf(TBord& board, const TRect& area, const std::string& footer, const TPictureLook& look);
