#include "platform/Registry.h"

#include <QSettings>
#include <QStringList>

namespace {

QStringList segmentsOf(const QString& keyPath)
{
    QString path = keyPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

QString findIgnoringCase(const QStringList& names, const QString& wanted)
{
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

// Enters the groups of a key path; returns false (with the settings back at the
// top) when a segment is missing.
bool enterKey(QSettings& settings, const QStringList& segments)
{
    int depth = 0;
    for (const QString& segment : segments) {
        const QString actual = findIgnoringCase(settings.childGroups(), segment);
        if (actual.isEmpty()) {
            for (; depth > 0; --depth)
                settings.endGroup();
            return false;
        }
        settings.beginGroup(actual);
        ++depth;
    }
    return true;
}

}  // namespace

Registry::Registry()
    : m_fileName(defaultFileName())
{
}

Registry::Registry(QString fileName)
    : m_fileName(std::move(fileName))
{
}

QString Registry::defaultFileName()
{
    const QString fromEnvironment = qEnvironmentVariable("NORVANE_REGISTRY");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStringLiteral("/etc/xdg/Norvane/registry.ini");
}

bool Registry::keyExists(const QString& keyPath) const
{
    const QStringList segments = segmentsOf(keyPath);
    if (segments.isEmpty())
        return false;
    QSettings settings(m_fileName, QSettings::IniFormat);
    return enterKey(settings, segments);
}

bool Registry::openKey(const QString& keyPath, bool canCreate) const
{
    if (keyExists(keyPath))
        return true;
    const QStringList segments = segmentsOf(keyPath);
    if (!canCreate || segments.isEmpty())
        return false;
    {
        QSettings settings(m_fileName, QSettings::IniFormat);
        if (!settings.isWritable())
            return false;
        // Reuse the spelling of the segments that exist already.
        QStringList actual;
        for (const QString& segment : segments) {
            const QString found = findIgnoringCase(settings.childGroups(), segment);
            actual << (found.isEmpty() ? segment : found);
            settings.beginGroup(actual.last());
        }
        for (int i = 0; i < segments.size(); ++i)
            settings.endGroup();
        settings.setValue(actual.join(QLatin1Char('/')) + QLatin1Char('/') + emptyKeyMarker(), QString());
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
    }
    return keyExists(keyPath);
}

std::optional<QString> Registry::readString(const QString& keyPath, const QString& valueName) const
{
    const QStringList segments = segmentsOf(keyPath);
    if (segments.isEmpty())
        return std::nullopt;
    QSettings settings(m_fileName, QSettings::IniFormat);
    if (!enterKey(settings, segments))
        return std::nullopt;
    const QString actual = findIgnoringCase(settings.childKeys(), valueName);
    if (actual.isEmpty())
        return std::nullopt;
    const QVariant value = settings.value(actual);
    // An unquoted value with commas reads as a list; give back the text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}
