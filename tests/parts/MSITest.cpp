#include "PartU.h"
#include "RecordingCanvas.h"
#include "TestCircuit.h"

#include <gtest/gtest.h>

namespace {

// Levels of terminals first .. first + count - 1 as a string of '0' and '5'.
std::string Levels(const TPartsBase* part, int first, int count)
{
    std::string s;
    for (int i = first; i < first + count; ++i) s += static_cast<char>('0' + part->Tanshis.Items(i)->Level);
    return s;
}

void Feed(TPartsBase* part, int first, const std::string& levels)
{
    for (size_t i = 0; i < levels.size(); ++i)
        part->Tanshis.Items(first + static_cast<int>(i))->Level = levels[i] - '0';
}

void FeedCode(TPartsBase* part, int code)
{
    for (int bit = 0; bit < 4; ++bit) part->Tanshis.Items(bit)->Level = (code >> bit & 1) ? 5 : 0;
}

TEST(FullAdder, TruthTable)
{
    struct Row {
        const char* in;  // A B Ci
        const char* out;  // S Co
    };
    TestCircuit t;
    auto* adder = t.Place<TFullAdder>(0, 0, 1);
    // clang-format off
    const Row rows[] = {
        // A B Ci   S Co
        {"000",    "00"},
        {"500",    "50"},
        {"050",    "50"},
        {"005",    "50"},
        {"550",    "05"},
        {"505",    "05"},
        {"055",    "05"},
        {"555",    "55"},
    };
    // clang-format on
    for (const Row& row : rows) {
        Feed(adder, 0, row.in);
        adder->Calc();
        EXPECT_EQ(Levels(adder, 3, 2), row.out) << "inputs " << row.in;
    }
}

TEST(FullAdder, TerminalsStayPutWhileWayTurnsOnlyTheImage)
{
    RecordingCanvas surface;
    TCircuit circuit(&surface);
    auto* adder = circuit.Bord.Create<TFullAdder>(nullptr);
    adder->PartNo = 1;
    for (int way = 0; way < 4; ++way) {
        adder->SetWay(way);
        EXPECT_EQ(adder->GetTanshiPos(2), (TPoint{20, 0}));
        EXPECT_EQ(adder->GetTanshiPos(4), (TPoint{20, 40}));
        adder->Draw();
    }
    adder->SetWay(4);
    adder->Draw();
    adder->PartNo = 2;
    adder->SetWay(0);
    adder->Draw();
    EXPECT_EQ(surface.Calls,
              (std::vector<std::string>{"Sprite 8 4 0 0", "Sprite 8 5 0 0", "Sprite 8 6 0 0", "Sprite 8 7 0 0"}));
}

// One character per pass: the code fed (hex) in; out, what the outputs show: the digit whose output
// is low, '-' for all high, '*' while nothing has been taken over (all at the reset level).
std::string RunDecoder(T2TO10* decoder, const std::string& codes)
{
    std::string shown;
    for (char code : codes) {
        FeedCode(decoder, std::stoi(std::string(1, code), nullptr, 16));
        decoder->Calc();
        const std::string out = Levels(decoder, 4, 10);
        if (out == "0000000000")
            shown += '*';
        else if (out == "5555555555")
            shown += '-';
        else
            shown += static_cast<char>('0' + out.find('0'));
    }
    return shown;
}

TEST(TwoToTen, TakesANewCodeOverOnItsTenthDifferingPass)
{
    TestCircuit t;
    auto* decoder = t.Place<T2TO10>(0, 0);
    EXPECT_EQ(RunDecoder(decoder, "0003333333333"),
                                  "************3");
    EXPECT_EQ(RunDecoder(decoder, "CCCCCCCCCC"),
                                  "333333333-");
    EXPECT_EQ(RunDecoder(decoder, "9999999999"),
                                  "---------9");
}

TEST(TwoToTen, PassesWithADifferingCodeCountWhetherOrNotTheyFollowEachOther)
{
    TestCircuit t;
    auto* decoder = t.Place<T2TO10>(0, 0);
    EXPECT_EQ(RunDecoder(decoder, "55000"), "*****");  // differs two passes, then returns
    EXPECT_EQ(decoder->SettleCount, 8);
    EXPECT_EQ(RunDecoder(decoder, "77777777"),
                                  "*******7");
    EXPECT_EQ(RunDecoder(decoder, "121212127121"),  // any differing code counts, the last takeover does not
                                  "777777777722");
}

TEST(TenToTwo, LowestActiveInputWins)
{
    struct Row {
        const char* in;  // 0̄ .. 9̄
        int code;
    };
    TestCircuit t;
    auto* encoder = t.Place<T10TO2>(0, 0, 1);
    // clang-format off
    const Row rows[] = {
        // 0123456789
        {"5505505555", 2},
        {"5555555555", 0},
        {"0000000000", 0},
        {"5555555550", 9},
        {"5555555500", 8},
        {"5555505555", 5},
        {"3355555555", 0},   // a level that is not 0 is inactive
    };
    // clang-format on
    for (const Row& row : rows) {
        Feed(encoder, 0, row.in);
        encoder->Calc();
        std::string expected;
        for (int bit = 0; bit < 4; ++bit) expected += (row.code >> bit & 1) ? '5' : '0';
        EXPECT_EQ(Levels(encoder, 10, 4), expected) << row.in;
    }
}

TEST(SevenSegDecoder, AllSixteenCodes)
{
    TestCircuit t;
    auto* decoder = t.Place<T7SEG>(0, 0, 2);
    // clang-format off
    const char* outputs[16] = {
        // ābcdefgh̄
        "00050005",  // 0
        "55055055",  // 1
        "05000505",  // 2
        "05005005",  // 3
        "50005055",  // 4
        "00505005",  // 5
        "00500005",  // 6
        "05055055",  // 7
        "00000005",  // 8
        "00005005",  // 9
        "00000055",  // A
        "50500005",  // b
        "00550505",  // C
        "55000005",  // d
        "00500505",  // E
        "00500555",  // F
    };
    // clang-format on
    for (int code = 0; code < 16; ++code) {
        FeedCode(decoder, code);
        decoder->Calc();
        EXPECT_EQ(Levels(decoder, 4, 8), outputs[code]) << "code " << code;
    }
}

TEST(Converters, MirroredByWayOneWithoutTerminalsForOtherWays)
{
    TestCircuit t;
    auto* decoder = t.Place<T7SEG>(0, 0, 2, 1);
    EXPECT_EQ(decoder->GetTanshiPos(0), (TPoint{60, 30}));
    EXPECT_EQ(decoder->GetTanshiPos(11), (TPoint{0, 90}));
    auto* encoder = t.Place<T10TO2>(0, 0, 1);
    auto* twoToTen = t.Place<T2TO10>(0, 0, 0);

    for (TPartsBase* part : {static_cast<TPartsBase*>(decoder), static_cast<TPartsBase*>(encoder),
                             static_cast<TPartsBase*>(twoToTen)}) {
        part->SetWay(5);
        EXPECT_EQ(part->Tanshis.Count(), 0);
        part->Calc();
    }
}

TEST(Converters, SpriteIsPartNoTimesTwoPlusWayWithinTheList)
{
    RecordingCanvas surface;
    TCircuit circuit(&surface);
    auto* decoder = circuit.Bord.Create<T7SEG>(nullptr);
    decoder->PartNo = 2;
    decoder->SetWay(1);
    decoder->Draw();
    decoder->PartNo = 8;  // image 17 does not exist
    decoder->Draw();
    decoder->PartNo = 2;
    decoder->SetWay(3);  // no terminals, no image
    decoder->Draw();
    EXPECT_EQ(surface.Calls, (std::vector<std::string>{"Sprite 13 5 0 0"}));
}

}  // namespace
