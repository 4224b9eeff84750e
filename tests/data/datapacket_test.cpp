// Data packets share their field descriptions between copies.
#include <gtest/gtest.h>

#include "framework/data/datapacket.h"

using namespace tv;

TEST(DataPacketTest, ACopyKeepsItsFieldsWhenTheOtherChangesThem) {
    TDataPacket a;
    TPacketField f;
    f.name = "ARTI_COD";
    f.origin = "ARTICULO.ARTI_COD";
    a.fields.push_back(f);
    TDataPacket b = a;
    b.fields.Edit(0).providerFlags.Include(pfInKey);
    f.name = "ARTI_DES";
    b.fields.push_back(f);
    ASSERT_EQ(a.fields.size(), 1u);
    EXPECT_FALSE(a.fields[0].providerFlags.Contains(pfInKey));
    ASSERT_EQ(b.fields.size(), 2u);
    EXPECT_TRUE(b.fields[0].providerFlags.Contains(pfInKey));
    EXPECT_EQ(b.FieldIndex("arti_des"), 1);
    EXPECT_EQ(a.FieldIndex("ARTI_DES"), -1);
    EXPECT_TRUE(TDataPacket().fields.empty());
    for (const TPacketField& each : TDataPacket().fields) ADD_FAILURE() << each.name;
}
