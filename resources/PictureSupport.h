#pragma once

#include "DMU.h"
#include "GuiSession.h"

#include <memory>

// What the pictures of a process share: the GUI application and the sprites, kept while any
// picture surface, display image or window factory of a picture lives.
struct TPictureSupport {
    TGuiSession Session;
    TDM Sprites;
};

// The support of the pictures that live now, or a new one.
std::shared_ptr<TPictureSupport> PictureSupport();
