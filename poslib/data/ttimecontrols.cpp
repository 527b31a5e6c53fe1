#include "ttimecontrols.h"

#include "tdir.h"
#include "terror.h"
#include "tlog.h"
#include "tlogcategories.h"

#include <QDir>
#include <QFileInfo>

namespace PosLib {

static const QString ControlDir = QStringLiteral("var/control");

// "var/control/" under the installation root.
static QString controlDir(const QString &root, bool create)
{
    return Basics::normalizeDir(Basics::normalizeDir(root, false) + ControlDir, create);
}

// ---- logon periods ----------------------------------------------------------

QList<TLogonPeriod> parseLogonPeriods(const QString &time)
{
    QList<TLogonPeriod> periods;
    const QStringList parts = time.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &raw : parts) {
        const QString part = raw.trimmed();
        if (part.isEmpty())
            continue;
        TLogonPeriod period;
        const int hash = part.indexOf(QLatin1Char('#'));
        if (hash < 0) {
            period.on = QTime::fromString(part, Qt::TextDate);
            period.running = true;
        } else {
            // A "#" at the very start means the waiter was already logged on
            // when the day began.
            period.on = hash <= 1 ? QTime(0, 0) : QTime::fromString(part.left(hash), Qt::TextDate);
            const QString off = part.mid(hash + 1).trimmed();
            period.running = off.isEmpty();
            if (!period.running)
                period.off = QTime::fromString(off, Qt::TextDate);
        }
        periods.append(period);
    }
    return periods;
}

// ---- TTimeControls ----------------------------------------------------------

TTimeControls::TTimeControls(const QDate &day, QObject *parent)
    : Basics::TValueList(true, parent)
    , m_day(day)
{ }

TTimeControls::~TTimeControls() = default;

QString TTimeControls::listName() const
{
    return QStringLiteral("timecontrols");
}

QString TTimeControls::fileName() const
{
    return m_day.toString(QStringLiteral("yyyyMMdd"));
}

QString TTimeControls::elementName() const
{
    return QStringLiteral("timecontrol");
}

QString TTimeControls::dataDir() const
{
    return ControlDir;
}

QString TTimeControls::path(const QString &root) const
{
    return controlDir(root, false) + fileName();
}

int TTimeControls::load(const QString &root)
{
    return Basics::TValueList::load(controlDir(root, true), fileName());
}

void TTimeControls::save(const QString &root)
{
    if (isEmpty()) {
        // A day without records has no file.
        const QString file = path(root);
        if (QFileInfo::exists(file))
            Basics::deleteFile(file);
        return;
    }
    Basics::TValueList::save(controlDir(root, true), fileName());
}

bool TTimeControls::exists(const QString &root) const
{
    return QFileInfo(path(root)).isFile();
}

// ---- TTimeControlList -------------------------------------------------------

TTimeControlList::~TTimeControlList()
{
    clear();
}

void TTimeControlList::clear()
{
    qDeleteAll(m_days);
    m_days.clear();
}

int TTimeControlList::key(const QDate &day)
{
    return day.year() * 10000 + day.month() * 100 + day.day();
}

// The day a file of "var/control" stands for: year in the first four
// characters, month in the next two, day in the rest. Invalid for any
// other name, also for one that reads as a date but is not written as
// "yyyyMMdd" (the day would be loaded from a different file).
static QDate dayOfFile(const QString &name)
{
    bool okYear = false, okMonth = false, okDay = false;
    const int year = name.left(4).toInt(&okYear);
    const int month = name.mid(4, 2).toInt(&okMonth);
    const int day = name.mid(6).toInt(&okDay);
    if (!okYear || !okMonth || !okDay)
        return QDate();
    const QDate date(year, month, day);
    if (!date.isValid() || date.toString(QStringLiteral("yyyyMMdd")) != name)
        return QDate();
    return date;
}

int TTimeControlList::load(const QDate &from, const QDate &to, const QString &root)
{
    Basics::logDebug(QStringLiteral("From %1 to %2")
                             .arg(from.toString(Qt::ISODate), to.toString(Qt::ISODate)),
                     Basics::LogModule::Library, Basics::LogClass::TimeControlList);
    clear();

    const QDir dir(controlDir(root, true));
    const QStringList names = dir.entryList(QDir::Files, QDir::Name);
    for (const QString &name : names) {
        if (name.endsWith(QLatin1String(".old")))
            continue;
        const QDate day = dayOfFile(name);
        if (!day.isValid())
            continue;
        if ((from.isValid() && day < from) || (to.isValid() && day > to))
            continue;

        auto *controls = new TTimeControls(day);
        int result;
        try {
            result = controls->load(root);
        } catch (const Basics::TError &e) {
            Basics::logError(e.text(), Basics::LogModule::Library,
                             Basics::LogClass::TimeControlList);
            result = e.code() != 0 ? e.code() : Basics::TValueList::DataCutShort;
        }
        if (result != Basics::TValueList::Loaded) {
            delete controls;
            return result;
        }
        m_days.insert(key(day), controls);
    }
    return Basics::TValueList::Loaded;
}

} // namespace PosLib
