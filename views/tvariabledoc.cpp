#include "tvariabledoc.h"

TVariableDoc::TVariableDoc(TVeltrum *module, TOffWindow *window)
    : TPaidTablesDoc(window, QStringLiteral("aswvariable"))
    , m_module(module)
{ }

TVariableDoc::~TVariableDoc() = default;

QString TVariableDoc::caption() const
{
    return tr("Range statistics");
}
