#pragma once

#include "tcommand.h"

// The commands of `veltrum`, each defined beside its handler.
TCommand chainExceptionsCommand();
TCommand chainInitCommand();
TCommand chainPushCommand();
TCommand chainReportCommand();
TCommand chainStatusCommand();
TCommand datToXmlCommand();
TCommand datFromXmlCommand();
TCommand datToTextCommand();
TCommand demoCommand();
TCommand exceptionsCommand();
TCommand exportCommand();
TCommand exportBookingsCommand();
TCommand exportAuditCommand();
TCommand labourCommand();
TCommand mailCommand();
TCommand reportCommand();
TCommand scheduledClosingCommand();
TCommand openTablesCommand();
TCommand timeControlsCommand();
TCommand turnoverCommand();
TCommand verifyCommand();
TCommand zCommand();
