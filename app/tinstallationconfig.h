#pragma once

#include <QString>

// An installation that the timers serve, configured in
// /etc/veltrum/NAME.conf (the directory is $VELTRUM_CONFIG_DIR when set):
//
//   [installation]
//   data = /srv/pos          the installation's directory
//   [closing]
//   delay = 30               minutes after the start of the gastronomic day
//   open-tables = close      close | wait: open tables stop the closing
//   exec-waiter = 1          the waiter the journal names; none when empty
//
// NAME is the systemd instance: letters, digits, "-", "_" and ".".
struct TInstallationConfig
{
    QString name;
    QString file;
    QString data; // absolute, with a trailing "/"
    int delayMinutes = 30;
    bool waitForOpenTables = false;
    int execWaiter = 0;

    // /etc/veltrum, or $VELTRUM_CONFIG_DIR.
    static QString directory();
    static bool isValidName(const QString &name);

    // Reads directory()/NAME.conf; false with `error` naming the file and
    // the line.
    bool load(const QString &name, QString *error);
    bool loadFile(const QString &path, QString *error);
};
