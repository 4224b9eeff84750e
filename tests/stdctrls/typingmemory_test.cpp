// Typing a long text into an edit, one key at a time, as a scanner without
// its Enter or a person leaning on the keyboard does: every key lays the
// longer text out again, and what is kept of those layouts stays small.
#include <malloc.h>

#include <cstdio>

#include "platform/controls/edit.h"
#include "windowfixture.h"

#if defined(__SANITIZE_ADDRESS__)
// Under the address sanitizer its allocator holds the heap.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace tvtest {
namespace {

size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
#endif
}

TEST_F(ControlTest, ThreeThousandTypedCharactersRaiseTheHeapByAFewMegabytesAtMost) {
    HWND e = Child(WC_EDIT, ES_AUTOHSCROLL | WS_BORDER, 10, 10, 300, 24);
    SetFocus(e);
    TypeText("770000000001");
    size_t before = HeapInUse();
    for (int i = 12; i < 3000; ++i) TypeText(std::string(1, char('0' + i % 10)));
    size_t after = HeapInUse();
    ASSERT_EQ(Text(e).size(), 3000u);
    double grown = (double(after) - double(before)) / (1 << 20);
    RecordProperty("heap_growth_mb", std::to_string(grown));
    std::printf("heap after 3000 typed characters: %+.1f MB\n", grown);
    EXPECT_LT(grown, 6.0);
}

} // namespace
} // namespace tvtest
