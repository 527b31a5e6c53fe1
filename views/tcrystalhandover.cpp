#include "tcrystalhandover.h"

#include "tcrystalcatalogue.h"
#include "tcrystalparameters.h"
#include "tdlgcrystal.h"
#include "terror.h"
#include "tinifile.h"
#include "tinstallation.h"
#include "tintermediatefile.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "toffapplication.h"
#include "toffconfig.h"
#include "toffdocument.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "toutlets.h"
#include "tprintengine.h"
#include "tsumfilters.h"
#include "twaiter.h"

#include <QMessageBox>
#include <QProgressBar>

#include <memory>

using namespace Crystal;

namespace {

const QString Settings = QStringLiteral("Settings");

QString language()
{
    const TOffApplication *app = TOffApplication::instance();
    return app ? app->language() : QString();
}

} // namespace

TCrystalHandOver::TCrystalHandOver(TOffDocument *document, const TReportSelection &selection)
    : m_doc(document)
    , m_selection(selection)
{ }

QStringList TCrystalHandOver::dataPaths() const
{
    TOffWorkspace *ws = m_doc->workspace();
    Basics::TValueList *sumOutlets = ws->getData(QStringLiteral("sumoutlets"));
    Basics::TValueList *outlets = ws->getData(QStringLiteral("outlets"));
    const int id = m_selection.outletId;
    if (sumOutlets && outlets && id != 0) {
        if (Basics::TValue *outlet = sumOutlets->find(id))
            return OutletsLib::TOutlets::paths(sumOutlets, outlets, outlet);
    }
    return {ws->getPath()};
}

TExportRequest TCrystalHandOver::request() const
{
    TOffWorkspace *ws = m_doc->workspace();
    TExportRequest r;
    r.from = m_selection.from;
    r.to = m_selection.to;
    r.today = PosLib::businessDay(ws->getPath(), QDateTime::currentDateTime());
    r.filterId = m_selection.filterId;
    if (auto *filters
        = qobject_cast<PosLib::TSumFilters *>(ws->getData(QStringLiteral("sumfilters")))) {
        r.filter = r.filterId != 0 ? filters->filter(r.filterId) : nullptr;
        r.filterName = r.filter ? r.filter->name() : QString();
    }
    if (!r.filter)
        r.filterId = 0;
    const int outlet = m_selection.outletId;
    Basics::TValueList *sumOutlets = ws->getData(QStringLiteral("sumoutlets"));
    r.outlet = sumOutlets && sumOutlets->find(outlet) ? outlet : 0;
    r.dataOutlets = ws->getData(QStringLiteral("outlets"));
    r.language = language();
    TOffWindow *host = m_doc->window();
    r.user = TOffConfig::getCrystalUser(host ? host->getReportWaiter() : nullptr);
    r.terminal = TOffConfig::getCrystalTerm();
    r.logo = TOffConfig::getCrystalLogo();
    for (int n = 1; n <= 3; ++n) {
        r.headers << TOffConfig::getCrystalHeader(n);
        r.footers << TOffConfig::getCrystalFooter(n);
    }
    return r;
}

