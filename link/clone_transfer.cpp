#include "clone_transfer.h"

#include "radio_link.h"

#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/memory_map.h"
#include "image/receiver_holdings.h"
#include "image/settings_block.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace r36::link {

namespace {

using image::hexAddress;
using image::Piece;
using image::PieceKind;

constexpr int kMaxWriteBytes = image::kLineBytes; // the receiver writes 1..32 bytes

bool isHexText(const std::string& text) {
    for (char c : text)
        if (!image::hexDigitValue(c))
            return false;
    return true;
}

std::string readCommand(std::uint32_t address) {
    return "VK~F" + hexAddress(address) + "R";
}

} // namespace

CloneTransfer::CloneTransfer(RadioLink& link, image::CloneImage& image, TransferHooks hooks)
    : m_link(link), m_image(image), m_hooks(std::move(hooks)) {}

// ---- transactions -------------------------------------------------------------------------

namespace {

/// One 32-byte line: 64 hex characters, or the failure with the step and address.
struct LineRead {
    std::string text;
    Outcome outcome = Outcome::success();
};

FailureStep reading(const Piece& what, std::uint32_t address) {
    return {FailureStep::Kind::Reading, {}, what, address};
}

LineRead readLine(RadioLink& link, const Piece& what, std::uint32_t address) {
    const QString reply = link.transact(QString::fromStdString(readCommand(address)));
    const FailureStep step = reading(what, address);
    if (reply.isEmpty())
        return {{}, Outcome::failure(link.failureWithin(step))};
    const std::string text = reply.toStdString();
    if (text.size() != static_cast<std::size_t>(image::kLineHexChars)) {
        Failure length(FailureKind::BadReplyLength);
        length.number = static_cast<int>(text.size());
        return {{}, Outcome::failure(length.within(step))};
    }
    // A line with a non-hex character would reach the image and later the receiver.
    if (!isHexText(text)) {
        Failure garbled(FailureKind::NotHexadecimal);
        garbled.value = text;
        return {{}, Outcome::failure(garbled.within(step))};
    }
    return {text, Outcome::success()};
}

/// Four lines from `base`; all four are always requested, even after a failed one. The joined
/// text, or the first failure.
LineRead readFourLines(RadioLink& link, const Piece& what, std::uint32_t base) {
    LineRead joined;
    for (std::uint32_t line = 0; line < 4; ++line) {
        const LineRead one = readLine(link, what, base + line * image::kLineBytes);
        if (!one.outcome && joined.outcome)
            joined.outcome = one.outcome;
        joined.text += one.text;
    }
    if (joined.outcome &&
        joined.text.size() != static_cast<std::size_t>(image::kFourLineHexChars)) {
        Failure length(FailureKind::BadReplyLength);
        length.number = -1; // the block as a whole
        joined.outcome = Outcome::failure(length.within(reading(what, base)));
    }
    return joined;
}

/// One write of `data` at `address`. Data that is not 1..maxBytes bytes of hex is never sent:
/// the receiver would store garbage or spill into the next block.
using Acknowledged = std::function<void(const Piece& piece)>;

Outcome writePiece(RadioLink& link, const Acknowledged& acknowledged, const Piece& what,
                   std::uint32_t address, const std::string& data, int maxBytes) {
    const FailureStep step{FailureStep::Kind::Writing, {}, what, address};
    if (data.empty() || data.size() % 2 != 0 ||
        data.size() > static_cast<std::size_t>(2 * maxBytes) || !isHexText(data)) {
        Failure unsent(FailureKind::BadData);
        unsent.value = data;
        unsent.number = maxBytes;
        return Outcome::failure(unsent.within(step));
    }
    const QString reply =
        link.transact(QString::fromStdString("VK~F" + hexAddress(address) + "W" + data));
    if (reply == QLatin1String("OK")) {
        if (acknowledged)
            acknowledged(what);
        return Outcome::success();
    }
    if (reply.isEmpty())
        return Outcome::failure(link.failureWithin(step));
    Failure refused(FailureKind::RefusedReply);
    refused.value = reply.toStdString();
    return Outcome::failure(refused.within(step));
}

/// Characters [first, first + count) of a block, or what exists of them.
std::string piece(const std::string& block, std::size_t first, std::size_t count) {
    return first < block.size() ? block.substr(first, count) : std::string();
}

/// 32, 32, 32 and 4 bytes from the start of a block (settings block, bank table).
Outcome writeHundredBytes(RadioLink& link, const Acknowledged& acknowledged, PieceKind kind,
                          std::uint32_t base, const std::string& block) {
    constexpr std::array<int, 4> kPieceBytes{32, 32, 32, 4};
    std::size_t character = 0;
    std::uint32_t address = base;
    for (int part = 0; part < static_cast<int>(kPieceBytes.size()); ++part) {
        const int bytes = kPieceBytes[static_cast<std::size_t>(part)];
        const Outcome written = writePiece(link, acknowledged, {kind, part}, address,
                                           piece(block, character, 2 * bytes), bytes);
        if (!written)
            return written;
        character += 2 * bytes;
        address += bytes;
    }
    return Outcome::success();
}

} // namespace

