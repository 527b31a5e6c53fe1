#pragma once

#include "tpaidtablesdoc.h"

#include <QPointer>

class QToolButton;
class TVeltrum;

// The range statistics: the reports document over a date range that the
// user chooses when the document is first shown ("Select date range...");
// the range button of the selection row (and "File › New") chooses another.
// Registered as "aswvariable".
class TVariableDoc : public TPaidTablesDoc
{
    Q_OBJECT
public:
    TVariableDoc(TVeltrum *module, TOffWindow *window);
    ~TVariableDoc() override;

    QString caption() const override;
    TVeltrum *module() const { return m_module; }

    // Builds the selection row; the first time, asks for the range.
    void onSelection() override;
    // The range as the row shows it: "1 Dec 2026 - 5 Dec 2026" (in the
    // window's language), "No range chosen" without one.
    QString rangeText() const;
    // The row's button that shows the range and chooses another.
    QToolButton *rangeButton() const { return m_rangeButton; }

public Q_SLOTS:
    // Asks for the date range; a cancelled dialog keeps the previous one.
    void onNew() override;

protected:
    void addRowTools() override;

private:
    TVeltrum *m_module;
    bool m_asked = false;
    QPointer<QToolButton> m_rangeButton;
};
