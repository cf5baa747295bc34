#pragma once

#include "PartsBase.h"
#include "Properties.h"
#include "TextKeys.h"

#include <string>

// One integer setting of a part class, declared once: its key in the circuit text and in the
// published-property lookup, its field, and the value a text without the key gives. The reader,
// the writer, the lookup and the popup menus all take the key from here.
template <class Part>
struct TIntProperty {
    const char* Key;
    int32_t Part::*Field;
    int32_t Default;
};

template <class Part>
void LoadProperty(Part& self, const TStrings& lines, const TIntProperty<Part>& p)
{
    self.*p.Field = KeyIntDef(lines, p.Key, p.Default);
}

template <class Part>
void SaveProperty(const Part& self, TStrings& lines, const TIntProperty<Part>& p)
{
    AddKey(lines, p.Key, self.*p.Field);
}

// FindProp of a part class that publishes one integer setting: that property when asked for it
// (letter case aside), else whatever the part base publishes. Text that is no number stores 0.
template <class Part, const TIntProperty<Part>& P>
std::optional<TPublishedProp> PublishedOrInherited(const Part& self, std::string_view asked)
{
    if (!SameText(std::string(asked), P.Key)) return self.TPart::FindProp(asked);
    return TPublishedProp{
        TPropKind::Integer, [](const TPartsBase& o) { return std::to_string(static_cast<const Part&>(o).*P.Field); },
        [](TPartsBase& o, const std::string& v) { static_cast<Part&>(o).*P.Field = StrToIntDef(v, 0); }};
}
