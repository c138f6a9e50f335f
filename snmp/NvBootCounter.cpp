#include "snmp/NvBootCounter.h"

#include <QFile>
#include <QSaveFile>

#include "snmp/NvSNMPSession.h"

int NvBootCounter::load(const std::string& path, uint32_t& counter)
{
    counter = 0;
    QFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.exists())
        return -1;
    if (!file.open(QIODevice::ReadOnly))
        return -2;
    const QByteArray text = file.read(64).trimmed();
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok, 10);
    if (!ok || value > 0xFFFFFFFFull)
        return -2;
    counter = static_cast<uint32_t>(value);
    return 0;
}

int NvBootCounter::save(const std::string& path, uint32_t counter)
{
    QSaveFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.open(QIODevice::WriteOnly))
        return -1;
    const QByteArray text = QByteArray::number(counter) + "\n";
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return -1;
    }
    return file.commit() ? 0 : -1;
}

std::string NvBootCounter::pathIn(const std::string& directory)
{
    std::string path;
    if (directory.empty())
        path = kBootCounterFileName;
    else if (directory.back() == '\\' || directory.back() == '/')
        path = directory + kBootCounterFileName;
    else
        path = directory + "\\" + kBootCounterFileName;
    for (char& c : path) {
        if (c == '\\')
            c = '/';
    }
    return path;
}
