// The bookkeeping section "__Dont_Touch_Me__": the records it counts are read
// at start-up and written back at shutdown; what the program does not own —
// entries beyond the count, other sections, unknown keys, comments — stays as
// it was.
#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "driver/settings_file.h"
#include "driver/settings_run.h"

namespace quillet::e2e {
namespace {

struct Bookkeeping {
    const char* name;
    std::string before;  // the section as found at start
    std::string after;   // ... and after an orderly end
};

void PrintTo(const Bookkeeping& bookkeeping, std::ostream* out) { *out << bookkeeping.name; }

std::vector<Bookkeeping> Bookkeepings() {
    const std::string unknown_entry = "---Unknown---,---Unknown---,---Unknown---";
    const std::string long_word(120, 'w');
    const std::string long_word_cut(99, 'w');
    return {
        {"MissingRecordIsWrittenAsUnknown", "[__Dont_Touch_Me__]\r\nSectors=2\r\nSectors_1=a,b,c\r\n",
         "[__Dont_Touch_Me__]\r\nSectors=2\r\nSectors_1=a,b,c\r\nSectors_2=" + unknown_entry + "\r\n"},
        {"TwoFieldsRepeatTheFirst", "[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=one,two\r\n",
         "[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=one,two,one\r\n"},
        {"NoCommaRepeatsTheWholeEntry", "[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=alone\r\n",
         "[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=alone,alone,alone\r\n"},
        {"FieldsAreCutTo99Characters", "[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=" + long_word + ",b,c\r\n",
         "[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=" + long_word_cut + ",b,c\r\n"},
        {"EntryBeyondTheCountIsLeftAlone",
         "[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=a,b,c\r\nSectors_2=not,counted,here\r\n",
         "[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=a,b,c\r\nSectors_2=not,counted,here\r\n"},
        {"NegativeCountReadsNothingAndBecomesZero", "[__Dont_Touch_Me__]\r\nSectors=-3\r\nSectors_1=a,b,c\r\n",
         "[__Dont_Touch_Me__]\r\nSectors=0\r\nSectors_1=a,b,c\r\n"},
        {"WordCountBecomesZero", "[__Dont_Touch_Me__]\r\nSectors=many\r\n", "[__Dont_Touch_Me__]\r\nSectors=0\r\n"},
        // The program treats a count above 1024 as invalid.
        {"CountAboveTheLimitBecomesZero", "[__Dont_Touch_Me__]\r\nSectors=1025\r\nSectors_1=a,b,c\r\n",
         "[__Dont_Touch_Me__]\r\nSectors=0\r\nSectors_1=a,b,c\r\n"},
    };
}

class SettingsBookkeepingTest : public SettingsRunTest, public ::testing::WithParamInterface<Bookkeeping> {};

TEST_P(SettingsBookkeepingTest, RecordsComeBackAtShutdown) {
    const std::string main = MainSection(0, 0);
    WriteSettingsFile(main + GetParam().before);
    EXPECT_EQ(RunOnce(), main + GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Sections, SettingsBookkeepingTest, ::testing::ValuesIn(Bookkeepings()),
                         [](const ::testing::TestParamInfo<Bookkeeping>& case_info) { return case_info.param.name; });

using SettingsFileContentTest = SettingsRunTest;

TEST_F(SettingsFileContentTest, HugeCountNeitherStallsStartNorFloodsTheFile) {
    WriteSettingsFile(MainSection(0, 0) + "[__Dont_Touch_Me__]\r\nSectors=2147483647\r\n");
    const auto start = std::chrono::steady_clock::now();
    const std::string after = RunOnce();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::seconds{3}) << "start and close took "
                                             << std::chrono::duration_cast<std::chrono::milliseconds>(took).count()
                                             << " ms";
    EXPECT_EQ(after, kFirstRunSettings);
}

TEST_F(SettingsFileContentTest, OtherSectionsUnknownKeysAndCommentsSurvive) {
    const std::string before =
        "[Other]\r\nKey=Value\r\n;a comment\r\n"
        "[Main]\r\nColour=Blue\r\nMaximize=No\r\nMinimize=No\r\nXPos=120\r\nYPos=80\r\nWidth=68\r\nHeight=71\r\n"
        "Note=kept\r\n"
        "[__Dont_Touch_Me__]\r\nSectors=0\r\nOwner=someone\r\n"
        "[Last]\r\nA=1\r\n";
    WriteSettingsFile(before);
    const HWND main = Open();
    MoveToUnits(main, 10, 20);
    const std::string after =
        "[Other]\r\nKey=Value\r\n;a comment\r\n"
        "[Main]\r\nColour=Blue\r\nMaximize=No\r\nMinimize=No\r\nXPos=10\r\nYPos=20\r\nWidth=68\r\nHeight=71\r\n"
        "Note=kept\r\n"
        "[__Dont_Touch_Me__]\r\nSectors=0\r\nOwner=someone\r\n"
        "[Last]\r\nA=1\r\n";
    EXPECT_EQ(CloseAndReadSettings(main), after);
}

}  // namespace
}  // namespace quillet::e2e
