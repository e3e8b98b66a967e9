// A settings file the program did not write: damaged, hand-edited, or not a
// file at all. Whatever it holds, the program opens a usable window on the
// screen, shows nothing else, ends in order with exit code 0, and leaves
// every line that is not its own as it was.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "driver/actions.h"
#include "driver/file_bytes.h"
#include "driver/quillet_test.h"
#include "driver/settings_file.h"
#include "driver/settings_lines.h"
#include "driver/temp_directory.h"
#include "driver/top_level_windows.h"
#include "driver/window_query.h"

namespace quillet::e2e {
namespace {

constexpr std::size_t kMebibyte = 1024 * 1024;

// Bytes of every value 0..255 in a fixed pseudo-random order, none of them a
// byte-order mark at the start.
std::string Garbage(std::size_t size) {
    std::string bytes(size, '\0');
    std::uint32_t state = 0x2545F491u;
    for (char& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<char>(state >> 24);
    }
    bytes[0] = 'G';
    bytes[1] = 'x';
    return bytes;
}

// The text with each CR LF replaced by line_end.
std::string WithLineEnds(std::string_view text, std::string_view line_end) {
    std::string result;
    for (std::size_t at = 0; at < text.size();) {
        if (text.compare(at, 2, "\r\n") == 0) {
            result.append(line_end);
            at += 2;
        } else {
            result.push_back(text[at++]);
        }
    }
    return result;
}

constexpr char kSample[] = "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=30\r\nYPos=16\r\n[Other]\r\nKey=Value\r\n";

// A [Main] section in a normal state with one more entry line.
std::string MainWith(std::string_view line) {
    return "[Main]\r\nMaximize=No\r\nMinimize=No\r\n" + std::string(line) + "\r\n";
}

// The bytes after one write by the private-profile service itself, of a new
// entry in the program's own bookkeeping section (a new entry, because the
// service does not rewrite the file for a value it already holds): what any
// program that stores a setting in the file gets.
// Binary data does not survive that rewrite unchanged (the service reads the
// file as text: a zero byte ends a name or a value, control characters at
// their ends go), so that is the most a run can keep of such a file.
std::string RewrittenByTheService(const std::string& bytes) {
    const TempDirectory directory{"service-rewrite"};
    const std::string path = directory.PathOf("Quillet.INI");
    WriteFileBytes(path, bytes);
    if (!WritePrivateProfileStringA("__Dont_Touch_Me__", "Rewritten", "1", path.c_str())) {
        throw std::runtime_error("WritePrivateProfileStringA " + path + " failed");
    }
    return ReadFileBytes(path).value_or("");
}

struct SettingsCase {
    std::string name;
    std::string bytes;
    // Text: every foreign line stays as written, up to the blanks the
    // service drops. Binary: as the service's own rewrite leaves it.
    bool text;
    // Normalised lines the file must hold after the run (the place and size
    // the window was really given, as the program stores it back).
    std::vector<std::string> stored_afterwards;
};

void PrintTo(const SettingsCase& settings, std::ostream* out) { *out << settings.name; }

std::vector<SettingsCase> SettingsCases() {
    const std::string mebibyte_of_x(kMebibyte, 'x');
    return {
        {"BinaryGarbage", Garbage(4096), false, {}},
        {"GarbageAfterAValidMain", kSample + Garbage(2048), false, {"XPos=30", "YPos=16"}},
        {"NoFinalNewlineAfterAForeignKeyOfMain", "[Main]\r\nMaximize=No\r\nXPos=30\r\nNote=kept", true,
         {"XPos=30", "Note=kept"}},
        {"NoFinalNewlineInAnotherSection", "[Main]\r\nMaximize=No\r\nXPos=30\r\n[Other]\r\nKey=last", true,
         {"XPos=30"}},
        {"CrOnlyLineEnds", WithLineEnds(kSample, "\r"), true, {"XPos=30", "YPos=16"}},
        {"LfOnlyLineEnds", WithLineEnds(kSample, "\n"), true, {"XPos=30", "YPos=16"}},
        {"OneMebibyteForeignLine", "[Other]\r\nBig=" + mebibyte_of_x + "\r\n" + MainWith("XPos=30"), true,
         {"XPos=30"}},
        {"OneMebibyteLineWithoutEquals", "[Other]\r\n" + mebibyte_of_x + "\r\n" + MainWith("XPos=30"), true,
         {"XPos=30"}},
        {"TwoMainSections",
         "[Main]\r\nMaximize=No\r\nXPos=30\r\n[Other]\r\nA=1\r\n[Main]\r\nXPos=90\r\nNote=second\r\n", true,
         {"XPos=30"}},
        {"BlanksAroundEquals",
         "[Main]\r\nMaximize = No\r\n  XPos =\t30 \r\nYPos\t=  16\r\n[Other]\r\n Key = Value \r\n", true,
         {"XPos=30", "YPos=16"}},
        {"QuotedValues",
         "[Main]\r\nMaximize=\"No\"\r\nXPos=\"30\"\r\nYPos=\"16\"\r\n[Other]\r\nKey=\"quoted value\"\r\n", true,
         {"XPos=30", "YPos=16"}},
        // Sizes that would make the window unusable are refused: it keeps
        // the size of its definition, 68 x 71 units.
        {"WidthZero", MainWith("Width=0"), true, {"Width=68"}},
        {"WidthNegative", MainWith("Width=-5"), true, {"Width=68"}},
        {"WidthHuge", MainWith("Width=99999999"), true, {"Width=68"}},
        {"HeightZero", MainWith("Height=0"), true, {"Height=71"}},
        {"HeightNegative", MainWith("Height=-5"), true, {"Height=71"}},
        {"HeightHuge", MainWith("Height=99999999"), true, {"Height=71"}},
        // Places off every screen are refused: the window stays at the top
        // left, where its definition puts it.
        {"XPosSmallestNumber", MainWith("XPos=-2147483648"), true, {"XPos=0"}},
        {"XPosFarRight", MainWith("XPos=99999999"), true, {"XPos=0"}},
        {"YPosBeyondTheNumberRange", MainWith("YPos=-99999999999"), true, {"YPos=0"}},
    };
}

// The place 2147483647 units, at the end of the number range: in pixels it
// must stay far off every screen (not wrap round to -2) and be refused. A
// 1 MiB number is read as 2147483647 too.
std::vector<SettingsCase> WrappingPlaceCases() {
    return {
        {"XPosLargestNumber", MainWith("XPos=2147483647"), true, {"XPos=0"}},
        {"OneMebibyteOfDigitsInXPos", MainWith("XPos=" + std::string(kMebibyte, '7')), true, {"XPos=0"}},
    };
}

// The lines that set the key of `line` ("XPos" for "XPos=0"), for messages.
std::string LinesOfKey(const std::vector<std::string>& lines, std::string_view line) {
    const std::string_view key = line.substr(0, line.find('=') + 1);
    std::string found;
    for (const std::string& candidate : lines) {
        if (candidate.compare(0, key.size(), key) == 0) {
            found += (found.empty() ? "" : ", ") + candidate.substr(0, 40);
        }
    }
    return found.empty() ? "none" : found;
}

class BadSettingsTest : public QuilletTest, public ::testing::WithParamInterface<SettingsCase> {};

// The window is on the screen with a client area that is neither empty nor
// larger than the whole desktop.
void ExpectUsable(HWND main) {
    const RECT client = ClientRect(main);
    const int desktop_width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int desktop_height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    EXPECT_GT(client.right, 0) << Describe(client);
    EXPECT_GT(client.bottom, 0) << Describe(client);
    EXPECT_LE(client.right, desktop_width) << Describe(client);
    EXPECT_LE(client.bottom, desktop_height) << Describe(client);
    const RECT outer = WindowRectOnScreen(main);
    const RECT desktop{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                       GetSystemMetrics(SM_XVIRTUALSCREEN) + desktop_width,
                       GetSystemMetrics(SM_YVIRTUALSCREEN) + desktop_height};
    RECT overlap{};
    EXPECT_TRUE(IntersectRect(&overlap, &outer, &desktop)) << "off the screen at " << Describe(outer);
}

TEST_P(BadSettingsTest, OpensAUsableWindowEndsInOrderAndKeepsEveryForeignLine) {
    const SettingsCase& settings = GetParam();
    WriteSettingsFile(settings.bytes);

    QuilletProcess& quillet = StartQuillet();
    const HWND main = quillet.WaitForMainWindow();
    ASSERT_NE(main, nullptr) << "no window: crashed or hung at start";
    EXPECT_EQ(VisibleTopLevelWindows(quillet.Pid()), std::vector<HWND>{main});
    ExpectUsable(main);
    PostClose(main);
    ASSERT_EQ(quillet.WaitForExit(), std::optional<DWORD>(0));

    const auto after = ReadSettingsFile();
    ASSERT_TRUE(after.has_value()) << "the settings file is gone";
    EXPECT_EQ(ForeignLines(*after), ForeignLines(RewrittenByTheService(settings.bytes)));
    if (settings.text) {
        EXPECT_EQ(ForeignLines(*after), ForeignLines(settings.bytes));
    }
    const std::vector<std::string> lines = NormalisedLines(*after);
    for (const std::string& expected : settings.stored_afterwards) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end())
            << "no line " << expected << "; the same key: " << LinesOfKey(lines, expected);
    }
}

