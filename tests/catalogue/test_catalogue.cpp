// The view catalogue against its references: the view list (openers, kinds,
// index counts, first identifiers, labels), the tables written out in full, and
// the standard MIB modules (identifiers and the syntax codes of their types).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/catalogue/CatalogueReference.h"
#include "catalogue/NvCatalogueTables.h"
#include "snmp/NvOptionList.h"
#include "catalogue/NvViewCatalogue.h"

namespace {

int rowCount(const NvSNMPVarDescriptor* table)
{
    int n = 0;
    while (table[n].oid)
        ++n;
    return n;
}

bool isPrivate(const std::string& oid)
{
    return oid.rfind("1.3.6.1.4.1.497.", 0) == 0;
}

}  // namespace

TEST(ViewCatalogue, MatchesTheViewList)
{
    const std::vector<ViewReference> views = loadViews();
    ASSERT_EQ(views.size(), size_t(NvViewCatalogue::TableCount));
    int rows = 0;
    for (const ViewReference& v : views) {
        SCOPED_TRACE("table " + std::to_string(v.number) + " " + v.opener);
        const NvViewTable* t = NvViewCatalogue::byNumber(v.number);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->opener, v.opener);
        EXPECT_EQ(int(t->listKind), v.listKind);
        // The group forwarding view keeps both of its index columns (VLAN, group address).
        EXPECT_EQ(t->indexCount, v.number == 67 ? 2 : v.indexCount);
        ASSERT_EQ(rowCount(t->table), v.rows);
        EXPECT_EQ(t->rowCount, v.rows);
        EXPECT_EQ(t->table[0].oid, v.firstOid);
        for (int i = 0; i < v.rows; ++i) {
            EXPECT_EQ(t->table[i].label, v.labels[size_t(i)]) << "row " << i + 1;
            EXPECT_EQ(t->table[i].getExpression, nullptr);
            EXPECT_EQ(t->table[i].setExpression, nullptr);
            EXPECT_EQ(t->table[i].extraText, nullptr);
            EXPECT_EQ(t->table[i].value, nullptr);
            EXPECT_EQ(t->table[i].lastOid, nullptr);
        }
        rows += v.rows;
    }
    EXPECT_EQ(rows, 1113);
}

TEST(ViewCatalogue, RowsAreWellFormed)
{
    static const std::set<uint32_t> syntaxes = {2, 3, 4, 6, 64, 65, 66, 67, 70, 71, 73, 76};
    static const std::set<int32_t> accesses = {1, 2, 6, 65};
    for (const NvViewTable& t : NvViewCatalogue()) {
        SCOPED_TRACE("table " + std::to_string(t.number) + " " + t.opener);
        const bool table = t.listKind == 2 || t.listKind == 3;
        if (table) {
            EXPECT_GE(t.indexCount, 1);
            EXPECT_LE(t.indexCount, 4);
        }
        for (int i = 0; i < t.rowCount; ++i) {
            const NvSNMPVarDescriptor& d = t.table[i];
            EXPECT_TRUE(syntaxes.count(d.syntax)) << d.label;
            EXPECT_TRUE(accesses.count(d.access)) << d.label;
            // An index flag belongs to the leading index columns; implied only on the last one.
            if (d.access & 1) {
                EXPECT_LT(i, std::max(t.indexCount, 1)) << d.label;
            }
            if (d.access == 65) {
                EXPECT_EQ(i, t.indexCount - 1) << d.label;
            }
            const std::string oid = d.oid;
            if (oid != " ") {
                EXPECT_EQ(oid.find_first_not_of("0123456789."), std::string::npos) << d.label;
            }
        }
    }
}

// Rows as the tables are written out; options as value=label pairs in their order.
struct WrittenRow {
    const NvSNMPVarDescriptor* table;
    int row;  // from 1
    const char* oid;
    const char* label;
    uint32_t syntax;
    int32_t access;
    const char* options;
};

