#include "filterprobe.h"

#include "tsumfilter.h"
#include "ttable.h"
#include "ttablelist.h"

#include <memory>

namespace PosLib {

namespace {

// Whether some entry of the type has the field at that value (payments
// only when not voided).
bool hasEntry(const TTable &table, int type, const QString &key, const QString &value)
{
    bool found = false;
    table.entries().forEach([&](const TTableEntry *entry) {
        if (found || entry->type() != type)
            return;
        if (type == EntryPay && entry->isVoided())
            return;
        found = entry->getString(key) == value;
    });
    return found;
}

// A value of the table: from its header, else from its creation record
// (which holds the waiter and the cost center).
QString tableValue(const TTable &table, const QString &key)
{
    return table.has(key) ? table.getString(key) : table.create().getString(key);
}

TFilterProbe::Table describe(const TTable &table, bool open)
{
    TFilterProbe::Table t;
    t.open = open;
    t.table = table.table();
    t.party = table.party();
    t.archive = table.archive();
    t.waiter = tableValue(table, QStringLiteral("waiter")).toInt();
    t.waiterName = tableValue(table, QStringLiteral("waitername"));
    return t;
}

} // namespace

bool matchesSelection(const TTable &table, const Basics::TValue &selection)
{
    for (const char *key : {"center", "waiter", "table"}) {
        const QString name = QString::fromLatin1(key);
        if (selection.has(name) && tableValue(table, name) != selection.getString(name))
            return false;
    }
    const struct
    {
        const char *selected;
        int type;
        const char *field;
    } entryKeys[] = {
            {"article", EntryOrder, "plu"},
            {"family", EntryOrder, "family"},
            {"payform", EntryPay, "payform"},
    };
    for (const auto &k : entryKeys) {
        const QString name = QString::fromLatin1(k.selected);
        if (selection.has(name)
            && !hasEntry(table, k.type, QString::fromLatin1(k.field), selection.getString(name)))
            return false;
    }
    return true;
}

TFilterProbe probeFilter(const TSumFilter &filter, const QString &root,
                         const Basics::TValue &selection, int examples)
{
    TFilterProbe probe;
    for (const bool open : {true, false}) {
        std::unique_ptr<TTableList> list(open ? activeTables(root) : archiveTables(root));
        if (!list)
            continue;
        TTableIterator it(list.get(), true, 0, nullptr, root);
        it.setIncludeHeld(true);
        it.setIncludeHidden(true);
        it.setReleasePassed(true);
        for (TTable *table = it.first(); table; table = it.next()) {
            if (!matchesSelection(*table, selection))
                continue;
            ++probe.tables;
            TFilterProbe::Table t = describe(*table, open);
            table->entries().forEach([&](const TTableEntry *entry) {
                ++t.entries;
                if (filter.testEntry(table, entry))
                    ++t.keptEntries;
            });
            if (!filter.testTable(table)) {
                if (probe.dropped.size() < examples)
                    probe.dropped.append(t);
                continue;
            }
            ++probe.keptTables;
            probe.entries += t.entries;
            probe.keptEntries += t.keptEntries;
            if (probe.kept.size() < examples)
                probe.kept.append(t);
        }
    }
    return probe;
}

} // namespace PosLib
