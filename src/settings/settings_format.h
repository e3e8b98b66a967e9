// The settings file's texts: how its numbers, states and bookkeeping records
// are written and read back. Pure functions; the INI manager does the I/O.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "winapi/text_field.h"

namespace quillet {

// The section that carries the bookkeeping list, and its count key.
inline constexpr std::string_view kBookkeepingSection = "__Dont_Touch_Me__";
inline constexpr std::string_view kSectorsKey = "Sectors";

// A bookkeeping entry that is missing reads as this text in all three fields.
inline constexpr std::string_view kUnknownRecordText = "---Unknown---";

// Only this many characters of a bookkeeping entry are split into fields.
inline constexpr std::size_t kRecordEntryChars = 999;

// Counts above this are treated like a negative count: no records are read,
// so a count such as 2147483647 cannot stall start-up for hours or make
// shutdown write millions of lines. The program adds no records itself, so
// a genuine file holds 0; 1024 leaves room for a file shared with other tools
// while bounding the worst case. Every missing record becomes a new entry at
// shutdown, and the service rewrites the whole file for each one, so the
// cost grows with the square of the count: 1024 missing records take about a
// second under Wine, 4096 took about 16.
inline constexpr std::int32_t kMaxSectorCount = 1024;

// One bookkeeping record; each field holds at most 99 characters.
struct BookkeepingRecord {
    ZText<100> family;
    ZText<100> item;
    ZText<100> type;
};

// Leading blanks, an optional minus sign, then the leading decimal digits.
// No digits gives 0; a number beyond the signed 32-bit range is clamped to it.
std::int32_t ParseSettingNumber(std::string_view text);

// Plain decimal: a minus sign when negative, no plus sign, no leading zeros.
std::string FormatSettingNumber(std::int32_t value);

// "Yes" or "No", as the state entries store them.
std::string_view YesNoText(bool yes);

// A stored state: true for "Yes", false for "No", nothing for any other text.
// The characters must match exactly (letter case counts); trailing blanks
// are ignored.
std::optional<bool> ParseYesNo(std::string_view text);

// Field k (from 1) of a comma-separated entry. Each step past a comma
// starts over at the beginning when no further comma follows, so "one,two"
// has the fields one, two, one and an entry without commas repeats itself.
std::string_view RecordField(std::string_view entry, int k);

// The record in an entry: its first 999 characters split into three fields,
// each cut to 99 characters.
BookkeepingRecord RecordFromEntry(std::string_view entry);

// The entry that stores a record: FAMILY,ITEM,TYPE without blanks.
std::string EntryFromRecord(const BookkeepingRecord& record);

// How many records to read for a stored "Sectors" count: its number, or 0
// when that is negative or above kMaxSectorCount.
std::int32_t SectorCountToRead(std::string_view count_text);

// The key of record `index` (from 1): "Sectors_<index>".
std::string SectorKey(std::int32_t index);

}  // namespace quillet
