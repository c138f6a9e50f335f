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

QString writeModuleFiles(const QString& dir, int agentPort, const QString& moduleDir)
{
    const QString conf = dir + "/conf/";
    const QString registry = dir + "/registry.ini";
    writeTestFile(registry, "[SOFTWARE\\Norvane\\Modules\\HelpPath]\n1.3.6.1.4.1.497.10.59.7=" + moduleDir.toUtf8()
                                + "/HV720NMS.exe\n[SOFTWARE\\Norvane\\Vistane5.1\\MibFile]\nPath=" + conf.toUtf8() + "\n");
    writeTestFile(conf + "127.0.0.1.cfg", "[Program Information]\nAgentPort=" + QByteArray::number(agentPort)
                                              + "\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
                                                "AuthProtocol=0\nPrivProtocol=0\n");
    return registry;
}
