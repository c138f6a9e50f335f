#include "sim/StandardMibObjects.h"

#include "sim/SpecReader.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <set>

namespace {

// Format: see README.md. Objects the module's own views write (aging time,
// ifXTable's trap switch, promiscuous mode and alias) are writable. Rows of the history samples and the forwarding table
// are added by rowsText() below.
const char kObjects[] = R"TABLES(
# ---- interfaces ----
base 1.3.6.1.2.1.2.2.1
table ifTable index=int rows=ports
col +1 int ro def=%i
col +2 display ro def="Unit %u Port %p"
col +3 int ro def=6
col +4 int ro def=1500
col +5 gauge ro def=100000000
col +6 octets ro def=0x0080C8720000
col +7 int ro enum=1,2,3 def=1
col +8 int ro enum=1,2,3,4,5,6,7 def=1
col +9 ticks ro def=0
col +10 counter ro
col +11 counter ro
col +12 counter ro
col +13 counter ro
col +14 counter ro
col +15 counter ro
col +16 counter ro
col +17 counter ro
col +18 counter ro
col +19 counter ro
col +20 counter ro
col +21 gauge ro def=0
col +22 oid ro def=0.0
base 1.3.6.1.2.1.31.1.1.1
table ifXTable index=int rows=ports
col +1 display ro def="%u/%p"
col +2 counter ro
col +3 counter ro
col +4 counter ro
col +5 counter ro
col +6 counter64 ro
col +7 counter64 ro
col +8 counter64 ro
col +9 counter64 ro
col +10 counter64 ro
col +11 counter64 ro
col +12 counter64 ro
col +13 counter64 ro
col +14 int rw enum=1,2 def=1
col +15 gauge ro def=100
col +16 int rw enum=1,2 def=2
col +17 int ro enum=1,2 def=1
col +18 display rw len=0..64 def="port %p"
col +19 ticks ro def=0

# ---- IP, ICMP, UDP, SNMP ----
scalar 1.3.6.1.2.1.4.1 int ro def=2
scalar 1.3.6.1.2.1.4.2 int ro def=64
scalar 1.3.6.1.2.1.4.3 counter ro
scalar 1.3.6.1.2.1.4.4 counter ro
scalar 1.3.6.1.2.1.4.5 counter ro
scalar 1.3.6.1.2.1.4.6 counter ro
scalar 1.3.6.1.2.1.4.7 counter ro
scalar 1.3.6.1.2.1.4.8 counter ro
scalar 1.3.6.1.2.1.4.9 counter ro
scalar 1.3.6.1.2.1.4.10 counter ro
scalar 1.3.6.1.2.1.4.11 counter ro
scalar 1.3.6.1.2.1.4.12 counter ro
scalar 1.3.6.1.2.1.4.13 int ro def=60
scalar 1.3.6.1.2.1.4.14 counter ro
scalar 1.3.6.1.2.1.4.15 counter ro
scalar 1.3.6.1.2.1.4.16 counter ro
scalar 1.3.6.1.2.1.4.17 counter ro
scalar 1.3.6.1.2.1.4.18 counter ro
scalar 1.3.6.1.2.1.4.19 counter ro
scalar 1.3.6.1.2.1.4.23 counter ro
base 1.3.6.1.2.1.4.20.1
table ipAddrTable index=ip rows=10.90.90.90;127.0.0.1
col +1 ip ro
col +2 int ro def=1
col +3 ip ro def=255.0.0.0
col +4 int ro def=1
col +5 int ro def=65535
base 1.3.6.1.2.1.4.21.1
table ipRouteTable index=ip rows=0.0.0.0;10.0.0.0;127.0.0.0
col +1 ip ro
col +2 int ro def=1
col +3 int ro def=1
col +4 int ro def=-1
col +5 int ro def=-1
col +6 int ro def=-1
col +7 ip ro def=10.90.90.254
col +8 int ro enum=1,2,3,4 def=4
col +9 int ro def=3
col +10 int ro def=0
col +11 ip ro def=255.0.0.0
col +12 int ro def=-1
col +13 oid ro def=0.0
scalar 1.3.6.1.2.1.5.1 counter ro
scalar 1.3.6.1.2.1.5.2 counter ro
scalar 1.3.6.1.2.1.5.3 counter ro
scalar 1.3.6.1.2.1.5.4 counter ro
scalar 1.3.6.1.2.1.5.5 counter ro
scalar 1.3.6.1.2.1.5.6 counter ro
scalar 1.3.6.1.2.1.5.7 counter ro
scalar 1.3.6.1.2.1.5.8 counter ro
scalar 1.3.6.1.2.1.5.9 counter ro
scalar 1.3.6.1.2.1.5.10 counter ro
scalar 1.3.6.1.2.1.5.11 counter ro
scalar 1.3.6.1.2.1.5.12 counter ro
scalar 1.3.6.1.2.1.5.13 counter ro
scalar 1.3.6.1.2.1.5.14 counter ro
scalar 1.3.6.1.2.1.5.15 counter ro
scalar 1.3.6.1.2.1.5.16 counter ro
scalar 1.3.6.1.2.1.5.17 counter ro
scalar 1.3.6.1.2.1.5.18 counter ro
scalar 1.3.6.1.2.1.5.19 counter ro
scalar 1.3.6.1.2.1.5.20 counter ro
scalar 1.3.6.1.2.1.5.21 counter ro
scalar 1.3.6.1.2.1.5.22 counter ro
scalar 1.3.6.1.2.1.5.23 counter ro
scalar 1.3.6.1.2.1.5.24 counter ro
scalar 1.3.6.1.2.1.5.25 counter ro
scalar 1.3.6.1.2.1.5.26 counter ro
scalar 1.3.6.1.2.1.7.1 counter ro
scalar 1.3.6.1.2.1.7.2 counter ro
scalar 1.3.6.1.2.1.7.3 counter ro
scalar 1.3.6.1.2.1.7.4 counter ro
base 1.3.6.1.2.1.7.5.1
table udpTable index=ip,int rows=0.0.0.0,161;0.0.0.0,162;10.90.90.90,69
col +1 ip ro
col +2 int ro
scalar 1.3.6.1.2.1.11.1 counter ro
scalar 1.3.6.1.2.1.11.2 counter ro
scalar 1.3.6.1.2.1.11.3 counter ro
scalar 1.3.6.1.2.1.11.4 counter ro
scalar 1.3.6.1.2.1.11.5 counter ro
scalar 1.3.6.1.2.1.11.6 counter ro
scalar 1.3.6.1.2.1.11.8 counter ro
scalar 1.3.6.1.2.1.11.9 counter ro
scalar 1.3.6.1.2.1.11.10 counter ro
scalar 1.3.6.1.2.1.11.11 counter ro
scalar 1.3.6.1.2.1.11.12 counter ro
scalar 1.3.6.1.2.1.11.13 counter ro
scalar 1.3.6.1.2.1.11.14 counter ro
scalar 1.3.6.1.2.1.11.15 counter ro
scalar 1.3.6.1.2.1.11.16 counter ro
scalar 1.3.6.1.2.1.11.17 counter ro
scalar 1.3.6.1.2.1.11.18 counter ro
scalar 1.3.6.1.2.1.11.19 counter ro
scalar 1.3.6.1.2.1.11.20 counter ro
scalar 1.3.6.1.2.1.11.21 counter ro
scalar 1.3.6.1.2.1.11.22 counter ro
scalar 1.3.6.1.2.1.11.24 counter ro
scalar 1.3.6.1.2.1.11.25 counter ro
scalar 1.3.6.1.2.1.11.26 counter ro
scalar 1.3.6.1.2.1.11.27 counter ro
scalar 1.3.6.1.2.1.11.28 counter ro
scalar 1.3.6.1.2.1.11.29 counter ro
scalar 1.3.6.1.2.1.11.30 int rw enum=1,2 def=2
scalar 1.3.6.1.2.1.11.31 counter ro
scalar 1.3.6.1.2.1.11.32 counter ro

# ---- Ethernet statistics ----
base 1.3.6.1.2.1.10.7.2.1
table dot3StatsTable index=int rows=ports
col +1 int ro def=%i
col +2 counter ro
col +3 counter ro
col +4 counter ro
col +5 counter ro
col +6 counter ro
col +7 counter ro
col +8 counter ro
col +9 counter ro
col +10 counter ro
col +11 counter ro
col +13 counter ro
col +16 counter ro
col +18 counter ro
col +19 int ro enum=1,2,3 def=3

# ---- RMON ----
base 1.3.6.1.2.1.16.1.1.1
table etherStatsTable index=int rows=ports
col +1 int ro def=%i
col +2 oid ro def=1.3.6.1.2.1.2.2.1.1.%i
col +3 counter ro
col +4 counter ro
col +5 counter ro
col +6 counter ro
col +7 counter ro
col +8 counter ro
col +9 counter ro
col +10 counter ro
col +11 counter ro
col +12 counter ro
col +13 counter ro
col +14 counter ro
col +15 counter ro
col +16 counter ro
col +17 counter ro
col +18 counter ro
col +19 counter ro
col +20 display ro def=monitor
col +21 int ro enum=1,2,3,4 def=1
base 1.3.6.1.2.1.16.2.1.1
table historyControlTable index=int rows=1;2
col +1 int ro def=%i
col +2 oid ro def=1.3.6.1.2.1.2.2.1.1.%i
col +3 int ro def=50
col +4 int ro def=24
col +5 int ro def=1800
col +6 display ro def=monitor
col +7 int ro enum=1,2,3,4 def=1
base 1.3.6.1.2.1.16.3.1.1
table alarmTable index=int rows=1;2
col +1 int ro def=%i
col +2 int ro def=30
col +3 oid ro def=1.3.6.1.2.1.16.1.1.1.5.%i
col +4 int ro enum=1,2 def=2
col +5 int ro def=1234
col +6 int ro enum=1,2,3 def=3
col +7 int ro def=10000
col +8 int ro def=100
col +9 int ro def=1
col +10 int ro def=2
col +11 display ro def=monitor
col +12 int ro enum=1,2,3,4 def=1
base 1.3.6.1.2.1.16.9.1.1
table eventTable index=int rows=1;2
col +1 int ro def=%i
col +2 display ro def="Packet rate alarm %i"
col +3 int ro enum=1,2,3,4 def=4
col +4 display ro def=quorel
col +5 ticks ro def=0
col +6 display ro def=monitor
col +7 int ro enum=1,2,3,4 def=1

# ---- bridge ----
scalar 1.3.6.1.2.1.17.1.1 mac ro def=00:80:c8:72:00:01
scalar 1.3.6.1.2.1.17.1.2 int ro def=26
scalar 1.3.6.1.2.1.17.1.3 int ro enum=1,2,3,4 def=2
scalar 1.3.6.1.2.1.17.4.1 counter ro
scalar 1.3.6.1.2.1.17.4.2 int rw range=10..1000000 def=300
base 1.3.6.1.2.1.17.4.4.1
table dot1dTpPortTable index=int rows=ports
col +1 int ro def=%i
col +2 int ro def=1518
col +3 counter ro
col +4 counter ro
col +5 counter ro

# ---- routing ----
base 1.3.6.1.2.1.4.24.4.1
table ipCidrRouteTable index=ip,ip,int,ip rows=0.0.0.0,0.0.0.0,0,10.90.90.254;10.90.90.0,255.255.255.0,0,0.0.0.0;192.168.5.0,255.255.255.0,0,10.90.90.7
col +1 ip ro
col +2 ip ro
col +3 int ro
col +4 ip ro
col +5 int ro def=1
col +6 int ro enum=1,2,3,4 def=4
col +7 int ro def=8
col +8 int ro def=120
col +9 oid ro def=0.0
col +10 int ro def=0
col +11 int ro def=2
col +12 int ro def=-1
col +13 int ro def=-1
col +14 int ro def=-1
col +15 int ro def=-1
col +16 int ro enum=1,2,3,4,5,6 def=1
scalar 1.3.6.1.2.1.23.1.1 counter ro
scalar 1.3.6.1.2.1.23.1.2 counter ro
base 1.3.6.1.2.1.23.2.1
table rip2IfStatTable index=ip rows=10.90.90.90;10.1.1.1
col +1 ip ro
col +2 counter ro
col +3 counter ro
col +4 counter ro
col +5 int ro enum=1,2 def=1
base 1.3.6.1.2.1.23.3.1
table rip2IfConfTable index=ip rows=10.90.90.90;10.1.1.1
col +1 ip ro
col +2 octets ro def=0x0000
col +3 int ro enum=1,2,3 def=1
col +4 octets ro def=0x
col +5 int ro enum=1,2,3,4,5,6 def=4
col +6 int ro enum=1,2,3,4 def=3
col +7 int ro def=1
col +8 int ro enum=1,2 def=1
col +9 ip ro def=10.90.90.90
scalar 1.3.6.1.2.1.14.1.1 ip ro def=10.90.90.90
scalar 1.3.6.1.2.1.14.1.2 int ro enum=1,2 def=1
scalar 1.3.6.1.2.1.14.1.3 int ro def=2
scalar 1.3.6.1.2.1.14.1.4 int ro enum=1,2 def=2
scalar 1.3.6.1.2.1.14.1.5 int ro enum=1,2 def=2
scalar 1.3.6.1.2.1.14.1.6 gauge ro def=3
scalar 1.3.6.1.2.1.14.1.7 int ro def=48213
scalar 1.3.6.1.2.1.14.1.8 int ro enum=1,2 def=2
scalar 1.3.6.1.2.1.14.1.9 counter ro
scalar 1.3.6.1.2.1.14.1.10 counter ro
scalar 1.3.6.1.2.1.14.1.11 int ro def=-1
scalar 1.3.6.1.2.1.14.1.12 int ro def=0
scalar 1.3.6.1.2.1.14.1.13 int ro def=0
scalar 1.3.6.1.2.1.14.1.14 int ro enum=1,2 def=2
base 1.3.6.1.2.1.14.2.1
table ospfAreaTable index=ip rows=0.0.0.0;0.0.0.1
col +1 ip ro
col +2 int ro def=0
col +3 int ro enum=1,2,3 def=1
col +4 counter ro
col +5 gauge ro def=1
col +6 gauge ro def=0
col +7 gauge ro def=6
col +8 int ro def=193482
col +9 int ro enum=1,2 def=2
col +10 int ro enum=1,2,3,4,5,6 def=1
col +11 int ro enum=1,2 def=2
col +12 int ro enum=1,2,3 def=3
col +13 gauge ro def=40
col +14 counter ro
base 1.3.6.1.2.1.14.4.1
table ospfLsdbTable index=ip,int,ip,ip rows=0.0.0.0,1,10.90.90.90,10.90.90.90;0.0.0.0,1,10.90.90.7,10.90.90.7;0.0.0.0,2,10.90.90.90,10.90.90.90;0.0.0.1,3,192.168.5.0,10.90.90.7
col +1 ip ro
col +2 int ro
col +3 ip ro
col +4 ip ro
col +5 int ro def=-2147483600
col +6 int ro def=300
col +7 int ro def=4660
col +8 octets ro def=0x0001020304050607
base 1.3.6.1.2.1.14.7.1
table ospfIfTable index=ip,int rows=10.90.90.90,0;10.1.1.1,0
col +1 ip ro
col +2 int ro
col +3 ip ro def=0.0.0.0
col +4 int ro enum=1,2,3,5 def=1
col +5 int ro enum=1,2 def=1
col +6 int ro def=1
col +7 int ro def=1
col +8 int ro def=5
col +9 int ro def=10
col +10 int ro def=40
col +11 int ro def=120
col +12 int ro enum=1,2,3,4,5,6,7 def=4
col +13 ip ro def=10.90.90.90
col +14 ip ro def=10.90.90.7
col +15 counter ro
col +16 octets ro def=0x
col +17 int ro enum=1,2,3,4,5,6 def=1
col +18 int ro enum=1,2,3 def=1
col +19 int ro enum=1,2 def=2
col +20 int ro def=0
col +21 gauge ro def=4
col +22 gauge ro def=88412
col +23 ip ro def=10.90.90.90
col +24 ip ro def=10.90.90.7
base 1.3.6.1.2.1.14.10.1
table ospfNbrTable index=ip,int rows=10.90.90.7,0;10.90.90.8,0
col +1 ip ro
col +2 int ro
col +3 ip ro def=10.90.90.7
col +4 int ro def=2
col +5 int ro def=1
col +6 int ro enum=1,2,3,4,5,6,7,8 def=8
col +7 counter ro
col +8 gauge ro def=0
col +9 int ro enum=1,2,3,4,5,6 def=1
col +10 int ro enum=1,2 def=2
col +11 int ro enum=1,2 def=2
col +12 int ro enum=1,2 def=1
col +13 gauge ro def=0
col +14 int ro enum=1,2,3,4,5 def=1

# ---- multicast routing ----
scalar 1.3.6.1.2.1.83.1.1.1 int ro enum=1,2 def=1
scalar 1.3.6.1.2.1.83.1.1.7 gauge ro def=2
base 1.3.6.1.2.1.83.1.1.2.1
table ipMRouteTable index=ip,ip,ip rows=239.1.1.1,10.1.1.5,255.255.255.255;239.1.1.2,10.1.1.6,255.255.255.255
col +4 ip ro def=10.1.1.2
col +5 int ro def=1
col +6 ticks ro def=360000
col +7 ticks ro def=18000
col +8 counter ro
col +9 counter ro
col +10 counter ro
col +11 int ro def=4
col +12 int ro def=5
col +13 ip ro def=10.1.1.0
col +14 ip ro def=255.255.255.0
col +15 int ro enum=1,2 def=1
col +16 counter64 ro
base 1.3.6.1.2.1.83.1.1.3.1
table ipMRouteNextHopTable index=ip,ip,ip,int,ip rows=239.1.1.1,10.1.1.5,255.255.255.255,2,10.2.2.9;239.1.1.2,10.1.1.6,255.255.255.255,3,10.3.3.9
col +6 int ro enum=1,2 def=2
col +7 ticks ro def=360000
col +8 ticks ro def=18000
col +9 int ro def=1
col +10 int ro def=4
col +11 counter ro
scalar 1.3.6.1.3.62.1.1.1.1 display ro def="3.255"
scalar 1.3.6.1.3.62.1.1.1.2 int ro def=1181
scalar 1.3.6.1.3.62.1.1.1.3 gauge ro def=2
scalar 1.3.6.1.3.62.1.1.1.4 gauge ro def=2
base 1.3.6.1.3.62.1.1.2.1
table dvmrpInterfaceTable index=int rows=1;2
col +2 ip ro def=10.1.1.%i
col +3 int ro def=1
col +4 int ro def=1
col +5 counter ro
col +6 counter ro
col +7 counter ro
base 1.3.6.1.3.62.1.1.3.1
table dvmrpNeighborTable index=int,ip rows=1,10.1.1.2;2,10.2.2.9
col +3 ticks ro def=720000
col +4 ticks ro def=3500
col +5 int ro def=4242
col +6 int ro def=3
col +7 int ro def=255
col +9 counter ro
col +10 counter ro
col +11 counter ro
col +12 int ro def=1
base 1.3.6.1.3.62.1.1.4.1
table dvmrpRouteTable index=ip,ip rows=10.2.0.0,255.255.0.0;10.3.0.0,255.255.0.0
col +3 ip ro def=10.1.1.2
col +4 int ro def=1
col +5 int ro def=2
col +6 ticks ro def=14000
col +7 ticks ro def=540000
)TABLES";

