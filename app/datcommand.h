#pragma once

#include <QStringList>

// veltrum dat to-xml FILE | from-xml XML FILE | to-text FILE KEY...
int runDatCommand(const QStringList &args);
