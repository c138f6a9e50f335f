#include "platform/RuntimeFiles.h"

#include <QDir>
#include <QFileInfo>

#include "platform/ProcessLauncher.h"

QString RuntimeFiles::directory()
{
    return directoryFor(ProcessLauncher::moduleDirectory());
}

QString RuntimeFiles::directoryFor(const QString& programDirectory)
{
    const QString program = QDir::cleanPath(QDir(programDirectory).absolutePath());
    const QString candidates[] = {program, QDir::cleanPath(program + QStringLiteral("/../share/hv720"))};
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate + QStringLiteral("/errmsg")).isDir())
            return candidate + QLatin1Char('/');
    }
    return program + QLatin1Char('/');
}
