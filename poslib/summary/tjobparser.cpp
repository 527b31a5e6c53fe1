#include "tjobparser.h"

#include "tcurrencies.h"
#include "tdir.h"
#include "terror.h"
#include "tinifile.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tround.h"
#include "ttable.h"
#include "ttableentry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace PosLib {

namespace {

const char *const Module = Basics::LogModule::Library;
const char *const Klass = Basics::LogClass::JobParser;

// Widths and precisions beyond these are layout mistakes, not intentions.
constexpr int MaxWidth = 1000;
constexpr int MaxPrecision = 20;
constexpr int MaxLinefeeds = 1000;

// Counts and sums are kept with five decimals; whole numbers lose them.
QString withoutZeroDecimals(QString text)
{
    if (text.endsWith(QLatin1String(".00000")))
        text.chop(6);
    return text;
}

// A number from a value: blanks ignored, "," accepted as decimal point,
// anything unparsable counts as 0.
double toNumber(const QString &text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? v : 0.0;
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QDate parseDate(const QString &text)
{
    const QString t = text.trimmed();
    QDate d = QDate::fromString(t, Qt::ISODate);
    if (!d.isValid())
        d = QDateTime::fromString(t, Qt::ISODate).date();
    if (!d.isValid())
        d = QDate::fromString(t, QStringLiteral("dd.MM.yyyy"));
    if (!d.isValid())
        d = QDate::fromString(t, QStringLiteral("yyyyMMdd"));
    return d;
}

QTime parseTime(const QString &text)
{
    const QString t = text.trimmed();
    QTime time = QTime::fromString(t, Qt::ISODate);
    if (!time.isValid())
        time = QDateTime::fromString(t, Qt::ISODate).time();
    return time;
}

// True when every "{" is followed by its "}" before the next "{" and no
// "}" stands alone.
bool bracesBalanced(const QString &line)
{
    bool open = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('{')) {
            if (open)
                return false;
            open = true;
        } else if (c == QLatin1Char('}')) {
            if (!open)
                return false;
            open = false;
        }
    }
    return !open;
}

// The comparison operator at the start of an item, empty when it has none.
QString comparisonOperator(const QString &item)
{
    if (item.isEmpty() || !QStringLiteral("!<>=").contains(item.at(0)))
        return QString();
    if (item.size() > 1 && (item.at(1) == QLatin1Char('=') || item.at(1) == QLatin1Char('>')))
        return item.left(2);
    return item.left(1);
}

} // namespace

TJobParser::TJobParser(const TCurrencies *currencies, const QString &root)
    : m_currencies(currencies)
{
    if (m_currencies)
        m_sysCurr = m_currencies->systemCurrencyId();
    m_currCurr = m_sysCurr;
    setRoot(root);
}

TJobParser::~TJobParser() = default;

void TJobParser::setRoot(const QString &root)
{
    m_root = Basics::normalizeDir(root, false);
    readSettings();
}

void TJobParser::readSettings()
{
    m_settings.reset();
    const QString path = m_root + QStringLiteral("etc/layout.ini");
    if (!QFileInfo(path).isFile())
        return;
    try {
        m_settings = std::make_unique<Basics::TInifile>(path);
    } catch (const Basics::TError &e) {
        // unreadable settings only cost the aliases
        Basics::logWarning(e.text(), Module, Klass);
        m_settings.reset();
    }
}

QDateTime TJobParser::now() const
{
    return m_now.isValid() ? m_now : QDateTime::currentDateTime();
}

QString TJobParser::alias(const QString &name) const
{
    if (!m_settings || name.isEmpty())
        return name;
    const QString target = m_settings->readString(QStringLiteral("vars"), name).trimmed();
    return target.isEmpty() ? name : target;
}

QString TJobParser::layoutPath(const QString &name, const QString &directory) const
{
    if (!directory.isEmpty()) {
        QString dir = directory;
        if (QDir::isRelativePath(dir))
            dir.prepend(m_root);
        if (!dir.endsWith(QLatin1Char('/')) && !dir.endsWith(QLatin1Char('\\')))
            dir += QLatin1Char('/');
        if (QFileInfo(dir + name).isFile())
            return dir + name;
    }
    return m_root + QStringLiteral("etc/layout/") + name;
}

