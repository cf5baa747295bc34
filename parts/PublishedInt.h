#pragma once

#include "PartsBase.h"
#include "Properties.h"

#include <string>

// A published integer property that reads and stores the field directly; text that is no
// number stores 0.
template <class Part, int32_t Part::*Field>
TPublishedProp DirectIntegerProp()
{
    return {TPropKind::Integer,
            [](const TPartsBase& o) { return std::to_string(static_cast<const Part&>(o).*Field); },
            [](TPartsBase& o, const std::string& v) { static_cast<Part&>(o).*Field = StrToIntDef(v, 0); }};
}
