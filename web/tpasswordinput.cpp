#include "tpasswordinput.h"

#include "cliutil.h"

#include <cstdio>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace WebLib {

namespace {

// One line of standard input without its line end; false at its end.
bool readLine(QByteArray *line)
{
    line->clear();
    int c = 0;
    bool any = false;
    while ((c = std::getc(stdin)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        line->append(char(c));
    }
    if (line->endsWith('\r'))
        line->chop(1);
    return any;
}

// The terminal's echo off while it lives.
class TNoEcho
{
public:
    TNoEcho()
    {
        m_on = ::tcgetattr(STDIN_FILENO, &m_saved) == 0;
        if (m_on) {
            termios quiet = m_saved;
            quiet.c_lflag &= ~tcflag_t(ECHO);
            ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
        }
    }
    ~TNoEcho()
    {
        if (m_on)
            ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &m_saved);
    }

private:
    termios m_saved {};
    bool m_on = false;
};

} // namespace

bool readNewPassword(const QString &prompt, const QString &again, QByteArray *password,
                     QString *error)
{
    if (!::isatty(STDIN_FILENO)) {
        if (!readLine(password) || password->isEmpty()) {
            *error = TCli::tr("no password on standard input");
            return false;
        }
        return true;
    }
    QByteArray first;
    QByteArray second;
    {
        TNoEcho quiet;
        err() << prompt << Qt::flush;
        readLine(&first);
        err() << '\n' << again << Qt::flush;
        readLine(&second);
        err() << Qt::endl;
    }
    if (first.isEmpty()) {
        *error = TCli::tr("no password given");
        return false;
    }
    if (first != second) {
        *error = TCli::tr("the two passwords differ");
        return false;
    }
    *password = first;
    return true;
}

} // namespace WebLib
