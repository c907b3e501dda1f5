// The ENet connection.
#include "net/link.h"

namespace net {

namespace {

constexpr uint8_t kReliableChannel = 0;
constexpr uint8_t kInputChannel = 1;

// ENet is started once for the process.
bool StartEnet() {
    static const bool started = enet_initialize() == 0;
    return started;
}

}  // namespace

Link::~Link() {
    if (host_ != nullptr) enet_host_destroy(host_);
}

bool Link::Host(uint16_t port, std::string& error) {
    if (!StartEnet()) {
        error = "the network library could not start";
        return false;
    }
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    host_ = enet_host_create(&address, 2, 2, 0, 0);
    if (host_ == nullptr) {
        error = "cannot listen on UDP port " + std::to_string(port) + " (is it in use?)";
        return false;
    }
    return true;
}

bool Link::Join(const std::string& address, uint16_t port, std::string& error) {
    if (!StartEnet()) {
        error = "the network library could not start";
        return false;
    }
    ENetAddress to{};
    if (enet_address_set_host(&to, address.c_str()) != 0) {
        error = "cannot find the address '" + address + "'";
        return false;
    }
    to.port = port;
    host_ = enet_host_create(nullptr, 1, 2, 0, 0);
    if (host_ == nullptr) {
        error = "cannot open a UDP socket";
        return false;
    }
    peer_ = enet_host_connect(host_, &to, 2, 0);
    if (peer_ == nullptr) {
        error = "cannot start connecting";
        return false;
    }
    return true;
}

void Link::Poll(uint32_t timeoutMs, std::vector<Received>& in) {
    if (host_ == nullptr) return;
    ENetEvent event;
    uint32_t wait = timeoutMs;
    while (enet_host_service(host_, &event, wait) > 0) {
        wait = 0;  // only the first look waits
        switch (event.type) {
            case ENET_EVENT_TYPE_CONNECT:
                if (peer_ == nullptr || peer_ == event.peer) {
                    peer_ = event.peer;
                    connected_ = true;
                    // Silence is judged by the game (5 s); ENet must not give up sooner.
                    enet_peer_timeout(peer_, 0, 10000, 15000);
                } else {
                    enet_peer_disconnect_now(event.peer, 0);
                }
                break;
            case ENET_EVENT_TYPE_RECEIVE:
                if (event.peer == peer_ && connected_) {
                    Received r;
                    r.reliable = event.channelID == kReliableChannel;
                    r.bytes.assign(event.packet->data,
                                   event.packet->data + event.packet->dataLength);
                    in.push_back(std::move(r));
                }
                enet_packet_destroy(event.packet);
                break;
            case ENET_EVENT_TYPE_DISCONNECT:
                if (event.peer == peer_) {
                    disconnected_ = true;
                    connected_ = false;
                }
                break;
            case ENET_EVENT_TYPE_NONE: break;
        }
    }
}

void Link::Send(const std::vector<uint8_t>& bytes, bool reliable) {
    if (!Connected() || bytes.empty()) return;
    ENetPacket* packet =
        enet_packet_create(bytes.data(), bytes.size(), reliable ? ENET_PACKET_FLAG_RELIABLE : 0);
    if (packet == nullptr) return;
    if (enet_peer_send(peer_, reliable ? kReliableChannel : kInputChannel, packet) != 0)
        enet_packet_destroy(packet);
}

void Link::Flush() {
    if (host_ != nullptr) enet_host_flush(host_);
}

void Link::Close() {
    if (peer_ != nullptr && connected_) {
        // Hung up once what is queued has arrived (or after a second and a half).
        enet_peer_disconnect_later(peer_, 0);
        ENetEvent event;
        for (int i = 0; i < 150; ++i) {
            const int got = enet_host_service(host_, &event, 10);
            if (got < 0 || (got > 0 && event.type == ENET_EVENT_TYPE_DISCONNECT)) break;
            if (got > 0 && event.type == ENET_EVENT_TYPE_RECEIVE) enet_packet_destroy(event.packet);
        }
    }
    connected_ = false;
}

uint64_t Link::BytesSent() const {
    return host_ == nullptr ? 0 : host_->totalSentData;
}

uint64_t Link::DatagramsSent() const {
    return host_ == nullptr ? 0 : host_->totalSentPackets;
}

uint32_t Link::RoundTripMs() const {
    return peer_ == nullptr ? 0 : peer_->roundTripTime;
}

}  // namespace net
