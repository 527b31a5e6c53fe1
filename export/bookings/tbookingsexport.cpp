#include "tbookingsexport.h"

#include "taccountmap.h"
#include "tbookingbatch.h"
#include "tcloseddays.h"
#include "tclosingrecord.h"
#include "tdaybookings.h"
#include "terror.h"
#include "texporteddays.h"
#include "tsavefile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Basics;

namespace PosLib {

namespace {

// The batch of one fiscal year.
struct Batch
{
    QDate from;
    QDate to;
    QDate fiscalYearStart;
    QList<QDate> days;
    QByteArray lines; // the booking lines, encoded
    int bookings = 0;
    QString path;
    QString created;
    bool again = false;
};

// Day bookings encoded as they will stand in their batch.
struct EncodedDay
{
    QByteArray bytes;
    QByteArray sha256;
    int bookings = 0;
};

} // namespace

QDate TBookingsExport::fiscalYearStart(const QDate &day, int month, int dayOfMonth)
{
    const QDate start(day.year(), month, dayOfMonth);
    return day >= start ? start : start.addYears(-1);
}

QString TBookingsExport::partName(const QString &path, const QDate &from, const QDate &to)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    const QString stem
            = suffix.isEmpty() ? info.fileName() : info.fileName().chopped(suffix.size() + 1);
    const QString name = QStringLiteral("%1_%2_%3%4")
                                 .arg(stem, from.toString(QStringLiteral("yyyyMMdd")),
                                      to.toString(QStringLiteral("yyyyMMdd")),
                                      suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
    return info.dir().filePath(name);
}

QString TBookingsExport::defaultName(const QDate &from, const QDate &to)
{
    return QStringLiteral("EXTF_Buchungsstapel_%1_%2.csv")
            .arg(from.toString(QStringLiteral("yyyyMMdd")),
                 to.toString(QStringLiteral("yyyyMMdd")));
}

bool TBookingsExport::run(const TBookingsRequest &request, QList<TBookingsFile> *files,
                          QString *error)
{
    files->clear();
    TAccountMap map;
    if (!TAccountMap::read(request.root, request.chart, &map, error))
        return false;
    const TClosedDays closed(request.root);
    const QList<QDate> days = closed.days(request.from, request.to);
    if (days.isEmpty()) {
        *error = tr("no closed day from %1 to %2; nothing was written")
                         .arg(request.from.toString(Qt::ISODate), request.to.toString(Qt::ISODate));
        return false;
    }
    TExportedDays record;
    if (!record.read(request.root, error))
        return false;
    const QDateTime now = request.now.isValid() ? request.now : QDateTime::currentDateTime();
    const QString created = now.toString(QStringLiteral("yyyyMMddHHmmsszzz"));

    // the days, booked and encoded, in batches per fiscal year
    QList<Batch> batches;
    QMap<QDate, EncodedDay> encoded;
    QStringList refused;
    for (qsizetype i = 0; i < days.size(); ++i) {
        const QDate day = days.at(i);
        if (m_keepGoing && !m_keepGoing()) {
            *error = tr("cancelled; nothing was written");
            return false;
        }
        if (m_progress)
            m_progress(day, int(i), int(days.size()));
        const QDate start = fiscalYearStart(day, map.fiscalMonth, map.fiscalDay);
        if (batches.isEmpty() || batches.last().fiscalYearStart != start) {
            Batch batch;
            batch.fiscalYearStart = start;
            batch.from = std::max(request.from, start);
            batch.to = std::min(request.to, start.addYears(1).addDays(-1));
            batches << batch;
        }
        Batch &batch = batches.last();

        TClosedDay closedDay;
        QList<TBooking> bookings;
        if (!closed.load(day, &closedDay, error)
            || !TDayBookings::make(closedDay, map, &bookings, error))
            return false;
        QStringList lines;
        for (const TBooking &booking : std::as_const(bookings))
            lines << TBookingBatch::bookingLine(booking);
        EncodedDay &e = encoded[day];
        QString why;
        if (!TBookingBatch::encode(lines, &e.bytes, &why, 3 + batch.bookings)) {
            *error = tr("%1: %2; nothing was written").arg(day.toString(Qt::ISODate), why);
            return false;
        }
        e.sha256 = sha256Hex(e.bytes);
        e.bookings = int(bookings.size());
        batch.days << day;
        batch.lines += e.bytes;
        batch.bookings += e.bookings;
        if (record.contains(day) && record.day(day).sha256 != e.sha256)
            refused << day.toString(Qt::ISODate);
    }
    if (!refused.isEmpty() && !request.force) {
        const TExportedDays::Day first
                = record.day(QDate::fromString(refused.first(), Qt::ISODate));
        *error = tr("%1 exported before (to %2) with other bookings; nothing was written. "
                    "--force exports them again and replaces the record")
                         .arg(refused.join(QStringLiteral(", ")), first.file);
        return false;
    }

    // a batch of days exported before, unchanged, keeps its creation stamp:
    // the same file again
    // a folder: one that exists, or a name ending in "/" (made when missing)
    const QString outputName = request.output.isEmpty() ? QDir::currentPath() : request.output;
    if (outputName.endsWith(QLatin1Char('/')) && !QDir().mkpath(outputName)) {
        *error = tr("%1: the folder could not be made; nothing was written").arg(outputName);
        return false;
    }
    const QFileInfo output(outputName);
    QList<QByteArray> contents;
    for (Batch &batch : batches) {
        QStringList stamps;
        for (const QDate &day : std::as_const(batch.days)) {
            const bool same
                    = record.contains(day) && record.day(day).sha256 == encoded.value(day).sha256;
            stamps << (same ? record.day(day).created : QString());
        }
        stamps.removeDuplicates();
        batch.again = stamps.size() == 1 && !stamps.first().isEmpty();
        batch.created = batch.again ? stamps.first() : created;
        batch.path = output.isDir() ? QDir(output.absoluteFilePath())
                                              .filePath(defaultName(batch.from, batch.to))
                     : batches.size() == 1
                             ? output.absoluteFilePath()
                             : partName(output.absoluteFilePath(), batch.from, batch.to);

        TBatchHeader header;
        header.created = QDateTime::fromString(batch.created, QStringLiteral("yyyyMMddHHmmsszzz"));
        header.consultant = map.consultant;
        header.client = map.client;
        header.fiscalYearStart = batch.fiscalYearStart;
        header.accountLength = map.accountLength;
        header.from = batch.from;
        header.to = batch.to;
        header.name = tr("Takings %1 - %2")
                              .arg(batch.from.toString(QStringLiteral("dd.MM.yyyy")),
                                   batch.to.toString(QStringLiteral("dd.MM.yyyy")));
        header.dictation = map.dictation;
        header.fixed = map.fixed;
        QByteArray head;
        QString why;
        if (!TBookingBatch::encode({TBookingBatch::headerLine(header), TBookingBatch::titleLine()},
                                   &head, &why)) {
            *error = tr("%1: %2; nothing was written").arg(batch.path, why);
            return false;
        }
        contents << head + batch.lines;
    }

    for (qsizetype i = 0; i < batches.size(); ++i) {
        const Batch &batch = batches.at(i);
        try {
            TSaveFile file(batch.path);
            file.open();
            file.write(contents.at(i));
            file.commit();
        } catch (const TError &e) {
            *error = tr("%1; the days from %2 on were not exported")
                             .arg(userText(e, batch.path), batch.from.toString(Qt::ISODate));
            // the batches written before it stay recorded
            QString ignored;
            if (i > 0)
                record.write(request.root, &ignored);
            return false;
        }
        files->append({batch.path, batch.from, batch.to, int(batch.days.size()), batch.bookings,
                       batch.again});
        // a day exported again unchanged keeps the file it first went to
        for (const QDate &day : batch.days) {
            const EncodedDay &e = encoded[day];
            if (!record.contains(day) || record.day(day).sha256 != e.sha256)
                record.set(day, {e.sha256, batch.created, batch.path, e.bookings});
        }
    }
    QString why;
    if (!record.write(request.root, &why)) {
        *error = tr("the bookings were written, but the record of exported days was not: %1")
                         .arg(why);
        return false;
    }
    return true;
}

} // namespace PosLib
