// Level codes: what each step of a window's run returns.
// 0 carries on; any other value belongs to the framework and is passed on.
#pragma once

namespace quillet {

using LevelCode = int;
inline constexpr LevelCode kCarryOn = 0;
// The framework's own close step, when the object has already been closed.
inline constexpr LevelCode kAlreadyClosed = 1;
// The run result when the procedure leaves no response of its own.
inline constexpr int kNoResponseResult = 2;

}  // namespace quillet
