#include "ttimecontrolsdoc.h"

#include "tcombobox.h"
#include "tdatepicker.h"
#include "terror.h"
#include "tlocaltext.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "toffapplication.h"
#include "toffdlg.h"
#include "tofflistview.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "ttimecontrols.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QProgressBar>
#include <QToolButton>

using PosLib::TLogonSpan;
using PosLib::TWaiterTimes;

namespace {

// A moment as a number that sorts like the moment: yyyyMMddhhmmss.
QString sortable(const QDateTime &moment)
{
    return moment.toString(QStringLiteral("yyyyMMddhhmmss"));
}

} // namespace

// ---- TWaiterItem ------------------------------------------------------------

TTimeControlsDoc::TWaiterItem::TWaiterItem(TOffListView *view, QTreeWidgetItem *after, int waiter,
                                           const QString &name)
    : TOffListItem(view, after)
    , m_waiter(waiter)
    , m_name(name)
{
    addSeconds(0);
}

void TTimeControlsDoc::TWaiterItem::addSeconds(qint64 seconds)
{
    m_total += seconds;
    TWaiterTimes times;
    times.waiter = m_waiter;
    times.total = m_total;
    const QStringList texts = PosLib::waiterColumns(times, m_name);
    for (int column = 0; column < texts.size(); ++column)
        setText(column, texts.at(column));
}

QString TTimeControlsDoc::TWaiterItem::key(int column) const
{
    if (column == 0)
        return QString::number(m_waiter);
    if (column == 2)
        return QString::number(m_total);
    return TOffListItem::key(column);
}

// ---- TTimeItem --------------------------------------------------------------

TTimeControlsDoc::TTimeItem::TTimeItem(TWaiterItem *waiter, QTreeWidgetItem *after,
                                       const TLogonSpan &span)
    : QtWidgets::TListViewItem(waiter, after)
    , m_span(span)
{
    QStringList texts = PosLib::spanColumns(span);
    // the day in the window's language
    if (!texts.isEmpty())
        texts[0] = Basics::dateText(span.day);
    for (int column = 0; column < texts.size(); ++column)
        setText(column, texts.at(column));
}

QString TTimeControlsDoc::TTimeItem::key(int column) const
{
    switch (column) {
    case 0:
        return m_span.day.toString(QStringLiteral("yyyyMMdd"));
    case 3:
        return sortable(m_span.logon);
    case 4:
        return sortable(m_span.logoff);
    default:
        return QtWidgets::TListViewItem::key(column);
    }
}

// ---- TTimeControlsDoc -------------------------------------------------------

TTimeControlsDoc::TTimeControlsDoc(TOffWindow *window)
    : TOffDataDoc(QStringLiteral("timecontrols"), window, false)
    , m_from(QDate::currentDate())
    , m_to(QDate::currentDate())
    , m_fromRemembered(m_from)
    , m_toRemembered(m_to)
{
    setHelpTopic(QStringLiteral("reporting_timecontrol"));
}

TTimeControlsDoc::~TTimeControlsDoc() = default;

QString TTimeControlsDoc::caption() const
{
    return tr("Time controlling");
}

QStringList TTimeControlsDoc::columns() const
{
    return {numberColumnTitle(), tr("Waiter"), tr("Duration"), tr("From"), tr("To")};
}

QWidget *TTimeControlsDoc::createView(QWidget *parent)
{
    QWidget *view = TOffDataDoc::createView(parent);
    if (auto *list = qobject_cast<TOffListView *>(view)) {
        list->setSortingEnabled(true);
        list->sortByColumn(0, Qt::AscendingOrder);
    }
    return view;
}

void TTimeControlsDoc::languageChange()
{
    TOffDataDoc::languageChange();
    if (TOffListView *list = listView()) {
        setColumnTexts(list);
        fillData(list);
    }
}

void TTimeControlsDoc::setColumnTexts(TOffListView *list)
{
    const QStringList titles = columns();
    for (int column = 0; column < titles.size(); ++column)
        list->setColumnText(column, titles.at(column));
}

QDateTime TTimeControlsDoc::now() const
{
    return m_now.isValid() ? m_now : QDateTime::currentDateTime();
}

void TTimeControlsDoc::fill()
{
    if (TOffListView *list = listView())
        fillData(list);
}

