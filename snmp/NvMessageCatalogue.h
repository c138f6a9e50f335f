#pragma once
// The seven message catalogues, the status mapping and the placeholder helper.
//
// Code ranges: 0 success; -1..-18 common (line = -code); -101..-118 agent error
// status (line = status - 1); -201..-217 SNMPv3 message processing; -301..-314 USM;
// -401..-423 SNMP class statuses; -501..-529 the library itself (line = -code - 500).
#include <string>

#include <cstdint>

#include "snmp/NvSNMPError.h"

// The library's own failures, in the order of their lines in nvsnmp.err
// (line = -code - 500).
enum NvLibraryError : int32_t {
    ErrVarFileRead = -501,            // cannot read an SNMP variables file
    ErrVarFileFormat = -502,          // bad format at a line of it
    ErrVarFileItemType = -503,        // bad item type at a line of it
    ErrVarFileSyntax = -504,          // bad syntax at a line of it
    ErrVarFileAccess = -505,          // bad access type at a line of it
    ErrNoGlobalSession = -506,        // the global session cannot be created
    ErrBootCounterLoad = -507,        // the engine boots counter cannot be loaded
    ErrBootCounterSave = -508,        // the engine boots counter cannot be saved
    ErrBadAddress = -509,             // invalid IP address or DNS name
    ErrNextOnSingleValue = -510,      // get-next of a list with a single value
    ErrBadSyntax = -511,              // unknown value syntax
    ErrNullInExpression = -512,
    ErrBadSyntaxInExpression = -513,
    ErrBadKeyCount = -514,            // the instance does not fill the index columns
    ErrBadListKind = -515,
    ErrBadAssociatedListKind = -516,
    ErrBadPartialSyntax = -517,       // a control's part of a value has a syntax it cannot show
    ErrBadPartialValue = -518,        // too few octets for the syntax
    ErrBitIndexRange = -519,          // bit or octet index beyond the value
    ErrNoOptionList = -520,
    ErrBadControlType = -521,
    ErrTooFewControls = -522,
    ErrNoStartTime = -523,
    ErrTooFewHistoryItems = -524,
    ErrLogNotConnected = -525,
    ErrLogFieldMissing = -526,
    ErrBadLogChartSyntax = -527,
    ErrUnknownCode = -528,
    ErrWalkNotAdvancing = -529,       // a walk's answer went back or repeated in its column
};

enum class NvCatalogueKind {
    Common = 0,  // common.err
    Snmp,        // snmp.err      (agent error status)
    SnmpV3,      // snmpv3.err    (message processing)
    Usm,         // snmpusm.err
    SnmpClass,   // snmpclass.err
    Library,     // nvsnmp.err
    Messages,    // snmp.msg      (status-line templates)
};

// Replaces the built-in texts of a catalogue with the non-blank lines of a file.
// A file that cannot be read, or holds no non-blank line, keeps what is in force.
// Returns whether the file was taken.
bool loadCatalogue(NvCatalogueKind kind, const std::string& path);

// Back to the built-in texts (for tests).
void resetCatalogues();

// Line of a catalogue; a line beyond a shorter loaded file gives the built-in line.
std::string catalogueText(NvCatalogueKind kind, int line);

// Code and text of a status in the SNMP class library's numbering.
struct NvMappedStatus {
    int code;
    std::string text;
};
NvMappedStatus mapSnmpStatus(int status);

// Catalogue text for any code of the ranges above (-528's text for unknown codes).
std::string textOfCode(int code);

// An exception for a code, with its catalogue text.
NvSNMPException errorOfCode(int code);

// Replaces every occurrence of placeholder, left to right.
std::string replaceAll(std::string text, const std::string& placeholder, const std::string& replacement);
