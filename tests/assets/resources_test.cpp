// The generated files are compiled into the viewer library's resources, byte
// for byte, and the icons keep to 16 colours.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace orvant::test {
namespace {

const QString kGenerated = QStringLiteral(ORVANT_ASSETS_FOLDER);

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Resources, BackgroundPictureIsTheGeneratedBitmap)
{
    const QString resource = QStringLiteral(":/orvant/background.bmp");
    EXPECT_EQ(QFile(resource).size(), 17462);
    const QByteArray content = readFile(resource);
    EXPECT_EQ(content, readFile(kGenerated + QStringLiteral("/background.bmp")));

    const QImage picture(resource);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(128, 128));
    EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
    EXPECT_EQ(picture.colorCount(), 256);
    EXPECT_EQ(qGray(picture.pixel(64, 127)), 0) << "the bottom row is black";
}

class IconResource : public testing::TestWithParam<int>
{
protected:
    QString resource() const
    {
        return QStringLiteral(":/orvant/icons/orvant-%1.png").arg(GetParam());
    }
};

TEST_P(IconResource, IsASquarePngOfAtMost16Colours)
{
    const int size = GetParam();
    EXPECT_EQ(readFile(resource()),
              readFile(kGenerated + QStringLiteral("/icons/orvant-%1.png").arg(size)));
    const QImage icon(resource(), "PNG");
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(size, size));
    EXPECT_LE(icon.colorCount(), 16) << "palette of the file";
    QSet<QRgb> used;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x)
            used.insert(icon.pixel(x, y));
    }
    EXPECT_LE(used.size(), 16);
    EXPECT_GE(used.size(), 6) << "a drawing, not a blank square";
    // The screen's black and the trace's green are there at every size.
    EXPECT_TRUE(used.contains(qRgb(0, 0, 0)));
    EXPECT_TRUE(used.contains(qRgb(0, 255, 0)));
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconResource, testing::Values(16, 32, 48));

TEST(Resources, ScalableIconIsAnSvgDocument)
{
    const QByteArray svg = readFile(QStringLiteral(":/orvant/icons/orvant.svg"));
    ASSERT_FALSE(svg.isEmpty());
    QXmlStreamReader xml(svg);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QStringLiteral("svg"));
    EXPECT_EQ(xml.attributes().value(QStringLiteral("viewBox")), QStringLiteral("0 0 48 48"));
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

TEST(Resources, SampleCapturesAreTheGeneratedOnes)
{
    const QDir generated(kGenerated + QStringLiteral("/samples"));
    const QStringList names = generated.entryList(QDir::Files, QDir::Name);
    const QDir resources(QStringLiteral(":/orvant/samples"));
    EXPECT_EQ(resources.entryList(QDir::Files, QDir::Name), names);
    EXPECT_GE(names.size(), 6);
    for (const QString &name : names) {
        const QByteArray content = readFile(resources.filePath(name));
        EXPECT_FALSE(content.isEmpty()) << name.toStdString();
        EXPECT_EQ(content, readFile(generated.filePath(name))) << name.toStdString();
    }
}

} // namespace
} // namespace orvant::test
