// Bookkeeping entries of any text: split into fields and records as start-up
// reads them, and joined back as shutdown writes them.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "settings/settings_format.h"

namespace {

using quillet::fuzz::AsText;
using quillet::fuzz::Require;

// The pieces between the commas: one more than there are commas.
std::vector<std::string_view> Pieces(std::string_view entry) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= entry.size(); ++i) {
        if (i == entry.size() || entry[i] == ',') {
            pieces.push_back(entry.substr(start, i - start));
            start = i + 1;
        }
    }
    return pieces;
}

// Stepping past a comma moves to the next piece, and past the last piece back
// to the first: field k is piece (k - 1) taken round the pieces.
std::string_view ReferenceField(const std::vector<std::string_view>& pieces, int k) {
    const std::size_t steps = k < 1 ? 0 : static_cast<std::size_t>(k - 1);
    return pieces[steps % pieces.size()];
}

// What a 100-byte zero-terminated field keeps of a text.
std::string_view KeptInField(std::string_view text) {
    text = text.substr(0, 99);
    return text.substr(0, text.find('\0'));
}

bool SameRecord(const quillet::BookkeepingRecord& a, const quillet::BookkeepingRecord& b) {
    return a.family.View() == b.family.View() && a.item.View() == b.item.View() && a.type.View() == b.type.View();
}

void CheckField(std::string_view entry, int k) {
    Require(quillet::RecordField(entry, k) == ReferenceField(Pieces(entry), k),
            "field k is the piece k - 1 steps on, round the pieces");
}

void CheckRecord(std::string_view entry) {
    const quillet::BookkeepingRecord record = quillet::RecordFromEntry(entry);
    const auto pieces = Pieces(entry.substr(0, quillet::kRecordEntryChars));
    Require(record.family.View() == KeptInField(ReferenceField(pieces, 1)), "family is field 1 of 999 characters");
    Require(record.item.View() == KeptInField(ReferenceField(pieces, 2)), "item is field 2 of 999 characters");
    Require(record.type.View() == KeptInField(ReferenceField(pieces, 3)), "type is field 3 of 999 characters");

    // Shutdown writes what start-up read; the next start-up must read the same record.
    const std::string written = quillet::EntryFromRecord(record);
    Require(written.size() == record.family.View().size() + record.item.View().size() + record.type.View().size() + 2,
            "a written entry is the three fields and two commas, nothing else");
    Require(std::count(written.begin(), written.end(), ',') == 2, "a written entry has exactly two commas");
    Require(SameRecord(quillet::RecordFromEntry(written), record), "a record written back reads back the same");

    // An entry that already is three short fields is written back unchanged.
    const bool canonical = entry.size() <= quillet::kRecordEntryChars && pieces.size() == 3 &&
                           entry.find('\0') == std::string_view::npos &&
                           std::all_of(pieces.begin(), pieces.end(), [](std::string_view p) { return p.size() <= 99; });
    if (canonical) {
        Require(written == entry, "an entry of three fields of at most 99 characters survives unchanged");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return quillet::fuzz::RunChecks([=] {
        if (size == 0) {
            CheckRecord({});
            return;
        }
        // The first byte, signed, is the field number k (the program asks for 1 to 3).
        const int k = static_cast<std::int8_t>(data[0]);
        const std::string_view entry = AsText({data + 1, size - 1});
        CheckField(entry, k);
        CheckRecord(entry);
    });
}
