#include "support/settings/RegistryFileFormat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

namespace fw {
namespace {

const QString kFormat = QStringLiteral("Fortwright registry");

bool wholeNumber(double n)
{
    return std::isfinite(n) && n == std::floor(n);
}

RegistryFileValue valueFromJson(const QJsonValue& json)
{
    RegistryFileValue value { {}, false, json };
    const QJsonObject object = json.toObject();
    const QJsonValue name = object.value(u"name");
    const QJsonValue text = object.value(u"string");
    const QJsonValue number = object.value(u"dword");
    value.value.name = name.toString();
    if (!name.isString() || text.isUndefined() == number.isUndefined())
        return value;
    if (text.isString()) {
        value.value.value = RegistryValue::string(text.toString());
        value.readable = true;
    } else if (number.isDouble() && wholeNumber(number.toDouble()) && number.toDouble() >= -2147483648.0
        && number.toDouble() <= 2147483647.0) {
        value.value.value = RegistryValue::dword(qint32(number.toDouble()));
        value.readable = true;
    }
    return value;
}

bool keyFromJson(const QJsonValue& json, RegistryFileKey& key);

// The shape of the tree is what every version shares: a key out of shape makes the whole file
// unreadable rather than half read.
bool childrenFromJson(const QJsonValue& keys, RegistryFileKey& parent)
{
    if (!keys.isArray())
        return false;
    for (const QJsonValue& k : keys.toArray()) {
        parent.children.append(RegistryFileKey {});
        if (!keyFromJson(k, parent.children.last()))
            return false;
    }
    return true;
}

bool keyFromJson(const QJsonValue& json, RegistryFileKey& key)
{
    key.json = json.toObject();
    const QJsonValue values = key.json.value(u"values");
    if (!key.json.value(u"name").isString() || !values.isArray())
        return false;
    key.name = key.json.value(u"name").toString();
    for (const QJsonValue& v : values.toArray())
        key.values.append(valueFromJson(v));
    return childrenFromJson(key.json.value(u"keys"), key);
}

QJsonValue valueToJson(const RegistryFileValue& v)
{
    if (!v.readable)
        return v.json;
    QJsonObject value = v.json.toObject();
    value.remove(QStringLiteral("string"));
    value.remove(QStringLiteral("dword"));
    value.insert(QStringLiteral("name"), v.value.name);
    if (v.value.value.type == RegistryValue::Type::String)
        value.insert(QStringLiteral("string"), v.value.value.text);
    else
        value.insert(QStringLiteral("dword"), v.value.value.number);
    return value;
}

QJsonArray childrenToJson(const RegistryFileKey& key);

QJsonObject keyToJson(const RegistryFileKey& key)
{
    QJsonObject object = key.json;
    QJsonArray values;
    for (const RegistryFileValue& v : key.values)
        values.append(valueToJson(v));
    object.insert(QStringLiteral("name"), key.name);
    object.insert(QStringLiteral("values"), values);
    object.insert(QStringLiteral("keys"), childrenToJson(key));
    return object;
}

QJsonArray childrenToJson(const RegistryFileKey& key)
{
    QJsonArray keys;
    for (const RegistryFileKey& child : key.children)
        keys.append(keyToJson(child));
    return keys;
}

} // namespace

RegistryFile parseRegistryFile(const QByteArray& bytes)
{
    RegistryFile file;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        file.problem = QStringLiteral("broken at byte %1: %2").arg(error.offset).arg(error.errorString());
        return file;
    }
    file.json = document.object();
    const QJsonValue version = file.json.value(u"version");
    file.version = version.isUndefined() ? 0 : version.toDouble(-1);
    if (file.json.value(u"format").toString() != kFormat || !wholeNumber(file.version) || file.version < 0) {
        file.problem = QStringLiteral("not a %1 file").arg(kFormat);
        return file;
    }
    // Version 0 holds the tree of version 1, so moving it forward changes only the number written.
    if (!childrenFromJson(file.json.value(u"keys"), file.top)) {
        // A newer version may have changed the shape; what is unread there stays in the file.
        file.top = {};
        if (!file.newer())
            file.problem = QStringLiteral("not a %1 file of version %2").arg(kFormat).arg(file.version);
    }
    return file;
}

QByteArray registryFileBytes(const RegistryFile& file)
{
    QJsonObject object = file.json;
    object.insert(QStringLiteral("format"), kFormat);
    object.insert(QStringLiteral("version"), kRegistryFileVersion);
    object.insert(QStringLiteral("keys"), childrenToJson(file.top));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace fw
