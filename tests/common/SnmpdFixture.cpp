#include "tests/common/SnmpdFixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <chrono>
#include <thread>

namespace {

// A get of sysUpTime.0 over v2c with community "public", built by hand so the
// fixture does not depend on the code it helps to test.
bool agentAnswers(uint16_t port)
{
    static const unsigned char request[] = {
        0x30, 0x26, 0x02, 0x01, 0x01, 0x04, 0x06, 'p', 'u', 'b', 'l', 'i', 'c',
        0xa0, 0x19, 0x02, 0x01, 0x01, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00,
        0x30, 0x0e, 0x30, 0x0c, 0x06, 0x08, 0x2b, 0x06, 0x01, 0x02, 0x01, 0x01, 0x03, 0x00, 0x05, 0x00};
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return false;
    timeval tv{0, 200000};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sendto(fd, request, sizeof request, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    unsigned char reply[512];
    ssize_t n = recv(fd, reply, sizeof reply, 0);
    close(fd);
    return n > 0;
}

}  // namespace

SnmpdFixture::SnmpdFixture() = default;

SnmpdFixture::~SnmpdFixture()
{
    stop();
}

uint16_t SnmpdFixture::freeUdpPort()
{
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    close(fd);
    return ntohs(addr.sin_port);
}

std::string SnmpdFixture::directory() const
{
    return m_dir ? m_dir->path().toStdString() : std::string();
}

bool SnmpdFixture::running() const
{
    return m_process && m_process->state() == QProcess::Running;
}

bool SnmpdFixture::start(std::string* error)
{
    auto fail = [&](const std::string& why) {
        if (error)
            *error = why;
        stop();
        return false;
    };
    QString snmpd = QStandardPaths::findExecutable("snmpd", {"/usr/sbin", "/usr/local/sbin", "/sbin"});
    if (snmpd.isEmpty())
        return fail("snmpd not found");
    m_dir = std::make_unique<QTemporaryDir>();
    if (!m_dir->isValid())
        return fail("no temporary directory");

    std::string conf =
        "rocommunity public 127.0.0.1\n"
        "rwcommunity private 127.0.0.1\n"
        "rocommunity quorel 127.0.0.1\n"
        "rwcommunity tessany 127.0.0.1\n"
        "rocommunity sysonly 127.0.0.1 .1.3.6.1.2.1.1\n"
        "createUser shaDesUser SHA \"authPhrase123\" DES \"privPhrase456\"\n"
        "createUser md5DesUser MD5 \"authPhrase123\" DES \"privPhrase456\"\n"
        "createUser shaAesUser SHA \"authPhrase123\" AES \"privPhrase456\"\n"
        "createUser sha256Aes256User SHA-256 \"authPhrase123\" AES-256 \"privPhrase456\"\n"
        "createUser sha512Aes192User SHA-512 \"authPhrase123\" AES-192 \"privPhrase456\"\n"
        "createUser authOnlyUser SHA \"authPhrase123\"\n"
        "createUser noAuthUser\n"
        "rwuser shaDesUser priv\n"
        "rwuser md5DesUser priv\n"
        "rwuser shaAesUser priv\n"
        "rwuser sha256Aes256User priv\n"
        "rwuser sha512Aes192User priv\n"
        "rwuser authOnlyUser auth\n"
        "rwuser noAuthUser noauth\n"
        "sysLocation fixture-location\n"
        "sysContact fixture-contact\n";
    conf += m_extra;
    const QString confPath = m_dir->filePath("snmpd.conf");
    QFile file(confPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(conf.data(), static_cast<qint64>(conf.size())) < 0)
        return fail("cannot write configuration");
    file.close();

    // The agent saves its state into the persistent directory when it stops; it
    // must not overwrite the configuration.
    const QString persistent = m_dir->filePath("state");
    QDir().mkpath(persistent);
    const QString logPath = m_dir->filePath("snmpd.log");
    for (int attempt = 0; attempt < 5; ++attempt) {
        m_port = freeUdpPort();
        m_process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MIBS", "");
        env.insert("SNMP_PERSISTENT_DIR", persistent);
        env.insert("SNMPCONFPATH", persistent);
        m_process->setProcessEnvironment(env);
        // A log file, not a pipe: a pipe nobody reads would stall the agent.
        m_process->setStandardOutputFile(QProcess::nullDevice());
        m_process->setStandardErrorFile(QProcess::nullDevice());
        m_process->setWorkingDirectory(m_dir->path());
        m_process->start(snmpd, {"-f", "-Lf", logPath, "-C", "-c", confPath, "-I", "-smux",
                                 QString("udp:127.0.0.1:%1").arg(m_port)});
        if (!m_process->waitForStarted(5000))
            return fail("snmpd did not start");
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && m_process->state() == QProcess::Running) {
            if (agentAnswers(m_port))
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        m_process->kill();
        m_process->waitForFinished(2000);
    }
    QFile log(logPath);
    log.open(QIODevice::ReadOnly);
    return fail("snmpd did not answer: " + log.readAll().toStdString());
}

void SnmpdFixture::stop()
{
    if (m_process) {
        if (m_process->state() != QProcess::NotRunning) {
            m_process->terminate();
            if (!m_process->waitForFinished(3000)) {
                m_process->kill();
                m_process->waitForFinished(2000);
            }
        }
        m_process.reset();
    }
}
