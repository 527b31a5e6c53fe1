#pragma once

#include <QObject>
#include <QString>

namespace Basics {

// What the user should learn about a file although nothing failed, such as
// a list that is missing while a kept copy of it lies beside its name. The
// reader logs it and posts it here; a user interface connects to notice()
// and shows it (the back office in its status line). Posting is safe from
// any thread; the signal reaches receivers in their own thread.
class TFileNotices : public QObject
{
    Q_OBJECT
public:
    static TFileNotices &instance();

    void post(const QString &text);

Q_SIGNALS:
    void notice(const QString &text);

private:
    TFileNotices() = default;
};

} // namespace Basics
