#pragma once
// The seven message catalogues, the status mapping and the placeholder helper.
//
// Code ranges: 0 success; -1..-18 common (line = -code); -101..-118 agent error
// status (line = status - 1); -201..-217 SNMPv3 message processing; -301..-314 USM;
// -401..-423 SNMP class statuses; -501..-528 the library itself (line = -code - 500).
#include <string>

#include "snmp/NvSNMPError.h"

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
