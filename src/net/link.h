// The connection to the other machine, over ENet (UDP): one peer, a reliable channel for
// the handshake and the session's end, an unreliable one for the inputs. The host listens
// on a port; the joiner connects to it.
#pragma once

#include <enet/enet.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace net {

class Link {
  public:
    Link() = default;
    ~Link();
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    // Listens on the port (all addresses). False with the reason.
    bool Host(uint16_t port, std::string& error);
    // Starts connecting to address:port. False with the reason (an address that does not
    // resolve); the connection itself is made while polling.
    bool Join(const std::string& address, uint16_t port, std::string& error);

    struct Received {
        bool reliable = false;
        std::vector<uint8_t> bytes;
    };
    // Services the connection for up to timeoutMs (0: only what is there); what arrived
    // goes into `in`. A peer that connects while one is connected is turned away.
    void Poll(uint32_t timeoutMs, std::vector<Received>& in);

    bool Connected() const { return peer_ != nullptr && connected_; }
    // The other side hung up (or ENet gave up on it).
    bool Disconnected() const { return disconnected_; }

    // Sends on the reliable or the unreliable channel; nothing when not connected.
    void Send(const std::vector<uint8_t>& bytes, bool reliable);
    // Pushes out what is queued now.
    void Flush();
    // Hangs up politely.
    void Close();

    // Bytes handed to the network so far (ENet's count of what it sent, headers included).
    uint64_t BytesSent() const;
    // Datagrams handed to the network so far.
    uint64_t DatagramsSent() const;
    // The other side's round trip in milliseconds as ENet measures it.
    uint32_t RoundTripMs() const;

  private:
    ENetHost* host_ = nullptr;
    ENetPeer* peer_ = nullptr;
    bool connected_ = false;
    bool disconnected_ = false;
};

}  // namespace net
