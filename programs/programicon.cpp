#include "programs/programicon.h"

#include "inventory/programhelpers.h"

#include <QCoreApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>

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
    const QByteArray key = file + '|' + QByteArray::number(size);
    auto it = m_cache.constFind(key);
    if (it != m_cache.constEnd())
        return it.value();
    const QPixmap pixmap = load(file, size);
    m_cache.insert(key, pixmap);
    return pixmap;
}

QPixmap CProgramIconCache::load(const QByteArray &iconFile, int size)
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
    if (icon.isNull()) {
        QFileIconProvider provider;
        icon = provider.icon(info);
    }
    const QPixmap pixmap = icon.isNull() ? QPixmap() : icon.pixmap(size, size);
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