TEST(ViewCatalogue, WrittenOutTablesFieldByField)
{
    const char* rs = "1=active|4=createAndGo|6=destroy";
    const char* de = "2=disabled|3=enabled";
    const WrittenRow rows[] = {
        {UnitTableVars, 1, "1.3.6.1.4.1.497.12.11.1.9.4.1.1", "Id", 2, 1, ""},
        {UnitTableVars, 2, "1.3.6.1.4.1.497.12.11.1.9.4.1.2", "Status", 2, 2, "1=exist|0=not-exist"},
        {UnitTableVars, 6, "1.3.6.1.4.1.497.12.11.1.9.4.1.6", "Front Panel Led Status", 4, 2, ""},
        {UnitTableVars, 7, "1.3.6.1.4.1.497.12.11.1.9.4.1.8", "Current Mode", 2, 2, "3=stand-alone|4=master|5=slave"},
        {UnitTableVars, 13, "1.3.6.1.4.1.497.12.11.1.9.4.1.14", "Priority", 2, 6, ""},
        {MainUnitTableVars, 10, "1.3.6.1.4.1.497.12.11.1.9.4.1.6", "swUnitMgmtFrontPanelLedStatus", 4, 2, ""},
        {SubUnitVars, 2, "1.3.6.1.4.1.497.11.59.7.2.1.1.3.1.3", "Module Name", 76, 2, ""},
        {RmonStateVars, 1, "1.3.6.1.4.1.497.11.59.7.2.1.2.3", "Rmon State", 2, 6, de},
        {Layer2GlobalSwitchVars, 3, "1.3.6.1.4.1.497.11.59.7.2.1.2.4", "Clean All Statistic Counter", 2, 6, "1=normal|2=active"},
        {Layer2GlobalSwitchVars, 8, "1.3.6.1.4.1.497.11.59.7.2.1.2.14.1", "Telnet State", 2, 6, de},
        {Layer2GlobalSwitchVars, 9, "1.3.6.1.4.1.497.11.59.7.2.1.2.14.2", "Telnet TCP Port", 2, 6, ""},
        {StpControlVars, 1, "1.3.6.1.4.1.497.12.15.1.2", "STP Version", 2, 6, "0=stp|1=rstp|2=mstp"},
        {StpControlVars, 2, "1.3.6.1.4.1.497.12.15.1.3", "Max Age[600-4000]", 2, 6, ""},
        {StpControlVars, 7, "1.3.6.1.4.1.497.12.15.1.8", "Forwarding BPDU", 2, 6, de},
        {SysLogHostVars, 1, "1.3.6.1.4.1.497.12.12.2.1.1", "Index", 2, 1, ""},
        {SysLogHostVars, 3, "1.3.6.1.4.1.497.12.12.2.1.3", "Facility", 2, 6,
         "0=local0|1=local1|2=local2|3=local3|4=local4|5=local5|6=local6|7=local7"},
        {SysLogHostVars, 4, "1.3.6.1.4.1.497.12.12.2.1.4", "Severity", 2, 6, "1=all|2=warning|3=informational"},
        {SysLogHostVars, 7, "1.3.6.1.4.1.497.12.12.2.1.7", "Row Status", 2, 6, rs},
        {PortControlVars, 1, "1.3.6.1.4.1.497.11.59.7.2.3.2.1.1", "Index", 2, 2, ""},
        {PortControlVars, 4, "1.3.6.1.4.1.497.11.59.7.2.3.2.1.4", "Nway State", 2, 6,
         "1=other|2=nway-enabled|3=nway-disabled-10Mbps-Half|4=nway-disabled-10Mbps-Full|"
         "5=nway-disabled-100Mbps-Half|6=nway-disabled-100Mbps-Full|7=nway-disabled-1Gigabps-Half|"
         "8=nway-disabled-1Gigabps-Full|9=nway-disabled-1Gigabps-Full-master|10=nway-disabled-1Gigabps-Full-slave"},
        {PortControlVars, 7, "1.3.6.1.4.1.497.11.59.7.2.3.2.1.7", "MAC Notify State", 2, 6, de},
        {TargetAddrVars, 1, "1.3.6.1.6.3.12.1.2.1.1", "Name", 76, 65, ""},
        {TargetAddrVars, 2, "1.3.6.1.6.3.12.1.2.1.2", "Target Domain", 6, 6, ""},
        {TargetAddrVars, 3, "1.3.6.1.6.3.12.1.2.1.3", "Target Address", 3, 6, ""},
        {TargetAddrVars, 6, "1.3.6.1.6.3.12.1.2.1.6", "Tag List", 76, 6, ""},
        {TargetAddrVars, 8, "1.3.6.1.6.3.12.1.2.1.8", "Storage Type", 2, 6,
         "1=other|2=volatile|3=nonVolatile|4=permanent|5=readOnly"},
        {TargetAddrVars, 9, "1.3.6.1.6.3.12.1.2.1.9", "Row Status", 2, 6, rs},
        {PimRpSetVars, 1, "1.3.6.1.3.61.1.1.6.1.6", "Component", 2, 1, ""},
        {PimRpSetVars, 4, "1.3.6.1.3.61.1.1.6.1.3", "Address", 64, 1, ""},
        {PimRpSetVars, 6, "1.3.6.1.3.61.1.1.6.1.5", "Expiry Time", 67, 2, ""},
        {PimIpMRouteVars, 1, " ", "Group", 64, 1, ""},
        {PimIpMRouteVars, 3, " ", "Source Mask", 64, 1, ""},
        {UsmUserVars, 1, "1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", 4, 1, ""},
        {UsmUserVars, 2, "1.3.6.1.6.3.15.1.2.2.1.2", "User Name", 76, 1, ""},
        {UsmUserVars, 4, "1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", 6, 6,
         "1.3.6.1.6.3.10.1.1.1=None|1.3.6.1.6.3.10.1.1.2=MD5|1.3.6.1.6.3.10.1.1.3=SHA"},
        {UsmUserVars, 5, "1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", 6, 6,
         "1.3.6.1.6.3.10.1.2.1=None|1.3.6.1.6.3.10.1.2.2=DES"},
        {UsmUserVars, 6, "1.3.6.1.6.3.15.1.2.2.1.13", "Status", 2, 6, rs},
        {EthernetMaskVars, 1, "1.3.6.1.4.1.497.12.9.2.1.1.1", "Ethernet MASK ID ", 2, 2, ""},
        {EthernetMaskVars, 3, "1.3.6.1.4.1.497.12.9.2.1.1.3", "MAC Address Mask State", 2, 6,
         "1=other|2=dst-mac-addr|3=src-mac-addr|4=dst-src-mac-addr"},
        {EthernetMaskVars, 4, "1.3.6.1.4.1.497.12.9.2.1.1.4", "MAC Address Mask Source", 73, 6, ""},
        {IpMaskVars, 12, "1.3.6.1.4.1.497.12.9.2.2.1.12", "TCP or UDP Srouce Port Mask", 4, 6, ""},
        {CpuEthernetMaskVars, 1, "1.3.6.1.4.1.497.12.9.4.1.1.1", "Profile ID", 2, 1, ""},
        {Ipv6MaskVars, 4, "1.3.6.1.4.1.497.12.9.2.4.1.4", "State", 2, 6,
         "1=other|2=dst-ipv6-addr|3=src-ipv6-addr|4=dst-src-ipv6-addr"},
        {IpRuleVars, 7, "1.3.6.1.4.1.497.12.9.3.2.1.7", "Rule Protocol", 2, 2,
         "1=none|2=icmp|3=igmp|4=tcp|5=udp|6=protocolId"},
        {IpRuleVars, 21, "1.3.6.1.4.1.497.12.9.3.2.1.21", "Port", 3, 6, ""},
        {EthernetRuleVars, 13, "1.3.6.1.4.1.497.12.9.3.1.1.13", "Permit Rule", 2, 6, "1=deny|2=permit|3=mirror"},
        {CpuEthernetRuleVars, 7, "1.3.6.1.4.1.497.12.9.5.1.1.7", "Ethernet Type Rule", 76, 6, ""},
        {CpuIpRuleVars, 5, "1.3.6.1.4.1.497.12.9.5.2.1.5", "Dst IP Aaddress", 64, 6, ""},
        {CpuIpRuleVars, 15, "1.3.6.1.4.1.497.12.9.5.2.1.15", "Permit", 2, 6, "1=deny|2=permit"},
        {VlanStaticVars, 1, "1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", 66, 1, ""},
        {VlanStaticVars, 3, "1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", 3, 6, ""},
        {VlanStaticVars, 6, "1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", 2, 6, "1=Active|4=CreateAndGo|6=Destroy"},
        {NextFreeVlanIndexVars, 1, "1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", 2, 2,
         "1=independent|2=shared"},
        {VlanCurrentVars, 1, "1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN Time Mark", 67, 1, ""},
        {VlanCurrentVars, 4, "1.3.6.1.2.1.17.7.1.4.2.1.4", "Current Egress Ports", 4, 2, ""},
        {VlanPortVars, 3, "1.3.6.1.2.1.17.7.1.4.5.1.2", "Acceptable Frame Types", 2, 6,
         "1=admitAll|2=admitOnlyVLANTagged"},
        {ProtocolVlanVars, 3, "1.3.6.1.4.1.497.12.16.1.1.1.3", "Protocol Type", 2, 6,
         "1=dot1q-VLAN|2=protocol-ip|3=protocol-ipx803dot3|4=protocol-ipx802dot2|5=protocol-ipxSnap|"
         "6=protocol-ipxEthernet2|7=protocol-appleTalk|8=protocol-decLat|9=protocol-dexOther|"
         "10=protocol-sna802dot2|11=protocol-snaEthernet2|12=protocol-netBios|13=protocol-xns|"
         "14=protocol-vines|15=protocol-ipV6|16=protocol-userDefined|17=protocol-rarp"},
        {ProtocolVlanVars, 6, "1.3.6.1.4.1.497.12.16.1.1.1.6", "Encap Type", 2, 6, "1=ethernet|2=llc|3=snap|4=all"},
        {PortTrunkVars, 7, "1.3.6.1.4.1.497.11.59.7.2.9.3.1.7", "Trunk State", 2, 6,
         "1=enable|2=disable|4=createAndGo|5=createAndWait|6=destroy"},
        {PortMirrorVars, 2, "1.3.6.1.4.1.497.11.59.7.2.10.2", "Port Source Ingress", 4, 6, ""},
        {TrafficSegmentationVars, 1, "1.3.6.1.4.1.497.11.59.7.2.14.1.1.1", "Port", 2, 2, ""},
        {AggregatorPortVars, 20, "1.3.6.1.4.1.497.12.4.1.2.1.1.20", "Actor Admin State", 3, 2, ""},
        {AggregatorPortVars, 24, "1.3.6.1.4.1.497.12.4.1.2.1.1.24", "Aggregate Or Individual", 2, 2, "1=true|2=false"},
        {SummerTimeStatusVars, 1, "1.3.6.1.4.1.497.12.10.12.1", "swSummerTimeStatus", 2, 6,
         "0=disable|1=repeating|2=annual"},
        {SummerTimeAnnualVars, 2, "1.3.6.1.4.1.497.12.10.12.6", "swAnnualSummerTimeEnd", 4, 6, ""},
        {LoginMethodListVars, 2, "1.3.6.1.4.1.497.12.5.3.1.2", "Method1 Type", 2, 6,
         "1=tacacs|2=xtacacs|3=tacacs-plus|4=radius|5=server-group|6=local|8=none|9=other"},
        {EnableMethodListVars, 6, "1.3.6.1.4.1.497.12.5.4.1.6", "Enable Method3Type", 2, 6,
         "1=tacacs|2=xtacacs|3=tacacs-plus|4=radius|5=server-group|7=local-enable|8=none|9=other"},
        {ServerInfoVars, 2, "1.3.6.1.4.1.497.12.5.10.1.2", "Server AuthProtocol", 2, 1,
         "1=tacacs|2=xtacacs|3=tacacs-plus|4=radius"},
        {AccServerCtrlVars, 4, "1.3.6.1.4.1.497.12.5.12.1.4", "Row State", 2, 6, "1=add|2=delete"},
        {CommunityVars, 1, "1.3.6.1.6.3.18.1.1.1.1", "Index", 76, 65, ""},
        {CommunityVars, 4, "1.3.6.1.6.3.18.1.1.1.8", "Status", 2, 6, rs},
        {StaticUnicastVars, 5, "1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", 2, 6, "2=invalid|3=permanent"},
        {StaticMulticastVars, 3, "1.3.6.1.2.1.17.7.1.3.2.1.2", "Receive Port", 2, 1, ""},
        {GarpVars, 1, "1.3.6.1.2.1.17.1.4.1.1", "Port Number", 2, 1, ""},
        {EquipmentBasicInfoVars, 1, "1.3.6.1.4.1.497.12.11.1.1", "Equipment Capacity", 3, 2, ""},
        {RouteRedistributionVars, 3, "1.3.6.1.4.1.497.11.59.7.3.5.1.3", "Type", 2, 6,
         "2=all|3=type-1|4=type-2|5=internal|6=external|7=inter+E1|8=inter+E2|9=extType1|10=extType2"},
        {RouteRedistributionVars, 5, "1.3.6.1.4.1.497.11.59.7.3.5.1.5", "Row Status", 2, 6,
         "1=active|2=notInService|3=notReady|4=createAndGo|5=createAndWait|6=destroy"},
        {BootpCtrlVars, 3, "1.3.6.1.4.1.497.11.59.7.3.3.1.4.1.3", "State", 2, 6, "2=invalid|3=valid"},
        {MemberSwitchVars, 1, "1.3.6.1.4.1.497.12.8.1.3.1.1", "Member ID", 2, 2, ""},
        {MemberSwitchEditVars, 1, "1.3.6.1.4.1.497.12.8.1.3.1.1", "Member ID", 2, 1, ""},
        {MemberSwitchEditVars, 4, "1.3.6.1.4.1.497.12.8.1.3.1.10", "Member Row Status", 2, 6, "4=createAndGo|6=destroy"},
        {DiagnosticsInfoVars, 2, "1.3.6.1.4.1.497.12.3.6.1.1.2", "Port Number", 71, 1, ""},
        {DiagnosticsInfoVars, 20, "1.3.6.1.4.1.497.12.3.6.3.1.18", "Backend Authentication Fails Times", 65, 2, ""},
        {MacStatisticVars, 13, "1.3.6.1.4.1.497.12.3.6.2.1.11", "Eapol Frame Version", 66, 2, ""},
        {MacStatisticVars, 14, "1.3.6.1.4.1.497.12.3.6.2.1.12", "Last Eapol Frame Source", 73, 2, ""},
    };
    for (const WrittenRow& w : rows) {
        const NvSNMPVarDescriptor& d = w.table[w.row - 1];
        SCOPED_TRACE(std::string(w.label) + " (row " + std::to_string(w.row) + ")");
        EXPECT_STREQ(d.oid, w.oid);
        EXPECT_STREQ(d.label, w.label);
        EXPECT_EQ(d.syntax, w.syntax);
        EXPECT_EQ(d.access, w.access);
        EXPECT_EQ(NvViewCatalogue::optionPairsText(d.options), w.options);
    }
}

