// Session start: boot counter file, record defaults, targets and PDU scoping.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "snmp/NvBootCounter.h"
#include "snmp/NvSNMPError.h"
#include "snmp/NvSNMPSession.h"

namespace {

std::string readText(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct BootCase {
    const char* name;
    const char* before;  // null: no file
    const char* after;
};

TEST(BootCounter, EachStartCountsOneMore)
{
    const BootCase cases[] = {
        {"missing file counts as 0", nullptr, "1\n"},
        {"stored counter", "41\n", "42\n"},
        {"not a number", "garbage", "1\n"},
        {"empty file", "", "1\n"},
        {"number followed by junk", "12abc", "1\n"},
        {"beyond 32 bits", "99999999999", "1\n"},
    };
    for (const BootCase& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const std::string dirPath = dir.path().toStdString();
        const std::string path = dirPath + "/NvSNMP_PP_BootCounter";
        if (c.before)
            std::ofstream(path) << c.before;
        startSnmpSession(dirPath);
        EXPECT_EQ(readText(path), c.after);
        startSnmpSession(dirPath);
        EXPECT_EQ(std::stoul(readText(path)), std::stoul(c.after) + 1);
    }
}

TEST(BootCounter, ReplacesTheFileInsteadOfOverwritingIt)
{
    // A hard link keeps the old file: if the counter were rewritten in place,
    // the link would show the new value (or a truncated one).
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/NvSNMP_PP_BootCounter";
    const std::string link = dir.path().toStdString() + "/old";
    std::ofstream(path) << "7\n";
    ASSERT_EQ(::link(path.c_str(), link.c_str()), 0);
    ASSERT_EQ(NvBootCounter::save(path, 8), 0);
    EXPECT_EQ(readText(path), "8\n");
    EXPECT_EQ(readText(link), "7\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary file left";
}

TEST(BootCounter, PathInDirectory)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "NvSNMP_PP_BootCounter"},
        {"/tmp/x", "/tmp/x/NvSNMP_PP_BootCounter"},
        {"/tmp/x/", "/tmp/x/NvSNMP_PP_BootCounter"},
        {"conf\\dir\\", "conf/dir/NvSNMP_PP_BootCounter"},
        {"conf\\dir", "conf/dir/NvSNMP_PP_BootCounter"},
    };
    for (auto [dir, path] : cases)
        EXPECT_EQ(NvBootCounter::pathIn(dir), path) << dir;
}

TEST(Session, StartResetsRecordsAndTheDefaultTargetIsV1ToLocalhost)
{
    QTemporaryDir dir;
    NvSNMPDevice.address = "10.9.9.9";
    NvSNMPSecurity.version = 3;
    NvSNMPScope.contextName = "left over";
    requestTimeout = 7;
    startSnmpSession(dir.path().toStdString());

    const NvSnmpTarget t = buildTarget(currentSnmpSettings());
    EXPECT_EQ(t.kind, NvSnmpTarget::Community);
    EXPECT_EQ(t.addressText(), "127.0.0.1/161");
    EXPECT_EQ(t.version, 0);
    EXPECT_EQ(t.readCommunity, "quorel");
    EXPECT_EQ(t.writeCommunity, "tessany");
    EXPECT_EQ(t.timeout, 100u);
    EXPECT_EQ(t.retries, 1u);
    EXPECT_EQ(NvSNMPScope.contextName, "");
    EXPECT_EQ(NvSNMPSecurity.securityLevel, 1);
    EXPECT_EQ(NvSNMPSecurity.authProtocol, 1);
    EXPECT_EQ(NvSNMPSecurity.privProtocol, 1);
}

TEST(Session, InvalidAgentAddressFailsWith509)
{
    for (const char* address : {"", "300.1.2.3", "1.2.3", "no such host!", "a..b", "10.0.0.1/161"}) {
        NvSNMPSettings s;
        s.address = address;
        try {
            buildTarget(s);
            ADD_FAILURE() << "accepted '" << address << "'";
        } catch (const NvSNMPException& e) {
            EXPECT_EQ(e.code(), -509) << address;
            EXPECT_EQ(std::string(e.what()), "(NvSNMP++) Invalid IP Address or DNS name!");
        }
    }
}

TEST(Session, TargetKindFollowsTheVersion)
{
    NvSNMPSettings s;
    s.address = "localhost";
    s.port = 1161;
    s.readCommunity = "r";
    s.writeCommunity = "w";
    s.securityModel = 3;
    s.securityName = "user";
    s.authProtocol = AuthHmacSha;
    s.privProtocol = PrivDes;
    s.authPassword = "a";
    s.privPassword = "p";
    s.timeout = 500;
    for (int version : {0, 1, 2, 3}) {
        s.version = static_cast<int8_t>(version);
        const NvSnmpTarget t = buildTarget(s);
        EXPECT_EQ(t.addressText(), "127.0.0.1/1161");
        EXPECT_EQ(t.version, version);
        EXPECT_EQ(t.timeout, 500u);
        if (version == 3) {
            EXPECT_EQ(t.kind, NvSnmpTarget::User);
            EXPECT_EQ(t.securityName, "user");
            EXPECT_EQ(t.authProtocol, 3);
            EXPECT_EQ(t.privProtocol, 2);
            EXPECT_EQ(t.privPassword, "p");
        } else {
            EXPECT_EQ(t.kind, NvSnmpTarget::Community) << version;
            EXPECT_EQ(t.readCommunity, "r");
            EXPECT_EQ(t.writeCommunity, "w");
        }
    }
}

TEST(Session, ScopeGoesOnEveryPdu)
{
    NvSNMPSettings s;
    s.securityLevel = SecurityAuthPriv;
    s.contextName = "ctx";
    s.contextEngineId = "engine";
    NvSnmpPdu pdu;
    scopePdu(pdu, s);
    EXPECT_EQ(pdu.securityLevel, 3);
    EXPECT_EQ(pdu.contextName, "ctx");
    EXPECT_EQ(pdu.contextEngineId, "engine");
}

}  // namespace
