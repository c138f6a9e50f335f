#include "platform/ProcessLauncher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "platform/FilePath.h"

namespace {

QString findOne(const QString& name)
{
    const QString found = QStandardPaths::findExecutable(name, {ProcessLauncher::moduleDirectory()});
    if (!found.isEmpty())
        return found;
    return QStandardPaths::findExecutable(name);
}

}  // namespace

QString ProcessLauncher::moduleDirectory()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

QString ProcessLauncher::findProgram(const QString& name)
{
    const QString program = FilePath::toFileSystem(name);
    if (program.isEmpty())
        return {};
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    QString found = findOne(program);
    if (found.isEmpty() && program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        found = findOne(program.chopped(4));
    return found;
}

bool ProcessLauncher::start(const QString& commandLine)
{
    QStringList arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty())
        return false;
    const QString program = findProgram(arguments.takeFirst());
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}