bool TJobParser::run(QTextStream &out, const QString &name, const QString &directory)
{
    const QString path = layoutPath(name, directory);
    if (!QFileInfo(path).isFile()) {
        Basics::logWarning(QStringLiteral("Missing layout file ") + path, Module, Klass);
        return false;
    }
    // a layout that includes itself would never end
    if (m_depth >= MaxDepth) {
        Basics::logWarning(QStringLiteral("Layout nesting too deep at ") + path, Module, Klass);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        Basics::logWarning(QStringLiteral("Cannot open layout file ") + path + QStringLiteral(": ")
                                   + file.errorString(),
                           Module, Klass);
        return false;
    }
    if (m_depth == 0)
        m_currCurr = m_sysCurr;
    ++m_depth;
    QTextStream in(&file);
    QList<bool> conditions; // one per open condition, innermost last
    while (!in.atEnd())
        runLine(out, in.readLine(), conditions);
    --m_depth;
    return true;
}

void TJobParser::runLine(QTextStream &out, const QString &line, QList<bool> &conditions)
{
    const auto suppressed = [&conditions] { return conditions.contains(false); };

    if (!bracesBalanced(line)) {
        if (!suppressed())
            out << line << '\n';
        return;
    }

    QString buffer;
    QTextStream lineOut(&buffer);
    bool control = false;
    int pos = 0;
    for (;;) {
        const int open = int(line.indexOf(QLatin1Char('{'), pos));
        if (!suppressed())
            lineOut << (open < 0 ? line.mid(pos) : line.mid(pos, open - pos));
        if (open < 0)
            break;
        const int close = int(line.indexOf(QLatin1Char('}'), open + 1));
        const QString text = line.mid(open + 1, close - open - 1);
        pos = close + 1;

        const int at = int(text.indexOf(QLatin1Char('@')));
        const QString item = at < 0 ? text : text.left(at);
        const QString operand = at < 0 ? QString() : text.mid(at + 1);

        if (item.trimmed().compare(QLatin1String("/if"), Qt::CaseInsensitive) == 0) {
            control = true;
            if (!conditions.isEmpty())
                conditions.removeLast();
            continue;
        }
        const QString op = comparisonOperator(item);
        if (!op.isEmpty()) {
            control = true;
            // inside a false condition only the nesting counts
            conditions.append(!suppressed() && condition(op, item.mid(op.size()), operand));
            continue;
        }
        if (suppressed())
            continue;

        QTextStream *previous = m_out;
        m_out = &lineOut;
        const QString value = resolve(text);
        m_out = previous;
        lineOut << value;
    }
    lineOut.flush();

    // a line of conditions only leaves no trace
    if (control && buffer.trimmed().isEmpty())
        return;
    if (buffer.isEmpty()) {
        if (!suppressed())
            out << '\n';
        return;
    }
    out << buffer;
    if (!buffer.endsWith(QLatin1Char('\n')))
        out << '\n';
}

bool TJobParser::condition(const QString &op, const QString &item, const QString &operand)
{
    if (op == QLatin1String("!"))
        return !itemValue(item).isEmpty();
    const double left = toNumber(itemValue(item));
    const double right = operandValue(operand);
    if (op == QLatin1String("==") || op == QLatin1String("="))
        return left == right;
    if (op == QLatin1String("<>") || op == QLatin1String("!="))
        return left != right;
    if (op == QLatin1String(">=") || op == QLatin1String("=>"))
        return left >= right;
    if (op == QLatin1String("<="))
        return left <= right;
    if (op == QLatin1String("<"))
        return left < right;
    if (op == QLatin1String(">"))
        return left > right;
    return false;
}

double TJobParser::operandValue(const QString &operand)
{
    const QString t = operand.trimmed();
    if (t.isEmpty())
        return 0.0;
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? v : toNumber(itemValue(t));
}

QString TJobParser::arithmetic(QChar op, const QString &operands)
{
    const int comma = int(operands.indexOf(QLatin1Char(',')));
    const bool multiplicative = op == QLatin1Char('*') || op == QLatin1Char('/');
    const double a = operandValue(comma < 0 ? operands : operands.left(comma));
    // a missing second operand leaves the first one as it is
    const double b
            = comma < 0 ? (multiplicative ? 1.0 : 0.0) : operandValue(operands.mid(comma + 1));
    double r = 0.0;
    switch (op.unicode()) {
    case '+':
        r = a + b;
        break;
    case '-':
        r = a - b;
        break;
    case '*':
        r = a * b;
        break;
    default:
        r = b == 0.0 ? 0.0 : a / b;
        break;
    }
    return QString::number(r, 'g', 6);
}

