#pragma once

#include "toffdatadoc.h"
#include "tofflistitem.h"
#include "twaitertimes.h"

#include "tcombobox.h"
#include "tdatepicker.h"

#include <QCheckBox>
#include <QDate>
#include <QDateTime>
#include <QPointer>
#include <QToolButton>

class TOffListView;

// How long each waiter was logged on: one row per waiter with the total
// over the chosen days, under it one row per logon period. The tool row
// restricts the list to one waiter and to a from and a to date (each
// switched off by its check box: no bound); F5 fills the list again.
class TTimeControlsDoc : public TOffDataDoc
{
    Q_OBJECT
public:
    // A waiter's row: number, name, total duration. Sorts by number in
    // column 0 and by the total seconds in column 2.
    class TWaiterItem : public TOffListItem
    {
    public:
        TWaiterItem(TOffListView *view, QTreeWidgetItem *after, int waiter, const QString &name);
        int waiter() const { return m_waiter; }
        qint64 total() const { return m_total; }
        void addSeconds(qint64 seconds);
        QString key(int column) const override;

    private:
        int m_waiter;
        QString m_name;
        qint64 m_total = 0;
    };

    // A logon period: day, duration, logon and logoff time. Sorts by day in
    // column 0 and by date and time in columns 3 and 4.
    class TTimeItem : public QtWidgets::TListViewItem
    {
    public:
        TTimeItem(TWaiterItem *waiter, QTreeWidgetItem *after, const PosLib::TLogonSpan &span);
        const PosLib::TLogonSpan &span() const { return m_span; }
        QString key(int column) const override;

    private:
        PosLib::TLogonSpan m_span;
    };

    explicit TTimeControlsDoc(TOffWindow *window);
    ~TTimeControlsDoc() override;

    QString caption() const override;
    QStringList columns() const override;
    QWidget *createView(QWidget *parent) override;
    void fill() override;
    // Builds the tool row.
    void onSelection() override;

    // The waiter the list is restricted to, 0 for all.
    int waiterRestriction() const { return m_waiter; }
    // The bounds; invalid for none.
    QDate fromDate() const { return m_from; }
    QDate toDate() const { return m_to; }

    // The clock that running periods end at; the current time unless set
    // (an invalid time sets the current time again).
    QDateTime now() const;
    void setNow(const QDateTime &now) { m_now = now; }

    // The tool row's widgets while the document is selected, else null.
    QtWidgets::TComboBox *waiterBox() const { return m_waiterBox; }
    QCheckBox *fromBox() const { return m_fromBox; }
    QCheckBox *toBox() const { return m_toBox; }
    QtWidgets::TDatePicker *fromEdit() const { return m_fromEdit; }
    QtWidgets::TDatePicker *toEdit() const { return m_toEdit; }
    QToolButton *refreshButton() const { return m_refresh; }

public Q_SLOTS:
    // Tool row, titles and the waiters' rows in the new language (the
    // time controls are read again, as with F5).
    void languageChange() override;
    void setColumnTexts(TOffListView *list);
    void onRefresh();
    void onFromToggled(bool on);
    void onFromChanged(const QDate &date);
    void onToToggled(bool on);
    void onToChanged(const QDate &date);
    void fillData(TOffListView *list);

private:
    // Switches a bound's date edit on (with the remembered date) or off
    // (remembering its date); returns the bound: the edit's date or none.
    QDate toggleBound(QtWidgets::TDatePicker *edit, bool on, QDate &remembered);
    QString waiterName(int waiter);

    int m_waiter = 0;
    QDate m_from;
    QDate m_to;
    QDate m_fromRemembered;
    QDate m_toRemembered;
    QDateTime m_now;
    QPointer<QtWidgets::TComboBox> m_waiterBox;
    QPointer<QCheckBox> m_fromBox;
    QPointer<QCheckBox> m_toBox;
    QPointer<QtWidgets::TDatePicker> m_fromEdit;
    QPointer<QtWidgets::TDatePicker> m_toEdit;
    QPointer<QToolButton> m_refresh;
};
