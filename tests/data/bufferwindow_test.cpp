// The record buffer window and what links hear (docs/dataset-buffers.md).
#include <gtest/gtest.h>

#include "data/fixture.h"

using namespace tv;
using namespace tvtest;

namespace {

struct WindowTest : ::testing::Test {
    ArticleModule m;
    RecordingLink link;

    void SetUp() override {
        // A B C D E: codes 1..5 in this order.
        m.Fill({{1, "A", "1", nullptr, true}, {2, "B", "1", nullptr, true}, {3, "C", "1", nullptr, true},
                {4, "D", "1", nullptr, true}, {5, "E", "1", nullptr, true}});
        m.OpenClient();
        link.SetBufferCount(3);
        link.SetDataSource(m.source);
        link.Clear();
    }

    // The rows the link shows, read by making each the active record.
    std::string Rows() {
        std::string out;
        TActiveRecordGuard guard(link);
        for (int i = 0; i < link.RecordCount(); ++i) {
            link.SetActiveRecord(i);
            out += m.cds->FieldByName("NOMBRE")->AsString();
        }
        return out;
    }
    std::string Current() { return m.cds->FieldByName("NOMBRE")->AsString(); }
};

} // namespace

TEST_F(WindowTest, ScrollingReportsHowFarTheRowsMoved) {
    struct Step {
        int move;
        int returned;
        std::string rows;
        int active;
        int distance;
    };
    // From the contract's table: moves inside the rows scroll 0, at the edge 1.
    const Step steps[] = {
        {1, 1, "ABC", 1, 0},  {1, 1, "ABC", 2, 0},  {1, 1, "BCD", 2, 1},   {-1, -1, "BCD", 1, 0},
        {-1, -1, "BCD", 0, 0}, {-1, -1, "ABC", 0, -1}, {4, 4, "CDE", 2, 2}, {-4, -4, "ABC", 0, -2},
    };
    EXPECT_EQ(Rows(), "ABC");
    for (const Step& s : steps) {
        SCOPED_TRACE("MoveBy(" + std::to_string(s.move) + ") to " + s.rows);
        link.Clear();
        EXPECT_EQ(m.cds->MoveBy(s.move), s.returned);
        EXPECT_EQ(Rows(), s.rows);
        EXPECT_EQ(link.ActiveRecord(), s.active);
        ASSERT_EQ(link.scrolls.size(), 1u);
        EXPECT_EQ(link.scrolls[0], s.distance);
    }
}

TEST_F(WindowTest, BofAndEofMeanTriedToMovePast) {
    EXPECT_TRUE(m.cds->Bof());
    EXPECT_FALSE(m.cds->Eof());
    m.cds->Last();
    EXPECT_EQ(Current(), "E");
    EXPECT_TRUE(m.cds->Eof());
    m.cds->Prior();
    m.cds->Next();
    EXPECT_EQ(Current(), "E");
    EXPECT_FALSE(m.cds->Eof()) << "standing on the last record is not Eof";
    EXPECT_EQ(m.cds->MoveBy(10), 0);
    EXPECT_TRUE(m.cds->Eof());
    EXPECT_EQ(m.cds->MoveBy(10), 0) << "at Eof a forward move does nothing";
    EXPECT_EQ(m.cds->MoveBy(-10), -4);
    EXPECT_TRUE(m.cds->Bof());
    EXPECT_EQ(Current(), "A");
    EXPECT_EQ(m.cds->RecNo(), 1);
}

TEST_F(WindowTest, InsertMakesRoomAtTheCurrentRowAndCancelPutsTheWindowBack) {
    m.cds->Next(); // on B
    link.Clear();
    m.cds->Insert();
    EXPECT_EQ(m.cds->State(), dsInsert);
    EXPECT_EQ(link.ActiveRecord(), 1);
    EXPECT_EQ(Rows(), "AB") << "the new empty row stands where B was, B moved down, C dropped out";
    EXPECT_EQ(link.changes, 1);
    EXPECT_TRUE(m.cds->FieldByName("NOMBRE")->IsNull());
    m.cds->Cancel();
    EXPECT_EQ(Rows(), "ABC");
    EXPECT_EQ(Current(), "B");
    EXPECT_EQ(m.cds->RecordCount(), 5);
}

