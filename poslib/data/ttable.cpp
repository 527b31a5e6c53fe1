#include "ttable.h"
#include "tlogcategories.h"
#include "ttablefilenames.h"
#include "turnoverdata.h"

#include "tdir.h"
#include "terror.h"
#include "tfileread.h"
#include "tinstallation.h"
#include "tlog.h"
#include "trecordcodec.h"
#include "tround.h"
#include "tsavefile.h"
#include "ttaxgroups.h"

#include <cerrno>

#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QThread>

using namespace Basics;

namespace PosLib {

namespace {

constexpr int CloseAttempts = 50;
constexpr int RetryPauseMs = 100;

void logTable(int level, const QString &text)
{
    if (level <= 2)
        logError(text, LogModule::Library, LogClass::Table);
    else
        logWarning(text, LogModule::Library, LogClass::Table);
}

} // namespace

// ---- construction ---------------------------------------------------------

TTable::TTable(int mode, long table, int party, long archive, const QDate &day, TValue *owner,
               const QString &root)
    : m_mode(mode)
    , m_tableNo(table)
    , m_partyNo(party)
    , m_archiveNo(archive)
    , m_day(day)
    , m_owner(owner)
    , m_root(root)
    , m_saved(true)
    , m_new(true)
{ }

TTable::TTable(long table, int party, TValue *owner, const QString &root)
    : TTable(ActiveTable, table, party, 0, QDate(), owner, root)
{ }

TTable::TTable(long archive, TValue *owner, const QString &root)
    : TTable(ArchivedTable, 0, 0, archive, QDate(), owner, root)
{ }

TTable::TTable(const QDate &day, long archive, TValue *owner, const QString &root)
    : TTable(DayTable, 0, 0, archive, day, owner, root)
{ }

TTable::TTable(TValue *owner)
    : TTable(SummaryTable, 0, 0, 0, QDate(), owner, QString())
{ }

TTable::~TTable()
{
    if (m_file.isOpen())
        close();
}

QString TTable::filePath() const
{
    switch (m_mode) {
    case ActiveTable:
        return tablesDir(m_root) + activeTableFileName(m_tableNo, m_partyNo);
    case ArchivedTable:
    case SummaryTable:
        return archivesDir(m_root) + archiveFileName(m_archiveNo);
    case DayTable:
        return statistDayDir(m_day, m_root) + archiveFileName(m_archiveNo);
    default:
        return QString();
    }
}

void TTable::resetContent()
{
    Q_EMIT loaded(0);
    if (m_file.isOpen())
        close();
    m_saved.clear();
    m_new.clear();
}

bool TTable::checkHeld()
{
    const QString pattern = QStringLiteral("T%1P%2.*").arg(m_tableNo).arg(m_partyNo);
    const QStringList markers = QDir(activeTablesDir(m_root))
                                        .entryList(QStringList(pattern),
                                                   QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                                                   QDir::Name | QDir::IgnoreCase);
    if (markers.isEmpty()) {
        m_heldBy = 0;
        return false;
    }
    const QString first = markers.first();
    const int terminal = int(parseInteger(first.mid(first.indexOf(QLatin1Char('.')) + 1)));
    resetContent();
    m_state = Locked;
    m_heldBy = terminal;
    setTable(m_tableNo);
    setParty(m_partyNo);
    return true;
}

QString activeTableFileName(long table, int party)
{
    QString name;
    appendActiveTableFileName(name, table, party);
    return name;
}

QString archiveFileName(long archive)
{
    QString name;
    appendArchiveFileName(name, archive);
    return name;
}

// ---- loading --------------------------------------------------------------

bool teamsMatch(const QString &ownerTeams, const QString &creatorTeams)
{
    if (ownerTeams.isEmpty() || creatorTeams.isEmpty())
        return true;
    const QStringList mine = ownerTeams.split(QLatin1Char(';'));
    const QStringList theirs = creatorTeams.split(QLatin1Char(';'));
    for (const QString &a : mine) {
        const qint64 x = parseInteger(a);
        for (const QString &b : theirs) {
            if (x == parseInteger(b))
                return true;
        }
    }
    return false;
}

bool TTable::isVisible(int visibility, TValueList *waiters, int teamCheck) const
{
    if (visibility == 0 || !m_owner)
        return true;
    const int creator = m_create.waiter();
    if (creator == m_owner->id())
        return visibility & ShowOwn;
    const long number = table();
    const bool allTables = m_owner->getBool(QStringLiteral("alltables"));
    if (!allTables
        && (number == 0 || number < m_owner->getLong(QStringLiteral("mintablerange"))
            || number > m_owner->getLong(QStringLiteral("maxtablerange"))))
        return visibility & ShowOthers;
    const QString ownerTeams = m_owner->getString(QStringLiteral("teams"));
    if ((visibility & CompareTeams) && teamCheck && waiters && !ownerTeams.isEmpty()) {
        const TValue *waiter = waiters->find(creator);
        if (!waiter)
            return true;
        const QString teams = waiter->getString(QStringLiteral("teams"));
        if (!teams.isEmpty() && teamsMatch(ownerTeams, teams))
            return visibility & ShowAccessible;
        return visibility & ShowOthers;
    }
    return visibility & ShowAccessible;
}

int TTable::load(const QString &path, bool withEntries, int visibility, TValueList *waiters,
                 int teamCheck)
{
    resetContent();
    m_state = Closed;
    m_cutOff = false;
    if (path.isEmpty())
        return NoPath;
    // under a shared lock, in a few system calls when nobody writes it
    QByteArray data;
    data.truncate(readWholeFile(path, data));
    if (data.isEmpty())
        return EmptyFile;
    TRecordReader reader(data);
    return loadData(reader, withEntries, visibility, waiters, teamCheck);
}

int TTable::loadData(TRecordReader &reader, bool withEntries, int visibility, TValueList *waiters,
                     int teamCheck, bool stopAtEnd)
{
    reader.read(*this);
    reader.read(m_create);
    if (m_create.type() != EntryCreate) {
        m_state = Corrupt;
        if (stopAtEnd) {
            // keep the summary in step: the next table starts after this one
            TTableEntry skipped;
            while (reader.read(skipped) == TRecordReader::Ok && skipped.type() >= 0) { }
        }
        return NoCreationRecord;
    }
    if (!isVisible(visibility, waiters, teamCheck)) {
        m_state = Hidden;
        if (stopAtEnd) {
            // skip to the end of this table in the summary
            TTableEntry skipped;
            while (reader.read(skipped) == TRecordReader::Ok && skipped.type() >= 0) { }
        }
        return Loaded;
    }
    if (withEntries || stopAtEnd) {
        qint64 sum = 0;
        // An order's add-ons follow it in the file, so its line counts once
        // the next top-level entry (or the end) shows they are complete.
        TTableEntry *order = nullptr;
        auto countOrder = [&] {
            if (order && withEntries) {
                sum += lineAmount(order->price(), order->count());
                Q_EMIT loaded(long(sum));
            }
            order = nullptr;
        };
        const QString father = QStringLiteral("father");
        for (;;) {
            auto *e = new TTableEntry;
            const TRecordReader::Status status = reader.read(*e);
            if (status != TRecordReader::Ok) {
                m_cutOff = status != TRecordReader::End;
                delete e;
                break;
            }
            const int type = e->type();
            if (stopAtEnd && type < 0) {
                // the record that ends a table in a day summary
                delete e;
                break;
            }
            const bool child = e->has(father) && m_saved.entry(e->getInt(father));
            if (!child)
                countOrder(); // before filing: an entry with the same id replaces it
            TTableEntry::file(e, m_saved);
            if (!child && type == EntryOrder)
                order = e;
        }
        countOrder();
        if (!withEntries)
            m_saved.clear();
    }
    m_state = Open;
    if (m_mode == ActiveTable) {
        setTable(m_tableNo);
        setParty(m_partyNo);
    } else if (m_mode != SummaryTable) {
        setArchive(m_archiveNo);
    }
    return Loaded;
}

// ---- update ---------------------------------------------------------------

bool TTable::mayUpdate() const
{
    if (!m_owner)
        return true;
    if (m_create.waiter() == m_owner->id())
        return true;
    const long number = table();
    if (number != 0 && number >= m_owner->getLong(QStringLiteral("mintablerange"))
        && number <= m_owner->getLong(QStringLiteral("maxtablerange")))
        return true;
    return m_owner->getBool(QStringLiteral("alltables"))
           && teamsMatch(m_owner->getString(QStringLiteral("teams")), m_create.teams());
}

int TTable::openForUpdate()
{
    if (m_mode == ActiveTable)
        return NotUpdatable;
    const QString path = filePath();
    if (!QFileInfo::exists(path))
        return NoTableFile;
    if (m_file.isOpen())
        closeFile(m_file);
    m_file.setFileName(path);
    m_file.open(QIODevice::ReadWrite);
    if (m_file.size() == 0) {
        closeFile(m_file);
        deleteFile(path);
        return NoTableFile;
    }
    const QByteArray data = m_file.readRest();
    m_saved.clear();
    m_new.clear();
    TRecordReader reader(data);
    reader.read(*this);
    reader.read(m_create);
    // A table that is not opened for update must not keep the file locked
    // against the terminals.
    if (m_create.type() != EntryCreate) {
        m_state = Corrupt;
        closeFile(m_file);
        return NotUpdatable;
    }
    if (!mayUpdate()) {
        m_state = Locked;
        closeFile(m_file);
        return AccessRefused;
    }
    while (TTableEntry::read(reader, m_saved)) { }
    if (!reader.atEnd()) {
        // cut off inside an entry: a rewrite would lose the rest of it
        logTable(2, QStringLiteral("Table file %1 ends inside an entry; it is left as it is")
                            .arg(path));
        m_saved.clear();
        m_state = Corrupt;
        closeFile(m_file);
        return NotUpdatable;
    }
    setArchive(m_archiveNo);
    m_state = Open;
    return OpenedForUpdate;
}

int TTable::stampTurnover(const TurnoverData &data)
{
    const int result = openForUpdate();
    if (result != OpenedForUpdate)
        return result;
    const QDateTime when = data.actualDateTime();
    setTurnoverDate(when.date().toString(Qt::ISODate));
    setTurnoverTime(when.time().toString(Qt::ISODate));
    setTurnoverApp(data.applicationName());
    if (const TValue *executing = data.turnoverWaiter()) {
        setTurnoverExecWaiter(QString::number(executing->id()));
        setTurnoverExecWaiterName(executing->getString(QStringLiteral("name")));
    }
    setTurnoverCostCenter(QString::number(data.costCenterId()));
    setTurnoverTerminal(QString::number(data.terminalId()));
    setZCount(data.zCounter());
    setTurnoverToDate(data.turnoverPath());
    if (const TValue *waiter = data.waiter()) {
        setTurnoverWaiter(QString::number(waiter->id()));
        setTurnoverWaiterName(waiter->getString(QStringLiteral("name")));
    }
    setModified(true);
    return close() ? OpenedForUpdate : StampNotWritten;
}

void TTable::addEntry(TTableEntry *entry)
{
    if (entry->id() == 0)
        m_new.append(entry);
    else
        m_new.insert(entry);
}

void TTable::removeOwnMarker()
{
    if (m_ownTerminal <= 0)
        return;
    try {
        deleteFile(QStringLiteral("%1/T%2P%3.%4")
                           .arg(activeTablesDir(m_root))
                           .arg(m_tableNo)
                           .arg(m_partyNo)
                           .arg(m_ownTerminal));
    } catch (const TError &e) {
        logDebug(e.text(), LogModule::Library, LogClass::Table);
    }
}

void TTable::closeFile(TFile &file)
{
    for (int attempt = 0; attempt < CloseAttempts && file.isOpen(); ++attempt) {
        file.close();
        if (file.isOpen())
            QThread::msleep(RetryPauseMs);
    }
}

void TTable::write(QByteArray &out) const
{
    appendRecord(out, *this);
    appendRecord(out, m_create);
    m_saved.write(out);
}

bool TTable::close()
{
    m_saveError.reset();
    if (m_state != Open) {
        logTable(3, QStringLiteral("No access on File m_State:%1").arg(m_state));
        return true;
    }
    if (m_create.isEmpty()) {
        logTable(2, QStringLiteral("No create information"));
        return true;
    }
    removeOwnMarker();

    const QString target = filePath();
    if (m_new.isEmpty() && !m_modified) {
        closeFile(m_file);
        if (m_saved.isEmpty()) {
            try {
                deleteFile(target);
            } catch (const TError &e) {
                logTable(2, QStringLiteral("Exception ttable:close remove: %1").arg(target));
            }
        }
        return true;
    }

    const QString temporary = target + QLatin1String(".tmp");
    if (table() == 0 || party() == 0)
        logTable(2,
                 QStringLiteral("ttable::close tableno: %1 partyno=%2").arg(table()).arg(party()));

    // the new entries join the saved ones, numbered on
    const bool wasEmpty = m_saved.isEmpty();
    bool ordered = false;
    const QList<int> ids = m_new.ids();
    for (int id : ids) {
        auto *entry = static_cast<TTableEntry *>(m_new.take(m_new.find(id)));
        if (entry->type() == EntryOrder)
            ordered = true;
        m_saved.append(entry);
    }
    m_new.clear();
    if (ordered)
        setRound(round() + 1);

    // The new content goes to the ".tmp" beside the table and replaces it
    // in one rename: readers see the old or the new table, never none.
    TSaveFile tmp(target, temporary);
    tmp.setLockRetry(1, 0); // the attempts below bound the wait
    bool opened = false;
    for (int attempt = 0; attempt < CloseAttempts && !opened; ++attempt) {
        try {
            tmp.open();
            opened = true;
        } catch (const TFileError &e) {
            m_saveError = e;
            // only a lock held elsewhere is worth waiting for
            if (!isLockBusy(e))
                break;
            QThread::msleep(RetryPauseMs);
        }
    }
    if (!opened) {
        logTable(2, QStringLiteral("Temp Tablefile could not open: %1").arg(m_saveError->text()));
        closeFile(m_file);
        return false;
    }
    m_saveError.reset();

    // the stored total is repaired on every save
    const double a = computeAmount();
    if (a != amount()) {
        logTable(2, QStringLiteral("Amount not correct:%1, %2")
                            .arg(QString::number(amount(), 'g', 6), QString::number(a, 'f', 3)));
        setAmount(a);
        Q_EMIT amountChanged(this, a);
    }

    QByteArray data;
    write(data);
    // The table file keeps its lock until the new one has taken its name.
    try {
        tmp.write(data);
        tmp.commit();
    } catch (const TFileError &e) {
        if (tmp.failedStep() == TSaveStep::SyncDir) {
            // the new content has the name; only its durability is unsure
            logTable(2, QStringLiteral("Exception ttable:close sync: %1").arg(e.text()));
        } else {
            m_saveError = e;
            if (tmp.failedStep() <= TSaveStep::Sync)
                logTable(2, QStringLiteral("Exception ttable:close write: %1 (%2)")
                                    .arg(temporary, e.text()));
            else
                logTable(2, QStringLiteral("Exception ttable:close rename %1 to %2 (%3)")
                                    .arg(temporary, target, e.text()));
            closeFile(m_file);
            return false;
        }
    }
    closeFile(m_file);
    if (wasEmpty)
        Q_EMIT created(this);
    return true;
}

// ---- totals ---------------------------------------------------------------

double TTable::computeAmount()
{
    qint64 sum = 0;
    qint64 orders = 0;
    m_saved.forEach([&](TTableEntry *e) {
        const int type = e->type();
        if (type == EntryPay) {
            if (!e->isVoided())
                sum -= e->amount();
        } else if (type == EntryOrder) {
            const double count = e->count();
            const qint64 part = lineAmount(e->price(), count) + roundHalfUp(count * e->taxAmount());
            orders += part;
            sum += part;
        }
    });
    const qint64 perGuest = qint64(taxAmount()) * guests();
    setMaxAmount(double(orders + perGuest));
    return double(sum + perGuest);
}

namespace {

struct TaxDefinition
{
    QString id;
    QString name;
    QString rate;
};

bool findTaxDefinition(const QString &list, const QString &id, TaxDefinition &out)
{
    const QStringList items = list.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &item : items) {
        const QStringList f = item.split(QLatin1Char(','));
        if (f.value(0) == id) {
            out = {f.value(0), f.value(1), f.value(2)};
            return true;
        }
    }
    return false;
}

TTaxGroup *groupFor(TTaxGroups *out, const QString &id, const QString &definitions)
{
    const int key = int(parseInteger(id));
    if (auto *group = static_cast<TTaxGroup *>(out->find(key)))
        return group;
    TaxDefinition def;
    if (!findTaxDefinition(definitions, id, def))
        return nullptr;
    auto *group = new TTaxGroup;
    group->setId(key);
    group->setName(def.name);
    group->setDouble(QStringLiteral("rate"), parseDecimal(def.rate) / 100.0);
    group->setInt(QStringLiteral("amount"), 0);
    out->insert(group);
    return group;
}

} // namespace

