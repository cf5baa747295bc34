#include "CircuitFile.h"
#include "ClassRegistry.h"
#include "PartVariants.h"
#include "TextFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

// A shipped example is what a new user opens first: every part in it must be a variant the editor
// itself can make, or it draws as another part with pins that are no terminals.
TEST(ShippedExamples, HoldOnlyPartsTheToolsCanMake)
{
    int examples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VOLTRANE_EXAMPLES)) {
        if (entry.path().extension() != ".lgc") continue;
        SCOPED_TRACE(entry.path().string());
        ++examples;
        TextBoard b;
        LoadParts(ReadCircuitFile(entry.path().string()), b.result, b.t.Bord, nullptr, &b.t.Surface, &b.names);
        ASSERT_FALSE(b.result.Empty());
        for (TPartsBase* part : b.result) {
            const std::string className = part->ClassName();
            SCOPED_TRACE(className + " PartNo " + std::to_string(part->PartNo) + " Way " + std::to_string(part->Way));
            const TPartClass* partClass = FindPartClass(className);
            ASSERT_NE(partClass, nullptr);
            const TPartsBase* fresh = partClass->Create(b.t.Bord, nullptr);
            EXPECT_EQ(part->WayCount, fresh->WayCount);
            EXPECT_GE(part->Way, 0);
            // Wires, dots, text and boxes have no Ways: theirs stays 0.
            EXPECT_LT(part->Way, std::max(fresh->WayCount, 1));
            const TVariants* variants = FindVariants(className);
            if (!variants) {
                EXPECT_EQ(part->PartNo, 0);
                continue;
            }
            EXPECT_LT(part->Way, variants->Ways);
            if (variants->PartNos.empty()) {
                EXPECT_GE(part->PartNo, 0);
                EXPECT_LT(part->PartNo, 32);
            } else {
                EXPECT_NE(std::find(variants->PartNos.begin(), variants->PartNos.end(), part->PartNo),
                          variants->PartNos.end());
            }
        }
    }
    EXPECT_GE(examples, 2);
}
