#include "tvariabledoc.h"

#include "tdlgselectdate.h"
#include "tlocaltext.h"
#include "toffwindow.h"

#include <QToolButton>

TVariableDoc::TVariableDoc(TVeltrum *module, TOffWindow *window)
    : TPaidTablesDoc(window, QStringLiteral("aswvariable"))
    , m_module(module)
{
    setHelpTopic(QStringLiteral("range"));
}

TVariableDoc::~TVariableDoc() = default;

QString TVariableDoc::caption() const
{
    return tr("Range statistics");
}

void TVariableDoc::onSelection()
{
    TPaidTablesDoc::onSelection();
    // asked once, when the document is first shown; afterwards the range
    // button (or File › New) changes it
    if (!m_asked) {
        m_asked = true;
        onNew();
    }
}

QString TVariableDoc::rangeText() const
{
    if (!hasDate())
        return tr("No range chosen");
    if (!toDate().isValid() || toDate() == fromDate())
        return Basics::dateText(fromDate());
    return tr("%1 - %2").arg(Basics::dateText(fromDate()), Basics::dateText(toDate()));
}

void TVariableDoc::addRowTools()
{
    m_rangeButton = new QToolButton;
    m_rangeButton->setObjectName(QStringLiteral("b_Range"));
    m_rangeButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_rangeButton->setIcon(themedPixmap(QStringLiteral("REPORTRANGE"), 16));
    m_rangeButton->setText(rangeText());
    m_rangeButton->setToolTip(
            tr("The days of this report; click to choose others (<b>Ctrl+N</b>)"));
    connect(m_rangeButton, &QToolButton::clicked, this, &TVariableDoc::onNew);
    addTool(m_rangeButton);
}

void TVariableDoc::onNew()
{
    TDlgSelectDate dialog(window(), tr("Select date range..."));
    if (hasDate()) {
        dialog.setFrom(fromDate());
        dialog.setTo(toDate());
        dialog.setStep(step());
    }
    if (dialog.exec() != QDialog::Accepted)
        return;
    setRange(dialog.getFrom(), dialog.getTo(), dialog.getStep());
    if (m_rangeButton)
        m_rangeButton->setText(rangeText());
}
