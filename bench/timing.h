#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

namespace vantelo::bench {

inline double median(std::vector<double> samples)
{
    if (samples.empty())
        return -1;
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// The median wall time in milliseconds of runs calls of step(run).
template<typename Step>
double medianMsOf(int runs, Step step)
{
    std::vector<double> samples;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        step(i);
        samples.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(samples);
}

} // namespace vantelo::bench
