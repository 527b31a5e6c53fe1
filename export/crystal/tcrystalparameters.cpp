#include "tcrystalparameters.h"

#include "pefield.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tprintengine.h"

namespace Crystal {

namespace {

const QString DateFormat = QStringLiteral("yyyyMMdd");

// "header2" -> 2; 0 when the rest is no number.
int numberAfter(const QString &name, int prefix)
{
    bool ok = false;
    const int n = name.mid(prefix).toInt(&ok);
    return ok ? n : 0;
}

void trace()
{
    Basics::logDebug(QStringLiteral("Unable to change parameter"), Basics::LogModule::Library,
                     Basics::LogClass::PaidTablesDoc);
}

} // namespace

bool parameterValue(const TParameterValues &v, const QString &field, QString &value)
{
    const QString name = field.trimmed().toLower();
    static const QStringList switches {QStringLiteral("noheader"), QStringLiteral("nofooter"),
                                       QStringLiteral("nopageheader"),
                                       QStringLiteral("nopagefooter")};
    if (name == QLatin1String("startdate")) {
        value = v.from.toString(DateFormat);
    } else if (name == QLatin1String("enddate")) {
        value = (v.to.isValid() ? v.to : v.from).toString(DateFormat);
    } else if (name == QLatin1String("reportname")) {
        value = v.reportName;
    } else if (name == QLatin1String("language")) {
        value = v.language;
    } else if (name == QLatin1String("user")) {
        value = v.user;
    } else if (name == QLatin1String("terminalname")) {
        value = v.terminal;
    } else if (name == QLatin1String("logo")) {
        value = v.logo;
    } else if (name.startsWith(QLatin1String("header")) && numberAfter(name, 6) > 0) {
        value = v.header ? v.header(numberAfter(name, 6)) : QString();
    } else if (name.startsWith(QLatin1String("footer")) && numberAfter(name, 6) > 0) {
        value = v.footer ? v.footer(numberAfter(name, 6)) : QString();
    } else if (switches.contains(name)) {
        value = v.headerFooter.value(int(switches.indexOf(name)));
    } else if (name == QLatin1String("filter")) {
        value = v.filter;
    } else if (name == QLatin1String("filtername")) {
        value = v.filterName;
    } else if (v.installation.contains(name)) {
        value = v.installation.value(name);
    } else {
        return false;
    }
    return true;
}

int fillParameters(TPrintEngine &engine, short job, const TParameterValues &values)
{
    const unsigned short count = engine.PEGetNParameterFields(job);
    if (count == PE_NO_FIELDS)
        return 0;
    int set = 0;
    for (short n = 0; n < short(count); ++n) {
        PEParameterFieldInfo info {};
        info.structSize = sizeof(info);
        if (!engine.PEGetNthParameterField(job, n, &info)) {
            trace();
            continue;
        }
        QString value;
        const QString name = PrintEngine::fieldText(info.name, PE_PF_NAME_LEN);
        if (!parameterValue(values, name, value))
            continue;
        PrintEngine::copyField(info.currentValue, PE_PF_VALUE_LEN, value);
        if (engine.PESetNthParameterField(job, n, &info))
            ++set;
        else
            trace();
    }
    return set;
}

} // namespace Crystal
