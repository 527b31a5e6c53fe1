#include "targs.h"

#include "cliutil.h"
#include "tcommand.h"

#include <QDir>
#include <QFileInfo>

namespace {

const char *const DateFormat = "yyyy-MM-dd";
const char *const TimeFormat = "yyyy-MM-ddThh:mm:ss";

} // namespace

TArgs::TArgs(const TCommand &command, const QStringList &args)
    : m_command(command)
{
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList {QStringLiteral("h"), QStringLiteral("help")});
    m_parser.addOption(help);
    const QCommandLineOption log(QStringLiteral("log"), QString(), QStringLiteral("FILE"));
    m_parser.addOption(log);
    for (const TCommandOption &option : command.options) {
        QCommandLineOption parsed(option.names);
        if (!option.valueName.isEmpty())
            parsed.setValueName(option.valueName);
        m_parser.addOption(parsed);
    }
    // the parser skips the program's name
    const bool parsed = m_parser.parse(QStringList(QStringLiteral("veltrum")) + args);
    m_help = m_parser.isSet(help);
    if (m_help)
        return;
    // relative to where the program started, before a command moves into
    // its installation
    m_startDir = QDir::currentPath();
    if (m_parser.isSet(log))
        m_logFile = QFileInfo(m_parser.value(log)).absoluteFilePath();
    if (!parsed) {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (!unknown.isEmpty())
            throw TUsageError {
                    TCli::tr("unknown option '%1'").arg(optionText(unknown.constFirst()))};
        throw TUsageError {m_parser.errorText()};
    }
    for (const TCommandOption &option : command.options) {
        const QString &name = option.names.constLast();
        if (!option.valueName.isEmpty() && !option.repeatable && m_parser.values(name).size() > 1)
            throw TUsageError {TCli::tr("%1 is given more than once").arg(optionText(name))};
        if (option.required && !m_parser.isSet(name)
            && (command.standalone.isEmpty() || !m_parser.isSet(command.standalone)))
            throw TUsageError {TCli::tr("%1 is missing").arg(optionText(name))};
    }
    const qsizetype count = positional().size();
    if (count < command.minArguments())
        throw TUsageError {count == 0 ? TCli::tr("missing %1").arg(command.arguments)
                                      : TCli::tr("too few arguments")};
    if (command.maxArguments() >= 0 && count > command.maxArguments())
        throw TUsageError {TCli::tr("unexpected argument '%1'")
                                   .arg(positional().value(command.maxArguments()))};
}

QString TArgs::optionText(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

void TArgs::badValue(const QString &name, const QString &expected) const
{
    throw TUsageError {TCli::tr("bad value '%1' for %2 (%3)")
                               .arg(m_parser.value(name), optionText(name), expected)};
}

QStringList TArgs::texts(const QString &name) const
{
    return m_parser.values(name);
}

bool TArgs::isSet(const QString &name) const
{
    return m_parser.isSet(name);
}

QString TArgs::text(const QString &name, const QString &fallback) const
{
    return m_parser.isSet(name) ? m_parser.value(name) : fallback;
}

QString TArgs::filePath(const QString &name) const
{
    const QString value = text(name);
    return value.isEmpty() ? value : QDir(m_startDir).absoluteFilePath(value);
}

int TArgs::number(const QString &name, int min, int max, int fallback) const
{
    if (!m_parser.isSet(name))
        return fallback;
    bool ok = false;
    const int value = m_parser.value(name).toInt(&ok);
    if (!ok || value < min || value > max)
        badValue(name, max == std::numeric_limits<int>::max()
                               ? TCli::tr("a whole number from %1").arg(min)
                               : TCli::tr("a whole number from %1 to %2").arg(min).arg(max));
    return value;
}

qulonglong TArgs::unsignedNumber(const QString &name, qulonglong fallback) const
{
    if (!m_parser.isSet(name))
        return fallback;
    bool ok = false;
    const qulonglong value = m_parser.value(name).toULongLong(&ok);
    if (!ok)
        badValue(name, TCli::tr("a whole number from 0"));
    return value;
}

QDate TArgs::date(const QString &name) const
{
    if (!m_parser.isSet(name))
        return QDate();
    const QDate value = QDate::fromString(m_parser.value(name), QLatin1String(DateFormat));
    if (!value.isValid())
        badValue(name, QLatin1String(DateFormat));
    return value;
}

void TArgs::dateRange(QDate &from, QDate &to, bool toNeedsFrom) const
{
    from = date(QStringLiteral("from"));
    to = date(QStringLiteral("to"));
    if (toNeedsFrom && to.isValid() && !from.isValid())
        throw TUsageError {TCli::tr("--to needs --from")};
    if (from.isValid() && to.isValid() && from > to)
        throw TUsageError {TCli::tr("--from %1 lies after --to %2")
                                   .arg(from.toString(Qt::ISODate), to.toString(Qt::ISODate))};
}

QDateTime TArgs::dateTime(const QString &name) const
{
    if (!m_parser.isSet(name))
        return QDateTime();
    const QDateTime value = QDateTime::fromString(m_parser.value(name), QLatin1String(TimeFormat));
    if (!value.isValid())
        badValue(name, QLatin1String(TimeFormat));
    return value;
}

int TArgs::choice(const QString &name, const QStringList &choices, int fallback) const
{
    if (!m_parser.isSet(name))
        return fallback;
    const int index = int(choices.indexOf(m_parser.value(name)));
    if (index < 0)
        badValue(name, choices.join(QLatin1Char('|')));
    return index;
}
