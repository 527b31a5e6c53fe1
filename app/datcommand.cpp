#include "commands.h"

#include "cliutil.h"
#include "targs.h"
#include "tdatsequence.h"
#include "terror.h"
#include "tfile.h"
#include "tsavefile.h"
#include "tvalue.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

using namespace Basics;

namespace {

// The file name as an XML element name: characters that XML refuses in a
// name become '_', and a name that cannot start an element ("2026-12-01")
// gets a leading '_'. Reading back ignores the list element's name.
QString xmlElementName(const QString &name)
{
    if (name.isEmpty())
        return name;
    QString out = name;
    for (QChar &c : out) {
        const bool ok = c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-')
                        || c == QLatin1Char('.');
        if (!ok)
            c = QLatin1Char('_');
    }
    const QChar first = out.at(0);
    if (!first.isLetter() && first != QLatin1Char('_'))
        out.prepend(QLatin1Char('_'));
    // names starting with "xml" are reserved
    if (out.startsWith(QLatin1String("xml"), Qt::CaseInsensitive))
        out.prepend(QLatin1Char('_'));
    return out;
}

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
        const QString base = xmlElementName(m_info.completeBaseName());
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
            if (rc == DataCutShort)
                return TCli::tr("%1: the file is corrupt (it ends inside a record)")
                        .arg(m_info.filePath());
            if (rc != Loaded)
                return TCli::tr("%1: cannot read the file (code %2)")
                        .arg(m_info.filePath())
                        .arg(rc);
        } catch (const TFileError &e) {
            return TCli::tr("%1: cannot open the file (%2)").arg(m_info.filePath(), errorText(e));
        } catch (const TError &e) {
            errorText(e); // logged
            return TCli::tr("%1: the file is corrupt (code %2)")
                    .arg(m_info.filePath())
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
        return TCli::tr("%1: no such file").arg(path);
    if (!info.isFile())
        return TCli::tr("%1: not a file").arg(path);
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
    // records that a list keyed by id would not keep (a day summary's
    // tables one after another): every one of them, in file order
    QByteArray data;
    try {
        TFile file(path);
        file.open(QIODevice::ReadOnly);
        data = file.readRest();
    } catch (const TError &e) {
        return fail(TCli::tr("%1: cannot open the file (%2)").arg(path, errorText(e)));
    }
    if (TDatSequence::isSequence(data)) {
        if (!TDatSequence::toXml(data, list.listName(), list.elementName(), doc, &problem))
            return fail(QStringLiteral("%1: %2").arg(path, problem));
    } else {
        list.exportXml(doc, doc);
    }
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

// Records in file order replace the file as a whole, byte for byte as
// 'dat to-xml' read them.
int sequenceFromXml(const QDomElement &root, const QString &xmlPath, const QString &path)
{
    QByteArray data;
    QString problem;
    if (!TDatSequence::fromXml(root, data, &problem))
        return fail(QStringLiteral("%1: %2").arg(xmlPath, problem));
    int records = 0;
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        ++records;
    try {
        TSaveFile file(path, path + QLatin1String(".new"));
        file.setBackupName(path + QLatin1String(".old"));
        file.open();
        file.write(data);
        file.commit();
    } catch (const TError &e) {
        return fail(TCli::tr("%1: cannot write the file (%2)").arg(path, errorText(e)));
    }
    err() << TCli::tr("%1: %2 records").arg(path).arg(records) << Qt::endl;
    return ExitOk;
}

int fromXml(const QString &xmlPath, const QString &path)
{
    if (const QString problem = requireFile(xmlPath); !problem.isEmpty())
        return fail(problem);
    QFile xmlFile(xmlPath);
    if (!xmlFile.open(QIODevice::ReadOnly))
        return fail(TCli::tr("%1: cannot open the file (%2)").arg(xmlPath, xmlFile.errorString()));

    QDomDocument doc;
    QString message;
    int line = 0;
    int column = 0;
    if (xmlFile.size() > TFile::maxReadSize())
        return fail(
                TCli::tr("%1: too large for a list (%2 bytes)").arg(xmlPath).arg(xmlFile.size()));
    if (!parseListXml(xmlFile.readAll(), doc, &message, &line, &column))
        return fail(TCli::tr("%1:%2:%3: not well-formed XML: %4")
                            .arg(xmlPath)
                            .arg(line)
                            .arg(column)
                            .arg(message));
    const QDomElement root = doc.documentElement();
    if (root.isNull())
        return fail(TCli::tr("%1: the XML holds no list element").arg(xmlPath));

    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return fail(TCli::tr("%1: not a file").arg(path));
    if (TDatSequence::isSequenceXml(root))
        return sequenceFromXml(root, xmlPath, path);
    TFileValueList list(path);
    if (target.exists()) {
        if (const QString problem = list.loadExisting(); !problem.isEmpty())
            return fail(problem);
    }
    list.importXml(root);
    try {
        list.save(list.directory(), list.fileName());
    } catch (const TError &e) {
        return fail(TCli::tr("%1: cannot write the file (%2)").arg(path, errorText(e)));
    }
    err() << TCli::tr("%1: %2 records").arg(path).arg(list.count()) << Qt::endl;
    return ExitOk;
}

} // namespace

