#pragma once

// The part library: every component part class placed on a board.
#include "CommaText.h"
#include "FlipFlops.h"
#include "Gates.h"
#include "HeadlessWindows.h"
#include "LED.h"
#include "LED7SEG.h"
#include "MSI.h"
#include "Matrix8X8.h"
#include "Pulsers.h"
#include "Scope.h"
#include "Switches.h"
#include "TextBox.h"
#include "PartsU.h"
#include "SubTerminals.h"
