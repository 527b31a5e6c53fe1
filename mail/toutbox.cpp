#include "toutbox.h"

#include "terror.h"
#include "tsavefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

#include <algorithm>
#include <cerrno>

namespace Mail {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Mail)
};

void writeWhole(const QString &path, const QByteArray &bytes)
{
    Basics::TSaveFile file(path);
    file.open();
    file.write(bytes);
    file.commit();
}

} // namespace

TOutbox::TOutbox(const QString &directory)
    : m_dir(QDir::cleanPath(directory) + QLatin1Char('/'))
{ }

int TOutbox::pauseMinutes(int attempts)
{
    return std::min(15 << std::min(std::max(attempts - 1, 0), 6), 12 * 60);
}

TOutboxItem TOutbox::add(const QString &job, const QByteArray &from, const QList<QByteArray> &to,
                         const QByteArray &mime, const QDateTime &now)
{
    if (!QDir().mkpath(m_dir))
        throw Basics::TFileError(T_SOURCE, 301, 301, EACCES, m_dir);
    TOutboxItem item;
    item.id = now.toUTC().toString(QStringLiteral("yyyyMMdd-hhmmss-"))
              + QUuid::createUuid().toString(QUuid::Id128).left(8);
    item.job = job;
    item.from = from;
    item.to = to;
    item.created = now;
    writeWhole(m_dir + item.id + QStringLiteral(".eml"), mime);
    save(item);
    return item;
}

void TOutbox::save(const TOutboxItem &item)
{
    QJsonArray to;
    for (const QByteArray &address : item.to)
        to << QString::fromLatin1(address);
    const QJsonObject json {
            {QStringLiteral("job"), item.job},
            {QStringLiteral("from"), QString::fromLatin1(item.from)},
            {QStringLiteral("to"), to},
            {QStringLiteral("created"), item.created.toString(Qt::ISODate)},
            {QStringLiteral("attempts"), item.attempts},
            {QStringLiteral("nextAttempt"), item.nextAttempt.toString(Qt::ISODate)},
            {QStringLiteral("lastError"), item.lastError},
    };
    writeWhole(m_dir + item.id + QStringLiteral(".json"), QJsonDocument(json).toJson());
}

QList<TOutboxItem> TOutbox::items(QStringList *problems) const
{
    QList<TOutboxItem> found;
    const QDir dir(m_dir);
    for (const QString &name : dir.entryList({QStringLiteral("*.eml")}, QDir::Files, QDir::Name)) {
        const QString id = name.chopped(4);
        QFile file(dir.filePath(id + QStringLiteral(".json")));
        if (!file.exists()) {
            // put in only halfway: never tried, never reported as sent
            QFile::remove(dir.filePath(name));
            continue;
        }
        QJsonParseError parsed;
        const QJsonObject json = file.open(QIODevice::ReadOnly)
                                         ? QJsonDocument::fromJson(file.readAll(), &parsed).object()
                                         : QJsonObject();
        if (json.isEmpty()) {
            if (problems)
                *problems << Text::tr("%1: cannot be read; the mail %2 stays in the outbox")
                                     .arg(file.fileName(), dir.filePath(name));
            continue;
        }
        TOutboxItem item;
        item.id = id;
        item.job = json.value(QStringLiteral("job")).toString();
        item.from = json.value(QStringLiteral("from")).toString().toLatin1();
        for (const QJsonValue &address : json.value(QStringLiteral("to")).toArray())
            item.to << address.toString().toLatin1();
        item.created = QDateTime::fromString(json.value(QStringLiteral("created")).toString(),
                                             Qt::ISODate);
        item.attempts = json.value(QStringLiteral("attempts")).toInt();
        item.nextAttempt = QDateTime::fromString(
                json.value(QStringLiteral("nextAttempt")).toString(), Qt::ISODate);
        item.lastError = json.value(QStringLiteral("lastError")).toString();
        found << item;
    }
    return found;
}

QByteArray TOutbox::message(const TOutboxItem &item) const
{
    QFile file(m_dir + item.id + QStringLiteral(".eml"));
    if (!file.open(QIODevice::ReadOnly))
        throw Basics::TFileError(T_SOURCE, 301, 301, ENOENT, file.fileName());
    return file.readAll();
}

void TOutbox::failed(TOutboxItem &item, const QString &error, const QDateTime &now)
{
    ++item.attempts;
    item.lastError = error;
    item.nextAttempt = now.addSecs(60 * pauseMinutes(item.attempts));
    save(item);
}

void TOutbox::remove(const TOutboxItem &item)
{
    // the description first: a message without one is removed at the next look
    QFile::remove(m_dir + item.id + QStringLiteral(".json"));
    QFile::remove(m_dir + item.id + QStringLiteral(".eml"));
}

} // namespace Mail
