#include "platform/RegistryStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtEndian>

#include <cstring>

// File layout: every key is {"keys": {name: key}, "values": {name:
// {"type": "REG_DWORD" | "REG_BINARY" | "REG_SZ", "data": ...}}}; binary
// data is kept as hex text.
namespace {

const QString KeysField = QStringLiteral("keys");
const QString ValuesField = QStringLiteral("values");

QStringList SplitPath(const QString &keyPath)
{
    return keyPath.split(u'\\', Qt::SkipEmptyParts);
}

QString TypeName(TRegValueType type)
{
    switch (type) {
    case TRegValueType::Dword: return QStringLiteral("REG_DWORD");
    case TRegValueType::Binary: return QStringLiteral("REG_BINARY");
    case TRegValueType::String: return QStringLiteral("REG_SZ");
    }
    return {};
}

// The stored spelling of name among the members of object, found without
// regard to letter case.
QString FindMember(const QJsonObject &object, const QString &name)
{
    for (auto it = object.begin(); it != object.end(); ++it)
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.key();
    return {};
}

// A damaged or unreadable file is kept beside the store under a new name,
// so that the user's next settings start a fresh file and nothing is lost
// for good.
void SetAside(const QString &path)
{
    QString aside = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".damaged") + QString::number(n);
    if (!QFile::rename(path, aside))
        qWarning("Settings file %s is damaged and could not be renamed", qPrintable(path));
    else
        qWarning("Settings file %s is damaged; kept as %s", qPrintable(path), qPrintable(aside));
}

QJsonObject LoadRoot(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    const bool opened = file.open(QIODevice::ReadOnly);
    const QByteArray text = opened ? file.readAll() : QByteArray();
    const bool readable = opened && file.error() == QFileDevice::NoError;
    file.close();
    if (!readable) {
        SetAside(path);
        return {};
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        SetAside(path);
        return {};
    }
    return document.object();
}

void SaveRoot(const QString &path, const QJsonObject &root)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        throw ERegistryError(QStringLiteral("Cannot create the settings folder %1").arg(info.absolutePath()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ERegistryError(QStringLiteral("Cannot write the settings file %1: %2").arg(path, file.errorString()));
    file.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
    if (!file.commit())
        throw ERegistryError(QStringLiteral("Cannot write the settings file %1: %2").arg(path, file.errorString()));
}

// The key at parts, or an empty object with found = false.
QJsonObject FindKey(const QJsonObject &root, const QStringList &parts, bool *found)
{
    QJsonObject key = root;
    for (const QString &part : parts) {
        const QJsonObject subkeys = key.value(KeysField).toObject();
        const QString member = FindMember(subkeys, part);
        if (member.isEmpty()) {
            *found = false;
            return {};
        }
        key = subkeys.value(member).toObject();
    }
    *found = true;
    return key;
}

// Rebuilds the path from the root with change applied to the key at its
// end, creating missing keys on the way. Returns whether anything changed.
template <typename Change>
bool ModifyKey(QJsonObject &key, const QStringList &parts, int depth, bool create, const Change &change)
{
    if (depth == parts.size())
        return change(key);
    QJsonObject subkeys = key.value(KeysField).toObject();
    QString member = FindMember(subkeys, parts[depth]);
    if (member.isEmpty()) {
        if (!create)
            return false;
        member = parts[depth];
    }
    QJsonObject child = subkeys.value(member).toObject();
    if (!ModifyKey(child, parts, depth + 1, create, change))
        return false;
    subkeys.insert(member, child);
    key.insert(KeysField, subkeys);
    return true;
}

QJsonValue ReadValue(const QString &path, const QString &keyPath, const QString &name, TRegValueType type)
{
    bool found = false;
    const QJsonObject key = FindKey(LoadRoot(path), SplitPath(keyPath), &found);
    if (!found)
        return QJsonValue::Undefined;
    const QJsonObject values = key.value(ValuesField).toObject();
    const QString member = FindMember(values, name);
    if (member.isEmpty())
        return QJsonValue::Undefined;
    const QJsonObject value = values.value(member).toObject();
    if (value.value(QStringLiteral("type")).toString() != TypeName(type))
        throw ERegistryError(QStringLiteral("Invalid data type for '%1'").arg(name));
    return value.value(QStringLiteral("data"));
}

void WriteValue(const QString &path, const QString &keyPath, const QString &name, TRegValueType type,
                const QJsonValue &data)
{
    QJsonObject root = LoadRoot(path);
    ModifyKey(root, SplitPath(keyPath), 0, true, [&](QJsonObject &key) {
        QJsonObject values = key.value(ValuesField).toObject();
        QString member = FindMember(values, name);
        if (member.isEmpty())
            member = name;
        values.insert(member, QJsonObject{{QStringLiteral("type"), TypeName(type)}, {QStringLiteral("data"), data}});
        key.insert(ValuesField, values);
        if (!key.contains(KeysField))
            key.insert(KeysField, QJsonObject());
        return true;
    });
    SaveRoot(path, root);
}

} // namespace

