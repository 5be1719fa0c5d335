#include "radio_link.h"

#include "comm_log.h"
#include "framing.h"
#include "port_names.h"
#include "port_trouble.h"
#include "transport.h"

#include "image/memory_record.h"

#include <QEventLoop>
#include <QTimer>

#include <cmath>
#include <cstdint>
#include <limits>

namespace r36::link {

namespace {

const QString kGreeting = QStringLiteral("VK~QB-R36J");
const QString kVersionQuery = QStringLiteral("VK~VER");

// The version reply is three digits, "-", two digits ("002-06").
constexpr int kVersionReplyLength = 6;
constexpr int kVersionDashPosition = 3;

bool isVersionReply(const QString& reply) {
    if (reply.size() != kVersionReplyLength)
        return false;
    for (int i = 0; i < kVersionReplyLength; ++i)
        if (i == kVersionDashPosition ? reply[i] != QLatin1Char('-') : !reply[i].isDigit())
            return false;
    return true;
}

constexpr int kBitsPerCharacter = 10; // start bit, 8 data bits, stop bit
// USB serial adapters hand over what they received up to 16 ms late, so a quiet line is judged
// over at least kQuietFloor; at either speed that is far more than the character times.
constexpr int kQuietCharacters = 16;

std::chrono::milliseconds quietPeriod(int commSpeed) {
    const auto characters = std::chrono::milliseconds{kQuietCharacters * kBitsPerCharacter * 1000 /
                                                      baudRate(commSpeed)};
    return std::max(characters, RadioLink::kQuietFloor);
}

} // namespace

RadioLink::RadioLink(Transport& transport, image::LinkState& state, QObject* parent)
    : QObject(parent), m_transport(transport), m_state(state) {}

bool RadioLink::openPort() {
    if (m_transport.isOpen())
        return true;
    Failure why;
    if (!m_transport.open(why)) {
        m_lastFailure = why;
        return false;
    }
    if (m_log)
        m_log->add(CommLog::Kind::Port, QStringLiteral("opened ") + m_transport.description());
    // Late bytes of an exchange the last user of the port gave up on may still sit in it.
    resynchronise(QStringLiteral("left in the port when it opened"));
    return true;
}

void RadioLink::resynchronise(const QString& why) {
    QByteArray discarded = m_transport.readAll();
    QEventLoop loop;
    QTimer quiet;
    QTimer limit;
    quiet.setSingleShot(true);
    limit.setSingleShot(true);
    const std::chrono::milliseconds period = quietPeriod(m_state.commSpeed);
    connect(&m_transport, &Transport::readyRead, &loop, [&] {
        discarded += m_transport.readAll();
        quiet.start(period); // the line is not quiet yet
    });
    connect(&m_transport, &Transport::failed, &loop, &QEventLoop::quit);
    connect(&quiet, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit); // noise that never stops
    quiet.start(period);
    limit.start(kResyncLimit);
    m_inTransaction = true;
    loop.exec();
    m_inTransaction = false;
    discarded += m_transport.readAll();
    m_outOfStep = false;
    if (m_log && !discarded.isEmpty())
        m_log->add(CommLog::Kind::Trouble, QStringLiteral("discarded %1 bytes %2: %3")
                                               .arg(discarded.size())
                                               .arg(why, QString::fromLatin1(discarded)));
}

QString RadioLink::transact(const QString& command) {
    bool outOfStep = false;
    const QString reply = attempt(command, false, outOfStep);
    if (!outOfStep)
        return reply;
    // Repeating a read changes nothing, and a write sends the same bytes to the same address;
    // a refusal ("NG") is a reply and never gets here.
    ++m_repeated;
    const Failure first = m_lastFailure.value_or(Failure(FailureKind::NotFramed));
    if (m_log)
        m_log->add(CommLog::Kind::Trouble, QStringLiteral("sending the command again"));
    const QString again = attempt(command, true, outOfStep);
    if (again.isEmpty() && outOfStep && m_lastFailure) {
        const Failure second = *m_lastFailure;
        const bool alike = first.kind == second.kind && first.number == second.number;
        Failure both(alike ? FailureKind::SentTwice : FailureKind::SentAgain);
        both.parts = alike ? std::vector<Failure>{second} : std::vector<Failure>{first, second};
        m_lastFailure = both;
    }
    return again;
}

QString RadioLink::attempt(const QString& command, bool repeat, bool& outOfStep) {
    QByteArray collected;
    const QString reply = exchange(command, repeat, collected, outOfStep);
    if (m_log) {
        if (!reply.isEmpty())
            m_log->add(CommLog::Kind::Received, reply);
        else if (m_lastFailure) // what came instead of a reply is the heart of a bug report
            m_log->addTrouble(*m_lastFailure, QString::fromLatin1(collected));
    }
    return reply;
}

QString RadioLink::exchange(const QString& command, bool repeat, QByteArray& collected,
                            bool& outOfStep) {
    outOfStep = false;
    if (m_inTransaction) {
        // Window events run while a command waits; a second command would take its reply.
        fail(FailureKind::LinkBusy);
        return {};
    }
    m_lastFailure.reset();
    m_silent = Silence::None;
    // The second sending belongs to the command already under way: a stop waits for it.
    if (m_stopRequested && !repeat) {
        fail(FailureKind::Cancelled);
        return {};
    }
    if (!openPort())
        return {};
    // Stray characters of an earlier exchange must not reach this reply, nor the late answer to
    // the last command be taken for this one's: more of it may be on its way.
    if (const QByteArray stray = m_transport.readAll(); !stray.isEmpty()) {
        if (m_log)
            m_log->add(CommLog::Kind::Trouble,
                       QStringLiteral("dropped before sending: ") + QString::fromLatin1(stray));
        m_outOfStep = true;
    }
    if (m_outOfStep)
        resynchronise(QStringLiteral("after a time-out or a reply out of step"));

    const QByteArray sent = command.toLatin1() + '\r';
    const int commandLength = static_cast<int>(sent.size());

    enum class End { Waiting, Complete, OutOfStep, TimedOut, PortFailed };
    End end = End::Waiting;
    std::optional<Failure> portFailure;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);

