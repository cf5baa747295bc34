#pragma once

#include "Messages.h"

#include <QString>

// The text in the chosen language, for a widget; its %1, %2, … are filled with QString::arg.
inline QString QTr(const char* id) { return QString::fromUtf8(Tr(id)); }
inline QString QTrIn(const char* context, const char* id) { return QString::fromUtf8(TrIn(context, id)); }
