#include "sim/SimOptions.h"

#include <algorithm>
#include <fstream>
#include <sstream>

static bool readFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::stringstream ss;
    ss << in.rdbuf();
    text = ss.str();
    return true;
}

bool SimOptions::takesValue(const std::string& n)
{
    return n != "help" && n != "version" && n != "quiet" && n != "still";
}

static bool toInt(const std::string& v, int& out, int lo, int hi)
{
    try {
        std::size_t used = 0;
        long long n = std::stoll(v, &used, 0);
        if (used != v.size() || n < lo || n > hi)
            return false;
        out = static_cast<int>(n);
        return true;
    } catch (...) {
        return false;
    }
}

bool SimOptions::apply(const std::string& name, const std::string& value, std::string& error)
{
    if (name == "listen") {
        std::string v = value;
        if (v.rfind("udp:", 0) == 0)
            v = v.substr(4);
        int port = 0;
        auto colon = v.rfind(':');
        std::string host = colon == std::string::npos ? "127.0.0.1" : v.substr(0, colon);
        std::string portText = colon == std::string::npos ? v : v.substr(colon + 1);
        Oid parts;
        if (!toInt(portText, port, 1, 65535) || !oidutil::parse(host, parts) || parts.size() != 4) {
            error = "--listen takes ADDRESS:PORT, for example 127.0.0.1:16100";
            return false;
        }
        listen = "udp:" + host + ":" + std::to_string(port);
    } else if (name == "dir") {
        dir = value;
    } else if (name == "community") {
        readCommunities.push_back(value);
    } else if (name == "rw-community") {
        writeCommunities.push_back(value);
    } else if (name == "user") {
        SimUser u;
        std::vector<std::string> f;
        std::stringstream ss(value);
        std::string item;
        while (std::getline(ss, item, ':'))
            f.push_back(item);
        if (f.empty() || f[0].empty() || (f.size() != 1 && f.size() != 3 && f.size() != 5)) {
            error = "--user takes NAME[:AUTH:AUTHPASS[:PRIV:PRIVPASS]]";
            return false;
        }
        // The protocol words of the agent library's createUser line.
        static const std::vector<std::string> authWords{"MD5", "SHA", "SHA-224", "SHA-256", "SHA-384", "SHA-512"};
        static const std::vector<std::string> privWords{"DES", "AES", "AES-128", "AES-192", "AES-256"};
        u.name = f[0];
        if (f.size() >= 3) {
            u.authProtocol = f[1];
            u.authPass = f[2];
            if (std::find(authWords.begin(), authWords.end(), u.authProtocol) == authWords.end()) {
                error = "authentication is MD5, SHA, SHA-224, SHA-256, SHA-384 or SHA-512";
                return false;
            }
        }
        if (f.size() == 5) {
            u.privProtocol = f[3] == "AES-128" ? "AES" : f[3];
            u.privPass = f[4];
            if (std::find(privWords.begin(), privWords.end(), f[3]) == privWords.end()) {
                error = "privacy is DES, AES (AES-128), AES-192 or AES-256";
                return false;
            }
        }
        if ((!u.authPass.empty() && u.authPass.size() < 8) || (f.size() == 5 && u.privPass.size() < 8)) {
            error = "pass phrases have at least 8 characters";
            return false;
        }
        users.push_back(u);
    } else if (name == "engine-id") {
        engineId = value;
    } else if (name == "stack") {
        std::string text;
        if (!readFile(value, text)) {
            error = "cannot read stack file " + value;
            return false;
        }
        units.clear();
        if (!StackModel::parseStack(text, units, error))
            return false;
    } else if (name == "unit") {
        UnitConfig u;
        if (!StackModel::parseUnit(value, u, error))
            return false;
        units.push_back(u);
    } else if (name == "catalogue") {
        cataloguePath = value;
    } else if (name == "big-table") {
        if (!toInt(value, bigTable, 0, 10000000)) {
            error = "--big-table takes a row count";
            return false;
        }
    } else if (name == "led-period") {
        if (!toInt(value, ledPeriodMs, 100, 3600000)) {
            error = "--led-period takes milliseconds (at least 100)";
            return false;
        }
    } else if (name == "seed") {
        int s = 0;
        if (!toInt(value, s, 0, 2147483647)) {
            error = "--seed takes a number";
            return false;
        }
        seed = static_cast<unsigned>(s);
    } else if (name == "rmon") {
        if (value == "enabled") rmonState = 3;
        else if (value == "disabled") rmonState = 2;
        else { error = "--rmon is enabled or disabled"; return false; }
    } else if (name == "delay") {
        if (!toInt(value, faults.delayMs, 0, 600000)) {
            error = "--delay takes milliseconds";
            return false;
        }
    } else if (name == "drop-every") {
        if (!toInt(value, faults.dropEvery, 0, 1000000)) {
            error = "--drop-every takes a count";
            return false;
        }
    } else if (name == "error") {
        return faults.parseError(value, error);
    } else if (name == "walk-fault") {
        return faults.parseWalk(value, error);
    } else if (name == "short-leds") {
        return faults.parseLeds(value, error);
    } else if (name == "duplicate") {
        if (!toInt(value, faults.duplicateMs, 0, 600000)) {
            error = "--duplicate takes milliseconds";
            return false;
        }
    } else if (name == "wrong-id" || name == "garbage" || name == "stop-after") {
        int& n = name == "wrong-id" ? faults.wrongIdEvery : name == "garbage" ? faults.garbageEvery : faults.stopAfter;
        if (!toInt(value, n, 0, 1000000)) {
            error = "--" + name + " takes a count";
            return false;
        }
    } else if (name == "wrong-type") {
        if (!oidutil::parse(value, faults.wrongTypeOid)) {
            error = "--wrong-type takes an OID";
            return false;
        }
    } else if (name == "long-strings") {
        return faults.parseLongStrings(value, error);
    } else if (name == "bulk-fault") {
        return faults.parseBulk(value, error);
    } else if (name == "config") {
        return readConfig(value, error);
    } else if (name == "set-log") {
        setLogPath = value;
    } else if (name == "get-log") {
        getLogPath = value;
    } else if (name == "quiet") {
        quiet = true;
    } else if (name == "still") {
        still = true;
    } else if (name == "help") {
        helpRequested = true;
    } else if (name == "version") {
        versionRequested = true;
    } else {
        error = "unknown option --" + name;
        return false;
    }
    return true;
}

