#pragma once
// Writes animated GIF files (GIF89a, looping) from frames drawn on an opaque background.
// Colours are mapped to a palette of at most 256 entries given by the caller.
#include <QImage>
#include <QString>
#include <QVector>

// `palette` holds at most 256 colours; every pixel takes the nearest one. `delayMs` is the
// time each frame is shown.
bool WriteAnimatedGif(const QString &path, const QVector<QImage> &frames, const QVector<QRgb> &palette,
                      int delayMs);

// A palette of blends between `background` and each of `inks` (up to 256 colours in all).
QVector<QRgb> BlendPalette(QRgb background, const QVector<QRgb> &inks);
