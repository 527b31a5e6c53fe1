// veltrum-office [--data DIR] [--lang de|en] [--screenshot FILE.png] [--module FILE]
// veltrum-office --help | --version
//
// The back office: opens the installation in DIR (default: the working
// directory when it holds one, else the installation chosen at an earlier
// start), loads the reporting module and shows the window. Without an
// installation it says which folder it looked at and lets the user choose
// one or create a demo. With --screenshot the window is saved as a picture
// once it is shown, and the program ends.

#include "pixmapresource.h"
#include "tbuildinfo.h"
#include "tdemoinstallation.h"
#include "terror.h"
#include "tfirststartdlg.h"
#include "tlanguage.h"
#include "tlocaltext.h"
#include "toffapplication.h"
#include "toffconfig.h"
#include "toffdlg.h"
#include "tofflistview.h"
#include "toffmodule.h"
#include "tofftreeitem.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "ttranslation.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace {

int fail(const QString &text, int code = 1)
{
    std::fprintf(stderr, "veltrum-office: %s\n", qPrintable(text));
    return code;
}

// The value of --lang before the parser runs (for --help); empty when
// not given.
QString languageArgument(const QStringList &args)
{
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--lang") || args.at(i) == QLatin1String("-lang"))
            return args.value(i + 1);
        if (args.at(i).startsWith(QLatin1String("--lang=")))
            return args.at(i).mid(7);
    }
    return QString();
}

// The first item under the module's root, so that the window opens on
// the module's overview.
void selectFirstDocument(TOffWindow &window)
{
    TOffTreeItem *first = window.treeRoot()->childCount() > 0
                                  ? static_cast<TOffTreeItem *>(window.treeRoot()->child(0))
                                  : nullptr;
    window.documentTree()->expandAll();
    if (first)
        window.selectItem(first);
}

struct Options
{
    QCommandLineOption data;
    QCommandLineOption language;
    QCommandLineOption screenshot;
    QCommandLineOption moduleFile;
};

Options addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
            QCoreApplication::translate("veltrum-office", "The Veltrum back office."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption data(
            QStringLiteral("data"),
            QCoreApplication::translate("veltrum-office", "The installation directory."),
            QStringLiteral("DIR"));
    const QCommandLineOption language(
            QStringLiteral("lang"),
            QCoreApplication::translate(
                    "veltrum-office",
                    "The language of this run: de (German) or en (English). Without it, the "
                    "language chosen in Options > Language, else the one LC_ALL, LC_MESSAGES or "
                    "LANG names, else the installation's."),
            QStringLiteral("de|en"));
    const QCommandLineOption screenshot(
            QStringLiteral("screenshot"),
            QCoreApplication::translate("veltrum-office",
                                        "Save the window as a picture once shown, then quit."),
            QStringLiteral("FILE"));
    const QCommandLineOption moduleFile(
            QStringLiteral("module"),
            QCoreApplication::translate("veltrum-office", "The module library to load."),
            QStringLiteral("FILE"));
    parser.addOptions({data, language, screenshot, moduleFile});
    return {data, language, screenshot, moduleFile};
}

void setNames(QCoreApplication &app)
{
    app.setApplicationName(QStringLiteral("veltrum-office"));
    app.setOrganizationName(QStringLiteral("Veltrum"));
    app.setApplicationVersion(Basics::versionLine());
}

