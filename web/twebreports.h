#pragma once

#include "twebsite.h"
#include "twebsource.h"

#include <QCoreApplication>
#include <QStringList>

struct TCommand;

namespace WebLib {

// The API's reports: a report of any kind or batch, a Z report and a chain
// report, made by the command that makes them on the command line ('veltrum
// report', 'z --show', 'chain report') with the call's parameters as its
// options, and answered with exactly what it writes in the format asked
// for (text, json, csv, pdf, and for reports with a chart svg and png).
// The parameters are the command's options without "--" and are checked
// by the same rules: a wrong one is a 400 naming it in the command line's
// words. Reports are made read-only (--read-only): nothing is written
// into the installation.
class TWebReports
{
    Q_DECLARE_TR_FUNCTIONS(TWebReports)
public:
    explicit TWebReports(const TWebSource &source);

    static QStringList reportParameters();
    static QStringList zParameters();
    static QStringList chainParameters();

    TWebResponse report(const TApiCall &call);
    TWebResponse zReport(const TApiCall &call);
    TWebResponse chainOutlets(const TApiCall &call);
    TWebResponse chainReport(const TApiCall &call);

private:
    // The command's options from the call's parameters: each "--NAME=VALUE"
    // (one argument, so that no value can pass for an option of its own),
    // switches ("open-tables") for "1" or an empty value and left out for
    // "0". False with `error` for a switch of another value.
    static bool options(const TApiCall &call, const QStringList &switches, QStringList &args,
                        QString *error);
    // A range of more days than the web view makes at once.
    QString rangeTooLong(const TApiCall &call) const;
    // Runs the command and answers with what it wrote; `name` names the
    // download ("report-5-2026-12-04").
    TWebResponse run(const TCommand &command, const QStringList &args, const TApiCall &call,
                     const QString &name);
    QStringList clockOption() const;

    TWebSource m_source;
};

} // namespace WebLib
