// JPEGs decoded in bands on several threads give the pixels of TurboJPEG's one-thread decode,
// byte for byte, for every kind of JPEG; so does the JPEG-to-JPEG shortcut built on them.
#include "engine/codecs/jpeg_bands.h"
#include "engine/codecs/jpeg_encoder.h"
#include "engine/codecs/jpeg_streaming.h"
#include "engine/parallel.h"
#include "engine/steps/step.h"
#include "tests/engine/codecs/codec_test_support.h"

#include <gtest/gtest.h>

// jpeglib.h needs size_t and FILE declared first.
#include <cctype>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <jpeglib.h>
#include <memory>
#include <turbojpeg.h>

namespace lumaskin::test {
namespace {

struct Kind
{
    const char *name;
    int width, height;
    int h, v; // luma sampling; chroma is 1x1
    bool grey = false;
    bool progressive = false;
    int restartRows = 0;
    bool arithmetic = false;
    bool rgb = false; // stored as RGB rather than YCbCr
    int restartMcus = 0;
};

void PrintTo(const Kind &kind, std::ostream *out)
{
    *out << kind.name;
}

// Writes the photo as `kind` with libjpeg itself.
std::string MakeJpeg(const Kind &kind)
{
    const Image photo = MakePhoto(kind.width, kind.height, false, 3);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(kind.width);
    cinfo.image_height = static_cast<JDIMENSION>(kind.height);
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_EXT_RGBA;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 92, TRUE);
    if (kind.grey)
        jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
    if (kind.rgb)
        jpeg_set_colorspace(&cinfo, JCS_RGB);
    if (!kind.grey && !kind.rgb) {
        cinfo.comp_info[0].h_samp_factor = kind.h;
        cinfo.comp_info[0].v_samp_factor = kind.v;
    }
    if (kind.progressive)
        jpeg_simple_progression(&cinfo);
    cinfo.restart_in_rows = kind.restartRows;
    cinfo.restart_interval = static_cast<unsigned>(kind.restartMcus);
    cinfo.arith_code = kind.arithmetic ? TRUE : FALSE;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(photo.Row(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::string file(reinterpret_cast<const char *>(buffer), size);
    std::free(buffer);
    return file;
}

// The plain decode: TurboJPEG on one thread, to RGBA.
Image Reference(const std::string &file)
{
    const std::unique_ptr<void, int (*)(tjhandle)> handle(tjInitDecompress(), tjDestroy);
    int width = 0, height = 0, sampling = 0, colours = 0;
    const auto *data = reinterpret_cast<const unsigned char *>(file.data());
    if (tjDecompressHeader3(handle.get(), data, file.size(), &width, &height, &sampling,
                            &colours) != 0)
        return {};
    Image image(width, height);
    if (tjDecompress2(handle.get(), data, file.size(), image.Row(0), width,
                      static_cast<int>(image.Stride()), height, TJPF_RGBA, 0) != 0)
        return {};
    return image;
}

bool SamePixels(const Image &a, const Image &b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        if (std::memcmp(a.Row(y), b.Row(y), 4 * static_cast<std::size_t>(a.Width())) != 0)
            return false;
    return true;
}

class JpegBands : public testing::TestWithParam<Kind>
{
};

// Several bands a thread and more threads than cores: seams everywhere. The shortcut's file is
// the one the encoder writes from the plain decode. A file cut short is refused, not decoded
// with rows missing.
TEST_P(JpegBands, DecodeAsThePlainDecoderDoes)
{
    const ParallelismLimit threads(3);
    const std::string file = MakeJpeg(GetParam());
    const Image expected = Reference(file);
    ASSERT_FALSE(expected.IsNull());

    Image banded(expected.Width(), expected.Height());
    ASSERT_EQ(DecodeJpegInBands(AsBytes(file), banded), BandDecode::Decoded);
    EXPECT_TRUE(SamePixels(banded, expected));

    ByteArraySink shortcut;
    QByteArray plain;
    QString error;
    ASSERT_EQ(TranscodeJpeg(AsBytes(file), EncodeSettings{}, nullptr, shortcut, &error),
              Shortcut::Done)
        << error.toStdString();
    ASSERT_TRUE(EncodeJpeg(expected, EncodeSettings{}.quality, plain, &error));
    EXPECT_TRUE(shortcut.bytes == plain);

    // With effects done a band of rows at a time on the way: the file the encoder writes from
    // the whole picture worked. One chain reads two rows each side and gives a grey file
    // colour; the other makes a colour file grey, so each is encoded again as it comes out,
    // and reads as far as bands go. Desaturate alone is encoded grey at once, and does nothing
    // to a grey file. Work that reads farther is left to the whole picture.
    for (const auto &[chain, reach] :
         {std::pair{"blur sharpen adjustrgb=30,0,-10", 2}, std::pair{"desaturate median=33", 16},
          std::pair{"desaturate", 0}, std::pair{"blur median=33", 17}}) {
        SCOPED_TRACE(chain);
        std::vector<Step> steps;
        for (const QString &effect : QString::fromLatin1(chain).split(u' '))
            steps.push_back(*ParseStep(QStringLiteral("effect"), effect, &error));
        const std::optional<RowWork> work = StepsAsRowWork(steps);
        ASSERT_TRUE(work && work->reach == reach);
        if (reach > 16) {
            ByteArraySink declined;
            EXPECT_EQ(TranscodeJpeg(AsBytes(file), EncodeSettings{}, &*work, declined, &error),
                      Shortcut::Declined);
            continue;
        }
        Image worked = expected.Clone();
        ASSERT_TRUE(ApplySteps(worked, steps, &error));
        ByteArraySink streamed;
        QByteArray whole;
        ASSERT_EQ(TranscodeJpeg(AsBytes(file), EncodeSettings{}, &*work, streamed, &error),
                  Shortcut::Done)
            << error.toStdString();
        ASSERT_TRUE(EncodeJpeg(worked, EncodeSettings{}.quality, whole, &error));
        EXPECT_TRUE(streamed.bytes == whole);
    }

    // Cut short, with and without an end marker after the cut.
    const std::string cut = file.substr(0, file.size() * 3 / 4);
    Image partial(expected.Width(), expected.Height());
    EXPECT_NE(DecodeJpegInBands(AsBytes(cut), partial), BandDecode::Decoded);
    // libjpeg's arithmetic decoder says nothing of data that ends early, for TurboJPEG either.
    if (!GetParam().arithmetic) {
        EXPECT_EQ(DecodeJpegInBands(AsBytes(cut + "\xFF\xD9"), partial), BandDecode::Failed);
    }
}

// A sequential file whose first scan holds every component cannot have a second scan: the
// decoder refuses it, and reading its scans one by one must not take it.
TEST(JpegBandsRefuse, ASecondScanAfterAWholeOne)
{
    const ParallelismLimit threads(2);
    const std::string file = MakeJpeg(Kind{"baseline", 300, 200, 2, 2});
    const std::size_t scan = file.find("\xFF\xDA");
    ASSERT_NE(scan, std::string::npos);
    const std::string twice = file.substr(0, file.size() - 2) + file.substr(scan);
    Image image(300, 200);
    EXPECT_NE(DecodeJpegInBands(AsBytes(twice), image), BandDecode::Decoded);
    EXPECT_TRUE(Reference(twice).IsNull());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, JpegBands,
    testing::Values(Kind{"baseline 4:2:0", 517, 403, 2, 2}, Kind{"baseline 4:2:2", 517, 403, 2, 1},
                    Kind{"baseline 4:4:0", 517, 403, 1, 2}, Kind{"baseline 4:4:4", 517, 403, 1, 1},
                    Kind{"baseline 4:1:1", 517, 403, 4, 1}, Kind{"grey", 517, 403, 1, 1, true},
                    Kind{"RGB", 300, 211, 1, 1, false, false, 0, false, true},
                    Kind{"restart markers", 517, 403, 2, 2, false, false, 1},
                    Kind{"restart every 7 MCUs", 517, 403, 2, 2, false, false, 0, false, false, 7},
                    Kind{"tall", 48, 2500, 2, 2},
                    Kind{"tall with restart markers", 40, 3001, 2, 2, false, false, 1},
                    Kind{"tall grey with restart markers", 40, 3001, 1, 1, true, false, 2},
                    Kind{"progressive 4:2:0", 517, 403, 2, 2, false, true},
                    Kind{"progressive 4:4:4", 517, 403, 1, 1, false, true},
                    Kind{"progressive grey", 333, 401, 1, 1, true, true},
                    Kind{"progressive with restart markers", 400, 300, 2, 2, false, true, 2},
                    Kind{"arithmetic coding", 300, 211, 2, 2, false, false, 0, true},
                    Kind{"one MCU row", 200, 9, 2, 2}, Kind{"one column", 1, 300, 2, 2},
                    Kind{"whole MCUs", 512, 256, 2, 2}),
    [](const testing::TestParamInfo<Kind> &param) {
        std::string name;
        for (const char *p = param.param.name; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

} // namespace
} // namespace lumaskin::test