void TTimeControlsDoc::onSelection()
{
    TOffWorkspace *ws = workspace();

    // 1. the waiter box: "Show all", then every waiter
    auto *label = new QLabel(tr("Waiter:"));
    addTool(label);
    m_waiterBox = new QtWidgets::TComboBox;
    m_waiterBox->setEditable(true);
    m_waiterBox->setToolTip(tr("Resctrict view to this waiter"));
    TOffDlg::fillCombo(m_waiterBox, ws ? ws->getData(QStringLiteral("waiters")) : nullptr,
                       tr("Show all"));
    if (!m_waiterBox->setCurrentId(m_waiter))
        m_waiterBox->setCurrentId(0);
    label->setBuddy(m_waiterBox);
    connect(m_waiterBox->lineEdit(), &QLineEdit::returnPressed, this, &TTimeControlsDoc::onRefresh);
    addTool(m_waiterBox);

    // 2. and 3. the bounds, each with its check box and date edit
    auto bound = [this](const QString &text, Qt::Key key, const QString &tip, const QDate &date,
                        QPointer<QCheckBox> &box, QPointer<QtWidgets::TDatePicker> &edit) {
        box = new QCheckBox(text);
        box->setShortcut(key);
        box->setToolTip(tip);
        box->setChecked(date.isValid());
        edit = new QtWidgets::TDatePicker;
        edit->setDate(date.isValid() ? date : QDate());
        edit->setEnabled(date.isValid());
        addTool(box);
        addTool(edit);
    };
    bound(tr("From:"), Qt::Key_F3, tr("Set the start date of this view (<b>F3</b>)"), m_from,
          m_fromBox, m_fromEdit);
    bound(tr("To:"), Qt::Key_F4, tr("Set the end date of this view (<b>F4</b>)"), m_to, m_toBox,
          m_toEdit);
    connect(m_fromBox, &QCheckBox::toggled, this, &TTimeControlsDoc::onFromToggled);
    connect(m_fromEdit, &QtWidgets::TDatePicker::dateChanged, this,
            &TTimeControlsDoc::onFromChanged);
    connect(m_toBox, &QCheckBox::toggled, this, &TTimeControlsDoc::onToToggled);
    connect(m_toEdit, &QtWidgets::TDatePicker::dateChanged, this, &TTimeControlsDoc::onToChanged);

    // 4. refresh
    m_refresh = addToolButton(QStringLiteral("REFRESH"), Qt::Key_F5,
                              tr("Refresh this view with current restrictions (<b>F5</b>)"));
    connect(m_refresh, &QToolButton::clicked, this, &TTimeControlsDoc::onRefresh);
    addToolStretch();
    TOffDataDoc::onSelection();
}

QDate TTimeControlsDoc::toggleBound(QtWidgets::TDatePicker *edit, bool on, QDate &remembered)
{
    if (!edit)
        return on ? remembered : QDate();
    edit->setEnabled(on);
    if (on) {
        edit->setDate(remembered);
        edit->setFocus();
    } else {
        if (edit->date().isValid())
            remembered = edit->date();
        edit->setDate(QDate());
        if (TOffListView *list = listView())
            list->setFocus();
    }
    return on ? edit->date() : QDate();
}

void TTimeControlsDoc::onFromToggled(bool on)
{
    m_from = toggleBound(m_fromEdit, on, m_fromRemembered);
}

void TTimeControlsDoc::onFromChanged(const QDate &date)
{
    m_from = date;
}

void TTimeControlsDoc::onToToggled(bool on)
{
    m_to = toggleBound(m_toEdit, on, m_toRemembered);
}

void TTimeControlsDoc::onToChanged(const QDate &date)
{
    m_to = date;
}

void TTimeControlsDoc::onRefresh()
{
    // a date typed and not yet confirmed counts, as the user sees it
    for (QtWidgets::TDatePicker *edit : {m_fromEdit.data(), m_toEdit.data()})
        if (edit && edit->isEnabled())
            edit->commit();
    // the number in front of the box's text; "Show all" and anything
    // unreadable show every waiter
    m_waiter = m_waiterBox ? qMax(0, m_waiterBox->currentId()) : m_waiter;
    if (TOffListView *list = listView())
        fillData(list);
}

QString TTimeControlsDoc::waiterName(int waiter)
{
    TOffWorkspace *ws = workspace();
    Basics::TValueList *waiters = ws ? ws->getData(QStringLiteral("waiters")) : nullptr;
    Basics::TValue *record = waiters ? waiters->find(waiter) : nullptr;
    return record ? record->name() : QString();
}

void TTimeControlsDoc::fillData(TOffListView *list)
{
    // 1. the days of the range
    list->clear();
    TOffWorkspace *ws = workspace();
    if (!ws)
        return;
    PosLib::TTimeControlList days;
    int result;
    try {
        result = days.load(m_from, m_to, ws->getPath());
    } catch (const Basics::TError &e) {
        // the folder could not be made or read
        Basics::logError(e.text(), Basics::LogModule::Library, Basics::LogClass::TimeControlsDoc);
        result = e.code() != 0 ? e.code() : 1;
    }

    // 2. a day that vanished is told in the status line, anything else
    //    that kept a day from being read in a box
    if (result == 7) {
        if (window())
            window()->status(tr("List of time controls not found"), false);
        return;
    }
    if (result != 0) {
        TOffDlg::fatal(window(), tr("Could not load time controls"));
        return;
    }

    // 3. the logon periods of every day, per waiter
    QProgressBar *bar = startProgressBar(days.count());
    const QDateTime clock = now();
    QMap<int, TWaiterTimes> waiters;
    int step = 0;
    for (PosLib::TTimeControls *day : days.days()) {
        setProgress(bar, ++step);
        PosLib::addLogonSpans(waiters, *day, m_waiter, clock);
    }
    QTreeWidgetItem *last = nullptr;
    for (const TWaiterTimes &times : waiters) {
        auto *item = new TWaiterItem(list, last, times.waiter, waiterName(times.waiter));
        QTreeWidgetItem *previous = nullptr;
        for (const TLogonSpan &span : times.spans) {
            previous = new TTimeItem(item, previous, span);
            item->addSeconds(span.seconds());
        }
        last = item;
    }
    list->sortItems(list->sortColumn(), list->header()->sortIndicatorOrder());

    // 4. done
    endProgressBar(bar);
    if (window() && window()->currentDocument() == this)
        window()->status(getInformation(), false);
}
