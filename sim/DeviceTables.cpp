#include "sim/DeviceTables.h"

// Format: see README.md. "+n" is relative to the last "base"; rows=ports gives
// one row per port of the stack, rows=vlans the VLANs 1, 10 and 20.
static const char kTables[] = R"TABLES(
# ---- system group ----
scalar 1.3.6.1.2.1.1.1 display ro def="HV-720 Stackable Ethernet Switch (simulated)"
scalar 1.3.6.1.2.1.1.2 oid ro def=1.3.6.1.4.1.497.2.2.720
scalar 1.3.6.1.2.1.1.3 ticks ro
scalar 1.3.6.1.2.1.1.4 display rw len=0..255 def=admin
scalar 1.3.6.1.2.1.1.5 display rw len=0..255 def=hv720-stack
scalar 1.3.6.1.2.1.1.6 display rw len=0..255 def=lab
scalar 1.3.6.1.2.1.1.7 int ro def=72

# ---- identification (rows and values are filled from the stack) ----
base 1.3.6.1.4.1.497.12.11.1.9.4.1
table units index=int rows=
col +1 int ro
col +2 int ro enum=0,1
col +3 mac ro
col +4 int ro
col +5 int ro
col +6 octets ro
col +8 int ro enum=3,4,5
col +9 display ro
col +10 display ro
base 1.3.6.1.4.1.497.11.59.7.2.3.1.1
table ports index=int rows=
col +1 int ro def=%i
col +2 int ro def=%u
col +3 int ro enum=1,2,3,4,5,6,7
col +4 int ro enum=1,2,3
col +5 int ro enum=1,2,3,4,5,6,7,8,9
base 1.3.6.1.4.1.497.11.59.7.2.1.1.3.1
table subunits index=int rows=
col +1 int ro def=%i
col +3 display ro
col +4 display ro
col +5 display ro
col +6 display ro
scalar 1.3.6.1.4.1.497.11.59.7.2.1.2.3 int rw enum=2,3 def=3
scalar 1.3.6.1.4.1.497.12.11.1.1 bits ro len=0..8 def=0xF0
scalar 1.3.6.1.4.1.497.12.11.1.9.1 int ro def=2
scalar 1.3.6.1.4.1.497.12.11.1.9.2 int ro def=12
scalar 1.3.6.1.4.1.497.12.11.1.9.3 int ro def=0