// History samples: two control entries of 24 buckets each; forwarding-table
// entries: 40 learned addresses spread over the first ports.
constexpr int kHistoryControls = 2;
constexpr int kHistorySamples = 24;
constexpr int kLearnedAddresses = 40;

std::string rowsText()
{
    std::string text = "base 1.3.6.1.2.1.16.2.2.1\ntable etherHistoryTable index=int,int rows=";
    for (int c = 1; c <= kHistoryControls; ++c)
        for (int s = 1; s <= kHistorySamples; ++s)
            text += std::to_string(c) + "," + std::to_string(s) + ";";
    text += "\ncol +1 int ro def=%i\ncol +2 int ro\ncol +3 ticks ro\n";
    for (int n = 4; n <= 14; ++n)
        text += "col +" + std::to_string(n) + " counter ro\n";
    text += "col +15 int ro\n";
    text += "base 1.3.6.1.2.1.17.4.3.1\ntable dot1dTpFdbTable index=mac rows=";
    char mac[32];
    for (int a = 1; a <= kLearnedAddresses; ++a) {
        std::snprintf(mac, sizeof mac, "00:1b:21:%02x:%02x:%02x;", a * 7 % 256, a * 13 % 256, a);
        text += mac;
    }
    text += "\ncol +1 mac ro\ncol +2 int ro\ncol +3 int ro enum=1,2,3,4,5 def=3\n";
    return text;
}

