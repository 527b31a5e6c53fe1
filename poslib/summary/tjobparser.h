#pragma once

#include "tvalue.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>

class QTextStream;

namespace Basics {
class TInifile;
}

namespace PosLib {

class TCurrencies;
class TCurrency;
class TTable;
class TTableEntry;

// A small template interpreter for layout files. The record of the parser
// holds the template variables (name -> value); run() copies a layout file
// to a stream and replaces each placeholder in braces by its value.
//
// Placeholders, "{" text "}", taken apart in this order:
//   item "@" format    everything after the first "@" is the format (for a
//                      comparison: the right-hand operand)
//   "+-*/" a "," b     arithmetic on two operands; an operand that is not a
//                      number is evaluated as an item; the result is written
//                      with 'g' and 6 significant digits (x / 0 gives "0")
//   "!" item           opens a condition, true when the item is not empty
//   op item "@" value  opens a condition comparing both sides as numbers:
//                      "==" or "=" equal, "<>" or "!=" not equal, "<", ">",
//                      "<=", ">=" (also "=>"); other pairs are false. The
//                      value is a number or an item
//   "/if"              closes the innermost open condition
//   item               an alias from section "vars" of "etc/layout.ini"
//                      replaces the name, then "group::name" is split; a
//                      name without "::" is its own group with an empty name
//                      part (so "{date}" and "{count}" are groups, and a name
//                      that is no group reads the variable of that name)
// Conditions nest and may span lines; while any of them is false nothing is
// written and placeholders other than conditions are not evaluated.
//
// Lines: a line whose braces do not pair up ("{" before its "}", no stray
// "}", no "{" inside a placeholder) is copied unchanged. Every line gets its
// "\n" unless it wrote nothing while output was suppressed, it holds only
// conditions and blanks, or what it wrote already ends in "\n" (an included
// layout, a trailing linefeed).
//
// Formats are one or more codes separated by "@", applied left to right
// ("{countsum@p@a-9}": money, then right-aligned in 9). An empty value stays
// empty for every code but "a". The first letter, any case, selects:
//   a<w>[.<c>]  width w, positive left-justifies, negative right-justifies;
//               longer texts are cut to the width; fill c (default blank)
//   p           whole cents (a decimal rounded half up) formatted by the
//               currency list in the current currency; the plain number of
//               cents without a list
//   m<n>        as "p" for the n-th (from 0) ","-separated part of the value
//   i           "," replaced by "."
//   f<w>.<p>    "%*.*f" with width w and precision p (default 0 and 2)
//   w<w>.<p>    the same with a default precision of 3 (counts, weights)
//   d, j        a date (ISO, "dd.MM.yyyy" or "yyyyMMdd") as "dd.MM.yy", in
//               the Gregorian or the Persian (Jalali) calendar
//   t           a time (ISO time or date and time) as "hh:mm"
//   s<b>[,<l>]  substring from b (counting from 0) of length l (to the end)
//   n           blanks replaced by "|"
//   u           ":" removed
//   x           upper case
// Unknown codes and unparsable parameters leave the text as it is.
class TJobParser : public Basics::TValue
{
public:
    // How deep layouts may include each other through "file".
    static constexpr int MaxDepth = 8;

    // Reads the system currency number from the list and the layout
    // settings from `root` + "etc/layout.ini". An empty root means the
    // working directory.
    explicit TJobParser(const TCurrencies *currencies = nullptr, const QString &root = QString());
    ~TJobParser() override;
    TJobParser(const TJobParser &) = delete;
    TJobParser &operator=(const TJobParser &) = delete;

    // The installation root, ending in "/" (empty: the working directory).
    // Setting it reads the layout settings again.
    QString root() const { return m_root; }
    void setRoot(const QString &root);

    const TCurrencies *currencies() const { return m_currencies; }
    int systemCurrencyId() const { return m_sysCurr; }
    // The currency "p" formats in and the "curr..." groups describe; the
    // system currency until "{currency::N}" selects another.
    int currentCurrencyId() const { return m_currCurr; }

    // The table and entry the receipt groups read; none by default. Not
    // owned.
    TTable *table() const { return m_table; }
    void setTable(TTable *table) { m_table = table; }
    TTableEntry *entry() const { return m_entry; }
    void setEntry(TTableEntry *entry) { m_entry = entry; }
    const TTableEntry *control() const { return m_control; }
    void setControl(const TTableEntry *control) { m_control = control; }

    // A fixed time for "date", "time" and "jaldate"; null: the clock.
    void setNow(const QDateTime &now) { m_now = now; }

    // directory + "/" + name when a directory is given and that file
    // exists, else root + "etc/layout/" + name. A relative directory counts
    // from the root.
    QString layoutPath(const QString &name, const QString &directory = QString()) const;

    // Runs the layout into `out`. A missing layout is logged and writes
    // nothing; returns whether the layout was read.
    bool run(QTextStream &out, const QString &name, const QString &directory = QString());

    // The formatted value of a placeholder's text that is neither a
    // condition nor "/if": arithmetic or an item, then its format.
    virtual QString resolve(const QString &text);
    // The value of one group and name; `argument` is the placeholder's
    // format, which the caller applies to the result afterwards. "file"
    // writes the included layout to `out` and gives an empty text.
    virtual QString evaluate(QTextStream &out, const QString &group, const QString &name,
                             const QString &argument);

    // Applies a chain of format codes (see above).
    QString format(const QString &value, const QString &codes) const;

    // The Persian (Jalali) date of a Gregorian date.
    static void toJalali(const QDate &date, int &year, int &month, int &day);
    // "dd.MM.yy" in the Gregorian or the Jalali calendar.
    static QString dateText(const QDate &date);
    static QString jalaliText(const QDate &date);

protected:
    QDateTime now() const;
    // The alias of a name in section "vars", or the name itself.
    QString alias(const QString &name) const;
    // An item's value: alias, group and name, evaluate.
    QString itemValue(const QString &item, const QString &argument = QString());

private:
    void readSettings();
    void runFile(QTextStream &out, const QString &path);
    void runLine(QTextStream &out, const QString &line, QList<bool> &conditions);
    bool condition(const QString &op, const QString &item, const QString &operand);
    QString arithmetic(QChar op, const QString &operands);
    double operandValue(const QString &operand);
    QString formatCode(const QString &value, const QString &code) const;
    QString money(const QString &value) const;
    const TCurrency *currentCurrency() const;
    QString currencyValue(const QString &group, const QString &name);
    QString vatValue(const QString &name) const;
    QString netcardValue(const QString &name) const;
    QString qnipsValue(const QString &name) const;

    const TCurrencies *m_currencies;
    int m_sysCurr = 1;
    int m_currCurr = 1;
    QString m_root;
    std::unique_ptr<Basics::TInifile> m_settings;
    TTable *m_table = nullptr;
    TTableEntry *m_entry = nullptr;
    const TTableEntry *m_control = nullptr;
    QDateTime m_now;
    QTextStream *m_out = nullptr; // the stream of the running line
    int m_depth = 0;
};

} // namespace PosLib
