#pragma once

#include <QByteArray>
#include <QString>

// The installation the file-based targets write their input into: a
// temporary directory made once per process.
QString fuzzRoot();
// Writes `bytes` to root + `relative` (making its directory); returns the path.
QString writeFuzzFile(const QString &relative, const QByteArray &bytes);
// Sets up what every target needs once: a core application object, quiet logging.
void fuzzSetUp();
