#include "CircuitFile.h"
#include "PartU.h"
#include "TextFixture.h"
#include "Wiring.h"

#include <gtest/gtest.h>

namespace {

TEST(CircuitTextContainers, WritesTheExampleCircuitByteForByte)
{
    TextBoard r;
    r.t.Place<TTglSW>(100, 100);
    AddWire(r.t, 120, 110, 180, 110);
    r.t.Place<TLED>(180, 100);
    auto* box = AddBox(r.t, 300, 60, 60, 120);
    auto* in = r.t.Bord.Create<TInTerminal>(nullptr);
    in->Container = box;
    in->MoveTo(310, 80, false);

    TPartsList all;
    r.t.Bord.CopyParts(all);
    TStrings lines;
    SaveParts(all, lines);
    EXPECT_EQ(EncodeCircuitText(lines),
              "Voltrane FormatVer:1.0 By Ardent Wirefox\r\n"
              "ClassName=TTglSW\r\nName=TTglSW0\r\nContainerName=\r\nPartNo=0\r\nLeft=100\r\nTop=100\r\n"
              "OffsetLeft=100\r\nOffsetTop=100\r\nWidth=20\r\nHeight=20\r\nWayCount=4\r\nWay=0\r\nEnd\r\n"
              "ClassName=TCode\r\nName=TCode1\r\nContainerName=\r\nPartNo=0\r\nLeft=120\r\nTop=110\r\n"
              "OffsetLeft=120\r\nOffsetTop=110\r\nWidth=60\r\nHeight=0\r\nWayCount=0\r\nWay=0\r\nEnd\r\n"
              "ClassName=TLED\r\nName=TLED2\r\nContainerName=\r\nPartNo=0\r\nLeft=180\r\nTop=100\r\n"
              "OffsetLeft=180\r\nOffsetTop=100\r\nWidth=20\r\nHeight=20\r\nWayCount=4\r\nWay=0\r\n"
              "ZanzoTime=100\r\nEnd\r\n"
              "ClassName=TContainer\r\nName=TContainer3\r\nContainerName=\r\nPartNo=0\r\nLeft=300\r\nTop=60\r\n"
              "OffsetLeft=300\r\nOffsetTop=60\r\nWidth=60\r\nHeight=120\r\nWayCount=0\r\nWay=0\r\n"
              "MacroName=\r\nEnd\r\n"
              "ClassName=TInTerminal\r\nName=TInTerminal4\r\nContainerName=TContainer3\r\nPartNo=0\r\n"
              "Left=310\r\nTop=80\r\nOffsetLeft=10\r\nOffsetTop=20\r\nWidth=20\r\nHeight=20\r\nWayCount=4\r\n"
              "Way=0\r\nEnd\r\n");

    TextBoard back;
    back.Load(Text(lines));
    ASSERT_EQ(back.result.Count(), 5);
    EXPECT_EQ(back.result.Items(4)->Container, back.result.Items(3));
    EXPECT_EQ(back.Save(), Text(lines));
}

TEST(CircuitTextContainers, ChildrenFindTheirBoxWhereverItsBlockStands)
{
    TextBoard r;
    r.Load(Header + Block("TNot", "TNot0", "TContainer1", 0, 10, 10, 10, 10, 40, 40, 4, 0) +
           Block("TContainer", "TContainer1", "", 0, 0, 0, 0, 0, 60, 120, 0, 0) +
           Block("TGate", "TGate2", "TContainer1", 0, 10, 60, 10, 60, 40, 40, 4, 0) +
           Block("TNot", "TNot3", "", 0, 90, 10, 90, 10, 40, 40, 4, 0));
    ASSERT_EQ(r.result.Count(), 4);
    TPartsBase* box = r.result.Items(1);
    EXPECT_EQ(r.result.Items(0)->Container, box);
    EXPECT_EQ(r.result.Items(2)->Container, box);
    EXPECT_EQ(r.result.Items(3)->Container, nullptr);
    EXPECT_EQ(box->Container, nullptr);
    for (const TPartsBase* o : r.result) {
        EXPECT_EQ(o->Name, "");
        EXPECT_EQ(o->ContainerName, "");
    }
}

TEST(CircuitTextContainers, AChildCopiedWithoutItsBoxGoesWhereTheReaderPlacesObjects)
{
    TestCircuit source;
    auto* box = AddBox(source, 100, 100, 60, 120);
    auto* child = source.Place<TNot>(110, 110);
    child->Container = box;
    TPartsList copied;
    copied.Add(child);
    TStrings lines;
    SaveParts(copied, lines);
    EXPECT_EQ(lines[3], "ContainerName=");

    TextBoard top;
    top.Load(Text(lines));
    EXPECT_EQ(top.result.Items(0)->Container, nullptr);

    TextBoard inside;
    auto* target = AddBox(inside.t, 0, 0, 200, 200);
    inside.Load(Text(lines), target);
    EXPECT_EQ(inside.result.Items(0)->Container, target);
}

TEST(CircuitTextContainers, SubBoardTerminalsAtTopLevelAreDropped)
{
    const std::string terminals = Block("TInTerminal", "in", "", 0, 0, 0, 0, 0, 20, 20, 4, 0) +
                                  Block("TOutTerminal", "out", "nobody", 1, 40, 0, 40, 0, 20, 20, 4, 0) +
                                  Block("TNot", "kept", "", 0, 80, 0, 80, 0, 40, 40, 4, 0);
    TextBoard top;
    top.Load(Header + terminals);
    ASSERT_EQ(top.result.Count(), 1);
    EXPECT_EQ(top.names, std::vector<std::string>{"kept"});
    EXPECT_EQ(top.t.Bord.Count(), 1);

    TextBoard inside;
    auto* box = AddBox(inside.t, 0, 0, 200, 200);
    inside.Load(Header + terminals, box);
    EXPECT_EQ(inside.names, (std::vector<std::string>{"in", "kept"}));  // "nobody" names no object: top level
    EXPECT_EQ(inside.result.Items(0)->Container, box);
}

// Only a container can hold objects, and containment stays a tree whatever the names say.
TEST(CircuitTextContainers, NamesThatWouldBreakContainmentPutTheObjectWhereTheReaderPlacesObjects)
{
    const std::string text =
        Header + Block("TNot", "gate", "", 0, 0, 0, 0, 0, 40, 40, 4, 0) +
        Block("TNot", "inGate", "gate", 0, 0, 0, 0, 0, 40, 40, 4, 0) +
        Block("TContainer", "self", "self", 0, 0, 0, 0, 0, 60, 120, 0, 0) +
        Block("TContainer", "A", "B", 0, 0, 0, 0, 0, 60, 120, 0, 0) +
        Block("TContainer", "B", "C", 0, 0, 0, 0, 0, 60, 120, 0, 0) +
        Block("TContainer", "C", "A", 0, 0, 0, 0, 0, 60, 120, 0, 0) +
        Block("TContainer", "D", "B", 0, 0, 0, 0, 0, 60, 120, 0, 0);
    for (bool intoBox : {false, true}) {
        TextBoard r;
        TContainer* target = intoBox ? AddBox(r.t, 500, 500, 60, 60) : nullptr;
        r.Load(text, target);
        ASSERT_EQ(r.result.Count(), 7);
        auto at = [&](int i) { return r.result.Items(i); };
        EXPECT_EQ(at(1)->Container, target);  // named a non-container
        EXPECT_EQ(at(2)->Container, target);  // named itself
        // The walk from A meets A again through B and C: C, which closes the loop, lets go.
        EXPECT_EQ(at(3)->Container, at(4));
        EXPECT_EQ(at(4)->Container, at(5));
        EXPECT_EQ(at(5)->Container, target);
        EXPECT_EQ(at(6)->Container, at(4));
    }
}

TEST(CircuitTextContainers, ReadingIntoAMovedBoxPlacesItsContentsAndRecordsTheMoves)
{
    TextBoard r;
    auto* box = AddBox(r.t, 300, 200, 100, 100);  // created at (0, 0), so it has moved since
    auto* old = r.t.Place<TNot>(0, 0);
    old->Container = box;
    old->OffsetLeft = 5;
    old->OffsetTop = 6;
    r.t.Context.OpenBatch();
    r.Load(Header + Block("TNot", "n", "", 0, 1000, 1000, 20, 30, 40, 40, 4, 0), box);
    TPartsBase* read = r.result.Items(0);
    EXPECT_EQ(read->Container, box);
    EXPECT_EQ(std::pair(read->Left, read->Top), std::pair(320, 230));
    EXPECT_EQ(std::pair(old->Left, old->Top), std::pair(305, 206));
    ASSERT_EQ(r.t.Context.CommandBatch->size(), 2u);
    for (const auto& command : *r.t.Context.CommandBatch) EXPECT_EQ(command->Label, "ChangeCldPartsLeftTop");
}

TEST(CircuitTextContainers, AFailedReadIntoABoxLeavesTheBoardAndItsBatchAsTheyWere)
{
    TextBoard r;
    auto* box = AddBox(r.t, 300, 200, 100, 100);
    r.t.Context.OpenBatch();
    EXPECT_EQ(r.LoadError(Header + Block("TContainer", "b", "", 0, 0, 0, 0, 0, 60, 120, 0, 0) +
                          Block("TNot", "n", "b", 0, 0, 0, 0, 0, 40, 40, 4, 0) + "ClassName=TNot\n",
                          box),
              "部品の途中でファイルが終わっています");
    ASSERT_EQ(r.t.Bord.Count(), 1);
    EXPECT_EQ(r.t.Bord.Items(0), box);
    EXPECT_TRUE(r.t.Context.CommandBatch->empty());
}

}  // namespace