void TTable::taxGroups(TTaxGroups *out, TValue *waiter) const
{
    const QString tableDefs = vatOh() ? taxOh() : taxIh();
    const QStringList perGuest = taxAmounts().split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &item : perGuest) {
        const QStringList f = item.split(QLatin1Char(','));
        TTaxGroup *group = groupFor(out, f.value(0), tableDefs);
        if (!group)
            continue;
        group->setInt(QStringLiteral("amount"), group->getLong(QStringLiteral("amount"))
                                                        + parseInteger(f.value(1)) * guests());
    }

    auto addOrder = [&](TTableEntry *e) {
        if (e->type() != EntryOrder)
            return;
        if (waiter && e->waiter() != waiter->id())
            return;
        const double count = e->count();
        if (count == 0)
            return;
        const bool takeaway = e->has(QStringLiteral("isvatoh"))
                                      ? e->getBool(QStringLiteral("isvatoh"))
                                      : vatOh();
        const QString defs
                = e->getString(takeaway ? QStringLiteral("taxoh") : QStringLiteral("taxih"));
        const QStringList items = e->getString(QStringLiteral("taxamounts"))
                                          .split(QLatin1Char(':'), Qt::SkipEmptyParts);
        for (const QString &item : items) {
            const QStringList f = item.split(QLatin1Char(','));
            TTaxGroup *group = groupFor(out, f.value(0), defs);
            if (!group)
                continue;
            const double total = double(group->getLong(QStringLiteral("amount")))
                                 + parseDecimal(f.value(1)) * count;
            group->setInt(QStringLiteral("amount"), qint64(total)); // truncates toward zero
        }
    };
    m_saved.forEach(addOrder);
    m_new.forEach(addOrder);
}

