#include "tdayclosing.h"

#include "tclosingpreview.h"
#include "tcurrencies.h"
#include "toffworkspace.h"
#include "tturnoverdlg.h"
#include "tvalue.h"
#include "tworkspacelists.h"

#include <QMessageBox>

using namespace PosLib;

TDayClosing::TDayClosing(QWidget *parent, TOffWorkspace *workspace, Basics::TValue *loggedWaiter)
    : m_parent(parent)
    , m_workspace(workspace)
    , m_loggedWaiter(loggedWaiter)
{ }

bool TDayClosing::run()
{
    if (!m_workspace)
        return false;
    const QString root = m_workspace->getPath();
    TTurnOverDlg dialog(m_workspace->getData(QStringLiteral("waiters")),
                        proposedClosingDay(root, m_now), m_parent);
    const QString countedBy = m_loggedWaiter ? QStringLiteral("%1 %2")
                                                       .arg(m_loggedWaiter->id())
                                                       .arg(m_loggedWaiter->name())
                                             : QString();
    dialog.setInstallation(root, m_workspace->lists(), countedBy.trimmed(), m_now);
    if (dialog.exec() != QDialog::Accepted)
        return false;

    TTurnoverRequest request;
    request.root = root;
    request.date = dialog.date();
    request.waiter = dialog.waiter();
    request.executingWaiter = m_loggedWaiter;
    request.terminals = m_workspace->getData(QStringLiteral("terminals"));
    request.now = m_now;
    request.count = dialog.countInput();
    const bool goOn = dialog.goesOnWithOpenTables();
    // tables opened after OK: asked again
    m_outcome = runTurnover(request, [&](const QString &caption, const QString &text) {
        return goOn
               || QMessageBox::warning(m_parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                       QMessageBox::No)
                          == QMessageBox::Yes;
    });
    showResult(request);
    if (m_outcome.status == TTurnoverOutcome::Done
        || m_outcome.status == TTurnoverOutcome::Incomplete)
        emit m_workspace->dayClosed(request.date);
    return true;
}

void TDayClosing::showResult(const TTurnoverRequest &request)
{
    const auto *currencies = static_cast<const TCurrencies *>(
            m_workspace->lists()->get(QStringLiteral("currencies")));
    switch (m_outcome.status) {
    case TTurnoverOutcome::Done:
        m_resultText = closingResultText(request, m_outcome, currencies);
        QMessageBox::information(m_parent, m_outcome.caption, m_resultText);
        break;
    case TTurnoverOutcome::Incomplete:
        m_resultText = closingResultText(request, m_outcome, currencies) + QStringLiteral("\n\n")
                       + m_outcome.text;
        QMessageBox::warning(m_parent, m_outcome.caption, m_resultText);
        break;
    case TTurnoverOutcome::AlreadyFiscalized:
        m_resultText = m_outcome.text;
        QMessageBox::warning(m_parent, m_outcome.caption, m_resultText);
        break;
    case TTurnoverOutcome::Failed:
        m_resultText = m_outcome.text;
        QMessageBox::critical(m_parent, m_outcome.caption, m_resultText);
        break;
    case TTurnoverOutcome::Declined:
        break;
    }
}
