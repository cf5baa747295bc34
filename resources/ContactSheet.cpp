#include "ContactSheet.h"

#include "DMU.h"
#include "SpriteKit.h"

#include <QFontMetrics>

#include <algorithm>
#include <vector>

namespace {

constexpr int SheetWidth = 1100;
constexpr int Gap = 8;
constexpr int TitleHeight = 18;
constexpr int IndexHeight = 11;

struct TSheetRow {
    QString Title;
    const TImageList* Images;
};

// Lays the images out left to right, wrapping at the sheet's width; answers the height used.
int LayOut(const TImageList& list, int top, QPainter* painter)
{
    int x = Gap, y = top + TitleHeight;
    for (int i = 0; i < list.Count(); ++i) {
        if (x + list.Width > SheetWidth - Gap) {
            x = Gap;
            y += list.Height + IndexHeight + Gap;
        }
        if (painter) {
            painter->drawImage(x, y, list.Images[static_cast<size_t>(i)]);
            painter->drawText(QRect(x, y + list.Height, list.Width, IndexHeight), Qt::AlignCenter, QString::number(i));
        }
        x += list.Width + Gap;
    }
    return y + list.Height + IndexHeight + Gap - top;
}

}  // namespace

QImage ContactSheet(const TDM& sprites)
{
    std::vector<TSheetRow> rows;
    for (const TSpriteListName& entry : SpriteListNames) {
        const TImageList& list = sprites.List(entry.List);
        rows.push_back({QStringLiteral("%1: %2 images of %3 × %4")
                            .arg(QString::fromLatin1(entry.Name))
                            .arg(list.Count())
                            .arg(list.Width)
                            .arg(list.Height),
                        &list});
    }
    rows.push_back({QStringLiteral("ImageList1: %1 action images of 16 × 16").arg(sprites.ImageList1.Count()),
                    &sprites.ImageList1});

    int height = Gap;
    for (const TSheetRow& row : rows) height += LayOut(*row.Images, height, nullptr);
    QImage sheet(SheetWidth, height, QImage::Format_RGB32);
    sheet.fill(ButtonFace);
    QPainter painter(&sheet);
    int top = Gap;
    for (const TSheetRow& row : rows) {
        painter.setPen(Ink);
        painter.setFont(LabelFont(12, true));
        painter.drawText(Gap, top + 13, row.Title);
        painter.setFont(LabelFont(9));
        painter.setPen(QColor(90, 90, 90));
        top += LayOut(*row.Images, top, &painter);
    }
    return sheet;
}
