#include "PictureLook.h"

#include "Context.h"

TPictureLook DefaultPictureLook(TPictureUse use)
{
    return {use == TPictureUse::Paper ? TPictureStyle::Clean : TPictureStyle::Screen, false};
}

TBoardLook PictureBoardLook(const TBoardLook& screen, const TPictureLook& look)
{
    if (!look.Clean()) return screen;
    TBoardLook clean = screen;
    clean.Scheme = TColourSchemeId::Printer;
    clean.GridDots = false;
    clean.OpenTerminals = false;
    clean.Levels = look.Levels;
    // The tags name levels, which a picture without them has no use for.
    clean.LevelTags = look.Levels && screen.LevelTags;
    return clean;
}

TPictureLookScope::TPictureLookScope(TCircuitContext& context, const TPictureLook& look, const TNetLevels* levels)
    : context_(context), savedLook_(context.Look), savedLevels_(context.ShownLevels)
{
    context_.Look = PictureBoardLook(savedLook_, look);
    if (!context_.Look.Levels) context_.ShownLevels = nullptr;
    else if (levels) context_.ShownLevels = levels;
}

TPictureLookScope::~TPictureLookScope()
{
    context_.Look = savedLook_;
    context_.ShownLevels = savedLevels_;
}
