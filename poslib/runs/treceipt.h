#pragma once

#include <QByteArray>
#include <QStringList>

namespace PosLib {

// The widths a receipt printer prints in: 32 columns (58 mm paper), 42
// and 48 (80 mm paper, small and normal font).
bool isReceiptWidth(int columns);

// A report's text lines laid out for a receipt printer `width` columns
// wide: "caption.....: value" lines keep the caption left and the value
// at the right edge (a caption too long goes on a line of its own, the
// value right-aligned under it), an underline ("====") is as long as its
// heading, other lines wrap at word boundaries (long words are cut), and
// no line is longer than `width`.
QStringList receiptLines(const QStringList &lines, int width);

// The lines as ESC/POS for a receipt printer: initialise (ESC @), code
// page PC858 (ESC t 19: "€" and the umlauts), headings (a line over an
// underline) in bold (ESC E), a line feed after every line, then feed and
// cut (GS V 66). A character the code page lacks prints as "?".
QByteArray escPosBytes(const QStringList &receiptLines);

// Reads ESC/POS as escPosBytes() writes it back into its text lines,
// headings marked by `boldMark` before them when given; the commands it
// does not know stop it and are named in `error`. For tests and for
// checking a file before it goes to the printer.
QStringList escPosText(const QByteArray &bytes, QString *error = nullptr,
                       const QString &boldMark = QString());

// Sends receipt bytes to the printer: `queue` names a raw print queue
// (handed to "lp -d QUEUE -o raw"), else `path` is a device (written as it
// is, e.g. /dev/usb/lp0) or a file (replaced whole through TSaveFile).
// False, with the reason naming the file or queue in `error`, when the
// bytes did not all go.
bool sendReceipt(const QByteArray &bytes, const QString &path, const QString &queue,
                 QString *error);

// A character in PC858, '?' when it has none.
char pc858(QChar c);

} // namespace PosLib
