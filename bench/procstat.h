#pragma once
// What /proc tells about a running process: memory, CPU time and wake-ups,
// summed over its threads.
#include <sys/types.h>

namespace bench {

struct ThreadTotals {
    double cpuMs = 0;      // time on a CPU (schedstat, nanosecond resolution)
    long long wakeups = 0; // voluntary and involuntary context switches
    int threads = 0;
};

double rssMb(pid_t pid);     // VmRSS
double peakRssMb(pid_t pid); // VmHWM
ThreadTotals threadTotals(pid_t pid);

} // namespace bench
