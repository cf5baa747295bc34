#include "TimingWindow.h"

#include "FileAccess.h"
#include "MessageText.h"
#include "Shell.h"
#include "Translated.h"
#include "WaveExport.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace {

constexpr int NameWidth = 120;
// A channel's row: as tall as the diagram allows sixteen of them, within these bounds.
constexpr int MaxRowHeight = 26;
constexpr int MinRowHeight = 14;
constexpr int Divisions = 10;
constexpr int BarHeight = 34;
constexpr int CursorLineHeight = 20;

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

TTimingWindow::TTimingWindow(TProbeHub& probes, Shell& shell, TLabeller labeller, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), probes_(probes), shell_(shell),
      labeller_(std::move(labeller))
{
    setObjectName(QStringLiteral("frmTiming"));
    setWindowTitle(QTr("Timing diagram"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(760, BarHeight + 4 + TWaveRecord::MaxChannels * 22 + 8 + CursorLineHeight);

    auto* bar = new QWidget(this);
    bar->setFixedHeight(BarHeight);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(new QLabel(QTr("Passes per division"), bar));
    edtPassesPerDivision = new QSpinBox(bar);
    edtPassesPerDivision->setRange(1, 10000);
    edtPassesPerDivision->setValue(10);
    row->addWidget(edtPassesPerDivision);
    row->addWidget(new QLabel(QTr("Trigger"), bar));
    cmbChannel = new QComboBox(bar);
    row->addWidget(cmbChannel);
    cmbEdge = new QComboBox(bar);
    cmbEdge->addItems({QTrIn("trigger edge", "None"), QTr("Rising edge"), QTr("Falling edge")});
    cmbEdge->setCurrentIndex(1);
    row->addWidget(cmbEdge);
    cmbMode = new QComboBox(bar);
    cmbMode->addItems(
        {QTrIn("trigger mode", "Auto"), QTrIn("trigger mode", "Normal"), QTrIn("trigger mode", "Single")});
    // A click at full speed is over in microseconds: held until the next one, it can be looked at.
    cmbMode->setCurrentIndex(static_cast<int>(TTriggerMode::Normal));
    row->addWidget(cmbMode);
    btnArm = new QPushButton(QTr("Arm"), bar);
    row->addWidget(btnArm);
    btnUp = new QPushButton(QStringLiteral("▲"), bar);
    btnDown = new QPushButton(QStringLiteral("▼"), bar);
    btnUp->setToolTip(QTr("Move the picked channel up"));
    btnDown->setToolTip(QTr("Move the picked channel down"));
    row->addWidget(btnUp);
    row->addWidget(btnDown);
    row->addStretch();
    auto* whole = new QCheckBox(QTr("All recorded"), bar);
    row->addWidget(whole);
    btnExport = new QPushButton(QTr("Export"), bar);
    auto* formats = new QMenu(btnExport);
    for (const char* extension : {"csv", "vcd", "json", "png", "svg"})
        connect(formats->addAction(QString::fromLatin1(extension).toUpper()), &QAction::triggered, this,
                [this, extension, whole] { ChooseAndExport(extension, whole->isChecked()); });
    btnExport->setMenu(formats);
    row->addWidget(btnExport);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addStretch();

    connect(edtPassesPerDivision, &QSpinBox::valueChanged, this, [this] { ApplySettings(); });
    connect(cmbChannel, &QComboBox::activated, this, [this] { ApplySettings(); });
    connect(cmbEdge, &QComboBox::activated, this, [this] { ApplySettings(); });
    connect(cmbMode, &QComboBox::activated, this, [this] { ApplySettings(); });
    connect(btnArm, &QPushButton::clicked, this, [this] { probes_.Trigger().Arm(); });
    connect(btnUp, &QPushButton::clicked, this, [this] {
        if (Picked > 0) probes_.Move(static_cast<size_t>(Picked), static_cast<size_t>(Picked - 1)), --Picked;
    });
    connect(btnDown, &QPushButton::clicked, this, [this] {
        if (Picked + 1 < static_cast<int>(probes_.Order().size()))
            probes_.Move(static_cast<size_t>(Picked), static_cast<size_t>(Picked + 1)), ++Picked;
    });
    refresh_ = new QTimer(this);
    refresh_->setInterval(40);
    connect(refresh_, &QTimer::timeout, this, [this] {
        if (generation_ != probes_.Generation()) RefillChannels();
        update();
    });
    RefillChannels();
    ApplySettings();
}

std::vector<std::string> TTimingWindow::ChannelNames() const
{
    std::vector<std::string> names;
    for (size_t c = 0; c < probes_.ShownCount(); ++c) {
        const TProbeChannel& channel = probes_.Order()[c];
        std::string label = labeller_ ? labeller_(channel) : std::string();
        names.push_back(label.empty()
                            ? Tr("Probe %1: Ch%2", {std::to_string(channel.Probe), std::to_string(channel.Channel + 1)})
                            : std::move(label));
    }
    return names;
}

void TTimingWindow::RefillChannels()
{
    generation_ = probes_.Generation();
    const int chosen = cmbChannel->currentIndex();
    cmbChannel->clear();
    for (const std::string& name : ChannelNames()) cmbChannel->addItem(QString::fromStdString(name));
    cmbChannel->setCurrentIndex(std::clamp(chosen, 0, std::max(0, cmbChannel->count() - 1)));
    Picked = std::clamp(Picked, 0, std::max(0, static_cast<int>(probes_.Order().size()) - 1));
}

void TTimingWindow::ApplySettings()
{
    TTriggerSettings settings;
    settings.Channel = std::max(0, cmbChannel->currentIndex());
    settings.Edge = static_cast<TTriggerEdge>(cmbEdge->currentIndex());
    settings.Mode = static_cast<TTriggerMode>(cmbMode->currentIndex());
    settings.Width = int64_t{edtPassesPerDivision->value()} * Divisions;
    probes_.Trigger().Change(settings);
    update();
}

std::optional<std::pair<int64_t, int64_t>> TTimingWindow::ShownPasses() const
{
    const TWaveRecord& record = probes_.Record();
    if (record.Empty()) return std::nullopt;
    const int64_t width = probes_.Trigger().Settings().Width;
    const int64_t from =
        probes_.Trigger().ShownFrom().value_or(std::max(record.FirstPass(), record.LastPass() - width + 1));
    return std::pair{from, from + width - 1};
}

int TTimingWindow::RowHeight(int diagramHeight) const
{
    const int rows = std::max<int>(1, static_cast<int>(probes_.ShownCount()));
    return std::clamp(diagramHeight / rows, MinRowHeight, MaxRowHeight);
}

std::optional<int64_t> TTimingWindow::CursorPass(size_t cursor) const
{
    const auto shown = ShownPasses();
    if (!shown || cursor >= Cursors.size() || !Cursors[cursor]) return std::nullopt;
    const int64_t pass = shown->first + *Cursors[cursor];
    if (pass > shown->second) return std::nullopt;
    return pass;
}

QRect TTimingWindow::WaveArea() const
{
    return QRect(NameWidth, BarHeight + 4, std::max(1, width() - NameWidth - 8),
                 std::max(1, height() - BarHeight - 8 - CursorLineHeight));
}

std::optional<int64_t> TTimingWindow::PassAt(int x) const
{
    const auto shown = ShownPasses();
    const QRect area = WaveArea();
    if (!shown || x < area.left() || x > area.right()) return std::nullopt;
    const double passes = double(shown->second - shown->first + 1);
    return shown->first + static_cast<int64_t>((x - area.left()) * passes / area.width());
}

void TTimingWindow::PaintWaves(QPainter& painter, const QRect& whole) const
{
    // The line of readings below the diagram stands on the same ground, so that its text keeps its
    // contrast in every scheme and an exported picture has no pixel left unpainted.
    painter.fillRect(whole.adjusted(0, 0, 0, CursorLineHeight + 4), colours_.Background);
    const QRect area(whole.left() + NameWidth, whole.top(), whole.width() - NameWidth, whole.height());
    painter.setPen(colours_.Divisions);
    for (int d = 0; d <= Divisions; ++d) {
        const int x = area.left() + d * (area.width() - 1) / Divisions;
        painter.drawLine(x, area.top(), x, area.bottom());
    }
    const auto shown = ShownPasses();
    const std::vector<std::string> names = ChannelNames();
    const TWaveRecord& record = probes_.Shown();
    const double passes = shown ? double(shown->second - shown->first + 1) : 1;
    const auto xOf = [&](int64_t pass) {
        return area.left() + static_cast<int>(double(pass - shown->first) * (area.width() - 1) / passes);
    };
    const int rowHeight = RowHeight(whole.height());
    for (size_t c = 0; c < names.size(); ++c) {
        const int top = whole.top() + static_cast<int>(c) * rowHeight;
        painter.setPen(colours_.Text);
        painter.drawText(QRect(whole.left() + 4, top, NameWidth - 8, rowHeight), Qt::AlignVCenter | Qt::AlignLeft,
                         QString::fromStdString(names[c]));
        if (!shown) continue;
        const int high = top + rowHeight / 4, low = top + rowHeight - rowHeight / 4;
        // Passes before the run or long gone from the record are left blank.
        const int64_t first = std::max(shown->first, record.FirstPass());
        const int64_t last = std::min(shown->second, record.LastPass());
        if (record.Empty() || first > last) continue;
        // Each level in its colour; an edge is drawn half in either, the upper half in the high one.
        const QPen lowPen(colours_.Low, 1.5), highPen(colours_.High, 1.5);
        const int middle = (high + low) / 2;
        int64_t runStart = first;
        for (int64_t pass = first; pass <= last + 1; ++pass) {
            const bool end = pass > last;
            if (!end &&
                (pass == first || record.High(static_cast<int>(c), pass) == record.High(static_cast<int>(c), pass - 1)))
                continue;
            const bool wasHigh = record.High(static_cast<int>(c), pass - 1);
            painter.setPen(wasHigh ? highPen : lowPen);
            painter.drawLine(xOf(runStart), wasHigh ? high : low, xOf(pass), wasHigh ? high : low);
            if (!end) {
                painter.setPen(highPen);
                painter.drawLine(xOf(pass), high, xOf(pass), middle);
                painter.setPen(lowPen);
                painter.drawLine(xOf(pass), middle, xOf(pass), low);
            }
            runStart = pass;
        }
    }
    if (!shown) return;
    if (const auto edge = probes_.Trigger().TriggeredAt()) {
        painter.setPen(QPen(colours_.Trigger, 1, Qt::DashLine));
        painter.drawLine(xOf(*edge), area.top(), xOf(*edge), area.bottom());
    }
    QString reading;
    for (size_t i = 0; i < Cursors.size(); ++i) {
        const auto pass = CursorPass(i);
        if (!pass) continue;
        painter.setPen(colours_.Cursors[i]);
        painter.drawLine(xOf(*pass), area.top(), xOf(*pass), area.bottom());
        reading += (i == 0 ? QTr("A: pass %1") : QTr("B: pass %1")).arg(*pass) + QStringLiteral("   ");
    }
    if (CursorPass(0) && CursorPass(1)) reading += QTr("B − A: %1 passes").arg(*CursorPass(1) - *CursorPass(0));
    painter.setPen(colours_.Text);
    painter.drawText(QRect(whole.left() + 4, whole.bottom() + 2, whole.width(), CursorLineHeight),
                     Qt::AlignVCenter | Qt::AlignLeft,
                     QTr("Passes %1 to %2").arg(shown->first).arg(shown->second) + QStringLiteral("   ") + reading);
}

void TTimingWindow::SetScheme(TColourSchemeId scheme)
{
    colours_ = TimingColours(scheme);
    update();
}

void TTimingWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    PaintWaves(painter, QRect(0, BarHeight + 4, width(), height() - BarHeight - 8 - CursorLineHeight));
}

void TTimingWindow::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (at.x() < NameWidth) {
        const int row = (at.y() - WaveArea().top()) / RowHeight(WaveArea().height());
        if (row >= 0 && row < static_cast<int>(probes_.ShownCount())) Picked = row;
    } else if (const auto pass = PassAt(at.x())) {
        Cursors[event->button() == Qt::LeftButton ? 0 : 1] = *pass - ShownPasses()->first;
    }
    update();
}

