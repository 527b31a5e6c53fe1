#include "conditiontext.h"

#include "tsumfilter.h"

#include <QCoreApplication>
#include <QDate>
#include <QTime>

#include <algorithm>

namespace PosLib {

namespace {

// The texts of this file, translated in the context "TSumFilter".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TSumFilter)
};

QString itemText(int kind, const QString &attribute, QChar op, qint64 value)
{
    TConditionItem item;
    item.kind = kind;
    item.attribute = attribute;
    item.op = op;
    item.value = QString::number(value);
    return item.text();
}

} // namespace

QString TConditionItem::text() const
{
    return QStringLiteral("%1:%2:%3:%4").arg(kind).arg(attribute, QString(op), value);
}

bool TConditionItem::parse(const QString &text, TConditionItem &item)
{
    const QStringList fields = text.split(u':', Qt::SkipEmptyParts);
    if (fields.size() < 3)
        return false;
    bool ok = false;
    const int kind = fields.at(0).trimmed().toInt(&ok);
    if (!ok)
        return false;
    item.kind = kind;
    item.attribute = fields.at(1);
    item.op = fields.at(2).at(0);
    item.value = fields.size() > 3 ? QStringList(fields.mid(3)).join(u':') : QString();
    return true;
}

QList<QStringList> conditionAlternatives(const QString &condition)
{
    QList<QStringList> alternatives;
    for (const QString &part : condition.split(u'|', Qt::SkipEmptyParts)) {
        QStringList items;
        for (const QString &item : part.split(u'&', Qt::SkipEmptyParts))
            if (!item.trimmed().isEmpty())
                items.append(item);
        if (!items.isEmpty())
            alternatives.append(items);
    }
    return alternatives;
}

QString joinAlternatives(const QList<QStringList> &alternatives)
{
    QStringList parts;
    for (const QStringList &items : alternatives)
        if (!items.isEmpty())
            parts.append(items.join(u'&'));
    return parts.join(u'|');
}

QString appendAlternative(const QString &condition, const QString &alternative)
{
    if (alternative.isEmpty())
        return condition;
    if (condition.isEmpty())
        return alternative;
    return condition + u'|' + alternative;
}

QString rangeCondition(int kind, const QString &attribute, QList<int> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    QStringList parts;
    for (qsizetype i = 0; i < numbers.size();) {
        // the run of consecutive numbers starting at i
        qsizetype end = i + 1;
        while (end < numbers.size() && qint64(numbers.at(end)) == qint64(numbers.at(end - 1)) + 1)
            ++end;
        const qint64 low = numbers.at(i);
        const qint64 high = numbers.at(end - 1);
        if (low == high)
            parts.append(itemText(kind, attribute, u'=', low));
        else
            parts.append(itemText(kind, attribute, u'>', low - 1) + u'&'
                         + itemText(kind, attribute, u'<', high + 1));
        i = end;
    }
    return parts.join(u'|');
}

QString checkConditionItem(const TConditionItem &item)
{
    if (item.kind < -1)
        return Text::tr("There is no record kind %1.").arg(item.kind);
    if (item.attribute.trimmed().isEmpty())
        return Text::tr("The item has no attribute.");
    if (item.attribute.contains(u'|') || item.attribute.contains(u'&')
        || item.attribute.contains(u':'))
        return Text::tr("The attribute \"%1\" may not contain \"|\", \"&\" or \":\".")
                .arg(item.attribute);
    if (item.value.contains(u'|') || item.value.contains(u'&'))
        return Text::tr("The value \"%1\" may not contain \"|\" or \"&\".").arg(item.value);
    if (item.op != u'<' && item.op != u'>' && item.op != u'=' && item.op != u'!')
        return Text::tr("\"%1\" is no comparison.").arg(item.op);
    const QString caption = TSumFilter::attributeCaption(item.kind, item.attribute);
    if (item.attribute == QLatin1String("date")
        && !QDate::fromString(item.value, QStringLiteral("yyyyMMdd")).isValid())
        return Text::tr("The value \"%1\" of \"%2\" is no date.").arg(item.value, caption);
    if (item.attribute == QLatin1String("time")
        && !QTime::fromString(item.value, QStringLiteral("hhmmss")).isValid())
        return Text::tr("The value \"%1\" of \"%2\" is no time.").arg(item.value, caption);
    if (item.op == u'<' || item.op == u'>') {
        bool number = false;
        item.value.trimmed().toDouble(&number);
        if (!number)
            return Text::tr("\"%1\" cannot be compared as less or greater: \"%2\" is no number.")
                    .arg(caption, item.value);
    }
    return QString();
}

QString checkCondition(const QString &condition)
{
    for (const QStringList &items : conditionAlternatives(condition)) {
        for (const QString &text : items) {
            TConditionItem item;
            if (!TConditionItem::parse(text, item))
                return Text::tr("\"%1\" is no filter item (kind:attribute:comparison:value).")
                        .arg(text);
            const QString problem = checkConditionItem(item);
            if (!problem.isEmpty())
                return problem;
        }
    }
    return QString();
}

} // namespace PosLib
