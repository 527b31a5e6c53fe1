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

QList<TXlsxSheet> TXlsxWorkbook::sheets(const QList<QStringList> &rows, const QString &title,
                                        const TXlsxLayout &layout)
{
    if (rows.isEmpty())
        return {};
    const QStringList header = rows.first();
    QList<TXlsxColumn> columns;
    for (const QString &name : header)
        columns.append({name, layout.money.contains(name)     ? TXlsxColumn::Money
                              : layout.numbers.contains(name) ? TXlsxColumn::Number
                              : layout.guessOthers            ? TXlsxColumn::Guess
                                                              : TXlsxColumn::Text});
    // the grouping columns whose value changes somewhere
    QList<int> keys;
    for (const QString &name : layout.groupBy) {
        const int k = int(header.indexOf(name));
        if (k < 0)
            continue;
        for (qsizetype i = 2; i < rows.size(); ++i) {
            if (rows.at(i).value(k) != rows.at(1).value(k)) {
                keys << k;
                break;
            }
        }
    }
    QStringList order;
    QHash<QString, TXlsxSheet> byKey;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        QStringList parts;
        for (const int k : std::as_const(keys)) {
            if (!rows.at(i).value(k).isEmpty())
                parts << rows.at(i).value(k);
        }
        const QString key = parts.isEmpty() ? title : parts.join(QLatin1Char(' '));
        auto at = byKey.find(key);
        if (at == byKey.end()) {
            order << key;
            at = byKey.insert(key, {key, columns, {}});
        }
        at->rows << rows.at(i);
    }
    if (order.isEmpty())
        return {{title, columns, {}}};
    QList<TXlsxSheet> out;
    for (const QString &key : std::as_const(order))
        out << byKey.value(key);
    return out;
}

bool TXlsxWorkbook::write(const QString &path, const QList<TXlsxSheet> &sheets,
                          const TXlsxCurrency &currency, QString *error)
{
    // libxlsxwriter writes a named file: a private one first, then its
    // bytes through the safe replace
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        *error = tr("%1: no temporary folder for the workbook (%2)")
                         .arg(path, scratch.errorString());
        return false;
    }
    const QByteArray temporary = QFile::encodeName(scratch.filePath(QStringLiteral("book.xlsx")));
    lxw_workbook *book = workbook_new(temporary.constData());
    if (!book) {
        *error = tr("%1: the workbook could not be started").arg(path);
        return false;
    }
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format *amount = workbook_add_format(book);
    const QByteArray moneyFormat = currency.numberFormat().toUtf8();
    format_set_num_format(amount, moneyFormat.constData());

    // the first cell that could not be written, if any
    QString failed;
    auto check = [&](lxw_error written, const QString &sheet, qsizetype row) {
        if (written != LXW_NO_ERROR && failed.isEmpty())
            failed = tr("%1: sheet \"%2\", row %3 cannot be written (%4)")
                             .arg(path, sheet)
                             .arg(row + 1)
                             .arg(QString::fromUtf8(lxw_strerror(written)));
    };
    QStringList taken;
    for (const TXlsxSheet &sheet : sheets) {
        const QString name = sheetName(sheet.name, taken);
        taken << name;
        if (sheet.rows.size() >= qsizetype(LXW_ROW_MAX)) {
            failed = tr("%1: sheet \"%2\" would have %3 rows, more than Excel holds (%4)")
                             .arg(path, name)
                             .arg(sheet.rows.size() + 1)
                             .arg(LXW_ROW_MAX);
            break;
        }
        lxw_worksheet *ws = workbook_add_worksheet(book, name.toUtf8().constData());
        QList<int> widths;
        for (qsizetype c = 0; c < sheet.columns.size(); ++c) {
            const QByteArray title = sheet.columns.at(c).title.toUtf8();
            check(worksheet_write_string(ws, 0, lxw_col_t(c), title.constData(), bold), name, 0);
            widths << int(sheet.columns.at(c).title.size());
        }
        for (qsizetype r = 0; r < sheet.rows.size(); ++r) {
            const QStringList &row = sheet.rows.at(r);
            for (qsizetype c = 0; c < sheet.columns.size() && c < row.size(); ++c) {
                const QString &text = row.at(c);
                const lxw_row_t at = lxw_row_t(r + 1);
                bool ok = false;
                switch (sheet.columns.at(c).kind) {
                case TXlsxColumn::Money: {
                    const qint64 cents = text.toLongLong(&ok);
                    if (ok) {
                        check(worksheet_write_number(ws, at, lxw_col_t(c), currency.value(cents),
                                                     amount),
                              name, at);
                        widths[c] = std::max(widths[c], int(text.size()) + 6);
                        continue;
                    }
                    break;
                }
                case TXlsxColumn::Number: {
                    const double value = text.toDouble(&ok);
                    if (ok) {
                        check(worksheet_write_number(ws, at, lxw_col_t(c), value, nullptr), name,
                              at);
                        widths[c] = std::max(widths[c], int(text.size()));
                        continue;
                    }
                    break;
                }
                case TXlsxColumn::Guess: {
                    static const QRegularExpression whole(QStringLiteral("^-?(0|[1-9]\\d{0,14})$"));
                    double value = 0;
                    if (whole.match(text).hasMatch()) {
                        check(worksheet_write_number(ws, at, lxw_col_t(c), text.toDouble(),
                                                     nullptr),
                              name, at);
                    } else if (currency.amountOf(text, &value)) {
                        check(worksheet_write_number(ws, at, lxw_col_t(c), value, amount), name,
                              at);
                    } else {
                        break;
                    }
                    widths[c] = std::max(widths[c], int(text.size()) + 6);
                    continue;
                }
                case TXlsxColumn::Text:
                    break;
                }
                if (!text.isEmpty()) {
                    const QByteArray bytes = text.toUtf8();
                    check(worksheet_write_string(ws, at, lxw_col_t(c), bytes.constData(), nullptr),
                          name, at);
                }
                widths[c] = std::max(widths[c], int(text.size()));
            }
        }
        for (qsizetype c = 0; c < widths.size(); ++c)
            worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), std::min(60, widths.at(c) + 2),
                                 nullptr);
        worksheet_freeze_panes(ws, 1, 0);
    }
    const lxw_error closed = workbook_close(book);
    if (!failed.isEmpty()) {
        *error = failed;
        return false;
    }
    if (closed != LXW_NO_ERROR) {
        *error = tr("%1: the workbook could not be written (%2)")
                         .arg(path, QString::fromUtf8(lxw_strerror(closed)));
        return false;
    }
    QFile made(QFile::decodeName(temporary));
    if (!made.open(QIODevice::ReadOnly)) {
        *error = tr("%1: the workbook could not be read back (%2)").arg(path, made.errorString());
        return false;
    }
    const QByteArray bytes = made.readAll();
    try {
        TSaveFile save(path);
        save.open();
        save.write(bytes);
        save.commit();
    } catch (const TError &e) {
        *error = userText(e, path);
        return false;
    }
    return true;
}

} // namespace PosLib
