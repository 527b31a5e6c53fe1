#pragma once

#include "trecordcodec.h"
#include "treppayleaves.h"
#include "ttextpool.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>

#include <vector>

namespace PosLib {

class TAggregateReader;
class TAggregateWriter;
class TEntryFacts;
class TTableFacts;

// The pays of one currency (the number in their "curr") as the cash and
// currency parts of a summary read them. Kept by "currencies" and
// "currreturns" whether or not they keep a leaf per pay.
struct TCurrencySums
{
    // One pay's currency as its leaf holds it.
    struct Pay
    {
        int number = 0; // the pay's leaf key; 0: there is no such pay
        QString name; // "currname"
        QString shortName; // "currshort"
        bool hasDecPos = false; // "currdecpos"
        int decPos = 0;
    };

    qint64 given = 0;
    qint64 returned = 0;
    // given - return of tables that do not count in the turnover
    qint64 notInSummary = 0;
    qint64 orgGiven = 0;
    // of the pays that count in the cash summary ("intermsum")
    qint64 cashReturned = 0;
    qint64 cashRetAmount = 0;
    // The pays whose leaves come first in key order: of all, and of those
    // in the cash summary with a return, and with a return amount.
    Pay first;
    Pay firstReturn;
    Pay firstRetAmount;
};

// True when the leaf key of pay `a` sorts before that of pay `b`: their
// keys are their numbers, in the order of the texts ("10" before "9").
bool numberKeyBefore(int a, int b);

// The pays of a node with a leaf per pay counted by their currency, or by
// the currency of their change: the sums of each currency, its first pays
// in key order, and a note of each pay, so that a day aggregate picks the
// first pays of later days among the same way.
//
// A pay's currency is known by the bytes its fields have in the file: the
// pays of a day come in a few currencies, so each pay finds its currency by
// comparing those bytes with the last pay's, else by one lookup, and the
// texts of a currency are decoded once, when it is first met.
class TCurrencyTally
{
public:
    // `texts`: the node's pool, which names the notes' texts.
    TCurrencyTally(TTextPool &texts, bool returnMode);

    // Counts the pay whose leaf key is `number`; `pay`: its sums, none when
    // it is not taken.
    void count(const TEntryFacts &entry, const TTableFacts &table, int number,
               const TPayValues &pay);
    // By currency number.
    const QMap<int, TCurrencySums> &sums() const;
    // Whether a note of each pay is kept (for writing a day aggregate).
    void setKeepNotes(bool keep) { m_keepNotes = keep; }
    bool keepsNotes() const { return m_keepNotes; }
    // Forgets the sums and notes; the currencies met stay known.
    void clear();
    // The sums and notes as a day aggregate holds them; merge() adds those
    // of a later day whose pays are numbered on from `offset`.
    void write(TAggregateWriter &out) const;
    void merge(TAggregateReader &in, int offset);

private:
    // A currency as a pay names it.
    struct Currency
    {
        int number = 0;
        quint32 name = TTextPool::Null; // text numbers
        quint32 shortName = TTextPool::Null;
        int decPos = 0;
        bool hasDecPos = false;
        // its sums in m_sums, valid while `turn` is m_turn
        quint32 sums = 0;
        quint32 turn = 0;
        bool sameAs(const Currency &o) const;
    };
    // What the first pays of a currency are picked by: a pay's number,
    // its currency and whether it counts as a return in the cash summary.
    struct Note
    {
        int number;
        int currency;
        quint32 name; // text numbers
        quint32 shortName;
        int decPos;
        bool hasDecPos;
        bool cashReturn;
        bool cashRetAmount;
    };
    // The pay's currency in m_currencies.
    quint32 currencyOf(const TEntryFacts &entry);
    // The same by the values of its fields (decoded).
    quint32 decodedCurrency(const TEntryFacts &entry);
    TCurrencySums &sumsOf(Currency &currency);
    TCurrencySums &sumsOf(int number);
    void notePay(const Note &note, TCurrencySums &sums);

    TTextPool &m_texts;
    bool m_returnMode;
    bool m_keepNotes = true;
    std::vector<Currency> m_currencies;
    // A currency by the bytes of its fields in the file: their lengths
    // (-1: null, -2: absent), their bytes one after the other.
    struct RawCurrency
    {
        qint32 size[4];
        QByteArray bytes;
        quint32 currency = 0;
        bool matches(const Basics::TRawString *raws) const;
    };
    std::vector<RawCurrency> m_raw;
    size_t m_last = 0; // the one met last
    // the sums, by currency number through m_index; a new turn with each
    // clear()
    std::vector<TCurrencySums> m_sums;
    std::vector<int> m_numbers;
    QHash<int, quint32> m_index;
    quint32 m_turn = 1;
    // the currency asked for last, valid while `turn` is m_turn
    struct LastSums
    {
        int number = 0;
        quint32 index = 0;
        quint32 turn = 0;
    };
    LastSums m_lastSums;
    std::vector<Note> m_notes;
    // sums() by number, made when asked for after a change
    mutable QMap<int, TCurrencySums> m_byNumber;
    mutable bool m_stale = false;
};

} // namespace PosLib
