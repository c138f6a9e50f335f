#include "platform/FilePath.h"

#include <algorithm>

QString FilePath::toFileSystem(const QString& path)
{
    QString result = path;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return result;
}

std::string FilePath::toFileSystem(const std::string& path)
{
    std::string result = path;
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}
