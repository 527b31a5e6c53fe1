#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace PosLib {

// A ZIP archive of whole files, stored without compression (every reader
// opens it), built in memory so that it is written in one replace.
class TZipWriter
{
public:
    // Every entry carries `modified` as its time (local, two-second steps).
    explicit TZipWriter(const QDateTime &modified);

    void add(const QString &name, const QByteArray &content);
    // The archive: the entries, the central directory and its end record.
    QByteArray bytes() const;

    static quint32 crc32(const QByteArray &bytes);

private:
    struct Entry
    {
        QByteArray name; // UTF-8
        QByteArray content;
        quint32 crc = 0;
    };
    QList<Entry> m_entries;
    quint16 m_time = 0;
    quint16 m_date = 0;
};

} // namespace PosLib
