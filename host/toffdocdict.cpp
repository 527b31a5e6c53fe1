#include "toffdocdict.h"

#include "toffdocument.h"

TOffDocDict::TOffDocDict(QObject *parent)
    : QObject(parent)
{ }

TOffDocDict::~TOffDocDict()
{
    clear();
}

void TOffDocDict::insert(const QString &key, TOffDocument *document)
{
    if (!document)
        return;
    if (m_documents.value(key) == document)
        return;
    remove(key);
    m_documents.insert(key, document);
    emit inserted(key, document);
}

bool TOffDocDict::remove(const QString &key)
{
    TOffDocument *document = m_documents.value(key);
    if (!document)
        return false;
    emit aboutToRemove(key, document);
    m_documents.remove(key);
    delete document;
    return true;
}

void TOffDocDict::clear()
{
    while (!m_documents.isEmpty())
        remove(m_documents.lastKey());
}
