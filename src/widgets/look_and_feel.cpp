#include "widgets/look_and_feel.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace orvant {

namespace {

QFont pixelFont(const QString &family, QFont::StyleHint hint, FontSize size, bool bold)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(static_cast<int>(size));
    font.setBold(bold);
    return font;
}

QPalette lightPalette()
{
    QPalette palette;
    const QColor window(240, 240, 240);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(245, 245, 245));
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Highlight, QColor(0, 120, 215));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    return palette;
}

} // namespace

QFont courierNew(FontSize size, bool bold)
{
    return pixelFont(QStringLiteral("Courier New"), QFont::TypeWriter, size, bold);
}

QFont msSansSerif(FontSize size)
{
    return pixelFont(QStringLiteral("MS Sans Serif"), QFont::SansSerif, size, false);
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32})
        icon.addFile(QStringLiteral(":/orvant/icons/orvant-%1.png").arg(size), QSize(size, size));
    return icon;
}

void applyLookAndFeel(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setPalette(lightPalette());
}

} // namespace orvant
