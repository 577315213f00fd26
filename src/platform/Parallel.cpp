#include "Parallel.h"

#include <sched.h>

namespace zorsteel {

unsigned CoreCount()
{
    cpu_set_t cores;
    if (sched_getaffinity(0, sizeof cores, &cores) == 0 && CPU_COUNT(&cores) > 0)
        return static_cast<unsigned>(CPU_COUNT(&cores));
    return std::max(1u, std::thread::hardware_concurrency());
}

} // namespace zorsteel
