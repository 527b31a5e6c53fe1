// A plug-in built as a shared library: answers with the requested function's
// name as message and the number of parameters of its first group as code.

#include "dotnetplugininterface.h"

#include <QDomDocument>
#include <QObject>

class LibraryEcho : public QObject, public DotNetPluginLibrary::DotNetPluginInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DotNetPluginInterface_iid)
    Q_INTERFACES(DotNetPluginLibrary::DotNetPluginInterface)

public:
    int callFunction(const QString &request, QString &response) override
    {
        QDomDocument document;
        if (!document.setContent(request))
            return 1;
        const QString function = document.elementsByTagName(QStringLiteral("function"))
                                         .item(0)
                                         .toElement()
                                         .attribute(QStringLiteral("name"));
        const int count = document.elementsByTagName(QStringLiteral("params"))
                                  .item(0)
                                  .firstChildElement()
                                  .attribute(QStringLiteral("count"))
                                  .toInt();
        response = QStringLiteral("<answer><result code=\"%1\" message=\"%2\"/></answer>")
                           .arg(count)
                           .arg(function);
        return 0;
    }
};

#include "libraryecho.moc"
