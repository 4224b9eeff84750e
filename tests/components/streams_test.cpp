// Streams: errors, memory growth, files, copying and little-endian values.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

#include "core/exceptions.h"
#include "core/streams.h"
#include "support/tempdir.h"

using namespace tv;

namespace {

TEST(Streams, ShortReadsAndWritesRaise) {
    TMemoryStream m;
    m.WriteString("abc");
    m.SetPosition(1);
    char buf[8];
    try {
        m.ReadBuffer(buf, 3);
        FAIL() << "no exception";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
    m.SetPosition(0);
    EXPECT_EQ(m.Read(buf, 8), 3);
    EXPECT_THROW(ReadU32LE(m), EReadError);

    tvtest::TempDir dir;
    {
        TFileStream f(dir.file("r.bin"), fmCreate);
        f.WriteString("data");
    }
    TFileStream readOnly(dir.file("r.bin"), fmOpenRead);
    try {
        readOnly.WriteBuffer("x", 1);
        FAIL() << "no exception";
    } catch (const EWriteError& e) {
        EXPECT_EQ(e.Message(), "Stream write error");
    }
    EXPECT_EQ(readOnly.ReadString(4), "data");
}

TEST(FileStream, FailuresNameTheFileAndTheSystemsReason) {
    tvtest::TempDir dir;
    std::string missing = dir.file("no/such.txt");
    try {
        TFileStream f(missing, fmOpenRead);
        FAIL() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"" + missing + "\". No such file or directory");
    }
    try {
        TFileStream f(missing, fmCreate);
        FAIL() << "no exception";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), "Cannot create file \"" + missing + "\". No such file or directory");
    }
    EXPECT_THROW(TFileStream(dir.path().string(), fmOpenRead), EFOpenError);
}

TEST(FileStream, ExclusiveOpeningKeepsOtherOpenersOut) {
    tvtest::TempDir dir;
    { TFileStream f(dir.file("lock.bin"), fmCreate); }
    TFileStream first(dir.file("lock.bin"), fmOpenReadWrite | fmShareExclusive);
    EXPECT_THROW(TFileStream(dir.file("lock.bin"), fmOpenRead | fmShareDenyWrite), EFOpenError);
}

TEST(FileStream, CreateEmptiesAndSizeFollowsWrites) {
    tvtest::TempDir dir;
    {
        std::ofstream(dir.file("f.bin")) << "old contents";
    }
    TFileStream f(dir.file("f.bin"), fmCreate);
    EXPECT_EQ(f.Size(), 0);
    WriteU32LE(f, 0xA1B2C3D4);
    WriteI16LE(f, -2);
    WriteDoubleLE(f, 2.5);
    EXPECT_EQ(f.Size(), 14);
    f.SetPosition(0);
    EXPECT_EQ(ReadU8(f), 0xD4);  // little-endian: low byte first
    f.SetPosition(0);
    EXPECT_EQ(ReadU32LE(f), 0xA1B2C3D4u);
    EXPECT_EQ(ReadI16LE(f), -2);
    EXPECT_EQ(ReadDoubleLE(f), 2.5);
    f.SetSize(4);
    EXPECT_EQ(f.Size(), 4);
    EXPECT_EQ(f.Position(), 4);
}

class TStepStream : public TMemoryStream {
protected:
    // A growth step of its own, as a caller may need.
    std::int64_t Realloc(std::int64_t newCapacity) override {
        return newCapacity > 0 ? (newCapacity + 65535) / 65536 * 65536 : 0;
    }
};

TEST(MemoryStream, GrowsInStepsAndCanBeGivenItsOwn) {
    TMemoryStream m;
    WriteU8(m, 1);
    EXPECT_EQ(m.Capacity(), 8192);
    std::string block(8192, 'x');
    m.WriteString(block);
    EXPECT_EQ(m.Size(), 8193);
    EXPECT_EQ(m.Capacity(), 16384);
    m.Clear();
    EXPECT_EQ(m.Capacity(), 0);
    EXPECT_EQ(m.Size(), 0);

    TStepStream s;
    WriteU8(s, 1);
    EXPECT_EQ(s.Capacity(), 65536);
}

TEST(MemoryStream, SeekingPastTheEndThenWritingFillsWithZeros) {
    TMemoryStream m;
    m.Seek(4, soBeginning);
    m.WriteString("z");
    EXPECT_EQ(m.Size(), 5);
    EXPECT_EQ(m.DataString(), std::string("\0\0\0\0z", 5));
    m.Seek(-1, soEnd);
    EXPECT_EQ(m.ReadString(1), "z");
}

TEST(Streams, CopyFromAndSaveLoad) {
    tvtest::TempDir dir;
    TStringStream source(std::string(100000, 'a') + "fin");
    TMemoryStream m;
    EXPECT_EQ(m.CopyFrom(source, 0), 100003);  // 0: the whole source from its start
    EXPECT_EQ(m.Size(), 100003);
    m.SaveToFile(dir.file("copy.bin"));
    TMemoryStream back;
    back.LoadFromFile(dir.file("copy.bin"));
    EXPECT_EQ(back.DataString(), source.DataString());

    source.SetPosition(0);
    TStringStream part;
    part.CopyFrom(source, 10);
    EXPECT_EQ(part.DataString(), std::string(10, 'a'));
    source.Seek(-2, soEnd);
    EXPECT_THROW(part.CopyFrom(source, 5), EReadError);
}

TEST(StringStream, ReadsAndOverwritesInPlace) {
    TStringStream s("hola mundo");
    EXPECT_EQ(s.ReadStr(4), "hola");
    s.WriteStr("_");
    EXPECT_EQ(s.DataString(), "hola_mundo");
    s.Seek(0, soEnd);
    s.WriteStr("!");
    EXPECT_EQ(s.DataString(), "hola_mundo!");
    EXPECT_EQ(s.ReadStr(5), "");
}

} // namespace