// ---- XML ------------------------------------------------------------------

namespace {

void recordToXml(const TValue &value, QDomDocument &doc, QDomElement &element)
{
    const TValue::Fields &f = value.fields();
    for (auto it = f.cbegin(); it != f.cend(); ++it) {
        QDomElement field = doc.createElement(it.key());
        field.appendChild(doc.createTextNode(it.value().text));
        element.appendChild(field);
    }
}

void recordFromXml(TValue &value, const QDomElement &element)
{
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        value.set(child.nodeName(), TypeText, child.text());
}

} // namespace

void TTable::toXml(QDomDocument &doc, QDomElement &tableElement)
{
    tableElement.setAttribute(QStringLiteral("archive"), QString::number(m_archiveNo));
    QDomElement header = doc.createElement(QStringLiteral("tableheader"));
    recordToXml(*this, doc, header);
    tableElement.appendChild(header);
    QDomElement creation = doc.createElement(QStringLiteral("tablecreate"));
    recordToXml(m_create, doc, creation);
    tableElement.appendChild(creation);
    m_saved.exportXml(doc, tableElement);
}

bool TTable::fromXml(const QDomNode &node)
{
    const QDomElement header = node.firstChildElement(QStringLiteral("tableheader"));
    const QDomElement creation = node.firstChildElement(QStringLiteral("tablecreate"));
    if (header.isNull() || creation.isNull())
        return false;
    TValue::clear();
    m_create.clear();
    m_saved.clear();
    m_new.clear();
    recordFromXml(*this, header);
    recordFromXml(m_create, creation);
    const QDomElement entries = node.firstChildElement(QStringLiteral("tableentries"));
    if (!entries.isNull())
        m_saved.importXml(entries);
    return true;
}

