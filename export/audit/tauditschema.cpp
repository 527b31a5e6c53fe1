#include "tauditschema.h"

#include "tround.h"

#include <cmath>

namespace PosLib {

namespace {

using T = TAuditType;

TAuditColumn text(const char *name, int maxLength)
{
    return {QString::fromLatin1(name), T::Text, maxLength};
}

TAuditColumn typed(const char *name, TAuditType type)
{
    return {QString::fromLatin1(name), type, 0};
}

TAuditTable table(const char *file, const char *name, const char *description,
                  const QList<TAuditColumn> &columns)
{
    TAuditTable out;
    out.file = QString::fromLatin1(file);
    out.name = QString::fromUtf8(name);
    out.description = QString::fromUtf8(description);
    out.columns = {text("Z_KASSE_ID", 50), typed("Z_ERSTELLUNG", T::Timestamp),
                   typed("Z_NR", T::Integer)};
    out.columns << columns;
    return out;
}

QByteArray quoted(const QString &value)
{
    QByteArray bytes = value.toUtf8();
    bytes.replace('"', "\"\"");
    return '"' + bytes + '"';
}

} // namespace

int TAuditTable::column(const QString &name) const
{
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns.at(i).name == name)
            return int(i);
    }
    return -1;
}

QStringList TAuditTable::columnNames() const
{
    QStringList out;
    for (const TAuditColumn &c : columns)
        out << c.name;
    return out;
}

void TAuditTable::append(const QStringList &row)
{
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (i > 0)
            lines += ',';
        const QString value = row.value(i);
        const TAuditType type = columns.at(i).type;
        // text in quotes, also when empty; numbers and dates bare
        if (type == T::Text || type == T::Timestamp)
            lines += quoted(value);
        else
            lines += value.toUtf8();
    }
    lines += "\r\n";
}

