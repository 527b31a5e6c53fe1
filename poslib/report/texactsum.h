#pragma once

#include <QList>
#include <QVarLengthArray>

namespace PosLib {

// A sum of doubles kept exactly: its value is the exact sum rounded once,
// so it does not depend on the order the numbers came in (entry by entry,
// or day by day). Whole counts and cents add exactly in a double anyway
// and cost one addition; only a sum that a double cannot hold (a net
// amount of 840.3361…) keeps the parts its double lost.
class TExactSum
{
public:
    TExactSum() = default;
    TExactSum(double value) { add(value); }

    void add(double value)
    {
        // two-sum: `lost` is what the double addition dropped
        const double sum = m_high + value;
        const double back = sum - m_high;
        const double lost = (m_high - (sum - back)) + (value - back);
        if (lost == 0 && m_parts.empty()) {
            m_high = sum;
            return;
        }
        addSlow(value);
    }
    TExactSum &operator+=(double value)
    {
        add(value);
        return *this;
    }
    // Adds another exact sum, exactly.
    void add(const TExactSum &other);

    // The exact sum rounded to the nearest double.
    double value() const { return m_parts.empty() ? m_high : roundedSum(); }
    operator double() const { return value(); }

    // The parts whose exact sum is the value (non-overlapping, smallest
    // first); what a day aggregate stores.
    QList<double> parts() const;
    // The same one by one: partCount() of them, part(0) the smallest.
    int partCount() const { return int(m_parts.size()) + 1; }
    double part(int i) const { return i < m_parts.size() ? m_parts[i] : m_high; }
    // A sum of exactly these parts.
    static TExactSum ofParts(const QList<double> &parts);

private:
    void addSlow(double value);
    double roundedSum() const;

    // the sum while every addition was exact, else the largest part
    double m_high = 0.0;
    // the smaller parts, once an addition was not exact (a few at most for
    // sums of money: kept in place)
    QVarLengthArray<double, 3> m_parts;
};

} // namespace PosLib
