#pragma once

#include "tdlgoptauswbase.h"

class TOffWorkspace;

// The reporting options: the start of the gastronomic day, kept in the
// installation's "globals.ini" ("dayoffs" in "Settings", hours * 100 +
// minutes) and taken over by the running back office; the default report
// and filter and the two default flags of the reports document; and the
// reports the report selection offers, stored as the numbers of those left
// out. Each is changed only where the user has the right for its element.
class TDlgOptAusw : public TDlgOptAuswBase
{
    Q_OBJECT
public:
    // The report numbers 1 to 42 and their names (translated in the
    // context "TDlgOptAusw").
    static QString reportName(int number);
    static constexpr int ReportCount = 42;

    explicit TDlgOptAusw(TOffWorkspace *workspace, QWidget *parent = nullptr);
    ~TDlgOptAusw() override;

    // The start of the day as the field shows it: hours * 100 + minutes.
    int dayOffset() const;
    // The numbers of the reports left unchecked, as decimal texts.
    QStringList disabledReports() const;

public Q_SLOTS:
    // Writes "globals.ini", then the configuration; a file that cannot be
    // written is reported and keeps the dialog open.
    void accept() override;
    void onHelp() override;

protected Q_SLOTS:
    void languageChange() override;

private:
    void fill();
    void fillReports(const QStringList &disabled);
    void fillFilters(int current);

    TOffWorkspace *m_workspace;
};
