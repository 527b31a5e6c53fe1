#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QStringView>

#include <initializer_list>

namespace PosLib {

// Single JSON values written as compact text, byte for byte as
// QJsonDocument::toJson(QJsonDocument::Compact) writes them inside an array
// or an object, without building a QJsonValue first: what a writer of a
// large document that streams its values needs.
namespace TJsonText {

// A text in double quotes: printable ASCII as it is, other characters as
// UTF-8; quotes, backslashes, control characters and lone surrogates
// escaped as Qt escapes them.
void appendString(QByteArray &out, QStringView text);
// The digits of `value` (a '-' first when negative) written at `at`, at
// most 20 bytes; returns the end of what was written.
char *putInteger(char *at, qint64 value);
void appendInteger(QByteArray &out, qint64 value);
// The shortest form that reads back as the same double; "null" for a value
// that is not finite.
void appendDouble(QByteArray &out, double value);
void appendBool(QByteArray &out, bool value);
// Any value, through QJsonDocument (objects, arrays, null).
void appendValue(QByteArray &out, const QJsonValue &value);

// The texts of the values of the members `names` of the object `json`
// (compact, as QJsonDocument writes it), read in one pass with nested
// values passed over unread: `values[i]` for `names[i]`, empty where the
// object has no such member or is not of that form.
void members(QByteArrayView json, std::initializer_list<QLatin1String> names,
             QByteArrayView *values);
// The value of a member's text (members()).
QJsonValue value(QByteArrayView text);

} // namespace TJsonText

} // namespace PosLib
