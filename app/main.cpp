#include "commands.h"
#include "tcommandtable.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const TCommandTable table({
            datToXmlCommand(),
            datFromXmlCommand(),
            datToTextCommand(),
            demoCommand(),
            reportCommand(),
            turnoverCommand(),
    });
    return table.run(app.arguments().mid(1));
}
