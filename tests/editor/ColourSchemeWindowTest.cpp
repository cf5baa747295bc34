// View → Colours: the four schemes as a user picks them, kept in the settings for the next start,
// and followed by the board and by the windows that show levels.
#include "AnalysisWindow.h"
#include "ColourCommands.h"
#include "EditorFixture.h"
#include "KarnaughView.h"
#include "ScopeFormU.h"
#include "TimingWindow.h"

#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QRgb Rgb(TColor c) { return qRgb(c.R, c.G, c.B); }

class ColourSchemeWindow : public ::testing::Test, public EditorFixture {
public:
    QMenu* Colours() const { return window->menuBar()->findChild<QMenu*>(QStringLiteral("mnuColours")); }
    TAction* SchemeAction(TColourSchemeId id) const { return actions->SchemeActions[static_cast<size_t>(id)]; }
    std::string Stored() { return TIniFile(shell.SettingsFile()).ReadString("Options", "ColourScheme", "-"); }
    // A window started anew on the same settings.
    void Restart()
    {
        window.reset();
        window = std::make_unique<TfrmVoltrane>(shell, SharedDM());
        actions = &window->ActionManager1;
        window->show();
    }
    TColor Background() const { return window->BoardSurface().PixelAt(5, 5); }
};

}  // namespace

TEST_F(ColourSchemeWindow, TheSubmenuOffersFourExclusiveSchemesNormalFirst)
{
    ASSERT_TRUE(Colours());
    QStringList texts;
    for (QAction* action : Colours()->actions()) texts << action->text();
    EXPECT_EQ(texts, QStringList({QString::fromUtf8("標準(&N)"), QString::fromUtf8("ダーク(&D)"),
                                  QString::fromUtf8("色覚バリアフリー(&B)"), QString::fromUtf8("印刷向け(&P)")}));
    EXPECT_TRUE(SchemeAction(TColourSchemeId::Normal)->isChecked());
    EXPECT_EQ(window->Circuit.Context.Look.Scheme, TColourSchemeId::Normal);
    EXPECT_EQ(Background(), clBtnFace);

    SchemeAction(TColourSchemeId::Printer)->trigger();
    SchemeAction(TColourSchemeId::Dark)->trigger();
    int checked = 0;
    for (TAction* action : actions->SchemeActions) checked += action->isChecked();
    EXPECT_EQ(checked, 1);
    EXPECT_TRUE(SchemeAction(TColourSchemeId::Dark)->isChecked());
}

TEST_F(ColourSchemeWindow, AChoiceRepaintsTheBoardAndIsRestoredAtTheNextStart)
{
    auto* gate = window->Bord.Create<TGate>(&window->WindowSurface());
    gate->MoveTo(100, 100, false);
    window->Redraw();
    for (int i = 0; i < ColourSchemeCount; ++i) {
        const auto id = static_cast<TColourSchemeId>(i);
        SCOPED_TRACE(SchemeName(id));
        SchemeAction(id)->trigger();
        EXPECT_EQ(window->Circuit.Context.Look.Scheme, id);
        EXPECT_EQ(Stored(), SchemeName(id));
        EXPECT_EQ(Background(), SchemeColours(id).Board);
        // The window shows the board surface anew, not the last scheme's picture.
        EXPECT_EQ(window->WindowSurface().Image().pixel(window->BoardSurface().DeviceRect({5, 5, 6, 6}).topLeft()),
                  Rgb(SchemeColours(id).Board));
        EXPECT_EQ(window->BoardSurface().PixelAt(10, 10), SchemeColours(id).GridDot);
    }
    SchemeAction(TColourSchemeId::ColourBlind)->trigger();
    Restart();
    EXPECT_EQ(window->Circuit.Context.Look.Scheme, TColourSchemeId::ColourBlind);
    EXPECT_TRUE(SchemeAction(TColourSchemeId::ColourBlind)->isChecked());
    EXPECT_EQ(Background(), SchemeColours(TColourSchemeId::ColourBlind).Board);
}

