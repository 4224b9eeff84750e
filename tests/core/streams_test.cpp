// Room reserved in memory and string streams: what a stream holds stays as it
// was, and writes up to the reserved size leave the bytes where they are.
#include <gtest/gtest.h>

#include <string>

#include "core/streams.h"

using namespace tv;

namespace {

TEST(StreamReserve, KeepsWhatTheStreamHoldsAndItsBlockInPlace) {
    const std::string piece(3000, 'x');
    const std::string whole = "abc" + std::string(100 * piece.size(), 'x');
    auto reserveAndGrow = [&](TStream& s, auto block) {
        s.SetPosition(1);
        s.Reserve(2); // less than the stream holds: nothing is cut
        s.Reserve(static_cast<std::int64_t>(whole.size()));
        EXPECT_EQ(s.Size(), 3);
        EXPECT_EQ(s.Position(), 1);
        const void* before = block();
        s.Seek(0, soEnd);
        for (int i = 0; i < 100; ++i) s.WriteString(piece);
        EXPECT_EQ(block(), before) << "the stream's block moved as it grew";
    };

    TStringStream text("abc");
    reserveAndGrow(text, [&] { return static_cast<const void*>(text.DataString().data()); });
    EXPECT_EQ(text.DataString(), whole);

    TMemoryStream memory;
    memory.WriteString("abc");
    reserveAndGrow(memory, [&] { return static_cast<const void*>(memory.Memory()); });
    EXPECT_EQ(memory.DataString(), whole);
    // The capacity still moves in the stream's own steps.
    EXPECT_EQ(memory.Capacity(), (static_cast<std::int64_t>(whole.size()) + 8191) / 8192 * 8192);
}

} // namespace
