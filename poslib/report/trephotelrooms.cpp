#include "treppaynodes.h"

#include "tfactsof.h"
#include "tnodeparts.h"

#include <algorithm>

namespace PosLib {

using namespace NodeParts;

TRepHotelRooms::TRepHotelRooms()
    : TRepPayNode(QStringLiteral("hotelrooms"))
{
    // a leaf per pay charged to a room: a year's are many; spooled also in
    // the order of the hotel room report
    spoolLeavesBeyond(&timeText);
}

QString TRepHotelRooms::timeText(const TReportLeaf &leaf)
{
    const auto &room = static_cast<const TRepHotelRoom &>(leaf);
    const QDate d = room.fieldDate();
    const QTime t = room.fieldTime();
    return QString::asprintf("%04d%02d%02d%02d%02d%02d", d.year(), d.month(), d.day(), t.hour(),
                             t.minute(), t.second());
}

bool TRepHotelRooms::spoolable() const
{
    // the report orders by the time text and a running number of eight
    // places after it: by the time text, then the key, only while every
    // time text has the same length
    for (const TReportLeaf *leaf : std::as_const(m_leaves)) {
        if (timeText(*leaf).size() != 14)
            return false;
    }
    return true;
}

void TRepHotelRooms::visitByTime(const std::function<void(const TReportLeaf &leaf)> &visit) const
{
    if (spooled()) {
        visitSpoolOrder([&visit](const QString &, const TReportLeaf &leaf) { visit(leaf); });
        return;
    }
    // the running number in key order keeps equal times apart
    QList<std::pair<QString, const TReportLeaf *>> sorted;
    long running = 0;
    for (const TReportLeaf *leaf : std::as_const(m_leaves))
        sorted.append({timeText(*leaf) + QString::asprintf("%08ld", ++running), leaf});
    std::sort(sorted.begin(), sorted.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &entry : sorted)
        visit(*entry.second);
}

void TRepHotelRooms::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (m_keepRecords) {
        TRepPayNode::add(entry, table);
        spoolWhenFull();
        return;
    }
    // the pays charged to a room
    if (entry.isEmptyText(FRoom))
        return;
    addToTotal(entry);
    ++m_taken;
}

int TRepHotelRooms::leafCount() const
{
    return m_keepRecords ? recordLeafCount() : m_taken;
}

QString TRepHotelRooms::keyOf(const TEntryFacts &entry, const TTableFacts &) const
{
    const QString room = entry.getString(FRoom);
    if (room.isEmpty())
        return QString();
    return room + QLatin1Char('_') + entry.getString(FHotParty) + QLatin1Char('_')
           + QString::number(leavesTaken());
}

TReportLeaf *TRepHotelRooms::createLeaf(const TEntryFacts &entry, const TTableFacts &table)
{
    return new TRepHotelRoom(entry, table);
}

TReportLeaf *TRepHotelRooms::newLeaf() const
{
    return new TRepHotelRoom;
}

QString TRepHotelRooms::mergedKey(const QString &key, int offset) const
{
    // room_party_n: n leaves were there before it
    const qsizetype cut = key.lastIndexOf(QLatin1Char('_'));
    if (cut < 0)
        return key;
    return key.left(cut + 1) + numberAfter(key.mid(cut + 1), offset);
}

} // namespace PosLib