# ---- access profile masks ----
base 1.3.6.1.4.1.497.12.9.2.1.1
table ethMask index=int rows=1;2 control=+8:std
col +1 int ro def=%i
col +2 int rw enum=1,2 def=2
col +3 int rw enum=1,2,3,4 def=2
col +4 mac rw def=0x000000000000
col +5 mac rw def=0xFFFFFFFFFFFF
col +6 int rw enum=1,2 def=2
col +7 int rw enum=1,2 def=2
col +8 int rw
base 1.3.6.1.4.1.497.12.9.4.1.1
table cpuEthMask index=int rows=1 control=+8:std
col +1 int na
col +2 int rw enum=1,2 def=2
col +3 int rw enum=1,2,3,4 def=3
col +4 mac rw def=0xFFFFFFFFFFFF
col +5 mac rw def=0x000000000000
col +6 int rw enum=1,2 def=2
col +7 int rw enum=1,2 def=1
col +8 int rw
base 1.3.6.1.4.1.497.12.9.2.2.1
table ipMask index=int rows=3;4 control=+18:std
col +1 int ro def=%i
col +2 int rw enum=1,2 def=2
col +3 int rw enum=1,2,3,4 def=3
col +4 ip rw def=255.255.255.0
col +5 ip rw def=0.0.0.0
col +6 int rw enum=1,2 def=2
col +7 int rw enum=1,2,3,4,5,6 def=4
col +8 int rw enum=1,2,3,4 def=1
col +9 int rw enum=1,2 def=2
col +10 int rw enum=1,2,3,4 def=2
col +11 int rw enum=1,2,3,4 def=1
col +12 octets rw len=0..4 def=0xFFFF
col +13 octets rw len=0..4 def=0x0000
col +14 int rw enum=1,2 def=2
col +15 int rw range=0..63 def=0
col +16 int rw enum=1,2 def=2
col +17 octets rw len=0..4 def=0x00
col +18 int rw
base 1.3.6.1.4.1.497.12.9.4.2.1
table cpuIpMask index=int rows=2 control=+18:std
col +1 int na
col +2 int rw enum=1,2 def=2
col +3 int rw enum=1,2,3,4 def=2
col +4 ip rw def=0.0.0.0
col +5 ip rw def=255.255.255.255
col +6 int rw enum=1,2 def=2
col +7 int rw enum=1,2,3,4,5,6 def=2
col +8 int rw enum=1,2,3,4 def=2
col +9 int rw enum=1,2 def=2
col +10 int rw enum=1,2,3,4 def=1
col +11 int rw enum=1,2,3,4 def=1
col +12 octets rw len=0..4 def=0x0000
col +13 octets rw len=0..4 def=0x0000
col +14 int rw enum=1,2 def=2
col +15 int rw range=0..63 def=0
col +16 int rw enum=1,2 def=2
col +17 octets rw len=0..4 def=0x00
col +18 int rw
base 1.3.6.1.4.1.497.12.9.2.3.1
table userMask index=int rows=5 control=+7:std
col +1 int na
col +2 octets rw len=16 def=0xFFFF0000000000000000000000000000
col +3 octets rw len=16
col +4 octets rw len=16
col +5 octets rw len=16
col +6 octets rw len=16
col +7 int rw
base 1.3.6.1.4.1.497.12.9.4.3.1
table cpuUserMask index=int rows=3 control=+7:std
col +1 int na
col +2 octets rw len=16
col +3 octets rw len=16 def=0x00FF0000000000000000000000000000
col +4 octets rw len=16
col +5 octets rw len=16
col +6 octets rw len=16
col +7 int rw
base 1.3.6.1.4.1.497.12.9.2.4.1
table ipv6Mask index=int rows=6 control=+7:std
col +1 int na
col +2 int rw enum=1,2 def=2
col +3 int rw enum=1,2 def=2
col +4 int rw enum=1,2,3,4 def=3
col +5 octets rw len=16 def=0xFFFFFFFFFFFFFFFF0000000000000000
col +6 octets rw len=16
col +7 int rw
base 1.3.6.1.4.1.497.12.9.4.4.1
table cpuIpv6Mask index=int rows=4 control=+7:std
col +1 int na
col +2 int rw enum=1,2 def=1
col +3 int rw enum=1,2 def=2
col +4 int rw enum=1,2,3,4 def=2
col +5 octets rw len=16
col +6 octets rw len=16 def=0xFFFFFFFFFFFFFFFF0000000000000000
col +7 int rw

