#pragma once

#include "tsumfiltertestbase.h"

#include "filterprobe.h"
#include "tsumfilter.h"

#include <QStringList>

class QPlainTextEdit;
class TOffWorkspace;

namespace Basics {
class TValue;
}

// Tests a summary filter, as it stands in the filter dialog, on the
// current business day: "Start" looks at the open and paid tables of the
// day that match the selection of the two pages (cost center, waiter,
// table, article, family, payment form; "None" selects nothing) and shows
// how many of them the table condition keeps, how many of their entries
// the entry condition keeps, and a kept and a dropped table or two as
// examples. "&Script..." shows the filter's two conditions as stored.
class TSumFilterTest : public TSumFilterTestBase
{
    Q_OBJECT
public:
    TSumFilterTest(const PosLib::TSumFilter &filter, TOffWorkspace *workspace,
                   QWidget *parent = nullptr);
    ~TSumFilterTest() override;

    // The selection as a record: "center", "waiter", "table", "article",
    // "family", "payform" for each box whose choice is not "None".
    Basics::TValue selection() const;
    // The result of the last "Start" and its lines as shown.
    const PosLib::TFilterProbe &probe() const { return m_probe; }
    QStringList resultLines() const { return m_lines; }
    // The text "&Script..." shows.
    QString script() const;

public Q_SLOTS:
    void onHelp() override;
    void onStart() override;
    void onView() override;

protected Q_SLOTS:
    void languageChange() override;

private:
    void fillBoxes();
    QString describe(const PosLib::TFilterProbe::Table &table, bool kept) const;

    PosLib::TSumFilter m_filter;
    TOffWorkspace *m_workspace;
    QPlainTextEdit *m_Result;
    PosLib::TFilterProbe m_probe;
    QStringList m_lines;
};