bool SimOptions::readConfig(const std::string& path, std::string& error)
{
    std::string text;
    if (!readFile(path, text)) {
        error = "cannot read configuration file " + path;
        return false;
    }
    std::istringstream in(text);
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#')
            continue;
        line = line.substr(start);
        auto sp = line.find_first_of(" \t");
        std::string name = line.substr(0, sp);
        // A name followed only by blanks has an empty value.
        const auto valueStart = sp == std::string::npos ? sp : line.find_first_not_of(" \t", sp);
        std::string value = valueStart == std::string::npos ? "" : line.substr(valueStart);
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
            value.pop_back();
        if (name == "config" || !apply(name, value, error)) {
            if (name == "config")
                error = "configuration files do not nest";
            error = path + ":" + std::to_string(n) + ": " + error;
            return false;
        }
    }
    return true;
}

bool SimOptions::parse(int argc, char** argv, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a.rfind("--", 0) != 0) {
            error = "unexpected argument " + a;
            return false;
        }
        std::string name = a.substr(2), value;
        auto eq = name.find('=');
        if (eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        } else if (takesValue(name)) {
            if (i + 1 >= argc) {
                error = "--" + name + " needs a value";
                return false;
            }
            value = argv[++i];
        }
        if (!apply(name, value, error))
            return false;
    }
    return true;
}

std::string SimOptions::usage()
{
    return R"(usage: hv720-sim [options]
  --listen ADDR:PORT        UDP address to answer on (default 127.0.0.1:16100)
  --dir DIR                 directory for net-snmp's persistent state (default: private temp dir)
  --config FILE             read options from FILE (one "name value" per line)
  --community NAME          extra read-only community (quorel is always there)
  --rw-community NAME       extra read-write community (tessany is always there)
  --user NAME[:AUTH:AUTHPASS[:PRIV:PRIVPASS]]   SNMPv3 user (read-write); AUTH MD5, SHA,
                            SHA-224..SHA-512; PRIV DES, AES (AES-128), AES-192, AES-256
  --engine-id HEX           SNMPv3 engine id
  --stack FILE              stack description (see README.md)
  --unit SPEC               one unit, e.g. "model=HV-720 module=HM20" (repeatable)
  --catalogue FILE          serve every object of a catalogue dump (TSV)
  --big-table N             a table of N rows under 1.3.6.1.4.1.497.999.2
  --led-period MS           LED change period (default 2000)
  --seed N                  seed of the LED changes
  --rmon enabled|disabled   initial RMON state
  --delay MS                delay every reply
  --drop-every N            drop every Nth request
  --error OID=STATUS        answer STATUS for OID and everything below it
  --walk-fault OID=repeat|back   misbehave during a walk of the column OID
  --short-leds UNIT=N       serve N LED octets for UNIT (0: every unit), cut or padded
  --duplicate MS            send every answer again MS milliseconds later
  --wrong-id N              every Nth answer carries a request id that was never sent
  --garbage N               every Nth answer is replaced by undecodable bytes
  --wrong-type OID          serve the values under OID with another type
  --long-strings OID=N      serve the octet strings under OID N octets long
  --stop-after N            answer N requests, then none
  --bulk-fault short=N|toobig=N|generr|drop   misanswer GETBULK requests
  --set-log FILE            append every committed set request to FILE, one line each
  --get-log FILE            append the object of every get request to FILE, one line each
  --quiet                   no start-up line
  --still                   counters, uptimes and the clock do not move (two reads compare equal)
  --help                    print this text and exit
  --version                 print the version and exit
)";
}
