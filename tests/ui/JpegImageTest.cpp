#include "ui/JpegImage.h"

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
