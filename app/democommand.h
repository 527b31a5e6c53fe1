#pragma once

#include <QStringList>

// veltrum demo DIR [--days N] [--tables N] [--seed S] [--today yyyy-MM-dd] [--force]
int runDemoCommand(const QStringList &args);
