#include "treportjob.h"

#include "treportdata.h"
#include "treportrenderer.h"

#include <QFile>
#include <QFileInfo>

namespace PrintEngine {

QHash<QString, QString> readLanguageFile(const QString &fileName)
{
    QHash<QString, QString> texts;
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        return texts;
    const QString content = QString::fromUtf8(file.readAll());
    for (const QString &raw : content.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))
            || line.startsWith(QLatin1Char('[')))
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        QString text = line.mid(eq + 1).trimmed();
        text.replace(QLatin1String("\\n"), QLatin1String("\n"));
        texts.insert(line.left(eq).trimmed(), text);
    }
    return texts;
}

QStringList TReportJob::listNames()
{
    return {QStringLiteral("tables"), QStringLiteral("creates"), QStringLiteral("orders"),
            QStringLiteral("voids"),  QStringLiteral("pays"),    QStringLiteral("infos"),
            QStringLiteral("splits")};
}

bool TReportJob::open(const QString &fileName)
{
    m_fileName = fileName;
    if (!m_template.load(fileName)) {
        m_error = QStringLiteral("%1: %2").arg(fileName, m_template.errorText());
        return false;
    }
    m_fields.clear();
    for (const TReportTemplate::Parameter &p : m_template.parameters())
        m_fields.append({p.name, p.defaultValue, QString(), false});
    m_dataDirectory = QFileInfo(fileName).absolutePath();
    return true;
}

bool TReportJob::setField(int n, const QString &value)
{
    if (n < 0 || n >= m_fields.size())
        return false;
    m_fields[n].currentValue = value;
    m_fields[n].set = true;
    return true;
}

void TReportJob::setLanguageFiles(const QString &file, const QString &defaultFile)
{
    m_languageFile = file;
    m_defaultLanguageFile = defaultFile;
}

bool TReportJob::start()
{
    m_started = false;
    TReportData data;
    if (!data.load(m_dataDirectory, listNames())) {
        m_error = data.errorText();
        return false;
    }
    QHash<QString, QString> values;
    for (const Field &field : std::as_const(m_fields))
        values.insert(field.name, field.set ? field.currentValue : field.defaultValue);
    // the design's language first, the default language for what it lacks
    QHash<QString, QString> texts = readLanguageFile(m_defaultLanguageFile);
    const QHash<QString, QString> own = readLanguageFile(m_languageFile);
    for (auto it = own.begin(); it != own.end(); ++it)
        texts.insert(it.key(), it.value());

    TReportRenderer renderer(data, values, texts);
    m_body = renderer.render(m_template.body());
    m_pageHeader = renderer.render(m_template.pageHeader());
    m_pageFooter = renderer.render(m_template.pageFooter());
    m_started = true;
    m_error.clear();
    return true;
}

} // namespace PrintEngine
