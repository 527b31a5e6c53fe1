#pragma once

#include <QDataStream>
#include <QStringList>
#include <QTemporaryFile>

#include <functional>

namespace PosLib {

// Rows of texts kept in a temporary file as they come, and handed on again
// from there, as often as asked: a year of a report's rows (a workbook of
// every pay) passes through without being held in memory.
class TRowsSpool
{
public:
    TRowsSpool();

    // False when no temporary file could be made: add() keeps nothing then.
    bool isOpen() const { return m_file.isOpen(); }
    void add(const QStringList &row);
    // Whether every row added was written.
    bool ok() const { return m_ok; }
    // Hands every row to `take`, in the order added; false when they
    // cannot be read back (or were not all written).
    bool replay(const std::function<void(const QStringList &row)> &take);
    // The temporary file's name and its error, for a message.
    QString fileName() const { return m_file.fileName(); }
    QString errorString() const { return m_file.errorString(); }

private:
    QTemporaryFile m_file;
    QDataStream m_out;
    bool m_ok = true;
};

} // namespace PosLib
