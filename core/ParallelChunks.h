#pragma once

#include <functional>

// Splits the indexes [0, count) into consecutive chunks of at least
// `minimumChunk` indexes and runs `work(chunk, begin, end)` for each on
// threads of their own (the calling thread takes the first chunk). Returns
// the number of chunks once every chunk is done; chunk numbers count from 0
// in index order, so that the caller can join per-chunk results in order.
class ParallelChunks
{
public:
    static int chunkCount(int count, int minimumChunk);
    static void run(int count, int minimumChunk,
                    const std::function<void(int chunk, int begin, int end)> &work);
};
