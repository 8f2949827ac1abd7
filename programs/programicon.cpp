#include "programs/programicon.h"

#include "inventory/programhelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>

#ifdef Q_OS_WIN
#include <windows.h>
#include <shellapi.h>

// QtGui's own conversion (qpixmap_win.cpp), exported for Qt's Windows extras.
Q_GUI_EXPORT QPixmap qt_pixmapFromWinHICON(HICON icon);
#endif

namespace {

// DisplayIcon names a file and, after a comma, which of its icons: an index, or a resource id
// when negative.
int iconIndex(const QByteArray &displayIcon)
{
    const int comma = displayIcon.lastIndexOf(',');
    bool ok = false;
    const int index = comma < 0 ? 0 : displayIcon.mid(comma + 1).trimmed().toInt(&ok);
    return ok ? index : 0;
}

// A file whose icons are resources: which one is meant matters.
bool holdsIcons(const QByteArray &file)
{
    const QByteArray lower = file.toLower();
    for (const char *suffix : {".exe", ".dll", ".ocx", ".cpl", ".scr"})
        if (lower.endsWith(suffix))
            return true;
    return false;
}

} // namespace

CProgramIconCache &CProgramIconCache::instance()
{
    static CProgramIconCache cache;
    static const bool cleanup = [] {
        // Pixmaps must go before the application object does.
        qAddPostRoutine([] { CProgramIconCache::instance().Clear(); });
        return true;
    }();
    Q_UNUSED(cleanup);
    return cache;
}

void CProgramIconCache::Clear()
{
    m_cache.clear();
    m_defaults.clear();
    m_loads = 0;
}

QPixmap CProgramIconCache::Pixmap(const QByteArray &displayIcon, int size)
{
    const QByteArray file = GetIconFilePath(displayIcon);
    if (file.isEmpty())
        return defaultPixmap(size);
    const int index = holdsIcons(file) ? iconIndex(displayIcon) : 0;
    const QByteArray key = file + '|' + QByteArray::number(index) + '|' + QByteArray::number(size);
    auto it = m_cache.constFind(key);
    if (it != m_cache.constEnd())
        return it.value();
    const QPixmap pixmap = load(file, index, size);
    m_cache.insert(key, pixmap);
    return pixmap;
}

QPixmap CProgramIconCache::load(const QByteArray &iconFile, int index, int size)
{
    ++m_loads;
    const QString path = NativePath(QString::fromLocal8Bit(iconFile));
    if (path.isEmpty())
        return defaultPixmap(size);
    const QFileInfo info(path);
    QIcon icon;
    // An .ico or other image named by DisplayIcon is the program's icon itself; the desktop's
    // file icon would only show the image type.
    if (info.isFile() && !QImageReader::imageFormat(path).isEmpty())
        icon = QIcon(path);
    QPixmap pixmap;
#ifdef Q_OS_WIN
    // Windows draws a program file's own icon, the one DisplayIcon names by its index; elsewhere
    // the provider only knows the file type, and the product's installer image says more than a
    // blank document would.
    if (icon.isNull() && info.isFile() && holdsIcons(iconFile)) {
        HICON large = nullptr;
        if (ExtractIconExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()), index, &large,
                           nullptr, 1) > 0 && large) {
            pixmap = qt_pixmapFromWinHICON(large);
            DestroyIcon(large);
            if (!pixmap.isNull() && pixmap.size() != QSize(size, size))
                pixmap = pixmap.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
    }
    if (icon.isNull() && pixmap.isNull()) {
        QFileIconProvider provider;
        icon = provider.icon(info);
    }
#else
    Q_UNUSED(index)
#endif
    if (pixmap.isNull() && !icon.isNull())
        pixmap = icon.pixmap(size, size);
    return pixmap.isNull() ? defaultPixmap(size) : pixmap;
}

QPixmap CProgramIconCache::defaultPixmap(int size)
{
    auto it = m_defaults.constFind(size);
    if (it != m_defaults.constEnd())
        return it.value();
    QPixmap pixmap(DefaultImagePath());
    if (!pixmap.isNull() && pixmap.size() != QSize(size, size))
        pixmap = pixmap.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_defaults.insert(size, pixmap);
    return pixmap;
}
