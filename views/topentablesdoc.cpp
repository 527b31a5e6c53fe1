#include "topentablesdoc.h"

#include "toffworkspace.h"

TOpenTablesDoc::TOpenTablesDoc(TOffWindow *window)
    : TOffDataDoc(QLatin1String(TOffWorkspace::docOpenTables), window, false)
{ }

TOpenTablesDoc::~TOpenTablesDoc() = default;

QString TOpenTablesDoc::caption() const
{
    return tr("Open tables");
}
