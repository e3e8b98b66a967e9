// The settings store keeps a window's geometry in a real INI file of the
// test prefix: what SaveWindow writes, byte for byte, and what RestoreWindow
// does to the window.
#include "settings/ini_manager.h"

#include <gtest/gtest.h>

#include "ini_test_support.h"

namespace quillet {
namespace {

using test_support::CrLfLines;
using test_support::FakeWindow;
using test_support::kTestIniName;
using Calls = std::vector<std::string>;

class IniWindowTest : public test_support::ScratchIniTest {
protected:
    // A file with the "Main" section of a window left at 120, 80 and the
    // bookkeeping section, as a first run leaves it.
    const std::string first_run_file_ = CrLfLines({"[Main]", "Maximize=No", "Minimize=No", "XPos=120", "YPos=80",
                                                   "Width=68", "Height=71", "[__Dont_Touch_Me__]", "Sectors=0"});
    IniManager ini_;
};

TEST_F(IniWindowTest, FirstRunRestoresNothingAndCloseWritesTheNineLines) {
    ini_.OpenSettings(kTestIniName, 0, 0);
    EXPECT_FALSE(FileExists()) << "opening must not create the file";

    FakeWindow window;
    ini_.RestoreWindow("Main", window);
    EXPECT_EQ(window.calls, Calls{});
    EXPECT_FALSE(FileExists());

    window.x = 120;
    window.y = 80;
    ini_.SaveWindow("Main", window);
    ini_.CloseSettings();
    EXPECT_FALSE(ini_.IsOpen());
    EXPECT_EQ(FileBytes(), first_run_file_);
}

TEST_F(IniWindowTest, NextOpenPutsTheWindowBackInOrder) {
    GivenFile(first_run_file_);
    ini_.OpenSettings(kTestIniName, 0, 0);
    FakeWindow window;
    window.width = 50;
    window.height = 40;
    window.maximized = true;  // "Maximize=No" returns it to normal first
    ini_.RestoreWindow("Main", window);
    EXPECT_EQ(window.calls, (Calls{"SetMaximized(0)", "SetX(120)", "SetY(80)", "SetWidth(68)", "SetHeight(71)",
                                   "SetMinimized(0)"}));
    ini_.CloseSettings();
    EXPECT_EQ(FileBytes(), first_run_file_) << "restoring and closing changes nothing";
}

TEST_F(IniWindowTest, ClosedMaximizedThenNormalAgain) {
    GivenFile(first_run_file_);
    ini_.OpenSettings(kTestIniName, 0, 0);
    FakeWindow window;
    window.maximized = true;
    ini_.SaveWindow("Main", window);
    ini_.CloseSettings();
    EXPECT_EQ(FileBytes(), CrLfLines({"[Main]", "Maximize=Yes", "Minimize=No", "[__Dont_Touch_Me__]", "Sectors=0"}));

    // The next open maximizes and keeps the defined place and size.
    ini_.OpenSettings(kTestIniName, 0, 0);
    FakeWindow reopened;
    ini_.RestoreWindow("Main", reopened);
    EXPECT_EQ(reopened.calls, (Calls{"SetMaximized(1)", "SetMinimized(0)"}));
    EXPECT_EQ(reopened.x, 10);
    EXPECT_EQ(reopened.y, 20);

    // A normal close writes the four lines again, as new keys after "Minimize".
    reopened.maximized = false;
    reopened.x = 30;
    reopened.y = 40;
    ini_.SaveWindow("Main", reopened);
    ini_.CloseSettings();
    EXPECT_EQ(FileBytes(), CrLfLines({"[Main]", "Maximize=No", "Minimize=No", "XPos=30", "YPos=40", "Width=68",
                                      "Height=71", "[__Dont_Touch_Me__]", "Sectors=0"}));
}

TEST_F(IniWindowTest, ClosedMinimizedReopensNormalWhereDefined) {
    GivenFile(first_run_file_);
    ini_.OpenSettings(kTestIniName, 0, 0);
    FakeWindow window;
    window.minimized = true;
    window.x = -32000;  // what a minimized window reports
    ini_.SaveWindow("Main", window);
    ini_.CloseSettings();
    EXPECT_EQ(FileBytes(), CrLfLines({"[Main]", "Maximize=No", "Minimize=Yes", "[__Dont_Touch_Me__]", "Sectors=0"}));

    FakeWindow reopened;
    ini_.RestoreWindow("Main", reopened);
    EXPECT_EQ(reopened.calls, Calls{"SetMinimized(0)"});
}

TEST_F(IniWindowTest, StoredMinimizeNeverReopensMinimized) {
    for (const char* minimize : {"Minimize=Yes", "Minimize=1", "Minimize=No"}) {
        GivenFile(CrLfLines({"[Main]", "Maximize=No", minimize, "XPos=120", "YPos=80"}));
        ini_.OpenSettings(kTestIniName, 0, 0);
        FakeWindow window;
        ini_.RestoreWindow("Main", window);
        EXPECT_EQ(window.calls, (Calls{"SetX(120)", "SetY(80)", "SetMinimized(0)"})) << minimize;
        EXPECT_FALSE(window.minimized);
        ini_.CloseSettings();
    }
}

TEST_F(IniWindowTest, UnrecognisedMaximizeRestoresNothing) {
    for (const char* maximize : {"Maximize=yes", "Maximize=1", "Maximize=YES", "Maximize=", "Maximise=No", "XMax=0"}) {
        GivenFile(CrLfLines({"[Main]", maximize, "Minimize=No", "XPos=120", "YPos=80", "Width=90", "Height=90"}));
        ini_.OpenSettings(kTestIniName, 0, 0);
        FakeWindow window;
        window.maximized = true;
        ini_.RestoreWindow("Main", window);
        EXPECT_EQ(window.calls, Calls{}) << maximize;
        ini_.CloseSettings();
    }
}

TEST_F(IniWindowTest, PositionTextsConvertToTheirLeadingNumber) {
    struct Case {
        const char* line;
        std::int32_t x;
    };
    const Case cases[] = {{"XPos=left", 0}, {"XPos=-15", -15}, {"XPos=0042", 42}, {"XPos=7 units", 7}};
    for (const auto& c : cases) {
        GivenFile(CrLfLines({"[Main]", "Maximize=No", "Minimize=No", c.line, "YPos=80"}));
        ini_.OpenSettings(kTestIniName, 0, 0);
        FakeWindow window;
        window.x = 300;
        ini_.RestoreWindow("Main", window);
        EXPECT_EQ(window.x, c.x) << c.line;
        EXPECT_EQ(window.y, 80) << c.line;
        EXPECT_EQ(window.width, 68) << "a missing size stays as defined";
        ini_.CloseSettings();
    }
}

TEST_F(IniWindowTest, PlaceWhollyOffEveryMonitorIsNotApplied) {
    struct Case {
        const char* x_line;
        const char* y_line;
    };
    const Case cases[] = {{"XPos=5000", "YPos=80"}, {"XPos=-5000", "YPos=80"}, {"XPos=120", "YPos=2147483647"},
                          {"XPos=-68", "YPos=80"}};
    for (const auto& c : cases) {
        GivenFile(CrLfLines({"[Main]", "Maximize=No", "Minimize=No", c.x_line, c.y_line, "Width=90", "Height=95"}));
        ini_.OpenSettings(kTestIniName, 0, 0);
        FakeWindow window;
        ini_.RestoreWindow("Main", window);
        EXPECT_EQ(window.calls, (Calls{"SetWidth(90)", "SetHeight(95)", "SetMinimized(0)"})) << c.x_line << c.y_line;
        ini_.CloseSettings();
    }
}

TEST_F(IniWindowTest, FixedBorderKeepsItsDefinedSize) {
    for (const FrameKind frame : {FrameKind::Single, FrameKind::Double}) {
        DeleteFileA(path_.c_str());
        ini_.OpenSettings(kTestIniName, 0, 0);
        FakeWindow window;
        window.frame = frame;
        window.x = 120;
        window.y = 80;
        ini_.SaveWindow("Main", window);
        ini_.CloseSettings();
        EXPECT_EQ(FileBytes(), CrLfLines({"[Main]", "Maximize=No", "Minimize=No", "XPos=120", "YPos=80",
                                          "[__Dont_Touch_Me__]", "Sectors=0"}));

        GivenFile(first_run_file_);
        ini_.OpenSettings(kTestIniName, 0, 0);
        FakeWindow reopened;
        reopened.frame = frame;
        ini_.RestoreWindow("Main", reopened);
        EXPECT_EQ(reopened.calls, (Calls{"SetX(120)", "SetY(80)", "SetMinimized(0)"}));
        ini_.CloseSettings();
    }
}

TEST_F(IniWindowTest, OtherSectionsAndUnknownKeysSurvive) {
    GivenFile(CrLfLines({"; written by hand", "[Other]", "Keep=this", "[Main]", "Maximize=No", "Colour=blue",
                         "Minimize=No", "XPos=1", "YPos=2", "Width=3", "Height=4", "[__Dont_Touch_Me__]",
                         "Sectors=0", "Note=mine", "[Last]", "Key=value"}));
    ini_.OpenSettings(kTestIniName, 0, 0);
    FakeWindow window;
    ini_.RestoreWindow("Main", window);
    window.x = 120;
    window.y = 80;
    ini_.SaveWindow("Main", window);
    ini_.CloseSettings();
    EXPECT_EQ(FileBytes(), CrLfLines({"; written by hand", "[Other]", "Keep=this", "[Main]", "Maximize=No",
                                      "Colour=blue", "Minimize=No", "XPos=120", "YPos=80", "Width=3", "Height=4",
                                      "[__Dont_Touch_Me__]", "Sectors=0", "Note=mine", "[Last]", "Key=value"}));
}

TEST_F(IniWindowTest, EachProcedureHasItsOwnSection) {
    ini_.OpenSettings(kTestIniName, 0, 0);
    FakeWindow main_window;
    ini_.SaveWindow("Main", main_window);
    FakeWindow other;
    other.x = 300;
    ini_.SaveWindow("Other", other);

    FakeWindow reopened;
    ini_.RestoreWindow("Main", reopened);
    EXPECT_EQ(reopened.calls, (Calls{"SetX(10)", "SetY(20)", "SetWidth(68)", "SetHeight(71)", "SetMinimized(0)"}));
    ini_.CloseSettings();
}

}  // namespace
}  // namespace quillet
