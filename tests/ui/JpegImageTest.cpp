#include "ui/widgets/JpegImage.h"

#include <QBuffer>
#include <QFile>

#include <gtest/gtest.h>

using namespace cordavo;

TEST(DecodeJpeg, DecodesTheAboutPicture)
{
    QFile file(QStringLiteral(":/about.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QImage image = decodeJpeg(file.readAll());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(370, 370));
    // The pipes are gold, the sky behind them dark blue.
    EXPECT_GT(qRed(image.pixel(190, 200)), 150);
    EXPECT_LT(qRed(image.pixel(5, 5)), 80);
}

// Asked to cover a size, the decoder stops at the smallest eighth of the
// picture that covers it, and never goes beyond the whole picture.
TEST(DecodeJpeg, DecodesOnlyAsLargeAsItIsShown)
{
    QFile file(QStringLiteral(":/about.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    EXPECT_EQ(decodeJpeg(data, QSize(185, 185)).size(), QSize(185, 185));
    EXPECT_EQ(decodeJpeg(data, QSize(186, 40)).size(), QSize(232, 232));
    EXPECT_EQ(decodeJpeg(data, QSize(10, 370)).size(), QSize(370, 370));
    EXPECT_EQ(decodeJpeg(data, QSize(740, 740)).size(), QSize(370, 370));
    const QImage half = decodeJpeg(data, QSize(185, 185));
    EXPECT_GT(qRed(half.pixel(95, 100)), 150);
    EXPECT_LT(qRed(half.pixel(2, 2)), 80);
}

TEST(DecodeJpeg, RefusesWhatIsNotAJpeg)
{
    QFile file(QStringLiteral(":/about.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    const struct {
        const char *name;
        QByteArray data;
    } cases[] = {
        {"nothing", QByteArray()},
        {"text", QByteArrayLiteral("not a picture")},
        {"zeros", QByteArray(1000, '\0')},
        {"the picture's first 2 bytes", whole.left(2)},
        {"the picture's first 200 bytes", whole.left(200)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(decodeJpeg(c.data).isNull());
    }
}
