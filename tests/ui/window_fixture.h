#pragma once

// A main window wired to the simulated receiver, with scripted dialogs and its settings file in
// a temporary folder: the widget tests act on it as a user would, finding widgets by name.

#include "scripted_dialogs.h"

#include "image/memory_record.h"
#include "session/session.h"
#include "sim/receiver_simulator.h"
#include "sim/sim_transport.h"
#include "support/test_files.h"
#include "ui/main_window.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

namespace r36::test {

/// A record in use with the given frequency and name.
inline std::string usedRecord(std::uint32_t frequencyHz, const std::string& name = "TEST") {
    return image::encodeRecord({.frequencyHz = frequencyHz, .name = name});
}

class WindowTest : public ::testing::Test {
protected:
    /// Creates and shows the window (after the test prepared the settings file).
    ui::MainWindow& openWindow() {
        ui::MainWindow::Options options;
        options.settingsFilePath = m_settingsPath;
        options.transport = &m_transport;
        options.dialogs = &m_dialogs;
        options.replyTimeout = std::chrono::milliseconds(200);
        options.backupFolder = m_dir.filePath(QStringLiteral("backups"));
        options.windowStatePath = m_dir.filePath(QStringLiteral("window.ini"));
        // Modal dialogs are recorded and closed instead of blocking the test.
        options.runDialog = [this](QDialog& dialog) {
            m_dialogTitles << dialog.windowTitle();
            return m_dialogScript ? m_dialogScript(dialog) : static_cast<int>(QDialog::Rejected);
        };
        m_window = std::make_unique<ui::MainWindow>(options);
        m_window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        return *m_window;
    }

    ui::MainWindow& window() { return *m_window; }
    session::Session& session() { return m_window->session(); }
    template <typename T = QWidget> T* named(const char* name) {
        T* found = m_window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QPushButton* button(const char* name) { return named<QPushButton>(name); }
    QTableView* grid() { return named<QTableView>("ltc"); }
    QLineEdit* box(int bank) {
        return named<QLineEdit>(QStringLiteral("txtPartition%1").arg(bank).toLatin1().constData());
    }
    QString total() { return named<QLineEdit>("total_mem")->text(); }
    /// Types a bank count as the user would and commits it with Enter.
    void commitBox(int bank, const QString& text) {
        box(bank)->setFocus();
        box(bank)->setText(text);
        QTest::keyClick(box(bank), Qt::Key_Return);
    }
    /// The menu item whose text starts with `text` ("Read all").
    QAction* menuItem(const char* menu, const QString& text) {
        for (QAction* action : named<QMenu>(menu)->actions())
            if (action->text().startsWith(text))
                return action;
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }
    QString cell(int memory, int column) {
        QAbstractItemModel* model = grid()->model();
        return model->data(model->index(memory, column)).toString();
    }
    void selectRows(int first, int last) {
        QAbstractItemModel* model = grid()->model();
        grid()->setCurrentIndex(model->index(first, 1));
        grid()->selectionModel()->select(
            QItemSelection(model->index(first, 0), model->index(last, 11)),
            QItemSelectionModel::ClearAndSelect);
    }
    /// Starts a command and, when it started a transfer, waits until its message was shown.
    void runToEnd(const std::function<void()>& start) {
        QSignalSpy finished(&session().receiver(), &session::Receiver::transferFinished);
        start();
        ASSERT_TRUE(finished.count() > 0 || !session().transferRunning() || finished.wait(60000));
    }
    /// The last message shown, or an empty one.
    ScriptedDialogs::Message lastMessage() const {
        return m_dialogs.messages.empty() ? ScriptedDialogs::Message{} : m_dialogs.messages.back();
    }

    QTemporaryDir m_dir;
    QString m_settingsPath = m_dir.filePath(QStringLiteral("QB-R36w.ini"));
    sim::ReceiverSimulator m_receiver;
    sim::SimTransport m_transport{m_receiver};
    ScriptedDialogs m_dialogs;
    QStringList m_dialogTitles;
    std::function<int(QDialog&)> m_dialogScript; // acts in a modal dialog; empty: rejects it
    std::unique_ptr<ui::MainWindow> m_window;
};

} // namespace r36::test
