#include "ttranslation.h"

#include "tlanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Basics {

TTranslation::TTranslation() = default;

TTranslation::~TTranslation()
{
    remove();
}

QString TTranslation::directory()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
}

void TTranslation::remove()
{
    for (std::unique_ptr<QTranslator> *translator : {&m_texts, &m_qt}) {
        if (*translator && QCoreApplication::instance())
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

bool TTranslation::setLanguage(const QString &code)
{
    remove();
    const bool known = availableLanguages().contains(code);
    m_language = known ? code : QStringLiteral("en");
    QLocale::setDefault(QLocale(m_language));

    // English needs no catalogue for its texts; its own holds the plural
    // forms ("1 table", "2 tables")
    auto texts = std::make_unique<QTranslator>();
    const bool loaded = texts->load(QStringLiteral("veltrum_") + m_language, directory());
    if (loaded)
        QCoreApplication::installTranslator(texts.get());
    m_texts = loaded ? std::move(texts) : nullptr;
    if (!loaded && m_language != QLatin1String("en")) {
        m_language = QStringLiteral("en");
        QLocale::setDefault(QLocale(m_language));
        return false;
    }

    auto qt = std::make_unique<QTranslator>();
    if (m_language != QLatin1String("en")
        && qt->load(QStringLiteral("qtbase_") + m_language,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        m_qt = std::move(qt);
    }
    return known;
}

} // namespace Basics
