#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

namespace Crystal {

class TPrintEngine;

// What the parameter fields of a fast report are filled with.
struct TParameterValues
{
    QDate from; // the first day of the report
    QDate to; // the last day; invalid: the first
    QString reportName;
    QString language;
    QString user;
    QString terminal;
    QString logo;
    std::function<QString(int)> header; // header line n; empty texts are fine
    std::function<QString(int)> footer;
    // "noheader", "nofooter", "nopageheader", "nopagefooter", in this order.
    QStringList headerFooter;
    QString filter;
    QString filterName;
    // "installationname", "street", "city", "taxnumber", "addaddress",
    // "webaddress", "email", "infotext", "phonenumber", "faxnumber".
    QHash<QString, QString> installation;
};

// The value of the parameter field `name` (any case): "startdate" and
// "enddate" as "yyyyMMdd", "reportname", "language", "user",
// "terminalname", "header"n and "footer"n (n read from the rest of the
// name), "logo", the four header and footer switches, "filtername",
// "filter" and the installation's address fields. False, leaving `value`
// alone, for a name the back office does not fill.
bool parameterValue(const TParameterValues &values, const QString &name, QString &value);

// Sets every parameter field of the job that parameterValue() knows;
// other fields keep their values. A field that cannot be read or set
// writes the debug trace "Unable to change parameter" and the others go
// on. Returns the number of fields set (0 when the engine cannot load).
int fillParameters(TPrintEngine &engine, short job, const TParameterValues &values);

} // namespace Crystal
