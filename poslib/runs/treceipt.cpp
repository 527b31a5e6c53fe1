#include "treceipt.h"

#include "terror.h"
#include "tsavefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace PosLib {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TReceipt)
};

// PC858 from 0x80 on: PC850 with the euro sign in place of the dotless i.
// clang-format off
const char16_t HighHalf[128] = {
        u'Ç', u'ü', u'é', u'â', u'ä', u'à', u'å', u'ç', u'ê', u'ë', u'è', u'ï', u'î', u'ì', u'Ä',
        u'Å', u'É', u'æ', u'Æ', u'ô', u'ö', u'ò', u'û', u'ù', u'ÿ', u'Ö', u'Ü', u'ø', u'£', u'Ø',
        u'×', u'ƒ', u'á', u'í', u'ó', u'ú', u'ñ', u'Ñ', u'ª', u'º', u'¿', u'®', u'¬', u'½', u'¼',
        u'¡', u'«', u'»', u'░', u'▒', u'▓', u'│', u'┤', u'Á', u'Â', u'À', u'©', u'╣', u'║', u'╗',
        u'╝', u'¢', u'¥', u'┐', u'└', u'┴', u'┬', u'├', u'─', u'┼', u'ã', u'Ã', u'╚', u'╔', u'╩',
        u'╦', u'╠', u'═', u'╬', u'¤', u'ð', u'Ð', u'Ê', u'Ë', u'È', u'€', u'Í', u'Î', u'Ï', u'┘',
        u'┌', u'█', u'▄', u'¦', u'Ì', u'▀', u'Ó', u'ß', u'Ô', u'Ò', u'õ', u'Õ', u'µ', u'þ', u'Þ',
        u'Ú', u'Û', u'Ù', u'ý', u'Ý', u'¯', u'´', u'\u00AD', u'±', u'‗', u'¾', u'¶', u'§', u'÷',
        u'¸', u'°', u'¨', u'·', u'¹', u'³', u'²', u'■', u'\u00A0'};
// clang-format on

const char Esc = 0x1B;
const char Gs = 0x1D;
const char CodePagePc858 = 19;

bool isUnderline(const QString &line)
{
    static const QRegularExpression rule(QStringLiteral("^(=+|-+)$"));
    return rule.match(line.trimmed()).hasMatch();
}

// Words of `text` on lines of at most `width`, a word longer than that
// cut; the first line keeps the text's indent.
QStringList wrapped(const QString &text, int width)
{
    QStringList out;
    qsizetype lead = 0;
    while (lead < text.size() && text.at(lead) == QLatin1Char(' '))
        ++lead;
    QString line = text.left(qMin<qsizetype>(lead, width / 2));
    bool empty = true; // no word on the line yet
    for (QString word : text.mid(lead).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        while (word.size() > width) {
            if (!empty) {
                out << line;
                line.clear();
                empty = true;
            }
            out << word.left(width);
            word = word.mid(width);
            line.clear();
        }
        if (word.isEmpty())
            continue;
        const QString joined = empty ? line + word : line + QLatin1Char(' ') + word;
        if (joined.size() > width) {
            out << line;
            line = word;
        } else {
            line = joined;
        }
        empty = false;
    }
    if (!empty || out.isEmpty())
        out << line;
    return out;
}

} // namespace

bool isReceiptWidth(int columns)
{
    return columns == 32 || columns == 42 || columns == 48;
}

char pc858(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return char(u);
    for (int i = 0; i < 128; ++i) {
        if (HighHalf[i] == u)
            return char(0x80 + i);
    }
    return '?';
}

QStringList receiptLines(const QStringList &lines, int width)
{
    // "Caption.......: value", the caption's dots and the blank after ':'
    static const QRegularExpression figure(QStringLiteral("^(\\s*\\S.*?)\\.*: (.*)$"));
    QStringList out;
    QString previous;
    for (const QString &raw : lines) {
        const QString line = QString(raw).replace(QLatin1Char('\t'), QLatin1Char(' '));
        if (line.trimmed().isEmpty()) {
            out << QString();
        } else if (isUnderline(line)) {
            const int length
                    = int(qMin<qsizetype>(qMax<qsizetype>(previous.trimmed().size(), 1), width));
            out << QString(length, line.trimmed().at(0));
        } else if (const QRegularExpressionMatch m = figure.match(line); m.hasMatch()) {
            // "Bills ............... 13": caption left, value at the edge
            const QString caption = m.captured(1);
            const QString value = m.captured(2).trimmed();
            const qsizetype dots = width - caption.size() - value.size() - 2;
            if (dots >= 1) {
                out << caption + QLatin1Char(' ') + QString(dots, QLatin1Char('.'))
                                + QLatin1Char(' ') + value;
            } else if (value.size() > width) {
                // a sentence rather than a figure: its words, as they come
                out << wrapped(caption + QStringLiteral(": ") + value, width);
            } else {
                out << wrapped(caption, width);
                for (const QString &part : wrapped(value, width))
                    out << part.rightJustified(width, QLatin1Char(' '));
            }
        } else if (line.size() > width) {
            out << wrapped(line, width);
        } else {
            out << line;
        }
        previous = line;
    }
    return out;
}

