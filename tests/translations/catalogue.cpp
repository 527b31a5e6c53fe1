#include "catalogue.h"

#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>

QString CatalogueMessage::name() const
{
    return context + QStringLiteral(": ") + source;
}

bool CatalogueMessage::untranslated() const
{
    return unfinished || translations.isEmpty()
           || std::any_of(translations.cbegin(), translations.cend(),
                          [](const QString &text) { return text.isEmpty(); });
}

QList<CatalogueMessage> readCatalogue(const QString &file, QString *error)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = file + QStringLiteral(": ") + in.errorString();
        return {};
    }
    QList<CatalogueMessage> messages;
    QXmlStreamReader xml(&in);
    QString context;
    CatalogueMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            messages << message;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = CatalogueMessage();
            message.context = context;
            message.numerus
                    = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.unfinished
                    = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            if (!message.numerus)
                message.translations << xml.readElementText();
        } else if (name == QLatin1String("numerusform")) {
            message.translations << xml.readElementText();
        }
    }
    if (xml.hasError()) {
        *error = QStringLiteral("%1:%2: %3").arg(file).arg(xml.lineNumber()).arg(xml.errorString());
        return {};
    }
    return messages;
}
