#pragma once

// One fixture for every transfer test, run over the in-memory transport and over the real serial
// port talking to the simulator through a pseudo-terminal.

#include "image/clone_image.h"
#include "image/hex_text.h"
#include "link/clone_transfer.h"
#include "link/radio_link.h"
#include "link/serial_transport.h"
#include "sim/pty_server.h"
#include "sim/receiver_simulator.h"
#include "sim/sim_transport.h"
#include "support/failure_words.h"

#include <QTimer>
#include <QtCore/qtestsupport_core.h>

#include <gtest/gtest.h>

#include <memory>

namespace r36::testing_link {

/// The receiver's bytes at `address` as upper-case hex text.
inline std::string receiverHex(const sim::ReceiverSimulator& receiver, std::uint32_t address,
                               int bytes) {
    std::string text;
    for (int i = 0; i < bytes; ++i)
        text += image::hexByte(receiver.memory()[address + static_cast<std::uint32_t>(i)]);
    return text;
}

enum class Cable { InMemory, PseudoTerminal };

inline const auto kBothCables = ::testing::Values(Cable::InMemory, Cable::PseudoTerminal);

inline std::string cableName(const ::testing::TestParamInfo<Cable>& info) {
    return info.param == Cable::InMemory ? "InMemory" : "PseudoTerminal";
}

/// A realistic receiver, a cable to it, a link and a transfer over a fresh image; the hooks record
/// what the transfer told the window.
class LinkFixture : public ::testing::Test {
protected:
    void setUpCable(Cable cable) {
        receiver.loadRealisticMemory();
        if (cable == Cable::InMemory) {
            transport = std::make_unique<sim::SimTransport>(receiver);
        } else {
            server = std::make_unique<sim::PtyServer>(receiver);
            QString error;
            ASSERT_TRUE(server->start(error)) << error.toStdString();
            transport = std::make_unique<link::SerialTransport>();
            transport->setPort(server->devicePath(), 0, 0);
        }
        radio = std::make_unique<link::RadioLink>(*transport, state);
        const auto note = [this](const char* what) {
            return [this, what] {
                shown += what;
            };
        };
        link::TransferHooks hooks;
        hooks.showSysBlock = note("sys,");
        hooks.showSys3Block = note("sys3,");
        hooks.showRemoconId = note("remocon,");
        hooks.bankTableLoaded = note("bank,");
        hooks.memoryChanged = [this](int memory) {
            changedMemories.push_back(memory);
        };
        hooks.progress = [this](int minimum, int maximum, int value, int done, int memories) {
            progress.push_back(
                QString::asprintf("%d..%d:%d:%d/%d", minimum, maximum, value, done, memories)
                    .toStdString());
        };
        transfer = std::make_unique<link::CloneTransfer>(*radio, image, hooks);
    }

    const std::vector<std::string>& log() const { return receiver.commandLog(); }

    sim::ReceiverSimulator receiver;
    std::unique_ptr<sim::PtyServer> server;
    std::unique_ptr<link::Transport> transport;
    image::LinkState state;
    image::CloneImage image = image::freshImage();
    std::unique_ptr<link::RadioLink> radio;
    std::unique_ptr<link::CloneTransfer> transfer;

    std::vector<int> changedMemories;
    std::string shown;                 // "bank,sys,sys3,remocon,"
    std::vector<std::string> progress; // "minimum..maximum:value:done/memories"
};

/// The fixture over each cable in turn.
class LinkTest : public LinkFixture, public ::testing::WithParamInterface<Cable> {
protected:
    void SetUp() override { setUpCable(GetParam()); }
};

} // namespace r36::testing_link
