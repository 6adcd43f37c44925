#pragma once

#include <QList>

#include <cmath>

// The root mean square of a stretch of sound; -1 when nothing was there.
inline double rms(const QList<float>& samples)
{
    double sum = 0;
    for (float s : samples)
        sum += static_cast<double>(s) * s;
    return samples.isEmpty() ? -1 : std::sqrt(sum / static_cast<double>(samples.size()));
}
