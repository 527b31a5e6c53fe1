#pragma once

#include <QDate>
#include <QString>

namespace Basics {

// What this build is: the project's version ("4.1.7"), the revision it
// was built from (the nearest git tag, else the commit, with "-modified"
// when the tree held changes not committed; "unknown" outside git) and the
// day it was built.
QString projectVersion();
QString buildRevision();
QDate buildDay();
// "Veltrum 4.1.7 (a1b2c3d), built 2026-12-05": for --version and About.
QString versionLine();

} // namespace Basics
