#include "fixture.h"

using namespace tvtest;

namespace {

void Put16(std::vector<unsigned char>& v, unsigned x) {
    v.push_back(x & 0xFF);
    v.push_back((x >> 8) & 0xFF);
}
void Put32(std::vector<unsigned char>& v, unsigned x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}

// A 2x2 cursor file, 24 bits: red, green / blue, and one masked black pixel.
std::vector<unsigned char> TinyCursor() {
    std::vector<unsigned char> dib;
    Put32(dib, 40);
    Put32(dib, 2);
    Put32(dib, 4); // height counts the mask too
    Put16(dib, 1);
    Put16(dib, 24);
    for (int i = 0; i < 6; ++i) Put32(dib, 0);
    // Rows bottom-up, 4-byte aligned: bottom row = (0,1) blue, (1,1) black (masked).
    unsigned char bottom[8] = {255, 0, 0, 0, 0, 0, 0, 0};
    unsigned char top[8] = {0, 0, 255, 0, 255, 0, 0, 0}; // (0,0) red, (1,0) green
    dib.insert(dib.end(), bottom, bottom + 8);
    dib.insert(dib.end(), top, top + 8);
    unsigned char maskBottom[4] = {0x40, 0, 0, 0}; // second pixel see-through
    unsigned char maskTop[4] = {0, 0, 0, 0};
    dib.insert(dib.end(), maskBottom, maskBottom + 4);
    dib.insert(dib.end(), maskTop, maskTop + 4);
    std::vector<unsigned char> file;
    Put16(file, 0);
    Put16(file, 2);
    Put16(file, 1);
    file.push_back(2);
    file.push_back(2);
    file.push_back(0);
    file.push_back(0);
    Put16(file, 1); // hot spot
    Put16(file, 1);
    Put32(file, unsigned(dib.size()));
    Put32(file, 22);
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

} // namespace

TEST_F(DesktopTest, CursorsFromResourceBytes) {
    auto bytes = TinyCursor();
    HCURSOR c = LoadCursorFromMemory("DOWNCUREH", bytes.data(), bytes.size());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->width, 2);
    EXPECT_EQ(c->hotX, 1);
    EXPECT_EQ(c->hotY, 1);
    EXPECT_EQ(c->pixels[0], 0xFFFF0000u) << "red, opaque";
    EXPECT_EQ(c->pixels[1], 0xFF00FF00u);
    EXPECT_EQ(c->pixels[2], 0xFF0000FFu);
    EXPECT_EQ(c->pixels[3], 0u) << "masked: transparent";
    SetCursor(c);
    EXPECT_EQ(GetCursor(), c);
    EXPECT_TRUE(DestroyCursor(c));
    EXPECT_EQ(GetCursor(), LoadCursor(IDC_ARROW));
    EXPECT_FALSE(DestroyCursor(LoadCursor(IDC_ARROW))) << "standard cursors live on";
    // Damaged data gives no cursor instead of reading past the end.
    EXPECT_EQ(LoadCursorFromMemory("x", bytes.data(), 30), nullptr);
    bytes[2] = 9;
    EXPECT_EQ(LoadCursorFromMemory("x", bytes.data(), bytes.size()), nullptr);
    const unsigned char junk[] = "not a cursor at all";
    EXPECT_EQ(LoadCursorFromMemory("x", junk, sizeof junk), nullptr);
    EXPECT_EQ(LoadCursor(12345), nullptr);
}
