// The eight access-rule editors: for each family its controls (with the CPU
// twin's columns, captions and constraints beside them), its checks and its
// column rules, and at the end the one table of the eight editors. Column
// numbers are the forwarding table's; a CPU twin maps them through cpuColumn.
// What every rule editor does alike (only checked columns are sent, "deny"
// leaves out the priority columns, the port list, the Row Status on Add) is
// TAccessEditorForm's.
#include "editors/access/AccessEditorRecord.h"

#include "catalogue/NvCatalogueTables.h"

namespace {

// ---- Ethernet -------------------------------------------------------------

constexpr AccessControlSpec kEthernetControls[] = {
    {.column = 1, .cpuColumn = 1, .name = "MaskIDEdit", .caption = "Mask ID", .constraint = "%i{n1x255}"},
    {.column = 2, .cpuColumn = 2, .name = "AccessEdit", .caption = "Access ID", .constraint = "%i{n0x65535}",
     .cpuConstraint = "%i{n1x255}"},
    {.column = 3, .cpuColumn = 3, .name = "VlanRuleEdit", .checkName = "cbxVlan", .caption = "VLAN Rule",
     .constraint = "%s{l32}"},
    {.column = 4, .cpuColumn = 4, .name = "SourceMACEdit", .checkName = "cbxSource",
     .caption = "Source MAC Address Rule", .constraint = "%s{l12}"},
    {.column = 5, .cpuColumn = 5, .name = "DestMACEdit", .checkName = "cbxDestination",
     .caption = "Destination MAC Address Rule", .constraint = "%s{l12}"},
    {.column = 6, .cpuColumn = 6, .name = "IEEE8021pEdit", .checkName = "cbxIEEE802dot1P", .caption = "8021P Rule",
     .constraint = "%i{n0x7l1}", .cpuConstraint = "%i{n0x7}"},
    {.column = 7, .cpuColumn = 7, .name = "EthTypeEdit", .checkName = "cbxEtherType", .caption = "Ethernet Type Rule",
     .constraint = "%s{l4}"},
    {.column = 8, .name = "EnablePriorityComboBox", .checkName = "cbxEnablePriority", .caption = "Enable Priority Rule"},
    {.column = 9, .name = "PriorityEdit", .checkName = "cbxPriority", .caption = "Priority Rule",
     .constraint = "%i{n0x7l1}"},
    {.column = 10, .name = "ReplacePriorityComboBox", .checkName = "cbxReplacePriority",
     .caption = "Replace Priority Rule"},
    {.column = 11, .name = "EnableReplDSCPComboBox", .checkName = "cbxEnableReplace",
     .caption = "Enable Replace DSCP Rule"},
    {.column = 12, .name = "ReplDSCPEdit", .checkName = "cbxRuleReplace", .caption = "Rule Replace DSCP Rule",
     .constraint = "%i{n0x63l2}"},
    {.column = 13, .cpuColumn = 8, .name = "PermitComboBox", .checkName = "cbxPermit", .caption = "Permit Rule"},
    {.column = 15, .cpuColumn = 9, .name = "RowComboBox", .checkName = "cbxRow", .caption = "Row Status Rule"},
};

constexpr AccessCheck kEthernetAddChecks[] = {
    {.when = {empty(1)}, .message = "Mask ID must be set.", .focusColumn = 1},
    {.when = {empty(2)}, .message = "Access ID must be set.", .focusColumn = 2},
    {.when = {duplicate()},
     .message = "Has already a record with the same Mask ID and Access ID. Please change eithor of them.",
     .focusColumn = 1},
    {.when = {checked(15), textIsNot(15, "createAndGo")}, .message = "Row State must be createAndGo.",
     .focusColumn = 15},
};
constexpr AccessCheck kEthernetModifyChecks[] = {
    {.when = {empty(1)}, .message = "Mask ID must be set."},
    {.when = {empty(2)}, .message = "Access ID must be set."},
};
// An Edit with the Row Status checked at "destroy" deletes the row.
constexpr AccessColumnRule kEthernetDestroyRule[] = {
    {.leaveOut = AllButRowStatus, .when = {checked(15), textIs(15, "destroy")}},
};

// ---- IPv4 -----------------------------------------------------------------

constexpr AccessControlSpec kIpControls[] = {
    {.column = 1, .cpuColumn = 1, .name = "IPRuleEdit", .caption = "IPv4 Rule ID", .cpuCaption = "IP Rule ID",
     .constraint = "%i{n1x255}"},
    {.column = 2, .cpuColumn = 2, .name = "AccessIDEdit", .caption = "IPv4 Rule Access ID",
     .cpuCaption = "IP Rule Access ID", .constraint = "%i{n0x255}", .cpuConstraint = "%i{n1x255}"},
    {.column = 3, .cpuColumn = 3, .name = "ApplyVlanEdit", .checkName = "cbxVlan", .caption = "Apply VLAN",
     .cpuCaption = "VLAN", .constraint = "%s{l32}"},
    {.column = 4, .cpuColumn = 4, .name = "SourceIPEdit", .checkName = "cbxSourceIP", .caption = "Source IPv4 Address",
     .cpuCaption = "Source IP Address", .constraint = "%s{l16}"},
    {.column = 5, .cpuColumn = 5, .name = "DestIPEdit", .checkName = "cbxDestIP",
     .caption = "Destination IPv4 address", .cpuCaption = "Destination IP address", .constraint = "%s{l16}"},
    {.column = 6, .cpuColumn = 6, .name = "DSCPEdit", .checkName = "cbxDscp", .caption = "DSCP",
     .constraint = "%i{n0x63l2}"},
    {.column = 7, .cpuColumn = 7, .name = "ProtocolComboBox", .checkName = "cbxProtocol", .caption = "Rule Protocol",
     .cpuCaption = "Protocol"},
    {.column = 8, .cpuColumn = 8, .name = "RuleTypeEdit", .checkName = "cbxType", .caption = "Rule Type",
     .cpuCaption = "Type", .constraint = "%i{n0x255l3}"},
    {.column = 9, .cpuColumn = 9, .name = "RuleCodeEdit", .checkName = "cbxRuleCode", .caption = "Rule Code",
     .cpuCaption = "Code", .constraint = "%i{n0x255l3}"},
    {.column = 10, .cpuColumn = 10, .name = "SourcePortEdit", .checkName = "cbxSourcePort", .caption = "Source Port",
     .cpuCaption = "Src Port", .constraint = "%i{n1x65535l5}"},
    {.column = 11, .cpuColumn = 11, .name = "DestPortEdit", .checkName = "cbxDestPort", .caption = "Destination Port",
     .cpuCaption = "Dst Port", .constraint = "%i{n1x65535l5}"},
    {.column = 12, .cpuColumn = 12, .name = "FlagEdit", .checkName = "cbxFBs", .caption = "Flag Bits",
     .constraint = "%i{n0x63l2}"},
    {.column = 13, .cpuColumn = 13, .name = "ProtocolIDEdit", .checkName = "cbxProtocolID", .caption = "Protocol ID",
     .cpuCaption = "Proto ID", .constraint = "%i{n0x255l3}"},
    {.column = 14, .cpuColumn = 14, .name = "UserMaskEdit", .checkName = "cbxUserMask", .caption = "User Mask",
     .constraint = "%s{l8}"},
    {.column = 15, .name = "PriorityComboBox", .checkName = "cbxEnablePriority", .caption = "Enable Priority"},
    {.column = 16, .name = "PriorityEdit", .checkName = "cbxPriority", .caption = "Priority",
     .constraint = "%i{n0x7l1}"},
    {.column = 17, .name = "ReplaceComboBox", .checkName = "cbxReplacePriority", .caption = "Replace Priority"},
    {.column = 18, .name = "EnableReplComboBox", .checkName = "cbxEnableReplaceDscp", .caption = "Enable Replace Dscp"},
    {.column = 19, .name = "DSCPValueEdit", .checkName = "cbxValue", .caption = "DSCP Value",
     .constraint = "%i{n0x63l2}"},
    {.column = 20, .cpuColumn = 15, .name = "PermitComboBox", .checkName = "cbxPermit", .caption = "Permit"},
    {.column = 22, .cpuColumn = 16, .name = "RowComboBox", .checkName = "cbxRow", .caption = "Row Status"},
};

constexpr AccessCheck kIpAddChecks[] = {
    {.when = {empty(1)}, .message = "IP Rule ID must be set.", .focusColumn = 1},
    {.when = {empty(2)}, .message = "IP Rule Access ID must be set.", .focusColumn = 2},
    {.when = {duplicate()},
     .message = "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
     .focusColumn = 1},
    {.when = {checked(7), noSelection(7)}, .message = "Rule Protocol must be chosed.", .focusColumn = 7},
    {.when = {checked(22), textIsNot(22, "createAndGo")}, .message = "Row State must be createAndGo.",
     .focusColumn = 22},
};
constexpr AccessCheck kIpModifyChecks[] = {
    {.when = {empty(1)}, .message = "IP Rule ID must be set."},
    {.when = {empty(2)}, .message = "IP Rule Access ID must be set."},
    {.when = {checked(7), noSelection(7)}, .message = "Rule Protocol must be chosed."},
};
// The protocol keeps the columns that match it, whether or not its box is checked.
constexpr AccessColumnRule kIpProtocolRules[] = {
    {.leaveOut = columnRange(8, 14), .when = {indexIs(7, 0)}},      // none
    {.leaveOut = columnRange(10, 14), .when = {indexIs(7, 1)}},     // icmp: type, code
    {.leaveOut = columnRange(9, 14), .when = {indexIs(7, 2)}},      // igmp: type
    {.leaveOut = columns({8, 9, 13, 14}), .when = {indexIs(7, 3)}}, // tcp: ports, flag bits
    {.leaveOut = columns({8, 9, 12, 13, 14}), .when = {indexIs(7, 4)}}, // udp: ports
    {.leaveOut = columnRange(8, 12), .when = {indexIs(7, 5)}},      // protocolId: id, user mask
};
constexpr AccessColumnRule kIpDestroyRule[] = {
    {.leaveOut = AllButRowStatus, .when = {checked(22), textIs(22, "destroy")}},
};

// ---- user-defined packet content -------------------------------------------

constexpr AccessControlSpec kUserControls[] = {
    {.column = 1, .cpuColumn = 1, .name = "ProfileIDEdit", .caption = "Profile ID", .constraint = "%i{n1x255}"},
    {.column = 2, .cpuColumn = 2, .name = "AccessIDEdit", .caption = "Access ID", .constraint = "%i{n0x255}",
     .cpuConstraint = "%i{n1x255}"},
    {.column = 3, .cpuColumn = 3, .name = "OffsetGroupFirstEdit", .checkName = "cbxGroupFirst",
     .caption = "Packet(s) Offset [0 to 15]", .cpuCaption = "Offset 0 to 15", .constraint = "%s{l32}"},
    {.column = 4, .cpuColumn = 4, .name = "OffsetGroupSecondEdit", .checkName = "cbxGroupSecond",
     .caption = "Packet(s) Offset [16 to 31]", .cpuCaption = "Offset 16 to 31", .constraint = "%s{l32}"},
    {.column = 5, .cpuColumn = 5, .name = "OffsetGroupThirdEdit", .checkName = "cbxGroupThird",
     .caption = "Packet(s) Offset [32 to 47]", .cpuCaption = "Offset 32 to 47", .constraint = "%s{l32}"},
    {.column = 6, .cpuColumn = 6, .name = "OffsetGroupForthEdit", .checkName = "cbxGroupForth",
     .caption = "Packet(s) Offset [48 to 63]", .cpuCaption = "Offset 48 to 63", .constraint = "%s{l32}"},
    {.column = 7, .cpuColumn = 7, .name = "OffsetGroupFifthEdit", .checkName = "cbxGroupFifth",
     .caption = "Packet(s) Offset [64 to 79]", .cpuCaption = "Offset 64 to 79", .constraint = "%s{l32}"},
    {.column = 8, .name = "EnablePriComboBox", .checkName = "cbxEnablePriority", .caption = "Enable Priority"},
    {.column = 9, .name = "PriorityEdit", .checkName = "cbxPriority", .caption = "Priority",
     .constraint = "%i{n0x7l1}"},
    {.column = 10, .name = "ReplPriyComboBox", .checkName = "cbxReplace", .caption = "Replace Priority"},
    {.column = 11, .name = "EnableReplComboBox", .checkName = "cbxEnableReplace", .caption = "Enable Replace DSCP"},
    {.column = 12, .name = "ReplDSCPEdit", .checkName = "cbxReplaceDscp", .caption = "Replace DSCP",
     .constraint = "%i{n0x63l2}"},
    {.column = 13, .cpuColumn = 8, .name = "PermitComboBox", .checkName = "cbxPermit", .caption = "Permit"},
    {.column = 15, .cpuColumn = 9, .name = "RowComboBox", .checkName = "cbxRow", .caption = "Row Status"},
};

constexpr AccessCheck kUserIdChecks[] = {
    {.when = {empty(1)}, .message = "Profile ID must be set.", .focusColumn = 1},
    {.when = {empty(2)}, .message = "Access ID must be set.", .focusColumn = 2},
    {.when = {duplicate()},
     .message = "There is already a record with the same Profile ID and Access ID. Please modified eithor of them.",
     .focusColumn = 1},
    {.when = {checked(15), textIsNot(15, "createAndGo")}, .message = "Row State must be createAndGo.",
     .focusColumn = 15},
};
constexpr AccessCheck kUserModifyIdChecks[] = {
    {.when = {empty(1)}, .message = "Profile ID must be set."},
    {.when = {empty(2)}, .message = "Access ID must be set."},
};
// At most four of the five 16-octet pieces go into one request.
constexpr AccessCheck kUserOffsetCheck[] = {
    {.when = {checkedCountAbove(columnRange(3, 7), 4)}, .message = "The offset number is too much."},
};
// After the id checks: createAndGo runs as Add, destroy as Delete (which sends
// the Row Status alone, so the offset count does not matter).
constexpr AccessRedirect kUserModifyRedirects[] = {
    {.when = {checked(15), textIs(15, "createAndGo")}, .runAs = AccessOperation::Add},
    {.when = {checked(15), textIs(15, "destroy")}, .runAs = AccessOperation::Delete},
};
constexpr AccessColumnRule kUserDestroyRule[] = {
    {.leaveOut = AllButRowStatus, .when = {checked(15), textIs(15, "destroy")}},
};

// ---- IPv6 -----------------------------------------------------------------

constexpr AccessControlSpec kIpv6Controls[] = {
    {.column = 1, .cpuColumn = 1, .name = "edtIPv6ProfileID", .caption = "IPv6 Rule ID", .constraint = "%i{n1x8l1}"},
    {.column = 2, .cpuColumn = 2, .name = "edtIPv6AccessID", .caption = "IPv6 Rule Access ID",
     .constraint = "%i{n0x65535l5}", .cpuConstraint = "%i{n1x100l3}"},
    {.column = 3, .cpuColumn = 3, .name = "edtClass", .checkName = "ckClass", .caption = "Class",
     .constraint = "%i{n1x255l3}"},
    {.column = 4, .cpuColumn = 4, .name = "edtFlowLabel", .checkName = "ckFlowLabel", .caption = "Flow Label",
     .constraint = "%s{l8}"},
    {.column = 5, .cpuColumn = 5, .name = "edtIPv6SrcAddr", .checkName = "ckIPv6SrcAdd", .caption = "Src IPv6 Addr",
     .constraint = "%s{l32}"},
    {.column = 6, .cpuColumn = 6, .name = "edtIPv6DstAddr", .checkName = "ckIPv6DstAdd", .caption = "Dst IPv6 Addr",
     .constraint = "%s{l32}"},
    {.column = 7, .name = "cbxEnablePriority", .checkName = "ckEnablePriority", .caption = "Enable Priority"},
    {.column = 8, .name = "edtPriority", .checkName = "ckPriority", .caption = "Priority", .constraint = "%i{n0x7l1}"},
    {.column = 9, .name = "cbxReplacePriority", .checkName = "ckReplacePriority", .caption = "Replace Priority"},
    {.column = 10, .cpuColumn = 7, .name = "cbxPermit", .checkName = "ckPermit", .caption = "Permit"},
    {.column = 12, .cpuColumn = 8, .name = "cbxRowStatus", .checkName = "ckRowStatus", .caption = "Row Status"},
};

constexpr AccessCheck kIpv6IdChecks[] = {
    {.when = {empty(1)}, .message = "IPv6 Rule ID must be set.", .focusColumn = 1},
    {.when = {empty(2)}, .message = "IPv6 Rule Access ID must be set.", .focusColumn = 2},
};
constexpr AccessCheck kIpv6ValueChecks[] = {
    {.when = {checked(3), empty(3)}, .message = "Class should not be null.", .focusColumn = 3},
    {.when = {checked(4), empty(4)}, .message = "Flow Label should not be null.", .focusColumn = 4},
    {.when = {checked(5), empty(5)}, .message = "IPv6 Source Address should not be null.", .focusColumn = 5},
    {.when = {checked(6), empty(6)}, .message = "IPv6 Destination Address should not be null.", .focusColumn = 6},
    {.when = {checked(7), noSelection(7)}, .message = "Enable Priority should be chosed.", .focusColumn = 7},
    {.when = {checked(8), empty(8)}, .message = "Priority should not be null.", .focusColumn = 8},
    {.when = {checked(9), noSelection(9)}, .message = "Replace Priority should be chosed.", .focusColumn = 9},
    {.when = {checked(10), noSelection(10)}, .message = "Permit should be chosed.", .focusColumn = 10},
};
constexpr AccessCheck kIpv6RowStatusCheck[] = {
    {.when = {checked(12), textIsNot(12, "createAndGo")}, .message = "Row State must choose createAndGo.",
     .focusColumn = 12},
};
// Add: after the ids the duplicate, the values and the Row Status.
constexpr AccessCheck kIpv6AddChecks[] = {
    {.when = {duplicate()},
     .message = "Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them.",
     .focusColumn = 1},
    kIpv6ValueChecks[0], kIpv6ValueChecks[1], kIpv6ValueChecks[2], kIpv6ValueChecks[3], kIpv6ValueChecks[4],
    kIpv6ValueChecks[5], kIpv6ValueChecks[6], kIpv6ValueChecks[7], kIpv6RowStatusCheck[0],
};
constexpr AccessRedirect kIpv6ModifyRedirects[] = {
    {.when = {textIs(12, "createAndGo")}, .runAs = AccessOperation::Add},
    {.when = {textIs(12, "destroy")}, .runAs = AccessOperation::Delete},
};
constexpr AccessColumnRule kIpv6PriorityRule[] = {
    {.leaveOut = columns({8}), .when = {checked(7), textIs(7, "disabled")}},
};

// ---- the eight editors ----------------------------------------------------

constexpr AccessButtonNames kButtons = {"GetButton", "EditButton", "Edit", "AddButton", "DeleteButton",
                                        "CheckButton", "UncheckButton"};
constexpr AccessButtonNames kEthernetButtons = {"GetButton", "EditButton", "Edit", "AddButton", "DeleteButton",
                                                "AddCheckButton", "CleanCheButton"};

const AccessEditorRecord kRuleEditors[] = {
    {.component = "RuleOfEthernetInformation1", .className = "TEthernetInformationRuleForm",
     .designedCaption = "Ethernet Rule", .addressTitle = nullptr, .table = EthernetRuleVars, .indexCount = 2,
     .cpu = false, .mainWindowOwner = false, .controls = kEthernetControls, .buttons = kEthernetButtons,
     .add = {.checks = kEthernetAddChecks},
     .modify = {.checks = kEthernetModifyChecks, .rules = kEthernetDestroyRule},
     .portColumn = 14, .permitColumn = 13, .denyColumns = columnRange(8, 12)},
    {.component = "CPUEthernetInformationRule1", .className = "TCPUEthernetInformationRuleForm",
     .designedCaption = "CPU Ethernet Rule Information", .addressTitle = nullptr, .table = CpuEthernetRuleVars,
     .indexCount = 2, .cpu = true, .mainWindowOwner = false, .controls = kEthernetControls,
     .buttons = kEthernetButtons,
     .add = {.checks = kEthernetAddChecks},
     .modify = {.checks = kEthernetModifyChecks, .rules = kEthernetDestroyRule}},
    {.component = "IPRule1", .className = "TIPRuleForm", .designedCaption = "IPv4 Rule", .addressTitle = nullptr,
     .table = IpRuleVars, .indexCount = 2, .cpu = false, .mainWindowOwner = false, .controls = kIpControls,
     .buttons = kButtons,
     .add = {.checks = kIpAddChecks, .rules = kIpProtocolRules},
     .modify = {.checks = kIpModifyChecks, .rules = kIpProtocolRules, .moreRules = kIpDestroyRule},
     .portColumn = 21, .permitColumn = 20, .denyColumns = columnRange(15, 19),
     .designedHeight = 640},
    {.component = "CPUIPRule1", .className = "TCPUIPRuleForm", .designedCaption = "CPU IPv4 Rule Information",
     .addressTitle = nullptr, .table = CpuIpRuleVars, .indexCount = 2, .cpu = true, .mainWindowOwner = false,
     .controls = kIpControls, .buttons = kButtons,
     .add = {.checks = kIpAddChecks, .rules = kIpProtocolRules},
     .modify = {.checks = kIpModifyChecks, .rules = kIpProtocolRules, .moreRules = kIpDestroyRule},
     .designedHeight = 600},
    {.component = "UserDefinedInformationRule1", .className = "TUserDefinedInformationRuleForm",
     .designedCaption = "User Defined Rule", .addressTitle = nullptr, .table = UserDefinedRuleVars,
     .indexCount = 2, .cpu = false, .mainWindowOwner = false, .controls = kUserControls, .buttons = kButtons,
     .add = {.checks = kUserIdChecks, .moreChecks = kUserOffsetCheck},
     .modify = {.idChecks = kUserModifyIdChecks, .redirects = kUserModifyRedirects, .moreChecks = kUserOffsetCheck},
     .portColumn = 14, .permitColumn = 13, .denyColumns = columnRange(8, 12)},
    {.component = "CPUUserDefinedInformationRule1", .className = "TCPUUserDefinedInformationRuleForm",
     .designedCaption = "CPU User Defined Rule Information", .addressTitle = nullptr,
     .table = CpuUserDefinedRuleVars, .indexCount = 2, .cpu = true, .mainWindowOwner = false,
     .controls = kUserControls, .buttons = kButtons,
     .add = {.checks = kUserIdChecks},
     .modify = {.checks = kUserModifyIdChecks, .rules = kUserDestroyRule}},
    {.component = "IPV6Rule1", .className = "TIPv6RuleForm", .designedCaption = "IPv6 Rule",
     .addressTitle = nullptr, .table = Ipv6RuleVars, .indexCount = 2, .cpu = false, .mainWindowOwner = false,
     .controls = kIpv6Controls, .buttons = kButtons,
     .add = {.checks = kIpv6IdChecks, .moreChecks = kIpv6AddChecks, .rules = kIpv6PriorityRule},
     .modify = {.redirects = kIpv6ModifyRedirects, .checks = kIpv6IdChecks, .moreChecks = kIpv6ValueChecks,
                .rules = kIpv6PriorityRule},
     .portColumn = 11, .permitColumn = 10, .denyColumns = columns({7, 8, 9}),
     .mirrorKeepsPriority = true},
    {.component = "CPUIPv6Rule1", .className = "TCPUIPv6RuleForm", .designedCaption = "CPU IPv6 Rule Information",
     .addressTitle = nullptr, .table = CpuIpv6RuleVars, .indexCount = 2, .cpu = true, .mainWindowOwner = false,
     .controls = kIpv6Controls, .buttons = kButtons,
     .add = {.checks = kIpv6IdChecks, .moreChecks = kIpv6AddChecks},
     .modify = {.redirects = kIpv6ModifyRedirects, .checks = kIpv6IdChecks, .moreChecks = kIpv6ValueChecks}},
};

} // namespace

std::span<const AccessEditorRecord> accessRuleEditors()
{
    return kRuleEditors;
}
