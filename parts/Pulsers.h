#pragma once

#include "PartsBase.h"
#include "PublishedInt.h"

// Free-running pulse generator: its output toggles every Count × 10 + 1 passes. A Count of 0 or
// less from a file toggles it every pass.
class TPulser : public TPart {
public:
    TPulser(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "TPulser"; }
    void Draw() override;
    void SetTanshi() override;
    void Calc() override;
    void LoadFromStrings(const TStrings& lines) override;
    void SaveToStrings(TStrings& lines) const override;
    std::optional<TPublishedProp> FindProp(std::string_view name) const override;

    int32_t Count = 10;
    // Passes since the last toggle; neither stored nor reset by a run.
    int64_t PassCount = 0;
};

inline constexpr TIntProperty<TPulser> PulserCountProperty{"Count", &TPulser::Count, 10};

// One-shot: an edge on its input starts an output pulse of PulseWidth × 10 passes, written
// straight into the inputs it drives. PartNo 0 fires on the rising edge, 1 on the falling edge;
// any other PartNo does nothing.
class TOneShot : public TPart {
public:
    TOneShot(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "TOneShot"; }
    void Draw() override;
    void SetTanshi() override;
    void Calc() override;
    // Replaces the copying Tick: the one-shot's own output keeps its reset level.
    void Tick() override;
    TTickKind TickKind() const override { return TTickKind::Own; }
    bool AtRest() const override { return !Valid() || Tanshis.Empty() || (Countdown == Idle && Input() == EdgeLevel); }
    void LoadFromStrings(const TStrings& lines) override;
    void SaveToStrings(TStrings& lines) const override;
    std::optional<TPublishedProp> FindProp(std::string_view name) const override;

    static constexpr int64_t Idle = -1;
    // Neither is stored nor reset by a run: a pulse stopped midway finishes in the next run.
    int32_t EdgeLevel = LevelLow;
    int64_t Countdown = Idle;
    int32_t PulseWidth = 10;

private:
    bool Valid() const { return PartNo == 0 || PartNo == 1; }
    int32_t TriggerLevel() const { return PartNo == 0 ? LevelHigh : LevelLow; }
    int32_t RestLevel() const { return PartNo == 0 ? LevelLow : LevelHigh; }
    int32_t Input() const { return Tanshis.Items(0)->Level; }
};

inline constexpr TIntProperty<TOneShot> PulseWidthProperty{"PulseWidth", &TOneShot::PulseWidth, 10};
