#pragma once

#include <QImage>

class TDM;

// Every sprite list and the action images on one sheet of the board's colour, each list under its
// name, each image with its index below it, for reviewing the drawings.
QImage ContactSheet(const TDM& sprites);
