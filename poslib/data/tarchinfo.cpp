#include "tarchinfo.h"

#include "tdir.h"
#include "terror.h"
#include "tinstallation.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "ttable.h"
#include "ttablelist.h"

#include <cerrno>

#include <QFileInfo>
#include <QThread>

using namespace Basics;

namespace PosLib {

namespace {
const QChar Etx(0x03);
constexpr int OpenAttempts = 1000;
constexpr int OpenPauseMs = 30;
// An index that stays locked is reported as this position of "tarchinfo",
// the one the terminals' tools know.
constexpr int LockedErrorLine = 217;

// Lines are UTF-8; a line that is no valid UTF-8 comes from an 8-bit writer.
QString decodeLine(const QByteArray &bytes)
{
    QByteArray line = bytes;
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    const QString text = QString::fromUtf8(line);
    if (text.contains(QChar::ReplacementCharacter))
        return QString::fromLatin1(line);
    return text;
}
} // namespace

const QStringList &TArchInfo::fieldNames()
{
    static const QStringList names = {
            QStringLiteral("ad"),       QStringLiteral("fn"),         QStringLiteral("terminal"),
            QStringLiteral("termname"), QStringLiteral("center"),     QStringLiteral("centername"),
            QStringLiteral("waiter"),   QStringLiteral("waitername"), QStringLiteral("table"),
            QStringLiteral("party"),    QStringLiteral("archive"),    QStringLiteral("billnum"),
            QStringLiteral("maxamount")};
    return names;
}

QString TArchInfo::toLine() const
{
    QStringList parts;
    for (const QString &name : fieldNames())
        parts << getString(name);
    return parts.join(Etx);
}

TArchInfo *TArchInfo::fromLine(const QString &line)
{
    auto *info = new TArchInfo;
    const QStringList parts = line.split(Etx);
    const QStringList &names = fieldNames();
    for (int i = 0; i < names.size(); ++i)
        info->setString(names.at(i), parts.value(i));
    return info;
}

QString TArchInfo::sortKey() const
{
    return getString(QStringLiteral("ad")) + getString(QStringLiteral("terminal"));
}

TArchInfos::TArchInfos(const QString &root)
    : m_root(root)
    , m_path(varDir(root) + QStringLiteral(".archives"))
{
    load(0);
}

TArchInfos::~TArchInfos()
{
    clear();
}

void TArchInfos::clear()
{
    qDeleteAll(m_byName);
    m_byName.clear();
    m_sorted.clear();
}

void TArchInfos::open(TFile &file, int mode)
{
    QIODevice::OpenMode how = QIODevice::ReadWrite;
    if (mode == 1)
        how = QIODevice::ReadWrite | QIODevice::Truncate;
    else if (mode == 2)
        how = QIODevice::WriteOnly | QIODevice::Append;
    file.setFileName(m_path);
    file.setLockRetry(1, 0);
    for (int attempt = 0; attempt < OpenAttempts; ++attempt) {
        try {
            file.open(how);
            return;
        } catch (const TFileError &e) {
            // only a lock held elsewhere is worth waiting for
            if (!isLockBusy(e))
                throw;
            QThread::msleep(OpenPauseMs);
        }
    }
    throw TError(LockedErrorLine, "tarchinfo", 301, 301);
}

void TArchInfos::insert(TArchInfo *info)
{
    const QString name = info->getString(QStringLiteral("fn"));
    if (TArchInfo *old = m_byName.value(name)) {
        m_sorted.remove(old->sortKey(), old);
        delete old;
    }
    m_byName.insert(name, info);
    m_sorted.insert(info->sortKey(), info);
}

TArchInfo *TArchInfos::add(TTable *table)
{
    auto *info = new TArchInfo;
    QString archived;
    table->entries().forEach([&archived](TTableEntry *e) {
        if (archived.isEmpty() && e->type() == EntryArchive)
            archived = QDateTime(e->date(), e->time()).toString(Qt::ISODate);
    });
    const TTableCreate &c = table->create();
    info->setString(QStringLiteral("ad"), archived);
    info->setString(QStringLiteral("fn"), archiveFileName(table->archive()));
    info->setString(QStringLiteral("terminal"), QString::number(c.terminal()));
    info->setString(QStringLiteral("termname"), c.termName());
    info->setString(QStringLiteral("center"), QString::number(c.center()));
    info->setString(QStringLiteral("centername"), c.centerName());
    info->setString(QStringLiteral("waiter"), QString::number(c.waiter()));
    info->setString(QStringLiteral("waitername"), c.waiterName());
    info->setString(QStringLiteral("table"), QString::number(table->table()));
    info->setString(QStringLiteral("party"), QString::number(table->party()));
    info->setString(QStringLiteral("archive"), QString::number(table->archive()));
    info->setString(QStringLiteral("billnum"), QString::number(table->billNum()));
    info->setString(QStringLiteral("maxamount"), QString::number(qint64(table->maxAmount())));
    insert(info);
    return info;
}

void TArchInfos::load(qint64 offset)
{
    TFile file;
    open(file, 0);
    if (offset > 0)
        file.at(qMin(offset, file.size()));
    for (;;) {
        const QByteArray bytes = file.readLine();
        if (bytes.isEmpty())
            break;
        const QString line = decodeLine(bytes);
        if (line.isEmpty())
            continue;
        TArchInfo *info = TArchInfo::fromLine(line);
        if (m_byName.contains(info->getString(QStringLiteral("fn")))) {
            delete info;
            continue;
        }
        logDebug(QStringLiteral("load, key is %1").arg(info->sortKey()), LogModule::Library,
                 LogClass::ArchInfos);
        insert(info);
    }
    file.close();
}

void TArchInfos::save()
{
    QByteArray data;
    for (auto it = m_sorted.cbegin(); it != m_sorted.cend(); ++it) {
        logDebug(QStringLiteral("save, key is %1").arg(it.key()), LogModule::Library,
                 LogClass::ArchInfos);
        data += it.value()->toLine().toUtf8();
        data += '\n';
    }
    TFile file;
    open(file, 1);
    file.writeBlock(data);
    file.sync();
    file.close();
}

void TArchInfos::rebuild()
{
    const QFileInfo before(m_path);
    const qint64 size = before.exists() ? before.size() : 0;
    const QDateTime modified = before.exists() ? before.lastModified() : QDateTime();

    clear();
    std::unique_ptr<TTableList> list(archiveTables(m_root));
    TTableIterator it(list.get(), true, 0, nullptr, m_root);
    it.setReleasePassed(true);
    for (TTable *table = it.first(); table; table = it.next()) {
        if (!table->isNulled())
            add(table);
    }

    const QFileInfo after(m_path);
    if (after.exists() && after.lastModified() != modified)
        load(size);
    save();
}

} // namespace PosLib
