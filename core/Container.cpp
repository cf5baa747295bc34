#include "Container.h"

#include "Board.h"

void TContainer::ClipTo()
{
    if (Canvas* c = BoardCanvas()) c->ClipTo(Region);
}

void TContainer::Unclip()
{
    if (Canvas* c = BoardCanvas()) c->Unclip();
}
