#pragma once

#include "EditorHost.h"

class TPartsBase;

// The popup menu a right press opens over the object; while simulating only the pulse generator's
// and the scope probe's.
TPopupMenu PopupMenuOf(const TPartsBase& object, bool simulating);
