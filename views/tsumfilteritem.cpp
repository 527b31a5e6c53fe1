#include "tsumfilteritem.h"

#include "conditiontext.h"
#include "toffapplication.h"
#include "toffdlg.h"
#include "tsumfilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QVBoxLayout>

using PosLib::TConditionItem;
using PosLib::TSumFilter;

namespace {

const char *const DateFormat = "yyyyMMdd";
const char *const TimeFormat = "hhmmss";

} // namespace

TSumFilterItem::TSumFilterItem(const QString &item, QWidget *parent)
    : TSumFilterItemBase(parent)
    , m_Alternative(new QCheckBox(this))
{
    m_Alternative->setObjectName(QStringLiteral("m_Alternative"));
    m_Alternative->hide();
    if (auto *layout = qobject_cast<QVBoxLayout *>(this->layout()))
        layout->insertWidget(layout->count() - 2, m_Alternative);
    // the note speaks of the items that must match together with this one
    connect(m_Alternative, &QCheckBox::toggled, l_Note, &QWidget::setHidden);
    m_Date->setDate(QDate::currentDate());
    m_Time->setTime(QTime(0, 0, 0));
    languageChange();
    setItem(item);
    if (!item.isEmpty())
        setWindowTitle(tr("Edit filter item"));
    if (TOffApplication *application = TOffApplication::instance())
        connect(application, &TOffApplication::lngChanged, this, &TSumFilterItem::languageChange);
}

TSumFilterItem::~TSumFilterItem() = default;

void TSumFilterItem::offerAlternative(bool offer)
{
    m_Alternative->setVisible(offer);
    if (!offer)
        m_Alternative->setChecked(false);
}

bool TSumFilterItem::newAlternative() const
{
    return m_Alternative->isChecked();
}

void TSumFilterItem::languageChange()
{
    TSumFilterItemBase::languageChange();
    m_Alternative->setText(tr("As an &alternative to the other items"));
    const int kind = this->kind();
    const QString key = attribute();
    const int comparison = m_Comp->currentIndex();
    fillKinds();
    selectKind(kind);
    fillAttributes(key);
    fillComparisons();
    m_Comp->setCurrentIndex(qMax(0, comparison));
}

void TSumFilterItem::fillKinds()
{
    // the kinds offered, plus one an edited item brought along
    QList<int> kinds;
    for (int i = 0; i < m_List->count(); ++i)
        kinds.append(m_List->itemData(i).toInt());
    for (int kind = 0; kind <= 5; ++kind)
        if (!kinds.contains(kind))
            kinds.append(kind);
    const QSignalBlocker blocker(m_List);
    m_List->clear();
    for (int kind : kinds)
        m_List->addItem(kind < 0 ? tr("Any entry") : TSumFilter::kindName(kind), kind);
}

void TSumFilterItem::fillAttributes(const QString &keep)
{
    const int kind = this->kind();
    const QSignalBlocker blocker(m_Entry);
    m_Entry->clear();
    for (const TSumFilter::Attribute &a : TSumFilter::attributes(kind))
        m_Entry->addItem(TSumFilter::attributeCaption(kind, QLatin1String(a.key)),
                         QLatin1String(a.key));
    if (!keep.isEmpty() && m_Entry->findData(keep) < 0)
        m_Entry->addItem(keep == QLatin1String("type") ? tr("Entry type")
                                                       : TSumFilter::attributeCaption(kind, keep),
                         keep);
    const int at = keep.isEmpty() ? 0 : m_Entry->findData(keep);
    m_Entry->setCurrentIndex(qMax(0, at));
    onEntry(m_Entry->currentText());
}

void TSumFilterItem::fillComparisons()
{
    const QSignalBlocker blocker(m_Comp);
    m_Comp->clear();
    m_Comp->addItem(tr("less"), QStringLiteral("<"));
    m_Comp->addItem(tr("greater"), QStringLiteral(">"));
    m_Comp->addItem(tr("equal"), QStringLiteral("="));
    m_Comp->addItem(tr("unequal"), QStringLiteral("!"));
}

int TSumFilterItem::kind() const
{
    return m_List->currentIndex() < 0 ? 0 : m_List->currentData().toInt();
}

QString TSumFilterItem::attribute() const
{
    return m_Entry->currentData().toString();
}

bool TSumFilterItem::selectKind(int kind)
{
    int at = m_List->findData(kind);
    if (at < 0) {
        m_List->addItem(kind < 0 ? tr("Any entry") : TSumFilter::kindName(kind), kind);
        at = m_List->count() - 1;
    }
    const QSignalBlocker blocker(m_List);
    m_List->setCurrentIndex(at);
    fillAttributes();
    return true;
}

bool TSumFilterItem::selectAttribute(const QString &key)
{
    const int at = m_Entry->findData(key);
    if (at < 0)
        return false;
    m_Entry->setCurrentIndex(at);
    onEntry(m_Entry->currentText());
    return true;
}

bool TSumFilterItem::selectComparison(QChar op)
{
    const int at = m_Comp->findData(QString(op));
    if (at < 0)
        return false;
    m_Comp->setCurrentIndex(at);
    return true;
}

void TSumFilterItem::setItem(const QString &text)
{
    TConditionItem item;
    if (!TConditionItem::parse(text, item)) {
        selectKind(0);
        selectComparison(u'=');
        return;
    }
    selectKind(item.kind);
    fillAttributes(item.attribute);
    if (!selectComparison(item.op))
        selectComparison(u'!');
    if (item.attribute == QLatin1String("date")) {
        const QDate date = QDate::fromString(item.value, QLatin1String(DateFormat));
        if (date.isValid())
            m_Date->setDate(date);
    } else if (item.attribute == QLatin1String("time")) {
        const QTime time = QTime::fromString(item.value, QLatin1String(TimeFormat));
        if (time.isValid())
            m_Time->setTime(time);
    }
    m_Value->setText(item.value);
}

QString TSumFilterItem::value() const
{
    const QString key = attribute();
    if (key == QLatin1String("date"))
        return m_Date->date().toString(QLatin1String(DateFormat));
    if (key == QLatin1String("time"))
        return m_Time->time().toString(QLatin1String(TimeFormat));
    return m_Value->text().trimmed();
}

QString TSumFilterItem::item() const
{
    TConditionItem item;
    item.kind = kind();
    item.attribute = attribute();
    const QString op = m_Comp->currentData().toString();
    item.op = op.isEmpty() ? QChar(u'=') : op.at(0);
    item.value = value();
    return item.text();
}

void TSumFilterItem::onList(int)
{
    fillAttributes();
}

void TSumFilterItem::onEntry(const QString &)
{
    const QString key = attribute();
    const bool date = key == QLatin1String("date");
    const bool time = key == QLatin1String("time");
    m_Date->setVisible(date);
    m_Time->setVisible(time);
    m_Value->setVisible(!date && !time);
}

void TSumFilterItem::onHelp()
{
    TOffDlg::showHelp(this, QStringLiteral("veltrum.html#filteritem"));
}

void TSumFilterItem::accept()
{
    TConditionItem item;
    TConditionItem::parse(this->item(), item);
    const QString problem = PosLib::checkConditionItem(item);
    if (!problem.isEmpty()) {
        TOffDlg::error(this, problem);
        return;
    }
    TSumFilterItemBase::accept();
}