// ---- block operations ---------------------------------------------------------------------

void CloneTransfer::stored(const Piece& piece) {
    if (m_hooks.stored)
        m_hooks.stored(piece);
}

Outcome CloneTransfer::readSysBlock() {
    const Piece whole{PieceKind::SysBlockPart, Piece::kWhole};
    const LineRead block =
        readFourLines(m_link, whole, image::sysBlockBase(m_link.state().radioVersion));
    if (!block.outcome)
        return block.outcome;
    m_image.sysBlock = block.text;
    image::limitAreaByte(m_image.sysBlock);
    stored(whole);
    return Outcome::success();
}

Outcome CloneTransfer::readSys3Block() {
    const Piece whole{PieceKind::Sys3Block, Piece::kWhole};
    const LineRead line = readLine(m_link, whole, image::kSys3Address);
    if (!line.outcome)
        return line.outcome;
    m_image.sys3Block = line.text;
    stored(whole);
    return Outcome::success();
}

Outcome CloneTransfer::readRemoconId() {
    const Piece whole{PieceKind::RemoconId, Piece::kWhole};
    const LineRead line = readLine(m_link, whole, image::kRemoconIdAddress);
    if (!line.outcome)
        return line.outcome;
    m_image.remoconId = line.text.substr(0, image::kRemoconIdHexChars);
    stored(whole);
    if (m_hooks.showRemoconId)
        m_hooks.showRemoconId();
    return Outcome::success();
}

Outcome CloneTransfer::readBankTable() {
    const Piece whole{PieceKind::BankTablePart, Piece::kWhole};
    const LineRead block = readFourLines(m_link, whole, image::kBankTableArea);
    if (!block.outcome)
        return block.outcome;
    m_image.bankTable = block.text.substr(0, image::kBankTableHexChars);
    stored(whole);
    if (m_hooks.bankTableLoaded)
        m_hooks.bankTableLoaded();
    return Outcome::success();
}

namespace {

// Entry k of a link area is the first 7 bytes of its 8-byte slot k + 1; slot 0 is unused.
template <std::size_t N>
void sliceLinkSlots(const std::string& area, std::array<std::string, N>& entries) {
    constexpr std::size_t kSlotChars = 2 * image::kLinkSlotBytes;
    for (std::size_t k = 0; k < N; ++k)
        entries[k] = area.substr((k + 1) * kSlotChars, image::kLinkEntryHexChars);
}

} // namespace

Outcome CloneTransfer::readBankLinks() {
    const Piece whole{PieceKind::BankLinkGroup, Piece::kWhole};
    const LineRead area = readFourLines(m_link, whole, image::kBankLinkArea);
    if (!area.outcome)
        return area.outcome;
    sliceLinkSlots(area.text, m_image.bankLink);
    stored(whole);
    return Outcome::success();
}

