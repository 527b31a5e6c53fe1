#include "tchainqueue.h"

#include "tinstallation.h"

#include "tdir.h"
#include "terror.h"
#include "tsavefile.h"

#include <QFile>
#include <QLockFile>

#include <algorithm>

namespace ChainLib {

namespace {

const QByteArray Header = "# veltrum chain queue 1";

QString oneLine(QString text)
{
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

} // namespace

class TChainQueue::Lock
{
public:
    explicit Lock(const QString &path)
        : file(path)
    {
        file.setStaleLockTime(0);
    }
    QLockFile file;
};

bool TQueuedDay::operator==(const TQueuedDay &other) const
{
    return day == other.day && queued == other.queued && attempts == other.attempts
           && lastError == other.lastError;
}

TChainQueue::TChainQueue(const QString &root)
    : m_root(root)
    , m_path(PosLib::installationDir(root, QStringLiteral("var"), false)
             + QStringLiteral("chain.queue"))
{ }

QByteArray TChainQueue::toBytes(const QList<TQueuedDay> &days)
{
    QList<TQueuedDay> sorted = days;
    std::sort(sorted.begin(), sorted.end(),
              [](const TQueuedDay &a, const TQueuedDay &b) { return a.day < b.day; });
    QByteArray bytes = Header + '\n';
    for (const TQueuedDay &day : sorted) {
        bytes += day.day.toString(Qt::ISODate).toLatin1() + '\t'
                 + day.queued.toUTC().toString(Qt::ISODate).toLatin1() + '\t'
                 + QByteArray::number(day.attempts) + '\t' + oneLine(day.lastError).toUtf8() + '\n';
    }
    return bytes;
}

TQueueContents TChainQueue::fromBytes(const QByteArray &bytes)
{
    TQueueContents contents;
    if (bytes.isEmpty())
        return contents;
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.first().trimmed() != Header) {
        contents.badHeader = true;
        return contents;
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        if (line.isEmpty())
            continue;
        // a line without its end is cut off: its day cannot be trusted
        if (i == lines.size() - 1) {
            ++contents.damagedLines;
            continue;
        }
        const QList<QByteArray> fields = line.split('\t');
        TQueuedDay day;
        day.day = QDate::fromString(QString::fromLatin1(fields.value(0)), Qt::ISODate);
        bool attemptsOk = true;
        if (fields.size() > 1)
            day.queued = QDateTime::fromString(QString::fromLatin1(fields.at(1)), Qt::ISODate);
        if (fields.size() > 2)
            day.attempts = fields.at(2).toInt(&attemptsOk);
        if (fields.size() > 3)
            day.lastError = QString::fromUtf8(fields.at(3));
        if (!day.day.isValid() || fields.size() != 4 || !day.queued.isValid() || !attemptsOk
            || day.attempts < 0) {
            ++contents.damagedLines;
            continue;
        }
        const auto known = std::find_if(contents.days.begin(), contents.days.end(),
                                        [&](const TQueuedDay &d) { return d.day == day.day; });
        if (known == contents.days.end())
            contents.days << day;
    }
    std::sort(contents.days.begin(), contents.days.end(),
              [](const TQueuedDay &a, const TQueuedDay &b) { return a.day < b.day; });
    return contents;
}

TQueueContents TChainQueue::load() const
{
    QFile file(m_path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        TQueueContents contents;
        contents.badHeader = true;
        return contents;
    }
    return fromBytes(file.readAll());
}

void TChainQueue::save(const QList<TQueuedDay> &days) const
{
    if (load().isDamaged()) {
        const QString kept = m_path + QStringLiteral(".damaged");
        QFile::remove(kept);
        QFile::copy(m_path, kept);
    }
    Basics::normalizeDir(PosLib::installationDir(m_root, QStringLiteral("var"), false), true);
    Basics::TSaveFile file(m_path);
    file.open();
    file.write(toBytes(days));
    file.commit();
}

void TChainQueue::add(const QDate &day, const QDateTime &now) const
{
    QList<TQueuedDay> days = load().days;
    for (const TQueuedDay &queued : days) {
        if (queued.day == day)
            return;
    }
    TQueuedDay queued;
    queued.day = day;
    queued.queued = now.toUTC();
    days << queued;
    save(days);
}

void TChainQueue::remove(const QDate &day) const
{
    const TQueueContents contents = load();
    QList<TQueuedDay> days = contents.days;
    const auto before = days.size();
    days.erase(std::remove_if(days.begin(), days.end(),
                              [&](const TQueuedDay &d) { return d.day == day; }),
               days.end());
    if (days.size() != before || contents.isDamaged())
        save(days);
}

void TChainQueue::failed(const QString &error) const
{
    QList<TQueuedDay> days = load().days;
    if (days.isEmpty())
        return;
    for (TQueuedDay &day : days) {
        ++day.attempts;
        day.lastError = error;
    }
    save(days);
}

bool TChainQueue::lock(int milliseconds)
{
    if (m_lock)
        return true;
    const QString dir = Basics::normalizeDir(
            PosLib::installationDir(m_root, QStringLiteral("var/lock"), false), true);
    auto lock = std::make_shared<Lock>(dir + QStringLiteral("chain.lck"));
    if (!lock->file.tryLock(milliseconds))
        return false;
    m_lock = lock;
    return true;
}

void TChainQueue::unlock()
{
    m_lock.reset();
}

} // namespace ChainLib
