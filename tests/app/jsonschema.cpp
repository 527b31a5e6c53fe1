#include "jsonschema.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace {

bool hasType(const QJsonValue &value, const QString &type)
{
    if (type == QLatin1String("object"))
        return value.isObject();
    if (type == QLatin1String("array"))
        return value.isArray();
    if (type == QLatin1String("string"))
        return value.isString();
    if (type == QLatin1String("boolean"))
        return value.isBool();
    if (type == QLatin1String("null"))
        return value.isNull();
    if (type == QLatin1String("number"))
        return value.isDouble();
    if (type == QLatin1String("integer"))
        return value.isDouble() && std::floor(value.toDouble()) == value.toDouble();
    return false;
}

class Checker
{
public:
    explicit Checker(const QJsonObject &root)
        : m_root(root)
    { }

    void check(const QJsonValue &value, QJsonObject schema, const QString &path)
    {
        const QString ref = schema.value(QStringLiteral("$ref")).toString();
        if (!ref.isEmpty()) {
            const QString name = ref.section(QLatin1Char('/'), -1);
            schema = m_root.value(QStringLiteral("$defs")).toObject().value(name).toObject();
            if (schema.isEmpty()) {
                errors << path + QStringLiteral(": unknown $ref ") + ref;
                return;
            }
        }
        if (schema.contains(QStringLiteral("type"))) {
            const QJsonValue type = schema.value(QStringLiteral("type"));
            const QJsonArray types = type.isArray() ? type.toArray() : QJsonArray {type};
            bool ok = false;
            for (const QJsonValue &t : types)
                ok = ok || hasType(value, t.toString());
            if (!ok) {
                errors << path + QStringLiteral(": not of type ")
                                  + QString::fromUtf8(
                                          QJsonDocument(types).toJson(QJsonDocument::Compact));
                return;
            }
        }
        if (schema.contains(QStringLiteral("const"))
            && value != schema.value(QStringLiteral("const")))
            errors << path + QStringLiteral(": not the constant");
        if (schema.contains(QStringLiteral("enum"))
            && !schema.value(QStringLiteral("enum")).toArray().contains(value))
            errors << path + QStringLiteral(": not one of the enumerated values");
        if (value.isObject())
            checkObject(value.toObject(), schema, path);
        if (value.isArray() && schema.contains(QStringLiteral("items"))) {
            const QJsonArray array = value.toArray();
            for (qsizetype i = 0; i < array.size(); ++i)
                check(array.at(i), schema.value(QStringLiteral("items")).toObject(),
                      path + QStringLiteral("[%1]").arg(i));
        }
    }

    QStringList errors;

private:
    void checkObject(const QJsonObject &object, const QJsonObject &schema, const QString &path)
    {
        for (const QJsonValue &name : schema.value(QStringLiteral("required")).toArray()) {
            if (!object.contains(name.toString()))
                errors << path + QStringLiteral(": lacks ") + name.toString();
        }
        const QJsonObject properties = schema.value(QStringLiteral("properties")).toObject();
        const QJsonValue additional = schema.value(QStringLiteral("additionalProperties"));
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            const QString child = path + QLatin1Char('.') + it.key();
            if (properties.contains(it.key()))
                check(it.value(), properties.value(it.key()).toObject(), child);
            else if (additional.isBool() && !additional.toBool())
                errors << child + QStringLiteral(": not in the schema");
            else if (additional.isObject())
                check(it.value(), additional.toObject(), child);
        }
    }

    QJsonObject m_root;
};

} // namespace

QStringList schemaViolations(const QJsonValue &value, const QJsonObject &schema)
{
    Checker checker(schema);
    checker.check(value, schema, QStringLiteral("$"));
    return checker.errors;
}