QString TJobParser::itemValue(const QString &item, const QString &argument)
{
    const QString name = alias(item.trimmed());
    const int sep = int(name.indexOf(QLatin1String("::")));
    const QString group = sep < 0 ? name : name.left(sep);
    const QString part = sep < 0 ? QString() : name.mid(sep + 2);
    if (m_out)
        return evaluate(*m_out, group, part, argument);
    // outside a run, whatever a group writes goes nowhere
    QString sink;
    QTextStream out(&sink);
    return evaluate(out, group, part, argument);
}

QString TJobParser::resolve(const QString &text)
{
    const int at = int(text.indexOf(QLatin1Char('@')));
    const QString item = at < 0 ? text : text.left(at);
    const QString codes = at < 0 ? QString() : text.mid(at + 1);
    QString value;
    if (!item.isEmpty() && QStringLiteral("+-*/").contains(item.at(0)))
        value = arithmetic(item.at(0), item.mid(1));
    else
        value = itemValue(item, codes);
    return format(value, codes);
}

const TCurrency *TJobParser::currentCurrency() const
{
    return m_currencies ? m_currencies->currency(m_currCurr) : nullptr;
}

QString TJobParser::currencyValue(const QString &group, const QString &name)
{
    if (!m_currencies)
        return QString();
    if (group == QLatin1String("currency")) {
        // selects the currency for the money formats that follow
        const TCurrency *c = name.isEmpty() ? nullptr : m_currencies->currency(name.toInt());
        if (!c)
            c = m_currencies->currency(m_sysCurr);
        m_currCurr = c ? c->id() : m_sysCurr;
        return c ? c->shortname() : QString();
    }
    const TCurrency *c = name.isEmpty() ? currentCurrency() : m_currencies->currency(name.toInt());
    if (!c)
        return QString();
    if (group == QLatin1String("currname"))
        return c->name();
    if (group == QLatin1String("currshort"))
        return c->shortname();
    return QString::number(c->rate());
}

// Out-of-house and VAT values of the entry; flags read "1" or "0", rates
// are the entry's integer rate numbers (hundredths of a percent).
QString TJobParser::vatValue(const QString &name) const
{
    const QString key = name.trimmed().toLower();
    const bool tableOh = m_table && m_table->vatOh();
    const bool oh = m_entry && m_entry->has(QStringLiteral("isvatoh"))
                            ? m_entry->getBool(QStringLiteral("isvatoh"))
                            : tableOh;
    if (key == QLatin1String("isvatoh"))
        return flag(oh);
    if (key == QLatin1String("vatoh"))
        return flag(tableOh);
    if (key == QLatin1String("vatrate")) {
        if (m_table && !m_table->inSum())
            return QStringLiteral("0");
        return m_entry ? m_entry->getString(oh ? QStringLiteral("rateoh")
                                               : QStringLiteral("rateih"),
                                            QStringLiteral("0"))
                       : QStringLiteral("0");
    }
    if (key == QLatin1String("rateoh") || key == QLatin1String("rateih"))
        return m_entry ? m_entry->getString(key) : QString();
    return QString();
}

// The card data of the table are "key=value" lines; a name gives the values
// of every line with that key, one per line ("actions", "cardactiondata",
// "description").
QString TJobParser::netcardValue(const QString &name) const
{
    if (!m_table)
        return QString();
    const QString key = name.trimmed();
    QStringList values;
    const QStringList lines = m_table->netCardProperties().split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const int eq = int(line.indexOf(QLatin1Char('=')));
        if (eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            values << line.mid(eq + 1).trimmed();
    }
    return values.join(QLatin1Char('\n'));
}