QString TRegistryStore::DefaultPath()
{
    const QString overridden = qEnvironmentVariable("VELLUMI_REGISTRY");
    if (!overridden.isEmpty())
        return overridden;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Vellumi/registry.json");
}

TRegistryStore::TRegistryStore(QString filePath) : FFilePath(std::move(filePath)) {}

bool TRegistryStore::KeyExists(const QString &keyPath) const
{
    bool found = false;
    FindKey(LoadRoot(FFilePath), SplitPath(keyPath), &found);
    return found;
}

bool TRegistryStore::ValueExists(const QString &keyPath, const QString &name) const
{
    bool found = false;
    const QJsonObject key = FindKey(LoadRoot(FFilePath), SplitPath(keyPath), &found);
    return found && !FindMember(key.value(ValuesField).toObject(), name).isEmpty();
}

QStringList TRegistryStore::SubKeys(const QString &keyPath) const
{
    bool found = false;
    const QJsonObject key = FindKey(LoadRoot(FFilePath), SplitPath(keyPath), &found);
    return key.value(KeysField).toObject().keys();
}

bool TRegistryStore::ReadBool(const QString &keyPath, const QString &name) const
{
    return ReadValue(FFilePath, keyPath, name, TRegValueType::Dword).toInteger() != 0;
}

int TRegistryStore::ReadInt(const QString &keyPath, const QString &name) const
{
    return int(ReadValue(FFilePath, keyPath, name, TRegValueType::Dword).toInteger());
}

double TRegistryStore::ReadFloat(const QString &keyPath, const QString &name) const
{
    const QJsonValue data = ReadValue(FFilePath, keyPath, name, TRegValueType::Binary);
    if (data.isUndefined())
        return 0.0;
    const QByteArray bytes = QByteArray::fromHex(data.toString().toLatin1());
    if (bytes.size() != 8)
        throw ERegistryError(QStringLiteral("Invalid data size for '%1'").arg(name));
    const quint64 bits = qFromLittleEndian<quint64>(bytes.constData());
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QString TRegistryStore::ReadString(const QString &keyPath, const QString &name) const
{
    return ReadValue(FFilePath, keyPath, name, TRegValueType::String).toString();
}

void TRegistryStore::WriteBool(const QString &keyPath, const QString &name, bool value)
{
    WriteValue(FFilePath, keyPath, name, TRegValueType::Dword, value ? 1 : 0);
}

void TRegistryStore::WriteInt(const QString &keyPath, const QString &name, int value)
{
    WriteValue(FFilePath, keyPath, name, TRegValueType::Dword, value);
}

void TRegistryStore::WriteFloat(const QString &keyPath, const QString &name, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray bytes(8, '\0');
    qToLittleEndian<quint64>(bits, bytes.data());
    WriteValue(FFilePath, keyPath, name, TRegValueType::Binary, QString::fromLatin1(bytes.toHex()));
}

void TRegistryStore::WriteString(const QString &keyPath, const QString &name, const QString &value)
{
    WriteValue(FFilePath, keyPath, name, TRegValueType::String, value);
}

void TRegistryStore::DeleteKey(const QString &keyPath)
{
    const QStringList parts = SplitPath(keyPath);
    if (parts.isEmpty())
        return;
    QJsonObject root = LoadRoot(FFilePath);
    const QStringList parentParts = parts.mid(0, parts.size() - 1);
    const bool changed = ModifyKey(root, parentParts, 0, false, [&](QJsonObject &parent) {
        QJsonObject subkeys = parent.value(KeysField).toObject();
        const QString member = FindMember(subkeys, parts.last());
        if (member.isEmpty())
            return false;
        subkeys.remove(member);
        parent.insert(KeysField, subkeys);
        return true;
    });
    if (changed)
        SaveRoot(FFilePath, root);
}
