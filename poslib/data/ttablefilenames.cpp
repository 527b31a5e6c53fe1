#include "ttablefilenames.h"

#include "tnumbertext.h"

namespace PosLib {

void appendActiveTableFileName(QString &out, long table, int party)
{
    if (party < 0) {
        out += QStringLiteral("t%1.%2").arg(table).arg(party, 3, 10, QLatin1Char('0'));
        return;
    }
    // the party at least three digits wide, zeros in front
    out += QLatin1Char('t');
    Basics::appendInteger(out, table);
    out += QLatin1Char('.');
    Basics::appendInteger(out, party, 3);
}

void appendArchiveFileName(QString &out, long archive)
{
    out += QLatin1Char('a');
    Basics::appendInteger(out, archive);
}

} // namespace PosLib
