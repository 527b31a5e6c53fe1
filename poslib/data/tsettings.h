#pragma once

#include "tvalue.h"

namespace PosLib {

// The installation's own address record, "settings.dat" in "usr/data".
// The installation is the record with id 0 (a record without "id" counts
// as 0). Usual use: load(basePath), then read the getters; a missing file
// or record leaves every field at its default.
class TSettings : public Basics::TValueList
{
    Q_OBJECT
public:
    explicit TSettings(QObject *parent = nullptr);

    QString listName() const override;
    QString fileName() const override;
    QString elementName() const override;

    // The record with id 0; null when the list holds none.
    Basics::TValue *installation() const { return find(0); }

    // "officeid": 1 when the record lacks it, 0 when there is no record.
    int officeId() const;
    QString installationName() const;
    QString street() const;
    QString city() const;
    QString taxNumber() const;
    QString phoneNumber() const;
    QString faxNumber() const;
    QString infoText() const;
    QString email() const;
    QString webAddress() const;
    QString addAddress() const;

private:
    QString text(const char *field) const;
};

} // namespace PosLib
