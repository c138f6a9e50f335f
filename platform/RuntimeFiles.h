#pragma once
// Where the files the programs read at run time lie (the message catalogues in
// "errmsg/"): beside the program in the build tree, under ../share/hv720 once
// installed. Found from the program's own location, so that a copy installed
// under any prefix works without the build tree.
#include <QString>

class RuntimeFiles {
public:
    // The directory of the running program's run-time files, ending in "/".
    static QString directory();

    // The same for a program in programDirectory: the first of programDirectory
    // and programDirectory/../share/hv720 that holds an "errmsg" folder; the
    // program directory when neither does.
    static QString directoryFor(const QString& programDirectory);
};
