#include "ActionIcons.h"

#include <QPainter>
#include <QPixmap>

#include <array>

namespace {

// A short mark for each image of the list; the images themselves are drawn here until the data
// module provides its own.
constexpr std::array<const char*, 42> Marks{
    "新", "開", "保", "写", "切", "貼", "↑", "ND", "NR", "NT", "AD", "OR", "EO", "", "",
    "",   "",   "",   "L",  "T",  "P",  "JK", "EN", "PG", "A",  "D",  "T",  "FA", "Sc", "7",
    "□", "→", "←", "1S", "↶", "↷", "▦", "移", "線", "削", "■", "▶"};

}  // namespace

QIcon ActionIcon(int index)
{
    if (index < 0 || index >= static_cast<int>(Marks.size())) return {};
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0, 0, 128));
    p.setBrush(QColor(255, 255, 224));
    p.drawRect(0, 0, 15, 15);
    QFont font;
    font.setPixelSize(QString::fromUtf8(Marks[static_cast<size_t>(index)]).size() > 1 ? 8 : 12);
    p.setFont(font);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString::fromUtf8(Marks[static_cast<size_t>(index)]));
    return QIcon(pixmap);
}
