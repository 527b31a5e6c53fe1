<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Mail</name>
    <message>
        <source>&apos;%1&apos; is no schedule (daily HH:MM, weekly Mon HH:MM, monthly 1-28 HH:MM, never)</source>
        <translation>&apos;%1&apos; ist kein Zeitplan (daily HH:MM, weekly Mon HH:MM, monthly 1-28 HH:MM, never)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no range (yesterday, last week, last month, month to date)</source>
        <translation>&apos;%1&apos; ist kein Zeitraum (yesterday, last week, last month, month to date)</translation>
    </message>
    <message>
        <source>%1: cannot be read; the mail %2 stays in the outbox</source>
        <translation>%1: kann nicht gelesen werden; die Mail %2 bleibt im Postausgang</translation>
    </message>
    <message>
        <source> (the server answered %1)</source>
        <translation> (der Server antwortete %1)</translation>
    </message>
    <message>
        <source>the mail server refused the login of %1: wrong user name or password%2</source>
        <translation>der Mailserver hat die Anmeldung von %1 abgelehnt: falscher Benutzername oder falsches Passwort%2</translation>
    </message>
    <message>
        <source>the mail server offers no STARTTLS; the mail was not sent unprotected</source>
        <translation>der Mailserver bietet kein STARTTLS an; die Mail wurde nicht ungeschützt gesendet</translation>
    </message>
    <message>
        <source>the protected connection to the mail server failed: %1</source>
        <translation>die geschützte Verbindung zum Mailserver ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the mail server refused the mail: %1%2</source>
        <translation>der Mailserver hat die Mail abgelehnt: %1%2</translation>
    </message>
    <message>
        <source>the mail could not be delivered: %1%2</source>
        <translation>die Mail konnte nicht zugestellt werden: %1%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no mail server (smtp://HOST:PORT or smtps://HOST:PORT)</source>
        <translation>&apos;%1&apos; ist kein Mailserver (smtp://HOST:PORT oder smtps://HOST:PORT)</translation>
    </message>
    <message>
        <source>security tls goes with smtps://, starttls and none with smtp://</source>
        <translation>security tls gehört zu smtps://, starttls und none zu smtp://</translation>
    </message>
    <message>
        <source>a password is never sent unprotected to %1: use security starttls or tls</source>
        <translation>ein Passwort wird nie ungeschützt an %1 gesendet: security starttls oder tls verwenden</translation>
    </message>
    <message>
        <source>the mail library could not be started</source>
        <translation>die Mail-Bibliothek konnte nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>PosLib::TReport</name>
    <message>
        <source>The day summary of %1 could not be built (%2 cannot be read); the report reads the day&apos;s tables instead</source>
        <translation>Die Tageszusammenfassung vom %1 konnte nicht erstellt werden (%2 ist nicht lesbar); der Bericht liest stattdessen die Tische des Tages</translation>
    </message>
</context>
<context>
    <name>QtWidgets::TDatePicker</name>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>TT.MM.JJJJ</translation>
    </message>
</context>
<context>
    <name>TAccountMap</name>
    <message>
        <source>[%1] %2 is missing</source>
        <translation>[%1] %2 fehlt</translation>
    </message>
    <message>
        <source>[%1] %2 = %3: not a number from %4 to %5</source>
        <translation>[%1] %2 = %3: keine Zahl von %4 bis %5</translation>
    </message>
    <message>
        <source>[%1] chart = %2: skr03 or skr04</source>
        <translation>[%1] chart = %2: skr03 oder skr04</translation>
    </message>
    <message>
        <source>[%1] fiscalyear = %2: the first day of the fiscal year as MM-dd, e.g. 01-01</source>
        <translation>[%1] fiscalyear = %2: der erste Tag des Wirtschaftsjahres als MM-dd, z. B. 01-01</translation>
    </message>
    <message>
        <source>[%1] dictation = %2: at most two letters or digits</source>
        <translation>[%1] dictation = %2: höchstens zwei Buchstaben oder Ziffern</translation>
    </message>
    <message>
        <source>[%1] %2 = %3: an account of %4 digits</source>
        <translation>[%1] %2 = %3: ein Konto mit %4 Ziffern</translation>
    </message>
    <message>
        <source>[%1] %2: no such purpose (%3, or revenue and a VAT rate such as revenue19)</source>
        <translation>[%1] %2: diesen Zweck gibt es nicht (%3, oder revenue und ein Steuersatz wie revenue19)</translation>
    </message>
    <message>
        <source>[%1] %2: not a payform number</source>
        <translation>[%1] %2: keine Zahlungsartnummer</translation>
    </message>
    <message>
        <source>[%1] %2 = %3: an account or a purpose (%4)</source>
        <translation>[%1] %2 = %3: ein Konto oder ein Zweck (%4)</translation>
    </message>
    <message>
        <source>missing; it names the tax adviser&apos;s and the client&apos;s numbers and the accounts (see docs/exports.md, &quot;Bookings for the accounting software&quot;)</source>
        <translation>fehlt; sie nennt die Nummern des Steuerberaters und des Mandanten und die Konten (siehe docs/exports.md, &quot;Bookings for the accounting software&quot;)</translation>
    </message>
</context>
<context>
    <name>TAuditCompany</name>
    <message>
        <source>[%1] %2 is missing</source>
        <translation>[%1] %2 fehlt</translation>
    </message>
    <message>
        <source>[%1] taxnumber or vatid is missing: the audit export names the company&apos;s tax number</source>
        <translation>[%1] taxnumber oder vatid fehlt: der Prüfexport nennt die Steuernummer des Unternehmens</translation>
    </message>
    <message>
        <source>[%1] country = %2: not a three-letter country code (DEU)</source>
        <translation>[%1] country = %2: kein dreibuchstabiger Ländercode (DEU)</translation>
    </message>
    <message>
        <source>[%1] currency = %2: not a three-letter currency code (EUR)</source>
        <translation>[%1] currency = %2: kein dreibuchstabiger Währungscode (EUR)</translation>
    </message>
    <message>
        <source>missing; it names the company, its address and tax number for the audit export (see docs/exports.md, &quot;The cash-register audit export&quot;)</source>
        <translation>fehlt; sie nennt das Unternehmen, seine Anschrift und Steuernummer für den Kassen-Prüfexport (siehe docs/exports.md, &quot;The cash-register audit export&quot;)</translation>
    </message>
</context>
<context>
    <name>TAuditExport</name>
    <message>
        <source>%1: the folder could not be made; nothing was written</source>
        <translation>%1: der Ordner konnte nicht angelegt werden; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1: the files could not be moved into place; nothing was written</source>
        <translation>%1: die Dateien konnten nicht an ihren Platz gebracht werden; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>no valid range of days</source>
        <translation>kein gültiger Zeitraum</translation>
    </message>
    <message>
        <source>%1: not a folder; name a new folder or a .zip file</source>
        <translation>%1: kein Ordner; nennen Sie einen neuen Ordner oder eine .zip-Datei</translation>
    </message>
    <message>
        <source>%1: the folder holds files already; name a new or empty folder, so that the export is not mixed with others</source>
        <translation>%1: der Ordner enthält schon Dateien; nennen Sie einen neuen oder leeren Ordner, damit sich der Export nicht mit anderen mischt</translation>
    </message>
    <message>
        <source>%1: a folder of that name is there</source>
        <translation>%1: ein Ordner dieses Namens ist vorhanden</translation>
    </message>
    <message>
        <source>no closed day from %1 to %2; nothing was written</source>
        <translation>kein abgeschlossener Tag vom %1 bis %2; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1: the files are too large for a ZIP archive; export into a folder</source>
        <translation>%1: die Dateien sind zu groß für ein ZIP-Archiv; exportieren Sie in einen Ordner</translation>
    </message>
    <message>
        <source>cancelled; nothing was written</source>
        <translation>abgebrochen; nichts wurde geschrieben</translation>
    </message>
</context>
<context>
    <name>TAuswAccDlg</name>
    <message>
        <source>Report filter dialog</source>
        <translation>Berichtsfilter-Dialog</translation>
    </message>
    <message>
        <source>Batchreport dialog</source>
        <translation>Sammelbericht-Dialog</translation>
    </message>
    <message>
        <source>Turnover dialog</source>
        <translation>Tagesabschluss-Dialog</translation>
    </message>
</context>
<context>
    <name>TAuswAccess</name>
    <message>
        <source>Report filters</source>
        <translation>Berichtsfilter</translation>
    </message>
    <message>
        <source>Batchreports</source>
        <translation>Sammelberichte</translation>
    </message>
    <message>
        <source>Open tables</source>
        <translation>Offene Tische</translation>
    </message>
    <message>
        <source>Paid tables</source>
        <translation>Bezahlte Tische</translation>
    </message>
    <message>
        <source>Range statistics</source>
        <translation>Zeitraumstatistik</translation>
    </message>
    <message>
        <source>Time controlling</source>
        <translation>Zeiterfassung</translation>
    </message>
    <message>
        <source>Day turn over</source>
        <translation>Tagesabschluss</translation>
    </message>
    <message>
        <source>Report options</source>
        <translation>Auswertungsoptionen</translation>
    </message>
    <message>
        <source>Exceptions</source>
        <translation>Auffälligkeiten</translation>
    </message>
    <message>
        <source>Sales per labour hour</source>
        <translation>Umsatz je Arbeitsstunde</translation>
    </message>
</context>
<context>
    <name>TBookingBatch</name>
    <message>
        <source>line %1: the character %2 cannot be written in Windows-1252: %3</source>
        <translation>Zeile %1: das Zeichen %2 kann in Windows-1252 nicht geschrieben werden: %3</translation>
    </message>
</context>
<context>
    <name>TBookingsExport</name>
    <message>
        <source>no closed day from %1 to %2; nothing was written</source>
        <translation>kein abgeschlossener Tag vom %1 bis %2; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1: %2; nothing was written</source>
        <translation>%1: %2; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1 exported before (to %2) with other bookings; nothing was written. --force exports them again and replaces the record</source>
        <translation>%1 schon mit anderen Buchungen exportiert (nach %2); nichts wurde geschrieben. --force exportiert sie erneut und ersetzt den Nachweis</translation>
    </message>
    <message>
        <source>%1: the folder could not be made; nothing was written</source>
        <translation>%1: der Ordner konnte nicht angelegt werden; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>Takings %1 - %2</source>
        <translation>Kasseneinnahmen %1 - %2</translation>
    </message>
    <message>
        <source>%1; the days from %2 on were not exported</source>
        <translation>%1; die Tage ab %2 wurden nicht exportiert</translation>
    </message>
    <message>
        <source>the bookings were written, but the record of exported days was not: %1</source>
        <translation>die Buchungen wurden geschrieben, der Nachweis der exportierten Tage aber nicht: %1</translation>
    </message>
    <message>
        <source>cancelled; nothing was written</source>
        <translation>abgebrochen; nichts wurde geschrieben</translation>
    </message>
</context>
<context>
    <name>TChainDay</name>
    <message>
        <source>cannot read the bill %1</source>
        <translation>der Bon %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot read the bill %1: %2</source>
        <translation>der Bon %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot read the closing record %1</source>
        <translation>der Abschlussdatensatz %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the closing record %1 is no JSON</source>
        <translation>der Abschlussdatensatz %1 ist kein JSON</translation>
    </message>
    <message>
        <source>%1 was not closed</source>
        <translation>%1 wurde nicht abgeschlossen</translation>
    </message>
    <message>
        <source>cannot read the installation record: %1</source>
        <translation>der Installationsdatensatz kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>cannot build the day summary of %1: %2</source>
        <translation>die Tageszusammenfassung vom %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot add up the day %1</source>
        <translation>der Tag %1 kann nicht zusammengezählt werden</translation>
    </message>
</context>
<context>
    <name>TChainDaySource</name>
    <message>
        <source>outlet %1, %2: the stored groups (%3) are missing or cannot be read</source>
        <translation>Betrieb %1, %2: die gespeicherten Gruppen (%3) fehlen oder können nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
</context>
<context>
    <name>TChainDb</name>
    <message>
        <source>the PostgreSQL driver of Qt (QPSQL) is not installed</source>
        <translation>der PostgreSQL-Treiber von Qt (QPSQL) ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>TChainGroupRows</name>
    <message>
        <source>the connection is no PostgreSQL connection</source>
        <translation>die Verbindung ist keine PostgreSQL-Verbindung</translation>
    </message>
    <message>
        <source>the server&apos;s rows cannot be read one by one</source>
        <translation>die Zeilen des Servers können nicht einzeln gelesen werden</translation>
    </message>
    <message>
        <source>the server gave an unexpected answer</source>
        <translation>der Server hat unerwartet geantwortet</translation>
    </message>
</context>
<context>
    <name>TChainInstallation</name>
    <message>
        <source>cannot create a temporary directory</source>
        <translation>es kann kein temporäres Verzeichnis angelegt werden</translation>
    </message>
    <message>
        <source>no outlet chosen</source>
        <translation>kein Betrieb gewählt</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>TChainUpload</name>
    <message>
        <source>the queue %1 is locked by another program</source>
        <translation>die Warteschlange %1 ist von einem anderen Programm gesperrt</translation>
    </message>
    <message>
        <source>cannot write the queue %1: %2</source>
        <translation>die Warteschlange %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>TChainUrl</name>
    <message>
        <source>not a PostgreSQL URL (postgresql://USER@HOST:PORT/DATABASE)</source>
        <translation>keine PostgreSQL-URL (postgresql://USER@HOST:PORT/DATABASE)</translation>
    </message>
    <message>
        <source>an IPv6 address without its closing &quot;]&quot;</source>
        <translation>eine IPv6-Adresse ohne schließende &quot;]&quot;</translation>
    </message>
    <message>
        <source>unexpected text after the IPv6 address</source>
        <translation>unerwarteter Text nach der IPv6-Adresse</translation>
    </message>
    <message>
        <source>bad port &quot;%1&quot; (1 to 65535)</source>
        <translation>ungültiger Port &quot;%1&quot; (1 bis 65535)</translation>
    </message>
    <message>
        <source>unknown parameter &quot;%1&quot; (host, port, user, password, dbname)</source>
        <translation>unbekannter Parameter &quot;%1&quot; (host, port, user, password, dbname)</translation>
    </message>
    <message>
        <source>no database named (postgresql://USER@HOST:PORT/DATABASE)</source>
        <translation>keine Datenbank angegeben (postgresql://USER@HOST:PORT/DATABASE)</translation>
    </message>
    <message>
        <source>no database named</source>
        <translation>keine Datenbank angegeben</translation>
    </message>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation>die Passwortdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>TChainWitness</name>
    <message>
        <source>Z %1 (%2): the chain database holds the closing record this outlet sent, but the installation has none</source>
        <translation>Z %1 (%2): die Kettendatenbank hat den Abschlussdatensatz, den diese Filiale gesendet hat, die Installation aber keinen</translation>
    </message>
    <message>
        <source>Z %1 (%2): the closing record is not the one this outlet sent to the chain database: it was changed after it was sent</source>
        <translation>Z %1 (%2): der Abschlussdatensatz ist nicht der, den diese Filiale an die Kettendatenbank gesendet hat: er wurde nach dem Senden geändert</translation>
    </message>
</context>
<context>
    <name>TClosedDays</name>
    <message>
        <source>%1: the day was not closed</source>
        <translation>%1: der Tag wurde nicht abgeschlossen</translation>
    </message>
    <message>
        <source>%1 (Z %2): the closing does not verify: %3 (see &apos;veltrum verify&apos;)</source>
        <translation>%1 (Z %2): der Abschluss besteht die Prüfung nicht: %3 (siehe &apos;veltrum verify&apos;)</translation>
    </message>
    <message>
        <source>%1: the bill cannot be read (no complete table file)</source>
        <translation>%1: der Bon kann nicht gelesen werden (keine vollständige Tischdatei)</translation>
    </message>
</context>
<context>
    <name>TClosedExportDlg</name>
    <message>
        <source>Export bookings</source>
        <translation>Buchungen exportieren</translation>
    </message>
    <message>
        <source>Export for the tax audit</source>
        <translation>Für die Betriebsprüfung exportieren</translation>
    </message>
    <message>
        <source>Choose where the export goes</source>
        <translation>Wählen, wohin der Export geht</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>&amp;Folder or .zip:</source>
        <translation>&amp;Ordner oder .zip:</translation>
    </message>
    <message>
        <source>As etc/accounting.ini says</source>
        <translation>Wie in etc/accounting.ini angegeben</translation>
    </message>
    <message>
        <source>SKR03</source>
        <translation>SKR03</translation>
    </message>
    <message>
        <source>SKR04</source>
        <translation>SKR04</translation>
    </message>
    <message>
        <source>&amp;Chart of accounts:</source>
        <translation>&amp;Kontenrahmen:</translation>
    </message>
    <message>
        <source>Export days again that went out with other bookings</source>
        <translation>Tage erneut exportieren, die mit anderen Buchungen hinausgingen</translation>
    </message>
    <message>
        <source>A day exported before goes out again only as the same bookings; this replaces the record of the days exported</source>
        <translation>Ein bereits exportierter Tag geht sonst nur mit denselben Buchungen erneut hinaus; dies ersetzt den Nachweis der exportierten Tage</translation>
    </message>
    <message>
        <source>Only closed days whose closings verify are exported. The accounts come from etc/accounting.ini (see docs/exports.md).</source>
        <translation>Exportiert werden nur abgeschlossene Tage, deren Abschlüsse die Prüfung bestehen. Die Konten kommen aus etc/accounting.ini (siehe docs/exports.md).</translation>
    </message>
    <message>
        <source>Only closed days whose closings verify are exported. The company comes from etc/company.ini (see docs/exports.md). The terminals record no security module: its fields stay empty.</source>
        <translation>Exportiert werden nur abgeschlossene Tage, deren Abschlüsse die Prüfung bestehen. Das Unternehmen kommt aus etc/company.ini (siehe docs/exports.md). Die Terminals verzeichnen keine Sicherheitseinrichtung: deren Felder bleiben leer.</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Booking batches (*.csv)</source>
        <translation>Buchungsstapel (*.csv)</translation>
    </message>
    <message>
        <source>ZIP archives (*.zip);;A new folder (*)</source>
        <translation>ZIP-Archive (*.zip);;Ein neuer Ordner (*)</translation>
    </message>
    <message>
        <source>Please enter a range whose first day is not after its last.</source>
        <translation>Bitte einen Zeitraum eingeben, dessen erster Tag nicht nach seinem letzten liegt.</translation>
    </message>
    <message>
        <source>Please name where the export goes.</source>
        <translation>Bitte angeben, wohin der Export geht.</translation>
    </message>
    <message>
        <source>%1: %2, %3%4</source>
        <translation>%1: %2, %3%4</translation>
    </message>
    <message numerus="yes">
        <source>%n closed day(s)</source>
        <translation>
            <numerusform>%n abgeschlossener Tag</numerusform>
            <numerusform>%n abgeschlossene Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n booking(s)</source>
        <translation>
            <numerusform>%n Buchung</numerusform>
            <numerusform>%n Buchungen</numerusform>
        </translation>
    </message>
    <message>
        <source> (exported before, the same bytes)</source>
        <translation> (bereits exportiert, dieselben Bytes)</translation>
    </message>
    <message>
        <source>%1

Written before:
%2</source>
        <translation>%1

Zuvor geschrieben:
%2</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4, %5</source>
        <translation>%1: %2, %3, %4, %5</translation>
    </message>
    <message numerus="yes">
        <source>%n closing(s)</source>
        <translation>
            <numerusform>%n Abschluss</numerusform>
            <numerusform>%n Abschlüsse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bill(s)</source>
        <translation>
            <numerusform>%n Bon</numerusform>
            <numerusform>%n Bons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading the closed days...</source>
        <translation>Die abgeschlossenen Tage werden gelesen...</translation>
    </message>
</context>
<context>
    <name>TClosingNumbers</name>
    <message>
        <source>%1 is missing, but %2 was used already (%3); it continues with %4</source>
        <translation>%1 fehlt, aber %2 wurde schon vergeben (%3); es geht mit %4 weiter</translation>
    </message>
    <message>
        <source>%1 is damaged and nothing was used yet; it starts with 1</source>
        <translation>%1 ist beschädigt, und es wurde noch nichts vergeben; es beginnt mit 1</translation>
    </message>
    <message>
        <source>%1 is damaged; %2 was used already (%3), it continues with %4</source>
        <translation>%1 ist beschädigt; %2 wurde schon vergeben (%3), es geht mit %4 weiter</translation>
    </message>
    <message>
        <source>%1 holds %2, but %3 was used already (%4): the counter was set back, perhaps by a restored backup, and would hand out a number twice. If the installation is as it should be, delete %1: the next closing then continues after %3</source>
        <translation>%1 enthält %2, aber %3 wurde schon vergeben (%4): der Zähler wurde zurückgesetzt, vielleicht durch eine zurückgespielte Sicherung, und würde eine Nummer doppelt vergeben. Wenn die Installation so ist, wie sie sein soll, löschen Sie %1: der nächste Abschluss macht dann nach %3 weiter</translation>
    </message>
</context>
<context>
    <name>TClosingPanel</name>
    <message>
        <source>&lt;b&gt;Cash count&lt;/b&gt; (cash per currency; cards and others optional)</source>
        <translation>&lt;b&gt;Kassenzählung&lt;/b&gt; (Bargeld je Währung; Karten und andere nach Wahl)</translation>
    </message>
    <message>
        <source>Payment form</source>
        <translation>Zahlungsart</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Gezählt</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Opening &amp;float:</source>
        <translation>&amp;Wechselgeld zu Beginn:</translation>
    </message>
    <message>
        <source>Co&amp;mment:</source>
        <translation>Be&amp;merkung:</translation>
    </message>
    <message>
        <source>what the drawer started with, e.g. 150.00</source>
        <translation>womit die Kasse begann, z. B. 150.00</translation>
    </message>
    <message>
        <source>why the count differs</source>
        <translation>warum die Zählung abweicht</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no amount (write it as 412.50)</source>
        <translation>%1: „%2“ ist kein Betrag (schreiben Sie ihn als 412.50)</translation>
    </message>
    <message>
        <source>Opening float: &quot;%1&quot; is no amount (write it as 150.00)</source>
        <translation>Wechselgeld zu Beginn: „%1“ ist kein Betrag (schreiben Sie ihn als 150.00)</translation>
    </message>
    <message>
        <source>An opening float was entered, but nothing was counted.</source>
        <translation>Ein Wechselgeld wurde eingegeben, aber nichts wurde gezählt.</translation>
    </message>
    <message>
        <source>Nothing counted yet: the closing records no cash count.</source>
        <translation>Noch nichts gezählt: der Abschluss hält keine Kassenzählung fest.</translation>
    </message>
    <message>
        <source>Difference in total: %1 (tolerance %2)</source>
        <translation>Differenz insgesamt: %1 (Toleranz %2)</translation>
    </message>
    <message>
        <source>The difference is above the tolerance: say why in the comment.</source>
        <translation>Die Differenz liegt über der Toleranz: sagen Sie in der Bemerkung, warum.</translation>
    </message>
</context>
<context>
    <name>TClosingPreview</name>
    <message>
        <source>table %1/%2</source>
        <translation>Tisch %1/%2</translation>
    </message>
    <message>
        <source>table %1/%2, waiter %3 %4</source>
        <translation>Tisch %1/%2, Kellner %3 %4</translation>
    </message>
    <message>
        <source>Nothing to close for %1: var/archives holds no paid table (--cancel-if-empty)</source>
        <translation>Nichts abzuschließen für %1: var/archives enthält keinen bezahlten Tisch (--cancel-if-empty)</translation>
    </message>
    <message>
        <source>Waiter %1 still owns an open table; the closing of their tables was refused</source>
        <translation>Kellner %1 hat noch einen offenen Tisch; der Abschluss seiner Tische wurde abgelehnt</translation>
    </message>
    <message>
        <source>Another closing is running (var/lock/turnover.lck is held); try again when it has ended</source>
        <translation>Ein anderer Abschluss läuft (var/lock/turnover.lck ist belegt); versuchen Sie es erneut, wenn er beendet ist</translation>
    </message>
    <message>
        <source>Waiter %1 closed %2 already</source>
        <translation>Kellner %1 hat %2 bereits abgeschlossen</translation>
    </message>
    <message>
        <source>The closing of %1 failed inside; what was moved stays moved (--log FILE records the cause)</source>
        <translation>Der Abschluss von %1 schlug intern fehl; was verschoben wurde, bleibt verschoben (--log FILE hält die Ursache fest)</translation>
    </message>
    <message>
        <source>The closing of %1 failed with code %2</source>
        <translation>Der Abschluss von %1 schlug mit Code %2 fehl</translation>
    </message>
    <message>
        <source>This day is already fiscalized!</source>
        <translation>Dieser Tag ist bereits fiskalisiert!</translation>
    </message>
    <message>
        <source>%1 was closed already; closing it again would use Z counter %2</source>
        <translation>%1 wurde bereits abgeschlossen; ein erneuter Abschluss würde den Z-Zähler %2 verbrauchen</translation>
    </message>
    <message>
        <source>%1 was closed already; closing it again uses Z counter %2 (add --force to do so)</source>
        <translation>%1 wurde bereits abgeschlossen; ein erneuter Abschluss verwendet den Z-Zähler %2 (dazu --force angeben)</translation>
    </message>
    <message>
        <source>There still are open tables: OK asks before closing the day all the same.</source>
        <translation>Es gibt noch offene Tische: OK fragt nach, bevor der Tag trotzdem abgeschlossen wird.</translation>
    </message>
    <message>
        <source>There still are open tables (add --force to close the day all the same)</source>
        <translation>Es gibt noch offene Tische (mit --force wird der Tag trotzdem abgeschlossen)</translation>
    </message>
    <message>
        <source>another closing holds var/lock/turnover.lck</source>
        <translation>ein anderer Abschluss belegt var/lock/turnover.lck</translation>
    </message>
    <message>
        <source>the lock is free</source>
        <translation>die Sperre ist frei</translation>
    </message>
    <message>
        <source>fiscal summary files are not checked for a waiter&apos;s closing</source>
        <translation>beim Abschluss eines Kellners werden Fiskaldateien nicht geprüft</translation>
    </message>
    <message>
        <source>the day has a fiscal summary file in var/reports</source>
        <translation>der Tag hat eine Fiskaldatei in var/reports</translation>
    </message>
    <message>
        <source>no fiscal summary file of the day</source>
        <translation>keine Fiskaldatei des Tages</translation>
    </message>
    <message>
        <source>no open table on the terminals</source>
        <translation>kein offener Tisch auf den Terminals</translation>
    </message>
    <message>
        <source>open tables: %1 (listed below)</source>
        <translation>offene Tische: %1 (unten aufgeführt)</translation>
    </message>
    <message>
        <source>open tables: %1; --force closes the day all the same</source>
        <translation>offene Tische: %1; --force schließt den Tag trotzdem ab</translation>
    </message>
    <message>
        <source>open tables: %1; they stop the closing (see --force)</source>
        <translation>offene Tische: %1; sie halten den Abschluss an (siehe --force)</translation>
    </message>
    <message>
        <source>%1 is held by terminal %2 and stays open</source>
        <translation>%1 ist von Terminal %2 gesperrt und bleibt offen</translation>
    </message>
    <message>
        <source>the day was not closed before</source>
        <translation>der Tag wurde zuvor nicht abgeschlossen</translation>
    </message>
    <message>
        <source>the day&apos;s journal has %1 run(s) already (%2turnover.z)</source>
        <translation>das Journal des Tages hat bereits %1 Lauf/Läufe (%2turnover.z)</translation>
    </message>
    <message>
        <source>the interrupted move of %1 is completed first</source>
        <translation>das unterbrochene Verschieben von %1 wird zuerst abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>%n bill(s) were paid on another business day; they close into %1 too</source>
        <translation>
            <numerusform>%n Bon wurde an einem anderen Geschäftstag bezahlt; er wird ebenfalls in %1 abgeschlossen</numerusform>
            <numerusform>%n Bons wurden an einem anderen Geschäftstag bezahlt; sie werden ebenfalls in %1 abgeschlossen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read for its figures</source>
        <translation>%1 kann für seine Zahlen nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 bills would move (bill total %2) into %3</source>
        <translation>%1 Bons würden verschoben (Bonsumme %2) nach %3</translation>
    </message>
    <message>
        <source>Z counter %1 would be used; the day would get Z number %2</source>
        <translation>Z-Zähler %1 würde verwendet; der Tag erhielte die Z-Nummer %2</translation>
    </message>
    <message>
        <source>Z counter %1 would be used; the day keeps its Z number %2</source>
        <translation>Z-Zähler %1 würde verwendet; der Tag behält seine Z-Nummer %2</translation>
    </message>
    <message>
        <source>Payment forms</source>
        <translation>Zahlungsarten</translation>
    </message>
    <message>
        <source>Cash count</source>
        <translation>Kassenzählung</translation>
    </message>
    <message>
        <source>Opening float</source>
        <translation>Wechselgeld zu Beginn</translation>
    </message>
    <message>
        <source>Cash in records</source>
        <translation>Einlagen</translation>
    </message>
    <message>
        <source>Cash out records</source>
        <translation>Entnahmen</translation>
    </message>
    <message>
        <source>  Expected</source>
        <translation>  Erwartet</translation>
    </message>
    <message>
        <source>  Counted</source>
        <translation>  Gezählt</translation>
    </message>
    <message>
        <source>not counted</source>
        <translation>nicht gezählt</translation>
    </message>
    <message>
        <source>  Difference</source>
        <translation>  Differenz</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message>
        <source>%1, exceeded</source>
        <translation>%1, überschritten</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>Counted by</source>
        <translation>Gezählt von</translation>
    </message>
</context>
<context>
    <name>TClosingVerifier</name>
    <message>
        <source>Z %1 (%2) is in %3 journal lines</source>
        <translation>Z %1 (%2) steht in %3 Journalzeilen</translation>
    </message>
    <message>
        <source>Z %1 (%2): the closing was cut off; the next closing completes it</source>
        <translation>Z %1 (%2): der Abschluss wurde abgebrochen; der nächste Abschluss vervollständigt ihn</translation>
    </message>
    <message>
        <source>Z %1 is in no journal line</source>
        <translation>Z %1 steht in keiner Journalzeile</translation>
    </message>
    <message>
        <source>Z %1 to %2 are in no journal line</source>
        <translation>Z %1 bis %2 stehen in keiner Journalzeile</translation>
    </message>
    <message>
        <source>Z %1 (%2): the journal line has no closing record</source>
        <translation>Z %1 (%2): die Journalzeile hat keinen Abschlussdatensatz</translation>
    </message>
    <message>
        <source>Z %1 (%2): the closing record has no journal line</source>
        <translation>Z %1 (%2): der Abschlussdatensatz hat keine Journalzeile</translation>
    </message>
    <message>
        <source>Z %1 (%2): the closing record cannot be read: %3</source>
        <translation>Z %1 (%2): der Abschlussdatensatz kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>Z %1 (%2): the closing record was changed after it was written</source>
        <translation>Z %1 (%2): der Abschlussdatensatz wurde nach dem Schreiben verändert</translation>
    </message>
    <message>
        <source>Z %1 (%2): the link to the closing before is broken: %3</source>
        <translation>Z %1 (%2): die Verkettung mit dem vorigen Abschluss ist gebrochen: %3</translation>
    </message>
    <message>
        <source>the record names none, but Z %1 has one</source>
        <translation>der Datensatz nennt keinen, aber Z %1 hat einen</translation>
    </message>
    <message>
        <source>the record of Z %1 is missing</source>
        <translation>der Datensatz von Z %1 fehlt</translation>
    </message>
    <message>
        <source>it names Z %1, but the record before it is Z %2</source>
        <translation>er nennt Z %1, aber der Datensatz davor ist Z %2</translation>
    </message>
    <message>
        <source>the record of Z %1 is not the one it was chained to</source>
        <translation>der Datensatz von Z %1 ist nicht der, mit dem er verkettet wurde</translation>
    </message>
    <message>
        <source>Z %1 (%2): bill %3 (%4) is missing</source>
        <translation>Z %1 (%2): Bon %3 (%4) fehlt</translation>
    </message>
    <message>
        <source>Z %1 (%2): bill %3 (%4) was changed after the closing</source>
        <translation>Z %1 (%2): Bon %3 (%4) wurde nach dem Abschluss verändert</translation>
    </message>
    <message>
        <source>%1: %2 (bill %3) was added after the closings of the day</source>
        <translation>%1: %2 (Bon %3) kam nach den Abschlüssen des Tages hinzu</translation>
    </message>
    <message>
        <source>Z %1 (%2): the day summary was changed after the closing</source>
        <translation>Z %1 (%2): die Tageszusammenfassung wurde nach dem Abschluss verändert</translation>
    </message>
    <message>
        <source>%1 is missing, but %2 was used already (%3)</source>
        <translation>%1 fehlt, aber %2 wurde schon vergeben (%3)</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 ist beschädigt</translation>
    </message>
    <message>
        <source>%1 holds %2, but %3 was used already (%4): the counter was set back</source>
        <translation>%1 enthält %2, aber %3 wurde schon vergeben (%4): der Zähler wurde zurückgesetzt</translation>
    </message>
    <message>
        <source>Z %1 has records on %2 days: %3 and %4</source>
        <translation>Z %1 hat Abschlussdatensätze an %2 Tagen: %3 und %4</translation>
    </message>
    <message>
        <source>%1: %2 cannot be read (%3)</source>
        <translation>%1: %2 kann nicht gelesen werden (%3)</translation>
    </message>
    <message>
        <source>Z %1 (%2): %3 (bill %4) carries its Z, but its closing record does not list it</source>
        <translation>Z %1 (%2): %3 (Bon %4) trägt sein Z, aber sein Abschlussdatensatz führt ihn nicht auf</translation>
    </message>
    <message>
        <source>%1 is missing, but the closings have records up to Z %2 (%3)</source>
        <translation>%1 fehlt, aber die Abschlüsse haben Datensätze bis Z %2 (%3)</translation>
    </message>
    <message>
        <source>Z %1 (%2): %3 names its closing record as the newest, but it is gone</source>
        <translation>Z %1 (%2): %3 nennt seinen Abschlussdatensatz als den neuesten, aber er ist nicht mehr da</translation>
    </message>
    <message>
        <source>Z %1 (%2): the closing record is not the one %3 names: it was changed or replaced after it was written</source>
        <translation>Z %1 (%2): der Abschlussdatensatz ist nicht der, den %3 nennt: er wurde nach dem Schreiben geändert oder ersetzt</translation>
    </message>
    <message>
        <source>Z %1 (%2): the closing record is newer than the newest one %3 names</source>
        <translation>Z %1 (%2): der Abschlussdatensatz ist neuer als der neueste, den %3 nennt</translation>
    </message>
    <message>
        <source>Z %1 (%2): the journal line says %3 bills moved, the closing record lists %4</source>
        <translation>Z %1 (%2): die Journalzeile nennt %3 verschobene Bons, der Abschlussdatensatz führt %4 auf</translation>
    </message>
    <message>
        <source>Z %1 (%2): the day summary the closing left is missing</source>
        <translation>Z %1 (%2): die Tageszusammenfassung, die der Abschluss hinterlassen hat, fehlt</translation>
    </message>
</context>
<context>
    <name>TClosingsDoc</name>
    <message>
        <source>Closings</source>
        <translation>Abschlüsse</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>First bill</source>
        <translation>Erster Bon</translation>
    </message>
    <message>
        <source>Last bill</source>
        <translation>Letzter Bon</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>Reprint the Z report of the chosen closing (&lt;b&gt;Ctrl+P&lt;/b&gt;)</source>
        <translation>Z-Bericht des gewählten Abschlusses nachdrucken (&lt;b&gt;Strg+P&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Save the Z report of the chosen closing as PDF (&lt;b&gt;Ctrl+S&lt;/b&gt;)</source>
        <translation>Z-Bericht des gewählten Abschlusses als PDF speichern (&lt;b&gt;Strg+S&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Read the closings again (&lt;b&gt;F5&lt;/b&gt;)</source>
        <translation>Die Abschlüsse neu einlesen (&lt;b&gt;F5&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>%1 closings, %2 of them do not verify</source>
        <translation>%1 Abschlüsse, %2 davon bestehen die Prüfung nicht</translation>
    </message>
    <message>
        <source>%1 closings</source>
        <translation>%1 Abschlüsse</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Save Z report</source>
        <translation>Z-Bericht speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>%1 finding(s):
%2</source>
        <translation>%1 Befund(e):
%2</translation>
    </message>
    <message>
        <source>Check every closing against its closing record, and every closed day&apos;s records, summary and bills against each other</source>
        <translation>Jeden Abschluss gegen seinen Abschlussdatensatz prüfen, und bei jedem abgeschlossenen Tag Datensätze, Tageszusammenfassung und Bons gegeneinander</translation>
    </message>
    <message>
        <source>Every closing holds: its bills, record and Z number are as the closing left them, and the closing records, day summaries and bills of every day agree.</source>
        <translation>Jeder Abschluss ist in Ordnung: seine Bons, sein Datensatz und seine Z-Nummer sind so, wie der Abschluss sie hinterlassen hat, und Abschlussdatensätze, Tageszusammenfassungen und Bons jedes Tages stimmen überein.</translation>
    </message>
    <message>
        <source>Count difference</source>
        <translation>Zähldifferenz</translation>
    </message>
    <message>
        <source>&amp;Receipt printer</source>
        <translation>&amp;Bondrucker</translation>
    </message>
    <message>
        <source>The receipt was not printed: %1</source>
        <translation>Der Bon wurde nicht gedruckt: %1</translation>
    </message>
    <message>
        <source>Print on %1, %2 columns</source>
        <translation>Auf %1 drucken, %2 Spalten</translation>
    </message>
    <message>
        <source>no receipt printer is set in the options</source>
        <translation>in den Optionen ist kein Bondrucker eingestellt</translation>
    </message>
    <message>
        <source>there is no closing with Z counter %1</source>
        <translation>es gibt keinen Abschluss mit dem Z-Zähler %1</translation>
    </message>
    <message>
        <source>Verifying the closings and every closed day...</source>
        <translation>Die Abschlüsse und jeder abgeschlossene Tag werden geprüft...</translation>
    </message>
    <message numerus="yes">
        <source>Verification cancelled; %n finding(s) until then.</source>
        <translation>
            <numerusform>Prüfung abgebrochen; %n Befund bis dahin.</numerusform>
            <numerusform>Prüfung abgebrochen; %n Befunde bis dahin.</numerusform>
        </translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation>Geschrieben nach %1</translation>
    </message>
    <message>
        <source>Reading and verifying the closings...</source>
        <translation>Die Abschlüsse werden gelesen und geprüft...</translation>
    </message>
    <message>
        <source>The closings could not be read: %1</source>
        <translation>Die Abschlüsse konnten nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>TCompareChoice</name>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>Days before</source>
        <translation>Tage davor</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Vorwoche</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>Vorjahr</translation>
    </message>
    <message>
        <source>Compare the report with other days: the same number of days just before (whole months with the months before), the same days a week earlier, or the same weekdays a year earlier. The current day is compared up to the same hour.</source>
        <translation>Den Bericht mit anderen Tagen vergleichen: ebenso vielen Tagen direkt davor (ganze Monate mit den Monaten davor), denselben Tagen eine Woche früher oder denselben Wochentagen ein Jahr früher. Der laufende Tag wird bis zur selben Uhrzeit verglichen.</translation>
    </message>
</context>
<context>
    <name>TComparisonText</name>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Compared with </source>
        <translation>Verglichen mit </translation>
    </message>
    <message>
        <source> until %1</source>
        <translation> bis %1</translation>
    </message>
</context>
<context>
    <name>TCrystalViewer</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Das PDF konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The PDF file could not be written.
%1</source>
        <translation>Die PDF-Datei konnte nicht geschrieben werden.
%1</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TDayBookings</name>
    <message>
        <source>%1: no revenue account for VAT rate %2 %; set %3 in section [%4] of %5</source>
        <translation>%1: kein Erlöskonto für den Steuersatz %2 %; %3 im Abschnitt [%4] von %5 setzen</translation>
    </message>
    <message>
        <source>Payform %1</source>
        <translation>Zahlungsart %1</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Trinkgeld</translation>
    </message>
    <message>
        <source>Revenue %1 %</source>
        <translation>Erlöse %1 %</translation>
    </message>
    <message>
        <source>Surcharges %1 %</source>
        <translation>Zuschläge %1 %</translation>
    </message>
    <message>
        <source>Vouchers sold</source>
        <translation>Gutscheine verkauft</translation>
    </message>
    <message>
        <source>Bill differences</source>
        <translation>Bondifferenzen</translation>
    </message>
    <message>
        <source>Cash in: %1</source>
        <translation>Einzahlung: %1</translation>
    </message>
    <message>
        <source>Cash out: %1</source>
        <translation>Auszahlung: %1</translation>
    </message>
    <message>
        <source>Tips paid out</source>
        <translation>Trinkgeld ausgezahlt</translation>
    </message>
    <message>
        <source>Cash counted short (Z %1)</source>
        <translation>Kassenfehlbetrag (Z %1)</translation>
    </message>
    <message>
        <source>Cash counted over (Z %1)</source>
        <translation>Kassenüberschuss (Z %1)</translation>
    </message>
</context>
<context>
    <name>TDayFiguresPanel</name>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>The tables still open: opens the list of open tables</source>
        <translation>Die noch offenen Tische: öffnet die Liste der offenen Tische</translation>
    </message>
    <message>
        <source>Voided orders: opens the report of all voids</source>
        <translation>Stornierte Bestellungen: öffnet den Bericht aller Stornos</translation>
    </message>
    <message>
        <source>%1 - Z %2</source>
        <translation>%1 - Z %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Last closing</source>
        <translation>Letzter Tagesabschluss</translation>
    </message>
    <message>
        <source>The last day closed and its Z number: opens the range statistics</source>
        <translation>Der zuletzt abgeschlossene Tag und seine Z-Nummer: öffnet die Zeitraumstatistik</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: what the paid tables took in, without tips, vouchers sold and tables not in summary; the Z report&apos;s reconciliation ends on it. Opens the report of all waiters</source>
        <translation>„%1“: was die bezahlten Tische eingenommen haben, ohne Trinkgeld, verkaufte Gutscheine und Tische außerhalb des Umsatzes; die Abstimmung im Z-Bericht endet darauf. Öffnet den Bericht aller Kellner</translation>
    </message>
    <message>
        <source>The guests of the paid tables in summary: opens the report of all waiters</source>
        <translation>Die Gäste der bezahlten Tische im Umsatz: öffnet den Bericht aller Kellner</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 per paid table</source>
        <translation>%1 je bezahltem Tisch</translation>
    </message>
    <message>
        <source>The takings per paid table (a bill paid in parts counts once per part): opens the table report</source>
        <translation>Die Einnahmen je bezahltem Tisch (ein in Teilen bezahlter Bon zählt je Teil einmal): öffnet den Tischbericht</translation>
    </message>
    <message>
        <source>Takings so far: %1 (1 paid table)</source>
        <translation>Einnahmen bisher: %1 (1 bezahlter Tisch)</translation>
    </message>
    <message>
        <source>Takings so far: %1 (%2 paid tables)</source>
        <translation>Einnahmen bisher: %1 (%2 bezahlte Tische)</translation>
    </message>
    <message>
        <source>Open business day</source>
        <translation>Offener Geschäftstag</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>The business day not yet closed: the next closing closes it. F5 reads the figures again.</source>
        <translation>Der noch nicht abgeschlossene Geschäftstag: der nächste Tagesabschluss schließt ihn ab. F5 liest die Zahlen neu.</translation>
    </message>
    <message>
        <source>No closing since %1: the figures are those of every day since. F5 reads the figures again.</source>
        <translation>Kein Tagesabschluss seit %1: die Zahlen sind die aller Tage seither. F5 liest die Zahlen neu.</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Last week (%1): %2</source>
        <translation>Vorwoche (%1): %2</translation>
    </message>
    <message>
        <source>Last week (%1): %2, %3</source>
        <translation>Vorwoche (%1): %2, %3</translation>
    </message>
</context>
<context>
    <name>TDlgAccess</name>
    <message>
        <source>Dialog access</source>
        <translation>Dialogzugriff</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>TDlgCrystal</name>
    <message>
        <source>Fast reports</source>
        <translation>Schnellberichte</translation>
    </message>
    <message>
        <source>Without report header</source>
        <translation>Ohne Berichtskopf</translation>
    </message>
    <message>
        <source>Without report footer</source>
        <translation>Ohne Berichtsfuß</translation>
    </message>
    <message>
        <source>Without page header</source>
        <translation>Ohne Seitenkopf</translation>
    </message>
    <message>
        <source>Without page footer</source>
        <translation>Ohne Seitenfuß</translation>
    </message>
</context>
<context>
    <name>TDlgOptAusw</name>
    <message>
        <source>Paid tables</source>
        <translation>Bezahlte Tische</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Waiter payments</source>
        <translation>Kellnerabrechnung</translation>
    </message>
    <message>
        <source>All waiters</source>
        <translation>Alle Kellner</translation>
    </message>
    <message>
        <source>Waiter report</source>
        <translation>Kellnerbericht</translation>
    </message>
    <message>
        <source>Cost center report</source>
        <translation>Kostenstellenbericht</translation>
    </message>
    <message>
        <source>All articles</source>
        <translation>Alle Artikel</translation>
    </message>
    <message>
        <source>Articles per waiter</source>
        <translation>Artikel je Kellner</translation>
    </message>
    <message>
        <source>Articles per cost center</source>
        <translation>Artikel je Kostenstelle</translation>
    </message>
    <message>
        <source>All families</source>
        <translation>Alle Warengruppen</translation>
    </message>
    <message>
        <source>Families per waiter</source>
        <translation>Warengruppen je Kellner</translation>
    </message>
    <message>
        <source>Families per cost center</source>
        <translation>Warengruppen je Kostenstelle</translation>
    </message>
    <message>
        <source>All voids</source>
        <translation>Alle Stornos</translation>
    </message>
    <message>
        <source>Voids per Waiter</source>
        <translation>Stornos je Kellner</translation>
    </message>
    <message>
        <source>Voids per cost center</source>
        <translation>Stornos je Kostenstelle</translation>
    </message>
    <message>
        <source>Void entries</source>
        <translation>Stornobuchungen</translation>
    </message>
    <message>
        <source>Void entries per waiter</source>
        <translation>Stornobuchungen je Kellner</translation>
    </message>
    <message>
        <source>Void entries per cost center</source>
        <translation>Stornobuchungen je Kostenstelle</translation>
    </message>
    <message>
        <source>Hour summary</source>
        <translation>Stundenauswertung</translation>
    </message>
    <message>
        <source>Hour summary per waiter</source>
        <translation>Stundenauswertung je Kellner</translation>
    </message>
    <message>
        <source>Hour summary per cost center</source>
        <translation>Stundenauswertung je Kostenstelle</translation>
    </message>
    <message>
        <source>Order summary</source>
        <translation>Bonierungsauswertung</translation>
    </message>
    <message>
        <source>Order summary per waiter</source>
        <translation>Bonierungsauswertung je Kellner</translation>
    </message>
    <message>
        <source>Order summary per cost center</source>
        <translation>Bonierungsauswertung je Kostenstelle</translation>
    </message>
    <message>
        <source>All family groups</source>
        <translation>Alle Hauptgruppen</translation>
    </message>
    <message>
        <source>Family groups per waiter</source>
        <translation>Hauptgruppen je Kellner</translation>
    </message>
    <message>
        <source>Family groups per cost center</source>
        <translation>Hauptgruppen je Kostenstelle</translation>
    </message>
    <message>
        <source>All departments</source>
        <translation>Alle Abteilungen</translation>
    </message>
    <message>
        <source>Departments per waiter</source>
        <translation>Abteilungen je Kellner</translation>
    </message>
    <message>
        <source>Departments per cost center</source>
        <translation>Abteilungen je Kostenstelle</translation>
    </message>
    <message>
        <source>Minimal summary</source>
        <translation>Kurzauswertung</translation>
    </message>
    <message>
        <source>All discounts</source>
        <translation>Alle Rabatte</translation>
    </message>
    <message>
        <source>Discounts per waiter</source>
        <translation>Rabatte je Kellner</translation>
    </message>
    <message>
        <source>Discounts per cost center</source>
        <translation>Rabatte je Kostenstelle</translation>
    </message>
    <message>
        <source>All pricefindings</source>
        <translation>Alle Preisfindungen</translation>
    </message>
    <message>
        <source>Pricefinding per waiter</source>
        <translation>Preisfindung je Kellner</translation>
    </message>
    <message>
        <source>Pricefinding per cost center</source>
        <translation>Preisfindung je Kostenstelle</translation>
    </message>
    <message>
        <source>Table report</source>
        <translation>Tischbericht</translation>
    </message>
    <message>
        <source>Table report per cost center</source>
        <translation>Tischbericht je Kostenstelle</translation>
    </message>
    <message>
        <source>Hotel rooms</source>
        <translation>Hotelzimmer</translation>
    </message>
    <message>
        <source>Hotel rooms per waiter</source>
        <translation>Hotelzimmer je Kellner</translation>
    </message>
    <message>
        <source>Hotel rooms per cost center</source>
        <translation>Hotelzimmer je Kostenstelle</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The tolerance &quot;%1&quot; is no amount (write it as 5.00)</source>
        <translation>Die Toleranz „%1“ ist kein Betrag (schreiben Sie sie als 5.00)</translation>
    </message>
</context>
<context>
    <name>TDlgOptAuswBase</name>
    <message>
        <source>Summary options</source>
        <translation>Auswertungsoptionen</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>R&amp;eports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation>Tagesabschluss</translation>
    </message>
    <message>
        <source>&amp;Gastron. day:</source>
        <translation>&amp;Gastronomischer Tag:</translation>
    </message>
    <message>
        <source>Reporting</source>
        <translation>Auswertungen</translation>
    </message>
    <message>
        <source>Default &amp;report:</source>
        <translation>Standard&amp;bericht:</translation>
    </message>
    <message>
        <source>Default &amp;filter:</source>
        <translation>Standard&amp;filter:</translation>
    </message>
    <message>
        <source>Default including open &amp;tables</source>
        <translation>Standardmäßig mit offenen &amp;Tischen</translation>
    </message>
    <message>
        <source>Default excluding credit articles</source>
        <translation>Standardmäßig ohne Gutschriftartikel</translation>
    </message>
    <message>
        <source>Allow the following reports</source>
        <translation>Folgende Berichte zulassen</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>These reports will be shown in the report selection combobox</source>
        <translation>Diese Berichte werden in der Berichtsauswahl angeboten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cash count t&amp;olerance:</source>
        <translation>T&amp;oleranz der Kassenzählung:</translation>
    </message>
    <message>
        <source>A count that differs by more needs a comment</source>
        <translation>Eine Zählung, die um mehr abweicht, braucht eine Bemerkung</translation>
    </message>
    <message>
        <source>Receipt &amp;printer:</source>
        <translation>Bon&amp;drucker:</translation>
    </message>
    <message>
        <source>A device or file (/dev/usb/lp0) or the name of a raw print queue; empty for none</source>
        <translation>Ein Gerät oder eine Datei (/dev/usb/lp0) oder der Name einer Rohdaten-Druckwarteschlange; leer für keinen</translation>
    </message>
    <message>
        <source>Receipt &amp;width (columns):</source>
        <translation>Bonb&amp;reite (Spalten):</translation>
    </message>
</context>
<context>
    <name>TDlgSelectDate</name>
    <message>
        <source>Select date range...</source>
        <translation>Zeitraum wählen...</translation>
    </message>
    <message>
        <source>Whole range</source>
        <translation>Ganzer Zeitraum</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Periode:</translation>
    </message>
    <message>
        <source>Please enter the first day of the range.</source>
        <translation>Bitte geben Sie den ersten Tag des Zeitraums ein.</translation>
    </message>
    <message>
        <source>The range ends before it begins.</source>
        <translation>Der Zeitraum endet, bevor er beginnt.</translation>
    </message>
</context>
<context>
    <name>TError</name>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>access is denied</source>
        <translation>der Zugriff wird verweigert</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file or folder does not exist</source>
        <translation>die Datei oder der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>a file of that name is in the way of a folder</source>
        <translation>eine gleichnamige Datei steht einem Ordner im Weg</translation>
    </message>
    <message>
        <source>the disk cannot be read or written</source>
        <translation>der Datenträger kann nicht gelesen oder beschrieben werden</translation>
    </message>
    <message>
        <source>system error %1 (%2)</source>
        <translation>Systemfehler %1 (%2)</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>a section header without &apos;]&apos;</source>
        <translation>eine Abschnittsüberschrift ohne &apos;]&apos;</translation>
    </message>
    <message>
        <source>an include line without &apos;&lt;file&gt;&apos;</source>
        <translation>eine Include-Zeile ohne &apos;&lt;Datei&gt;&apos;</translation>
    </message>
    <message>
        <source>the line cannot be read (error %1)</source>
        <translation>die Zeile kann nicht gelesen werden (Fehler %1)</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
</context>
<context>
    <name>TExceptions</name>
    <message>
        <source>The day summary of %1 could not be built (%2 cannot be read); the exceptions read the day&apos;s tables instead</source>
        <translation>Die Tagesübersicht vom %1 konnte nicht erstellt werden (%2 ist nicht lesbar); die Auffälligkeiten lesen stattdessen die Tische des Tages</translation>
    </message>
    <message>
        <source>Voids</source>
        <translation>Stornos</translation>
    </message>
    <message>
        <source>voided</source>
        <translation>storniert</translation>
    </message>
    <message>
        <source>Voided by another waiter</source>
        <translation>Von anderem Kellner storniert</translation>
    </message>
    <message>
        <source>Voids after sending</source>
        <translation>Stornos nach dem Bonieren</translation>
    </message>
    <message>
        <source>Bills voided whole</source>
        <translation>Ganz stornierte Bons</translation>
    </message>
    <message>
        <source>Discounts</source>
        <translation>Rabatte</translation>
    </message>
    <message>
        <source>lost money</source>
        <translation>entgangen</translation>
    </message>
    <message>
        <source>Late discounts</source>
        <translation>Späte Rabatte</translation>
    </message>
    <message>
        <source>Free prices</source>
        <translation>Freie Preise</translation>
    </message>
    <message>
        <source>sold</source>
        <translation>verkauft</translation>
    </message>
    <message>
        <source>Price findings</source>
        <translation>Preisfindungen</translation>
    </message>
    <message>
        <source>subsidised</source>
        <translation>bezuschusst</translation>
    </message>
    <message>
        <source>Staff account</source>
        <translation>Personalkonto</translation>
    </message>
    <message>
        <source>charged</source>
        <translation>belastet</translation>
    </message>
    <message>
        <source>Not in summary</source>
        <translation>Nicht im Umsatz</translation>
    </message>
    <message>
        <source>paid</source>
        <translation>bezahlt</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Gutschriften</translation>
    </message>
    <message>
        <source>Moved tables</source>
        <translation>Tischwechsel</translation>
    </message>
    <message>
        <source>bill amount</source>
        <translation>Bonbetrag</translation>
    </message>
    <message>
        <source>Splits</source>
        <translation>Splittungen</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>bewegt</translation>
    </message>
    <message>
        <source>Cash records</source>
        <translation>Kassenbewegungen</translation>
    </message>
    <message>
        <source>table %1/%2 (open)</source>
        <translation>Tisch %1/%2 (offen)</translation>
    </message>
    <message>
        <source>table %1/%2</source>
        <translation>Tisch %1/%2</translation>
    </message>
    <message>
        <source>bill %1</source>
        <translation>Bon %1</translation>
    </message>
    <message>
        <source>archive %1</source>
        <translation>Archiv %1</translation>
    </message>
    <message>
        <source>voided by %1 %2</source>
        <translation>storniert von %1 %2</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>%1 per 100 bills, %2 x the team&apos;s median of %3</source>
        <translation>%1 je 100 Bons, %2 x der Median des Teams von %3</translation>
    </message>
    <message>
        <source>%1 per 100 bills, the team&apos;s median is 0</source>
        <translation>%1 je 100 Bons, der Median des Teams ist 0</translation>
    </message>
    <message>
        <source>%1 % of the takings, %2 x the team&apos;s median of %3 %</source>
        <translation>%1 % der Einnahmen, %2 x der Median des Teams von %3 %</translation>
    </message>
    <message>
        <source>%1 % of the takings, the team&apos;s median is 0</source>
        <translation>%1 % der Einnahmen, der Median des Teams ist 0</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>Without waiter</source>
        <translation>Ohne Kellner</translation>
    </message>
    <message>
        <source>Without cost center</source>
        <translation>Ohne Kostenstelle</translation>
    </message>
    <message>
        <source>Outlet %1 / %2</source>
        <translation>Betrieb %1 / %2</translation>
    </message>
    <message>
        <source>Waiters</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Cost centers</source>
        <translation>Kostenstellen</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>/100 bills</source>
        <translation>/100 Bons</translation>
    </message>
    <message>
        <source>% takings</source>
        <translation>% Einnahmen</translation>
    </message>
    <message>
        <source>%1: %2 bills, takings %3</source>
        <translation>%1: %2 Bons, Einnahmen %3</translation>
    </message>
    <message>
        <source>FLAGGED</source>
        <translation>AUFFÄLLIG</translation>
    </message>
    <message>
        <source>median %1 / %2</source>
        <translation>Median %1 / %2</translation>
    </message>
    <message>
        <source>Per week, per 100 bills: %1</source>
        <translation>Je Woche, je 100 Bons: %1</translation>
    </message>
    <message>
        <source>Flagged waiters</source>
        <translation>Auffällige Kellner</translation>
    </message>
    <message>
        <source>Flagged cost centers</source>
        <translation>Auffällige Kostenstellen</translation>
    </message>
    <message>
        <source>Too few to compare (%1; at least %2 with bills)</source>
        <translation>Zu wenige für einen Vergleich (%1; mindestens %2 mit Bons)</translation>
    </message>
    <message>
        <source>None stands out.</source>
        <translation>Niemand fällt auf.</translation>
    </message>
    <message>
        <source>Exceptions</source>
        <translation>Auffälligkeiten</translation>
    </message>
    <message>
        <source>Summary for: %1</source>
        <translation>Auswertung für: %1</translation>
    </message>
    <message>
        <source>Current day %1</source>
        <translation>Aktueller Tag %1</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Tag %1</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Vom %1 bis %2</translation>
    </message>
    <message>
        <source>Outlets %1</source>
        <translation>Betriebe %1</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Gedruckt %1</translation>
    </message>
    <message>
        <source>Flagged: a rate above %1 x the team&apos;s median, with at least %2 entries</source>
        <translation>Auffällig: eine Quote über %1 x dem Median des Teams, mit mindestens %2 Buchungen</translation>
    </message>
    <message>
        <source>No data available</source>
        <translation>Keine Daten vorhanden</translation>
    </message>
    <message>
        <source>%1 bills, takings %2</source>
        <translation>%1 Bons, Einnahmen %2</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Exceptions of the day</source>
        <translation>Auffälligkeiten des Tages</translation>
    </message>
    <message>
        <source>No exceptions</source>
        <translation>Keine Auffälligkeiten</translation>
    </message>
    <message>
        <source>Flagged: %1 - %2</source>
        <translation>Auffällig: %1 - %2</translation>
    </message>
    <message>
        <source>Nothing stands out.</source>
        <translation>Nichts fällt auf.</translation>
    </message>
    <message>
        <source>No waiter stands out.</source>
        <translation>Kein Kellner fällt auf.</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
</context>
<context>
    <name>TExceptionsChart</name>
    <message>
        <source>%1 per 100 bills</source>
        <translation>%1 je 100 Bons</translation>
    </message>
    <message>
        <source>Waiters</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Cost centers</source>
        <translation>Kostenstellen</translation>
    </message>
    <message>
        <source>Team&apos;s median: %1</source>
        <translation>Median des Teams: %1</translation>
    </message>
    <message>
        <source>Per 100 bills</source>
        <translation>Je 100 Bons</translation>
    </message>
    <message>
        <source>Team&apos;s median</source>
        <translation>Median des Teams</translation>
    </message>
</context>
<context>
    <name>TExceptionsDoc</name>
    <message>
        <source>Exceptions</source>
        <translation>Auffälligkeiten</translation>
    </message>
    <message>
        <source>Waiter / cost center</source>
        <translation>Kellner / Kostenstelle</translation>
    </message>
    <message>
        <source>Bills</source>
        <translation>Bons</translation>
    </message>
    <message>
        <source>Takings</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Waiters</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Cost centers</source>
        <translation>Kostenstellen</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>%1: %2 entries, %3; %4 per 100 bills, %5 % of the takings</source>
        <translation>%1: %2 Buchungen, %3; %4 je 100 Bons, %5 % der Einnahmen</translation>
    </message>
    <message>
        <source>Team&apos;s median</source>
        <translation>Median des Teams</translation>
    </message>
    <message>
        <source>Chart:</source>
        <translation>Diagramm:</translation>
    </message>
    <message>
        <source>The kind whose rates the chart shows against the team&apos;s median</source>
        <translation>Die Art, deren Quoten das Diagramm neben dem Median des Teams zeigt</translation>
    </message>
    <message>
        <source>Find the exceptions of the range (&lt;b&gt;F5&lt;/b&gt;)</source>
        <translation>Die Auffälligkeiten des Zeitraums suchen (&lt;b&gt;F5&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Save the exceptions as PDF (&lt;b&gt;Ctrl+S&lt;/b&gt;)</source>
        <translation>Die Auffälligkeiten als PDF speichern (&lt;b&gt;Strg+S&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Press F5 to find the exceptions</source>
        <translation>F5 sucht die Auffälligkeiten</translation>
    </message>
    <message>
        <source>%1 waiters, none stands out</source>
        <translation>%1 Kellner, niemand fällt auf</translation>
    </message>
    <message>
        <source>%1 waiters, %2 flagged</source>
        <translation>%1 Kellner, %2 auffällig</translation>
    </message>
    <message>
        <source>Save exceptions</source>
        <translation>Auffälligkeiten speichern</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Waiter</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Bill</source>
        <translation>Bon</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Article</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Voided by</source>
        <translation>Storniert von</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Einzelheit</translation>
    </message>
    <message>
        <source>%1/%2 (open)</source>
        <translation>%1/%2 (offen)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>all exceptions</source>
        <translation>alle Auffälligkeiten</translation>
    </message>
    <message>
        <source>Choose an entry to see its bill.</source>
        <translation>Eine Buchung wählen, um ihren Bon zu sehen.</translation>
    </message>
    <message>
        <source>The bill lies in the installation of outlet %1.</source>
        <translation>Der Bon liegt in der Installation des Betriebs %1.</translation>
    </message>
    <message>
        <source>The bill %1 cannot be read.</source>
        <translation>Der Bon %1 ist nicht lesbar.</translation>
    </message>
</context>
<context>
    <name>TExportedDays</name>
    <message>
        <source>%1: not a record of exported days (%2); it keeps a day from being exported twice, so nothing is exported until it is repaired or removed</source>
        <translation>%1: kein Nachweis exportierter Tage (%2); er verhindert, dass ein Tag zweimal exportiert wird, daher wird nichts exportiert, bis er repariert oder entfernt ist</translation>
    </message>
    <message>
        <source>unknown format</source>
        <translation>unbekanntes Format</translation>
    </message>
</context>
<context>
    <name>TFigures</name>
    <message>
        <source>Bills</source>
        <translation>Bons</translation>
    </message>
    <message>
        <source>Bill total</source>
        <translation>Bonsumme</translation>
    </message>
    <message>
        <source>Tax charges</source>
        <translation>Steuerzuschläge</translation>
    </message>
    <message>
        <source>Left open on the bills</source>
        <translation>Auf den Bons offen</translation>
    </message>
    <message>
        <source>Paid tables</source>
        <translation>Bezahlte Tische</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Zahlungen</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Trinkgeld</translation>
    </message>
    <message>
        <source>Non refund</source>
        <translation>Nicht erstattbar</translation>
    </message>
    <message>
        <source>Sum of payforms</source>
        <translation>Summe Zahlungsarten</translation>
    </message>
    <message>
        <source>Sum of payforms not in summary</source>
        <translation>Summe Zahlungsarten nicht im Umsatz</translation>
    </message>
    <message>
        <source>Sum of all payforms</source>
        <translation>Summe aller Zahlungsarten</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Gutschriften</translation>
    </message>
    <message>
        <source>Not in summary</source>
        <translation>Nicht im Umsatz</translation>
    </message>
    <message>
        <source>All amount</source>
        <translation>Gesamtbetrag</translation>
    </message>
    <message>
        <source>Payments and tips in summary</source>
        <translation>Zahlungen und Trinkgeld im Umsatz</translation>
    </message>
    <message>
        <source>Guests</source>
        <translation>Gäste</translation>
    </message>
    <message>
        <source>Voids</source>
        <translation>Stornos</translation>
    </message>
    <message>
        <source>Void amount</source>
        <translation>Stornobetrag</translation>
    </message>
    <message>
        <source>Open tables</source>
        <translation>Offene Tische</translation>
    </message>
    <message>
        <source>Open tables, sum</source>
        <translation>Offene Tische, Summe</translation>
    </message>
    <message>
        <source>Sum In House</source>
        <translation>Summe im Haus</translation>
    </message>
    <message>
        <source>Sum Out of House</source>
        <translation>Summe außer Haus</translation>
    </message>
    <message>
        <source>All amount of the orders</source>
        <translation>Gesamtbetrag der Bestellungen</translation>
    </message>
    <message>
        <source>Sum Net</source>
        <translation>Summe netto</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
</context>
<context>
    <name>TFirstStartDlg</name>
    <message>
        <source>Veltrum back office - no installation</source>
        <translation>Veltrum Backoffice - keine Installation</translation>
    </message>
    <message>
        <source>There is no POS installation in this folder</source>
        <translation>In diesem Ordner ist keine Kasseninstallation</translation>
    </message>
    <message>
        <source>The back office looked for the data of the POS terminals in
%1
but found no installation there (its settings list usr/data/settings.dat is missing). Reports over this folder would show nothing but zeros.</source>
        <translation>Das Backoffice hat die Daten der Kassen gesucht in
%1
aber dort keine Installation gefunden (ihre Einstellungsliste usr/data/settings.dat fehlt). Berichte über diesen Ordner zeigten nichts als Nullen.</translation>
    </message>
    <message>
        <source>The back office looked for the data of the POS terminals in
%1
but that folder does not exist.</source>
        <translation>Das Backoffice hat die Daten der Kassen gesucht in
%1
aber diesen Ordner gibt es nicht.</translation>
    </message>
    <message>
        <source>Choose the folder of your installation, or create a demo restaurant to try the program on. Your choice is remembered for the next start.</source>
        <translation>Wählen Sie den Ordner Ihrer Installation oder legen Sie ein Demo-Restaurant an, um das Programm auszuprobieren. Ihre Wahl wird für den nächsten Start gespeichert.</translation>
    </message>
    <message>
        <source>&amp;Choose the installation&apos;s folder...</source>
        <translation>Den Ordner der Installation &amp;wählen...</translation>
    </message>
    <message>
        <source>Create a &amp;demo restaurant...</source>
        <translation>Ein &amp;Demo-Restaurant anlegen...</translation>
    </message>
    <message>
        <source>&amp;How do I point the back office at an installation?</source>
        <translation>&amp;Wie richte ich das Backoffice auf eine Installation?</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>No installation</source>
        <translation>Keine Installation</translation>
    </message>
    <message>
        <source>%1 holds no installation either: usr/data/settings.dat is missing there. Choose the folder that holds the folders usr and var of the POS installation.</source>
        <translation>Auch %1 enthält keine Installation: dort fehlt usr/data/settings.dat. Wählen Sie den Ordner, der die Ordner usr und var der Kasseninstallation enthält.</translation>
    </message>
    <message>
        <source>Create a demo restaurant</source>
        <translation>Ein Demo-Restaurant anlegen</translation>
    </message>
    <message>
        <source>%1 is not empty. A demo is written into an empty folder only, so that nothing in it is overwritten.</source>
        <translation>%1 ist nicht leer. Ein Demo wird nur in einen leeren Ordner geschrieben, damit nichts darin überschrieben wird.</translation>
    </message>
    <message>
        <source>The demo could not be written into %1: %2</source>
        <translation>Das Demo konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>TLabourChart</name>
    <message>
        <source>Sales and hours worked per hour</source>
        <translation>Umsatz und gearbeitete Stunden je Stunde</translation>
    </message>
    <message>
        <source>Current day %1</source>
        <translation>Laufender Tag %1</translation>
    </message>
    <message>
        <source>Hours worked</source>
        <translation>Gearbeitete Stunden</translation>
    </message>
</context>
<context>
    <name>TLabourDoc</name>
    <message>
        <source>Sales per labour hour</source>
        <translation>Umsatz je Arbeitsstunde</translation>
    </message>
    <message>
        <source>Waiter / hour</source>
        <translation>Kellner / Stunde</translation>
    </message>
    <message>
        <source>Hours worked</source>
        <translation>Gearbeitete Stunden</translation>
    </message>
    <message>
        <source>Sales</source>
        <translation>Umsatz</translation>
    </message>
    <message>
        <source>Sales per hour</source>
        <translation>Umsatz je Stunde</translation>
    </message>
    <message>
        <source>Covers</source>
        <translation>Gäste</translation>
    </message>
    <message>
        <source>Covers per hour</source>
        <translation>Gäste je Stunde</translation>
    </message>
    <message>
        <source>Labour cost</source>
        <translation>Personalkosten</translation>
    </message>
    <message>
        <source>Share of sales</source>
        <translation>Anteil am Umsatz</translation>
    </message>
    <message>
        <source>The labour figures cannot be made: %1</source>
        <translation>Die Arbeitszahlen können nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>Waiters</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>No wage in etc/wages.ini</source>
        <translation>Kein Lohn in etc/wages.ini</translation>
    </message>
    <message>
        <source>Hours of the clock</source>
        <translation>Uhrzeiten</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Put the hours worked beside the sales (&lt;b&gt;F5&lt;/b&gt;)</source>
        <translation>Die gearbeiteten Stunden neben den Umsatz stellen (&lt;b&gt;F5&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Save the labour figures as PDF (&lt;b&gt;Ctrl+S&lt;/b&gt;)</source>
        <translation>Die Arbeitszahlen als PDF speichern (&lt;b&gt;Strg+S&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Press F5 to put the hours worked beside the sales</source>
        <translation>F5 stellt die gearbeiteten Stunden neben den Umsatz</translation>
    </message>
    <message>
        <source>%1 hours worked, %2 per hour</source>
        <translation>%1 Stunden gearbeitet, %2 je Stunde</translation>
    </message>
    <message>
        <source>no wage for waiter %1</source>
        <translation>kein Lohn für Kellner %1</translation>
    </message>
    <message>
        <source>Save labour figures</source>
        <translation>Arbeitszahlen speichern</translation>
    </message>
</context>
<context>
    <name>TLabourReport</name>
    <message>
        <source>Sales per labour hour</source>
        <translation>Umsatz je Arbeitsstunde</translation>
    </message>
    <message>
        <source>The time controls in %1 cannot be read: %2</source>
        <translation>Die Zeiterfassung in %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The time controls in %1 cannot be read (code %2)</source>
        <translation>Die Zeiterfassung in %1 kann nicht gelesen werden (Code %2)</translation>
    </message>
    <message>
        <source>The reports over the days of the labour report did not finish</source>
        <translation>Die Berichte über die Tage des Arbeitszeitberichts wurden nicht fertig</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Sales</source>
        <translation>Umsatz</translation>
    </message>
    <message>
        <source>Per hour</source>
        <translation>Je Std.</translation>
    </message>
    <message>
        <source>Covers</source>
        <translation>Gäste</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Current day %1</source>
        <translation>Laufender Tag %1</translation>
    </message>
    <message>
        <source>Waiter</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>No wage for waiter %1 in etc/wages.ini: the costs leave their hours out.</source>
        <translation>Kein Lohn für Kellner %1 in etc/wages.ini: die Kosten lassen ihre Stunden aus.</translation>
    </message>
</context>
<context>
    <name>TListAccess</name>
    <message>
        <source>List access</source>
        <translation>Listenzugriff</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
</context>
<context>
    <name>TListenAddress</name>
    <message>
        <source>--listen %1: %2</source>
        <translation>--listen %1: %2</translation>
    </message>
    <message>
        <source>no &apos;]&apos; after the IPv6 address</source>
        <translation>kein &apos;]&apos; nach der IPv6-Adresse</translation>
    </message>
    <message>
        <source>&apos;:PORT&apos; expected after &apos;]&apos;</source>
        <translation>nach &apos;]&apos; wird &apos;:PORT&apos; erwartet</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no IP address (ADDR:PORT, e.g. 127.0.0.1:8080)</source>
        <translation>&apos;%1&apos; ist keine IP-Adresse (ADRESSE:PORT, z. B. 127.0.0.1:8080)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no port (0 to 65535)</source>
        <translation>&apos;%1&apos; ist kein Port (0 bis 65535)</translation>
    </message>
    <message>
        <source>%1 can be reached from other machines: give --cert and --key to serve it over TLS, or --insecure to send passwords and figures unencrypted</source>
        <translation>%1 ist von anderen Rechnern erreichbar: mit --cert und --key wird über TLS bedient, mit --insecure gehen Passwörter und Zahlen unverschlüsselt über das Netz</translation>
    </message>
</context>
<context>
    <name>TOffConfig</name>
    <message>
        <source>%1 could not be read when the back office started and is kept as it was.</source>
        <translation>%1 konnte beim Start des Backoffice nicht gelesen werden und bleibt, wie sie ist.</translation>
    </message>
</context>
<context>
    <name>TOffDataDoc</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n Datensatz</numerusform>
            <numerusform>%n Datensätze</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TOffDlg</name>
    <message>
        <source>Fatal error</source>
        <translation>Schwerer Fehler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>You have no right to use the dialog &quot;%1&quot;.</source>
        <translation>Sie haben kein Recht, den Dialog „%1“ zu benutzen.</translation>
    </message>
    <message>
        <source>Could not write the configuration: %1</source>
        <translation>Die Konfiguration konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>TOffDocument</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Report data written to %1</source>
        <translation>Berichtsdaten nach %1 geschrieben</translation>
    </message>
    <message>
        <source>%1: this document has no rows for a workbook</source>
        <translation>%1: dieses Dokument hat keine Zeilen für eine Arbeitsmappe</translation>
    </message>
</context>
<context>
    <name>TOffHelp</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The user manual is not installed. It was looked for in:
%1</source>
        <translation>Das Handbuch ist nicht installiert. Es wurde gesucht in:
%1</translation>
    </message>
    <message>
        <source>Veltrum manual</source>
        <translation>Veltrum-Handbuch</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Open in &amp;web browser</source>
        <translation>Im &amp;Webbrowser öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TOffWindow</name>
    <message>
        <source>Veltrum back office</source>
        <translation>Veltrum Backoffice</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Als P&amp;DF exportieren...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Only the master window may do this.</source>
        <translation>Nur das Hauptfenster darf das.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation>Geschrieben nach %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changes that are not saved. Save them?</source>
        <translation>„%1“ hat Änderungen, die nicht gespeichert sind. Speichern?</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Back office</source>
        <translation>Backoffice</translation>
    </message>
    <message>
        <source>The print engine is not available.</source>
        <translation>Die Druck-Engine ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The report %1 could not be opened.
%2</source>
        <translation>Der Bericht %1 konnte nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>The report could not be made.
%1</source>
        <translation>Der Bericht konnte nicht erstellt werden.
%1</translation>
    </message>
    <message>
        <source>This document hands no data to reports</source>
        <translation>Dieses Dokument übergibt keine Daten an Berichte</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>Export as &amp;Excel...</source>
        <translation>Als &amp;Excel exportieren...</translation>
    </message>
    <message>
        <source>Export as Excel</source>
        <translation>Als Excel exportieren</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel-Arbeitsmappen (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>TOpenTablesDoc</name>
    <message>
        <source>Open tables</source>
        <translation>Offene Tische</translation>
    </message>
    <message>
        <source>Table is locked</source>
        <translation>Tisch ist gesperrt</translation>
    </message>
    <message>
        <source>Creation</source>
        <translation>Eröffnung</translation>
    </message>
    <message>
        <source>Bill</source>
        <translation>Bon</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Payform</source>
        <translation>Zahlungsart</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Bonierung</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Article</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gäste</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Teiltisch</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Zimmer</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Waiter</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Waiter name</source>
        <translation>Kellnername</translation>
    </message>
    <message>
        <source>Table name</source>
        <translation>Tischname</translation>
    </message>
    <message numerus="yes">
        <source>%n tables (%1 %2)</source>
        <translation>
            <numerusform>%n Tisch (%1 %2)</numerusform>
            <numerusform>%n Tische (%1 %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refresh the list of open tables (&lt;b&gt;F5&lt;/b&gt;)</source>
        <translation>Liste der offenen Tische neu laden (&lt;b&gt;F5&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>List of open tables at %1 on %2</source>
        <translation>Liste der offenen Tische um %1 am %2</translation>
    </message>
</context>
<context>
    <name>TPaidTablesDoc</name>
    <message>
        <source>Walk plugin error</source>
        <translation>Fehler des Walk-Plugins</translation>
    </message>
    <message>
        <source>Could not initialize the Walk plugin.</source>
        <translation>Das Walk-Plugin konnte nicht initialisiert werden.</translation>
    </message>
    <message>
        <source>The plugin has encountered an error. Code: %1</source>
        <translation>Das Plugin meldet einen Fehler. Code: %1</translation>
    </message>
    <message>
        <source>Could not start walk.exe</source>
        <translation>walk.exe konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Report from %1 at %2</source>
        <translation>Bericht vom %1 um %2</translation>
    </message>
    <message>
        <source>List of paid tables</source>
        <translation>Liste der bezahlten Tische</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>No table list available</source>
        <translation>Keine Tischliste vorhanden</translation>
    </message>
    <message>
        <source>Paid tables</source>
        <translation>Bezahlte Tische</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Waiter payments</source>
        <translation>Kellnerabrechnung</translation>
    </message>
    <message>
        <source>Table report per waiter</source>
        <translation>Tischbericht je Kellner</translation>
    </message>
    <message>
        <source>All waiters</source>
        <translation>Alle Kellner</translation>
    </message>
    <message>
        <source>Amount of all waiters</source>
        <translation>Umsatz aller Kellner</translation>
    </message>
    <message>
        <source>Waiter report</source>
        <translation>Kellnerbericht</translation>
    </message>
    <message>
        <source>List of all waiters</source>
        <translation>Liste aller Kellner</translation>
    </message>
    <message>
        <source>Cost center report</source>
        <translation>Kostenstellenbericht</translation>
    </message>
    <message>
        <source>List of all cost centers</source>
        <translation>Liste aller Kostenstellen</translation>
    </message>
    <message>
        <source>All articles</source>
        <translation>Alle Artikel</translation>
    </message>
    <message>
        <source>Article report of all waiters</source>
        <translation>Artikelbericht aller Kellner</translation>
    </message>
    <message>
        <source>Articles per waiter</source>
        <translation>Artikel je Kellner</translation>
    </message>
    <message>
        <source>Article report per waiter</source>
        <translation>Artikelbericht je Kellner</translation>
    </message>
    <message>
        <source>Articles per cost center</source>
        <translation>Artikel je Kostenstelle</translation>
    </message>
    <message>
        <source>Article report per cost center</source>
        <translation>Artikelbericht je Kostenstelle</translation>
    </message>
    <message>
        <source>All families</source>
        <translation>Alle Warengruppen</translation>
    </message>
    <message>
        <source>Family report of all waiters</source>
        <translation>Warengruppenbericht aller Kellner</translation>
    </message>
    <message>
        <source>Families per waiter</source>
        <translation>Warengruppen je Kellner</translation>
    </message>
    <message>
        <source>Family report per waiter</source>
        <translation>Warengruppenbericht je Kellner</translation>
    </message>
    <message>
        <source>Families per cost center</source>
        <translation>Warengruppen je Kostenstelle</translation>
    </message>
    <message>
        <source>Family report per cost center</source>
        <translation>Warengruppenbericht je Kostenstelle</translation>
    </message>
    <message>
        <source>All voids</source>
        <translation>Alle Stornos</translation>
    </message>
    <message>
        <source>Report of all voids</source>
        <translation>Bericht aller Stornos</translation>
    </message>
    <message>
        <source>Voids per Waiter</source>
        <translation>Stornos je Kellner</translation>
    </message>
    <message>
        <source>Void report per waiter</source>
        <translation>Stornobericht je Kellner</translation>
    </message>
    <message>
        <source>Voids per cost center</source>
        <translation>Stornos je Kostenstelle</translation>
    </message>
    <message>
        <source>Void report per cost center</source>
        <translation>Stornobericht je Kostenstelle</translation>
    </message>
    <message>
        <source>Void entries</source>
        <translation>Stornobuchungen</translation>
    </message>
    <message>
        <source>Void entries per waiter</source>
        <translation>Stornobuchungen je Kellner</translation>
    </message>
    <message>
        <source>Void entries per cost center</source>
        <translation>Stornobuchungen je Kostenstelle</translation>
    </message>
    <message>
        <source>Hour report</source>
        <translation>Stundenbericht</translation>
    </message>
    <message>
        <source>Hour report per waiter</source>
        <translation>Stundenbericht je Kellner</translation>
    </message>
    <message>
        <source>Hour report per cost center</source>
        <translation>Stundenbericht je Kostenstelle</translation>
    </message>
    <message>
        <source>Order report</source>
        <translation>Bonierungsbericht</translation>
    </message>
    <message>
        <source>Order report per waiter</source>
        <translation>Bonierungsbericht je Kellner</translation>
    </message>
    <message>
        <source>Order report per cost center</source>
        <translation>Bonierungsbericht je Kostenstelle</translation>
    </message>
    <message>
        <source>All family groups</source>
        <translation>Alle Hauptgruppen</translation>
    </message>
    <message>
        <source>Family group report of all waiters</source>
        <translation>Hauptgruppenbericht aller Kellner</translation>
    </message>
    <message>
        <source>Family groups per waiter</source>
        <translation>Hauptgruppen je Kellner</translation>
    </message>
    <message>
        <source>Family group report per waiter</source>
        <translation>Hauptgruppenbericht je Kellner</translation>
    </message>
    <message>
        <source>Family groups per cost center</source>
        <translation>Hauptgruppen je Kostenstelle</translation>
    </message>
    <message>
        <source>Family group report per cost center</source>
        <translation>Hauptgruppenbericht je Kostenstelle</translation>
    </message>
    <message>
        <source>All departments</source>
        <translation>Alle Abteilungen</translation>
    </message>
    <message>
        <source>Department report of all waiters</source>
        <translation>Abteilungsbericht aller Kellner</translation>
    </message>
    <message>
        <source>Departments per waiter</source>
        <translation>Abteilungen je Kellner</translation>
    </message>
    <message>
        <source>Department report per waiter</source>
        <translation>Abteilungsbericht je Kellner</translation>
    </message>
    <message>
        <source>Departments per cost center</source>
        <translation>Abteilungen je Kostenstelle</translation>
    </message>
    <message>
        <source>Department report per cost center</source>
        <translation>Abteilungsbericht je Kostenstelle</translation>
    </message>
    <message>
        <source>Minimal report</source>
        <translation>Kurzbericht</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>All discounts</source>
        <translation>Alle Rabatte</translation>
    </message>
    <message>
        <source>Discount report</source>
        <translation>Rabattbericht</translation>
    </message>
    <message>
        <source>Discounts per waiter</source>
        <translation>Rabatte je Kellner</translation>
    </message>
    <message>
        <source>Discount report per waiter</source>
        <translation>Rabattbericht je Kellner</translation>
    </message>
    <message>
        <source>Discounts per cost center</source>
        <translation>Rabatte je Kostenstelle</translation>
    </message>
    <message>
        <source>Discount report per cost center</source>
        <translation>Rabattbericht je Kostenstelle</translation>
    </message>
    <message>
        <source>All pricefindings</source>
        <translation>Alle Preisfindungen</translation>
    </message>
    <message>
        <source>Pricefinding report</source>
        <translation>Preisfindungsbericht</translation>
    </message>
    <message>
        <source>Pricefinding per waiter</source>
        <translation>Preisfindung je Kellner</translation>
    </message>
    <message>
        <source>Pricefinding report per waiter</source>
        <translation>Preisfindungsbericht je Kellner</translation>
    </message>
    <message>
        <source>Pricefinding per cost center</source>
        <translation>Preisfindung je Kostenstelle</translation>
    </message>
    <message>
        <source>Pricefinding report per cost center</source>
        <translation>Preisfindungsbericht je Kostenstelle</translation>
    </message>
    <message>
        <source>Table report</source>
        <translation>Tischbericht</translation>
    </message>
    <message>
        <source>Table report per cost center</source>
        <translation>Tischbericht je Kostenstelle</translation>
    </message>
    <message>
        <source>All hotel rooms</source>
        <translation>Alle Hotelzimmer</translation>
    </message>
    <message>
        <source>Hotel rooms</source>
        <translation>Hotelzimmer</translation>
    </message>
    <message>
        <source>Hotel rooms per waiter</source>
        <translation>Hotelzimmer je Kellner</translation>
    </message>
    <message>
        <source>Hotel rooms per cost center</source>
        <translation>Hotelzimmer je Kostenstelle</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>No data available</source>
        <translation>Keine Daten vorhanden</translation>
    </message>
    <message>
        <source>Batch not found</source>
        <translation>Sammelbericht nicht gefunden</translation>
    </message>
    <message>
        <source>Batch report</source>
        <translation>Sammelbericht</translation>
    </message>
    <message>
        <source>Could not execute turn over!
You are owner of open tables.</source>
        <translation>Tagesabschluss nicht möglich!
Sie haben noch offene Tische.</translation>
    </message>
    <message>
        <source>Could not execute turn over!
You already finalized this day.</source>
        <translation>Tagesabschluss nicht möglich!
Dieser Tag ist bereits abgeschlossen.</translation>
    </message>
    <message>
        <source>Could not execute turn over: %1</source>
        <translation>Tagesabschluss nicht möglich: %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>This day is already fiscalized!</source>
        <translation>Dieser Tag ist bereits fiskalisiert!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>There still are open tables! Do you want to continue?</source>
        <translation>Es gibt noch offene Tische! Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>Day turn over processed to
%1</source>
        <translation>Tagesabschluss ausgeführt nach
%1</translation>
    </message>
    <message>
        <source>Crystal Reports</source>
        <translation>Crystal Reports</translation>
    </message>
    <message>
        <source>Fast Crystal Reports</source>
        <translation>Schnelle Crystal Reports</translation>
    </message>
    <message>
        <source>Hit F8 or this button to
view</source>
        <translation>F8 oder diese Schaltfläche
zeigt den Bericht</translation>
    </message>
    <message>
        <source>Select a report to show (&lt;b&gt;F2&lt;/b&gt;)</source>
        <translation>Bericht zur Anzeige wählen (&lt;b&gt;F2&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Report:</source>
        <translation>Bericht:</translation>
    </message>
    <message>
        <source>Select a group</source>
        <translation>Gruppe wählen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Groups:</source>
        <translation>Gruppen:</translation>
    </message>
    <message>
        <source>Select a filter</source>
        <translation>Filter wählen</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Select an outlet</source>
        <translation>Betrieb wählen</translation>
    </message>
    <message>
        <source>Outlet:</source>
        <translation>Betrieb:</translation>
    </message>
    <message>
        <source>With tables</source>
        <translation>Mit Tischen</translation>
    </message>
    <message>
        <source>With credits</source>
        <translation>Mit Gutschriften</translation>
    </message>
    <message>
        <source>With trainee waiter</source>
        <translation>Mit Azubi-Kellnern</translation>
    </message>
    <message>
        <source>In turnover</source>
        <translation>Im Umsatz</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Hit F5 or this button to
refresh the report view</source>
        <translation>F5 oder diese Schaltfläche
erneuert die Berichtsansicht</translation>
    </message>
    <message>
        <source>Include open table information for this report  (&lt;b&gt;F3&lt;/b&gt;)</source>
        <translation>Offene Tische in diesen Bericht aufnehmen  (&lt;b&gt;F3&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Without tables</source>
        <translation>Ohne Tische</translation>
    </message>
    <message>
        <source>Exclude open table information for this report  (&lt;b&gt;F3&lt;/b&gt;)</source>
        <translation>Offene Tische aus diesem Bericht herauslassen  (&lt;b&gt;F3&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Without credits</source>
        <translation>Ohne Gutschriften</translation>
    </message>
    <message>
        <source>Remove all credit articles from this report&apos;s data</source>
        <translation>Alle Gutschriftartikel aus den Daten dieses Berichts entfernen</translation>
    </message>
    <message>
        <source>Add all credit articles to this report&apos;s data</source>
        <translation>Alle Gutschriftartikel in die Daten dieses Berichts aufnehmen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Show both, in summary or not</source>
        <translation>Beide zeigen, im Umsatz oder nicht</translation>
    </message>
    <message>
        <source>In summary</source>
        <translation>Im Umsatz</translation>
    </message>
    <message>
        <source>Show report for in summary</source>
        <translation>Bericht für „im Umsatz“ zeigen</translation>
    </message>
    <message>
        <source>Not in summary</source>
        <translation>Nicht im Umsatz</translation>
    </message>
    <message>
        <source>Show report for not in summary</source>
        <translation>Bericht für „nicht im Umsatz“ zeigen</translation>
    </message>
    <message>
        <source>Include trainee waiter information for this report</source>
        <translation>Azubi-Kellner in diesen Bericht aufnehmen</translation>
    </message>
    <message>
        <source>Without trainee waiters</source>
        <translation>Ohne Azubi-Kellner</translation>
    </message>
    <message>
        <source>Exclude trainee waiter information for this report</source>
        <translation>Azubi-Kellner aus diesem Bericht herauslassen</translation>
    </message>
    <message>
        <source>Only trainee waiters</source>
        <translation>Nur Azubi-Kellner</translation>
    </message>
    <message>
        <source>Show only trainee waiter information for this report</source>
        <translation>Nur Azubi-Kellner in diesem Bericht zeigen</translation>
    </message>
    <message>
        <source>All &amp;families</source>
        <translation>Alle &amp;Warengruppen</translation>
    </message>
    <message>
        <source>All &amp;articles</source>
        <translation>Alle &amp;Artikel</translation>
    </message>
    <message>
        <source>All &amp;waiters</source>
        <translation>Alle &amp;Kellner</translation>
    </message>
    <message>
        <source>Fa&amp;milies per waiter</source>
        <translation>Warengr&amp;uppen je Kellner</translation>
    </message>
    <message>
        <source>A&amp;rticles per waiter</source>
        <translation>A&amp;rtikel je Kellner</translation>
    </message>
    <message>
        <source>Wa&amp;iter report</source>
        <translation>Kellnerbe&amp;richt</translation>
    </message>
    <message>
        <source>Fami&amp;lies per cost center</source>
        <translation>Warengruppen &amp;je Kostenstelle</translation>
    </message>
    <message>
        <source>A&amp;rticles per cost center</source>
        <translation>Artikel je K&amp;ostenstelle</translation>
    </message>
    <message>
        <source>&amp;Cost center report</source>
        <translation>Kostenstellenberi&amp;cht</translation>
    </message>
    <message>
        <source>Day &amp;Turn over</source>
        <translation>&amp;Tagesabschluss</translation>
    </message>
    <message>
        <source>&amp;Paid tables</source>
        <translation>&amp;Bezahlte Tische</translation>
    </message>
    <message>
        <source>Print report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Bill %1 </source>
        <translation>Bon %1 </translation>
    </message>
    <message>
        <source>Arch %1</source>
        <translation>Archiv %1</translation>
    </message>
    <message>
        <source>Change from %1/%2 to %3/%4 (%5)</source>
        <translation>Umbuchung von %1/%2 nach %3/%4 (%5)</translation>
    </message>
    <message>
        <source>Void: %1 %2 (%3) %4 %5</source>
        <translation>Storno: %1 %2 (%3) %4 %5</translation>
    </message>
    <message>
        <source>Room: %1/%2 %3</source>
        <translation>Zimmer: %1/%2 %3</translation>
    </message>
    <message>
        <source>Split: %1 x %2 to %3/%4 (%5 %6)</source>
        <translation>Tischteilung: %1 x %2 nach %3/%4 (%5 %6)</translation>
    </message>
    <message>
        <source>Restored: %1 (%2)</source>
        <translation>Wiederhergestellt: %1 (%2)</translation>
    </message>
    <message>
        <source>Archived: %1 (%2)</source>
        <translation>Archiviert: %1 (%2)</translation>
    </message>
    <message>
        <source>Unknown action: %1</source>
        <translation>Unbekannte Aktion: %1</translation>
    </message>
    <message>
        <source>Unable to remove intermediate files
(%1)</source>
        <translation>Zwischendateien konnten nicht entfernt werden
(%1)</translation>
    </message>
    <message>
        <source>Exporting %1 (%2 of %3)</source>
        <translation>Exportiere %1 (%2 von %3)</translation>
    </message>
    <message>
        <source>Selected report is empty</source>
        <translation>Ausgewählter Bericht ist leer</translation>
    </message>
    <message>
        <source>Auswertung</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>Could not execute turn over: the disk is full.</source>
        <translation>Tagesabschluss nicht möglich: der Datenträger ist voll.</translation>
    </message>
    <message numerus="yes">
        <source>%n bill(s) moved into the day before; they stay there.</source>
        <translation>
            <numerusform>%n Bon wurde vorher in den Tag verschoben; er bleibt dort.</numerusform>
            <numerusform>%n Bons wurden vorher in den Tag verschoben; sie bleiben dort.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bill(s) were left behind in var/archives:</source>
        <translation>
            <numerusform>%n Bon blieb in var/archives zurück:</numerusform>
            <numerusform>%n Bons blieben in var/archives zurück:</numerusform>
        </translation>
    </message>
    <message>
        <source>(%1 more in the log)</source>
        <translation>(%1 weitere im Protokoll)</translation>
    </message>
    <message>
        <source>The disk is full: make room, then close the day again to move the rest.</source>
        <translation>Der Datenträger ist voll: Platz schaffen, dann den Tag erneut abschließen, um den Rest zu verschieben.</translation>
    </message>
    <message>
        <source>The terminals were not told of the closing.</source>
        <translation>Die Terminals wurden über den Abschluss nicht benachrichtigt.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>damaged (no creation record, or cut off inside an entry)</source>
        <translation>beschädigt (kein Eröffnungsdatensatz oder innerhalb eines Eintrags abgeschnitten)</translation>
    </message>
    <message>
        <source>the disk is full: the turnover stamp could not be written</source>
        <translation>der Datenträger ist voll: der Abschlussstempel konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the turnover stamp could not be written</source>
        <translation>der Abschlussstempel konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the disk is full: it could not be copied into the day</source>
        <translation>der Datenträger ist voll: er konnte nicht in den Tag kopiert werden</translation>
    </message>
    <message>
        <source>it could not be copied into the day</source>
        <translation>er konnte nicht in den Tag kopiert werden</translation>
    </message>
    <message>
        <source>done</source>
        <translation>abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>done with %n bill(s) left behind</source>
        <translation>
            <numerusform>abgeschlossen, %n Bon zurückgelassen</numerusform>
            <numerusform>abgeschlossen, %n Bons zurückgelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>done, but: %1</source>
        <translation>abgeschlossen, aber: %1</translation>
    </message>
    <message>
        <source>failed: the disk is full: %1</source>
        <translation>fehlgeschlagen: der Datenträger ist voll: %1</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the waiter still owns an open table</source>
        <translation>der Kellner hat noch einen offenen Tisch</translation>
    </message>
    <message>
        <source>the waiter closed this day already</source>
        <translation>der Kellner hat diesen Tag bereits abgeschlossen</translation>
    </message>
    <message>
        <source>nothing to move</source>
        <translation>nichts zu verschieben</translation>
    </message>
    <message>
        <source>the day&apos;s Z number could not be stored</source>
        <translation>die Z-Nummer des Tages konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the run could not be journalled in %1</source>
        <translation>der Lauf konnte nicht in %1 protokolliert werden</translation>
    </message>
    <message>
        <source>the day summary was not built; reports read the day&apos;s tables instead</source>
        <translation>die Tageszusammenfassung wurde nicht erstellt; Berichte lesen stattdessen die Tische des Tages</translation>
    </message>
    <message>
        <source>the closing record was not written; the next closing writes it</source>
        <translation>der Abschlussdatensatz wurde nicht geschrieben; der nächste Abschluss schreibt ihn</translation>
    </message>
    <message>
        <source>the archive index var/.archives was not rebuilt</source>
        <translation>der Archivindex var/.archives wurde nicht neu aufgebaut</translation>
    </message>
    <message>
        <source>another closing is running</source>
        <translation>ein anderer Abschluss läuft</translation>
    </message>
    <message>
        <source>the lock file cannot be made</source>
        <translation>die Sperrdatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the run ended early</source>
        <translation>der Lauf endete vorzeitig</translation>
    </message>
    <message>
        <source>the lock directory cannot be made</source>
        <translation>das Sperrverzeichnis kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The tables of waiter %1 %2 of %3 are closed; the day stays open for the others.</source>
        <translation>Die Tische von Kellner %1 %2 vom %3 sind abgeschlossen; der Tag bleibt für die anderen offen.</translation>
    </message>
    <message>
        <source>The day %1 is closed.</source>
        <translation>Der Tag %1 ist abgeschlossen.</translation>
    </message>
    <message>
        <source>Z counter %1, the day&apos;s Z number %2</source>
        <translation>Z-Zähler %1, Z-Nummer des Tages %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cash count: difference %1</source>
        <translation>Kassenzählung: Differenz %1</translation>
    </message>
    <message>
        <source>Cash out: %1 %2</source>
        <translation>Entnahme: %1 %2</translation>
    </message>
    <message>
        <source>Cash in: %1 %2</source>
        <translation>Einlage: %1 %2</translation>
    </message>
    <message>
        <source>Balance: %1 %2</source>
        <translation>Saldo: %1 %2</translation>
    </message>
    <message>
        <source>Choose a report in the report box first.</source>
        <translation>Wählen Sie zuerst einen Bericht im Feld Bericht.</translation>
    </message>
    <message>
        <source>There is no report %1 to choose: the reporting options do not allow it, or no report has that number.</source>
        <translation>Es gibt keinen Bericht %1 zur Auswahl: die Auswertungsoptionen erlauben ihn nicht, oder kein Bericht hat diese Nummer.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>A batch uses the filter it was saved with (Reporting batches); this box applies to single reports</source>
        <translation>Ein Sammelbericht verwendet den Filter, mit dem er gespeichert wurde (Sammelberichte); dieses Feld gilt für einzelne Berichte</translation>
    </message>
    <message>
        <source>Compare with:</source>
        <translation>Vergleichen mit:</translation>
    </message>
    <message>
        <source>the empty bill %1 was deleted</source>
        <translation>der leere Bon %1 wurde gelöscht</translation>
    </message>
</context>
<context>
    <name>TProgressRun</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TRangeChartDoc</name>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>The first closed day; empty for the current day</source>
        <translation>Der erste abgeschlossene Tag; leer für den aktuellen Tag</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>The last closed day; empty for the first day alone</source>
        <translation>Der letzte abgeschlossene Tag; leer für den ersten Tag allein</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation>Geschrieben nach %1</translation>
    </message>
</context>
<context>
    <name>TReceipt</name>
    <message>
        <source>print queue %1: lp cannot be started: %2</source>
        <translation>Druckwarteschlange %1: lp kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>print queue %1: %2</source>
        <translation>Druckwarteschlange %1: %2</translation>
    </message>
</context>
<context>
    <name>TReconciliation</name>
    <message>
        <source>the report</source>
        <translation>der Bericht</translation>
    </message>
    <message>
        <source>the closing records</source>
        <translation>die Abschlussdatensätze</translation>
    </message>
    <message>
        <source>Bill total of the bills as they are now</source>
        <translation>Bonsumme der Bons, wie sie jetzt sind</translation>
    </message>
    <message>
        <source>Order lines of the other waiters</source>
        <translation>Bestellpositionen der anderen Kellner</translation>
    </message>
    <message>
        <source>Order lines of %1</source>
        <translation>Bestellpositionen von %1</translation>
    </message>
    <message>
        <source>Bills without payment</source>
        <translation>Bons ohne Zahlung</translation>
    </message>
    <message>
        <source>Further payments of bills paid in parts</source>
        <translation>Weitere Zahlungen in Teilen bezahlter Bons</translation>
    </message>
    <message>
        <source>Credits (vouchers sold)</source>
        <translation>Gutschriften (verkaufte Gutscheine)</translation>
    </message>
    <message>
        <source>Payment form</source>
        <translation>Zahlungsart</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Sum of payforms</source>
        <translation>Summe Zahlungsarten</translation>
    </message>
    <message>
        <source>Reconciliation</source>
        <translation>Abstimmung</translation>
    </message>
    <message>
        <source>Difference in %1</source>
        <translation>Differenz bei %1</translation>
    </message>
    <message>
        <source>the bills %1, %2 %3</source>
        <translation>die Bons %1, %2 %3</translation>
    </message>
    <message>
        <source>1 bill</source>
        <translation>1 Bon</translation>
    </message>
    <message>
        <source>%1 bills</source>
        <translation>%1 Bons</translation>
    </message>
    <message>
        <source>Bill total of Z %1, %2 (%3)</source>
        <translation>Bonsumme von Z %1, %2 (%3)</translation>
    </message>
    <message>
        <source>Bill total of the day (%1)</source>
        <translation>Bonsumme des Tages (%1)</translation>
    </message>
</context>
<context>
    <name>TReconciliationCheck</name>
    <message>
        <source>%1 (payment form %2)</source>
        <translation>%1 (Zahlungsart %2)</translation>
    </message>
    <message>
        <source>payments</source>
        <translation>Zahlungen</translation>
    </message>
    <message>
        <source>%1, number of payments</source>
        <translation>%1, Anzahl der Zahlungen</translation>
    </message>
    <message>
        <source>VAT %1, gross</source>
        <translation>MwSt. %1, brutto</translation>
    </message>
    <message>
        <source>VAT %1, net</source>
        <translation>MwSt. %1, netto</translation>
    </message>
    <message>
        <source>Z %1 (%2): the day summary %3 cannot be read to reconcile it: %4</source>
        <translation>Z %1 (%2): die Tageszusammenfassung %3 kann zum Abstimmen nicht gelesen werden: %4</translation>
    </message>
    <message>
        <source>the closing records %1</source>
        <translation>die Abschlussdatensätze %1</translation>
    </message>
    <message>
        <source>the day summary %1</source>
        <translation>die Tageszusammenfassung %1</translation>
    </message>
    <message>
        <source>the bills %1</source>
        <translation>die Bons %1</translation>
    </message>
    <message>
        <source>Z %1 (%2): %3 does not reconcile: %4</source>
        <translation>Z %1 (%2): %3 stimmt nicht überein: %4</translation>
    </message>
</context>
<context>
    <name>TRepProgress</name>
    <message>
        <source>Stopping...</source>
        <translation>Wird angehalten...</translation>
    </message>
</context>
<context>
    <name>TRepProgressBase</name>
    <message>
        <source>Generating report...</source>
        <translation>Bericht wird erstellt...</translation>
    </message>
    <message>
        <source>Current date:</source>
        <translation>Aktuelles Datum:</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Day %1 of %2:</source>
        <translation>Tag %1 von %2:</translation>
    </message>
</context>
<context>
    <name>TReportChart</name>
    <message>
        <source>Others (%1)</source>
        <translation>Sonstige (%1)</translation>
    </message>
    <message>
        <source>Waiter #%1 - %2</source>
        <translation>Kellner #%1 - %2</translation>
    </message>
    <message>
        <source>Cost center 0</source>
        <translation>Kostenstelle 0</translation>
    </message>
    <message>
        <source>Cost center #%1 - %2</source>
        <translation>Kostenstelle #%1 - %2</translation>
    </message>
    <message>
        <source>Amount (%1)</source>
        <translation>Betrag (%1)</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>No data available</source>
        <translation>Keine Daten vorhanden</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1  %2 (%3)</source>
        <translation>%1  %2 (%3)</translation>
    </message>
    <message>
        <source>%1: %2 against %3 (%4)</source>
        <translation>%1: %2 gegenüber %3 (%4)</translation>
    </message>
</context>
<context>
    <name>TReportChartPane</name>
    <message>
        <source>Show:</source>
        <translation>Zeigen:</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Grafik</translation>
    </message>
    <message>
        <source>B&amp;oth</source>
        <translation>&amp;Beides</translation>
    </message>
    <message>
        <source>Show the report&apos;s text only</source>
        <translation>Nur den Text des Berichts zeigen</translation>
    </message>
    <message>
        <source>Show the report&apos;s chart only</source>
        <translation>Nur die Grafik des Berichts zeigen</translation>
    </message>
    <message>
        <source>Show the report&apos;s text and its chart side by side</source>
        <translation>Text und Grafik des Berichts nebeneinander zeigen</translation>
    </message>
    <message>
        <source>Chart of:</source>
        <translation>Grafik für:</translation>
    </message>
    <message>
        <source>The waiter, cost center or period that the chart shows; choosing a line in the text chooses its section</source>
        <translation>Der Kellner, die Kostenstelle oder der Zeitraum, den die Grafik zeigt; eine Zeile im Text wählt ihren Abschnitt</translation>
    </message>
</context>
<context>
    <name>TReportWorkbook</name>
    <message>
        <source>%1: the report could not be made again for the workbook; nothing was written</source>
        <translation>%1: der Bericht konnte für die Arbeitsmappe nicht erneut erstellt werden; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1: cancelled; nothing was written</source>
        <translation>%1: abgebrochen; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1: %2; nothing was written</source>
        <translation>%1: %2; nichts wurde geschrieben</translation>
    </message>
</context>
<context>
    <name>TSelectRepDlg</name>
    <message>
        <source>&amp;1) Paid tables</source>
        <translation>&amp;1) Bezahlte Tische</translation>
    </message>
    <message>
        <source>&amp;2) Journal</source>
        <translation>&amp;2) Journal</translation>
    </message>
    <message>
        <source>&amp;c) Cost center report</source>
        <translation>&amp;c) Kostenstellenbericht</translation>
    </message>
    <message>
        <source>&amp;h) Families per waiter</source>
        <translation>&amp;h) Warengruppen je Kellner</translation>
    </message>
    <message>
        <source>&amp;g) All families</source>
        <translation>&amp;g) Alle Warengruppen</translation>
    </message>
    <message>
        <source>&amp;d) All articles</source>
        <translation>&amp;d) Alle Artikel</translation>
    </message>
    <message>
        <source>&amp;e) Articles per waiter</source>
        <translation>&amp;e) Artikel je Kellner</translation>
    </message>
    <message>
        <source>&amp;f) Articles per cost center</source>
        <translation>&amp;f) Artikel je Kostenstelle</translation>
    </message>
    <message>
        <source>&amp;i) Families per cost center</source>
        <translation>&amp;i) Warengruppen je Kostenstelle</translation>
    </message>
    <message>
        <source>b) Waiter report</source>
        <translation>b) Kellnerbericht</translation>
    </message>
    <message>
        <source>&amp;a) All waiters</source>
        <translation>&amp;a) Alle Kellner</translation>
    </message>
    <message>
        <source>&amp;j) All voids</source>
        <translation>&amp;j) Alle Stornos</translation>
    </message>
    <message>
        <source>&amp;k) Voids per waiter</source>
        <translation>&amp;k) Stornos je Kellner</translation>
    </message>
    <message>
        <source>&amp;l) Voids per cost center</source>
        <translation>&amp;l) Stornos je Kostenstelle</translation>
    </message>
    <message>
        <source>m) Waiter payments</source>
        <translation>m) Kellnerabrechnung</translation>
    </message>
    <message>
        <source>Select new report...</source>
        <translation>Neuen Bericht wählen...</translation>
    </message>
    <message>
        <source>Available reports</source>
        <translation>Verfügbare Berichte</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TSumBatchDlg</name>
    <message>
        <source>Paid tables</source>
        <translation>Bezahlte Tische</translation>
    </message>
    <message>
        <source>Waiter payments</source>
        <translation>Kellnerabrechnung</translation>
    </message>
    <message>
        <source>All Waiters</source>
        <translation>Alle Kellner</translation>
    </message>
    <message>
        <source>Waiter report</source>
        <translation>Kellnerbericht</translation>
    </message>
    <message>
        <source>Cost center report</source>
        <translation>Kostenstellenbericht</translation>
    </message>
    <message>
        <source>All articles</source>
        <translation>Alle Artikel</translation>
    </message>
    <message>
        <source>Articles per waiter</source>
        <translation>Artikel je Kellner</translation>
    </message>
    <message>
        <source>Articles per cost center</source>
        <translation>Artikel je Kostenstelle</translation>
    </message>
    <message>
        <source>All families</source>
        <translation>Alle Warengruppen</translation>
    </message>
    <message>
        <source>Families per waiter</source>
        <translation>Warengruppen je Kellner</translation>
    </message>
    <message>
        <source>Families per cost center</source>
        <translation>Warengruppen je Kostenstelle</translation>
    </message>
    <message>
        <source>All voids</source>
        <translation>Alle Stornos</translation>
    </message>
    <message>
        <source>Voids per waiter</source>
        <translation>Stornos je Kellner</translation>
    </message>
    <message>
        <source>Voids per cost center</source>
        <translation>Stornos je Kostenstelle</translation>
    </message>
    <message>
        <source>All void entries</source>
        <translation>Alle Stornobuchungen</translation>
    </message>
    <message>
        <source>Void entries per waiter</source>
        <translation>Stornobuchungen je Kellner</translation>
    </message>
    <message>
        <source>Void entries per cost center</source>
        <translation>Stornobuchungen je Kostenstelle</translation>
    </message>
    <message>
        <source>Hour summary</source>
        <translation>Stundenauswertung</translation>
    </message>
    <message>
        <source>Hour summary per waiter</source>
        <translation>Stundenauswertung je Kellner</translation>
    </message>
    <message>
        <source>Hour summary per cost center</source>
        <translation>Stundenauswertung je Kostenstelle</translation>
    </message>
    <message>
        <source>Order summary</source>
        <translation>Bonierungsauswertung</translation>
    </message>
    <message>
        <source>Order summary per waiter</source>
        <translation>Bonierungsauswertung je Kellner</translation>
    </message>
    <message>
        <source>Order summary per cost center</source>
        <translation>Bonierungsauswertung je Kostenstelle</translation>
    </message>
    <message>
        <source>All family groups</source>
        <translation>Alle Hauptgruppen</translation>
    </message>
    <message>
        <source>Family groups per waiter</source>
        <translation>Hauptgruppen je Kellner</translation>
    </message>
    <message>
        <source>Family groups per cost center</source>
        <translation>Hauptgruppen je Kostenstelle</translation>
    </message>
    <message>
        <source>All departments</source>
        <translation>Alle Abteilungen</translation>
    </message>
    <message>
        <source>Departments per waiter</source>
        <translation>Abteilungen je Kellner</translation>
    </message>
    <message>
        <source>Departments per cost center</source>
        <translation>Abteilungen je Kostenstelle</translation>
    </message>
    <message>
        <source>Minimal summary</source>
        <translation>Kurzauswertung</translation>
    </message>
    <message>
        <source>All discounts</source>
        <translation>Alle Rabatte</translation>
    </message>
    <message>
        <source>Discounts per waiter</source>
        <translation>Rabatte je Kellner</translation>
    </message>
    <message>
        <source>Discounts per cost center</source>
        <translation>Rabatte je Kostenstelle</translation>
    </message>
    <message>
        <source>All pricefindings</source>
        <translation>Alle Preisfindungen</translation>
    </message>
    <message>
        <source>Pricefindings per waiter</source>
        <translation>Preisfindungen je Kellner</translation>
    </message>
    <message>
        <source>Pricefindings per cost center</source>
        <translation>Preisfindungen je Kostenstelle</translation>
    </message>
    <message>
        <source>Table report</source>
        <translation>Tischbericht</translation>
    </message>
    <message>
        <source>Table report per cost center</source>
        <translation>Tischbericht je Kostenstelle</translation>
    </message>
    <message>
        <source>Hotel rooms</source>
        <translation>Hotelzimmer</translation>
    </message>
    <message>
        <source>Hotel rooms per waiter</source>
        <translation>Hotelzimmer je Kellner</translation>
    </message>
    <message>
        <source>Hotel rooms per cost center</source>
        <translation>Hotelzimmer je Kostenstelle</translation>
    </message>
    <message>
        <source>Unknown report</source>
        <translation>Unbekannter Bericht</translation>
    </message>
    <message>
        <source>Insert new summary batch...</source>
        <translation>Neuen Sammelbericht anlegen...</translation>
    </message>
    <message>
        <source>Edit summary batch</source>
        <translation>Sammelbericht bearbeiten</translation>
    </message>
    <message>
        <source>Edit summary batches</source>
        <translation>Sammelberichte bearbeiten</translation>
    </message>
    <message>
        <source>Not specified</source>
        <translation>Nicht angegeben</translation>
    </message>
    <message>
        <source>Unknown filter</source>
        <translation>Unbekannter Filter</translation>
    </message>
    <message>
        <source>The summary batches could not be loaded; nothing can be stored.</source>
        <translation>Die Sammelberichte konnten nicht geladen werden; es kann nichts gespeichert werden.</translation>
    </message>
    <message>
        <source>Please enter a number above 0.</source>
        <translation>Bitte geben Sie eine Nummer größer als 0 ein.</translation>
    </message>
    <message>
        <source>The number %1 is already taken by the batch &quot;%2&quot;.</source>
        <translation>Die Nummer %1 ist bereits durch den Sammelbericht „%2“ belegt.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Bitte geben Sie einen Namen ein.</translation>
    </message>
    <message>
        <source>Please select at least one report for the batch.</source>
        <translation>Bitte wählen Sie mindestens einen Bericht für den Sammelbericht.</translation>
    </message>
</context>
<context>
    <name>TSumBatchDlgBase</name>
    <message>
        <source>Insert new summary batch...</source>
        <translation>Neuen Sammelbericht anlegen...</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>&amp;Sorting:</source>
        <translation>&amp;Sortierung:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation>Alphabetisch</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>F&amp;iscalizing report</source>
        <translation>F&amp;iskalbericht</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Selected reports</source>
        <translation>Gewählte Berichte</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TSumBatchesDoc</name>
    <message>
        <source>Reporting batches</source>
        <translation>Sammelberichte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Fiscal</source>
        <translation>Fiskal</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Report count</source>
        <translation>Anzahl Berichte</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>List of summary batches not found</source>
        <translation>Liste der Sammelberichte nicht gefunden</translation>
    </message>
    <message>
        <source>Could not load summary batches</source>
        <translation>Die Sammelberichte konnten nicht geladen werden</translation>
    </message>
    <message>
        <source>Could not save summary batches</source>
        <translation>Die Sammelberichte konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Delete the batch %1 &quot;%2&quot;?</source>
        <translation>Den Sammelbericht %1 „%2“ löschen?</translation>
    </message>
    <message>
        <source>It is the default report; the reports document then starts without one.</source>
        <translation>Er ist der Standardbericht; das Berichtsdokument beginnt dann ohne einen.</translation>
    </message>
</context>
<context>
    <name>TSumFilter</name>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Terminal ID</source>
        <translation>Terminal-Nr.</translation>
    </message>
    <message>
        <source>Terminal name</source>
        <translation>Terminalname</translation>
    </message>
    <message>
        <source>Cost center ID</source>
        <translation>Kostenstellen-Nr.</translation>
    </message>
    <message>
        <source>Cost center name</source>
        <translation>Kostenstellenname</translation>
    </message>
    <message>
        <source>Waiter</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Waiter name</source>
        <translation>Kellnername</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Teiltisch</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Table amount</source>
        <translation>Tischbetrag</translation>
    </message>
    <message>
        <source>Takeaway?</source>
        <translation>Außer Haus?</translation>
    </message>
    <message>
        <source>In summary?</source>
        <translation>Im Umsatz?</translation>
    </message>
    <message>
        <source>Bill number</source>
        <translation>Bonnummer</translation>
    </message>
    <message>
        <source>Restored?</source>
        <translation>Wiederhergestellt?</translation>
    </message>
    <message>
        <source>Order count</source>
        <translation>Anzahl Bonierungen</translation>
    </message>
    <message>
        <source>Void count</source>
        <translation>Anzahl Stornos</translation>
    </message>
    <message>
        <source>Payments count</source>
        <translation>Anzahl Zahlungen</translation>
    </message>
    <message>
        <source>Table name</source>
        <translation>Tischname</translation>
    </message>
    <message>
        <source>From table</source>
        <translation>Von Tisch</translation>
    </message>
    <message>
        <source>From party</source>
        <translation>Von Teiltisch</translation>
    </message>
    <message>
        <source>From waiter</source>
        <translation>Von Kellner</translation>
    </message>
    <message>
        <source>To table</source>
        <translation>Nach Tisch</translation>
    </message>
    <message>
        <source>To party</source>
        <translation>Nach Teiltisch</translation>
    </message>
    <message>
        <source>To waiter</source>
        <translation>Nach Kellner</translation>
    </message>
    <message>
        <source>Order round</source>
        <translation>Bonierrunde</translation>
    </message>
    <message>
        <source>Seat number</source>
        <translation>Platznummer</translation>
    </message>
    <message>
        <source>PLU</source>
        <translation>PLU</translation>
    </message>
    <message>
        <source>Article</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Rabatt</translation>
    </message>
    <message>
        <source>Discount ID</source>
        <translation>Rabatt-Nr.</translation>
    </message>
    <message>
        <source>Discount name</source>
        <translation>Rabattname</translation>
    </message>
    <message>
        <source>Discount rate</source>
        <translation>Rabattsatz</translation>
    </message>
    <message>
        <source>Subvention ID</source>
        <translation>Zuschuss-Nr.</translation>
    </message>
    <message>
        <source>Subvention name</source>
        <translation>Zuschussname</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Warengruppe</translation>
    </message>
    <message>
        <source>Family name</source>
        <translation>Warengruppenname</translation>
    </message>
    <message>
        <source>Family group</source>
        <translation>Hauptgruppe</translation>
    </message>
    <message>
        <source>Free price?</source>
        <translation>Freier Preis?</translation>
    </message>
    <message>
        <source>Credit?</source>
        <translation>Gutschrift?</translation>
    </message>
    <message>
        <source>Hint?</source>
        <translation>Hinweis?</translation>
    </message>
    <message>
        <source>Voided</source>
        <translation>Storniert</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Umgebucht</translation>
    </message>
    <message>
        <source>From split</source>
        <translation>Aus Tischteilung</translation>
    </message>
    <message>
        <source>Void amount</source>
        <translation>Stornobetrag</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Void-waiter</source>
        <translation>Stornokellner</translation>
    </message>
    <message>
        <source>Void-waiter name</source>
        <translation>Name des Stornokellners</translation>
    </message>
    <message>
        <source>Pay amount</source>
        <translation>Zahlbetrag</translation>
    </message>
    <message>
        <source>Given amount</source>
        <translation>Gegebener Betrag</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Trinkgeld</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Rückgeld</translation>
    </message>
    <message>
        <source>Payform</source>
        <translation>Zahlungsart</translation>
    </message>
    <message>
        <source>Payform name</source>
        <translation>Name der Zahlungsart</translation>
    </message>
    <message>
        <source>Guest count</source>
        <translation>Anzahl Gäste</translation>
    </message>
    <message>
        <source>Payment number</source>
        <translation>Zahlungsnummer</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Currency name</source>
        <translation>Währungsname</translation>
    </message>
    <message>
        <source>Currency rate</source>
        <translation>Wechselkurs</translation>
    </message>
    <message>
        <source>In cash summary</source>
        <translation>Im Kassenbericht</translation>
    </message>
    <message>
        <source>Hotel room</source>
        <translation>Hotelzimmer</translation>
    </message>
    <message>
        <source>Hotel party</source>
        <translation>Hotel-Teiltisch</translation>
    </message>
    <message>
        <source>Hotel account</source>
        <translation>Hotelkonto</translation>
    </message>
    <message>
        <source>Hotel guest</source>
        <translation>Hotelgast</translation>
    </message>
    <message>
        <source>Hotel card</source>
        <translation>Hotelkarte</translation>
    </message>
    <message>
        <source>Hotel group</source>
        <translation>Hotelgruppe</translation>
    </message>
    <message>
        <source>Hotel amount</source>
        <translation>Hotelbetrag</translation>
    </message>
    <message>
        <source>Hotel new amount</source>
        <translation>Neuer Hotelbetrag</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Client name</source>
        <translation>Kundenname</translation>
    </message>
    <message>
        <source>Elpay data</source>
        <translation>Elpay-Daten</translation>
    </message>
    <message>
        <source>Creation</source>
        <translation>Eröffnung</translation>
    </message>
    <message>
        <source>Table change</source>
        <translation>Tischwechsel</translation>
    </message>
    <message>
        <source>Article order</source>
        <translation>Artikelbonierung</translation>
    </message>
    <message>
        <source>Article void</source>
        <translation>Artikelstorno</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Table split</source>
        <translation>Tischteilung</translation>
    </message>
    <message>
        <source>Table restore</source>
        <translation>Tisch wiederhergestellt</translation>
    </message>
    <message>
        <source>Table archived</source>
        <translation>Tisch archiviert</translation>
    </message>
    <message>
        <source>There is no record kind %1.</source>
        <translation>Es gibt keine Satzart %1.</translation>
    </message>
    <message>
        <source>The item has no attribute.</source>
        <translation>Die Bedingung hat kein Attribut.</translation>
    </message>
    <message>
        <source>The attribute &quot;%1&quot; may not contain &quot;|&quot;, &quot;&amp;&quot; or &quot;:&quot;.</source>
        <translation>Das Attribut „%1“ darf weder „|“ noch „&amp;“ noch „:“ enthalten.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; may not contain &quot;|&quot; or &quot;&amp;&quot;.</source>
        <translation>Der Wert „%1“ darf weder „|“ noch „&amp;“ enthalten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no comparison.</source>
        <translation>„%1“ ist kein Vergleich.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; of &quot;%2&quot; is no date.</source>
        <translation>Der Wert „%1“ von „%2“ ist kein Datum.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; of &quot;%2&quot; is no time.</source>
        <translation>Der Wert „%1“ von „%2“ ist keine Uhrzeit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be compared as less or greater: &quot;%2&quot; is no number.</source>
        <translation>„%1“ kann nicht auf kleiner oder größer verglichen werden: „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no filter item (kind:attribute:comparison:value).</source>
        <translation>„%1“ ist keine Filterbedingung (Art:Attribut:Vergleich:Wert).</translation>
    </message>
</context>
<context>
    <name>TSumFilterDlg</name>
    <message>
        <source>Entry type</source>
        <translation>Buchungsart</translation>
    </message>
    <message>
        <source>any entry</source>
        <translation>jede Buchung</translation>
    </message>
    <message>
        <source>less</source>
        <translation>kleiner</translation>
    </message>
    <message>
        <source>greater</source>
        <translation>größer</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>unequal</source>
        <translation>ungleich</translation>
    </message>
    <message>
        <source>Insert new summary filter...</source>
        <translation>Neuen Berichtsfilter anlegen...</translation>
    </message>
    <message>
        <source>Edit summary filter</source>
        <translation>Berichtsfilter bearbeiten</translation>
    </message>
    <message>
        <source>Edit summary filters</source>
        <translation>Berichtsfilter bearbeiten</translation>
    </message>
    <message>
        <source>The summary filters could not be loaded; nothing can be stored.</source>
        <translation>Die Berichtsfilter konnten nicht geladen werden; es kann nichts gespeichert werden.</translation>
    </message>
    <message>
        <source>Please enter a number above 0.</source>
        <translation>Bitte geben Sie eine Nummer größer als 0 ein.</translation>
    </message>
    <message>
        <source>The number %1 is already taken by the filter &quot;%2&quot;.</source>
        <translation>Die Nummer %1 ist bereits durch den Filter „%2“ belegt.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Bitte geben Sie einen Namen ein.</translation>
    </message>
    <message>
        <source>Table filter: %1</source>
        <translation>Tischfilter: %1</translation>
    </message>
    <message>
        <source>Entry filter: %1</source>
        <translation>Buchungsfilter: %1</translation>
    </message>
    <message>
        <source>Select tables</source>
        <translation>Tische wählen</translation>
    </message>
    <message>
        <source>Select cost centers</source>
        <translation>Kostenstellen wählen</translation>
    </message>
    <message>
        <source>Select terminals</source>
        <translation>Terminals wählen</translation>
    </message>
    <message>
        <source>Select waiters</source>
        <translation>Kellner wählen</translation>
    </message>
    <message>
        <source>Select articles</source>
        <translation>Artikel wählen</translation>
    </message>
    <message>
        <source>Select families</source>
        <translation>Warengruppen wählen</translation>
    </message>
    <message>
        <source>Select family groups</source>
        <translation>Hauptgruppen wählen</translation>
    </message>
    <message>
        <source>Select payforms</source>
        <translation>Zahlungsarten wählen</translation>
    </message>
    <message>
        <source>OR: </source>
        <translation>ODER: </translation>
    </message>
    <message>
        <source>AND: </source>
        <translation>UND: </translation>
    </message>
</context>
<context>
    <name>TSumFilterDlgBase</name>
    <message>
        <source>T&amp;able range</source>
        <translation>T&amp;ischbereich</translation>
    </message>
    <message>
        <source>&amp;Cost center range</source>
        <translation>&amp;Kostenstellenbereich</translation>
    </message>
    <message>
        <source>&amp;Terminal range</source>
        <translation>Te&amp;rminalbereich</translation>
    </message>
    <message>
        <source>&amp;Waiter range</source>
        <translation>Ke&amp;llnerbereich</translation>
    </message>
    <message>
        <source>&amp;Article range</source>
        <translation>&amp;Artikelbereich</translation>
    </message>
    <message>
        <source>&amp;Family range</source>
        <translation>&amp;Warengruppenbereich</translation>
    </message>
    <message>
        <source>Family &amp;group range</source>
        <translation>&amp;Hauptgruppenbereich</translation>
    </message>
    <message>
        <source>&amp;Payform range</source>
        <translation>&amp;Zahlungsartenbereich</translation>
    </message>
    <message>
        <source>&amp;Takeaway payment</source>
        <translation>&amp;Außer-Haus-Zahlung</translation>
    </message>
    <message>
        <source>&amp;No takeaway payment</source>
        <translation>Kei&amp;ne Außer-Haus-Zahlung</translation>
    </message>
    <message>
        <source>&amp;In summary payment</source>
        <translation>Zahlung &amp;im Umsatz</translation>
    </message>
    <message>
        <source>N&amp;ot in summary payment</source>
        <translation>Zahlung nicht im &amp;Umsatz</translation>
    </message>
    <message>
        <source>Is an order</source>
        <translation>Ist eine Bonierung</translation>
    </message>
    <message>
        <source>Is a void</source>
        <translation>Ist ein Storno</translation>
    </message>
    <message>
        <source>Is a Pay</source>
        <translation>Ist eine Zahlung</translation>
    </message>
    <message>
        <source>Insert new summary filter...</source>
        <translation>Neuen Berichtsfilter anlegen...</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>Test F&amp;ilter</source>
        <translation>F&amp;ilter testen</translation>
    </message>
    <message>
        <source>&amp;Table filter</source>
        <translation>&amp;Tischfilter</translation>
    </message>
    <message>
        <source>Entry &amp;filter</source>
        <translation>Buchungs&amp;filter</translation>
    </message>
    <message>
        <source>Attribute</source>
        <translation>Attribut</translation>
    </message>
    <message>
        <source>Comp</source>
        <translation>Vgl.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Range</source>
        <translation>Be&amp;reiche</translation>
    </message>
    <message>
        <source>F&amp;lags</source>
        <translation>&amp;Merkmale</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TSumFilterItem</name>
    <message>
        <source>Edit filter item</source>
        <translation>Filterbedingung bearbeiten</translation>
    </message>
    <message>
        <source>As an &amp;alternative to the other items</source>
        <translation>Als &amp;Alternative zu den anderen Bedingungen</translation>
    </message>
    <message>
        <source>Any entry</source>
        <translation>Jede Buchung</translation>
    </message>
    <message>
        <source>Entry type</source>
        <translation>Buchungsart</translation>
    </message>
    <message>
        <source>less</source>
        <translation>kleiner</translation>
    </message>
    <message>
        <source>greater</source>
        <translation>größer</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>unequal</source>
        <translation>ungleich</translation>
    </message>
</context>
<context>
    <name>TSumFilterItemBase</name>
    <message>
        <source>Insert new filter item...</source>
        <translation>Neue Filterbedingung anlegen...</translation>
    </message>
    <message>
        <source>All other filter items must match</source>
        <translation>Alle anderen Filterbedingungen müssen zutreffen</translation>
    </message>
    <message>
        <source>&amp;from</source>
        <translation>&amp;von</translation>
    </message>
    <message>
        <source>&amp;entry</source>
        <translation>&amp;Buchung</translation>
    </message>
    <message>
        <source>&amp;must be</source>
        <translation>&amp;muss</translation>
    </message>
    <message>
        <source>than</source>
        <translation>sein als</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TSumFilterListBase</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>For table entry</source>
        <translation>Für Tischbuchung</translation>
    </message>
    <message>
        <source>Article &amp;order</source>
        <translation>Artikel&amp;bonierung</translation>
    </message>
    <message>
        <source>Table &amp;change</source>
        <translation>Tisch&amp;wechsel</translation>
    </message>
    <message>
        <source>Article &amp;void</source>
        <translation>Artikel&amp;storno</translation>
    </message>
    <message>
        <source>Table &amp;payment</source>
        <translation>Tisch&amp;zahlung</translation>
    </message>
    <message>
        <source>Table &amp;split</source>
        <translation>Tisch&amp;teilung</translation>
    </message>
    <message>
        <source>Table &amp;restore</source>
        <translation>Tisch wieder&amp;hergestellt</translation>
    </message>
    <message>
        <source>Table &amp;archived</source>
        <translation>Tisch &amp;archiviert</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TSumFilterTest</name>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>open table %1/%2</source>
        <translation>offener Tisch %1/%2</translation>
    </message>
    <message>
        <source>paid table %1/%2 (archive %3)</source>
        <translation>bezahlter Tisch %1/%2 (Archiv %3)</translation>
    </message>
    <message>
        <source>, waiter %1 %2</source>
        <translation>, Kellner %1 %2</translation>
    </message>
    <message>
        <source>: %1 of %2 entries kept</source>
        <translation>: %1 von %2 Buchungen behalten</translation>
    </message>
    <message>
        <source>The tables of the day cannot be read: %1</source>
        <translation>Die Tische des Tages können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Tables of the current day: %1</source>
        <translation>Tische des laufenden Tages: %1</translation>
    </message>
    <message>
        <source>Tables of the current day that match the selection: %1</source>
        <translation>Tische des laufenden Tages, die zur Auswahl passen: %1</translation>
    </message>
    <message>
        <source>Kept by the table filter: %1</source>
        <translation>Vom Tischfilter behalten: %1</translation>
    </message>
    <message>
        <source>Entries of the kept tables: %1, kept by the entry filter: %2</source>
        <translation>Buchungen der behaltenen Tische: %1, vom Buchungsfilter behalten: %2</translation>
    </message>
    <message>
        <source>Kept: %1</source>
        <translation>Behalten: %1</translation>
    </message>
    <message>
        <source>Dropped: %1</source>
        <translation>Verworfen: %1</translation>
    </message>
    <message>
        <source>Table filter:
%1

Entry filter:
%2</source>
        <translation>Tischfilter:
%1

Buchungsfilter:
%2</translation>
    </message>
    <message>
        <source>(every table)</source>
        <translation>(jeder Tisch)</translation>
    </message>
    <message>
        <source>(every entry)</source>
        <translation>(jede Buchung)</translation>
    </message>
    <message>
        <source>Filter script</source>
        <translation>Filterskript</translation>
    </message>
</context>
<context>
    <name>TSumFilterTestBase</name>
    <message>
        <source>Test summary filter...</source>
        <translation>Berichtsfilter testen...</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>Pa&amp;yment</source>
        <translation>&amp;Zahlung</translation>
    </message>
    <message>
        <source>&amp;Cost center:</source>
        <translation>&amp;Kostenstelle:</translation>
    </message>
    <message>
        <source>&amp;Waiter:</source>
        <translation>K&amp;ellner:</translation>
    </message>
    <message>
        <source>&amp;Table:</source>
        <translation>&amp;Tisch:</translation>
    </message>
    <message>
        <source>&amp;Article:</source>
        <translation>&amp;Artikel:</translation>
    </message>
    <message>
        <source>&amp;Family:</source>
        <translation>&amp;Warengruppe:</translation>
    </message>
    <message>
        <source>&amp;Payform:</source>
        <translation>Zahlungs&amp;art:</translation>
    </message>
    <message>
        <source>&amp;Vat rate:</source>
        <translation>&amp;MwSt.-Satz:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>&amp;Script...</source>
        <translation>&amp;Skript...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TSumFiltersDoc</name>
    <message>
        <source>Reporting filters</source>
        <translation>Berichtsfilter</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>List of summary filters not found</source>
        <translation>Liste der Berichtsfilter nicht gefunden</translation>
    </message>
    <message>
        <source>Could not load summary filters</source>
        <translation>Die Berichtsfilter konnten nicht geladen werden</translation>
    </message>
    <message>
        <source>Could not save summary filters</source>
        <translation>Die Berichtsfilter konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Delete the filter %1 &quot;%2&quot;?</source>
        <translation>Den Filter %1 „%2“ löschen?</translation>
    </message>
    <message>
        <source>the batch &quot;%1&quot;</source>
        <translation>dem Sammelbericht „%1“</translation>
    </message>
    <message>
        <source>the default filter of the reports</source>
        <translation>dem Standardfilter der Berichte</translation>
    </message>
    <message>
        <source>It is used by %1, which will then report without a filter.</source>
        <translation>Er wird verwendet von %1, die dann ohne Filter auswerten.</translation>
    </message>
</context>
<context>
    <name>TSumListDoc</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n Datensatz</numerusform>
            <numerusform>%n Datensätze</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, not saved (File › Save)</source>
        <translation>%1, nicht gespeichert (Datei › Speichern)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen...</translation>
    </message>
</context>
<context>
    <name>TSummary</name>
    <message>
        <source>Summary for: %1</source>
        <translation>Auswertung für: %1</translation>
    </message>
    <message>
        <source>Fiscal Summary %1 from </source>
        <translation>Fiskalauswertung %1 vom </translation>
    </message>
    <message>
        <source>History Summary from </source>
        <translation>Archivauswertung vom </translation>
    </message>
    <message>
        <source>%1, %2.%3.%4</source>
        <translation>%1, %2.%3.%4</translation>
    </message>
    <message>
        <source> - %1, %2.%3.%4</source>
        <translation> - %1, %2.%3.%4</translation>
    </message>
    <message>
        <source>Day turnover %1 from %2, %3.%4.%5</source>
        <translation>Tagesabschluss %1 vom %2, %3.%4.%5</translation>
    </message>
    <message>
        <source>Actual Shift Summary from %1, %2.%3.%4</source>
        <translation>Aktuelle Schichtauswertung vom %1, %2.%3.%4</translation>
    </message>
    <message>
        <source>Printed %1, %2.%3.%4 at %5</source>
        <translation>Gedruckt %1, %2.%3.%4 um %5</translation>
    </message>
    <message>
        <source>From waiter %1</source>
        <translation>Von Kellner %1</translation>
    </message>
    <message>
        <source>Using filter %1</source>
        <translation>Mit Filter %1</translation>
    </message>
    <message>
        <source>On outlet %1</source>
        <translation>Im Betrieb %1</translation>
    </message>
    <message>
        <source>Waiter #%1 - %2</source>
        <translation>Kellner #%1 - %2</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>Cost center #%1 - %2</source>
        <translation>Kostenstelle #%1 - %2</translation>
    </message>
    <message>
        <source>Cost center 0</source>
        <translation>Kostenstelle 0</translation>
    </message>
    <message>
        <source>In summary</source>
        <translation>Im Umsatz</translation>
    </message>
    <message>
        <source>Not in summary</source>
        <translation>Nicht im Umsatz</translation>
    </message>
    <message>
        <source>* Tip</source>
        <translation>* Trinkgeld</translation>
    </message>
    <message>
        <source>* Given</source>
        <translation>* Gegeben</translation>
    </message>
    <message>
        <source>* Return</source>
        <translation>* Rückgeld</translation>
    </message>
    <message>
        <source>VAT   </source>
        <translation>MwSt.  </translation>
    </message>
    <message>
        <source>Net   </source>
        <translation>Netto  </translation>
    </message>
    <message>
        <source>Gross </source>
        <translation>Brutto </translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Cash amount</source>
        <translation>Barbetrag</translation>
    </message>
    <message>
        <source>- Return difference</source>
        <translation>- Rückgelddifferenz</translation>
    </message>
    <message>
        <source>Given not in summary</source>
        <translation>Gegeben, nicht im Umsatz</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Trinkgeld</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Gutschriften</translation>
    </message>
    <message>
        <source>Cash in</source>
        <translation>Einlagen</translation>
    </message>
    <message>
        <source>Cash out</source>
        <translation>Entnahmen</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Währungen</translation>
    </message>
    <message>
        <source>Balancing</source>
        <translation>Saldierung</translation>
    </message>
    <message>
        <source>Waiter</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Cost center</source>
        <translation>Kostenstelle</translation>
    </message>
    <message>
        <source>%1 %2 (%3): %4 %5</source>
        <translation>%1 %2 (%3): %4 %5</translation>
    </message>
    <message>
        <source>Sum articles</source>
        <translation>Summe Artikel</translation>
    </message>
    <message>
        <source>Paid tables</source>
        <translation>Bezahlte Tische</translation>
    </message>
    <message>
        <source>Voids</source>
        <translation>Stornos</translation>
    </message>
    <message>
        <source>Void amount</source>
        <translation>Stornobetrag</translation>
    </message>
    <message>
        <source>Open tables</source>
        <translation>Offene Tische</translation>
    </message>
    <message>
        <source>Open tables, sum</source>
        <translation>Offene Tische, Summe</translation>
    </message>
    <message>
        <source>Sum of payforms</source>
        <translation>Summe Zahlungsarten</translation>
    </message>
    <message>
        <source>Sum of all payforms</source>
        <translation>Summe aller Zahlungsarten</translation>
    </message>
    <message>
        <source>Non refund</source>
        <translation>Nicht erstattbar</translation>
    </message>
    <message>
        <source>All amount</source>
        <translation>Gesamtbetrag</translation>
    </message>
    <message>
        <source>Orders</source>
        <translation>Bonierungen</translation>
    </message>
    <message>
        <source>Sum In House</source>
        <translation>Summe im Haus</translation>
    </message>
    <message>
        <source>Sum Out of House</source>
        <translation>Summe außer Haus</translation>
    </message>
    <message>
        <source>Sum Net</source>
        <translation>Summe netto</translation>
    </message>
    <message>
        <source>Net all amount</source>
        <translation>Gesamtbetrag netto</translation>
    </message>
    <message>
        <source>Statists</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Guests</source>
        <translation>Gäste</translation>
    </message>
    <message>
        <source>Amount per guest</source>
        <translation>Betrag je Gast</translation>
    </message>
    <message>
        <source>All amount per guest</source>
        <translation>Gesamtbetrag je Gast</translation>
    </message>
    <message>
        <source>Net all amount per guest</source>
        <translation>Gesamtbetrag netto je Gast</translation>
    </message>
    <message>
        <source>Control articles</source>
        <translation>Kontrollartikel</translation>
    </message>
    <message>
        <source>Negative orders</source>
        <translation>Negativbonierungen</translation>
    </message>
    <message>
        <source>Sum articles:</source>
        <translation>Summe Artikel:</translation>
    </message>
    <message>
        <source>Sum families:</source>
        <translation>Summe Warengruppen:</translation>
    </message>
    <message>
        <source>Sum voids:</source>
        <translation>Summe Stornos:</translation>
    </message>
    <message>
        <source>Sum fam. groups:</source>
        <translation>Summe Hauptgruppen:</translation>
    </message>
    <message>
        <source>Sum Departnents:</source>
        <translation>Summe Abteilungen:</translation>
    </message>
    <message>
        <source>Sum void entries:</source>
        <translation>Summe Stornobuchungen:</translation>
    </message>
    <message>
        <source>Sum payments:</source>
        <translation>Summe Zahlungen:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Sum orders:</source>
        <translation>Summe Bonierungen:</translation>
    </message>
    <message>
        <source>Sum VATs</source>
        <translation>Summe MwSt.</translation>
    </message>
    <message>
        <source>Order amount:</source>
        <translation>Bonierbetrag:</translation>
    </message>
    <message>
        <source>Discounted:</source>
        <translation>Rabattiert:</translation>
    </message>
    <message>
        <source>Lost money:</source>
        <translation>Verlust:</translation>
    </message>
    <message>
        <source>per pay</source>
        <translation>je Zahlung</translation>
    </message>
    <message>
        <source>Table undiscounted:</source>
        <translation>Tisch ohne Rabatt:</translation>
    </message>
    <message>
        <source>Table amount:</source>
        <translation>Tischbetrag:</translation>
    </message>
    <message>
        <source>Table discount:</source>
        <translation>Tischrabatt:</translation>
    </message>
</context>
<context>
    <name>TTimeControlsDoc</name>
    <message>
        <source>Time controlling</source>
        <translation>Zeiterfassung</translation>
    </message>
    <message>
        <source>List of time controls not found</source>
        <translation>Liste der Zeiterfassung nicht gefunden</translation>
    </message>
    <message>
        <source>Could not load time controls</source>
        <translation>Die Zeiterfassung konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>%1 hours %2 minutes</source>
        <translation>%1 Stunden %2 Minuten</translation>
    </message>
    <message>
        <source>Waiter</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Waiter:</source>
        <translation>Kellner:</translation>
    </message>
    <message>
        <source>Resctrict view to this waiter</source>
        <translation>Ansicht auf diesen Kellner beschränken</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Alle zeigen</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>Set the start date of this view (&lt;b&gt;F3&lt;/b&gt;)</source>
        <translation>Anfangsdatum dieser Ansicht setzen (&lt;b&gt;F3&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Set the end date of this view (&lt;b&gt;F4&lt;/b&gt;)</source>
        <translation>Enddatum dieser Ansicht setzen (&lt;b&gt;F4&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Refresh this view with current restrictions (&lt;b&gt;F5&lt;/b&gt;)</source>
        <translation>Ansicht mit den aktuellen Einschränkungen neu laden (&lt;b&gt;F5&lt;/b&gt;)</translation>
    </message>
</context>
<context>
    <name>TTurnOverDlg</name>
    <message>
        <source>Not specified</source>
        <translation>Nicht angegeben</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Cash count</source>
        <translation>Kassenzählung</translation>
    </message>
    <message>
        <source>The count differs by more than the tolerance. Say why in the comment before closing the day.</source>
        <translation>Die Zählung weicht um mehr als die Toleranz ab. Sagen Sie in der Bemerkung, warum, bevor Sie den Tag abschließen.</translation>
    </message>
    <message>
        <source>table %1/%2, waiter %3 %4: %5</source>
        <translation>Tisch %1/%2, Kellner %3 %4: %5</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>There still are open tables! Do you want to continue?</source>
        <translation>Es gibt noch offene Tische! Trotzdem fortfahren?</translation>
    </message>
</context>
<context>
    <name>TTurnOverDlgBase</name>
    <message>
        <source>Turnover settings</source>
        <translation>Einstellungen Tagesabschluss</translation>
    </message>
    <message>
        <source>&amp;Waiter:</source>
        <translation>&amp;Kellner:</translation>
    </message>
    <message>
        <source>&amp;To date:</source>
        <translation>&amp;Bis Datum:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Choose the date in a calendar</source>
        <translation>Das Datum in einem Kalender wählen</translation>
    </message>
</context>
<context>
    <name>TUsersFile</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1, line %2: not a user (NAME:HASH as &apos;veltrum serve --add-user&apos; writes it)</source>
        <translation>%1, Zeile %2: kein Benutzer (NAME:HASH, wie &apos;veltrum serve --add-user&apos; ihn schreibt)</translation>
    </message>
    <message>
        <source>%1, line %2: user &apos;%3&apos; is there twice</source>
        <translation>%1, Zeile %2: der Benutzer &apos;%3&apos; steht zweimal darin</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no user name (1 to 64 letters, digits and . _ - @)</source>
        <translation>&apos;%1&apos; ist kein Benutzername (1 bis 64 Buchstaben, Ziffern und . _ - @)</translation>
    </message>
    <message>
        <source>the password&apos;s hash could not be made</source>
        <translation>der Hash des Passworts konnte nicht gebildet werden</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: kann nicht geschrieben werden (%2)</translation>
    </message>
</context>
<context>
    <name>TValueList</name>
    <message>
        <source>%1 is missing but %2 holds a list; the list reads as empty until it is restored</source>
        <translation>%1 fehlt, aber %2 enthält eine Liste; die Liste ist leer, bis sie wiederhergestellt wird</translation>
    </message>
</context>
<context>
    <name>TVariableDoc</name>
    <message>
        <source>Range statistics</source>
        <translation>Zeitraumstatistik</translation>
    </message>
    <message>
        <source>Select date range...</source>
        <translation>Zeitraum wählen...</translation>
    </message>
    <message>
        <source>No range chosen</source>
        <translation>Kein Zeitraum gewählt</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>The days of this report; click to choose others (&lt;b&gt;Ctrl+N&lt;/b&gt;)</source>
        <translation>Die Tage dieses Berichts; ein Klick wählt andere (&lt;b&gt;Strg+N&lt;/b&gt;)</translation>
    </message>
</context>
<context>
    <name>TVeltrum</name>
    <message>
        <source>Initializing reporting...</source>
        <translation>Auswertungen werden gestartet...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Unloading reporting...</source>
        <translation>Auswertungen werden beendet...</translation>
    </message>
    <message>
        <source>&amp;Reporting options</source>
        <translation>Auswertungs&amp;optionen</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Batchreports</source>
        <translation>Sammelberichte</translation>
    </message>
    <message>
        <source>Opentables</source>
        <translation>Offene Tische</translation>
    </message>
    <message>
        <source>&amp;Archives</source>
        <translation>&amp;Archive</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Waiters</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation>Tagesabschluss</translation>
    </message>
    <message>
        <source>&amp;Reporting</source>
        <translation>&amp;Auswertungen</translation>
    </message>
    <message>
        <source>Show reporting tool &amp;bar</source>
        <translation>Auswertungs-&amp;Symbolleiste zeigen</translation>
    </message>
    <message>
        <source>Enables or disables the tool bar of the reporting module</source>
        <translation>Schaltet die Symbolleiste des Auswertungsmoduls ein oder aus</translation>
    </message>
    <message>
        <source>&amp;List access...</source>
        <translation>&amp;Listenzugriff...</translation>
    </message>
    <message>
        <source>Configures the access to the reporting lists</source>
        <translation>Legt den Zugriff auf die Auswertungslisten fest</translation>
    </message>
    <message>
        <source>&amp;Dialog access...</source>
        <translation>&amp;Dialogzugriff...</translation>
    </message>
    <message>
        <source>Configures the access to the reporting dialogs</source>
        <translation>Legt den Zugriff auf die Auswertungsdialoge fest</translation>
    </message>
    <message>
        <source>Reporting Help</source>
        <translation>Hilfe zu Auswertungen</translation>
    </message>
    <message>
        <source>&amp;Reporting Help</source>
        <translation>&amp;Hilfe zu Auswertungen</translation>
    </message>
    <message>
        <source>View the index of reporting help</source>
        <translation>Inhaltsverzeichnis der Hilfe zu Auswertungen anzeigen</translation>
    </message>
    <message>
        <source>Reporting filters</source>
        <translation>Berichtsfilter</translation>
    </message>
    <message>
        <source>&amp;Reporting filters</source>
        <translation>&amp;Berichtsfilter</translation>
    </message>
    <message>
        <source>View all reporting filters</source>
        <translation>Alle Berichtsfilter anzeigen</translation>
    </message>
    <message>
        <source>Reporting batches</source>
        <translation>Sammelberichte</translation>
    </message>
    <message>
        <source>Reporting &amp;batches</source>
        <translation>&amp;Sammelberichte</translation>
    </message>
    <message>
        <source>View all reporting batches</source>
        <translation>Alle Sammelberichte anzeigen</translation>
    </message>
    <message>
        <source>Open tables</source>
        <translation>Offene Tische</translation>
    </message>
    <message>
        <source>&amp;Open tables</source>
        <translation>&amp;Offene Tische</translation>
    </message>
    <message>
        <source>View all open tables</source>
        <translation>Alle offenen Tische anzeigen</translation>
    </message>
    <message>
        <source>All families</source>
        <translation>Alle Warengruppen</translation>
    </message>
    <message>
        <source>All &amp;families</source>
        <translation>Alle &amp;Warengruppen</translation>
    </message>
    <message>
        <source>View complete family report</source>
        <translation>Vollständigen Warengruppenbericht anzeigen</translation>
    </message>
    <message>
        <source>All articles</source>
        <translation>Alle Artikel</translation>
    </message>
    <message>
        <source>All &amp;articles</source>
        <translation>Alle &amp;Artikel</translation>
    </message>
    <message>
        <source>View complete article report</source>
        <translation>Vollständigen Artikelbericht anzeigen</translation>
    </message>
    <message>
        <source>All waiters</source>
        <translation>Alle Kellner</translation>
    </message>
    <message>
        <source>All &amp;waiters</source>
        <translation>Alle &amp;Kellner</translation>
    </message>
    <message>
        <source>View complete waiter report</source>
        <translation>Vollständigen Kellnerbericht anzeigen</translation>
    </message>
    <message>
        <source>Families per waiter</source>
        <translation>Warengruppen je Kellner</translation>
    </message>
    <message>
        <source>Fa&amp;milies per waiter</source>
        <translation>Warengr&amp;uppen je Kellner</translation>
    </message>
    <message>
        <source>View family report for each waiter</source>
        <translation>Warengruppenbericht für jeden Kellner anzeigen</translation>
    </message>
    <message>
        <source>Articles per waiter</source>
        <translation>Artikel je Kellner</translation>
    </message>
    <message>
        <source>A&amp;rticles per waiter</source>
        <translation>A&amp;rtikel je Kellner</translation>
    </message>
    <message>
        <source>View article report for each waiter</source>
        <translation>Artikelbericht für jeden Kellner anzeigen</translation>
    </message>
    <message>
        <source>Waiter report</source>
        <translation>Kellnerbericht</translation>
    </message>
    <message>
        <source>Wa&amp;iter report</source>
        <translation>Kellnerbe&amp;richt</translation>
    </message>
    <message>
        <source>View waiter report for each waiter</source>
        <translation>Kellnerbericht für jeden Kellner anzeigen</translation>
    </message>
    <message>
        <source>Families per cost center</source>
        <translation>Warengruppen je Kostenstelle</translation>
    </message>
    <message>
        <source>Fami&amp;lies per cost center</source>
        <translation>Warengruppen &amp;je Kostenstelle</translation>
    </message>
    <message>
        <source>View family report for each cost center</source>
        <translation>Warengruppenbericht für jede Kostenstelle anzeigen</translation>
    </message>
    <message>
        <source>Articles per cost center</source>
        <translation>Artikel je Kostenstelle</translation>
    </message>
    <message>
        <source>A&amp;rticles per cost center</source>
        <translation>Artikel je K&amp;ostenstelle</translation>
    </message>
    <message>
        <source>View article report for each cost center</source>
        <translation>Artikelbericht für jede Kostenstelle anzeigen</translation>
    </message>
    <message>
        <source>Cost center report</source>
        <translation>Kostenstellenbericht</translation>
    </message>
    <message>
        <source>&amp;Cost center report</source>
        <translation>Kostenstellenberi&amp;cht</translation>
    </message>
    <message>
        <source>View cost center report for each cost center</source>
        <translation>Kostenstellenbericht für jede Kostenstelle anzeigen</translation>
    </message>
    <message>
        <source>Paid tables</source>
        <translation>Bezahlte Tische</translation>
    </message>
    <message>
        <source>&amp;Paid tables</source>
        <translation>&amp;Bezahlte Tische</translation>
    </message>
    <message>
        <source>View all paid tables</source>
        <translation>Alle bezahlten Tische anzeigen</translation>
    </message>
    <message>
        <source>Range statistics</source>
        <translation>Zeitraumstatistik</translation>
    </message>
    <message>
        <source>&amp;Range statistics</source>
        <translation>&amp;Zeitraumstatistik</translation>
    </message>
    <message>
        <source>A report from and to a specific date</source>
        <translation>Ein Bericht von einem bis zu einem bestimmten Datum</translation>
    </message>
    <message>
        <source>Time controlling</source>
        <translation>Zeiterfassung</translation>
    </message>
    <message>
        <source>&amp;Time controlling</source>
        <translation>Zeit&amp;erfassung</translation>
    </message>
    <message>
        <source>A report of waiter logons/logoffse</source>
        <translation>Ein Bericht über die An- und Abmeldungen der Kellner</translation>
    </message>
    <message>
        <source>Day Turn Over</source>
        <translation>Tagesabschluss</translation>
    </message>
    <message>
        <source>Day &amp;Turn over</source>
        <translation>&amp;Tagesabschluss</translation>
    </message>
    <message>
        <source>Execute day turn over</source>
        <translation>Tagesabschluss ausführen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Change reporting options</source>
        <translation>Auswertungsoptionen ändern</translation>
    </message>
    <message>
        <source>Reporting</source>
        <translation>Auswertungen</translation>
    </message>
    <message>
        <source>You have no right to change the reporting options.</source>
        <translation>Sie haben kein Recht, die Auswertungsoptionen zu ändern.</translation>
    </message>
    <message>
        <source>Closings</source>
        <translation>Abschlüsse</translation>
    </message>
    <message>
        <source>&amp;Closings</source>
        <translation>&amp;Abschlüsse</translation>
    </message>
    <message>
        <source>View the day closings with their Z reports</source>
        <translation>Die Tagesabschlüsse mit ihren Z-Berichten anzeigen</translation>
    </message>
    <message>
        <source>Exceptions</source>
        <translation>Auffälligkeiten</translation>
    </message>
    <message>
        <source>&amp;Exceptions</source>
        <translation>&amp;Auffälligkeiten</translation>
    </message>
    <message>
        <source>Voids, discounts, free prices and more per waiter, against the team</source>
        <translation>Stornos, Rabatte, freie Preise und mehr je Kellner, verglichen mit dem Team</translation>
    </message>
    <message>
        <source>Labour</source>
        <translation>Arbeitszeit</translation>
    </message>
    <message>
        <source>Sales per labour hour</source>
        <translation>Umsatz je Arbeitsstunde</translation>
    </message>
    <message>
        <source>&amp;Sales per labour hour</source>
        <translation>&amp;Umsatz je Arbeitsstunde</translation>
    </message>
    <message>
        <source>The hours the waiters worked beside what they sold</source>
        <translation>Die gearbeiteten Stunden der Kellner neben ihrem Umsatz</translation>
    </message>
    <message>
        <source>Export bookings...</source>
        <translation>Buchungen exportieren...</translation>
    </message>
    <message>
        <source>Export for the tax audit...</source>
        <translation>Für die Betriebsprüfung exportieren...</translation>
    </message>
</context>
<context>
    <name>TVeltrumDoc</name>
    <message>
        <source>Reporting</source>
        <translation>Auswertungen</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Reporting filters</source>
        <translation>Berichtsfilter</translation>
    </message>
    <message>
        <source>Show all Reporting filters</source>
        <translation>Alle Berichtsfilter anzeigen</translation>
    </message>
    <message>
        <source>Reporting batches</source>
        <translation>Sammelberichte</translation>
    </message>
    <message>
        <source>Show all reporting batches</source>
        <translation>Alle Sammelberichte anzeigen</translation>
    </message>
    <message>
        <source>Open tables</source>
        <translation>Offene Tische</translation>
    </message>
    <message>
        <source>Show current open tables</source>
        <translation>Die zurzeit offenen Tische anzeigen</translation>
    </message>
    <message>
        <source>Paid tables</source>
        <translation>Bezahlte Tische</translation>
    </message>
    <message>
        <source>Show already paid tables</source>
        <translation>Die bereits bezahlten Tische anzeigen</translation>
    </message>
    <message>
        <source>Range statistics</source>
        <translation>Zeitraumstatistik</translation>
    </message>
    <message>
        <source>Show range statistics</source>
        <translation>Zeitraumstatistik anzeigen</translation>
    </message>
    <message>
        <source>Time controlling</source>
        <translation>Zeiterfassung</translation>
    </message>
    <message>
        <source>Show time controllings</source>
        <translation>Zeiterfassung anzeigen</translation>
    </message>
    <message>
        <source>Day &amp;turn over</source>
        <translation>&amp;Tagesabschluss</translation>
    </message>
    <message>
        <source>Insert reporting &amp;filter</source>
        <translation>Berichts&amp;filter anlegen</translation>
    </message>
    <message>
        <source>Insert reporting &amp;batch</source>
        <translation>Sammel&amp;bericht anlegen</translation>
    </message>
    <message>
        <source>&amp;Open tables</source>
        <translation>&amp;Offene Tische</translation>
    </message>
    <message>
        <source>&amp;Paid tables</source>
        <translation>&amp;Bezahlte Tische</translation>
    </message>
    <message>
        <source>&amp;Range statistics</source>
        <translation>&amp;Zeitraumstatistik</translation>
    </message>
    <message>
        <source>Time &amp;controlling</source>
        <translation>Zeit&amp;erfassung</translation>
    </message>
    <message>
        <source>R&amp;eports</source>
        <translation>Beri&amp;chte</translation>
    </message>
    <message>
        <source>All &amp;families</source>
        <translation>Alle &amp;Warengruppen</translation>
    </message>
    <message>
        <source>All &amp;articles</source>
        <translation>Alle &amp;Artikel</translation>
    </message>
    <message>
        <source>All &amp;waiters</source>
        <translation>Alle &amp;Kellner</translation>
    </message>
    <message>
        <source>Fa&amp;milies per waiter</source>
        <translation>Warengr&amp;uppen je Kellner</translation>
    </message>
    <message>
        <source>A&amp;rticles per waiter</source>
        <translation>A&amp;rtikel je Kellner</translation>
    </message>
    <message>
        <source>Wa&amp;iter report</source>
        <translation>Kellnerbe&amp;richt</translation>
    </message>
    <message>
        <source>Fami&amp;lies per cost center</source>
        <translation>Warengruppen &amp;je Kostenstelle</translation>
    </message>
    <message>
        <source>A&amp;rticles per cost center</source>
        <translation>Artikel je K&amp;ostenstelle</translation>
    </message>
    <message>
        <source>&amp;Cost center report</source>
        <translation>Kostenstellenberi&amp;cht</translation>
    </message>
    <message>
        <source>Edit reporting &amp;options</source>
        <translation>Auswertungs&amp;optionen bearbeiten</translation>
    </message>
</context>
<context>
    <name>TWages</name>
    <message>
        <source>%1: the wage &quot;%2=%3&quot; cannot be read (a waiter number or &quot;default&quot;, then an amount such as 12.50)</source>
        <translation>%1: der Lohn „%2=%3“ kann nicht gelesen werden (eine Kellnernummer oder „default“, dann ein Betrag wie 12.50)</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>TWebApi</name>
    <message>
        <source>no such call</source>
        <translation>keine solche Abfrage</translation>
    </message>
    <message>
        <source>the figures could not be read</source>
        <translation>die Zahlen konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Same weekday last week, %1 until %2</source>
        <translation>Gleicher Wochentag der Vorwoche, %1 bis %2</translation>
    </message>
    <message>
        <source>Same weekday last week, %1</source>
        <translation>Gleicher Wochentag der Vorwoche, %1</translation>
    </message>
    <message>
        <source>%1: %2 against %3</source>
        <translation>%1: %2 gegenüber %3</translation>
    </message>
    <message>
        <source>%1: %2 against %3 (%4)</source>
        <translation>%1: %2 gegenüber %3 (%4)</translation>
    </message>
    <message>
        <source>Average bill</source>
        <translation>Durchschnittliche Rechnung</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
</context>
<context>
    <name>TWebReports</name>
    <message>
        <source>bad value &apos;%1&apos; for %2 (1 or 0)</source>
        <translation>ungültiger Wert &apos;%1&apos; für %2 (1 oder 0)</translation>
    </message>
    <message>
        <source>from %1 to %2: the web view makes reports of at most %3 days (the command line makes longer ones)</source>
        <translation>vom %1 bis %2: die Webansicht erstellt Berichte über höchstens %3 Tage (die Befehlszeile auch längere)</translation>
    </message>
    <message>
        <source>bad value &apos;%1&apos; for format (text, json, csv, pdf, svg or png)</source>
        <translation>ungültiger Wert &apos;%1&apos; für format (text, json, csv, pdf, svg oder png)</translation>
    </message>
    <message>
        <source>bad value &apos;%1&apos; for download (1 or 0)</source>
        <translation>ungültiger Wert &apos;%1&apos; für download (1 oder 0)</translation>
    </message>
    <message>
        <source>the result is larger than the web view sends (%1 MB); the command line writes it</source>
        <translation>das Ergebnis ist größer, als die Webansicht sendet (%1 MB); die Befehlszeile schreibt es</translation>
    </message>
    <message>
        <source>there is no batch %1</source>
        <translation>es gibt keinen Stapel %1</translation>
    </message>
    <message>
        <source>z is required: the Z counter of the closing</source>
        <translation>z ist nötig: der Z-Zähler des Abschlusses</translation>
    </message>
    <message>
        <source>bad value &apos;%1&apos; for format (text, json or pdf)</source>
        <translation>ungültiger Wert &apos;%1&apos; für format (text, json oder pdf)</translation>
    </message>
    <message>
        <source>the installation has no closing with Z counter %1</source>
        <translation>die Installation hat keinen Abschluss mit dem Z-Zähler %1</translation>
    </message>
    <message>
        <source>this server has no chain database (serve --db)</source>
        <translation>dieser Server hat keine Kettendatenbank (serve --db)</translation>
    </message>
    <message>
        <source>cannot connect to %1: %2</source>
        <translation>keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>bad value &apos;%1&apos; for format (text, json, csv or pdf)</source>
        <translation>ungültiger Wert &apos;%1&apos; für format (text, json, csv oder pdf)</translation>
    </message>
</context>
<context>
    <name>TWebTexts</name>
    <message>
        <source>Veltrum</source>
        <translation>Veltrum</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Closings</source>
        <translation>Abschlüsse</translation>
    </message>
    <message>
        <source>Chain</source>
        <translation>Kette</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>As of</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>(read again every 30 seconds)</source>
        <translation>(alle 30 Sekunden neu gelesen)</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Open tables</source>
        <translation>Offene Tische</translation>
    </message>
    <message>
        <source>Last closing</source>
        <translation>Letzter Tagesabschluss</translation>
    </message>
    <message>
        <source>%1 - Z %2</source>
        <translation>%1 - Z %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Exceptions</source>
        <translation>Auffälligkeiten</translation>
    </message>
    <message>
        <source>Compared</source>
        <translation>Im Vergleich</translation>
    </message>
    <message>
        <source>No table is open.</source>
        <translation>Kein Tisch ist offen.</translation>
    </message>
    <message>
        <source>%1 tables, together %2</source>
        <translation>%1 Tische, zusammen %2</translation>
    </message>
    <message>
        <source>Table %1/%2</source>
        <translation>Tisch %1/%2</translation>
    </message>
    <message>
        <source>held by a terminal</source>
        <translation>von einem Terminal gesperrt</translation>
    </message>
    <message>
        <source>Waiter %1</source>
        <translation>Kellner %1</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Without a first day: the current day, not yet closed. With one: the closed days from it to the last day (or that day alone).</source>
        <translation>Ohne ersten Tag: der laufende, noch nicht abgeschlossene Tag. Mit ihm: die abgeschlossenen Tage von ihm bis zum letzten Tag (oder dieser Tag allein).</translation>
    </message>
    <message>
        <source>Summaries</source>
        <translation>Auswertungen</translation>
    </message>
    <message>
        <source>Journals</source>
        <translation>Journale</translation>
    </message>
    <message>
        <source>Batches</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Herunterladen:</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>JSON</source>
        <translation>JSON</translation>
    </message>
    <message>
        <source>Chart of the %1</source>
        <translation>Diagramm: %1</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Closing</source>
        <translation>Abschluss</translation>
    </message>
    <message>
        <source>Bills</source>
        <translation>Bons</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>no record</source>
        <translation>kein Datensatz</translation>
    </message>
    <message>
        <source>whole day</source>
        <translation>ganzer Tag</translation>
    </message>
    <message>
        <source>No closings in this range.</source>
        <translation>Keine Abschlüsse in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>One report per outlet</source>
        <translation>Ein Bericht je Betrieb</translation>
    </message>
    <message>
        <source>Read-only: this page changes nothing in the installation.</source>
        <translation>Nur lesend: diese Seite ändert nichts an der Installation.</translation>
    </message>
    <message>
        <source>the users file could not be read again (%1); the users read before stay</source>
        <translation>die Benutzerdatei konnte nicht neu gelesen werden (%1); die zuvor gelesenen Benutzer bleiben</translation>
    </message>
    <message>
        <source>users file read again: %1</source>
        <translation>Benutzerdatei neu gelesen: %1</translation>
    </message>
    <message>
        <source>Only GET and POST are answered.</source>
        <translation>Nur GET und POST werden beantwortet.</translation>
    </message>
    <message>
        <source>The request names no host.</source>
        <translation>Die Anfrage nennt keinen Host.</translation>
    </message>
    <message>
        <source>This server answers only under its loopback address.</source>
        <translation>Dieser Server antwortet nur unter seiner Loopback-Adresse.</translation>
    </message>
    <message>
        <source>No such path.</source>
        <translation>Kein solcher Pfad.</translation>
    </message>
    <message>
        <source>Not answered with this method.</source>
        <translation>Mit dieser Methode wird nicht geantwortet.</translation>
    </message>
    <message>
        <source>unknown parameter &apos;%1&apos;</source>
        <translation>unbekannter Parameter &apos;%1&apos;</translation>
    </message>
    <message>
        <source>parameter &apos;%1&apos; given twice</source>
        <translation>Parameter &apos;%1&apos; zweimal angegeben</translation>
    </message>
    <message>
        <source>Please log in.</source>
        <translation>Bitte melden Sie sich an.</translation>
    </message>
    <message>
        <source>The page&apos;s token is missing or wrong; please load the page again.</source>
        <translation>Das Token der Seite fehlt oder ist falsch; bitte laden Sie die Seite neu.</translation>
    </message>
    <message>
        <source>Sent from another site.</source>
        <translation>Von einer anderen Website gesendet.</translation>
    </message>
    <message>
        <source>JSON expected.</source>
        <translation>JSON erwartet.</translation>
    </message>
    <message>
        <source>A login is {&quot;user&quot;: NAME, &quot;password&quot;: PASSWORD}.</source>
        <translation>Eine Anmeldung ist {&quot;user&quot;: NAME, &quot;password&quot;: PASSWORT}.</translation>
    </message>
    <message>
        <source>Too many wrong passwords: please wait %1 s before the next attempt.</source>
        <translation>Zu viele falsche Passwörter: bitte warten Sie %1 s bis zum nächsten Versuch.</translation>
    </message>
    <message>
        <source>Busy; please try again in a moment.</source>
        <translation>Beschäftigt; bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>wrong password for &apos;%1&apos; from %2 (%3 in a row)</source>
        <translation>falsches Passwort für &apos;%1&apos; von %2 (%3 nacheinander)</translation>
    </message>
    <message>
        <source>Wrong user name or password.</source>
        <translation>Falscher Benutzername oder falsches Passwort.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; logged in from %2</source>
        <translation>&apos;%1&apos; hat sich von %2 angemeldet</translation>
    </message>
    <message>
        <source>&apos;%1&apos; logged out</source>
        <translation>&apos;%1&apos; hat sich abgemeldet</translation>
    </message>
    <message>
        <source>Takings so far: %1 (1 paid table)</source>
        <translation>Einnahmen bisher: %1 (1 bezahlter Tisch)</translation>
    </message>
    <message>
        <source>Takings so far: %1 (%2 paid tables)</source>
        <translation>Einnahmen bisher: %1 (%2 bezahlte Tische)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 per paid table</source>
        <translation>%1 je bezahltem Tisch</translation>
    </message>
</context>
<context>
    <name>TXlsxWorkbook</name>
    <message>
        <source>%1: no temporary folder for the workbook (%2)</source>
        <translation>%1: kein temporärer Ordner für die Arbeitsmappe (%2)</translation>
    </message>
    <message>
        <source>%1: the workbook could not be started</source>
        <translation>%1: die Arbeitsmappe konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1: the workbook could not be written (%2)</source>
        <translation>%1: die Arbeitsmappe konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>%1: sheet &quot;%2&quot;, row %3 cannot be written (%4)</source>
        <translation>%1: Tabellenblatt &quot;%2&quot;, Zeile %3 kann nicht geschrieben werden (%4)</translation>
    </message>
    <message>
        <source>%1: sheet &quot;%2&quot; would have %3 rows, more than Excel holds (%4)</source>
        <translation>%1: Tabellenblatt &quot;%2&quot; hätte %3 Zeilen, mehr als Excel fasst (%4)</translation>
    </message>
    <message>
        <source>%1: the workbook could not be read back whole</source>
        <translation>%1: die Arbeitsmappe konnte nicht ganz zurückgelesen werden</translation>
    </message>
    <message>
        <source>%1: the rows could not be read back; nothing was written</source>
        <translation>%1: die Zeilen konnten nicht zurückgelesen werden; nichts wurde geschrieben</translation>
    </message>
</context>
<context>
    <name>TZReport</name>
    <message>
        <source>whole day</source>
        <translation>ganzer Tag</translation>
    </message>
    <message>
        <source>waiter %1 %2</source>
        <translation>Kellner %1 %2</translation>
    </message>
    <message>
        <source>no record</source>
        <translation>kein Datensatz</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>First bill</source>
        <translation>Erster Bon</translation>
    </message>
    <message>
        <source>Last bill</source>
        <translation>Letzter Bon</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>Day turnover %1 from %2</source>
        <translation>Tagesabschluss %1 vom %2</translation>
    </message>
    <message>
        <source>Closing</source>
        <translation>Abschluss</translation>
    </message>
    <message>
        <source>Closing record</source>
        <translation>Abschlussdatensatz</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>Executed by</source>
        <translation>Ausgeführt von</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>%1, terminal %2</source>
        <translation>%1, Terminal %2</translation>
    </message>
    <message>
        <source>Day Z number</source>
        <translation>Z-Nummer des Tages</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Vervollständigt</translation>
    </message>
    <message>
        <source>by the next closing (the run was cut off)</source>
        <translation>durch den nächsten Abschluss (der Lauf wurde abgebrochen)</translation>
    </message>
    <message>
        <source>%1 (archive %2)</source>
        <translation>%1 (Archiv %2)</translation>
    </message>
    <message>
        <source>VAT rates</source>
        <translation>MwSt.-Sätze</translation>
    </message>
    <message>
        <source>Gross %1</source>
        <translation>Brutto %1</translation>
    </message>
    <message>
        <source>Net %1</source>
        <translation>Netto %1</translation>
    </message>
    <message>
        <source>VAT %1</source>
        <translation>MwSt. %1</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Abgestimmt</translation>
    </message>
    <message>
        <source>Count diff.</source>
        <translation>Zähldiff.</translation>
    </message>
</context>
<context>
    <name>WebLib::TWebService</name>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>auf %1 kann nicht gelauscht werden: %2</translation>
    </message>
</context>
<context>
    <name>WebLib::TWebSite</name>
    <message>
        <source>%1 names nobody who may log in (add someone with &apos;veltrum serve --add-user NAME&apos;)</source>
        <translation>%1 nennt niemanden, der sich anmelden darf (jemanden hinzufügen mit &apos;veltrum serve --add-user NAME&apos;)</translation>
    </message>
</context>
<context>
    <name>veltrum</name>
    <message>
        <source>Try &apos;veltrum --help&apos;.</source>
        <translation>Siehe &apos;veltrum --help&apos;.</translation>
    </message>
    <message>
        <source>Try &apos;veltrum help %1&apos;.</source>
        <translation>Siehe &apos;veltrum help %1&apos;.</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>%1: cannot be read or written (error %2)</source>
        <translation>%1: kann nicht gelesen oder geschrieben werden (Fehler %2)</translation>
    </message>
    <message>
        <source>%1: the file is corrupt (it ends inside a record)</source>
        <translation>%1: die Datei ist beschädigt (sie endet mitten in einem Datensatz)</translation>
    </message>
    <message>
        <source>%1: cannot read the file (code %2)</source>
        <translation>%1: die Datei kann nicht gelesen werden (Code %2)</translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation>%1: die Datei kann nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>%1: the file is corrupt (code %2)</source>
        <translation>%1: die Datei ist beschädigt (Code %2)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: keine Datei</translation>
    </message>
    <message>
        <source>%1:%2:%3: not well-formed XML: %4</source>
        <translation>%1:%2:%3: kein wohlgeformtes XML: %4</translation>
    </message>
    <message>
        <source>%1: the XML holds no list element</source>
        <translation>%1: das XML enthält kein Listenelement</translation>
    </message>
    <message>
        <source>%1: cannot write the file (%2)</source>
        <translation>%1: die Datei kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>%1: %2 records</source>
        <translation>%1: %2 Datensätze</translation>
    </message>
    <message>
        <source>print a binary list file (.dat) as XML</source>
        <translation>eine binäre Listendatei (.dat) als XML ausgeben</translation>
    </message>
    <message>
        <source>the XML was printed</source>
        <translation>das XML wurde ausgegeben</translation>
    </message>
    <message>
        <source>the file is missing, unreadable or corrupt</source>
        <translation>die Datei fehlt, ist nicht lesbar oder beschädigt</translation>
    </message>
    <message>
        <source>wrong arguments</source>
        <translation>falsche Argumente</translation>
    </message>
    <message>
        <source>import XML into a list file (created if missing)</source>
        <translation>XML in eine Listendatei einlesen (sie wird angelegt, wenn sie fehlt)</translation>
    </message>
    <message>
        <source>the list was written</source>
        <translation>die Liste wurde geschrieben</translation>
    </message>
    <message>
        <source>malformed XML, a corrupt or unreadable list, or a file that cannot be written; FILE is left as it was</source>
        <translation>fehlerhaftes XML, eine beschädigte oder nicht lesbare Liste oder eine Datei, die nicht geschrieben werden kann; FILE bleibt, wie sie war</translation>
    </message>
    <message>
        <source>print the fields KEY... of every record, &apos;;&apos;-separated</source>
        <translation>die Felder KEY... jedes Datensatzes ausgeben, durch &apos;;&apos; getrennt</translation>
    </message>
    <message>
        <source>Prints one record a line with the fields KEY... separated by &apos;;&apos;. Inside values &apos;;&apos; becomes &apos;,&apos;, line breaks become &apos;|&apos; and &apos;&quot;&apos; becomes &quot;&apos;&quot;.</source>
        <translation>Gibt einen Datensatz je Zeile aus, mit den Feldern KEY... durch &apos;;&apos; getrennt. In den Werten wird &apos;;&apos; zu &apos;,&apos;, Zeilenumbrüche werden zu &apos;|&apos; und &apos;&quot;&apos; wird zu &quot;&apos;&quot;.</translation>
    </message>
    <message>
        <source>the records were printed</source>
        <translation>die Datensätze wurden ausgegeben</translation>
    </message>
    <message>
        <source>demo: %1 is not a directory</source>
        <translation>demo: %1 ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>demo: %1 is not empty and holds no demo installation; refusing to write into it</source>
        <translation>demo: %1 ist nicht leer und enthält keine Demo-Installation; es wird nichts hineingeschrieben</translation>
    </message>
    <message>
        <source>demo: %1 holds a demo installation; use --force to replace it</source>
        <translation>demo: %1 enthält eine Demo-Installation; mit --force wird sie ersetzt</translation>
    </message>
    <message>
        <source>Demo installation in %1 (today %2, seed %3):</source>
        <translation>Demo-Installation in %1 (heute %2, Startwert %3):</translation>
    </message>
    <message>
        <source>  %1 lists, %2 closed days with %3 tables and %4 day summaries</source>
        <translation>  %1 Listen, %2 abgeschlossene Tage mit %3 Tischen und %4 Tageszusammenfassungen</translation>
    </message>
    <message>
        <source>  today %1 paid tables (%2 in the archive index), %3 open (%4 held)</source>
        <translation>  heute %1 bezahlte Tische (%2 im Archivindex), %3 offen (%4 gesperrt)</translation>
    </message>
    <message>
        <source>  %1 table entries, time controls of %2 days, next Z number %3</source>
        <translation>  %1 Tischbuchungen, Zeiterfassung von %2 Tagen, nächste Z-Nummer %3</translation>
    </message>
    <message>
        <source>demo: could not write %1 (%2)</source>
        <translation>demo: %1 konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>write a demo installation of a restaurant</source>
        <translation>eine Demo-Installation eines Restaurants schreiben</translation>
    </message>
    <message>
        <source>Writes a complete installation of a small restaurant into DIR: master data and settings in usr/data, etc/reports.ini and etc/globals.ini, closed days in var/statist (with their Z numbers, journal lines and day summaries), today&apos;s paid tables with the archive index, open tables (one held by a terminal) and time controls. The same arguments always give the same files.

A directory that is not empty is refused, unless it holds an earlier demo and --force is given; then only the files a demo writes are replaced.</source>
        <translation>Schreibt die vollständige Installation eines kleinen Restaurants nach DIR: Stammdaten und Einstellungen in usr/data, etc/reports.ini und etc/globals.ini, abgeschlossene Tage in var/statist (mit ihren Z-Nummern, Journalzeilen und Tageszusammenfassungen), die heute bezahlten Tische mit dem Archivindex, offene Tische (einer von einem Terminal gesperrt) und die Zeiterfassung. Dieselben Argumente ergeben immer dieselben Dateien.

Ein Verzeichnis, das nicht leer ist, wird abgelehnt, außer es enthält eine frühere Demo und --force ist angegeben; dann werden nur die Dateien ersetzt, die eine Demo schreibt.</translation>
    </message>
    <message>
        <source>Closed days before today, 0 to 3660 (default %1).</source>
        <translation>Abgeschlossene Tage vor heute, 0 bis 3660 (Standard %1).</translation>
    </message>
    <message>
        <source>Paid tables per day, 1 to 10000 (default %1).</source>
        <translation>Bezahlte Tische je Tag, 1 bis 10000 (Standard %1).</translation>
    </message>
    <message>
        <source>Seed of the generator (default %1).</source>
        <translation>Startwert des Zufallsgenerators (Standard %1).</translation>
    </message>
    <message>
        <source>The demo&apos;s current, not yet closed day (default: today).</source>
        <translation>Der laufende, noch nicht abgeschlossene Tag der Demo (Standard: heute).</translation>
    </message>
    <message>
        <source>Replace the demo installation that DIR holds.</source>
        <translation>Die Demo-Installation in DIR ersetzen.</translation>
    </message>
    <message>
        <source>the demo was written</source>
        <translation>die Demo wurde geschrieben</translation>
    </message>
    <message>
        <source>DIR is not empty (or holds a demo and --force is missing), or a file cannot be written</source>
        <translation>DIR ist nicht leer (oder enthält eine Demo und --force fehlt), oder eine Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>list the tables open on the terminals</source>
        <translation>die auf den Terminals offenen Tische auflisten</translation>
    </message>
    <message>
        <source>Prints what the back office&apos;s open tables document lists: the column titles, then one item per table of var/tables in ascending table number and party (a table that a terminal holds right now is left out), and last the number of tables and the sum of their amounts.

Under each table: &quot;Creation&quot; with the bill number, time and date the table was opened; &quot;Pay&quot; with every payment (voided ones too; a charge to a hotel room adds the guest, party and room after it); &quot;Order&quot; with price (add-ons included), article, article number, count, time and date of every order. &quot;Pay&quot; and &quot;Order&quot; are there only when the table has an entry of their kind.

One item a line, each level two blanks deeper, columns separated by a tab. Amounts are in the system currency of usr/data/currency.dat; without that list the table amount is in cents and the other amounts in units with two decimals. --format csv and json write the same items (docs/report-json.md, &quot;Lists&quot;), pdf the printed page.</source>
        <translation>Gibt aus, was das Dokument „Offene Tische“ des Backoffice auflistet: die Spaltentitel, dann einen Eintrag je Tisch aus var/tables, aufsteigend nach Tischnummer und Teiltisch (ein Tisch, den gerade ein Terminal sperrt, wird ausgelassen), und zuletzt die Anzahl der Tische und die Summe ihrer Beträge.

Unter jedem Tisch: „Eröffnung“ mit Bonnummer, Uhrzeit und Datum der Tischeröffnung; „Zahlung“ mit jeder Zahlung (auch stornierten; eine Belastung auf ein Hotelzimmer fügt Gast, Teiltisch und Zimmer an); „Bonierung“ mit Preis (Zusätze eingeschlossen), Artikel, Artikelnummer, Anzahl, Uhrzeit und Datum jeder Bonierung. „Zahlung“ und „Bonierung“ stehen nur da, wenn der Tisch eine Buchung dieser Art hat.

Ein Eintrag je Zeile, jede Ebene zwei Leerzeichen tiefer, Spalten durch einen Tabulator getrennt. Beträge stehen in der Systemwährung aus usr/data/currency.dat; ohne diese Liste steht der Tischbetrag in Cent und die übrigen Beträge in Einheiten mit zwei Nachkommastellen. --format csv und json schreiben dieselben Einträge (docs/report-json.md, &quot;Lists&quot;), pdf die gedruckte Seite.</translation>
    </message>
    <message>
        <source>Accepted as every command takes it; the list holds no clock time.</source>
        <translation>Angenommen wie bei jedem Befehl; die Liste enthält keine Uhrzeit.</translation>
    </message>
    <message>
        <source>the list was printed (also when no table is open)</source>
        <translation>die Liste wurde ausgegeben (auch wenn kein Tisch offen ist)</translation>
    </message>
    <message>
        <source>the --output file could not be written</source>
        <translation>die --output-Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option, a bad time, no such directory</source>
        <translation>falsche Argumente: eine unbekannte Option, eine ungültige Uhrzeit, kein solches Verzeichnis</translation>
    </message>
    <message>
        <source>all waiters</source>
        <translation>alle Kellner</translation>
    </message>
    <message>
        <source>per waiter</source>
        <translation>je Kellner</translation>
    </message>
    <message>
        <source>per cost center</source>
        <translation>je Kostenstelle</translation>
    </message>
    <message>
        <source>journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>batch, fiscal</source>
        <translation>Sammelbericht, fiskal</translation>
    </message>
    <message>
        <source>batch</source>
        <translation>Sammelbericht</translation>
    </message>
    <message>
        <source>--progress and --quiet exclude each other</source>
        <translation>--progress und --quiet schließen einander aus</translation>
    </message>
    <message>
        <source>%1 does not apply to the paid tables journal (kind %2)</source>
        <translation>%1 gilt nicht für das Journal der bezahlten Tische (Art %2)</translation>
    </message>
    <message>
        <source>report: interrupted; nothing was written</source>
        <translation>report: unterbrochen; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>--kind %1: there is no report kind %1 (see &apos;veltrum report --list-kinds&apos;)</source>
        <translation>--kind %1: es gibt keine Berichtsart %1 (siehe &apos;veltrum report --list-kinds&apos;)</translation>
    </message>
    <message>
        <source>%1 applies to the paid tables journal (kind 1) only</source>
        <translation>%1 gilt nur für das Journal der bezahlten Tische (Art 1)</translation>
    </message>
    <message>
        <source>report: kind %1 is not available on the command line</source>
        <translation>report: Art %1 ist auf der Kommandozeile nicht verfügbar</translation>
    </message>
    <message>
        <source>report: --kind %1: Batch not found</source>
        <translation>report: --kind %1: Sammelbericht nicht gefunden</translation>
    </message>
    <message>
        <source>print a summary, a batch of summaries, the paid tables journal or the list of report kinds</source>
        <translation>eine Auswertung, einen Sammelbericht, das Journal der bezahlten Tische oder die Liste der Berichtsarten ausgeben</translation>
    </message>
    <message>
        <source>The report kind: 1 the paid tables journal, 3-42 a summary, 100+N the batch N.</source>
        <translation>Die Berichtsart: 1 das Journal der bezahlten Tische, 3-42 eine Auswertung, 100+N der Sammelbericht N.</translation>
    </message>
    <message>
        <source>List every report kind with its caption and grouping; with --data also the installation&apos;s batches (100+N).</source>
        <translation>Jede Berichtsart mit Titel und Gruppierung auflisten; mit --data auch die Sammelberichte der Installation (100+N).</translation>
    </message>
    <message>
        <source>The first closed day of the report; without it, the current day.</source>
        <translation>Der erste abgeschlossene Tag des Berichts; ohne die Option der laufende Tag.</translation>
    </message>
    <message>
        <source>The last closed day (needs --from; default: --from alone).</source>
        <translation>Der letzte abgeschlossene Tag (braucht --from; Standard: nur der Tag von --from).</translation>
    </message>
    <message>
        <source>Cut the range into periods of N days, each printed with its own header and separated by a line of &apos;*&apos; (the last period ends with --to); 0, the default, prints the whole range at once. Has an effect only with --from.</source>
        <translation>Den Zeitraum in Perioden von N Tagen teilen, jede mit eigenem Kopf ausgegeben und durch eine Zeile aus &apos;*&apos; getrennt (die letzte Periode endet mit --to); 0, der Standard, gibt den ganzen Zeitraum auf einmal aus. Wirkt nur mit --from.</translation>
    </message>
    <message>
        <source>Count the entries of the open tables too (current day only).</source>
        <translation>Auch die Buchungen der offenen Tische zählen (nur laufender Tag).</translation>
    </message>
    <message>
        <source>Leave out credit orders.</source>
        <translation>Gutschriftbonierungen weglassen.</translation>
    </message>
    <message>
        <source>All tables (default), only those that count in the turnover, or only those that do not.</source>
        <translation>Alle Tische (Standard), nur die, die im Umsatz zählen, oder nur die, die nicht zählen.</translation>
    </message>
    <message>
        <source>All waiters (default), without trainee waiters, or only trainee waiters.</source>
        <translation>Alle Kellner (Standard), ohne Azubi-Kellner oder nur Azubi-Kellner.</translation>
    </message>
    <message>
        <source>Only what waiter N booked, as the back office shows it to that waiter; 0 for all. An unknown waiter is an error.</source>
        <translation>Nur was Kellner N boniert hat, so wie das Backoffice es diesem Kellner zeigt; 0 für alle. Ein unbekannter Kellner ist ein Fehler.</translation>
    </message>
    <message>
        <source>Journal: the table lines carry the bill number (default no).</source>
        <translation>Journal: die Tischzeilen tragen die Bonnummer (Standard no).</translation>
    </message>
    <message>
        <source>Journal: the table lines carry the archive number (default no).</source>
        <translation>Journal: die Tischzeilen tragen die Archivnummer (Standard no).</translation>
    </message>
    <message>
        <source>Show the day being read and a progress bar on standard error, also when it is no terminal (by default only on a terminal).</source>
        <translation>Den gerade gelesenen Tag und einen Fortschrittsbalken auf der Standardfehlerausgabe zeigen, auch wenn sie kein Terminal ist (sonst nur auf einem Terminal).</translation>
    </message>
    <message>
        <source>Show no progress.</source>
        <translation>Keinen Fortschritt zeigen.</translation>
    </message>
    <message>
        <source>the report was written (also when nothing matched)</source>
        <translation>der Bericht wurde geschrieben (auch wenn nichts zutraf)</translation>
    </message>
    <message>
        <source>&quot;Batch not found&quot;, a kind that only the back office shows, or a file that cannot be read</source>
        <translation>„Sammelbericht nicht gefunden“, eine Art, die nur das Backoffice zeigt, oder eine Datei, die nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option, kind, filter, outlet or waiter, a bad date, --from after --to, --to without --from, no such directory</source>
        <translation>falsche Argumente: eine unbekannte Option, Art, ein unbekannter Filter, Betrieb oder Kellner, ein ungültiges Datum, --from nach --to, --to ohne --from, kein solches Verzeichnis</translation>
    </message>
    <message>
        <source>interrupted by Ctrl-C: the run stopped at its next table, nothing was printed and no --output file was left</source>
        <translation>durch Strg-C unterbrochen: der Lauf hielt beim nächsten Tisch an, nichts wurde ausgegeben und keine --output-Datei blieb zurück</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>too few arguments</source>
        <translation>zu wenige Argumente</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>bad value &apos;%1&apos; for %2 (%3)</source>
        <translation>ungültiger Wert &apos;%1&apos; für %2 (%3)</translation>
    </message>
    <message>
        <source>a whole number from %1</source>
        <translation>eine ganze Zahl ab %1</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>a whole number from 0</source>
        <translation>eine ganze Zahl ab 0</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>--to braucht --from</translation>
    </message>
    <message>
        <source>--from %1 lies after --to %2</source>
        <translation>--from %1 liegt nach --to %2</translation>
    </message>
    <message>
        <source>Usage: %1
</source>
        <translation>Aufruf: %1
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Append the program&apos;s log to FILE (level ERROR unless KORVAL_LOGLEVEL names another): the causes of failures, with their source positions.</source>
        <translation>Das Protokoll des Programms an FILE anhängen (Stufe ERROR, außer KORVAL_LOGLEVEL nennt eine andere): die Ursachen von Fehlern mit ihren Quellpositionen.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe zeigen.</translation>
    </message>
    <message>
        <source>Exit codes:</source>
        <translation>Rückgabewerte:</translation>
    </message>
    <message>
        <source>Usage: veltrum COMMAND [OPTIONS] [ARGUMENTS]
       veltrum help COMMAND | veltrum COMMAND --help

Looks into and works on the data of a POS installation.

Commands:
</source>
        <translation>Aufruf: veltrum BEFEHL [OPTIONEN] [ARGUMENTE]
       veltrum help BEFEHL | veltrum BEFEHL --help

Sieht sich die Daten einer Kasseninstallation an und bearbeitet sie.

Befehle:
</translation>
    </message>
    <message>
        <source>show the help of a command: its options and exit codes</source>
        <translation>die Hilfe eines Befehls zeigen: seine Optionen und Rückgabewerte</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>diese Hilfe zeigen</translation>
    </message>
    <message>
        <source>show the module&apos;s version</source>
        <translation>die Version des Moduls zeigen</translation>
    </message>
    <message>
        <source>Exit codes are the same for every command: 0 success, 1 failure (bad input, a file that cannot be read or written, a refused closing), 2 wrong arguments, 3 a closing stopped by open tables, 130 interrupted (Ctrl-C). Each command&apos;s help says which of them it uses.</source>
        <translation>Die Rückgabewerte sind für jeden Befehl dieselben: 0 Erfolg, 1 Fehler (ungültige Eingabe, eine Datei, die nicht gelesen oder geschrieben werden kann, ein abgelehnter Abschluss), 2 falsche Argumente, 3 ein durch offene Tische angehaltener Abschluss, 130 unterbrochen (Strg-C). Die Hilfe jedes Befehls sagt, welche davon er verwendet.</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>missing command</source>
        <translation>Befehl fehlt</translation>
    </message>
    <message>
        <source>%1: missing subcommand</source>
        <translation>%1: Unterbefehl fehlt</translation>
    </message>
    <message>
        <source>%1: unknown subcommand &apos;%2&apos;</source>
        <translation>%1: unbekannter Unterbefehl &apos;%2&apos;</translation>
    </message>
    <message>
        <source>unexpected error (%1)</source>
        <translation>unerwarteter Fehler (%1)</translation>
    </message>
    <message>
        <source>--data %1: no such directory</source>
        <translation>--data %1: kein solches Verzeichnis</translation>
    </message>
    <message>
        <source>The installation&apos;s directory (the one holding usr/data, var and etc).</source>
        <translation>Das Verzeichnis der Installation (das mit usr/data, var und etc).</translation>
    </message>
    <message>
        <source>Fixes the clock (the printed time and the business day), so that the output can be reproduced.</source>
        <translation>Stellt die Uhr fest (die gedruckte Uhrzeit und den Geschäftstag), damit sich die Ausgabe wiederholen lässt.</translation>
    </message>
    <message>
        <source>Only what the summary filter ID of usr/data/sumfilters.dat lets through; 0 for none. An unknown ID is an error.</source>
        <translation>Nur was der Berichtsfilter ID aus usr/data/sumfilters.dat durchlässt; 0 für keinen. Eine unbekannte ID ist ein Fehler.</translation>
    </message>
    <message>
        <source>Read the terminals of the outlet ID of usr/data/sumoutlets.dat instead of the installation&apos;s own data; 0 for none. An unknown ID is an error.</source>
        <translation>Die Terminals des Betriebs ID aus usr/data/sumoutlets.dat lesen statt der eigenen Daten der Installation; 0 für keinen. Eine unbekannte ID ist ein Fehler.</translation>
    </message>
    <message>
        <source>%1 %2: there is no %3 %2</source>
        <translation>%1 %2: es gibt keinen %3 %2</translation>
    </message>
    <message>
        <source>summary filter</source>
        <translation>Berichtsfilter</translation>
    </message>
    <message>
        <source>outlet</source>
        <translation>Betrieb</translation>
    </message>
    <message>
        <source>waiter</source>
        <translation>Kellner</translation>
    </message>
    <message>
        <source>list how long each waiter was logged on</source>
        <translation>auflisten, wie lange jeder Kellner angemeldet war</translation>
    </message>
    <message>
        <source>Prints what the back office&apos;s time controls document lists: one item per waiter in number order (number, name, total time), and under it one item per logon period in day order (day, an empty column, duration, logon and logoff time), from the day files of var/control.

A logoff earlier than the logon lies on the next day. A period that is still running (no logoff time) ends at --now when it belongs to the day of --now, and at 23:59:59 of its day before that. Without var/control, or with no day in the range, nothing is printed.

One item a line, children two blanks deeper, columns separated by a tab. --format csv and json write the same items (docs/report-json.md, &quot;Lists&quot;), pdf the printed page.</source>
        <translation>Gibt aus, was das Dokument „Zeiterfassung“ des Backoffice auflistet: einen Eintrag je Kellner in Nummernfolge (Nummer, Name, Gesamtzeit) und darunter einen Eintrag je Anmeldezeitraum in Tagesfolge (Tag, eine leere Spalte, Dauer, An- und Abmeldezeit), aus den Tagesdateien in var/control.

Eine Abmeldung vor der Anmeldung liegt am nächsten Tag. Ein noch laufender Zeitraum (ohne Abmeldezeit) endet bei --now, wenn er zum Tag von --now gehört, und davor um 23:59:59 seines Tages. Ohne var/control oder ohne Tag im Zeitraum wird nichts ausgegeben.

Ein Eintrag je Zeile, Kinder zwei Leerzeichen tiefer, Spalten durch einen Tabulator getrennt. --format csv und json schreiben dieselben Einträge (docs/report-json.md, &quot;Lists&quot;), pdf die gedruckte Seite.</translation>
    </message>
    <message>
        <source>The first day to list; without it, from the first day recorded.</source>
        <translation>Der erste aufzulistende Tag; ohne die Option ab dem ersten erfassten Tag.</translation>
    </message>
    <message>
        <source>The last day to list; without it, up to the last day recorded.</source>
        <translation>Der letzte aufzulistende Tag; ohne die Option bis zum letzten erfassten Tag.</translation>
    </message>
    <message>
        <source>Only waiter N. An unknown waiter is an error.</source>
        <translation>Nur Kellner N. Ein unbekannter Kellner ist ein Fehler.</translation>
    </message>
    <message>
        <source>Fixes the clock that running periods end at, so that the output can be reproduced.</source>
        <translation>Stellt die Uhr fest, zu der laufende Zeiträume enden, damit sich die Ausgabe wiederholen lässt.</translation>
    </message>
    <message>
        <source>the list was printed (also when nothing was recorded)</source>
        <translation>die Liste wurde ausgegeben (auch wenn nichts erfasst war)</translation>
    </message>
    <message>
        <source>the --output file could not be written, or a day file that cannot be read (&quot;Could not load time controls&quot;, or &quot;List of time controls not found&quot; when it vanished while being read)</source>
        <translation>die --output-Datei konnte nicht geschrieben werden, oder eine Tagesdatei kann nicht gelesen werden („Die Zeiterfassung konnte nicht geladen werden“, oder „Liste der Zeiterfassung nicht gefunden“, wenn sie beim Lesen verschwand)</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option or waiter, a bad date or time, --from after --to, no such directory</source>
        <translation>falsche Argumente: eine unbekannte Option oder ein unbekannter Kellner, ein ungültiges Datum oder eine ungültige Uhrzeit, --from nach --to, kein solches Verzeichnis</translation>
    </message>
    <message>
        <source>The form of the output: the printed lines (text, default); the data the lines come from as CSV (a header row, one row per item, RFC 4180) or as JSON (&quot;format&quot;: 1, see docs/report-json.md), amounts in cents; or the printed page as PDF (needs --output when standard output is a terminal).</source>
        <translation>Die Form der Ausgabe: die gedruckten Zeilen (text, Standard); die Daten, aus denen die Zeilen stammen, als CSV (eine Kopfzeile, eine Zeile je Eintrag, RFC 4180) oder als JSON (&quot;format&quot;: 1, siehe docs/report-json.md), Beträge in Cent; oder die gedruckte Seite als PDF (braucht --output, wenn die Standardausgabe ein Terminal ist).</translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output. FILE is replaced only when the run succeeds; an interrupted or failed run leaves no partial file.</source>
        <translation>In FILE statt auf die Standardausgabe schreiben. FILE wird nur ersetzt, wenn der Lauf gelingt; ein unterbrochener oder fehlgeschlagener Lauf hinterlässt keine halbe Datei.</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>ein Dateiname</translation>
    </message>
    <message>
        <source>--format pdf writes no PDF to a terminal; add --output FILE</source>
        <translation>--format pdf schreibt kein PDF auf ein Terminal; --output FILE angeben</translation>
    </message>
    <message>
        <source>--output %1: is a directory</source>
        <translation>--output %1: ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>standard output cannot be written</source>
        <translation>die Standardausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>das PDF konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>current day</source>
        <translation>laufender Tag</translation>
    </message>
    <message>
        <source>table %1/%2</source>
        <translation>Tisch %1/%2</translation>
    </message>
    <message>
        <source>table %1/%2, waiter %3 %4</source>
        <translation>Tisch %1/%2, Kellner %3 %4</translation>
    </message>
    <message>
        <source>Dry run: closing %1 (%2); nothing is written.</source>
        <translation>Probelauf: Abschluss von %1 (%2); es wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>waiter %1 %2</source>
        <translation>Kellner %1 %2</translation>
    </message>
    <message>
        <source>whole day</source>
        <translation>ganzer Tag</translation>
    </message>
    <message>
        <source>The closing would go through.</source>
        <translation>Der Abschluss würde gelingen.</translation>
    </message>
    <message>
        <source>The closing would not go through: %1</source>
        <translation>Der Abschluss würde nicht gelingen: %1</translation>
    </message>
    <message>
        <source>turnover: %1</source>
        <translation>turnover: %1</translation>
    </message>
    <message>
        <source>veltrum: turnover: closing %1 again; Z counter %2 is used</source>
        <translation>veltrum: turnover: %1 wird erneut abgeschlossen; Z-Zähler %2 wird verwendet</translation>
    </message>
    <message>
        <source>Closed %1: %2 bills moved into %3</source>
        <translation>%1 abgeschlossen: %2 Bons verschoben nach %3</translation>
    </message>
    <message>
        <source>Z counter %1, the day&apos;s Z number %2</source>
        <translation>Z-Zähler %1, Z-Nummer des Tages %2</translation>
    </message>
    <message>
        <source>turnover: there still are open tables; close them on the terminals, or add --force to close the day all the same:</source>
        <translation>turnover: es gibt noch offene Tische; schließen Sie sie auf den Terminals oder geben Sie --force an, um den Tag trotzdem abzuschließen:</translation>
    </message>
    <message>
        <source>close the business day (of one waiter)</source>
        <translation>den Geschäftstag abschließen (eines Kellners)</translation>
    </message>
    <message>
        <source>The business day to close.</source>
        <translation>Der abzuschließende Geschäftstag.</translation>
    </message>
    <message>
        <source>Close only the tables of waiter N. An unknown waiter is an error.</source>
        <translation>Nur die Tische von Kellner N abschließen. Ein unbekannter Kellner ist ein Fehler.</translation>
    </message>
    <message>
        <source>The waiter who runs the closing (journalled and named in the terminals&apos; message). An unknown waiter is an error.</source>
        <translation>Der Kellner, der den Abschluss ausführt (protokolliert und in der Nachricht an die Terminals genannt). Ein unbekannter Kellner ist ein Fehler.</translation>
    </message>
    <message>
        <source>Give up when var/archives holds nothing to move.</source>
        <translation>Aufgeben, wenn var/archives nichts zu verschieben enthält.</translation>
    </message>
    <message>
        <source>Close even while tables are open, and close again a day that was closed as a whole before (a Z number is used).</source>
        <translation>Auch bei offenen Tischen abschließen und einen Tag erneut abschließen, der zuvor als Ganzes abgeschlossen wurde (eine Z-Nummer wird verbraucht).</translation>
    </message>
    <message>
        <source>Check and tell what the closing would do, without writing anything.</source>
        <translation>Prüfen und sagen, was der Abschluss täte, ohne etwas zu schreiben.</translation>
    </message>
    <message>
        <source>the day was closed (with --dry-run: it would be)</source>
        <translation>der Tag wurde abgeschlossen (mit --dry-run: er würde es)</translation>
    </message>
    <message>
        <source>open tables stopped the closing (see --force); with --dry-run: they would</source>
        <translation>offene Tische hielten den Abschluss an (siehe --force); mit --dry-run: sie würden es</translation>
    </message>
    <message>
        <source>the paid tables journal (kind %1) has no chart</source>
        <translation>das Journal der bezahlten Tische (Art %1) hat keine Grafik</translation>
    </message>
    <message>
        <source>--format %1: report kind %2 has no chart (charts: the waiter, minimal, article, family, department, void, hour and discount reports)</source>
        <translation>--format %1: die Berichtsart %2 hat keine Grafik (Grafiken: Kellner-, Kurz-, Artikel-, Warengruppen-, Abteilungs-, Storno-, Stunden- und Rabattberichte)</translation>
    </message>
    <message>
        <source>Messages, help and reports in German (de) or English (en); without it, the language that LC_ALL, LC_MESSAGES or LANG names, else the &quot;language&quot; of the installation&apos;s etc/globals.ini, else English.</source>
        <translation>Meldungen, Hilfe und Berichte auf Deutsch (de) oder Englisch (en); ohne die Option die Sprache, die LC_ALL, LC_MESSAGES oder LANG nennt, sonst die „language“ aus etc/globals.ini der Installation, sonst Englisch.</translation>
    </message>
    <message>
        <source>messages, help and reports in German or English</source>
        <translation>Meldungen, Hilfe und Berichte auf Deutsch oder Englisch</translation>
    </message>
    <message>
        <source>bad value &apos;%1&apos; for --lang (de|en)</source>
        <translation>ungültiger Wert &apos;%1&apos; für --lang (de|en)</translation>
    </message>
    <message>
        <source>--lang is given more than once</source>
        <translation>--lang ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>The form of the output: the printed lines (text, default); the data the lines come from as CSV (a header row, one row per item, RFC 4180) or as JSON (&quot;format&quot;: 1, see docs/report-json.md), amounts in cents; the printed page as PDF, with the report&apos;s chart under its header; or the chart alone as PNG or SVG, one chart per waiter or cost center one below the other (PDF and PNG need --output when standard output is a terminal).</source>
        <translation>Die Form der Ausgabe: die gedruckten Zeilen (text, Standard); die Daten, aus denen die Zeilen stammen, als CSV (eine Kopfzeile, eine Zeile je Eintrag, RFC 4180) oder als JSON (&quot;format&quot;: 1, siehe docs/report-json.md), Beträge in Cent; die gedruckte Seite als PDF, mit der Grafik des Berichts unter seinem Kopf; oder nur die Grafik als PNG oder SVG, eine Grafik je Kellner oder Kostenstelle untereinander (PDF und PNG brauchen --output, wenn die Standardausgabe ein Terminal ist).</translation>
    </message>
    <message>
        <source>--format png writes no picture to a terminal; add --output FILE</source>
        <translation>--format png schreibt kein Bild auf ein Terminal; --output FILE angeben</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>die Grafik konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>--day and --all exclude each other</source>
        <translation>--day und --all schließen einander aus</translation>
    </message>
    <message>
        <source>all days</source>
        <translation>alle Tage</translation>
    </message>
    <message>
        <source>%1 closing(s) of %2 verified: everything holds</source>
        <translation>%1 Abschluss/Abschlüsse von %2 geprüft: alles in Ordnung</translation>
    </message>
    <message>
        <source>%1 closing(s) of %2 verified: %3 finding(s)</source>
        <translation>%1 Abschluss/Abschlüsse von %2 geprüft: %3 Befund(e)</translation>
    </message>
    <message>
        <source> (%1 made before closing records were kept: Z continuity only)</source>
        <translation> (%1 davon vor Einführung der Abschlussdatensätze: nur Z-Fortlauf geprüft)</translation>
    </message>
    <message>
        <source>Check only the closings of this day (and the Z gaps before them).</source>
        <translation>Nur die Abschlüsse dieses Tages prüfen (und die Z-Lücken davor).</translation>
    </message>
    <message>
        <source>Check every closed day (the default).</source>
        <translation>Jeden abgeschlossenen Tag prüfen (der Standard).</translation>
    </message>
    <message>
        <source>everything holds</source>
        <translation>alles in Ordnung</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option, a bad date, --day with --all, no such directory</source>
        <translation>falsche Argumente: eine unbekannte Option, ein ungültiges Datum, --day mit --all, kein solches Verzeichnis</translation>
    </message>
    <message>
        <source>z: the installation has no closing with Z counter %1</source>
        <translation>z: die Installation hat keinen Abschluss mit dem Z-Zähler %1</translation>
    </message>
    <message>
        <source>Closings</source>
        <translation>Abschlüsse</translation>
    </message>
    <message>
        <source>list the closings, or print the Z report of one</source>
        <translation>die Abschlüsse auflisten oder den Z-Bericht eines Abschlusses ausgeben</translation>
    </message>
    <message>
        <source>List the closings from this day on.</source>
        <translation>Die Abschlüsse ab diesem Tag auflisten.</translation>
    </message>
    <message>
        <source>List the closings up to this day.</source>
        <translation>Die Abschlüsse bis zu diesem Tag auflisten.</translation>
    </message>
    <message>
        <source>Print the Z report of the closing with Z counter Z.</source>
        <translation>Den Z-Bericht des Abschlusses mit dem Z-Zähler Z ausgeben.</translation>
    </message>
    <message>
        <source>the list or the Z report was written</source>
        <translation>die Liste oder der Z-Bericht wurde geschrieben</translation>
    </message>
    <message>
        <source>--layouts %1: no such file</source>
        <translation>--layouts %1: keine solche Datei</translation>
    </message>
    <message>
        <source>%1: the folder could not be made</source>
        <translation>%1: der Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>write the paid tables as the intermediate lists of report designs</source>
        <translation>die bezahlten Tische als Zwischenlisten für Berichtsvorlagen schreiben</translation>
    </message>
    <message>
        <source>Writes what the back office hands to report designs (&quot;Crystal Reports&quot;, F9) without the window: the lists tables, creates, orders, voids, pays, infos and splits of the paid tables, each as LIST.txt in the folder --out (made when missing): CSV in UTF-8 with a header line, records linked to their table by ref_table (docs/intermediate-lists.md). Spreadsheets and other report tools read them as they are.

Without --from the current day&apos;s paid tables (var/archives); with --from the closed days from --from to --to (--from alone: that day). --filter leaves out the tables and entries the summary filter does not let through; voided payments are never listed. With --outlet the data paths of the outlet&apos;s terminals are read one after another into the same lists. The five table lists are removed first.

Prints each file with its number of records.</source>
        <translation>Schreibt ohne Fenster, was das Backoffice an Berichtsvorlagen übergibt (&quot;Crystal Reports&quot;, F9): die Listen tables, creates, orders, voids, pays, infos und splits der bezahlten Tische, jede als LIST.txt im Ordner --out (angelegt, wenn er fehlt): CSV in UTF-8 mit Kopfzeile, die Sätze über ref_table mit ihrem Tisch verknüpft (docs/intermediate-lists.md). Tabellenkalkulationen und andere Berichtswerkzeuge lesen sie, wie sie sind.

Ohne --from die bezahlten Tische des aktuellen Tages (var/archives); mit --from die abgeschlossenen Tage von --from bis --to (--from allein: dieser Tag). --filter lässt die Tische und Buchungen aus, die der Summenfilter nicht durchlässt; stornierte Zahlungen werden nie aufgeführt. Mit --outlet werden die Datenpfade der Kassen des Betriebs nacheinander in dieselben Listen gelesen. Die fünf Tischlisten werden zuerst entfernt.

Gibt jede Datei mit der Zahl ihrer Sätze aus.</translation>
    </message>
    <message>
        <source>The folder the lists are written to.</source>
        <translation>Der Ordner, in den die Listen geschrieben werden.</translation>
    </message>
    <message>
        <source>First closed day; without it, the current day.</source>
        <translation>Erster abgeschlossener Tag; ohne ihn der aktuelle Tag.</translation>
    </message>
    <message>
        <source>Last closed day (needs --from; default: --from).</source>
        <translation>Letzter abgeschlossener Tag (braucht --from; Vorgabe: --from).</translation>
    </message>
    <message>
        <source>A report&apos;s ini file whose section &quot;default&quot; names the columns and separator of each list (&quot;pays = ref_table;waitername;amount&quot;); without it every column, separated by &quot;,&quot;.</source>
        <translation>Die ini-Datei eines Berichts, deren Abschnitt &quot;default&quot; die Spalten und das Trennzeichen jeder Liste nennt (&quot;pays = ref_table;waitername;amount&quot;); ohne sie jede Spalte, getrennt durch &quot;,&quot;.</translation>
    </message>
    <message>
        <source>the lists were written (also when they are empty)</source>
        <translation>die Listen wurden geschrieben (auch wenn sie leer sind)</translation>
    </message>
    <message>
        <source>a list could not be removed or written</source>
        <translation>eine Liste konnte nicht entfernt oder geschrieben werden</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option, filter or outlet, a bad date, no such directory</source>
        <translation>falsche Argumente: eine unbekannte Option, ein unbekannter Filter oder Betrieb, ein ungültiges Datum, kein solches Verzeichnis</translation>
    </message>
    <message>
        <source>%1: too large for a list (%2 bytes)</source>
        <translation>%1: zu groß für eine Liste (%2 Bytes)</translation>
    </message>
    <message>
        <source>veltrum: report: %1</source>
        <translation>veltrum: report: %1</translation>
    </message>
    <message>
        <source>Outcome: %1</source>
        <translation>Ergebnis: %1</translation>
    </message>
    <message>
        <source>veltrum: turnover: left in var/archives: %1</source>
        <translation>veltrum: turnover: in var/archives zurückgelassen: %1</translation>
    </message>
    <message>
        <source>veltrum: turnover: %1</source>
        <translation>veltrum: turnover: %1</translation>
    </message>
    <message>
        <source>veltrum: turnover: the disk is full; make room, then run the closing again to move the rest</source>
        <translation>veltrum: turnover: der Datenträger ist voll; Platz schaffen, dann den Abschluss erneut ausführen, um den Rest zu verschieben</translation>
    </message>
    <message>
        <source>turnover: the closing of %1 failed: %2%3; %4 bills moved before stay moved</source>
        <translation>turnover: der Abschluss vom %1 ist fehlgeschlagen: %2%3; %4 vorher verschobene Bons bleiben verschoben</translation>
    </message>
    <message>
        <source>the disk is full: </source>
        <translation>der Datenträger ist voll: </translation>
    </message>
    <message>
        <source>the day was closed, but bills were left behind in var/archives or a step after the moves failed (listed on stderr); a later closing moves the rest</source>
        <translation>der Tag wurde abgeschlossen, aber Bons blieben in var/archives zurück oder ein Schritt nach dem Verschieben schlug fehl (auf stderr aufgeführt); ein späterer Abschluss verschiebt den Rest</translation>
    </message>
    <message>
        <source>the disk is full: the closing failed, or closed the day leaving bills behind (listed on stderr)</source>
        <translation>der Datenträger ist voll: der Abschluss schlug fehl oder schloss den Tag ab und ließ Bons zurück (auf stderr aufgeführt)</translation>
    </message>
    <message>
        <source>The chain database: postgresql://USER@HOST:PORT/DATABASE (HOST may be the directory of the server&apos;s socket, written %2F for each /, or given as ?host=DIR). The password comes from --password-file, VELTRUM_CHAIN_PASSWORD, VELTRUM_CHAIN_PASSWORD_FILE, PGPASSWORD or ~/.pgpass, never from the command line.</source>
        <translation>Die Kettendatenbank: postgresql://USER@HOST:PORT/DATABASE (HOST kann das Verzeichnis des Sockets des Servers sein, jedes / als %2F geschrieben, oder als ?host=DIR angegeben). Das Passwort kommt aus --password-file, VELTRUM_CHAIN_PASSWORD, VELTRUM_CHAIN_PASSWORD_FILE, PGPASSWORD oder ~/.pgpass, nie von der Befehlszeile.</translation>
    </message>
    <message>
        <source>Read the database password from the first line of FILE.</source>
        <translation>Das Datenbankpasswort aus der ersten Zeile von FILE lesen.</translation>
    </message>
    <message>
        <source>--db: %1</source>
        <translation>--db: %1</translation>
    </message>
    <message>
        <source>the installation&apos;s record names no database for the statistics upload (&quot;cloudservice&quot; 1); give --db</source>
        <translation>der Installationsdatensatz nennt keine Datenbank für das Hochladen der Statistik (&quot;cloudservice&quot; 1); --db angeben</translation>
    </message>
    <message>
        <source>chain init: cannot connect to %1: %2</source>
        <translation>chain init: keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>chain init: %1</source>
        <translation>chain init: %1</translation>
    </message>
    <message>
        <source>Chain database %1: schema version %2, %3 migrations applied now</source>
        <translation>Kettendatenbank %1: Schemaversion %2, %3 Migrationen jetzt angewendet</translation>
    </message>
    <message>
        <source>Sent %1</source>
        <translation>Gesendet: %1</translation>
    </message>
    <message>
        <source>Nothing to send</source>
        <translation>Nichts zu senden</translation>
    </message>
    <message>
        <source>chain push: %1; still queued: %2</source>
        <translation>chain push: %1; noch in der Warteschlange: %2</translation>
    </message>
    <message>
        <source>chain push: %1</source>
        <translation>chain push: %1</translation>
    </message>
    <message>
        <source>give --db, --data or both</source>
        <translation>--db, --data oder beides angeben</translation>
    </message>
    <message>
        <source>chain status: cannot connect to %1: %2</source>
        <translation>chain status: keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>chain status: %1 holds no chain schema (see &apos;veltrum chain init&apos;)</source>
        <translation>chain status: %1 enthält kein Kettenschema (siehe &apos;veltrum chain init&apos;)</translation>
    </message>
    <message>
        <source>chain status: %1</source>
        <translation>chain status: %1</translation>
    </message>
    <message>
        <source>Chain database %1, schema version %2</source>
        <translation>Kettendatenbank %1, Schemaversion %2</translation>
    </message>
    <message>
        <source>Outlet</source>
        <translation>Betrieb</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>No outlet has sent a day yet.</source>
        <translation>Noch kein Betrieb hat einen Tag gesendet.</translation>
    </message>
    <message>
        <source>Queued in %1: nothing</source>
        <translation>In der Warteschlange %1: nichts</translation>
    </message>
    <message>
        <source>Queued in %1: %2 days</source>
        <translation>In der Warteschlange %1: %2 Tage</translation>
    </message>
    <message>
        <source>  %1  queued %2, %3 failed attempts</source>
        <translation>  %1  eingereiht %2, %3 fehlgeschlagene Versuche</translation>
    </message>
    <message>
        <source>  the queue file is damaged (%1 lines unreadable); &apos;veltrum chain push --from A --to B&apos; sends a range of days again</source>
        <translation>  die Warteschlangendatei ist beschädigt (%1 Zeilen nicht lesbar); &apos;veltrum chain push --from A --to B&apos; sendet einen Bereich von Tagen erneut</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>Chain status</source>
        <translation>Kettenstatus</translation>
    </message>
    <message>
        <source>create or update the schema of the chain database</source>
        <translation>das Schema der Kettendatenbank anlegen oder aktualisieren</translation>
    </message>
    <message>
        <source>Brings the PostgreSQL database --db up to the chain statistics&apos; schema: the migrations it lacks are applied in order, each in its own transaction, and recorded in the table schema_version. Running it again changes nothing. The database itself must exist (createdb). The statistics upload of a closing and &apos;veltrum chain push&apos; apply the migrations too.</source>
        <translation>Bringt die PostgreSQL-Datenbank --db auf das Schema der Kettenstatistik: die fehlenden Migrationen werden der Reihe nach angewendet, jede in einer eigenen Transaktion, und in der Tabelle schema_version vermerkt. Ein erneuter Aufruf ändert nichts. Die Datenbank selbst muss bestehen (createdb). Das Hochladen der Statistik beim Abschluss und &apos;veltrum chain push&apos; wenden die Migrationen ebenfalls an.</translation>
    </message>
    <message>
        <source>the schema is up to date</source>
        <translation>das Schema ist aktuell</translation>
    </message>
    <message>
        <source>the server cannot be reached or a migration failed (rolled back whole)</source>
        <translation>der Server ist nicht erreichbar oder eine Migration schlug fehl (ganz zurückgenommen)</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option, a bad URL, an unreadable password file</source>
        <translation>falsche Argumente: eine unbekannte Option, eine ungültige URL, eine nicht lesbare Passwortdatei</translation>
    </message>
    <message>
        <source>send the queued closed days to the chain database</source>
        <translation>die eingereihten abgeschlossenen Tage an die Kettendatenbank senden</translation>
    </message>
    <message>
        <source>Sends the closed days that wait in the installation&apos;s queue (var/chain.queue) to the chain database, in day order, each day in one transaction, and takes each off the queue once it arrived. With --from (and --to) the closed days of that range are queued and sent too, so a day can be sent again: a day that arrived before changes nothing. The database is --db, or the one the installation&apos;s record names for the statistics upload (&quot;cloudservice&quot; 1, &quot;dbservername&quot;, &quot;dbdatabasename&quot;, &quot;dbusername&quot;). A day closing sends its day the same way; when the server cannot be reached the days stay queued for the next closing or push.</source>
        <translation>Sendet die abgeschlossenen Tage, die in der Warteschlange der Installation (var/chain.queue) warten, an die Kettendatenbank, nach Tagen geordnet, jeden Tag in einer Transaktion, und nimmt jeden aus der Warteschlange, sobald er angekommen ist. Mit --from (und --to) werden auch die abgeschlossenen Tage dieses Bereichs eingereiht und gesendet, so kann ein Tag erneut gesendet werden: ein Tag, der schon angekommen ist, ändert nichts. Die Datenbank ist --db oder die, die der Installationsdatensatz für das Hochladen der Statistik nennt (&quot;cloudservice&quot; 1, &quot;dbservername&quot;, &quot;dbdatabasename&quot;, &quot;dbusername&quot;). Ein Tagesabschluss sendet seinen Tag ebenso; ist der Server nicht erreichbar, bleiben die Tage für den nächsten Abschluss oder push in der Warteschlange.</translation>
    </message>
    <message>
        <source>Send the closed days from this day on too.</source>
        <translation>Auch die abgeschlossenen Tage ab diesem Tag senden.</translation>
    </message>
    <message>
        <source>The last day of --from&apos;s range (default: --from alone).</source>
        <translation>Der letzte Tag des Bereichs von --from (Standard: --from allein).</translation>
    </message>
    <message>
        <source>every queued day arrived (or nothing was queued)</source>
        <translation>jeder eingereihte Tag ist angekommen (oder nichts war eingereiht)</translation>
    </message>
    <message>
        <source>the server cannot be reached or refused a day: the days not sent stay queued; or the queue cannot be written</source>
        <translation>der Server ist nicht erreichbar oder hat einen Tag abgelehnt: die nicht gesendeten Tage bleiben eingereiht; oder die Warteschlange kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option, a bad URL or date, no database given or named by the installation</source>
        <translation>falsche Argumente: eine unbekannte Option, eine ungültige URL oder ein ungültiges Datum, keine Datenbank angegeben oder von der Installation genannt</translation>
    </message>
    <message>
        <source>what the chain database holds per outlet, and what is queued</source>
        <translation>was die Kettendatenbank je Betrieb enthält und was eingereiht ist</translation>
    </message>
    <message>
        <source>the status was written</source>
        <translation>der Status wurde ausgegeben</translation>
    </message>
    <message>
        <source>the server cannot be reached or holds no chain schema</source>
        <translation>der Server ist nicht erreichbar oder enthält kein Kettenschema</translation>
    </message>
    <message>
        <source>wrong arguments: neither --db nor --data, an unknown option, a bad URL</source>
        <translation>falsche Argumente: weder --db noch --data, eine unbekannte Option, eine ungültige URL</translation>
    </message>
    <message>
        <source>office numbers separated by commas</source>
        <translation>Betriebsnummern, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>--outlets: the chain database holds no outlet %1</source>
        <translation>--outlets: die Kettendatenbank enthält keinen Betrieb %1</translation>
    </message>
    <message>
        <source>Outlets %1</source>
        <translation>Betriebe %1</translation>
    </message>
    <message>
        <source>veltrum: chain report: %1</source>
        <translation>veltrum: chain report: %1</translation>
    </message>
    <message>
        <source>--kind %1: chain reports are the summaries, kinds 3 to 42 (see &apos;veltrum report --list-kinds&apos;)</source>
        <translation>--kind %1: Kettenberichte sind die Auswertungen, Arten 3 bis 42 (siehe &apos;veltrum report --list-kinds&apos;)</translation>
    </message>
    <message>
        <source>--from is required: chain reports cover closed days</source>
        <translation>--from ist nötig: Kettenberichte umfassen abgeschlossene Tage</translation>
    </message>
    <message>
        <source>chain report: cannot connect to %1: %2</source>
        <translation>chain report: keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>chain report: %1 holds no chain schema (see &apos;veltrum chain init&apos;)</source>
        <translation>chain report: %1 enthält kein Kettenschema (siehe &apos;veltrum chain init&apos;)</translation>
    </message>
    <message>
        <source>chain report: %1</source>
        <translation>chain report: %1</translation>
    </message>
    <message>
        <source>chain report: no outlet has sent a day yet</source>
        <translation>chain report: noch kein Betrieb hat einen Tag gesendet</translation>
    </message>
    <message>
        <source>chain report: interrupted; nothing was written</source>
        <translation>chain report: unterbrochen; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>chain report: kind %1 is not available on the command line</source>
        <translation>chain report: die Art %1 gibt es auf der Befehlszeile nicht</translation>
    </message>
    <message>
        <source>print a summary over the closed days of several outlets</source>
        <translation>eine Auswertung über die abgeschlossenen Tage mehrerer Betriebe ausgeben</translation>
    </message>
    <message>
        <source>The report kind, 3 to 42.</source>
        <translation>Die Berichtsart, 3 bis 42.</translation>
    </message>
    <message>
        <source>The first closed day of the report.</source>
        <translation>Der erste abgeschlossene Tag des Berichts.</translation>
    </message>
    <message>
        <source>The last closed day (default: --from alone).</source>
        <translation>Der letzte abgeschlossene Tag (Standard: --from allein).</translation>
    </message>
    <message>
        <source>Only these outlets (office numbers); default: every outlet of the database. An outlet the database does not hold is an error.</source>
        <translation>Nur diese Betriebe (Betriebsnummern); Standard: jeder Betrieb der Datenbank. Ein Betrieb, den die Datenbank nicht enthält, ist ein Fehler.</translation>
    </message>
    <message>
        <source>One report per outlet, one after another, instead of one over all.</source>
        <translation>Ein Bericht je Betrieb, einer nach dem anderen, statt eines über alle.</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option, a kind that is no summary, an outlet the database does not hold, a bad date or URL</source>
        <translation>falsche Argumente: eine unbekannte Option, eine Art, die keine Auswertung ist, ein Betrieb, den die Datenbank nicht enthält, ein ungültiges Datum oder eine ungültige URL</translation>
    </message>
    <message>
        <source>interrupted by Ctrl-C; nothing was written</source>
        <translation>durch Strg-C unterbrochen; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>Read every closed day from its day summary, not from the cache of closed days in var/reportcache (the figures are the same).</source>
        <translation>Jeden abgeschlossenen Tag aus seiner Tageszusammenfassung lesen, nicht aus dem Zwischenspeicher abgeschlossener Tage in var/reportcache (die Zahlen sind dieselben).</translation>
    </message>
    <message>
        <source>--source groups: the stored groups hold every table and credit; --turnover, --trainee and --without-credits need --source summaries</source>
        <translation>--source groups: die gespeicherten Gruppen enthalten jeden Tisch und jeden Kredit; --turnover, --trainee und --without-credits brauchen --source summaries</translation>
    </message>
    <message>
        <source>chain report: not every day of these outlets has its groups stored (sent by an earlier version); --source summaries reads the day summaries</source>
        <translation>chain report: nicht zu jedem Tag dieser Betriebe sind die Gruppen gespeichert (von einer früheren Version gesendet); --source summaries liest die Tageszusammenfassungen</translation>
    </message>
    <message>
        <source>Prints the summary of report kind ID (3 to 42, as &apos;veltrum report&apos;) over the closed days --from to --to of the outlets in the chain database: consolidated into one report, or one report per outlet with --per-outlet. The report is the local one, computed by the same report engine from the days the outlets sent: for a single outlet it prints, line by line, what &apos;veltrum report&apos; prints in that outlet&apos;s installation over the same days. Captions, master data and settings are those of the outlet with the lowest office number among them, as it sent them with its last day; the header of a consolidated report names the outlets by number.

The days come from the groups each outlet stored with its day, as the report engine adds them up (--source groups): a day&apos;s groups of every outlet are added to the report, in office order. --turnover, --trainee and --without-credits, and days sent by an earlier version, read the stored day summaries instead (--source summaries): every table of the day, run through the report engine. --source auto, the default, takes the groups whenever they serve.

--format csv and json write the data the lines come from (csv with the outlet in the first column), pdf the printed page.</source>
        <translation>Gibt die Auswertung der Berichtsart ID (3 bis 42, wie &apos;veltrum report&apos;) über die abgeschlossenen Tage --from bis --to der Betriebe in der Kettendatenbank aus: zu einem Bericht zusammengefasst, oder mit --per-outlet ein Bericht je Betrieb. Der Bericht ist der lokale, von derselben Berichtsmaschine aus den Tagen berechnet, die die Betriebe gesendet haben: für einen einzelnen Betrieb gibt er Zeile für Zeile aus, was &apos;veltrum report&apos; in der Installation dieses Betriebs über dieselben Tage ausgibt. Beschriftungen, Stammdaten und Einstellungen sind die des Betriebs mit der niedrigsten Betriebsnummer unter ihnen, wie er sie mit seinem letzten Tag gesendet hat; die Kopfzeile eines zusammengefassten Berichts nennt die Betriebe mit ihrer Nummer.

Die Tage kommen aus den Gruppen, die jeder Betrieb mit seinem Tag gespeichert hat, wie die Berichtsmaschine sie zusammenzählt (--source groups): die Gruppen eines Tages werden von jedem Betrieb zum Bericht addiert, nach Betriebsnummer geordnet. --turnover, --trainee und --without-credits sowie Tage, die eine frühere Version gesendet hat, lesen stattdessen die gespeicherten Tageszusammenfassungen (--source summaries): jeden Tisch des Tages, durch die Berichtsmaschine gerechnet. --source auto, der Standard, nimmt die Gruppen, wann immer sie genügen.

--format csv und json schreiben die Daten, aus denen die Zeilen stammen (csv mit dem Betrieb in der ersten Spalte), pdf die gedruckte Seite.</translation>
    </message>
    <message>
        <source>Add up the stored groups, or run the report engine over the stored day summaries; auto (default): the groups whenever they serve.</source>
        <translation>Die gespeicherten Gruppen addieren oder die Berichtsmaschine über die gespeicherten Tageszusammenfassungen laufen lassen; auto (Standard): die Gruppen, wann immer sie genügen.</translation>
    </message>
    <message>
        <source>the report&apos;s data could not be written to the temporary file %1 (%2)</source>
        <translation>die Daten des Berichts konnten nicht in die temporäre Datei %1 geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>the report&apos;s data could not be read back (%1)</source>
        <translation>die Daten des Berichts konnten nicht zurückgelesen werden (%1)</translation>
    </message>
    <message>
        <source>%1; nothing is sent, the outbox keeps every mail</source>
        <translation>%1; nichts wird gesendet, der Postausgang behält jede Mail</translation>
    </message>
    <message>
        <source>job %1: no mail was made: %2</source>
        <translation>Auftrag %1: keine Mail erstellt: %2</translation>
    </message>
    <message>
        <source>Job %1: %2 attachments for %3</source>
        <translation>Auftrag %1: %2 Anhänge für %3</translation>
    </message>
    <message>
        <source>Sent the mail of job %1 to %2</source>
        <translation>Die Mail des Auftrags %1 an %2 gesendet</translation>
    </message>
    <message>
        <source>job %1: attempt %2 of %3: %4</source>
        <translation>Auftrag %1: Versuch %2 von %3: %4</translation>
    </message>
    <message>
        <source>job %1: the mail was not delivered; it stays in the outbox (%2) and is sent again by the next run of the timer from %3</source>
        <translation>Auftrag %1: die Mail wurde nicht zugestellt; sie bleibt im Postausgang (%2) und wird beim nächsten Lauf des Timers ab %3 erneut gesendet</translation>
    </message>
    <message>
        <source>The outbox %1 is empty</source>
        <translation>Der Postausgang %1 ist leer</translation>
    </message>
    <message>
        <source>%1  job %2  to %3  made %4  %5 failed attempts</source>
        <translation>%1  Auftrag %2  an %3  erstellt %4  %5 fehlgeschlagene Versuche</translation>
    </message>
    <message>
        <source>give one of --job NAME, --due and --outbox</source>
        <translation>genau eines von --job NAME, --due und --outbox angeben</translation>
    </message>
    <message>
        <source>mail: %1</source>
        <translation>mail: %1</translation>
    </message>
    <message>
        <source>--job %1: %2 has no such job (%3)</source>
        <translation>--job %1: %2 enthält keinen solchen Auftrag (%3)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>mail reports: one job now, or every job that is due</source>
        <translation>Berichte mailen: einen Auftrag jetzt oder jeden fälligen Auftrag</translation>
    </message>
    <message>
        <source>Mails reports as the jobs file (/etc/veltrum/mail.ini, or --jobs FILE) describes them: per job the installation, the reports (kinds, batches, the Z reports of the closings), the range in words (yesterday, last week, last month, month to date), the formats, the recipients, the language and the schedule; the [smtp] section names the server (STARTTLS or TLS, a login whose password is read from a file that no other user may read).

--job NAME makes the job&apos;s mail now: every report in every format as an attachment, the subject and text in the job&apos;s language. --due, which the timer veltrum-mail.timer runs, sends what waits in the outbox and makes the mail of every job whose schedule time came since its last run (a new job waits for its first time). A mail goes into the outbox (in the state directory) before it is sent and leaves it when the server took it; a delivery that fails is tried again after a pause that doubles with every attempt, then logged with the reason and left in the outbox, where the next run of the timer finds it: no mail is lost. --outbox lists what waits there.</source>
        <translation>Mailt Berichte, wie die Auftragsdatei (/etc/veltrum/mail.ini oder --jobs FILE) sie beschreibt: je Auftrag die Installation, die Berichte (Arten, Stapel, die Z-Berichte der Abschlüsse), den Zeitraum in Worten (yesterday, last week, last month, month to date), die Formate, die Empfänger, die Sprache und den Zeitplan; der Abschnitt [smtp] nennt den Server (STARTTLS oder TLS, eine Anmeldung, deren Passwort aus einer Datei gelesen wird, die kein anderer Benutzer lesen darf).

--job NAME erstellt die Mail des Auftrags jetzt: jeden Bericht in jedem Format als Anhang, Betreff und Text in der Sprache des Auftrags. --due, das der Timer veltrum-mail.timer ausführt, sendet, was im Postausgang wartet, und erstellt die Mail jedes Auftrags, dessen Zeitpunkt seit seinem letzten Lauf gekommen ist (ein neuer Auftrag wartet auf seinen ersten Zeitpunkt). Eine Mail kommt in den Postausgang (im Zustandsverzeichnis), bevor sie gesendet wird, und verlässt ihn, wenn der Server sie angenommen hat; eine fehlgeschlagene Zustellung wird nach einer Pause, die sich mit jedem Versuch verdoppelt, erneut versucht, dann mit dem Grund protokolliert und im Postausgang gelassen, wo der nächste Lauf des Timers sie findet: keine Mail geht verloren. --outbox listet, was dort wartet.</translation>
    </message>
    <message>
        <source>Mail the job NAME now.</source>
        <translation>Den Auftrag NAME jetzt mailen.</translation>
    </message>
    <message>
        <source>Send the outbox and mail the jobs whose schedule is due.</source>
        <translation>Den Postausgang senden und die Aufträge mailen, deren Zeitpunkt fällig ist.</translation>
    </message>
    <message>
        <source>List the mails that wait in the outbox.</source>
        <translation>Die Mails auflisten, die im Postausgang warten.</translation>
    </message>
    <message>
        <source>The jobs file (default /etc/veltrum/mail.ini, or $VELTRUM_CONFIG_DIR/mail.ini).</source>
        <translation>Die Auftragsdatei (Standard /etc/veltrum/mail.ini oder $VELTRUM_CONFIG_DIR/mail.ini).</translation>
    </message>
    <message>
        <source>Where the outbox and the schedules&apos; state are kept (default: the service&apos;s $STATE_DIRECTORY, else /var/lib/veltrum).</source>
        <translation>Wo der Postausgang und der Stand der Zeitpläne liegen (Standard: $STATE_DIRECTORY des Dienstes, sonst /var/lib/veltrum).</translation>
    </message>
    <message>
        <source>Fixes the clock: which jobs are due, the range, the reports&apos; print time.</source>
        <translation>Legt die Uhr fest: welche Aufträge fällig sind, den Zeitraum, die Druckzeit der Berichte.</translation>
    </message>
    <message>
        <source>every mail was delivered (or nothing was due)</source>
        <translation>jede Mail wurde zugestellt (oder nichts war fällig)</translation>
    </message>
    <message>
        <source>the jobs file or the password file cannot be read or is wrong, a report failed, or a mail was not delivered: it stays in the outbox for the next run</source>
        <translation>die Auftrags- oder die Passwortdatei kann nicht gelesen werden oder ist fehlerhaft, ein Bericht ist fehlgeschlagen, oder eine Mail wurde nicht zugestellt: sie bleibt für den nächsten Lauf im Postausgang</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option or job, not exactly one of --job, --due and --outbox</source>
        <translation>falsche Argumente: eine unbekannte Option oder ein unbekannter Auftrag, nicht genau eines von --job, --due und --outbox</translation>
    </message>
    <message>
        <source>%1 was closed already; nothing to do</source>
        <translation>%1 wurde bereits abgeschlossen; nichts zu tun</translation>
    </message>
    <message>
        <source>%1 had nothing to close; nothing to do</source>
        <translation>%1 hatte nichts abzuschließen; nichts zu tun</translation>
    </message>
    <message>
        <source>%1: exec-waiter = %2: the installation has no such waiter</source>
        <translation>%1: exec-waiter = %2: die Installation hat keinen solchen Kellner</translation>
    </message>
    <message>
        <source>Closed %1: %2 bills moved into %3; Z counter %4, the day&apos;s Z number %5</source>
        <translation>%1 abgeschlossen: %2 Rechnungen nach %3 verschoben; Z-Zähler %4, Z-Nummer des Tages %5</translation>
    </message>
    <message>
        <source>Tables open on the terminals stay open for the next day</source>
        <translation>Auf den Terminals offene Tische bleiben für den nächsten Tag offen</translation>
    </message>
    <message>
        <source>left in var/archives: %1</source>
        <translation>in var/archives geblieben: %1</translation>
    </message>
    <message>
        <source>%1 closed, but: %2</source>
        <translation>%1 abgeschlossen, aber: %2</translation>
    </message>
    <message>
        <source>tables are still open on the terminals; %1 is closed at the next run after they are (open-tables = wait in %2)</source>
        <translation>auf den Terminals sind noch Tische offen; %1 wird beim nächsten Lauf abgeschlossen, nachdem sie geschlossen sind (open-tables = wait in %2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing to close for %1: var/archives holds no paid table</source>
        <translation>Nichts abzuschließen für %1: var/archives enthält keinen bezahlten Tisch</translation>
    </message>
    <message>
        <source>the closing of %1 failed: another closing is running (var/lock/turnover.lck is held); retried at the next run</source>
        <translation>der Abschluss von %1 ist fehlgeschlagen: ein anderer Abschluss läuft (var/lock/turnover.lck ist belegt); erneuter Versuch beim nächsten Lauf</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>Code %1</translation>
    </message>
    <message>
        <source>the closing of %1 failed: %2; %3 bills moved before stay moved; retried at the next run</source>
        <translation>der Abschluss von %1 ist fehlgeschlagen: %2; %3 zuvor verschobene Rechnungen bleiben verschoben; erneuter Versuch beim nächsten Lauf</translation>
    </message>
    <message>
        <source>chain database: %1</source>
        <translation>Kettendatenbank: %1</translation>
    </message>
    <message>
        <source>Sent %1 to the chain database</source>
        <translation>%1 an die Kettendatenbank gesendet</translation>
    </message>
    <message>
        <source>the chain database %1: %2; still queued: %3 (sent at the next run)</source>
        <translation>die Kettendatenbank %1: %2; noch in der Warteschlange: %3 (beim nächsten Lauf gesendet)</translation>
    </message>
    <message>
        <source>give --installation NAME or --config FILE</source>
        <translation>--installation NAME oder --config FILE angeben</translation>
    </message>
    <message>
        <source>scheduled-closing: %1</source>
        <translation>scheduled-closing: %1</translation>
    </message>
    <message>
        <source>Installation %1 (%2): the day due is %3</source>
        <translation>Installation %1 (%2): fällig ist der %3</translation>
    </message>
    <message>
        <source>the closing of %1 failed: %2; retried at the next run</source>
        <translation>der Abschluss von %1 ist fehlgeschlagen: %2; erneuter Versuch beim nächsten Lauf</translation>
    </message>
    <message>
        <source>the chain queue: %1</source>
        <translation>die Warteschlange der Kette: %1</translation>
    </message>
    <message>
        <source>scheduled-closing: %1: %2</source>
        <translation>scheduled-closing: %1: %2</translation>
    </message>
    <message>
        <source>close the day that is due, as the closing timer does</source>
        <translation>den fälligen Tag abschließen, wie es der Abschluss-Timer tut</translation>
    </message>
    <message>
        <source>Closes the business day of an installation that the closing timer serves (veltrum-closing@NAME.timer, configured in /etc/veltrum/NAME.conf): the day that ended at the last start of the gastronomic day (&quot;dayoffs&quot; in the installation&apos;s etc/globals.ini) is due once the delay of the configuration has passed after it. It is closed as a whole with the cancel-if-empty rule: when var/archives holds no paid table nothing is closed and no Z number is used. Tables open on the terminals stay open for the next day (open-tables = close) or stop the closing until they are closed (open-tables = wait).

A day closed before (a whole-day line in its journal, also one closed from the window) or found empty before is left alone, so running it again does nothing. A closing that fails says why on stderr and exits non-zero; the day is closed at the next run. Afterwards the days waiting in the chain queue (var/chain.queue) are sent when the installation&apos;s record names a chain database; a day that does not arrive stays queued for the next run and makes the exit code non-zero.</source>
        <translation>Schließt den Geschäftstag einer Installation ab, die der Abschluss-Timer bedient (veltrum-closing@NAME.timer, eingerichtet in /etc/veltrum/NAME.conf): der Tag, der mit dem letzten Beginn des Gastronomietages (&quot;dayoffs&quot; in etc/globals.ini der Installation) endete, ist fällig, sobald die Verzögerung der Einrichtung danach vergangen ist. Er wird als ganzer Tag mit der Regel „abbrechen, wenn leer“ abgeschlossen: enthält var/archives keinen bezahlten Tisch, wird nichts abgeschlossen und keine Z-Nummer verbraucht. Auf den Terminals offene Tische bleiben für den nächsten Tag offen (open-tables = close) oder halten den Abschluss auf, bis sie geschlossen sind (open-tables = wait).

Ein zuvor abgeschlossener Tag (eine Ganztageszeile in seinem Journal, auch ein im Fenster abgeschlossener) oder ein zuvor leer gefundener Tag bleibt unberührt, ein erneuter Lauf tut also nichts. Ein fehlgeschlagener Abschluss nennt den Grund auf stderr und endet mit einem Code ungleich null; der Tag wird beim nächsten Lauf abgeschlossen. Danach werden die Tage aus der Warteschlange der Kette (var/chain.queue) gesendet, wenn der Installationsdatensatz eine Kettendatenbank nennt; ein Tag, der nicht ankommt, bleibt für den nächsten Lauf in der Warteschlange und macht den Exitcode ungleich null.</translation>
    </message>
    <message>
        <source>The installation configured in /etc/veltrum/NAME.conf (or $VELTRUM_CONFIG_DIR/NAME.conf).</source>
        <translation>Die in /etc/veltrum/NAME.conf (oder $VELTRUM_CONFIG_DIR/NAME.conf) eingerichtete Installation.</translation>
    </message>
    <message>
        <source>The installation&apos;s configuration file, instead of --installation.</source>
        <translation>Die Einrichtungsdatei der Installation, statt --installation.</translation>
    </message>
    <message>
        <source>Fixes the clock: which day is due, and the time the closing records.</source>
        <translation>Legt die Uhr fest: welcher Tag fällig ist und welche Zeit der Abschluss festhält.</translation>
    </message>
    <message>
        <source>the day due was closed, or was closed or found empty before; the chain queue is empty</source>
        <translation>der fällige Tag wurde abgeschlossen oder war zuvor abgeschlossen oder leer; die Warteschlange der Kette ist leer</translation>
    </message>
    <message>
        <source>the configuration cannot be read, the closing failed, or a queued day did not reach the chain database: retried at the next run</source>
        <translation>die Einrichtung kann nicht gelesen werden, der Abschluss ist fehlgeschlagen, oder ein Tag der Warteschlange hat die Kettendatenbank nicht erreicht: erneuter Versuch beim nächsten Lauf</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option, neither or both of --installation and --config</source>
        <translation>falsche Argumente: eine unbekannte Option, weder oder beide von --installation und --config</translation>
    </message>
    <message>
        <source>open tables stopped the closing (open-tables = wait)</source>
        <translation>offene Tische haben den Abschluss aufgehalten (open-tables = wait)</translation>
    </message>
    <message>
        <source>the day was closed, but bills were left behind in var/archives or a step after the moves failed</source>
        <translation>der Tag wurde abgeschlossen, aber Rechnungen sind in var/archives geblieben oder ein Schritt nach dem Verschieben ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>a section header is &quot;[name]&quot;</source>
        <translation>ein Abschnittskopf lautet &quot;[name]&quot;</translation>
    </message>
    <message>
        <source>not &quot;key = value&quot;: %1</source>
        <translation>nicht &quot;key = value&quot;: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands before the first [section]</source>
        <translation>&quot;%1&quot; steht vor dem ersten [Abschnitt]</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was set already in line %2</source>
        <translation>&quot;%1&quot; wurde bereits in Zeile %2 gesetzt</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot; in [%2] (known: %3)</source>
        <translation>unbekannter Schlüssel &quot;%1&quot; in [%2] (bekannt: %3)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no installation name (letters, digits, &apos;-&apos;, &apos;_&apos;, &apos;.&apos;)</source>
        <translation>&apos;%1&apos; ist kein Installationsname (Buchstaben, Ziffern, &apos;-&apos;, &apos;_&apos;, &apos;.&apos;)</translation>
    </message>
    <message>
        <source>unknown section [%1] (known: installation, closing)</source>
        <translation>unbekannter Abschnitt [%1] (bekannt: installation, closing)</translation>
    </message>
    <message>
        <source>%1: names no installation directory (data = DIR in [installation])</source>
        <translation>%1: nennt kein Installationsverzeichnis (data = DIR in [installation])</translation>
    </message>
    <message>
        <source>data = %1: no such directory (an absolute path)</source>
        <translation>data = %1: kein solches Verzeichnis (ein absoluter Pfad)</translation>
    </message>
    <message>
        <source>delay = %1: minutes from 0 to 1440 expected</source>
        <translation>delay = %1: Minuten von 0 bis 1440 erwartet</translation>
    </message>
    <message>
        <source>open-tables = %1: close or wait expected</source>
        <translation>open-tables = %1: close oder wait erwartet</translation>
    </message>
    <message>
        <source>exec-waiter = %1: a waiter&apos;s number expected</source>
        <translation>exec-waiter = %1: die Nummer eines Kellners erwartet</translation>
    </message>
    <message>
        <source>reports = %1: &apos;%2&apos; is no report (a kind 1-42, batch N or z)</source>
        <translation>reports = %1: &apos;%2&apos; ist kein Bericht (eine Art 1-42, batch N oder z)</translation>
    </message>
    <message>
        <source>reports: name at least one report</source>
        <translation>reports: mindestens einen Bericht nennen</translation>
    </message>
    <message>
        <source>[%1]: give installation = NAME or data = DIR</source>
        <translation>[%1]: installation = NAME oder data = DIR angeben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no installation name</source>
        <translation>&apos;%1&apos; ist kein Installationsname</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no format (%2)</source>
        <translation>&apos;%1&apos; ist kein Format (%2)</translation>
    </message>
    <message>
        <source>[%1]: names no recipient (to = …)</source>
        <translation>[%1]: nennt keinen Empfänger (to = …)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no mail address</source>
        <translation>&apos;%1&apos; ist keine Mailadresse</translation>
    </message>
    <message>
        <source>language = %1: de or en expected</source>
        <translation>language = %1: de oder en erwartet</translation>
    </message>
    <message>
        <source>a second [job %1]</source>
        <translation>ein zweiter [job %1]</translation>
    </message>
    <message>
        <source>unknown section [%1] (known: smtp, job NAME)</source>
        <translation>unbekannter Abschnitt [%1] (bekannt: smtp, job NAME)</translation>
    </message>
    <message>
        <source>%1: has no [smtp] section naming the mail server</source>
        <translation>%1: hat keinen Abschnitt [smtp], der den Mailserver nennt</translation>
    </message>
    <message>
        <source>url = %1: smtp://HOST:PORT or smtps://HOST:PORT expected</source>
        <translation>url = %1: smtp://HOST:PORT oder smtps://HOST:PORT erwartet</translation>
    </message>
    <message>
        <source>security = %1: starttls, tls or none expected</source>
        <translation>security = %1: starttls, tls oder none erwartet</translation>
    </message>
    <message>
        <source>security tls goes with smtps://, starttls and none with smtp://</source>
        <translation>security tls gehört zu smtps://, starttls und none zu smtp://</translation>
    </message>
    <message>
        <source>a user needs its password-file = FILE</source>
        <translation>ein Benutzer braucht seine password-file = FILE</translation>
    </message>
    <message>
        <source>from = %1: the sender&apos;s mail address expected</source>
        <translation>from = %1: die Mailadresse des Absenders erwartet</translation>
    </message>
    <message>
        <source>attempts: 1 to 10 expected</source>
        <translation>attempts: 1 bis 10 erwartet</translation>
    </message>
    <message>
        <source>retry-pause: 0 to 600 seconds expected</source>
        <translation>retry-pause: 0 bis 600 Sekunden erwartet</translation>
    </message>
    <message>
        <source>%1: no such file (password-file of %2)</source>
        <translation>%1: keine solche Datei (password-file von %2)</translation>
    </message>
    <message>
        <source>%1: every user of this machine may read the password; allow only the service user (chmod 600 or 640) and run again</source>
        <translation>%1: jeder Benutzer dieses Rechners darf das Passwort lesen; nur den Dienstbenutzer zulassen (chmod 600 oder 640) und erneut ausführen</translation>
    </message>
    <message>
        <source>Batch %1</source>
        <translation>Stapel %1</translation>
    </message>
    <message>
        <source>Z report %1 of %2</source>
        <translation>Z-Bericht %1 vom %2</translation>
    </message>
    <message>
        <source>%1: the program could not be run: %2</source>
        <translation>%1: das Programm konnte nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <source>%1 (&apos;veltrum %2&apos;) failed with exit code %3: %4</source>
        <translation>%1 (&apos;veltrum %2&apos;) ist mit Exitcode %3 fehlgeschlagen: %4</translation>
    </message>
    <message>
        <source>%1: no such installation directory (job %2)</source>
        <translation>%1: kein solches Installationsverzeichnis (Auftrag %2)</translation>
    </message>
    <message>
        <source>no temporary folder for the reports: %1</source>
        <translation>kein temporärer Ordner für die Berichte: %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1: reports of %2</source>
        <translation>%1: Berichte vom %2</translation>
    </message>
    <message>
        <source>The reports of %1 of %2 are attached:</source>
        <translation>Die Berichte von %1 vom %2 liegen bei:</translation>
    </message>
    <message>
        <source>  (no closing in these days)</source>
        <translation>  (kein Abschluss an diesen Tagen)</translation>
    </message>
    <message>
        <source>Sent by Veltrum, mail job &quot;%1&quot; of %2.</source>
        <translation>Gesendet von Veltrum, Mailauftrag &quot;%1&quot; aus %2.</translation>
    </message>
    <message>
        <source>With --db lists every outlet of the chain database: its office number and name, the number of closed days received, the first and the last one, their bills and bill total (the order lines of those bills, in the form money takes without a currency list; cents in CSV and JSON). With --data lists the installation&apos;s queue: the closed days not sent yet, when each was queued, how often sending failed and why.</source>
        <translation>Mit --db werden alle Betriebe der Kettendatenbank aufgelistet: Betriebsnummer und Name, die Zahl der empfangenen abgeschlossenen Tage, der erste und der letzte davon, ihre Bons und ihre Bonsumme (die Bestellpositionen dieser Bons, in der Form, die Geldbeträge ohne Währungsliste haben; in CSV und JSON in Cent). Mit --data wird die Warteschlange der Installation aufgelistet: die noch nicht gesendeten abgeschlossenen Tage, wann jeder eingereiht wurde, wie oft das Senden fehlschlug und warum.</translation>
    </message>
    <message>
        <source>check the closed days against their closing records, and reconcile them</source>
        <translation>die abgeschlossenen Tage gegen ihre Abschlussdatensätze prüfen und abstimmen</translation>
    </message>
    <message>
        <source>mail: %1: the state directory cannot be made</source>
        <translation>mail: %1: das Zustandsverzeichnis kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>mail: another &apos;veltrum mail&apos; has been sending for five minutes (%1); try again later</source>
        <translation>mail: ein anderes &apos;veltrum mail&apos; sendet seit fünf Minuten (%1); später erneut versuchen</translation>
    </message>
    <message>
        <source>Write nothing into the installation: a closed day whose day summary is missing or older than a table of the day is read from its tables instead of the summary being built again, the cache of closed days is neither read nor written, a fiscal batch does not store its fiscal summary file (the figures are the same). For an installation this user may only read; &apos;veltrum serve&apos; makes every report so.</source>
        <translation>Nichts in die Installation schreiben: ein abgeschlossener Tag, dessen Tageszusammenfassung fehlt oder älter als ein Tisch des Tages ist, wird aus seinen Tischen gelesen, statt die Zusammenfassung neu zu bilden, der Zwischenspeicher abgeschlossener Tage wird weder gelesen noch geschrieben, ein fiskalischer Stapel legt seine fiskalische Auswertungsdatei nicht ab (die Zahlen sind dieselben). Für eine Installation, die dieser Benutzer nur lesen darf; &apos;veltrum serve&apos; erstellt jeden Bericht so.</translation>
    </message>
    <message>
        <source>no temporary folder can be made (%1)</source>
        <translation>es kann kein temporärer Ordner angelegt werden (%1)</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>no password on standard input</source>
        <translation>kein Passwort auf der Standardeingabe</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>kein Passwort angegeben</translation>
    </message>
    <message>
        <source>the two passwords differ</source>
        <translation>die beiden Passwörter unterscheiden sich</translation>
    </message>
    <message>
        <source>%1 does not go with %2</source>
        <translation>%1 passt nicht zu %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no user name (1 to 64 letters, digits and . _ - @)</source>
        <translation>&apos;%1&apos; ist kein Benutzername (1 bis 64 Buchstaben, Ziffern und . _ - @)</translation>
    </message>
    <message>
        <source>serve: %1</source>
        <translation>serve: %1</translation>
    </message>
    <message>
        <source>serve: %1 holds no user &apos;%2&apos;</source>
        <translation>serve: %1 enthält keinen Benutzer &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 was taken out of %2; sessions of that user end within seconds</source>
        <translation>%1 wurde aus %2 entfernt; die Sitzungen dieses Benutzers enden binnen Sekunden</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Passwort für %1: </translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>Noch einmal dasselbe: </translation>
    </message>
    <message>
        <source>serve: a password has %1 to %2 characters</source>
        <translation>serve: ein Passwort hat %1 bis %2 Zeichen</translation>
    </message>
    <message>
        <source>serve: the folder %1 cannot be made</source>
        <translation>serve: der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 has a new password in %2; sessions of that user end within seconds</source>
        <translation>%1 hat in %2 ein neues Passwort; die Sitzungen dieses Benutzers enden binnen Sekunden</translation>
    </message>
    <message>
        <source>%1 may now log in (added to %2)</source>
        <translation>%1 darf sich jetzt anmelden (zu %2 hinzugefügt)</translation>
    </message>
    <message>
        <source>TLS is not available (no OpenSSL library found)</source>
        <translation>TLS ist nicht verfügbar (keine OpenSSL-Bibliothek gefunden)</translation>
    </message>
    <message>
        <source>%1: no certificate in PEM form can be read</source>
        <translation>%1: es lässt sich kein Zertifikat im PEM-Format lesen</translation>
    </message>
    <message>
        <source>%1: no unencrypted private key (RSA or EC) in PEM form</source>
        <translation>%1: kein unverschlüsselter privater Schlüssel (RSA oder EC) im PEM-Format</translation>
    </message>
    <message>
        <source>--add-user and --remove-user exclude each other</source>
        <translation>--add-user und --remove-user schließen einander aus</translation>
    </message>
    <message>
        <source>--data is missing</source>
        <translation>--data fehlt</translation>
    </message>
    <message>
        <source>--cert and --key go together</source>
        <translation>--cert und --key gehören zusammen</translation>
    </message>
    <message>
        <source>--password-file goes with --db</source>
        <translation>--password-file gehört zu --db</translation>
    </message>
    <message>
        <source>Serving %1 at %2://%3/ (Ctrl-C stops)</source>
        <translation>%1 wird unter %2://%3/ bedient (Strg-C beendet)</translation>
    </message>
    <message>
        <source>veltrum: serve: running as root; the web view needs no privileges: run it as a user who may only read the installation (see packaging/systemd/veltrum-serve.service)</source>
        <translation>veltrum: serve: läuft als root; die Webansicht braucht keine Rechte: starten Sie sie als Benutzer, der die Installation nur lesen darf (siehe packaging/systemd/veltrum-serve.service)</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Beendet.</translation>
    </message>
    <message>
        <source>the owner&apos;s web view: today&apos;s figures, reports, closings and the chain in a browser, read-only</source>
        <translation>die Webansicht des Inhabers: die Zahlen von heute, Berichte, Abschlüsse und die Kette im Browser, nur lesend</translation>
    </message>
    <message>
        <source>Serves a web page on which the people of the users file, once logged in, see today&apos;s figures as the back office&apos;s &quot;Today&quot; panel shows them (read again while the page is open) and the open tables; any report kind or batch over a range of closed days as the printed text and its charts, with the PDF, CSV and JSON that &apos;veltrum report&apos; writes; the closings with their Z reports, verified; and with --db every outlet of the chain database and reports over them. The page works on a phone and on a desktop, in German or English as the browser asks, and fetches nothing from elsewhere. Its JSON API is described in docs/web-api.md.

The server never writes into the installation: a closed day without a current day summary is read from its tables, no report cache is kept, no fiscal file is stored. Run it as a user who may only read the installation.

Locked down by default: it listens on 127.0.0.1:8080 unless --listen says otherwise, and refuses an address other machines can reach without TLS (--cert and --key) unless --insecure is given. Every page and call needs a login; wrong passwords are slowed down and then locked out, per user name and per address. Sessions are cookies only the server reads (HttpOnly, SameSite=Strict, Secure under TLS), ending after an hour without a request or twelve hours after the login; every POST carries the session&apos;s token. Requests are limited in size and time, and no file is served but the page&apos;s own.

The users file (--users, by default ~/.config/veltrum/serve-users) holds one user a line with the argon2id hash of the password. --add-user NAME asks for the password twice without showing it (from standard input, one line, when that is no terminal) and adds the user or gives a new password; --remove-user NAME takes the user out. The running server reads the file again within seconds.

Ctrl-C or SIGTERM stops the server.</source>
        <translation>Bedient eine Webseite, auf der die Personen der Benutzerdatei nach der Anmeldung die Zahlen von heute sehen, wie das Feld &quot;Heute&quot; des Back Office sie zeigt (neu gelesen, solange die Seite offen ist), und die offenen Tische; jede Berichtsart und jeden Stapel über einen Zeitraum abgeschlossener Tage als gedruckten Text mit seinen Diagrammen, dazu PDF, CSV und JSON, wie &apos;veltrum report&apos; sie schreibt; die Abschlüsse mit ihren Z-Berichten, geprüft; und mit --db jeden Betrieb der Kettendatenbank und Berichte über sie. Die Seite funktioniert auf dem Telefon und am Schreibtisch, auf Deutsch oder Englisch, wie der Browser es wünscht, und lädt nichts von anderswo. Ihre JSON-Schnittstelle beschreibt docs/web-api.md.

Der Server schreibt nie in die Installation: ein abgeschlossener Tag ohne aktuelle Tageszusammenfassung wird aus seinen Tischen gelesen, es wird kein Berichtszwischenspeicher geführt und keine fiskalische Datei abgelegt. Starten Sie ihn als Benutzer, der die Installation nur lesen darf.

Von Haus aus abgesichert: er lauscht auf 127.0.0.1:8080, sofern --listen nichts anderes sagt, und lehnt eine von anderen Rechnern erreichbare Adresse ohne TLS (--cert und --key) ab, außer --insecure ist angegeben. Jede Seite und jede Abfrage braucht eine Anmeldung; falsche Passwörter werden gebremst und dann gesperrt, je Benutzername und je Adresse. Sitzungen sind Cookies, die nur der Server liest (HttpOnly, SameSite=Strict, unter TLS Secure), und enden nach einer Stunde ohne Anfrage oder zwölf Stunden nach der Anmeldung; jedes POST trägt das Token der Sitzung. Anfragen sind in Größe und Zeit begrenzt, und es wird keine Datei ausgeliefert außer denen der Seite.

Die Benutzerdatei (--users, standardmäßig ~/.config/veltrum/serve-users) enthält einen Benutzer je Zeile mit dem argon2id-Hash des Passworts. --add-user NAME fragt zweimal nach dem Passwort, ohne es anzuzeigen (von der Standardeingabe, eine Zeile, wenn sie kein Terminal ist), und fügt den Benutzer hinzu oder gibt ihm ein neues Passwort; --remove-user NAME entfernt den Benutzer. Der laufende Server liest die Datei binnen Sekunden neu.

Strg-C oder SIGTERM beendet den Server.</translation>
    </message>
    <message>
        <source>The address and port to listen on (default 127.0.0.1:8080; port 0 picks a free one, printed on start). An address other than loopback needs --cert and --key, or --insecure.</source>
        <translation>Adresse und Port, auf denen gelauscht wird (Standard 127.0.0.1:8080; Port 0 wählt einen freien, der beim Start ausgegeben wird). Eine andere Adresse als Loopback braucht --cert und --key oder --insecure.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate (PEM, with its chain): serve over TLS.</source>
        <translation>Das Zertifikat des Servers (PEM, mit seiner Kette): über TLS bedienen.</translation>
    </message>
    <message>
        <source>The certificate&apos;s private key (PEM, RSA or EC, not encrypted).</source>
        <translation>Der private Schlüssel des Zertifikats (PEM, RSA oder EC, nicht verschlüsselt).</translation>
    </message>
    <message>
        <source>Listen on an address other machines can reach without TLS: passwords and figures go over the network unencrypted.</source>
        <translation>Ohne TLS auf einer Adresse lauschen, die andere Rechner erreichen: Passwörter und Zahlen gehen unverschlüsselt über das Netz.</translation>
    </message>
    <message>
        <source>The users file (default ~/.config/veltrum/serve-users).</source>
        <translation>Die Benutzerdatei (Standard ~/.config/veltrum/serve-users).</translation>
    </message>
    <message>
        <source>Add NAME to the users file, or give NAME a new password; the password is read without being shown (from standard input when it is no terminal), at least 8 characters.</source>
        <translation>NAME zur Benutzerdatei hinzufügen oder NAME ein neues Passwort geben; das Passwort wird gelesen, ohne angezeigt zu werden (von der Standardeingabe, wenn sie kein Terminal ist), mindestens 8 Zeichen.</translation>
    </message>
    <message>
        <source>Take NAME out of the users file.</source>
        <translation>NAME aus der Benutzerdatei entfernen.</translation>
    </message>
    <message>
        <source>the server was stopped (Ctrl-C, SIGTERM), or the users file was changed</source>
        <translation>der Server wurde beendet (Strg-C, SIGTERM), oder die Benutzerdatei wurde geändert</translation>
    </message>
    <message>
        <source>the address cannot be listened on, the certificate, key or users file cannot be read or names nobody, a user to take out is not there, the password is too short</source>
        <translation>auf der Adresse kann nicht gelauscht werden, Zertifikat, Schlüssel oder Benutzerdatei können nicht gelesen werden oder nennen niemanden, ein zu entfernender Benutzer ist nicht vorhanden, das Passwort ist zu kurz</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option, a bad address, an address other machines reach without TLS or --insecure, --cert without --key, no such directory</source>
        <translation>falsche Argumente: eine unbekannte Option, eine ungültige Adresse, eine von anderen Rechnern erreichbare Adresse ohne TLS oder --insecure, --cert ohne --key, kein solches Verzeichnis</translation>
    </message>
    <message>
        <source>--from is required: the chain holds closed days</source>
        <translation>--from ist nötig: die Kette enthält abgeschlossene Tage</translation>
    </message>
    <message>
        <source>chain exceptions: cannot connect to %1: %2</source>
        <translation>chain exceptions: keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>chain exceptions: %1 holds no chain schema (see &apos;veltrum chain init&apos;)</source>
        <translation>chain exceptions: %1 enthält kein Kettenschema (siehe &apos;veltrum chain init&apos;)</translation>
    </message>
    <message>
        <source>chain exceptions: %1</source>
        <translation>chain exceptions: %1</translation>
    </message>
    <message>
        <source>chain exceptions: no outlet has sent a day yet</source>
        <translation>chain exceptions: noch kein Betrieb hat einen Tag gesendet</translation>
    </message>
    <message>
        <source>the exceptions per waiter over the closed days of several outlets</source>
        <translation>die Auffälligkeiten je Kellner über die abgeschlossenen Tage mehrerer Betriebe</translation>
    </message>
    <message>
        <source>Runs &apos;veltrum exceptions&apos; over the closed days --from to --to of the outlets in the chain database: each outlet&apos;s days from the day summaries it sent, each waiter and cost center of each outlet a group of its own (&quot;Outlet 3 / 12 Anna&quot;), compared with the team of all outlets together. The entries behind a flag name their outlet, day, table, bill and archive number; the bill itself lies in the outlet&apos;s installation. The rules (section [Exceptions] of etc/reports.ini), captions and currency are those of the outlet with the lowest office number among those chosen, as it sent them with its last day.</source>
        <translation>Führt &apos;veltrum exceptions&apos; über die abgeschlossenen Tage --from bis --to der Betriebe in der Kettendatenbank aus: die Tage jedes Betriebs aus den Tagesübersichten, die er gesendet hat, jeder Kellner und jede Kostenstelle jedes Betriebs eine eigene Gruppe (&quot;Betrieb 3 / 12 Anna&quot;), verglichen mit dem Team aller Betriebe zusammen. Die Buchungen hinter einer Auffälligkeit nennen Betrieb, Tag, Tisch, Bon- und Archivnummer; der Bon selbst liegt in der Installation des Betriebs. Regeln (Abschnitt [Exceptions] der etc/reports.ini), Beschriftungen und Währung sind die des Betriebs mit der kleinsten Büronummer unter den gewählten, wie er sie mit seinem letzten Tag gesendet hat.</translation>
    </message>
    <message>
        <source>The first closed day.</source>
        <translation>Der erste abgeschlossene Tag.</translation>
    </message>
    <message>
        <source>the exceptions were written (also when nothing matched)</source>
        <translation>die Auffälligkeiten wurden ausgegeben (auch wenn nichts zutraf)</translation>
    </message>
    <message>
        <source>the server cannot be reached or holds no chain schema, a stored day cannot be read, or the --output file cannot be written</source>
        <translation>der Server ist nicht erreichbar oder enthält kein Kettenschema, ein gespeicherter Tag ist nicht lesbar, oder die Datei von --output kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option, an outlet the database does not hold, a bad date, number or URL</source>
        <translation>falsche Argumente: eine unbekannte Option, ein Betrieb, den die Datenbank nicht enthält, ein ungültiges Datum, eine ungültige Zahl oder URL</translation>
    </message>
    <message>
        <source>Flag a rate above X times the team&apos;s median (default: &quot;Multiple&quot; of section [Exceptions] in etc/reports.ini, else 3).</source>
        <translation>Eine Quote über dem X-fachen des Medians des Teams ist auffällig (Vorgabe: &quot;Multiple&quot; im Abschnitt [Exceptions] der etc/reports.ini, sonst 3).</translation>
    </message>
    <message>
        <source>Flag a figure only with at least N entries (default: &quot;MinCount&quot; of [Exceptions], else 3).</source>
        <translation>Eine Zahl ist erst ab N Buchungen auffällig (Vorgabe: &quot;MinCount&quot; in [Exceptions], sonst 3).</translation>
    </message>
    <message>
        <source>The entries listed: those behind the flagged figures (default), every entry, or none.</source>
        <translation>Die aufgeführten Buchungen: die hinter den auffälligen Zahlen (Vorgabe), alle oder keine.</translation>
    </message>
    <message>
        <source>The form of the output: the printed lines (text, default); the data as CSV (a header row, one row per figure and entry, RFC 4180) or as JSON (&quot;format&quot;: 1, see docs/exceptions.md), amounts in cents; the printed pages as PDF, with a chart of the rates per kind; the charts alone as SVG or PNG. PDF and PNG need --output when standard output is a terminal.</source>
        <translation>Die Form der Ausgabe: die gedruckten Zeilen (text, Vorgabe); die Daten als CSV (eine Kopfzeile, eine Zeile je Zahl und Buchung, RFC 4180) oder als JSON (&quot;format&quot;: 1, siehe docs/exceptions.md), Beträge in Cent; die gedruckten Seiten als PDF, mit einem Diagramm der Quoten je Art; die Diagramme allein als SVG oder PNG. PDF und PNG brauchen --output, wenn die Standardausgabe ein Terminal ist.</translation>
    </message>
    <message>
        <source>a number from 1 to 1000</source>
        <translation>eine Zahl von 1 bis 1000</translation>
    </message>
    <message>
        <source>veltrum: %1: %2</source>
        <translation>veltrum: %1: %2</translation>
    </message>
    <message>
        <source>%1: interrupted; nothing was written</source>
        <translation>%1: abgebrochen; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>Exceptions</source>
        <translation>Auffälligkeiten</translation>
    </message>
    <message>
        <source>--open-tables applies to the current day only</source>
        <translation>--open-tables gilt nur für den aktuellen Tag</translation>
    </message>
    <message>
        <source>voids, discounts, free prices, staff accounts and moved tables per waiter, against the team, with the outliers flagged</source>
        <translation>Stornos, Rabatte, freie Preise, Personalkonten und Tischwechsel je Kellner, verglichen mit dem Team, Ausreißer markiert</translation>
    </message>
    <message>
        <source>Puts side by side, per waiter and per cost center, what an owner looks at when money goes missing: voids (also those booked by another waiter, those of an article that had been sent already, and bills voided whole), discounts (also those at the late hours), free prices, price findings, payments to a staff account and of bills not in the summary, credits (vouchers sold), moved tables, splits and cash records. Each is counted, added up and set in relation to what the waiter did: per 100 bills and per 100 of the takings (the &quot;All amount&quot; of the waiter&apos;s summary).

Each rate stands beside the team&apos;s median (of the waiters with bills; the median of fewer than 3 is no team to compare with). A rate above --multiple times the median with at least --min-count entries is flagged, with the reason in words and the entries behind it: day, time, table, bill and archive number (as the paid tables journal shows them), article, amount, who voided, why. Over closed days the same rates follow per week (Monday to Sunday), so that a sudden change stands out.

Without --from the run covers the current, not yet closed business day (the paid tables, with --open-tables also the open ones); with --from the closed days --from to --to, read like the reports read them (day summaries, and the cache of closed days in var/reportcache). Voids, discounts and price findings are those the void, discount and price finding reports (kinds 13-18, 32-37) count. Section [Exceptions] of etc/reports.ini sets the defaults: Multiple, MinCount, LateFrom and LateUntil (default 22:00 to 05:00), StaffPayforms (the pay form numbers of the staff accounts; without it the pay forms whose name speaks of staff).</source>
        <translation>Stellt je Kellner und je Kostenstelle nebeneinander, worauf ein Inhaber schaut, wenn Geld fehlt: Stornos (auch die von einem anderen Kellner gebuchten, die eines schon bonierten Artikels und ganz stornierte Bons), Rabatte (auch die zu später Stunde), freie Preise, Preisfindungen, Zahlungen auf ein Personalkonto und von Bons, die nicht im Umsatz zählen, Gutschriften (verkaufte Gutscheine), Tischwechsel, Splittungen und Kassenbewegungen. Jedes wird gezählt, summiert und ins Verhältnis zu dem gesetzt, was der Kellner tat: je 100 Bons und je 100 der Einnahmen (der &quot;Gesamtbetrag&quot; der Auswertung des Kellners).

Jede Quote steht neben dem Median des Teams (der Kellner mit Bons; der Median von weniger als 3 ist kein Team zum Vergleichen). Eine Quote über dem --multiple-fachen des Medians mit mindestens --min-count Buchungen ist auffällig, mit dem Grund in Worten und den Buchungen dahinter: Tag, Zeit, Tisch, Bon- und Archivnummer (wie das Journal der bezahlten Tische sie zeigt), Artikel, Betrag, wer stornierte, warum. Über abgeschlossene Tage folgen dieselben Quoten je Woche (Montag bis Sonntag), so dass ein plötzlicher Wechsel auffällt.

Ohne --from umfasst der Lauf den aktuellen, noch nicht abgeschlossenen Geschäftstag (die bezahlten Tische, mit --open-tables auch die offenen); mit --from die abgeschlossenen Tage --from bis --to, gelesen wie die Berichte sie lesen (Tagesübersichten und der Zwischenspeicher abgeschlossener Tage in var/reportcache). Stornos, Rabatte und Preisfindungen sind die, die die Storno-, Rabatt- und Preisfindungsberichte (Arten 13-18, 32-37) zählen. Der Abschnitt [Exceptions] der etc/reports.ini setzt die Vorgaben: Multiple, MinCount, LateFrom und LateUntil (Vorgabe 22:00 bis 05:00), StaffPayforms (die Zahlungsartnummern der Personalkonten; ohne sie die Zahlungsarten, deren Name von Personal spricht).</translation>
    </message>
    <message>
        <source>The first closed day; without it, the current day.</source>
        <translation>Der erste abgeschlossene Tag; ohne ihn der aktuelle Tag.</translation>
    </message>
    <message>
        <source>a file that cannot be read, or the --output file cannot be written</source>
        <translation>eine Datei ist nicht lesbar, oder die Datei von --output kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option, a bad date or number, --from after --to, --to without --from, no such directory</source>
        <translation>falsche Argumente: eine unbekannte Option, ein ungültiges Datum oder eine ungültige Zahl, --from nach --to, --to ohne --from, kein solches Verzeichnis</translation>
    </message>
    <message>
        <source>export audit: %1</source>
        <translation>export audit: %1</translation>
    </message>
    <message>
        <source>%1  %2 days  %3 closings  %4 bills  %5 files</source>
        <translation>%1  %2 Tage  %3 Abschlüsse  %4 Bons  %5 Dateien</translation>
    </message>
    <message>
        <source>write the cash-register audit export of closed days (for a tax audit)</source>
        <translation>den Kassen-Prüfexport abgeschlossener Tage schreiben (für eine Betriebsprüfung)</translation>
    </message>
    <message>
        <source>The first day of the range.</source>
        <translation>Der erste Tag des Bereichs.</translation>
    </message>
    <message>
        <source>The last day of the range (default: --from alone).</source>
        <translation>Der letzte Tag des Bereichs (Standard: --from allein).</translation>
    </message>
    <message>
        <source>A new or empty folder for the files, or a ZIP archive of them (default: the folder audit_&lt;from&gt;_&lt;to&gt; in the current folder).</source>
        <translation>Ein neuer oder leerer Ordner für die Dateien oder ein ZIP-Archiv davon (Standard: der Ordner audit_&lt;from&gt;_&lt;to&gt; im aktuellen Ordner).</translation>
    </message>
    <message>
        <source>The time the archive&apos;s entries carry (default: now).</source>
        <translation>Die Zeit, die die Einträge des Archivs tragen (Standard: jetzt).</translation>
    </message>
    <message>
        <source>every file was written</source>
        <translation>jede Datei wurde geschrieben</translation>
    </message>
    <message>
        <source>nothing was written: no closed day in the range, etc/company.ini missing or wrong, a closing that does not verify, a folder that holds files, a file that cannot be written</source>
        <translation>nichts wurde geschrieben: kein abgeschlossener Tag im Zeitraum, etc/company.ini fehlt oder ist falsch, ein Abschluss besteht die Prüfung nicht, ein Ordner enthält Dateien, eine Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option, a bad date, --from after --to, no such directory</source>
        <translation>falsche Argumente: eine unbekannte Option, ein ungültiges Datum, --from nach --to, kein solches Verzeichnis</translation>
    </message>
    <message>
        <source>%1  %2 - %3  %4 days  %5 bookings%6</source>
        <translation>%1  %2 - %3  %4 Tage  %5 Buchungen%6</translation>
    </message>
    <message>
        <source>  (exported before, the same)</source>
        <translation>  (schon exportiert, unverändert)</translation>
    </message>
    <message>
        <source>export bookings: %1</source>
        <translation>export bookings: %1</translation>
    </message>
    <message>
        <source>write the bookings of closed days for the accounting software (booking batch)</source>
        <translation>die Buchungen abgeschlossener Tage für die Buchhaltungssoftware schreiben (Buchungsstapel)</translation>
    </message>
    <message>
        <source>The chart of accounts whose defaults fill the accounts etc/accounting.ini leaves out (default: the file&apos;s &quot;chart&quot;, else skr03).</source>
        <translation>Der Kontenrahmen, dessen Vorgaben die Konten füllen, die etc/accounting.ini auslässt (Standard: &quot;chart&quot; der Datei, sonst skr03).</translation>
    </message>
    <message>
        <source>The batch file, or a folder for files named EXTF_Buchungsstapel_&lt;from&gt;_&lt;to&gt;.csv (default: the current folder). A file is replaced only when the export succeeds.</source>
        <translation>Die Stapeldatei oder ein Ordner für Dateien namens EXTF_Buchungsstapel_&lt;von&gt;_&lt;bis&gt;.csv (Standard: der aktuelle Ordner). Eine Datei wird nur ersetzt, wenn der Export gelingt.</translation>
    </message>
    <message>
        <source>Export days again whose bookings differ from those exported before, and record the new ones.</source>
        <translation>Tage erneut exportieren, deren Buchungen von den früher exportierten abweichen, und die neuen festhalten.</translation>
    </message>
    <message>
        <source>The creation time the header carries (default: now).</source>
        <translation>Der Erstellungszeitpunkt im Kopf (Standard: jetzt).</translation>
    </message>
    <message>
        <source>every batch was written and its days recorded</source>
        <translation>jeder Stapel wurde geschrieben und seine Tage festgehalten</translation>
    </message>
    <message>
        <source>nothing or not everything was written: no closed day in the range, etc/accounting.ini missing or wrong, a closing that does not verify, a text Windows-1252 cannot hold, a day exported before with other bookings, a file that cannot be written</source>
        <translation>nichts oder nicht alles wurde geschrieben: kein abgeschlossener Tag im Bereich, etc/accounting.ini fehlt oder ist falsch, ein Abschluss besteht die Prüfung nicht, ein Text, den Windows-1252 nicht fassen kann, ein Tag wurde schon mit anderen Buchungen exportiert, eine Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option or chart, a bad date, --from after --to, no such directory</source>
        <translation>falsche Argumente: eine unbekannte Option oder ein unbekannter Kontenrahmen, ein ungültiges Datum, --from nach --to, kein solches Verzeichnis</translation>
    </message>
    <message>
        <source>the report could not be written to the temporary file %1 (%2)</source>
        <translation>der Bericht konnte nicht in die temporäre Datei %1 geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no amount (write it as 412.50)</source>
        <translation>%1: &apos;%2&apos; ist kein Betrag (schreiben Sie ihn als 412.50)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not NAME=AMOUNT</source>
        <translation>%1: &apos;%2&apos; ist nicht NAME=BETRAG</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no payment form or cash currency of the installation (%3)</source>
        <translation>%1: &apos;%2&apos; ist keine Zahlungsart und keine Bargeldwährung der Installation (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is counted twice</source>
        <translation>%1: %2 ist zweimal gezählt</translation>
    </message>
    <message>
        <source>--count-file: %1 cannot be read: %2</source>
        <translation>--count-file: %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 needs --count or --count-file</source>
        <translation>%1 braucht --count oder --count-file</translation>
    </message>
    <message>
        <source>--float: the opening float cannot be negative</source>
        <translation>--float: das Wechselgeld zu Beginn kann nicht negativ sein</translation>
    </message>
    <message>
        <source>--tolerance cannot be negative</source>
        <translation>--tolerance kann nicht negativ sein</translation>
    </message>
    <message>
        <source>the count names no payment form or currency</source>
        <translation>die Zählung nennt keine Zahlungsart und keine Währung</translation>
    </message>
    <message>
        <source>the cash count differs by %1, more than the tolerance of %2: say why with --comment</source>
        <translation>die Kassenzählung weicht um %1 ab, mehr als die Toleranz von %2: sagen Sie mit --comment, warum</translation>
    </message>
    <message>
        <source>%1 %2, %3 %4</source>
        <translation>%1 %2, %3 %4</translation>
    </message>
    <message>
        <source>Closes the business day --date as the back office does: the paid tables of var/archives move into var/statist/tagDD.MM.YYYY, stamped with the run&apos;s Z counter, the day gets its Z number, the run is journalled in the day&apos;s turnover.z, the day summary and the archive index are rebuilt, the statistics are uploaded and every terminal is told. With --waiter only that waiter&apos;s tables move.

Success prints the number of bills moved, the day directory, the Z counter the run used, the day&apos;s Z number and the outcome: &quot;done&quot;; &quot;done with N bills left behind&quot;, each bill named on stderr with the reason it stays in var/archives (unreadable, damaged, its stamp or its copy could not be written) while the rest of the day closes; or &quot;done, but&quot; a step after the moves failed (the day summary, the archive index, telling the terminals). A run that fails says why; bills it moved before stay moved. A full disk is named as such. Open tables on the terminals stop the closing and are listed, unless --force is given. A day that already has a fiscal summary file is refused. A day that was closed as a whole before is closed again only with --force, since every run uses a Z number (waiter closings leave the day open).

--dry-run writes nothing: it checks the lock, the fiscal files, the open and held tables and the journal, and tells which bills would move (count and bill total), the Z counter the run would use and the day&apos;s Z number, the takings by their named figures, the payment forms, the open tables with waiter and amount, and the cash count, then exits with the code the real run would give. The closing dialog of the window shows the same preview.

Cash count: --count NAME=AMOUNT, once per payment form or cash currency (&quot;cash&quot; the system currency&apos;s cash, &quot;cash CHF&quot; francs counted in francs, &quot;EC card&quot; a payment form by name or number), --float the opening float (in the system currency), or --count-file FILE with one NAME=AMOUNT per line and the lines float=, comment= and counted-by= (empty lines and lines starting with # are skipped). Amounts are written 412.50 or 412,50. Expected is what the closing&apos;s bills say: per payment form payments + tip + non refund; for cash what was handed over less the change, with the cash in and cash out records and the float (docs/figures.md). A count whose difference is above the tolerance (--tolerance, else cashtolerance in [Settings] of etc/globals.ini, else 5.00) needs --comment, or the closing is refused. Counts, float, differences, comment and who counted (--counted-by, else --exec-waiter) are sealed into the closing record; &apos;veltrum z&apos; and the Z report show them.</source>
        <translation>Schließt den Geschäftstag --date ab wie das Backoffice: die bezahlten Tische aus var/archives werden nach var/statist/tagDD.MM.YYYY verschoben und mit dem Z-Zähler des Laufs versehen, der Tag erhält seine Z-Nummer, der Lauf wird im turnover.z des Tages protokolliert, Tageszusammenfassung und Archivindex werden neu aufgebaut, die Statistik wird hochgeladen und jedes Terminal wird benachrichtigt. Mit --waiter werden nur die Tische dieses Kellners verschoben.

Bei Erfolg werden die Anzahl der verschobenen Bons, das Tagesverzeichnis, der vom Lauf verwendete Z-Zähler, die Z-Nummer des Tages und das Ergebnis ausgegeben: „abgeschlossen“; „abgeschlossen, N Bons zurückgelassen“, jeder Bon auf stderr genannt mit dem Grund, aus dem er in var/archives bleibt (nicht lesbar, beschädigt, sein Stempel oder seine Kopie konnte nicht geschrieben werden), während der Rest des Tages abgeschlossen wird; oder „abgeschlossen, aber“ ein Schritt nach dem Verschieben schlug fehl (die Tageszusammenfassung, der Archivindex, die Benachrichtigung der Terminals). Ein fehlgeschlagener Lauf sagt, warum; vorher verschobene Bons bleiben verschoben. Ein voller Datenträger wird als solcher genannt. Offene Tische auf den Terminals halten den Abschluss an und werden aufgelistet, außer --force ist angegeben. Ein Tag, der bereits eine Fiskaldatei hat, wird abgelehnt. Ein Tag, der zuvor als Ganzes abgeschlossen wurde, wird nur mit --force erneut abgeschlossen, da jeder Lauf eine Z-Nummer verbraucht (Kellnerabschlüsse lassen den Tag offen).

--dry-run schreibt nichts: es prüft die Sperre, die Fiskaldateien, die offenen und gesperrten Tische und das Journal und sagt, welche Bons verschoben würden (Anzahl und Bonsumme), welchen Z-Zähler der Lauf verwenden würde und welche Z-Nummer der Tag erhielte, die Einnahmen nach ihren benannten Zahlen, die Zahlungsarten, die offenen Tische mit Kellner und Betrag und die Kassenzählung, und endet dann mit dem Rückgabewert, den der echte Lauf liefern würde. Der Abschlussdialog des Fensters zeigt dieselbe Vorschau.

Kassenzählung: --count NAME=BETRAG, einmal je Zahlungsart oder Bargeldwährung („cash“ das Bargeld der Systemwährung, „cash CHF“ Franken in Franken gezählt, „EC card“ eine Zahlungsart nach Name oder Nummer), --float das Wechselgeld zu Beginn (in der Systemwährung), oder --count-file FILE mit einer Zeile NAME=BETRAG je Posten und den Zeilen float=, comment= und counted-by= (leere Zeilen und Zeilen, die mit # beginnen, werden übersprungen). Beträge werden 412.50 oder 412,50 geschrieben. Erwartet ist, was die Bons des Abschlusses sagen: je Zahlungsart Zahlungen + Trinkgeld + Nicht erstattbar; beim Bargeld das Übergebene abzüglich des Rückgelds, mit den Einlagen und Entnahmen und dem Wechselgeld (docs/figures.md). Eine Zählung, deren Differenz über der Toleranz liegt (--tolerance, sonst cashtolerance in [Settings] von etc/globals.ini, sonst 5.00), braucht --comment, sonst wird der Abschluss abgelehnt. Zählungen, Wechselgeld, Differenzen, Bemerkung und wer gezählt hat (--counted-by, sonst --exec-waiter) werden in den Abschlussdatensatz versiegelt; &apos;veltrum z&apos; und der Z-Bericht zeigen sie.</translation>
    </message>
    <message>
        <source>What was counted for a payment form or a cash currency; repeat for each.</source>
        <translation>Was für eine Zahlungsart oder eine Bargeldwährung gezählt wurde; für jede wiederholen.</translation>
    </message>
    <message>
        <source>Read the count from FILE (NAME=AMOUNT lines, float=, comment=, counted-by=).</source>
        <translation>Die Zählung aus FILE lesen (Zeilen NAME=BETRAG, float=, comment=, counted-by=).</translation>
    </message>
    <message>
        <source>The opening float the drawer started with.</source>
        <translation>Das Wechselgeld, mit dem die Kasse begann.</translation>
    </message>
    <message>
        <source>Why the count differs; needed above the tolerance.</source>
        <translation>Warum die Zählung abweicht; nötig über der Toleranz.</translation>
    </message>
    <message>
        <source>Who counted (default: the --exec-waiter).</source>
        <translation>Wer gezählt hat (Vorgabe: der --exec-waiter).</translation>
    </message>
    <message>
        <source>The difference up to which no comment is needed.</source>
        <translation>Die Differenz, bis zu der keine Bemerkung nötig ist.</translation>
    </message>
    <message>
        <source>the closing was refused or failed: the day is fiscalized or was closed before (without --force), the cash count differs beyond the tolerance without --comment, there is nothing to close (--cancel-if-empty), the waiter owns an open table or closed this day already, another closing is running, or a file error</source>
        <translation>der Abschluss wurde abgelehnt oder schlug fehl: der Tag ist fiskalisiert oder wurde zuvor abgeschlossen (ohne --force), die Kassenzählung weicht ohne --comment über die Toleranz hinaus ab, es gibt nichts abzuschließen (--cancel-if-empty), der Kellner hat einen offenen Tisch oder diesen Tag bereits abgeschlossen, ein anderer Abschluss läuft, oder ein Dateifehler</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option or waiter, a bad date, no such directory, a bad count (an amount, a name that is no payment form or currency, a count file that cannot be read or has a bad line)</source>
        <translation>falsche Argumente: eine unbekannte Option oder ein unbekannter Kellner, ein ungültiges Datum, kein solches Verzeichnis, eine ungültige Zählung (ein Betrag, ein Name, der keine Zahlungsart oder Währung ist, eine Zähldatei, die nicht gelesen werden kann oder eine ungültige Zeile hat)</translation>
    </message>
    <message>
        <source>32, 42 or 48</source>
        <translation>32, 42 oder 48</translation>
    </message>
    <message>
        <source>z: standard output cannot be written</source>
        <translation>z: die Standardausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>z: the receipt was not printed: %1</source>
        <translation>z: der Bon wurde nicht gedruckt: %1</translation>
    </message>
    <message>
        <source>--printer takes --format escpos</source>
        <translation>--printer verlangt --format escpos</translation>
    </message>
    <message>
        <source>--format escpos prints one Z report: give --show Z</source>
        <translation>--format escpos druckt einen Z-Bericht: geben Sie --show Z an</translation>
    </message>
    <message>
        <source>--show writes text, json, pdf or escpos</source>
        <translation>--show schreibt text, json, pdf oder escpos</translation>
    </message>
    <message>
        <source>Lists the day closings of the installation in Z order: Z counter, day, whole day or waiter, bills moved, first and last bill number, bill total (the order lines of those bills), the difference of the cash count made at the closing (&quot;-&quot; when nobody counted), and whether the closing verifies (&quot;yes&quot;, &quot;no&quot;, or &quot;no record&quot; for closings made before closing records were kept; see &apos;veltrum verify&apos;). Amounts are written as the installation writes money; CSV and JSON carry them in cents.

--show Z prints the Z report of the closing with Z counter Z: headed &quot;Day turnover &lt;Z&gt; from &lt;day&gt;&quot;, the closing record&apos;s figures (who closed and when, the bills with the first and last one, bill total, payments per payment form, VAT rates, voids, the cash count (expected, counted and difference per payment form and cash currency, the float, comment and who counted), the verification, whether the day&apos;s records, summary and bills agree), the reconciliation (from the bill total through the payments per payment form, tips, non refund, credits and the tables not in summary to the summary&apos;s &quot;Sum of all payforms&quot; and &quot;All amount&quot;, ending on a difference of 0 or on each figure that differs), then the day&apos;s summary as the reports document prints it (&quot;All waiters&quot; over that day; a waiter&apos;s closing over that waiter). docs/figures.md says what each figure includes. --format json writes the record, the reconciliation and the summary&apos;s data, pdf the printed page.

--width 32, 42 or 48 lays the text out for a receipt printer that many columns wide (a figure&apos;s caption left, its value at the right edge); --format escpos writes it as ESC/POS (initialise, code page PC858 with the euro sign and the umlauts, headings in bold, feed and cut). The Z report of a waiter&apos;s closing is that waiter&apos;s cash-up.</source>
        <translation>Listet die Tagesabschlüsse der Installation in Z-Reihenfolge auf: Z-Zähler, Tag, ganzer Tag oder Kellner, verschobene Bons, erste und letzte Bonnummer, Bonsumme (die Bestellpositionen dieser Bons), die Differenz der beim Abschluss gemachten Kassenzählung („-“, wenn niemand gezählt hat) und ob der Abschluss die Prüfung besteht („ja“, „nein“ oder „kein Datensatz“ für Abschlüsse von vor der Einführung der Abschlussdatensätze; siehe &apos;veltrum verify&apos;). Beträge werden geschrieben, wie die Installation Geld schreibt; CSV und JSON enthalten sie in Cent.

--show Z gibt den Z-Bericht des Abschlusses mit dem Z-Zähler Z aus: überschrieben „Tagesabschluss &lt;Z&gt; vom &lt;Tag&gt;“, die Zahlen des Abschlussdatensatzes (wer wann abgeschlossen hat, die Bons mit dem ersten und letzten, Bonsumme, Zahlungen je Zahlungsart, Mehrwertsteuersätze, Stornos, die Kassenzählung (erwartet, gezählt und Differenz je Zahlungsart und Bargeldwährung, das Wechselgeld, Bemerkung und wer gezählt hat), die Prüfung, ob Datensätze, Tageszusammenfassung und Bons des Tages übereinstimmen), die Abstimmung (von der Bonsumme über die Zahlungen je Zahlungsart, Trinkgeld, Nicht erstattbar, Gutschriften und die Tische außerhalb des Umsatzes bis zur „Summe aller Zahlungsarten“ und zum „Gesamtbetrag“ der Auswertung, endend auf einer Differenz von 0 oder auf jeder Zahl, die abweicht), dann die Auswertung des Tages, wie das Berichtsdokument sie druckt („Alle Kellner“ über diesen Tag; beim Abschluss eines Kellners über diesen Kellner). docs/figures.md sagt, was jede Zahl enthält. --format json schreibt den Datensatz, die Abstimmung und die Daten der Auswertung, pdf die gedruckte Seite.

--width 32, 42 oder 48 setzt den Text für einen Bondrucker mit so vielen Spalten (die Bezeichnung einer Zahl links, ihr Wert am rechten Rand); --format escpos schreibt ihn als ESC/POS (Initialisierung, Codepage PC858 mit dem Euro-Zeichen und den Umlauten, Überschriften fett, Vorschub und Schnitt). Der Z-Bericht des Abschlusses eines Kellners ist dessen Kellnerabrechnung.</translation>
    </message>
    <message>
        <source>With --show also escpos: the Z report as ESC/POS for a receipt printer (--width columns, 42 when not given), to --output (a file or a device such as /dev/usb/lp0), to --printer, or to standard output.</source>
        <translation>Mit --show auch escpos: der Z-Bericht als ESC/POS für einen Bondrucker (--width Spalten, 42 ohne Angabe), nach --output (eine Datei oder ein Gerät wie /dev/usb/lp0), an --printer oder auf die Standardausgabe.</translation>
    </message>
    <message>
        <source>Lay the text out for a receipt printer N columns wide: 32, 42 or 48.</source>
        <translation>Den Text für einen Bondrucker mit N Spalten setzen: 32, 42 oder 48.</translation>
    </message>
    <message>
        <source>With --format escpos: send the receipt to the raw print queue QUEUE (lp).</source>
        <translation>Mit --format escpos: den Bon an die Rohdaten-Druckwarteschlange QUEUE senden (lp).</translation>
    </message>
    <message>
        <source>no closing with that Z counter, or the --output file, the device or the print queue could not be written</source>
        <translation>kein Abschluss mit diesem Z-Zähler, oder die --output-Datei, das Gerät oder die Druckwarteschlange konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>--format xlsx writes a workbook file; add --output FILE</source>
        <translation>--format xlsx schreibt eine Arbeitsmappen-Datei; geben Sie --output DATEI an</translation>
    </message>
    <message>
        <source>Writes the cash-register export a German tax audit asks for (DSFinV-K file set) for the closed days from --from to --to: the bills (transactions.csv with VAT, table, payments, lines with their business case, voided lines, discounts and menu components), the master data of every closing (cashpointclosing.csv with the first and last bill of the closing, the company, the till, its terminals and VAT keys) and what each closing adds up to (business cases, payments, cash per currency), each row keyed by the till, the closing&apos;s time and its Z counter. index.xml describes every file and column; the DTD it names lies beside it.

The company&apos;s name, address and tax number come from etc/company.ini (see docs/exports.md). Only closed days whose closings verify are exported; the amounts are those the closing records sealed. The fields of a technical security module stay empty: the terminals record none (docs/exports.md says what that means).

The output is a new or empty folder, or a .zip file. Nothing is left half-written: the files are moved into place only when all were written.</source>
        <translation>Schreibt den Kassenexport, den eine deutsche Betriebsprüfung verlangt (Dateisatz nach DSFinV-K), für die abgeschlossenen Tage von --from bis --to: die Bons (transactions.csv mit Umsatzsteuer, Tisch, Zahlungen, Positionen mit ihrem Geschäftsvorfall, stornierten Positionen, Rabatten und Menübestandteilen), die Stammdaten jedes Abschlusses (cashpointclosing.csv mit dem ersten und letzten Bon des Abschlusses, dem Unternehmen, der Kasse, ihren Terminals und Steuerschlüsseln) und was jeder Abschluss ergibt (Geschäftsvorfälle, Zahlungen, Bargeld je Währung); jede Zeile trägt als Schlüssel die Kasse, die Zeit des Abschlusses und seinen Z-Zähler. index.xml beschreibt jede Datei und Spalte; die DTD, die sie nennt, liegt daneben.

Name, Anschrift und Steuernummer des Unternehmens kommen aus etc/company.ini (siehe docs/exports.md). Nur abgeschlossene Tage, deren Abschlüsse die Prüfung bestehen, werden exportiert; die Beträge sind die, die die Abschlussnachweise versiegelt haben. Die Felder einer technischen Sicherheitseinrichtung bleiben leer: die Terminals verzeichnen keine (was das bedeutet, steht in docs/exports.md).

Die Ausgabe ist ein neuer oder leerer Ordner oder eine .zip-Datei. Nichts bleibt halb geschrieben: die Dateien kommen erst an ihren Platz, wenn alle geschrieben sind.</translation>
    </message>
    <message>
        <source>Writes the takings of the closed days from --from to --to as a booking batch that German accounting software imports (&quot;EXTF&quot; format 700, Buchungsstapel): a format header, the column titles and one booking a line, Windows-1252, &quot;;&quot;-separated, decimal comma, CR LF. Per closed day: the revenue of each VAT rate by the payform that paid it (from the payform&apos;s account to the rate&apos;s revenue account), the per-unit and per-guest surcharges, vouchers sold (owed, not earned) and redeemed (a payform booked on the vouchers account), tips taken and paid out, cash put into and taken out of the till, and the counted cash difference of a closing that records a count. Each bill&apos;s payments are split over what it charged in proportion; the document field holds the day&apos;s Z counters, the text what was booked.

The tax adviser&apos;s and the client&apos;s numbers, the fiscal year, the account length and the accounts come from etc/accounting.ini (see docs/exports.md; missing accounts take the defaults of --chart or of the file&apos;s chart). Only closed days are exported, and only when their closings verify. A range across the end of a fiscal year gives one file per fiscal year (the file name gets the dates of each). Every exported day is recorded in var/exports/bookings.json: exported again, a day must give the same bytes (the same range gives the same file), otherwise nothing is written unless --force is given. A text that Windows-1252 cannot hold is an error naming the line.

Prints each file written with its range, days and bookings.</source>
        <translation>Schreibt die Einnahmen der abgeschlossenen Tage von --from bis --to als Buchungsstapel, den deutsche Buchhaltungssoftware einliest (&quot;EXTF&quot; Format 700, Buchungsstapel): ein Formatkopf, die Spaltentitel und eine Buchung je Zeile, Windows-1252, durch &quot;;&quot; getrennt, Dezimalkomma, CR LF. Je abgeschlossenem Tag: der Umsatz jedes Steuersatzes nach der Zahlungsart, die ihn bezahlt hat (vom Konto der Zahlungsart auf das Erlöskonto des Satzes), die Zuschläge je Stück und je Gast, verkaufte Gutscheine (geschuldet, nicht verdient) und eingelöste (eine Zahlungsart auf dem Gutscheinkonto), eingenommene und ausgezahlte Trinkgelder, in die Kasse eingelegtes und entnommenes Bargeld und die gezählte Kassendifferenz eines Abschlusses, der eine Zählung verzeichnet. Die Zahlungen jedes Bons werden anteilig auf das verteilt, was er berechnet hat; das Belegfeld enthält die Z-Zähler des Tages, der Text das Gebuchte.

Die Nummern des Steuerberaters und des Mandanten, das Wirtschaftsjahr, die Kontenlänge und die Konten kommen aus etc/accounting.ini (siehe docs/exports.md; fehlende Konten nehmen die Vorgaben von --chart oder des Kontenrahmens der Datei). Exportiert werden nur abgeschlossene Tage und nur, wenn ihre Abschlüsse die Prüfung bestehen. Ein Zeitraum über das Ende eines Wirtschaftsjahres ergibt eine Datei je Wirtschaftsjahr (der Dateiname erhält die Daten jeder). Jeder exportierte Tag wird in var/exports/bookings.json festgehalten: erneut exportiert, muss ein Tag dieselben Bytes ergeben (derselbe Zeitraum ergibt dieselbe Datei), sonst wird nichts geschrieben, außer --force ist angegeben. Ein Text, den Windows-1252 nicht fassen kann, ist ein Fehler, der die Zeile nennt.

Gibt jede geschriebene Datei mit ihrem Zeitraum, ihren Tagen und Buchungen aus.</translation>
    </message>
    <message>
        <source>xlsx writes the same data as an Excel workbook (needs --output): one sheet per group or period, amounts as numbers in the installation&apos;s currency, counts as numbers, a frozen title row.</source>
        <translation>xlsx schreibt dieselben Daten als Excel-Arbeitsmappe (braucht --output): ein Tabellenblatt je Gruppe oder Zeitraum, Beträge als Zahlen in der Währung der Installation, Anzahlen als Zahlen, eine fixierte Titelzeile.</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option, a bad date or number, --format csv or xlsx with --show, escpos without --show, a width other than 32, 42 or 48, no such directory</source>
        <translation>falsche Argumente: eine unbekannte Option, ein ungültiges Datum oder eine ungültige Zahl, --format csv oder xlsx mit --show, escpos ohne --show, eine andere Breite als 32, 42 oder 48, kein solches Verzeichnis</translation>
    </message>
    <message>
        <source>--filter does not apply to a batch (kind %1): a batch runs with the filter it was saved with</source>
        <translation>--filter gilt nicht für einen Sammelbericht (Art %1): ein Sammelbericht läuft mit dem Filter, mit dem er gespeichert wurde</translation>
    </message>
    <message>
        <source>Prints the lines that the back office&apos;s reports document lists for report kind ID: 3 to 42 are the summaries (5 &quot;Waiter report&quot;, 7 &quot;All articles&quot;, 38 &quot;Table report&quot;, ...), 100+N runs the summary batch N of usr/data/sumbatches.dat with the filter the batch was saved with (--filter is refused with a batch). &apos;veltrum report --list-kinds&apos; lists them all. Kind 1 (and 2, &quot;Journal&quot;) is the paid tables journal: one line per paid table (closing time, date, waiter, table/party, with --show-bill its bill and with --show-arch its archive number, and on a second line its amount), its entries below it indented by two blanks, in the order the tables were closed; --filter applies, the summary options do not.

Without --from the report covers the current, not yet closed business day: the open tables in var/tables and the paid ones in var/archives. With --from it covers the closed days from --from to --to (or the day --from alone), each read from its day summary in var/summary. When nothing matched, the header stands alone; &quot;Batch not found&quot; for an unknown batch. Captions, switches and widths come from the installation&apos;s etc/reports.ini.

--format csv and --format json write the data the lines come from (groups, items with counts and amounts in cents, the figures of the full summary), --format pdf the printed page. --format png and --format svg draw the report&apos;s chart from the same data: bars per hour for the hour reports (19-21), a pie of the payment forms for the waiter and minimal reports (4-6, 31), the 15 items with the highest amounts and the rest for the article, family, family group, department, void and discount reports; one chart per waiter or cost center, one below the other. On a terminal (or with --progress) the day being read and one progress bar over the whole run (the days done of the days asked) are shown on standard error; Ctrl-C stops the run cleanly.</source>
        <translation>Gibt die Zeilen aus, die das Berichtsdokument des Backoffice für die Berichtsart ID auflistet: 3 bis 42 sind die Auswertungen (5 „Kellnerbericht“, 7 „Alle Artikel“, 38 „Tischbericht“, ...), 100+N führt den Sammelbericht N aus usr/data/sumbatches.dat mit dem Filter aus, mit dem er gespeichert wurde (--filter wird bei einem Sammelbericht abgelehnt). &apos;veltrum report --list-kinds&apos; listet sie alle. Art 1 (und 2, „Journal“) ist das Journal der bezahlten Tische: eine Zeile je bezahltem Tisch (Abschlusszeit, Datum, Kellner, Tisch/Teiltisch, mit --show-bill sein Bon und mit --show-arch seine Archivnummer, und in einer zweiten Zeile sein Betrag), darunter seine Buchungen um zwei Leerzeichen eingerückt, in der Reihenfolge, in der die Tische abgeschlossen wurden; --filter gilt, die Auswertungsoptionen nicht.

Ohne --from umfasst der Bericht den laufenden, noch nicht abgeschlossenen Geschäftstag: die offenen Tische in var/tables und die bezahlten in var/archives. Mit --from umfasst er die abgeschlossenen Tage von --from bis --to (oder nur den Tag --from), jeder aus seiner Tageszusammenfassung in var/summary gelesen. Wenn nichts zutraf, steht der Kopf allein; „Sammelbericht nicht gefunden“ bei einem unbekannten Sammelbericht. Titel, Schalter und Breiten kommen aus etc/reports.ini der Installation.

--format csv und --format json schreiben die Daten, aus denen die Zeilen stammen (Gruppen, Einträge mit Anzahlen und Beträgen in Cent, die Zahlen der vollständigen Auswertung), --format pdf die gedruckte Seite. --format png und --format svg zeichnen aus denselben Daten die Grafik des Berichts: Balken je Stunde für die Stundenberichte (19-21), ein Kreis der Zahlungsarten für die Kellner- und Kurzberichte (4-6, 31), die 15 Einträge mit den höchsten Beträgen und der Rest für die Artikel-, Warengruppen-, Hauptgruppen-, Abteilungs-, Storno- und Rabattberichte; eine Grafik je Kellner oder Kostenstelle, untereinander. Auf einem Terminal (oder mit --progress) werden der gerade gelesene Tag und ein Fortschrittsbalken über den ganzen Lauf (die erledigten von den gewünschten Tagen) auf der Standardfehlerausgabe gezeigt; Strg-C hält den Lauf sauber an.</translation>
    </message>
    <message>
        <source>(day %1 of %2)</source>
        <translation>(Tag %1 von %2)</translation>
    </message>
    <message>
        <source>sales per labour hour, from the time controls</source>
        <translation>Umsatz je Arbeitsstunde, aus der Zeiterfassung</translation>
    </message>
    <message>
        <source>Prints the hours the waiters worked (their logon periods in var/control) beside the takings: per waiter the hours, &quot;All amount&quot; and the guests of the waiter&apos;s full summary, sales and covers per hour worked; per hour of the clock the hours worked in it and the hour report&apos;s amount; then the total.

Logon periods are split at the full hours and counted for the business day they lie in (the day starts at the gastronomic day start of etc/globals.ini), so a night shift after midnight belongs to the evening before. A period still running counts up to --now. A waiter who sold without time controls shows no hours.

With hourly wages in etc/wages.ini (section [Wages], a waiter number or &quot;default&quot;, then the wage such as 12.50) the report adds the labour cost and its share of the sales; a waiter who worked without a wage is named and left out of the costs.

--format json and csv write the same figures in cents and seconds (docs/labour.md); png and svg draw the sales and the hours worked per hour of the clock, pdf prints the report with that chart below it.</source>
        <translation>Druckt die Stunden, die die Kellner gearbeitet haben (ihre Anmeldezeiten in var/control), neben dem Umsatz: je Kellner die Stunden, &quot;All amount&quot; und die Gäste des vollen Berichts des Kellners, Umsatz und Gäste je gearbeiteter Stunde; je Uhrzeit die darin gearbeiteten Stunden und der Betrag des Stundenberichts; dann die Summe.

Anmeldezeiten werden an den vollen Stunden geteilt und dem Geschäftstag zugerechnet, in dem sie liegen (der Tag beginnt mit dem gastronomischen Tagesbeginn aus etc/globals.ini), so gehört eine Nachtschicht nach Mitternacht zum Abend davor. Eine noch laufende Anmeldung zählt bis --now. Ein Kellner, der ohne Zeiterfassung verkauft hat, zeigt keine Stunden.

Mit Stundenlöhnen in etc/wages.ini (Abschnitt [Wages], eine Kellnernummer oder &quot;default&quot;, dann der Lohn wie 12.50) fügt der Bericht die Personalkosten und ihren Anteil am Umsatz hinzu; ein Kellner, der ohne Lohn gearbeitet hat, wird genannt und bei den Kosten ausgelassen.

--format json und csv schreiben dieselben Zahlen in Cent und Sekunden (docs/labour.md); png und svg zeichnen Umsatz und gearbeitete Stunden je Uhrzeit, pdf druckt den Bericht mit diesem Diagramm darunter.</translation>
    </message>
    <message>
        <source>Fixes the clock (the current day, running logon periods), so that the output can be reproduced.</source>
        <translation>Legt die Uhr fest (den laufenden Tag, laufende Anmeldezeiten), damit sich die Ausgabe wiederholen lässt.</translation>
    </message>
    <message>
        <source>the report was printed</source>
        <translation>der Bericht wurde ausgegeben</translation>
    </message>
    <message>
        <source>the time controls, etc/wages.ini or the --output file could not be read or written (the message names the file and the reason)</source>
        <translation>die Zeiterfassung, etc/wages.ini oder die Datei von --output konnte nicht gelesen oder geschrieben werden (die Meldung nennt Datei und Grund)</translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option, a bad date or time, --from after --to, no such directory</source>
        <translation>falsche Argumente: eine unbekannte Option, ein ungültiges Datum oder eine ungültige Uhrzeit, --from nach --to, kein solches Verzeichnis</translation>
    </message>
    <message>
        <source>previous, week, year, yyyy-MM-dd..yyyy-MM-dd or yyyy-MM-dd</source>
        <translation>previous, week, year, yyyy-MM-dd..yyyy-MM-dd oder yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Compare the report with other days, computed with the same options: &apos;previous&apos; the days just before (whole months with the months before), &apos;week&apos; the same days a week earlier, &apos;year&apos; the same weekdays 52 weeks earlier, FROM..TO (yyyy-MM-dd) days of your own, or FROM alone as many days as the report&apos;s from there. The current day is compared with the compared day up to the same hour. The text shows beside each count and amount the difference and the change in percent; JSON and CSV carry both values and the difference; charts show both periods.</source>
        <translation>Vergleicht den Bericht mit anderen Tagen, mit denselben Optionen berechnet: &apos;previous&apos; die Tage direkt davor (ganze Monate mit den Monaten davor), &apos;week&apos; dieselben Tage eine Woche früher, &apos;year&apos; dieselben Wochentage 52 Wochen früher, FROM..TO (yyyy-MM-dd) eigene Tage, oder FROM allein so viele Tage wie der Bericht ab dort. Der laufende Tag wird mit dem verglichenen Tag bis zur selben Uhrzeit verglichen. Der Text zeigt neben jeder Anzahl und jedem Betrag den Unterschied und die Veränderung in Prozent; JSON und CSV enthalten beide Werte und den Unterschied; Diagramme zeigen beide Zeiträume.</translation>
    </message>
    <message>
        <source>no line</source>
        <translation>keine Zeile</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>veltrum: chain push: the queue %1 was damaged (%2 unreadable); it is kept as %3. The days it named there may not have been sent: &apos;veltrum chain push --from A --to B&apos; sends a range of days again</source>
        <translation>veltrum: chain push: die Warteschlange %1 war beschädigt (%2 unlesbar); sie wird als %3 aufbewahrt. Die Tage, die sie dort nannte, wurden vielleicht nicht gesendet: &apos;veltrum chain push --from A --to B&apos; sendet einen Bereich von Tagen erneut</translation>
    </message>
    <message>
        <source>outlet %1: %2</source>
        <translation>Filiale %1: %2</translation>
    </message>
    <message>
        <source>the chain database does not hold these days, which the figures leave out: %1</source>
        <translation>die Kettendatenbank hat diese Tage nicht, die Zahlen lassen sie aus: %1</translation>
    </message>
    <message>
        <source>chain report: %1 (--allow-missing accepts a report without them)</source>
        <translation>chain report: %1 (--allow-missing nimmt einen Bericht ohne sie an)</translation>
    </message>
    <message>
        <source>Accept days of the range that an outlet never sent: the report leaves them out and names them on standard error, with exit code 0.</source>
        <translation>Tage des Bereichs annehmen, die eine Filiale nie gesendet hat: der Bericht lässt sie aus und nennt sie auf der Standardfehlerausgabe, mit Exit-Code 0.</translation>
    </message>
    <message>
        <source>a day of the range that an outlet never sent (listed per outlet after the report; see --allow-missing), the server cannot be reached or holds no chain schema, a stored day cannot be read (or, with --source groups, has no groups), or the --output file cannot be written</source>
        <translation>ein Tag des Bereichs, den eine Filiale nie gesendet hat (nach dem Bericht je Filiale aufgeführt; siehe --allow-missing), der Server ist nicht erreichbar oder hat kein Kettenschema, ein gespeicherter Tag kann nicht gelesen werden (oder hat mit --source groups keine Gruppen), oder die --output-Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Prints the list element, named after the file (waiters.dat gives &lt;waiters&gt;), with one element per record (&lt;waiter&gt;) and one child per field, in field-name order. A file name that XML refuses as an element name gets a valid form: refused characters become &apos;_&apos;, and a name that cannot start an element gets a leading &apos;_&apos; (2026-12-01.dat gives &lt;_2026-12-01&gt;). A file whose records are no list in id order (a day summary: every table of the day one after another) is printed record by record in file order under &lt;LIST order=&quot;file&quot;&gt;; texts that XML would change are written encoded. &apos;dat from-xml&apos; reads the output back, such a file byte for byte.</source>
        <translation>Gibt das Listenelement aus, benannt nach der Datei (waiters.dat ergibt &lt;waiters&gt;), mit einem Element je Datensatz (&lt;waiter&gt;) und einem Kindelement je Feld, nach Feldnamen geordnet. Ein Dateiname, den XML als Elementname ablehnt, erhält eine gültige Form: abgelehnte Zeichen werden zu &apos;_&apos;, und ein Name, der kein Element beginnen kann, erhält ein führendes &apos;_&apos; (2026-12-01.dat ergibt &lt;_2026-12-01&gt;). Eine Datei, deren Datensätze keine Liste in id-Reihenfolge sind (eine Tageszusammenfassung: alle Tische des Tages nacheinander), wird Datensatz für Datensatz in Dateireihenfolge unter &lt;LIST order=&quot;file&quot;&gt; ausgegeben; Texte, die XML verändern würde, werden kodiert geschrieben. &apos;dat from-xml&apos; liest die Ausgabe wieder ein, eine solche Datei Byte für Byte.</translation>
    </message>
    <message>
        <source>Reads the XML&apos;s root element as the list and merges it into FILE. Records without an id get the next free id; records with an id replace or extend the stored record of that id; an element whose first child is &lt;_delete_/&gt; deletes that record; a list whose first child is &lt;_delete_/&gt; replaces the whole list. A root element named settings merges into the stored records. A root element with order=&quot;file&quot; (from &apos;dat to-xml&apos; of a file that is no list in id order) replaces FILE with exactly its records, in that order. The file is replaced safely: the new list is written to FILE.new, the previous file is kept as FILE.old.</source>
        <translation>Liest das Wurzelelement des XML als Liste und führt sie mit FILE zusammen. Datensätze ohne id erhalten die nächste freie id; Datensätze mit id ersetzen oder ergänzen den gespeicherten Datensatz dieser id; ein Element, dessen erstes Kind &lt;_delete_/&gt; ist, löscht diesen Datensatz; eine Liste, deren erstes Kind &lt;_delete_/&gt; ist, ersetzt die ganze Liste. Ein Wurzelelement namens settings wird in die gespeicherten Datensätze übernommen. Ein Wurzelelement mit order=&quot;file&quot; (aus &apos;dat to-xml&apos; einer Datei, die keine Liste in id-Reihenfolge ist) ersetzt FILE durch genau seine Datensätze, in dieser Reihenfolge. Die Datei wird sicher ersetzt: die neue Liste wird nach FILE.new geschrieben, die bisherige Datei bleibt als FILE.old erhalten.</translation>
    </message>
    <message>
        <source>the file is corrupt (record %1, at byte %2, is cut short)</source>
        <translation>die Datei ist beschädigt (Datensatz %1 bei Byte %2 ist abgeschnitten)</translation>
    </message>
    <message>
        <source>record %1: the field %2 holds no text of its encoding</source>
        <translation>Datensatz %1: das Feld %2 enthält keinen Text seiner Kodierung</translation>
    </message>
    <message>
        <source>verify: --db compares the records of this outlet, but %1 holds no installation record with its number (officeid)</source>
        <translation>verify: --db vergleicht die Abschlussdatensätze dieser Filiale, aber %1 enthält keinen Installationsdatensatz mit ihrer Nummer (officeid)</translation>
    </message>
    <message>
        <source>verify: cannot connect to %1: %2</source>
        <translation>verify: keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>verify: %1: %2</source>
        <translation>verify: %1: %2</translation>
    </message>
    <message>
        <source>; the chain database holds %1 record(s) of this outlet</source>
        <translation>; die Kettendatenbank hat %1 Datensatz/Datensätze dieser Filiale</translation>
    </message>
    <message>
        <source>Checks the closings of the installation against the records they left beside each day&apos;s turnover.z (closing-&lt;Z&gt;.json): every bill file a closing moved must still have the SHA-256 its record holds, no bill file may have been added to a closed day, the day summary must be the one the day&apos;s last closing left, every record must match its seal and be the one the next record was chained to, every Z counter value from the first journalled one up to the counter must be in exactly one journal line, and every journal line made since records are kept must have its record. Closings made before records were kept are checked for Z continuity only.

Then every closed day is reconciled: the totals of its closing records, the tables of its day summary and the bills of its day directory, each added up, must agree per payment form (number and amount of the payments), per VAT rate (gross and net) and in the bill total; each figure that does not is a finding naming the day and every amount. A day without records (closed before they were kept) or without a day summary is reconciled on the sides it has.

The newest record is noted a second time in var/closing.anchor (its Z, day and SHA-256, and the first Z with a record): a missing anchor, a newest record that is not the one it names, and a journal line without its record from that first Z on are findings, as are a journal line whose count of moved bills differs from its record and a day summary a whole-day closing sealed that is gone. With --db the records are also compared with the ones the chain database received: someone who can write the installation&apos;s files can rewrite its records and anchor together, but not what the database received.

Each finding is printed on a line of its own, then a summary line. Nothing is written. Without --day all days are checked (--all says so explicitly).</source>
        <translation>Prüft die Abschlüsse der Installation gegen die Datensätze, die sie neben der turnover.z jedes Tages hinterlassen haben (closing-&lt;Z&gt;.json): jede Bondatei, die ein Abschluss verschoben hat, muss noch die SHA-256 haben, die ihr Datensatz festhält, keine Bondatei darf einem abgeschlossenen Tag hinzugefügt worden sein, die Tageszusammenfassung muss die sein, die der letzte Abschluss des Tages hinterlassen hat, jeder Datensatz muss zu seinem Siegel passen und der sein, mit dem der nächste Datensatz verkettet wurde, jeder Wert des Z-Zählers vom ersten protokollierten bis zum Zählerstand muss in genau einer Journalzeile stehen, und jede Journalzeile seit Einführung der Datensätze muss ihren Datensatz haben. Abschlüsse von vor der Einführung der Datensätze werden nur auf den Z-Fortlauf geprüft.

Dann wird jeder abgeschlossene Tag abgestimmt: die Summen seiner Abschlussdatensätze, die Tische seiner Tageszusammenfassung und die Bons seines Tagesverzeichnisses, jeweils zusammengezählt, müssen je Zahlungsart (Anzahl und Betrag der Zahlungen), je Mehrwertsteuersatz (brutto und netto) und in der Bonsumme übereinstimmen; jede Zahl, die das nicht tut, ist ein Befund, der den Tag und jeden Betrag nennt. Ein Tag ohne Datensätze (abgeschlossen, bevor sie geführt wurden) oder ohne Tageszusammenfassung wird über die Seiten abgestimmt, die er hat.

Der neueste Datensatz wird ein zweites Mal in var/closing.anchor festgehalten (sein Z, Tag und SHA-256 sowie das erste Z mit Datensatz): ein fehlender Anker, ein neuester Datensatz, der nicht der genannte ist, und eine Journalzeile ohne ihren Datensatz ab diesem ersten Z sind Befunde, ebenso eine Journalzeile, deren Zahl verschobener Bons von ihrem Datensatz abweicht, und eine von einem Tagesabschluss versiegelte Tageszusammenfassung, die fehlt. Mit --db werden die Datensätze außerdem mit denen verglichen, die die Kettendatenbank erhalten hat: wer die Dateien der Installation schreiben kann, kann Datensätze und Anker zusammen umschreiben, aber nicht, was die Datenbank erhalten hat.

Jeder Befund wird in einer eigenen Zeile ausgegeben, dann eine Zusammenfassungszeile. Es wird nichts geschrieben. Ohne --day werden alle Tage geprüft (--all sagt es ausdrücklich).</translation>
    </message>
    <message>
        <source>Compare the closing records with those this outlet (officeid of usr/data/settings.dat) sent to the chain database at URL, which keeps each record as it was sent: a record changed, resealed or gone after it was sent is a finding.</source>
        <translation>Die Abschlussdatensätze mit denen vergleichen, die diese Filiale (officeid aus usr/data/settings.dat) an die Kettendatenbank unter URL gesendet hat, die jeden Datensatz so behält, wie er gesendet wurde: ein Datensatz, der nach dem Senden geändert, neu versiegelt oder entfernt wurde, ist ein Befund.</translation>
    </message>
    <message>
        <source>findings: bills changed, missing or added, records changed or unreadable, broken links, Z gaps, journal lines without a record, an anchor that does not hold, figures that do not reconcile, records the chain database holds otherwise; or the chain database cannot be asked</source>
        <translation>Befunde: Bons geändert, fehlend oder hinzugefügt, Datensätze geändert oder unlesbar, gebrochene Verkettungen, Z-Lücken, Journalzeilen ohne Datensatz, ein Anker, der nicht stimmt, Zahlen, die nicht übereinstimmen, Datensätze, die die Kettendatenbank anders hat; oder die Kettendatenbank kann nicht gefragt werden</translation>
    </message>
</context>
<context>
    <name>veltrum-office</name>
    <message>
        <source>The Veltrum back office.</source>
        <translation>Das Veltrum-Backoffice.</translation>
    </message>
    <message>
        <source>The installation directory.</source>
        <translation>Das Installationsverzeichnis.</translation>
    </message>
    <message>
        <source>Save the window as a picture once shown, then quit.</source>
        <translation>Das Fenster nach dem Anzeigen als Bild speichern, dann beenden.</translation>
    </message>
    <message>
        <source>The module library to load.</source>
        <translation>Die zu ladende Modulbibliothek.</translation>
    </message>
    <message>
        <source>Veltrum back office - %1</source>
        <translation>Veltrum Backoffice - %1</translation>
    </message>
    <message>
        <source>The language of this run: de (German) or en (English). Without it, the language chosen in Options &gt; Language, else the one LC_ALL, LC_MESSAGES or LANG names, else the installation&apos;s.</source>
        <translation>Die Sprache dieses Laufs: de (Deutsch) oder en (Englisch). Ohne die Option die im Menü Optionen &gt; Sprache gewählte, sonst die, die LC_ALL, LC_MESSAGES oder LANG nennt, sonst die der Installation.</translation>
    </message>
    <message>
        <source>bad value &apos;%1&apos; for --lang (de|en)</source>
        <translation>ungültiger Wert &apos;%1&apos; für --lang (de|en)</translation>
    </message>
    <message>
        <source>the reporting module %1 was not found</source>
        <translation>das Auswertungsmodul %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>the reporting module could not be started</source>
        <translation>das Auswertungsmodul konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>no installation in %1 (usr/data/settings.dat is missing)</source>
        <translation>keine Installation in %1 (usr/data/settings.dat fehlt)</translation>
    </message>
    <message>
        <source>no installation in %1, and none was chosen</source>
        <translation>keine Installation in %1, und keine wurde gewählt</translation>
    </message>
    <message>
        <source>cannot open the folder %1</source>
        <translation>der Ordner %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Veltrum back office
Version %1 (%2), built %3
Installation: %4</source>
        <translation>Veltrum Backoffice
Version %1 (%2), erstellt am %3
Installation: %4</translation>
    </message>
</context>
</TS>
