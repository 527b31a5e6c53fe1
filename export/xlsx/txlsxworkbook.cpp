#include "txlsxworkbook.h"

#include "tcurrencies.h"
#include "terror.h"
#include "tsavefile.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdlib>

using namespace Basics;

namespace PosLib {

QString TXlsxWorkbook::sheetName(const QString &wanted, const QStringList &taken)
{
    QString base;
    for (const QChar c : wanted) {
        if (!QStringLiteral("[]:*?/\\").contains(c) && c.isPrint())
            base += c;
    }
    // nor may it start or end with an apostrophe
    while (base.startsWith(QLatin1Char('\'')) || base.endsWith(QLatin1Char('\'')))
        base = base.startsWith(QLatin1Char('\'')) ? base.mid(1) : base.chopped(1);
    base = base.trimmed();
    if (base.isEmpty())
        base = QStringLiteral("Sheet");
    auto clash = [&](const QString &name) {
        return std::any_of(taken.cbegin(), taken.cend(), [&](const QString &t) {
            return t.compare(name, Qt::CaseInsensitive) == 0;
        });
    };
    QString name = base.left(31);
    for (int n = 2; clash(name); ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        name = base.left(31 - suffix.size()) + suffix;
    }
    return name;
}

double TXlsxCurrency::value(qint64 units) const
{
    double scale = 1;
    for (int i = 0; i < std::min(9, std::abs(decimals)); ++i)
        scale *= 10;
    return decimals >= 0 ? double(units) / scale : double(units) * scale;
}

TXlsxCurrency TXlsxCurrency::of(const TCurrencies *currencies)
{
    TXlsxCurrency currency;
    const TCurrency *system = currencies ? currencies->systemCurrency() : nullptr;
    if (!system)
        return currency;
    currency.name = system->shortname();
    currency.decimals = system->decpos();
    if (!system->decchar().isEmpty())
        currency.decimalMark = system->decchar();
    return currency;
}

TXlsxLayout reportXlsxLayout()
{
    TXlsxLayout layout;
    layout.groupBy = {QStringLiteral("outlets"),  QStringLiteral("from"),   QStringLiteral("to"),
                      QStringLiteral("grouping"), QStringLiteral("number"), QStringLiteral("name")};
    layout.money = {QStringLiteral("amount")};
    layout.numbers = {QStringLiteral("kind"), QStringLiteral("number"), QStringLiteral("count")};
    return layout;
}

TXlsxLayout labourXlsxLayout()
{
    TXlsxLayout layout;
    layout.groupBy = {QStringLiteral("line")};
    layout.money
            = {QStringLiteral("sales"), QStringLiteral("salesPerHour"), QStringLiteral("cost")};
    layout.numbers = {QStringLiteral("number"), QStringLiteral("seconds"), QStringLiteral("covers"),
                      QStringLiteral("coversPerHour"), QStringLiteral("costShare")};
    return layout;
}

TXlsxLayout exceptionsXlsxLayout()
{
    TXlsxLayout layout;
    layout.groupBy = {QStringLiteral("row"), QStringLiteral("from"), QStringLiteral("to")};
    layout.money = {QStringLiteral("amount"), QStringLiteral("takings")};
    layout.numbers = {QStringLiteral("outlet"),
                      QStringLiteral("number"),
                      QStringLiteral("count"),
                      QStringLiteral("perBills"),
                      QStringLiteral("perTakings"),
                      QStringLiteral("medianPerBills"),
                      QStringLiteral("medianPerTakings"),
                      QStringLiteral("bills"),
                      QStringLiteral("table"),
                      QStringLiteral("party"),
                      QStringLiteral("bill"),
                      QStringLiteral("archive"),
                      QStringLiteral("plu"),
                      QStringLiteral("center"),
                      QStringLiteral("voidWaiter")};
    return layout;
}

bool TXlsxCurrency::amountOf(const QString &text, double *amount) const
{
    if (decimals <= 0 || decimalMark.isEmpty())
        return false; // whole units: a plain number
    const qsizetype mark = text.size() - decimals - decimalMark.size();
    if (mark < 1 || text.mid(mark, decimalMark.size()) != decimalMark)
        return false;
    const QString whole = text.left(mark);
    const QString fraction = text.mid(mark + decimalMark.size());
    static const QRegularExpression wholePattern(QStringLiteral("^-?\\d{1,15}$"));
    static const QRegularExpression fractionPattern(QStringLiteral("^\\d+$"));
    if (!wholePattern.match(whole).hasMatch() || !fractionPattern.match(fraction).hasMatch())
        return false;
    // "-12,50": 12 whole units and 50 of the smallest, negative
    const bool negative = whole.startsWith(QLatin1Char('-'));
    qint64 factor = 1;
    for (int i = 0; i < std::min(9, decimals); ++i)
        factor *= 10;
    const qint64 units
            = (negative ? whole.mid(1) : whole).toLongLong() * factor + fraction.toLongLong();
    *amount = value(negative ? -units : units);
    return true;
}

QString TXlsxCurrency::numberFormat() const
{
    QString number = QStringLiteral("#,##0");
    if (decimals > 0)
        number += QLatin1Char('.') + QString(std::min(9, decimals), QLatin1Char('0'));
    if (name.isEmpty())
        return number + QLatin1Char(';') + QLatin1Char('-') + number;
    // quotes inside a quoted name would end it
    QString quoted = name;
    quoted.remove(QLatin1Char('"'));
    const QString withName = QStringLiteral("%1 \"%2\"").arg(number, quoted);
    return withName + QStringLiteral(";-") + withName;
}

namespace {

// Which sheet each row goes to: a sheet per value of the grouping columns
// that change somewhere, in order of appearance, and its count of rows.
struct TSheetPlan
{
    bool hasHeader = false;
    QList<TXlsxColumn> columns;
    QList<int> keys; // the columns that split
    QString title;
    QStringList order; // the sheets' keys in order of appearance
    QHash<QString, qsizetype> rows; // per sheet

