#include "Afterglow.h"

#include "Context.h"
#include "PublishedInt.h"
#include "TextKeys.h"

#include <algorithm>

void TAfterglowPart::LoadFromStrings(const TStrings& lines)
{
    TPart::LoadFromStrings(lines);
    LoadProperty(*this, lines, ZanzoTimeProperty);
}

void TAfterglowPart::SaveToStrings(TStrings& lines) const
{
    TPart::SaveToStrings(lines);
    SaveProperty(*this, lines, ZanzoTimeProperty);
}

std::optional<TPublishedProp> TAfterglowPart::FindProp(std::string_view name) const
{
    return PublishedOrInherited<TAfterglowPart, ZanzoTimeProperty>(*this, name);
}

int64_t TAfterglowPart::CountdownFor(int32_t wanted) const
{
    if (wanted == LevelHigh) return 20;
    return std::max<int64_t>(int64_t{ZanzoTime} * 10, 1);
}

bool TAfterglowPart::ShowsInputs() const { return Simulating() && Context().IndicatorsShowInputs; }
