#pragma once

#include <QByteArray>
#include <QString>

// Writes an executable shell script plug-in `name` into `dir` (created),
// running `body` after "#!/bin/sh"; returns its path.
QString writeScriptPlugin(const QString &dir, const QString &name, const QByteArray &body);

// The plug-in directory of the build, holding the shipped plug-ins.
QString builtPluginDir();