Outcome CloneTransfer::readPsLinks() {
    const Piece whole{PieceKind::PsLinkGroup, Piece::kWhole};
    const LineRead area = readFourLines(m_link, whole, image::kPsLinkArea);
    if (!area.outcome)
        return area.outcome;
    sliceLinkSlots(area.text, m_image.psLink);
    stored(whole);
    return Outcome::success();
}

Outcome CloneTransfer::readMemory(int memory) {
    const Piece one{PieceKind::Memory, memory};
    const LineRead line = readLine(m_link, one, image::memoryAddress(memory));
    if (!line.outcome)
        return line.outcome;
    m_image.memRecord[static_cast<std::size_t>(memory)] = line.text;
    stored(one);
    if (m_hooks.memoryChanged)
        m_hooks.memoryChanged(memory);
    return Outcome::success();
}

Outcome CloneTransfer::writeSysBlock() {
    // Read first: bytes no setting covers go back with the receiver's own values.
    const Outcome read = readSysBlock();
    if (!read)
        return read;
    if (m_hooks.storeSysBlock)
        m_hooks.storeSysBlock();
    return writeHundredBytes(m_link, m_hooks.acknowledged, PieceKind::SysBlockPart,
                             image::sysBlockBase(m_link.state().radioVersion), m_image.sysBlock);
}

Outcome CloneTransfer::writeSys3Block() {
    const Outcome read = readSys3Block();
    if (!read)
        return read;
    if (m_hooks.storeSys3Block)
        m_hooks.storeSys3Block();
    // Only byte 1 is edited; the receiver takes it at the block's own address.
    return writePiece(m_link, m_hooks.acknowledged, {PieceKind::Sys3Block, Piece::kWhole},
                      image::kSys3WriteAddress, piece(m_image.sys3Block, 2, 2), 1);
}

Outcome CloneTransfer::writeRemoconId() {
    if (m_hooks.storeRemoconId)
        m_hooks.storeRemoconId();
    return writePiece(m_link, m_hooks.acknowledged, {PieceKind::RemoconId, Piece::kWhole},
                      image::kRemoconIdAddress, m_image.remoconId, image::kRemoconIdHexChars / 2);
}

Outcome CloneTransfer::writeBankTable() {
    return writeHundredBytes(m_link, m_hooks.acknowledged, PieceKind::BankTablePart,
                             image::kBankTableArea, m_image.bankTable);
}

namespace {

template <std::size_t N>
Outcome writeLinkEntries(RadioLink& link, const Acknowledged& acknowledged, PieceKind kind,
                         const std::array<std::string, N>& entries, std::uint32_t (*address)(int)) {
    for (std::size_t k = 0; k < N; ++k) {
        // An entry longer than its 7 bytes would overwrite the slot's eighth byte and beyond.
        const Outcome written =
            writePiece(link, acknowledged, {kind, static_cast<int>(k) + 1},
                       address(static_cast<int>(k)), entries[k], image::kLinkEntryHexChars / 2);
        if (!written)
            return written;
    }
    return Outcome::success();
}

} // namespace

Outcome CloneTransfer::writeBankLinks() {
    return writeLinkEntries(m_link, m_hooks.acknowledged, PieceKind::BankLinkGroup,
                            m_image.bankLink, image::bankLinkAddress);
}

Outcome CloneTransfer::writePsLinks() {
    return writeLinkEntries(m_link, m_hooks.acknowledged, PieceKind::PsLinkGroup, m_image.psLink,
                            image::psLinkAddress);
}

Outcome CloneTransfer::writeMemory(int memory) {
    std::string& record = m_image.memRecord[static_cast<std::size_t>(memory)];
    // The auto-step and auto-mode flags mean something only in the PRG area; the image keeps
    // what was sent.
    record = image::recordAsSent(std::move(record), memory);
    // The empty record "00" is a one-byte write that clears only the in-use flag.
    return writePiece(m_link, m_hooks.acknowledged, {PieceKind::Memory, memory},
                      image::memoryAddress(memory), record, kMaxWriteBytes);
}

} // namespace r36::link
