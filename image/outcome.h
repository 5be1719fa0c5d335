#pragma once

#include "image/failure.h"

#include <string>
#include <utility>

namespace r36 {

/// The result of an operation that can fail: success, or a Failure with its kind and the values
/// its message needs ("reading memory 300 at 02F80: no reply within 1000 ms" is a NoReply of
/// 1000 ms inside the step that read memory 300). Every layer returns these instead of
/// throwing; the failure travels up unchanged to the edge, which words it.
class [[nodiscard]] Outcome {
public:
    static Outcome success() { return Outcome(true, {}); }
    static Outcome failure(Failure failure) { return Outcome(false, std::move(failure)); }
    static Outcome failure(FailureKind kind) { return Outcome(false, Failure(kind)); }
    /// A sentence the edge made itself (the command line's own messages).
    static Outcome failure(std::string sentence) {
        Failure composed(FailureKind::Composed);
        composed.value = std::move(sentence);
        return Outcome(false, std::move(composed));
    }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const Failure& why() const { return m_failure; }
    /// This failure inside `step`; a success stays one.
    Outcome within(const FailureStep& step) const {
        return m_ok ? *this : failure(m_failure.within(step));
    }

private:
    Outcome(bool ok, Failure failure) : m_ok(ok), m_failure(std::move(failure)) {}
    bool m_ok;
    Failure m_failure;
};

} // namespace r36
