#include "settings/settings_format.h"

#include <limits>

namespace quillet {
namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::int32_t ParseSettingNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    const bool negative = at < text.size() && text[at] == '-';
    if (negative) {
        ++at;
    }
    // Accumulate the magnitude, stopping once it is past the range so that
    // any number of further digits cannot overflow the accumulator.
    std::int64_t magnitude = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        if (magnitude <= kInt32Max + 1) {
            magnitude = magnitude * 10 + (text[at] - '0');
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < kInt32Min) {
        return static_cast<std::int32_t>(kInt32Min);
    }
    if (value > kInt32Max) {
        return static_cast<std::int32_t>(kInt32Max);
    }
    return static_cast<std::int32_t>(value);
}

std::string FormatSettingNumber(std::int32_t value) { return std::to_string(value); }

std::string_view YesNoText(bool yes) { return yes ? "Yes" : "No"; }

std::optional<bool> ParseYesNo(std::string_view text) {
    const auto trimmed = TrimTrailingBlanks(text);
    if (trimmed == "Yes") {
        return true;
    }
    if (trimmed == "No") {
        return false;
    }
    return std::nullopt;
}

std::string_view RecordField(std::string_view entry, int k) {
    std::size_t start = 0;
    for (int step = 1; step < k; ++step) {
        const auto comma = entry.find(',', start);
        start = comma == std::string_view::npos ? 0 : comma + 1;
    }
    // After a final comma the start lies at the end: the field is empty.
    const auto comma = entry.find(',', start);
    const auto end = comma == std::string_view::npos ? entry.size() : comma;
    return entry.substr(start, end - start);
}

BookkeepingRecord RecordFromEntry(std::string_view entry) {
    const auto used = entry.substr(0, kRecordEntryChars);
    BookkeepingRecord record;
    record.family.Assign(RecordField(used, 1));
    record.item.Assign(RecordField(used, 2));
    record.type.Assign(RecordField(used, 3));
    return record;
}

std::string EntryFromRecord(const BookkeepingRecord& record) {
    std::string entry{record.family.View()};
    entry += ',';
    entry += record.item.View();
    entry += ',';
    entry += record.type.View();
    return entry;
}

std::int32_t SectorCountToRead(std::string_view count_text) {
    const auto count = ParseSettingNumber(count_text);
    return count < 0 || count > kMaxSectorCount ? 0 : count;
}

std::string SectorKey(std::int32_t index) {
    std::string key{kSectorsKey};
    key += '_';
    key += FormatSettingNumber(index);
    return key;
}

}  // namespace quillet