    QString keyOf(const QStringList &row) const
    {
        QStringList parts;
        for (const int k : keys) {
            if (!row.value(k).isEmpty())
                parts << row.value(k);
        }
        return parts.isEmpty() ? title : parts.join(QLatin1Char(' '));
    }
};

// Goes once through the rows (the title row first).
TSheetPlan planOf(const TXlsxRows &rows, const QString &title, const TXlsxLayout &layout,
                  bool *readable)
{
    TSheetPlan plan;
    plan.title = title;
    QList<int> grouping; // the grouping columns there are
    QStringList first; // their values in the first row
    QList<bool> changes;
    // the rows per combination of their values, and the first row of each
    // in order of appearance
    QList<QStringList> seen;
    QHash<QStringList, qsizetype> counts;
    *readable = rows([&](const QStringList &row) {
        if (!plan.hasHeader) {
            plan.hasHeader = true;
            for (const QString &name : row)
                plan.columns.append({name, layout.money.contains(name)     ? TXlsxColumn::Money
                                           : layout.numbers.contains(name) ? TXlsxColumn::Number
                                           : layout.guessOthers            ? TXlsxColumn::Guess
                                                                           : TXlsxColumn::Text});
            for (const QString &name : layout.groupBy) {
                const int k = int(row.indexOf(name));
                if (k >= 0)
                    grouping << k;
            }
            changes.fill(false, grouping.size());
            return;
        }
        QStringList values;
        for (const int k : std::as_const(grouping))
            values << row.value(k);
        if (seen.isEmpty())
            first = values;
        for (qsizetype i = 0; i < values.size(); ++i)
            changes[i] = changes[i] || values.at(i) != first.at(i);
        auto at = counts.find(values);
        if (at == counts.end()) {
            seen << row;
            counts.insert(values, 1);
        } else {
            ++*at;
        }
    });
    for (qsizetype i = 0; i < grouping.size(); ++i) {
        if (changes.at(i))
            plan.keys << grouping.at(i);
    }
    for (const QStringList &row : std::as_const(seen)) {
        QStringList values;
        for (const int k : std::as_const(grouping))
            values << row.value(k);
        const QString key = plan.keyOf(row);
        if (!plan.rows.contains(key))
            plan.order << key;
        plan.rows[key] += counts.value(values);
    }
    return plan;
}

// A workbook being written. libxlsxwriter writes a named file: a private
// one first, its rows going to temporary files as they come (so that a
// sheet of any length needs little memory); finish() puts its bytes in
// place through the safe replace. Each sheet's rows come in order.
class TXlsxBook
{
    Q_DECLARE_TR_FUNCTIONS(TXlsxWorkbook)
public:
    TXlsxBook(const QString &path, const TXlsxCurrency &currency)
        : m_path(path)
        , m_currency(currency)
    {
        if (!m_scratch.isValid()) {
            fail(tr("%1: no temporary folder for the workbook (%2)")
                         .arg(path, m_scratch.errorString()));
            return;
        }
        m_temporary = QFile::encodeName(m_scratch.filePath(QStringLiteral("book.xlsx")));
        m_folder = QFile::encodeName(m_scratch.path());
        lxw_workbook_options options {};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = m_folder.data();
        m_book = workbook_new_opt(m_temporary.constData(), &options);
        if (!m_book) {
            fail(tr("%1: the workbook could not be started").arg(path));
            return;
        }
        m_bold = workbook_add_format(m_book);
        format_set_bold(m_bold);
        m_amount = workbook_add_format(m_book);
        m_moneyFormat = currency.numberFormat().toUtf8();
        format_set_num_format(m_amount, m_moneyFormat.constData());
    }
    ~TXlsxBook()
    {
        if (m_book)
            workbook_close(m_book);
    }
    TXlsxBook(const TXlsxBook &) = delete;
    TXlsxBook &operator=(const TXlsxBook &) = delete;

