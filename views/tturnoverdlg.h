#pragma once

#include "tturnoverdlgbase.h"

#include "tturnoverflow.h"

#include <QCalendarWidget>
#include <QDate>
#include <QDateTime>
#include <QPointer>

#include <memory>

class TClosingPanel;
namespace PosLib {
class TClosingPreview;
class TWorkspaceLists;
} // namespace PosLib

namespace Basics {
class TValue;
class TValueList;
} // namespace Basics

// The day turnover dialog: "Not specified" closes the whole day, a waiter
// only that waiter's tables; "To date" is the business day to close, typed
// or picked from the calendar under the date field. Given the installation
// (setInstallation()), it shows under them what the closing would do and
// the cash count (TClosingPanel), both again whenever day or waiter change;
// nothing is written until OK. OK refuses a closing that would be refused,
// asks when tables are open (naming them) and asks for a comment when the
// count differs beyond the tolerance.
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

    // Shows the preview and the count of the installation at `root`;
    // `countedBy` is who counts (the waiter logged in).
    void setInstallation(const QString &root, PosLib::TWorkspaceLists *lists,
                         const QString &countedBy, const QDateTime &now = QDateTime());
    TClosingPanel *panel() const { return m_panel; }
    // The preview shown; null without an installation.
    const PosLib::TClosingPreview *preview() const { return m_preview.get(); }
    // What was counted (after OK); empty when nothing was.
    PosLib::TCashCountInput countInput() const { return m_count; }
    // OK was given although tables are open.
    bool goesOnWithOpenTables() const { return m_goOn; }

    // Checks as OK does; true when the dialog may close.
    bool confirm();
    void accept() override;

public Q_SLOTS:
    void onHelp() override;
    void languageChange() override;
    // Opens the calendar under the date field.
    void onDate();
    // Reads the preview again for the chosen day and waiter.
    void refreshPreview();

private:
    void fillWaiters();

    Basics::TValueList *m_waiters;
    QPointer<QCalendarWidget> m_picker;
    TClosingPanel *m_panel = nullptr;
    QString m_root;
    PosLib::TWorkspaceLists *m_lists = nullptr;
    QDateTime m_now;
    std::unique_ptr<PosLib::TClosingPreview> m_preview;
    PosLib::TCashCountInput m_count;
    bool m_goOn = false;
};
