// A walk over an agent that answers get-next with identifiers that do not grow
// (repeating, going back, cycling) still ends. The agent is a few lines of UDP
// that answer every request with the next identifier of a fixed sequence.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QEventLoop>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "snmp/NvMessageCatalogue.h"
#include "snmp/NvSNMPRequest.h"
#include "snmp/NvSNMPSession.h"
#include "tests/common/AgentSession.h"
#include "tests/common/SimulatorProcess.h"

namespace {

using Bytes = std::string;

Bytes tlv(uint8_t tag, const Bytes& content)
{
    Bytes out(1, static_cast<char>(tag));
    if (content.size() < 128) {
        out += static_cast<char>(content.size());
    } else {
        out += static_cast<char>(0x82);
        out += static_cast<char>(content.size() >> 8);
        out += static_cast<char>(content.size() & 0xFF);
    }
    return out + content;
}

// Reads one TLV at pos; gives the start of its content and its length.
bool readTlv(const Bytes& b, size_t pos, uint8_t& tag, size_t& start, size_t& len)
{
    if (pos + 2 > b.size())
        return false;
    tag = static_cast<uint8_t>(b[pos]);
    size_t l = static_cast<uint8_t>(b[pos + 1]);
    start = pos + 2;
    if (l & 0x80) {
        const size_t n = l & 0x7F;
        l = 0;
        for (size_t i = 0; i < n; ++i)
            l = (l << 8) | static_cast<uint8_t>(b[start + i]);
        start += n;
    }
    len = l;
    return start + len <= b.size();
}

// Every arc of the identifiers used here is below 128.
Bytes oidBytes(const std::vector<int>& arcs)
{
    Bytes content(1, static_cast<char>(arcs[0] * 40 + arcs[1]));
    for (size_t i = 2; i < arcs.size(); ++i)
        content += static_cast<char>(arcs[i]);
    return tlv(0x06, content);
}

class StubbornAgent {
public:
    explicit StubbornAgent(std::vector<int> instances) : m_instances(std::move(instances))
    {
        m_fd = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        socklen_t len = sizeof addr;
        getsockname(m_fd, reinterpret_cast<sockaddr*>(&addr), &len);
        m_port = ntohs(addr.sin_port);
        timeval tv{0, 50000};
        setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
        m_thread = std::thread([this] { run(); });
    }
    ~StubbornAgent()
    {
        m_stop = true;
        m_thread.join();
        close(m_fd);
    }
    uint16_t port() const { return m_port; }
    int requests() const { return m_requests; }

private:
    void run()
    {
        while (!m_stop) {
            char buffer[1500];
            sockaddr_in from{};
            socklen_t fromLen = sizeof from;
            const ssize_t n = recvfrom(m_fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &fromLen);
            if (n <= 0)
                continue;
            const Bytes request(buffer, static_cast<size_t>(n));
            // message: version, community, PDU(request id, ...)
            uint8_t tag;
            size_t start, len, vStart, vLen, cStart, cLen, pStart, pLen, rStart, rLen;
            if (!readTlv(request, 0, tag, start, len) || !readTlv(request, start, tag, vStart, vLen)
                || !readTlv(request, vStart + vLen, tag, cStart, cLen)
                || !readTlv(request, cStart + cLen, tag, pStart, pLen)
                || !readTlv(request, pStart, tag, rStart, rLen))
                continue;
            const size_t index = std::min<size_t>(static_cast<size_t>(m_requests), m_instances.size() - 1);
            ++m_requests;
            const Bytes varbind = tlv(0x30, oidBytes({1, 3, 6, 1, 4, 1, 9, 9, 1, 2, m_instances[index]})
                                                 + tlv(0x02, Bytes(1, 1)));
            const Bytes pdu = request.substr(pStart, rStart + rLen - pStart) + tlv(0x02, Bytes(1, 0))
                              + tlv(0x02, Bytes(1, 0)) + tlv(0x30, varbind);
            const Bytes reply = tlv(0x30, request.substr(vStart - 2, cStart + cLen - (vStart - 2)) + tlv(0xA2, pdu));
            sendto(m_fd, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from), fromLen);
        }
    }

