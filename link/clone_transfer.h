#pragma once

#include "image/clone_image.h"
#include "image/outcome.h"
#include "image/receiver_piece.h"

#include <cstdint>
#include <functional>
#include <string>

namespace r36::link {

class RadioLink;

/// What a transfer tells the window, and the settings-page steps it runs inside its sequences.
/// Every hook may be left empty.
struct TransferHooks {
    std::function<void()> showSysBlock;    // after the settings block was read
    std::function<void()> showSys3Block;   // after the third block was read
    std::function<void()> showRemoconId;   // after the key-ID block was read
    std::function<void()> storeSysBlock;   // page -> sysBlock, before it is sent
    std::function<void()> storeSys3Block;  // page -> sys3Block, before it is sent
    std::function<void()> storeRemoconId;  // page -> remoconId, before it is sent
    std::function<void()> bankTableLoaded; // bankTable replaced: reload the partition editor
    std::function<void(int memory)> memoryChanged; // memRecord(memory) replaced or changed
    /// A write the receiver answered "OK": a memory, a link group, one part of the bank table or
    /// the settings block, the third settings block or the remote key IDs.
    std::function<void(const image::Piece& piece)> acknowledged;
    /// A read stored in the image: a memory, or a block whole (the bank table, every bank-link or
    /// program-scan-link group, the settings block, the third settings block, the key IDs).
    std::function<void(const image::Piece& piece)> stored;
    /// Progress bar range and value, and how many of the command's `memories` are done.
    std::function<void(int minimum, int maximum, int value, int done, int memories)> progress;
};

/// The block operations and command sequences that move the clone image between the receiver
/// and the program. Each command greets the receiver, runs its steps in order and stops at the
/// first failure; everything read before it stays in the image. The caller shows the message
/// and then calls RadioLink::disconnectRadio(). A failure's reason names the step, the memory
/// or address, and time-out, bad reply or port error.
class CloneTransfer {
public:
    CloneTransfer(RadioLink& link, image::CloneImage& image, TransferHooks hooks = {});

    // Commands (the greeting included).
    Outcome readAll();
    Outcome writeAll();
    Outcome readThisPage();
    Outcome writeThisPage();
    Outcome bankRead();
    Outcome bankWrite();
    Outcome readSelected(int first, int last);
    Outcome writeSelected(int first, int last);

    // Block operations (no greeting).
    Outcome readSysBlock();
    Outcome readSys3Block();
    Outcome readRemoconId();
    Outcome readBankTable();
    Outcome readBankLinks();
    Outcome readPsLinks();
    Outcome readMemory(int memory);
    Outcome writeSysBlock();
    Outcome writeSys3Block();
    Outcome writeRemoconId();
    Outcome writeBankTable();
    Outcome writeBankLinks();
    Outcome writePsLinks();
    Outcome writeMemory(int memory);

private:
    void stored(const image::Piece& piece);
    enum class Direction { Read, Write };
    Outcome selectedCommand(FailureStep::Command command, int first, int last, Direction direction);
    /// Memories first..last with progress; `selected` picks the selected-rows progress range.
    Outcome memoryLoop(int first, int last, Direction direction, bool selected);

    RadioLink& m_link;
    image::CloneImage& m_image;
    TransferHooks m_hooks;
};

} // namespace r36::link
