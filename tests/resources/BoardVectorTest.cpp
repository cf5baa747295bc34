// Vector pictures of boards: the SVG of every example parses and draws its wires where the PNG has
// them, the PDF is one page, and the clean look leaves no colour and no grid dot.
#include "BoardImage.h"
#include "BoardVector.h"
#include "CircuitFile.h"
#include "CircuitText.h"
#include "PartU.h"
#include "SvgRendering.h"
#include "TestCircuit.h"

#include <QImage>
#include <QPainter>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

QRgb Rgb(TColor c) { return qRgb(c.R, c.G, c.B); }

const TPictureLook Clean{TPictureStyle::Clean, false};

std::vector<std::string> Examples()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(VOLTRANE_TEST_DATA "/../../docs/examples"))
        if (entry.path().extension() == ".lgc") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

void Load(TestCircuit& t, const std::string& file)
{
    TPartsList loaded;
    LoadParts(ReadCircuitFile(file), loaded, t.Bord, nullptr, nullptr);
    t.Bord.CheckAllLinks();
}

}  // namespace

TEST(BoardVector, TheSvgOfEveryExampleParsesAndDrawsItsWiresWhereThePngHasThem)
{
    const std::vector<std::string> examples = Examples();
    ASSERT_GE(examples.size(), 10u);
    for (const std::string& file : examples) {
        SCOPED_TRACE(file);
        TestCircuit t;
        Load(t, file);
        const TRect area = BoardPictureRect(t.Bord);
        const std::string svg = BoardSvg(t.Bord, area);
        QXmlStreamReader xml(QByteArray::fromStdString(svg));
        int elements = 0;
        while (!xml.atEnd()) elements += xml.readNext() == QXmlStreamReader::StartElement;
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_GT(elements, 20);

        const QImage png = QImage::fromData(QByteArray::fromStdString(BoardPng(t.Bord, area, 1)), "PNG")
                               .convertToFormat(QImage::Format_RGB32);
        const QImage drawn = Rendered(svg, png.size());
        int wire = 0, matched = 0;
        for (int y = 0; y < png.height(); ++y)
            for (int x = 0; x < png.width(); ++x)
                if (png.pixel(x, y) == Rgb(clBlue)) {
                    ++wire;
                    matched += drawn.pixel(x, y) == Rgb(clBlue);
                }
        EXPECT_GT(wire, 20);
        EXPECT_GE(matched, wire * 98 / 100) << matched << " of " << wire;
    }
}

TEST(BoardVector, APdfIsOnePageAndTheCleanLookLeavesNoColourNoGridDotAndAFooter)
{
    TestCircuit t;
    Load(t, VOLTRANE_TEST_DATA "/../../docs/examples/adder4.lgc");
    const TRect area = BoardPictureRect(t.Bord);
    const std::string pdf = BoardPdf(t.Bord, area, "adder4.lgc  2026-12-08", Clean);
    EXPECT_TRUE(pdf.starts_with("%PDF-"));
    size_t pages = 0;
    for (size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        pages += pdf.compare(at, 12, "/Type /Pages") != 0;
    EXPECT_EQ(pages, 1u);

    QImage page(600, 800, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        PaintPage(painter, QRectF(20, 20, 560, 760), t.Bord, area, "adder4.lgc  2026-12-08", Clean);
    }
    int coloured = 0, footer = 0, board = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y);
            coloured += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
            (y > 740 ? footer : board) += qGray(p) < 128;
        }
    EXPECT_EQ(coloured, 0);  // the olive grid dots, the blue wires and the lamps' red are all gone
    EXPECT_GT(footer, 20);
    EXPECT_GT(board, 2000);
}

// A page holds the circuit fitted and centred, so that a small one does not cling to the top.
TEST(BoardVector, APageCentresTheCircuit)
{
    TestCircuit t;
    t.Place<TNot>(100, 100);
    QImage page(600, 800, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        PaintPage(painter, QRectF(20, 20, 560, 760), t.Bord, {100, 100, 140, 140}, "", Clean);
    }
    int left = page.width(), right = 0, top = page.height(), bottom = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) >= 128) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    EXPECT_NEAR(left - 20, 580 - right, 15) << left << ".." << right;
    EXPECT_NEAR(top - 20, 780 - bottom, 15) << top << ".." << bottom;
}
