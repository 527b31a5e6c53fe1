#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QMap>
#include <QStringList>

#include <functional>

namespace PosLib {

class TSummary;
struct TComparedDays;

// The printed form of a comparison (comparisonDocument()): the summary's
// header with a line naming the compared days, then per group the report's
// items, sums and figures, each on one line with its count and amount, and
// beside each the difference to the compared days and the change in
// percent. Captions, widths and amounts are those of the summary writer it
// is given (etc/reports.ini, the system currency); docs/comparisons.md
// shows the layout.
class TComparisonText
{
    Q_DECLARE_TR_FUNCTIONS(TComparisonText)
public:
    explicit TComparisonText(const TSummary &summary);

    // The lines of `document` under `title`. A batch (`batch`) heads each
    // of its reports with its title and ends it with a line of '#', as the
    // batch report does.
    QStringList lines(const QString &title, const QJsonObject &document, bool batch) const;

    // "+20.0%", "-100.0%", "0.0%"; "new" when only the current period has
    // it, empty when neither has.
    static QString percentText(double current, double compared);
    // A count as the lists print it: whole, or with three decimals.
    static QString countText(double count);
    // The nodes whose items the lines read: every node but the full
    // summary's records of foreign-currency pays and returns and its cash
    // balances, which the compared text does not show.
    static QStringList nodesRead();
    // Of those, the lists of records whose items the lines only count: the
    // data may hold "records" with their number instead of the items.
    static QStringList nodesCounted();

private:
    struct Values
    {
        double current = 0;
        double compared = 0;
    };
    struct Label;
    // The label filled to the caption column (with '.' for a caption,
    // blanks for an item), then the count and the amount columns; a null
    // column stays empty.
    QString row(const QString &label, bool caption, const Values *count,
                const Values *amount) const;
    QString columnHeads() const;
    QStringList groupLines(int code, const QJsonObject &group) const;
    // The amounts of an item's line in both periods.
    using AmountOf = std::function<Values(const QJsonObject &item)>;
    // The item's amount and the compared one.
    static Values amounts(const QJsonObject &item);
    // A figure of the item's named values in both periods (0 where a
    // period has no such item).
    static Values valueSums(const QJsonObject &item,
                            const std::function<double(const QJsonObject &values)> &of);
    // A line per item, by key; their amounts `amountOf` (default amounts()).
    QStringList itemLines(const QList<QJsonObject> &items, const AmountOf &amountOf = {}) const;
    // What an item's line is called: its name and its number, if any.
    struct Label
    {
        QString name;
        QString number;
    };
    Label itemLabel(const QJsonObject &item) const;
    QStringList figureLines(const QJsonObject &group) const;
    QStringList fullSummaryLines(const QJsonObject &group) const;
    QStringList itemReportLines(int code, const QJsonObject &group) const;
    QString groupTitle(const QJsonObject &group) const;
    QString signedAmount(double cents) const;
    QString comparedLine(const QJsonObject &compared) const;

    const TSummary &m_summary;
};

} // namespace PosLib
