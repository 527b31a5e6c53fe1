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
#include <QLineEdit>
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

} // namespace

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
    for (QWidget *child : dialog->findChildren<QWidget *>()) {
        if (!isElement(child))
            continue;
        auto *element = new TAccessItem(item, child->objectName(), child->objectName());
        element->setGranted(TOffConfig::checkDlgRight(name, child->objectName()));
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
