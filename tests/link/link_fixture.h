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

#include <gtest/gtest.h>

#include <memory>

namespace r36::testing_link {

enum class Cable { InMemory, PseudoTerminal };

inline std::string cableName(const ::testing::TestParamInfo<Cable>& info) {
    return info.param == Cable::InMemory ? "InMemory" : "PseudoTerminal";
}

class LinkTest : public ::testing::TestWithParam<Cable> {
protected:
    void SetUp() override {
        receiver.loadRealisticMemory();
        if (GetParam() == Cable::InMemory) {
            auto sim = std::make_unique<sim::SimTransport>(receiver);
            simTransport = sim.get();
            transport = std::move(sim);
        } else {
            server = std::make_unique<sim::PtyServer>(receiver);
            QString error;
            ASSERT_TRUE(server->start(error)) << error.toStdString();
            auto serial = std::make_unique<link::SerialTransport>();
            serial->setPort(server->devicePath(), 0);
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
    sim::SimTransport* simTransport = nullptr;
    image::LinkState state;
    image::CloneImage image = image::freshImage();
    std::unique_ptr<link::RadioLink> radio;
    std::unique_ptr<link::CloneTransfer> transfer;

    std::vector<int> changedMemories;
    int bankTableLoads = 0;
    std::string shown;
    std::vector<Progress> progress;
};

} // namespace r36::testing_link
