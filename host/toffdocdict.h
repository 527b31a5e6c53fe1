#pragma once

#include <QMap>
#include <QObject>
#include <QStringList>

class TOffDocument;

// The workspace's documents by key. The dictionary owns what is inserted:
// removing a key deletes its document, and so does the dictionary's end.
class TOffDocDict : public QObject
{
    Q_OBJECT
public:
    explicit TOffDocDict(QObject *parent = nullptr);
    ~TOffDocDict() override;

    // Takes the document under the key; a document already there is
    // removed (and deleted) first. A null document is ignored.
    void insert(const QString &key, TOffDocument *document);
    // Deletes the document of the key; false when there is none.
    bool remove(const QString &key);
    TOffDocument *find(const QString &key) const { return m_documents.value(key); }
    TOffDocument *operator[](const QString &key) const { return find(key); }
    QStringList keys() const { return m_documents.keys(); }
    int count() const { return int(m_documents.size()); }
    // Removes every document.
    void clear();

Q_SIGNALS:
    void inserted(const QString &key, TOffDocument *document);
    // Sent while the document still exists, right before it is deleted.
    void aboutToRemove(const QString &key, TOffDocument *document);

private:
    QMap<QString, TOffDocument *> m_documents;
};
