#include "ScopeFormU.h"

#include "ProbeHub.h"

#include "FormPlacement.h"
#include "IniFile.h"
#include "LiveImage.h"
#include "PlacementRules.h"
#include "Shell.h"
#include "Translated.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>

#include <algorithm>
#include <optional>

namespace {

// The caption the window's placement is stored under in the settings file, as the first versions
// showed it; the files hold it, so it is the same in every language.
const char* const StoredCaption = "オシロスコープ";

void Paint(QWidget& widget, QRgb background, QRgb text)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(background));
    palette.setColor(QPalette::WindowText, QColor::fromRgb(text));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// The palette with every colour set, so that nothing of the screen's colour around it shows through.
QPalette OwnPalette(QPalette palette)
{
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    return palette;
}

// The frame of the editor's window when it is on the screen, to open a scope window beside it.
std::optional<TScreenRect> MainWindowFrame()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(window) && window->isVisible()) return FrameOf(*window);
    return std::nullopt;
}

QLabel* ChannelLabel(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    QFont font(QString::fromUtf8("ＭＳ ゴシック"));
    font.setPixelSize(12);
    label->setFont(font);
    label->adjustSize();
    return label;
}

}  // namespace

TScopeForm::TScopeForm(Shell& shell, TProbeHub* probes)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint), shell_(shell), probes_(probes)
{
    if (probes_) probe_ = probes_->Attach();
    setWindowTitle(QTr("Oscilloscope"));
    // The main window alone decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    Panel1 = new QWidget(this);
    for (int k = 0; k < ChannelCount; ++k) {
        lblCh[static_cast<size_t>(k)] = ChannelLabel(Panel1, QTr("Ch%1").arg(k + 1));
        lblCh_5V[static_cast<size_t>(k)] = ChannelLabel(Panel1, QStringLiteral("5V"));
        lblCh_0V[static_cast<size_t>(k)] = ChannelLabel(Panel1, QStringLiteral("0V"));
    }
    pboxScope = new TLiveImage(this);
    pboxScope->SetSource(&trace_);

    pnlTool = new QWidget(this);
    pnlTool->setAutoFillBackground(true);
    pnlTool->setPalette(OwnPalette(QApplication::palette()));
    auto* tools = new QHBoxLayout(pnlTool);
    tools->setContentsMargins(4, 2, 4, 2);
    btnStart = new QPushButton(QTrIn("scope", "Start"), pnlTool);
    btnStop = new QPushButton(QTrIn("scope", "Stop"), pnlTool);
    btnClear = new QPushButton(QTrIn("scope", "Clear"), pnlTool);
    chkRenzoku = new QCheckBox(QTr("Continuous"), pnlTool);
    chkRenzoku->setChecked(true);
    barSweep = new QSlider(Qt::Horizontal, pnlTool);
    barSweep->setRange(1, 50);
    barSweep->setValue(10);
    barSweep->setTickPosition(QSlider::NoTicks);
    // Room to slide the speed even in the narrowest window.
    barSweep->setMinimumWidth(60);
    for (QPushButton* button : {btnStart, btnStop, btnClear}) {
        button->setFixedWidth(56);
        tools->addWidget(button);
    }
    tools->addWidget(chkRenzoku);
    tools->addWidget(new QLabel(QTr("Sweep: fast"), pnlTool));
    tools->addWidget(barSweep, 1);
    tools->addWidget(new QLabel(QTrIn("sweep", "slow"), pnlTool));

    connect(btnStart, &QPushButton::clicked, this, [this] { Running = true; });
    connect(btnStop, &QPushButton::clicked, this, [this] { Running = false; });
    connect(btnClear, &QPushButton::clicked, this, [this] { Clear(); });
    connect(barSweep, &QSlider::valueChanged, this, [this](int position) { SweepDivider = position * 10; });

    // Smaller, the buttons would run into each other and each channel's 5V and 0V labels overlap.
    setMinimumSize(std::max(tools->minimumSize().width(), LabelPanelWidth + 100), DesignedHeight);
    resize(DesignedWidth, DesignedHeight);
    PaintLabels();
    LayOut();
}

void TScopeForm::PaintLabels()
{
    Paint(*this, colours_.Background, colours_.Text);
    Paint(*Panel1, colours_.Background, colours_.Text);
}

void TScopeForm::SetScheme(TColourSchemeId scheme)
{
    const TScopeColours old = colours_;
    colours_ = ScopeColours(scheme);
    PaintLabels();
    // The trace lives only as pixels: each takes the new colour of what it shows.
    for (int y = 0; y < trace_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(trace_.scanLine(y));
        for (int x = 0; x < trace_.width(); ++x) {
            const QRgb pixel = line[x] | 0xff000000u;
            if (pixel == (old.Background | 0xff000000u)) line[x] = colours_.Background;
            else if (pixel == (old.Cursor | 0xff000000u)) line[x] = colours_.Cursor;
            else line[x] = TraceColour(y);
        }
    }
    pboxScope->MarkDirty();
    pboxScope->update();
}

TScopeForm::~TScopeForm()
{
    Close();
    if (probes_) probes_->Detach(probe_);
}

