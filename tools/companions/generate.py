#!/usr/bin/env python3
"""Generate companions/CompanionObjects.cpp and .h: the MIB objects of the companion
views as descriptor tables (identifier, name, syntax, enumeration), read from Debian's
compiled MIB modules (python3-pysnmp4 with python3-pysnmp4-mibs).

Usage: tools/companions/generate.py   (run from anywhere; writes into companions/)

Objects of modules that no compiled module covers (EtherLike-MIB's statistics table,
which the compiled module fails to load, and the DVMRP MIB) are listed by hand in
HAND below, from their RFC and draft definitions.
"""
import os
import sys

from pysnmp.smi import builder
import pysnmp_mibs

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))

MODULES = ["SNMPv2-MIB", "IF-MIB", "RFC1213-MIB", "IP-MIB", "IP-FORWARD-MIB", "RIPv2-MIB", "OSPF-MIB",
           "IPMROUTE-STD-MIB", "RMON-MIB", "BRIDGE-MIB"]

# name of the generated table -> (module, entry or scalar names). An entry gives
# every readable column; a list of scalars gives those scalars.
SETS = [
    ("systemGroup", "SNMPv2-MIB", ["sysDescr", "sysObjectID", "sysUpTime", "sysContact", "sysName",
                                    "sysLocation", "sysServices"]),
    ("ifTableColumns", "IF-MIB", "ifEntry"),
    ("ifCounterColumns", "IF-MIB", ["ifIndex", "ifDescr", "ifOperStatus", "ifInOctets", "ifInUcastPkts",
                                     "ifInNUcastPkts", "ifInDiscards", "ifInErrors", "ifInUnknownProtos",
                                     "ifOutOctets", "ifOutUcastPkts", "ifOutNUcastPkts", "ifOutDiscards",
                                     "ifOutErrors", "ifOutQLen"]),
    ("ifXTableColumns", "IF-MIB", "ifXEntry"),
    ("ipGroup", "RFC1213-MIB", ["ipForwarding", "ipDefaultTTL", "ipInReceives", "ipInHdrErrors",
                                "ipInAddrErrors", "ipForwDatagrams", "ipInUnknownProtos", "ipInDiscards",
                                "ipInDelivers", "ipOutRequests", "ipOutDiscards", "ipOutNoRoutes",
                                "ipReasmTimeout", "ipReasmReqds", "ipReasmOKs", "ipReasmFails", "ipFragOKs",
                                "ipFragFails", "ipFragCreates", "ipRoutingDiscards"]),
    ("ipRouteColumns", "RFC1213-MIB", "ipRouteEntry"),
    ("ipAddrColumns", "RFC1213-MIB", "ipAddrEntry"),
    ("icmpGroup", "RFC1213-MIB", ["icmpInMsgs", "icmpInErrors", "icmpInDestUnreachs", "icmpInTimeExcds",
                                  "icmpInParmProbs", "icmpInSrcQuenchs", "icmpInRedirects", "icmpInEchos",
                                  "icmpInEchoReps", "icmpInTimestamps", "icmpInTimestampReps",
                                  "icmpInAddrMasks", "icmpInAddrMaskReps", "icmpOutMsgs", "icmpOutErrors",
                                  "icmpOutDestUnreachs", "icmpOutTimeExcds", "icmpOutParmProbs",
                                  "icmpOutSrcQuenchs", "icmpOutRedirects", "icmpOutEchos", "icmpOutEchoReps",
                                  "icmpOutTimestamps", "icmpOutTimestampReps", "icmpOutAddrMasks",
                                  "icmpOutAddrMaskReps"]),
    ("udpGroup", "RFC1213-MIB", ["udpInDatagrams", "udpNoPorts", "udpInErrors", "udpOutDatagrams"]),
    ("udpListenerColumns", "RFC1213-MIB", "udpEntry"),
    ("snmpGroup", "SNMPv2-MIB", ["snmpInPkts", "snmpOutPkts", "snmpInBadVersions", "snmpInBadCommunityNames",
                                 "snmpInBadCommunityUses", "snmpInASNParseErrs", "snmpInTooBigs",
                                 "snmpInNoSuchNames", "snmpInBadValues", "snmpInReadOnlys", "snmpInGenErrs",
                                 "snmpInTotalReqVars", "snmpInTotalSetVars", "snmpInGetRequests",
                                 "snmpInGetNexts", "snmpInSetRequests", "snmpInGetResponses", "snmpInTraps",
                                 "snmpOutTooBigs", "snmpOutNoSuchNames", "snmpOutBadValues", "snmpOutGenErrs",
                                 "snmpOutGetRequests", "snmpOutGetNexts", "snmpOutSetRequests",
                                 "snmpOutGetResponses", "snmpOutTraps", "snmpEnableAuthenTraps",
                                 "snmpSilentDrops", "snmpProxyDrops"]),
    ("etherStatsColumns", "RMON-MIB", "etherStatsEntry"),
    ("historyControlColumns", "RMON-MIB", "historyControlEntry"),
    ("etherHistoryColumns", "RMON-MIB", "etherHistoryEntry"),
    ("alarmColumns", "RMON-MIB", "alarmEntry"),
    ("eventColumns", "RMON-MIB", "eventEntry"),
    ("dot1dBaseGroup", "BRIDGE-MIB", ["dot1dBaseBridgeAddress", "dot1dBaseNumPorts", "dot1dBaseType",
                                      "dot1dTpLearnedEntryDiscards", "dot1dTpAgingTime"]),
    ("dot1dTpFdbColumns", "BRIDGE-MIB", "dot1dTpFdbEntry"),
    ("dot1dTpPortColumns", "BRIDGE-MIB", "dot1dTpPortEntry"),
    ("ipCidrRouteColumns", "IP-FORWARD-MIB", "ipCidrRouteEntry"),
    ("rip2GlobalGroup", "RIPv2-MIB", ["rip2GlobalRouteChanges", "rip2GlobalQueries"]),
    ("rip2IfStatColumns", "RIPv2-MIB", "rip2IfStatEntry"),
    ("rip2IfConfColumns", "RIPv2-MIB", "rip2IfConfEntry"),
    ("ospfGeneralGroup", "OSPF-MIB", ["ospfRouterId", "ospfAdminStat", "ospfVersionNumber",
                                      "ospfAreaBdrRtrStatus", "ospfASBdrRtrStatus", "ospfExternLsaCount",
                                      "ospfExternLsaCksumSum", "ospfTOSSupport", "ospfOriginateNewLsas",
                                      "ospfRxNewLsas", "ospfExtLsdbLimit", "ospfMulticastExtensions",
                                      "ospfExitOverflowInterval", "ospfDemandExtensions"]),
    ("ospfAreaColumns", "OSPF-MIB", "ospfAreaEntry"),
    ("ospfLsdbColumns", "OSPF-MIB", "ospfLsdbEntry"),
    ("ospfNbrColumns", "OSPF-MIB", "ospfNbrEntry"),
    ("ospfIfColumns", "OSPF-MIB", "ospfIfEntry"),
    ("ipMRouteGroup", "IPMROUTE-STD-MIB", ["ipMRouteEnable", "ipMRouteEntryCount"]),
    ("ipMRouteColumns", "IPMROUTE-STD-MIB", "ipMRouteEntry"),
    ("ipMRouteNextHopColumns", "IPMROUTE-STD-MIB", "ipMRouteNextHopEntry"),
]

