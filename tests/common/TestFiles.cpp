#include "tests/common/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

QByteArray readTestFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeTestFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(path.section('/', 0, -2));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(content);
}
