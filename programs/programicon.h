#pragma once
// Program icons from DisplayIcon values. Looking an icon up touches the disk (and, under Wine,
// the host), and a list commonly holds many entries of one vendor sharing an icon file, so each
// distinct icon file is loaded once per size and kept for the life of the process.
// GUI thread only.
#include <QByteArray>
#include <QHash>
#include <QPixmap>
#include <QString>

class CProgramIconCache {
public:
    static CProgramIconCache &instance();

    // The icon of a DisplayIcon value at size x size pixels: an image file is shown as it is; on
    // Windows a program file shows the icon DisplayIcon's index names ("app.exe,2"), any other
    // file the icon the desktop gives it; an empty value, an unknown file or a null icon gives
    // the default installer image.
    QPixmap Pixmap(const QByteArray &displayIcon, int size);

    // How many icon files were looked up since the last Clear (each distinct file and size once).
    int LoadCount() const { return m_loads; }
    void Clear();

    static QString DefaultImagePath() { return QStringLiteral("./Resources/Installer.png"); }

private:
    QPixmap load(const QByteArray &iconFile, int index, int size);
    QPixmap defaultPixmap(int size);

    QHash<QByteArray, QPixmap> m_cache; // key: icon file + '|' + icon index + '|' + size
    QHash<int, QPixmap> m_defaults;
    int m_loads = 0;
};