# Hand-listed objects: (table name, [(oid, name, syntax)]).
DOT3 = "1.3.6.1.2.1.10.7.2.1."
DVMRP = "1.3.6.1.3.62.1.1."
HAND = [
    ("dot3StatsColumns", [(DOT3 + str(n), name, syntax) for n, name, syntax in [
        (1, "dot3StatsIndex", "SyntaxInteger"), (2, "dot3StatsAlignmentErrors", "SyntaxCounter"),
        (3, "dot3StatsFCSErrors", "SyntaxCounter"), (4, "dot3StatsSingleCollisionFrames", "SyntaxCounter"),
        (5, "dot3StatsMultipleCollisionFrames", "SyntaxCounter"), (6, "dot3StatsSQETestErrors", "SyntaxCounter"),
        (7, "dot3StatsDeferredTransmissions", "SyntaxCounter"), (8, "dot3StatsLateCollisions", "SyntaxCounter"),
        (9, "dot3StatsExcessiveCollisions", "SyntaxCounter"),
        (10, "dot3StatsInternalMacTransmitErrors", "SyntaxCounter"),
        (11, "dot3StatsCarrierSenseErrors", "SyntaxCounter"), (13, "dot3StatsFrameTooLongs", "SyntaxCounter"),
        (16, "dot3StatsInternalMacReceiveErrors", "SyntaxCounter"), (18, "dot3StatsSymbolErrors", "SyntaxCounter"),
        (19, "dot3StatsDuplexStatus", "SyntaxInteger")]]),
    # The IDMR working group's DVMRP MIB (experimental 62).
    ("dvmrpScalarGroup", [(DVMRP + "1." + str(n), name, syntax) for n, name, syntax in [
        (1, "dvmrpVersionString", "SyntaxDisplayString"), (2, "dvmrpGenerationId", "SyntaxInteger"),
        (3, "dvmrpNumRoutes", "SyntaxGauge"), (4, "dvmrpReachableRoutes", "SyntaxGauge")]]),
    ("dvmrpInterfaceColumns", [(DVMRP + "2.1." + str(n), name, syntax) for n, name, syntax in [
        (2, "dvmrpInterfaceLocalAddress", "SyntaxIpAddress"), (3, "dvmrpInterfaceMetric", "SyntaxInteger"),
        (4, "dvmrpInterfaceStatus", "SyntaxInteger"), (5, "dvmrpInterfaceRcvBadPkts", "SyntaxCounter"),
        (6, "dvmrpInterfaceRcvBadRoutes", "SyntaxCounter"), (7, "dvmrpInterfaceSentRoutes", "SyntaxCounter")]]),
    ("dvmrpNeighborColumns", [(DVMRP + "3.1." + str(n), name, syntax) for n, name, syntax in [
        (3, "dvmrpNeighborUpTime", "SyntaxTimeTicks"), (4, "dvmrpNeighborExpiryTime", "SyntaxTimeTicks"),
        (5, "dvmrpNeighborGenerationId", "SyntaxInteger"), (6, "dvmrpNeighborMajorVersion", "SyntaxInteger"),
        (7, "dvmrpNeighborMinorVersion", "SyntaxInteger"), (9, "dvmrpNeighborRcvRoutes", "SyntaxCounter"),
        (10, "dvmrpNeighborRcvBadPkts", "SyntaxCounter"), (11, "dvmrpNeighborRcvBadRoutes", "SyntaxCounter"),
        (12, "dvmrpNeighborState", "SyntaxInteger")]]),
    ("dvmrpRouteColumns", [(DVMRP + "4.1." + str(n), name, syntax) for n, name, syntax in [
        (3, "dvmrpRouteUpstreamNeighbor", "SyntaxIpAddress"), (4, "dvmrpRouteIfIndex", "SyntaxInteger"),
        (5, "dvmrpRouteMetric", "SyntaxInteger"), (6, "dvmrpRouteExpiryTime", "SyntaxTimeTicks"),
        (7, "dvmrpRouteUpTime", "SyntaxTimeTicks")]]),
]

