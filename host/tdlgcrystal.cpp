#include "tdlgcrystal.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QIcon>
#include <QListWidget>
#include <QPixmap>
#include <QVBoxLayout>

TDlgCrystal::TDlgCrystal(const QStringList &entries, int current, QWidget *parent)
    : QDialog(parent)
    , m_entries(entries)
{
    setObjectName(QStringLiteral("tdlgcrystal"));
    setWindowTitle(tr("Fast reports"));
    auto *layout = new QVBoxLayout(this);

    m_list = new QListWidget(this);
    m_list->setIconSize(QSize(32, 32));
    for (const QString &entry : entries) {
        const QStringList items = entry.split(QLatin1Char(';'));
        auto *item = new QListWidgetItem(items.value(1), m_list);
        const QString picture = items.value(2);
        if (!picture.isEmpty() && QFileInfo::exists(picture))
            item->setIcon(QIcon(QPixmap(picture)));
        item->setToolTip(items.value(0));
    }
    if (current >= 0 && current < m_list->count())
        m_list->setCurrentRow(current);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(m_list, 1);

    auto *grid = new QGridLayout;
    const QStringList captions {tr("Without report header"), tr("Without report footer"),
                                tr("Without page header"), tr("Without page footer")};
    for (int i = 0; i < captions.size(); ++i) {
        auto *box = new QCheckBox(captions.at(i), this);
        m_switches.append(box);
        grid->addWidget(box, i / 2, i % 2);
    }
    layout->addLayout(grid);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, 360);
}

TDlgCrystal::~TDlgCrystal() = default;

QString TDlgCrystal::result() const
{
    const int row = m_list->currentRow();
    return row >= 0 && m_list->currentItem() && m_list->currentItem()->isSelected()
                   ? m_entries.value(row)
                   : QString();
}

QStringList TDlgCrystal::getHdrFtr() const
{
    QStringList texts;
    for (const QCheckBox *box : m_switches)
        texts << (box->isChecked() ? QStringLiteral("yes") : QStringLiteral("no"));
    return texts;
}
