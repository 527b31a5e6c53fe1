// The example designs of reports/ over the lists of a demo installation,
// rendered by the engine of this build.
#include "crystaltest.h"
#include "smalldemo.h"
#include "tcrystalcatalogue.h"
#include "tcrystalparameters.h"
#include "testdir.h"
#include "tintermediatelists.h"
#include "tprintengine.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Crystal;

namespace {

const QString Reports = QStringLiteral(VELTRUM_REPORTS_DIR "/");

QString money(qint64 cents)
{
    return QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

// The body without its style sheet, whose braces are no placeholders.
QString withoutStyle(QString html)
{
    html.remove(QRegularExpression(QStringLiteral("<style>.*</style>"),
                                   QRegularExpression::DotMatchesEverythingOption));
    return html;
}

} // namespace

TEST(ShippedDesigns, BothAreOfferedAndRenderEveryPlaceholder)
{
    TestDir lists;
    TExportRequest request;
    request.today = smalldemo::Today;
    exportIntermediateLists(request, {smalldemo::shared()}, lists.path());

    const QList<TCatalogueEntry> catalogue = scanCatalogue(
            Reports, QStringLiteral("de"), {}, [](const QString &name) { return Reports + name; });
    ASSERT_EQ(2, catalogue.size());
    EXPECT_EQ(QStringLiteral("Artikelliste"), catalogue.at(0).name);
    EXPECT_EQ(QStringLiteral("Tagesabrechnung je Kellner"), catalogue.at(1).name);

    TParameterValues values;
    values.from = smalldemo::Today;
    values.reportName = QStringLiteral("Report");
    TPrintEngine engine(QStringLiteral(VELTRUM_ENGINE_DIR));
    QHash<QString, QString> bodies;
    for (const TCatalogueEntry &entry : catalogue) {
        EXPECT_TRUE(QFileInfo::exists(entry.image)) << entry.image.toStdString();
        const short job = engine.PEOpenPrintJob(entry.report);
        ASSERT_GT(job, 0) << engine.PEGetErrorText(0).toStdString();
        engine.PESetDataDirectory(job, lists.path());
        const QFileInfo design(entry.report);
        const QString base = design.absolutePath() + QLatin1Char('/') + design.completeBaseName();
        engine.PESetLanguageFiles(job, base + QStringLiteral("_de.lng"),
                                  base + QStringLiteral(".lng"));
        fillParameters(engine, job, values);
        ASSERT_TRUE(engine.PEStartPrintJob(job));
        const QString body = engine.PEGetOutput(job, PE_BODY);
        EXPECT_FALSE(withoutStyle(body).contains(QLatin1Char('{'))) << body.toStdString();
        EXPECT_TRUE(engine.PEGetOutput(job, PE_PAGE_HEADER)
                            .contains(QStringLiteral("Seite {page} / {pages}")));
        bodies.insert(design.completeBaseName(), body);
        engine.PEClosePrintJob(job);
    }

    // the article list's total is every order line's amount
    qint64 orders = 0;
    const PrintEngine::TDataList list
            = crystaltest::readList(lists.path(), QStringLiteral("orders"));
    for (int row = 0; row < list.count(); ++row)
        orders += list.value(row, QStringLiteral("maxamount")).toLongLong();
    ASSERT_GT(orders, 0);
    EXPECT_TRUE(bodies.value(QStringLiteral("articles")).contains(money(orders)));
    EXPECT_TRUE(bodies.value(QStringLiteral("articles")).contains(QStringLiteral("Stornos")));
    EXPECT_TRUE(bodies.value(QStringLiteral("waiters")).contains(QStringLiteral("Alle Kellner")));
}
