#include "tsummarydatasink.h"

#include "tfigures.h"
#include "tsummaryitem.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>

namespace PosLib {

namespace {

// The compact JSON of one value, as it stands inside an array or object.
QByteArray compact(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray {value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// Figures that are counts, not amounts (for the CSV columns).
bool isCountFigure(const QString &name)
{
    TFigure figure;
    return figureOfKey(name, &figure) && figureIsCount(figure);
}

QJsonObject without(QJsonObject object, std::initializer_list<const char *> keys)
{
    for (const char *key : keys)
        object.remove(QLatin1String(key));
    return object;
}

} // namespace

void TSummaryDataSink::leafItem(const TSummaryItem &made)
{
    item(made.toJson());
}

void TSummaryDataSink::itemJson(const QByteArray &compact)
{
    item(QJsonDocument::fromJson(compact).object());
}

QString csvNumber(const QJsonValue &value)
{
    if (value.isDouble()) {
        const double d = value.toDouble();
        return double(qint64(d)) == d ? QString::number(qint64(d)) : QString::number(d, 'g', 15);
    }
    return value.toVariant().toString();
}

void replaySections(const QJsonObject &document, TSummaryDataSink &sink)
{
    const QJsonArray sections = document.value(QLatin1String("sections")).toArray();
    for (const QJsonValue &s : sections) {
        const QJsonObject section = s.toObject();
        sink.beginSection(without(section, {"periods"}));
        for (const QJsonValue &p : section.value(QLatin1String("periods")).toArray()) {
            const QJsonObject period = p.toObject();
            sink.beginPeriod(without(period, {"groups"}));
            for (const QJsonValue &g : period.value(QLatin1String("groups")).toArray()) {
                const QJsonObject group = g.toObject();
                sink.beginGroup(without(group, {"items", "sums"}));
                for (const QJsonValue &i : group.value(QLatin1String("items")).toArray())
                    sink.item(i.toObject());
                QJsonObject rest;
                if (group.contains(QLatin1String("sums")))
                    rest.insert(QLatin1String("sums"), group.value(QLatin1String("sums")));
                sink.endGroup(rest);
            }
            sink.endPeriod();
        }
        sink.endSection();
    }
}

TJsonFrame jsonFrame(QJsonObject fields, const QString &arrayKey)
{
    fields.insert(arrayKey, QJsonArray());
    const QByteArray bytes = QJsonDocument(fields).toJson(QJsonDocument::Compact);
    const QByteArray marker = compact(arrayKey) + ":[]";
    // the key among the object's own, outside texts and nested values
    int depth = 0;
    bool inText = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (inText) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inText = false;
            continue;
        }
        if (c == '"') {
            const char before = i > 0 ? bytes.at(i - 1) : '\0';
            if (depth == 1 && (before == '{' || before == ',')
                && bytes.mid(i, marker.size()) == marker) {
                const qsizetype split = i + marker.size() - 1;
                return {bytes.left(split), bytes.mid(split)};
            }
            inText = true;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return {bytes, QByteArray()}; // not reached: the key was inserted
}

TSummaryJsonWriter::TSummaryJsonWriter(QIODevice *spool)
    : m_spool(spool)
{
    m_counts << 0; // the sections
}

void TSummaryJsonWriter::put(const QByteArray &bytes)
{
    m_pending.append(bytes);
    // written in blocks: a year lists a few hundred thousand items
    if (m_pending.size() >= 64 * 1024)
        flush();
}

void TSummaryJsonWriter::flush()
{
    if (m_ok && !m_pending.isEmpty() && m_spool->write(m_pending) != m_pending.size())
        m_ok = false;
    // the block keeps its room for the next
    m_pending.resize(0);
}

void TSummaryJsonWriter::element()
{
    if (m_counts.last()++ > 0)
        put(",");
}

void TSummaryJsonWriter::open(const QJsonObject &fields, const QString &arrayKey)
{
    element();
    put(jsonFrame(fields, arrayKey).open);
    m_counts << 0;
}

void TSummaryJsonWriter::close(const QJsonObject &fields, const QString &arrayKey)
{
    if (m_counts.size() > 1)
        m_counts.removeLast();
    put(jsonFrame(fields, arrayKey).close);
}

void TSummaryJsonWriter::beginSection(const QJsonObject &section)
{
    m_section = section;
    open(section, QStringLiteral("periods"));
}

void TSummaryJsonWriter::beginPeriod(const QJsonObject &period)
{
    m_period = period;
    open(period, QStringLiteral("groups"));
}

void TSummaryJsonWriter::beginGroup(const QJsonObject &group)
{
    m_group = group;
    // the rows of this group's nodes come next
    m_items.forget();
    open(group, QStringLiteral("items"));
}

void TSummaryJsonWriter::item(const QJsonObject &item)
{
    element();
    put(QJsonDocument(item).toJson(QJsonDocument::Compact));
}

void TSummaryJsonWriter::leafItem(const TSummaryItem &item)
{
    element();
    m_items.append(m_pending, item);
    if (m_pending.size() >= 64 * 1024)
        flush();
}

void TSummaryJsonWriter::itemJson(const QByteArray &compact)
{
    element();
    put(compact);
}

void TSummaryJsonWriter::endGroup(const QJsonObject &rest)
{
    // what follows the items sorts after them, so the group opened as it
    // would have with these fields
    QJsonObject group = m_group;
    for (auto it = rest.constBegin(); it != rest.constEnd(); ++it)
        group.insert(it.key(), it.value());
    close(group, QStringLiteral("items"));
}

void TSummaryJsonWriter::endPeriod()
{
    close(m_period, QStringLiteral("groups"));
}

void TSummaryJsonWriter::endSection()
{
    close(m_section, QStringLiteral("periods"));
    flush();
}

TSummaryCsvRows::TSummaryCsvRows(Row row)
    : m_row(std::move(row))
{ }

QStringList TSummaryCsvRows::header()
{
    return {QStringLiteral("kind"),     QStringLiteral("from"),   QStringLiteral("to"),
            QStringLiteral("grouping"), QStringLiteral("number"), QStringLiteral("name"),
            QStringLiteral("node"),     QStringLiteral("key"),    QStringLiteral("text"),
            QStringLiteral("count"),    QStringLiteral("amount")};
}

void TSummaryCsvRows::beginSection(const QJsonObject &section)
{
    m_kind = csvNumber(section.value(QLatin1String("kind")));
}

void TSummaryCsvRows::beginPeriod(const QJsonObject &period)
{
    m_from = period.value(QLatin1String("from")).toString();
    m_to = period.value(QLatin1String("to")).toString();
}

void TSummaryCsvRows::beginGroup(const QJsonObject &group)
{
    m_head = {m_kind,
              m_from,
              m_to,
              group.value(QLatin1String("grouping")).toString(),
              csvNumber(group.value(QLatin1String("number"))),
              group.value(QLatin1String("name")).toString()};
    m_figures = group.value(QLatin1String("figures")).toObject();
}

void TSummaryCsvRows::item(const QJsonObject &item)
{
    itemRow(item.value(QLatin1String("node")).toString(),
            item.value(QLatin1String("key")).toString(),
            item.value(QLatin1String("text")).toString(), item.value(QLatin1String("count")),
            item.value(QLatin1String("amount")));
}

void TSummaryCsvRows::leafItem(const TSummaryItem &item)
{
    // the columns without the leaf's values
    itemRow(item.node, item.keyText(), item.text(), item.count(), QJsonValue(item.amount()));
}

void TSummaryCsvRows::itemRow(const QString &node, const QString &key, const QString &text,
                              const QJsonValue &count, const QJsonValue &amount)
{
    m_row(m_head + QStringList {node, key, text, csvNumber(count), csvNumber(amount)});
}

void TSummaryCsvRows::endGroup(const QJsonObject &rest)
{
    const QJsonObject sums = rest.value(QLatin1String("sums")).toObject();
    for (auto it = sums.constBegin(); it != sums.constEnd(); ++it)
        m_row(m_head
              + QStringList {QStringLiteral("sums"), it.key(), QString(), QString(),
                             csvNumber(it.value())});
    for (auto it = m_figures.constBegin(); it != m_figures.constEnd(); ++it) {
        const bool count = isCountFigure(it.key());
        m_row(m_head
              + QStringList {QStringLiteral("figures"), it.key(), QString(),
                             count ? csvNumber(it.value()) : QString(),
                             count ? QString() : csvNumber(it.value())});
    }
}

} // namespace PosLib
