#pragma once

#include <QStringList>

// veltrum report --data DIR --kind ID [options]
int runReportCommand(const QStringList &args);
