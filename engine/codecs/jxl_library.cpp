#include "engine/codecs/jxl_library.h"

#include "engine/codecs/codec_modules.h"
#include "engine/codecs/huge_pages.h"
#include "engine/codecs/metadata_library.h"
#include "engine/parallel.h"

#include <algorithm>
#include <cstring>
#include <jxl/decode.h>
#include <jxl/resizable_parallel_runner.h>
#include <memory>

namespace lumaskin {

namespace {

// Metadata boxes larger than this are left out rather than held.
constexpr std::size_t kMaxBoxBytes = 16u << 20;

struct DecoderDeleter
{
    void operator()(JxlDecoder *decoder) const { JxlDecoderDestroy(decoder); }
};
struct RunnerDeleter
{
    void operator()(void *runner) const { JxlResizableParallelRunnerDestroy(runner); }
};

// Collects the contents of the Exif and XMP boxes as the decoder hands them out.
class BoxReader
{
public:
    explicit BoxReader(JxlDecoder *decoder) : m_decoder(decoder) {}

    // At each new box: keeps what the previous one held and starts collecting this one if it
    // is wanted.
    void Next()
    {
        Finish();
        JxlBoxType type;
        if (JxlDecoderGetBoxType(m_decoder, type, JXL_TRUE) != JXL_DEC_SUCCESS)
            return;
        if (std::memcmp(type, "Exif", 4) == 0 && m_exif.isEmpty())
            m_target = &m_exif;
        else if (std::memcmp(type, "xml ", 4) == 0 && m_xmp.isEmpty())
            m_target = &m_xmp;
        else
            return;
        m_buffer.resize(4096);
        m_filled = 0;
        JxlDecoderSetBoxBuffer(m_decoder, reinterpret_cast<std::uint8_t *>(m_buffer.data()),
                               static_cast<std::size_t>(m_buffer.size()));
    }

    // The box holds more than the buffer: a larger one takes the rest.
    bool Grow()
    {
        if (!m_target)
            return false;
        m_filled =
            static_cast<std::size_t>(m_buffer.size()) - JxlDecoderReleaseBoxBuffer(m_decoder);
        if (static_cast<std::size_t>(m_buffer.size()) >= kMaxBoxBytes) {
            m_target = nullptr; // too large to keep; the decoder skips the rest
            return true;
        }
        m_buffer.resize(std::min<qsizetype>(2 * m_buffer.size(), kMaxBoxBytes));
        JxlDecoderSetBoxBuffer(m_decoder,
                               reinterpret_cast<std::uint8_t *>(m_buffer.data()) + m_filled,
                               static_cast<std::size_t>(m_buffer.size()) - m_filled);
        return true;
    }

    void Finish()
    {
        if (!m_target)
            return;
        const std::size_t unused = JxlDecoderReleaseBoxBuffer(m_decoder);
        *m_target = m_buffer.left(m_buffer.size() - static_cast<qsizetype>(unused));
        m_target = nullptr;
    }

