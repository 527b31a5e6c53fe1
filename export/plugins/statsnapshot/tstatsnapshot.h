#pragma once

#include <QDate>
#include <QDomDocument>
#include <QMap>
#include <QString>

namespace DotNetPluginLibrary {

// The snapshot plug-in. "db" sends the closed day to the chain database
// (PostgreSQL); "localfile" writes the local-file snapshot of a closed day: the day's table files
// of "var/statist/tagDD.MM.YYYY/" and its day summary "var/summary/ yyyy-MM-dd.dat", copied below
// the target directory into the archive directory "statist-yyyy-MM-dd", which holds them under the
// same relative paths as the installation does. The archive is built in a hidden temporary
// directory and renamed into place, so the target never shows a half-written archive; an earlier
// archive of the day is replaced.
class TStatSnapshot
{
public:
    // Result codes of run() and answer().
    enum Code {
        Ok = 0,
        BadRequest = 1, // no request, or a function this plug-in lacks
        UnsupportedMode = 2, // a transfer mode other than "localfile" and "db"
        NoTarget = 3, // no "filepath"
        NoStatistics = 4, // neither a day directory nor a day summary
        CopyFailed = 5,
        Queued = 6, // "db": the database could not be reached; the day waits in the queue
        QueueFailed = 7, // "db": the day could not even be queued
    };

    // "statist-2014-03-05" for 5 March 2014.
    static QString archiveName(const QDate &day);

    // Writes the archive of `day` of the installation `root` below
    // `target`. Returns a code; `message` tells what happened, `archive`
    // is the written directory.
    int run(const QString &root, const QDate &day, const QString &target);

    // The "db" transfer: sends the day to the chain database the request
    // names, or queues it in the installation's "var/chain.queue" (see
    // ChainLib::pushDays), together with the days queued before.
    int sendToDatabase(const QMap<QString, QString> &values);
    // How long "db" waits for the database server; 5 seconds.
    void setTimeout(int seconds) { m_timeout = seconds; }

    // Answers a request document: the result element's code and message.
    QDomDocument answer(const QString &requestXml);

    QString message() const { return m_message; }
    QString archive() const { return m_archive; }

private:
    int fail(int code, const QString &message);

    QString m_message;
    QString m_archive;
    int m_timeout = 5;
};

} // namespace DotNetPluginLibrary
