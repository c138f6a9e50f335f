// Reply processing and index decoding: a variable list of any kind, index count
// and syntaxes, and replies of arbitrary identifiers and values. Whatever the
// agent sends, the engine gives a code of the library's set (returned or thrown
// as NvSNMPException), and an instance it decoded encodes to a suffix that
// decodes to the same instance again.
#include <array>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "snmp/NvSNMPError.h"
#include "snmp/NvSNMPRequest.h"
#include "snmp/NvSnmpPdu.h"

namespace {

// Every syntax code of the library, and one it does not know.
constexpr std::array<uint32_t, 21> kSyntaxCodes{1, 2, 3, 4, 5, 6, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 99};
constexpr std::array<uint8_t, 14> kTypes{AsnInteger,    AsnOctetString, AsnNull,     AsnObjectId, AsnIpAddress,
                                         AsnCounter32,  AsnGauge32,     AsnTimeTicks, AsnOpaque,  AsnCounter64,
                                         AsnUInteger32, AsnNoSuchObject, AsnNoSuchInstance, AsnEndOfMibView};
constexpr int kStatuses[] = {0, 0, 0, 0, 2, -5, 1400, 5, 1410, -1405, 99};

const std::string kEntry = "1.3.6.1.4.1.497.9.1";

NvOid entryOid()
{
    NvOid o;
    oidFromText(kEntry, o);
    return o;
}

NvSnmpVb randomVb(FuzzInput& in, int rows)
{
    NvSnmpVb vb;
    const size_t form = in.choice(4);
    if (form != 3) {
        // Inside (or right beside) one of the columns, with an instance of any shape.
        vb.oid = entryOid();
        vb.oid.push_back(in.byte() % (rows + 2));
        const size_t arcs = in.choice(24);
        for (size_t i = 0; i < arcs; ++i)
            vb.oid.push_back(in.flag() ? in.byte() : in.number());
    } else {
        const size_t arcs = in.choice(40);
        for (size_t i = 0; i < arcs; ++i)
            vb.oid.push_back(in.number());
    }
    vb.type = kTypes[in.choice(kTypes.size())];
    vb.integer = static_cast<int32_t>(in.number());
    vb.unsignedValue = (static_cast<uint64_t>(in.number()) << 32) | in.number();
    vb.octets = in.text(64);
    const size_t arcs = in.choice(16);
    for (size_t i = 0; i < arcs; ++i)
        vb.oidValue.push_back(in.number());
    return vb;
}

void checkCode(int code, const char* where)
{
    FUZZ_CHECK(isLibraryCode(code), std::string(where) + ": code " + std::to_string(code));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const int rows = 1 + static_cast<int>(in.choice(6));
    std::vector<std::string> oids(static_cast<size_t>(rows));
    std::vector<NvSNMPVarDescriptor> table(static_cast<size_t>(rows) + 1);
    const auto kind = static_cast<NvSNMPVarList::Kind>(in.choice(5));  // 4 is no kind at all
    const int indexCount = static_cast<int>(in.choice(static_cast<size_t>(rows) + 1));
    for (int r = 0; r < rows; ++r) {
        oids[static_cast<size_t>(r)] = kEntry + "." + std::to_string(r + 1);
        NvSNMPVarDescriptor& d = table[static_cast<size_t>(r)];
        d.oid = oids[static_cast<size_t>(r)].c_str();
        d.label = "fuzzed";
        d.syntax = static_cast<NvSyntax>(kSyntaxCodes[in.choice(kSyntaxCodes.size())]);
        d.access = AccessReadable | (r < indexCount ? AccessIndex : 0) | (in.flag() ? AccessImplied : 0);
        if (in.choice(8) == 0)
            d.access &= ~AccessReadable;
    }

    NvSNMPRequest request;
    request.varList = NvSNMPVarList(table.data(), kind, indexCount);
    if (in.flag())
        request.varList.instance = in.text(24);

    const int replies = 1 + static_cast<int>(in.choice(4));
    for (int step = 0; step < replies && !in.empty(); ++step) {
        NvSnmpPdu reply;
        reply.errorIndex = static_cast<int32_t>(in.number());
        const size_t count = in.choice(static_cast<size_t>(rows) + 3);
        for (size_t i = 0; i < count; ++i)
            reply.vbs.push_back(randomVb(in, rows));
        const int status = kStatuses[in.choice(std::size(kStatuses))];
        try {
            const NvSNMPError e = request.processReply(reply, status, "127.0.0.1/161", in.flag());
            checkCode(e.code, "reply");
        } catch (const NvSNMPException& e) {
            checkCode(e.code(), "reply raised");
            continue;
        }
        if (!request.varList.isTable() || indexCount == 0)
            continue;
        // Encoding the decoded index and decoding it again changes nothing.
        try {
            const std::string first = request.instanceSuffix();
            request.parseInstance(first);
            const std::string second = request.instanceSuffix();
            FUZZ_CHECK(first == second, first + " became " + second);
        } catch (const NvSNMPException& e) {
            checkCode(e.code(), "instance");
        }
    }
    return 0;
}
