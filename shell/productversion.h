#pragma once
// The running version (the project's, 1.2.0.0): what the updater compares with the latest and
// the About box shows.
constexpr unsigned kRunningVersionMajor = PURGEWELL_VERSION_MAJOR;
constexpr unsigned kRunningVersionMinor = PURGEWELL_VERSION_MINOR;
constexpr unsigned kRunningVersionMS = kRunningVersionMajor << 16 | kRunningVersionMinor;
constexpr unsigned kRunningVersionLS = PURGEWELL_VERSION_PATCH << 16 | PURGEWELL_VERSION_TWEAK;
