#include "ParallelChunks.h"

#include <QThread>

#include <algorithm>
#include <thread>
#include <vector>

namespace {

// Enough to use the cores of a workstation, few enough that a chunk stays
// large against the cost of a thread.
constexpr int kMaxChunks = 8;

} // namespace

int ParallelChunks::chunkCount(int count, int minimumChunk)
{
    if (count <= 0)
        return 0;
    // Asked once: the count is read from the system each time.
    static const int cores = QThread::idealThreadCount();
    const int byCores = std::min(kMaxChunks, std::max(1, cores));
    const int bySize = std::max(1, count / std::max(1, minimumChunk));
    return std::min(byCores, bySize);
}

void ParallelChunks::run(int count, int minimumChunk,
                         const std::function<void(int chunk, int begin, int end)> &work)
{
    const int chunks = chunkCount(count, minimumChunk);
    if (chunks == 0)
        return;
    const auto begin = [count, chunks](int chunk) {
        return static_cast<int>(static_cast<qint64>(count) * chunk / chunks);
    };
    std::vector<std::thread> helpers;
    helpers.reserve(chunks - 1);
    for (int chunk = 1; chunk < chunks; ++chunk)
        helpers.emplace_back(work, chunk, begin(chunk), begin(chunk + 1));
    work(0, 0, begin(1));
    for (std::thread &helper : helpers)
        helper.join();
}