    auto finish = [&](End how) {
        if (end == End::Waiting) {
            end = how;
            loop.quit();
        }
    };
    const auto readConnection = connect(&m_transport, &Transport::readyRead, &loop, [&] {
        collected += m_transport.readAll();
        if (!echoAgrees(collected, sent))
            finish(End::OutOfStep); // no need to wait: this is not the answer to this command
        else if (isReplyComplete(collected, commandLength))
            finish(End::Complete);
    });
    const auto failConnection =
        connect(&m_transport, &Transport::failed, &loop, [&](const Failure& why) {
            portFailure = why;
            finish(End::PortFailed);
        });
    connect(&timer, &QTimer::timeout, &loop, [&] { finish(End::TimedOut); });

    const bool written = m_transport.write(sent);
    // Logged once the command is on its way: writing the line overlaps the receiver's answer
    // instead of delaying the command.
    if (m_log)
        m_log->add(CommLog::Kind::Sent, command);
    if (!written) {
        disconnect(readConnection);
        disconnect(failConnection);
        Failure broke(FailureKind::PortBroke);
        broke.parts = {portFailure.value_or(Failure(FailureKind::CannotSend))};
        m_lastFailure = broke;
        return {};
    }
    if (end == End::Waiting) {
        timer.start(m_timeout);
        m_inTransaction = true;
        loop.exec();
        m_inTransaction = false;
    }
    disconnect(readConnection);
    disconnect(failConnection);

    switch (end) {
    case End::PortFailed: {
        Failure broke(FailureKind::PortBroke);
        broke.parts = {portFailure.value_or(Failure(FailureKind::CannotSend))};
        m_lastFailure = broke;
        return {};
    }
    case End::Complete:
    case End::OutOfStep:
    case End::TimedOut:
    case End::Waiting:
        break;
    }

