#include "toffapplication.h"

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