// A stable pseudo-random number for an identifier.
std::uint64_t hashOf(const Oid& oid)
{
    std::uint64_t h = 1469598103934665603ull;
    for (std::uint32_t sub : oid)
        h = (h ^ sub) * 1099511628211ull;
    return h ^ (h >> 29);
}

// Subtrees whose counters hold sizes in octets: they move faster than packets.
const Oid kOctetColumns[] = {
    {1, 3, 6, 1, 2, 1, 2, 2, 1, 10}, {1, 3, 6, 1, 2, 1, 2, 2, 1, 16}, {1, 3, 6, 1, 2, 1, 31, 1, 1, 1, 6},
    {1, 3, 6, 1, 2, 1, 31, 1, 1, 1, 10}, {1, 3, 6, 1, 2, 1, 16, 1, 1, 1, 4}, {1, 3, 6, 1, 2, 1, 83, 1, 1, 2, 1, 10},
    {1, 3, 6, 1, 2, 1, 83, 1, 1, 2, 1, 16},
};
// Error and discard counters move slowly.
const Oid kRareColumns[] = {
    {1, 3, 6, 1, 2, 1, 2, 2, 1, 13}, {1, 3, 6, 1, 2, 1, 2, 2, 1, 14}, {1, 3, 6, 1, 2, 1, 2, 2, 1, 15},
    {1, 3, 6, 1, 2, 1, 2, 2, 1, 19}, {1, 3, 6, 1, 2, 1, 2, 2, 1, 20}, {1, 3, 6, 1, 2, 1, 10, 7, 2, 1},
    {1, 3, 6, 1, 2, 1, 5}, {1, 3, 6, 1, 2, 1, 16, 1, 1, 1, 3}, {1, 3, 6, 1, 2, 1, 16, 1, 1, 1, 8},
    {1, 3, 6, 1, 2, 1, 16, 1, 1, 1, 9}, {1, 3, 6, 1, 2, 1, 16, 1, 1, 1, 10}, {1, 3, 6, 1, 2, 1, 16, 1, 1, 1, 11},
    {1, 3, 6, 1, 2, 1, 16, 1, 1, 1, 12}, {1, 3, 6, 1, 2, 1, 16, 1, 1, 1, 13},
};
// The history buckets are fixed samples, not moving counters.
const Oid kHistory{1, 3, 6, 1, 2, 1, 16, 2, 2, 1};

