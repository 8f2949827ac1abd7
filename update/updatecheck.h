#pragma once
// The update check without its windows: asks the updater, and when a newer version exists
// fetches "Upgrade.ini" into the program folder for its description. Runs on a worker thread.
#include "shell/productversion.h"

#include <QString>

class IAutoUpdate;

// The new version's description, read from the freshly downloaded "Upgrade.ini".
struct UpgradeInfo {
    bool available = false; // false: not downloaded, or not written into the program folder
    QString description;     // empty when the file has none
};

struct UpdateCheckResult {
    QString text;
    int failed = 0;
    int newVersion = 0;
    UpgradeInfo upgrade;
};

QString FetchFailedText();
QString UpToDateText();
QString NewVersionText();

// Downloads `url` to `programFolder`/Upgrade.ini and reads its [VERSION] Description. Never
// reads an older copy: when the new one cannot be downloaded or written, nothing is available.
UpgradeInfo DownloadUpgradeInfo(const QString &url, const QString &programFolder);

// The whole check; a null `updater` (no updater library) gives an empty, unfailed result.
UpdateCheckResult RunUpdateCheck(IAutoUpdate *updater, const QString &infoUrl, const QString &programFolder);