void TTimingWindow::wheelEvent(QWheelEvent* event)
{
    const int step = event->angleDelta().y();
    if (step == 0) return;
    const int value = edtPassesPerDivision->value();
    edtPassesPerDivision->setValue(std::clamp(step > 0 ? value / 2 : value * 2, 1, 10000));
}

void TTimingWindow::showEvent(QShowEvent*)
{
    refresh_->start();
    // The first time, over the lower part of the main window, where the board's probes are seen too.
    if (!placed_ && parentWidget()) {
        const QRect main = parentWidget()->frameGeometry();
        move(main.left() + main.width() / 4, main.top() + main.height() / 3);
        placed_ = true;
    }
}

void TTimingWindow::hideEvent(QHideEvent*) { refresh_->stop(); }

bool TTimingWindow::Export(const std::string& path, bool whole)
{
    const TWaveRecord& record = whole ? probes_.Record() : probes_.Shown();
    const auto shown = ShownPasses();
    try {
        if (!shown) throw TFileError(Tr("Nothing is recorded yet: run the circuit first."));
        const int64_t from = whole ? record.FirstPass() : std::max(shown->first, record.FirstPass());
        const int64_t to = whole ? record.LastPass() : std::min(shown->second, record.LastPass());
        const std::string extension = Lowered(std::filesystem::path(path).extension().string());
        const std::vector<std::string> names = ChannelNames();
        if (extension == ".vcd") {
            WriteWaveVcd(path, record, names, from, to);
            return true;
        }
        std::string bytes;
        if (extension == ".csv") {
            bytes = WaveCsv(record, names, from, to);
        } else if (extension == ".json") {
            bytes = WaveDromJson(record, names, from, to);
        } else {
            const QSize size(std::max(width(), 400),
                             static_cast<int>(names.size()) * MaxRowHeight + CursorLineHeight + 8);
            QByteArray data;
            QBuffer buffer(&data);
            buffer.open(QIODevice::WriteOnly);
            if (extension == ".svg") {
                QSvgGenerator svg;
                svg.setOutputDevice(&buffer);
                svg.setSize(size);
                svg.setViewBox(QRect(QPoint(), size));
                QPainter painter(&svg);
                PaintWaves(painter, QRect(0, 0, size.width(), size.height() - CursorLineHeight - 4));
            } else {
                QImage image(size, QImage::Format_RGB32);
                {
                    QPainter painter(&image);
                    PaintWaves(painter, QRect(0, 0, size.width(), size.height() - CursorLineHeight - 4));
                }
                image.save(&buffer, "PNG");
            }
            bytes = data.toStdString();
        }
        WriteFileBytes(path, bytes);
    } catch (const TFileError& error) {
        shell_.ShowError(error.what());
        return false;
    }
    return true;
}

void TTimingWindow::ChooseAndExport(const char* extension, bool whole)
{
    const std::string upper = QString::fromLatin1(extension).toUpper().toStdString();
    const Shell::TFileDialog dialog{Tr("%1 files (*.%2)", {upper, extension}) + "|*." + extension, extension,
                                    std::string("timing.") + extension};
    if (const auto path = shell_.SaveFileName(dialog)) Export(*path, whole);
}
