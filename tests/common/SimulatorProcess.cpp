#include "tests/common/SimulatorProcess.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

int freeUdpPort()
{
    int s = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    int port = 0;
    socklen_t len = sizeof a;
    if (s >= 0 && bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0
        && getsockname(s, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    if (s >= 0)
        close(s);
    return port;
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

} // namespace

SimulatorProcess::SimulatorProcess()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string templ = std::string(tmp && *tmp ? tmp : "/tmp") + "/hv720-simtest.XXXXXX";
    std::vector<char> buf(templ.begin(), templ.end());
    buf.push_back('\0');
    if (mkdtemp(buf.data()))
        dir_ = buf.data();
}

SimulatorProcess::~SimulatorProcess()
{
    stop();
    if (!dir_.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
}

std::string SimulatorProcess::executable()
{
    // The test executables and the simulator share the build's bin directory.
    const char* env = std::getenv("NV_BIN_DIR");
    if (env && *env)
        return std::string(env) + "/hv720-sim";
#ifdef NV_BIN_DIR
    return std::string(NV_BIN_DIR) + "/hv720-sim";
#else
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return (self.parent_path() / "hv720-sim").string();
#endif
}

std::string SimulatorProcess::address() const
{
    return "127.0.0.1:" + std::to_string(port_);
}

std::string SimulatorProcess::peer() const
{
    return "udp:" + address();
}

std::string SimulatorProcess::log() const
{
    return readAll(dir_ + "/sim.log");
}

std::string SimulatorProcess::writeFile(const std::string& name, const std::string& text) const
{
    std::string path = dir_ + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

bool SimulatorProcess::running() const
{
    if (pid_ <= 0 || exited_)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return false;
    }
    return true;
}

// A v2c get of the simulator's first control scalar (1.3.6.1.4.1.497.999.1.1.0,
// never delayed or dropped) with the read community; any answer will do.
bool SimulatorProcess::answers(int timeoutMs) const
{
    static const unsigned char packet[] = {
        0x30, 0x2a, 0x02, 0x01, 0x01, 0x04, 0x06, 'q', 'u', 'o', 'r', 'e', 'l',
        0xa0, 0x1d, 0x02, 0x01, 0x01, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00,
        0x30, 0x12, 0x30, 0x10, 0x06, 0x0c, 0x2b, 0x06, 0x01, 0x04, 0x01, 0x83, 0x71, 0x87, 0x67,
        0x01, 0x01, 0x00, 0x05, 0x00,
    };
    int s = socket(AF_INET, SOCK_DGRAM, 0);
    if (s < 0)
        return false;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port_));
    bool ok = false;
    if (sendto(s, packet, sizeof packet, 0, reinterpret_cast<sockaddr*>(&a), sizeof a) > 0) {
        pollfd p{s, POLLIN, 0};
        if (poll(&p, 1, timeoutMs) > 0) {
            unsigned char reply[1500];
            ok = recv(s, reply, sizeof reply, 0) > 0;
        }
    }
    close(s);
    return ok;
}

bool SimulatorProcess::start(const std::vector<std::string>& options, const std::string& stackText)
{
    stop();
    std::vector<std::string> args{executable(), "--dir", dir_ + "/state"};
    if (!stackText.empty())
        args.insert(args.end(), {"--stack", writeFile("stack.txt", stackText)});
    args.insert(args.end(), options.begin(), options.end());
    for (int attempt = 0; attempt < 5; ++attempt) {
        port_ = freeUdpPort();
        std::vector<std::string> full = args;
        full.insert(full.end(), {"--listen", address()});
        std::string logPath = dir_ + "/sim.log";
        pid_t pid = fork();
        if (pid == 0) {
            int fd = open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (fd >= 0) {
                dup2(fd, 1);
                dup2(fd, 2);
                close(fd);
            }
            setenv("MIBS", "", 1);
            std::vector<char*> argv;
            for (auto& s : full)
                argv.push_back(const_cast<char*>(s.c_str()));
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        if (pid < 0)
            return false;
        pid_ = pid;
        exited_ = false;
        for (int i = 0; i < 100; ++i) {
            if (!running())
                break;
            if (answers(100))
                return true;
        }
        if (!running()) {
            pid_ = -1;
            if (exitCode_ == 3)
                continue;  // the port was taken meanwhile: try another
            return false;
        }
        stop();
        return false;
    }
    return false;
}

void SimulatorProcess::stop()
{
    if (pid_ <= 0)
        return;
    if (!running()) {
        pid_ = -1;
        return;
    }
    kill(pid_, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

SimulatorProcess::ToolResult SimulatorProcess::run(const std::vector<std::string>& argv) const
{
    ToolResult r;
    std::string outPath = dir_ + "/tool.out", errPath = dir_ + "/tool.err";
    std::string home = dir_ + "/home";
    std::filesystem::create_directories(home);
    pid_t pid = fork();
    if (pid == 0) {
        int o = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int e = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(o, 1);
        dup2(e, 2);
        setenv("MIBS", "", 1);
        setenv("HOME", home.c_str(), 1);
        setenv("SNMPCONFPATH", home.c_str(), 1);
        setenv("SNMP_PERSISTENT_DIR", home.c_str(), 1);
        std::vector<char*> args;
        for (const auto& s : argv)
            args.push_back(const_cast<char*>(s.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        r.exitCode = WEXITSTATUS(status);
    r.out = readAll(outPath);
    r.err = readAll(errPath);
    return r;
}

SimulatorProcess::ToolResult SimulatorProcess::snmp(const std::string& tool,
                                                    const std::vector<std::string>& options,
                                                    const std::vector<std::string>& operands) const
{
    std::vector<std::string> argv{tool};
    argv.insert(argv.end(), options.begin(), options.end());
    argv.push_back(peer());
    argv.insert(argv.end(), operands.begin(), operands.end());
    return run(argv);
}

SimulatorProcess::ToolResult SimulatorProcess::get(const std::vector<std::string>& oids,
                                                   const std::vector<std::string>& extra) const
{
    std::vector<std::string> opts{"-v2c", "-c", "quorel", "-On", "-t", "2", "-r", "1"};
    opts.insert(opts.end(), extra.begin(), extra.end());
    return snmp("snmpget", opts, oids);
}

SimulatorProcess::ToolResult SimulatorProcess::walk(const std::string& oid, const std::vector<std::string>& extra) const
{
    std::vector<std::string> opts{"-v2c", "-c", "quorel", "-On", "-t", "2", "-r", "1"};
    opts.insert(opts.end(), extra.begin(), extra.end());
    return snmp("snmpwalk", opts, {oid});
}

SimulatorProcess::ToolResult SimulatorProcess::set(const std::vector<std::string>& oidTypeValue,
                                                   const std::vector<std::string>& extra) const
{
    std::vector<std::string> opts{"-v2c", "-c", "tessany", "-On", "-t", "2", "-r", "1"};
    opts.insert(opts.end(), extra.begin(), extra.end());
    return snmp("snmpset", opts, oidTypeValue);
}