TCommand datToXmlCommand()
{
    TCommand command;
    command.name = QStringLiteral("dat to-xml");
    command.summary = TCli::tr("print a binary list file (.dat) as XML");
    command.arguments = QStringLiteral("FILE");
    command.description = TCli::tr(
            "Prints the list element, named after the file (waiters.dat gives <waiters>), with "
            "one element per record (<waiter>) and one child per field, in field-name order. A "
            "file name that XML refuses as an element name gets a valid form: refused characters "
            "become '_', and a name that cannot start an element gets a leading '_' "
            "(2026-12-01.dat gives <_2026-12-01>). A file whose records are no list in id order "
            "(a day summary: every table of the day one after another) is printed record by "
            "record in file order under <LIST order=\"file\">; texts that XML would change are "
            "written encoded. 'dat from-xml' reads the output back, such a file byte for byte.");
    command.exitCodes = {
            {ExitOk, TCli::tr("the XML was printed")},
            {ExitFailure, TCli::tr("the file is missing, unreadable or corrupt")},
            {ExitUsage, TCli::tr("wrong arguments")},
    };
    command.run = [](TArgs &args) { return toXml(args.positional().at(0)); };
    return command;
}

TCommand datFromXmlCommand()
{
    TCommand command;
    command.name = QStringLiteral("dat from-xml");
    command.summary = TCli::tr("import XML into a list file (created if missing)");
    command.arguments = QStringLiteral("XML FILE");
    command.description = TCli::tr(
            "Reads the XML's root element as the list and merges it into FILE. Records without "
            "an id get the next free id; records with an id replace or extend the stored record "
            "of that id; an element whose first child is <_delete_/> deletes that record; a list "
            "whose first child is <_delete_/> replaces the whole list. A root element named "
            "settings merges into the stored records. A root element with order=\"file\" (from "
            "'dat to-xml' of a file that is no list in id order) replaces FILE with exactly its "
            "records, in that order. The file is replaced safely: the new list "
            "is written to FILE.new, the previous file is kept as FILE.old.");
    command.exitCodes = {
            {ExitOk, TCli::tr("the list was written")},
            {ExitFailure,
             TCli::tr("malformed XML, a corrupt or unreadable list, or a file that cannot "
                      "be written; FILE is left as it was")},
            {ExitUsage, TCli::tr("wrong arguments")},
    };
    command.run
            = [](TArgs &args) { return fromXml(args.positional().at(0), args.positional().at(1)); };
    return command;
}

TCommand datToTextCommand()
{
    TCommand command;
    command.name = QStringLiteral("dat to-text");
    command.summary = TCli::tr("print the fields KEY... of every record, ';'-separated");
    command.arguments = QStringLiteral("FILE KEY...");
    command.description = TCli::tr(
            "Prints one record a line with the fields KEY... separated by ';'. Inside values ';' "
            "becomes ',', line breaks become '|' and '\"' becomes \"'\".");
    command.exitCodes = {
            {ExitOk, TCli::tr("the records were printed")},
            {ExitFailure, TCli::tr("the file is missing, unreadable or corrupt")},
            {ExitUsage, TCli::tr("wrong arguments")},
    };
    command.run
            = [](TArgs &args) { return toText(args.positional().at(0), args.positional().mid(1)); };
    return command;
}
