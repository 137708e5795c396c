// The JPEG and PNG writers split their work across threads; the files must come out the same
// however the work is split.
#include "tests/viewercontrol/codecs/codec_test_support.h"
#include "viewercontrol/codecs/jpeg_encoder.h"
#include "viewercontrol/image_io.h"

#include <gtest/gtest.h>

namespace lumaskin::test {
namespace {

std::span<const std::uint8_t> bytesOf(const QByteArray &bytes)
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
        SCOPED_TRACE(testing::Message() << picture.width() << "x" << picture.height());
        QByteArray whole;
        QString error;
        ASSERT_TRUE(EncodeJpeg(picture, 90, whole, &error, 1)) << error.toStdString();
        for (int stripes : {2, 3, 7}) {
            QByteArray joined;
            ASSERT_TRUE(EncodeJpeg(picture, 90, joined, &error, stripes)) << error.toStdString();
            EXPECT_EQ(joined, whole) << stripes << " stripes";
        }
        const Image back = ReadImageFromMemory(bytesOf(whole), &error);
        ASSERT_FALSE(back.isNull()) << error.toStdString();
        EXPECT_LE(MaxDifference(back, OverWhite(picture)), 40);
    }
}

} // namespace
} // namespace lumaskin::test
