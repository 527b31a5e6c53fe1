#pragma once

#include "toffdatadoc.h"

#include "tcombobox.h"

#include <QPointer>

// The reports document. Not built yet: it takes the module's commands
// (report runs, journal, day turnover) and remembers the last one, so the
// routing can be seen, until the reports view replaces it.
class TPaidTablesDoc : public TOffDataDoc
{
    Q_OBJECT
    Q_PROPERTY(QString lastCommand READ lastCommand)
public:
    explicit TPaidTablesDoc(TOffWindow *window, const QString &key = QString());
    ~TPaidTablesDoc() override;

    QString caption() const override;

    // The report selector of the selection row; null while there is none.
    QtWidgets::TComboBox *reportSelector() const { return m_reports; }
    // The title of a report kind.
    QString title(int id) const;
    // Runs a report: side 1 per waiter, 0 per cost center; the summary
    // report code; the title; one report over all waiters.
    void report(int side, int code, const QString &title, bool overAll);

    // The last command taken, as "report <side> <code> <over all>",
    // "paidtables" or "turnover"; empty before the first.
    QString lastCommand() const { return m_lastCommand; }

public Q_SLOTS:
    void onTurnOver();
    void onPaidTables();

private:
    QPointer<QtWidgets::TComboBox> m_reports;
    QString m_lastCommand;
};
