#include "tdlgaccess.h"

#include "taccessitem.h"
#include "terror.h"
#include "toffconfig.h"
#include "toffdlg.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Elements that a right can switch off: what the user works with.
bool isElement(QWidget *widget)
{
    const QString name = widget->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
        return false;
    return qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget)
           || qobject_cast<QComboBox *>(widget) || qobject_cast<QAbstractSpinBox *>(widget)
           || qobject_cast<QAbstractItemView *>(widget);
}

// A text without its mnemonic marks and closing colon: "&Waiter:" is
// "Waiter".
QString plain(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    text = text.simplified();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

} // namespace

QString TDlgAccess::elementLabel(QWidget *dialog, QWidget *element)
{
    // what the user reads on or beside it: a button's text, the label whose
    // buddy it is, its accessible name or tool tip; the name of the widget
    // only when it has none of these
    QString text;
    if (auto *button = qobject_cast<QAbstractButton *>(element))
        text = plain(button->text());
    if (text.isEmpty() || text == QLatin1String("..."))
        for (QLabel *label : dialog->findChildren<QLabel *>())
            if (label->buddy() == element && !plain(label->text()).isEmpty()) {
                text = plain(label->text());
                break;
            }
    if (text.isEmpty() || text == QLatin1String("..."))
        text = plain(element->accessibleName());
    if (text.isEmpty())
        text = plain(
                QString(element->toolTip()).remove(QRegularExpression(QStringLiteral("<[^>]*>"))));
    if (text.isEmpty() || text == QLatin1String("..."))
        text = element->objectName();
    return text;
}

TDlgAccess::TDlgAccess(QWidget *parent, const char *name)
    : QDialog(parent)
    , m_items(new QTreeWidget(this))
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setWindowTitle(tr("Dialog access"));
    m_items->setObjectName(QStringLiteral("m_Dialogs"));
    m_items->setHeaderLabels({tr("Dialog")});
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_items);
    layout->addWidget(buttons);
    resize(420, 420);
}

TDlgAccess::~TDlgAccess() = default;

TAccessItem *TDlgAccess::insert(QWidget *dialog, const QString &label)
{
    if (!dialog)
        return nullptr;
    const QString name = dialog->objectName();
    auto *item = new TAccessItem(m_items, name, label);
    item->setGranted(TOffConfig::checkDlgRight(name));
    // an element keeps its own right while the dialog is denied, so that
    // granting the dialog again gives back the elements as they were
    for (QWidget *child : dialog->findChildren<QWidget *>()) {
        if (!isElement(child))
            continue;
        auto *element = new TAccessItem(item, child->objectName(), elementLabel(dialog, child));
        element->setToolTip(0, child->objectName());
        element->setGranted(TOffConfig::elementRight(name, child->objectName()));
    }
    return item;
}

void TDlgAccess::accept()
{
    for (int i = 0; i < m_items->topLevelItemCount(); ++i) {
        auto *dialog = static_cast<TAccessItem *>(m_items->topLevelItem(i));
        TOffConfig::setDlgRight(dialog->key(), QString(), dialog->granted());
        for (int j = 0; j < dialog->childCount(); ++j) {
            auto *element = static_cast<TAccessItem *>(dialog->child(j));
            TOffConfig::setDlgRight(dialog->key(), element->key(), element->granted());
        }
    }
    if (!TOffDlg::writeConfig(this))
        return;
    QDialog::accept();
}
