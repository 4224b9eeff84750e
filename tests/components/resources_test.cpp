// Named resources: lookup by path, by path ignoring case, by bare name.
#include <gtest/gtest.h>

#include <cstring>

#include "core/resources.h"

using namespace tv;

namespace {

TEST(Resources, FoundByPathByCaseAndByBareName) {
    static const char form[] = "object F: TF\nend\n";
    static const char cursor[] = {'\0', '\x02', '\xFF'};
    RegisterResource("forms/TPreviewFormEh.dfm", form, std::strlen(form));
    RegisterResource("cursors/MAGNIFIEREH.cur", cursor, sizeof cursor);

    auto exact = FindResource("forms/TPreviewFormEh.dfm");
    ASSERT_TRUE(exact);
    EXPECT_EQ(*exact, form);
    EXPECT_TRUE(FindResource("FORMS/tpreviewformeh.DFM"));
    EXPECT_TRUE(FindResource("TPREVIEWFORMEH"));
    EXPECT_TRUE(FindResource("TPreviewFormEh.dfm"));
    auto bytes = FindResource("MagnifierEh");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 3u);  // binary data keeps its zero bytes
    EXPECT_EQ((*bytes)[2], '\xFF');
    EXPECT_FALSE(FindResource("MAGNIFIEREH.bmp"));
    EXPECT_FALSE(FindResource("HANDEH"));
    EXPECT_FALSE(FindResource(""));
}

} // namespace
