#pragma once
// The updater: asks the vendor's update service which version is the latest. Calls block and
// may run on any thread; each call waits at most a bounded time for the network.
//
// The update-information file is an INI file:
//   [VERSION]
//   Latest=1.3.0.0          the newest released version, four numbers of 0..65535
//   Description=<p>...</p>  one line shown to the user, may hold rich text
// Section and key names are matched without regard to case.

class IAutoUpdate {
public:
    // Downloads the update information from `url` (http or https). `flags` is reserved (0).
    // Returns 0 or more when the information was fetched and understood, negative on any
    // network, HTTP or format failure.
    virtual int FetchVersionInfo(const char *url, int flags) = 0;

    // The running version as two words: major << 16 | minor, build << 16 | revision.
    // Non-zero when it is at least the latest version last fetched (or when nothing has been
    // fetched yet), zero when a newer one exists.
    virtual int IsLatestVersion(unsigned int versionMS, unsigned int versionLS) = 0;

protected:
    virtual ~IAutoUpdate() = default;
};

// The process's updater, owned by the library; null when no updater can work in this process
// (no Qt application object to run the network on).
IAutoUpdate *GetAutoUpdateInstance();
