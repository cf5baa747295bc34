#include "CircuitText.h"
#include "PartU.h"
#include "Properties.h"
#include "TestCircuit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace {

// Each declared setting: absent from a text it takes its default, it round-trips under its key,
// and the published lookup reaches the same field whatever the letter case asked.
template <class Placed, class Part>
void ExpectDeclaredOnce(const TIntProperty<Part>& p)
{
    SCOPED_TRACE(p.Key);
    TestCircuit t;
    Part* part = t.Place<Placed>(100, 100);
    TStrings lines;
    TPartsList one;
    one.Add(part);
    part->*p.Field = 37;
    SaveParts(one, lines);
    EXPECT_NE(std::find(lines.begin(), lines.end(), std::string(p.Key) + "=37"), lines.end());

    TPartsList read;
    LoadParts(lines, read, t.Bord, nullptr, nullptr);
    ASSERT_EQ(read.Count(), 1);
    EXPECT_EQ(static_cast<Part*>(read.Items(0))->*p.Field, 37);

    std::erase_if(lines, [&](const std::string& l) { return l.starts_with(std::string(p.Key) + "="); });
    read.Clear();
    LoadParts(lines, read, t.Bord, nullptr, nullptr);
    EXPECT_EQ(static_cast<Part*>(read.Items(0))->*p.Field, p.Default);

    std::string lower = p.Key;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    SetPropText(*part, lower, "5");
    EXPECT_EQ(part->*p.Field, 5);
    EXPECT_EQ(GetPropText(*part, p.Key), "5");
}

TEST(PropertyTable, EachDeclaredSettingDrivesReaderWriterAndLookup)
{
    ExpectDeclaredOnce<TLED>(ZanzoTimeProperty);
    ExpectDeclaredOnce<TMatrix8X8>(ZanzoTimeProperty);
    ExpectDeclaredOnce<TPulser>(PulserCountProperty);
    ExpectDeclaredOnce<TOneShot>(PulseWidthProperty);
}

}  // namespace
