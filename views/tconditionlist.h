#pragma once

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// The rows of one page of the filter dialog: a filter condition shown one
// item a row, in the columns attribute, comparison and value. The first
// item of every alternative after the first reads "OR: ", every further
// item of an alternative "AND: ". Each row keeps its item text, so the
// condition read back is exactly what was shown.
class TConditionList
{
public:
    explicit TConditionList(QTreeWidget *view);

    QTreeWidget *view() const { return m_view; }

    // Shows a condition (replacing the rows).
    void setCondition(const QString &condition);
    // The condition of the rows: alternatives joined by "|", items by "&".
    QString condition() const;

    // Appends a condition's alternatives after the existing ones.
    void appendAlternatives(const QString &condition);
    // Adds an item to the alternative of `after`, right behind it; without
    // a row to go behind, the item starts a new alternative at the end.
    // Returns the new row.
    QTreeWidgetItem *addItem(const QString &item, QTreeWidgetItem *after);
    // Replaces the item of a row.
    void setItem(QTreeWidgetItem *row, const QString &item);
    // Removes a row; the next item of its alternative then starts it.
    void removeRow(QTreeWidgetItem *row);

    static QString itemOf(const QTreeWidgetItem *row);
    static bool startsAlternative(const QTreeWidgetItem *row);
    // The comparison word of an operator: "less", "greater", "equal",
    // "unequal" (translated in the context "TSumFilterDlg").
    static QString comparisonWord(QChar op);

    // Sets the row texts again (prefixes, captions; after a language
    // change or a change of the rows).
    void refresh();

private:
    QTreeWidgetItem *newRow(int index, const QString &item, bool starts);

    QTreeWidget *m_view;
};
