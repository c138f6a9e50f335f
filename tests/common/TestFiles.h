#pragma once
// Small file helpers for tests that prepare registry, device and catalogue files.
#include <QByteArray>
#include <QString>

// The file's content; empty when it cannot be read.
QByteArray readTestFile(const QString& path);
// Writes the content, creating missing folders; a failure fails the test.
void writeTestFile(const QString& path, const QByteArray& content);

// The registry file and the device file with which the module started in
// moduleDir's parent reads its catalogues from moduleDir and talks SNMPv2c to
// 127.0.0.1:agentPort; both go into dir. Returns the registry file.
QString writeModuleFiles(const QString& dir, int agentPort, const QString& moduleDir);
