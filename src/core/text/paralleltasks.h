#pragma once

#include <functional>

namespace paralleltasks {

// Runs both tasks, the second on a thread of its own where one can be started (else after the
// first), and returns when both are done. For big pieces of work that touch disjoint data.
void runBoth(const std::function<void()>& first, const std::function<void()>& second);

}  // namespace paralleltasks
