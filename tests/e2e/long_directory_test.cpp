// A current directory whose path is longer than 255 characters, more than the
// shell request's file buffer holds. The program hands the shell only the
// short relative path ".\test.eml", so nothing is cut; it starts there,
// "Test EML" shows nothing of the program's own, the file is left as it is,
// and the run ends in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/actions.h"
#include "driver/feature_switch_box.h"
#include "driver/file_association.h"
#include "driver/main_controls.h"
#include "driver/mouse.h"
#include "driver/quillet_test.h"
#include "driver/recorder_log.h"
#include "driver/scoped_handles.h"
#include "driver/temp_directory.h"
#include "driver/text_compare.h"
#include "driver/top_level_windows.h"
#include "driver/win32_error.h"

namespace quillet::e2e {
namespace {

constexpr std::size_t kLongerThan = 255;
// The longest current directory Windows takes (MAX_PATH less a backslash and
// the terminating zero). Wine 8 cannot start a process in a longer one: it
// corrupts its heap (malloc(): invalid size) or starts it in another
// directory.
constexpr std::size_t kLength = MAX_PATH - 2;

// The wide form with the "\\?\" prefix: the ANSI file functions stop at
// MAX_PATH characters, these do not.
std::wstring LongPathW(const std::string& path) {
    return L"\\\\?\\" + std::wstring(path.begin(), path.end());
}

// Directories nested below base until the path is kLength characters long;
// removed again, deepest first, with the
// files written in them.
class LongDirectory {
public:
    explicit LongDirectory(const std::string& base) : path_(base) {
        while (path_.size() < kLength) {
            const std::size_t room = kLength - path_.size() - 1;
            path_.append("\\").append(std::min<std::size_t>(room, 60), 'd');
            if (!CreateDirectoryW(LongPathW(path_).c_str(), nullptr)) {
                ThrowLastError("CreateDirectoryW " + path_);
            }
            created_.push_back(path_);
        }
    }
    ~LongDirectory() {
        for (const std::string& file : files_) {
            DeleteFileW(LongPathW(file).c_str());
        }
        for (auto directory = created_.rbegin(); directory != created_.rend(); ++directory) {
            RemoveDirectoryW(LongPathW(*directory).c_str());
        }
    }
    LongDirectory(const LongDirectory&) = delete;
    LongDirectory& operator=(const LongDirectory&) = delete;

    const std::string& Path() const { return path_; }

    // Writes Path() + "\" + name; returns that path. It goes with the directories.
    std::string WriteFile(const std::string& name, std::string_view bytes) {
        const std::string& path = files_.emplace_back(path_ + "\\" + name);
        const ScopedHandle file = OwnFileHandle(CreateFileW(LongPathW(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (!file || !::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
            ThrowLastError("writing " + path);
        }
        return path;
    }

    bool Holds(const std::string& path) const {
        return GetFileAttributesW(LongPathW(path).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

private:
    std::string path_;
    std::vector<std::string> created_;
    std::vector<std::string> files_;
};

using LongDirectoryTest = QuilletTest;

TEST_F(LongDirectoryTest, StartsThereOpensTestEmlThroughTheShellAndEndsInOrder) {
    const TempDirectory base{"long"};
    LongDirectory directory{base.Path()};
    ASSERT_EQ(directory.Path().size(), kLength);
    ASSERT_GT(kLength, kLongerThan);
    const std::string test_eml = directory.WriteFile("test.eml", "Subject: sample\r\nX-Unsent: 1\r\n\r\nbody\r\n");
    const TempDirectory log_directory{"long-log"};
    const RecorderAssociation association{".eml"};
    const RecorderLog log{log_directory.PathOf("recorder.log")};

    QuilletProcess& quillet = StartQuillet({directory.Path(), {log.Variable()}});
    const HWND main = quillet.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ClickControl(main, kTestEml);
    // Presses are handled one at a time: once the box of a later check shows,
    // the Test EML press is over, and any window of its own would show too.
    const MessageBoxView box = PressAndReadBox(quillet.Pid(), main, kCheckRegistry);
    EXPECT_EQ(box.title, "REG_NONE");
    EXPECT_EQ(VisibleTopLevelWindows(quillet.Pid()).size(), 2u);
    CloseWithOk(box);
    EXPECT_EQ(VisibleTopLevelWindows(quillet.Pid()), std::vector<HWND>{main});

    PostClose(main);
    EXPECT_EQ(quillet.WaitForExit(), std::optional<DWORD>(0));
    ASSERT_TRUE(WaitUntilRecordersFinished());
    const std::vector<RecorderLaunch> launches = log.Launches();
    // Whether the shell opens a file whose full path is longer than MAX_PATH
    // is the shell's affair (Wine 8's opens nothing, silently); one request
    // at most, and never another file.
    EXPECT_LE(launches.size(), 1u);
    for (const RecorderLaunch& launch : launches) {
        EXPECT_TRUE(EqualsIgnoringCase(FullPathOfArgument(launch, 1), test_eml)) << launch.command_line;
    }
    EXPECT_TRUE(directory.Holds(test_eml)) << "the file is only opened";
}

}  // namespace
}  // namespace quillet::e2e
