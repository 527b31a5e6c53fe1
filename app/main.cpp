#include "cliutil.h"
#include "commands.h"
#include "tcommandtable.h"
#include "tlanguagechoice.h"
#include "tservecommand.h"
#include "ttranslation.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

// PDF, PNG and SVG are painted, and painting needs the GUI application,
// charts even the widgets' one; it runs on the offscreen platform, so no
// display is needed. The web view paints them on request.
bool paints(int argc, char **argv)
{
    // the command: the first argument that is not --lang with its value
    int first = 1;
    while (first < argc && QByteArray(argv[first]).startsWith("--lang"))
        first += QByteArray(argv[first]) == "--lang" ? 2 : 1;
    if (first < argc && QByteArray(argv[first]) == "serve")
        return true;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        QByteArray format;
        if (arg.startsWith("--format="))
            format = arg.mid(9);
        else if (arg == "--format" && i + 1 < argc)
            format = argv[i + 1];
        if (format == "pdf" || format == "png" || format == "svg")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    std::unique_ptr<QCoreApplication> app;
    QTemporaryDir runtime; // the platform's own runtime folder when the session has none
    if (paints(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // the language first: the commands' help texts are translated as the
    // table is built
    const TLanguageChoice language = TLanguageChoice::of(QCoreApplication::arguments().mid(1));
    cliTranslation().setLanguage(language.language);
    if (!language.error().isEmpty())
        return usageError(language.error());
    const TCommandTable table({
            chainExceptionsCommand(),
            chainInitCommand(),
            chainPushCommand(),
            chainReportCommand(),
            chainStatusCommand(),
            datToXmlCommand(),
            datFromXmlCommand(),
            datToTextCommand(),
            demoCommand(),
            reportCommand(),
            exceptionsCommand(),
            exportCommand(),
            exportBookingsCommand(),
            exportAuditCommand(),
            labourCommand(),
            mailCommand(),
            openTablesCommand(),
            serveCommand(),
            timeControlsCommand(),
            turnoverCommand(),
            scheduledClosingCommand(),
            verifyCommand(),
            zCommand(),
    });
    return table.run(language.args);
}
