#include "cliutil.h"

#include "terror.h"
#include "tinilineerror.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "ttranslation.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

namespace {

QFile &standardError()
{
    static QFile file;
    if (!file.isOpen())
        file.open(stderr, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
    return file;
}

} // namespace

QTextStream &err()
{
    static QTextStream s(&standardError());
    return s;
}

Basics::TTranslation &cliTranslation()
{
    static Basics::TTranslation translation;
    return translation;
}

TMessageCapture::TMessageCapture()
{
    m_buffer.open(QIODevice::WriteOnly);
    err().flush();
    err().setDevice(&m_buffer);
}

TMessageCapture::~TMessageCapture()
{
    err().flush();
    err().setDevice(&standardError());
}

QString TMessageCapture::text() const
{
    err().flush();
    return QString::fromUtf8(m_buffer.data());
}

int fail(const QString &message, int code)
{
    out().flush();
    err() << "veltrum: " << message << Qt::endl;
    return code;
}

int usageError(const QString &message, const QString &command)
{
    fail(message, ExitUsage);
    if (command.isEmpty())
        err() << TCli::tr("Try 'veltrum --help'.") << Qt::endl;
    else
        err() << TCli::tr("Try 'veltrum help %1'.").arg(command) << Qt::endl;
    return ExitUsage;
}

QString errorText(const Basics::TError &error)
{
    Basics::logError(error.text(), Basics::LogModule::CommandLine, Basics::LogClass::CommandLine);
    if (dynamic_cast<const Basics::TIniLineError *>(&error))
        return Basics::userText(error); // file and line
    QString name;
    int os = 0;
    if (const auto *file = dynamic_cast<const Basics::TFileError *>(&error)) {
        name = file->fileName();
        os = file->osError();
    } else if (const auto *dir = dynamic_cast<const Basics::TDirError *>(&error)) {
        name = dir->path();
        os = dir->osError();
    }
    if (name.isEmpty())
        return TCli::tr("error %1").arg(error.code());
    if (os == 0)
        return TCli::tr("%1: cannot be read or written (error %2)").arg(name).arg(error.code());
    if (os == EBADMSG || os == EILSEQ) // what this system's readers raise for damaged data
        return QStringLiteral("%1: %2").arg(name, Basics::osCauseText(os));
    return QStringLiteral("%1: %2").arg(name, QString::fromLocal8Bit(std::strerror(os)));
}
