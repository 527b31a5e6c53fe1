#pragma once

#include <QString>

namespace Basics {
class TValueList;
}

namespace PosLib {

// Loads a master data list (currencies, settings, waiters, departments,
// batches …) from its file under `basePath` ("usr/data/…"). A list whose
// file is not there is empty, and false is returned: the installation does
// without it. A file that is there but cannot be read throws TFileError
// with the system's reason, and one that holds no complete list (cut
// short, random bytes) throws TFileError with EBADMSG ("the file is
// damaged"), both naming the file: a damaged list is never taken for an
// empty one, which would give figures that are silently wrong.
bool loadMasterList(Basics::TValueList &list, const QString &basePath);

} // namespace PosLib
