#pragma once

#include <QCoreApplication>
#include <QString>

namespace PosLib {

// Who runs the till and what it is, as the audit export names them, read
// from the installation's "etc/company.ini":
//
//   [Company]
//   name = Gasthaus Linde GmbH      required
//   street = Hauptstraße 1          required
//   zip = 79098                     required
//   city = Freiburg                 required
//   country = DEU                   ISO 3166 alpha-3 (default DEU)
//   taxnumber = 06/123/45678        Steuernummer; this one or vatid required
//   vatid = DE123456789             USt-IdNr.
//   [Location]                      where the till stands, when it is not
//   name = …                        the company's address (each key falls
//   street = … zip = … city = …     back to [Company])
//   [CashRegister]
//   id = KASSE-1                    the till's id in every row (default: 1)
//   brand = …  model = …  serial = …  the terminals' make, model, serial
//   currency = EUR                  the base currency (default EUR)
class TAuditCompany
{
    Q_DECLARE_TR_FUNCTIONS(TAuditCompany)
public:
    // "etc/company.ini", relative to the installation.
    static QString fileName() { return QStringLiteral("etc/company.ini"); }
    // Reads the file of the installation at `root`. False with `error`
    // naming the file and the key missing or wrong.
    static bool read(const QString &root, TAuditCompany *out, QString *error);

    QString name, street, zip, city, country, taxNumber, vatId;
    QString locationName, locationStreet, locationZip, locationCity, locationCountry;
    QString registerId, brand, model, serial, currency;
};

} // namespace PosLib
