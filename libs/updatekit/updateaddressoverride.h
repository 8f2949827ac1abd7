#pragma once
// For tests only: points the update check at other addresses (a server on 127.0.0.1) while
// the object lives. Not reachable from the program's own code paths.
#include <QString>

namespace updatekit {

class CUpdateAddressOverride {
public:
    CUpdateAddressOverride(const QString &updateInfoUrl, const QString &downloadPageUrl);
    ~CUpdateAddressOverride();
    CUpdateAddressOverride(const CUpdateAddressOverride &) = delete;
    CUpdateAddressOverride &operator=(const CUpdateAddressOverride &) = delete;
};

} // namespace updatekit
