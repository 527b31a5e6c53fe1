#pragma once

#include <QString>

// The installation's name from its settings in `path`, as page headings and
// proposed file names show it; empty when the settings cannot be read.
QString installationNameIn(const QString &path);
