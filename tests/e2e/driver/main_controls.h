// The control numbers of the main window's four buttons.
#pragma once

namespace quillet::e2e {

inline constexpr int kCheckRegistry = 1;
inline constexpr int kTurnOn = 2;
inline constexpr int kTurnOff = 3;
inline constexpr int kTestEml = 4;

}  // namespace quillet::e2e