TEST_F(ColourSchemeWindow, AStoredValueThatNamesNoSchemeStartsInTheNormalOne)
{
    for (const char* stored : {"Purple", "", "2", "dark", "Printer!"}) {
        SCOPED_TRACE(stored);
        TIniFile(shell.SettingsFile()).WriteString("Options", "ColourScheme", stored);
        Restart();
        EXPECT_EQ(window->Circuit.Context.Look.Scheme, TColourSchemeId::Normal);
        EXPECT_TRUE(SchemeAction(TColourSchemeId::Normal)->isChecked());
        EXPECT_EQ(Background(), clBtnFace);
    }
    EXPECT_EQ(StoredScheme(shell.SettingsFile() + ".missing"), TColourSchemeId::Normal);
}

TEST_F(ColourSchemeWindow, TheTimingDiagramTheMapAndTheScopesFollowTheScheme)
{
    SchemeAction(TColourSchemeId::Dark)->trigger();
    actions->actTiming->trigger();
    actions->actAnalysis->trigger();
    ASSERT_TRUE(window->Companions->frmTiming);
    ASSERT_TRUE(window->Companions->frmAnalysis);
    TScopeForm* scope = nullptr;
    const std::unique_ptr<ScopeSink> sink = window->Circuit.Context.Windows->CreateScopeSink();
    scope = dynamic_cast<TScopeForm*>(sink.get());
    ASSERT_TRUE(scope);
    const TColourScheme& dark = SchemeColours(TColourSchemeId::Dark);
    // Made after the choice, each starts in it.
    EXPECT_EQ(window->Companions->frmTiming->Colours().Background, QColor(dark.Board.R, dark.Board.G, dark.Board.B));
    EXPECT_EQ(window->Companions->frmTiming->Colours().High, QColor(dark.High.R, dark.High.G, dark.High.B));
    EXPECT_EQ(window->Companions->frmAnalysis->pboxMap->Colours().Background,
              QColor(dark.Board.R, dark.Board.G, dark.Board.B));
    EXPECT_EQ(scope->Colours().Background, Rgb(dark.Board));
    EXPECT_EQ(scope->Trace().pixel(10, 10), Rgb(dark.Board));

    // Made before a choice, each takes the new one.
    SchemeAction(TColourSchemeId::Normal)->trigger();
    EXPECT_EQ(window->Companions->frmTiming->Colours().Background, QColor(Qt::white));
    EXPECT_EQ(window->Companions->frmAnalysis->pboxMap->Colours().Background, QColor(Qt::white));
    EXPECT_EQ(scope->Trace().pixel(10, 10), qRgb(0, 0, 128));  // the classic navy screen
}

// View → Level tags: off at the first start, kept in the settings, and drawn only while a run shows
// levels: a tag beside the inverter's terminals changes pixels above them.
TEST_F(ColourSchemeWindow, LevelTagsAreKeptForTheNextStartAndWrittenWhileRunning)
{
    EXPECT_FALSE(actions->actLevelTags->isChecked());
    actions->actLevelTags->trigger();
    EXPECT_TRUE(window->Circuit.Context.Look.LevelTags);
    EXPECT_EQ(TIniFile(shell.SettingsFile()).ReadString("Options", "LevelTags", "-"), "1");
    Restart();
    EXPECT_TRUE(actions->actLevelTags->isChecked());
    EXPECT_TRUE(window->Circuit.Context.Look.LevelTags);

    auto* inverter = window->Bord.Create<TNot>(&window->WindowSurface());
    inverter->MoveTo(100, 100, false);
    window->Redraw();
    const QRect aboveOutput = window->BoardSurface().DeviceRect({140, 108, 150, 120});
    const QImage drawn = window->BoardSurface().Image().copy(aboveOutput);
    QTimer::singleShot(300, window.get(), [this] { actions->actSimStop->trigger(); });
    QTimer::singleShot(150, window.get(), [this, aboveOutput, &drawn] {
        EXPECT_NE(window->BoardSurface().Image().copy(aboveOutput), drawn) << "no tag above the output";
    });
    actions->actSimStart->trigger();
    EXPECT_EQ(window->BoardSurface().Image().copy(aboveOutput), drawn);
}
