#include "toffapplication.h"

#include "terror.h"
#include "tinifile.h"
#include "tlog.h"
#include "tlogcategories.h"

#include <QDir>
#include <QTranslator>

TOffApplication::TOffApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{ }

TOffApplication::~TOffApplication() = default;

TOffApplication *TOffApplication::instance()
{
    return qobject_cast<TOffApplication *>(QCoreApplication::instance());
}

void TOffApplication::setLanguage(const QString &code)
{
    if (m_translator) {
        removeTranslator(m_translator);
        delete m_translator;
        m_translator = nullptr;
    }
    m_language = code;
    if (!code.isEmpty()) {
        auto *translator = new QTranslator(this);
        if (translator->load(QStringLiteral("veltrum_") + code,
                             applicationDirPath() + QStringLiteral("/translations"))) {
            installTranslator(translator);
            m_translator = translator;
        } else {
            delete translator;
        }
    }
    emit lngChanged();
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
