#pragma once

#include "Geometry.h"
#include "QPainterCanvas.h"

#include <string>

class QPagedPaintDevice;
class QRectF;
class TBord;

using TInk = QPainterCanvas::TInk;

// Vector pictures of a board, for worksheets, print and other programs: the window's drawing with
// lines, figures and text as vectors and the sprites as images four times as sharp. They draw with
// the data module's sprites, brought up as the raster pictures bring them up.

// Draws the area of the board, as the window redraws it, on a painter that maps board units.
void PaintBoard(QPainter& painter, TBord& board, const TRect& area, TInk ink = TInk::Colour);
// An SVG file of the area, one user unit per board unit.
std::string BoardSvg(TBord& board, const TRect& area);
// Draws the area fitted into the page rectangle of the painter's device, with the footer under it.
void PaintPage(QPainter& painter, const QRectF& page, TBord& board, const TRect& area, const std::string& footer,
               TInk ink);
// Draws the area on the device's current page, fitted inside its margins with the footer under it.
void PaintBoardPage(QPagedPaintDevice& device, TBord& board, const TRect& area, const std::string& footer,
                    TInk ink = TInk::Colour);
// A PDF file of one A4 page, turned to suit the area's shape, that holds it with the footer.
std::string BoardPdf(TBord& board, const TRect& area, const std::string& footer, TInk ink = TInk::Colour);
