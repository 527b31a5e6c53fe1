#pragma once

#include "tturnoverdlgbase.h"

#include <QCalendarWidget>
#include <QDate>
#include <QPointer>

namespace Basics {
class TValue;
class TValueList;
} // namespace Basics

// The day turnover dialog: "Not specified" closes the whole day, a waiter
// only that waiter's tables; "To date" is the business day to close, typed
// or picked from the calendar under the date field.
class TTurnOverDlg : public TTurnOverDlgBase
{
    Q_OBJECT
public:
    // `waiters` is the workspace's "waiters" list (may be null); not owned.
    TTurnOverDlg(Basics::TValueList *waiters, const QDate &date, QWidget *parent = nullptr);
    ~TTurnOverDlg() override;

    QDate date() const;
    // The waiter record whose number starts the current entry; null for
    // "Not specified", an empty entry or a number that is no waiter.
    Basics::TValue *waiter() const;

    // The calendar while it is up; null otherwise.
    QCalendarWidget *datePicker() const { return m_picker; }

public Q_SLOTS:
    void onHelp() override;
    void languageChange() override;
    // Opens the calendar under the date field.
    void onDate();

private:
    void fillWaiters();

    Basics::TValueList *m_waiters;
    QPointer<QCalendarWidget> m_picker;
};
