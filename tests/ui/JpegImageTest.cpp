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
    const QByteArray cases[] = {
        QByteArray(),
        QByteArrayLiteral("not a picture"),
        QByteArray(1000, '\0'),
        whole.left(2),
        whole.left(200),
    };
    for (const QByteArray &data : cases)
        EXPECT_TRUE(decodeJpeg(data).isNull()) << data.size() << " bytes";
}