bool under(const Oid& oid, const Oid* prefixes, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        if (oidutil::startsWith(oid, prefixes[i]))
            return true;
    return false;
}

void moveAlarm(unsigned int, void* clientarg)
{
    static_cast<StandardMibObjects*>(clientarg)->advance();
}

}  // namespace

bool StandardMibObjects::load(std::string& error)
{
    // Only the counters added here move; the device's own (a VLAN delete
    // counter, say) count what happens to them.
    std::set<Oid> before;
    for (const auto& entry : m_store.objects())
        before.insert(entry.first);
    SpecReader reader(m_store);
    if (!reader.load(kObjects, error) || !reader.load(rowsText(), error))
        return false;
    fillIndexColumns();
    fillHistorySamples();
    collectMotions(before);
    advance();
    return true;
}

void StandardMibObjects::fillIndexColumns()
{
    // Columns that repeat their row's index (addresses, ports of learned
    // entries) take their values from the instance.
    struct IndexColumn {
        const char* table;
        std::vector<int> columns;  // column numbers, one per index component in order
    };
    const IndexColumn filled[] = {
        {"ipAddrTable", {1}},       {"ipRouteTable", {1}},      {"udpTable", {1, 2}},
        {"ipCidrRouteTable", {1, 2, 3, 4}}, {"rip2IfStatTable", {1}}, {"rip2IfConfTable", {1}},
        {"ospfAreaTable", {1}},     {"ospfLsdbTable", {1, 2, 3, 4}}, {"ospfIfTable", {1, 2}},
        {"ospfNbrTable", {1, 2}},   {"dot1dTpFdbTable", {1}},
    };
    for (const IndexColumn& f : filled) {
        TableSpec* table = m_store.findTable(f.table);
        if (!table)
            continue;
        for (const Oid& row : table->rows) {
            size_t at = 0;
            for (size_t k = 0; k < f.columns.size() && k < table->index.size(); ++k) {
                const IndexKind kind = table->index[k];
                const ColumnSpec* column = nullptr;
                for (const ColumnSpec* c : table->columns)
                    if (c->oid.back() == static_cast<std::uint32_t>(f.columns[k]))
                        column = c;
                const size_t width = kind == IndexKind::IpAddress ? 4 : kind == IndexKind::Mac ? 6 : 1;
                if (!column || at + width > row.size())
                    break;
                SimValue v;
                if (kind == IndexKind::IpAddress || kind == IndexKind::Mac) {
                    std::string bytes;
                    for (size_t i = 0; i < width; ++i)
                        bytes.push_back(static_cast<char>(row[at + i]));
                    v = SimValue::octets(bytes, kind == IndexKind::IpAddress ? ValueKind::IpAddress : ValueKind::Mac);
                } else {
                    v = SimValue::integer(row[at]);
                }
                m_store.put(oidutil::concat(column->oid, row), v);
                at += width;
            }
        }
        // Learned addresses sit on the first ports.
        if (std::string(f.table) == "dot1dTpFdbTable") {
            int n = 0;
            for (const Oid& row : table->rows)
                m_store.put(oidutil::concat(Oid{1, 3, 6, 1, 2, 1, 17, 4, 3, 1, 2}, row),
                            SimValue::integer(1 + (n++ % 12)));
        }
    }
}

