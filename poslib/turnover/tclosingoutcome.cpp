#include "tclosingoutcome.h"

#include "terror.h"

#include <QCoreApplication>

using namespace Basics;

namespace PosLib {

namespace {

// The texts of this file, translated in the context "TPaidTablesDoc".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TPaidTablesDoc)
};

bool diskFullError(const TError *error)
{
    const auto *os = dynamic_cast<const TOsError *>(error);
    return os && os->isDiskFull();
}

} // namespace

QString TLeftBill::text() const
{
    QString why;
    switch (reason) {
    case Unreadable:
        why = diskFull ? Text::tr("the disk is full") : Text::tr("cannot be read");
        break;
    case Damaged:
        why = Text::tr("damaged (no creation record, or cut off inside an entry)");
        break;
    case StampNotWritten:
        why = diskFull ? Text::tr("the disk is full: the turnover stamp could not be written")
                       : Text::tr("the turnover stamp could not be written");
        break;
    case NotMoved:
        why = diskFull ? Text::tr("the disk is full: it could not be copied into the day")
                       : Text::tr("it could not be copied into the day");
        break;
    }
    return detail.isEmpty() ? QStringLiteral("%1: %2").arg(file, why)
                            : QStringLiteral("%1: %2 (%3)").arg(file, why, detail);
}

TClosingOutcome::Status TClosingOutcome::status() const
{
    if (!failure.isEmpty())
        return Failed;
    if (!leftBehind.isEmpty() || !problems.isEmpty())
        return Incomplete;
    return Done;
}

void TClosingOutcome::leave(const QString &file, TLeftBill::Reason reason, const TError *error)
{
    TLeftBill bill;
    bill.file = file;
    bill.reason = reason;
    bill.detail = error ? userText(*error) : QString();
    bill.diskFull = diskFullError(error);
    diskFull = diskFull || bill.diskFull;
    leftBehind << bill;
}

void TClosingOutcome::addProblem(const QString &text, const TError *error)
{
    problems << (error ? QStringLiteral("%1 (%2)").arg(text, userText(*error)) : text);
    diskFull = diskFull || diskFullError(error);
}

void TClosingOutcome::fail(const QString &text, const TError *error)
{
    const QString line = error ? QStringLiteral("%1 (%2)").arg(text, userText(*error)) : text;
    failure = failure.isEmpty() ? line : failure + QLatin1String("; ") + line;
    diskFull = diskFull || diskFullError(error);
}

QString TClosingOutcome::summary() const
{
    const QString line = statusText();
    return notes.isEmpty() ? line
                           : QStringLiteral("%1 (%2)").arg(line, notes.join(QLatin1String("; ")));
}

QString TClosingOutcome::statusText() const
{
    switch (status()) {
    case Done:
        return Text::tr("done");
    case Incomplete:
        if (!leftBehind.isEmpty())
            return Text::tr("done with %n bill(s) left behind", nullptr, int(leftBehind.size()));
        return Text::tr("done, but: %1").arg(problems.join(QLatin1String("; ")));
    case Failed:
        if (diskFull)
            return Text::tr("failed: the disk is full: %1").arg(failure);
        return Text::tr("failed: %1").arg(failure);
    }
    return QString();
}

} // namespace PosLib
