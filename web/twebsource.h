#pragma once

#include "tweblimits.h"
#include "twebmessage.h"

#include <QDateTime>
#include <QString>

namespace WebLib {

// What the API answers from, fixed when the server starts.
struct TWebSource
{
    QString root; // the installation, absolute, with "/"
    QDateTime now; // the clock; invalid: the current time
    QString dbUrl; // the chain database (--db); empty without
    QString passwordFile; // its --password-file; empty without
    TWebLimits limits;
};

// The {"error": ...} answer of a wrong parameter: 400 naming it.
inline TWebResponse badParameter(const QString &message)
{
    return TWebResponse::error(400, message);
}

} // namespace WebLib
