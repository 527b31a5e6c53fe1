#pragma once

#include "terror.h"
#include "tfile.h"
#include "ttableentry.h"
#include "tvalue.h"

#include <QDate>
#include <QObject>

#include <memory>
#include <optional>

class QDomDocument;
class QDomElement;
class QDomNode;

namespace Basics {
class TRecordReader;
}

namespace PosLib {

class TTaxGroups;
class TurnoverData;

// One table (bill) in memory: the header (this record's own fields), the
// creation record and the entries. Named by table and party while open on
// the terminals, by archive number once paid.
class TTable : public QObject, public Basics::TValue
{
    Q_OBJECT
public:
    enum Mode {
        ActiveTable = 1, // "var/tables/t<table>.<party>"
        ArchivedTable = 2, // "var/archives/a<archive>"
        DayTable = 3, // "var/statist/tagDD.MM.YYYY/a<archive>"
        SummaryTable = 4, // read from a day summary; no file of its own
    };
    enum State { Closed = 0, Open = 1, Locked = 2, Corrupt = 3, Hidden = 4 };
    // Results of load() and loadData().
    enum LoadResult {
        Loaded = 0, // loaded, or hidden by the visibility bits (see state())
        NoPath = 3,
        EmptyFile = 5,
        NoCreationRecord = 304, // the creation record is not one
    };
    // Results of openForUpdate() and stampTurnover().
    enum UpdateResult {
        OpenedForUpdate = 0,
        NotUpdatable = 3, // an active table, or a corrupt creation record
        AccessRefused = 8,
        NoTableFile = 10016, // missing, or empty (and then deleted)
        StampNotWritten = 305, // stampTurnover(): the stamped table could not be saved
    };
    // Visibility bits of load().
    enum Visibility {
        ShowOwn = 2,
        ShowAccessible = 4,
        ShowOthers = 8,
        CompareTeams = 16,
    };

    TTable(long table, int party, Basics::TValue *owner, const QString &root);
    TTable(long archive, Basics::TValue *owner, const QString &root);
    TTable(const QDate &day, long archive, Basics::TValue *owner, const QString &root);
    explicit TTable(Basics::TValue *owner);
    ~TTable() override;

