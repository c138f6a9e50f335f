#include "snmp/NvMessageCatalogue.h"

#include <array>
#include <cstdio>
#include <vector>

namespace {

// Built-in texts; a catalogue file that can be read replaces them line by line.
const std::vector<std::string> kCommon = {
    "(NvCommon) Ok!",
    "(NvCommon) Bad logic operand!",
    "(NvCommon) Bad format specifier of edit's constraint!",
    "(NvCommon) Empty value is not allowed!",
    "(NvCommon) Please enter a string whose length is less than [MAXLEN]!",
    "(NvCommon) Please enter a string whose length is [LEN]!",
    "(NvCommon) Please enter a hex string whose length is less than [MAXLEN]!",
    "(NvCommon) Please enter a hex string whose length is [LEN]!",
    "(NvCommon) Please enter a number between [MIN] and [MAX]!",
    "(NvCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is less than [MAXCOUNT]!",
    "(NvCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is equal to [COUNT]!",
    "(NvCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is between [MIN] and [MAX]!",
    "(NvCommon) Out of range at index of array or list!",
    "(NvCommon) Destination buffer is undersize!",
    "(NvCommon) The source to dncrypt is not encrypted!",
    "(NvCommon) Fail to read data from file([FILENAME])!",
    "(NvCommon) Fail to write data to file([FILENAME])!",
    "(NvCommon) Fail to write value in ini file([FILENAME])!",
    "(NvCommon) Fail to read option data from file([FILENAME])!",
};

const std::vector<std::string> kSnmp = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

const std::vector<std::string> kSnmpV3 = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

const std::vector<std::string> kUsm = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

const std::vector<std::string> kSnmpClass = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

const std::vector<std::string> kLibrary = {
    "(NvSNMP++) Ok!",
    "(NvSNMP++) Fail to read SNMP variables from file([FILENAME])!",
    "(NvSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(NvSNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(NvSNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(NvSNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(NvSNMP++) Cannot create the global NvSNMP++ session!",
    "(NvSNMP++) Error when loading SNMP engine boots counter!",
    "(NvSNMP++) Error when saving SNMP engine boots counter!",
    "(NvSNMP++) Invalid IP Address or DNS name!",
    "(NvSNMP++) Can't send get-next command for a SNMP variable list with single value!",
    "(NvSNMP++) Bad SNMP syntax!",
    "(NvSNMP++) Null value in the expression!",
    "(NvSNMP++) Bad SNMP syntax in the expression!",
    "(NvSNMP++) Bad key count of SNMP variable list!",
    "(NvSNMP++) Bad item type of SNMP variable list!",
    "(NvSNMP++) Bad item type of associated SNMP variable list!",
    "(NvSNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(NvSNMP++) Bad value of the associated SNMP variable's (partial) data!",
    "(NvSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "(NvSNMP++) No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "(NvSNMP++) Bad type of the associated visual control!",
    "(NvSNMP++) Count of the associated visual controls is not enough!",
    "(NvSNMP++) No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    "(NvSNMP++) Count of the value items for the chart's history data is not enough!",
    "(NvSNMP++) Log database is not connected!",
    "(NvSNMP++) Log database field not found!",
    "(NvSNMP++) Bad syntax for the history chart of log!",
    "(NvSNMP++) Unknown error code!",
    "(NvSNMP++) The agent's answers went back or repeated during the walk!",
};

const std::vector<std::string> kMessages = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

constexpr int kKindCount = 7;

const std::array<const std::vector<std::string>*, kKindCount> kBuiltIn = {
    &kCommon, &kSnmp, &kSnmpV3, &kUsm, &kSnmpClass, &kLibrary, &kMessages,
};

// Texts loaded from files; an empty table means the built-in one is in force.
std::array<std::vector<std::string>, kKindCount> g_loaded;

bool isBlank(const std::string& piece)
{
    for (unsigned char c : piece) {
        if (c > ' ')
            return false;
    }
    return true;
}

// Reads the file in pieces of at most 1023 characters (a longer line gives
// several pieces) and keeps the non-blank ones without their line break.
bool readNonBlankPieces(const std::string& path, std::vector<std::string>& out)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    char buf[1024];
    while (std::fgets(buf, sizeof buf, f)) {
        std::string piece(buf);
        if (!piece.empty() && piece.back() == '\n')
            piece.pop_back();
        // A file written with CR LF line ends reads the same as on its home platform.
        if (!piece.empty() && piece.back() == '\r')
            piece.pop_back();
        if (!isBlank(piece))
            out.push_back(std::move(piece));
    }
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

int lineOfCode(int code, NvCatalogueKind& kind)
{
    if (code == 0) {
        kind = NvCatalogueKind::Library;
        return 0;
    }
    if (code <= -1 && code >= -18) {
        kind = NvCatalogueKind::Common;
        return -code;
    }
    if (code <= -101 && code >= -118) {
        kind = NvCatalogueKind::Snmp;
        return -code - 101;
    }
    if (code <= -201 && code >= -217) {
        kind = NvCatalogueKind::SnmpV3;
        return -code - 201;
    }
    if (code <= -301 && code >= -314) {
        kind = NvCatalogueKind::Usm;
        return -code - 301;
    }
    if (code <= -401 && code >= -423) {
        kind = NvCatalogueKind::SnmpClass;
        return -code - 401;
    }
    kind = NvCatalogueKind::Library;
    if (code <= ErrVarFileRead && code >= ErrWalkNotAdvancing)
        return -code - 500;
    return 28;
}

}  // namespace

bool loadCatalogue(NvCatalogueKind kind, const std::string& path)
{
    std::vector<std::string> lines;
    if (!readNonBlankPieces(path, lines) || lines.empty())
        return false;
    g_loaded[static_cast<int>(kind)] = std::move(lines);
    return true;
}

void resetCatalogues()
{
    for (auto& table : g_loaded)
        table.clear();
}

std::string catalogueText(NvCatalogueKind kind, int line)
{
    const int k = static_cast<int>(kind);
    if (k < 0 || k >= kKindCount || line < 0)
        return {};
    const auto& loaded = g_loaded[k];
    if (static_cast<size_t>(line) < loaded.size())
        return loaded[line];
    const auto& builtIn = *kBuiltIn[k];
    if (static_cast<size_t>(line) < builtIn.size())
        return builtIn[line];
    return {};
}

NvMappedStatus mapSnmpStatus(int status)
{
    int code;
    if (status == 0 || status == 1400 || status == -1401)
        code = 0;
    else if (status >= 1401 && status <= 1414)
        code = 1100 - status;
    else if (status >= -1418 && status <= -1402)
        code = status + 1201;
    else if (status >= 1 && status <= 18)
        code = -100 - status;
    else if (status >= -23 && status <= -1)
        code = status - 400;
    else
        code = ErrUnknownCode;
    return {code, textOfCode(code)};
}

std::string textOfCode(int code)
{
    NvCatalogueKind kind;
    const int line = lineOfCode(code, kind);
    return catalogueText(kind, line);
}

NvSNMPException errorOfCode(int code)
{
    return NvSNMPException(textOfCode(code), code);
}

std::string replaceAll(std::string text, const std::string& placeholder, const std::string& replacement)
{
    if (placeholder.empty())
        return text;
    size_t pos = 0;
    while ((pos = text.find(placeholder, pos)) != std::string::npos) {
        text.replace(pos, placeholder.size(), replacement);
        pos += replacement.size();
    }
    return text;
}
