#pragma once
// The per-user settings store: a tree of keys holding typed values, kept in
// one JSON file and written atomically. Key paths use backslashes
// ("Software\\Vellumi\\Presets"), match without regard to letter case and
// ignore a trailing separator. Every call reads the file afresh.

#include <QString>
#include <QStringList>

#include <stdexcept>

enum class TRegValueType { Dword, Binary, String };

class ERegistryError : public std::runtime_error {
public:
    explicit ERegistryError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

class TRegistryStore {
public:
    // The file named by VELLUMI_REGISTRY, else "Vellumi/registry.json" in
    // the user's configuration folder.
    static QString DefaultPath();

    explicit TRegistryStore(QString filePath = DefaultPath());
    const QString &FilePath() const { return FFilePath; }

    bool KeyExists(const QString &keyPath) const;
    bool ValueExists(const QString &keyPath, const QString &name) const;
    QStringList SubKeys(const QString &keyPath) const;

    // Missing keys and values read as false, 0, 0.0 and the empty text; a
    // value of another type throws ERegistryError.
    bool ReadBool(const QString &keyPath, const QString &name) const;
    int ReadInt(const QString &keyPath, const QString &name) const;
    double ReadFloat(const QString &keyPath, const QString &name) const;
    QString ReadString(const QString &keyPath, const QString &name) const;

    // Writers create the key and every missing parent; a failed write throws
    // ERegistryError and leaves the file as it was.
    void WriteBool(const QString &keyPath, const QString &name, bool value);
    void WriteInt(const QString &keyPath, const QString &name, int value);
    void WriteFloat(const QString &keyPath, const QString &name, double value);
    void WriteString(const QString &keyPath, const QString &name, const QString &value);

    // Removes the key with its values and subkeys; a missing key is no error.
    void DeleteKey(const QString &keyPath);

private:
    QString FFilePath;
};