    int mode() const { return m_mode; }
    int state() const { return m_state; }
    void setState(int state) { m_state = state; }
    int heldBy() const { return m_heldBy; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    QString root() const { return m_root; }
    QDate day() const { return m_day; }
    Basics::TValue *owner() const { return m_owner; }

    QString filePath() const;
    bool checkHeld();

    // A LoadResult. Throws the file errors of TFile.
    int load(const QString &path, bool withEntries = true, int visibility = 0,
             Basics::TValueList *waiters = nullptr, int teamCheck = 0);
    // The same over bytes already in memory (table files and day
    // summaries). With `stopAtEnd` set, reading entries stops after the
    // first record whose "type" is negative.
    int loadData(Basics::TRecordReader &reader, bool withEntries, int visibility,
                 Basics::TValueList *waiters, int teamCheck, bool stopAtEnd = false);
    // The last load with entries met a record cut off (or with an absurd
    // field count) before the end of the data: the table holds the
    // entries before it.
    bool isCutOff() const { return m_cutOff; }
    // Opens an archived table for rewriting; an UpdateResult. A file that
    // ends inside an entry is NotUpdatable: rewriting it would drop what is
    // left of that entry.
    int openForUpdate();
    // Writes pending entries through "<file>.tmp" and releases the file.
    // Never throws: failures are logged and the old file stays. False when
    // pending changes could not be written (saveError() tells why).
    bool close();
    // The error of the last close() that could not write, if any.
    const std::optional<Basics::TFileError> &saveError() const { return m_saveError; }
    // Writes the turnover stamp of a day turnover run into the header of
    // an archived table and saves it: OpenedForUpdate when done, otherwise
    // the refusal of openForUpdate() (nothing is written then), or
    // StampNotWritten when the stamped table could not be saved (the file
    // stays as it was, without the stamp; saveError() tells why).
    int stampTurnover(const TurnoverData &data);

    // Table total in cents: orders minus payments plus the per-guest
    // charge. Also stores "maxamount".
    double computeAmount();
    void taxGroups(TTaxGroups *out, Basics::TValue *waiter) const;

    TTableCreate &create() { return m_create; }
    const TTableCreate &create() const { return m_create; }
    TTableEntries &entries() { return m_saved; }
    const TTableEntries &entries() const { return m_saved; }
    TTableEntries &newEntries() { return m_new; }
    // Hands a new entry to the table; it is written by the next close().
    void addEntry(TTableEntry *entry);

    // Appends the table as a file holds it: header, creation record,
    // entries with their children.
    void write(QByteArray &out) const;

    // Header fields.
    long table() const { return long(getLong(QStringLiteral("table"))); }
    void setTable(long v) { setInt(QStringLiteral("table"), v); }
    int party() const { return getInt(QStringLiteral("party")); }
    void setParty(int v) { setInt(QStringLiteral("party"), v); }
    long archive() const { return long(getLong(QStringLiteral("archive"))); }
    void setArchive(long v) { setInt(QStringLiteral("archive"), v); }
    long billNum() const { return long(getLong(QStringLiteral("billnum"))); }
    void setBillNum(long v) { setInt(QStringLiteral("billnum"), v); }
    double amount() const { return getDouble(QStringLiteral("amount")); }
    void setAmount(double v) { setDouble(QStringLiteral("amount"), v); }
    double maxAmount() const { return getDouble(QStringLiteral("maxamount")); }
    void setMaxAmount(double v) { setDouble(QStringLiteral("maxamount"), v); }
    int round() const { return getInt(QStringLiteral("round")); }
    void setRound(int v) { setInt(QStringLiteral("round"), v); }
    int guests() const { return getInt(QStringLiteral("guests")); }
    void setGuests(int v) { setInt(QStringLiteral("guests"), v); }
    long taxAmount() const { return long(getLong(QStringLiteral("taxamount"))); }
    void setTaxAmount(long v) { setInt(QStringLiteral("taxamount"), v); }
    QString taxAmounts() const { return getString(QStringLiteral("taxamounts")); }
    void setTaxAmounts(const QString &v) { setString(QStringLiteral("taxamounts"), v); }
    QString taxOh() const { return getString(QStringLiteral("taxoh")); }
    void setTaxOh(const QString &v) { setString(QStringLiteral("taxoh"), v); }
    QString taxIh() const { return getString(QStringLiteral("taxih")); }
    void setTaxIh(const QString &v) { setString(QStringLiteral("taxih"), v); }
    bool vatOh() const { return getBool(QStringLiteral("vatoh")); }
    void setVatOh(bool v) { setBool(QStringLiteral("vatoh"), v); }
    bool inSum() const { return getBool(QStringLiteral("insum")); }
    void setInSum(bool v) { setBool(QStringLiteral("insum"), v); }
    int payform() const { return getInt(QStringLiteral("payform")); }
    void setPayform(int v) { setInt(QStringLiteral("payform"), v); }
    bool isRestored() const { return getBool(QStringLiteral("restored")); }
    void setRestored(bool v) { setBool(QStringLiteral("restored"), v); }
    bool isNulled() const { return getBool(QStringLiteral("nulled")); }
    void setNulled(bool v) { setBool(QStringLiteral("nulled"), v); }
    QString netCardProperties() const { return getString(QStringLiteral("netcardproperties")); }
    void setNetCardProperties(const QString &v)
    {
        setString(QStringLiteral("netcardproperties"), v);
    }
    long zCount() const { return long(getLong(QStringLiteral("zcount"))); }
    void setZCount(long v) { setInt(QStringLiteral("zcount"), v); }
    // The turnover stamp, all text.
    QString turnoverDate() const { return getString(QStringLiteral("turnoverdate")); }
    void setTurnoverDate(const QString &v) { setString(QStringLiteral("turnoverdate"), v); }
    QString turnoverTime() const { return getString(QStringLiteral("turnovertime")); }
    void setTurnoverTime(const QString &v) { setString(QStringLiteral("turnovertime"), v); }
    QString turnoverApp() const { return getString(QStringLiteral("turnoverapp")); }
    void setTurnoverApp(const QString &v) { setString(QStringLiteral("turnoverapp"), v); }
    QString turnoverTerminal() const { return getString(QStringLiteral("turnoverterminal")); }
    void setTurnoverTerminal(const QString &v) { setString(QStringLiteral("turnoverterminal"), v); }
    QString turnoverCostCenter() const { return getString(QStringLiteral("turnovercostcenter")); }
    void setTurnoverCostCenter(const QString &v)
    {
        setString(QStringLiteral("turnovercostcenter"), v);
    }
    QString turnoverWaiter() const { return getString(QStringLiteral("turnoverwaiter")); }
    void setTurnoverWaiter(const QString &v) { setString(QStringLiteral("turnoverwaiter"), v); }
    QString turnoverWaiterName() const { return getString(QStringLiteral("turnoverwaitername")); }
    void setTurnoverWaiterName(const QString &v)
    {
        setString(QStringLiteral("turnoverwaitername"), v);
    }
    QString turnoverExecWaiter() const { return getString(QStringLiteral("turnoverexecwaiter")); }
    void setTurnoverExecWaiter(const QString &v)
    {
        setString(QStringLiteral("turnoverexecwaiter"), v);
    }
    QString turnoverExecWaiterName() const
    {
        return getString(QStringLiteral("turnoverexecwaitername"));
    }
    void setTurnoverExecWaiterName(const QString &v)
    {
        setString(QStringLiteral("turnoverexecwaitername"), v);
    }
    QString turnoverToDate() const { return getString(QStringLiteral("turnovertodate")); }
    void setTurnoverToDate(const QString &v) { setString(QStringLiteral("turnovertodate"), v); }

    virtual bool fromXml(const QDomNode &node);
    virtual void toXml(QDomDocument &doc, QDomElement &table);

Q_SIGNALS:
    void loaded(long sum);
    void amountChanged(PosLib::TTable *table, double amount);
    void discountChanged(PosLib::TTable *table, long discount);
    void created(PosLib::TTable *table);
    void tableChanged(PosLib::TTable *table, PosLib::TTableChange *change);
    void tableRemoved(PosLib::TTable *table);
    void changed(PosLib::TTable *table, PosLib::TTableEntry *entry);
    void ordered(PosLib::TTable *table, PosLib::TTableOrder *order);
    void voided(PosLib::TTable *table, PosLib::TTableVoid *entry);
    void splitted(PosLib::TTable *table, PosLib::TTableSplit *split);
    void control(PosLib::TTable *table, PosLib::TTableControl *entry);
    void paid(PosLib::TTable *table, PosLib::TTablePay *pay);
    void unpaid(PosLib::TTable *table, PosLib::TTablePay *pay);
    void archived(PosLib::TTable *table);
    void restored(PosLib::TTable *table);
    void vatChanged(PosLib::TTable *table, bool vatOh);

private:
    TTable(int mode, long table, int party, long archive, const QDate &day, Basics::TValue *owner,
           const QString &root);
    bool isVisible(int visibility, Basics::TValueList *waiters, int teamCheck) const;
    bool mayUpdate() const;
    void resetContent();
    void removeOwnMarker();
    void closeFile(Basics::TFile &file);

    int m_mode;
    int m_state = Closed;
    int m_heldBy = 0;
    int m_ownTerminal = 0;
    long m_tableNo;
    int m_partyNo;
    long m_archiveNo;
    QDate m_day;
    Basics::TValue *m_owner;
    bool m_modified = false;
    bool m_cutOff = false;
    QString m_root;
    Basics::TFile m_file;
    std::optional<Basics::TFileError> m_saveError;
    TTableCreate m_create;
    TTableEntries m_saved;
    TTableEntries m_new;
};

// "t12.001" for table 12, party 1.
QString activeTableFileName(long table, int party);
// "a1234" for archive 1234.
QString archiveFileName(long archive);

// True when either team list is empty or both share a team number.
bool teamsMatch(const QString &ownerTeams, const QString &creatorTeams);

// Names one table file and creates its table on demand (at most once).
class TTableInfo : public Basics::TValue
{
public:
    TTableInfo() = default;
    ~TTableInfo() override;

    static TTableInfo *active(long table, int party, const QString &root = QString());
    static TTableInfo *archived(long archive, const QString &root = QString());
    static TTableInfo *ofDay(const QDate &day, long archive, const QString &root = QString());

    TTable *table(bool withEntries, int visibility, Basics::TValue *owner,
                  Basics::TValueList *waiters, int teamCheck, const QString &root);
    // The table created before, if any.
    TTable *loadedTable() const { return m_table.get(); }
    // Deletes the table created before.
    void releaseTable() { m_table.reset(); }
    QString fileName(const QString &root) const;
    // The installation the table lies in: its own "path", else `root`.
    QString rootFor(const QString &root) const;

private:
    TTable *makeTable(Basics::TValue *owner, const QString &root) const;

    std::unique_ptr<TTable> m_table;
};

} // namespace PosLib
