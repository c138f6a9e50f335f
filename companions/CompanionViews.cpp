#include "companions/CompanionViews.h"

#include "companions/CompanionObjects.h"

namespace {

using namespace CompanionObjects;
using L = CompanionLayout;

// The sections of every view, in the order the views list them.
const CompanionSection kInfo[] = {{.caption = "System", .layout = L::Scalars, .objects = systemGroup}};
const CompanionSection kIfX[] = {{.caption = "Interfaces (ifXTable)", .objects = ifXTableColumns, .rowName = "ifName"}};
const CompanionSection kIfTable[] = {{.caption = "Interfaces", .objects = ifTableColumns, .rowName = "ifDescr"}};
const CompanionSection kIfCounters[] = {{.caption = "Counters", .objects = ifCounterColumns, .rowName = "ifDescr"}};
const CompanionSection kIp[] = {{.caption = "IP", .layout = L::Scalars, .objects = ipGroup}};
const CompanionSection kIpRoute[] = {{.caption = "Routes", .objects = ipRouteColumns, .rowName = "ipRouteDest"}};
const CompanionSection kIpAddr[] = {{.caption = "Addresses", .objects = ipAddrColumns, .rowName = "ipAdEntAddr"}};
const CompanionSection kIcmp[] = {{.caption = "ICMP", .layout = L::Scalars, .objects = icmpGroup}};
const CompanionSection kUdp[] = {
    {.caption = "UDP", .layout = L::Scalars, .objects = udpGroup},
    {.caption = "Listeners", .objects = udpListenerColumns},
};
const CompanionSection kSnmp[] = {{.caption = "SNMP", .layout = L::Scalars, .objects = snmpGroup}};
const CompanionSection kDot3[] = {{.caption = "dot3 Statistics", .objects = dot3StatsColumns}};
const CompanionSection kRmonStats[] = {
    {.caption = "Statistics", .objects = etherStatsColumns, .rowName = "etherStatsDataSource"}};
const CompanionSection kRmonHistory[] = {
    {.caption = "History samples", .objects = etherHistoryColumns, .buckets = true},
    {.caption = "History control", .objects = historyControlColumns},
};
const CompanionSection kRmonAlarmEvent[] = {
    {.caption = "Alarms", .objects = alarmColumns},
    {.caption = "Events", .objects = eventColumns},
};
const CompanionSection kFdb[] = {
    {.caption = "Forwarding", .objects = dot1dTpFdbColumns, .rowName = "dot1dTpFdbAddress"},
    {.caption = "Bridge", .layout = L::Scalars, .objects = dot1dBaseGroup},
};
const CompanionSection kTpPort[] = {{.caption = "Ports", .objects = dot1dTpPortColumns, .rowName = "dot1dTpPort"}};
const CompanionSection kCidr[] = {{.caption = "CIDR routes", .objects = ipCidrRouteColumns, .rowName = "ipCidrRouteDest"}};
const CompanionSection kRip2[] = {
    {.caption = "Interface statistics", .objects = rip2IfStatColumns, .rowName = "rip2IfStatAddress"},
    {.caption = "Interface configuration", .objects = rip2IfConfColumns},
    {.caption = "Global", .layout = L::Scalars, .objects = rip2GlobalGroup},
};
const CompanionSection kOspf[] = {{.caption = "OSPF", .layout = L::Scalars, .objects = ospfGeneralGroup}};
const CompanionSection kArea[] = {{.caption = "Areas", .objects = ospfAreaColumns, .rowName = "ospfAreaId"}};
const CompanionSection kLsdb[] = {{.caption = "Link state database", .objects = ospfLsdbColumns}};
const CompanionSection kNbr[] = {{.caption = "Neighbors", .objects = ospfNbrColumns, .rowName = "ospfNbrIpAddr"}};
const CompanionSection kOspfIf[] = {{.caption = "Interfaces", .objects = ospfIfColumns, .rowName = "ospfIfIpAddress"}};
const CompanionSection kIpm[] = {
    {.caption = "Routes", .objects = ipMRouteColumns},
    {.caption = "Next hops", .objects = ipMRouteNextHopColumns},
    {.caption = "General", .layout = L::Scalars, .objects = ipMRouteGroup},
};
const CompanionSection kDvmrp[] = {
    {.caption = "Interfaces", .objects = dvmrpInterfaceColumns, .rowName = "dvmrpInterfaceLocalAddress"},
    {.caption = "Neighbors", .objects = dvmrpNeighborColumns},
    {.caption = "Routes", .objects = dvmrpRouteColumns},
    {.caption = "General", .layout = L::Scalars, .objects = dvmrpScalarGroup},
};

const CompanionView kViews[] = {
    {.argument = "MIB_Info", .title = "System Information", .sections = kInfo},
    {.argument = "MIB_IFTable", .title = "IF Table", .sections = kIfTable},
    {.argument = "MIB_IFCounters", .title = "IF Counters", .sections = kIfCounters},
    {.argument = "MIB_IPCounters", .title = "IP Counters", .sections = kIp},
    {.argument = "MIB_IPRouting", .title = "IP Routing", .sections = kIpRoute},
    {.argument = "MIB_IPAddress", .title = "IP Address Table", .sections = kIpAddr},
    {.argument = "MIB_ICMPCounters", .title = "ICMP Counters", .sections = kIcmp},
    {.argument = "MIB_UDPCounters", .title = "UDP Counters", .sections = kUdp},
    {.argument = "MIB_SNMPCounters", .title = "SNMP Counters", .sections = kSnmp},
    {.argument = "IFMib_LastChangeTable", .title = "IF-MIB General Table", .sections = kIfX},
    {.argument = "EthernetLike_dot3StatsTable", .title = "dot3 Statistics", .sections = kDot3},
    {.argument = "Rmon_Statistics", .title = "RMON Statistics", .sections = kRmonStats},
    {.argument = "Rmon_History", .title = "RMON History", .sections = kRmonHistory},
    {.argument = "Rmon_AlarmEvent", .title = "RMON Alarm/Event", .sections = kRmonAlarmEvent},
    {.argument = "Bridge_Forwarding", .title = "Forwarding Table", .sections = kFdb},
    {.argument = "Bridge_TpPortInfo", .title = "Bridge Port Counters", .sections = kTpPort},
    {.argument = "Layer3_RIP", .title = "CIDR Routes", .sections = kCidr},
    {.argument = "Layer3_RIP2", .title = "RIP2", .sections = kRip2},
    {.argument = "Layer3_OSPF", .title = "OSPF General", .sections = kOspf},
    {.argument = "Layer3_Area", .title = "OSPF Area Info", .sections = kArea},
    {.argument = "Layer3_Lsdb", .title = "OSPF Lsdb Info", .sections = kLsdb},
    {.argument = "Layer3_Neighbor", .title = "OSPF Neighbor Info", .sections = kNbr},
    {.argument = "Layer3_Interface", .title = "OSPF Interface Table", .sections = kOspfIf},
    {.argument = "Layer3_IPM", .title = "IP Multicast Routes", .sections = kIpm},
    {.argument = "Layer3_DVMRP", .title = "DVMRP", .sections = kDvmrp},
};

}  // namespace

const QStringList& CompanionViews::programNames()
{
    static const QStringList names = {"MIB", "IFMib", "EthernetLike", "Rmon", "Bridge", "Layer3"};
    return names;
}

std::span<const CompanionView> CompanionViews::all()
{
    return kViews;
}

const CompanionView* CompanionViews::find(const QString& argument)
{
    const QString name = argument.startsWith(QLatin1String("/T")) ? argument.mid(2) : argument;
    for (const CompanionView& view : kViews) {
        if (name == QLatin1String(view.argument))
            return &view;
    }
    return nullptr;
}

QStringList CompanionViews::argumentsOf(const QString& program)
{
    QStringList list;
    for (const CompanionView& view : kViews) {
        if (programOf(view) == program)
            list << QStringLiteral("/T") + QLatin1String(view.argument);
    }
    return list;
}

QString CompanionViews::programOf(const CompanionView& view)
{
    return QString::fromLatin1(view.argument).section(QLatin1Char('_'), 0, 0);
}
