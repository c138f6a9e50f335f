"""Named option sets shared by many rows of the view catalogue."""

NAMED = {
    "DE": ("DisabledEnabled", [(2, "disabled"), (3, "enabled")]),
    "RS": ("RowStatus", [(1, "active"), (4, "createAndGo"), (6, "destroy")]),
    "ED": ("EnabledDisabled", [(1, "enabled"), (2, "disabled")]),
    "TF": ("TrueFalse", [(1, "true"), (2, "false")]),
    "EN": ("EnableDisable", [(1, "enable"), (2, "disable")]),
    "AAC6": ("ServerProtocol", [(1, "tacacs"), (2, "xtacacs"), (3, "tacacs-plus"), (4, "radius"), (5, "none"), (6, "other")]),
    "AN": ("ActiveNotInService", [(1, "active"), (2, "notInService")]),
    "PROTO": ("IpProtocol", [(1, "none"), (2, "icmp"), (3, "igmp"), (4, "tcp"), (5, "udp"), (6, "protocolId")]),
    "ODS": ("PortMaskState", [(1, "other"), (2, "dst-addr"), (3, "src-addr"), (4, "dst-src-addr")]),
    "DPM": ("DenyPermitMirror", [(1, "deny"), (2, "permit"), (3, "mirror")]),
    "DP": ("DenyPermit", [(1, "deny"), (2, "permit")]),
    "LOGIN": ("LoginMethod", [(1, "tacacs"), (2, "xtacacs"), (3, "tacacs-plus"), (4, "radius"), (5, "server-group"), (6, "local"), (8, "none"), (9, "other")]),
    "ENABLE": ("EnableMethod", [(1, "tacacs"), (2, "xtacacs"), (3, "tacacs-plus"), (4, "radius"), (5, "server-group"), (7, "local-enable"), (8, "none"), (9, "other")]),
    "IV": ("InvalidValid", [(2, "invalid"), (3, "valid")]),
    "RS6": ("FullRowStatus", [(1, "active"), (2, "notInService"), (3, "notReady"), (4, "createAndGo"), (5, "createAndWait"), (6, "destroy")]),
    "ST5": ("StorageType", [(1, "other"), (2, "volatile"), (3, "nonVolatile"), (4, "permanent"), (5, "readOnly")]),
    "SL3": ("SecurityLevel", [(1, "noAuthNoPriv"), (2, "authNoPriv"), (3, "authPriv")]),
    "CWI": ("Severity", [(0, "critical"), (1, "warning"), (2, "information")]),
    "AUTHP4": ("AuthProtocol", [(1, "tacacs"), (2, "xtacacs"), (3, "tacacs-plus"), (4, "radius")]),
    "EXIST": ("UnitStatus", [(1, "exist"), (0, "not-exist")]),
    "MODE": ("UnitMode", [(3, "stand-alone"), (4, "master"), (5, "slave")]),
}

# Text-valued lists: object identifiers shown as names.
TEXT = {
    "AUTHPROTO": ("UsmAuthProtocol", [("1.3.6.1.6.3.10.1.1.1", "None"), ("1.3.6.1.6.3.10.1.1.2", "MD5"), ("1.3.6.1.6.3.10.1.1.3", "SHA")]),
    "PRIVPROTO": ("UsmPrivProtocol", [("1.3.6.1.6.3.10.1.2.1", "None"), ("1.3.6.1.6.3.10.1.2.2", "DES")]),
}
