#pragma once

// A main window wired to the simulated receiver, with scripted dialogs and its settings file in
// a temporary folder: the widget tests act on it as a user would.

#include "scripted_dialogs.h"

#include "image/memory_record.h"
#include "sim/receiver_simulator.h"
#include "sim/sim_transport.h"
#include "link/radio_link.h"
#include "ui/main_window.h"
#include "ui/memory_grid.h"
#include "ui/memory_list_model.h"
#include "ui/memory_page.h"
#include "ui/partition_editor.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

namespace r36::test {

/// A record in use with the given frequency and name.
inline std::string usedRecord(std::uint32_t frequencyHz, const std::string& name = "TEST") {
    image::MemoryChannel channel;
    channel.frequencyHz = frequencyHz;
    channel.name = name;
    return image::encodeRecord(channel);
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_settingsPath = m_dir.filePath(QStringLiteral("QB-R36w.ini"));
    }

    /// Creates and shows the window (after the test prepared the settings file).
    ui::MainWindow& openWindow(link::Transport* transport = nullptr) {
        ui::MainWindow::Options options;
        options.settingsFilePath = m_settingsPath;
        options.transport = transport ? transport : &m_transport;
        options.dialogs = &m_dialogs;
        m_window = std::make_unique<ui::MainWindow>(options);
        // Modal dialogs are recorded and closed instead of blocking the test.
        m_window->setDialogRunner([this](QDialog& dialog) {
            m_dialogTitles << dialog.windowTitle();
            if (m_driveDialog)
                return m_driveDialog(dialog);
            return static_cast<int>(QDialog::Rejected);
        });
        m_window->radioLink().setReplyTimeout(std::chrono::milliseconds(100));
        m_window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        return *m_window;
    }

    ui::MainWindow& window() { return *m_window; }
    ui::MemoryPage& page() { return *m_window->memoryPage(); }
    ui::MemoryGrid& grid() { return *page().grid(); }
    ui::PartitionEditor& partition() { return *page().partitionEditor(); }
    QLineEdit* partitionBox(int bank) {
        return page().findChild<QLineEdit*>(QStringLiteral("txtPartition%1").arg(bank));
    }
    QLineEdit* partitionTotal() {
        return page().findChild<QLineEdit*>(QStringLiteral("total_mem"));
    }
    const std::vector<std::string>& records() { return m_window->cloneImage().memRecord; }

    QString cell(int memory, int column) {
        const auto* model = m_window->memoryModel();
        return model->data(model->index(memory, column)).toString();
    }
    QString label(int memory) { return cell(memory, 0); }

    /// The last message shown, or an empty one.
    ScriptedDialogs::Message lastMessage() const {
        return m_dialogs.messages.empty()
                   ? ScriptedDialogs::Message{ui::UserDialogs::Icon::Information, {}, {}, {}}
                   : m_dialogs.messages.back();
    }

    /// The receiver's record of memory m as the image would hold it.
    QString receiverRecord(int memory) const {
        const auto& bytes = m_receiver.memory();
        QByteArray raw(reinterpret_cast<const char*>(bytes.data()) + 0xA00 + 32 * memory, 32);
        return QString::fromLatin1(raw.toHex().toUpper());
    }

    QTemporaryDir m_dir;
    QString m_settingsPath;
    sim::ReceiverSimulator m_receiver;
    sim::SimTransport m_transport{m_receiver};
    ScriptedDialogs m_dialogs;
    QStringList m_dialogTitles;
    std::function<int(QDialog&)> m_driveDialog;
    std::unique_ptr<ui::MainWindow> m_window;
};

} // namespace r36::test
