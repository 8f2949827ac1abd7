#include "shell/stylefile.h"

#include <QFile>

QString ReadStyleFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
