#include "texactsum.h"

#include <cmath>

namespace PosLib {

// The parts are kept the way Shewchuk's "grow expansion" keeps them (and
// Python's math.fsum): non-overlapping, by increasing magnitude; m_high is
// the last, largest one.
void TExactSum::addSlow(double value)
{
    // in place: the parts, then m_high as the last one
    qsizetype kept = 0;
    double x = value;
    const qsizetype count = m_parts.size();
    for (qsizetype i = 0; i <= count; ++i) {
        double y = i < count ? m_parts[i] : m_high;
        if (std::fabs(x) < std::fabs(y))
            std::swap(x, y);
        const double high = x + y;
        const double low = y - (high - x);
        if (low != 0) {
            if (kept < count)
                m_parts[kept] = low;
            else
                m_parts.push_back(low);
            ++kept;
        }
        x = high;
    }
    // resize() reallocates even when the size stays: most additions keep
    // as many parts as there were
    while (m_parts.size() > kept)
        m_parts.removeLast();
    m_high = x;
}

void TExactSum::add(const TExactSum &other)
{
    for (double part : other.m_parts)
        add(part);
    add(other.m_high);
}

double TExactSum::roundedSum() const
{
    // from the largest part down; a last half-way step is rounded by the
    // parts below it (what fsum does)
    double high = m_high;
    double low = 0.0;
    qsizetype i = m_parts.size();
    while (i > 0) {
        const double x = high;
        const double y = m_parts[--i];
        high = x + y;
        const double back = high - x;
        low = y - back;
        if (low != 0)
            break;
    }
    if (i > 0 && ((low < 0 && m_parts[i - 1] < 0) || (low > 0 && m_parts[i - 1] > 0))) {
        const double y = low * 2;
        const double x = high + y;
        if (y == x - high)
            high = x;
    }
    return high;
}

QList<double> TExactSum::parts() const
{
    QList<double> all(m_parts.cbegin(), m_parts.cend());
    all.append(m_high);
    return all;
}

TExactSum TExactSum::ofParts(const QList<double> &parts)
{
    TExactSum sum;
    for (double part : parts)
        sum.add(part);
    return sum;
}

} // namespace PosLib
