#include "Afterglow.h"

#include "PublishedInt.h"
#include "TextKeys.h"

#include <algorithm>

void TAfterglowPart::LoadFromStrings(const TStrings& lines)
{
    TPart::LoadFromStrings(lines);
    ZanzoTime = KeyIntDef(lines, "ZanzoTime", 100);
}

void TAfterglowPart::SaveToStrings(TStrings& lines) const
{
    TPart::SaveToStrings(lines);
    AddKey(lines, "ZanzoTime", ZanzoTime);
}

std::optional<TPublishedProp> TAfterglowPart::FindProp(std::string_view name) const
{
    return PublishedOrInherited<TAfterglowPart, &TAfterglowPart::ZanzoTime>(*this, name, "ZanzoTime");
}

int64_t TAfterglowPart::CountdownFor(int32_t wanted) const
{
    if (wanted == LevelHigh) return 20;
    return std::max<int64_t>(int64_t{ZanzoTime} * 10, 1);
}