    // A time-out judges whatever arrived by then, complete or not.
    if (end == End::TimedOut && m_transport.isOpen())
        collected += m_transport.readAll();
    const QByteArray reply =
        collected.startsWith(sent) ? replyText(collected, commandLength) : QByteArray();
    if (!reply.isEmpty()) {
        m_lastFailure.reset();
        // Bytes after the reply line came with it: the late answer to an earlier sending,
        // so more may follow. The next command waits for the line to go quiet.
        if (const QByteArray extra = collected.mid(replyEnd(collected, commandLength));
            !extra.isEmpty()) {
            m_outOfStep = true;
            if (m_log)
                m_log->add(CommLog::Kind::Trouble,
                           QStringLiteral("discarded %1 bytes after the reply: %2")
                               .arg(extra.size())
                               .arg(QString::fromLatin1(extra)));
        }
        return QString::fromLatin1(reply);
    }
    if (collected.startsWith(sent) && replyEnd(collected, commandLength) >= 0) {
        // A framed line with nothing in it is the receiver's answer, not trouble on the line.
        fail(FailureKind::EmptyReply);
        return {};
    }
    outOfStep = true;
    m_outOfStep = true;
    m_silent = Silence::Unreadable;

    const int waited = static_cast<int>(m_timeout.count());
    if ((sent + "\r\n").startsWith(collected)) {
        fail(FailureKind::NoReply, waited); // at most the echo came
        m_silent = Silence::NoReply;
    } else if (!echoAgrees(collected, sent))
        fail(FailureKind::NoEcho);
    else if (end == End::TimedOut)
        fail(FailureKind::NoLineEnd, waited);
    else
        fail(FailureKind::NotFramed);
    return {};
}

void RadioLink::fail(FailureKind kind, int number) {
    Failure why(kind);
    why.number = number;
    m_lastFailure = why;
}

Failure RadioLink::failureWithin(const FailureStep& step) const {
    return m_lastFailure.value_or(Failure(FailureKind::NotFramed)).within(step);
}

Outcome RadioLink::connectRadio() {
    if (!openPort()) {
        if (m_log)
            m_log->addTrouble(*m_lastFailure);
        return Outcome::failure(*m_lastFailure);
    }

    const QString greeting = transact(kGreeting);
    if (greeting != QLatin1String("OK")) {
        // Silence or gibberish at the greeting: the wrong port or speed, a cable, a receiver
        // switched off. Say which port and speed were tried and what to check.
        if (greeting.isEmpty() && m_silent != Silence::None) {
            Failure silent(FailureKind::NoGreetingReply);
            silent.device = m_transport.label().toStdString();
            silent.number = baudRate(m_state.commSpeed);
            if (m_silent != Silence::NoReply && m_lastFailure)
                silent.parts = {*m_lastFailure};
            return Outcome::failure(silent);
        }
        if (greeting.isEmpty())
            return Outcome::failure(failureWithin(FailureStep::of(FailureStep::Kind::Greeting)));
        Failure refused(FailureKind::GreetingRefused);
        refused.value = greeting.toStdString();
        m_lastFailure = refused;
        return Outcome::failure(refused);
    }

    const QString version = transact(kVersionQuery);
    if (version.isEmpty())
        return Outcome::failure(failureWithin(FailureStep::of(FailureStep::Kind::VersionQuery)));
    Failure badVersion(FailureKind::BadVersion);
    badVersion.value = version.toStdString();
    if (!isVersionReply(version)) {
        // It names the backups and picks the settings block's address: a garbled one must not.
        m_lastFailure = badVersion;
        return Outcome::failure(badVersion);
    }
    // "002-06" -> "00206" -> 206; the number ends where the digits do, halves go to even.
    const QString digits =
        version.left(kVersionDashPosition) + version.mid(kVersionDashPosition + 1);
    const double value = std::nearbyint(image::numericValue(digits.toStdString()));
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        badVersion.kind = FailureKind::VersionOutOfRange;
        m_lastFailure = badVersion;
        return Outcome::failure(badVersion);
    }
    m_state.radioVersion = static_cast<std::int16_t>(value);
    return Outcome::success();
}

void RadioLink::disconnectRadio() {
    m_outOfStep = false; // the port is resynchronised when it opens again
    if (!m_transport.isOpen())
        return;
    m_transport.close();
    if (m_log)
        m_log->add(CommLog::Kind::Port, QStringLiteral("closed"));
}

} // namespace r36::link
