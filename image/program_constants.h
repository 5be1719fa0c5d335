#pragma once

// Program-wide constants: the program's own texts and the serial ports it offers.

namespace r36 {

inline constexpr const char* kAppName = "QB-R36 Clone Utility";
inline constexpr const char* kAppVersion = "0.09";
inline constexpr const char* kAppDate = "2017/11";
/// The application name both programs give Qt: it names the user's config and data folders.
inline constexpr const char* kAppFolderName = "qbr36";
inline constexpr const char* kSettingsFileName = "QB-R36w.ini";

/// The Port menu and the command line offer COM1..COM16.
inline constexpr int kPortCount = 16;

} // namespace r36
