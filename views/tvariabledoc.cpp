#include "tvariabledoc.h"

#include "tdlgselectdate.h"
#include "toffwindow.h"

TVariableDoc::TVariableDoc(TVeltrum *module, TOffWindow *window)
    : TPaidTablesDoc(window, QStringLiteral("aswvariable"))
    , m_module(module)
{ }

TVariableDoc::~TVariableDoc() = default;

QString TVariableDoc::caption() const
{
    return tr("Range statistics");
}

void TVariableDoc::onSelection()
{
    TPaidTablesDoc::onSelection();
    onNew();
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
}
