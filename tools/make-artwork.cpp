// Draws the application's own pictures (splash, logo, buttons, arrows, the
// about icon, the vibration run types, the chart markers, the sensor
// pictures and the pump warning mark) into resources/images/. The pictures
// are committed; run this again only to change them:
//   valtrix-artwork <source dir>/resources/images
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>
#include <functional>

namespace {

const QColor Orange("#ff9239");
const QColor DarkOrange("#d96f1a");
const QColor Graphite("#505050");
const QColor DarkGraphite("#303030");
const QColor LightGray("#eeeeee");

QString g_outDir;
QString g_sansBold = "Sans";

bool save(const QImage &image, const QString &name, const char *format = "PNG")
{
    const QString path = g_outDir + "/" + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, format)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void paint(QImage &image, const std::function<void(QPainter &)> &draw)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    draw(painter);
}

// A sound wave: a sine whose amplitude swells and fades, the brand mark.
QPainterPath wave(const QRectF &box, int periods)
{
    QPainterPath path;
    const int steps = 200;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double envelope = std::sin(M_PI * t);
        const double y =
            box.center().y() - envelope * box.height() / 2 * std::sin(2 * M_PI * periods * t);
        const QPointF point(box.left() + t * box.width(), y);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

void drawWordmark(QPainter &p, const QRectF &box, const QColor &textColor)
{
    // The wave on the left, the name on the right.
    const QRectF mark(box.left(), box.top() + box.height() * 0.15, box.height() * 1.1,
                      box.height() * 0.7);
    p.setPen(QPen(Orange, box.height() * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(wave(mark, 3));
    QFont font(g_sansBold);
    font.setPixelSize(int(box.height() * 0.62));
    font.setBold(true);
    font.setLetterSpacing(QFont::PercentageSpacing, 108);
    p.setFont(font);
    p.setPen(textColor);
    const QRectF text(mark.right() + box.height() * 0.2, box.top(),
                      box.width() - mark.width() - box.height() * 0.2, box.height());
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, "VALTRIX");
}

bool makeLogo()
{
    QImage image = canvas(440, 100);
    paint(image, [](QPainter &p) { drawWordmark(p, QRectF(8, 5, 424, 90), Graphite); });
    return save(image, "valtrix.png");
}

bool makeSplash()
{
    QImage image(640, 360, QImage::Format_ARGB32_Premultiplied);
    paint(image, [&image](QPainter &p) {
        QLinearGradient background(0, 0, 0, 360);
        background.setColorAt(0, QColor("#ffffff"));
        background.setColorAt(1, QColor("#e4e4e4"));
        p.fillRect(image.rect(), background);
        p.fillRect(QRectF(0, 0, 640, 14), Orange);
        p.fillRect(QRectF(0, 14, 640, 4), DarkOrange);
        drawWordmark(p, QRectF(90, 95, 460, 100), Graphite);
        QFont font(g_sansBold);
        font.setPixelSize(22);
        font.setLetterSpacing(QFont::PercentageSpacing, 130);
        p.setFont(font);
        p.setPen(DarkGraphite);
        p.drawText(QRectF(0, 205, 640, 40), Qt::AlignCenter, "SUITE");
        // A light band at the bottom keeps the start-up messages readable.
        p.fillRect(QRectF(0, 320, 640, 40), QColor("#d6d6d6"));
        p.fillRect(QRectF(0, 318, 640, 2), Orange);
    });
    return save(image, "splash.png");
}

bool makeIcon()
{
    QImage image = canvas(256, 256);
    paint(image, [](QPainter &p) {
        QLinearGradient fill(0, 0, 0, 256);
        fill.setColorAt(0, Orange);
        fill.setColorAt(1, DarkOrange);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(8, 8, 240, 240), 48, 48);
        p.setPen(QPen(Qt::white, 18, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(wave(QRectF(36, 70, 184, 116), 3));
    });
    return save(image, "icone.png");
}

// One picture per button state: normal, hover and pressed.
struct ButtonLook
{
    const char *suffix;
    QColor fill;
    QColor glyph;
};
const ButtonLook ButtonLooks[] = {
    {"", Graphite, Qt::white},
    {"hover", Orange, Qt::white},
    {"clicked", DarkOrange, LightGray},
};

bool makeRoundButtons()
{
    bool ok = true;
    for (const ButtonLook &look : ButtonLooks) {
        QImage back = canvas(96, 96);
        paint(back, [&](QPainter &p) {
            p.setPen(QPen(Qt::white, 4));
            p.setBrush(look.fill);
            p.drawEllipse(QRectF(4, 4, 88, 88));
            p.setPen(QPen(look.glyph, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(QPointF(28, 48), QPointF(68, 48));
            QPainterPath head;
            head.moveTo(46, 28);
            head.lineTo(26, 48);
            head.lineTo(46, 68);
            p.drawPath(head);
        });
        ok &= save(back, QString("voltar1x%1.png").arg(look.suffix));

        QImage close = canvas(64, 64);
        paint(close, [&](QPainter &p) {
            p.setPen(QPen(Qt::white, 3));
            p.setBrush(look.fill);
            p.drawEllipse(QRectF(3, 3, 58, 58));
            p.setPen(QPen(look.glyph, 6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(22, 22), QPointF(42, 42));
            p.drawLine(QPointF(42, 22), QPointF(22, 42));
        });
        ok &= save(close, QString("fechar1x%1.png").arg(look.suffix));
    }
    return ok;
}

bool makeArrows()
{
    // Up arrows; the lists rotate them for the down direction.
    const struct
    {
        const char *name;
        QColor color;
    } arrows[] = {
        {"arrow.png", Graphite}, {"arrow_hover.png", Orange}, {"arrow_clicked.png", DarkOrange}};
    bool ok = true;
    for (const auto &arrow : arrows) {
        QImage image = canvas(64, 40);
        paint(image, [&](QPainter &p) {
            QPainterPath chevron;
            chevron.moveTo(8, 32);
            chevron.lineTo(32, 8);
            chevron.lineTo(56, 32);
            p.setPen(QPen(arrow.color, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(chevron);
        });
        ok &= save(image, arrow.name);
    }
    return ok;
}

// Three short arcs beside a shape: it vibrates.
void drawVibration(QPainter &p, const QPointF &centre, double radius, const QColor &color)
{
    p.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const double r = radius + 7 * i;
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), -35 * 16, 70 * 16);
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 145 * 16, 70 * 16);
    }
}

// The pictures of the vibration meter's run types: hand-arm, whole body,
// and the 1 kHz and 8 kHz band measurements.
bool makeRunTypes()
{
    QImage hands = canvas(96, 96);
    paint(hands, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Graphite);
        // Palm and wrist.
        p.drawRoundedRect(QRectF(33, 44, 30, 30), 8, 8);
        p.drawRect(QRectF(38, 70, 20, 18));
        // Four fingers and the thumb.
        const double tops[] = {22, 16, 18, 26};
        for (int f = 0; f < 4; ++f)
            p.drawRoundedRect(QRectF(33 + f * 7.8, tops[f], 6.6, 34), 3.3, 3.3);
        QTransform thumb;
        thumb.translate(34, 62);
        thumb.rotate(-50);
        p.setTransform(thumb);
        p.drawRoundedRect(QRectF(-4, -24, 8, 26), 4, 4);
        p.resetTransform();
        drawVibration(p, QPointF(48, 46), 36, Orange);
    });
    bool ok = save(hands, "hands.png");

    // A photograph-like JPEG: no transparency, a white ground.
    QImage body(96, 96, QImage::Format_RGB32);
    body.fill(Qt::white);
    paint(body, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Graphite);
        p.drawEllipse(QRectF(40, 10, 16, 16));
        p.drawRoundedRect(QRectF(37, 28, 22, 32), 6, 6);
        p.drawRoundedRect(QRectF(38, 56, 8, 26), 4, 4);
        p.drawRoundedRect(QRectF(50, 56, 8, 26), 4, 4);
        p.drawRoundedRect(QRectF(29, 30, 7, 26), 3.5, 3.5);
        p.drawRoundedRect(QRectF(60, 30, 7, 26), 3.5, 3.5);
        // The vibrating floor.
        p.setBrush(Orange);
        p.drawRect(QRectF(18, 83, 60, 6));
        p.setPen(QPen(Orange, 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave(QRectF(10, 88, 76, 8), 4));
    });
    ok &= save(body, "wholeBody.jpg", "JPG");

    for (const char *band : {"1", "8"}) {
        QImage image = canvas(96, 96);
        paint(image, [band](QPainter &p) {
            p.setPen(QPen(Qt::white, 3));
            p.setBrush(Graphite);
            p.drawRoundedRect(QRectF(4, 14, 88, 68), 12, 12);
            QFont font(g_sansBold);
            font.setPixelSize(26);
            p.setFont(font);
            p.setPen(Qt::white);
            p.drawText(QRectF(4, 18, 88, 36), Qt::AlignCenter, QString("%1 kHz").arg(band));
            p.setPen(QPen(Orange, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(wave(QRectF(14, 54, 68, 20), band[0] == '1' ? 3 : 8));
        });
        ok &= save(image, QString("%1kHz.png").arg(band));
    }
    return ok;
}

// Chart point markers: a filled disc with a darker rim, in eleven sizes
// (mrk0 the smallest) for each series colour.
bool makeMarkers()
{
    const struct
    {
        const char *name;
        QColor color;
    } colors[] = {{"blue", QColor("#1f77d0")},
                  {"gray", QColor("#7a7a7a")},
                  {"green", QColor("#2ca02c")},
                  {"red", QColor("#d62728")},
                  {"yellow", QColor("#f2c200")}};
    bool ok = true;
    for (const auto &color : colors) {
        for (int n = 0; n <= 10; ++n) {
            const int diameter = 4 + 2 * n;
            QImage image = canvas(diameter + 2, diameter + 2);
            paint(image, [&](QPainter &p) {
                p.setPen(QPen(color.color.darker(150), diameter >= 10 ? 1.5 : 1));
                p.setBrush(color.color);
                p.drawEllipse(QRectF(1, 1, diameter, diameter));
            });
            ok &= save(image, QString("markers/%1/mrk%2.png").arg(color.name).arg(n));
        }
    }
    return ok;
}

// The sensor pictures of the logger's run list: a rounded tile naming the
// sensor (or its gas) as the instrument does.
bool makeSensorIcons()
{
    const struct
    {
        const char *file;
        const char *text;
        QColor color;
    } icons[] = {
        {"IconLux.png", "LUX", QColor("#e0a000")},
        {"IconLux_UV.png", "LUX\nUV", QColor("#b08000")},
        {"IconUV.png", "UV", QColor("#7a4bc2")},
        {"IconIAQ.png", "IAQ", QColor("#3a8a5c")},
        {"IconHVAC.png", "HVAC", QColor("#2f7fb8")},
        {"IconHVAC_IAQ.png", "HVAC\nIAQ", QColor("#2c6f8f")},
        {"IconCO2.png", "CO2", QColor("#6b6b6b")},
        {"IconCO.png", "CO", QColor("#a03c3c")},
        {"IconC2H6O.png", "C2H6O", QColor("#8c5a2b")},
        {"IconH2S.png", "H2S", QColor("#9a8a1e")},
        {"IconSO2.png", "SO2", QColor("#7d7d2a")},
        {"IconNO2.png", "NO2", QColor("#b0532b")},
        {"IconO3.png", "O3", QColor("#3b6fb0")},
        {"IconVOC.png", "VOC", QColor("#5d7a3a")},
        {"IconMag.png", "MAG", QColor("#505a8c")},
        {"IconEmf.png", "EMF", QColor("#8c4f8c")},
        {"IconRad.png", "RAD", QColor("#c0392b")},
    };
    bool ok = true;
    for (const auto &icon : icons) {
        QImage image = canvas(64, 64);
        paint(image, [&icon](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(icon.color);
            p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
            const QString text = QString::fromLatin1(icon.text);
            QFont font(g_sansBold);
            font.setBold(true);
            font.setPixelSize(text.size() > 4 && !text.contains('\n') ? 13 : 16);
            p.setFont(font);
            p.setPen(Qt::white);
            p.drawText(QRectF(2, 2, 60, 60), Qt::AlignCenter, text);
        });
        ok &= save(image, QString::fromLatin1(icon.file));
    }
    return ok;
}

// The warning mark of a pump run whose flow left its limits or whose pump
// was blocked: an orange triangle with a white exclamation mark.
bool makeExclamation()
{
    QImage image = canvas(48, 48);
    paint(image, [](QPainter &p) {
        QPainterPath triangle;
        triangle.moveTo(24, 4);
        triangle.lineTo(45, 42);
        triangle.lineTo(3, 42);
        triangle.closeSubpath();
        p.setPen(QPen(DarkOrange, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Orange);
        p.drawPath(triangle);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(21.5, 15, 5, 15), 2.5, 2.5);
        p.drawEllipse(QPointF(24, 35.5), 3, 3);
    });
    return save(image, "exclamation.png");
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    g_outDir = QString::fromLocal8Bit(argv[1]);
    const int id =
        QFontDatabase::addApplicationFont("/usr/share/fonts/truetype/freefont/FreeSansBold.ttf");
    if (id >= 0)
        g_sansBold = QFontDatabase::applicationFontFamilies(id).value(0, g_sansBold);

    const bool ok = makeLogo() && makeSplash() && makeIcon() && makeRoundButtons() &&
                    makeArrows() && makeRunTypes() && makeMarkers() && makeSensorIcons() &&
                    makeExclamation();
    return ok ? 0 : 1;
}
