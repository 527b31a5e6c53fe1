#include "fuzzsupport.h"

#include "tlog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

QString fuzzRoot()
{
    static QTemporaryDir dir;
    return dir.path() + QLatin1Char('/');
}

QString writeFuzzFile(const QString &relative, const QByteArray &bytes)
{
    const QString path = fuzzRoot() + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

void fuzzSetUp()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "fuzz";
        static char *argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
    }
    Basics::TLog::instance().setLevel(Basics::TLog::Off);
    qputenv("POS_COMPRESS", "1");
}
