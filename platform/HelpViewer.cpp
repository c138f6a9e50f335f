#include "platform/HelpViewer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "platform/FilePath.h"
#include "platform/ProcessLauncher.h"

QString HelpViewer::pathBesideProgram(const QString& fileName)
{
    return ProcessLauncher::moduleDirectory() + QLatin1Char('/') + FilePath::toFileSystem(fileName);
}

HelpViewer::Result HelpViewer::open(const QString& fileName)
{
    const QString path = pathBesideProgram(fileName);
    if (!QFileInfo(path).isFile())
        return Result::Missing;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? Result::Opened : Result::NoHandler;
}

QString HelpViewer::failureText(Result result, const QString& fileName)
{
    const QString path = pathBesideProgram(fileName);
    switch (result) {
    case Result::Opened:
        return {};
    case Result::Missing:
        return QStringLiteral("Cannot find the help file \"%1\".").arg(path);
    case Result::NoHandler:
        return QStringLiteral("There is no program to show the help file \"%1\".").arg(path);
    }
    return {};
}
