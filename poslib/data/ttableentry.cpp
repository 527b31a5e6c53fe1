#include "ttableentry.h"

#include "trecordcodec.h"

#include <QDomDocument>

using namespace Basics;

namespace PosLib {

namespace {
const QString FatherKey = QStringLiteral("father");
const QString ChildsTag = QStringLiteral("Childs");
} // namespace

TTableEntry::TTableEntry() = default;

TTableEntry::TTableEntry(const TTableEntry &other)
    : TValue(other)
{
    if (other.m_children) {
        m_children = new TTableEntries(true);
        other.m_children->forEach(
                [this](TTableEntry *child) { m_children->insert(new TTableEntry(*child)); });
    }
}

TTableEntry::~TTableEntry()
{
    if (!isTemporary())
        delete m_children;
}

TTableEntry *TTableEntry::temporaryCopy() const
{
    auto *copy = new TTableEntry;
    static_cast<TValue &>(*copy) = *this;
    copy->setString(QStringLiteral("tmp"), QStringLiteral("yes"));
    copy->m_children = m_children;
    return copy;
}

TTableEntries *TTableEntry::children(bool create)
{
    if (!m_children && create)
        m_children = new TTableEntries(true);
    return m_children;
}

bool TTableEntry::hasChildren() const
{
    return m_children && !m_children->isEmpty();
}

void TTableEntry::refresh() const
{
    m_count = getDouble(QStringLiteral("count"));
    m_type = getInt(QStringLiteral("type"));
    qint64 p = unitPrice();
    if (m_children) {
        m_children->forEach([&p](TTableEntry *child) {
            if (child->type() == EntryAddOn)
                p += child->unitPrice();
        });
    }
    m_price = p;
    m_cached = version();
}

double TTableEntry::count() const
{
    if (m_cached != version())
        refresh();
    return m_count;
}

qint64 TTableEntry::price() const
{
    // children change without the parent knowing: only cached while the
    // entry has none
    if (m_children) {
        qint64 p = unitPrice();
        m_children->forEach([&p](TTableEntry *child) {
            if (child->type() == EntryAddOn)
                p += child->unitPrice();
        });
        return p;
    }
    if (m_cached != version())
        refresh();
    return m_price;
}

QString TTableEntry::articleText() const
{
    QString text = article();
    text.replace(QLatin1Char('\r'), QLatin1Char('|'));
    text.replace(QLatin1Char('\n'), QLatin1Char('|'));
    return text;
}

void TTableEntry::write(QByteArray &out) const
{
    appendRecord(out, *this);
    if (!m_children)
        return;
    const QString father = integerText(id());
    m_children->forEach([&](TTableEntry *child) {
        // The parent's id travels with the child only in the file.
        TValue record(*child);
        record.set(FatherKey, TypeInteger, father);
        appendRecord(out, record);
    });
}

TTableEntry *TTableEntry::read(TRecordReader &reader, TTableEntries &list)
{
    auto *entry = new TTableEntry;
    if (reader.read(*entry) != TRecordReader::Ok) {
        delete entry;
        return nullptr;
    }
    file(entry, list);
    return entry;
}

void TTableEntry::file(TTableEntry *entry, TTableEntries &list)
{
    if (entry->has(FatherKey)) {
        if (TTableEntry *parent = list.entry(entry->getInt(FatherKey))) {
            entry->remove(FatherKey);
            parent->children(true)->append(entry);
            return;
        }
    }
    list.insert(entry);
}

TTableCreate::TTableCreate()
{
    setType(EntryCreate);
}

// ---- TTableEntries --------------------------------------------------------

TTableEntries::TTableEntries(bool owning, QObject *parent)
    : TValueList(owning, parent)
{ }

QString TTableEntries::listName() const
{
    return QStringLiteral("tableentries");
}

QString TTableEntries::elementName() const
{
    return QStringLiteral("tableentry");
}

TValue *TTableEntries::newValue()
{
    return new TTableEntry;
}

int TTableEntries::load(const QString &, const QString &)
{
    return Loaded;
}

int TTableEntries::load(const char *)
{
    return Loaded;
}

void TTableEntries::save(const QString &, const QString &) { }

void TTableEntries::save(const char *) { }

bool TTableEntries::readValueXml(TValue *value, const QDomElement &element)
{
    auto *entry = static_cast<TTableEntry *>(value);
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (!child.isElement()) {
            qDebug("no attr");
            return false;
        }
        if (child.nodeName() == ChildsTag) {
            const QDomElement list = child.firstChildElement(QStringLiteral("tableentries"));
            if (!list.isNull())
                entry->children(true)->importXml(list);
            continue;
        }
        entry->set(child.nodeName(), TypeText, child.toElement().text());
    }
    return true;
}

void TTableEntries::writeValueXml(TValue *value, QDomDocument &doc, QDomElement &element)
{
    TValueList::writeValueXml(value, doc, element);
    auto *entry = static_cast<TTableEntry *>(value);
    if (entry->hasChildren()) {
        QDomElement childs = doc.createElement(ChildsTag);
        element.appendChild(childs);
        entry->children()->exportXml(doc, childs);
    }
}

TTableEntries *TTableEntries::entriesOfType(int type) const
{
    auto *list = new TTableEntries(false);
    forEach([&](TTableEntry *e) {
        if (e->type() == type)
            list->insert(e);
    });
    return list;
}

void TTableEntries::write(QByteArray &out) const
{
    const int last = nextId();
    for (auto it = valueMap().cbegin(); it != valueMap().cend(); ++it) {
        if (it.key() < 0)
            continue;
        if (it.key() > last)
            break;
        static_cast<TTableEntry *>(it.value())->write(out);
    }
}

} // namespace PosLib
