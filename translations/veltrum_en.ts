<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
</TS>
