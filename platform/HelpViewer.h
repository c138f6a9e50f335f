#pragma once
// Opens a help file that lies beside the program with the desktop's handler.
// Reporting a failure to the user is the caller's part (see failureText).
#include <QString>

class HelpViewer {
public:
    enum class Result { Opened, Missing, NoHandler };

    // The path of a file in the program's directory.
    static QString pathBesideProgram(const QString& fileName);

    // Opens the help file beside the program at its start.
    static Result open(const QString& fileName);

    // What to tell the user when open() did not succeed.
    static QString failureText(Result result, const QString& fileName);
};
