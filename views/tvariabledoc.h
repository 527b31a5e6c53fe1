#pragma once

#include "tpaidtablesdoc.h"

class TVeltrum;

// The range statistics: the reports document over a date range that the
// user chooses each time the document is opened ("Select date range...",
// also from "File › New"). Registered as "aswvariable".
class TVariableDoc : public TPaidTablesDoc
{
    Q_OBJECT
public:
    TVariableDoc(TVeltrum *module, TOffWindow *window);
    ~TVariableDoc() override;

    QString caption() const override;
    TVeltrum *module() const { return m_module; }

    // Builds the selection row, then asks for the range.
    void onSelection() override;

public Q_SLOTS:
    // Asks for the date range; a cancelled dialog keeps the previous one.
    void onNew() override;

private:
    TVeltrum *m_module;
};
