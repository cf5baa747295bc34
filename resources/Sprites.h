#pragma once

#include <QImage>

#include <vector>

// The painters of the sprite lists, each giving every image of its list in index order, drawn for a
// view of scale device pixels per board unit.

// imgGate2In .. imgGate5In: the eight gate kinds, each in its four orientations.
std::vector<QImage> GateSprites(int inputs, double scale = 1);
// imgNot: the positive- and negative-logic inverter, four orientations each.
std::vector<QImage> NotSprites(double scale = 1);
// imgFF: JK, D and T flip-flops, each normal and mirrored.
std::vector<QImage> FlipFlopSprites(double scale = 1);
// imgMSI1: 2→10, 10→2 and 7SEG, each normal and mirrored, then ten unused images.
std::vector<QImage> MsiSprites(double scale = 1);
// img4141: the pulse generator in four orientations, the full adder in colour and three times grey.
std::vector<QImage> PulserAdderSprites(double scale = 1);
std::vector<QImage> OneShotSprites(double scale = 1);
std::vector<QImage> PushSwitchSprites(double scale = 1);
std::vector<QImage> ToggleSwitchSprites(double scale = 1);
std::vector<QImage> LedSprites(double scale = 1);
// The dark seven-segment display: segment regions closed by black around their seed points.
std::vector<QImage> SevenSegmentSprites(double scale = 1);
// The dark 8 × 8 matrix: every dot closed by black around its seed point.
std::vector<QImage> MatrixSprites(double scale = 1);
std::vector<QImage> ScopeSprites(double scale = 1);
std::vector<QImage> DotSprites(double scale = 1);
// imgTerminal: the sub-board input and output terminal parts, four orientations each.
std::vector<QImage> TerminalSprites(double scale = 1);
// ImageList1: the 42 images of the main window's classic actions, then those of the run controls
// (42 pause, 43 one pass, 44 a number of passes, 45 speed).
std::vector<QImage> ActionIcons();
