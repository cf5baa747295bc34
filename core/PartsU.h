#pragma once

// The circuit core: placed objects, terminals, the board and its passes, wires, dots,
// sub-boards and the undo history.
#include "Board.h"
#include "Canvas.h"
#include "Code.h"
#include "Container.h"
#include "Context.h"
#include "Cursor.h"
#include "Dot.h"
#include "Geometry.h"
#include "Lists.h"
#include "PassEngine.h"
#include "PartsBase.h"
#include "Properties.h"
#include "ScopeSink.h"
#include "Simulation.h"
#include "SubTerminal.h"
#include "Tanshi.h"
#include "TextEditorSeam.h"
#include "TextKeys.h"
#include "Undo.h"
#include "WindowFactory.h"