    bool hasFailed() const { return !m_failed.isEmpty(); }
    qsizetype sheetCount() const { return m_sheets.size(); }
    void fail(const QString &text)
    {
        if (m_failed.isEmpty())
            m_failed = text;
    }

    // Adds a sheet of `rows` rows below its title row; false (and the
    // workbook failed) when Excel cannot hold them.
    bool addSheet(const QString &wanted, const QList<TXlsxColumn> &columns, qsizetype rows)
    {
        const QString name = TXlsxWorkbook::sheetName(wanted, m_taken);
        m_taken << name;
        if (rows >= qsizetype(LXW_ROW_MAX)) {
            fail(tr("%1: sheet \"%2\" would have %3 rows, more than Excel holds (%4)")
                         .arg(m_path, name)
                         .arg(rows + 1)
                         .arg(LXW_ROW_MAX));
            return false;
        }
        if (!m_book)
            return false;
        Sheet sheet;
        sheet.name = name;
        sheet.ws = workbook_add_worksheet(m_book, name.toUtf8().constData());
        sheet.columns = columns;
        for (qsizetype c = 0; c < columns.size(); ++c) {
            const QByteArray title = columns.at(c).title.toUtf8();
            check(worksheet_write_string(sheet.ws, 0, lxw_col_t(c), title.constData(), m_bold),
                  sheet.name, 0);
            sheet.widths << int(columns.at(c).title.size());
        }
        m_sheets << sheet;
        return true;
    }

    // The next row of the sheet `index` (in the order added).
    void writeRow(qsizetype index, const QStringList &row)
    {
        if (!m_book || index < 0 || index >= m_sheets.size())
            return;
        Sheet &sheet = m_sheets[index];
        const lxw_row_t at = sheet.next++;
        for (qsizetype c = 0; c < sheet.columns.size() && c < row.size(); ++c)
            writeCell(sheet, at, c, row.at(c));
    }

    // Closes the workbook and puts it in place; false with `error`.
    bool finish(QString *error)
    {
        if (m_book) {
            for (const Sheet &sheet : std::as_const(m_sheets)) {
                for (qsizetype c = 0; c < sheet.widths.size(); ++c)
                    worksheet_set_column(sheet.ws, lxw_col_t(c), lxw_col_t(c),
                                         std::min(60, sheet.widths.at(c) + 2), nullptr);
                worksheet_freeze_panes(sheet.ws, 1, 0);
            }
            const lxw_error closed = workbook_close(m_book);
            m_book = nullptr;
            if (closed != LXW_NO_ERROR)
                fail(tr("%1: the workbook could not be written (%2)")
                             .arg(m_path, QString::fromUtf8(lxw_strerror(closed))));
        }
        if (hasFailed()) {
            *error = m_failed;
            return false;
        }
        try {
            if (!copyDurably(QFile::decodeName(m_temporary), m_path)) {
                *error = tr("%1: the workbook could not be read back whole").arg(m_path);
                return false;
            }
        } catch (const TError &e) {
            *error = userText(e, m_path);
            return false;
        }
        return true;
    }

private:
    struct Sheet
    {
        QString name;
        lxw_worksheet *ws = nullptr;
        QList<TXlsxColumn> columns;
        QList<int> widths;
        lxw_row_t next = 1;
    };

    void check(lxw_error written, const QString &sheet, lxw_row_t row)
    {
        if (written != LXW_NO_ERROR)
            fail(tr("%1: sheet \"%2\", row %3 cannot be written (%4)")
                         .arg(m_path, sheet)
                         .arg(qint64(row) + 1)
                         .arg(QString::fromUtf8(lxw_strerror(written))));
    }