# ---- access rules (profile id, access id) ----
base 1.3.6.1.4.1.497.12.9.3.1.1
table ethRule index=int,int rows=1,1;1,2;2,10 control=+15:std
col +1 int na
col +2 int na
col +3 display rw len=0..32 def=default
col +4 mac rw
col +5 mac rw def=0x0080C8000001
col +6 int rw range=0..7 def=0
col +7 octets rw len=0..2 def=0x0800
col +8 int rw enum=1,2 def=2
col +9 int rw range=0..7 def=0
col +10 int rw enum=1,2 def=2
col +11 int rw enum=1,2 def=2
col +12 int rw range=0..63 def=0
col +13 int rw enum=1,2,3 def=2
col +14 bits rw def=someports
col +15 int rw
base 1.3.6.1.4.1.497.12.9.3.2.1
table ipRule index=int,int rows=3,1;4,5 control=+22:std
col +1 int na
col +2 int na
col +3 display rw len=0..32 def=default
col +4 ip rw def=10.90.90.%i
col +5 ip rw def=10.90.91.%n
col +6 int rw range=0..63 def=0
col +7 int ro enum=1,2,3,4,5,6 def=4
col +8 int rw range=0..255 def=0
col +9 int rw range=0..255 def=0
col +10 int rw range=0..65535 def=80
col +11 int rw range=0..65535 def=8080
col +12 int rw range=0..63 def=0
col +13 int rw range=0..255 def=6
col +14 octets rw len=0..4 def=0x00000000
col +15 int rw enum=1,2 def=2
col +16 int rw range=0..7 def=0
col +17 int rw enum=1,2 def=2
col +18 int rw enum=1,2 def=2
col +19 int rw range=0..63 def=0
col +20 int rw enum=1,2,3 def=1
col +21 bits rw def=someports
col +22 int rw
base 1.3.6.1.4.1.497.12.9.3.3.1
table userRule index=int,int rows=5,1 control=+15:std
col +1 int na
col +2 int na
col +3 octets rw len=16 def=0x0800450000000000000000000000FFFF
col +4 octets rw len=16
col +5 octets rw len=16
col +6 octets rw len=16
col +7 octets rw len=16
col +8 int rw enum=1,2 def=2
col +9 int rw range=0..7 def=0
col +10 int rw enum=1,2 def=2
col +11 int rw enum=1,2 def=2
col +12 int rw range=0..63 def=0
col +13 int rw enum=1,2,3 def=2
col +14 bits rw def=someports
col +15 int rw
base 1.3.6.1.4.1.497.12.9.3.4.1
table ipv6Rule index=int,int rows=6,1 control=+12:std
col +1 int na
col +2 int na
col +3 int rw range=0..255 def=0
col +4 octets rw len=0..4 def=0x00000000
col +5 octets rw len=16 def=0x20010DB8000000000000000000000001
col +6 octets rw len=16
col +7 int rw enum=1,2 def=2
col +8 int rw range=0..7 def=0
col +9 int rw enum=1,2 def=2
col +10 int rw enum=1,2,3 def=1
col +11 bits rw def=someports
col +12 int rw
base 1.3.6.1.4.1.497.12.9.5.1.1
table cpuEthRule index=int,int rows=1,1 control=+9:std
col +1 int na
col +2 int na
col +3 display rw len=0..32 def=default
col +4 mac rw def=0x0080C8000002
col +5 mac rw
col +6 int rw range=0..7 def=0
col +7 display rw len=0..4 def=0806
col +8 int rw enum=1,2 def=1
col +9 int rw
base 1.3.6.1.4.1.497.12.9.5.2.1
table cpuIpRule index=int,int rows=2,1 control=+16:std
col +1 int na
col +2 int na
col +3 display rw len=0..32 def=default
col +4 ip rw def=10.0.0.1
col +5 ip rw def=10.0.0.254
col +6 int rw range=0..63 def=0
col +7 int ro enum=1,2,3,4,5,6 def=2
col +8 int rw range=0..255 def=8
col +9 int rw range=0..255 def=0
col +10 int rw range=0..65535 def=0
col +11 int rw range=0..65535 def=0
col +12 int rw range=0..63 def=0
col +13 int rw range=0..255 def=1
col +14 octets rw len=0..4 def=0x00000000
col +15 int rw enum=1,2 def=1
col +16 int rw
base 1.3.6.1.4.1.497.12.9.5.3.1
table cpuUserRule index=int,int rows=3,1 control=+9:std
col +1 int na
col +2 int na
col +3 octets rw len=16
col +4 octets rw len=16
col +5 octets rw len=16
col +6 octets rw len=16
col +7 octets rw len=16
col +8 int rw enum=1,2 def=2
col +9 int rw
base 1.3.6.1.4.1.497.12.9.5.4.1
table cpuIpv6Rule index=int,int rows=4,1 control=+8:std
col +1 int na
col +2 int na
col +3 int rw range=0..255 def=0
col +4 octets rw len=0..4 def=0x00000000
col +5 octets rw len=16
col +6 octets rw len=16 def=0xFE800000000000000000000000000001
col +7 int rw enum=1,2 def=1
col +8 int rw

