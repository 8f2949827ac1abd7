#include "gifwriter.h"

#include <QFile>

#include <climits>
#include <vector>

namespace {

class BitWriter {
public:
    void put(int code, int bits)
    {
        m_acc |= uint32_t(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_bytes.push_back(char(m_acc & 0xff));
            m_acc >>= 8;
            m_count -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_count > 0)
            m_bytes.push_back(char(m_acc & 0xff));
        m_acc = 0;
        m_count = 0;
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    uint32_t m_acc = 0;
    int m_count = 0;
};

// LZW with 8-bit minimum code size, as GIF image data wants it.
QByteArray lzw(const std::vector<uint8_t> &indices)
{
    const int clearCode = 256;
    const int endCode = 257;
    std::vector<uint16_t> table(4096 * 256, 0); // (prefix, byte) -> code, 0 = none
    BitWriter out;
    int codeSize = 9;
    int nextCode = 258;
    auto reset = [&] {
        std::fill(table.begin(), table.end(), 0);
        codeSize = 9;
        nextCode = 258;
    };
    out.put(clearCode, codeSize);
    if (indices.empty()) {
        out.put(endCode, codeSize);
        return out.finish();
    }
    int prefix = indices[0];
    for (size_t i = 1; i < indices.size(); ++i) {
        const int k = indices[i];
        const uint16_t found = table[size_t(prefix) * 256 + size_t(k)];
        if (found) {
            prefix = found;
            continue;
        }
        out.put(prefix, codeSize);
        if (nextCode < 4095) {
            table[size_t(prefix) * 256 + size_t(k)] = uint16_t(nextCode++);
            if (nextCode > (1 << codeSize) && codeSize < 12)
                ++codeSize;
        } else {
            out.put(clearCode, codeSize);
            reset();
        }
        prefix = k;
    }
    out.put(prefix, codeSize);
    out.put(endCode, codeSize);
    return out.finish();
}

int nearest(QRgb c, const QVector<QRgb> &palette)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(c) - qRed(palette[i]);
        const int dg = qGreen(c) - qGreen(palette[i]);
        const int db = qBlue(c) - qBlue(palette[i]);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

void putWord(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

} // namespace

QVector<QRgb> BlendPalette(QRgb background, const QVector<QRgb> &inks)
{
    QVector<QRgb> palette;
    palette.append(background);
    if (inks.isEmpty())
        return palette;
    const int steps = qMax(2, 255 / inks.size());
    for (QRgb ink : inks) {
        for (int s = 1; s <= steps && palette.size() < 256; ++s) {
            const double t = double(s) / steps;
            palette.append(qRgb(int(qRed(background) + (qRed(ink) - qRed(background)) * t + 0.5),
                                int(qGreen(background) + (qGreen(ink) - qGreen(background)) * t + 0.5),
                                int(qBlue(background) + (qBlue(ink) - qBlue(background)) * t + 0.5)));
        }
    }
    return palette;
}

bool WriteAnimatedGif(const QString &path, const QVector<QImage> &frames, const QVector<QRgb> &palette,
                      int delayMs)
{
    if (frames.isEmpty() || palette.isEmpty() || palette.size() > 256)
        return false;
    const int width = frames.first().width();
    const int height = frames.first().height();

    QByteArray gif("GIF89a");
    putWord(gif, width);
    putWord(gif, height);
    gif.append(char(0xF7)); // global colour table of 256 entries, 8 bits per channel
    gif.append(char(0));
    gif.append(char(0));
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        gif.append(char(qRed(c)));
        gif.append(char(qGreen(c)));
        gif.append(char(qBlue(c)));
    }
    // Loop for ever.
    gif.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);

    const int delay = qMax(2, delayMs / 10);
    for (const QImage &source : frames) {
        const QImage frame = source.convertToFormat(QImage::Format_RGB32);
        gif.append("\x21\xF9\x04", 3);
        gif.append(char(1 << 2)); // keep the frame; the next one covers it whole
        putWord(gif, delay);
        gif.append(char(0));
        gif.append(char(0));

        gif.append(char(0x2C));
        putWord(gif, 0);
        putWord(gif, 0);
        putWord(gif, width);
        putWord(gif, height);
        gif.append(char(0));

        std::vector<uint8_t> indices;
        indices.reserve(size_t(width) * size_t(height));
        for (int y = 0; y < height; ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
            for (int x = 0; x < width; ++x)
                indices.push_back(uint8_t(nearest(line[x], palette)));
        }
        gif.append(char(8));
        const QByteArray data = lzw(indices);
        for (int at = 0; at < data.size(); at += 255) {
            const int n = qMin(255, data.size() - at);
            gif.append(char(n));
            gif.append(data.constData() + at, n);
        }
        gif.append(char(0));
    }
    gif.append(char(0x3B));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(gif) == gif.size();
}
