#include "treportrenderer.h"

#include <QDate>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace PrintEngine {

namespace {

const QString RefTable = QStringLiteral("ref_table");

bool readNumber(const QString &text, double &value)
{
    bool ok = false;
    value = text.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok;
}

// 1.5 -> "1.5", 2 -> "2", 0.125 -> "0.125" (three decimals at most).
QString plainNumber(double value)
{
    QString text = QString::number(value, 'f', 3);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString escaped(const QString &text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return html;
}

// Group keys in ascending order: as numbers when all of them are numbers,
// else as text ignoring case.
void sortKeys(QStringList &keys)
{
    bool numeric = true;
    for (const QString &key : keys) {
        double v;
        if (!readNumber(key, v)) {
            numeric = false;
            break;
        }
    }
    std::stable_sort(keys.begin(), keys.end(), [numeric](const QString &a, const QString &b) {
        if (numeric) {
            double x = 0;
            double y = 0;
            readNumber(a, x);
            readNumber(b, y);
            return x < y;
        }
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
}

} // namespace

QString formatValue(const QString &text, const QString &format)
{
    if (format.isEmpty())
        return text;
    double value = 0;
    if (format.startsWith(QLatin1String("money"))) {
        if (!readNumber(text, value))
            return text;
        // cents, rounded half up: 1234.5 -> 1235 -> "12.35"
        const qint64 cents = qint64(std::floor(value + 0.5));
        const QChar mark = format.size() > 5 ? format.at(5) : QLatin1Char('.');
        const qint64 whole = (cents < 0 ? -cents : cents) / 100;
        const qint64 part = (cents < 0 ? -cents : cents) % 100;
        return QStringLiteral("%1%2%3%4")
                .arg(cents < 0 ? QStringLiteral("-") : QString())
                .arg(whole)
                .arg(mark)
                .arg(part, 2, 10, QLatin1Char('0'));
    }
    if (format == QLatin1String("count"))
        return readNumber(text, value) ? plainNumber(value) : text;
    if (format == QLatin1String("date")) {
        QDate day = QDate::fromString(text.trimmed(), Qt::ISODate);
        if (!day.isValid())
            day = QDate::fromString(text.trimmed(), QStringLiteral("yyyyMMdd"));
        return day.isValid() ? day.toString(QStringLiteral("dd.MM.yyyy")) : text;
    }
    return text;
}

bool isTrue(const QString &text)
{
    const QString t = text.trimmed().toLower();
    return !t.isEmpty() && t != QLatin1String("no") && t != QLatin1String("false")
           && t != QLatin1String("off") && t != QLatin1String("0");
}

TReportRenderer::TReportRenderer(const TReportData &data, const QHash<QString, QString> &parameters,
                                 const QHash<QString, QString> &texts)
    : m_data(data)
    , m_parameters(parameters)
    , m_texts(texts)
{ }

QString TReportRenderer::render(const QList<TTemplateNode> &nodes)
{
    const Scope top;
    QString out;
    renderNodes(nodes, top, out);
    return out;
}

void TReportRenderer::renderNodes(const QList<TTemplateNode> &nodes, const Scope &scope,
                                  QString &out)
{
    for (const TTemplateNode &node : nodes) {
        switch (node.kind) {
        case TTemplateNode::Text:
            out += node.text;
            break;
        case TTemplateNode::Value:
            out += valueText(node.placeholder, scope);
            break;
        case TTemplateNode::Section:
            renderSection(node, scope, out);
            break;
        case TTemplateNode::If:
            renderNodes(holds(node, scope) != node.negate ? node.children : node.otherwise, scope,
                        out);
            break;
        }
    }
}

void TReportRenderer::renderSection(const TTemplateNode &node, const Scope &scope, QString &out)
{
    const TDataList *list = m_data.list(node.list);
    if (!list)
        return;
    QVector<int> rows = expand(node.list, rowsOf(scope, node.list));
    // where a=1 b!=2: every condition holds
    if (!node.where.isEmpty()) {
        QVector<int> kept;
        for (int row : std::as_const(rows)) {
            const bool keep
                    = std::all_of(node.where.begin(), node.where.end(), [&](const TCondition &c) {
                          return (list->value(row, c.field) == c.value) == c.equal;
                      });
            if (keep)
                kept.append(row);
        }
        rows = kept;
    }

    const int refColumn = list->column(RefTable);
    auto enter = [&](const QVector<int> &kept) {
        Scope inner;
        inner.parent = &scope;
        inner.list = node.list;
        inner.rows = kept;
        inner.linked = refColumn >= 0;
        if (inner.linked) {
            for (int row : kept)
                inner.refs.append(list->value(row, refColumn));
        }
        renderNodes(node.children, inner, out);
    };

    if (node.groupBy.isEmpty()) {
        for (int row : std::as_const(rows))
            enter({row});
        return;
    }
    const int byColumn = list->column(node.groupBy);
    QHash<QString, QVector<int>> groups;
    QStringList keys;
    for (int row : std::as_const(rows)) {
        const QString key = list->value(row, byColumn);
        auto it = groups.find(key);
        if (it == groups.end()) {
            keys.append(key);
            it = groups.insert(key, {});
        }
        it->append(row);
    }
    sortKeys(keys);
    for (const QString &key : std::as_const(keys))
        enter(groups.value(key));
}

TReportRenderer::Rows TReportRenderer::rowsOf(const Scope &scope, const QString &list) const
{
    if (!scope.parent)
        return Rows();
    if (scope.list == list) {
        Rows own;
        own.all = false;
        own.rows = scope.rows;
        return own;
    }
    auto cached = scope.cache.constFind(list);
    if (cached != scope.cache.constEnd())
        return cached.value();

    Rows outer = rowsOf(*scope.parent, list);
    const TDataList *data = m_data.list(list);
    if (!scope.linked || !data || data->column(RefTable) < 0) {
        scope.cache.insert(list, outer);
        return outer;
    }
    // the records of the list that belong to the section's tables
    const QHash<QString, QVector<int>> &index = refIndex(list);
    QVector<int> linked;
    QSet<QString> seen;
    for (const QString &ref : scope.refs) {
        if (seen.contains(ref))
            continue;
        seen.insert(ref);
        linked += index.value(ref);
    }
    std::sort(linked.begin(), linked.end());
    Rows narrowed;
    narrowed.all = false;
    if (outer.all) {
        narrowed.rows = linked;
    } else {
        std::set_intersection(linked.begin(), linked.end(), outer.rows.begin(), outer.rows.end(),
                              std::back_inserter(narrowed.rows));
    }
    scope.cache.insert(list, narrowed);
    return narrowed;
}

QVector<int> TReportRenderer::expand(const QString &list, const Rows &rows) const
{
    if (!rows.all)
        return rows.rows;
    QVector<int> every;
    if (const TDataList *data = m_data.list(list)) {
        every.reserve(data->count());
        for (int i = 0; i < data->count(); ++i)
            every.append(i);
    }
    return every;
}

const QHash<QString, QVector<int>> &TReportRenderer::refIndex(const QString &list) const
{
    auto it = m_refIndex.find(list);
    if (it != m_refIndex.end())
        return it.value();
    QHash<QString, QVector<int>> index;
    if (const TDataList *data = m_data.list(list)) {
        const int column = data->column(RefTable);
        for (int row = 0; row < data->count(); ++row)
            index[data->value(row, column)].append(row);
    }
    return m_refIndex.insert(list, index).value();
}

bool TReportRenderer::holds(const TTemplateNode &node, const Scope &scope) const
{
    if (node.countList)
        return !expand(node.condition, rowsOf(scope, node.condition)).isEmpty();
    const int dot = node.condition.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        return isTrue(fieldValue(scope, node.condition.left(dot), node.condition.mid(dot + 1)));
    return isTrue(m_parameters.value(node.condition));
}

QString TReportRenderer::fieldValue(const Scope &scope, const QString &list,
                                    const QString &field) const
{
    const TDataList *data = m_data.list(list);
    if (!data)
        return QString();
    const Rows rows = rowsOf(scope, list);
    if (rows.all)
        return data->value(0, field);
    return rows.rows.isEmpty() ? QString() : data->value(rows.rows.first(), field);
}

QString TReportRenderer::sum(const Scope &scope, const QString &list, const QString &field,
                             const QString &format) const
{
    const TDataList *data = m_data.list(list);
    double total = 0;
    if (data) {
        const int column = data->column(field);
        for (int row : expand(list, rowsOf(scope, list))) {
            double value = 0;
            if (readNumber(data->value(row, column), value))
                total += value;
        }
    }
    const QString text = plainNumber(total);
    return format.isEmpty() ? text : formatValue(text, format);
}

QString TReportRenderer::valueText(const TPlaceholder &placeholder, const Scope &scope) const
{
    switch (placeholder.kind) {
    case TPlaceholder::Parameter:
        return escaped(formatValue(m_parameters.value(placeholder.name), placeholder.format));
    case TPlaceholder::Field:
        return escaped(formatValue(fieldValue(scope, placeholder.name, placeholder.field),
                                   placeholder.format));
    case TPlaceholder::Sum:
        return escaped(sum(scope, placeholder.name, placeholder.field, placeholder.format));
    case TPlaceholder::Count:
        return QString::number(expand(placeholder.name, rowsOf(scope, placeholder.name)).size());
    case TPlaceholder::LanguageText:
        return escaped(m_texts.value(placeholder.name, placeholder.name));
    case TPlaceholder::PageNumber:
        return placeholder.text;
    }
    return QString();
}

} // namespace PrintEngine
