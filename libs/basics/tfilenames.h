#pragma once

#include <QString>
#include <QStringList>

namespace Basics {

// The names of the files in `dir` that match `pattern` ("*" any run of
// characters, "?" one; letters in either case), sorted by name ignoring
// case: what QDir(dir).entryList({pattern}, QDir::Files, QDir::Name |
// QDir::IgnoreCase) lists, in the same order, but read straight from the
// folder, without asking the system about each file whose kind the folder
// already tells. Files are plain files and links to them; hidden names
// (".x") are left out. Empty when the folder cannot be read.
QStringList fileNamesMatching(const QString &dir, const QString &pattern);

// True when `name` matches `pattern` as above.
bool matchesWildcard(const QString &name, const QString &pattern);

} // namespace Basics
