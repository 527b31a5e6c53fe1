#include "trepprogress.h"

#include <QPushButton>

TRepProgress::TRepProgress(QWidget *parent)
    : TRepProgressBase(parent)
{
    setModal(true);
}

TRepProgress::~TRepProgress() = default;

void TRepProgress::reject()
{
    if (!m_cancelled) {
        m_cancelled = true;
        b_Cancel->setEnabled(false);
        b_Cancel->setText(tr("Stopping..."));
    }
    emit cancelled();
}

void TRepProgress::languageChange()
{
    TRepProgressBase::languageChange();
    if (m_cancelled)
        b_Cancel->setText(tr("Stopping..."));
}

void TRepProgress::finish()
{
    QDialog::done(QDialog::Accepted);
}
