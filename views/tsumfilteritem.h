#pragma once

#include "tsumfilteritembase.h"

class QCheckBox;

// The filter item editor: the record kind (0 "Table" to 5 "Payment"), the
// attribute of that kind, the comparison and the value, typed as text or,
// for "date" and "time", picked as a date or a time. The item it gives is
// kind:attribute:operator:value with dates as "yyyyMMdd" and times as
// "hhmmss". OK refuses an item that cannot be compared.
class TSumFilterItem : public TSumFilterItemBase
{
    Q_OBJECT
public:
    // Shows `item` (a new item on the table header when empty).
    explicit TSumFilterItem(const QString &item = QString(), QWidget *parent = nullptr);
    ~TSumFilterItem() override;

    // The item as the fields show it.
    QString item() const;
    // Shows an item; kinds and attributes the lists do not offer are
    // added to them, so that editing keeps them.
    void setItem(const QString &item);

    int kind() const;
    QString attribute() const;
    // Selects the kind and attribute (by key) in the boxes.
    bool selectKind(int kind);
    bool selectAttribute(const QString &key);
    // Selects the comparison by operator ("<", ">", "=", "!").
    bool selectComparison(QChar op);

    // Offers the choice to add the item as an alternative to the others
    // (OR) instead of together with them (AND); off by default.
    void offerAlternative(bool offer);
    bool newAlternative() const;

    QCheckBox *m_Alternative;

public Q_SLOTS:
    void accept() override;
    void onList(int index) override;
    void onEntry(const QString &text) override;
    void onHelp() override;

protected Q_SLOTS:
    void languageChange() override;

private:
    void fillKinds();
    void fillAttributes(const QString &keep = QString());
    void fillComparisons();
    QString value() const;
};