    const QByteArray &Exif() const { return m_exif; }
    const QByteArray &Xmp() const { return m_xmp; }

private:
    JxlDecoder *m_decoder;
    QByteArray m_buffer;
    std::size_t m_filled = 0;
    QByteArray *m_target = nullptr;
    QByteArray m_exif;
    QByteArray m_xmp;
};

} // namespace

Image DecodeJxl(Bytes bytes, QString *error)
{
    // Declared first so that it outlives the decoder that uses it.
    std::unique_ptr<void, RunnerDeleter> runner;
    const std::unique_ptr<JxlDecoder, DecoderDeleter> owner(JxlDecoderCreate(nullptr));
    JxlDecoder *decoder = owner.get();
    if (!decoder)
        return Fail(error, reason::OutOfMemory());
    if (JxlDecoderSubscribeEvents(decoder, JXL_DEC_BASIC_INFO | JXL_DEC_COLOR_ENCODING |
                                               JXL_DEC_FULL_IMAGE | JXL_DEC_BOX) != JXL_DEC_SUCCESS)
        return Fail(error, reason::Damaged("JPEG XL"));
    // The runner is given before decoding starts (libjxl takes none later), and sized once the
    // picture's size is known.
    if (CurrentParallelism() > 1) {
        runner.reset(JxlResizableParallelRunnerCreate(nullptr));
        if (runner && JxlDecoderSetParallelRunner(decoder, JxlResizableParallelRunner,
                                                  runner.get()) != JXL_DEC_SUCCESS)
            runner.reset();
    }
    JxlDecoderSetDecompressBoxes(decoder, JXL_TRUE); // fails only without Brotli
    JxlDecoderSetUnpremultiplyAlpha(decoder, JXL_TRUE);
    if (JxlDecoderSetInput(decoder, bytes.data(), bytes.size()) != JXL_DEC_SUCCESS)
        return Fail(error, reason::Damaged("JPEG XL"));
    JxlDecoderCloseInput(decoder);

    Image image;
    ImageMetadata metadata;
    BoxReader boxes(decoder);
    // Rows padded as the picture's are, so the decoder writes straight into it.
    const JxlPixelFormat format{4, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, Image::kAlignment};
    for (;;) {
        const JxlDecoderStatus status = JxlDecoderProcessInput(decoder);
        switch (status) {
        case JXL_DEC_ERROR:
            return Fail(error, reason::Damaged("JPEG XL"));
        case JXL_DEC_NEED_MORE_INPUT:
            return Fail(error, reason::Truncated());
        case JXL_DEC_BASIC_INFO: {
            JxlBasicInfo info;
            if (JxlDecoderGetBasicInfo(decoder, &info) != JXL_DEC_SUCCESS)
                return Fail(error, reason::Damaged("JPEG XL"));
            const bool turned = info.orientation >= JXL_ORIENT_TRANSPOSE;
            const std::int64_t width = turned ? info.ysize : info.xsize;
            const std::int64_t height = turned ? info.xsize : info.ysize;
            if (RefuseSize(width, height, error))
                return {};
            image = Image(static_cast<int>(width), static_cast<int>(height));
            if (image.IsNull())
                return Fail(error, reason::OutOfMemory());
            AdviseHugePages(image.Row(0), image.SizeInBytes());
            if (runner)
                JxlResizableParallelRunnerSetThreads(
                    runner.get(),
                    std::min<std::size_t>(
                        JxlResizableParallelRunnerSuggestThreads(info.xsize, info.ysize),
                        static_cast<std::size_t>(CurrentParallelism())));
            break;
        }
        case JXL_DEC_COLOR_ENCODING: {
            // The profile of the pixels as decoded, which is what the picture holds. libjxl
            // makes one up for every file; plain sRGB needs none.
            JxlColorEncoding encoding{};
            if (JxlDecoderGetColorAsEncodedProfile(decoder, &format, JXL_COLOR_PROFILE_TARGET_DATA,
                                                   &encoding) == JXL_DEC_SUCCESS &&
                encoding.white_point == JXL_WHITE_POINT_D65 &&
                encoding.transfer_function == JXL_TRANSFER_FUNCTION_SRGB &&
                (encoding.color_space == JXL_COLOR_SPACE_GRAY ||
                 (encoding.color_space == JXL_COLOR_SPACE_RGB &&
                  encoding.primaries == JXL_PRIMARIES_SRGB)))
                break;
            std::size_t size = 0;
            if (JxlDecoderGetICCProfileSize(decoder, &format, JXL_COLOR_PROFILE_TARGET_DATA,
                                            &size) == JXL_DEC_SUCCESS &&
                size > 0 && size <= kMaxBoxBytes) {
                metadata.icc = QByteArray(static_cast<qsizetype>(size), Qt::Uninitialized);
                if (JxlDecoderGetColorAsICCProfile(
                        decoder, &format, JXL_COLOR_PROFILE_TARGET_DATA,
                        reinterpret_cast<std::uint8_t *>(metadata.icc.data()),
                        size) != JXL_DEC_SUCCESS)
                    metadata.icc.clear();
            }
            break;
        }
        case JXL_DEC_NEED_IMAGE_OUT_BUFFER: {
            std::size_t size = 0;
            if (image.IsNull() ||
                JxlDecoderImageOutBufferSize(decoder, &format, &size) != JXL_DEC_SUCCESS ||
                size > image.SizeInBytes() ||
                JxlDecoderSetImageOutBuffer(decoder, &format, image.Row(0), image.SizeInBytes()) !=
                    JXL_DEC_SUCCESS)
                return Fail(error, reason::Damaged("JPEG XL"));
            break;
        }
        case JXL_DEC_BOX:
            boxes.Next();
            break;
        case JXL_DEC_BOX_NEED_MORE_OUTPUT:
            if (!boxes.Grow())
                return Fail(error, reason::Damaged("JPEG XL"));
            break;
        case JXL_DEC_SUCCESS: // the input ended before a whole frame
            return Fail(error, reason::Damaged("JPEG XL"));
        case JXL_DEC_FULL_IMAGE: {
            // The first frame is the picture; later frames of an animation are not decoded.
            if (image.IsNull())
                return Fail(error, reason::Damaged("JPEG XL"));
            boxes.Finish();
            metadata.exif =
                ExifTiffStructure({reinterpret_cast<const std::uint8_t *>(boxes.Exif().constData()),
                                   static_cast<std::size_t>(boxes.Exif().size())});
            metadata.xmp = boxes.Xmp();
            image.SetMetadata(std::move(metadata));
            return image;
        }
        default:
            break;
        }
    }
}

} // namespace lumaskin

LUMASKIN_CODEC_MODULE(jxl, lumaskin::JxlModule{lumaskin::DecodeJxl})
