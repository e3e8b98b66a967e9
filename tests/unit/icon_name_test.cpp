#include <gtest/gtest.h>

#include "window/icon_name.h"

namespace quillet {
namespace {

TEST(IconName, ResourceNamesAreUpperCaseWithTheDotAsUnderscore) {
    EXPECT_TRUE(IsResourceIconName("~Sch-ord.ico"));
    EXPECT_FALSE(IsResourceIconName("Sch-ord.ico"));
    EXPECT_FALSE(IsResourceIconName(""));
    EXPECT_EQ(IconResourceName("~Sch-ord.ico"), "SCH-ORD_ICO");
    EXPECT_EQ(IconResourceName("Sch-ord.ico"), "SCH-ORD_ICO");
}

}  // namespace
}  // namespace quillet
