// The eight access-profile (mask) editors: for each family its controls (with
// the CPU twin's variants beside them), its checks and its column rules, and at
// the end the one table of the eight editors.
#include "editors/access/AccessEditorRecord.h"

#include "catalogue/NvCatalogueTables.h"

namespace {

// ---- Ethernet -------------------------------------------------------------

constexpr AccessControlSpec kEthernetControls[] = {
    {.column = 1, .cpuColumn = 1, .name = "IDEdit", .caption = "Ethernet Mask ID", .cpuCaption = "Profile ID",
     .constraint = "%i{n1x255l3}", .cpuConstraint = "%i{n1x5l1}"},
    {.column = 2, .cpuColumn = 2, .name = "UseVLanComBo", .caption = "Use VLAN", .defaultItem = "disabled"},
    {.column = 3, .cpuColumn = 3, .name = "MacMaskStateComBo", .caption = "MAC Address Mask State",
     .cpuCaption = "MAC Addr Mask State", .defaultItem = "other"},
    {.column = 4, .cpuColumn = 4, .name = "MacAddMaskSourceEdit", .caption = "MAC Address Mask Source",
     .cpuCaption = "Src MAC Addr Mask", .constraint = "%s{l12}"},
    {.column = 5, .cpuColumn = 5, .name = "MacMaskDstEdit", .caption = "MAC Address Mask Destination",
     .cpuCaption = "Dst MAC Addr Mask", .constraint = "%s{l12}"},
    {.column = 6, .cpuColumn = 6, .name = "Use8021pComBo", .caption = "Use 8021p", .cpuCaption = "Use8021p",
     .defaultItem = "disabled"},
    {.column = 7, .cpuColumn = 7, .name = "UseEthTypeCombo", .caption = "Use Ethernet Type", .defaultItem = "disabled"},
    {.column = 8, .cpuColumn = 8, .name = "RowStatusComBo", .caption = "Row Status", .defaultItem = "active"},
};

constexpr AccessCheck kEthernetAddChecks[] = {
    {.when = {empty(1)}, .message = "Ethernet Mask ID must be set.", .focusColumn = 1},
    {.when = {duplicate()}, .message = "There is already a record with the same Ethernet Mask ID. Please modified it.",
     .focusColumn = 1},
    {.when = {textIsNot(8, "createAndGo")}, .message = "Row Status must be createAndGo.", .focusColumn = 8},
};
constexpr AccessCheck kEthernetModifyChecks[] = {
    {.when = {empty(1)}, .message = "Ethernet Mask ID must be set."},
};
// Add also leaves out the mask of the chosen direction when its edit is empty.
constexpr AccessColumnRule kEthernetAddRules[] = {
    {.leaveOut = columns({4, 5}), .when = {textIs(3, "other")}},
    {.leaveOut = columns({4}), .when = {textIs(3, "dst-mac-addr")}},
    {.leaveOut = columns({5}), .when = {textIs(3, "dst-mac-addr")}, .eachWhenEmpty = true},
    {.leaveOut = columns({5}), .when = {textIs(3, "src-mac-addr")}},
    {.leaveOut = columns({4}), .when = {textIs(3, "src-mac-addr")}, .eachWhenEmpty = true},
};
constexpr AccessColumnRule kEthernetModifyRules[] = {
    {.leaveOut = columns({4, 5}), .when = {textIs(3, "other")}},
    {.leaveOut = columns({4}), .when = {textIs(3, "dst-mac-addr")}},
    {.leaveOut = columns({5}), .when = {textIs(3, "src-mac-addr")}},
    {.leaveOut = columnRange(2, 7), .when = {textIs(8, "destroy")}},
};

// ---- IPv4 -----------------------------------------------------------------

constexpr AccessControlSpec kIpControls[] = {
    {.column = 1, .cpuColumn = 1, .name = "IPIDEdit", .caption = "IP ID", .cpuCaption = "Profile ID",
     .constraint = "%i{n1x255l3}"},
    {.column = 2, .cpuColumn = 2, .name = "UseVlanComBo", .caption = "Use VLAN", .defaultItem = "disabled"},
    {.column = 3, .cpuColumn = 3, .name = "IpAddMaskStateComboBox", .caption = "IP Address Mask State",
     .cpuCaption = "IP Addr Mask State", .defaultItem = "other"},
    {.column = 4, .cpuColumn = 4, .name = "IpAddMaskSrcEdit", .caption = "IP Address Mask Source",
     .cpuCaption = "Src IP Addr Mask", .constraint = "%s"},
    {.column = 5, .cpuColumn = 5, .name = "IpAddMaskDstEdit", .caption = "IP Address Mask Destination",
     .cpuCaption = "Dst IP Addr Mask", .constraint = "%s"},
    {.column = 6, .cpuColumn = 6, .name = "UseDSCPComBo", .caption = "Use DSCP", .defaultItem = "disabled"},
    {.column = 7, .cpuColumn = 7, .name = "UseProTypeComBo", .caption = "Use Protocol Type",
     .cpuCaption = "Use Proto Type", .defaultItem = "none"},
    {.column = 8, .cpuColumn = 8, .name = "ICMPOptionComBo", .caption = "ICMP Option", .defaultItem = "none"},
    {.column = 9, .cpuColumn = 9, .name = "IGMPOptionComBo", .caption = "IGMP Option", .defaultItem = "disable"},
    {.column = 10, .cpuColumn = 10, .name = "TCPOptionComBo", .caption = "TCP Option", .defaultItem = "other"},
    {.column = 11, .cpuColumn = 11, .name = "UDPOptionComBo", .caption = "UDP Option", .defaultItem = "other"},
    {.column = 12, .cpuColumn = 12, .name = "TCPUDPSrcMaskEdit", .caption = "TCP or UDP Srouce Port Mask",
     .cpuCaption = "TCP or UDP Src Port Mask", .constraint = "%s"},
    {.column = 13, .cpuColumn = 13, .name = "TCPUDPDstPortMaskEdit", .caption = "TCP or UDP Destination Port Mask",
     .cpuCaption = "TCP or UDP Dst Port Mask", .constraint = "%s"},
    {.column = 14, .cpuColumn = 14, .name = "TCPFlagBitOptionComBo", .caption = "TCP Flag Bit Option",
     .cpuCaption = "TCP Flag Bit", .defaultItem = "disable"},
    {.column = 15, .cpuColumn = 15, .name = "TCPFlagBitMaskEdit", .caption = "TCP Flag Bit Mask", .constraint = "%i"},
    {.column = 16, .cpuColumn = 16, .name = "ProOptionComBo", .caption = "Protocol ID Option",
     .cpuCaption = "Proto ID Option", .defaultItem = "disable"},
    {.column = 17, .cpuColumn = 17, .name = "ProIDMaskEdit", .caption = "Protocol ID Mask",
     .cpuCaption = "Proto ID Mask", .constraint = "%s"},
    {.column = 18, .cpuColumn = 18, .name = "RowStatusComBo", .caption = "Row Status", .defaultItem = "active"},
};

// Applied by add and modify alike.
constexpr AccessColumnRule kIpRules[] = {
    // address masks by the mask state
    {.leaveOut = columns({4, 5}), .when = {textIs(3, "other")}},
    {.leaveOut = columns({4}), .when = {textIs(3, "dst-ip-addr")}},
    {.leaveOut = columns({5}), .when = {textIs(3, "src-ip-addr")}},
    // TCP and UDP options at "other"
    {.leaveOut = columns({10}), .when = {indexIs(10, 0)}},
    {.leaveOut = columns({11}), .when = {indexIs(11, 0)}},
    // port masks: the source mask goes with a source option, the destination mask with a destination one
    {.leaveOut = columns({12}), .when = {textIsNot(10, "src-addr"), textIsNot(10, "dst-src-addr"),
                                         textIsNot(11, "src-addr"), textIsNot(11, "dst-src-addr")}},
    {.leaveOut = columns({13}), .when = {textIsNot(10, "dst-addr"), textIsNot(10, "dst-src-addr"),
                                         textIsNot(11, "dst-addr"), textIsNot(11, "dst-src-addr")}},
    {.leaveOut = columns({15}), .when = {textIsNot(14, "enable")}},
    {.leaveOut = columns({17}), .when = {textIsNot(7, "protocolId")}},
    {.leaveOut = columns({17}), .when = {indexIsNot(16, 0)}},
    // protocol type, by item
    {.leaveOut = columnRange(8, 17), .when = {indexIs(7, 0)}},
    {.leaveOut = columnRange(8, 17), .when = {noSelection(7)}},
    {.leaveOut = columnRange(9, 17), .when = {indexIs(7, 1)}},
    {.leaveOut = columns({8}), .when = {indexIs(7, 1), textIs(8, "none")}},
    {.leaveOut = columns({8}) | columnRange(10, 17), .when = {indexIs(7, 2)}},
    {.leaveOut = columns({8, 9, 11, 16, 17}), .when = {indexIs(7, 3)}},
    {.leaveOut = columns({8, 9, 10, 14, 15, 16, 17}), .when = {indexIs(7, 4)}},
    {.leaveOut = columnRange(8, 15), .when = {indexIs(7, 5)}},
    // masks left empty
    {.leaveOut = columns({4, 5, 12, 13, 15, 17}), .eachWhenEmpty = true},
};
// An Add pressed while the Row Status shows "destroy" creates the row with nothing but its status.
constexpr AccessColumnRule kIpAddRules[] = {
    {.leaveOut = columnRange(2, 17), .when = {textIs(18, "destroy")}},
};

constexpr AccessRedirect kIpModifyRedirects[] = {
    {.when = {textIs(18, "destroy")}, .runAs = AccessOperation::Delete},
};

// ---- user-defined packet content -------------------------------------------

constexpr AccessControlSpec kUserControls[] = {
    {.column = 1, .cpuColumn = 1, .name = "Edit1", .caption = "Mask Entry ID", .cpuCaption = "Profile ID",
     .constraint = "%i{n1x255l3}"},
    {.column = 2, .cpuColumn = 2, .name = "Edit5", .caption = "Filtered Port(s) [0 to 15]",
     .cpuCaption = "Offset 0 to 15", .constraint = "%s{l32}"},
    {.column = 3, .cpuColumn = 3, .name = "Edit3", .caption = "Filtered Port(s) [16 to 31]",
     .cpuCaption = "Offset 16 to 31", .constraint = "%s{l32}"},
    {.column = 4, .cpuColumn = 4, .name = "Edit4", .caption = "Filtered Port(s) [32 to 47]",
     .cpuCaption = "Offset 32 to 47", .constraint = "%s{l32}"},
    {.column = 5, .cpuColumn = 5, .name = "Edit6", .caption = "Filtered Port(s) [48 to 63]",
     .cpuCaption = "Offset 48 to 63", .constraint = "%s{l32}"},
    {.column = 6, .cpuColumn = 6, .name = "Edit7", .caption = "Filtered Port(s) [64 to 79]",
     .cpuCaption = "Offset 64 to 79", .constraint = "%s{l32}"},
    {.column = 7, .cpuColumn = 7, .name = "ComboBox1", .caption = "Mask Row Status", .cpuCaption = "Row Status",
     .defaultItem = "createAndGo"},
};

constexpr AccessCheck kUserAddChecks[] = {
    {.when = {empty(1)}, .message = "Mask Entry ID must be set.", .focusColumn = 1},
    {.when = {duplicate()}, .message = "Mask Entry ID must be different.", .focusColumn = 1},
    {.when = {textIsNot(7, "createAndGo")}, .message = "Row State must be createAndGo.", .focusColumn = 7},
};
constexpr AccessCheck kUserModifyChecks[] = {
    {.when = {empty(1)}, .message = "Mask Entry ID must be set."},
};
constexpr AccessColumnRule kUserRules[] = {
    {.leaveOut = columnRange(2, 6), .eachWhenEmpty = true},
};

// ---- IPv6 -----------------------------------------------------------------

constexpr AccessControlSpec kIpv6Controls[] = {
    {.column = 1, .cpuColumn = 1, .name = "edtIPv6MaskID", .caption = "IPv6 Mask ID", .constraint = "%i{n1x8l1}"},
    {.column = 2, .cpuColumn = 2, .name = "cbxClass", .caption = "Class"},
    {.column = 3, .cpuColumn = 3, .name = "cbxFlowLabel", .caption = "Flow Label"},
    {.column = 4, .cpuColumn = 4, .name = "cbxIPv6MaskState", .caption = "IPv6 Address Mask State"},
    {.column = 5, .cpuColumn = 5, .name = "edtIPv6SrcMask", .caption = "IPv6 Source Address Mask", .constraint = "%s{l32}"},
    {.column = 6, .cpuColumn = 6, .name = "edtIPv6DstMask", .caption = "IPv6 Destination Address Mask",
     .constraint = "%s{l32}"},
    {.column = 7, .cpuColumn = 7, .name = "cbxRowStatus", .caption = "RowStatus"},
};

constexpr AccessCheck kIpv6AddIdCheck[] = {
    {.when = {empty(1)}, .message = "IPv6 Mask ID must be set.", .focusColumn = 1},
};
constexpr AccessCheck kCpuIpv6AddIdCheck[] = {
    {.when = {empty(1)}, .message = "CPU IPv6 Mask ID must be set.", .focusColumn = 1},
};
constexpr AccessCheck kIpv6AddChecks[] = {
    {.when = {duplicate()}, .message = "There is already a record with the same IPv6 Mask ID. Please modify it.",
     .focusColumn = 1},
    {.when = {textIsNot(7, "createAndGo")}, .message = "Row Status must be createAndGo.", .focusColumn = 7},
};

constexpr AccessCheck kIpv6ModifyChecks[] = {
    {.when = {empty(1)}, .message = "IPv6 Mask ID must be set.", .focusColumn = 1},
    {.when = {noSelection(2)}, .message = "Please choose Class.", .focusColumn = 2},
    {.when = {noSelection(3)}, .message = "Please choose Flow Label.", .focusColumn = 3},
    {.when = {noSelection(4)}, .message = "Please choose IPv6 Address Mask State.", .focusColumn = 4},
    {.when = {textIs(4, "dst-ipv6-addr"), empty(6)}, .message = "IPv6 Destination Address Mask should not be null.",
     .focusColumn = 6},
    {.when = {textIs(4, "src-ipv6-addr"), empty(5)}, .message = "IPv6 Source Address Mask should not be null.",
     .focusColumn = 5},
    {.when = {textIs(4, "dst-src-ipv6-addr"), empty(6)},
     .message = "IPv6 Destination Address Mask should not be null.", .focusColumn = 6},
    {.when = {textIs(4, "dst-src-ipv6-addr"), empty(5)}, .message = "IPv6 Source Address Mask should not be null.",
     .focusColumn = 5},
};
constexpr AccessColumnRule kIpv6AddRules[] = {
    {.leaveOut = columns({2}), .when = {noSelection(2)}},
    {.leaveOut = columns({3}), .when = {noSelection(3)}},
    {.leaveOut = columns({4, 5, 6}), .when = {noSelection(4)}},
    {.leaveOut = columns({6}), .when = {textIs(4, "dst-ipv6-addr")}, .eachWhenEmpty = true},
    {.leaveOut = columns({5}), .when = {textIs(4, "src-ipv6-addr")}, .eachWhenEmpty = true},
    {.leaveOut = columns({5, 6}), .when = {textIs(4, "dst-src-ipv6-addr")}, .eachWhenEmpty = true},
    {.leaveOut = columns({5, 6}), .when = {indexIs(4, 0)}},
    {.leaveOut = columns({5}), .when = {indexIs(4, 1)}},
    {.leaveOut = columns({6}), .when = {indexIs(4, 2)}},
};
// A modification never sends the Row Status.
constexpr AccessColumnRule kIpv6ModifyRules[] = {
    {.leaveOut = columns({5, 6}), .when = {textIs(4, "other")}},
    {.leaveOut = columns({5}), .when = {textIs(4, "dst-ipv6-addr")}},
    {.leaveOut = columns({6}), .when = {textIs(4, "src-ipv6-addr")}},
    {.leaveOut = columns({7})},
};
constexpr AccessRedirect kIpv6ModifyRedirects[] = {
    {.when = {textIs(7, "createAndGo")}, .runAs = AccessOperation::Add},
    {.when = {textIs(7, "destroy")}, .runAs = AccessOperation::Delete},
};

// ---- the eight editors ----------------------------------------------------

constexpr AccessButtonNames kEthernetButtons = {"BT_Get", "SetBtn", "Set", "BT_Set", "BT_Delete"};
constexpr AccessButtonNames kIpButtons = {"BT_Get", "SetBtn", "Set", "BT_Add", "BT_Delete"};
constexpr AccessButtonNames kUserButtons = {"GetButton", "OperButton", "Edit", "AddButton", "DeleteButton"};
constexpr AccessButtonNames kIpv6Buttons = {"btnRefresh", "btnModify", "Set", "btnAdd", "btnDelete"};

constexpr AccessOperationSpec kEthernetAdd = {.checks = kEthernetAddChecks, .rules = kEthernetAddRules,
                                              .rowStatus = "createAndGo"};
constexpr AccessOperationSpec kEthernetModify = {.checks = kEthernetModifyChecks, .rules = kEthernetModifyRules};
constexpr AccessOperationSpec kIpAdd = {.rules = kIpAddRules, .moreRules = kIpRules, .rowStatus = "createAndGo"};
constexpr AccessOperationSpec kIpModify = {.redirects = kIpModifyRedirects, .rules = kIpRules};
constexpr AccessOperationSpec kUserAdd = {.checks = kUserAddChecks, .rules = kUserRules};
constexpr AccessOperationSpec kUserModify = {.checks = kUserModifyChecks, .rules = kUserRules};
constexpr AccessOperationSpec kIpv6Add = {.checks = kIpv6AddIdCheck, .moreChecks = kIpv6AddChecks,
                                          .rules = kIpv6AddRules};
constexpr AccessOperationSpec kCpuIpv6Add = {.checks = kCpuIpv6AddIdCheck, .moreChecks = kIpv6AddChecks,
                                             .rules = kIpv6AddRules};
constexpr AccessOperationSpec kIpv6Modify = {.redirects = kIpv6ModifyRedirects, .checks = kIpv6ModifyChecks,
                                             .rules = kIpv6ModifyRules};

const AccessEditorRecord kMaskEditors[] = {
    {.component = "EthernetMask1", .className = "TEthernetMaskInformationForm",
     .designedCaption = "Ethernet Mask Information Form", .addressTitle = "Ethernet Mask Information :",
     .table = EthernetMaskVars, .indexCount = 1, .cpu = false, .mainWindowOwner = false,
     .controls = kEthernetControls, .buttons = kEthernetButtons,
     .add = kEthernetAdd, .modify = kEthernetModify},
    {.component = "CPUEthernetMaskInformation1", .className = "TCPUEthernetMaskInformationForm",
     .designedCaption = "CPU Ethernet Mask Information Form", .addressTitle = "CPU Ethernet Mask Information :",
     .table = CpuEthernetMaskVars, .indexCount = 1, .cpu = true, .mainWindowOwner = false,
     .controls = kEthernetControls, .buttons = kEthernetButtons,
     .add = kEthernetAdd, .modify = kEthernetModify},
    {.component = "IPMaskInformation1", .className = "TIPMaskInformationForm",
     .designedCaption = "IPv4 Mask Information Form", .addressTitle = "IP Mask MaskInformation :",
     .table = IpMaskVars, .indexCount = 1, .cpu = false, .mainWindowOwner = false,
     .controls = kIpControls, .buttons = kIpButtons,
     .add = kIpAdd, .modify = kIpModify, .designedHeight = 640},
    {.component = "CPUIPMaskInformation1", .className = "TCPUIPMaskInformationForm",
     .designedCaption = "CPU IPv4 Mask Information Form", .addressTitle = "CPU IP Mask MaskInformation :",
     .table = CpuIpMaskVars, .indexCount = 1, .cpu = true, .mainWindowOwner = false,
     .controls = kIpControls, .buttons = kIpButtons,
     .add = kIpAdd, .modify = kIpModify, .designedHeight = 640},
    {.component = "UserDefinedMaskInformation1", .className = "TUserMaskInfoForm",
     .designedCaption = "User Defined Mask Information", .addressTitle = "User Defined Mask Information :",
     .table = UserMaskVars, .indexCount = 1, .cpu = false, .mainWindowOwner = false,
     .controls = kUserControls, .buttons = kUserButtons,
     .add = kUserAdd, .modify = kUserModify},
    {.component = "CPUUserDefinedMaskInformation1", .className = "TCPUUserMaskInfoForm",
     .designedCaption = "CPU User Defined Mask Information", .addressTitle = "CPU User Defined Mask Information :",
     .table = CpuUserMaskVars, .indexCount = 1, .cpu = true, .mainWindowOwner = false,
     .controls = kUserControls, .buttons = kUserButtons,
     .add = kUserAdd, .modify = kUserModify},
    {.component = "IPV6MaskInformation1", .className = "TIPv6MaskInformationForm",
     .designedCaption = "IPv6 Mask Information", .addressTitle = "IPV6 Mask Information : ",
     .table = Ipv6MaskVars, .indexCount = 1, .cpu = false, .mainWindowOwner = true,
     .controls = kIpv6Controls, .buttons = kIpv6Buttons,
     .add = kIpv6Add, .modify = kIpv6Modify},
    {.component = "CPUIPv6MaskInformation1", .className = "TCPUIPv6MaskInformationForm",
     .designedCaption = "CPU IPv6 Mask Information", .addressTitle = "CPU IPV6 Mask Information : ",
     .table = CpuIpv6MaskVars, .indexCount = 1, .cpu = true, .mainWindowOwner = true,
     .controls = kIpv6Controls, .buttons = kIpv6Buttons,
     .add = kCpuIpv6Add, .modify = kIpv6Modify},
};

} // namespace

std::span<const AccessEditorRecord> accessMaskEditors()
{
    return kMaskEditors;
}
