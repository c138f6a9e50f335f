"""Rows of the 181 view tables, in catalogue order.

Each table: (number, C++ name, area, base, rows). A row is a string:
  "@object [s=SYNTAX] [a=ACCESS] [o=OPTIONS]"   a standard object, looked up in
                                                the MIB facts (identifier, syntax,
                                                access and enumeration)
  "OID SYNTAX ACCESS [OPTIONS]"                 a private object; an OID that starts
                                                with "." is relative to the base;
                                                "_" is the blank identifier
OPTIONS is a named set (options.py), "-" for none, or "v=label,v=label".
Labels come from the reference list of row labels, by position.
"""

P = "1.3.6.1.4.1.497"
D = P + ".11.59.7.2"   # layer 2 device subtree
L3 = P + ".11.59.7.3"  # layer 3 device subtree
C = P + ".12"          # common subtrees

PORT_TYPE = "1=other,2=100BASE-TX,3=100BASE-FX,4=1000BASE-T,5=1000BASE-SX,6=1000BASE-LX,7=10GBASE"
NWAY_STATE = ("1=other,2=nway-enabled,3=nway-disabled-10Mbps-Half,4=nway-disabled-10Mbps-Full,"
              "5=nway-disabled-100Mbps-Half,6=nway-disabled-100Mbps-Full,7=nway-disabled-1Gigabps-Half,"
              "8=nway-disabled-1Gigabps-Full,9=nway-disabled-1Gigabps-Full-master,10=nway-disabled-1Gigabps-Full-slave")
NWAY_STATUS = ("1=other,2=empty,3=link-down,4=half-10Mbps,5=full-10Mbps,6=half-100Mbps,7=full-100Mbps,"
               "8=half-1Gigabps,9=full-1Gigabps")
PAE_STATE = ("1=initialize,2=disconnected,3=connecting,4=authenticating,5=authenticated,6=aborting,"
             "7=held,8=forceAuth,9=forceUnauth,10=restart")
BACKEND_STATE = "1=request,2=response,3=success,4=fail,5=timeout,6=idle,7=initialize,8=ignore"
TERMINATE = ("1=supplicantLogoff,2=portFailure,3=supplicantRestart,4=reauthFailed,5=authControlForceUnauth,"
             "6=portReInit,7=portAdminDisabled,999=notTerminatedYet")
PROTOCOL_VLAN = ("1=dot1q-VLAN,2=protocol-ip,3=protocol-ipx803dot3,4=protocol-ipx802dot2,5=protocol-ipxSnap,"
                 "6=protocol-ipxEthernet2,7=protocol-appleTalk,8=protocol-decLat,9=protocol-dexOther,"
                 "10=protocol-sna802dot2,11=protocol-snaEthernet2,12=protocol-netBios,13=protocol-xns,"
                 "14=protocol-vines,15=protocol-ipV6,16=protocol-userDefined,17=protocol-rarp")
ROUTE_TYPE = "2=all,3=type-1,4=type-2,5=internal,6=external,7=inter+E1,8=inter+E2,9=extType1,10=extType2"
SI_ROLE = "1=candidate,2=member,3=commander"


# Index counts that differ from the view list: the group forwarding view has two
# index columns (VLAN and group address); with one the address would never be
# decoded from the instance.
INDEX_COUNT = {67: 2}


def seq(base, first, last, syntax, access, opts="-"):
    return [f"{base}.{n} {syntax} {access} {opts}" for n in range(first, last + 1)]


