#pragma once

// A simulated receiver: holds the whole 64 KiB memory and answers the command protocol the way
// the real one does (echo of every character with its CR, then CR LF, reply, CR LF). It does no
// I/O: a transport feeds it the bytes the program sent and delivers what it answers.

#include <QByteArray>
#include <QString>

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace r36::sim {

/// A fault to inject. It fires at the Nth command (1-based, counting every command received)
/// or at the first command addressing `address`, once unless `repeat` is set (then at every
/// command addressing `address`, or at every command from the Nth on). A faulted write is carried
/// out unless the fault is NoReply, WriteRefused, WriteDropped or PortVanishes.
struct Fault {
    enum class Kind {
        NoReply,      // nothing at all, not even the echo
        NoEcho,       // the reply without the echo
        Unframed,     // echo and reply text, but no CR LF around the reply
        Garbled,      // a read reply with a character changed to a non-hex one
        ShortLine,    // a read reply with 62 instead of 64 characters
        LateReply,    // a stall: the full answer after `lateBy`; later answers wait behind it
        LatePieces,   // the full answer after `lateBy`, in three pieces kPieceGap apart
        Noise,        // a burst of line noise, then the full answer
        WriteRefused, // "NG" instead of "OK" to a write
        WriteDropped, // "OK" to a write that is not carried out
        PortVanishes, // the cable is pulled: the transport breaks
    };
    Kind kind = Kind::NoReply;
    int atCommand = 0; // 0 = not by count
    int address = -1;  // -1 = not by address
    bool repeat = false;
    std::chrono::milliseconds lateBy{1500};

    static constexpr std::chrono::milliseconds kPieceGap{40};
};

class ReceiverSimulator {
public:
    static constexpr int kMemorySize = 0x10000;

    ReceiverSimulator();

    /// A receiver in use: used and free memories in every area, names and tones, a non-default
    /// partition, link groups, AREA byte above 0x4C, a few out-of-list index bytes.
    void loadRealisticMemory();
    /// All 0xFF except a factory-fresh settings block.
    void loadBlankMemory();
    /// Raw 65536-byte image, or a clone file (.R36) laid out at the receiver's addresses over a
    /// blank memory (the settings block at the base this receiver's version uses). False with
    /// `error` ("line 7: MR record is not hexadecimal") when the file cannot be used; the memory
    /// is then unchanged.
    bool loadFile(const QString& path, QString& error);
    /// Writes the raw 65536-byte memory (loadFile reads it back).
    bool saveFile(const QString& path, QString& error) const;

    std::array<std::uint8_t, kMemorySize>& memory() { return m_memory; }
    const std::array<std::uint8_t, kMemorySize>& memory() const { return m_memory; }

    void setVersion(const std::string& sixCharacters) { m_version = sixCharacters; } // "002-06"
    const std::string& version() const { return m_version; }
    /// The version as the program reads it: "002-06" -> 206; 0 when it is not six digits and "-".
    int versionNumber() const;

    void addFault(const Fault& fault) { m_faults.push_back(fault); }
    void clearFaults() { m_faults.clear(); }

    /// What the receiver does after it got some bytes.
    struct Answer {
        QByteArray bytes;                   // to send back, in order
        std::chrono::milliseconds delay{0}; // before sending (LateReply, LatePieces)
        bool vanish = false;                // break the connection instead
    };
    /// Feeds bytes received from the program; every complete command (ended by CR) gives one
    /// answer. Partial commands are kept until their CR arrives.
    std::vector<Answer> receive(const QByteArray& bytes);

    /// Every command received, without its CR, in order.
    const std::vector<std::string>& commandLog() const { return m_log; }
    void clearLog() { m_log.clear(); }
    /// Commands received so far, the count faults' `atCommand` refers to.
    int commandCount() const { return m_commandCount; }

private:
    /// One answer, or several pieces of one with their own delays.
    std::vector<Answer> answer(const std::string& command);
    /// The reply text of a command as the receiver gives it, carrying out a write.
    std::string execute(const std::string& command);
    std::optional<Fault> takeFault(const std::string& command);

    std::array<std::uint8_t, kMemorySize> m_memory{};
    std::string m_version = "002-06";
    std::vector<Fault> m_faults;
    std::vector<std::string> m_log;
    QByteArray m_pending;
    int m_commandCount = 0;
};

} // namespace r36::sim
