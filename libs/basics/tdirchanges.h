#pragma once

#include <QByteArray>
#include <QString>

namespace Basics {

// True when what `dir` holds may have changed after `msecs` (milliseconds
// since the epoch): the directory itself was modified (a file added,
// removed or renamed), or a file whose name starts with `prefix` was
// modified or changed its status (moved in, or copied in keeping an older
// modification time). One status query of the directory and one per
// matching name; a missing directory holds nothing. Touches no shared
// state, so threads may check directories side by side.
bool hasEntriesChangedAfter(const QByteArray &dir, const QString &prefix, qint64 msecs);

} // namespace Basics
