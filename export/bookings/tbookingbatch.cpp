#include "tbookingbatch.h"

#include "twindows1252.h"

namespace PosLib {

namespace {

QString quoted(const QString &text)
{
    QString inner = text;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    // one booking a line: a line break in a text would start another
    inner.replace(QLatin1Char('\r'), QLatin1Char(' '));
    inner.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QStringList titles()
{
    QStringList t {
            QStringLiteral("Umsatz (ohne Soll/Haben-Kz)"),
            QStringLiteral("Soll/Haben-Kennzeichen"),
            QStringLiteral("WKZ Umsatz"),
            QStringLiteral("Kurs"),
            QStringLiteral("Basis-Umsatz"),
            QStringLiteral("WKZ Basis-Umsatz"),
            QStringLiteral("Konto"),
            QStringLiteral("Gegenkonto (ohne BU-Schlüssel)"),
            QStringLiteral("BU-Schlüssel"),
            QStringLiteral("Belegdatum"),
            QStringLiteral("Belegfeld 1"),
            QStringLiteral("Belegfeld 2"),
            QStringLiteral("Skonto"),
            QStringLiteral("Buchungstext"),
            QStringLiteral("Postensperre"),
            QStringLiteral("Diverse Adressnummer"),
            QStringLiteral("Geschäftspartnerbank"),
            QStringLiteral("Sachverhalt"),
            QStringLiteral("Zinssperre"),
            QStringLiteral("Beleglink"),
    };
    for (int i = 1; i <= 8; ++i)
        t << QStringLiteral("Beleginfo - Art %1").arg(i)
          << QStringLiteral("Beleginfo - Inhalt %1").arg(i);
    t << QStringLiteral("KOST1 - Kostenstelle") << QStringLiteral("KOST2 - Kostenstelle")
      << QStringLiteral("Kost-Menge") << QStringLiteral("EU-Land u. UStID")
      << QStringLiteral("EU-Steuersatz") << QStringLiteral("Abw. Versteuerungsart")
      << QStringLiteral("Sachverhalt L+L") << QStringLiteral("Funktionsergänzung L+L")
      << QStringLiteral("BU 49 Hauptfunktionstyp") << QStringLiteral("BU 49 Hauptfunktionsnummer")
      << QStringLiteral("BU 49 Funktionsergänzung");
    for (int i = 1; i <= 20; ++i)
        t << QStringLiteral("Zusatzinformation - Art %1").arg(i)
          << QStringLiteral("Zusatzinformation - Inhalt %1").arg(i);
    t << QStringLiteral("Stück") << QStringLiteral("Gewicht") << QStringLiteral("Zahlweise")
      << QStringLiteral("Forderungsart") << QStringLiteral("Veranlagungsjahr")
      << QStringLiteral("Zugeordnete Fälligkeit") << QStringLiteral("Skontotyp")
      << QStringLiteral("Auftragsnummer") << QStringLiteral("Buchungstyp")
      << QStringLiteral("USt-Schlüssel (Anzahlungen)") << QStringLiteral("EU-Land (Anzahlungen)")
      << QStringLiteral("Sachverhalt L+L (Anzahlungen)")
      << QStringLiteral("EU-Steuersatz (Anzahlungen)") << QStringLiteral("Erlöskonto (Anzahlungen)")
      << QStringLiteral("Herkunft-Kz") << QStringLiteral("Buchungs GUID")
      << QStringLiteral("KOST-Datum") << QStringLiteral("SEPA-Mandatsreferenz")
      << QStringLiteral("Skontosperre") << QStringLiteral("Gesellschaftername")
      << QStringLiteral("Beteiligtennummer") << QStringLiteral("Identifikationsnummer")
      << QStringLiteral("Zeichnernummer") << QStringLiteral("Postensperre bis")
      << QStringLiteral("Bezeichnung SoBil-Sachverhalt")
      << QStringLiteral("Kennzeichen SoBil-Buchung") << QStringLiteral("Festschreibung")
      << QStringLiteral("Leistungsdatum") << QStringLiteral("Datum Zuord. Steuerperiode")
      << QStringLiteral("Fälligkeit") << QStringLiteral("Generalumkehr (GU)")
      << QStringLiteral("Steuersatz") << QStringLiteral("Land")
      << QStringLiteral("Abrechnungsreferenz") << QStringLiteral("BVV-Position")
      << QStringLiteral("EU-Land u. UStID (Ursprung)") << QStringLiteral("EU-Steuersatz (Ursprung)")
      << QStringLiteral("Abw. Skontokonto");
    return t;
}

} // namespace

const QStringList &TBookingBatch::columnTitles()
{
    static const QStringList list = titles();
    return list;
}

QString TBookingBatch::amountText(qint64 cents)
{
    const qint64 whole = qAbs(cents);
    return QStringLiteral("%1%2,%3")
            .arg(cents < 0 ? QStringLiteral("-") : QString())
            .arg(whole / 100)
            .arg(whole % 100, 2, 10, QLatin1Char('0'));
}

QString TBookingBatch::headerLine(const TBatchHeader &h)
{
    const QString date = QStringLiteral("yyyyMMdd");
    QStringList f;
    f << quoted(QStringLiteral("EXTF")) << QStringLiteral("700") << QStringLiteral("21")
      << quoted(QStringLiteral("Buchungsstapel")) << QStringLiteral("13")
      << h.created.toString(QStringLiteral("yyyyMMddHHmmsszzz")) << QString() << quoted(h.origin)
      << quoted(h.exportedBy) << QString() << QString::number(h.consultant)
      << QString::number(h.client) << h.fiscalYearStart.toString(date)
      << QString::number(h.accountLength) << h.from.toString(date) << h.to.toString(date)
      << quoted(h.name) << quoted(h.dictation) << QStringLiteral("1") // financial accounting
      << QString() << (h.fixed ? QStringLiteral("1") : QStringLiteral("0")) << quoted(h.currency);
    while (f.size() < HeaderFields)
        f << QString();
    return f.join(QLatin1Char(';'));
}

QString TBookingBatch::titleLine()
{
    QStringList f;
    for (const QString &title : columnTitles())
        f << quoted(title);
    return f.join(QLatin1Char(';'));
}

QString TBookingBatch::bookingLine(const TBooking &b)
{
    QStringList f(columnTitles().size(), QString());
    f[0] = amountText(b.amount);
    f[1] = quoted(QStringLiteral("S"));
    f[6] = b.debit;
    f[7] = b.credit;
    f[9] = b.date.toString(QStringLiteral("ddMM"));
    f[10] = quoted(b.document);
    f[13] = quoted(b.text);
    return f.join(QLatin1Char(';'));
}

bool TBookingBatch::encode(const QStringList &lines, QByteArray *out, QString *error, int firstLine)
{
    out->clear();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray bytes;
        qsizetype bad = 0;
        if (!toWindows1252(lines.at(i), &bytes, &bad)) {
            QString shown = lines.at(i);
            while (shown.endsWith(QLatin1Char(';')))
                shown.chop(1);
            *error = tr("line %1: the character %2 cannot be written in Windows-1252: %3")
                             .arg(firstLine + i)
                             .arg(characterName(lines.at(i), bad), shown);
            return false;
        }
        *out += bytes + "\r\n";
    }
    return true;
}

} // namespace PosLib
