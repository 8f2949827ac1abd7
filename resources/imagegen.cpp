// Draws every image of the program's Resources folder in the product's dark palette.
// Usage: imagegen <output folder> [<icon theme folder>] [<catalogue.qm> ...]. Run by the build;
// the output is laid out beside the executable as "Resources/". With a second folder, the
// program's icon is drawn into it as a freedesktop icon theme ("hicolor/<n>x<n>/apps/<name>.png"
// at the usual sizes and "hicolor/scalable/apps/<name>.svg"). Images that carry text are drawn in
// English into "Resources/" and, for each compiled catalogue "purgewell_<language>.qm" given,
// once more in that language into "Resources/<language>/".
#include "gifwriter.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>
#include <QTextLayout>
#include <QTextStream>
#include <QTranslator>
#include <QtMath>

#include <memory>
#include <utility>
#include <vector>

#include <cstdio>

namespace {

// The palette.
const QColor kWindow(26, 29, 44);
const QColor kPage(38, 43, 65);
const QColor kDialog(45, 51, 77);
const QColor kLine(60, 64, 84);
const QColor kEdit(60, 64, 84);
const QColor kGrey(163, 164, 170);
const QColor kLight(214, 214, 215);
const QColor kAccent(61, 123, 255);
const QColor kAccentHover(88, 143, 255);
const QColor kAccentPressed(45, 100, 214);
const QColor kViolet(120, 86, 255);
const QColor kGreen(43, 196, 138);
const QColor kAmber(255, 176, 32);
const QColor kRed(240, 72, 90);
const QColor kCloseRed(232, 17, 35);

QString g_out;
int g_failures = 0;

enum State { Normal, Hover, Press, Disable };

// The texts drawn into images. They are translated like every other text of the program (the
// catalogues' update finds them here); each language's images take them from its catalogue.
//: The caption drawn into the sort button; the button grows with it.
const char *const kSortBy = QT_TRANSLATE_NOOP("CEnumProgramPage", "Sort by");
//: The start picture's line under the product name (600 pixels wide, 15-pixel type).
const char *const kTagline = QT_TRANSLATE_NOOP("CStartDlg", "Uninstall programs and everything they leave behind");
//: The start picture's last line, under a progress bar, while the installed programs are read.
const char *const kReading = QT_TRANSLATE_NOOP("CStartDlg", "Reading installed programs...");

// One language the text images are drawn in.
struct Language {
    QString name; // "de", "pt_BR"; empty for English, the language of the sources
    std::unique_ptr<QTranslator> catalogue;