void TScopeForm::LayOut()
{
    const int areaHeight = std::max(0, height() - ToolPanelHeight);
    Panel1->setGeometry(0, 0, LabelPanelWidth, areaHeight);
    pboxScope->setGeometry(LabelPanelWidth, 0, std::max(0, width() - LabelPanelWidth), areaHeight);
    pnlTool->setGeometry(0, areaHeight, width(), ToolPanelHeight);

    BandHeight = (height() - ToolPanelHeight - 20) / ChannelCount;
    Amplitude = (3 * BandHeight) / 4;
    for (int k = 0; k < ChannelCount; ++k) {
        const auto i = static_cast<size_t>(k);
        lblCh[i]->move(2, BaseLine(k) - Amplitude / 2 - 4);
        lblCh_5V[i]->move(LabelPanelWidth - 2 - lblCh_5V[i]->width(), HighLine(k));
        lblCh_0V[i]->move(LabelPanelWidth - 2 - lblCh_0V[i]->width(), BaseLine(k) - lblCh_0V[i]->height() + 2);
    }
    trace_ = QImage(pboxScope->size(), QImage::Format_RGB32);
    Clear();
}

void TScopeForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void TScopeForm::Clear()
{
    trace_.fill(colours_.Background);
    SweepX = 0;
    pboxScope->update();
}

void TScopeForm::Plot(int x, int y, QRgb color)
{
    if (trace_.valid(x, y)) reinterpret_cast<QRgb*>(trace_.scanLine(y))[x] = color;
    pboxScope->MarkDirty();
}

void TScopeForm::VerticalLine(int x, int y1, int y2, QRgb color)
{
    if (x < 0 || x >= trace_.width()) return;
    const int top = std::max(0, std::min(y1, y2));
    const int bottom = std::min(trace_.height() - 1, std::max(y1, y2));
    for (int y = top; y <= bottom; ++y) reinterpret_cast<QRgb*>(trace_.scanLine(y))[x] = color;
    pboxScope->MarkDirty();
}

QRgb TScopeForm::TraceColour(int y) const
{
    for (int k = 0; k < ChannelCount; ++k)
        if (y <= BaseLine(k)) return y <= (HighLine(k) + BaseLine(k)) / 2 ? colours_.High : colours_.Low;
    return colours_.Low;
}

void TScopeForm::TraceLine(int x, int y1, int y2)
{
    if (x < 0 || x >= trace_.width()) return;
    const int top = std::max(0, std::min(y1, y2));
    const int bottom = std::min(trace_.height() - 1, std::max(y1, y2));
    for (int y = top; y <= bottom; ++y) reinterpret_cast<QRgb*>(trace_.scanLine(y))[x] = TraceColour(y);
    pboxScope->MarkDirty();
}

void TScopeForm::SetLevel(int channel, int32_t level)
{
    if (channel < 0 || channel >= ChannelCount) return;
    int32_t& stored = Levels[static_cast<size_t>(channel)];
    if (level == stored) return;
    if (probes_) probes_->SetLevel(probe_, channel, level);
    TraceLine(SweepX - 1, BaseLine(channel), HighLine(channel));
    stored = level;
}

void TScopeForm::Sample()
{
    if (!Running) return;
    const int areaWidth = trace_.width();
    if (!chkRenzoku->isChecked() && SweepX >= areaWidth + 1) {
        Running = false;
        return;
    }
    if (++TickCount <= SweepDivider) return;
    TickCount = 0;
    VerticalLine(SweepX, 0, height(), colours_.Background);
    if (++SweepX > areaWidth + 1) SweepX = 0;
    VerticalLine(SweepX, 0, height(), colours_.Cursor);
    for (int k = 0; k < ChannelCount; ++k) {
        const int y = Levels[static_cast<size_t>(k)] != 0 ? HighLine(k) : BaseLine(k);
        Plot(SweepX - 1, y, TraceColour(y));
    }
}

void TScopeForm::SampleSteady(int64_t samples)
{
    // With the levels kept, the sweep comes back to where it was after one round of the screen,
    // every column drawn anew: more samples than two rounds draw what the last round and a part do.
    const int64_t round = (int64_t{trace_.width()} + 2) * std::max<int64_t>(int64_t{SweepDivider} + 1, 1);
    if (samples > 2 * round) samples = round + samples % round;
    for (int64_t s = 0; s < samples; ++s) Sample();
}

void TScopeForm::Show()
{
    // A window already shown stays where the user has put it.
    if (!isVisible()) {
        const std::optional<TScreenRect> main = MainWindowFrame();
        LoadFormPlacement(*this, StoredCaption, shell_.SettingsFile(),
                          FirstScopePlacement(WorkArea(), main ? &*main : nullptr, DesignedWidth, DesignedHeight));
    }
    show();
    raise();
}

void TScopeForm::Close()
{
    if (isVisible()) close();
}

void TScopeForm::closeEvent(QCloseEvent* event)
{
    try {
        SaveFormPlacement(*this, StoredCaption, shell_.SettingsFile());
    } catch (const TIniFile::TWriteError& error) {
        shell_.ShowError(error.what());
    }
    event->accept();
}
