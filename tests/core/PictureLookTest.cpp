// The look of a picture: clean is the printer's scheme without grid dots and open-terminal circles,
// with levels only when asked; painting holds the board's look only while it lasts.
#include "PictureLook.h"
#include "TestCircuit.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(PictureLook, CleanLeavesOutTheGridAndOpenTerminalsAndShowsLevelsOnlyWhenAsked)
{
    using enum TPictureStyle;
    using enum TColourSchemeId;
    struct Row {
        TBoardLook screen;
        TPictureLook picture;
        TBoardLook painted;
    };
    const TBoardLook editing{};
    const TBoardLook dark{Dark, true, true, true, true};
    const TBoardLook quiet{ColourBlind, false, true, false, false};
    // screen | picture | painted (scheme, grid dots, open terminals, levels, level tags)
    const Row rows[] = {
        {editing, {Screen, false}, editing},
        {editing, {Screen, true}, editing},
        {dark, {Screen, false}, dark},
        {quiet, {Screen, true}, quiet},
        {editing, {Clean, false}, {Printer, false, false, false, false}},
        {editing, {Clean, true}, {Printer, false, false, true, false}},
        {dark, {Clean, false}, {Printer, false, false, false, false}},
        {dark, {Clean, true}, {Printer, false, false, true, true}},
        {quiet, {Clean, true}, {Printer, false, false, true, false}},
    };
    for (const Row& r : rows) {
        const TBoardLook got = PictureBoardLook(r.screen, r.picture);
        SCOPED_TRACE(testing::Message() << int(r.screen.Scheme) << " clean=" << r.picture.Clean()
                                        << " levels=" << r.picture.Levels);
        EXPECT_EQ(got.Scheme, r.painted.Scheme);
        EXPECT_EQ(got.GridDots, r.painted.GridDots);
        EXPECT_EQ(got.OpenTerminals, r.painted.OpenTerminals);
        EXPECT_EQ(got.Levels, r.painted.Levels);
        EXPECT_EQ(got.LevelTags, r.painted.LevelTags);
    }
    EXPECT_EQ(DefaultPictureLook(TPictureUse::Paper), (TPictureLook{Clean, false}));
    EXPECT_EQ(DefaultPictureLook(TPictureUse::Screen), (TPictureLook{Screen, false}));
}

TEST(PictureLook, TheScopeGivesTheLookAndLevelsBackEvenWhenPaintingThrows)
{
    TestCircuit t;
    TCircuitContext& context = t.Context;
    context.Look = {TColourSchemeId::Dark, true, true, true, true};
    // Only the address matters: the scope never reads the levels.
    const auto* running = reinterpret_cast<const TNetLevels*>(&t);
    const auto* own = reinterpret_cast<const TNetLevels*>(&context);
    context.ShownLevels = running;
    const auto unchanged = [&] {
        EXPECT_EQ(context.Look.Scheme, TColourSchemeId::Dark);
        EXPECT_TRUE(context.Look.GridDots && context.Look.OpenTerminals && context.Look.Levels);
        EXPECT_EQ(context.ShownLevels, running);
    };
    struct Row {
        TPictureLook look;
        const TNetLevels* given;
        const TNetLevels* shown;
    };
    const Row rows[] = {
        {{TPictureStyle::Screen, false}, nullptr, running}, {{TPictureStyle::Screen, false}, own, own},
        {{TPictureStyle::Clean, false}, nullptr, nullptr},  {{TPictureStyle::Clean, false}, own, nullptr},
        {{TPictureStyle::Clean, true}, nullptr, running},   {{TPictureStyle::Clean, true}, own, own},
    };
    for (const Row& r : rows) {
        {
            const TPictureLookScope held(context, r.look, r.given);
            EXPECT_EQ(context.Look.Scheme, r.look.Clean() ? TColourSchemeId::Printer : TColourSchemeId::Dark);
            EXPECT_EQ(context.ShownLevels, r.shown);
        }
        unchanged();
    }
    EXPECT_THROW(
        {
            const TPictureLookScope held(context, {TPictureStyle::Clean, false});
            throw std::runtime_error("painting failed");
        },
        std::runtime_error);
    unchanged();

    // A screen that hides levels keeps them hidden in a picture as on screen.
    context.Look.Levels = false;
    {
        const TPictureLookScope held(context, {TPictureStyle::Screen, false}, own);
        EXPECT_EQ(context.ShownLevels, nullptr);
    }
    EXPECT_EQ(context.ShownLevels, running);
}

}  // namespace
