#include "tsumfiltertest.h"

#include "tcombobox.h"
#include "terror.h"
#include "toffapplication.h"
#include "toffdlg.h"
#include "toffworkspace.h"
#include "tvalue.h"

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

// The family box's "None": family numbers start at 0.
const int NoFamily = -1;

} // namespace

TSumFilterTest::TSumFilterTest(const PosLib::TSumFilter &filter, TOffWorkspace *workspace,
                               QWidget *parent)
    : TSumFilterTestBase(parent)
    , m_filter(filter)
    , m_workspace(workspace)
    , m_Result(new QPlainTextEdit(this))
{
    m_Result->setObjectName(QStringLiteral("m_Result"));
    m_Result->setReadOnly(true);
    m_Result->setMinimumHeight(120);
    if (auto *layout = qobject_cast<QVBoxLayout *>(this->layout()))
        layout->insertWidget(1, m_Result, 1);
    languageChange();
    resize(460, 380);
    if (TOffApplication *application = TOffApplication::instance())
        connect(application, &TOffApplication::lngChanged, this, &TSumFilterTest::languageChange);
}

TSumFilterTest::~TSumFilterTest() = default;

void TSumFilterTest::languageChange()
{
    TSumFilterTestBase::languageChange();
    fillBoxes();
    if (!m_lines.isEmpty())
        onStart();
}

void TSumFilterTest::fillBoxes()
{
    const struct
    {
        QtWidgets::TComboBox *box;
        const char *list;
        int none;
    } boxes[] = {
            {m_Center, "costcenters", 0},     {m_Waiter, "waiters", 0},
            {m_Table, "tablecfgs", 0},        {m_Article, "articles", 0},
            {m_Family, "families", NoFamily}, {m_Payform, "payforms", 0},
            {m_Vat, "vatrates", 0},
    };
    for (const auto &b : boxes) {
        const int current = b.box->count() > 0 ? b.box->currentId() : b.none;
        b.box->clear();
        b.box->insertItem(b.none, tr("None"));
        if (Basics::TValueList *list
            = m_workspace ? m_workspace->getData(QLatin1String(b.list)) : nullptr)
            for (Basics::TValue *record : list->values())
                b.box->insertItem(record->id(), record->name());
        if (!b.box->setCurrentId(current))
            b.box->setCurrentIndex(0);
    }
}

Basics::TValue TSumFilterTest::selection() const
{
    Basics::TValue record;
    const struct
    {
        QtWidgets::TComboBox *box;
        const char *key;
        int none;
    } boxes[] = {
            {m_Center, "center", 0},   {m_Waiter, "waiter", 0},        {m_Table, "table", 0},
            {m_Article, "article", 0}, {m_Family, "family", NoFamily}, {m_Payform, "payform", 0},
    };
    for (const auto &b : boxes) {
        const int id = b.box->currentId();
        if (b.box->currentIndex() > 0 && id != b.none)
            record.setInt(QLatin1String(b.key), id);
    }
    return record;
}

QString TSumFilterTest::describe(const PosLib::TFilterProbe::Table &table, bool kept) const
{
    QString text = table.open ? tr("open table %1/%2").arg(table.table).arg(table.party)
                              : tr("paid table %1/%2 (archive %3)")
                                        .arg(table.table)
                                        .arg(table.party)
                                        .arg(table.archive);
    if (table.waiter != 0)
        text += tr(", waiter %1 %2").arg(table.waiter).arg(table.waiterName);
    if (kept)
        text += tr(": %1 of %2 entries kept").arg(table.keptEntries).arg(table.entries);
    return text;
}

void TSumFilterTest::onStart()
{
    const Basics::TValue selected = selection();
    try {
        m_probe = PosLib::probeFilter(m_filter, m_workspace ? m_workspace->getPath() : QString(),
                                      selected, 2);
    } catch (const Basics::TError &e) {
        TOffDlg::error(this, tr("The tables of the day cannot be read: %1").arg(e.text()));
        return;
    }
    m_lines.clear();
    m_lines << (selected.isEmpty() ? tr("Tables of the current day: %1").arg(m_probe.tables)
                                   : tr("Tables of the current day that match the selection: %1")
                                             .arg(m_probe.tables));
    m_lines << tr("Kept by the table filter: %1").arg(m_probe.keptTables);
    m_lines << tr("Entries of the kept tables: %1, kept by the entry filter: %2")
                       .arg(m_probe.entries)
                       .arg(m_probe.keptEntries);
    for (const PosLib::TFilterProbe::Table &table : m_probe.kept)
        m_lines << tr("Kept: %1").arg(describe(table, true));
    for (const PosLib::TFilterProbe::Table &table : m_probe.dropped)
        m_lines << tr("Dropped: %1").arg(describe(table, false));
    m_Result->setPlainText(m_lines.join(QLatin1Char('\n')));
}

QString TSumFilterTest::script() const
{
    const QString tables = m_filter.tables();
    const QString entries = m_filter.entries();
    return tr("Table filter:\n%1\n\nEntry filter:\n%2")
            .arg(tables.isEmpty() ? tr("(every table)") : tables,
                 entries.isEmpty() ? tr("(every entry)") : entries);
}

void TSumFilterTest::onView()
{
    QMessageBox::information(this, tr("Filter script"), script());
}

void TSumFilterTest::onHelp()
{
    TOffDlg::showHelp(this, QStringLiteral("veltrum.html#filtertest"));
}
