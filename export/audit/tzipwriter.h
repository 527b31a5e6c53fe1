#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

namespace PosLib {

// A ZIP archive of whole files, stored without compression (every reader
// opens it). Its entries are bytes in memory or files on disk; a file is
// read once for its checksum when it is added and once more when the
// archive is written, so that no file is held in memory whole.
class TZipWriter
{
public:
    // Takes the archive's bytes as they are written.
    using Sink = std::function<void(const char *data, qint64 size)>;

    // Every entry carries `modified` as its time (local, two-second steps).
    explicit TZipWriter(const QDateTime &modified);

    void add(const QString &name, const QByteArray &content);
    // Adds the file `path` under `name`. Throws the TFileError of a file
    // that cannot be opened or read.
    void addFile(const QString &name, const QString &path);
    // The bytes of the entries' contents together.
    qint64 contentSize() const;

    // Writes the archive: the entries, the central directory and its end
    // record. Throws the TFileError of a file entry that cannot be read
    // again, or that no longer holds what it held when it was added.
    void write(const Sink &sink) const;
    // The archive in memory.
    QByteArray bytes() const;

    static quint32 crc32(const QByteArray &bytes);

private:
    struct Entry
    {
        QByteArray name; // UTF-8
        QByteArray content; // when not a file
        QString path; // a file's, read when the archive is written
        qint64 size = 0;
        quint32 crc = 0;
    };
    // The fields the local header and the central directory share: from
    // the version needed to the name's length.
    void putEntryFields(QByteArray &out, const Entry &e) const;

    QList<Entry> m_entries;
    quint16 m_time = 0;
    quint16 m_date = 0;
};

} // namespace PosLib
