#include "receiver_simulator.h"

#include "image/hex_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>

namespace r36::sim {

namespace {

constexpr int kAddressDigits = 5;
constexpr int kLineBytes = 32;
constexpr int kMaxWriteBytes = 32;
constexpr int kGarbledPosition = 10;

const std::string kReadPrefix = "VK~F";

/// The five-digit address of a "VK~F" command, or -1.
int commandAddress(const std::string& command) {
    if (command.rfind(kReadPrefix, 0) != 0 || command.size() < kReadPrefix.size() + kAddressDigits)
        return -1;
    int address = 0;
    for (int i = 0; i < kAddressDigits; ++i) {
        const auto digit =
            image::hexDigitValue(command[kReadPrefix.size() + static_cast<std::size_t>(i)]);
        if (!digit)
            return -1;
        address = address * 16 + *digit;
    }
    return address;
}

} // namespace

ReceiverSimulator::ReceiverSimulator() {
    loadBlankMemory();
}

std::vector<ReceiverSimulator::Answer> ReceiverSimulator::receive(const QByteArray& bytes) {
    m_pending += bytes;
    std::vector<Answer> answers;
    qsizetype end;
    while ((end = m_pending.indexOf('\r')) >= 0) {
        const std::string command = m_pending.left(end).toStdString();
        m_pending.remove(0, end + 1);
        for (Answer& piece : answer(command))
            answers.push_back(std::move(piece));
    }
    return answers;
}

std::optional<Fault> ReceiverSimulator::takeFault(const std::string& command) {
    const int address = commandAddress(command);
    for (auto it = m_faults.begin(); it != m_faults.end(); ++it) {
        const bool byCount = it->atCommand > 0 && (it->repeat ? m_commandCount >= it->atCommand
                                                              : m_commandCount == it->atCommand);
        const bool byAddress = it->address >= 0 && it->address == address;
        if (!byCount && !byAddress)
            continue;
        const Fault fault = *it;
        if (!fault.repeat)
            m_faults.erase(it);
        return fault;
    }
    return std::nullopt;
}

std::string ReceiverSimulator::execute(const std::string& command) {
    if (command == "VK~QB-R36J")
        return "OK";
    if (command == "VK~VER")
        return m_version;
    const int address = commandAddress(command);
    if (address < 0)
        return "NG";
    const std::string rest = command.substr(kReadPrefix.size() + kAddressDigits);
    if (rest == "R") {
        if (address + kLineBytes > kMemorySize)
            return "NG";
        std::string line;
        char hex[3];
        for (int i = 0; i < kLineBytes; ++i) {
            std::snprintf(hex, sizeof hex, "%02X", m_memory[static_cast<std::size_t>(address + i)]);
            line += hex;
        }
        return line;
    }
    if (rest.empty() || rest[0] != 'W')
        return "NG";
    const std::string data = rest.substr(1);
    const int count = static_cast<int>(data.size() / 2);
    if (data.empty() || data.size() % 2 != 0 || count > kMaxWriteBytes ||
        address + count > kMemorySize)
        return "NG";
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < count; ++i) {
        const auto high = image::hexDigitValue(data[static_cast<std::size_t>(2 * i)]);
        const auto low = image::hexDigitValue(data[static_cast<std::size_t>(2 * i + 1)]);
        if (!high || !low)
            return "NG";
        bytes.push_back(static_cast<std::uint8_t>(*high * 16 + *low));
    }
    std::copy(bytes.begin(), bytes.end(), m_memory.begin() + address);
    return "OK";
}

std::vector<ReceiverSimulator::Answer> ReceiverSimulator::answer(const std::string& command) {
    ++m_commandCount;
    m_log.push_back(command);
    const QByteArray echo = QByteArray::fromStdString(command) + '\r';
    const std::optional<Fault> fault = takeFault(command);
    if (!fault)
        return {{echo + "\r\n" + QByteArray::fromStdString(execute(command)) + "\r\n"}};

    switch (fault->kind) {
    case Fault::Kind::NoReply:
        return {};
    case Fault::Kind::PortVanishes:
        return {{{}, std::chrono::milliseconds{0}, true}};
    case Fault::Kind::WriteRefused:
        // The receiver keeps its memory: the write is not carried out.
        return {{echo + "\r\nNG\r\n"}};
    case Fault::Kind::WriteDropped:
        if (command.size() > kReadPrefix.size() + kAddressDigits &&
            command[kReadPrefix.size() + kAddressDigits] == 'W')
            return {{echo + "\r\nOK\r\n"}}; // acknowledged, and forgotten
        break;
    default:
        break;
    }
    QByteArray reply = QByteArray::fromStdString(execute(command));
    switch (fault->kind) {
    case Fault::Kind::NoEcho:
        return {{"\r\n" + reply + "\r\n"}};
    case Fault::Kind::Unframed:
        return {{echo + reply}};
    case Fault::Kind::Garbled:
        reply[std::min<qsizetype>(kGarbledPosition, reply.size() - 1)] = '?';
        return {{echo + "\r\n" + reply + "\r\n"}};
    case Fault::Kind::ShortLine:
        reply.chop(2);
        return {{echo + "\r\n" + reply + "\r\n"}};
    case Fault::Kind::LateReply:
        return {{echo + "\r\n" + reply + "\r\n", fault->lateBy}};
    case Fault::Kind::LatePieces: {
        const QByteArray whole = echo + "\r\n" + reply + "\r\n";
        const qsizetype third = whole.size() / 3;
        // Delays count from the command, like every answer's.
        return {{whole.left(third), fault->lateBy},
                {whole.mid(third, third), fault->lateBy + Fault::kPieceGap},
                {whole.mid(2 * third), fault->lateBy + 2 * Fault::kPieceGap}};
    }
    case Fault::Kind::Noise:
        // What a line picks up when a cable is plugged in or a motor starts nearby.
        return {{QByteArray("\x00\xFF\x7E\r\x13\xF0\n\x80", 8) + echo + "\r\n" + reply + "\r\n"}};
    default:
        return {{echo + "\r\n" + reply + "\r\n"}};
    }
}

int ReceiverSimulator::versionNumber() const {
    // "002-06" -> 206; anything unreadable counts as 0.
    int number = 0;
    for (std::size_t i = 0; i < m_version.size(); ++i) {
        if (i == 3)
            continue;
        if (!std::isdigit(static_cast<unsigned char>(m_version[i])))
            return 0;
        number = number * 10 + (m_version[i] - '0');
    }
    return number;
}

} // namespace r36::sim
