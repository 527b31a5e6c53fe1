#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QMap>
#include <QString>

namespace PosLib {

// The record of the days whose bookings were exported, kept in the
// installation ("var/exports/bookings.json"), so that a day goes to the
// accountant once: exported again it must give the same bytes.
//
//   {"format": 1, "days": [{"date": "2014-03-05", "sha256": "…",
//     "created": "20140306101500123", "file": "/abs/EXTF_….csv",
//     "bookings": 14}]}
class TExportedDays
{
    Q_DECLARE_TR_FUNCTIONS(TExportedDays)
public:
    struct Day
    {
        QByteArray sha256; // of the day's booking lines as written
        QString created; // the header's creation stamp of the batch it went into
        QString file;
        int bookings = 0;
    };

    // "var/exports/bookings.json", relative to the installation.
    static QString fileName() { return QStringLiteral("var/exports/bookings.json"); }

    // Reads the record of the installation at `root`; a missing record is
    // empty. False, with `error` naming the file, when it cannot be read or
    // is no record.
    bool read(const QString &root, QString *error);
    // Writes it through the safe replace. False with `error` when it
    // cannot.
    bool write(const QString &root, QString *error) const;

    bool contains(const QDate &day) const { return m_days.contains(day); }
    Day day(const QDate &day) const { return m_days.value(day); }
    void set(const QDate &day, const Day &value) { m_days.insert(day, value); }

private:
    QMap<QDate, Day> m_days;
};

} // namespace PosLib