QByteArray escPosBytes(const QStringList &lines)
{
    QByteArray bytes;
    bytes += Esc;
    bytes += '@';
    bytes += Esc;
    bytes += 't';
    bytes += CodePagePc858;
    for (int i = 0; i < lines.size(); ++i) {
        const bool heading = !lines.at(i).trimmed().isEmpty() && !isUnderline(lines.at(i))
                             && i + 1 < lines.size() && isUnderline(lines.at(i + 1));
        if (heading) {
            bytes += Esc;
            bytes += 'E';
            bytes += char(1);
        }
        for (const QChar c : lines.at(i))
            bytes += pc858(c);
        if (heading) {
            bytes += Esc;
            bytes += 'E';
            bytes += char(0);
        }
        bytes += '\n';
    }
    // feed past the cutter, then cut
    bytes += Gs;
    bytes += 'V';
    bytes += char(66);
    bytes += char(3);
    return bytes;
}

QStringList escPosText(const QByteArray &bytes, QString *error, const QString &boldMark)
{
    QStringList lines;
    QString line;
    bool bold = false;
    bool boldOnLine = false;
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return lines;
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        if (b == 0x1B) {
            if (i + 1 >= bytes.size())
                return fail(QStringLiteral("ESC at the end"));
            const char command = bytes.at(++i);
            if (command == '@')
                continue;
            if ((command == 't' || command == 'E') && i + 1 < bytes.size()) {
                const char argument = bytes.at(++i);
                if (command == 't' && argument != CodePagePc858)
                    return fail(QStringLiteral("code page %1").arg(int(argument)));
                if (command == 'E') {
                    bold = argument != 0;
                    boldOnLine = boldOnLine || bold;
                }
                continue;
            }
            return fail(QStringLiteral("unknown command ESC %1").arg(QLatin1Char(command)));
        }
        if (b == 0x1D) {
            // GS V 66 n: feed n and cut; GS V m: cut
            if (i + 3 < bytes.size() && bytes.at(i + 1) == 'V' && bytes.at(i + 2) == char(66)) {
                i += 3;
                continue;
            }
            if (i + 2 < bytes.size() && bytes.at(i + 1) == 'V') {
                i += 2;
                continue;
            }
            return fail(QStringLiteral("unknown command GS"));
        }
        if (b == '\n') {
            lines << (boldOnLine ? boldMark + line : line);
            line.clear();
            boldOnLine = bold;
            continue;
        }
        if (b < 0x20)
            return fail(QStringLiteral("control character %1").arg(int(b)));
        line += b < 0x80 ? QChar(char16_t(b)) : QChar(HighHalf[b - 0x80]);
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

bool sendReceipt(const QByteArray &bytes, const QString &path, const QString &queue, QString *error)
{
    auto failed = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!queue.isEmpty()) {
        QProcess lp;
        lp.start(QStringLiteral("lp"),
                 {QStringLiteral("-d"), queue, QStringLiteral("-o"), QStringLiteral("raw")});
        if (!lp.waitForStarted())
            return failed(Text::tr("print queue %1: lp cannot be started: %2")
                                  .arg(queue, lp.errorString()));
        lp.write(bytes);
        lp.closeWriteChannel();
        if (!lp.waitForFinished(60000) || lp.exitStatus() != QProcess::NormalExit
            || lp.exitCode() != 0)
            return failed(
                    Text::tr("print queue %1: %2")
                            .arg(queue,
                                 QString::fromLocal8Bit(lp.readAllStandardError()).trimmed()));
        return true;
    }
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        // a device: written as it is, no temporary beside it
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return failed(QStringLiteral("%1: %2").arg(path, device.errorString()));
        if (device.write(bytes) != bytes.size())
            return failed(QStringLiteral("%1: %2").arg(path, device.errorString()));
        return true;
    }
    try {
        Basics::TSaveFile file(path);
        file.open();
        file.write(bytes);
        file.commit();
    } catch (const Basics::TError &e) {
        return failed(QStringLiteral("%1: %2").arg(path, e.text()));
    }
    return true;
}

} // namespace PosLib
