#pragma once

// A failure in the English words the command line prints, for tests that check them.

#include "image/outcome.h"
#include "session/failure_text.h"

#include <optional>
#include <string>

namespace r36::test {

inline std::string english(const Failure& failure) {
    return session::englishText(failure);
}

/// The failure's English message; empty text for a success.
inline std::string english(const Outcome& outcome) {
    return outcome ? std::string() : english(outcome.why());
}

/// The link's last failure in English; empty text when there is none.
inline std::string english(const std::optional<Failure>& failure) {
    return failure ? english(*failure) : std::string();
}

/// What a transfer's closing message says in English: why it failed, or where it stopped.
inline std::string english(const session::TransferResult& result) {
    return session::resultText(result, session::Wording::English).toStdString();
}

} // namespace r36::test
