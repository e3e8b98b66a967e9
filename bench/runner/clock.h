// Milliseconds from the performance counter, and polling with a deadline.
#pragma once

#include <functional>

namespace quillet::bench {

double NowMs();

// Calls `done` about every millisecond until it is true (returns true) or
// `timeout_ms` have passed (returns false).
bool PollUntil(const std::function<bool()>& done, double timeout_ms);

}  // namespace quillet::bench
