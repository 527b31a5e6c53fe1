#pragma once

#include "toffdatadoc.h"

#include <QPointer>

#include <memory>

class QTreeWidgetItem;
class TOffListView;

namespace PosLib {
class TOpenTablesList;
struct TListRow;
} // namespace PosLib

// The tables open on the terminals: one row per table (number, party,
// amount, waiter, waiter name, table name) with its creation data, its
// payments and its orders below it. Expanding one table expands all; the
// status line counts the tables and sums their amounts.
class TOpenTablesDoc : public TOffDataDoc
{
    Q_OBJECT
public:
    explicit TOpenTablesDoc(TOffWindow *window);
    ~TOpenTablesDoc() override;

    QString caption() const override;
    QStringList columns() const override;
    QWidget *createView(QWidget *parent) override;
    void fill() override;
    void onSelection() override;
    // Empty before the first fill, then "%1 tables (%2 %3)".
    QString getInformation() const override;
    void printHeader(QPainter &painter, QRect &area, int page) override;

    bool isLoaded() const { return m_loaded; }
    int tableCount() const { return m_count; }
    long tableSum() const { return m_sum; }

public Q_SLOTS:
    // Tool row, titles and the tables' rows in the new language (the
    // tables are read again, as with F5).
    void languageChange() override;
    void setColumnTexts(TOffListView *list);
    void onRefresh();
    void fillData(TOffListView *list);
    void tableExpanded(QTreeWidgetItem *item);

private:
    void connectExpanded(TOffListView *list, bool on);

    bool m_loaded = false;
    int m_count = 0;
    long m_sum = 0;
    QString m_status;
};
