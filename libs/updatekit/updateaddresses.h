#pragma once
// The two fixed addresses of the update check. They are built into the program: no setting,
// option or environment variable changes them.
#include <QString>

namespace updatekit {

// The update-information INI file (see autoupdate.h for its format).
QString UpdateInfoUrl();
// The page that offers the new version for download.
QString DownloadPageUrl();

} // namespace updatekit