void StandardMibObjects::fillHistorySamples()
{
    // Buckets of 30 minutes with a daily rhythm: octets and packets rise and
    // fall, errors stay rare; each control entry has its own level.
    for (int c = 1; c <= kHistoryControls; ++c) {
        for (int s = 1; s <= kHistorySamples; ++s) {
            const Oid row{static_cast<std::uint32_t>(c), static_cast<std::uint32_t>(s)};
            const double wave = 1.0 + 0.6 * std::sin(s / 3.0 + c);
            const std::int64_t packets = static_cast<std::int64_t>(40000 * c * wave);
            const std::int64_t values[] = {
                c, s, 180000L * s, 0, packets * 512, packets, packets / 40, packets / 25, s % 5, s % 3, s % 2,
                s % 4 == 0 ? 1 : 0, 0, s % 7, static_cast<std::int64_t>(3 * c * wave * 100) / 100};
            for (std::uint32_t n = 1; n <= 15; ++n) {
                const Oid oid = oidutil::concat(oidutil::concat(kHistory, n), row);
                const ObjectStore::Entry* entry = m_store.get(oid);
                if (entry)
                    m_store.put(oid, SimValue::integer(values[n - 1], entry->value.kind));
            }
        }
    }
}

void StandardMibObjects::collectMotions(const std::set<Oid>& existing)
{
    for (const auto& [oid, entry] : m_store.objects()) {
        const ValueKind kind = entry.value.kind;
        if (kind != ValueKind::Counter && kind != ValueKind::Counter64)
            continue;
        if (existing.count(oid) || oidutil::startsWith(oid, kHistory))
            continue;
        const std::uint64_t h = hashOf(oid);
        Motion m;
        m.oid = oid;
        m.wide = kind == ValueKind::Counter64;
        double perSecond = 2.0 + static_cast<double>(h % 400);  // packets: 2-400 per second
        if (under(oid, kOctetColumns, std::size(kOctetColumns)))
            perSecond = 20000.0 + static_cast<double>(h % 1500000);  // octets: up to about 12 Mbit/s
        else if (under(oid, kRareColumns, std::size(kRareColumns)))
            perSecond = static_cast<double>(h % 100) / 100.0;
        m.perSecond = perSecond;
        // Starts spread over the 32-bit range, so some counters wrap during a demo.
        m.start = (h >> 17) % 0x100000000ull;
        m_motions.push_back(std::move(m));
    }
}

std::uint64_t StandardMibObjects::valueAfter(const Motion& motion, double seconds)
{
    const std::uint64_t grown = motion.start + static_cast<std::uint64_t>(motion.perSecond * seconds);
    return motion.wide ? grown : grown & 0xFFFFFFFFull;
}

void StandardMibObjects::advance()
{
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_origin).count();
    for (const Motion& m : m_motions)
        m_store.put(m.oid, SimValue::integer(static_cast<std::int64_t>(valueAfter(m, seconds)),
                                             m.wide ? ValueKind::Counter64 : ValueKind::Counter));
}

void StandardMibObjects::startMoving(int periodMs)
{
    struct timeval period;
    period.tv_sec = periodMs / 1000;
    period.tv_usec = (periodMs % 1000) * 1000;
    snmp_alarm_register_hr(period, SA_REPEAT, moveAlarm, this);
}
