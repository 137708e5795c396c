// The JPEG and PNG writers split their work across threads; the files must come out the same
// however the work is split.
#include "tests/engine/codecs/codec_test_support.h"
#include "engine/codecs/jpeg_encoder.h"
#include "engine/codecs/png_encoder.h"
#include "engine/image_io.h"

#include <QImage>
#include <gtest/gtest.h>

namespace lumaskin::test {
namespace {

std::span<const std::uint8_t> BytesOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

// Stripes encoded apart and joined give the very bytes of one encoder run over the whole
// picture: restart markers numbered on across the joins, the frame header's full height.
// Heights that are and are not whole MCU rows, grey (8-row MCUs), translucent (blended rows)
// and pictures with more MCU rows than restart marker numbers.
TEST(Encoders, JpegStripesJoinIntoTheFileOfOneRun)
{
    const Image pictures[] = {
        MakePhoto(67, 45),       MakePhoto(40, 160),           MakeGrey(30, 100),
        MakePhoto(50, 70, true), MakePhoto(24, 470, false, 5), MakePhoto(9, 5)};
    for (const Image &picture : pictures) {
        SCOPED_TRACE(testing::Message() << picture.Width() << "x" << picture.Height());
        QByteArray whole;
        QString error;
        ASSERT_TRUE(EncodeJpeg(picture, 90, whole, &error, 1)) << error.toStdString();
        for (int stripes : {2, 3, 7}) {
            QByteArray joined;
            ASSERT_TRUE(EncodeJpeg(picture, 90, joined, &error, stripes)) << error.toStdString();
            EXPECT_EQ(joined, whole) << stripes << " stripes";
        }
        const Image back = ReadImageFromMemory(BytesOf(whole), &error);
        ASSERT_FALSE(back.IsNull()) << error.toStdString();
        EXPECT_LE(MaxDifference(back, OverWhite(picture)), 40);
    }
}

// A picture taller than JPEG can say is refused with the encoder's reason, not written with a
// height that wrapped around in the joined header.
TEST(Encoders, JpegRefusesPicturesTallerThanTheFormatAllows)
{
    const Image tall(8, 70000, 0x808080FF);
    ASSERT_FALSE(tall.IsNull());
    QByteArray file;
    QString error;
    EXPECT_FALSE(EncodeJpeg(tall, 90, file, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("the JPEG encoder failed"))) << error.toStdString();
}

Image TranslucentGrey(int width, int height)
{
    Image picture = MakeGrey(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.Pixel(x, y)[3] = static_cast<std::uint8_t>(255 - (x * 7 + y) % 200);
    return picture;
}

// Four rows of noise, repeated: deflate finds each row again in its window, so a stripe that
// did not get the data before it as its dictionary would cost four rows of noise more.
Image RepeatingNoise(int width, int height)
{
    Image picture(width, height);
    for (int y = 0; y < height; ++y) {
        std::uint32_t state = 977u * static_cast<std::uint32_t>(y % 4) + 1;
        for (int x = 0; x < width; ++x) {
            std::uint8_t *p = picture.Pixel(x, y);
            for (int c = 0; c < 3; ++c) {
                state = state * 1664525u + 1013904223u;
                p[c] = static_cast<std::uint8_t>(state >> 24);
            }
            p[3] = 255;
        }
    }
    return picture;
}

// PNG files from any number of stripes hold the picture exactly, for our reader (libspng) and
// for Qt's (libpng), in every layout, with both filter settings; rows wider than deflate's
// window and pictures with fewer rows than stripes included.
TEST(Encoders, PngStripesHoldThePictureExactly)
{
    const Image pictures[] = {MakePhoto(67, 45),       MakePhoto(30, 400, true), MakeGrey(33, 170),
                              TranslucentGrey(20, 90), MakePhoto(9000, 6, true), MakePhoto(5, 3)};
    const PngSettings settings[] = {{3, kPngFilterAll, 0}, {3, kPngFilterPaeth, 3}};
    for (const Image &picture : pictures)
        for (const PngSettings &setting : settings)
            for (int stripes : {1, 2, 5}) {
                SCOPED_TRACE(testing::Message() << picture.Width() << "x" << picture.Height() << " "
                                                << setting.filters << " " << stripes);
                QByteArray file;
                QString error;
                ASSERT_TRUE(EncodePng(picture, file, &error, &setting, stripes))
                    << error.toStdString();
                const Image ours = ReadImageFromMemory(BytesOf(file), &error);
                EXPECT_EQ(MaxDifference(ours, picture), 0) << error.toStdString();
                const QImage theirs = QImage::fromData(file, "PNG");
                ASSERT_FALSE(theirs.isNull());
                EXPECT_EQ(MaxDifference(Image::FromQImage(theirs), picture), 0);
            }
}

TEST(Encoders, PngStripesCompressAsOneRun)
{
    const Image picture = RepeatingNoise(500, 300);
    // Run-length matching alone, as photos are written, looks back one pixel only; full
    // matching shows what the dictionary is for.
    const PngSettings matching{3, kPngFilterAll, 0};
    QByteArray one, many;
    QString error;
    ASSERT_TRUE(EncodePng(picture, one, &error, &matching, 1));
    ASSERT_TRUE(EncodePng(picture, many, &error, &matching, 10));
    // Each join costs a flush marker, a chunk header and a new block with its own code
    // tables, about 100 bytes; four rows of noise would be 6000.
    EXPECT_LE(many.size(), one.size() + 10 * 200) << one.size();
}

} // namespace
} // namespace lumaskin::test
