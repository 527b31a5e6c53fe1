#include "commands.h"
#include "tcommandtable.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <memory>

namespace {

// PDF is painted, and painting text needs the GUI application; it runs on
// the offscreen platform, so no display is needed.
bool writesPdf(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--format=pdf"
            || (arg == "--format" && i + 1 < argc && QByteArray(argv[i + 1]) == "pdf"))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    std::unique_ptr<QCoreApplication> app;
    QTemporaryDir runtime; // the platform's own runtime folder when the session has none
    if (writesPdf(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const TCommandTable table({
            datToXmlCommand(),
            datFromXmlCommand(),
            datToTextCommand(),
            demoCommand(),
            reportCommand(),
            openTablesCommand(),
            timeControlsCommand(),
            turnoverCommand(),
    });
    return table.run(QCoreApplication::arguments().mid(1));
}