TEST_F(WindowTest, PostedInsertStaysWhereItWasInsertedInTheDefaultOrder) {
    m.cds->Next();
    m.cds->Insert();
    m.cds->FieldByName("CODIGO")->SetAsInteger(9);
    m.cds->FieldByName("NOMBRE")->SetAsString("X");
    m.cds->Post();
    EXPECT_EQ(Current(), "X");
    EXPECT_EQ(m.cds->RecNo(), 2);
    EXPECT_EQ(Rows(), "AXB");
    EXPECT_EQ(m.cds->RecordCount(), 6);
    m.cds->Append();
    m.cds->FieldByName("CODIGO")->SetAsInteger(10);
    m.cds->FieldByName("NOMBRE")->SetAsString("Y");
    EXPECT_EQ(Rows(), "DEY") << "append shows the last records before the new one";
    m.cds->Post();
    EXPECT_EQ(m.cds->RecNo(), 7);
    EXPECT_EQ(m.Names(), (std::vector<std::string>{"A", "X", "B", "C", "D", "E", "Y"}));
}

TEST_F(WindowTest, DeleteMakesTheNextRecordCurrentOrThePreviousAtTheEnd) {
    m.cds->Next();
    m.cds->Delete();
    EXPECT_EQ(Current(), "C");
    EXPECT_EQ(Rows(), "ACD");
    EXPECT_EQ(link.ActiveRecord(), 1);
    m.cds->Last();
    m.cds->Delete();
    EXPECT_EQ(Current(), "D");
    EXPECT_EQ(m.cds->RecordCount(), 3);
    while (!m.cds->IsEmpty()) m.cds->Delete();
    EXPECT_EQ(link.RecordCount(), 0);
    EXPECT_TRUE(m.cds->Eof() && m.cds->Bof());
    EXPECT_THROW(m.cds->Delete(), EDatabaseError);
}

TEST_F(WindowTest, TheLargestLinkSetsTheWindowAndShrinkingKeepsTheCurrentRecord) {
    RecordingLink big;
    big.SetBufferCount(5);
    big.SetDataSource(m.source);
    EXPECT_EQ(m.cds->BufferCount(), 5);
    EXPECT_EQ(big.RecordCount(), 5);
    m.cds->Last();
    EXPECT_EQ(big.ActiveRecord(), 4);
    EXPECT_EQ(link.ActiveRecord(), 2);
    EXPECT_EQ(Rows(), "CDE");
    big.SetDataSource(nullptr);
    EXPECT_EQ(m.cds->BufferCount(), 3);
    EXPECT_EQ(Current(), "E");
    EXPECT_EQ(Rows(), "CDE");
}

TEST_F(WindowTest, ReadingOtherRowsLeavesTheCurrentRecordAlone) {
    m.cds->Next();
    link.Clear();
    {
        TActiveRecordGuard guard(link);
        link.SetActiveRecord(2);
        EXPECT_EQ(Current(), "C");
    }
    EXPECT_EQ(Current(), "B");
    EXPECT_TRUE(link.log.empty()) << "changing the active record fires nothing";
}

TEST_F(WindowTest, NestedDisableControlsSendOneChangeAtTheEnd) {
    m.cds->DisableControls();
    m.cds->DisableControls();
    EXPECT_TRUE(m.cds->ControlsDisabled());
    m.cds->Next();
    m.cds->Last();
    m.cds->Edit();
    m.cds->FieldByName("NOMBRE")->SetAsString("Z");
    m.cds->Post();
    m.cds->EnableControls();
    EXPECT_EQ(link.log, (std::vector<std::string>{"disabled 0"}));
    m.cds->EnableControls();
    EXPECT_FALSE(m.cds->ControlsDisabled());
    EXPECT_EQ(link.log, (std::vector<std::string>{"disabled 0", "changed", "disabled 1"}));
    EXPECT_EQ(Rows(), "CDZ");
    m.cds->EnableControls(); // one too many does no harm
    EXPECT_FALSE(m.cds->ControlsDisabled());
}

TEST_F(WindowTest, EditingStateReachesTheLinks) {
    m.cds->Edit();
    m.cds->FieldByName("NOMBRE")->SetAsString("A2");
    m.cds->Cancel();
    EXPECT_EQ(link.log, (std::vector<std::string>{"editing", "record", "record NOMBRE", "browsing", "changed"}));
    EXPECT_EQ(Current(), "A");
    m.cds->Close();
    EXPECT_EQ(link.log.back(), "inactive");
    EXPECT_EQ(link.RecordCount(), 0);
}
