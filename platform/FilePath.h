#pragma once
// Paths travel through the module in the host's form ("errmsg\common.err",
// "..\Conf\MBF\"); they are turned into file-system paths only where a file is used.
#include <QString>
#include <string>

class FilePath {
public:
    // Backslashes become "/"; everything else stays as it is.
    static QString toFileSystem(const QString& path);
    static std::string toFileSystem(const std::string& path);
};
