#pragma once

// One fixture for every transfer test, run over the in-memory transport and over the real serial
// port talking to the simulator through a pseudo-terminal.

#include "image/clone_image.h"
#include "link/clone_transfer.h"
#include "link/radio_link.h"
#include "link/serial_transport.h"
#include "sim/pty_server.h"
#include "sim/receiver_simulator.h"
#include "sim/sim_transport.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace r36::testing_link {

/// Runs the event loop until `done` holds or a generous limit passed; returns `done()`.
inline bool waitUntil(const std::function<bool()>& done, int limitMs = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs) {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

/// The receiver's bytes at `address` as upper-case hex text.
inline std::string receiverHex(const sim::ReceiverSimulator& receiver, std::uint32_t address,
                               int bytes) {
    static const char* const kDigits = "0123456789ABCDEF";
    std::string text;
    for (int i = 0; i < bytes; ++i) {
        const std::uint8_t byte = receiver.memory()[address + static_cast<std::uint32_t>(i)];
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

enum class Cable { InMemory, PseudoTerminal };

inline const auto kBothCables = ::testing::Values(Cable::InMemory, Cable::PseudoTerminal);

inline std::string cableName(const ::testing::TestParamInfo<Cable>& info) {
    return info.param == Cable::InMemory ? "InMemory" : "PseudoTerminal";
}

/// A realistic receiver, a cable to it, a link and a transfer over a fresh image.
class LinkFixture : public ::testing::Test {
protected:
    void setUpCable(Cable cable) {
        receiver.loadRealisticMemory();
        if (cable == Cable::InMemory) {
            auto sim = std::make_unique<sim::SimTransport>(receiver);
            simTransport = sim.get();
            transport = std::move(sim);
        } else {
            server = std::make_unique<sim::PtyServer>(receiver);
            QString error;
            ASSERT_TRUE(server->start(error)) << error.toStdString();
            ptyDevice = server->devicePath();
            auto serial = std::make_unique<link::SerialTransport>();
            serial->setPort(server->devicePath(), 0);
            serialTransport = serial.get();
            transport = std::move(serial);
        }
        radio = std::make_unique<link::RadioLink>(*transport, state);
        transfer = std::make_unique<link::CloneTransfer>(*radio, image, hooks());
    }

    void TearDown() override {
        if (radio)
            radio->disconnectRadio();
    }

    /// Hooks that record what the transfer told the window.
    link::TransferHooks hooks() {
        link::TransferHooks h;
        h.memoryChanged = [this](int memory) {
            changedMemories.push_back(memory);
        };
        h.bankTableLoaded = [this] {
            ++bankTableLoads;
        };
        h.showSysBlock = [this] {
            shown += "sys,";
        };
        h.showSys3Block = [this] {
            shown += "sys3,";
        };
        h.showRemoconId = [this] {
            shown += "remocon,";
        };
        h.progress = [this](int minimum, int maximum, int value, const std::string& text) {
            progress.push_back({minimum, maximum, value, text});
        };
        return h;
    }

    /// Rebuilds the transfer with other hooks.
    void useHooks(link::TransferHooks h) {
        transfer = std::make_unique<link::CloneTransfer>(*radio, image, std::move(h));
    }

    const std::vector<std::string>& log() const { return receiver.commandLog(); }

    struct Progress {
        int minimum, maximum, value;
        std::string text;
        bool operator==(const Progress&) const = default;
    };

    sim::ReceiverSimulator receiver;
    std::unique_ptr<sim::PtyServer> server;
    std::unique_ptr<link::Transport> transport;
    sim::SimTransport* simTransport = nullptr;        // in memory
    link::SerialTransport* serialTransport = nullptr; // over the pseudo-terminal
    QString ptyDevice;
    image::LinkState state;
    image::CloneImage image = image::freshImage();
    std::unique_ptr<link::RadioLink> radio;
    std::unique_ptr<link::CloneTransfer> transfer;

    std::vector<int> changedMemories;
    int bankTableLoads = 0;
    std::string shown;
    std::vector<Progress> progress;
};

/// The fixture over each cable in turn.
class LinkTest : public LinkFixture, public ::testing::WithParamInterface<Cable> {
protected:
    void SetUp() override { setUpCable(GetParam()); }
};

/// The fixture over the in-memory cable, for checks that do not depend on the cable.
class InMemoryLinkTest : public LinkFixture {
protected:
    void SetUp() override { setUpCable(Cable::InMemory); }
};

} // namespace r36::testing_link
