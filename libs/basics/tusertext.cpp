// userText(), declared with the errors in terror.h, lives in a unit of its
// own: it knows every error of the foundation, the INI line's among them,
// and those know terror.h.
#include "terror.h"
#include "tinilineerror.h"

#include <QCoreApplication>

namespace Basics {

// "etc/reports.ini, line 7: a section header without ']'"
static QString iniLineText(const TIniLineError &error)
{
    QString cause;
    switch (error.code()) {
    case 510:
        cause = QCoreApplication::translate("TError", "a section header without ']'");
        break;
    case 511:
        cause = QCoreApplication::translate("TError", "an include line without '<file>'");
        break;
    default:
        cause = QCoreApplication::translate("TError", "the line cannot be read (error %1)")
                        .arg(error.code());
        break;
    }
    return QCoreApplication::translate("TError", "%1, line %2: %3")
            .arg(error.iniFile())
            .arg(error.iniLine())
            .arg(cause);
}

QString userText(const TError &error, const QString &fallbackName)
{
    if (const auto *ini = dynamic_cast<const TIniLineError *>(&error))
        return iniLineText(*ini);
    QString name = fallbackName;
    int os = 0;
    if (const auto *file = dynamic_cast<const TFileError *>(&error)) {
        name = file->fileName();
        os = file->osError();
    } else if (const auto *dir = dynamic_cast<const TDirError *>(&error)) {
        name = dir->path();
        os = dir->osError();
    } else if (const auto *other = dynamic_cast<const TOsError *>(&error)) {
        os = other->osError();
    }
    const QString cause
            = os != 0 ? osCauseText(os)
                      : QCoreApplication::translate("TError", "error %1").arg(error.code());
    return name.isEmpty() ? cause : QStringLiteral("%1: %2").arg(name, cause);
}

} // namespace Basics