QByteArray TAuditTable::header() const
{
    return columnNames().join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QStringList auditKeyColumns()
{
    return {QStringLiteral("Z_KASSE_ID"), QStringLiteral("Z_ERSTELLUNG"), QStringLiteral("Z_NR")};
}

QString auditAmount(qint64 cents)
{
    const qint64 whole = qAbs(cents) / 100;
    const qint64 part = qAbs(cents) % 100;
    return QStringLiteral("%1%2.%3")
            .arg(cents < 0 ? QStringLiteral("-") : QString())
            .arg(whole)
            .arg(part, 2, 10, QLatin1Char('0'));
}

QString auditQuantity(double count)
{
    const qint64 thousandths = roundHalfUp(std::fabs(count) * 1000.0);
    return QStringLiteral("%1%2.%3")
            .arg(count < 0 && thousandths != 0 ? QStringLiteral("-") : QString())
            .arg(thousandths / 1000)
            .arg(thousandths % 1000, 3, 10, QLatin1Char('0'));
}

QList<TAuditTable> auditTables()
{
    const TAuditColumn bonId = typed("BON_ID", T::Integer);
    const TAuditColumn line = typed("POS_ZEILE", T::Integer);
    const TAuditColumn vatKey = typed("UST_SCHLUESSEL", T::Integer);
    return {
            // the single-record module: one row per bill, line, payment …
            table("transactions.csv", "Bonkopf",
                  "Der Kopf jedes Bons: Nummer, Typ, Tisch-Terminal, Beginn und Ende, "
                  "Bediener, Betrag wie gedruckt",
                  {bonId,
                   typed("BON_NR", T::Integer),
                   text("BON_TYP", 30),
                   text("BON_NAME", 60),
                   text("TERMINAL_ID", 50),
                   typed("BON_STORNO", T::Integer),
                   typed("BON_START", T::Timestamp),
                   typed("BON_ENDE", T::Timestamp),
                   text("BEDIENER_ID", 50),
                   text("BEDIENER_NAME", 50),
                   typed("UMS_BRUTTO", T::Amount),
                   text("KUNDE_NAME", 50),
                   text("KUNDE_ID", 50),
                   text("KUNDE_TYP", 50),
                   text("KUNDE_STRASSE", 60),
                   text("KUNDE_PLZ", 10),
                   text("KUNDE_ORT", 62),
                   text("KUNDE_LAND", 3),
                   text("KUNDE_USTID", 15),
                   text("BON_NOTIZ", 255)}),
            table("transactions_vat.csv", "Bonkopf_USt",
                  "Die Beträge jedes Bons je Umsatzsteuerschlüssel",
                  {bonId, vatKey, typed("BON_BRUTTO", T::Amount), typed("BON_NETTO", T::Amount),
                   typed("BON_UST", T::Amount)}),
            table("allocation_groups.csv", "Bonkopf_AbrKreis",
                  "Der Abrechnungskreis jedes Bons: Tisch und Partei",
                  {bonId, text("ABRECHNUNGSKREIS", 50)}),
            table("datapayment.csv", "Bonkopf_Zahlarten",
                  "Die Zahlungen jedes Bons je Zahlart und Währung (ohne Trinkgeld)",
                  {bonId, text("ZAHLART_TYP", 25), text("ZAHLART_NAME", 60),
                   text("ZAHLWAEH_CODE", 3), typed("ZAHLWAEH_BETRAG", T::Amount),
                   typed("BASISWAEH_BETRAG", T::Amount)}),
            table("references.csv", "Bon_Referenzen",
                  "Verweise zwischen Bons (die Terminals verzeichnen keine)",
                  {line, bonId, text("REF_TYP", 20), text("REF_NAME", 40),
                   typed("REF_DATUM", T::Timestamp), text("REF_KASSENID", 50),
                   typed("REF_ABSCHLNR", T::Integer), typed("REF_BONID", T::Integer)}),
            table("transactions_tse.csv", "TSE_Transaktionen",
                  "Die Daten der Sicherheitseinrichtung je Bon; leer, weil die Terminals "
                  "keine verzeichnen",
                  {bonId, typed("TSE_ID", T::Integer), typed("TSE_TANR", T::Integer),
                   typed("TSE_TA_START", T::Timestamp), typed("TSE_TA_ENDE", T::Timestamp),
                   text("TSE_TA_VORGANGSART", 30), typed("TSE_TA_SIGZ", T::Integer),
                   text("TSE_TA_SIG", 512), text("TSE_TA_FEHLER", 200)}),
            table("lines.csv", "Bonpos",
                  "Die Positionen jedes Bons mit Geschäftsvorfall, Storno-Kennzeichen und "
                  "Stückpreis",
                  {bonId, line, text("GUTSCHEIN_NR", 50), text("ARTIKELTEXT", 255),
                   text("POS_TERMINAL_ID", 50), text("GV_TYP", 30), text("GV_NAME", 40),
                   typed("INHAUS", T::Integer), typed("P_STORNO", T::Integer),
                   text("AGENTUR_ID", 10), text("ART_NR", 50), text("GTIN", 50),
                   text("WARENGR_ID", 40), text("WARENGR", 50), typed("MENGE", T::Quantity),
                   typed("FAKTOR", T::Quantity), text("EINHEIT", 50), typed("STK_BR", T::Amount)}),
            table("lines_vat.csv", "Bonpos_USt",
                  "Die Beträge jeder Position nach Umsatzsteuerschlüssel",
                  {bonId, line, vatKey, typed("POS_BRUTTO", T::Amount),
                   typed("POS_NETTO", T::Amount), typed("POS_UST", T::Amount)}),
            table("itemamounts.csv", "Bonpos_Preisfindung",
                  "Grundpreis und Rabatt der rabattierten Positionen",
                  {bonId, line, text("GV_TYP", 30), vatKey, typed("PF_BRUTTO", T::Amount),
                   typed("PF_NETTO", T::Amount), typed("PF_UST", T::Amount)}),
            table("subitems.csv", "Bonpos_Zusatzinfo", "Die Bestandteile von Menüs",
                  {bonId, line, text("ZI_ART_NR", 50), text("ZI_GTIN", 50), text("ZI_NAME", 60),
                   text("ZI_WARENGR_ID", 40), text("ZI_WARENGR", 50),
                   typed("ZI_MENGE", T::Quantity), typed("ZI_FAKTOR", T::Quantity),
                   text("ZI_EINHEIT", 50), typed("ZI_UST_SCHLUESSEL", T::Integer),
                   typed("ZI_BASISPREIS_BRUTTO", T::Amount),
                   typed("ZI_BASISPREIS_NETTO", T::Amount), typed("ZI_BASISPREIS_UST", T::Amount)}),
            // the master data: the closing, the business and the till
            table("cashpointclosing.csv", "Stamm_Abschluss",
                  "Jeder Abschluss: Geschäftstag, erster und letzter Bon, das Unternehmen, "
                  "Summe aller Zahlungen und der Barzahlungen",
                  {typed("Z_BUCHUNGSTAG", T::Date), text("TAXONOMIE_VERSION", 10),
                   typed("Z_START_ID", T::Integer), typed("Z_ENDE_ID", T::Integer),
                   text("NAME", 60), text("STRASSE", 60), text("PLZ", 10), text("ORT", 62),
                   text("LAND", 3), text("STNR", 20), text("USTID", 15),
                   typed("Z_SE_ZAHLUNGEN", T::Amount), typed("Z_SE_BARZAHLUNGEN", T::Amount)}),
            table("location.csv", "Stamm_Orte", "Der Ort der Kasse",
                  {text("LOC_NAME", 60), text("LOC_STRASSE", 60), text("LOC_PLZ", 10),
                   text("LOC_ORT", 62), text("LOC_LAND", 3), text("LOC_USTID", 15)}),
            table("cashregister.csv", "Stamm_Kassen", "Die Kasse und ihre Software",
                  {text("KASSE_BRAND", 50), text("KASSE_MODELL", 50), text("KASSE_SERIENNR", 70),
                   text("KASSE_SW_BRAND", 50), text("KASSE_SW_VERSION", 50),
                   text("KASSE_BASISWAEH_CODE", 3), typed("KEINE_UST_ZUORDNUNG", T::Integer)}),
            table("slaves.csv", "Stamm_Terminals",
                  "Die Terminals, die Bons des Abschlusses buchten",
                  {text("TERMINAL_ID", 50), text("TERMINAL_BRAND", 50), text("TERMINAL_MODELL", 50),
                   text("TERMINAL_SERIENNR", 70), text("TERMINAL_SW_BRAND", 50),
                   text("TERMINAL_SW_VERSION", 50)}),
            table("pa.csv", "Stamm_Agenturen", "Agenturen (die Kasse kennt keine)",
                  {typed("P_ID", T::Integer), text("P_NAME", 60), text("P_STRASSE", 60),
                   text("P_PLZ", 10), text("P_ORT", 62), text("P_LAND", 3), text("P_STNR", 20),
                   text("P_USTID", 15)}),
            table("vat.csv", "Stamm_USt", "Die Umsatzsteuerschlüssel des Abschlusses",
                  {vatKey, typed("UST_SATZ", T::Amount), text("UST_BESCHR", 55)}),
            table("tse.csv", "Stamm_TSE",
                  "Die Sicherheitseinrichtungen; leer, weil die Terminals keine verzeichnen",
                  {typed("TSE_ID", T::Integer), text("TSE_SERIAL", 68), text("TSE_SIG_ALGO", 21),
                   text("TSE_ZEITFORMAT", 31), text("TSE_PD_ENCODING", 5),
                   text("TSE_PUBLIC_KEY", 512), text("TSE_ZERTIFIKAT_I", 1000),
                   text("TSE_ZERTIFIKAT_II", 1000)}),
            // the closing module: what each closing adds up to
            table("businesscases.csv", "Z_GV_Typ",
                  "Die Geschäftsvorfälle jedes Abschlusses je Umsatzsteuerschlüssel",
                  {text("GV_TYP", 30), text("GV_NAME", 40), text("AGENTUR_ID", 10), vatKey,
                   typed("Z_UMS_BRUTTO", T::Amount), typed("Z_UMS_NETTO", T::Amount),
                   typed("Z_UST", T::Amount)}),
            table("payment.csv", "Z_Zahlart", "Die Zahlungen jedes Abschlusses je Zahlart",
                  {text("ZAHLART_TYP", 25), text("ZAHLART_NAME", 60),
                   typed("Z_ZAHLART_BETRAG", T::Amount)}),
            table("cash_per_currency.csv", "Z_Waehrungen",
                  "Die Barzahlungen jedes Abschlusses je Währung",
                  {text("ZAHLART_WAEH", 3), typed("ZAHLART_BETRAG_WAEH", T::Amount)}),
    };
}

} // namespace PosLib