// --help and --version are answered without a window, so they work
// without a display.
bool asksForText(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v"
            || arg == "--version")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (asksForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        setNames(app);
        Basics::TTranslation translation;
        translation.setLanguage(TOffApplication::startLanguage(
                languageArgument(app.arguments()), TOffConfig::getLanguage(), QString()));
        QCommandLineParser parser;
        addOptions(parser);
        parser.process(app); // prints the text and ends the program
        return 0;
    }

    TOffApplication app(argc, argv);
    setNames(app);
    QCommandLineParser parser;
    const Options options = addOptions(parser);
    const QCommandLineOption &data = options.data;
    const QCommandLineOption &screenshot = options.screenshot;
    const QCommandLineOption &moduleFile = options.moduleFile;
    parser.process(app);
    const QString asked = parser.value(options.language);
    if (parser.isSet(options.language) && !Basics::availableLanguages().contains(asked))
        return fail(
                QCoreApplication::translate("veltrum-office", "bad value '%1' for --lang (de|en)")
                        .arg(asked),
                2);

    // Relative output names refer to where the program was started.
    const QString picture = parser.isSet(screenshot)
                                    ? QFileInfo(parser.value(screenshot)).absoluteFilePath()
                                    : QString();
    // the installation: --data, else the working directory when it holds
    // one, else the one chosen at an earlier start
    QString folder = parser.isSet(data) ? QFileInfo(parser.value(data)).absoluteFilePath()
                                        : TFirstStartDlg::startFolder(
                                                QDir::currentPath(), TOffConfig::getInstallation());
    // before anything shows a text
    app.setLanguage(TOffApplication::startLanguage(asked, TOffConfig::getLanguage(), folder));
    if (!TFirstStartDlg::isInstallation(folder)) {
        if (!picture.isEmpty())
            return fail(QCoreApplication::translate(
                                "veltrum-office",
                                "no installation in %1 (usr/data/settings.dat is missing)")
                                .arg(folder));
        // say which folder was looked at, and let the user choose or make one
        TFirstStartDlg first(folder);
        first.setDemoWriter([](const QString &dir, QString *error) {
            try {
                PosLib::TDemoInstallation(PosLib::TDemoOptions()).write(dir);
                return true;
            } catch (const Basics::TError &e) {
                *error = e.text();
                return false;
            }
        });
        if (first.exec() != QDialog::Accepted)
            return fail(QCoreApplication::translate("veltrum-office",
                                                    "no installation in %1, and none was chosen")
                                .arg(folder));
        folder = first.folder();
        // the next start opens it
        TOffConfig::setInstallation(folder);
        TOffDlg::writeConfig(nullptr);
    }
    if (!QDir::setCurrent(folder))
        return fail(QCoreApplication::translate("veltrum-office", "cannot open the folder %1")
                            .arg(folder));

    QString library = parser.value(moduleFile);
    if (library.isEmpty())
        library = TOffModule::locate(TOffModule::libraryFileName(QStringLiteral("veltrum")),
                                     QCoreApplication::applicationDirPath());
    if (library.isEmpty())
        return fail(QCoreApplication::translate("veltrum-office",
                                                "the reporting module %1 was not found")
                            .arg(TOffModule::libraryFileName(QStringLiteral("veltrum"))));
    TOffModule module;
    if (!module.load(library))
        return fail(module.errorString());

    TOffWorkspace workspace(QDir::currentPath());
    app.loadDayOffset(workspace.getPath());
    QObject::connect(&workspace, &TOffWorkspace::pathChanged, &app,
                     &TOffApplication::loadDayOffset);
    auto *window = new TOffWindow(&workspace);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    if (!module.initModule(window)) {
        delete window;
        return fail(QCoreApplication::translate("veltrum-office",
                                                "the reporting module could not be started"));
    }
    module.initMenu();

    QPixmap icon;
    module.getPixmap(icon);
    if (!icon.isNull())
        window->setWindowIcon(icon);
    auto windowTexts = [&, window] {
        window->setWindowTitle(
                QCoreApplication::translate("veltrum-office", "Veltrum back office - %1")
                        .arg(workspace.getPath()));
        window->setAboutText(
                QCoreApplication::translate("veltrum-office",
                                            "Veltrum back office\nVersion %1 (%2), built %3\n"
                                            "Installation: %4")
                        .arg(Basics::projectVersion(), Basics::buildRevision(),
                             Basics::dateText(Basics::buildDay()),
                             QDir::toNativeSeparators(workspace.getPath())));
    };
    windowTexts();
    QObject::connect(&app, &TOffApplication::lngChanged, window, windowTexts);
    selectFirstDocument(*window);
    window->show();

    int result = 0;
    if (!picture.isEmpty()) {
        QTimer::singleShot(500, window, [&] {
            if (!window->grab().save(picture)) {
                fail(QCoreApplication::translate("veltrum-office", "could not write %1")
                             .arg(picture));
                result = 1;
            }
            app.quit();
        });
        app.exec();
    } else {
        result = app.exec();
    }

    module.doneMenu();
    module.doneModule();
    delete window;
    return result;
}
