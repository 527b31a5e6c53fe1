<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>TAuswAccDlg</name>
    <message>
        <source>Report filter dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batchreport dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turnover dialog</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAuswAccess</name>
    <message>
        <source>Report filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batchreports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time controlling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day turn over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDlgAccess</name>
    <message>
        <source>Dialog access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the configuration: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDlgOptAusw</name>
    <message>
        <source>Paid tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost center report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All articles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Articles per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Articles per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All families</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Families per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Families per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All voids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voids per Waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voids per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void entries per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void entries per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour summary per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour summary per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order summary per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order summary per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All family groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family groups per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family groups per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All departments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Departments per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Departments per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimal summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All discounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discounts per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discounts per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All pricefindings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pricefinding per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pricefinding per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table report per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel rooms per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel rooms per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDlgOptAuswBase</name>
    <message>
        <source>Summary options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;eports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gastron. day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default &amp;report:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default &amp;filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default including open &amp;tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default excluding credit articles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow the following reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These reports will be shown in the report selection combobox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDlgSelectDate</name>
    <message>
        <source>Select date range...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the first day of the range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range ends before it begins.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TListAccess</name>
    <message>
        <source>List access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the configuration: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOffDataDoc</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TOffDlg</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no help for &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatal error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have no right to use the dialog &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOffDocument</name>
    <message>
        <source>Page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crystal Reports are not available</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOffWindow</name>
    <message>
        <source>Veltrum back office</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back office</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the master window may do this.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crystal Reports are not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changes that are not saved. Save them?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOpenTablesDoc</name>
    <message>
        <source>Open tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table is locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Article</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Party</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table name</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n tables (%1 %2)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Refresh the list of open tables (&lt;b&gt;F5&lt;/b&gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of open tables at %1 %2.%3.%4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPaidTablesDoc</name>
    <message>
        <source>Walk plugin error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not initialize the Walk plugin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plugin has encountered an error. Code: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start walk.exe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report from %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of paid tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No table list available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table report per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount of all waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of all waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost center report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of all cost centers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All articles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Article report of all waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Articles per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Article report per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Articles per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Article report per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All families</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family report of all waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Families per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family report per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Families per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family report per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All voids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report of all voids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voids per Waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void report per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voids per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void report per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void entries per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void entries per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour report per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour report per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order report per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order report per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All family groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family group report of all waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family groups per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family group report per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family groups per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family group report per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All departments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department report of all waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Departments per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department report per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Departments per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department report per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimal report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All discounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discounts per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount report per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discounts per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount report per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All pricefindings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pricefinding report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pricefinding per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pricefinding report per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pricefinding per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pricefinding report per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table report per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All hotel rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel rooms per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel rooms per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batch not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batch report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not execute turn over!
You are owner of open tables.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not execute turn over!
You already finalized this day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not execute turn over: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This day is already fiscalized!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There still are open tables! Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day turn over processed to
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crystal Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast Crystal Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit F8 or this button to
view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a report to show (&lt;b&gt;F2&lt;/b&gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an outlet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outlet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With trainee waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In turnover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit F5 or this button to
refresh the report view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include open table information for this report  (&lt;b&gt;F3&lt;/b&gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclude open table information for this report  (&lt;b&gt;F3&lt;/b&gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all credit articles from this report&apos;s data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add all credit articles to this report&apos;s data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show both, in summary or not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show report for in summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not in summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show report for not in summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include trainee waiter information for this report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without trainee waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclude trainee waiter information for this report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only trainee waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show only trainee waiter information for this report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All &amp;families</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All &amp;articles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All &amp;waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fa&amp;milies per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;rticles per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wa&amp;iter report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fami&amp;lies per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;rticles per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cost center report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day &amp;Turn over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paid tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRepProgress</name>
    <message>
        <source>Stopping...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRepProgressBase</name>
    <message>
        <source>Generating report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TReportChart</name>
    <message>
        <source>Others (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter #%1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost center 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost center #%1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum of all payforms: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSelectRepDlg</name>
    <message>
        <source>&amp;1) Paid tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2) Journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;c) Cost center report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;h) Families per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;g) All families</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;d) All articles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;e) Articles per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;f) Articles per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;i) Families per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b) Waiter report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;a) All waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;j) All voids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;k) Voids per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;l) Voids per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m) Waiter payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select new report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSumBatchDlg</name>
    <message>
        <source>Paid tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost center report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All articles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Articles per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Articles per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All families</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Families per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Families per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All voids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voids per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voids per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All void entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void entries per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void entries per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour summary per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour summary per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order summary per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order summary per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All family groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family groups per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family groups per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All departments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Departments per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Departments per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimal summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All discounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discounts per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discounts per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All pricefindings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pricefindings per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pricefindings per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table report per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel rooms per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel rooms per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert new summary batch...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit summary batch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit summary batches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The summary batches could not be loaded; nothing can be stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a number above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number %1 is already taken by the batch &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select at least one report for the batch.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSumBatchDlgBase</name>
    <message>
        <source>Insert new summary batch...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sorting:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;iscalizing report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSumBatchesDoc</name>
    <message>
        <source>Reporting batches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiscal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of summary batches not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load summary batches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save summary batches</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSumFilter</name>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminal ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminal name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost center ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost center name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Party</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takeaway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In summary?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bill number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payments count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From party</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To party</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seat number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Article</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subvention ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subvention name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free price?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voided</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void-waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void-waiter name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Given amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payform name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guest count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In cash summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel party</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel guest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel new amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elpay data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Article order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Article void</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table archived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no record kind %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The item has no attribute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The attribute &quot;%1&quot; may not contain &quot;|&quot;, &quot;&amp;&quot; or &quot;:&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; may not contain &quot;|&quot; or &quot;&amp;&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no comparison.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; of &quot;%2&quot; is no date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; of &quot;%2&quot; is no time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be compared as less or greater: &quot;%2&quot; is no number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no filter item (kind:attribute:comparison:value).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSumFilterDlg</name>
    <message>
        <source>Entry type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>less</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>greater</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>equal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unequal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert new summary filter...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit summary filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit summary filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The summary filters could not be loaded; nothing can be stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a number above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number %1 is already taken by the filter &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table filter: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry filter: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select cost centers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select terminals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select articles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select families</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select family groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select payforms</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSumFilterDlgBase</name>
    <message>
        <source>T&amp;able range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cost center range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Terminal range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Waiter range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Article range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Family range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family &amp;group range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Payform range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Takeaway payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No takeaway payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;In summary payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;ot in summary payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is an order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a void</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a Pay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert new summary filter...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test F&amp;ilter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Table filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry &amp;filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;lags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSumFilterItem</name>
    <message>
        <source>Edit filter item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As an &amp;alternative to the other items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>less</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>greater</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>equal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unequal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSumFilterItemBase</name>
    <message>
        <source>Insert new filter item...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All other filter items must match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;must be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>than</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSumFilterListBase</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For table entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Article &amp;order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table &amp;change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Article &amp;void</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table &amp;payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table &amp;split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table &amp;restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table &amp;archived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSumFilterTest</name>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open table %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paid table %1/%2 (archive %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, waiter %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: %1 of %2 entries kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tables of the day cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tables of the current day: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tables of the current day that match the selection: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept by the table filter: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries of the kept tables: %1, kept by the entry filter: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table filter:
%1

Entry filter:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(every table)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(every entry)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter script</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSumFilterTestBase</name>
    <message>
        <source>Test summary filter...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;yment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cost center:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Waiter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Table:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Article:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Family:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Payform:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vat rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Script...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSumFiltersDoc</name>
    <message>
        <source>Reporting filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of summary filters not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load summary filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save summary filters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSumListDoc</name>
    <message>
        <source>&amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSummary</name>
    <message>
        <source>Summary for: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiscal Summary %1 from </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History Summary from </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2.%3.%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - %1, %2.%3.%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day turnover %1 from %2, %3.%4.%5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual Shift Summary from %1, %2.%3.%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed %1, %2.%3.%4 at %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From waiter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using filter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On outlet %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter #%1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost center #%1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost center 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not in summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAT   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gross </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Return difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Given not in summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balancing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 (%3): %4 %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum articles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open tables, sum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum of payforms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum of all payforms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non refund</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum In House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum Out of House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum Net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net all amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount per guest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All amount per guest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net all amount per guest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control articles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum articles:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum families:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum voids:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum fam. groups:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum Departnents:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum void entries:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum payments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum orders:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum VATs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discounted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost money:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>per pay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table undiscounted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table discount:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTimeControlsDoc</name>
    <message>
        <source>Time controlling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of time controls not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load time controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hours %2 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resctrict view to this waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the start date of this view (&lt;b&gt;F3&lt;/b&gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the end date of this view (&lt;b&gt;F4&lt;/b&gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh this view with current restrictions (&lt;b&gt;F5&lt;/b&gt;)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTurnOverDlg</name>
    <message>
        <source>Not specified</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTurnOverDlgBase</name>
    <message>
        <source>Turnover settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Waiter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TVariableDoc</name>
    <message>
        <source>Range statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select date range...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TVeltrum</name>
    <message>
        <source>Initializing reporting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unloading reporting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reporting options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batchreports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opentables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Archives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show reporting tool &amp;bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enables or disables the tool bar of the reporting module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List access...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configures the access to the reporting lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dialog access...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configures the access to the reporting dialogs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporting Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reporting Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View the index of reporting help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporting filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reporting filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View all reporting filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporting batches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporting &amp;batches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View all reporting batches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View all open tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All families</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All &amp;families</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View complete family report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All articles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All &amp;articles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View complete article report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All &amp;waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View complete waiter report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Families per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fa&amp;milies per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View family report for each waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Articles per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;rticles per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View article report for each waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wa&amp;iter report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View waiter report for each waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Families per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fami&amp;lies per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View family report for each cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Articles per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;rticles per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View article report for each cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost center report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cost center report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View cost center report for each cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paid tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View all paid tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Range statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A report from and to a specific date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time controlling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time controlling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A report of waiter logons/logoffse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Turn Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day &amp;Turn over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execute day turn over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change reporting options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have no right to change the reporting options.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TVeltrumDoc</name>
    <message>
        <source>Reporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporting filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all Reporting filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporting batches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all reporting batches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show current open tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show already paid tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show range statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time controlling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show time controllings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day &amp;turn over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert reporting &amp;filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert reporting &amp;batch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paid tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Range statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time &amp;controlling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;eports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All &amp;families</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All &amp;articles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All &amp;waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fa&amp;milies per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;rticles per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wa&amp;iter report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fami&amp;lies per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;rticles per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cost center report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit reporting &amp;options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veltrum</name>
    <message>
        <source>Try &apos;veltrum --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;veltrum help %1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be read or written (error %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file is corrupt (it ends inside a record)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot read the file (code %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file is corrupt (code %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2:%3: not well-formed XML: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the XML holds no list element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot write the file (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print a binary list file (.dat) as XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the list element, named after the file (waiters.dat gives &lt;waiters&gt;), with one element per record (&lt;waiter&gt;) and one child per field, in field-name order. A file name that XML refuses as an element name gets a valid form: refused characters become &apos;_&apos;, and a name that cannot start an element gets a leading &apos;_&apos; (2026-12-01.dat gives &lt;_2026-12-01&gt;). &apos;dat from-xml&apos; reads the output back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the XML was printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is missing, unreadable or corrupt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import XML into a list file (created if missing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the XML&apos;s root element as the list and merges it into FILE. Records without an id get the next free id; records with an id replace or extend the stored record of that id; an element whose first child is &lt;_delete_/&gt; deletes that record; a list whose first child is &lt;_delete_/&gt; replaces the whole list. A root element named settings merges into the stored records. The file is replaced safely: the new list is written to FILE.new, the previous file is kept as FILE.old.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>malformed XML, a corrupt or unreadable list, or a file that cannot be written; FILE is left as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the fields KEY... of every record, &apos;;&apos;-separated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints one record a line with the fields KEY... separated by &apos;;&apos;. Inside values &apos;;&apos; becomes &apos;,&apos;, line breaks become &apos;|&apos; and &apos;&quot;&apos; becomes &quot;&apos;&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the records were printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>demo: %1 is not a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>demo: %1 is not empty and holds no demo installation; refusing to write into it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>demo: %1 holds a demo installation; use --force to replace it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demo installation in %1 (today %2, seed %3):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1 lists, %2 closed days with %3 tables and %4 day summaries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  today %1 paid tables (%2 in the archive index), %3 open (%4 held)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1 table entries, time controls of %2 days, next Z number %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>demo: could not write %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write a demo installation of a restaurant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes a complete installation of a small restaurant into DIR: master data and settings in usr/data, etc/reports.ini and etc/globals.ini, closed days in var/statist (with their Z numbers, journal lines and day summaries), today&apos;s paid tables with the archive index, open tables (one held by a terminal) and time controls. The same arguments always give the same files.

A directory that is not empty is refused, unless it holds an earlier demo and --force is given; then only the files a demo writes are replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closed days before today, 0 to 3660 (default %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid tables per day, 1 to 10000 (default %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed of the generator (default %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The demo&apos;s current, not yet closed day (default: today).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the demo installation that DIR holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the demo was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIR is not empty (or holds a demo and --force is missing), or a file cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list the tables open on the terminals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints what the back office&apos;s open tables document lists: the column titles, then one item per table of var/tables in ascending table number and party (a table that a terminal holds right now is left out), and last the number of tables and the sum of their amounts.

Under each table: &quot;Creation&quot; with the bill number, time and date the table was opened; &quot;Pay&quot; with every payment (voided ones too; a charge to a hotel room adds the guest, party and room after it); &quot;Order&quot; with price (add-ons included), article, article number, count, time and date of every order. &quot;Pay&quot; and &quot;Order&quot; are there only when the table has an entry of their kind.

One item a line, each level two blanks deeper, columns separated by a tab. Amounts are in the system currency of usr/data/currency.dat; without that list the table amount is in cents and the other amounts in units with two decimals. --format csv and json write the same items (docs/report-json.md, &quot;Lists&quot;), pdf the printed page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accepted as every command takes it; the list holds no clock time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list was printed (also when no table is open)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the --output file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option, a bad time, no such directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all waiters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>per waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>per cost center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>batch, fiscal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>batch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--progress and --quiet exclude each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not apply to the paid tables journal (kind %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>report: interrupted; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--kind %1: there is no report kind %1 (see &apos;veltrum report --list-kinds&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 applies to the paid tables journal (kind 1) only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>report: kind %1 is not available on the command line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>report: --kind %1: Batch not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print a summary, a batch of summaries, the paid tables journal or the list of report kinds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report kind: 1 the paid tables journal, 3-42 a summary, 100+N the batch N.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List every report kind with its caption and grouping; with --data also the installation&apos;s batches (100+N).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first closed day of the report; without it, the current day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last closed day (needs --from; default: --from alone).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the range into periods of N days, each printed with its own header and separated by a line of &apos;*&apos; (the last period ends with --to); 0, the default, prints the whole range at once. Has an effect only with --from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count the entries of the open tables too (current day only).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave out credit orders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All tables (default), only those that count in the turnover, or only those that do not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All waiters (default), without trainee waiters, or only trainee waiters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only what waiter N booked, as the back office shows it to that waiter; 0 for all. An unknown waiter is an error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journal: the table lines carry the bill number (default no).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journal: the table lines carry the archive number (default no).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the day being read and a progress bar on standard error, also when it is no terminal (by default only on a terminal).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show no progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report was written (also when nothing matched)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Batch not found&quot;, a kind that only the back office shows, or a file that cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option, kind, filter, outlet or waiter, a bad date, --from after --to, --to without --from, no such directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interrupted by Ctrl-C: the run stopped at its next table, nothing was printed and no --output file was left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too few arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad value &apos;%1&apos; for %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number from 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from %1 lies after --to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append the program&apos;s log to FILE (level ERROR unless KORVAL_LOGLEVEL names another): the causes of failures, with their source positions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit codes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: veltrum COMMAND [OPTIONS] [ARGUMENTS]
       veltrum help COMMAND | veltrum COMMAND --help

Looks into and works on the data of a POS installation.

Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the help of a command: its options and exit codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the module&apos;s version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit codes are the same for every command: 0 success, 1 failure (bad input, a file that cannot be read or written, a refused closing), 2 wrong arguments, 3 a closing stopped by open tables, 130 interrupted (Ctrl-C). Each command&apos;s help says which of them it uses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: missing subcommand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unknown subcommand &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected error (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--data %1: no such directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The installation&apos;s directory (the one holding usr/data, var and etc).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixes the clock (the printed time and the business day), so that the output can be reproduced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only what the summary filter ID of usr/data/sumfilters.dat lets through; 0 for none. An unknown ID is an error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the terminals of the outlet ID of usr/data/sumoutlets.dat instead of the installation&apos;s own data; 0 for none. An unknown ID is an error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: there is no %3 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>summary filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outlet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list how long each waiter was logged on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints what the back office&apos;s time controls document lists: one item per waiter in number order (number, name, total time), and under it one item per logon period in day order (day, an empty column, duration, logon and logoff time), from the day files of var/control.

A logoff earlier than the logon lies on the next day. A period that is still running (no logoff time) ends at --now when it belongs to the day of --now, and at 23:59:59 of its day before that. Without var/control, or with no day in the range, nothing is printed.

One item a line, children two blanks deeper, columns separated by a tab. --format csv and json write the same items (docs/report-json.md, &quot;Lists&quot;), pdf the printed page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first day to list; without it, from the first day recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last day to list; without it, up to the last day recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only waiter N. An unknown waiter is an error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixes the clock that running periods end at, so that the output can be reproduced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list was printed (also when nothing was recorded)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the --output file could not be written, or a day file that cannot be read (&quot;Could not load time controls&quot;, or &quot;List of time controls not found&quot; when it vanished while being read)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option or waiter, a bad date or time, --from after --to, no such directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The form of the output: the printed lines (text, default); the data the lines come from as CSV (a header row, one row per item, RFC 4180) or as JSON (&quot;format&quot;: 1, see docs/report-json.md), amounts in cents; or the printed page as PDF (needs --output when standard output is a terminal).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output. FILE is replaced only when the run succeeds; an interrupted or failed run leaves no partial file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format pdf writes no PDF to a terminal; add --output FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--output %1: is a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard output cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>table %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>table %1/%2, waiter %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to close for %1: var/archives holds no paid table (--cancel-if-empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter %1 still owns an open table; the closing of their tables was refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another closing is running (var/lock/turnover.lck is held); try again when it has ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiter %1 closed %2 already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The closing of %1 failed inside; what was moved stays moved (--log FILE records the cause)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The closing of %1 failed with code %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This day is already fiscalized!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was closed already; closing it again uses Z counter %2 (add --force to do so)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There still are open tables (add --force to close the day all the same)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dry run: closing %1 (%2); nothing is written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waiter %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>whole day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another closing holds var/lock/turnover.lck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lock is free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fiscal summary files are not checked for a waiter&apos;s closing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the day has a fiscal summary file in var/reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no fiscal summary file of the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no open table on the terminals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open tables: %1; --force closes the day all the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open tables: %1; they stop the closing (see --force)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is held by terminal %2 and stays open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the day was not closed before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the day&apos;s journal has %1 run(s) already (%2turnover.z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the interrupted move of %1 is completed first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bills would move (%2) into %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z counter %1 would be used; the day would get Z number %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z counter %1 would be used; the day keeps its Z number %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The closing would go through.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The closing would not go through: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turnover: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>veltrum: turnover: closing %1 again; Z counter %2 is used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closed %1: %2 bills moved into %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z counter %1, the day&apos;s Z number %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turnover: there still are open tables; close them on the terminals, or add --force to close the day all the same:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close the business day (of one waiter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the business day --date as the back office does: the paid tables of var/archives move into var/statist/tagDD.MM.YYYY, stamped with the run&apos;s Z counter, the day gets its Z number, the run is journalled in the day&apos;s turnover.z, the day summary and the archive index are rebuilt, the statistics are uploaded and every terminal is told. With --waiter only that waiter&apos;s tables move.

Success prints the number of bills moved, the day directory, the Z counter the run used and the day&apos;s Z number. Open tables on the terminals stop the closing and are listed, unless --force is given. A day that already has a fiscal summary file is refused. A day that was closed as a whole before is closed again only with --force, since every run uses a Z number (waiter closings leave the day open).

--dry-run writes nothing: it checks the lock, the fiscal files, the open and held tables and the journal, and tells which bills would move (count and amount), the Z counter the run would use and the day&apos;s Z number, then exits with the code the real run would give.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The business day to close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close only the tables of waiter N. An unknown waiter is an error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The waiter who runs the closing (journalled and named in the terminals&apos; message). An unknown waiter is an error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give up when var/archives holds nothing to move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close even while tables are open, and close again a day that was closed as a whole before (a Z number is used).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check and tell what the closing would do, without writing anything.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the day was closed (with --dry-run: it would be)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the closing was refused or failed: the day is fiscalized or was closed before (without --force), there is nothing to close (--cancel-if-empty), the waiter owns an open table or closed this day already, another closing is running, or a file error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong arguments: an unknown option or waiter, a bad date, no such directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open tables stopped the closing (see --force); with --dry-run: they would</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the paid tables journal (kind %1) has no chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format %1: report kind %2 has no chart (charts: the waiter, minimal, article, family, department, void, hour and discount reports)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the lines that the back office&apos;s reports document lists for report kind ID: 3 to 42 are the summaries (5 &quot;Waiter report&quot;, 7 &quot;All articles&quot;, 38 &quot;Table report&quot;, ...), 100+N runs the summary batch N of usr/data/sumbatches.dat. &apos;veltrum report --list-kinds&apos; lists them all. Kind 1 (and 2, &quot;Journal&quot;) is the paid tables journal: one line per paid table (closing time, date, waiter, table/party, with --show-bill its bill and with --show-arch its archive number, and on a second line its amount), its entries below it indented by two blanks, in the order the tables were closed; --filter applies, the summary options do not.

Without --from the report covers the current, not yet closed business day: the open tables in var/tables and the paid ones in var/archives. With --from it covers the closed days from --from to --to (or the day --from alone), each read from its day summary in var/summary. When nothing matched, the header stands alone; &quot;Batch not found&quot; for an unknown batch. Captions, switches and widths come from the installation&apos;s etc/reports.ini.

--format csv and --format json write the data the lines come from (groups, items with counts and amounts in cents, the figures of the full summary), --format pdf the printed page. --format png and --format svg draw the report&apos;s chart from the same data: bars per hour for the hour reports (19-21), a pie of the payment forms for the waiter and minimal reports (4-6, 31), the 15 items with the highest amounts and the rest for the article, family, family group, department, void and discount reports; one chart per waiter or cost center, one below the other. On a terminal the day being read and a progress bar are shown on standard error; Ctrl-C stops the run cleanly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages, help and reports in German (de) or English (en); without it, the language that LC_ALL, LC_MESSAGES or LANG names, else the &quot;language&quot; of the installation&apos;s etc/globals.ini, else English.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>messages, help and reports in German or English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad value &apos;%1&apos; for --lang (de|en)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lang is given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The form of the output: the printed lines (text, default); the data the lines come from as CSV (a header row, one row per item, RFC 4180) or as JSON (&quot;format&quot;: 1, see docs/report-json.md), amounts in cents; the printed page as PDF, with the report&apos;s chart under its header; or the chart alone as PNG or SVG, one chart per waiter or cost center one below the other (PDF and PNG need --output when standard output is a terminal).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format png writes no picture to a terminal; add --output FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veltrum-office</name>
    <message>
        <source>The Veltrum back office.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The installation directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the window as a picture once shown, then quit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module library to load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veltrum back office - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veltrum back office
Reporting %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
