#pragma once

#include <QByteArray>
#include <QString>

namespace WebLib {

// Reads a new password from standard input: on a terminal it is asked for
// twice (the prompts on standard error) without being shown; otherwise
// the first line is taken (a script or a test feeds it). False with
// `error` when nothing came or the two entries differ.
bool readNewPassword(const QString &prompt, const QString &again, QByteArray *password,
                     QString *error);

} // namespace WebLib