# ---- VLANs ----
scalar 1.3.6.1.2.1.17.7.1.1.1 int ro def=1
scalar 1.3.6.1.2.1.17.7.1.1.2 int ro def=4094
scalar 1.3.6.1.2.1.17.7.1.1.3 gauge ro def=255
scalar 1.3.6.1.2.1.17.7.1.1.4 gauge ro def=3
scalar 1.3.6.1.2.1.17.7.1.1.5 int rw enum=1,2 def=2
base 1.3.6.1.2.1.17.1.4.1
table basePorts index=int rows=ports
col +1 int ro def=%i
col +2 int ro def=%i
base 1.3.6.1.2.1.17.7.1.4.5.1
table portVlan index=int rows=ports
col +1 gauge rw range=1..4094 def=1
col +2 int rw enum=1,2 def=1
col +3 int rw enum=1,2 def=2
col +4 int rw enum=1,2 def=2
col +5 counter ro def=0
col +6 mac ro def=0x000000000000
base 1.3.6.1.2.1.17.7.1.4.3.1
table staticVlan index=int rows=vlans control=+5:std
col +1 display rw len=0..32 def=VLAN%i
col +2 bits rw def=someports
col +3 bits rw def=noports
col +4 bits rw def=someports
col +5 int rw
scalar 1.3.6.1.2.1.17.7.1.4.4 int ro def=1
base 1.3.6.1.2.1.17.7.1.4.2.1
table currentVlan index=int,int rows=0,1;0,10;0,20
col +1 ticks na
col +2 gauge na
col +3 gauge ro def=%n
col +4 octets ro def=someports
col +5 octets ro def=someports
col +6 int ro enum=1,2,3 def=2
col +7 ticks ro def=0
scalar 1.3.6.1.2.1.17.7.1.4.1 counter ro def=0
base 1.3.6.1.4.1.497.12.16.1.1.1
table protocolVlan index=int rows=1;2 control=+7:std
col +1 int na
col +2 display rw len=0..15 def=pvlan%i
col +3 int rw enum=1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17 def=2
col +4 int rw enum=1,2 def=2
col +5 int rw range=0..65535 def=0
col +6 int rw enum=1,2,3,4 def=1
col +7 int rw

# ---- trunks, mirroring, segmentation, link aggregation ----
scalar 1.3.6.1.4.1.497.11.59.7.2.9.1 int ro def=6
scalar 1.3.6.1.4.1.497.11.59.7.2.9.2 int ro def=2
scalar 1.3.6.1.4.1.497.11.59.7.2.9.4 int rw enum=2,3,4,5,6,7 def=2
base 1.3.6.1.4.1.497.11.59.7.2.9.3.1
table trunks index=int rows=1;2 control=+7:std
col +1 int ro def=%i
col +2 display rw len=0..12 def=trunk%i
col +3 int rw range=1..768 def=%i
col +4 bits rw def=someports
col +5 int ro def=%i
col +6 int rw enum=2,3 def=2
col +7 int rw
base 1.3.6.1.4.1.497.11.59.7.2.10
scalar +1 int rw range=1..768 def=1
scalar +2 octets rw len=0..128 def=noports
scalar +3 octets rw len=0..128 def=noports
scalar +4 int rw enum=2,3 def=2
base 1.3.6.1.4.1.497.11.59.7.2.14.1.1
table segmentation index=int rows=ports
col +1 int ro def=%i
col +2 octets rw len=0..128 def=allports
base 1.3.6.1.4.1.497.12.4.1.2.1.1
table aggregatorPorts index=int rows=ports
col +1 int na
col +2 int ro def=32768
col +3 mac ro def=0x0080C8010101
col +4 int ro def=%i
col +5 int ro def=%i
col +6 int ro def=0
col +7 int ro def=0
col +8 mac ro def=0x000000000000
col +9 mac ro def=0x000000000000
col +10 int ro def=0
col +11 int ro def=0
col +12 int ro def=0
col +13 int ro def=0
col +14 int ro def=%i
col +15 int ro def=32768
col +16 int ro def=0
col +17 int ro def=0
col +18 int ro def=0
col +19 int ro def=0
col +20 bits ro len=1 def=0x85
col +21 bits ro len=1 def=0x45
col +22 bits ro len=1 def=0xA0
col +23 bits ro len=1 def=0x03
col +24 int ro enum=1,2 def=1

