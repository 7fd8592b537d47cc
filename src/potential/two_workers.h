#pragma once

#include <cstddef>
#include <system_error>
#include <thread>

namespace vintrel {

/// Below this many items the work stays on the calling thread.
inline constexpr std::size_t kTwoWorkerMinimum = 32768;

/// Runs work(begin, end) over [0, count) in two parts, the second on a thread of its own and
/// the first on the calling thread; the split falls on a multiple of `grain`. Small counts, and
/// a thread that cannot be started, run on the calling thread alone. `work` must not throw.
template <class Work>
void onTwoWorkers(std::size_t count, std::size_t grain, Work&& work) {
    if (count < kTwoWorkerMinimum || grain == 0) {
        work(std::size_t{0}, count);
        return;
    }
    std::size_t middle = (count / 2 + grain - 1) / grain * grain;
    if (middle > count)
        middle = count;
    std::thread second;
    try {
        second = std::thread([&work, middle, count] { work(middle, count); });
    } catch (const std::system_error&) {
        work(std::size_t{0}, count);
        return;
    }
    work(std::size_t{0}, middle);
    second.join();
}

} // namespace vintrel