    std::vector<int> m_instances;
    int m_fd = -1;
    uint16_t m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_requests{0};
    std::thread m_thread;
};

const NvSNMPVarDescriptor kColumn[] = {
    {"1.3.6.1.4.1.9.9.1.1", "index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.9.9.1.2", "value", SyntaxInteger, AccessReadable},
    {nullptr},
};

struct Case {
    const char* name;
    std::vector<int> instances;  // what the agent answers, request by request (the last repeats)
    size_t rows;                 // rows the walk reports before it ends, naming the fault
};

const Case kCases[] = {
    {"repeats the same identifier", {5, 5}, 1},
    {"goes back", {5, 3}, 1},
    {"cycles between two rows", {5, 7, 5, 7}, 2},
};

// A blocking walk of at most 50 rows: the rows it reported and the code it
// ended with.
struct BlockingWalk {
    size_t rows = 0;
    int code = 0;
};

BlockingWalk walkBlocking(NvSNMPRequest& r)
{
    BlockingWalk w;
    try {
        for (bool more = r.getSync(true); more && w.rows < 50; more = r.getSync(false))
            ++w.rows;
    } catch (const NvSNMPException& e) {
        w.code = e.code();
    }
    return w;
}

class StubbornAgentTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static QTemporaryDir dir;
        startSnmpSession(dir.path().toStdString());
    }
    void SetUp() override
    {
        pointSessionAt(0, 100, "public");  // each case gives its agent's port
    }
};

TEST_F(StubbornAgentTest, BlockingWalkEnds)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        StubbornAgent agent(c.instances);
        NvSNMPDevice.port = agent.port();
        NvSNMPRequest r;
        r.varList.assign(NvSNMPVarList(kColumn, NvSNMPVarList::Table, 1));
        const BlockingWalk w = walkBlocking(r);
        EXPECT_EQ(w.rows, c.rows);
        EXPECT_EQ(w.code, ErrWalkNotAdvancing);
    }
}

TEST_F(StubbornAgentTest, WalkThroughThePumpEnds)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        StubbornAgent agent(c.instances);
        NvSNMPDevice.port = agent.port();
        NvSNMPRequest r;
        r.varList.assign(NvSNMPVarList(kColumn, NvSNMPVarList::Table, 1));
        size_t rows = 0;
        QEventLoop loop;
        NvSNMPError last;
        NvSNMPReplyHandler handler = [&](NvSNMPRequest& req, const NvSNMPError& e) {
            if (!e.finished && ++rows < 50) {
                req.getAsync(handler, false);
                return;
            }
            last = e;
            loop.quit();
        };
        r.getAsync(handler, true);
        loop.exec();
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(last.code, ErrWalkNotAdvancing);
    }
}

// The simulator's unit table with a readable index column: only the index
// column repeats its identifier, the status column goes on. The walk must end
// with the rows the status column has, not start over from the first row, and
// end as a failure that names the agent's fault.
TEST(StubbornSimulator, WalkWhoseReadableIndexColumnRepeatsEnds)
{
    const char* const indexColumn = "1.3.6.1.4.1.497.12.11.1.9.4.1.1";
    const NvSNMPVarDescriptor units[] = {
        {indexColumn, "Unit", SyntaxInteger, AccessIndex | AccessReadable},
        {"1.3.6.1.4.1.497.12.11.1.9.4.1.2", "Status", SyntaxInteger, AccessReadable},
        {nullptr},
    };
    SimulatorProcess sim;
    ASSERT_TRUE(sim.start({"--walk-fault", std::string(indexColumn) + "=repeat"},
                          "model=HV-720\nmodel=HV-710\nmodel=HV-630\n"))
        << sim.log();
    static QTemporaryDir dir;
    startSnmpSession(dir.path().toStdString());
    pointSessionAt(sim.port(), 100);
    NvSNMPRequest r;
    r.varList.assign(NvSNMPVarList(units, NvSNMPVarList::Table, 1));
    const BlockingWalk w = walkBlocking(r);
    EXPECT_EQ(w.rows, 3u);  // one per unit
    EXPECT_EQ(w.code, ErrWalkNotAdvancing);
}

}  // namespace
