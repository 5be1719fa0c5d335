#pragma once

// A session over the in-memory cable to a realistic simulated receiver, with a settings file in a
// scratch folder.

#include "session/session.h"
#include "session/transfer_worker.h"
#include "sim/receiver_simulator.h"
#include "sim/sim_transport.h"
#include "support/failure_words.h"
#include "support/test_files.h"

#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/memory_map.h"

#include <QTemporaryDir>
#include <QtCore/qtestsupport_core.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace r36::testing_session {

using r36::test::holds;
using session::Receiver;
using session::Session;
using session::Transfer;
using session::TransferResult;
using Status = TransferResult::Status;

class SessionFixture : public ::testing::Test {
public: // the table-driven steps use it from outside
    SessionFixture() {
        receiver.loadRealisticMemory();
        session = std::make_unique<Session>(Session::Options{
            settingsPath(), transport.get(), std::chrono::milliseconds{1000}, backupFolder()});
        QObject::connect(&session->receiver(), &Receiver::transferFinished,
                         [this](const TransferResult& result) { results.push_back(result); });
    }

    QString settingsPath() const { return dir.filePath(QStringLiteral("QB-R36w.ini")); }
    QString backupFolder() const { return dir.filePath(QStringLiteral("backups")); }

    /// Runs a transfer to its end (the session refuses nothing here) and gives its result.
    TransferResult run(Transfer kind, int first = 0, int last = 0) {
        return run([&] { return session->receiver().startTransfer(kind, first, last); });
    }
    TransferResult run(const std::function<bool()>& start) {
        const std::size_t before = results.size();
        EXPECT_TRUE(start());
        EXPECT_TRUE(QTest::qWaitFor([&] { return results.size() > before; }, 60000));
        return results.size() > before ? results.back() : TransferResult{};
    }

    /// The receiver's record of memory `memory`, as the image holds it after a read.
    std::string receiverRecord(int memory) const {
        return receiverHex(image::memoryAddress(memory), 32);
    }
    std::string receiverHex(std::uint32_t address, std::uint32_t bytes) const {
        std::string text;
        for (std::uint32_t i = 0; i < bytes; ++i)
            text += image::hexByte(receiver.memory()[address + i]);
        return text;
    }

    sim::ReceiverSimulator receiver;
    std::unique_ptr<sim::SimTransport> transport = std::make_unique<sim::SimTransport>(receiver);
    QTemporaryDir dir;
    std::unique_ptr<Session> session; // destroyed first: it hands the transport back
    std::vector<TransferResult> results;
};

} // namespace r36::testing_session
