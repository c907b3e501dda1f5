// A lossy network between two games on one machine, for the tests: UDP datagrams that
// reach LISTEN_PORT go on to TARGET_PORT and the answers come back, each held for the
// delay plus or minus the jitter (so some overtake others) and some lost on the way.
//   udp_relay LISTEN_PORT TARGET_PORT DELAY_MS JITTER_MS LOSS_PERCENT [SEED]
// Runs until killed; on SIGTERM prints how many datagrams it passed and lost.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <queue>
#include <random>
#include <vector>

namespace {

volatile std::sig_atomic_t stop = 0;
extern "C" void OnSignal(int) {
    stop = 1;
}

int64_t NowUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

struct Held {
    int64_t due;
    int socket;
    sockaddr_in to;
    std::vector<char> bytes;
    bool operator>(const Held& other) const { return due > other.due; }
};

int UdpSocket(uint16_t port) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        std::perror("udp_relay: bind");
        std::exit(1);
    }
    return fd;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6) {
        std::fprintf(stderr,
                     "usage: udp_relay LISTEN TARGET DELAY_MS JITTER_MS LOSS_PERCENT [SEED]\n");
        return 2;
    }
    const uint16_t listen = static_cast<uint16_t>(std::atoi(argv[1]));
    const uint16_t target = static_cast<uint16_t>(std::atoi(argv[2]));
    const int delay = std::atoi(argv[3]), jitter = std::atoi(argv[4]), loss = std::atoi(argv[5]);
    std::mt19937 random(argc > 6 ? static_cast<unsigned>(std::atoi(argv[6])) : 1u);
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);

    const int front = UdpSocket(listen);  // the joiner talks to this one
    const int back = UdpSocket(0);        // and this one talks to the host
    sockaddr_in host{};
    host.sin_family = AF_INET;
    host.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    host.sin_port = htons(target);
    sockaddr_in joiner{};
    bool joinerKnown = false;

    std::priority_queue<Held, std::vector<Held>, std::greater<Held>> held;
    long passed = 0, lost = 0;
    std::uniform_int_distribution<int> percent(0, 99), spread(-jitter, jitter);
    while (!stop) {
        int waitMs = 50;
        if (!held.empty()) {
            const int64_t left = held.top().due - NowUs();
            waitMs = left <= 0 ? 0 : static_cast<int>(left / 1000) + 1;
            if (waitMs > 50) waitMs = 50;
        }
        pollfd fds[2] = {{front, POLLIN, 0}, {back, POLLIN, 0}};
        ::poll(fds, 2, waitMs);
        for (int i = 0; i < 2; ++i) {
            if ((fds[i].revents & POLLIN) == 0) continue;
            char buffer[4096];
            sockaddr_in from{};
            socklen_t size = sizeof from;
            const ssize_t n = ::recvfrom(fds[i].fd, buffer, sizeof buffer, 0,
                                         reinterpret_cast<sockaddr*>(&from), &size);
            if (n < 0) continue;
            if (i == 0) {
                joiner = from;
                joinerKnown = true;
            } else if (!joinerKnown) {
                continue;
            }
            if (percent(random) < loss) {
                ++lost;
                continue;
            }
            const int64_t due = NowUs() + int64_t{delay + spread(random)} * 1000;
            held.push({due, i == 0 ? back : front, i == 0 ? host : joiner,
                       std::vector<char>(buffer, buffer + n)});
        }
        while (!held.empty() && held.top().due <= NowUs()) {
            const Held& h = held.top();
            ::sendto(h.socket, h.bytes.data(), h.bytes.size(), 0,
                     reinterpret_cast<const sockaddr*>(&h.to), sizeof h.to);
            ++passed;
            held.pop();
        }
    }
    std::fprintf(stderr, "udp_relay: passed %ld, lost %ld\n", passed, lost);
    return 0;
}
