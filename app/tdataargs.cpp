#include "tdataargs.h"

#include "treportrun.h"

#include "cliutil.h"
#include "targs.h"
#include "tvalue.h"

#include <QDir>
#include <QFileInfo>

#include <limits>

namespace {

QString rootOf(const TArgs &args)
{
    const QString data = args.text(QStringLiteral("data"));
    if (!QFileInfo(data).isDir())
        throw TUsageError {TCli::tr("--data %1: no such directory").arg(data)};
    return QDir(data).absolutePath() + QLatin1Char('/');
}

} // namespace

TCommandOption dataOption()
{
    return {{QStringLiteral("data")},
            QStringLiteral("DIR"),
            TCli::tr("The installation's directory (the one holding usr/data, var and etc)."),
            true};
}

TCommandOption nowOption()
{
    return {{QStringLiteral("now")},
            QStringLiteral("yyyy-MM-ddThh:mm:ss"),
            TCli::tr("Fixes the clock (the printed time and the business day), so that the output "
                     "can "
                     "be reproduced."),
            false};
}

TCommandOption fromOption(const QString &description)
{
    return {{QStringLiteral("from")}, QStringLiteral("yyyy-MM-dd"), description, false};
}

TCommandOption toOption(const QString &description)
{
    return {{QStringLiteral("to")}, QStringLiteral("yyyy-MM-dd"), description, false};
}

TCommandOption filterOption()
{
    return {{QStringLiteral("filter")},
            QStringLiteral("ID"),
            TCli::tr("Only what the summary filter ID of usr/data/sumfilters.dat lets through; 0 "
                     "for "
                     "none. An unknown ID is an error."),
            false};
}

TCommandOption outletOption()
{
    return {{QStringLiteral("outlet")},
            QStringLiteral("ID"),
            TCli::tr(
                    "Read the terminals of the outlet ID of usr/data/sumoutlets.dat instead of the "
                    "installation's own data; 0 for none. An unknown ID is an error."),
            false};
}

TCommandOption periodOption()
{
    return {{QStringLiteral("period")},
            QStringLiteral("N"),
            TCli::tr("Cut the range into periods of N days, each printed with its own header and "
                     "separated by a line of '*' (the last period ends with --to); 0, the default, "
                     "prints the whole range at once. Has an effect only with --from."),
            false};
}

TCommandOption readOnlyOption()
{
    return {{QStringLiteral("read-only")},
            QString(),
            TCli::tr("Write nothing into the installation: a closed day whose day summary is "
                     "missing or older than a table of the day is read from its tables instead "
                     "of the summary being built again, the cache of closed days is neither "
                     "read nor written, a fiscal batch does not store its fiscal summary file "
                     "(the figures are the same). For an installation this user may only read; "
                     "'veltrum serve' makes every report so."),
            false};
}

QList<TCommandOption> tableChoiceOptions()
{
    return {
            {{QStringLiteral("without-credits")},
             QString(),
             TCli::tr("Leave out credit orders."),
             false},
            {{QStringLiteral("turnover")},
             QStringLiteral("all|in|out"),
             TCli::tr("All tables (default), only those that count in the turnover, or only those "
                      "that do not."),
             false},
            {{QStringLiteral("trainee")},
             QStringLiteral("all|without|only"),
             TCli::tr("All waiters (default), without trainee waiters, or only trainee waiters."),
             false},
    };
}

void readTableChoices(const TArgs &args, PosLib::TReportRequest &request)
{
    request.withoutCredits = args.isSet(QStringLiteral("without-credits"));
    request.turnoverType
            = args.choice(QStringLiteral("turnover"),
                          {QStringLiteral("all"), QStringLiteral("in"), QStringLiteral("out")});
    request.traineeType = args.choice(
            QStringLiteral("trainee"),
            {QStringLiteral("all"), QStringLiteral("without"), QStringLiteral("only")});
}

TDataArgs::TDataArgs(const TArgs &args)
    : m_args(args)
    , m_root(rootOf(args))
    , m_lists(m_root)
{
    QDir::setCurrent(m_root);
}

Basics::TValue *TDataArgs::record(const QString &list, const QString &option, const QString &what,
                                  int min)
{
    const int id = m_args.number(option, min, std::numeric_limits<int>::max());
    if (id == 0)
        return nullptr;
    Basics::TValueList *values = m_lists.get(list);
    Basics::TValue *found = values ? values->find(id) : nullptr;
    if (!found)
        throw TUsageError {TCli::tr("%1 %2: there is no %3 %2")
                                   .arg(TArgs::optionText(option))
                                   .arg(id)
                                   .arg(what)};
    return found;
}

int TDataArgs::filter(const QString &option)
{
    const Basics::TValue *found
            = record(QStringLiteral("sumfilters"), option, TCli::tr("summary filter"), 0);
    return found ? found->id() : 0;
}

int TDataArgs::outlet(const QString &option)
{
    const Basics::TValue *found
            = record(QStringLiteral("sumoutlets"), option, TCli::tr("outlet"), 0);
    return found ? found->id() : 0;
}

Basics::TValue *TDataArgs::waiter(const QString &option, bool zeroIsNone)
{
    return record(QStringLiteral("waiters"), option, TCli::tr("waiter"), zeroIsNone ? 0 : 1);
}
