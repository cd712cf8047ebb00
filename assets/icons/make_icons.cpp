// Draws the program's icon, an instrument with a trace on its screen, as
// 16-colour PNG files of 16, 32 and 48 pixels. Needs no application object.
// Usage: orvant_make_icons <output folder>   (writes orvant-16.png, ...)
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QTextStream>
#include <QVector>

#include <array>
#include <cmath>
#include <numbers>

namespace orvant {
namespace {

// The 16 colours the icon may use; entry 0 is the transparent surround.
enum Colour : int {
    Clear,
    Black,
    DarkGrey,
    LightGrey,
    White,
    DarkGreen,
    Green,
    Yellow,
    Red,
    DarkRed,
    Blue,
    Navy,
    Cyan,
    Teal,
    Olive,
    Silver
};

const QVector<QRgb> &palette()
{
    static const QVector<QRgb> colours {
        qRgba(0, 0, 0, 0),   qRgb(0, 0, 0),     qRgb(128, 128, 128), qRgb(192, 192, 192),
        qRgb(255, 255, 255), qRgb(0, 128, 0),   qRgb(0, 255, 0),     qRgb(255, 255, 0),
        qRgb(255, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 0, 255),     qRgb(0, 0, 128),
        qRgb(0, 255, 255),   qRgb(0, 128, 128), qRgb(128, 128, 0),   qRgb(224, 224, 224),
    };
    return colours;
}

QColor colour(Colour c)
{
    return QColor::fromRgba(palette().at(c));
}

// The drawing is laid out on a 16 x 16 grid; larger icons scale it by a whole
// factor and add the finer details (bevels, graticule) the extra pixels allow.
class IconPainter
{
public:
    explicit IconPainter(int size)
        : unit_(size / 16)
        , image_(size, size, QImage::Format_ARGB32)
    {
        image_.fill(palette().at(Clear));
    }

    QImage draw()
    {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        drawCase(painter);
        drawScreen(painter);
        drawControls(painter);
        return image_;
    }

private:
    // Rectangle on the 16 grid.
    QRect grid(int x, int y, int w, int h) const
    {
        return {x * unit_, y * unit_, w * unit_, h * unit_};
    }

    void fill(QPainter &painter, const QRect &rect, Colour c) const
    {
        painter.fillRect(rect, colour(c));
    }

    void drawCase(QPainter &painter) const
    {
        const QRect body = grid(0, 2, 16, 12);
        fill(painter, body, Black);
        fill(painter, body.adjusted(1, 1, -1, -1), LightGrey);
        if (unit_ > 1) { // raised look: light top-left, shaded bottom-right
            const QRect inner = body.adjusted(1, 1, -1, -1);
            fill(painter, QRect(inner.left(), inner.top(), inner.width(), 1), White);
            fill(painter, QRect(inner.left(), inner.top(), 1, inner.height()), White);
            fill(painter, QRect(inner.left(), inner.bottom(), inner.width(), 1), DarkGrey);
            fill(painter, QRect(inner.right(), inner.top(), 1, inner.height()), DarkGrey);
        }
        fill(painter, grid(2, 14, 2, 1), DarkGrey); // feet
        fill(painter, grid(12, 14, 2, 1), DarkGrey);
    }

    QRect screenArea() const { return grid(2, 4, 9, 8).adjusted(1, 1, -1, -1); }

    void drawScreen(QPainter &painter) const
    {
        fill(painter, grid(2, 4, 9, 8), DarkGrey); // bezel
        const QRect screen = screenArea();
        fill(painter, screen, Black);
        if (unit_ > 1)
            drawGraticule(painter, screen);
        drawTrace(painter, screen);
    }

    void drawGraticule(QPainter &painter, const QRect &screen) const
    {
        const QPoint centre = screen.center();
        fill(painter, QRect(screen.left(), centre.y(), screen.width(), 1), DarkGreen);
        fill(painter, QRect(centre.x(), screen.top(), 1, screen.height()), DarkGreen);
        const int step = 2 * unit_;
        for (int x = centre.x() % step; x <= screen.right(); x += step) {
            for (int y = centre.y() % step; y <= screen.bottom(); y += step) {
                if (screen.contains(x, y))
                    fill(painter, QRect(x, y, 1, 1), DarkGreen);
            }
        }
    }

    // A sine across the screen, drawn column by column so that steep parts
    // stay joined: one and a half periods, one period where pixels are few.
    void drawTrace(QPainter &painter, const QRect &screen) const
    {
        const int width = unit_ > 2 ? 2 : 1;
        const double halfPeriods = unit_ > 1 ? 3 : 2;
        const double amplitude = (screen.height() - width - 1) / 2.0;
        const double middle = screen.top() + (screen.height() - width) / 2.0;
        auto traceY = [&](int x) {
            const double t = static_cast<double>(x - screen.left()) / screen.width();
            return static_cast<int>(
                std::lround(middle - amplitude * std::sin(halfPeriods * std::numbers::pi * t)));
        };
        int previous = traceY(screen.left());
        for (int x = screen.left(); x <= screen.right(); ++x) {
            const int y = traceY(x);
            const int top = std::min(previous, y);
            const int bottom = std::max(previous, y);
            fill(painter, QRect(x, top, width, bottom - top + width).intersected(screen), Green);
            previous = y;
        }
    }

    void drawControls(QPainter &painter) const
    {
        fill(painter, grid(12, 4, 2, 2), DarkRed); // the knobs
        fill(painter, grid(12, 7, 2, 2), Navy);
        if (unit_ > 1) {
            fill(painter, grid(12, 4, 2, 2).adjusted(0, 0, -unit_, -unit_), Red);
            fill(painter, grid(12, 7, 2, 2).adjusted(0, 0, -unit_, -unit_), Blue);
        }
        fill(painter, grid(12, 10, 2, 1), Yellow); // power switch
        fill(painter, grid(12, 11, 2, 1), Olive);
    }

    int unit_;
    QImage image_;
};

// The drawing as an indexed image over the palette; fails when a pixel lies off it.
bool toPaletteImage(const QImage &drawn, QImage &indexed)
{
    indexed = QImage(drawn.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette());
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const auto entry = palette().indexOf(drawn.pixel(x, y));
            if (entry < 0)
                return false;
            indexed.setPixel(x, y, static_cast<uint>(entry));
        }
    }
    return true;
}

bool writeIcon(QDir folder, int size)
{
    QImage indexed;
    if (!toPaletteImage(IconPainter(size).draw(), indexed))
        return false;
    const QString name = QStringLiteral("orvant-%1.png").arg(size);
    const QString partial = folder.filePath(name + QStringLiteral(".part"));
    if (!indexed.save(partial, "PNG"))
        return false;
    folder.remove(name);
    return folder.rename(name + QStringLiteral(".part"), name);
}

} // namespace
} // namespace orvant

int main(int argc, char **argv)
{
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: orvant_make_icons <output folder>\n";
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(path)) {
        err << "orvant_make_icons: cannot create " << path << '\n';
        return 1;
    }
    for (const int size : {16, 32, 48}) {
        if (!orvant::writeIcon(QDir(path), size)) {
            err << "orvant_make_icons: cannot write the " << size << " pixel icon\n";
            return 1;
        }
    }
    return 0;
}
