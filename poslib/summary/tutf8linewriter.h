#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace PosLib {

// Writes lines to a device as UTF-8, each followed by a line feed: the
// bytes QString::toUtf8() makes of each, gathered in a buffer of its own
// and written in chunks, not a write (and a text made) per line. What is
// still held reaches the device with flush().
class TUtf8LineWriter
{
public:
    explicit TUtf8LineWriter(QIODevice *device, qsizetype chunk = 64 * 1024);
    TUtf8LineWriter(const TUtf8LineWriter &) = delete;
    TUtf8LineWriter &operator=(const TUtf8LineWriter &) = delete;

    void writeLine(const QString &line);
    // Writes what is held; false when the device failed, now or before.
    bool flush();
    bool ok() const { return m_ok; }

private:
    QIODevice *m_device;
    const qsizetype m_chunk;
    // the bytes not yet written: the first m_used of m_buffer
    QByteArray m_buffer;
    qsizetype m_used = 0;
    bool m_ok = true;
};

} // namespace PosLib
