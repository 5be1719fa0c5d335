#include "session.h"

namespace r36::session {

Session::Session(Options options, QObject* parent)
    : Document(std::move(options.settingsFilePath), parent),
      m_receiver(*this,
                 {options.transport, options.replyTimeout, std::move(options.backupFolder)}) {}

} // namespace r36::session
