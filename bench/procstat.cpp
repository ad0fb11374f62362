#include "procstat.h"

#include <dirent.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace bench {

namespace {
// A number field ("VmRSS:", "voluntary_ctxt_switches:") of a status file.
double statusField(const std::string& path, const char* key)
{
    FILE* f = std::fopen(path.c_str(), "r");
    if (!f)
        return -1;
    char line[256];
    double v = -1;
    const size_t n = std::strlen(key);
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, key, n) == 0 && line[n] == ':')
            v = std::atof(line + n + 1);
    std::fclose(f);
    return v;
}

std::string statusOf(pid_t pid) { return "/proc/" + std::to_string(pid) + "/status"; }
} // namespace

double rssMb(pid_t pid) { return statusField(statusOf(pid), "VmRSS") / 1024.0; }
double peakRssMb(pid_t pid) { return statusField(statusOf(pid), "VmHWM") / 1024.0; }

ThreadTotals threadTotals(pid_t pid)
{
    ThreadTotals t;
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    DIR* d = opendir(dir.c_str());
    if (!d)
        return t;
    while (dirent* e = readdir(d)) {
        if (e->d_name[0] == '.')
            continue;
        const std::string task = dir + "/" + e->d_name;
        if (FILE* f = std::fopen((task + "/schedstat").c_str(), "r")) {
            unsigned long long ns = 0;
            if (std::fscanf(f, "%llu", &ns) == 1)
                t.cpuMs += double(ns) / 1e6;
            std::fclose(f);
        }
        t.wakeups += (long long)(statusField(task + "/status", "voluntary_ctxt_switches")
                                 + statusField(task + "/status", "nonvoluntary_ctxt_switches"));
        ++t.threads;
    }
    closedir(d);
    return t;
}

} // namespace bench
