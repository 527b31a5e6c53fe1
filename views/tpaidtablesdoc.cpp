#include "tpaidtablesdoc.h"

#include "tcombobox.h"
#include "toffworkspace.h"

TPaidTablesDoc::TPaidTablesDoc(TOffWindow *window, const QString &key)
    : TOffDataDoc(key.isEmpty() ? QLatin1String(TOffWorkspace::docPaidTables) : key, window, false)
{ }

TPaidTablesDoc::~TPaidTablesDoc() = default;

QString TPaidTablesDoc::caption() const
{
    return tr("Paid tables");
}

QString TPaidTablesDoc::title(int) const
{
    return QString();
}

void TPaidTablesDoc::report(int side, int code, const QString &, bool overAll)
{
    m_lastCommand = QStringLiteral("report %1 %2 %3").arg(side).arg(code).arg(int(overAll));
}

void TPaidTablesDoc::onTurnOver()
{
    m_lastCommand = QStringLiteral("turnover");
}

void TPaidTablesDoc::onPaidTables()
{
    m_lastCommand = QStringLiteral("paidtables");
}
