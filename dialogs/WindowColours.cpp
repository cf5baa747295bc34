#include "WindowColours.h"

namespace {

QColor Q(TColor c) { return QColor(c.R, c.G, c.B); }

QRgb Rgb(TColor c) { return qRgb(c.R, c.G, c.B); }

constexpr std::array<Qt::PenStyle, TMapColours::GroupCount> Solid{Qt::SolidLine, Qt::SolidLine, Qt::SolidLine,
                                                                  Qt::SolidLine, Qt::SolidLine, Qt::SolidLine,
                                                                  Qt::SolidLine, Qt::SolidLine};

}  // namespace

TTimingColours TimingColours(TColourSchemeId scheme)
{
    const TColourScheme& c = SchemeColours(scheme);
    switch (scheme) {
    case TColourSchemeId::Normal: break;
    case TColourSchemeId::Dark:
        return {Q(c.Board),
                QColor(62, 65, 76),
                QColor(230, 230, 230),
                Q(c.Low),
                Q(c.High),
                QColor(120, 220, 120),
                {QColor(255, 255, 255), QColor(170, 200, 255)}};
    case TColourSchemeId::ColourBlind:
        return {Q(c.Board),
                QColor(60, 62, 74),
                QColor(235, 235, 235),
                Q(c.Low),
                Q(c.High),
                QColor(0, 158, 115),
                {QColor(204, 121, 167), QColor(235, 235, 235)}};
    case TColourSchemeId::Printer:
        return {Qt::white,
                QColor(215, 215, 215),
                Qt::black,
                Q(c.Low),
                Q(c.High),
                QColor(90, 90, 90),
                {Qt::black, QColor(110, 110, 110)}};
    }
    return {Qt::white,
            QColor(225, 225, 225),
            Qt::black,
            Q(c.Low),
            Q(c.High),
            Qt::darkGreen,
            {QColor(200, 0, 0), QColor(0, 90, 200)}};
}

TScopeColours ScopeColours(TColourSchemeId scheme)
{
    const TColourScheme& c = SchemeColours(scheme);
    switch (scheme) {
    case TColourSchemeId::Normal: break;
    case TColourSchemeId::Dark:
        return {Rgb(c.Board), Rgb(c.Low), Rgb(c.High), qRgb(255, 255, 255), qRgb(230, 230, 230)};
    case TColourSchemeId::ColourBlind:
        return {Rgb(c.Board), Rgb(c.Low), Rgb(c.High), qRgb(204, 121, 167), qRgb(235, 235, 235)};
    case TColourSchemeId::Printer:
        return {qRgb(255, 255, 255), Rgb(c.Low), Rgb(c.High), qRgb(150, 150, 150), qRgb(0, 0, 0)};
    }
    // The classic screen: navy, with green traces and a yellow cursor.
    return {qRgb(0, 0, 128), qRgb(0, 255, 0), qRgb(0, 255, 0), qRgb(255, 255, 0), qRgb(0, 255, 0)};
}

TMapColours MapColours(TColourSchemeId scheme)
{
    const TColourScheme& c = SchemeColours(scheme);
    switch (scheme) {
    case TColourSchemeId::Normal: break;
    case TColourSchemeId::Dark:
        return {Q(c.Board),
                QColor(96, 100, 112),
                QColor(230, 230, 230),
                QColor(130, 130, 130),
                Q(c.Conflict),
                {QColor(255, 110, 110), QColor(110, 170, 255), QColor(110, 220, 130), QColor(255, 190, 80),
                 QColor(210, 140, 255), QColor(90, 220, 220), QColor(215, 185, 135), QColor(255, 140, 200)},
                Solid};
    case TColourSchemeId::ColourBlind:
        // The eight colours of Okabe and Ito, black turned white for the dark ground.
        return {Q(c.Board),
                QColor(96, 98, 110),
                QColor(235, 235, 235),
                QColor(130, 130, 130),
                QColor(255, 255, 255),
                {QColor(230, 159, 0), QColor(86, 180, 233), QColor(0, 158, 115), QColor(240, 228, 66),
                 QColor(60, 140, 220), QColor(213, 94, 0), QColor(204, 121, 167), QColor(235, 235, 235)},
                Solid};
    case TColourSchemeId::Printer:
        return {Qt::white,
                QColor(150, 150, 150),
                Qt::black,
                QColor(130, 130, 130),
                Qt::black,
                {Qt::black, Qt::black, Qt::black, Qt::black, Qt::black, Qt::black, Qt::black, Qt::black},
                {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                 Qt::DashDotDotLine}};
    }
    return {Qt::white,
            QColor(150, 150, 150),
            Qt::black,
            QColor(160, 160, 160),
            QColor(220, 0, 0),
            {QColor(210, 40, 40), QColor(30, 110, 220), QColor(20, 150, 60), QColor(200, 120, 0), QColor(150, 50, 180),
             QColor(0, 150, 160), QColor(120, 90, 40), QColor(220, 60, 150)},
            Solid};
}
