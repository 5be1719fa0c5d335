// The settings page inside the commands that move its blocks: "Read This Page" and "Write This
// Page" against the simulated receiver, and a clone file saved after edits on the page.

#include "ui/settings_page.h"

#include "files/clone_file.h"
#include "image/clone_image.h"
#include "image/hex_text.h"
#include "image/settings_block.h"
#include "link/clone_transfer.h"
#include "link/radio_link.h"
#include "sim/receiver_simulator.h"
#include "sim/sim_transport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>

namespace {

using r36::ui::SettingsPage;
namespace image = r36::image;
namespace link = r36::link;
namespace sim = r36::sim;

constexpr int kNewSettingsBase = 0x00500; // receivers of version 206 and above
constexpr int kOldSettingsBase = 0x00000;
constexpr int kSys3Address = 0x0FD00;
constexpr int kRemoconAddress = 0x00200;

std::string hexOf(const std::uint8_t* bytes, int count) {
    std::string hex;
    for (int i = 0; i < count; ++i)
        hex += image::hexByte(bytes[i]);
    return hex;
}

class SettingsPageTransfer : public ::testing::Test {
protected:
    SettingsPageTransfer() {
        receiver.loadBlankMemory();
        page.showSysBlock(cloneImage.sysBlock);
        page.showSys3Block(cloneImage.sys3Block);
    }

    // The hooks the main window binds: show after a read, store before a write.
    link::TransferHooks pageHooks() {
        link::TransferHooks hooks;
        hooks.showSysBlock = [this] {
            page.showSysBlock(cloneImage.sysBlock);
        };
        hooks.showSys3Block = [this] {
            page.showSys3Block(cloneImage.sys3Block);
        };
        hooks.showRemoconId = [this] {
            page.showRemoconId(cloneImage.remoconId);
        };
        hooks.storeSysBlock = [this] {
            page.storeSysBlock(cloneImage.sysBlock);
        };
        hooks.storeSys3Block = [this] {
            page.storeSys3Block(cloneImage.sys3Block);
        };
        hooks.storeRemoconId = [this] {
            page.storeRemoconId(cloneImage.remoconId);
        };
        return hooks;
    }
    r36::Outcome run(r36::Outcome (link::CloneTransfer::*command)()) {
        link::CloneTransfer transfer(radioLink, cloneImage, pageHooks());
        r36::Outcome outcome = (transfer.*command)();
        radioLink.disconnectRadio();
        return outcome;
    }
    void putSettingsByte(int base, int byte, std::uint8_t value) {
        receiver.memory()[static_cast<size_t>(base + byte)] = value;
    }
    std::uint8_t settingsByte(int base, int byte) const {
        return receiver.memory()[static_cast<size_t>(base + byte)];
    }
    void type(int key, const QString& text) {
        page.tvBox(key)->selectAll();
        QTest::keyClicks(page.tvBox(key), text);
    }
    bool logged(const std::string& command) const {
        const auto& log = receiver.commandLog();
        return std::find(log.begin(), log.end(), command) != log.end();
    }
    bool loggedStartingWith(const std::string& prefix) const {
        const auto& log = receiver.commandLog();
        return std::any_of(log.begin(), log.end(),
                           [&](const std::string& command) { return command.starts_with(prefix); });
    }
    void choose(int byte, const QString& choice) {
        QComboBox* list = page.sysList(byte);
        const int position = list->findText(choice);
        ASSERT_GE(position, 0) << choice.toStdString();
        list->setCurrentIndex(position);
    }

