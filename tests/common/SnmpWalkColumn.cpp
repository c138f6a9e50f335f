#include "tests/common/SnmpWalkColumn.h"

#include <QProcess>
#include <QStringList>

#include "snmp/NvOptionList.h"
#include "snmp/NvValueText.h"

WalkedColumn walkColumn(int port, const std::string& oid)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIBS", "");
    env.insert("SNMPCONFPATH", "/nonexistent");
    tool.setProcessEnvironment(env);
    tool.start("snmpwalk", {"-v2c", "-c", "quorel", "-On", "-Oq", "-Oe", "-Ot", "-Ox", "-r", "1", "-t", "2",
                            QString("127.0.0.1:%1").arg(port), QString::fromStdString(oid)});
    tool.waitForFinished(20000);
    WalkedColumn column;
    const QStringList lines = QString::fromUtf8(tool.readAllStandardOutput()).split('\n');
    const std::string prefix = "." + oid + ".";
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        // Hexadecimal values run on over further lines until the closing quote.
        while (line.count('"') == 1 && i + 1 < lines.size())
            line += " " + lines[++i];
        const qsizetype blank = line.indexOf(' ');
        const std::string name = line.left(blank).toStdString();
        if (blank < 0 || name.rfind(prefix, 0) != 0)
            continue;
        QString value = line.mid(blank + 1).trimmed();
        std::string raw = value.toStdString();
        if (value.startsWith('"'))
            raw = hexToOctets(value.mid(1, value.size() - 2).remove(' ').toStdString());
        column.emplace_back(name.substr(prefix.size()), raw);
    }
    return column;
}

std::optional<std::string> expectedDisplayText(const NvSNMPVarDescriptor& d, const std::string& raw)
{
    if (d.options)
        return d.options->labelOfValue(raw[0] == '.' ? raw.substr(1) : raw);
    switch (d.syntax) {
    case SyntaxCounter:
    case SyntaxCounter64:
    case SyntaxTimeTicks:
        return std::nullopt;
    case SyntaxOctets:
    case SyntaxBits:
    case SyntaxMacAddress:
        return octetsToHex(raw);
    case SyntaxDisplayString:
        return displayStringOfOctets(raw);
    case SyntaxOid:
        return raw[0] == '.' ? raw.substr(1) : raw;
    default:
        return raw;
    }
}