// Syntax code of a standard object's type: its textual convention where that
// decides the code, otherwise its base type.
static uint32_t syntaxOfType(const MibFact& f)
{
    static const std::map<std::string, uint32_t> byConvention = {
        {"DisplayString", 76}, {"SnmpAdminString", 76}, {"SnmpTagList", 76}, {"SnmpTagValue", 76},
        {"PortList", 3}, {"MacAddress", 73},
    };
    static const std::map<std::string, uint32_t> byBase = {
        {"INTEGER", 2}, {"Integer32", 2}, {"OCTET STRING", 4}, {"BITS", 3}, {"IpAddress", 64},
        {"Counter32", 65}, {"Gauge32", 66}, {"Unsigned32", 66}, {"TimeTicks", 67}, {"Counter64", 70},
        {"OBJECT IDENTIFIER", 6},
    };
    auto c = byConvention.find(f.type);
    if (c != byConvention.end())
        return c->second;
    auto b = byBase.find(f.base);
    return b == byBase.end() ? 0 : b->second;
}

TEST(ViewCatalogue, StandardRowsFollowTheModules)
{
    // Rows whose syntax the written-out tables fix differently from the module's type.
    struct Written {
        const NvSNMPVarDescriptor* table;
        int row;
        uint32_t syntax;
    };
    const Written writtenDifferently[] = {
        {TargetAddrVars, 3, 3},                                          // TAddress
        {TpGroupVars, 3, 4}, {TpGroupVars, 4, 4},                        // PortList as octets
        {ForwardUnregisteredVars, 2, 4}, {ForwardUnregisteredVars, 3, 4}, {ForwardUnregisteredVars, 4, 4},
        {VlanCurrentVars, 4, 4}, {VlanCurrentVars, 5, 4},
        {StaticMulticastVars, 1, 2}, {StaticUnicastVars, 1, 2},          // Unsigned32 as integer
        {CommunityVars, 2, 76},                                          // OCTET STRING as text
    };
    const std::map<std::string, MibFact> facts = loadFactsByOid();
    ASSERT_FALSE(facts.empty());
    int checked = 0;
    for (const NvViewTable& t : NvViewCatalogue()) {
        for (int i = 0; i < t.rowCount; ++i) {
            const NvSNMPVarDescriptor& d = t.table[i];
            const std::string oid = d.oid;
            if (oid == " " || isPrivate(oid))
                continue;
            SCOPED_TRACE("table " + std::to_string(t.number) + " row " + std::to_string(i + 1) + " " + d.label);
            auto f = facts.find(oid);
            ASSERT_NE(f, facts.end()) << oid << " is no object of the standard modules";
            uint32_t expected = syntaxOfType(f->second);
            for (const Written& w : writtenDifferently) {
                if (w.table == t.table && w.row == i + 1)
                    expected = w.syntax;
            }
            EXPECT_EQ(d.syntax, expected) << f->second.name << " " << f->second.type;
            // Integer options name values of the module's enumeration (labels compare without case).
            if (d.options && d.options->valueKind() == NvOptionList::IntegerValues && !f->second.enumeration.empty()) {
                for (int k = 0; k < d.options->count(); ++k) {
                    const auto& item = d.options->item(k);
                    std::string pair = std::to_string(item.intValue) + "=" + item.label;
                    std::string haystack = "|" + f->second.enumeration + "|";
                    auto lower = [](std::string s) {
                        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
                        return s;
                    };
                    EXPECT_NE(lower(haystack).find(lower("|" + pair + "|")), std::string::npos)
                        << pair << " not in " << f->second.enumeration;
                }
            }
            ++checked;
        }
    }
    std::printf("standard rows checked against the modules: %d\n", checked);
}

