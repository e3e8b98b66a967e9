#include <gtest/gtest.h>

#include <thread>

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

TEST(ErrorManager, KeepsTheRunningProceduresOfEachThreadApart) {
    ErrorManager errors;
    ThreadErrorStatus status;
    errors.Init(status);
    EXPECT_TRUE(errors.IsBound());
    errors.ProcedureStarted("Main");
    errors.ProcedureStarted("Inner");
    std::string seen_elsewhere = "unset";
    std::thread other([&] {
        seen_elsewhere = errors.CurrentProcedure();
        errors.ProcedureStarted("Other");
        errors.ProcedureEnded();
    });
    other.join();
    EXPECT_EQ(seen_elsewhere, "");
    EXPECT_EQ(errors.CurrentProcedure(), "Inner");
    errors.ProcedureEnded();
    EXPECT_EQ(errors.CurrentProcedure(), "Main");
    errors.ProcedureEnded();
    EXPECT_EQ(errors.CurrentProcedure(), "");
    errors.ProcedureEnded();  // one end too many is harmless
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
