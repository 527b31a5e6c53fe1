#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

// Checks a JSON value against a JSON Schema, of the keywords our schemas
// use: type, const, enum, required, properties, additionalProperties,
// items and local "$ref" ("#/$defs/NAME"). Returns one message per
// violation, with the path of the value ("$.sections[0].kind").
QStringList schemaViolations(const QJsonValue &value, const QJsonObject &schema);
