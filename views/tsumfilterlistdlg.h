#pragma once

#include "tsumfilterlistbase.h"

#include <QList>

namespace Basics {
class TValueList;
}

// The range selection of the filter dialog: the records of a list (waiters,
// tables, articles, …), of which the user selects any number. The
// selected numbers become a condition on one attribute (see
// PosLib::rangeCondition): of the table itself while "For table entry" is
// unchecked, else of the entries of the kind chosen there.
class TSumFilterListDlg : public TSumFilterListBase
{
    Q_OBJECT
public:
    // `records` may be null (no list: nothing to select). `entryKind` is
    // the kind preselected in "For table entry" (3 article order … 8 table
    // archived), 0 leaves the group unchecked: the table itself.
    TSumFilterListDlg(Basics::TValueList *records, const QString &title, const QString &attribute,
                      int entryKind, QWidget *parent = nullptr);
    ~TSumFilterListDlg() override;

    QString attribute() const { return m_attribute; }
    // 0 for the table, else the entry kind chosen.
    int kind() const;
    void setKind(int kind);
    // The numbers of the selected records, in list order.
    QList<int> selectedIds() const;
    // Selects the records with these numbers (and no others).
    void select(const QList<int> &ids);
    // The condition of the selection; empty without one.
    QString condition() const;

public Q_SLOTS:
    void onHelp() override;

private:
    QString m_attribute;
};
