#pragma once

#include "tmailschedule.h"
#include "tsmtpsender.h"

#include <QList>
#include <QString>
#include <QStringList>

// What a mail job attaches: a report kind (1-42, or 100+N for the batch
// N) or the Z reports of the closings in the range.
struct TMailReport
{
    enum Kind { Report, ZReports };
    Kind kind = Report;
    int id = 0;
};

// One job of the jobs file ("[job NAME]").
struct TMailJob
{
    QString name;
    QString installation; // its configuration's name; empty when data is given
    QString data; // the installation's directory, when given directly
    QList<TMailReport> reports;
    QString range; // in words: yesterday, last week, last month, month to date
    QStringList formats; // pdf, csv, json, text, png, svg
    QStringList to;
    QString language; // de, en; empty: the installation's
    QString subject; // empty: made of the installation and the range
    Mail::TMailSchedule schedule;
};

// The jobs file, /etc/veltrum/mail.ini (or $VELTRUM_CONFIG_DIR/mail.ini):
//
//   [smtp]
//   url = smtp://mail.example.com:587     smtps://HOST:465 for TLS from the start
//   security = starttls                   starttls | tls | none (default by the url)
//   user = office@example.com             no login when empty
//   password-file = /etc/veltrum/smtp-password   first line; not readable by others
//   from = Trattoria <office@example.com>
//   attempts = 3                          deliveries tried in one run
//   retry-pause = 30                      seconds before the 2nd attempt, doubled after
//   ca-file = /etc/veltrum/mail-ca.pem    certificates to trust besides the system's
//
//   [job weekly]
//   installation = trattoria              /etc/veltrum/trattoria.conf (or data = DIR)
//   reports = 5, 7, batch 2, z            kinds, batches, the Z reports
//   range = last week
//   formats = pdf, csv
//   to = owner@example.com, Anna <anna@example.com>
//   language = de
//   subject = The week's figures         optional
//   schedule = weekly Mon 07:00           daily HH:MM | weekly DAY HH:MM | monthly D HH:MM | never
struct TMailConfig
{
    QString file;
    Mail::TSmtpServer server; // without the password until readPassword()
    QString from;
    QString passwordFile;
    int attempts = 3;
    int pauseSeconds = 30;
    QList<TMailJob> jobs;

    static QString defaultFile();

    // Reads and checks the whole file; false with `error` naming the file
    // and the line.
    bool load(const QString &path, QString *error);
    const TMailJob *job(const QString &name) const;
    // Reads the password file into the server's login. Refuses a file that
    // every user of the machine may read. False with `error`.
    bool readPassword(QString *error);
};
