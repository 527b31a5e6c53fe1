#include "datcommand.h"

#include "cliutil.h"
#include "terror.h"
#include "tvalue.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

using namespace Basics;

namespace {

// A list file of any kind: its XML names follow the file name, so
// "waiters.dat" exports as <waiters><waiter>…</waiter></waiters>.
class TFileValueList : public TValueList
{
public:
    explicit TFileValueList(const QString &path)
        : m_info(path)
    { }

    QString listName() const override
    {
        const QString base = m_info.completeBaseName();
        return base.isEmpty() ? TValueList::listName() : base;
    }
    QString elementName() const override
    {
        const QString list = listName();
        if (list.size() > 1 && list.endsWith(QLatin1Char('s')))
            return list.left(list.size() - 1);
        return TValueList::elementName();
    }
    QString fileName() const override { return m_info.fileName(); }
    QString directory() const { return m_info.absolutePath(); }

    // Loads the file; on failure returns the message to show.
    QString loadExisting()
    {
        try {
            const int rc = load(directory(), fileName());
            if (rc == 304)
                return tr("%1: the file is corrupt (it ends inside a record)")
                        .arg(m_info.filePath());
            if (rc != 0)
                return tr("%1: cannot read the file (code %2)").arg(m_info.filePath()).arg(rc);
        } catch (const TFileError &e) {
            return tr("%1: cannot open the file (%2)").arg(m_info.filePath(), e.text());
        } catch (const TError &e) {
            return tr("%1: the file is corrupt (%2, code %3)")
                    .arg(m_info.filePath(), e.text())
                    .arg(e.code());
        }
        return QString();
    }

private:
    QFileInfo m_info;
};

QString requireFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return tr("%1: no such file").arg(path);
    if (!info.isFile())
        return tr("%1: not a file").arg(path);
    return QString();
}

int toXml(const QString &path)
{
    QString problem = requireFile(path);
    TFileValueList list(path);
    if (problem.isEmpty())
        problem = list.loadExisting();
    if (!problem.isEmpty())
        return fail(problem);

    QDomDocument doc;
    doc.appendChild(doc.createProcessingInstruction(
            QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    list.exportXml(doc, doc);
    out() << doc.toString(1);
    out().flush();
    return ExitOk;
}

int toText(const QString &path, const QStringList &keys)
{
    QString problem = requireFile(path);
    TFileValueList list(path);
    if (problem.isEmpty())
        problem = list.loadExisting();
    if (!problem.isEmpty())
        return fail(problem);
    list.exportText(out(), keys);
    out().flush();
    return ExitOk;
}

int fromXml(const QString &xmlPath, const QString &path)
{
    if (const QString problem = requireFile(xmlPath); !problem.isEmpty())
        return fail(problem);
    QFile xmlFile(xmlPath);
    if (!xmlFile.open(QIODevice::ReadOnly))
        return fail(tr("%1: cannot open the file (%2)").arg(xmlPath, xmlFile.errorString()));

    QDomDocument doc;
    QString message;
    int line = 0;
    int column = 0;
    if (!doc.setContent(&xmlFile, &message, &line, &column))
        return fail(tr("%1:%2:%3: not well-formed XML: %4")
                            .arg(xmlPath)
                            .arg(line)
                            .arg(column)
                            .arg(message));
    const QDomElement root = doc.documentElement();
    if (root.isNull())
        return fail(tr("%1: the XML holds no list element").arg(xmlPath));

    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return fail(tr("%1: not a file").arg(path));
    TFileValueList list(path);
    if (target.exists()) {
        if (const QString problem = list.loadExisting(); !problem.isEmpty())
            return fail(problem);
    }
    list.importXml(root);
    try {
        list.save(list.directory(), list.fileName());
    } catch (const TError &e) {
        return fail(tr("%1: cannot write the file (%2)").arg(path, e.text()));
    }
    err() << tr("%1: %2 records").arg(path).arg(list.count()) << Qt::endl;
    return ExitOk;
}

} // namespace

int runDatCommand(const QStringList &args)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("to-xml")) {
        if (args.size() != 2)
            return usageError(tr("usage: veltrum dat to-xml FILE"));
        return toXml(args.at(1));
    }
    if (sub == QLatin1String("from-xml")) {
        if (args.size() != 3)
            return usageError(tr("usage: veltrum dat from-xml XML FILE"));
        return fromXml(args.at(1), args.at(2));
    }
    if (sub == QLatin1String("to-text")) {
        if (args.size() < 3)
            return usageError(tr("usage: veltrum dat to-text FILE KEY..."));
        return toText(args.at(1), args.mid(2));
    }
    if (sub.isEmpty())
        return usageError(tr("dat: missing subcommand (to-xml, from-xml, to-text)"));
    return usageError(tr("dat: unknown subcommand '%1'").arg(sub));
}
