#include "app/MenuCatalogue.h"

#include "catalogue/NvCatalogueTables.h"
#include "catalogue/NvViewCatalogue.h"
#include "snmp/NvOptionList.h"
#include "snmp/NvSNMPVarList.h"

namespace {

using enum TMenuKind;

// The ten menus of the menu bar, then the port buttons' pop-up menu. Captions
// are the window's own texts, odd spellings and trailing blanks included.
const TMenuEntry kEntries[] = {
    {.component = "Configuration1", .caption = "Basic Configuration", .kind = Submenu},
    {.component = "MoudleBasicConfig", .caption = "Moudle Basic Configuration", .parent = "Configuration1", .kind = Inert, .flags = Hidden},
    {.component = "Layer2Management1", .caption = "Device Management", .parent = "Configuration1", .kind = Submenu},
    {.component = "Information3", .caption = "System Information", .parent = "Layer2Management1", .kind = Companion, .viewArgument = "/TMIB_Info"},
    {.component = "DeviceInformation1", .caption = "Device Information", .parent = "Layer2Management1", .kind = View, .title = "Device Information", .table = DeviceInfoVars},
    {.component = "DeviceModuleInformation1", .caption = "Device Module Information", .parent = "Layer2Management1", .kind = View, .title = "Device Module Information", .table = SubUnitVars},
    {.component = "AlarmControl1", .caption = "Alarm Control", .parent = "Layer2Management1", .kind = View, .title = "Alarm Control", .table = AlarmControlVars},
    {.component = "RefreshPanel1", .caption = "Refresh Panel", .parent = "Layer2Management1", .kind = Inert, .flags = Hidden},
    {.component = "SystemLog1", .caption = "System Log", .parent = "Layer2Management1", .kind = Submenu},
    {.component = "SystemLogControl1", .caption = "System Log Control", .parent = "SystemLog1", .kind = View, .title = "System Log Control", .table = SysLogControlVars},
    {.component = "SystemLogHost1", .caption = "System Log Host", .parent = "SystemLog1", .kind = View, .title = "System Log Host Table", .table = SysLogHostVars, .statusRow = 6, .createText = "createAndGo", .deleteText = "destroy"},
    {.component = "DeviceEquipmentManagement1", .caption = "Equipment Management", .parent = "Configuration1", .kind = Submenu},
    {.component = "Test1", .caption = "Basic Information", .parent = "DeviceEquipmentManagement1", .kind = Editor},
    {.component = "UnitTable1", .caption = "Unit Table", .parent = "DeviceEquipmentManagement1", .kind = View, .title = "Unit Table", .table = UnitTableVars, .size = {.height = 450, .heightScaled = true}},
    {.component = "PowerTable1", .caption = "Power Table", .parent = "DeviceEquipmentManagement1", .kind = View, .title = "Power Table", .table = PowerVars, .size = {.height = 450, .heightScaled = true}},
    {.component = "FanInformation1", .caption = "Fan Information", .parent = "DeviceEquipmentManagement1", .kind = View, .title = "Fan Information", .table = FanVars, .size = {.height = 450, .heightScaled = true}},
    {.component = "TrapManagement2", .caption = "Trap Management", .parent = "DeviceEquipmentManagement1", .kind = Inert, .flags = Hidden},
    {.component = "Basic1", .caption = "Agent Management", .parent = "Configuration1", .kind = Submenu},
    {.component = "BasicInfo1", .caption = "Basic Information", .parent = "Basic1", .kind = Inert, .flags = Hidden},
    {.component = "MibCapabilities1", .caption = "MIB Capabilities", .parent = "Basic1", .kind = View, .title = "Mib Capabilities", .table = MibCapabilitiesVars, .size = {.height = 450, .heightScaled = true, .addWidth = 100}},
    {.component = "BasicConfigure1", .caption = "Basic Configuration", .parent = "Basic1", .kind = View, .title = "Basic Configuration", .table = BasicConfigurationVars},
    {.component = "MibTrap1", .caption = "Trap Receiver", .parent = "Basic1", .kind = Inert, .flags = Hidden},
    {.component = "AgentSuportedUpdateFiles1", .caption = "Agent Supported Update Files", .parent = "Basic1", .kind = View, .title = "Agent Supported Update Files", .table = UpdateFilesVars},
    {.component = "TrapManagement1", .caption = "Trap Management", .parent = "Basic1", .kind = Inert, .flags = Hidden},
    {.component = "CPUUtilization1", .caption = "CPU Utilization", .parent = "Basic1", .kind = View, .title = "CPU Utilization Table", .table = CpuUtilizationVars},
    {.component = "DualImageInformation1", .caption = "Dual Image Information", .parent = "Basic1", .kind = View, .title = "Firmware Information Table", .table = FirmwareInfoVars},
    {.component = "DualImageFile1", .caption = "Dual Image File", .parent = "Basic1", .kind = View, .title = "Firmware Image File Information Table", .table = FirmwareImageFileVars, .flags = Hidden},
    {.component = "NotifyManagement1", .caption = "System Serverity Control", .parent = "Basic1", .kind = View, .title = "System Serverity Control Management", .table = SeverityControlVars},
    {.component = "TimeManagement1", .caption = "Time Management", .parent = "Configuration1", .kind = Submenu},
    {.component = "CurrentTime1", .caption = "System Time", .parent = "TimeManagement1", .kind = View, .title = "Current Time", .table = CurrentTimeVars},
    {.component = "NetworkTime1", .caption = "Network Time", .parent = "TimeManagement1", .kind = View, .title = "Network Time", .table = NetworkTimeVars},
    {.component = "SummerTime1", .caption = "Daylight Saving Time", .parent = "TimeManagement1", .kind = Editor},
    {.parent = "Configuration1", .kind = Separator},
    {.component = "Entity1", .caption = "Entity", .parent = "Configuration1", .kind = Submenu, .flags = Hidden},
    {.component = "PhysicalTable1", .caption = "Physical Table", .parent = "Entity1", .kind = Inert},
    {.component = "LogicalTable1", .caption = "Logical Table", .parent = "Entity1", .kind = Inert},
    {.component = "Mapping1", .caption = "Mapping", .parent = "Entity1", .kind = Inert},
    {.component = "IFMIB1", .caption = "IF-MIB", .parent = "Configuration1", .kind = Submenu},
    {.component = "GeneralTable1", .caption = "General Table", .parent = "IFMIB1", .kind = Companion, .viewArgument = "/TIFMib_LastChangeTable"},
    {.component = "IFXTable1", .caption = "IfX Table", .parent = "IFMIB1", .kind = View, .title = "IfX Table", .table = IfXTableVars, .size = {.height = 450}, .flags = V2cWhileOpen},
    {.component = "IfStackTable1", .caption = "IfStack Table", .parent = "IFMIB1", .kind = Inert, .flags = Hidden},
    {.component = "TestTable1", .caption = "Test Table", .parent = "IFMIB1", .kind = Inert, .flags = Hidden},
    {.component = "MIBII1", .caption = "MIB II", .parent = "Configuration1", .kind = Submenu},
    {.component = "IfTable1", .caption = "IF Table", .parent = "MIBII1", .kind = Companion, .viewArgument = "/TMIB_IFTable"},
    {.component = "IFCounter1", .caption = "IF Counters", .parent = "MIBII1", .kind = Companion, .viewArgument = "/TMIB_IFCounters"},
    {.parent = "MIBII1", .kind = Separator},
    {.component = "IPCounters1", .caption = "IP Counters", .parent = "MIBII1", .kind = Companion, .viewArgument = "/TMIB_IPCounters"},
    {.component = "IPRouting1", .caption = "IP Routing", .parent = "MIBII1", .kind = Companion, .viewArgument = "/TMIB_IPRouting"},
    {.component = "IPAddressTable1", .caption = "IP Address Table", .parent = "MIBII1", .kind = Companion, .viewArgument = "/TMIB_IPAddress"},
    {.parent = "MIBII1", .kind = Separator},
    {.component = "ICMPCounters1", .caption = "ICMP Counters", .parent = "MIBII1", .kind = Companion, .viewArgument = "/TMIB_ICMPCounters"},
    {.component = "UDPCounters1", .caption = "UDP Counters", .parent = "MIBII1", .kind = Companion, .viewArgument = "/TMIB_UDPCounters"},
    {.component = "SNMPCounters1", .caption = "SNMP Counters", .parent = "MIBII1", .kind = Companion, .viewArgument = "/TMIB_SNMPCounters"},
    {.component = "dot3Statistics1", .caption = "dot3 Statistics", .parent = "Configuration1", .kind = Companion, .viewArgument = "/TEthernetLike_dot3StatsTable"},
    {.parent = "Configuration1", .kind = Separator, .flags = Hidden},
    {.component = "SaveChanges1", .caption = "Save Changes", .parent = "Configuration1", .kind = Inert, .flags = Hidden},
    {.component = "Exit1", .caption = "Exit", .parent = "Configuration1", .kind = Exit},
    {.component = "Menu_RMON", .caption = "RMON", .kind = Submenu},
    {.component = "RMONSetting1", .caption = "RMON Control", .parent = "Menu_RMON", .kind = View, .title = "RMON Control", .table = RmonStateVars, .flags = RefreshRmon},
    {.component = "Statistics1", .caption = "Statistics", .parent = "Menu_RMON", .kind = Companion, .viewArgument = "/TRmon_Statistics"},
    {.component = "History1", .caption = "History", .parent = "Menu_RMON", .kind = Companion, .viewArgument = "/TRmon_History"},
    {.component = "AlarmEvent1", .caption = "Alarm/Event", .parent = "Menu_RMON", .kind = Companion, .viewArgument = "/TRmon_AlarmEvent"},
    {.component = "ProbeConfig1", .caption = "Probe Config", .parent = "Menu_RMON", .kind = Submenu},
    {.component = "ProbeBasicinformation1", .caption = "Probe Basic Information", .parent = "ProbeConfig1", .kind = View, .title = "Probe Basic Information", .table = ProbeBasicInfoVars, .size = {.addWidth = 40}},
    {.component = "Bridge1", .caption = "Bridge", .kind = Submenu},
    {.component = "SpanningTreeAlgorithm1", .caption = "Spanning Tree Algorithm", .parent = "Bridge1", .kind = View, .title = "Spanning Tree Algorithm", .table = StpAlgorithmVars},
    {.component = "N8021d1", .caption = "802.1d ", .parent = "Bridge1", .kind = Submenu},
    {.component = "Information1", .caption = "Information", .parent = "N8021d1", .kind = View, .title = "Bridge 802.1d Information", .table = Bridge8021dInfoVars},
    {.component = "SpaningTree1", .caption = "Spanning Tree", .parent = "Bridge1", .kind = Submenu},
    {.component = "Information2", .caption = "STP Control ", .parent = "SpaningTree1", .kind = View, .title = "Spanning Tree Control", .table = StpControlVars, .size = {.addHeight = 20}, .flags = StpNotes},
    {.component = "ConfigurationIdentification1", .caption = "Configuration Identification", .parent = "SpaningTree1", .kind = View, .title = "MSTP Configuration Identification", .table = MstpConfigIdVars, .size = {.addHeight = 20}},
    {.component = "InstanceInformation1", .caption = "Instance Information", .parent = "SpaningTree1", .kind = View, .title = "MSTP Instance Control", .table = MstpInstanceVars},
    {.component = "PortStateInformation1", .caption = "Port State Information", .parent = "SpaningTree1", .kind = View, .title = "MSTP Port State Information", .table = MstpPortStateVars},
    {.component = "PortMSTPInformation1", .caption = "Port MSTP Information", .parent = "SpaningTree1", .kind = View, .title = "Port MSTP Information", .table = PortMstpInfoVars},
    {.component = "TransparentBridge1", .caption = "Transparent Bridge", .parent = "Bridge1", .kind = Submenu},
    {.component = "ForwardingTable1", .caption = "Forwarding Table", .parent = "TransparentBridge1", .kind = Companion, .viewArgument = "/TBridge_Forwarding"},
    {.component = "StaticTable1", .caption = "Static Table", .parent = "TransparentBridge1", .kind = Inert, .flags = Hidden},
    {.component = "PortCounters1", .caption = "Port Counters", .parent = "TransparentBridge1", .kind = Companion, .viewArgument = "/TBridge_TpPortInfo"},
    {.component = "VLAN1", .caption = "VLAN", .kind = Submenu},
    {.component = "N8021P1", .caption = "802.1P", .parent = "VLAN1", .kind = Submenu},
    {.component = "BasicConfigure2", .caption = "Basic Configure", .parent = "N8021P1", .kind = Editor},
    {.component = "PriorityInformation1", .caption = "Priority Information", .parent = "N8021P1", .kind = Submenu},
    {.component = "DefaultUserPrioritiesofEachPort1", .caption = "Default User Priorities of Each Port", .parent = "PriorityInformation1", .kind = View, .title = "Default User Priorities of Each Port", .table = DefaultUserPriorityVars, .size = {.height = 450}},
    {.component = "RegeneratedUserPriorities1", .caption = "Regenerated User Priorities", .parent = "PriorityInformation1", .kind = View, .title = "Regenerated User Priorities", .table = RegenUserPriorityVars, .size = {.height = 450, .heightScaled = true}},
    {.component = "UserPrioritiesToTrafficClass1", .caption = "User Priorities To Traffic Class", .parent = "PriorityInformation1", .kind = View, .title = "User Priorities To Traffic Class", .table = TrafficClassVars, .size = {.height = 450, .heightScaled = true}},
    {.component = "PortOutboundAccessPriorities1", .caption = "Port Outbound Access Priorities", .parent = "PriorityInformation1", .kind = View, .title = "Port Outbound Access Priorities", .table = OutboundAccessPriorityVars, .size = {.height = 450, .heightScaled = true}},
    {.component = "GMRP1", .caption = "GMRP", .parent = "N8021P1", .kind = Inert, .flags = Hidden},
    {.component = "GVRP1", .caption = "GARP", .parent = "N8021P1", .kind = Editor},
    {.component = "PortCapbility1", .caption = "Port Capability", .parent = "N8021P1", .kind = Editor},
    {.component = "N8021Q1", .caption = "802.1Q", .parent = "VLAN1", .kind = Submenu},
    {.component = "N8021QBridge1", .caption = "802.1Q Bridge", .parent = "N8021Q1", .kind = Submenu},
    {.component = "BasicConfigure", .caption = "Basic Configure", .parent = "N8021QBridge1", .kind = Editor},
    {.component = "PortsInfo1", .caption = "Ports Information", .parent = "N8021QBridge1", .kind = Editor},
    {.component = "N8021QVLAN1", .caption = "Forwarding/Filtering", .parent = "N8021Q1", .kind = Submenu},
    {.component = "UnicastForwardingInformation1", .caption = "Unicast Forwarding Information", .parent = "N8021QVLAN1", .kind = View, .title = "Unicast Forwarding Information", .table = UnicastForwardingVars, .size = {.height = 450, .heightScaled = true}},
    {.component = "TpGroupDestinationForwarded1", .caption = "Tp Group Destination Forwarded", .parent = "N8021QVLAN1", .kind = Editor},
    {.component = "MulticastForwardingInformation1", .caption = "Multicast Forwarding Information", .parent = "N8021QVLAN1", .kind = Editor},
    {.component = "ForwardUnregisteredInformation1", .caption = "Forward Unregistered Information", .parent = "N8021QVLAN1", .kind = Editor},
    {.component = "StaticVLANEntry1", .caption = "802.1Q VLAN ", .parent = "N8021Q1", .kind = Submenu},
    {.component = "StaticForm1", .caption = "Static Table", .parent = "StaticVLANEntry1", .kind = Editor},
    {.component = "CurrentForm1", .caption = "Current Table", .parent = "StaticVLANEntry1", .kind = Editor},
    {.component = "UnicastMulticastStaticFilterTable1", .caption = "Static Filtering ", .parent = "N8021Q1", .kind = Submenu},
    {.component = "UnicastInformation1", .caption = "Unicast Information", .parent = "UnicastMulticastStaticFilterTable1", .kind = Editor},
    {.component = "MulticastInformation1", .caption = "Multicast Information", .parent = "UnicastMulticastStaticFilterTable1", .kind = Editor},
    {.component = "ProtocolVLAN1", .caption = "Protocol VLAN", .parent = "VLAN1", .kind = Editor},
    {.component = "VACM1", .caption = "SNMP V3", .kind = Submenu},
    {.component = "snmpEngine1", .caption = "SNMP Engine", .parent = "VACM1", .kind = View, .title = "SNMP Engine", .table = SnmpEngineVars},
    {.component = "SnmpFrameworkMIB1", .caption = "Snmp Framework MIB", .parent = "VACM1", .kind = Inert, .flags = Hidden},
    {.component = "MessageProcessingandDispatching1", .caption = "Message Processing and Dispatching", .parent = "VACM1", .kind = View, .title = "Message Processingand Dispatching", .table = MpdStatsVars},
    {.component = "SNMPTargetMIB1", .caption = "SNMP Target MIB", .parent = "VACM1", .kind = Submenu},
    {.component = "GeneralInformation1", .caption = "General Information", .parent = "SNMPTargetMIB1", .kind = View, .title = "General Information", .table = TargetGeneralVars},
    {.component = "CommunityTargetAddressTable", .caption = "Target Address Table", .parent = "SNMPTargetMIB1", .kind = View, .title = "Target Address Table", .table = TargetAddrVars, .statusRow = 8, .createText = "createAndGo", .deleteText = "destroy"},
    {.component = "TargetParameters1", .caption = "Target Parameters", .parent = "SNMPTargetMIB1", .kind = View, .title = "Target Parameters", .table = TargetParamsVars, .statusRow = 4, .createText = "createAndGo", .deleteText = "destroy"},
    {.component = "UserbasedSecurityModel1", .caption = "User-based Security Model", .parent = "VACM1", .kind = Submenu},
    {.component = "Statistics2", .caption = "Statistics", .parent = "UserbasedSecurityModel1", .kind = View, .title = "Statistics", .table = UsmStatsVars},
    {.component = "UserTable1", .caption = "User Table", .parent = "UserbasedSecurityModel1", .kind = View, .title = "User Table", .table = UsmUserVars},
    {.component = "ViewBaseAccessControlMode1", .caption = "View-base Access Control Mode", .parent = "VACM1", .kind = Submenu},
    {.component = "SecurityTable1", .caption = "Security Group Table", .parent = "ViewBaseAccessControlMode1", .kind = View, .title = "Security Group Table", .table = SecurityToGroupVars, .statusRow = 3, .createText = "createAndGo", .deleteText = "destroy"},
    {.component = "AccessTable1", .caption = "Access Table", .parent = "ViewBaseAccessControlMode1", .kind = View, .title = "Access Table", .table = VacmAccessVars, .statusRow = 7, .createText = "createAndGo", .deleteText = "destroy"},
    {.component = "ViewTable1", .caption = "View MIB Tree Family Table", .parent = "ViewBaseAccessControlMode1", .kind = View, .title = "View MIB Tree Family Table", .table = ViewTreeFamilyVars, .statusRow = 3, .createText = "createAndGo", .deleteText = "destroy"},
    {.component = "Notifications1", .caption = "Notifications", .parent = "VACM1", .kind = Submenu},
    {.component = "NotifyTable1", .caption = "Notify Table", .parent = "Notifications1", .kind = View, .title = "Notify Table", .table = NotifyVars, .statusRow = 4, .createText = "createAndGo", .deleteText = "destroy"},
    {.component = "NotifyFilterProfileTale1", .caption = "Notify Filter Profile Table", .parent = "Notifications1", .kind = Inert, .flags = Hidden},
    {.component = "NotifyFilterEntryTable1", .caption = "Notify Filter Entry Table", .parent = "Notifications1", .kind = Inert, .flags = Hidden},
    {.component = "Community1", .caption = "Community", .parent = "VACM1", .kind = Submenu},
    {.component = "CommunityStringTable1", .caption = "Community String Table", .parent = "Community1", .kind = Editor},
    {.component = "TargetAddressTable1", .caption = "Target Address Table", .parent = "Community1", .kind = View, .title = "Target Address Table", .table = TargetAddrMmsVars},
    {.component = "SecurityManagement1", .caption = "Security Management", .kind = Submenu},
    {.component = "Auth1", .caption = "Authentication Mode Setting", .parent = "SecurityManagement1", .kind = View, .title = "Authentication Mode Setting", .table = AuthModeVars, .size = {.addHeight = 50, .addWidth = 30}},
    {.parent = "SecurityManagement1", .kind = Separator},
    {.component = "N8021X1", .caption = "802.1X", .parent = "SecurityManagement1", .kind = Submenu},
    {.component = "Configuration2", .caption = "Configuration", .parent = "N8021X1", .kind = View, .title = "802.1X Configuration", .table = PaeSystemVars},
    {.component = "PAEPortTable1", .caption = "Port Table", .parent = "N8021X1", .kind = Inert, .flags = Hidden},
    {.component = "PortAuthenticationConfiguration1", .caption = "Port Configuration", .parent = "N8021X1", .kind = View, .title = "802.1X Port Configuration", .table = PaePortConfigVars},
    {.component = "PortAuthStatistics1", .caption = "Port Statistics", .parent = "N8021X1", .kind = View, .title = "Port Statistics", .table = PaePortStatsVars},
    {.component = "Diagnostics1", .caption = "Port Diagnostics", .parent = "N8021X1", .kind = View, .title = "Port Diagnostics", .table = PaePortDiagVars},
    {.component = "PortSessionStatistics1", .caption = "Port Session Statistics", .parent = "N8021X1", .kind = View, .title = "Port Session Statistics", .table = PaePortSessionVars, .flags = V2cWhileOpen},
    {.parent = "N8021X1", .kind = Separator},
    {.component = "MacAuthenticationBaseStateTable1", .caption = "Mac Base Authentication", .parent = "N8021X1", .kind = Submenu},
    {.component = "StateTable1", .caption = "State Table", .parent = "MacAuthenticationBaseStateTable1", .kind = View, .title = "State Table", .table = PaeStateVars},
    {.component = "DiagnosticsInformation1", .caption = "Diagnostics Information", .parent = "MacAuthenticationBaseStateTable1", .kind = Editor},
    {.component = "StatisticTable1", .caption = "EAP Over Land  Frames Statistic Table", .parent = "MacAuthenticationBaseStateTable1", .kind = Editor},
    {.component = "SessionInformation1", .caption = "Session Information", .parent = "MacAuthenticationBaseStateTable1", .kind = View, .title = "Session Information ", .table = SessionInfoVars},
    {.component = "RadiusInfomationConfiguration1", .caption = "Radius Management", .parent = "SecurityManagement1", .kind = Submenu},
    {.component = "BasicConfiguration1", .caption = "Basic Configuration", .parent = "RadiusInfomationConfiguration1", .kind = Inert, .flags = Hidden},
    {.component = "RadiusServerTabl1", .caption = "Radius Server Table", .parent = "RadiusInfomationConfiguration1", .kind = View, .title = "Radius Server Table", .table = RadiusServerVars, .size = {.height = 450, .heightScaled = true}},
    {.component = "AuthenticationServer1", .caption = "Authentication Information", .parent = "RadiusInfomationConfiguration1", .kind = View, .title = "Radius Authentication Information", .table = RadiusAuthClientVars},
    {.component = "AuthenticationServerTable1", .caption = "Authentication Table", .parent = "RadiusInfomationConfiguration1", .kind = View, .title = "Radius Authentication Table", .table = RadiusAuthServerVars},
    {.component = "AccountingControl1", .caption = "Accounting Control", .parent = "RadiusInfomationConfiguration1", .kind = Submenu},
    {.component = "AccountingServerInformation1", .caption = "Basic Information", .parent = "AccountingControl1", .kind = View, .title = "Accounting Basic Information", .table = RadiusAccClientVars},
    {.component = "AccountingServerTable1", .caption = "Server Table", .parent = "AccountingControl1", .kind = View, .title = "Accounting Server Table", .table = RadiusAccServerVars},
    {.component = "ServiceTable1", .caption = "Service Table", .parent = "AccountingControl1", .kind = Inert, .flags = Hidden},
    {.component = "TACACSPlus", .caption = "TACACS+", .parent = "SecurityManagement1", .kind = Submenu},
    {.component = "TACACSPlusControl", .caption = "TACACS+ Control", .parent = "TACACSPlus", .kind = View, .title = "TACACS+ Control", .table = TacacsControlVars},
    {.parent = "TACACSPlus", .kind = Separator},
    {.component = "TACACSPlusInformation", .caption = "TACACS+ Information", .parent = "TACACSPlus", .kind = View, .title = "TACACS+ Information Table", .table = TacacsInfoVars},
    {.component = "LoginMethodControl", .caption = "Login Method Control", .parent = "TACACSPlus", .kind = Editor},
    {.component = "LoginInformation", .caption = "Login Information", .parent = "TACACSPlus", .kind = View, .title = "Login Information", .table = LoginInfoVars},
    {.component = "EnableMethodControl", .caption = "Enable Method Control", .parent = "TACACSPlus", .kind = Editor},
    {.component = "ServerGroup1", .caption = "Server Group", .parent = "TACACSPlus", .kind = View, .title = "Server Group Table", .table = ServerGroupVars, .statusRow = 17, .createText = "createAndGo", .deleteText = "destroy"},
    {.component = "ServerInformation1", .caption = "Server Information", .parent = "TACACSPlus", .kind = Editor},
    {.component = "ServerControl", .caption = "Server Control", .parent = "TACACSPlus", .kind = Editor},
    {.parent = "SecurityManagement1", .kind = Separator},
    {.component = "SSH", .caption = "SSH", .parent = "SecurityManagement1", .kind = Submenu},
    {.component = "SSHManagement1", .caption = "SSH Management", .parent = "SSH", .kind = View, .title = "SSH Management Table", .table = SshManagementVars},
    {.parent = "SSH", .kind = Separator},
    {.component = "DiffieHellmanAlgorithm1", .caption = "Diffie Hellman Algorithm", .parent = "SSH", .kind = View, .title = "Diffie Hellman Algorithm Control", .table = SshDiffieHellmanVars, .flags = Hidden},
    {.component = "EncryptionAlgorithm1", .caption = "Encryption Algorithm", .parent = "SSH", .kind = View, .title = "Encryption Algorithm Control", .table = SshEncryptionVars},
    {.component = "AuthenticationMethod1", .caption = "Authentication Method", .parent = "SSH", .kind = View, .title = "Authentication Method Control", .table = SshAuthMethodVars},
    {.component = "HMACAlgorithm1", .caption = "HMAC Algorithm", .parent = "SSH", .kind = View, .title = "HMAC Algorithm Control", .table = SshHmacVars, .size = {.addHeight = 15}},
    {.component = "PublicKeyAlgorithm1", .caption = "Public Key Algorithm", .parent = "SSH", .kind = View, .title = "Public Key Algorithm Control", .table = SshPublicKeyVars},
    {.component = "SSL", .caption = "SSL", .parent = "SecurityManagement1", .kind = Submenu},
    {.component = "SSLManagement1", .caption = "SSL Management", .parent = "SSL", .kind = View, .title = "SSL Management Table", .table = SslManagementVars},
    {.component = "CertificateFileInformation1", .caption = "Certificate File Information", .parent = "SSL", .kind = View, .title = "Certificate File Information", .table = CertificateFileVars},
    {.component = "Layer2Management2", .caption = "Layer 2 Management", .kind = Submenu},
    {.component = "DeviceControl1", .caption = "Layer 2 Global Switch", .parent = "Layer2Management2", .kind = View, .title = "Layer 2 Global Switch", .table = Layer2GlobalSwitchVars, .size = {.addHeight = 10}},
    {.component = "General1", .caption = "General", .parent = "Layer2Management2", .kind = Inert, .flags = Hidden},
    {.component = "PortManagement1", .caption = "Port Management", .parent = "Layer2Management2", .kind = Submenu},
    {.component = "JumboFrameConfig1", .caption = "Jumbo Frame Ctrl", .parent = "PortManagement1", .kind = View, .title = "Jumbo Frame Ctrl", .table = JumboFrameVars},
    {.component = "PortInformation1", .caption = "Port Information Table", .parent = "PortManagement1", .kind = View, .title = "Port Information Table", .table = PortInfoVars, .size = {.height = 450, .heightScaled = true}},
    {.component = "PortControl1", .caption = "Port Control Table", .parent = "PortManagement1", .kind = View, .title = "Port Control Table", .table = PortControlVars, .size = {.height = 450, .heightScaled = true}},
    {.component = "PortDiagnosisTable1", .caption = "Port Diagnosis Table", .parent = "PortManagement1", .kind = View, .title = "Port Diagnosis Table", .table = PortDiagnosisVars, .flags = Hidden},
    {.component = "TrunkBasicInformation1", .caption = "Trunk Basic Information", .parent = "PortManagement1", .kind = View, .title = "Trunk Information", .table = TrunkInfoVars},
    {.component = "PortTrunk2", .caption = "Port Trunk Table", .parent = "PortManagement1", .kind = Editor},
    {.component = "PortMirrorTable1", .caption = "Port Mirror Table", .parent = "PortManagement1", .kind = Editor},
    {.component = "PortSecurity1", .caption = "Port Security Table", .parent = "PortManagement1", .kind = View, .title = "Port Security Table", .table = PortSecurityVars, .size = {.height = 450, .heightScaled = true}},
    {.component = "DeleteControl1", .caption = "Delete Control", .parent = "PortManagement1", .kind = View, .title = "Delete Control For Port Security", .table = PortSecurityDeleteVars},
    {.component = "QoSManagement1", .caption = "QoS Management", .parent = "Layer2Management2", .kind = Submenu},
    {.component = "BasicCtrl1", .caption = "Basic Configuration", .parent = "QoSManagement1", .kind = View, .title = "QOS Basic Configuration", .table = QosBasicVars, .size = {.addHeight = 20}},
    {.component = "BandwidthControlTable1", .caption = "Bandwidth Control Table", .parent = "QoSManagement1", .kind = View, .title = "Bandwidth Control Table :", .table = BandwidthControlVars},
    {.component = "SchedulingTable1", .caption = "SchedulingTable", .parent = "QoSManagement1", .kind = View, .title = "Scheduling Table", .table = SchedulingVars},
    {.component = "N8021pUserPriorityTable1", .caption = "802.1p User Priority Table", .parent = "QoSManagement1", .kind = View, .title = "8021p User Priority Table", .table = UserPriorityClassVars},
    {.component = "N8021pDefaultPriorityTable1", .caption = "802.1p Default Priority Table", .parent = "QoSManagement1", .kind = View, .title = "8021p Default Priority Table", .table = DefaultPriorityVars},
    {.component = "FilterTable1", .caption = "MAC Filter Table", .parent = "Layer2Management2", .kind = Inert, .flags = Hidden},
    {.parent = "Layer2Management2", .kind = Separator},
    {.component = "IGMPSnooping1", .caption = "IGMP Snooping", .parent = "Layer2Management2", .kind = Submenu},
    {.component = "IGMPBasicInformation2", .caption = "Basic Information ", .parent = "IGMPSnooping1", .kind = View, .title = "IGMP Snooping Basic Information", .table = IgmpBasicInfoVars},
    {.component = "IGMPControlTable2", .caption = "Control Table", .parent = "IGMPSnooping1", .kind = View, .title = "IGMP Snooping Control", .table = IgmpSnoopingControlVars, .size = {.height = 450, .heightScaled = true}},
    {.component = "IGMPQueryInformation1", .caption = "Query Information", .parent = "IGMPSnooping1", .kind = View, .title = "IGMP Snooping Query Information", .table = IgmpQueryInfoVars, .size = {.height = 450, .heightScaled = true}},
    {.component = "IGMPInformation2", .caption = "Group Information ", .parent = "IGMPSnooping1", .kind = View, .title = "IGMP Information", .table = IgmpInfoVars, .size = {.height = 450, .heightScaled = true}},
    {.parent = "Layer2Management2", .kind = Separator},
    {.component = "StormTrafficControlTable1", .caption = "Traffic Control Table", .parent = "Layer2Management2", .kind = View, .title = "Traffic Control Table", .table = TrafficControlVars, .size = {.height = 450, .heightScaled = true}},
    {.component = "TrafficSegmentationTable1", .caption = "Traffic Segmentation Table ", .parent = "Layer2Management2", .kind = Editor},
    {.component = "Acess1", .caption = "Access Control Information", .parent = "Layer2Management2", .kind = Submenu},
    {.component = "EthernetMask1", .caption = "Ethernet Mask Information", .parent = "Acess1", .kind = Editor},
    {.component = "RuleOfEthernetInformation1", .caption = "Ethernet Rule Information ", .parent = "Acess1", .kind = Editor},
    {.component = "IPMaskInformation1", .caption = "IPv4 Mask Information", .parent = "Acess1", .kind = Editor},
    {.component = "IPRule1", .caption = "IPv4 Rule Information", .parent = "Acess1", .kind = Editor},
    {.component = "UserDefinedMaskInformation1", .caption = "User Defined Mask Information", .parent = "Acess1", .kind = Editor},
    {.component = "UserDefinedInformationRule1", .caption = "User Defined Rule Information", .parent = "Acess1", .kind = Editor},
    {.component = "IPV6MaskInformation1", .caption = "IPv6 Mask Information", .parent = "Acess1", .kind = Editor},
    {.component = "IPV6Rule1", .caption = "IPv6 Rule Information", .parent = "Acess1", .kind = Editor},
    {.component = "CPUAccessControlInformation1", .caption = "CPU Access Control Information", .parent = "Layer2Management2", .kind = Submenu},
    {.component = "CPUInterfacefilterState1", .caption = "CPU Interface filter State", .parent = "CPUAccessControlInformation1", .kind = View, .title = "CPU Interface Filter Control", .table = CpuFilterControlVars, .flags = BlankAfterColon},
    {.component = "CPUEthernetMaskInformation1", .caption = "CPU Ethernet Mask Information", .parent = "CPUAccessControlInformation1", .kind = Editor},
    {.component = "CPUEthernetInformationRule1", .caption = "CPU Ethernet Rule Information", .parent = "CPUAccessControlInformation1", .kind = Editor},
    {.component = "CPUIPMaskInformation1", .caption = "CPU IPv4 Mask Information", .parent = "CPUAccessControlInformation1", .kind = Editor},
    {.component = "CPUIPRule1", .caption = "CPU IPv4 Rule Information", .parent = "CPUAccessControlInformation1", .kind = Editor},
    {.component = "CPUUserDefinedMaskInformation1", .caption = "CPU User Defined Mask Information", .parent = "CPUAccessControlInformation1", .kind = Editor},
    {.component = "CPUUserDefinedInformationRule1", .caption = "CPU User Defined Rule Information", .parent = "CPUAccessControlInformation1", .kind = Editor},
    {.component = "CPUIPv6MaskInformation1", .caption = "CPU IPv6 Mask Information", .parent = "CPUAccessControlInformation1", .kind = Editor},
    {.component = "CPUIPv6Rule1", .caption = "CPU IPv6 Rule Information", .parent = "CPUAccessControlInformation1", .kind = Editor},
    {.component = "N8023ad1", .caption = "802.3 ad", .parent = "Layer2Management2", .kind = Submenu},
    {.component = "AggregatorTable1", .caption = "Aggregator Table", .parent = "N8023ad1", .kind = View, .title = "Aggregator Table", .table = AggregatorVars},
    {.component = "AggregatorPortList1", .caption = "Aggregator Port List", .parent = "N8023ad1", .kind = Inert, .flags = Hidden},
    {.component = "AggreatorPortTable1", .caption = "Aggregator Port Table", .parent = "N8023ad1", .kind = Editor},
    {.component = "Layer3Management1", .caption = "Layer 3 Management", .kind = Submenu},
    {.component = "DeviceCtrl1", .caption = "Layer 3 Global Switch", .parent = "Layer3Management1", .kind = View, .title = "Layer 3 Global Switch", .table = Layer3GlobalSwitchVars},
    {.component = "MD5Information1", .caption = "MD5 Information ", .parent = "Layer3Management1", .kind = Editor},
    {.component = "IPManagement1", .caption = "IP Management", .parent = "Layer3Management1", .kind = Submenu},
    {.component = "IPControlManagement1", .caption = "ARP Aging Time Management", .parent = "IPManagement1", .kind = View, .title = "ARP Aging Time", .table = ArpAgingTimeVars},
    {.component = "IPControlTable1", .caption = "IP Control Table", .parent = "IPManagement1", .kind = View, .title = "IP Control Table", .table = IpControlVars, .statusRow = 6, .createText = "createAndGo", .deleteText = "destroy"},
    {.component = "IPForwardingTable1", .caption = "IP Forwarding Table", .parent = "IPManagement1", .kind = View, .title = "IP Forwarding Table", .table = IpForwardingVars},
    {.component = "IPStaticRoutingTable1", .caption = "IP Static Routing Table", .parent = "IPManagement1", .kind = View, .title = "IP Static Routing Table", .table = IpStaticRouteVars, .statusRow = 5, .createText = "valid", .deleteText = "invalid"},
    {.component = "IPFilterAddressCtrlTable1", .caption = "IP Filter Address Ctrl Table", .parent = "IPManagement1", .kind = Inert, .flags = Hidden},
    {.component = "IPMACMapTable1", .caption = "IP MAC Map Table", .parent = "IPManagement1", .kind = View, .title = "IP MAC Map Table", .table = IpMacMapVars, .flags = Hidden | BlankAfterColon},
    {.parent = "Layer3Management1", .kind = Separator},
    {.component = "BOOTPBasicConfiguration1", .caption = "BOOTP Basic Configuration", .parent = "Layer3Management1", .kind = View, .title = "BOOTP Basic Configuration", .table = BootpBasicVars},
    {.component = "BOOTPCtrlTable1", .caption = "BOOTP Ctrl Table", .parent = "Layer3Management1", .kind = Editor},
    {.component = "DNSBasicConfiguration1", .caption = "DNS Relay Global Settings", .parent = "Layer3Management1", .kind = View, .title = "DNS Relay Global Settings", .table = DnsRelayGlobalVars},
    {.component = "DNSCtrlTable1", .caption = "DNS Relay Static Table", .parent = "Layer3Management1", .kind = View, .title = "DNS Relay Static Table", .table = DnsRelayStaticVars, .statusRow = 2, .createText = "valid", .deleteText = "invalid", .size = {.addHeight = 100}},
    {.parent = "Layer3Management1", .kind = Separator},
    {.component = "RouteRedistributionTable1", .caption = "Route Redistribution Table", .parent = "Layer3Management1", .kind = Editor},
    {.component = "IPAddressFilter1", .caption = "IP Address Filter", .parent = "Layer3Management1", .kind = Inert, .flags = Hidden},
    {.component = "CIDRRFC20961", .caption = "CIDR (RFC2096)", .parent = "Layer3Management1", .kind = Companion, .viewArgument = "/TLayer3_RIP"},
    {.component = "RIP1", .caption = "RIP Timer Management", .parent = "Layer3Management1", .kind = View, .title = "RIP Timer Management", .table = RipTimerVars},
    {.component = "RIP2RFC17241", .caption = "RIP2 (RFC1724)", .parent = "Layer3Management1", .kind = Companion, .viewArgument = "/TLayer3_RIP2"},
    {.component = "OSPFRFC18501", .caption = "OSPF (RFC1850)", .parent = "Layer3Management1", .kind = Submenu},
    {.component = "OSPFGeneral1", .caption = "OSPF General", .parent = "OSPFRFC18501", .kind = Companion, .viewArgument = "/TLayer3_OSPF"},
    {.component = "AreaInfo1", .caption = "Area Info", .parent = "OSPFRFC18501", .kind = Companion, .viewArgument = "/TLayer3_Area"},
    {.component = "LsdbInfo1", .caption = "Lsdb  Info", .parent = "OSPFRFC18501", .kind = Companion, .viewArgument = "/TLayer3_Lsdb"},
    {.component = "NeighborInfo1", .caption = "Neighbor Info", .parent = "OSPFRFC18501", .kind = Companion, .viewArgument = "/TLayer3_Neighbor"},
    {.component = "InterfaceTable1", .caption = "Interface Table", .parent = "OSPFRFC18501", .kind = Companion, .viewArgument = "/TLayer3_Interface"},
    {.component = "VirtualInterfaceTable1", .caption = "Virtual Interface Table", .parent = "OSPFRFC18501", .kind = View, .title = "Virtual Interface Table", .table = OspfVirtualIfVars, .statusRow = 11, .createText = "createAndGo", .deleteText = "destroy"},
    {.component = "HostTable1", .caption = "Host Table", .parent = "OSPFRFC18501", .kind = View, .title = "Host Table", .table = OspfHostVars, .statusRow = 4, .createText = "createAndGo", .deleteText = "destroy"},
    {.component = "OSPFTrap1", .caption = "OSPFTrap", .parent = "OSPFRFC18501", .kind = Inert, .flags = Hidden},
    {.component = "RoutePreference1", .caption = "Route Preference", .parent = "OSPFRFC18501", .kind = View, .title = "Route Preference", .table = RoutePreferenceVars},
    {.component = "VRRPRFC27871", .caption = "VRRP (RFC2787)", .parent = "Layer3Management1", .kind = Submenu},
    {.component = "VRRPControl1", .caption = "VRRP Control", .parent = "VRRPRFC27871", .kind = View, .title = "VRRP Control", .table = VrrpControlVars},
    {.parent = "VRRPRFC27871", .kind = Separator},
    {.component = "VRRPOperation1", .caption = "VRRP Operation", .parent = "VRRPRFC27871", .kind = View, .title = "VRRP Operations", .table = VrrpOperVars},
    {.component = "VirtualRouteAddress1", .caption = "Virtual Route Address", .parent = "VRRPRFC27871", .kind = View, .title = "Virtual Route Address Table", .table = VrrpAssoIpVars, .statusRow = 3, .createText = "createAndGo", .deleteText = "destroy"},
    {.component = "VRRPErrorStatistics1", .caption = "VRRP Error Statistics", .parent = "VRRPRFC27871", .kind = View, .title = "VRRP Error Statistics Table", .table = VrrpRouterStatsVars},
    {.component = "VirtualRouteStatistics1", .caption = "Virtual Route Statistics", .parent = "VRRPRFC27871", .kind = View, .title = "Virtual Router Statistics Table", .table = VrrpStatsVars},
    {.parent = "Layer3Management1", .kind = Separator},
    {.component = "IpMroute1", .caption = "IpMroute", .parent = "Layer3Management1", .kind = Companion, .viewArgument = "/TLayer3_IPM"},
    {.component = "DVMRP1", .caption = "DVMRP", .parent = "Layer3Management1", .kind = Companion, .viewArgument = "/TLayer3_DVMRP"},
    {.component = "PIMRFC29341", .caption = "PIM (RFC2934)", .parent = "Layer3Management1", .kind = Submenu},
    {.component = "InterfaceTable2", .caption = "Interface Table", .parent = "PIMRFC29341", .kind = View, .title = "PIM Interface Table", .table = PimInterfaceVars},
    {.component = "NeighborTable1", .caption = "Neighbor Table", .parent = "PIMRFC29341", .kind = View, .title = "PIM Neighbor Table", .table = PimNeighborVars},
    {.component = "IpMulticastRouteTable1", .caption = "IP Multicast Route Table", .parent = "PIMRFC29341", .kind = View, .title = "PIM IP Multicast Route Table", .table = PimIpMRouteVars},
    {.component = "RendezvousPointsSetTable1", .caption = "Rendezvous Points Set Table", .parent = "PIMRFC29341", .kind = View, .title = "PIM Rendezvous Points Set Table", .table = PimRpSetVars},
    {.component = "CandidateRendezvousPointsTable1", .caption = "Candidate Rendezvous Points Table", .parent = "PIMRFC29341", .kind = View, .title = "PIM Candidate Rendezvous Points Table", .table = PimCandidateRpVars},
    {.component = "PIM1", .caption = "PIM Management", .parent = "Layer3Management1", .kind = Submenu},
    {.component = "CBSRManagement", .caption = "C-BSR Management", .parent = "PIM1", .kind = Submenu},
    {.component = "CBSRInformation1", .caption = "C-BSR Information", .parent = "CBSRManagement", .kind = View, .title = "C-BSR Information", .table = CbsrInfoVars, .size = {.height = 200}},
    {.component = "CBSRTable1", .caption = "C-BSR Table", .parent = "CBSRManagement", .kind = View, .title = "C-BSR Table", .table = CbsrVars, .size = {.height = 200}},
    {.component = "CandidateRPManagement", .caption = "CandidateRP Management", .parent = "PIM1", .kind = View, .title = "CandidateRP Management", .table = CandidateRpVars},
    {.component = "SPTManagement1", .caption = "SPT Management", .parent = "PIM1", .kind = View, .title = "SPT Management", .table = SptVars, .size = {.height = 200}},
    {.component = "RegisterChecksumIncludingDataInformation1", .caption = "Register Checksum Including Data Information", .parent = "PIM1", .kind = View, .title = "Register Checksum Including Data Information", .table = RegisterChecksumVars, .statusRow = 1, .createText = "createAndGo", .deleteText = "destroy", .size = {.height = 250}},
    {.component = "PIMInformation1", .caption = "PIM Information", .parent = "PIM1", .kind = Submenu},
    {.component = "RegisterTime1", .caption = "Register Time", .parent = "PIMInformation1", .kind = View, .title = "Register Time", .table = RegisterTimeVars, .size = {.height = 200}},
    {.component = "PIMInformationTable1", .caption = "PIM Information Table", .parent = "PIMInformation1", .kind = View, .title = "PIM Information Table", .table = PimInfoVars, .size = {.height = 200}},
    {.component = "StaticRPTableInformation1", .caption = "Static RP Table Information", .parent = "PIM1", .kind = View, .title = "Static RP Table Information", .table = StaticRpVars, .statusRow = 3, .createText = "createAndGo", .deleteText = "destroy"},
    {.parent = "Layer3Management1", .kind = Separator},
    {.component = "IGMPInterfaceEntry1", .caption = "IGMP Interface Table", .parent = "Layer3Management1", .kind = View, .title = "IGMP Interface Table", .table = IgmpInterfaceVars},
    {.component = "IGMPCacheTable1", .caption = "IGMP Cache Table", .parent = "Layer3Management1", .kind = View, .title = "IGMP Cache Table", .table = IgmpCacheVars},
    {.component = "IGMPSrcListTable1", .caption = "IGMP Src List Table", .parent = "Layer3Management1", .kind = View, .title = "IGMP src List Table", .table = IgmpSrcListVars},
    {.component = "SingleIP1", .caption = "Single IP", .kind = Submenu},
    {.component = "objectSingleIPControl1TMenuItem1", .caption = "Single IP Control", .parent = "SingleIP1", .kind = View, .title = "Single IP Control", .table = SingleIpControlVars},
    {.component = "MyInformation1", .caption = "My Information", .parent = "SingleIP1", .kind = View, .title = "My Information", .table = SingleIpInfoVars},
    {.component = "AddMemberSwitch1", .caption = "Add Member Switch", .parent = "SingleIP1", .kind = View, .title = "Add Member Switch", .table = MemberSwitchEditVars, .flags = Hidden},
    {.component = "MemberSwitch1", .caption = "Member Switch", .parent = "SingleIP1", .kind = Editor},
    {.component = "CandidateSwitch1", .caption = "Candidate Switch", .parent = "SingleIP1", .kind = View, .title = "Candidate Switch", .table = CandidateSwitchVars},
    {.component = "GroupInformation1", .caption = "Group Information", .parent = "SingleIP1", .kind = View, .title = "Group Information", .table = SingleIpGroupVars},
    {.component = "NeighborEntry1", .caption = "Neighbor Information", .parent = "SingleIP1", .kind = View, .title = "Single IP Neighbor Table", .table = SingleIpNeighborVars},
    {.component = "Help1", .caption = "Help", .kind = Submenu},
    {.component = "Help2", .caption = "Help", .parent = "Help1", .kind = Help},
    {.component = "About1", .caption = "About", .parent = "Help1", .kind = About},
    {.component = "Test", .caption = "Test", .parent = "Help1", .kind = Inert, .flags = Hidden},
    {.component = "PortInfoPopupMenu", .kind = PopupMenu},
    {.component = "PortInformation2", .caption = "Port Information", .parent = "PortInfoPopupMenu", .kind = View, .title = "Port Information Table", .table = PortInfoVars, .size = {.addWidth = 50}, .flags = PortInstance},
    {.component = "PortConfiguration1", .caption = "Port Configuration", .parent = "PortInfoPopupMenu", .kind = View, .title = "Port Configuration", .table = PortControlVars, .size = {.addWidth = 80}, .flags = PortInstance},
};

}  // namespace

