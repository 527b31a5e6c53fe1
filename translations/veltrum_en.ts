<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>TClosedExportDlg</name>
    <message numerus="yes">
        <source>%n closed day(s)</source>
        <translation>
            <numerusform>%n closed day</numerusform>
            <numerusform>%n closed days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n booking(s)</source>
        <translation>
            <numerusform>%n booking</numerusform>
            <numerusform>%n bookings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n closing(s)</source>
        <translation>
            <numerusform>%n closing</numerusform>
            <numerusform>%n closings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bill(s)</source>
        <translation>
            <numerusform>%n bill</numerusform>
            <numerusform>%n bills</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TClosingPreview</name>
    <message numerus="yes">
        <source>%n bill(s) were paid on another business day; they close into %1 too</source>
        <translation>
            <numerusform>%n bill was paid on another business day; it closes into %1 too</numerusform>
            <numerusform>%n bills were paid on another business day; they close into %1 too</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TClosingsDoc</name>
    <message numerus="yes">
        <source>Verification cancelled; %n finding(s) until then.</source>
        <translation>
            <numerusform>Verification cancelled; %n finding until then.</numerusform>
            <numerusform>Verification cancelled; %n findings until then.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TOffDataDoc</name>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n record</numerusform>
            <numerusform>%n records</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TOpenTablesDoc</name>
    <message numerus="yes">
        <source>%n tables (%1 %2)</source>
        <translation>
            <numerusform>%n table (%1 %2)</numerusform>
            <numerusform>%n tables (%1 %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPaidTablesDoc</name>
    <message numerus="yes">
        <source>%n bill(s) moved into the day before; they stay there.</source>
        <translation>
            <numerusform>%n bill moved into the day before; it stays there.</numerusform>
            <numerusform>%n bills moved into the day before; they stay there.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bill(s) were left behind in var/archives:</source>
        <translation>
            <numerusform>%n bill was left behind in var/archives:</numerusform>
            <numerusform>%n bills were left behind in var/archives:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done with %n bill(s) left behind</source>
        <translation>
            <numerusform>done with %n bill left behind</numerusform>
            <numerusform>done with %n bills left behind</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSumListDoc</name>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n record</numerusform>
            <numerusform>%n records</numerusform>
        </translation>
    </message>
</context>
</TS>
