#include "tdataargs.h"

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
