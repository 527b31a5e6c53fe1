#include "toffapplication.h"

#include "terror.h"
#include "tinifile.h"
#include "tlog.h"
#include "tlogcategories.h"

#include "tinstallation.h"
#include "tlanguage.h"
#include "ttranslation.h"

#include <QDir>

TOffApplication::TOffApplication(int &argc, char **argv)
    : QApplication(argc, argv)
    , m_translation(std::make_unique<Basics::TTranslation>())
{ }

TOffApplication::~TOffApplication() = default;

TOffApplication *TOffApplication::instance()
{
    return qobject_cast<TOffApplication *>(QCoreApplication::instance());
}

QString TOffApplication::language() const
{
    return m_translation->language();
}

void TOffApplication::setLanguage(const QString &code)
{
    m_translation->setLanguage(code);
    emit lngChanged();
}

QString TOffApplication::startLanguage(const QString &asked, const QString &configured,
                                       const QString &basePath)
{
    return Basics::chooseLanguage(
            {Basics::languageOfLocale(asked), Basics::languageOfLocale(configured),
             Basics::environmentLanguage(), PosLib::installationLanguage(globalsFile(basePath))});
}

void TOffApplication::setDayOffset(int value)
{
    if (value == m_dayOffset)
        return;
    m_dayOffset = value;
    emit dayOffsetChanged(value);
}

QString TOffApplication::globalsFile(const QString &basePath)
{
    return QDir(basePath).filePath(QStringLiteral("etc/globals.ini"));
}

void TOffApplication::loadDayOffset(const QString &basePath)
{
    const QString file = globalsFile(basePath);
    try {
        const Basics::TInifile ini(file);
        setDayOffset(int(ini.readInt(QStringLiteral("Settings"), QStringLiteral("dayoffs"), 0)));
    } catch (const Basics::TError &e) {
        Basics::logError(QStringLiteral("%1: %2").arg(file, e.text()), Basics::LogModule::Host,
                         Basics::LogClass::OffApplication);
        setDayOffset(0);
    }
}
