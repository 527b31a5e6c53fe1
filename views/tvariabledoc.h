#pragma once

#include "tpaidtablesdoc.h"

class TVeltrum;

// The range statistics: the reports document over a chosen date range,
// registered as "aswvariable". Not built yet beyond its base.
class TVariableDoc : public TPaidTablesDoc
{
    Q_OBJECT
public:
    TVariableDoc(TVeltrum *module, TOffWindow *window);
    ~TVariableDoc() override;

    QString caption() const override;
    TVeltrum *module() const { return m_module; }

private:
    TVeltrum *m_module;
};
