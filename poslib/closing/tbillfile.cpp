#include "tbillfile.h"

#include "terror.h"
#include "trecordcodec.h"
#include "ttable.h"

#include <QFile>

namespace PosLib {

bool readBillFile(const QString &path, const QDate &day, const QString &root,
                  const std::function<void(const TTable &)> &use)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return false;
    TTable table(day, 0, nullptr, root);
    Basics::TRecordReader reader(bytes);
    try {
        if (table.loadData(reader, true, 0, nullptr, 0) != TTable::Loaded
            || table.state() == TTable::Corrupt)
            return false;
    } catch (const Basics::TError &) {
        return false;
    }
    use(table);
    return true;
}

} // namespace PosLib
