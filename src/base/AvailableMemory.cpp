#include "base/AvailableMemory.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <string>

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

constexpr double kUnknown = std::numeric_limits<double>::infinity();

#if defined(__linux__)

// The number after "key" in a file of "key value" lines, scaled; unknown when absent.
double FieldOf(const char* path, const std::string& key, double unit)
{
    std::ifstream in(path);
    std::string name;
    double value = 0;
    while (in >> name >> value) {
        if (name == key)
            return value * unit;
        in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    return kUnknown;
}

// The first number of a file; fallback when it holds none (as "max" does).
double NumberIn(const char* path, double fallback)
{
    std::ifstream in(path);
    double value = 0;
    return in >> value ? value : fallback;
}

double SystemAvailable()
{
    return FieldOf("/proc/meminfo", "MemAvailable:", 1024.0);
}

double ControlGroupRoom()
{
    const double limit = NumberIn("/sys/fs/cgroup/memory.max", kUnknown);
    return std::max(limit - NumberIn("/sys/fs/cgroup/memory.current", 0.0), 0.0);
}

double AddressSpaceRoom()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return kUnknown;
    const double used = NumberIn("/proc/self/statm", 0.0) * static_cast<double>(sysconf(_SC_PAGESIZE));
    return std::max(static_cast<double>(limit.rlim_cur) - used, 0.0);
}

#endif

}  // namespace

double AvailableMemory::Bytes()
{
#if defined(__linux__)
    return std::min({SystemAvailable(), ControlGroupRoom(), AddressSpaceRoom()});
#else
    return kUnknown;
#endif
}
