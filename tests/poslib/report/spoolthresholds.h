#pragma once

#include "treportnodebase.h"
#include "treppaynodes.h"
#include "treptables.h"

// Sets how many table rows, leaves and rows of pays in currencies a node
// holds before it writes them to a temporary file, and gives back the
// thresholds it found when it ends, also when a failed assertion leaves the
// test early: the tests after it keep the program's own thresholds.
class SpoolThresholds
{
public:
    SpoolThresholds()
        : m_rows(PosLib::TRepTables::spoolRows())
        , m_leaves(PosLib::TReportNode::spoolLeaves())
        , m_payRows(PosLib::TRepPayforms::spoolRows())
    { }
    ~SpoolThresholds() { restore(); }
    SpoolThresholds(const SpoolThresholds &) = delete;
    SpoolThresholds &operator=(const SpoolThresholds &) = delete;

    static void rows(int n) { PosLib::TRepTables::setSpoolRows(n); }
    static void leaves(int n) { PosLib::TReportNode::setSpoolLeaves(n); }
    static void payRows(int n) { PosLib::TRepPayforms::setSpoolRows(n); }
    // table rows and leaves
    static void both(int n)
    {
        rows(n);
        leaves(n);
    }
    // table rows, leaves and rows of pays
    static void all(int n)
    {
        both(n);
        payRows(n);
    }
    void restore() const
    {
        rows(m_rows);
        leaves(m_leaves);
        payRows(m_payRows);
    }

private:
    const int m_rows;
    const int m_leaves;
    const int m_payRows;
};
