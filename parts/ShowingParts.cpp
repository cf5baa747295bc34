#include "ShowingParts.h"

#include "Afterglow.h"
#include "LED7SEG.h"

bool ShowsStateOfItsOwn(const TPartsBase& part)
{
    return dynamic_cast<const TAfterglowPart*>(&part) != nullptr || dynamic_cast<const TLED7SEG*>(&part) != nullptr;
}
