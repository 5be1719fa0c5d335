#include "fault_text.h"

#include <QStringList>

#include <array>
#include <utility>

namespace r36::sim {

namespace {

const std::array<std::pair<const char*, Fault::Kind>, 12> kKinds{{
    {"no-reply", Fault::Kind::NoReply},
    {"no-echo", Fault::Kind::NoEcho},
    {"unframed", Fault::Kind::Unframed},
    {"garbled", Fault::Kind::Garbled},
    {"short-line", Fault::Kind::ShortLine},
    {"late-reply", Fault::Kind::LateReply},
    {"stall", Fault::Kind::LateReply}, // the same: what a stalled receiver does
    {"late-pieces", Fault::Kind::LatePieces},
    {"noise", Fault::Kind::Noise},
    {"write-refused", Fault::Kind::WriteRefused},
    {"write-dropped", Fault::Kind::WriteDropped},
    {"port-vanishes", Fault::Kind::PortVanishes},
}};

} // namespace

QString faultKindNames() {
    QStringList names;
    for (const auto& kind : kKinds)
        names << QString::fromLatin1(kind.first);
    return names.join(QStringLiteral(", "));
}

std::optional<Fault> parseFault(const QString& text, QString& error) {
    const QStringList parts = text.split(QLatin1Char(','));
    const QStringList where = parts[0].split(QLatin1Char('@'));
    error =
        QStringLiteral("fault \"%1\": expected KIND@command=N or KIND@address=0xADDR").arg(text);
    if (where.size() != 2)
        return std::nullopt;

    Fault fault;
    bool knownKind = false;
    for (const auto& kind : kKinds)
        if (where[0] == QLatin1String(kind.first)) {
            fault.kind = kind.second;
            knownKind = true;
        }
    if (!knownKind) {
        error =
            QStringLiteral("fault \"%1\": unknown kind; use one of %2").arg(text, faultKindNames());
        return std::nullopt;
    }

    const QStringList trigger = where[1].split(QLatin1Char('='));
    if (trigger.size() != 2)
        return std::nullopt;
    bool number = false;
    if (trigger[0] == QLatin1String("command")) {
        fault.atCommand = trigger[1].toInt(&number);
        number = number && fault.atCommand > 0;
    } else if (trigger[0] == QLatin1String("address")) {
        fault.address = trigger[1].toInt(&number, 0);
        number = number && fault.address >= 0 && fault.address < ReceiverSimulator::kMemorySize;
    }
    if (!number)
        return std::nullopt;

    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (parts[i] == QLatin1String("repeat")) {
            fault.repeat = true;
        } else if (parts[i].startsWith(QLatin1String("late="))) {
            bool ok = false;
            fault.lateBy = std::chrono::milliseconds{parts[i].mid(5).toInt(&ok)};
            if (!ok || fault.lateBy.count() < 0)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    error.clear();
    return fault;
}

} // namespace r36::sim
