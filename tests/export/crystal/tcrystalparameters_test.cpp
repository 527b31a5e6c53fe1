#include "tcrystalparameters.h"

#include "logcapture.h"
#include "testdir.h"
#include "tprintengine.h"

#include <gtest/gtest.h>

using namespace Crystal;

namespace {

TParameterValues someValues()
{
    TParameterValues v;
    v.from = QDate(2026, 12, 3);
    v.to = QDate(2026, 12, 5);
    v.reportName = QStringLiteral("Daily sheet");
    v.language = QStringLiteral("de");
    v.user = QStringLiteral("Anna");
    v.terminal = QStringLiteral("Bar");
    v.logo = QStringLiteral("/srv/logo.png");
    v.header = [](int n) { return QStringLiteral("H%1").arg(n); };
    v.footer = [](int n) { return QStringLiteral("F%1").arg(n); };
    v.headerFooter = {QStringLiteral("no"), QStringLiteral("yes"), QStringLiteral("no"),
                      QStringLiteral("yes")};
    v.filter = QStringLiteral("5");
    v.filterName = QStringLiteral("Card payments");
    v.installation.insert(QStringLiteral("installationname"), QStringLiteral("Trattoria"));
    v.installation.insert(QStringLiteral("faxnumber"), QString());
    return v;
}

QString valueOf(const TParameterValues &values, const QString &name)
{
    QString value = QStringLiteral("<untouched>");
    parameterValue(values, name, value);
    return value;
}

} // namespace

TEST(Parameters, EveryNameTheBackOfficeFills)
{
    const TParameterValues v = someValues();
    const QList<QPair<const char *, const char *>> expected = {
            {"startdate", "20261203"},
            {"EndDate", "20261205"},
            {"reportname", "Daily sheet"},
            {"language", "de"},
            {"user", "Anna"},
            {"terminalname", "Bar"},
            {"header1", "H1"},
            {"header12", "H12"},
            {"footer3", "F3"},
            {"logo", "/srv/logo.png"},
            {"noheader", "no"},
            {"nofooter", "yes"},
            {"nopageheader", "no"},
            {"nopagefooter", "yes"},
            {"filter", "5"},
            {"filtername", "Card payments"},
            {"installationname", "Trattoria"},
            {"faxnumber", ""},
    };
    for (const auto &e : expected)
        EXPECT_EQ(QLatin1String(e.second), valueOf(v, QLatin1String(e.first))) << e.first;

    // names it does not fill: left as they are
    for (const char *unknown : {"weather", "header", "headerx", "footer0", "terminal", "city"})
        EXPECT_EQ(QStringLiteral("<untouched>"), valueOf(v, QLatin1String(unknown))) << unknown;

    TParameterValues oneDay = v;
    oneDay.to = QDate();
    EXPECT_EQ(QStringLiteral("20261203"), valueOf(oneDay, QStringLiteral("enddate")));
}

TEST(Parameters, FilledByNameInTheEngineUnknownOnesKeepTheirValues)
{
    TestDir dir;
    dir.write(QStringLiteral("r.vrt"),
              "<!-- @parameter weather sunny -->{startdate}|{enddate}|{user}|{header1}|"
              "{header2}|{installationname}|{weather}|{remark}");
    TPrintEngine engine(QStringLiteral(VELTRUM_ENGINE_DIR));
    const short job = engine.PEOpenPrintJob(dir.file(QStringLiteral("r.vrt")));
    ASSERT_GT(job, 0);
    EXPECT_EQ(6, fillParameters(engine, job, someValues()));

    PEParameterFieldInfo info {};
    info.structSize = sizeof(info);
    ASSERT_EQ(8u, engine.PEGetNParameterFields(job));
    ASSERT_TRUE(engine.PEGetNthParameterField(job, 0, &info));
    EXPECT_STREQ("weather", info.name);
    EXPECT_EQ(0, info.currentValueSet);
    ASSERT_TRUE(engine.PEGetNthParameterField(job, 7, &info));
    EXPECT_STREQ("remark", info.name);
    EXPECT_EQ(0, info.currentValueSet);

    ASSERT_TRUE(engine.PEStartPrintJob(job));
    EXPECT_EQ(QStringLiteral("20261203|20261205|Anna|H1|H2|Trattoria|sunny|"),
              engine.PEGetOutput(job, PE_BODY));
    engine.PEClosePrintJob(job);

    // a job that is gone: nothing is set, and nothing is tried 65535 times
    LogCapture log;
    EXPECT_EQ(0, fillParameters(engine, job, someValues()));
}
