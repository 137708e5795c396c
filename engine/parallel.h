#pragma once

#include <cstdint>
#include <functional>

namespace lumaskin {

// Runs `work(begin, end)` over [0, count) split into contiguous bands, one band per worker
// thread, and returns when every band is done. Bands never overlap, so `work` may write its own
// rows without locking. The number of workers is the machine's core count, limited by the
// innermost `ParallelismLimit` of the calling thread; small counts run on the calling thread.
void ParallelFor(int count, const std::function<void(int begin, int end)> &work);

// While alive, ParallelFor on this thread uses `threads` workers. A batch that runs one file
// per core sets 1 here so that the effects inside each file do not compete with it. A count
// above the machine's cores is honoured as well: the bands then take turns on the cores, which
// checks a result against the one-worker result with more seams than the machine has cores.
class ParallelismLimit
{
public:
    explicit ParallelismLimit(int threads);
    ~ParallelismLimit();
    ParallelismLimit(const ParallelismLimit &) = delete;
    ParallelismLimit &operator=(const ParallelismLimit &) = delete;

private:
    int m_previous;
};

// The number of workers ParallelFor would use on this thread.
int CurrentParallelism();

// How many tasks of `bytesPerTask` each the machine can run at once: no more than its cores,
// and no more than the memory it has available (as /proc/meminfo tells) allows. At least 1.
int MachineTaskLimit(std::int64_t bytesPerTask);

// How many independent pieces a writer splits `bytes` of pixel data into: a function of the
// picture alone, never of the cores at hand, so that a file's bytes are the same whether it is
// written alone or beside others. At most `maxPieces`, and always at least one.
int OutputStripeCount(std::int64_t bytes, int maxPieces);

} // namespace lumaskin
