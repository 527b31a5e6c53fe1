#pragma once

#include <QString>

namespace PosLib {

// The names of table files (activeTableFileName(), archiveFileName()),
// appended to `out`: a path built in one buffer for each file of a folder.
// "t12.001" for table 12, party 1.
void appendActiveTableFileName(QString &out, long table, int party);
// "a1234" for archive 1234.
void appendArchiveFileName(QString &out, long archive);

} // namespace PosLib
