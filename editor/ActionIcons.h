#pragma once

#include <QIcon>

// Image index of the list of 42 action images (16 × 16), an empty icon for -1.
QIcon ActionIcon(int index);
