#pragma once
// What every benchmark prints: for one path, the project's figure and the bare
// figure from the same run, their ratio and the load average when measured.
// The two sides run interleaved (project, bare, project, bare...) so that a
// change of load on the machine falls on both alike.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The one-minute load average of /proc/loadavg.
inline double LoadAverage() {
    std::ifstream in("/proc/loadavg");
    double one = 0;
    in >> one;
    return one;
}

inline double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Pair {
    double project = 0, bare = 0, load = 0;
};

// Times each side once per round, alternating, and keeps the median of each.
// A side returns its own figure (milliseconds, or whatever the path counts).
inline Pair Interleave(int rounds, const std::function<double()>& project, const std::function<double()>& bare) {
    std::vector<double> p, b;
    double load = 0;
    for (int r = 0; r < rounds; ++r) {
        load += LoadAverage();
        p.push_back(project());
        b.push_back(bare());
    }
    return {Median(p), Median(b), load / rounds};
}

// Times a callable in milliseconds.
template <class F>
double Time(F&& f) {
    const auto t0 = Clock::now();
    f();
    return Ms(Clock::now() - t0);
}

inline void Header() {
    std::printf("%-58s %12s %12s %7s %6s\n", "path", "project", "bare", "ratio", "load");
}

// unit: "ms", "us", "/s"... For a throughput the ratio is still project / bare.
inline void Row(const std::string& path, const Pair& p, const char* unit) {
    std::printf("%-58s %9.3f %-2s %9.3f %-2s %7.2f %6.1f\n", path.c_str(), p.project, unit, p.bare, unit,
                p.bare != 0 ? p.project / p.bare : 0.0, p.load);
    std::fflush(stdout);
}

// A figure without a bare side.
inline void Row(const std::string& path, double figure, const char* unit) {
    std::printf("%-58s %9.3f %-2s %12s %7s %6.1f\n", path.c_str(), figure, unit, "-", "-", LoadAverage());
    std::fflush(stdout);
}

} // namespace bench