    sim::ReceiverSimulator receiver;
    sim::SimTransport transport{receiver};
    image::LinkState linkState;
    link::RadioLink radioLink{transport, linkState};
    image::CloneImage cloneImage = image::freshImage();
    SettingsPage page;
};

TEST_F(SettingsPageTransfer, ReadThisPageShowsTheReceiversBlocks) {
    putSettingsByte(kNewSettingsBase, 65, 0x01); // "MODE 3"
    putSettingsByte(kNewSettingsBase, image::kExpertByte, 1);
    putSettingsByte(kNewSettingsBase, image::kAreaByte, 0x4C);
    receiver.memory()[kSys3Address + 1] = 0x02; // "FAILSF"
    const std::uint8_t remocon[13] = {0xFF, 13, 14, 0, 52, 53, 0xFF, 20, 21, 22, 23, 0xFF, 0xFF};
    std::copy(std::begin(remocon), std::end(remocon), receiver.memory().begin() + kRemoconAddress);

    const r36::Outcome outcome = run(&link::CloneTransfer::readThisPage);
    ASSERT_TRUE(outcome.ok()) << outcome.reason();

    EXPECT_EQ(cloneImage.sysBlock, hexOf(receiver.memory().data() + kNewSettingsBase, 128));
    EXPECT_EQ(page.sysList(65)->currentText(), "MODE 3");
    EXPECT_TRUE(page.sysList(94)->isEnabled()) << "EXPERT is ON in the receiver";
    EXPECT_EQ(page.sys3List()->currentText(), "FAILSF");
    QStringList boxes;
    for (int key = 1; key <= 10; ++key)
        boxes << page.tvBox(key)->text();
    EXPECT_EQ(boxes.join(' '), "13 14 - 52 - - 20 21 22 23");
    EXPECT_TRUE(page.tvBox(1)->isEnabled());
}

struct AreaFromReceiver {
    std::uint8_t received;
    const char* stored;
    const char* shown;
};

class SettingsPageAreaLimit : public SettingsPageTransfer,
                              public ::testing::WithParamInterface<AreaFromReceiver> {};

TEST_P(SettingsPageAreaLimit, ReadThisPageLimitsTheAreaByte) {
    putSettingsByte(kNewSettingsBase, image::kAreaByte, GetParam().received);
    ASSERT_TRUE(run(&link::CloneTransfer::readThisPage).ok());
    EXPECT_EQ(cloneImage.sysBlock.substr(2 * image::kAreaByte, 2), GetParam().stored);
    EXPECT_EQ(page.sysList(image::kAreaByte)->currentText(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(AboveAtAndBelowTheLimit, SettingsPageAreaLimit,
                         ::testing::Values(AreaFromReceiver{0x63, "4C", "******"},
                                           AreaFromReceiver{0xFF, "4C", "******"},
                                           AreaFromReceiver{0x4C, "4C", "******"},
                                           AreaFromReceiver{0x10, "10", "SAITAM"}));

TEST_F(SettingsPageTransfer, WriteThisPageSendsThePageOverTheReceiversOwnBlock) {
    // Bytes without a list travel back with the receiver's values, not the image's.
    putSettingsByte(kNewSettingsBase, 0, 0x5A);
    putSettingsByte(kNewSettingsBase, 6, 0x02);
    choose(6, "OFF");     // LAMP
    choose(65, "MODE 2"); // code 2
    page.sys3List()->setCurrentIndex(2);
    type(1, "25");
    type(10, "300");

    const r36::Outcome outcome = run(&link::CloneTransfer::writeThisPage);
    ASSERT_TRUE(outcome.ok()) << outcome.reason();

    EXPECT_EQ(settingsByte(kNewSettingsBase, 0), 0x5A);
    EXPECT_EQ(settingsByte(kNewSettingsBase, 6), 0x00);
    EXPECT_EQ(settingsByte(kNewSettingsBase, 65), 0x02);
    for (const image::SettingDef& setting : image::sysSettings()) {
        if (setting.byte == 100)
            continue; // the receiver's write stops at offset 99
        EXPECT_EQ(settingsByte(kNewSettingsBase, setting.byte),
                  image::byteAt(cloneImage.sysBlock, setting.byte).value_or(-1))
            << "byte " << setting.byte;
    }
    EXPECT_EQ(image::byteAt(cloneImage.sysBlock, 0), 0x5A);
    EXPECT_EQ(receiver.memory()[kRemoconAddress + 1], 25);
    EXPECT_EQ(receiver.memory()[kRemoconAddress + 10], 0) << "300 does not fit in a byte";
    EXPECT_TRUE(loggedStartingWith("VK~F00500W" + cloneImage.sysBlock.substr(0, 64)));
    EXPECT_TRUE(logged("VK~F00560W" + cloneImage.sysBlock.substr(192, 8)));
    EXPECT_TRUE(logged("VK~F00200W" + cloneImage.remoconId));
    EXPECT_FALSE(loggedStartingWith("VK~F00000"));
}

TEST_F(SettingsPageTransfer, OlderReceiversKeepTheirSettingsAtAddressZero) {
    receiver.setVersion("002-05");
    putSettingsByte(kOldSettingsBase, 65, 0x03);
    putSettingsByte(kOldSettingsBase, image::kAreaByte, 0x63);
    putSettingsByte(kNewSettingsBase, 65, 0x01);
    ASSERT_TRUE(run(&link::CloneTransfer::readThisPage).ok());
    EXPECT_EQ(page.sysList(65)->currentText(), "MODE 1");
    EXPECT_EQ(page.sysList(image::kAreaByte)->currentText(), "******");

    choose(65, "MODE 2");
    ASSERT_TRUE(run(&link::CloneTransfer::writeThisPage).ok());
    EXPECT_EQ(settingsByte(kOldSettingsBase, 65), 0x02);
    EXPECT_EQ(settingsByte(kNewSettingsBase, 65), 0x01);
    EXPECT_TRUE(logged("VK~F00000R"));
    EXPECT_FALSE(loggedStartingWith("VK~F00500"));
}

TEST_F(SettingsPageTransfer, SavedCloneFileCarriesExactlyTheEditedBytes) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("edited.R36"));
    const std::string before = cloneImage.sysBlock;
    choose(33, "7");   // SQL
    choose(13, "OFF"); // BEEP

    const r36::Outcome saved = r36::files::writeCloneFile(
        path, cloneImage, linkState, folder.filePath(QStringLiteral("QB-R36w.ini")), [this] {
            page.storeSysBlock(cloneImage.sysBlock);
            page.storeSys3Block(cloneImage.sys3Block);
            page.storeRemoconId(cloneImage.remoconId);
        });
    ASSERT_TRUE(saved.ok()) << saved.reason();

    image::CloneImage loaded = image::freshImage();
    image::LinkState loadedLink;
    r36::files::CloneFileReport report;
    const r36::Outcome read = r36::files::readCloneFile(path, loaded, loadedLink, report);
    ASSERT_TRUE(read.ok()) << read.reason();
    std::set<int> changed;
    for (int byte = 0; byte < 128; ++byte)
        if (image::byteAt(loaded.sysBlock, byte) != image::byteAt(before, byte))
            changed.insert(byte);
    EXPECT_EQ(changed, (std::set<int>{13, 33}));
    EXPECT_EQ(image::byteAt(loaded.sysBlock, 33), 7);
    EXPECT_EQ(image::byteAt(loaded.sysBlock, 13), 0);
    EXPECT_EQ(loaded.sys3Block, "0001");
}

} // namespace
