// The thin wrappers under the grid: the memory stream's growth, the drawing
// parameters left alone, locale comparison and bookmark order.
#include <gtest/gtest.h>

#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "grid/platformwrappers.h"
#include "platform/gdi/gdi.h"

namespace tvtest {

using namespace tv;

TEST(MemoryStreamEh, GrowsInStepsOfTwiceTheHalfDelta) {
    struct Case {
        int written, capacity;
    } cases[] = {{1, 8192}, {8192, 8192}, {8193, 16384}, {20000, 24576}};
    for (const Case& c : cases) {
        TMemoryStreamEh s;
        std::string bytes(static_cast<std::size_t>(c.written), 'x');
        s.Write(bytes.data(), c.written);
        EXPECT_EQ(s.Capacity(), c.capacity) << c.written;
        EXPECT_EQ(s.Size(), c.written);
    }
    TMemoryStreamEh big;
    big.HalfMemoryDelta = 32768;
    big.Write("a", 1);
    EXPECT_EQ(big.Capacity(), 65536);
    big.Clear();
    EXPECT_EQ(big.Capacity(), 0);
}

TEST(PlatformWrappers, DrawTextInRectLeavesTheCallersParameters) {
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    win::DRAWTEXTPARAMS params;
    params.iLeftMargin = 3;
    win::RECT r{0, 0, 200, 50};
    int h = PlatformDrawTextInRect(dc, "Hola mundo", -1, &r, 0, params);
    EXPECT_GT(h, 0);
    EXPECT_EQ(params.uiLengthDrawn, 0u);
    EXPECT_EQ(params.iLeftMargin, 3);
    win::DeleteDC(dc);
}

TEST(PlatformWrappers, LocaleComparisonAndCase) {
    EXPECT_EQ(LocaleCompareText("ÁRBOL", "árbol"), 0);
    EXPECT_NE(LocaleCompareStr("ÁRBOL", "árbol"), 0);
    EXPECT_LT(LocaleCompareStr("abc", "abd"), 0);
    EXPECT_EQ(LocaleUpperCase("ñandú"), "ÑANDÚ");
    EXPECT_EQ(LocaleLowerCase("CAÑA"), "caña");
    EXPECT_EQ(IdentityInt(-7), -7);
    win::RECT r{1, 2, 3, 4};
    ClearRect(r);
    EXPECT_EQ(r.right, 0);
}

TEST(PlatformWrappers, BookmarksCompareInDatasetOrder) {
    TClientDataSet ds;
    ds.FieldDefs().Add("N", ftInteger);
    ds.CreateDataSet();
    for (int i = 1; i <= 3; ++i) {
        ds.Append();
        ds.FieldByName("N")->SetAsInteger(i);
        ds.Post();
    }
    ds.First();
    TBookmark first = ds.Bookmark();
    ds.Last();
    TBookmark last = ds.Bookmark();
    EXPECT_LT(CompareDataSetBookmarks(&ds, first, last), 0);
    EXPECT_GT(CompareDataSetBookmarks(&ds, last, first), 0);
    EXPECT_EQ(CompareDataSetBookmarks(&ds, last, last), 0);
}

} // namespace tvtest
