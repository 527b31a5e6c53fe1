#include "tcountargs.h"

#include "cliutil.h"
#include "targs.h"

#include <QFile>

using namespace PosLib;

namespace {

QString itemNames(const QList<TCountItem> &items)
{
    QStringList names;
    for (const TCountItem &item : items)
        names << item.name;
    return names.join(QStringLiteral(", "));
}

qint64 amountOf(const QString &text, const QString &where)
{
    qint64 cents = 0;
    if (!parseCountAmount(text, &cents))
        throw TUsageError {TCli::tr("%1: '%2' is no amount (write it as 412.50)").arg(where, text)};
    return cents;
}

// One "NAME=AMOUNT" into the input.
void addCount(TCashCountInput &input, const QString &entry, const QString &where,
              const QList<TCountItem> &items)
{
    const qsizetype at = entry.lastIndexOf(QLatin1Char('='));
    if (at <= 0)
        throw TUsageError {TCli::tr("%1: '%2' is not NAME=AMOUNT").arg(where, entry)};
    const QString name = entry.left(at).trimmed();
    TCountItem item;
    if (!findCountItem(name, items, &item))
        throw TUsageError {TCli::tr("%1: '%2' is no payment form or cash currency of the "
                                    "installation (%3)")
                                   .arg(where, name, itemNames(items))};
    for (const auto &counted : std::as_const(input.counted)) {
        if (counted.first.payform == item.payform && counted.first.currency == item.currency)
            throw TUsageError {TCli::tr("%1: %2 is counted twice").arg(where, item.name)};
    }
    input.counted << qMakePair(item, amountOf(entry.mid(at + 1), where));
}

// The count file: "NAME=AMOUNT" lines, "float=", "comment=", "counted-by=";
// empty lines and lines starting with "#" are skipped.
void readCountFile(TCashCountInput &input, const QString &path, const QList<TCountItem> &items)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TUsageError {
                TCli::tr("--count-file: %1 cannot be read: %2").arg(path, file.errorString())};
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString where = QStringLiteral("%1:%2").arg(path).arg(number);
        const qsizetype at = line.indexOf(QLatin1Char('='));
        const QString key = at > 0 ? line.left(at).trimmed().toLower() : QString();
        const QString value = line.mid(at + 1).trimmed();
        if (key == QLatin1String("float"))
            input.openingFloat = amountOf(value, where);
        else if (key == QLatin1String("comment"))
            input.comment = value;
        else if (key == QLatin1String("counted-by"))
            input.countedBy = value;
        else
            addCount(input, line, where, items);
    }
    if (file.error() != QFileDevice::NoError)
        throw TUsageError {
                TCli::tr("--count-file: %1 cannot be read: %2").arg(path, file.errorString())};
}

} // namespace

bool countGiven(TArgs &args)
{
    return args.isSet(QStringLiteral("count")) || args.isSet(QStringLiteral("count-file"));
}

TCashCountInput countInput(TArgs &args, const QString &root, const QList<TCountItem> &items,
                           const QString &executingWaiter)
{
    TCashCountInput input;
    if (!countGiven(args)) {
        for (const char *option : {"float", "comment", "counted-by", "tolerance"}) {
            if (args.isSet(QLatin1String(option)))
                throw TUsageError {TCli::tr("%1 needs --count or --count-file")
                                           .arg(TArgs::optionText(QLatin1String(option)))};
        }
        return input;
    }
    if (args.isSet(QStringLiteral("count-file")))
        readCountFile(input, args.filePath(QStringLiteral("count-file")), items);
    for (const QString &entry : args.texts(QStringLiteral("count")))
        addCount(input, entry, QStringLiteral("--count"), items);
    if (args.isSet(QStringLiteral("float")))
        input.openingFloat
                = amountOf(args.text(QStringLiteral("float")), QStringLiteral("--float"));
    if (input.openingFloat < 0)
        throw TUsageError {TCli::tr("--float: the opening float cannot be negative")};
    if (args.isSet(QStringLiteral("comment")))
        input.comment = args.text(QStringLiteral("comment"));
    if (args.isSet(QStringLiteral("counted-by")))
        input.countedBy = args.text(QStringLiteral("counted-by"));
    if (input.countedBy.trimmed().isEmpty())
        input.countedBy = executingWaiter;
    input.tolerance = cashTolerance(root);
    if (args.isSet(QStringLiteral("tolerance"))) {
        input.tolerance
                = amountOf(args.text(QStringLiteral("tolerance")), QStringLiteral("--tolerance"));
        if (input.tolerance < 0)
            throw TUsageError {TCli::tr("--tolerance cannot be negative")};
    }
    if (input.counted.isEmpty())
        throw TUsageError {TCli::tr("the count names no payment form or currency")};
    return input;
}
