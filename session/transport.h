#pragma once

// The cable to the receiver as those above the session name it: a serial port of the session's
// own, or another transport (the simulator's) handed in by a test or the demo.

namespace r36::link {
class Transport;
}

namespace r36::session {

using Transport = link::Transport;

} // namespace r36::session
