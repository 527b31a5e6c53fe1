#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace PosLib {

// Where the lines of a summary go while they are made: into a list, or one
// by one to a sink (a year's table report has hundreds of thousands of
// lines, which need not be held). Lines can be held back until a line
// follows them: the title of a group over a body that may turn out empty.
class TSummaryLines
{
public:
    using Sink = std::function<void(const QString &line)>;

    // Collects the lines; with a sink (not owned, may be null) hands them
    // on instead.
    explicit TSummaryLines(const Sink *sink = nullptr);

    void add(const QString &line);
    void add(const QStringList &lines);
    // Lines written before the next line added, if one is. Holds nest: a
    // section's title held over a group's title held.
    void hold(const QStringList &lines);
    // Forgets the lines of the last hold() when no line followed them.
    void drop();

    // The lines written so far (held ones not), and the length of the last
    // of them.
    qint64 count() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    qsizetype lastSize() const { return m_lastSize; }
    // The lines collected (none with a sink).
    QStringList take();

private:
    void put(const QString &line);

    const Sink *m_sink;
    QStringList m_lines;
    QStringList m_held;
    std::vector<qsizetype> m_marks; // where each hold's lines begin in m_held
    qint64 m_count = 0;
    qsizetype m_lastSize = 0;
};

} // namespace PosLib
