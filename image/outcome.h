#pragma once

#include <string>
#include <utility>

namespace r36 {

/// The result of an operation that can fail: success, or a failure with the reason a user can
/// read ("reading memory 300 at 02F80: no reply within 1000 ms"). Every layer returns these
/// instead of throwing; the reason travels up unchanged to the message box.
class [[nodiscard]] Outcome {
public:
    static Outcome success() { return Outcome(true, {}); }
    static Outcome failure(std::string reason) { return Outcome(false, std::move(reason)); }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const std::string& reason() const { return m_reason; }

private:
    Outcome(bool ok, std::string reason) : m_ok(ok), m_reason(std::move(reason)) {}
    bool m_ok;
    std::string m_reason;
};

} // namespace r36
