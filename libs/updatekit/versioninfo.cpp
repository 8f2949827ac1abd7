#include "libs/updatekit/versioninfo.h"

#include <QList>

namespace updatekit {

bool ReadIniValue(const QByteArray &content, const QString &section, const QString &key, QString *value)
{
    QString text = QString::fromUtf8(content);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    bool inSection = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const int close = line.indexOf(QLatin1Char(']'));
            inSection = close > 0 && line.mid(1, close - 1).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
            continue;
        QString v = line.mid(eq + 1).trimmed();
        if (v.size() >= 2 && ((v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
                              || (v.startsWith(QLatin1Char('\'')) && v.endsWith(QLatin1Char('\'')))))
            v = v.mid(1, v.size() - 2);
        *value = v;
        return true;
    }
    return false;
}

bool ParseVersion(const QString &text, FourPartVersion *version)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    FourPartVersion v{};
    for (int i = 0; i < 4; ++i) {
        const QString &p = parts[i];
        if (p.isEmpty() || p.size() > 5)
            return false;
        for (QChar c : p)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        const uint n = p.toUInt();
        if (n > 0xFFFF)
            return false;
        v[size_t(i)] = quint16(n);
    }
    *version = v;
    return true;
}

FourPartVersion VersionFromWords(unsigned int versionMS, unsigned int versionLS)
{
    return {quint16(versionMS >> 16), quint16(versionMS & 0xFFFF), quint16(versionLS >> 16),
            quint16(versionLS & 0xFFFF)};
}

} // namespace updatekit
