#pragma once

#include "trecordcodec.h"

#include <QString>

namespace PosLib {

// The fields of table files that reports and the exceptions read or copy,
// as small numbers.
// Every other field of a record is passed over by reports.
enum TField : quint8 {
    // every entry
    FType,
    FId,
    FFather,
    FDate,
    FTime,
    FWaiter,
    FWaiterName,
    FTerminal,
    FTermName,
    FCenter,
    FCenterName,
    // orders and components
    FPlu,
    FArticle,
    FArtShort,
    FPrice,
    FCount,
    FFamily,
    FFamilyName,
    FFamGroup,
    FFamGrpName,
    FVatRate,
    FRateIh,
    FRateOh,
    FIsVatOh,
    FTaxAmounts,
    FTaxOh,
    FTaxIh,
    FDiscount,
    FDiscId,
    FDiscName,
    FDiscRate,
    FDiscBase,
    FDiscAbs,
    FDiscSub,
    FDiscSubName,
    FCredit,
    FVoided,
    FRoundingArt,
    FIsControl,
    // voids
    FVWaiter,
    FVWaiterName,
    FReason,
    // payments and cash records
    FAmount,
    FGiven,
    FOrgGiven,
    FReturn,
    FRetAmount,
    FTip,
    FPayform,
    FPayformName,
    FGuests,
    FCurr,
    FCurrName,
    FCurrShort,
    FCurrRate,
    FCurrDecPos,
    FRetCurr,
    FRetCurrName,
    FRetCurrShort,
    FRetCurrRate,
    FRetCurrDecPos,
    FInTermSum,
    FRoom,
    FHotParty,
    FHotelAcc,
    FHotelGuest,
    FSubvent,
    FSubvId,
    FSubvName,
    FSubvAmount,
    // balance records
    FCcdAmount,
    FCcdBalance,
    FCcdDifferences,
    FAllWaiters,
    FCcdTerminal,
    FCcdCostCenter,
    // table header and creation record
    FTable,
    FParty,
    FArchive,
    FBillNum,
    FVatOh,
    FInSum,
    FTrainee,
    FDescr,
    FTableName,
    // looked at by the exceptions: the round an order was sent in, a price
    // typed in, where a table was moved or split to
    FRound,
    FFreePrice,
    FFromTable,
    FFromParty,
    FToTable,
    FToParty,
    FFromWaiter,
    FToWaiter,
    // the Z counter a closing stamped a bill with
    FZCount,
    FieldCount
};

// The field's name in records ("plu" for FPlu).
const QString &fieldName(TField field);
// The field of a name; false for a name reports do not read.
bool fieldOf(const QString &name, TField &field);
bool fieldOf(Basics::TRawString name, TField &field);

// The forms a field's value is read in besides its text.
namespace FieldKind {
constexpr quint8 Text = 0;
constexpr quint8 Long = 1; // getLong(), getInt()
constexpr quint8 Double = 2; // getDouble()
constexpr quint8 Bool = 4; // getBool()
constexpr quint8 Date = 8;
constexpr quint8 Time = 16;
} // namespace FieldKind

// The forms of each field, in the order of TField: known where a field is
// asked for, so that a plain integer is read there.
inline constexpr quint8 FieldKinds[FieldCount] = {
        FieldKind::Long, // type
        FieldKind::Long, // id
        FieldKind::Long, // father
        FieldKind::Date, // date
        FieldKind::Time, // time
        FieldKind::Long, // waiter
        FieldKind::Text, // waitername
        FieldKind::Long, // terminal
        FieldKind::Text, // termname
        FieldKind::Long, // center
        FieldKind::Text, // centername
        FieldKind::Long, // plu
        FieldKind::Text, // article
        FieldKind::Text, // artshort
        FieldKind::Long, // price
        FieldKind::Double, // count
        FieldKind::Long, // family
        FieldKind::Text, // familyname
        FieldKind::Long, // famgroup
        FieldKind::Text, // famgrpname
        FieldKind::Long, // vatrate
        FieldKind::Long | FieldKind::Double, // rateih
        FieldKind::Long | FieldKind::Double, // rateoh
        FieldKind::Bool, // isvatoh
        FieldKind::Text, // taxamounts
        FieldKind::Text, // taxoh
        FieldKind::Text, // taxih
        FieldKind::Double, // discount
        FieldKind::Text, // discid
        FieldKind::Text, // discname
        FieldKind::Double, // discrate
        FieldKind::Text, // discbase
        FieldKind::Text, // discabs
        FieldKind::Text, // discsub
        FieldKind::Text, // discsubname
        FieldKind::Bool, // credit
        FieldKind::Bool, // voided
        FieldKind::Text, // roundingart
        FieldKind::Bool, // iscontrol
        FieldKind::Long, // vwaiter
        FieldKind::Text, // vwaitername
        FieldKind::Text, // reason
        FieldKind::Long | FieldKind::Double, // amount
        FieldKind::Long, // given
        FieldKind::Long, // orggiven
        FieldKind::Long, // return
        FieldKind::Long, // retamount
        FieldKind::Long, // tip
        FieldKind::Long, // payform
        FieldKind::Text, // payformname
        FieldKind::Long, // guests
        FieldKind::Long, // curr
        FieldKind::Text, // currname
        FieldKind::Text, // currshort
        FieldKind::Text, // currrate
        FieldKind::Long, // currdecpos
        FieldKind::Long, // retcurr
        FieldKind::Text, // retcurrname
        FieldKind::Text, // retcurrshort
        FieldKind::Text, // retcurrrate
        FieldKind::Long, // retcurrdecpos
        FieldKind::Bool, // intermsum
        FieldKind::Text, // room
        FieldKind::Text, // hotparty
        FieldKind::Text, // hotelacc
        FieldKind::Text, // hotelguest
        FieldKind::Text, // subvent
        FieldKind::Long, // subvid
        FieldKind::Text, // subvname
        FieldKind::Long, // subvamount
        FieldKind::Long, // ccdamount
        FieldKind::Long, // ccdbalance
        FieldKind::Long, // ccddifferences
        FieldKind::Text, // allwaiters
        FieldKind::Text, // ccdterminal
        FieldKind::Text, // ccdcostcenter
        FieldKind::Long, // table
        FieldKind::Long, // party
        FieldKind::Long, // archive
        FieldKind::Long, // billnum
        FieldKind::Bool, // vatoh
        FieldKind::Bool, // insum
        FieldKind::Bool, // trainee
        FieldKind::Text, // descr
        FieldKind::Text, // tablename
        FieldKind::Long, // round
        FieldKind::Bool, // freeprice
        FieldKind::Long, // fromtable
        FieldKind::Long, // fromparty
        FieldKind::Long, // totable
        FieldKind::Long, // toparty
        FieldKind::Long, // fromwaiter
        FieldKind::Long, // towaiter
        FieldKind::Long, // zcount
};

constexpr quint8 fieldKinds(TField f)
{
    return FieldKinds[f];
}

// Up to 18 digits without a sign, nothing else: the number, as
// rawInteger() gives it.
inline bool plainDigits(Basics::TRawString raw, qint64 &value)
{
    if (raw.size < 2 || raw.size > 36)
        return false;
    qint64 v = 0;
    for (const uchar *p = raw.data, *end = raw.data + raw.size; p < end; p += 2) {
        const unsigned digit = unsigned(p[1]) - unsigned('0');
        if (p[0] != 0 || digit > 9)
            return false;
        v = v * 10 + qint64(digit);
    }
    value = v;
    return true;
}

} // namespace PosLib
