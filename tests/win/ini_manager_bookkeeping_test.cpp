// The settings store's bookkeeping section and its primitives, against the
// real private-profile service of the test prefix.
#include "settings/ini_manager.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "ini_test_support.h"

namespace quillet {
namespace {

using test_support::CrLfLines;
using test_support::kTestIniName;

class IniBookkeepingTest : public test_support::ScratchIniTest {
protected:
    // Opens and closes the store on the given file; the file afterwards.
    std::string AfterStartAndShutdown(const std::string& bytes) {
        GivenFile(bytes);
        ini_.OpenSettings(kTestIniName, 0, 0);
        EXPECT_TRUE(ini_.IsOpen());
        ini_.CloseSettings();
        EXPECT_FALSE(ini_.IsOpen());
        return FileBytes();
    }

    IniManager ini_;
};

TEST_F(IniBookkeepingTest, RecordsAreReadAtStartAndWrittenBackAtShutdown) {
    struct Case {
        const char* what;
        std::string before;
        std::string after;
    };
    const std::string unknown = "---Unknown---,---Unknown---,---Unknown---";
    const std::string above_limit = "Sectors=" + FormatSettingNumber(kMaxSectorCount + 1);
    const Case cases[] = {
        {"entry 2 missing", CrLfLines({"[__Dont_Touch_Me__]", "Sectors=2", "Sectors_1=a,b,c"}),
         CrLfLines({"[__Dont_Touch_Me__]", "Sectors=2", "Sectors_1=a,b,c", ("Sectors_2=" + unknown).c_str()})},
        {"one comma", CrLfLines({"[__Dont_Touch_Me__]", "Sectors=1", "Sectors_1=one,two"}),
         CrLfLines({"[__Dont_Touch_Me__]", "Sectors=1", "Sectors_1=one,two,one"})},
        {"no comma", CrLfLines({"[__Dont_Touch_Me__]", "Sectors=1", "Sectors_1=alone"}),
         CrLfLines({"[__Dont_Touch_Me__]", "Sectors=1", "Sectors_1=alone,alone,alone"})},
        {"entry above the count", CrLfLines({"[__Dont_Touch_Me__]", "Sectors=1", "Sectors_1=a,b,c", "Sectors_2=x y"}),
         CrLfLines({"[__Dont_Touch_Me__]", "Sectors=1", "Sectors_1=a,b,c", "Sectors_2=x y"})},
        {"negative count", CrLfLines({"[__Dont_Touch_Me__]", "Sectors=-3", "Sectors_1=x"}),
         CrLfLines({"[__Dont_Touch_Me__]", "Sectors=0", "Sectors_1=x"})},
        {"word count", CrLfLines({"[__Dont_Touch_Me__]", "Sectors=many", "Sectors_1=x"}),
         CrLfLines({"[__Dont_Touch_Me__]", "Sectors=0", "Sectors_1=x"})},
        {"count above the limit", CrLfLines({"[__Dont_Touch_Me__]", above_limit.c_str(), "Sectors_1=x"}),
         CrLfLines({"[__Dont_Touch_Me__]", "Sectors=0", "Sectors_1=x"})},
        {"no section", CrLfLines({"[Main]", "Maximize=No"}),
         CrLfLines({"[Main]", "Maximize=No", "[__Dont_Touch_Me__]", "Sectors=0"})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AfterStartAndShutdown(c.before), c.after) << c.what;
    }
}

TEST_F(IniBookkeepingTest, LongFieldsAreCutTo99Characters) {
    const std::string header = CrLfLines({"[__Dont_Touch_Me__]", "Sectors=1"});
    const std::string before = header + "Sectors_1=" + std::string(150, 'f') + ",i,t\r\n";
    EXPECT_EQ(AfterStartAndShutdown(before), header + "Sectors_1=" + std::string(99, 'f') + ",i,t\r\n");
}

TEST_F(IniBookkeepingTest, HugeCountStartsAndClosesQuicklyAndKeepsTheFileSmall) {
    const auto started = std::chrono::steady_clock::now();
    const auto after =
        AfterStartAndShutdown(CrLfLines({"[__Dont_Touch_Me__]", "Sectors=2147483647", "Sectors_1=a,b,c"}));
    const auto elapsed = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(after, CrLfLines({"[__Dont_Touch_Me__]", "Sectors=0", "Sectors_1=a,b,c"}));
    EXPECT_LT(elapsed, std::chrono::seconds(2));
}

TEST_F(IniBookkeepingTest, CountAtTheLimitWithNoEntriesStaysBounded) {
    // The worst a file can ask for: every record missing, so shutdown adds
    // each entry anew and the service rewrites the growing file each time.
    const auto started = std::chrono::steady_clock::now();
    const std::string count = "Sectors=" + FormatSettingNumber(kMaxSectorCount);
    const auto after = AfterStartAndShutdown(CrLfLines({"[__Dont_Touch_Me__]", count.c_str()}));
    const auto elapsed = std::chrono::steady_clock::now() - started;
    const std::string last = SectorKey(kMaxSectorCount) + "=---Unknown---,---Unknown---,---Unknown---\r\n";
    ASSERT_GE(after.size(), last.size());
    EXPECT_EQ(after.substr(after.size() - last.size()), last);
    EXPECT_LT(elapsed, std::chrono::seconds(10));
}

TEST_F(IniBookkeepingTest, FullListAtTheLimitComesBackUnchanged) {
    std::string bytes = CrLfLines({"[__Dont_Touch_Me__]"}) + "Sectors=" + FormatSettingNumber(kMaxSectorCount) + "\r\n";
    for (std::int32_t i = 1; i <= kMaxSectorCount; ++i) {
        bytes += SectorKey(i) + "=family" + FormatSettingNumber(i) + ",item,type\r\n";
    }
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(AfterStartAndShutdown(bytes), bytes);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
}

TEST_F(IniBookkeepingTest, CloseWithoutOpenWritesNothing) {
    ini_.CloseSettings();
    EXPECT_FALSE(FileExists());

    ini_.OpenSettings(kTestIniName, 0, 0);
    ini_.CloseSettings();
    ASSERT_TRUE(FileExists());
    DeleteFileA(path_.c_str());
    ini_.CloseSettings();  // already closed
    EXPECT_FALSE(FileExists());
}

using IniPrimitiveTest = IniBookkeepingTest;

TEST_F(IniPrimitiveTest, TrailingBlanksAreDroppedFromEveryText) {
    ini_.OpenSettings(std::string(kTestIniName) + "   ", 0, 0);
    ini_.WriteSetting("Main  ", "Key  ", "value  ");
    EXPECT_EQ(FileBytes(), CrLfLines({"[Main]", "Key=value"}));

    EXPECT_EQ(ini_.ReadSetting("Main ", "Key ", "fallback "), "value");
    EXPECT_EQ(ini_.ReadSetting("Main ", "Missing ", "fallback "), "fallback");
    ini_.DeleteSetting("Main ", "Key ");
    EXPECT_EQ(FileBytes(), CrLfLines({"[Main]"}));
    ini_.CloseSettings();
}

TEST_F(IniPrimitiveTest, ReadGivesTheDefaultWithoutFileSectionOrKey) {
    ini_.OpenSettings(kTestIniName, 0, 0);
    EXPECT_EQ(ini_.ReadSetting("Main", "XPos", "dflt"), "dflt");
    GivenFile(CrLfLines({"[Main]", "XPos=5"}));
    EXPECT_EQ(ini_.ReadSetting("Other", "XPos", "dflt"), "dflt");
    EXPECT_EQ(ini_.ReadSetting("Main", "YPos", "dflt"), "dflt");
    EXPECT_EQ(ini_.ReadSetting("main", "xpos", "dflt"), "5") << "the service ignores letter case";
    ini_.CloseSettings();
}

TEST_F(IniPrimitiveTest, ReadReturnsAtMost1023Characters) {
    const std::string value(1500, 'v');
    GivenFile(CrLfLines({"[Main]", ("Long=" + value).c_str()}));
    ini_.OpenSettings(kTestIniName, 0, 0);
    EXPECT_EQ(ini_.ReadSetting("Main", "Long", ""), std::string(1023, 'v'));
    ini_.CloseSettings();
}

}  // namespace
}  // namespace quillet
