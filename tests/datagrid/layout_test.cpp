// The layout: multi-level titles, row counts with and without data and
// footers, auto-fit widths and the vertical scroll bar.
#include "gridfixture.h"

#include "platform/window/scrollbar.h"

namespace tvtest {

using namespace tv;

namespace {
void AddColumns(TDBGridEh* grid, std::initializer_list<std::pair<const char*, const char*>> cols) {
    for (auto [field, caption] : cols) {
        TColumnEh* c = grid->Columns()->Add();
        c->SetFieldName(field);
        c->Title()->SetCaption(caption);
    }
}
} // namespace

TEST_F(DataGridTest, MultiLevelTitlesJoinRunsOfTheSameFirstWord) {
    Fill(2);
    AddColumns(grid, {{"CODIGO", "A|B"}, {"NOMBRE", "A|C"}, {"PRECIO", "X|A|C"}, {"ACTIVO", "Solo"}});
    grid->SetDataSource(source);
    grid->SetUseMultiTitle(true);
    Pump();
    THeadTreeNode* root = grid->HeadTree();
    // Root's children: A (over B and C), X (over A|C's remainder), Solo.
    ASSERT_EQ(root->ChildCount(), 3);
    THeadTreeNode* a = root->FirstChild;
    EXPECT_EQ(a->Caption, "A");
    EXPECT_EQ(a->ChildCount(), 2);
    EXPECT_EQ(a->FirstChild->Caption, "B");
    EXPECT_EQ(a->FirstChild->NextSibling->Caption, "C");
    EXPECT_EQ(a->Width, Col(0)->Width() + 1 + Col(1)->Width());
    THeadTreeNode* x = a->NextSibling;
    EXPECT_EQ(x->Caption, "X");
    ASSERT_EQ(x->ChildCount(), 1);
    // The "A" under X is not joined with the first A: the runs lie at different levels.
    EXPECT_EQ(x->FirstChild->Caption, "A");
    EXPECT_EQ(x->FirstChild->FirstChild->Caption, "C");
    EXPECT_EQ(grid->LeafFieldNode(3)->Caption, "Solo");
    EXPECT_EQ(grid->LeafFieldNode(3)->Parent, root);
    // Every leaf reaches the root at the same total height.
    for (int i = 0; i < 4; ++i) {
        int h = 0;
        for (THeadTreeNode* n = grid->LeafFieldNode(i); n && n != root; n = n->Parent) h += n->Height;
        EXPECT_EQ(h, root->Height) << i;
    }
    EXPECT_EQ(grid->RowHeights(0), root->Height - 1);
}

TEST_F(DataGridTest, SingleColumnWithTwoLevelsGetsItsOwnUpperNode) {
    AddColumns(grid, {{"CODIGO", "A|B"}});
    grid->SetUseMultiTitle(true);
    THeadTreeNode* a = grid->HeadTree()->FirstChild;
    EXPECT_EQ(a->Caption, "A");
    EXPECT_EQ(a->ChildCount(), 1);
    EXPECT_EQ(a->FirstChild->Caption, "B");
}

TEST(HeadTreeNode, UnionRefusesNodesOutsideTheLevel) {
    THeadTreeNode root("Root", 0, 10);
    THeadTreeNode* a = root.AddChild("a", 10, 30);
    THeadTreeNode* b = root.AddChild("b", 20, 30);
    THeadTreeNode* c = root.AddChild("c", 30, 30);
    THeadTreeNode* inner = a->AddChild("x", 1, 1);
    EXPECT_THROW(root.Union(a, inner, "w", 20), Exception);
    EXPECT_THROW(root.Union(c, a, "w", 20), Exception);
    THeadTreeNode* w = root.Union(b, c, "w", 20);
    a->LineWidth = 0;
    EXPECT_EQ(root.ChildCount(), 2);
    EXPECT_EQ(root.FirstChild, a);
    EXPECT_EQ(a->NextSibling, w);
    EXPECT_EQ(w->NextSibling, a);
    EXPECT_EQ(w->Width, 50);
    EXPECT_EQ(b->Height, 10);
    EXPECT_EQ(c->NextSibling, b);
}

TEST(HeadTreeNode, UnionAtEveryPlaceKeepsBothRingsClosedAndInOrder) {
    // Runs at the start, in the middle, at the end and over the whole level.
    struct Case {
        int from, to;
        const char* level;
    };
    for (Case k : {Case{0, 1, "w c d"}, Case{1, 2, "a w d"}, Case{2, 3, "a b w"}, Case{0, 3, "w"}}) {
        THeadTreeNode root("Root", 0, 10);
        THeadTreeNode* n[4];
        for (int i = 0; i < 4; ++i) n[i] = root.AddChild(std::string(1, char('a' + i)), 10, 30);
        THeadTreeNode* w = root.Union(n[k.from], n[k.to], "w", 20);
        auto ring = [](THeadTreeNode* parent) {
            std::string s;
            THeadTreeNode* c = parent->FirstChild;
            do {
                EXPECT_EQ(c->Parent, parent);
                s += (s.empty() ? "" : " ") + c->Caption;
                c = c->NextSibling;
            } while (c != parent->FirstChild && s.size() < 40);
            return s;
        };
        EXPECT_EQ(ring(&root), k.level) << k.from << ".." << k.to;
        std::string run;
        for (int i = k.from; i <= k.to; ++i) run += (run.empty() ? "" : " ") + n[i]->Caption;
        EXPECT_EQ(ring(w), run);
        EXPECT_EQ(w->ChildCount(), k.to - k.from + 1);
        EXPECT_EQ(n[k.to]->LastSibling(), n[k.to]);
        EXPECT_EQ(n[k.from]->Level(), 2);
        EXPECT_EQ(root.Depth(), 2);
    }
}

TEST_F(DataGridTest, ClosedDatasetHasOneEmptyRowAndFootersTakeTheRest) {
    grid->SetDataSource(source);
    data->Close();
    Pump();
    EXPECT_EQ(grid->RowCount(), grid->TitleRowCount() + 1);
    grid->SetFooterRowCount(1);
    Pump();
    ASSERT_EQ(grid->RowCount(), grid->TitleRowCount() + 1 + 1 + 1);
    int line = 1;
    int fixed = grid->RowHeights(0) + line + (grid->DefaultRowHeight() + line) * 2 + line;
    EXPECT_EQ(grid->RowHeights(grid->TitleRowCount() + 1), grid->ClientHeight() - fixed);
    // A client area shorter than the fixed part leaves the filler at 0.
    grid->SetHeight(30);
    grid->LayoutChanged();
    EXPECT_EQ(grid->RowHeights(grid->TitleRowCount() + 1), 0);
    // Without row lines no line is counted, not even the one under the footers.
    grid->SetHeight(300);
    grid->SetOptions(grid->Options() - TDBGridOptions{dgRowLines});
    int fixedNoLines = grid->RowHeights(0) + grid->DefaultRowHeight() * 2;
    EXPECT_EQ(grid->RowHeights(grid->TitleRowCount() + 1), grid->ClientHeight() - fixedNoLines);
}

TEST_F(DataGridTest, RowCountFollowsTheRecordsThatFit) {
    Fill(3);
    grid->SetDataSource(source);
    Pump();
    EXPECT_EQ(grid->RowCount(), grid->TitleRowCount() + 3);
    Fill(40);
    Pump();
    int fit = (grid->ClientHeight() - grid->RowHeights(0) - 1) / (grid->DefaultRowHeight() + 1);
    EXPECT_EQ(grid->RowCount(), grid->TitleRowCount() + fit);
    data->Last();
    Pump();
    EXPECT_EQ(grid->Row(), grid->RowCount() - 1);
    data->First();
    Pump();
    EXPECT_EQ(grid->Row(), grid->TitleRowCount());
}

TEST_F(DataGridTest, VerticalBarFollowsTheRecordNumber) {
    Fill(30);
    grid->SetDataSource(source);
    Pump();
    win::SCROLLINFO si{};
    si.fMask = win::SIF_ALL;
    win::GetScrollInfo(grid->Handle(), win::SB_VERT, &si);
    if (data->IsSequenced()) {
        EXPECT_EQ(si.nMin, 1);
        EXPECT_EQ(si.nPos, 1);
        EXPECT_EQ(si.nMax, 30 + static_cast<int>(si.nPage) - 1);
        data->MoveBy(9);
        Pump();
        win::GetScrollInfo(grid->Handle(), win::SB_VERT, &si);
        EXPECT_EQ(si.nPos, 10);
    } else {
        EXPECT_EQ(si.nMax, 4);
    }
}

TEST_F(DataGridTest, AutoFitFillsTheWidthAndTurningItOffRestoresWidths) {
    Fill(2);
    AddColumns(grid, {{"CODIGO", "Código"}, {"NOMBRE", "Nombre"}, {"PRECIO", "Precio"}});
    Col(0)->SetWidth(50);
    Col(1)->SetWidth(150);
    Col(2)->SetWidth(100);
    grid->SetDataSource(source);
    grid->SetAutoFitColWidths(true);
    Pump();
    int sum = 0;
    for (int i = 0; i < 3; ++i) sum += Col(i)->Width();
    // Client width less the indicator, one line per column and one more.
    EXPECT_EQ(sum, grid->ClientWidth() - 11 - 3 - 1);
    EXPECT_GT(Col(1)->Width(), Col(0)->Width() * 2);
    grid->SetAutoFitColWidths(false);
    EXPECT_EQ(Col(0)->Width(), 50);
    EXPECT_EQ(Col(1)->Width(), 150);
    EXPECT_EQ(Col(2)->Width(), 100);
}

} // namespace tvtest
