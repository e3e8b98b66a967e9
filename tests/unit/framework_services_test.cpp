#include <gtest/gtest.h>

#include "platform/error_manager.h"
#include "platform/icon_name.h"
#include "platform/text_matcher.h"

namespace quillet {
namespace {

TEST(IconName, ResourceNamesAreUpperCaseWithTheDotAsUnderscore) {
    EXPECT_TRUE(IsResourceIconName("~Sch-ord.ico"));
    EXPECT_FALSE(IsResourceIconName("Sch-ord.ico"));
    EXPECT_FALSE(IsResourceIconName(""));
    EXPECT_EQ(IconResourceName("~Sch-ord.ico"), "SCH-ORD_ICO");
    EXPECT_EQ(IconResourceName("Sch-ord.ico"), "SCH-ORD_ICO");
}

TEST(ErrorManager, NamesTheLatestRunningProcedure) {
    ErrorManager errors;
    ThreadErrorStatus status;
    errors.Init(status);
    EXPECT_TRUE(errors.IsBound());
    EXPECT_EQ(errors.CurrentProcedure(), "");
    errors.ProcedureStarted("Main");
    errors.ProcedureStarted("Inner");
    EXPECT_EQ(errors.CurrentProcedure(), "Inner");
    errors.ProcedureEnded();
    EXPECT_EQ(errors.CurrentProcedure(), "Main");
    errors.ProcedureEnded();
    EXPECT_EQ(errors.CurrentProcedure(), "");
    errors.ProcedureEnded();  // one end too many is harmless
    errors.ProcedureStarted("Again");
    EXPECT_EQ(errors.CurrentProcedure(), "Again");
}

TEST(TextMatcher, OptionsByNumber) {
    TextMatcher matcher;
    matcher.Init();
    matcher.SetOption(TextMatcher::kNoCase, true);
    matcher.SetOption(TextMatcher::kWordOnly, false);
    matcher.SetOption(99, true);
    EXPECT_TRUE(matcher.NoCase());
    EXPECT_FALSE(matcher.WordOnly());
}

}  // namespace
}  // namespace quillet
