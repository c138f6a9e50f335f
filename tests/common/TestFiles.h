#pragma once
// Small file helpers for tests that prepare registry, device and catalogue files.
#include <QByteArray>
#include <QString>

// The file's content; empty when it cannot be read.
QByteArray readTestFile(const QString& path);
// Writes the content, creating missing folders; a failure fails the test.
void writeTestFile(const QString& path, const QByteArray& content);
