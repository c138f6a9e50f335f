// Prints hv720-sim's start-up time (until it answers its first request) and the
// number of get requests per second it answers, one outstanding at a time.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// v2c get of sysName.0 (1.3.6.1.2.1.1.5.0) with the read community.
const unsigned char kGet[] = {
    0x30, 0x26, 0x02, 0x01, 0x01, 0x04, 0x06, 'q', 'u', 'o', 'r', 'e', 'l',
    0xa0, 0x19, 0x02, 0x01, 0x01, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00,
    0x30, 0x0e, 0x30, 0x0c, 0x06, 0x08, 0x2b, 0x06, 0x01, 0x02, 0x01, 0x01, 0x05, 0x00, 0x05, 0x00,
};

int freePort()
{
    int s = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    close(s);
    return ntohs(a.sin_port);
}

bool ask(int s, const sockaddr_in& to, int timeoutMs)
{
    if (sendto(s, kGet, sizeof kGet, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to) <= 0)
        return false;
    pollfd p{s, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) <= 0)
        return false;
    unsigned char buf[1500];
    return recv(s, buf, sizeof buf, 0) > 0;
}

struct Run {
    double startupMs = -1;
    double perSecond = 0;
};

Run measure(const std::vector<std::string>& extra, int requests)
{
    Run r;
    int port = freePort();
    std::string bin = std::string(NV_BIN_DIR) + "/hv720-sim";
    std::vector<std::string> args{bin, "--quiet", "--listen", "127.0.0.1:" + std::to_string(port)};
    args.insert(args.end(), extra.begin(), extra.end());
    auto t0 = Clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        setenv("MIBS", "", 1);
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int s = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    to.sin_port = htons(static_cast<uint16_t>(port));
    for (int i = 0; i < 2000; ++i)
        if (ask(s, to, 10)) {
            r.startupMs = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
            break;
        }
    if (r.startupMs >= 0) {
        int answered = 0;
        auto t1 = Clock::now();
        for (int i = 0; i < requests; ++i)
            answered += ask(s, to, 1000);
        double secs = std::chrono::duration<double>(Clock::now() - t1).count();
        r.perSecond = answered / secs;
    }
    close(s);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    int requests = argc > 1 ? std::atoi(argv[1]) : 20000;
    struct Case { const char* name; std::vector<std::string> args; };
    const Case cases[] = {
        {"default stack", {}},
        {"default stack, 100000-row table", {"--big-table", "100000"}},
    };
    std::printf("%-36s %14s %16s\n", "hv720-sim", "start-up (ms)", "gets per second");
    for (const auto& c : cases) {
        Run r = measure(c.args, requests);
        std::printf("%-36s %14.1f %16.0f\n", c.name, r.startupMs, r.perSecond);
    }
    return 0;
}
