#include "tinilineerror.h"

namespace Basics {

TIniLineError::TIniLineError(int line, const char *file, int code, const QString &iniFile,
                             int iniLine)
    : TInifileError(line, file, code)
    , m_iniFile(iniFile)
    , m_iniLine(iniLine)
{ }

QString TIniLineError::text() const
{
    const QString base = TError::text();
    return QStringLiteral("fn %1, line %2, error %3, %4")
            .arg(m_iniFile)
            .arg(m_iniLine)
            .arg(code())
            .arg(base);
}

} // namespace Basics
