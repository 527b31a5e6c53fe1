#include "tsummarylines.h"

#include <algorithm>

namespace PosLib {

TSummaryLines::TSummaryLines(const Sink *sink)
    : m_sink(sink && *sink ? sink : nullptr)
{ }

void TSummaryLines::put(const QString &line)
{
    if (m_sink)
        (*m_sink)(line);
    else
        m_lines.append(line);
    ++m_count;
    m_lastSize = line.size();
}

void TSummaryLines::hold(const QStringList &lines)
{
    m_marks.push_back(m_held.size());
    m_held += lines;
}

void TSummaryLines::drop()
{
    if (m_marks.empty())
        return;
    const qsizetype mark = m_marks.back();
    m_marks.pop_back();
    if (m_held.size() > mark)
        m_held.resize(mark);
}

void TSummaryLines::add(const QString &line)
{
    if (!m_held.isEmpty()) {
        const QStringList held = std::move(m_held);
        m_held.clear();
        // what was held is written: no hold has lines left to forget
        std::fill(m_marks.begin(), m_marks.end(), 0);
        for (const QString &h : held)
            put(h);
    }
    put(line);
}

void TSummaryLines::add(const QStringList &lines)
{
    for (const QString &line : lines)
        add(line);
}

QStringList TSummaryLines::take()
{
    QStringList lines = std::move(m_lines);
    m_lines.clear();
    return lines;
}

} // namespace PosLib
