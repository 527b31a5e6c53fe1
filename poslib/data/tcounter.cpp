#include "tcounter.h"

#include "tdir.h"
#include "terror.h"
#include "tfile.h"
#include "trecordcodec.h"

#include <cerrno>

#include <QFileInfo>
#include <QThread>

using namespace Basics;

namespace PosLib {

namespace {
constexpr int PauseMs = 100;

// The positions of "tcounter" that counter failures are reported as, the
// ones the terminals' tools know, and the reason and code they carry.
enum CounterErrorLine { NextFailedLine = 49, GetFailedLine = 87, SetFailedLine = 119 };
constexpr int CounterErrorReason = 304;
constexpr int CounterErrorCode = 5;

// The error every counter failure raises; it names "counter.dat" whatever
// the file.
TFileError counterError(int line, int osError = errno)
{
    return TFileError(line, "tcounter", CounterErrorReason, CounterErrorCode, osError,
                      QStringLiteral("counter.dat"));
}

void openWithRetries(TFile &file, QIODevice::OpenMode mode, int attempts, int line)
{
    // one attempt at the lock each time: the counter's own retries bound the wait
    file.setLockRetry(1, 0);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        try {
            file.open(mode);
            return;
        } catch (const TFileError &e) {
            // only a lock held elsewhere is worth waiting for; a failing
            // disk is named at once
            if (!isLockBusy(e))
                throw;
            QThread::msleep(PauseMs);
        }
    }
    throw counterError(line);
}
} // namespace

TCounter::TCounter(const QString &dir, const QString &fileName)
    : m_dir(normalizeDir(dir, true))
    , m_file(fileName)
{ }

long TCounter::readModifyWrite(const QString &name, bool increment, long value, int line)
{
    TFile file(filePath());
    openWithRetries(file, QIODevice::ReadWrite, 100, line);
    const QByteArray data = file.readRest();
    clear();
    if (!data.isEmpty()) {
        TRecordReader reader(data);
        // a damaged record is written over, not half carried on
        if (reader.read(*this) != TRecordReader::Ok)
            clear();
    }
    const long current = long(getLong(name, 1));
    const long stored = increment ? current + 1 : value;
    setInt(name, stored);

    QByteArray out;
    appendRecord(out, *this);
    try {
        file.at(0);
        file.writeBlock(out);
        if (out.size() < data.size())
            file.resize(out.size());
        file.sync();
    } catch (const TFileError &e) {
        throw counterError(line, e.osError());
    }
    file.close();
    return current;
}

long TCounter::next(const QString &name)
{
    return readModifyWrite(name, true, 0, NextFailedLine);
}

long TCounter::get(const QString &name)
{
    if (!QFileInfo::exists(filePath()))
        return 1;
    TFile file(filePath());
    openWithRetries(file, QIODevice::ReadOnly, 1000, GetFailedLine);
    const QByteArray data = file.readRest();
    file.close();
    clear();
    TRecordReader reader(data);
    reader.read(*this);
    return long(getLong(name, 1));
}

void TCounter::set(const QString &name, long value)
{
    readModifyWrite(name, false, value, SetFailedLine);
}

TCounter::Reading TCounter::read(const QString &name)
{
    Reading reading;
    if (!QFileInfo::exists(filePath()))
        return reading;
    TFile file(filePath());
    openWithRetries(file, QIODevice::ReadOnly, 1000, GetFailedLine);
    const QByteArray data = file.readRest();
    file.close();
    clear();
    reading.state = Reading::Damaged;
    TRecordReader reader(data);
    // one whole record and nothing after it
    if (data.isEmpty() || reader.read(*this) != TRecordReader::Ok || !reader.atEnd())
        return reading;
    if (!has(name)) {
        reading.state = Reading::Absent;
        return reading;
    }
    bool ok = false;
    const long value = getString(name).trimmed().toLong(&ok);
    if (ok && value > 0) {
        reading.state = Reading::Held;
        reading.value = value;
    }
    return reading;
}

} // namespace PosLib