bool TCrystalHandOver::exportData(Basics::TInifile &ini, bool fast)
{
    TOffWindow *host = m_doc->window();
    const QString folder = TOffConfig::getCrystalDataPath();
    try {
        removeIntermediateFiles(folder);
    } catch (const Basics::TError &e) {
        QMessageBox::critical(host, tr("Error"),
                              tr("Unable to remove intermediate files\n(%1)").arg(e.text()));
        return false;
    }
    // Our lists always carry their header line, which the print engine
    // reads the columns from; the switch is only noted.
    Basics::logDebug(QStringLiteral("Report header %1")
                             .arg(ini.readBool(Settings, QStringLiteral("header")) ? 1 : 0),
                     Basics::LogModule::Library, Basics::LogClass::PaidTablesDoc);

    const QStringList names = TIntermediateLists::names();
    QHash<QString, QString> layouts;
    for (const QString &name : names)
        layouts.insert(name, ini.readString(QStringLiteral("default"), name));
    // "infos" first, then the table lists as the records were built
    QStringList order = names;
    order.move(int(order.indexOf(QStringLiteral("infos"))), 0);

    TIntermediateLists lists(request());
    const QStringList paths = dataPaths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString &path = paths.at(i);
        if (host && paths.size() > 1)
            host->status(tr("Exporting %1 (%2 of %3)").arg(path).arg(i + 1).arg(paths.size()));
        if (!m_doc->TOffDocument::crystalExport(ini, path, fast))
            return false;
        QProgressBar *bar = m_doc->startProgressBar(0);
        lists.build(path, [&](int step, int count) {
            if (bar)
                bar->setMaximum(count);
            m_doc->setProgress(bar, step);
        });
        m_doc->endProgressBar(bar);
        // a list the host cannot write is its to tell (it logs it)
        for (const QString &name : std::as_const(order))
            m_doc->crystalExport(lists.list(name), name, layouts.value(name), name == order.first(),
                                 name == order.last(), i > 0, QString());
    }
    return true;
}

void TCrystalHandOver::runFastReport()
{
    TOffWindow *host = m_doc->window();
    TOffWorkspace *ws = m_doc->workspace();
    if (!host || !ws)
        return;
    const QList<TCatalogueEntry> catalogue = scanCatalogue(
            TOffConfig::getCrystalPath(), language(),
            TOffConfig::getCrystals(TOffConfig::ini(), QStringLiteral("fastcrystal")),
            &TOffConfig::getCrystalFile);
    QStringList entries;
    for (const TCatalogueEntry &entry : catalogue)
        entries << entry.text();

    TDlgCrystal dialog(entries, entries.isEmpty() ? -1 : 0, host);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString chosen = dialog.result();
    if (chosen.isEmpty()) {
        QMessageBox::critical(host, tr("Error"), tr("Selected report is empty"));
        return;
    }
    const TCatalogueEntry entry = TCatalogueEntry::fromText(chosen);
    const int job = host->createCrystal(entry.report);
    if (job <= 0)
        return;
    TPrintEngine &engine = TPrintEngine::process(TOffConfig::getCrystalEngineDir());

    std::unique_ptr<Basics::TInifile> ini;
    try {
        ini = std::make_unique<Basics::TInifile>(entry.ini);
    } catch (const Basics::TError &e) {
        QMessageBox::critical(host, tr("Error"), e.text());
    }
    if (!ini || !m_doc->crystalExport(*ini, ws->getPath(), true)) {
        engine.PEClosePrintJob(short(job));
        return;
    }

    // the parameter fields, by name
    const TExportRequest r = request();
    TParameterValues values;
    values.from = r.from.isValid() ? r.from : r.today;
    values.to = r.from.isValid() ? r.to : QDate();
    values.reportName = entry.name;
    values.language = r.language;
    values.user = r.user;
    values.terminal = r.terminal;
    values.logo = r.logo;
    values.header = &TOffConfig::getCrystalHeader;
    values.footer = &TOffConfig::getCrystalFooter;
    values.headerFooter = dialog.getHdrFtr();
    values.filter = QString::number(r.filterId);
    values.filterName = r.filterName;
    const std::unique_ptr<Basics::TValue> infos(TIntermediateLists(r).infos(ws->getPath()));
    for (const char *key : {"installationname", "street", "city", "taxnumber", "addaddress",
                            "webaddress", "email", "infotext", "phonenumber", "faxnumber"})
        values.installation.insert(QLatin1String(key), infos->getString(QLatin1String(key)));
    fillParameters(engine, short(job), values);

    host->showCrystal(job, tr("Auswertung"), TOffConfig::getCrystalLngFile(entry.report),
                      TOffConfig::getCrystalDefaultLngFile(entry.report));
}
