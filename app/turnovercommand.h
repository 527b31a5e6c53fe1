#pragma once

#include <QStringList>

// veltrum turnover --data DIR --date yyyy-MM-dd [options]
int runTurnoverCommand(const QStringList &args);
