#include "twebassets.h"

#include <QFile>

namespace WebLib {

namespace {

struct Asset
{
    const char *path;
    const char *resource;
    const char *type;
};

constexpr Asset Assets[] = {
        {"/", ":/web/index.html", "text/html"},
        {"/assets/app.js", ":/web/app.js", "application/javascript"},
        {"/assets/app.css", ":/web/app.css", "text/css"},
        {"/assets/icon.svg", ":/web/icon.svg", "image/svg+xml"},
};

} // namespace

QStringList TWebAssets::paths()
{
    QStringList paths;
    for (const Asset &asset : Assets)
        paths << QString::fromLatin1(asset.path);
    return paths;
}

bool TWebAssets::find(const QString &path, QByteArray *bytes, QByteArray *contentType)
{
    for (const Asset &asset : Assets) {
        if (path != QLatin1String(asset.path))
            continue;
        QFile file(QString::fromLatin1(asset.resource));
        if (!file.open(QIODevice::ReadOnly))
            return false;
        *bytes = file.readAll();
        *contentType = asset.type;
        return true;
    }
    return false;
}

} // namespace WebLib
