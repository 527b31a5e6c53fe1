#pragma once

#include "tauditschema.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

namespace PosLib {

// Who supplies the export, as index.xml names them.
struct TAuditSupplier
{
    QString name;
    QString location;
    QString comment;
};

// "index.xml": the description of every file of the audit export and each
// of its columns (name, type, accuracy or length), with its encoding, the
// separators, the title line it skips and the range of days, in the form of
// the DTD beside it.
QByteArray auditIndexXml(const QList<TAuditTable> &tables, const TAuditSupplier &supplier,
                         const QDate &from, const QDate &to);

// The DTD that index.xml names and that lies beside it.
QString auditDtdName();
QByteArray auditDtd();

} // namespace PosLib
