#pragma once

#include "toutput.h"

#include <QBuffer>
#include <QByteArray>
#include <QTemporaryFile>

// Prints that the report's data could not be written to the temporary file
// `file` (`why`); false.
bool spoolFailed(const QString &file, const QString &why);

// Bytes on their way to the output, written piece by piece: gathered into
// blocks and written into a temporary file (in memory when none can be
// made), then put into the output whole at the end, so that a large result
// needs no more memory than a block and a failed or stopped run writes
// nothing.
class TByteSpool
{
public:
    TByteSpool();
    TByteSpool(const TByteSpool &) = delete;
    TByteSpool &operator=(const TByteSpool &) = delete;

    // Whether the bytes go to a temporary file.
    bool isFile() const { return m_device == &m_file; }
    void write(const QByteArray &bytes);
    // Writes `before`, what was written and `after` into the output. On
    // failure (also of an earlier write) prints the reason, naming the
    // temporary file, and returns false.
    bool put(TOutput &output, const QByteArray &before, const QByteArray &after);

private:
    void flush();

    QTemporaryFile m_file;
    QBuffer m_memory;
    QIODevice *m_device = &m_file;
    QByteArray m_block;
    bool m_ok = true;
};
