// Work spread over the cores, with its results taken in input order: the
// hosts' batches of members (RunMembers, the zorsteel command).
#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>
#include <vector>

namespace zorsteel {

// The cores this process may run on (its affinity), at least 1.
unsigned CoreCount();

// Computes compute(i) for every i in [0, count) on threads threads (0: one
// per core), the caller's among them, and hands the results to take on the
// caller's thread in order of i, each block as soon as those before it are
// taken. What compute returns must not depend on the thread that runs it:
// the results and their order are then those of one thread. Items go to the
// threads in blocks of blockSize; the caller computes blocks too while the
// next one to take is not done, and a block's results are let go once taken.
// compute must not throw; take may, and the other threads then finish the
// blocks they have begun before it leaves. A thread that cannot be started
// leaves its share to the others.
template <class Result, class Compute, class Take>
void ComputeInOrder(std::size_t count, unsigned threads, std::size_t blockSize, Compute compute, Take take)
{
    const std::size_t blocks = (count + blockSize - 1) / blockSize;
    std::vector<std::vector<Result>> results(blocks);
    std::vector<char> done(blocks, 0);
    std::size_t next = 0;  // the first block no thread has taken yet
    std::mutex lock;       // guards results, done and next
    std::condition_variable finished;
    // Computes the next block nobody has taken; false when none is left.
    auto work = [&] {
        std::size_t block;
        {
            const std::lock_guard guard(lock);
            if (next == blocks) return false;
            block = next++;
        }
        std::vector<Result> computed;
        const std::size_t end = std::min(count, (block + 1) * blockSize);
        computed.reserve(end - block * blockSize);
        for (std::size_t i = block * blockSize; i < end; ++i) computed.push_back(compute(i));
        {
            const std::lock_guard guard(lock);
            results[block] = std::move(computed);
            done[block] = 1;
        }
        finished.notify_all();
        return true;
    };
    if (threads == 0) threads = CoreCount();
    std::vector<std::jthread> helpers;
    try {
        helpers.reserve(threads);
        for (unsigned t = 1; t < threads && t < blocks; ++t)
            helpers.emplace_back([&] {
                while (work()) {
                }
            });
    } catch (...) {
        // No thread, or no room for one: those that started do the work.
    }
    try {
        for (std::size_t block = 0; block < blocks; ++block) {
            std::unique_lock guard(lock);
            while (!done[block]) {
                guard.unlock();
                const bool worked = work();
                guard.lock();
                if (!worked) finished.wait(guard, [&] { return done[block] != 0; });
            }
            std::vector<Result> taken = std::move(results[block]);
            guard.unlock();
            for (Result& result : taken) take(std::move(result));
        }
    } catch (...) {
        // No block is begun after this; those begun are finished first.
        const std::lock_guard guard(lock);
        next = blocks;
        throw;
    }
}

} // namespace zorsteel
