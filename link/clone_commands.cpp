// The eight commands of the window, each a greeting and then its blocks in the receiver's order.
#include "clone_transfer.h"

#include "radio_link.h"

#include <functional>
#include <string>
#include <vector>

namespace r36::link {

namespace {

constexpr int kLastUserMemory = image::kUserMemoryCount - 1; // 1699

using Command = FailureStep::Command;

FailureStep commandStep(Command command) {
    return FailureStep::of(command);
}

using Step = std::function<Outcome()>;

/// A step that shows what was just read; it cannot fail.
Step show(const std::function<void()>& hook) {
    return [hook] {
        if (hook)
            hook();
        return Outcome::success();
    };
}

/// Greets the receiver and runs the steps in order until one fails. The reason names the
/// command and the step.
Outcome runCommand(RadioLink& link, Command command, const std::vector<Step>& steps) {
    const Outcome greeted = link.connectRadio();
    if (!greeted)
        return greeted.within(commandStep(command));
    for (const Step& step : steps) {
        const Outcome done = step();
        if (!done)
            return done.within(commandStep(command));
    }
    return Outcome::success();
}

} // namespace

Outcome CloneTransfer::readAll() {
    return runCommand(m_link, Command::ReadAll,
                      {[this] { return readBankTable(); }, [this] { return readBankLinks(); },
                       [this] { return readPsLinks(); }, [this] { return m_link.connectRadio(); },
                       [this] { return readSysBlock(); }, show(m_hooks.showSysBlock),
                       [this] { return readSys3Block(); }, show(m_hooks.showSys3Block),
                       [this] { return readRemoconId(); },
                       [this] {
                           return memoryLoop(0, kLastUserMemory, Direction::Read, false);
                       }});
}

Outcome CloneTransfer::writeAll() {
    return runCommand(m_link, Command::WriteAll,
                      {[this] { return writeBankTable(); }, [this] { return writeBankLinks(); },
                       [this] { return writePsLinks(); }, [this] { return m_link.connectRadio(); },
                       [this] { return writeSysBlock(); }, [this] { return writeSys3Block(); },
                       [this] { return writeRemoconId(); },
                       [this] {
                           return memoryLoop(0, kLastUserMemory, Direction::Write, false);
                       }});
}

Outcome CloneTransfer::readThisPage() {
    return runCommand(m_link, Command::ReadThisPage,
                      {[this] { return readSysBlock(); }, show(m_hooks.showSysBlock),
                       [this] { return readSys3Block(); }, show(m_hooks.showSys3Block),
                       [this] {
                           return readRemoconId();
                       }});
}

Outcome CloneTransfer::writeThisPage() {
    return runCommand(m_link, Command::WriteThisPage,
                      {[this] { return writeSysBlock(); }, [this] { return writeSys3Block(); },
                       [this] {
                           return writeRemoconId();
                       }});
}

Outcome CloneTransfer::bankRead() {
    return runCommand(m_link, Command::BankRead,
                      {[this] { return readBankTable(); }, [this] { return readBankLinks(); },
                       [this] {
                           return readPsLinks();
                       }});
}

Outcome CloneTransfer::bankWrite() {
    return runCommand(m_link, Command::BankWrite,
                      {[this] { return writeBankTable(); }, [this] { return writeBankLinks(); },
                       [this] {
                           return writePsLinks();
                       }});
}

Outcome CloneTransfer::readSelected(int first, int last) {
    return selectedCommand(FailureStep::Command::ReadSelected, first, last, Direction::Read);
}

Outcome CloneTransfer::writeSelected(int first, int last) {
    return selectedCommand(FailureStep::Command::WriteSelected, first, last, Direction::Write);
}

Outcome CloneTransfer::selectedCommand(FailureStep::Command command, int first, int last,
                                       Direction direction) {
    // Checked before the greeting: an index outside the user memories must never be sent.
    if (first > last)
        return Outcome::failure(
            Failure(FailureKind::NoMemorySelected).within(commandStep(command)));
    if (first < 0 || last > kLastUserMemory) {
        Failure outside(FailureKind::MemoriesOutside);
        outside.number = first;
        outside.limit = last;
        return Outcome::failure(outside.within(commandStep(command)));
    }
    return runCommand(m_link, command, {[=, this] {
                          return memoryLoop(first, last, direction, true);
                      }});
}

Outcome CloneTransfer::memoryLoop(int first, int last, Direction direction, bool selected) {
    // The bar of a selection needs a maximum above its minimum.
    const int minimum = selected ? first : 0;
    const int maximum = selected ? (first == last ? last + 1 : last) : kLastUserMemory;
    const int memories = last - first + 1;
    if (m_hooks.progress)
        m_hooks.progress(minimum, maximum, minimum, 0, memories);
    for (int memory = first; memory <= last; ++memory) {
        const Outcome done =
            direction == Direction::Write ? writeMemory(memory) : readMemory(memory);
        if (!done)
            return done;
        if (m_hooks.progress)
            m_hooks.progress(minimum, maximum, memory, memory - first + 1, memories);
    }
    return Outcome::success();
}

} // namespace r36::link
