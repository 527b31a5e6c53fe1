#pragma once

#include <QByteArray>
#include <QString>

namespace Basics {

// Reads the whole file `name` under a shared read lock into `buffer`, from
// its first byte on, and returns the number of bytes read; the rest of the
// buffer is left as it was (it grows as needed and is meant to be reused
// for the next file). The lock is taken and checked as TFile::open takes it
// (a writer is waited for, a file replaced meanwhile is opened again under
// its name) and released before the return. Throws TFileError as
// TFile::open and TFile::readRest do, EFBIG beyond TFile::maxReadSize().
qsizetype readWholeFile(const QString &name, QByteArray &buffer);

} // namespace Basics
