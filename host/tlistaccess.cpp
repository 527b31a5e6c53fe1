#include "tlistaccess.h"

#include "taccessitem.h"
#include "terror.h"
#include "toffconfig.h"
#include "toffdlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

TListAccess::TListAccess(QWidget *parent, const char *name)
    : QDialog(parent)
    , m_items(new QTreeWidget(this))
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setWindowTitle(tr("List access"));
    m_items->setObjectName(QStringLiteral("m_Lists"));
    m_items->setHeaderLabels({tr("List")});
    m_items->setRootIsDecorated(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_items);
    layout->addWidget(buttons);
    resize(360, 320);
}

TListAccess::~TListAccess() = default;

TAccessItem *TListAccess::insert(const QString &key, const QString &label)
{
    auto *item = new TAccessItem(m_items, key, label);
    item->setGranted(TOffConfig::checkLstRight(key.toLatin1().constData()));
    return item;
}

void TListAccess::accept()
{
    for (int i = 0; i < m_items->topLevelItemCount(); ++i) {
        auto *item = static_cast<TAccessItem *>(m_items->topLevelItem(i));
        TOffConfig::setLstRight(item->key(), item->granted());
    }
    if (!TOffDlg::writeConfig(this))
        return;
    QDialog::accept();
}
