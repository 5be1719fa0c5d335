#pragma once

// Which words a message is made of: the user's language through the installed catalogue (the
// window), or the English source texts (the command line, the communication log, files).

#include <QCoreApplication>
#include <QString>

#include <string>

namespace r36::session {

enum class Wording {
    UserLanguage, // through QCoreApplication::translate()
    English,      // the source texts, for the log and files
};

/// The catalogue context of the failures' words, and of most of what the session words.
inline constexpr char kFailureContext[] = "r36::Failure";

/// Source texts in English, or their translation; the texts are marked for the catalogue where
/// they are written (QT_TRANSLATE_NOOP with the context given here).
class Words {
public:
    explicit Words(Wording wording) : m_wording(wording) {}

    QString operator()(const char* source, const char* context = kFailureContext) const {
        return m_wording == Wording::English ? QString::fromUtf8(source)
                                             : QCoreApplication::translate(context, source);
    }
    QString operator()(const std::string& source, const char* context) const {
        return (*this)(source.c_str(), context);
    }
    Wording wording() const { return m_wording; }

private:
    Wording m_wording;
};

} // namespace r36::session