# ---- daylight saving time ----
base 1.3.6.1.4.1.497.12.10.12
scalar +1 int rw enum=0,1,2 def=1
scalar +2 int rw range=0..1440 def=60
scalar +3 octets rw len=6 def=0x010001030200
scalar +4 octets rw len=6 def=0xFF00010A0300
scalar +5 octets rw len=4 def=0x1F030200
scalar +6 octets rw len=4 def=0x1B0A0300

# ---- login and enable method lists, authentication servers ----
base 1.3.6.1.4.1.497.12.5.3.1
table loginMethods index=str rows=default;console control=+10:std
col +1 display na
col +2 int rw enum=1,2,3,4,5,6,8,9 def=6
col +3 display rw len=0..15
col +4 int rw enum=1,2,3,4,5,6,8,9 def=8
col +5 display rw len=0..15
col +6 int rw enum=1,2,3,4,5,6,8,9 def=8
col +7 display rw len=0..15
col +8 int rw enum=1,2,3,4,5,6,8,9 def=8
col +9 display rw len=0..15
col +10 int rw
base 1.3.6.1.4.1.497.12.5.4.1
table enableMethods index=str rows=default control=+10:std
col +1 display na
col +2 int rw enum=1,2,3,4,5,7,8,9 def=7
col +3 display rw len=0..15
col +4 int rw enum=1,2,3,4,5,7,8,9 def=8
col +5 display rw len=0..15
col +6 int rw enum=1,2,3,4,5,7,8,9 def=8
col +7 display rw len=0..15
col +8 int rw enum=1,2,3,4,5,7,8,9 def=8
col +9 display rw len=0..15
col +10 int rw
base 1.3.6.1.4.1.497.12.5.10.1
table servers index=ip,int rows=10.90.90.5,4;10.90.90.6,3 control=+7:std
col +1 ip na
col +2 int na
col +3 int rw range=1..65535 def=1812
col +4 display rw len=0..254 def=secret
col +5 int rw range=1..255 def=5
col +6 int rw range=1..255 def=2
col +7 int rw
base 1.3.6.1.4.1.497.12.5.9.1
table serverGroups index=str rows=radius;tacacs+ control=+18:std
col +1 display na
col +2 ip ro def=10.90.90.5
col +3 int ro enum=1,2,3,4 def=4
col +4 ip ro def=0.0.0.0
col +5 int ro enum=1,2,3,4,5,6 def=5
col +6 ip ro def=0.0.0.0
col +7 int ro enum=1,2,3,4,5,6 def=5
col +8 ip ro def=0.0.0.0
col +9 int ro enum=1,2,3,4,5,6 def=5
col +10 ip ro def=0.0.0.0
col +11 int ro enum=1,2,3,4,5,6 def=5
col +12 ip ro def=0.0.0.0
col +13 int ro enum=1,2,3,4,5,6 def=5
col +14 ip ro def=0.0.0.0
col +15 int ro enum=1,2,3,4,5,6 def=5
col +16 ip ro def=0.0.0.0
col +17 int ro enum=1,2,3,4,5,6 def=5
col +18 int rw
base 1.3.6.1.4.1.497.12.5.12.1
table serverGroupMembers index=str,ip,int rows=radius,10.90.90.5,4 control=+4:adddel
col +1 display na
col +2 ip na
col +3 int na
col +4 int rw