// The QR payload of the table (or of the variable "qnipscode" without a
// table). No QR symbol is encoded here: "qr_bitmatrix" gives "1," and then
// the payload's bytes as rows of eight bits, most significant first.
QString TJobParser::qnipsValue(const QString &name) const
{
    const QString payload = m_table ? m_table->getString(QStringLiteral("qnipscode"))
                                    : getString(QStringLiteral("qnipscode"));
    if (name.trimmed().compare(QLatin1String("qr_bitmatrix"), Qt::CaseInsensitive) != 0)
        return payload;
    if (payload.isEmpty())
        return QString();
    QStringList bits;
    const QByteArray bytes = payload.toUtf8();
    for (const char byte : bytes) {
        for (int bit = 7; bit >= 0; --bit)
            bits << ((uchar(byte) >> bit) & 1 ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return QStringLiteral("1,") + bits.join(QLatin1Char(','));
}

QString TJobParser::evaluate(QTextStream &out, const QString &group, const QString &name,
                             const QString &argument)
{
    Q_UNUSED(argument)
    const QString g = group.trimmed().toLower();
    const QString n = name.trimmed();

    if (g == QLatin1String("qnipscode"))
        return qnipsValue(n);
    if (g == QLatin1String("table"))
        return m_table ? m_table->getString(n) : QString();
    if (g == QLatin1String("file")) {
        const int comma = int(n.indexOf(QLatin1Char(',')));
        const QString layout = (comma < 0 ? n : n.left(comma)).trimmed();
        const QString dir = comma < 0 ? QString() : n.mid(comma + 1).trimmed();
        run(out, layout, dir);
        return QString();
    }
    if (g == QLatin1String("linefeed")) {
        bool ok = false;
        const int count = n.isEmpty() ? 1 : n.toInt(&ok);
        if (!n.isEmpty() && !ok)
            return QStringLiteral("\n");
        return QString(qBound(0, count, MaxLinefeeds), QLatin1Char('\n'));
    }
    if (g == QLatin1String("currency") || g == QLatin1String("currname")
        || g == QLatin1String("currshort") || g == QLatin1String("currrate"))
        return currencyValue(g, n);
    if (g == QLatin1String("date"))
        return dateText(now().date());
    if (g == QLatin1String("jaldate"))
        return jalaliText(now().date());
    if (g == QLatin1String("time"))
        return now().time().toString();
    if (g == QLatin1String("rate"))
        return m_entry ? m_entry->getString(QStringLiteral("rate")) : QString();
    if (g == QLatin1String("countsum") || g == QLatin1String("count"))
        return withoutZeroDecimals(getString(g));
    if (g == QLatin1String("entry")) {
        if (!m_entry)
            return QString();
        const QString value = m_entry->getString(n);
        return n == QLatin1String("count") || n == QLatin1String("countsum")
                       ? withoutZeroDecimals(value)
                       : value;
    }
    if (g == QLatin1String("create"))
        return m_table ? m_table->create().getString(n) : QString();
    if (g == QLatin1String("control"))
        return m_control ? m_control->getString(n) : QString();
    if (g == QLatin1String("vatentry"))
        return vatValue(n);
    if (g == QLatin1String("netcard"))
        return netcardValue(n);

    // a plain name is a variable of the record
    if (name.isEmpty()) {
        const QString key = group.trimmed();
        return has(key) ? getString(key) : getString(g);
    }
    Basics::logWarning(QStringLiteral("Unknown group ") + group, Module, Klass);
    return QString();
}

QString TJobParser::format(const QString &value, const QString &codes) const
{
    if (codes.isEmpty())
        return value;
    QString text = value;
    const QStringList list = codes.split(QLatin1Char('@'));
    for (const QString &code : list)
        text = formatCode(text, code);
    return text;
}

QString TJobParser::money(const QString &value) const
{
    bool ok = false;
    const double x = value.trimmed().toDouble(&ok);
    if (!ok)
        return value;
    const qint64 cents = roundHalfUp(x);
    if (!m_currencies)
        return QString::number(cents);
    return m_currencies->format(long(cents), currentCurrency(), true, false);
}

QString TJobParser::formatCode(const QString &value, const QString &code) const
{
    if (code.isEmpty())
        return value;
    const QChar kind = code.at(0).toLower();
    const QString params = code.mid(1);
    if (kind != QLatin1Char('a') && value.isEmpty())
        return value;

    switch (kind.unicode()) {
    case 'a': {
        const int dot = int(params.indexOf(QLatin1Char('.')));
        const QChar fill
                = dot >= 0 && dot + 1 < params.size() ? params.at(dot + 1) : QLatin1Char(' ');
        bool ok = false;
        const int width = (dot < 0 ? params : params.left(dot)).toInt(&ok);
        if (!ok || width == 0)
            return value;
        const int w = qMin(qAbs(width), MaxWidth);
        return width > 0 ? value.leftJustified(w, fill, true) : value.rightJustified(w, fill, true);
    }
    case 'p':
        return money(value);
    case 'm': {
        bool ok = true;
        const int index = params.isEmpty() ? 0 : params.toInt(&ok);
        const QStringList parts = value.split(QLatin1Char(','));
        if (!ok || index < 0 || index >= parts.size())
            return QString();
        return money(parts.at(index).trimmed());
    }
    case 'i': {
        QString text = value;
        return text.replace(QLatin1Char(','), QLatin1Char('.'));
    }
    case 'f':
    case 'w': {
        const int dot = int(params.indexOf(QLatin1Char('.')));
        const QString widthText = dot < 0 ? params : params.left(dot);
        const QString precisionText = dot < 0 ? QString() : params.mid(dot + 1);
        bool okWidth = true;
        bool okPrecision = true;
        const int width = widthText.isEmpty() ? 0 : widthText.toInt(&okWidth);
        const int precision = precisionText.isEmpty() ? (kind == QLatin1Char('w') ? 3 : 2)
                                                      : precisionText.toInt(&okPrecision);
        bool okValue = false;
        const double x = value.trimmed().toDouble(&okValue);
        if (!okWidth || !okPrecision || !okValue)
            return value;
        return QString::asprintf("%*.*f", qBound(-MaxWidth, width, MaxWidth),
                                 qBound(0, precision, MaxPrecision), x);
    }
    case 'd': {
        const QDate date = parseDate(value);
        return date.isValid() ? dateText(date) : value;
    }
    case 'j': {
        const QDate date = parseDate(value);
        return date.isValid() ? jalaliText(date) : value;
    }
    case 't': {
        const QTime time = parseTime(value);
        return time.isValid() ? time.toString(QStringLiteral("hh:mm")) : value;
    }
    case 's': {
        const int comma = int(params.indexOf(QLatin1Char(',')));
        bool okStart = false;
        bool okLength = true;
        const int start = (comma < 0 ? params : params.left(comma)).toInt(&okStart);
        const int length = comma < 0 ? -1 : params.mid(comma + 1).toInt(&okLength);
        if (!okStart || !okLength || start < 0 || (comma >= 0 && length < 0))
            return value;
        return value.mid(start, length);
    }
    case 'n': {
        QString text = value;
        return text.replace(QLatin1Char(' '), QLatin1Char('|'));
    }
    case 'u': {
        QString text = value;
        return text.remove(QLatin1Char(':'));
    }
    case 'x':
        return value.toUpper();
    default:
        return value;
    }
}

void TJobParser::toJalali(const QDate &date, int &year, int &month, int &day)
{
    // Days since a fixed origin, then whole 33-year cycles (12053 days),
    // 4-year groups (1461 days) and years; the first six months have 31
    // days, the next five 30 and the last 29 or 30.
    static const int daysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    if (!date.isValid()) {
        year = month = day = 0;
        return;
    }
    const qint64 gy = date.year();
    const int gm = date.month();
    const int gd = date.day();
    const qint64 gy2 = gm > 2 ? gy + 1 : gy;
    qint64 days = 355666 + 365 * gy + (gy2 + 3) / 4 - (gy2 + 99) / 100 + (gy2 + 399) / 400 + gd
                  + daysBeforeMonth[gm - 1];
    qint64 jy = -1595 + 33 * (days / 12053);
    days %= 12053;
    jy += 4 * (days / 1461);
    days %= 1461;
    if (days > 365) {
        jy += (days - 1) / 365;
        days = (days - 1) % 365;
    }
    if (days < 186) {
        month = int(1 + days / 31);
        day = int(1 + days % 31);
    } else {
        month = int(7 + (days - 186) / 30);
        day = int(1 + (days - 186) % 30);
    }
    year = int(jy);
}

QString TJobParser::dateText(const QDate &date)
{
    return QString::asprintf("%02d.%02d.%02d", date.day(), date.month(), date.year() % 100);
}

QString TJobParser::jalaliText(const QDate &date)
{
    int year = 0;
    int month = 0;
    int day = 0;
    toJalali(date, year, month, day);
    return QString::asprintf("%02d.%02d.%02d", day, month, year % 100);
}

} // namespace PosLib
