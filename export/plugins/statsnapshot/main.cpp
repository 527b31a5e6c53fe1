// The snapshot plug-in "VUrazEdad": reads the request XML from its standard
// input and writes the answer XML to its standard output. The exit code is
// 0 whenever an answer was written; the outcome is in the answer.

#include "tstatsnapshot.h"

#include <QCoreApplication>
#include <QFile>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QFile in;
    QFile out;
    if (!in.open(stdin, QIODevice::ReadOnly) || !out.open(stdout, QIODevice::WriteOnly))
        return 1;
    DotNetPluginLibrary::TStatSnapshot snapshot;
    const QDomDocument answer = snapshot.answer(QString::fromUtf8(in.readAll()));
    const QByteArray bytes = answer.toByteArray();
    return out.write(bytes) == bytes.size() && out.flush() ? 0 : 1;
}
