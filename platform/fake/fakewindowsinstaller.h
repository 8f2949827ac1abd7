#pragma once
// Windows Installer for unit tests: each product code gets an answer set by the test; an unknown
// product is kErrorUnknownProduct. Every question is recorded.
#include "platform/windowsinstaller.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace pw {

class CFakeWindowsInstaller : public IWindowsInstaller {
public:
    void SetProductFolder(const std::string &productCode, const std::string &windowsPath,
                          WinError result = kErrorSuccess)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_products[productCode] = {result, windowsPath};
    }
    std::vector<std::string> Asked() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_asked;
    }

    WinError ProductFolder(const std::string &productCode, std::string *windowsPath) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_asked.push_back(productCode);
        windowsPath->clear();
        const auto it = m_products.find(productCode);
        if (it == m_products.end())
            return kErrorUnknownProduct;
        if (it->second.first == kErrorSuccess)
            *windowsPath = it->second.second;
        return it->second.first;
    }

private:
    mutable std::mutex m_mutex;
    std::map<std::string, std::pair<WinError, std::string>> m_products;
    std::vector<std::string> m_asked;
};

} // namespace pw