# ---- bridge forwarding and filtering ----
scalar 1.3.6.1.2.1.17.6.1.1.1 bits ro len=0..2 def=0xE0
scalar 1.3.6.1.2.1.17.6.1.1.2 int rw enum=1,2 def=2
base 1.3.6.1.2.1.17.6.1.3.1.1
table garp index=int rows=ports
col +1 int rw range=0..2147483647 def=20
col +2 int rw range=0..2147483647 def=60
col +3 int rw range=0..2147483647 def=1000
base 1.3.6.1.2.1.17.6.1.1.4.1
table portCapabilities index=int rows=ports
col +1 bits ro len=0..1 def=0xC0
base 1.3.6.1.2.1.17.7.1.2.3.1
table tpGroups index=int,mac rows=1,01:00:5e:00:00:01;10,01:00:5e:7f:00:01
col +1 mac na
col +2 octets ro def=someports
col +3 octets ro def=noports
base 1.3.6.1.2.1.17.7.1.2.4.1
table forwardAll index=int rows=vlans
col +1 bits ro def=allports
col +2 bits rw def=noports
col +3 bits rw def=noports
base 1.3.6.1.2.1.17.7.1.2.5.1
table forwardUnregistered index=int rows=vlans
col +1 octets ro def=allports
col +2 octets rw len=0..128 def=noports
col +3 octets rw len=0..128 def=noports
base 1.3.6.1.2.1.17.7.1.3.2.1
table staticMulticast index=int,mac,int rows=1,01:00:5e:00:01:01,0;10,01:00:5e:00:01:02,0 control=+5:valid
col +1 mac na
col +2 int na
col +3 bits rw def=someports
col +4 bits rw def=noports
col +5 int rw
base 1.3.6.1.2.1.17.7.1.3.1.1
table staticUnicast index=int,mac,int rows=1,00:80:c8:00:00:10,0 control=+4:valid
col +1 mac na
col +2 int na
col +3 bits rw def=someports
col +4 int rw
base 1.3.6.1.6.3.18.1.1.1
table communities index=implied rows=quorel;tessany control=+8:std
col +1 display na
col +2 display rw len=0..255 def=%s
col +3 display rw len=0..32 def=%s
col +4 octets ro len=0..32
col +5 display ro len=0..32
col +6 display ro len=0..255
col +7 int ro enum=1,2,3,4,5 def=3
col +8 int rw

# ---- small tables and 802.1X statistics ----
base 1.3.6.1.4.1.497.11.59.7.3.5.1
table routeRedistribution index=int,int rows=4,2;5,3 control=+5:std
col +1 int na
col +2 int na
col +3 int rw enum=2,3,4,5,6,7,8,9,10 def=2
col +4 int rw range=0..16777214 def=1
col +5 int rw
base 1.3.6.1.4.1.497.11.59.7.3.4.1
table md5Keys index=int rows=1;2 control=+3:std
col +1 int na
col +2 display rw len=0..16 def=key%i
col +3 int rw
base 1.3.6.1.4.1.497.11.59.7.3.3.1.4.1
table bootpServers index=str,ip rows=System,10.1.1.1 control=+3:valid
col +1 display na
col +2 ip na
col +3 int rw
base 1.3.6.1.4.1.497.12.8.1.3.1
table memberSwitches index=int rows=1;2 control=+10:go
col +1 int ro def=%i
col +2 display ro def=Member%i
col +3 mac ro
col +4 display ro def=1.20.005
col +5 display ro def=candidate
col +6 display ro def=HV-720
col +7 int ro def=60
col +8 int rw def=1
col +9 display rw len=0..32
col +10 int rw
table dot1xDiagnostics index=mac,int rows=00:80:c8:00:00:01,1;00:80:c8:00:00:02,2
base 1.3.6.1.4.1.497.12.3.6.3.1
col +1 counter ro
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
col +12 counter ro
col +13 counter ro
col +14 counter ro
col +15 counter ro
col +16 counter ro
col +17 counter ro
col +18 counter ro
table eapolStatistics index=mac,int rows=00:80:c8:00:00:01,1;00:80:c8:00:00:02,2
base 1.3.6.1.4.1.497.12.3.6.2.1
col +1 counter ro
col +2 counter ro
col +3 counter ro
col +4 counter ro
col +5 counter ro
col +6 counter ro
col +7 counter ro
col +8 counter ro
col +9 counter ro
col +10 counter ro
col +11 gauge ro def=2
col +12 mac ro def=0x0080C8AABB01
)TABLES";

const char* DeviceTables::text() { return kTables; }
