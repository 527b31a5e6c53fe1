#pragma once

#include "terror.h"

namespace Basics {

// A line of an INI file that cannot be read, with the file and the line
// (from 1): 510 a section header without "]", 511 an include without
// "<…>". userText() says "etc/reports.ini, line 7: …".
class TIniLineError : public TInifileError
{
public:
    TIniLineError(int line, const char *file, int code, const QString &iniFile, int iniLine);

    QString iniFile() const { return m_iniFile; }
    int iniLine() const { return m_iniLine; }
    QString text() const override;

private:
    QString m_iniFile;
    int m_iniLine = 0;
};

} // namespace Basics
