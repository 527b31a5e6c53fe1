// veltrum-office [--data DIR] [--screenshot FILE.png] [--module FILE]
// veltrum-office --help | --version
//
// The back office: opens the installation in DIR (default: the working
// directory, which the installation's relative files are read from), loads
// the reporting module and shows the window. With --screenshot the window
// is saved as a picture once it is shown, and the program ends.

#include "pixmapresource.h"
#include "toffapplication.h"
#include "tofflistview.h"
#include "toffmodule.h"
#include "tofftreeitem.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tversion.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace {

int fail(const QString &text)
{
    std::fprintf(stderr, "veltrum-office: %s\n", qPrintable(text));
    return 1;
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
    const QCommandLineOption screenshot(
            QStringLiteral("screenshot"),
            QCoreApplication::translate("veltrum-office",
                                        "Save the window as a picture once shown, then quit."),
            QStringLiteral("FILE"));
    const QCommandLineOption moduleFile(
            QStringLiteral("module"),
            QCoreApplication::translate("veltrum-office", "The module library to load."),
            QStringLiteral("FILE"));
    parser.addOptions({data, screenshot, moduleFile});
    return {data, screenshot, moduleFile};
}

void setNames(QCoreApplication &app)
{
    app.setApplicationName(QStringLiteral("veltrum-office"));
    app.setOrganizationName(QStringLiteral("Veltrum"));
    app.setApplicationVersion(QString::fromLatin1(Basics::VersionText));
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

    // Relative output names refer to where the program was started.
    const QString picture = parser.isSet(screenshot)
                                    ? QFileInfo(parser.value(screenshot)).absoluteFilePath()
                                    : QString();
    if (parser.isSet(data)) {
        const QString dir = parser.value(data);
        if (!QFileInfo(dir).isDir() || !QDir::setCurrent(dir))
            return fail(QStringLiteral("no installation directory %1").arg(dir));
    }

    QString library = parser.value(moduleFile);
    if (library.isEmpty())
        library = TOffModule::locate(TOffModule::libraryFileName(QStringLiteral("veltrum")),
                                     QCoreApplication::applicationDirPath());
    if (library.isEmpty())
        return fail(QStringLiteral("the reporting module %1 was not found")
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
        return fail(QStringLiteral("the reporting module could not be started"));
    }
    module.initMenu();

    QString version;
    module.getVersion(version);
    QPixmap icon;
    module.getPixmap(icon);
    if (!icon.isNull())
        window->setWindowIcon(icon);
    window->setWindowTitle(QCoreApplication::translate("veltrum-office", "Veltrum back office - %1")
                                   .arg(workspace.getPath()));
    window->setAboutText(
            QCoreApplication::translate("veltrum-office", "Veltrum back office\nReporting %1")
                    .arg(version));
    selectFirstDocument(*window);
    window->show();

    int result = 0;
    if (!picture.isEmpty()) {
        QTimer::singleShot(500, window, [&] {
            if (!window->grab().save(picture)) {
                fail(QStringLiteral("could not write %1").arg(picture));
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
