#pragma once

// Running independent pieces of work on the machine's cores: a dial's lines are traced each on
// its own, and the designer redraws them at every keystroke.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <future>
#include <system_error>
#include <thread>
#include <vector>

namespace gnomonics {

// How many threads, the caller's included, RunJobs uses at most.
inline constexpr unsigned kMaxJobThreads = 4;

// Runs job(0), job(1), ..., job(count - 1), each once, on the calling thread and, when
// `split` is true, on as many more threads as the machine has further cores (up to
// kMaxJobThreads in all); every thread takes the next job not yet taken. Returns when all are
// done; an exception thrown by a job reaches the caller once every thread has stopped. The jobs
// must be independent of one another and each write only its own results: then what they
// leave does not depend on which thread ran which, nor in what order.
template <typename Job>
void RunJobs(std::size_t count, bool split, const Job &job)
{
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < count; i = next++)
            job(i);
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t helpers = split && count > 1 ? std::min<std::size_t>(std::min(cores, kMaxJobThreads) - 1, count - 1) : 0;
    std::vector<std::future<void>> others;
    others.reserve(helpers);
    try {
        for (std::size_t k = 0; k < helpers; ++k)
            others.push_back(std::async(std::launch::async, work));
    } catch (const std::system_error &) {
        // No thread to be had: the caller does it all.
    }
    work();
    for (std::future<void> &other : others)
        other.get();
}

} // namespace gnomonics
