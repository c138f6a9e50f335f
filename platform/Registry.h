#pragma once
// The machine-wide settings the host product writes, kept in an INI file.
// Key paths are given in the host's form ("\SOFTWARE\Norvane\Modules\HelpPath");
// each key becomes a group of the file. Path segments and value names match
// without regard to letter case. The file is read again for every call.
#include <QString>
#include <optional>

class Registry {
public:
    // The file named by the environment variable NORVANE_REGISTRY, otherwise
    // /etc/xdg/Norvane/registry.ini.
    Registry();
    explicit Registry(QString fileName);

    static QString defaultFileName();
    const QString& fileName() const { return m_fileName; }

    // Whether the key exists (has at least one value or subkey).
    bool keyExists(const QString& keyPath) const;

    // Opens a key; with canCreate a missing key is created empty when the file
    // can be written (nothing happens otherwise). Returns whether the key is open.
    bool openKey(const QString& keyPath, bool canCreate) const;

    // The value as text; nothing when the key or the value is missing.
    std::optional<QString> readString(const QString& keyPath, const QString& valueName) const;

    // The value name that marks a key created without values.
    static QString emptyKeyMarker() { return QStringLiteral("@"); }

private:
    QString m_fileName;
};
