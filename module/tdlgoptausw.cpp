#include "tdlgoptausw.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

TDlgOptAusw::TDlgOptAusw(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TDlgOptAusw"));
    setWindowTitle(tr("Summary options"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buttons);
}

TDlgOptAusw::~TDlgOptAusw() = default;
