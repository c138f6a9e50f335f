#pragma once
// One row of a static view table: a MIB object with its label, value syntax,
// access flags and optional enumeration. A table is an array closed by a
// record whose oid is null.
#include <cstdint>

class NvOptionList;

// Value syntax codes.
enum NvSyntax : uint32_t {
    SyntaxBoolean = 1,
    SyntaxInteger = 2,
    SyntaxBits = 3,
    SyntaxOctets = 4,
    SyntaxNull = 5,
    SyntaxOid = 6,
    SyntaxIpAddress = 64,
    SyntaxCounter = 65,
    SyntaxGauge = 66,
    SyntaxTimeTicks = 67,
    SyntaxOpaque = 68,
    SyntaxNsapAddress = 69,
    SyntaxCounter64 = 70,
    SyntaxUInteger = 71,
    SyntaxReal = 72,
    SyntaxMacAddress = 73,
    SyntaxDateAndTime = 74,
    SyntaxCalendarTime = 75,
    SyntaxDisplayString = 76,
    SyntaxAddress16 = 77,
};

// The codes above: 1-6 and 64-77.
constexpr bool isKnownSyntax(NvSyntax syntax)
{
    return (syntax >= SyntaxBoolean && syntax <= SyntaxOid) || (syntax >= SyntaxIpAddress && syntax <= SyntaxAddress16);
}

// Access and role flags (bits of the access field).
enum NvAccess : int32_t {
    AccessIndex = 1,      // index column: value comes from the instance
    AccessReadable = 2,
    AccessWritable = 4,
    AccessHidden = 16,    // run time only: hidden from editor rows and list columns
    AccessExcluded = 32,  // run time only: takes part in no request
    AccessImplied = 64,   // last index encoded without a length sub-identifier
};

struct NvSNMPVarDescriptor {
    const char* oid = nullptr;  // dotted decimal without instance; null closes a table
    const char* label = nullptr;
    NvSyntax syntax = NvSyntax{};
    int32_t access = 0;
    const NvOptionList* options = nullptr;  // not owned
    const char* getExpression = nullptr;
    const char* setExpression = nullptr;
    const char* extraText = nullptr;
    const char* value = nullptr;            // initial value text
    const char* lastOid = nullptr;          // initial last-received identifier
    // Allowed values ("30..99999", "0|2..65535"): the value of an integer row, the
    // length of an octet or display-string row; null when the syntax alone limits it.
    const char* ranges = nullptr;
};
