#include "tmasterlist.h"

#include "terror.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tvalue.h"

#include <QFileInfo>

#include <cerrno>

using namespace Basics;

namespace PosLib {

namespace {

enum { MasterListDamaged = 410 };

[[noreturn]] void damaged(const QString &path, const QString &what)
{
    logError(QStringLiteral("%1 is damaged (%2): nothing is reported from it").arg(path, what),
             LogModule::Library, LogClass::ValueList);
    throw TFileError(T_SOURCE, MasterListDamaged, MasterListDamaged, EBADMSG, path);
}

} // namespace

bool loadMasterList(TValueList &list, const QString &basePath)
{
    const QByteArray base = basePath.toLocal8Bit();
    const QString path = list.filePath(base.constData());
    if (!QFileInfo::exists(path)) {
        list.load(base.constData()); // empty, and it tells about a kept copy
        return false;
    }
    int result = TValueList::Loaded;
    try {
        result = list.load(base.constData());
    } catch (const TFileError &) {
        throw; // cannot be opened or read: the system's reason
    } catch (const TError &e) {
        damaged(path, e.text());
    }
    if (result != TValueList::Loaded) {
        list.clear();
        damaged(path, QStringLiteral("the data ends inside a record"));
    }
    return true;
}

} // namespace PosLib
