#include "tauditcompany.h"

#include "terror.h"
#include "tinifile.h"

#include <QFileInfo>
#include <QRegularExpression>

using namespace Basics;

namespace PosLib {

bool TAuditCompany::read(const QString &root, TAuditCompany *out, QString *error)
{
    const QString path = root + fileName();
    auto failed = [&](const QString &why) {
        *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    };
    if (!QFileInfo(path).isFile())
        return failed(tr("missing; it names the company, its address and tax number for the "
                         "audit export (see docs/exports.md, \"The cash-register audit export\")"));
    try {
        const TInifile ini(path);
        const QString company = QStringLiteral("Company");
        const QString location = QStringLiteral("Location");
        const QString till = QStringLiteral("CashRegister");
        auto value = [&](const QString &section, const char *key) {
            return ini.readString(section, QString::fromLatin1(key)).trimmed();
        };
        TAuditCompany c;
        for (const char *key : {"name", "street", "zip", "city"}) {
            if (value(company, key).isEmpty())
                return failed(tr("[%1] %2 is missing").arg(company, QString::fromLatin1(key)));
        }
        c.name = value(company, "name");
        c.street = value(company, "street");
        c.zip = value(company, "zip");
        c.city = value(company, "city");
        c.country = value(company, "country");
        if (c.country.isEmpty())
            c.country = QStringLiteral("DEU");
        c.taxNumber = value(company, "taxnumber");
        c.vatId = value(company, "vatid");
        if (c.taxNumber.isEmpty() && c.vatId.isEmpty())
            return failed(tr("[%1] taxnumber or vatid is missing: the audit export names the "
                             "company's tax number")
                                  .arg(company));
        const QRegularExpression alpha3(QStringLiteral("^[A-Z]{3}$"));
        auto orCompany = [&](const char *key, const QString &fallback) {
            const QString own = value(location, key);
            return own.isEmpty() ? fallback : own;
        };
        c.locationName = orCompany("name", c.name);
        c.locationStreet = orCompany("street", c.street);
        c.locationZip = orCompany("zip", c.zip);
        c.locationCity = orCompany("city", c.city);
        c.locationCountry = orCompany("country", c.country);
        for (const auto &[section, country] :
             {std::pair {company, c.country}, std::pair {location, c.locationCountry}}) {
            if (!alpha3.match(country).hasMatch())
                return failed(tr("[%1] country = %2: not a three-letter country code (DEU)")
                                      .arg(section, country));
        }
        c.registerId = value(till, "id");
        if (c.registerId.isEmpty())
            c.registerId = QStringLiteral("1");
        c.brand = value(till, "brand");
        c.model = value(till, "model");
        c.serial = value(till, "serial");
        c.currency = value(till, "currency");
        if (c.currency.isEmpty())
            c.currency = QStringLiteral("EUR");
        if (!alpha3.match(c.currency).hasMatch())
            return failed(tr("[%1] currency = %2: not a three-letter currency code (EUR)")
                                  .arg(till, c.currency));
        *out = c;
        return true;
    } catch (const TError &e) {
        *error = userText(e, path);
        return false;
    }
}

} // namespace PosLib
