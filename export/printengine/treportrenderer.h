#pragma once

#include "treportdata.h"
#include "treporttemplate.h"

#include <QHash>
#include <QString>
#include <QVector>

namespace PrintEngine {

// The text of a value in a format of the design: "money" reads cents and
// writes units with two decimals ("-1234" -> "-12.34"; "money," takes a
// comma as the decimal mark), rounding half up; "count" drops trailing
// zeros ("1.500" -> "1.5"); "date" writes "yyyy-MM-dd" and "yyyyMMdd" as
// "dd.MM.yyyy". Text that does not read as the format asks stays as it is.
QString formatValue(const QString &text, const QString &format);
// True for a non-empty text other than "no", "false", "off" and "0" (any
// case): what @if tests.
bool isTrue(const QString &text);

// Fills a design with parameter values and the records of the lists, into
// HTML. Values are HTML-escaped, line breaks become <br>.
//
// Scope: at the top every record of every list is in scope. A section over
// a list repeats its body per record (or per group of records with equal
// "by" field, in ascending order of that field), and inside it that list's
// scope is the record (or group). Every other list that has a "ref_table"
// column is narrowed with it to the records whose "ref_table" is one of the
// section's, so that orders inside a section over tables are the orders of
// that table; lists without "ref_table" ("infos") stay as they are. A field
// placeholder reads the first record in scope, a sum adds the field over
// the records in scope.
class TReportRenderer
{
public:
    TReportRenderer(const TReportData &data, const QHash<QString, QString> &parameters,
                    const QHash<QString, QString> &texts);

    QString render(const QList<TTemplateNode> &nodes);

private:
    // Records of a list in scope, ascending; `all` stands for every record.
    struct Rows
    {
        bool all = true;
        QVector<int> rows;
    };
    // One level of sections: the list it narrowed and the records it kept,
    // with their "ref_table" values.
    struct Scope
    {
        const Scope *parent = nullptr;
        QString list;
        QVector<int> rows;
        bool linked = false; // the list has "ref_table"
        QVector<QString> refs;
        mutable QHash<QString, Rows> cache;
    };

    void renderNodes(const QList<TTemplateNode> &nodes, const Scope &scope, QString &out);
    void renderSection(const TTemplateNode &node, const Scope &scope, QString &out);
    Rows rowsOf(const Scope &scope, const QString &list) const;
    QVector<int> expand(const QString &list, const Rows &rows) const;
    bool holds(const TTemplateNode &node, const Scope &scope) const;
    QString fieldValue(const Scope &scope, const QString &list, const QString &field) const;
    QString sum(const Scope &scope, const QString &list, const QString &field,
                const QString &format) const;
    QString valueText(const TPlaceholder &placeholder, const Scope &scope) const;
    const QHash<QString, QVector<int>> &refIndex(const QString &list) const;

    const TReportData &m_data;
    QHash<QString, QString> m_parameters;
    QHash<QString, QString> m_texts;
    mutable QHash<QString, QHash<QString, QVector<int>>> m_refIndex;
};

} // namespace PrintEngine
