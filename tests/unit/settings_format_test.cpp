#include "settings/settings_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace quillet {
namespace {

TEST(SettingNumber, ParsesTheLeadingDecimalNumber) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"120", 120},
        {"   80", 80},
        {"-15", -15},
        {"  -7", -7},
        {"0042", 42},
        {"12abc", 12},
        {"12 34", 12},
        {"-", 0},
        {"", 0},
        {"left", 0},
        {"Yes", 0},
        {"+5", 0},       // no plus sign
        {"- 5", 0},      // the digits must follow the sign at once
        {"--5", 0},
        {"\t5", 0},      // only blanks are skipped
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483648", 2147483647},
        {"-2147483649", std::numeric_limits<std::int32_t>::min()},
        {"99999999999999999999999999999999", 2147483647},
        {"-99999999999999999999999999999999", std::numeric_limits<std::int32_t>::min()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseSettingNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(SettingNumber, FormatsPlainDecimalAndReadsItBack) {
    struct Case {
        std::int32_t value;
        const char* text;
    };
    const Case cases[] = {
        {0, "0"},
        {120, "120"},
        {-15, "-15"},
        {2147483647, "2147483647"},
        {std::numeric_limits<std::int32_t>::min(), "-2147483648"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatSettingNumber(c.value), c.text);
        EXPECT_EQ(ParseSettingNumber(FormatSettingNumber(c.value)), c.value);
    }
}

TEST(YesNo, OnlyTheExactWordsAreRecognised) {
    EXPECT_EQ(YesNoText(true), "Yes");
    EXPECT_EQ(YesNoText(false), "No");

    struct Case {
        const char* text;
        std::optional<bool> state;
    };
    const Case cases[] = {
        {"Yes", true},   {"No", false},        {"Yes   ", true},       {"No ", false},
        {"yes", {}},     {"YES", {}},          {"no", {}},             {"1", {}},
        {"0", {}},       {"", {}},             {" Yes", {}},           {"Yes\t", {}},
        {"Yess", {}},    {"Ye", {}},           {"Yes No", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseYesNo(c.text), c.state) << '"' << c.text << '"';
    }
}

TEST(RecordField, WrapsToTheStartWhenNoFurtherCommaFollows) {
    struct Case {
        const char* entry;
        const char* fields[3];
    };
    const Case cases[] = {
        {"alone", {"alone", "alone", "alone"}},
        {"one,two", {"one", "two", "one"}},
        {"a,b,c", {"a", "b", "c"}},
        {"a,b,c,d", {"a", "b", "c"}},
        {"a,", {"a", "", "a"}},
        {",b", {"", "b", ""}},
        {"a,,c", {"a", "", "c"}},
        {",", {"", "", ""}},
        {"", {"", "", ""}},
    };
    for (const auto& c : cases) {
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(RecordField(c.entry, k), c.fields[k - 1]) << '"' << c.entry << "\" field " << k;
        }
    }
}

TEST(BookkeepingRecord, ReadsAndWritesBackAsDescribed) {
    struct Case {
        std::string entry;
        std::string written_back;
    };
    const Case cases[] = {
        {"one,two", "one,two,one"},
        {"fam,item,type", "fam,item,type"},
        {"fam,item,type,extra", "fam,item,type"},
        {std::string{kUnknownRecordText}, "---Unknown---,---Unknown---,---Unknown---"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EntryFromRecord(RecordFromEntry(c.entry)), c.written_back) << c.entry;
    }
}

TEST(BookkeepingRecord, FieldsAreCutTo99Characters) {
    const std::string long_family(150, 'f');
    const auto record = RecordFromEntry(long_family + ",item");
    EXPECT_EQ(record.family.View(), std::string(99, 'f'));
    EXPECT_EQ(record.item.View(), "item");
    EXPECT_EQ(record.type.View(), std::string(99, 'f'));
}

TEST(BookkeepingRecord, OnlyTheFirst999CharactersAreSplit) {
    // The comma at position 1000 lies beyond the used part: no second field.
    const std::string entry = std::string(999, 'a') + ",b,c";
    const auto record = RecordFromEntry(entry);
    EXPECT_EQ(record.item.View(), std::string(99, 'a'));

    // A comma inside the used part still splits; what follows is cut at 999.
    const std::string near_end = std::string(990, 'a') + "," + std::string(20, 'b');
    const auto cut = RecordFromEntry(near_end);
    EXPECT_EQ(cut.item.View(), std::string(8, 'b'));
}

TEST(SectorCount, ReadsOnlyCountsWithinTheLimit) {
    struct Case {
        std::string text;
        std::int32_t to_read;
    };
    const Case cases[] = {
        {"", 0},
        {"0", 0},
        {"2", 2},
        {"  3", 3},
        {"-1", 0},
        {"many", 0},
        {FormatSettingNumber(kMaxSectorCount), kMaxSectorCount},
        {FormatSettingNumber(kMaxSectorCount + 1), 0},
        {"2147483647", 0},
        {"99999999999999999999", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SectorCountToRead(c.text), c.to_read) << '"' << c.text << '"';
    }
}

TEST(SectorKey, NumbersFromOneInPlainDecimal) {
    EXPECT_EQ(SectorKey(1), "Sectors_1");
    EXPECT_EQ(SectorKey(1024), "Sectors_1024");
}

}  // namespace
}  // namespace quillet