    QString text(const char *context, const char *source) const
    {
        const QString translated = catalogue ? catalogue->translate(context, source) : QString();
        return translated.isEmpty() ? QString::fromUtf8(source) : translated;
    }
    // Where its images go: "Resources/" for English, "Resources/<name>/" otherwise.
    QString file(const QString &name) const { return this->name.isEmpty() ? name : this->name + QLatin1Char('/') + name; }
};

QFont uiFont(int pixelSize, int weight = QFont::Normal, const QString &language = QString())
{
    QFont font;
    // Han characters take the forms of the reader's language, so Chinese and Japanese texts are
    // set in a font made for that language, Latin letters among them; the others in the UI font.
    if (language == QLatin1String("ja"))
        font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic"), QStringLiteral("Segoe UI"),
                          QStringLiteral("DejaVu Sans")});
    else if (language.startsWith(QLatin1String("zh")))
        font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                          QStringLiteral("Segoe UI"), QStringLiteral("DejaVu Sans")});
    else
        font.setFamilies({QStringLiteral("Segoe UI"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

// Whether some font of this machine has a glyph for every character of `text` (Qt falls back
// from `font` to any font that has one); otherwise the text would be drawn as empty boxes.
bool drawable(const QFont &font, const QString &text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun &run : layout.glyphRuns()) {
        for (quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0) // the "missing glyph" box
                return false;
        }
    }
    return true;
}

// `font`, made smaller down to `minimum` pixels until `text` fits into `width`.
QFont fitted(QFont font, const QString &text, int width, int minimum)
{
    while (QFontMetrics(font).horizontalAdvance(text) > width && font.pixelSize() > minimum)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

// `text` as it fits into `width` in `font`: whole, or cut short with "…" (and a warning, as the
// translation is too long for its place).
QString fitting(const QFont &font, const QString &text, int width, const Language &language)
{
    const QString elided = QFontMetrics(font).elidedText(text, Qt::ElideRight, width);
    if (elided != text)
        std::fprintf(stderr, "imagegen: %s: \"%s\" is too long for its image and is cut short\n",
                     qPrintable(language.name), text.toUtf8().constData());
    return elided;
}

QImage canvas(int w, int h, const QColor &fill = Qt::transparent)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void begin(QPainter &p, QImage &image)
{
    p.begin(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

void save(const QImage &image, const QString &name)
{
    const QString path = g_out + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImageWriter writer(path);
    if (!writer.write(image)) {
        std::fprintf(stderr, "imagegen: cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        ++g_failures;
    }
}

QPen roundPen(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// ---- the emblem: a rounded square in the accent gradient holding a bin with a sweep ----

void drawEmblem(QPainter &p, const QRectF &r)
{
    const qreal s = r.width();
    QLinearGradient gradient(r.topLeft(), r.bottomRight());
    gradient.setColorAt(0, kAccent);
    gradient.setColorAt(1, kViolet);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawRoundedRect(r, s * 0.22, s * 0.22);

    // A bin: lid and body, white.
    const qreal cx = r.center().x();
    const qreal top = r.top() + s * 0.26;
    const QPen pen = roundPen(Qt::white, qMax<qreal>(1.2, s * 0.065));
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(cx - s * 0.25, top), QPointF(cx + s * 0.25, top));
    p.drawLine(QPointF(cx - s * 0.08, top - s * 0.07), QPointF(cx + s * 0.08, top - s * 0.07));
    QPainterPath body;
    body.moveTo(cx - s * 0.19, top + s * 0.06);
    body.lineTo(cx - s * 0.15, r.top() + s * 0.78);
    body.quadTo(cx - s * 0.145, r.top() + s * 0.80, cx - s * 0.12, r.top() + s * 0.80);
    body.lineTo(cx + s * 0.12, r.top() + s * 0.80);
    body.quadTo(cx + s * 0.145, r.top() + s * 0.80, cx + s * 0.15, r.top() + s * 0.78);
    body.lineTo(cx + s * 0.19, top + s * 0.06);
    p.drawPath(body);
    if (s >= 24) {
        p.setPen(roundPen(QColor(255, 255, 255, 200), s * 0.045));
        for (qreal dx : {-0.07, 0.0, 0.07})
            p.drawLine(QPointF(cx + s * dx, top + s * 0.16), QPointF(cx + s * dx, r.top() + s * 0.70));
    }
}

QImage emblem(int size)
{
    QImage image = canvas(size, size);
    QPainter p;
    begin(p, image);
    drawEmblem(p, QRectF(0, 0, size, size).adjusted(size * 0.04, size * 0.04, -size * 0.04, -size * 0.04));
    p.end();
    return image;
}

// ---- title-bar buttons, 40 x 32 ----

void drawTitleGlyph(QPainter &p, const QString &stem, const QColor &ink)
{
    const QPointF c(20, 16);
    p.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    if (stem == QLatin1String("menu")) {
        for (int i = -1; i <= 1; ++i)
            p.drawLine(QPointF(c.x() - 6, c.y() + i * 4), QPointF(c.x() + 6, c.y() + i * 4));
    } else if (stem == QLatin1String("minimize")) {
        p.drawLine(QPointF(c.x() - 5.5, c.y() + 0.5), QPointF(c.x() + 5.5, c.y() + 0.5));
    } else if (stem == QLatin1String("maximize")) {
        p.drawRect(QRectF(c.x() - 5, c.y() - 5, 10, 10));
    } else if (stem == QLatin1String("restore")) {
        p.drawRect(QRectF(c.x() - 5.5, c.y() - 3, 8.5, 8.5));
        QPainterPath back;
        back.moveTo(c.x() - 3, c.y() - 3);
        back.lineTo(c.x() - 3, c.y() - 5.5);
        back.lineTo(c.x() + 5.5, c.y() - 5.5);
        back.lineTo(c.x() + 5.5, c.y() + 3);
        back.lineTo(c.x() + 3, c.y() + 3);
        p.drawPath(back);
    } else if (stem == QLatin1String("close")) {
        p.setPen(roundPen(ink, 1.3));
        p.drawLine(QPointF(c.x() - 5, c.y() - 5), QPointF(c.x() + 5, c.y() + 5));
        p.drawLine(QPointF(c.x() + 5, c.y() - 5), QPointF(c.x() - 5, c.y() + 5));
    }
}

void titleButtons()
{
    const QStringList stems = {QStringLiteral("menu"), QStringLiteral("minimize"), QStringLiteral("maximize"),
                               QStringLiteral("restore"), QStringLiteral("close")};
    const QList<QPair<State, QString>> states = {
        {Normal, QStringLiteral("normal")}, {Hover, QStringLiteral("hover")},
        {Press, QStringLiteral("press")}, {Disable, QStringLiteral("disable")}};
    for (const QString &stem : stems) {
        const bool close = stem == QLatin1String("close");
        for (const auto &state : states) {
            QImage image = canvas(40, 32);
            QPainter p;
            begin(p, image);
            QColor back = Qt::transparent;
            QColor ink = kGrey;
            switch (state.first) {
            case Normal:
                break;
            case Hover:
                back = close ? kCloseRed : QColor(255, 255, 255, 24);
                ink = Qt::white;
                break;
            case Press:
                back = close ? QColor(196, 30, 46) : QColor(255, 255, 255, 14);
                ink = close ? QColor(255, 255, 255, 220) : kLight;
                break;
            case Disable:
                ink = QColor(163, 164, 170, 80);
                break;
            }
            if (back.alpha() > 0) {
                p.setPen(Qt::NoPen);
                p.setBrush(back);
                p.drawRoundedRect(QRectF(4, 4, 32, 24), 4, 4);
            }
            drawTitleGlyph(p, stem, ink);
            p.end();
            save(image, QStringLiteral("%1_%2.png").arg(stem, state.second));
        }
    }
}

// ---- buttons with captions (border images) ----

void captionButton(const QString &name, int w, int h, const QString &caption, bool primary, int fontPx)
{
    const QList<QPair<State, QString>> states = {
        {Normal, QString()}, {Hover, QStringLiteral("_hover")}, {Press, QStringLiteral("_press")},
        {Disable, QStringLiteral("_disable")}};
    for (const auto &state : states) {
        QImage image = canvas(w, h);
        QPainter p;
        begin(p, image);
        QColor fill;
        QColor border = Qt::transparent;
        QColor text = Qt::white;
        if (primary) {
            fill = state.first == Hover ? kAccentHover : state.first == Press ? kAccentPressed : kAccent;
        } else {
            fill = state.first == Hover ? QColor(72, 77, 101) : state.first == Press ? QColor(52, 56, 74) : kEdit;
            border = QColor(88, 94, 122);
            text = kLight;
        }
        if (state.first == Disable) {
            fill = QColor(55, 59, 78);
            border = Qt::transparent;
            text = QColor(255, 255, 255, 90);
        }
        p.setPen(border.alpha() ? QPen(border, 1) : Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 4, 4);
        p.setPen(text);
        p.setFont(uiFont(fontPx, primary ? QFont::DemiBold : QFont::Normal));
        p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, caption);
        p.end();
        save(image, name + state.second + QStringLiteral(".png"));
    }
}

// ---- small glyph icons ----

void drawTrash(QPainter &p, const QRectF &r, const QColor &ink)
{
    const qreal s = r.width();
    p.setPen(roundPen(ink, qMax<qreal>(1.2, s * 0.085)));
    p.setBrush(Qt::NoBrush);
    const qreal x = r.left();
    const qreal y = r.top();
    p.drawLine(QPointF(x + s * 0.15, y + s * 0.25), QPointF(x + s * 0.85, y + s * 0.25));
    p.drawLine(QPointF(x + s * 0.38, y + s * 0.12), QPointF(x + s * 0.62, y + s * 0.12));
    QPainterPath body;
    body.moveTo(x + s * 0.25, y + s * 0.32);
    body.lineTo(x + s * 0.30, y + s * 0.88);
    body.lineTo(x + s * 0.70, y + s * 0.88);
    body.lineTo(x + s * 0.75, y + s * 0.32);
    p.drawPath(body);
}

void trashIcons()
{
    const QList<QPair<QString, QColor>> states = {{QStringLiteral("icon_trash.png"), kGrey},
                                                  {QStringLiteral("icon_trash_hover.png"), Qt::white},
                                                  {QStringLiteral("icon_trash_press.png"), kAccent}};
    for (const auto &state : states) {
        QImage image = canvas(16, 16);
        QPainter p;
        begin(p, image);
        drawTrash(p, QRectF(0, 0, 16, 16), state.second);
        p.end();
        save(image, state.first);
    }
}

void drawRefresh(QPainter &p, const QRectF &r, const QColor &ink)
{
    const qreal s = r.width();
    const QRectF arc = r.adjusted(s * 0.17, s * 0.17, -s * 0.17, -s * 0.17);
    p.setPen(roundPen(ink, s * 0.11));
    p.setBrush(Qt::NoBrush);
    p.drawArc(arc, 60 * 16, 290 * 16);
    // Arrow head at the arc's start (60 degrees).
    const qreal a = qDegreesToRadians(60.0);
    const QPointF tip(arc.center().x() + arc.width() / 2 * qCos(a), arc.center().y() - arc.height() / 2 * qSin(a));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    QPainterPath head;
    head.moveTo(tip + QPointF(s * 0.26, -s * 0.02));
    head.lineTo(tip + QPointF(-s * 0.06, -s * 0.22));
    head.lineTo(tip + QPointF(-s * 0.02, s * 0.16));
    head.closeSubpath();
    p.drawPath(head);
}

void refreshIcons()
{
    const QList<QPair<QString, QColor>> states = {{QStringLiteral("refresh_normal.png"), kGrey},
                                                  {QStringLiteral("refresh_hover.png"), Qt::white},
                                                  {QStringLiteral("refresh_press.png"), kAccent},
                                                  {QStringLiteral("refresh_disable.png"), QColor(163, 164, 170, 80)}};
    for (const auto &state : states) {
        QImage image = canvas(16, 16);
        QPainter p;
        begin(p, image);
        drawRefresh(p, QRectF(0, 0, 16, 16), state.second);
        p.end();
        save(image, state.first);
    }
}

// The sort button: its caption and a down arrow, 20 pixels high. The caption has 56 pixels (74
// in all), more when a language needs them, up to 120 (past that the type gets smaller); the
// button takes the image's width.
void sortIcons(const Language &language)
{
    const QString caption = language.text("CEnumProgramPage", kSortBy);
    const QFont font = fitted(uiFont(13, QFont::Normal, language.name), caption, 120, 10);
    const int room = qBound(56, QFontMetrics(font).horizontalAdvance(caption) + 2, 122);
    const QString shown = fitting(font, caption, room, language);
    const QList<QPair<QString, QColor>> states = {{QStringLiteral("sortby.png"), kGrey},
                                                  {QStringLiteral("sortby_hover.png"), Qt::white},
                                                  {QStringLiteral("sortby_press.png"), kAccent}};
    for (const auto &state : states) {
        QImage image = canvas(room + 18, 20);
        QPainter p;
        begin(p, image);
        p.setPen(state.second);
        p.setFont(font);
        p.drawText(QRect(2, 0, room, 20), Qt::AlignLeft | Qt::AlignVCenter, shown);
        p.setPen(roundPen(state.second, 1.4));
        p.drawLine(QPointF(room + 5, 8), QPointF(room + 9, 12));
        p.drawLine(QPointF(room + 9, 12), QPointF(room + 13, 8));
        p.end();
        save(image, language.file(state.first));
    }
}

void searchImages()
{
    QImage box = canvas(200, 32);
    QPainter p;
    begin(p, box);
    p.setPen(QPen(QColor(76, 82, 108), 1));
    p.setBrush(kEdit);
    p.drawRoundedRect(QRectF(0.5, 0.5, 199, 31), 16, 16);
    p.end();
    save(box, QStringLiteral("searchbox.png"));

    QImage icon = canvas(16, 16);
    begin(p, icon);
    p.setPen(roundPen(kGrey, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(2, 2, 9, 9));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
    p.end();
    save(icon, QStringLiteral("icon_search.png"));
}

// ---- status icons ----

enum Glyph { Check, Exclamation, Cross, Info };

void drawStatus(QPainter &p, const QRectF &r, const QColor &colour, Glyph glyph)
{
    const qreal s = r.width();
    QRadialGradient glow(r.center(), s / 2);
    glow.setColorAt(0.0, colour.lighter(118));
    glow.setColorAt(1.0, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(r);
    const QPointF c = r.center();
    p.setPen(roundPen(Qt::white, s * 0.09));
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Check: {
        QPainterPath path;
        path.moveTo(c + QPointF(-s * 0.22, s * 0.01));
        path.lineTo(c + QPointF(-s * 0.06, s * 0.17));
        path.lineTo(c + QPointF(s * 0.23, -s * 0.14));
        p.drawPath(path);
        break;
    }
    case Exclamation:
        p.drawLine(c + QPointF(0, -s * 0.22), c + QPointF(0, s * 0.06));
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(c + QPointF(0, s * 0.2), s * 0.055, s * 0.055);
        break;
    case Cross:
        p.drawLine(c + QPointF(-s * 0.16, -s * 0.16), c + QPointF(s * 0.16, s * 0.16));
        p.drawLine(c + QPointF(s * 0.16, -s * 0.16), c + QPointF(-s * 0.16, s * 0.16));
        break;
    case Info:
        p.drawLine(c + QPointF(0, -s * 0.04), c + QPointF(0, s * 0.22));
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(c + QPointF(0, -s * 0.19), s * 0.055, s * 0.055);
        break;
    }
}

void statusIcons()
{
    struct Item {
        const char *name;
        QColor colour;
        Glyph glyph;
    };
    const Item items[] = {{"tip_suc.png", kGreen, Check},
                          {"tip_warnning.png", kAmber, Exclamation},
                          {"tip_ok.png", kAccent, Check},
                          {"tip_failed.png", kRed, Cross}};
    for (const Item &item : items) {
        QImage image = canvas(64, 64);
        QPainter p;
        begin(p, image);
        drawStatus(p, QRectF(2, 2, 60, 60), item.colour, item.glyph);
        p.end();
        save(image, QLatin1String(item.name));
    }

    // The result dialog's picture: a check inside a soft ring.
    QImage success = canvas(96, 96);
    QPainter p;
    begin(p, success);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(43, 196, 138, 40));
    p.drawEllipse(QRectF(0, 0, 96, 96));
    drawStatus(p, QRectF(12, 12, 72, 72), kGreen, Check);
    p.end();
    save(success, QStringLiteral("Success.png"));
}

// ---- program fallback icon: a parcel ----

void installerIcon()
{
    QImage image = canvas(64, 64);
    QPainter p;
    begin(p, image);
    QLinearGradient front(QPointF(8, 24), QPointF(56, 58));
    front.setColorAt(0, QColor(122, 146, 210));
    front.setColorAt(1, QColor(74, 94, 160));
    p.setPen(QPen(QColor(40, 48, 84), 1.5));
    p.setBrush(front);
    QPainterPath box;
    box.moveTo(8, 22);
    box.lineTo(32, 12);
    box.lineTo(56, 22);
    box.lineTo(56, 48);
    box.lineTo(32, 58);
    box.lineTo(8, 48);
    box.closeSubpath();
    p.drawPath(box);
    p.setBrush(QColor(150, 172, 232));
    QPainterPath lid;
    lid.moveTo(8, 22);
    lid.lineTo(32, 12);
    lid.lineTo(56, 22);
    lid.lineTo(32, 32);
    lid.closeSubpath();
    p.drawPath(lid);
    p.setPen(QPen(QColor(40, 48, 84), 1.5));
    p.drawLine(QPointF(32, 32), QPointF(32, 58));
    p.setPen(QPen(QColor(230, 234, 246), 3));
    p.drawLine(QPointF(20, 17), QPointF(44, 27));
    p.end();
    save(image, QStringLiteral("Installer.png"));
}

// ---- check boxes and menu mark for the style sheet ----

void checkBoxes()
{
    struct Item {
        const char *name;
        bool checked;
        QColor border;
        QColor fill;
    };
    const Item items[] = {{"checkbox_normal.png", false, QColor(120, 126, 150), Qt::transparent},
                          {"checkbox_hover.png", false, kAccentHover, Qt::transparent},
                          {"checkbox_checked.png", true, kAccent, kAccent},
                          {"checkbox_checked_hover.png", true, kAccentHover, kAccentHover},
                          {"checkbox_disable.png", false, QColor(80, 85, 105), QColor(50, 55, 75)}};
    for (const Item &item : items) {
        QImage image = canvas(16, 16);
        QPainter p;
        begin(p, image);
        p.setPen(QPen(item.border, 1.2));
        p.setBrush(item.fill);
        p.drawRoundedRect(QRectF(1, 1, 14, 14), 3, 3);
        if (item.checked) {
            p.setPen(roundPen(Qt::white, 1.8));
            QPainterPath tick;
            tick.moveTo(4.2, 8.2);
            tick.lineTo(7, 11);
            tick.lineTo(12, 5.2);
            p.drawPath(tick);
        }
        p.end();
        save(image, QLatin1String(item.name));
    }

    QImage mark = canvas(12, 12);
    QPainter p;
    begin(p, mark);
    p.setPen(roundPen(kAccentHover, 1.8));
    QPainterPath tick;
    tick.moveTo(2, 6.2);
    tick.lineTo(5, 9);
    tick.lineTo(10, 3);
    p.drawPath(tick);
    p.end();
    save(mark, QStringLiteral("menu_check.png"));
}

// ---- spinner frames ----

void drawSpinner(QPainter &p, const QRectF &r, qreal angle, const QColor &track, const QColor &ink, qreal width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(track, width));
    p.drawEllipse(r);
    QConicalGradient sweep(r.center(), -angle);
    sweep.setColorAt(0.0, ink);
    sweep.setColorAt(0.7, QColor(ink.red(), ink.green(), ink.blue(), 0));
    sweep.setColorAt(1.0, QColor(ink.red(), ink.green(), ink.blue(), 0));
    p.setPen(QPen(QBrush(sweep), width, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(r, int(-angle * 16), 250 * 16); // head at the start, tail behind it
}

void rowSpinner()
{
    for (int i = 0; i < 50; ++i) {
        QImage image = canvas(16, 16);
        QPainter p;
        begin(p, image);
        drawSpinner(p, QRectF(2, 2, 12, 12), i * 360.0 / 50, QColor(255, 255, 255, 30), kAccentHover, 2.2);
        p.end();
        save(image, QStringLiteral("loading/loading_%1.png").arg(i));
    }
}

void refreshGif()
{
    // Shown on the refresh dialog's fill, rgb(50,54,57).
    const QColor back(50, 54, 57);
    QVector<QImage> frames;
    const int count = 36;
    for (int i = 0; i < count; ++i) {
        QImage image = canvas(44, 44, back);
        QPainter p;
        begin(p, image);
        drawSpinner(p, QRectF(6, 6, 32, 32), i * 360.0 / count, QColor(255, 255, 255, 28), kAccentHover, 4);
        p.end();
        frames.append(image);
    }
    const QVector<QRgb> palette = BlendPalette(back.rgb(), {kAccentHover.rgb(), QColor(255, 255, 255).rgb()});
    if (!WriteAnimatedGif(g_out + QStringLiteral("/loading_b.gif"), frames, palette, 30)) {
        std::fprintf(stderr, "imagegen: cannot write loading_b.gif\n");
        ++g_failures;
    }
}

void updateGif()
{
    // Shown on the dialog background: a globe with a ring that runs around it.
    const QColor back = kDialog;
    QVector<QImage> frames;
    const int count = 40;
    for (int i = 0; i < count; ++i) {
        QImage image = canvas(96, 96, back);
        QPainter p;
        begin(p, image);
        drawSpinner(p, QRectF(8, 8, 80, 80), i * 360.0 / count, QColor(255, 255, 255, 22), kAccentHover, 5);
        // Down arrow in the middle, bobbing gently.
        const qreal bob = 3 * qSin(i * 2 * M_PI / count);
        p.setPen(roundPen(kLight, 4));
        p.drawLine(QPointF(48, 32 + bob), QPointF(48, 58 + bob));
        p.drawLine(QPointF(38, 49 + bob), QPointF(48, 59 + bob));
        p.drawLine(QPointF(58, 49 + bob), QPointF(48, 59 + bob));
        p.drawLine(QPointF(36, 66), QPointF(60, 66));
        p.end();
        frames.append(image);
    }
    const QVector<QRgb> palette = BlendPalette(back.rgb(), {kAccentHover.rgb(), kLight.rgb(), QColor(255, 255, 255).rgb()});
    if (!WriteAnimatedGif(g_out + QStringLiteral("/check_update.gif"), frames, palette, 40)) {
        std::fprintf(stderr, "imagegen: cannot write check_update.gif\n");
        ++g_failures;
    }
}

// ---- splash, 600 x 368 ----

void splash(const Language &language)
{
    QImage image = canvas(600, 368, kWindow);
    QPainter p;
    begin(p, image);
    QLinearGradient back(QPointF(0, 0), QPointF(600, 368));
    back.setColorAt(0, QColor(30, 34, 54));
    back.setColorAt(1, QColor(45, 51, 77));
    p.fillRect(image.rect(), back);
    // Soft accent glow behind the emblem.
    QRadialGradient glow(QPointF(300, 130), 170);
    glow.setColorAt(0, QColor(61, 123, 255, 70));
    glow.setColorAt(1, QColor(61, 123, 255, 0));
    p.fillRect(image.rect(), glow);
    p.setPen(QPen(QColor(60, 64, 84), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 599, 367));

    drawEmblem(p, QRectF(260, 62, 80, 80));
    p.setPen(Qt::white);
    p.setFont(uiFont(30, QFont::DemiBold));
    p.drawText(QRect(0, 162, 600, 44), Qt::AlignCenter, QStringLiteral("Vendrix Purgewell"));
    // The lines below the name are the reader's; each keeps its size while it fits the picture
    // with a margin of 20 pixels, and gets smaller otherwise.
    const QString tagline = language.text("CStartDlg", kTagline);
    const QFont taglineFont = fitted(uiFont(15, QFont::Normal, language.name), tagline, 560, 11);
    p.setPen(QColor(255, 255, 255, 153));
    p.setFont(taglineFont);
    p.drawText(QRect(0, 206, 600, 26), Qt::AlignCenter, fitting(taglineFont, tagline, 560, language));

    // A progress track with a lit segment and the waiting text.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    p.drawRoundedRect(QRectF(190, 284, 220, 4), 2, 2);
    QLinearGradient lit(QPointF(230, 0), QPointF(330, 0));
    lit.setColorAt(0, QColor(61, 123, 255, 0));
    lit.setColorAt(0.5, kAccentHover);
    lit.setColorAt(1, QColor(120, 86, 255, 0));
    p.setBrush(lit);
    p.drawRoundedRect(QRectF(230, 284, 100, 4), 2, 2);
    const QString reading = language.text("CStartDlg", kReading);
    const QFont readingFont = fitted(uiFont(13, QFont::Normal, language.name), reading, 560, 10);
    p.setPen(kGrey);
    p.setFont(readingFont);
    p.drawText(QRect(0, 300, 600, 24), Qt::AlignCenter, fitting(readingFont, reading, 560, language));
    p.end();
    save(image, language.file(QStringLiteral("loading.png")));
}

// The images with text, in one language. A language whose text no font of this machine can
// draw (Chinese or Japanese without a CJK font) gets none: the program then shows the English
// ones rather than empty boxes.
void textImages(const Language &language)
{
    if (!language.name.isEmpty()) {
        const std::pair<const char *, const char *> texts[] = {
            {"CEnumProgramPage", kSortBy}, {"CStartDlg", kTagline}, {"CStartDlg", kReading}};
        for (const auto &text : texts) {
            const QString translated = language.text(text.first, text.second);
            if (!drawable(uiFont(15, QFont::Normal, language.name), translated)) {
                std::fprintf(stderr,
                             "imagegen: warning: no font of this machine draws \"%s\" (%s), so the %s images are "
                             "left out and the program shows the English ones; install the fonts scripts/setup.sh "
                             "names\n",
                             translated.toUtf8().constData(), qPrintable(language.name), qPrintable(language.name));
                QDir(g_out + QLatin1Char('/') + language.name).removeRecursively(); // those of an earlier run
                return;
            }
        }
    }
    sortIcons(language);
    splash(language);
}

void logos()
{
    save(emblem(32), QStringLiteral("titlebar_logo.png"));
    save(emblem(96), QStringLiteral("logo.png"));
    save(emblem(128), QStringLiteral("About.png"));
    save(emblem(64), QStringLiteral("Logo.ico"));
}

// The desktop icon: the emblem at the sizes desktops look for, and as SVG for any other size.
bool themeIcons(const QString &folder)
{
    const QString name = QStringLiteral("example.vendrix.Purgewell");
    bool ok = true;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
        QDir().mkpath(dir);
        QImageWriter writer(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!writer.write(emblem(size))) {
            std::fprintf(stderr, "imagegen: cannot write the %d pixel icon: %s\n", size, qPrintable(writer.errorString()));
            ok = false;
        }
    }
    const QString dir = folder + QStringLiteral("/hicolor/scalable/apps");
    QDir().mkpath(dir);
    QSvgGenerator svg;
    svg.setFileName(dir + QLatin1Char('/') + name + QStringLiteral(".svg"));
    svg.setSize(QSize(128, 128));
    svg.setViewBox(QRect(0, 0, 128, 128));
    svg.setTitle(QStringLiteral("Vendrix Purgewell"));
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "imagegen: cannot write the scalable icon\n");
        return false;
    }
    p.setRenderHints(QPainter::Antialiasing);
    drawEmblem(p, QRectF(0, 0, 128, 128).adjusted(128 * 0.04, 128 * 0.04, -128 * 0.04, -128 * 0.04));
    p.end();
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: imagegen <output folder> [<icon theme folder>] [<catalogue.qm> ...]\n");
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(g_out)) {
        std::fprintf(stderr, "imagegen: cannot create %s\n", argv[1]);
        return 1;
    }
    QString themeFolder;
    std::vector<Language> languages;
    languages.emplace_back(); // English
    for (int i = 2; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (!argument.endsWith(QLatin1String(".qm"))) {
            themeFolder = argument;
            continue;
        }
        // "purgewell_pt_BR.qm" is the catalogue of "pt_BR".
        Language language;
        language.name = QFileInfo(argument).completeBaseName().section(QLatin1Char('_'), 1);
        language.catalogue = std::make_unique<QTranslator>();
        if (language.name.isEmpty() || !language.catalogue->load(argument)) {
            std::fprintf(stderr, "imagegen: cannot read the catalogue %s\n", argv[i]);
            ++g_failures;
            continue;
        }
        languages.push_back(std::move(language));
    }
    logos();
    titleButtons();
    // The dialog buttons' captions are the buttons' own (translated) texts, so their images
    // carry none.
    captionButton(QStringLiteral("messagebox/btn_pri"), 96, 32, QString(), true, 14);
    captionButton(QStringLiteral("messagebox/btn_sec"), 96, 32, QString(), false, 14);
    captionButton(QStringLiteral("messagebox/btn_pril"), 128, 32, QString(), true, 14);
    captionButton(QStringLiteral("btn_uninstall"), 144, 32, QString(), true, 15);
    trashIcons();
    refreshIcons();
    searchImages();
    statusIcons();
    installerIcon();
    checkBoxes();
    rowSpinner();
    refreshGif();
    updateGif();
    for (const Language &language : languages)
        textImages(language);
    if (!themeFolder.isEmpty() && !themeIcons(themeFolder))
        ++g_failures;
    return g_failures == 0 ? 0 : 1;
}
