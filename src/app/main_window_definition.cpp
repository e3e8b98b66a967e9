#include "app/main_window_definition.h"

#include <array>

#include "app/accepted_control.h"

namespace quillet {
namespace {

// Flat, no tab stops. Neighbouring rows overlap by 2 units.
constexpr std::array<ControlDefinition, 4> kButtons{{
    {kCheckRegistryControl, "?BUTTON1", "Check Registry", 14, 1, 45, 24, true, false},
    {kTurnOnControl, "?BUTTON2", "Turn ON", 2, 23, 27, 24, true, false},
    {kTurnOffControl, "?BUTTON3", "Turn OFF", 39, 23, 27, 24, true, false},
    {kTestEmlControl, "?INTERNETLINK", "Test EML", 21, 45, 31, 24, true, false},
}};

constexpr std::uint8_t kCyrillicCharset = 204;

constexpr WindowDefinition kMainWindow{
    "MENUWINDOW",
    "Quillet Switch",
    0,
    0,
    68,
    71,
    FrameKind::None,
    true,   // system menu and close button
    false,  // no minimize button
    false,  // no maximize button
    {"Lucida Console", 10, 400, false, false, false, kCyrillicCharset, true},
    {0, 255, 255},  // aqua text
    {0, 0, 255},    // on blue
    "Sch-ord.ico",
    kButtons,
};

}  // namespace

const WindowDefinition& MainWindowDefinition() { return kMainWindow; }

}  // namespace quillet
