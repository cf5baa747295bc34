#pragma once

#include "SpriteSource.h"

#include <QImage>

#include <memory>
#include <vector>

// One list of equally sized images.
struct TImageList {
    int Width = 0;
    int Height = 0;
    std::vector<QImage> Images;
    int Count() const { return static_cast<int>(Images.size()); }
};

// The data module: every sprite list of the parts and the images of the main window's actions,
// all drawn at board size when it is created; the sprite lists at other scales are drawn when first
// asked for and kept for the last few scales. It needs the GUI application for the label fonts.
class TDM : public SpriteSource {
public:
    TDM();
    ~TDM() override;

    const TImageList& List(TSpriteList list) const;
    // The list drawn for a view of that many device pixels per board unit; Width and Height are its
    // images' size in device pixels. Valid at least until a list of another scale is asked for.
    const TImageList& List(TSpriteList list, double scale) const;
    using SpriteSource::Sprite;
    const QImage* Sprite(TSpriteList list, int index, double scale) const override;

    TImageList imgGate2In, imgGate3In, imgGate4In, imgGate5In, imgNot, imgFF, imgPushSW, imgTglSW, img4141,
        imgOneShot, imgLED, imgLED7SEG, imgMatrix8X8, imgMSI1, imgScope, imgDot, imgTerminal;
    // The images of 16 × 16 of the actions: the 42 classic ones, then the run controls'.
    TImageList ImageList1;

private:
    struct TScaledLists;
    // Most recently used first.
    mutable std::vector<std::unique_ptr<TScaledLists>> scaled_;
};

// The sprite lists in the order of TSpriteList, with their names, for listings such as the contact sheet.
struct TSpriteListName {
    TSpriteList List;
    const char* Name;
};
extern const TSpriteListName SpriteListNames[SpriteListCount];