    void writeCell(Sheet &sheet, lxw_row_t at, qsizetype c, const QString &text)
    {
        lxw_worksheet *ws = sheet.ws;
        int &width = sheet.widths[c];
        bool ok = false;
        switch (sheet.columns.at(c).kind) {
        case TXlsxColumn::Money: {
            const qint64 cents = text.toLongLong(&ok);
            if (ok) {
                check(worksheet_write_number(ws, at, lxw_col_t(c), m_currency.value(cents),
                                             m_amount),
                      sheet.name, at);
                width = std::max(width, int(text.size()) + 6);
                return;
            }
            break;
        }
        case TXlsxColumn::Number: {
            const double value = text.toDouble(&ok);
            if (ok) {
                check(worksheet_write_number(ws, at, lxw_col_t(c), value, nullptr), sheet.name, at);
                width = std::max(width, int(text.size()));
                return;
            }
            break;
        }
        case TXlsxColumn::Guess: {
            static const QRegularExpression whole(QStringLiteral("^-?(0|[1-9]\\d{0,14})$"));
            double value = 0;
            if (whole.match(text).hasMatch()) {
                check(worksheet_write_number(ws, at, lxw_col_t(c), text.toDouble(), nullptr),
                      sheet.name, at);
            } else if (m_currency.amountOf(text, &value)) {
                check(worksheet_write_number(ws, at, lxw_col_t(c), value, m_amount), sheet.name,
                      at);
            } else {
                break;
            }
            width = std::max(width, int(text.size()) + 6);
            return;
        }
        case TXlsxColumn::Text:
            break;
        }
        if (!text.isEmpty()) {
            const QByteArray bytes = text.toUtf8();
            check(worksheet_write_string(ws, at, lxw_col_t(c), bytes.constData(), nullptr),
                  sheet.name, at);
        }
        width = std::max(width, int(text.size()));
    }

    QString m_path;
    TXlsxCurrency m_currency;
    QTemporaryDir m_scratch;
    QByteArray m_temporary;
    QByteArray m_folder;
    lxw_workbook *m_book = nullptr;
    lxw_format *m_bold = nullptr;
    lxw_format *m_amount = nullptr;
    QByteArray m_moneyFormat;
    QStringList m_taken;
    QList<Sheet> m_sheets;
    QString m_failed;
};

} // namespace

TXlsxRows TXlsxWorkbook::listRows(const QList<QStringList> &rows)
{
    return [&rows](const std::function<void(const QStringList &)> &take) {
        for (const QStringList &row : rows)
            take(row);
        return true;
    };
}

QList<TXlsxSheet> TXlsxWorkbook::sheets(const QList<QStringList> &rows, const QString &title,
                                        const TXlsxLayout &layout)
{
    bool readable = true;
    const TSheetPlan plan = planOf(listRows(rows), title, layout, &readable);
    if (!plan.hasHeader)
        return {};
    if (plan.order.isEmpty())
        return {{title, plan.columns, {}}};
    QList<TXlsxSheet> out;
    QHash<QString, qsizetype> index;
    for (const QString &key : plan.order) {
        index.insert(key, out.size());
        out.append({key, plan.columns, {}});
        out.last().rows.reserve(plan.rows.value(key));
    }
    for (qsizetype i = 1; i < rows.size(); ++i)
        out[index.value(plan.keyOf(rows.at(i)))].rows << rows.at(i);
    return out;
}

bool TXlsxWorkbook::write(const QString &path, const QList<TXlsxSheet> &sheets,
                          const TXlsxCurrency &currency, QString *error)
{
    TXlsxBook book(path, currency);
    for (const TXlsxSheet &sheet : sheets) {
        if (!book.addSheet(sheet.name, sheet.columns, sheet.rows.size()))
            break;
        for (const QStringList &row : sheet.rows)
            book.writeRow(book.sheetCount() - 1, row);
    }
    return book.finish(error);
}

bool TXlsxWorkbook::writeRows(const QString &path, const TXlsxRows &rows, const QString &title,
                              const TXlsxLayout &layout, const TXlsxCurrency &currency,
                              QString *error)
{
    bool readable = true;
    const TSheetPlan plan = planOf(rows, title, layout, &readable);
    if (!readable) {
        *error = tr("%1: the rows could not be read back; nothing was written").arg(path);
        return false;
    }
    TXlsxBook book(path, currency);
    if (plan.hasHeader && plan.order.isEmpty())
        book.addSheet(title, plan.columns, 0);
    QHash<QString, qsizetype> index;
    for (const QString &key : plan.order) {
        if (!book.addSheet(key, plan.columns, plan.rows.value(key)))
            break;
        index.insert(key, index.size());
    }
    if (!book.hasFailed() && !plan.order.isEmpty()) {
        bool header = true;
        readable = rows([&](const QStringList &row) {
            if (header) {
                header = false;
                return;
            }
            book.writeRow(index.value(plan.keyOf(row), -1), row);
        });
        if (!readable)
            book.fail(tr("%1: the rows could not be read back; nothing was written").arg(path));
    }
    return book.finish(error);
}

} // namespace PosLib
