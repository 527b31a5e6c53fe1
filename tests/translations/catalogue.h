#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One message of a Qt Linguist catalogue (.ts).
struct CatalogueMessage
{
    QString context;
    QString source;
    // one text, or one per plural form
    QStringList translations;
    bool numerus = false;
    bool unfinished = false;

    // "TVeltrum: &Reporting", for failure messages
    QString name() const;
    // true when there is nothing to show: unfinished, or an empty form
    bool untranslated() const;
};

// The messages of the catalogue `file`; an unreadable or malformed file
// gives an empty list and an error text in `error`.
QList<CatalogueMessage> readCatalogue(const QString &file, QString *error);
