#pragma once
// Starts the system's snmpd on a free port of 127.0.0.1 with a generated
// configuration, and stops it again. Nothing outside a private temporary
// directory is read or written by the agent.
//
// Communities: "public" (read), "private" (read-write), "quorel"/"tessany" (the
// module's defaults), "sysonly" (read, view limited to the system group).
// SNMPv3 users (pass phrases in the constants below): SHA/DES, MD5/DES,
// SHA/AES-128, SHA-256/AES-256, SHA-512/AES-192, SHA without privacy, and one
// without authentication.
#include <QProcess>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <string>

class SnmpdFixture {
public:
    static constexpr const char* kShaDesUser = "shaDesUser";
    static constexpr const char* kMd5DesUser = "md5DesUser";
    static constexpr const char* kShaAesUser = "shaAesUser";
    static constexpr const char* kSha256Aes256User = "sha256Aes256User";
    static constexpr const char* kSha512Aes192User = "sha512Aes192User";
    static constexpr const char* kAuthOnlyUser = "authOnlyUser";
    static constexpr const char* kNoAuthUser = "noAuthUser";
    static constexpr const char* kAuthPass = "authPhrase123";
    static constexpr const char* kPrivPass = "privPhrase456";

    SnmpdFixture();
    ~SnmpdFixture();

    // Lines added to the generated configuration before start().
    void addConfig(const std::string& lines) { m_extra += lines + "\n"; }
    // Starts the agent and waits until it answers; false (with a reason) otherwise.
    bool start(std::string* error = nullptr);
    void stop();
    bool running() const;

    uint16_t port() const { return m_port; }
    std::string directory() const;

    // A UDP port of 127.0.0.1 that was free a moment ago.
    static uint16_t freeUdpPort();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QProcess> m_process;
    std::string m_extra;
    uint16_t m_port = 0;
};