DISPLAY_TC = {"DisplayString", "SnmpAdminString", "OwnerString"}
BASE = [("Counter64", "SyntaxCounter64"), ("Counter32", "SyntaxCounter"), ("Gauge32", "SyntaxGauge"),
        ("Unsigned32", "SyntaxGauge"), ("TimeTicks", "SyntaxTimeTicks"), ("IpAddress", "SyntaxIpAddress"),
        ("ObjectIdentifier", "SyntaxOid"), ("Bits", "SyntaxBits"), ("Integer32", "SyntaxInteger"),
        ("Integer", "SyntaxInteger"), ("OctetString", "SyntaxOctets")]


def syntax_of(obj):
    names = [c.__name__ for c in type(obj.syntax).__mro__]
    if names[0] in DISPLAY_TC:
        return "SyntaxDisplayString"
    if names[0] == "MacAddress":
        return "SyntaxMacAddress"
    for base, code in BASE:
        if base in names:
            return code
    raise SystemExit("no syntax for %s (%s)" % (obj.label, names))


def enumeration(obj):
    named = getattr(obj.syntax, "namedValues", None)
    if not named or "Bits" in [c.__name__ for c in type(obj.syntax).__mro__]:
        return []
    return sorted((int(v), k) for k, v in named.items())


def main():
    b = builder.MibBuilder()
    b.addMibSources(builder.DirMibSource(os.path.dirname(pysnmp_mibs.__file__)))
    b.loadModules(*MODULES)
    (column_class,) = b.importSymbols("SNMPv2-SMI", "MibTableColumn")

    tables = []
    enums = {}
    for name, module, what in SETS:
        rows = []
        if isinstance(what, str):
            (entry,) = b.importSymbols(module, what)
            for sym in b.mibSymbols[module].values():
                if isinstance(sym, column_class) and sym.name[:-1] == entry.name \
                        and sym.maxAccess in ("readonly", "readwrite", "readcreate"):
                    rows.append(sym)
            rows.sort(key=lambda s: s.name)
        else:
            rows = list(b.importSymbols(module, *what))
        out = []
        for sym in rows:
            options = enumeration(sym)
            if options:
                enums[sym.label] = options
            out.append((".".join(map(str, sym.name)), sym.label, syntax_of(sym), bool(options)))
        tables.append((name, out))
    for name, rows in HAND:
        tables.append((name, [(oid, label, syntax, False) for oid, label, syntax in rows]))

    cpp = ["// Generated by tools/companions/generate.py from Debian's compiled MIB modules",
           "// (python3-pysnmp4-mibs) and the objects listed in it; edit that, not this file.",
           '#include "companions/CompanionObjects.h"', "", '#include "snmp/NvOptionList.h"', "",
           "namespace {", ""]
    for label, options in sorted(enums.items()):
        cpp.append("const NvOptionPair %sPairs[] = {" % label)
        cpp += ['    {%d, "%s"},' % (v, k) for v, k in options]
        cpp += ["    {0, nullptr},", "};", "const NvOptionList %sOptions(%sPairs);" % (label, label), ""]
    cpp += ["}  // namespace", ""]
    hdr = ["#pragma once",
           "// Generated by tools/companions/generate.py: the MIB objects the companion views",
           "// show, one descriptor table per table entry or scalar group (closed by a null",
           "// identifier), with the enumerations of enumerated objects.",
           '#include "snmp/NvSNMPVarDescriptor.h"', "", "namespace CompanionObjects {", ""]
    cpp.append("namespace CompanionObjects {")
    cpp.append("")
    for name, rows in tables:
        hdr.append("extern const NvSNMPVarDescriptor %s[];" % name)
        cpp.append("const NvSNMPVarDescriptor %s[] = {" % name)
        for oid, label, syntax, enum in rows:
            opt = ", .options = &%sOptions" % label if enum else ""
            cpp.append('    {.oid = "%s", .label = "%s", .syntax = %s, .access = AccessReadable%s},'
                       % (oid, label, syntax, opt))
        cpp += ["    {},", "};", ""]
    cpp.append("}  // namespace CompanionObjects")
    hdr += ["", "}  // namespace CompanionObjects"]
    with open(os.path.join(ROOT, "companions", "CompanionObjects.cpp"), "w") as f:
        f.write("\n".join(cpp) + "\n")
    with open(os.path.join(ROOT, "companions", "CompanionObjects.h"), "w") as f:
        f.write("\n".join(hdr) + "\n")


if __name__ == "__main__":
    sys.exit(main())
