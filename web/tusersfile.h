#pragma once

#include "tpasswordhash.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

namespace WebLib {

// The people who may log in to the web view: a text file with one
// "NAME:HASH" a line, HASH the password's argon2id hash (hashPassword());
// empty lines and lines starting with '#' are comments and are kept as
// they are when the file is written again. Managed by
// 'veltrum serve --add-user NAME' and '--remove-user NAME'.
class TUsersFile
{
    Q_DECLARE_TR_FUNCTIONS(TUsersFile)
public:
    explicit TUsersFile(const QString &path);

    QString path() const { return m_path; }

    // Reads the file. A missing file is an empty list when `missingOk`.
    // False with error() when it cannot be read or a line is neither a
    // comment nor a user with a valid name and hash (the file and the line
    // are named: a file the server half understood would let the wrong
    // people in or keep the right ones out).
    bool load(bool missingOk = false);
    QString error() const { return m_error; }

    QStringList names() const;
    bool contains(const QString &name) const;
    // The user's hash; empty for an unknown user.
    QByteArray hash(const QString &name) const;

    // Gives `name` the password (adding the user when new); false with
    // error() when the name is no valid one or the hash cannot be made.
    bool setPassword(const QString &name, const QByteArray &password,
                     THashCost cost = THashCost::Interactive);
    // Takes the user out; false when there is none of that name.
    bool remove(const QString &name);
    // Writes the file through a temporary renamed over it; a new file is
    // readable by its owner alone. False with error() when it cannot be
    // written (the file is then as it was).
    bool save();

    // 1 to 64 letters, digits and ". _ - @", not starting with '#'.
    static bool isValidName(const QString &name);
    // What a password needs: at least this many characters.
    static constexpr int MinPasswordLength = 8;
    static constexpr int MaxPasswordLength = 1024;

private:
    struct Line
    {
        QString name; // empty for a comment
        QByteArray text; // the comment, or the hash
    };
    qsizetype indexOf(const QString &name) const;

    QString m_path;
    QList<Line> m_lines;
    QString m_error;
};

} // namespace WebLib
