// The SNMPv3 scope on the wire: a request's context name and context engine id
// reach the agent unchanged, in plain and in encrypted messages. hv720-sim
// keeps what it received in two control scalars.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

#include "snmp/NvSNMPRequest.h"
#include "snmp/NvSNMPSession.h"
#include "tests/common/AgentSession.h"
#include "tests/common/ErrorCode.h"
#include "tests/common/SimulatorProcess.h"

namespace {

const NvSNMPVarDescriptor kSysName[] = {
    {"1.3.6.1.2.1.1.5", "Name", SyntaxDisplayString, AccessReadable},
    {nullptr},
};

// The value text of a control scalar as Debian's snmpget prints it.
std::string controlValue(const SimulatorProcess& sim, const std::string& scalar)
{
    const std::string out = sim.get({"1.3.6.1.4.1.497.999.1." + scalar}).out;
    const size_t quote = out.find('"');
    return quote == std::string::npos ? out : out.substr(quote + 1, out.rfind('"') - quote - 1);
}

TEST(V3Scope, ContextNameAndEngineIdReachTheAgent)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.start({"--quiet", "--user", "scopeAuth:SHA:scopeAuthPass:AES:scopePrivPass", "--user", "scopeOpen"}))
        << sim.log();
    QTemporaryDir work;
    startSnmpSession(work.path().toStdString());

    struct Case {
        const char* user;
        NvSecurityLevel level;
        NvAuthProtocol auth;
        NvPrivProtocol priv;
        const char* contextName;
        const char* contextEngineId;
    };
    const Case cases[] = {
        {"scopeOpen", SecurityNoAuthNoPriv, AuthNone, PrivNone, "bridge", "8000engine"},
        {"scopeAuth", SecurityAuthPriv, AuthHmacSha, PrivAes128, "vlan 20", "other engine"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user);
        pointSessionAt(sim.port(), 20);
        NvSNMPSecurity.version = 3;
        NvSNMPSecurity.securityName = c.user;
        NvSNMPSecurity.securityLevel = c.level;
        NvSNMPSecurity.authProtocol = c.auth;
        NvSNMPSecurity.privProtocol = c.priv;
        NvSNMPSecurity.authPassword = "scopeAuthPass";
        NvSNMPSecurity.privPassword = "scopePrivPass";
        NvSNMPScope.contextName = c.contextName;
        NvSNMPScope.contextEngineId = c.contextEngineId;
        NvSNMPRequest request;
        request.varList.assign(NvSNMPVarList(kSysName, NvSNMPVarList::ScalarGroup, 0));
        // The simulator serves the default context only and leaves the request unanswered.
        EXPECT_EQ(codeOf([&] { request.getSync(true); }), -405);
        EXPECT_EQ(controlValue(sim, "27.0"), c.contextName);
        EXPECT_EQ(controlValue(sim, "28.0"), c.contextEngineId);
    }
}

}  // namespace
