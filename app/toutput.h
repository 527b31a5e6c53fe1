#pragma once

#include "tcommand.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QStringList>

class TArgs;

// The forms a report or a list can be written in.
enum class TOutputFormat { Text, Csv, Json, Pdf };

// --format and --output, worded once for every command that writes a
// report or a list.
TCommandOption formatOption();
TCommandOption outputOption();

// RFC 4180: fields separated by ',', a field holding ',', '"', CR or LF
// in double quotes with its '"' doubled, every record ended by CRLF.
QByteArray csvText(const QList<QStringList> &rows);

// Where a command's result goes: standard output, or the file of
// --output. The result is written whole at the end of a run; a file
// through TSaveFile (a temporary beside it, renamed over it when complete),
// so a run that fails or is interrupted leaves no partial file and the
// previous file, if any, as it was.
class TOutput
{
public:
    // Reads --format (default text) and --output; throws TUsageError for
    // an unknown format, and for PDF without --output on a terminal.
    explicit TOutput(const TArgs &args);

    TOutputFormat format() const { return m_format; }

    // Writes the result in the chosen form: the text lines for text and
    // PDF (`title` names the PDF document), `data` for JSON, `rows` for CSV.
    // On failure prints the reason and returns false.
    bool write(const QStringList &lines, const QJsonObject &data, const QList<QStringList> &rows,
               const QString &title);

private:
    bool put(const QByteArray &bytes);

    TOutputFormat m_format = TOutputFormat::Text;
    QString m_path;
};