TABLES = [
    # ---- layer 2 device ----
    (1, "IfXTableVars", "device", None, ["@ifIndex a=2"] + [f"@{n}" for n in (
        "ifName ifInMulticastPkts ifInBroadcastPkts ifOutMulticastPkts ifOutBroadcastPkts ifHCInOctets "
        "ifHCInUcastPkts ifHCInMulticastPkts ifHCInBroadcastPkts ifHCOutOctets ifHCOutUcastPkts "
        "ifHCOutMulticastPkts ifHCOutBroadcastPkts ifLinkUpDownTrapEnable ifHighSpeed ifPromiscuousMode "
        "ifConnectorPresent ifAlias ifCounterDiscontinuityTime").split()]),
    (2, "UnicastForwardingVars", "device", None, [
        "@dot1qFdbId", "@dot1qTpFdbAddress", "@dot1qTpFdbPort", "@dot1qTpFdbStatus"]),
    (3, "Bridge8021dInfoVars", "device", None, [
        "@dot1dBaseNumPorts", "@dot1dTpLearnedEntryDiscards", "@dot1dTpAgingTime"]),
    (4, "DeviceInfoVars", "device", D + ".1.1", [".1 2 2", ".2 2 2"]),
    (5, "Layer2GlobalSwitchVars", "device", D + ".1.2", [
        ".1 2 6 DE", ".2 2 6 DE", ".4 2 6 1=normal,2=active", ".5 2 6", ".6 2 6 DE", ".7 2 6", ".8 2 6",
        ".14.1 2 6 DE", ".14.2 2 6"]),
    (6, "BandwidthControlVars", "device", D + ".6.1.1", [".1 2 2", ".2 2 6", ".3 2 6"]),
    (7, "SchedulingVars", "device", D + ".6.2.1", [".1 2 2", ".2 2 6", ".3 2 6 1=strict,2=roundrobin"]),
    (8, "UserPriorityClassVars", "device", D + ".6.3.1", [".1 2 2", ".2 2 6"]),
    (9, "DefaultPriorityVars", "device", D + ".6.4.1", [".1 2 2", ".2 2 6"]),
    (10, "RmonStateVars", "device", D + ".1.2", [".3 2 6 DE"]),
    (11, "AlarmControlVars", "device", D + ".1.3", [".1 2 6 DE", ".2 2 6 DE", ".3 2 6 DE"]),
    (12, "PortInfoVars", "device", D + ".3.1.1", [
        ".1 2 2", ".2 2 2", f".3 2 2 {PORT_TYPE}", ".4 2 2 1=other,2=link-pass,3=link-fail", f".5 2 2 {NWAY_STATUS}"]),
    (13, "JumboFrameVars", "device", D + ".3", [".3 2 6 DE"]),
    (14, "QosBasicVars", "device", D + ".6", [".5 2 6 1=strict,2=roundrobin", ".6 2 6 DE"]),
    (15, "PortControlVars", "device", D + ".3.2.1", [
        ".1 2 2", ".2 2 2", ".3 2 6 DE", f".4 2 6 {NWAY_STATE}", ".5 2 6 DE", ".6 2 6 DE", ".7 2 6 DE"]),
    (16, "PortTrunkVars", "device", D + ".9.3.1", [
        ".1 2 2", ".2 76 6", ".3 2 6", ".4 3 6", ".5 2 2", ".6 2 6 2=static,3=lacp",
        ".7 2 6 1=enable,2=disable,4=createAndGo,5=createAndWait,6=destroy"]),
    (17, "TrunkInfoVars", "device", D + ".9", [
        ".1 2 2", ".2 2 2",
        ".4 2 6 2=mac-source,3=mac-destination,4=mac-source-dest,5=ip-source,6=ip-destination,7=ip-source-dest"]),
    (18, "PortMirrorVars", "device", D + ".10", [".1 2 6", ".2 4 6", ".3 4 6", ".4 2 6 DE"]),
    (19, "IgmpSnoopingControlVars", "device", D + ".11.3.1", [
        ".1 2 2", ".2 2 6", ".3 2 6", ".4 2 6", ".5 2 6", ".6 2 6", ".7 2 6", ".8 2 6", ".9 2 6 DE",
        ".10 2 2 1=other,2=querier,3=non-querier", ".11 2 6 DE", ".12 2 6 DE"]),
    (20, "IgmpQueryInfoVars", "device", D + ".11.4.1", [".1 2 2", ".2 2 2", ".3 2 2"]),
    (21, "IgmpInfoVars", "device", D + ".11.5.1", [".1 2 2", ".2 64 2", ".3 73 2", ".4 4 2", ".5 2 2"]),
    (22, "IgmpBasicInfoVars", "device", D + ".11", [".1 66 2", ".2 66 2"]),
    (23, "TrafficControlVars", "device", D + ".13.1.1", [
        ".1 2 2", ".2 2 2", ".3 2 6", ".4 2 6 DE", ".5 2 6 DE", ".6 2 6 DE"]),
    (24, "TrafficSegmentationVars", "device", D + ".14.1.1", [".1 2 2", ".2 4 6"]),
    (25, "PortSecurityVars", "device", D + ".7.1.1", [
        ".1 2 2", ".2 2 6", ".3 2 6 1=other,2=permanent,3=deleteOnTimeout,4=deleteOnReset", ".4 2 6 DE"]),
    (26, "MibCapabilitiesVars", "device", C + ".1.1.2.1", [
        ".1 2 1", ".2 76 2", ".3 76 2", ".4 2 2 1=standard,2=proprietary"]),
    (27, "BasicConfigurationVars", "device", C + ".1.1", [
        ".1 4 2", ".3 2 2 1=other,2=in-use,3=not-in-use", ".4 2 2 1=other,2=completed,3=time-out,4=in-progress",
        ".5 2 2 1=other,2=in-progress,3=success,4=fail", ".7 2 2 1=other,2=supported,3=not-supported",
        ".8 2 6 1=other,2=cold-start,3=warm-start,4=no-reset", ".9 2 2 1=other,2=console,3=none",
        ".10 2 6 1=other,2=cfg-save,3=cfg-save-log", ".11 2 6 1=other,2=manual,3=bootp,4=dhcp"]),
    (28, "UpdateFilesVars", "device", C + ".1.2.1.1", [
        ".1 2 1", ".2 76 2", ".3 64 6", ".4 2 6 1=other,2=download,3=upload", ".5 76 6",
        ".6 2 6 1=other,2=firmware,3=configuration,4=log", ".7 2 6 1=other,2=increment,3=overwrite",
        ".8 2 2 1=other,2=in-process,3=invalid-file,4=violation,5=file-not-found,6=disk-full,7=complete,8=time-out",
        ".9 2 2", ".10 2 2"]),
    (29, "PortSecurityDeleteVars", "device", D + ".7.2", [
        ".1 76 6", ".2 2 6", ".3 76 6", ".4 2 6 1=none,2=start"]),
    (30, "SeverityControlVars", "device", C + ".1.2.8", [".1 2 6 CWI", ".2 2 6 CWI"]),
    (31, "SubUnitVars", "device", D + ".1.1.3.1", [".1 2 1", ".3 76 2", ".4 76 2", ".5 76 2", ".6 76 2"]),
    (32, "PortDiagnosisVars", "device", D + ".3.4.1", [
        ".1 2 2", ".2 2 2",
        ".3 2 2 0=ok,1=open,2=short,3=open-short,4=crosstalk,5=unknown,6=count,7=no-cable,8=other", ".4 2 2"]),
    (33, "CpuUtilizationVars", "device", C + ".1.1.6", [".1 2 2", ".2 2 2", ".3 2 2"]),
    (34, "FirmwareInfoVars", "device", C + ".1.2.7.1", [
        ".1 2 1", ".2 76 2", ".3 66 2", ".4 76 2", ".5 76 2", ".6 76 2"]),
    (35, "FirmwareImageFileVars", "device", C + ".1.2.8.1", [
        ".1 2 1", ".2 64 6", ".3 76 6", ".4 2 6 1=none,2=download,3=upload"]),
    (36, "StpAlgorithmVars", "device", C + ".15.1", [".1 2 6 DE"]),
    (37, "StpControlVars", "device", C + ".15.1", [
        ".2 2 6 0=stp,1=rstp,2=mstp", ".3 2 6", ".4 2 6", ".5 2 6", ".6 2 6", ".7 2 6", ".8 2 6 DE"]),
    (38, "MstpConfigIdVars", "device", C + ".15.2", [".1 76 6", ".2 2 6"]),
    (39, "MstpInstanceVars", "device", C + ".15.2.3.1", [".1 2 1"] + seq(C + ".15.2.3.1", 2, 9, 4, 6) + [
        ".10 2 2 1=cist,2=msti", ".11 2 2 1=enabled,2=disabled", ".12 2 6", ".13 4 2", ".14 2 2", ".15 4 2",
        ".16 2 2", ".17 4 2", ".18 2 2", ".19 2 2", ".20 2 2", ".21 67 2", ".22 2 2", ".23 2 2", ".24 2 6 RS"]),
    (40, "MstpPortStateVars", "device", C + ".15.2.4.1", [
        ".1 2 1", ".2 2 6", ".3 2 2", ".4 2 6 ED", ".5 2 6", ".6 2 6 TF", ".7 2 6 TF", ".8 2 2 TF",
        ".9 2 6 1=auto,2=true,3=false", ".10 2 2 TF"]),
    (41, "PortMstpInfoVars", "device", C + ".15.2.5.1", [
        ".1 2 1", ".2 2 1", ".3 4 2", ".4 2 6", ".5 2 6",
        ".6 2 2 1=disabled,2=discarding,3=learning,4=forwarding,5=broken",
        ".7 2 2 1=disabled,2=alternate,3=backup,4=root,5=designated,6=master"]),
    # ---- PIM, stacking, time, probe, bridge and VLAN ----
    (42, "PimInterfaceVars", "bridge", None, [f"@{n}" for n in (
        "pimInterfaceIfIndex pimInterfaceAddress pimInterfaceNetMask pimInterfaceMode pimInterfaceDR "
        "pimInterfaceHelloInterval").split()] + [
        "@pimInterfaceStatus o=RS6", "@pimInterfaceJoinPruneInterval", "@pimInterfaceCBSRPreference"]),
    (43, "PimNeighborVars", "bridge", None, [f"@{n}" for n in (
        "pimNeighborAddress pimNeighborIfIndex pimNeighborUpTime pimNeighborExpiryTime pimNeighborMode").split()]),
    (44, "PimIpMRouteVars", "bridge", None, ["_ 64 1", "_ 64 1", "_ 64 1"] + [f"@{n}" for n in (
        "pimIpMRouteUpstreamAssertTimer pimIpMRouteAssertMetric pimIpMRouteAssertMetricPref "
        "pimIpMRouteAssertRPTBit pimIpMRouteFlags").split()]),
    (45, "PimRpSetVars", "bridge", "1.3.6.1.3.61.1.1.6.1", [
        ".6 2 1", ".1 64 1", ".2 64 1", ".3 64 1", ".4 2 2", ".5 67 2"]),
    (46, "PimCandidateRpVars", "bridge", None, [
        "@pimCandidateRPGroupAddress", "@pimCandidateRPGroupMask", "@pimCandidateRPAddress", "@pimCandidateRPRowStatus"]),
    (47, "PowerVars", "bridge", C + ".11.1.6.1", [
        ".1 2 1", ".2 2 2",
        ".3 2 2 1=other,2=lowVoltage,3=overCurrent,4=working,5=fail,6=connect,7=disconnect"]),
    (48, "EquipmentBasicInfoVars", "bridge", C + ".11.1", [".1 3 2", ".9.1 2 2", ".9.2 2 2", ".9.3 2 2"]),
    (49, "UnitTableVars", "bridge", C + ".11.1.9.4.1", [
        ".1 2 1", ".2 2 2 EXIST", ".3 73 2", ".4 2 2", ".5 2 2", ".6 4 2", ".8 2 2 MODE", ".9 76 2", ".10 76 2",
        ".11 76 2", ".12 76 2", ".13 76 2", ".14 2 6"]),
    (50, "FanVars", "bridge", C + ".11.1.7.1", [
        ".1 2 1", ".2 2 1", ".3 2 2 1=other,2=working,3=fail,4=speed-0,5=speed-low,6=speed-middle,7=speed-high"]),
    (51, "MainUnitTableVars", "bridge", C + ".11.1.9.4.1", [
        ".1 2 1", ".2 2 2 EXIST", ".3 73 2", ".4 2 2", ".5 2 2", ".6 4 2", ".8 2 2 MODE", ".9 76 2", ".10 76 2",
        ".6 4 2"]),
    (52, "CurrentTimeVars", "bridge", C + ".10", [
        ".3 2 6 ED", ".4 76 6", ".5 67 2", ".6 76 2", ".7 2 6"]),
    (53, "NetworkTimeVars", "bridge", C + ".10.11", [
        ".1 2 6 DE", ".2 2 2 1=other,2=local,3=sntp", ".3 76 6", ".4 76 6", ".5 2 6"]),
    (54, "SummerTimeStatusVars", "bridge", C + ".10.12", [".1 2 6 0=disable,1=repeating,2=annual", ".2 2 6"]),
    (55, "SummerTimeRepeatVars", "bridge", C + ".10.12", [".3 4 6", ".4 4 6"]),
    (56, "SummerTimeAnnualVars", "bridge", C + ".10.12", [".5 4 6", ".6 4 6"]),
    (57, "ProbeBasicInfoVars", "bridge", None, [f"@{n}" for n in (
        "probeCapabilities probeSoftwareRev probeHardwareRev probeResetControl probeDownloadFile "
        "probeDownloadTFTPServer probeDownloadAction probeDownloadStatus netDefaultGateway").split()]),
    (58, "PortCapabilities8021dVars", "bridge", None, ["@dot1dBasePort a=1", "@dot1dPortCapabilities"]),
    (59, "DeviceCapabilitiesVars", "bridge", None, ["@dot1dDeviceCapabilities"]),
    (60, "TrafficClassesEnabledVars", "bridge", None, ["@dot1dTrafficClassesEnabled"]),
    (61, "DefaultUserPriorityVars", "bridge", None, [
        "@dot1dBasePort a=1", "@dot1dPortDefaultUserPriority", "@dot1dPortNumTrafficClasses"]),
    (62, "RegenUserPriorityVars", "bridge", None, [
        "@dot1dBasePort a=1", "@dot1dUserPriority", "@dot1dRegenUserPriority"]),
    (63, "TrafficClassVars", "bridge", None, [
        "@dot1dBasePort a=1", "@dot1dTrafficClassPriority", "@dot1dTrafficClass"]),
    (64, "OutboundAccessPriorityVars", "bridge", None, [
        "@dot1dBasePort a=1", "@dot1dRegenUserPriority a=1", "@dot1dPortOutboundAccessPriority"]),
    (65, "GarpVars", "bridge", None, [
        "@dot1dBasePort a=1", "@dot1dPortGarpJoinTime", "@dot1dPortGarpLeaveTime", "@dot1dPortGarpLeaveAllTime"]),
    (66, "VlanGeneralInfoVars", "bridge", None, [
        "@dot1qVlanVersionNumber o=-", "@dot1qMaxVlanId", "@dot1qMaxSupportedVlans", "@dot1qNumVlans", "@dot1qGvrpStatus"]),
    (67, "TpGroupVars", "bridge", None, [
        "@dot1qVlanIndex", "@dot1qTpGroupAddress", "@dot1qTpGroupEgressPorts s=4", "@dot1qTpGroupLearnt s=4"]),
    (68, "ForwardAllVars", "bridge", None, [
        "@dot1qVlanIndex", "@dot1qForwardAllPorts", "@dot1qForwardAllStaticPorts", "@dot1qForwardAllForbiddenPorts"]),
    (69, "ForwardUnregisteredVars", "bridge", None, [
        "@dot1qVlanIndex", "@dot1qForwardUnregisteredPorts s=4", "@dot1qForwardUnregisteredStaticPorts s=4",
        "@dot1qForwardUnregisteredForbiddenPorts s=4"]),
    (70, "VlanCurrentVars", "bridge", None, [
        "@dot1qVlanTimeMark", "@dot1qVlanIndex", "@dot1qVlanFdbId", "@dot1qVlanCurrentEgressPorts s=4",
        "@dot1qVlanCurrentUntaggedPorts s=4", "@dot1qVlanStatus", "@dot1qVlanCreationTime"]),
    (71, "VlanStaticVars", "bridge", None, [
        "@dot1qVlanIndex", "@dot1qVlanStaticName", "@dot1qVlanStaticEgressPorts", "@dot1qVlanForbiddenEgressPorts",
        "@dot1qVlanStaticUntaggedPorts", "@dot1qVlanStaticRowStatus o=1=Active,4=CreateAndGo,6=Destroy"]),
    (72, "VlanPortVars", "bridge", None, [
        "@dot1dBasePort a=1", "@dot1qPvid", "@dot1qPortAcceptableFrameTypes o=1=admitAll,2=admitOnlyVLANTagged",
        "@dot1qPortIngressFiltering", "@dot1qPortGvrpStatus", "@dot1qPortGvrpFailedRegistrations",
        "@dot1qPortGvrpLastPduOrigin"]),
    (73, "VlanNumDeletesVars", "bridge", None, ["@dot1qVlanNumDeletes"]),
    (74, "NextFreeVlanIndexVars", "bridge", None, ["@dot1qNextFreeLocalVlanIndex o=1=independent,2=shared"]),
    (75, "StaticMulticastVars", "bridge", None, [
        "@dot1qFdbId s=2", "@dot1qStaticMulticastAddress", "@dot1qStaticMulticastReceivePort",
        "@dot1qStaticMulticastStaticEgressPorts", "@dot1qStaticMulticastStatus o=2=invalid,3=permanent"]),
    (76, "StaticUnicastVars", "bridge", None, [
        "@dot1qFdbId s=2", "@dot1qStaticUnicastAddress", "@dot1qStaticUnicastReceivePort",
        "@dot1qStaticUnicastAllowedToGoTo", "@dot1qStaticUnicastStatus o=2=invalid,3=permanent"]),
    # ---- access profiles and rules ----
    (77, "EthernetMaskVars", "access", C + ".9.2.1.1", [
        ".1 2 2", ".2 2 6 ED", ".3 2 6 1=other,2=dst-mac-addr,3=src-mac-addr,4=dst-src-mac-addr",
        ".4 73 6", ".5 73 6", ".6 2 6 ED", ".7 2 6 ED", ".8 2 6 RS"]),
    (78, "IpMaskVars", "access", C + ".9.2.2.1", [
        ".1 2 2", ".2 2 6 ED", ".3 2 6 1=other,2=dst-ip-addr,3=src-ip-addr,4=dst-src-ip-addr", ".4 64 6", ".5 64 6",
        ".6 2 6 ED", ".7 2 6 PROTO", ".8 2 6 1=none,2=type,3=code,4=type-code", ".9 2 6 EN", ".10 2 6 ODS",
        ".11 2 6 ODS", ".12 4 6", ".13 4 6", ".14 2 6 EN", ".15 2 6", ".16 2 6 EN", ".17 4 6", ".18 2 6 RS"]),
    (79, "EthernetRuleVars", "access", C + ".9.3.1.1", [
        ".1 2 1", ".2 2 1", ".3 76 6", ".4 73 6", ".5 73 6", ".6 2 6", ".7 4 6", ".8 2 6 ED", ".9 2 6",
        ".10 2 6 ED", ".11 2 6 ED", ".12 2 6", ".13 2 6 DPM", ".14 3 6", ".15 2 6 RS"]),
    (80, "IpRuleVars", "access", C + ".9.3.2.1", [
        ".1 2 1", ".2 2 1", ".3 76 6", ".4 64 6", ".5 64 6", ".6 2 6", ".7 2 2 PROTO", ".8 2 6", ".9 2 6",
        ".10 2 6", ".11 2 6", ".12 2 6", ".13 2 6", ".14 4 6", ".15 2 6 ED", ".16 2 6", ".17 2 6 ED",
        ".18 2 6 ED", ".19 2 6", ".20 2 6 DPM", ".21 3 6", ".22 2 6 RS"]),
    (81, "UserMaskVars", "access", C + ".9.2.3.1", [
        ".1 2 1", ".2 4 6", ".3 4 6", ".4 4 6", ".5 4 6", ".6 4 6", ".7 2 6 RS"]),
    (82, "UserDefinedRuleVars", "access", C + ".9.3.3.1", [
        ".1 2 1", ".2 2 1", ".3 4 6", ".4 4 6", ".5 4 6", ".6 4 6", ".7 4 6", ".8 2 6 ED", ".9 2 6",
        ".10 2 6 ED", ".11 2 6 ED", ".12 2 6", ".13 2 6 DPM", ".14 3 6", ".15 2 6 RS"]),
    (83, "Ipv6MaskVars", "access", C + ".9.2.4.1", [
        ".1 2 1", ".2 2 6 EN", ".3 2 6 EN", ".4 2 6 1=other,2=dst-ipv6-addr,3=src-ipv6-addr,4=dst-src-ipv6-addr",
        ".5 4 6", ".6 4 6", ".7 2 6 RS"]),
    (84, "Ipv6RuleVars", "access", C + ".9.3.4.1", [
        ".1 2 1", ".2 2 1", ".3 2 6", ".4 4 6", ".5 4 6", ".6 4 6", ".7 2 6 ED", ".8 2 6", ".9 2 6 ED",
        ".10 2 6 DPM", ".11 3 6", ".12 2 6 RS"]),
    (85, "CpuEthernetMaskVars", "access", C + ".9.4.1.1", [
        ".1 2 1", ".2 2 6 ED", ".3 2 6 1=other,2=dst-mac-addr,3=src-mac-addr,4=dst-src-mac-addr",
        ".4 73 6", ".5 73 6", ".6 2 6 ED", ".7 2 6 ED", ".8 2 6 RS"]),
    (86, "CpuIpMaskVars", "access", C + ".9.4.2.1", [
        ".1 2 1", ".2 2 6 ED", ".3 2 6 1=other,2=dst-ip-addr,3=src-ip-addr,4=dst-src-ip-addr", ".4 64 6", ".5 64 6",
        ".6 2 6 ED", ".7 2 6 PROTO", ".8 2 6 1=none,2=type,3=code,4=type-code", ".9 2 6 EN", ".10 2 6 ODS",
        ".11 2 6 ODS", ".12 4 6", ".13 4 6", ".14 2 6 EN", ".15 2 6", ".16 2 6 EN", ".17 4 6", ".18 2 6 RS"]),
    (87, "CpuUserMaskVars", "access", C + ".9.4.3.1", [
        ".1 2 1", ".2 4 6", ".3 4 6", ".4 4 6", ".5 4 6", ".6 4 6", ".7 2 6 RS"]),
    (88, "CpuIpv6MaskVars", "access", C + ".9.4.4.1", [
        ".1 2 1", ".2 2 6 EN", ".3 2 6 EN", ".4 2 6 1=other,2=dst-ipv6-addr,3=src-ipv6-addr,4=dst-src-ipv6-addr",
        ".5 4 6", ".6 4 6", ".7 2 6 RS"]),
    (89, "CpuEthernetRuleVars", "access", C + ".9.5.1.1", [
        ".1 2 1", ".2 2 1", ".3 76 6", ".4 73 6", ".5 73 6", ".6 2 6", ".7 76 6", ".8 2 6 DP", ".9 2 6 RS"]),
    (90, "CpuIpRuleVars", "access", C + ".9.5.2.1", [
        ".1 2 1", ".2 2 1", ".3 76 6", ".4 64 6", ".5 64 6", ".6 2 6", ".7 2 2 PROTO", ".8 2 6", ".9 2 6",
        ".10 2 6", ".11 2 6", ".12 2 6", ".13 2 6", ".14 4 6", ".15 2 6 DP", ".16 2 6 RS"]),
    (91, "CpuUserDefinedRuleVars", "access", C + ".9.5.3.1", [
        ".1 2 1", ".2 2 1", ".3 4 6", ".4 4 6", ".5 4 6", ".6 4 6", ".7 4 6", ".8 2 6 DP", ".9 2 6 RS"]),
    (92, "CpuIpv6RuleVars", "access", C + ".9.5.4.1", [
        ".1 2 1", ".2 2 1", ".3 2 6", ".4 4 6", ".5 4 6", ".6 4 6", ".7 2 6 DP", ".8 2 6 RS"]),
    (93, "CpuFilterControlVars", "access", C + ".9.1", [".1 2 6 EN"]),
    # ---- SNMP framework and system log ----
    (94, "SnmpEngineVars", "snmp", None, [
        "@snmpEngineID", "@snmpEngineBoots", "@snmpEngineTime", "@snmpEngineMaxMessageSize"]),
    (95, "TargetGeneralVars", "snmp", None, [
        "@snmpTargetSpinLock", "@snmpUnavailableContexts", "@snmpUnknownContexts"]),
    (96, "TargetAddrVars", "snmp", None, [
        "@snmpTargetAddrName a=65", "@snmpTargetAddrTDomain", "@snmpTargetAddrTAddress s=3",
        "@snmpTargetAddrTimeout", "@snmpTargetAddrRetryCount", "@snmpTargetAddrTagList", "@snmpTargetAddrParams",
        "@snmpTargetAddrStorageType", "@snmpTargetAddrRowStatus"]),
    (97, "TargetParamsVars", "snmp", None, [
        "@snmpTargetParamsName a=65", "@snmpTargetParamsSecurityModel", "@snmpTargetParamsSecurityName",
        "@snmpTargetParamsSecurityLevel", "@snmpTargetParamsRowStatus"]),
    (98, "CommunityVars", "snmp", None, [
        "@snmpCommunityIndex a=65", "@snmpCommunityName s=76", "@snmpCommunitySecurityName", "@snmpCommunityStatus"]),
    (99, "TargetAddrMmsVars", "snmp", None, ["@snmpTargetAddrName a=65", "@snmpTargetAddrMMS"]),
    (100, "NotifyVars", "snmp", None, [
        "@snmpNotifyName a=65", "@snmpNotifyTag", "@snmpNotifyType", "@snmpNotifyStorageType", "@snmpNotifyRowStatus"]),
    (101, "MpdStatsVars", "snmp", None, [
        "@snmpUnknownSecurityModels", "@snmpInvalidMsgs", "@snmpUnknownPDUHandlers"]),
    (102, "SecurityToGroupVars", "snmp", None, [
        "@vacmSecurityModel", "@vacmSecurityName", "@vacmGroupName", "@vacmSecurityToGroupStatus"]),
    (103, "VacmAccessVars", "snmp", None, [
        "@vacmGroupName a=1", "@vacmAccessContextPrefix", "@vacmAccessSecurityModel", "@vacmAccessSecurityLevel",
        "@vacmAccessReadViewName", "@vacmAccessWriteViewName", "@vacmAccessNotifyViewName", "@vacmAccessStatus"]),
    (104, "ViewTreeFamilyVars", "snmp", None, [
        "@vacmViewTreeFamilyViewName", "@vacmViewTreeFamilySubtree", "@vacmViewTreeFamilyType",
        "@vacmViewTreeFamilyStatus"]),
    (105, "SysLogControlVars", "snmp", C + ".12", [".1 2 6 DE"]),
    (106, "SysLogHostVars", "snmp", C + ".12.2.1", [
        ".1 2 1", ".2 64 6", ".3 2 6 0=local0,1=local1,2=local2,3=local3,4=local4,5=local5,6=local6,7=local7",
        ".4 2 6 1=all,2=warning,3=informational", ".5 2 6", ".6 2 6 DE", ".7 2 6 RS"]),
    (107, "PaeSystemVars", "snmp", None, ["@dot1xPaeSystemAuthControl"]),
    # ---- 802.1X, link aggregation, RADIUS, SSH, SSL, USM, TACACS+ ----
    (108, "PaePortConfigVars", "security", None, ["@dot1xPaePortNumber"] + [f"@{n}" for n in (
        "dot1xAuthPaeState dot1xAuthBackendAuthState dot1xAuthAdminControlledDirections "
        "dot1xAuthOperControlledDirections dot1xAuthAuthControlledPortStatus dot1xAuthAuthControlledPortControl "
        "dot1xAuthQuietPeriod dot1xAuthTxPeriod dot1xAuthSuppTimeout dot1xAuthServerTimeout dot1xAuthMaxReq "
        "dot1xAuthReAuthPeriod dot1xAuthReAuthEnabled dot1xAuthKeyTxEnabled").split()]),
    (109, "PaePortStatsVars", "security", None, ["@dot1xPaePortNumber"] + [f"@{n}" for n in (
        "dot1xAuthEapolFramesRx dot1xAuthEapolFramesTx dot1xAuthEapolStartFramesRx dot1xAuthEapolLogoffFramesRx "
        "dot1xAuthEapolRespIdFramesRx dot1xAuthEapolRespFramesRx dot1xAuthEapolReqIdFramesTx "
        "dot1xAuthEapolReqFramesTx dot1xAuthInvalidEapolFramesRx dot1xAuthEapLengthErrorFramesRx "
        "dot1xAuthLastEapolFrameVersion dot1xAuthLastEapolFrameSource").split()]),
    (110, "PaePortDiagVars", "security", None, ["@dot1xPaePortNumber"] + [f"@{n}" for n in (
        "dot1xAuthEntersConnecting dot1xAuthEapLogoffsWhileConnecting dot1xAuthEntersAuthenticating "
        "dot1xAuthAuthSuccessWhileAuthenticating dot1xAuthAuthTimeoutsWhileAuthenticating "
        "dot1xAuthAuthFailWhileAuthenticating dot1xAuthAuthReauthsWhileAuthenticating "
        "dot1xAuthAuthEapStartsWhileAuthenticating dot1xAuthAuthEapLogoffWhileAuthenticating "
        "dot1xAuthAuthReauthsWhileAuthenticated dot1xAuthAuthEapStartsWhileAuthenticated "
        "dot1xAuthAuthEapLogoffWhileAuthenticated dot1xAuthBackendResponses dot1xAuthBackendAccessChallenges "
        "dot1xAuthBackendOtherRequestsToSupplicant dot1xAuthBackendNonNakResponsesFromSupplicant "
        "dot1xAuthBackendAuthSuccesses dot1xAuthBackendAuthFails").split()]),
    (111, "PaePortSessionVars", "security", None, ["@dot1xPaePortNumber"] + [f"@{n}" for n in (
        "dot1xAuthSessionOctetsRx dot1xAuthSessionOctetsTx dot1xAuthSessionFramesRx dot1xAuthSessionFramesTx "
        "dot1xAuthSessionId dot1xAuthSessionAuthenticMethod dot1xAuthSessionTime dot1xAuthSessionTerminateCause "
        "dot1xAuthSessionUserName").split()]),
    (112, "AggregatorVars", "security", C + ".4.1.1.1.1", [
        ".1 2 1", ".2 73 2", ".3 2 6", ".4 73 2", ".5 2 2 TF", ".6 2 6", ".7 2 2", ".8 73 2", ".9 2 2",
        ".10 2 2", ".11 2 6"]),
    (113, "AggregatorPortVars", "security", C + ".4.1.2.1.1", [
        ".1 2 1", ".2 2 2", ".3 73 2", ".4 2 2", ".5 2 2", ".6 2 2", ".7 2 2", ".8 73 2", ".9 73 2", ".10 2 2",
        ".11 2 2", ".12 2 2", ".13 2 2", ".14 2 2", ".15 2 2", ".16 2 2", ".17 2 2", ".18 2 2", ".19 2 2",
        ".20 3 2", ".21 3 2", ".22 3 2", ".23 3 2", ".24 2 2 TF"]),
    (114, "RadiusAccClientVars", "security", None, [
        "@radiusAccClientInvalidServerAddresses", "@radiusAccClientIdentifier"]),
    (115, "RadiusAccServerVars", "security", None, [f"@{n}" for n in (
        "radiusAccServerIndex radiusAccServerAddress radiusAccClientServerPortNumber radiusAccClientRoundTripTime "
        "radiusAccClientRequests radiusAccClientRetransmissions radiusAccClientResponses "
        "radiusAccClientMalformedResponses radiusAccClientBadAuthenticators radiusAccClientPendingRequests "
        "radiusAccClientTimeouts radiusAccClientUnknownTypes radiusAccClientPacketsDropped").split()]),
    (116, "RadiusAuthClientVars", "security", None, [
        "@radiusAuthClientInvalidServerAddresses", "@radiusAuthClientIdentifier"]),
    (117, "RadiusAuthServerVars", "security", None, [f"@{n}" for n in (
        "radiusAuthServerIndex radiusAuthServerAddress radiusAuthClientServerPortNumber "
        "radiusAuthClientRoundTripTime radiusAuthClientAccessRequests radiusAuthClientAccessRetransmissions "
        "radiusAuthClientAccessAccepts radiusAuthClientAccessRejects radiusAuthClientAccessChallenges "
        "radiusAuthClientMalformedAccessResponses radiusAuthClientBadAuthenticators "
        "radiusAuthClientPendingRequests radiusAuthClientTimeouts radiusAuthClientUnknownTypes "
        "radiusAuthClientPacketsDropped").split()]),
    (118, "SshManagementVars", "security", C + ".6.1", [
        ".1 76 2", ".2 2 6 DE", ".3 2 6", ".4 2 6 0=never,1=ten-min,2=thirty-min,3=sixty-min", ".5 2 6", ".6 2 6"]),
    (119, "SshDiffieHellmanVars", "security", C + ".6.3", [".4 2 6 DE"]),
    (120, "SshEncryptionVars", "security", C + ".6.3.1", seq(C + ".6.3.1", 1, 10, 2, 6, "DE")),
    (121, "SshAuthMethodVars", "security", C + ".6.3.2", seq(C + ".6.3.2", 1, 3, 2, 6, "DE")),
    (122, "SshHmacVars", "security", C + ".6.3.3", seq(C + ".6.3.3", 1, 2, 2, 6, "DE")),
    (123, "SslManagementVars", "security", C + ".7.1", [".1 2 6 DE", ".2 2 6", ".3 2 6"]),
    (124, "CertificateFileVars", "security", C + ".7.2", [
        ".1 64 6", ".2 76 6", ".3 76 6", ".4 2 6 1=other,2=download",
        ".5 2 2 1=other,2=in-progress,3=success,4=fail"]),
    (125, "SshPublicKeyVars", "security", C + ".6.3.5", seq(C + ".6.3.5", 1, 2, 2, 6, "DE")),
    (126, "UsmStatsVars", "security", None, [f"@{n}" for n in (
        "usmStatsUnsupportedSecLevels usmStatsNotInTimeWindows usmStatsUnknownUserNames "
        "usmStatsUnknownEngineIDs usmStatsWrongDigests usmStatsDecryptionErrors").split()]),
    (127, "UsmUserVars", "security", None, [
        "@usmUserEngineID", "@usmUserName", "@usmUserSecurityName", "@usmUserAuthProtocol o=AUTHPROTO",
        "@usmUserPrivProtocol o=PRIVPROTO", "@usmUserStatus"]),
    (128, "AuthModeVars", "security", C + ".3.1", [
        ".1 2 6 1=local,2=radius", ".2 2 6 1=none,2=port-based,3=mac-based"]),
    (129, "RadiusServerVars", "security", C + ".3.2.4.1", [
        ".1 2 1", ".2 64 6", ".3 76 6", ".4 2 6", ".5 2 6", ".6 2 6 RS"]),
    (130, "PaeStateVars", "security", C + ".3.6.1.1", [
        ".1 73 1", ".2 71 1", f".3 2 2 {PAE_STATE}", f".4 2 2 {BACKEND_STATE}", ".5 2 2 1=authorized,2=unauthorized"]),
    (131, "MacStatisticVars", "security", None, [
        f"{C}.3.6.1.1.1 73 1", f"{C}.3.6.1.1.2 71 1"] + seq(C + ".3.6.2.1", 1, 10, 65, 2) + [
        f"{C}.3.6.2.1.11 66 2", f"{C}.3.6.2.1.12 73 2"]),
    (132, "DiagnosticsInfoVars", "security", None, [
        f"{C}.3.6.1.1.1 73 1", f"{C}.3.6.1.1.2 71 1"] + seq(C + ".3.6.3.1", 1, 18, 65, 2)),
    (133, "SessionInfoVars", "security", None, [
        f"{C}.3.6.1.1.1 73 1", f"{C}.3.6.1.1.2 2 1"] + [
        f"{C}.3.6.4.1.{n}" for n in (
            "1 65 2", "2 65 2", "3 65 2", "4 65 2", "5 76 2", "6 2 2 1=remoteAuthServer,2=localAuthServer",
            "7 67 2", f"8 2 2 {TERMINATE}", "9 76 2")]),
    (134, "TacacsControlVars", "security", C + ".5.1", [".1 2 6 DE"]),
    (135, "TacacsInfoVars", "security", C + ".5.2", [".1 2 2", ".2 2 2", ".3 2 2", ".4 2 2", ".5 2 6", ".6 2 6"]),
    (136, "LoginMethodListVars", "security", C + ".5.3.1", [".1 76 1"] + [
        r for k in range(2, 10, 2) for r in (f".{k} 2 6 LOGIN", f".{k + 1} 76 6")] + [".10 2 6 RS"]),
    (137, "EnableMethodListVars", "security", C + ".5.4.1", [".1 76 1"] + [
        r for k in range(2, 10, 2) for r in (f".{k} 2 6 ENABLE", f".{k + 1} 76 6")] + [".10 2 6 RS"]),
    (138, "LoginInfoVars", "security", C + ".5.7.1", seq(C + ".5.7.1", 1, 8, 76, 6)),
    (139, "ServerGroupVars", "security", C + ".5.9.1", [".1 76 1"] + [
        r for k in range(2, 18, 2) for r in (f".{k} 64 2", f".{k + 1} 2 2 AAC6")] + [".18 2 6 RS"]),
    (140, "ServerInfoVars", "security", C + ".5.10.1", [
        ".1 64 1", ".2 2 1 AUTHP4", ".3 2 6", ".4 76 6", ".5 2 6", ".6 2 6", ".7 2 6 RS"]),
    (141, "AccServerCtrlVars", "security", C + ".5.12.1", [
        ".1 76 1", ".2 64 1", ".3 2 1 AUTHP4", ".4 2 6 1=add,2=delete"]),
    # ---- layer 3, VRRP, single IP management, protocol VLAN ----
    (142, "RipTimerVars", "layer3", C + ".32.3", [".1 2 6", ".2 2 6", ".3 2 6"]),
    (143, "Layer3GlobalSwitchVars", "layer3", L3 + ".1.1", seq(L3 + ".1.1", 1, 5, 2, 6, "DE")),
    (144, "ArpAgingTimeVars", "layer3", L3 + ".2", [".4 2 6"]),
    (145, "IpControlVars", "layer3", L3 + ".2.1.1.1", [
        ".1 64 1", ".2 2 2", ".3 76 6", ".4 64 6", ".5 76 6", ".6 2 6 1=other,2=manual,3=bootp,4=dhcp",
        ".7 2 6 DE", ".8 2 2 1=up,2=down"]),
    (146, "IpForwardingVars", "layer3", L3 + ".2.2.1.1", [
        ".1 64 1", ".2 64 2", ".3 2 2", ".4 2 2 1=other,2=invalid,3=dynamic,4=static"]),
    (147, "IpStaticRouteVars", "layer3", L3 + ".2.5.1", [
        ".1 64 1", ".2 64 1", ".3 2 1 1=primary,2=backup", ".4 64 6", ".5 2 6", ".6 2 6 IV"]),
    (148, "IpMacMapVars", "layer3", L3 + ".2.6.1.1", [".1 2 1", ".2 76 2"]),
    (149, "BootpCtrlVars", "layer3", L3 + ".3.1.4.1", [".1 76 1", ".2 64 1", ".3 2 6 IV"]),
    (150, "BootpBasicVars", "layer3", L3 + ".3.1", [".1 2 6 DE", ".2 2 6", ".3 2 6"]),
    (151, "DnsRelayGlobalVars", "layer3", L3 + ".3.2", [".1 2 6 DE", ".2 76 6", ".3 76 6", ".4 2 6 DE", ".5 2 6 DE"]),
    (152, "DnsRelayStaticVars", "layer3", L3 + ".3.2.6.1", [".1 76 1", ".2 64 1", ".3 2 6 IV"]),
    (153, "Md5KeyVars", "layer3", L3 + ".4.1", [".1 2 1", ".2 76 6", ".3 2 6 RS"]),
    (154, "RouteRedistributionVars", "layer3", L3 + ".5.1", [
        ".1 2 1 2=rip,3=ospf,4=static,5=local", ".2 2 1 2=rip,3=ospf", f".3 2 6 {ROUTE_TYPE}", ".4 2 6",
        ".5 2 6 RS6"]),
    (155, "OspfHostVars", "layer3", L3 + ".6.1", [".1 64 1", ".2 2 1", ".3 2 6", ".4 64 6", ".5 2 6 AN"]),
    (156, "OspfVirtualIfVars", "layer3", L3 + ".7.1", [
        ".1 64 1", ".2 64 1", ".3 2 6", ".4 2 6", ".5 2 6", ".6 2 6", ".7 2 2 1=down,4=pointToPoint", ".8 2 2",
        ".9 2 6 0=none,1=simple,2=md5", ".10 76 6", ".11 2 6", ".12 2 6 AN"]),
    (157, "RoutePreferenceVars", "layer3", L3 + ".9", seq(L3 + ".9", 1, 7, 2, 6)),
    (158, "CbsrInfoVars", "layer3", L3 + ".11.1", [".1 2 6", ".2 2 6"]),
    (159, "CbsrVars", "layer3", L3 + ".11.1.3.1", [".1 76 1", ".2 2 2"]),
    (160, "CandidateRpVars", "layer3", L3 + ".11.2", [".1 2 6", ".2 2 6", ".3 2 6"]),
    (161, "SptVars", "layer3", L3 + ".11.3", [".1 2 6", ".2 2 6"]),
    (162, "RegisterChecksumVars", "layer3", L3 + ".11.4.1", [".1 64 1", ".2 2 6 DE"]),
    (163, "RegisterTimeVars", "layer3", L3 + ".11.5", [".1 2 6", ".2 2 6"]),
    (164, "PimInfoVars", "layer3", L3 + ".11.5.3.1", [".1 76 1", ".2 2 6"]),
    (165, "StaticRpVars", "layer3", L3 + ".11.6.1", [".1 64 1", ".2 64 1", ".3 64 1", ".4 2 6 RS"]),
    (166, "IgmpInterfaceVars", "layer3", C + ".18.1.4.1", [
        ".1 2 1", ".2 64 2", ".3 66 2", ".4 2 2 AN", ".5 66 2", ".6 66 2", ".7 67 2", ".8 66 2", ".9 66 2"]),
    (167, "IgmpCacheVars", "layer3", C + ".18.1.6.1", [
        ".2 2 1", ".1 64 2", ".3 64 2", ".4 67 2", ".5 2 2 AN", ".6 67 2", ".7 67 2", ".8 2 2 1=include,2=exclude"]),
    (168, "IgmpSrcListVars", "layer3", C + ".18.1.10.1", [".2 2 1", ".1 64 2", ".3 64 2", ".4 2 2"]),
    (169, "VrrpControlVars", "layer3", None, ["@vrrpNodeVersion", "@vrrpNotificationCntl"]),
    (170, "VrrpOperVars", "layer3", None, ["@ifIndex a=1", "@vrrpOperVrId"] + [f"@{n}" for n in (
        "vrrpOperVirtualMacAddr vrrpOperState vrrpOperAdminState vrrpOperPriority vrrpOperIpAddrCount "
        "vrrpOperMasterIpAddr vrrpOperPrimaryIpAddr vrrpOperAuthType vrrpOperAuthKey "
        "vrrpOperAdvertisementInterval vrrpOperPreemptMode vrrpOperVirtualRouterUpTime vrrpOperProtocol "
        "vrrpOperRowStatus").split()]),
    (171, "VrrpAssoIpVars", "layer3", None, [
        "@ifIndex a=1", "@vrrpOperVrId", "@vrrpAssoIpAddr", "@vrrpAssoIpAddrRowStatus"]),
    (172, "VrrpRouterStatsVars", "layer3", None, [
        "@vrrpRouterChecksumErrors", "@vrrpRouterVersionErrors", "@vrrpRouterVrIdErrors"]),
    (173, "VrrpStatsVars", "layer3", None, ["@ifIndex a=1", "@vrrpOperVrId"] + [f"@{n}" for n in (
        "vrrpStatsBecomeMaster vrrpStatsAdvertiseRcvd vrrpStatsAdvertiseIntervalErrors vrrpStatsAuthFailures "
        "vrrpStatsIpTtlErrors vrrpStatsPriorityZeroPktsRcvd vrrpStatsPriorityZeroPktsSent "
        "vrrpStatsInvalidTypePktsRcvd vrrpStatsAddressListErrors vrrpStatsInvalidAuthType "
        "vrrpStatsAuthTypeMismatch vrrpStatsPacketLengthErrors").split()]),
    (174, "SingleIpInfoVars", "layer3", C + ".8.1.1", [".1 76 2", ".2 76 2", ".3 76 2"]),
    (175, "SingleIpControlVars", "layer3", C + ".8.1.2", [".1 2 6 DE", f".2 2 2 {SI_ROLE}", ".3 2 6", ".4 2 6"]),
    (176, "MemberSwitchVars", "layer3", C + ".8.1.3.1", [
        ".1 2 2", ".2 76 2", ".3 73 2", ".4 76 2", ".5 76 2", ".6 76 2", ".7 2 2", ".8 2 6", ".9 76 6",
        ".10 2 6 4=createAndGo,6=destroy"]),
    (177, "MemberSwitchEditVars", "layer3", C + ".8.1.3.1", [".1 2 1", ".8 2 6", ".9 76 6", ".10 2 6 4=createAndGo,6=destroy"]),
    (178, "CandidateSwitchVars", "layer3", C + ".8.1.4.1", [
        ".1 2 1", ".2 76 2", ".3 73 2", ".4 76 2", ".5 76 2", ".6 76 2", ".7 2 2"]),
    (179, "SingleIpGroupVars", "layer3", C + ".8.1.5.1", [
        ".1 73 1", ".2 76 2", ".3 76 2", ".4 2 2", ".5 76 2", ".6 76 2", ".7 76 2", ".8 2 2"]),
    (180, "SingleIpNeighborVars", "layer3", C + ".8.1.6.1", [".1 2 1", ".2 73 2", f".3 2 2 {SI_ROLE}"]),
    (181, "ProtocolVlanVars", "layer3", C + ".16.1.1.1", [
        ".1 2 1", ".2 76 6", f".3 2 6 {PROTOCOL_VLAN}", ".4 2 6 ED", ".5 2 6", ".6 2 6 1=ethernet,2=llc,3=snap,4=all",
        ".7 2 6 RS"]),
]
