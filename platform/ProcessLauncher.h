#pragma once
// Starts another program from a command line and returns at once; nothing waits
// for it and no handle is kept.
#include <QString>
#include <QStringList>

class ProcessLauncher {
public:
    // Splits the command line on blanks (double quotes group blanks), finds the
    // program and starts it detached. Returns whether the process started.
    static bool start(const QString& commandLine);

    // The program file for a name: a name with a directory part is taken as a
    // path; otherwise the directory of the running module is searched first, then
    // PATH. A name ending in ".exe" is also tried without it. Empty when not found.
    static QString findProgram(const QString& name);

    // Directory of the running program.
    static QString moduleDirectory();
};