// ---- TTableInfo -----------------------------------------------------------

TTableInfo::~TTableInfo() = default;

TTableInfo *TTableInfo::active(long table, int party, const QString &root)
{
    auto *info = new TTableInfo;
    info->setInt(QStringLiteral("table"), table);
    info->setInt(QStringLiteral("party"), party);
    if (!root.isEmpty())
        info->setString(QStringLiteral("path"), root);
    return info;
}

TTableInfo *TTableInfo::archived(long archive, const QString &root)
{
    auto *info = new TTableInfo;
    info->setInt(QStringLiteral("archive"), archive);
    if (!root.isEmpty())
        info->setString(QStringLiteral("path"), root);
    return info;
}

TTableInfo *TTableInfo::ofDay(const QDate &day, long archive, const QString &root)
{
    TTableInfo *info = archived(archive, root);
    info->setDate(QStringLiteral("date"), day);
    return info;
}

QString TTableInfo::rootFor(const QString &root) const
{
    const QString own = getString(QStringLiteral("path"));
    return own.isEmpty() ? root : own;
}

TTable *TTableInfo::makeTable(TValue *owner, const QString &root) const
{
    if (has(QStringLiteral("table")))
        return new TTable(long(getLong(QStringLiteral("table"))), getInt(QStringLiteral("party")),
                          owner, root);
    if (has(QStringLiteral("date")))
        return new TTable(getDate(QStringLiteral("date")), long(getLong(QStringLiteral("archive"))),
                          owner, root);
    return new TTable(long(getLong(QStringLiteral("archive"))), owner, root);
}

QString TTableInfo::fileName(const QString &root) const
{
    const QString base = rootFor(root);
    if (has(QStringLiteral("table")))
        return tablesDir(base)
               + activeTableFileName(getLong(QStringLiteral("table")),
                                     getInt(QStringLiteral("party")));
    if (has(QStringLiteral("date")))
        return statistDayDir(getDate(QStringLiteral("date")), base)
               + archiveFileName(getLong(QStringLiteral("archive")));
    return archivesDir(base) + archiveFileName(getLong(QStringLiteral("archive")));
}

TTable *TTableInfo::table(bool withEntries, int visibility, TValue *owner, TValueList *waiters,
                          int teamCheck, const QString &root)
{
    if (m_table)
        return m_table.get();
    m_table.reset(makeTable(owner, rootFor(root)));
    if (m_table->mode() == TTable::ActiveTable && m_table->checkHeld())
        return m_table.get();
    m_table->load(m_table->filePath(), withEntries, visibility, waiters, teamCheck);
    return m_table.get();
}

} // namespace PosLib
