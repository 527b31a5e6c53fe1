#pragma once

#include <QByteArray>

class QTemporaryFile;

namespace PosLib {

// A part [begin, end) of a temporary spool file read from front to back, a
// block at a time (pread, so several readers share the file): what the
// spools of table rows and of leaves read their runs with.
class TSpoolReader
{
public:
    TSpoolReader(const QTemporaryFile *file, qint64 begin, qint64 end);

    bool atEnd() const { return m_pos - m_buffer.size() + m_at >= m_end; }
    // `size` bytes into `to`; a part that ends before them throws the
    // TFileError of a damaged file, naming it.
    void read(void *to, qint64 size);
    [[noreturn]] void fail(int error) const;

private:
    void fill();

    const QTemporaryFile *m_file;
    qint64 m_pos; // of the file, after the buffer
    qint64 m_end;
    QByteArray m_buffer;
    int m_at = 0;
};

} // namespace PosLib
