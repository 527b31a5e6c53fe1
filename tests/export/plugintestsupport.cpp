#include "plugintestsupport.h"

#include <QDir>
#include <QFile>

QString writeScriptPlugin(const QString &dir, const QString &name, const QByteArray &body)
{
    QDir().mkpath(dir);
    const QString path = QDir(dir).filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QString builtPluginDir()
{
    return QStringLiteral(VELTRUM_PLUGIN_DIR);
}
