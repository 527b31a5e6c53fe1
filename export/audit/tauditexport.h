#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <functional>

namespace PosLib {

// What `veltrum export audit` asks for.
struct TAuditRequest
{
    QString root; // the installation, with "/"
    QDate from;
    QDate to;
    // A name ending in ".zip": one archive of every file. Otherwise a
    // folder, new or empty, that gets the files.
    QString output;
    QDateTime now; // the time the archive's entries carry; invalid: now
};

struct TAuditResult
{
    QString path;
    int days = 0;
    int closings = 0;
    int bills = 0;
    int files = 0; // the CSV files, index.xml and the DTD
};

// The cash-register audit export of the closed days of a range: the bills
// (heads, VAT, table, payments, lines, discounts, menu components), the
// master data of each closing (first and last bill, the company, the till,
// the terminals, the VAT keys) and what each closing adds up to (business
// cases, payments, cash per currency), as CSV files with index.xml and its
// DTD. Only days whose closings verify are exported.
class TAuditExport
{
    Q_DECLARE_TR_FUNCTIONS(TAuditExport)
public:
    using Progress = std::function<void(const QDate &day, int index, int count)>;
    void setProgress(Progress progress) { m_progress = std::move(progress); }
    // Asked before each day is read; false stops the export and leaves
    // nothing of it (run() then fails with "cancelled").
    void setKeepGoing(std::function<bool()> keepGoing) { m_keepGoing = std::move(keepGoing); }

    // False, with `error` naming the day, file or key and why, when the
    // export could not be written whole: no closed day in the range,
    // etc/company.ini missing or wrong, a closing that does not verify, an
    // output folder that holds files, a file that cannot be written. Then
    // nothing of it is left: the files are written into a folder beside the
    // target as the days are read and renamed to it at the end; an archive
    // is made of them at the end, in one replace.
    bool run(const TAuditRequest &request, TAuditResult *result, QString *error);

private:
    Progress m_progress;
    std::function<bool()> m_keepGoing;
};

} // namespace PosLib
