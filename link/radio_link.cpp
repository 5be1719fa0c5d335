#include "radio_link.h"

#include "comm_log.h"
#include "framing.h"
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

// The version reply is three characters, "-", two characters ("002-06").
constexpr int kVersionReplyLength = 6;
constexpr int kVersionDashPosition = 3;

} // namespace

RadioLink::RadioLink(Transport& transport, image::LinkState& state, QObject* parent)
    : QObject(parent), m_transport(transport), m_state(state) {}

bool RadioLink::openPort() {
    if (m_transport.isOpen())
        return true;
    QString reason;
    if (!m_transport.open(reason)) {
        m_lastError = reason;
        return false;
    }
    if (m_log)
        m_log->add(CommLog::Kind::Port, QStringLiteral("opened ") + m_transport.description());
    return true;
}

QString RadioLink::transact(const QString& command) {
    QByteArray collected;
    const QString reply = exchange(command, collected);
    if (m_log) {
        if (!reply.isEmpty())
            m_log->add(CommLog::Kind::Received, reply);
        else if (collected.isEmpty())
            m_log->add(CommLog::Kind::Trouble, m_lastError);
        else // what came instead of a reply is the heart of a bug report
            m_log->add(CommLog::Kind::Trouble, m_lastError + QStringLiteral("; received ") +
                                                   QString::fromLatin1(collected));
    }
    return reply;
}

QString RadioLink::exchange(const QString& command, QByteArray& collected) {
    if (m_inTransaction) {
        // Window events run while a command waits; a second command would take its reply.
        m_lastError = QStringLiteral("another command is still waiting for its reply");
        return {};
    }
    m_lastError.clear();
    if (m_stopRequested) {
        m_lastError = QStringLiteral("cancelled");
        return {};
    }
    if (!openPort())
        return {};

    const QByteArray sent = command.toLatin1() + '\r';
    const int commandLength = static_cast<int>(sent.size());

    // Stray characters of an earlier, timed-out exchange must not reach this reply.
    const QByteArray stray = m_transport.readAll();
    if (m_log && !stray.isEmpty())
        m_log->add(CommLog::Kind::Trouble,
                   QStringLiteral("dropped before sending: ") + QString::fromLatin1(stray));

    enum class End { Waiting, Complete, TimedOut, PortFailed };
    End end = End::Waiting;
    QString portFailure;
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
        if (isReplyComplete(collected, commandLength))
            finish(End::Complete);
    });
    const auto failConnection =
        connect(&m_transport, &Transport::failed, &loop, [&](const QString& reason) {
            portFailure = reason;
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
        m_lastError = QStringLiteral("port error: ") +
                      (portFailure.isEmpty() ? QStringLiteral("cannot send") : portFailure);
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
    case End::PortFailed:
        m_lastError = QStringLiteral("port error: ") + portFailure;
        return {};
    case End::Complete:
    case End::TimedOut:
    case End::Waiting:
        break;
    }

    // A time-out judges whatever arrived by then, complete or not.
    if (end == End::TimedOut && m_transport.isOpen())
        collected += m_transport.readAll();
    const QByteArray reply = replyText(collected, commandLength);
    if (!reply.isEmpty()) {
        m_lastError.clear();
        return QString::fromLatin1(reply);
    }

    const QString waited = QString::number(m_timeout.count()) + QStringLiteral(" ms");
    if ((sent + "\r\n").startsWith(collected))
        m_lastError = QStringLiteral("no reply within ") + waited; // at most the echo came
    else if (!collected.startsWith(sent))
        m_lastError = QStringLiteral("reply not framed (no echo of the command)");
    else if (end == End::TimedOut)
        m_lastError = QStringLiteral("reply not framed (no CR LF within ") + waited + ')';
    else
        m_lastError = QStringLiteral("reply not framed");
    return {};
}

Outcome RadioLink::connectRadio() {
    if (!openPort()) {
        if (m_log)
            m_log->add(CommLog::Kind::Trouble, m_lastError);
        return Outcome::failure(m_lastError.toStdString());
    }

    const QString greeting = transact(kGreeting);
    if (greeting != QLatin1String("OK")) {
        if (greeting.isEmpty())
            return Outcome::failure("greeting: " + m_lastError.toStdString());
        m_lastError = QStringLiteral("greeting answered \"%1\" instead of \"OK\"").arg(greeting);
        return Outcome::failure(m_lastError.toStdString());
    }

    const QString version = transact(kVersionQuery);
    if (version.isEmpty())
        return Outcome::failure("version query: " + m_lastError.toStdString());
    if (version.size() != kVersionReplyLength ||
        version[kVersionDashPosition] != QLatin1Char('-')) {
        m_lastError = QStringLiteral("version reply \"%1\" is not of the form 000-00").arg(version);
        return Outcome::failure(m_lastError.toStdString());
    }
    // "002-06" -> "00206" -> 206; the number ends where the digits do, halves go to even.
    const QString digits =
        version.left(kVersionDashPosition) + version.mid(kVersionDashPosition + 1);
    const double value = std::nearbyint(image::numericValue(digits.toStdString()));
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        m_lastError = QStringLiteral("version reply \"%1\" is out of range").arg(version);
        return Outcome::failure(m_lastError.toStdString());
    }
    m_state.radioVersion = static_cast<std::int16_t>(value);
    return Outcome::success();
}

void RadioLink::disconnectRadio() {
    if (!m_transport.isOpen())
        return;
    m_transport.close();
    if (m_log)
        m_log->add(CommLog::Kind::Port, QStringLiteral("closed"));
}

} // namespace r36::link
