#include "text/paralleltasks.h"

#include <exception>
#include <system_error>
#include <thread>

namespace paralleltasks {

void runBoth(const std::function<void()>& first, const std::function<void()>& second) {
    std::exception_ptr failure;
    std::thread other;
    try {
        other = std::thread([&second, &failure] {
            try {
                second();
            } catch (...) {
                failure = std::current_exception();
            }
        });
    } catch (const std::system_error&) {
        first();  // no thread to be had: one after the other
        second();
        return;
    }
    // The thread is waited for however the first task ends; a failure of the second is
    // rethrown here, as if both had run on this thread.
    try {
        first();
    } catch (...) {
        other.join();
        throw;
    }
    other.join();
    if (failure) {
        std::rethrow_exception(failure);
    }
}

}  // namespace paralleltasks
