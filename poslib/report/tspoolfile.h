#pragma once

#include <QByteArray>

#include <memory>

class QTemporaryFile;

namespace PosLib {

// The temporary file a spool writes its runs into: made when the first run
// comes, each run appended after the last, read back through TSpoolReader.
class TSpoolFile
{
public:
    TSpoolFile();
    ~TSpoolFile();
    TSpoolFile(const TSpoolFile &) = delete;
    TSpoolFile &operator=(const TSpoolFile &) = delete;

    // Appends `bytes` and gives their part of the file as [begin, end);
    // false when no temporary file can be made or written (the next append
    // writes over what was written of them).
    bool append(const QByteArray &bytes, qint64 &begin, qint64 &end);
    // Forgets what was appended after `end`: the next append writes there.
    void rewind(qint64 end) { m_end = end; }
    qint64 end() const { return m_end; }
    // Null before the first append.
    const QTemporaryFile *file() const { return m_file.get(); }

private:
    std::unique_ptr<QTemporaryFile> m_file;
    qint64 m_end = 0;
};

} // namespace PosLib
