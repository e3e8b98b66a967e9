// The buttons are flat: a button shows its edge only while the mouse pointer
// is over it. Read back from the screen's pixels, as a user sees it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "driver/button_edge.h"
#include "driver/deadline.h"
#include "driver/foreground.h"
#include "driver/mouse.h"
#include "driver/quillet_test.h"
#include "driver/window_query.h"

namespace quillet::e2e {
namespace {

struct Button {
    int id;
    const char* text;
};

constexpr Button kButtons[] = {{1, "Check Registry"}, {2, "Turn ON"}, {3, "Turn OFF"}, {4, "Test EML"}};

class FlatButtonTest : public QuilletTest {
protected:
    void SetUp() override {
        QuilletTest::SetUp();
        main_ = StartQuilletAndWaitForWindow();
        for (const Button& button : kButtons) {
            looks_.push_back(std::make_unique<ButtonOnScreen>(ChildById(main_, button.id)));
        }
        const RECT client = ClientRectOnScreen(main_);
        background_ = POINT{client.left + 1, client.top + 1};
        ASSERT_EQ(WindowFromPoint(background_), main_) << "no button may cover the window's corner";
    }

    // Polls until the button of `hot_id` (none if 0) shows its raised edge
    // and every other one is flat.
    bool WaitUntilOnlyRaised(int hot_id) const {
        return PollUntil(
            [&] {
                for (std::size_t i = 0; i < std::size(kButtons); ++i) {
                    const ButtonEdge expected = kButtons[i].id == hot_id ? ButtonEdge::kRaised : ButtonEdge::kFlat;
                    if (looks_[i]->Read() != expected) {
                        return false;
                    }
                }
                return true;
            },
            kActionTimeout);
    }

    std::string Shown() const {
        std::string shown;
        for (std::size_t i = 0; i < std::size(kButtons); ++i) {
            shown += std::string(kButtons[i].text) + ": " + Name(looks_[i]->Read()) + "; ";
        }
        return shown;
    }

    HWND main_ = nullptr;
    std::vector<std::unique_ptr<ButtonOnScreen>> looks_;
    POINT background_{};
};

// From the window's background onto each button in turn (the buttons touch,
// so the pointer passes straight from one to the next), then off the window.
TEST_F(FlatButtonTest, OnlyTheButtonUnderThePointerShowsItsEdge) {
    BringToForeground(main_);
    MovePointer(background_);
    EXPECT_TRUE(WaitUntilOnlyRaised(0)) << Shown();
    for (const Button& button : kButtons) {
        SCOPED_TRACE(button.text);
        MovePointer(CentreOnScreen(ChildById(main_, button.id)));
        EXPECT_TRUE(WaitUntilOnlyRaised(button.id)) << Shown();
    }
    const RECT outer = WindowRectOnScreen(main_);
    MovePointer(POINT{outer.right + 20, outer.bottom + 20});  // the desktop
    EXPECT_TRUE(WaitUntilOnlyRaised(0)) << "off the window: " << Shown();
    MovePointer(CentreOnScreen(ChildById(main_, kButtons[0].id)));
    EXPECT_TRUE(WaitUntilOnlyRaised(kButtons[0].id)) << Shown();
    MovePointer(background_);
    EXPECT_TRUE(WaitUntilOnlyRaised(0)) << "back on the background: " << Shown();
}

}  // namespace
}  // namespace quillet::e2e
