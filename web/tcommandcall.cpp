#include "tcommandcall.h"

#include "cliutil.h"
#include "targs.h"
#include "tcommand.h"
#include "terror.h"

#include <QFile>
#include <QTemporaryDir>

#include <exception>

namespace WebLib {

namespace {

// "veltrum: report: kind 3 ..." -> "report: kind 3 ..."; the first line
// (a usage error adds the hint to the help on a second)
QString firstMessage(const QString &printed)
{
    QString line = printed.section(QLatin1Char('\n'), 0, 0).trimmed();
    const QString prefix = QStringLiteral("veltrum: ");
    if (line.startsWith(prefix))
        line = line.mid(prefix.size());
    return line;
}

} // namespace

TCommandOutcome callCommand(const TCommand &command, const QStringList &args, qint64 maxBytes)
{
    TCommandOutcome outcome;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        outcome.code = ExitFailure;
        outcome.message = TCli::tr("no temporary folder can be made (%1)").arg(dir.errorString());
        return outcome;
    }
    const QString file = dir.filePath(QStringLiteral("output"));
    TMessageCapture messages;
    try {
        TArgs parsed(command, args + QStringList {QStringLiteral("--output=") + file});
        outcome.code = command.run(parsed);
    } catch (const TUsageError &e) {
        outcome.code = ExitUsage;
        outcome.message = e.message;
    } catch (const Basics::TError &e) {
        outcome.code = ExitFailure;
        outcome.message = errorText(e);
    } catch (const std::exception &e) {
        outcome.code = ExitFailure;
        outcome.message = TCli::tr("unexpected error (%1)").arg(QString::fromLocal8Bit(e.what()));
    }
    if (outcome.code != ExitOk) {
        if (outcome.message.isEmpty())
            outcome.message = firstMessage(messages.text());
        return outcome;
    }
    QFile result(file);
    if (result.size() > maxBytes) {
        outcome.tooLarge = true;
        return outcome;
    }
    if (!result.open(QIODevice::ReadOnly)) {
        outcome.code = ExitFailure;
        outcome.message = TCli::tr("%1: cannot be read (%2)").arg(file, result.errorString());
        return outcome;
    }
    outcome.output = result.readAll();
    return outcome;
}

} // namespace WebLib
