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

// FindProp of a part class that publishes one integer field under the name key: that property
// when asked for it (letter case aside), else whatever the part base publishes.
template <class Part, int32_t Part::*Field>
std::optional<TPublishedProp> PublishedOrInherited(const Part& self, std::string_view asked, const char* key)
{
    if (SameText(std::string(asked), key)) return DirectIntegerProp<Part, Field>();
    return self.TPart::FindProp(asked);
}