TEST(ViewCatalogue, OptionListsAreSharedPerSet)
{
    std::map<std::string, const NvOptionList*> bySet;
    int rowsWithOptions = 0;
    for (const NvViewTable& t : NvViewCatalogue()) {
        for (int i = 0; i < t.rowCount; ++i) {
            const NvOptionList* o = t.table[i].options;
            if (!o)
                continue;
            ++rowsWithOptions;
            EXPECT_GT(o->count(), 0);
            EXPECT_FALSE(o->caseSensitive());
            const std::string key = std::to_string(o->valueKind()) + ":" + NvViewCatalogue::optionPairsText(o);
            auto [it, inserted] = bySet.emplace(key, o);
            EXPECT_EQ(it->second, o) << "two option list objects hold " << key;
        }
    }
    // The SNMPv3 protocol lists map identifiers to names; all others have integer values.
    EXPECT_EQ(UsmUserVars[3].options->valueKind(), NvOptionList::TextValues);
    EXPECT_EQ(UsmUserVars[3].options->valueOfLabel("md5"), "1.3.6.1.6.3.10.1.1.2");
    EXPECT_EQ(UsmUserVars[4].options->labelOfValue("1.3.6.1.6.3.10.1.2.2"), "DES");
    std::printf("option lists: %zu distinct sets over %d rows (reference: 114 sets, 305 rows)\n",
                bySet.size(), rowsWithOptions);
}

