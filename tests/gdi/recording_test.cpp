#include <gtest/gtest.h>

#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/edges.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/recordingdc.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"

using namespace tv::win;

TEST(RecordingDC, LogsEachOuterCallWithItsArgumentsAndCurrentObjects) {
    HDC dc = CreateRecordingDC(120, 40);
    HPEN pen = CreatePen(PS_DOT, 1, RGB(255, 0, 0));
    SelectObject(dc, pen);
    MoveToEx(dc, 1, 2, nullptr);
    LineTo(dc, 50, 2);
    RECT r{0, 10, 80, 30};
    DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
    DrawText(dc, "Total", &r, DT_RIGHT | DT_SINGLELINE);
    const std::vector<RecordedCall>& calls = GetRecordedCalls(dc);
    ASSERT_EQ(calls.size(), 5u) << "inner calls of DrawEdge are not logged";
    EXPECT_EQ(calls[0].Line(), "SelectObject(pen dot 1 #FF0000)");
    EXPECT_EQ(calls[1].Line(), "MoveToEx(1, 2)");
    EXPECT_EQ(calls[2].Line(), "LineTo(50, 2)");
    EXPECT_NE(calls[2].objects.find("pen dot 1 #FF0000"), std::string::npos) << calls[2].objects;
    EXPECT_EQ(calls[3].Line(), "DrawEdge({0, 10, 80, 30}, 0xA, 0x80F)");
    EXPECT_EQ(calls[4].Line(), "DrawTextEx(\"Total\", {0, 10, 80, 30}, 0x22)");
    EXPECT_NE(calls[4].objects.find("font \"MS Sans Serif\" -11"), std::string::npos) << calls[4].objects;

    // It draws as well.
    cairo_surface_t* s = GetRecordingSurface(dc);
    cairo_surface_flush(s);
    auto px = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(s) +
                                                      2 * cairo_image_surface_get_stride(s))[1];
    EXPECT_EQ(px & 0xFFFFFF, 0xFF0000u);
    ClearRecordedCalls(dc);
    EXPECT_TRUE(GetRecordedCalls(dc).empty());
    SelectObject(dc, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
    DeleteDC(dc);
}

// The calls every control's painting makes describe themselves only when
// recorded; recorded, each still gives its arguments.
TEST(RecordingDC, LogsTheCallsOfEveryPaintWithTheirArguments) {
    HDC dc = CreateRecordingDC(120, 40);
    RECT r{2, 3, 40, 20};
    HBRUSH face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    HBRUSH green = CreateSolidBrush(RGB(0, 128, 0));
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(255, 0, 16));
    SetBkMode(dc, TRANSPARENT);
    IntersectClipRect(dc, 0, 0, 100, 30);
    FillRect(dc, &r, face);
    FillRect(dc, &r, green);
    TextOut(dc, 4, 5, "Pan");
    ExtTextOut(dc, 6, 7, ETO_OPAQUE, &r, "Leche");
    const std::vector<RecordedCall>& calls = GetRecordedCalls(dc);
    const std::vector<std::string> want = {"SetTextColor(#010203)",
                                           "SetBkColor(#FF0010)",
                                           "SetBkMode(1)",
                                           "IntersectClipRect(0, 0, 100, 30)",
                                           "FillRect({2, 3, 40, 20}, sys #",
                                           "FillRect({2, 3, 40, 20}, brush solid #008000)",
                                           "TextOut(4, 5, \"Pan\")",
                                           "ExtTextOut(6, 7, 0x2, {2, 3, 40, 20}, \"Leche\")"};
    ASSERT_EQ(calls.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) EXPECT_EQ(calls[i].Line().rfind(want[i], 0), 0u) << calls[i].Line();
    DeleteDC(dc);
    DeleteObject(green);
}