std::span<const TMenuEntry> MenuCatalogue::entries()
{
    return kEntries;
}

const TMenuEntry* MenuCatalogue::find(std::string_view component)
{
    for (const TMenuEntry& entry : kEntries) {
        if (entry.component && component == entry.component)
            return &entry;
    }
    return nullptr;
}

const NvViewTable* MenuCatalogue::viewTable(const TMenuEntry& entry)
{
    if (entry.kind != View)
        return nullptr;
    for (const NvViewTable* t = NvViewCatalogue::begin(); t != NvViewCatalogue::end(); ++t) {
        if (t->table == entry.table)
            return t;
    }
    return nullptr;
}

NvSNMPVarList::Kind MenuCatalogue::listKind(const TMenuEntry& entry)
{
    if (entry.has(PortInstance))
        return NvSNMPVarList::SingleInstance;
    const NvViewTable* t = viewTable(entry);
    return t ? t->listKind : NvSNMPVarList::ScalarGroup;
}

int MenuCatalogue::indexCount(const TMenuEntry& entry)
{
    if (entry.has(PortInstance))
        return 0;
    const NvViewTable* t = viewTable(entry);
    return t ? t->indexCount : 0;
}

bool MenuCatalogue::isTableView(const TMenuEntry& entry)
{
    const uint8_t kind = listKind(entry);
    return kind == NvSNMPVarList::Table || kind == NvSNMPVarList::EditableTable;
}

int MenuCatalogue::offeredStatusRow(const TMenuEntry& entry)
{
    if (entry.statusRow < 0 || !entry.table)
        return -1;
    for (int row = 0; entry.table[row].oid; ++row) {
        if (row != entry.statusRow)
            continue;
        const NvOptionList* options = entry.table[row].options;
        const bool offered =
            options && options->indexOfLabel(entry.createText) >= 0 && options->indexOfLabel(entry.deleteText) >= 0;
        return offered ? row : -1;
    }
    return -1;
}
