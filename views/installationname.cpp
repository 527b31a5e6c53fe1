#include "installationname.h"

#include "terror.h"
#include "tsettings.h"

QString installationNameIn(const QString &path)
{
    if (path.isEmpty())
        return QString();
    try {
        PosLib::TSettings settings;
        if (settings.load(path.toLocal8Bit().constData()) == 0)
            return settings.installationName();
    } catch (const Basics::TError &) {
        // headings and file names go without the installation's name
    }
    return QString();
}
