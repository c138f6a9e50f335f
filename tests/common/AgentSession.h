#pragma once
// Points the process-wide session records at a test agent on 127.0.0.1.
#include <cstdint>
#include <string>

// SNMPv2c to 127.0.0.1:port with the given communities (hv720-sim's by
// default; the snmpd fixture accepts them too), no SNMPv3 scope, SNMPv3
// settings at their start-up defaults (user-based model, no authentication, no
// privacy), the time-out in hundredths of a second and walks that let the
// engine choose how many rows a GETBULK answer carries.
void pointSessionAt(int port, uint32_t timeout = 200, const std::string& readCommunity = "quorel",
                    const std::string& writeCommunity = "tessany");