TEST(ViewCatalogue, LookupByNumberNameAndOpener)
{
    struct Case {
        const char* opener;
        const char* name;
        int number;
    };
    const Case cases[] = {
        {"IfX Table", "IfXTableVars", 1},
        {"RMON Control", "RmonStateVars", 10},
        {"Port Configuration", "PortControlVars", 15},
        {"TPortTrunkForm", "PortTrunkVars", 16},
        {"Target Address Table", "TargetAddrVars", 96},
        {"TMSEditForm", "MemberSwitchEditVars", 177},
        {"TProtocolVlanForm", "ProtocolVlanVars", 181},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opener);
        const NvViewTable* byOpener = NvViewCatalogue::byOpener(c.opener);
        ASSERT_NE(byOpener, nullptr);
        EXPECT_EQ(byOpener->number, c.number);
        EXPECT_EQ(NvViewCatalogue::byName(c.name), byOpener);
        EXPECT_EQ(NvViewCatalogue::byNumber(c.number), byOpener);
    }
    EXPECT_EQ(NvViewCatalogue::byNumber(0), nullptr);
    EXPECT_EQ(NvViewCatalogue::byNumber(182), nullptr);
    EXPECT_EQ(NvViewCatalogue::byName("NoSuchVars"), nullptr);
    EXPECT_EQ(NvViewCatalogue::byOpener("Port"), nullptr);
    EXPECT_EQ(NvViewCatalogue::byOpener("main window")->number, 10);
}

