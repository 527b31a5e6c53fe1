#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace WebLib {

// The files of the page, compiled into the program (Qt resources under
// ":/web"): the page itself at "/", its script, style and icon under
// "/assets/". Only these exact paths are served; nothing is ever read from
// a path a request names.
class TWebAssets
{
public:
    // The paths served, "/" first.
    static QStringList paths();
    // The bytes and content type of `path`; false when it is none of them.
    static bool find(const QString &path, QByteArray *bytes, QByteArray *contentType);
};

} // namespace WebLib