std::string CaseName(const ::testing::TestParamInfo<SettingsCase>& case_info) { return case_info.param.name; }

INSTANTIATE_TEST_SUITE_P(Files, BadSettingsTest, ::testing::ValuesIn(SettingsCases()), CaseName);
INSTANTIATE_TEST_SUITE_P(WrappingPlaces, BadSettingsTest, ::testing::ValuesIn(WrappingPlaceCases()), CaseName);

// A directory where the file should be: nothing can be read or written, and
// the directory is left as it was.
class SettingsDirectory {
public:
    SettingsDirectory() : path_(SettingsFilePath()) {
        DeleteSettingsFile();
        if (!CreateDirectoryA(path_.c_str(), nullptr)) {
            throw std::runtime_error("cannot create the directory " + path_);
        }
    }
    ~SettingsDirectory() { RemoveDirectoryA(path_.c_str()); }
    SettingsDirectory(const SettingsDirectory&) = delete;
    SettingsDirectory& operator=(const SettingsDirectory&) = delete;

    bool IsAnEmptyDirectory() const {
        const DWORD attributes = GetFileAttributesA(path_.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
               RemoveDirectoryA(path_.c_str()) && CreateDirectoryA(path_.c_str(), nullptr);
    }

private:
    std::string path_;
};

using BadSettingsPlaceTest = QuilletTest;

TEST_F(BadSettingsPlaceTest, ADirectoryNamedLikeTheFileIsLeftAloneAndTheRunEndsInOrder) {
    const SettingsDirectory directory;
    QuilletProcess& quillet = StartQuillet();
    const HWND main = quillet.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(VisibleTopLevelWindows(quillet.Pid()), std::vector<HWND>{main});
    EXPECT_EQ(WindowRectOnScreen(main).left, 0) << "nothing was stored to restore";
    PostClose(main);
    EXPECT_EQ(quillet.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_TRUE(directory.IsAnEmptyDirectory());
}

}  // namespace
}  // namespace quillet::e2e