TEST(ViewCatalogue, Distributions)
{
    // Reference distributions; the catalogue differs in one row: "Flags" of the PIM route
    // table is BITS in its module and so a bit string (3) here, where the reference
    // counts an integer (2).
    const std::map<uint32_t, int> syntaxReference = {
        {2, 619}, {76, 121}, {65, 115}, {4, 73}, {64, 66}, {73, 33}, {66, 29}, {3, 22}, {67, 18}, {70, 10}, {6, 4}, {71, 3}};
    const std::map<uint32_t, int> explained = {{2, -1}, {3, +1}};
    const std::map<int32_t, int> accessReference = {{6, 531}, {2, 431}, {1, 146}, {65, 5}};
    std::map<uint32_t, int> syntax;
    std::map<int32_t, int> access;
    for (const NvViewTable& t : NvViewCatalogue()) {
        for (int i = 0; i < t.rowCount; ++i) {
            ++syntax[t.table[i].syntax];
            ++access[t.table[i].access];
        }
    }
    std::printf("syntax  catalogue  reference\n");
    for (const auto& [code, n] : syntaxReference) {
        std::printf("%6u  %9d  %9d\n", code, syntax[code], n);
        const auto e = explained.find(code);
        EXPECT_EQ(syntax[code], n + (e == explained.end() ? 0 : e->second)) << "syntax " << code;
    }
    std::printf("access  catalogue  reference\n");
    for (const auto& [code, n] : accessReference) {
        std::printf("%6d  %9d  %9d\n", code, access[code], n);
        EXPECT_EQ(access[code], n) << "access " << code;
    }
    EXPECT_EQ(syntax.size(), syntaxReference.size());
    EXPECT_EQ(access.size(), accessReference.size());
}
