#include "engine/codecs/jpeg_encoder.h"

#include "engine/codecs/pixel_rows.h"
#include "engine/parallel.h"

// jpeglib.h needs size_t and FILE declared first.
#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <jpeglib.h>
#include <memory>
#include <mutex>
#include <new>
#include <string_view>
#include <vector>

namespace lumaskin {

namespace {

// Rows of one MCU row for every layout we write (4:2:0 colour: 16; grey: 8), so that stripes
// cut at multiples of it are cut at MCU-row boundaries in either case.
constexpr int kStripeUnit = 16;

// The most a marker segment holds after its length field, and the names that start the EXIF
// and XMP segments.
constexpr std::size_t kMaxSegment = 65533;
constexpr std::string_view kExifName{"Exif\0\0", 6};
constexpr std::string_view kXmpName{"http://ns.adobe.com/xap/1.0/\0", 29};

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr cinfo)
{
    auto *manager = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

void IgnoreMessage(j_common_ptr, int) {}

struct FreeDeleter
{
    void operator()(unsigned char *p) const { std::free(p); }
};
using Buffer = std::unique_ptr<unsigned char, FreeDeleter>;

// The metadata segments, made before libjpeg runs (its errors jump past destructors).
struct Segments
{
    QByteArray exif; // with its name
    QByteArray xmp;  // with its name
    QByteArray icc;  // the bare profile; libjpeg cuts it into chunks
};

// One horizontal stripe of the picture encoded as a JPEG file of its own.
struct Stripe
{
    int firstRow = 0;
    int rows = 0;
    unsigned long capacity = 0;
    Buffer own;   // the buffer handed to libjpeg
    Buffer grown; // the buffer libjpeg moved to when that was too small, if it did
    unsigned long size = 0;
    bool ok = false;
    bool ended = false;
    std::size_t scan = 0; // where its entropy-coded data starts; 0 when malformed
    char message[JMSG_LENGTH_MAX] = {};

    unsigned char *Bytes() const { return grown ? grown.get() : own.get(); }
};

// Returns once row `y` of a growing picture has been written.
void WaitForRow(const std::atomic<int> &written, int y)
{
    for (int rows = written.load(std::memory_order_acquire); rows <= y;
         rows = written.load(std::memory_order_acquire))
        written.wait(rows, std::memory_order_acquire);
}

// One stripe being encoded: libjpeg's state between the calls that feed it rows.
struct Compressor
{
    jpeg_compress_struct cinfo{};
    ErrorManager manager{};
    std::vector<std::uint8_t> scratch; // a row blended over white
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    bool ok = true;
};

// The steps of encoding a stripe, each owning nothing, so that a longjmp out of libjpeg skips
// no destructor; each returns false with `manager.message` set on failure.
bool StartCompress(Compressor &c, int width, int rowCount, int quality, bool opaque, bool grey,
                   bool greyRows, const Segments *segments)
{
    jpeg_compress_struct &cinfo = c.cinfo;
    if (setjmp(c.manager.jump))
        return false;
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &c.buffer, &c.size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(rowCount);
    cinfo.input_components = greyRows ? 1 : opaque ? 4 : 3;
    cinfo.in_color_space = greyRows ? JCS_GRAYSCALE : opaque ? JCS_EXT_RGBA : JCS_RGB;
    jpeg_set_defaults(&cinfo); // 4:2:0 for colour
    if (grey)
        jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
    jpeg_set_quality(&cinfo, quality, TRUE);
    // A restart marker after every MCU row lets stripes encoded apart join into one scan.
    cinfo.restart_in_rows = 1;
    // EXIF files start with their EXIF segment rather than a JFIF one.
    if (segments && !segments->exif.isEmpty())
        cinfo.write_JFIF_header = FALSE;
    jpeg_start_compress(&cinfo, TRUE);
    if (segments) {
        for (const QByteArray *segment : {&segments->exif, &segments->xmp})
            if (!segment->isEmpty())
                jpeg_write_marker(&cinfo, JPEG_APP0 + 1,
                                  reinterpret_cast<const JOCTET *>(segment->constData()),
                                  static_cast<unsigned>(segment->size()));
        if (!segments->icc.isEmpty())
            jpeg_write_icc_profile(&cinfo,
                                   reinterpret_cast<const JOCTET *>(segments->icc.constData()),
                                   static_cast<unsigned>(segments->icc.size()));
    }
    return true;
}

bool CompressRows(Compressor &c, const std::uint8_t *const *rows, int count, int width, bool opaque)
{
    if (setjmp(c.manager.jump))
        return false;
    for (int i = 0; i < count; ++i) {
        JSAMPROW row;
        if (opaque) {
            row = const_cast<JSAMPROW>(rows[i]);
        } else {
            CompositeRowOverWhite(rows[i], c.scratch.data(), width);
            row = c.scratch.data();
        }
        jpeg_write_scanlines(&c.cinfo, &row, 1);
    }
    return true;
}

bool FinishCompress(Compressor &c)
{
    if (setjmp(c.manager.jump))
        return false;
    jpeg_finish_compress(&c.cinfo);
    return true;
}

// Offset just past the header of the first marker `code` (0xFF code length ...), or 0.
std::size_t SegmentEnd(const unsigned char *p, std::size_t size, unsigned char code,
                       std::size_t *start = nullptr)
{
    std::size_t i = 2; // after SOI
    while (i + 4 <= size && p[i] == 0xFF) {
        const std::size_t length = (std::size_t{p[i + 2]} << 8) | p[i + 3];
        if (p[i + 1] == code) {
            if (start)
                *start = i;
            return i + 2 + length;
        }
        i += 2 + length;
    }
    return 0;
}

// Copies entropy-coded data, adding `shift` to the number of every restart marker in it.
// Data bytes equal to 0xFF are always followed by a stuffed 0x00, so 0xFF 0xD0..0xD7 can only
// be a marker.
unsigned char *CopyRenumbered(const unsigned char *from, std::size_t size, int shift,
                              unsigned char *to)
{
    std::memmove(to, from, size);
    if (shift % 8 == 0)
        return to + size;
    for (unsigned char *p = to, *end = to + size;;) {
        p = static_cast<unsigned char *>(std::memchr(p, 0xFF, static_cast<std::size_t>(end - p)));
        if (!p || p + 1 >= end)
            break;
        if (p[1] >= 0xD0 && p[1] <= 0xD7)
            p[1] = static_cast<unsigned char>(0xD0 + (p[1] - 0xD0 + shift) % 8);
        p += 2;
    }
    return to + size;
}

} // namespace

struct JpegStripes::State
{
    int width = 0;
    int height = 0;
    int quality = 90;
    PixelSummary summary;
    bool greyRows = false;
    Segments segments;
    int mcuRows = 16;
    std::vector<Stripe> stripes;
    // The stripes being encoded.
    std::vector<std::unique_ptr<Compressor>> compressors;
    // Where the file goes, and the first stripe not written yet.
    ByteSink *sink = nullptr;
    std::mutex writing;
    std::size_t unwritten = 0;
    bool sinkFailed = false;

    void WriteEnded();
};

// Writes every stripe that is encoded and follows those written, as one encoder would have
// written it: the first with its headers, each after the restart marker that ends the stripe
// before. Called with `writing` held.
void JpegStripes::State::WriteEnded()
{
    for (; unwritten < stripes.size() && stripes[unwritten].ended; ++unwritten) {
        Stripe &stripe = stripes[unwritten];
        if (!stripe.ok || stripe.scan == 0 || sinkFailed)
            return;
        const unsigned char *p = stripe.Bytes();
        if (unwritten > 0) {
            const int mcuRow = stripe.firstRow / mcuRows;
            const unsigned char marker[2] = {0xFF,
                                             static_cast<unsigned char>(0xD0 + (mcuRow - 1) % 8)};
            sinkFailed = !sink->Write(marker, 2);
        }
        const std::size_t from = unwritten == 0 ? 0 : stripe.scan;
        sinkFailed = sinkFailed || !sink->Write(p + from, stripe.size - 2 - from);
        stripe.own.reset();
        stripe.grown.reset();
    }
}

// The picture and the segments that go before the first stripe.
void JpegStripes::Describe(int width, int height, int quality, PixelSummary summary,
                           const ImageMetadata &metadata)
{
    State &state = *m_state;
    state.width = width;
    state.height = height;
    state.quality = quality;
    // A grey JPEG cannot carry an RGB profile.
    summary.grey = summary.grey && metadata.icc.isEmpty();
    state.summary = summary;
    Segments &segments = state.segments;
    if (!metadata.exif.isEmpty() &&
        kExifName.size() + static_cast<std::size_t>(metadata.exif.size()) <= kMaxSegment)
        segments.exif =
            QByteArray(kExifName.data(), static_cast<qsizetype>(kExifName.size())) + metadata.exif;
    if (!metadata.xmp.isEmpty() &&
        kXmpName.size() + static_cast<std::size_t>(metadata.xmp.size()) <= kMaxSegment)
        segments.xmp =
            QByteArray(kXmpName.data(), static_cast<qsizetype>(kXmpName.size())) + metadata.xmp;
    segments.icc = metadata.icc;
    state.mcuRows = summary.grey ? 8 : 16;
}

JpegStripes::JpegStripes(ByteSink &out, int width, int height, int quality, PixelSummary summary,
                         const ImageMetadata &metadata, int stripeCount)
    : m_state(std::make_unique<State>())
{
    m_state->sink = &out;
    Describe(width, height, quality, summary, metadata);
    const int units = (height + kStripeUnit - 1) / kStripeUnit;
    // libjpeg refuses pictures taller than JPEG_MAX_DIMENSION; one stripe lets it say so.
    const int count =
        height > JPEG_MAX_DIMENSION ? 1
        : stripeCount > 0
            ? std::clamp(stripeCount, 1, std::max(units, 1))
            : OutputStripeCount(static_cast<std::int64_t>(width) * height * 4, std::max(units, 1));
    std::vector<int> cuts;
    for (int i = 0; i <= count; ++i)
        cuts.push_back(std::min(height, units * i / count * kStripeUnit));
    Cut(cuts);
}

JpegStripes::JpegStripes(ByteSink &out, int width, int height, int quality, PixelSummary summary,
                         const ImageMetadata &metadata, std::span<const int> cuts)
    : m_state(std::make_unique<State>())
{
    m_state->sink = &out;
    Describe(width, height, quality, summary, metadata);
    // Cuts that do not fit give one stripe, as for a picture libjpeg refuses.
    const bool usable =
        height <= JPEG_MAX_DIMENSION && cuts.size() >= 2 && cuts.front() == 0 &&
        cuts.back() == height &&
        std::adjacent_find(cuts.begin(), cuts.end(), std::greater_equal<int>()) == cuts.end() &&
        std::all_of(cuts.begin(), cuts.end() - 1, [](int row) { return row % kStripeUnit == 0; });
    const int whole[] = {0, height};
    Cut(usable ? cuts : std::span<const int>(whole));
}

// Lays out the stripes.
void JpegStripes::Cut(std::span<const int> cuts)
{
    State &state = *m_state;
    const Segments &segments = state.segments;
    const int count = static_cast<int>(cuts.size()) - 1;
    std::vector<Stripe> &stripes = state.stripes;
    stripes.resize(static_cast<std::size_t>(count));
    state.compressors.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        Stripe &stripe = stripes[static_cast<std::size_t>(i)];
        stripe.firstRow = cuts[static_cast<std::size_t>(i)];
        stripe.rows = cuts[static_cast<std::size_t>(i) + 1] - stripe.firstRow;
        // A byte a pixel holds a photo at high quality; a stripe that needs more moves to a
        // buffer libjpeg allocates. Pages come as they are written.
        stripe.capacity =
            4096 + static_cast<unsigned long>(state.width) * static_cast<unsigned long>(stripe.rows);
        if (i == 0)
            stripe.capacity += static_cast<unsigned long>(
                segments.exif.size() + segments.xmp.size() + segments.icc.size());
    }
}

JpegStripes::~JpegStripes() = default;

bool JpegStripes::TakeGreyRows()
{
    m_state->greyRows = m_state->summary.grey && m_state->summary.opaque;
    return m_state->greyRows;
}

int JpegStripes::Count() const
{
    return static_cast<int>(m_state->stripes.size());
}

int JpegStripes::FirstRow(int i) const
{
    return i >= Count() ? m_state->height : m_state->stripes[static_cast<std::size_t>(i)].firstRow;
}

void JpegStripes::Begin(int i)
{
    State &state = *m_state;
    Stripe &stripe = state.stripes[static_cast<std::size_t>(i)];
    stripe.own.reset(static_cast<unsigned char *>(std::malloc(stripe.capacity)));
    auto compressor = std::make_unique<Compressor>();
    Compressor &c = *compressor;
    c.cinfo.err = jpeg_std_error(&c.manager.base);
    c.manager.base.error_exit = OnError;
    c.manager.base.emit_message = IgnoreMessage;
    c.scratch.resize(state.summary.opaque ? 0 : 3 * static_cast<std::size_t>(state.width));
    c.buffer = stripe.own.get();
    c.size = c.buffer ? stripe.capacity : 0; // 0: libjpeg allocates its own
    c.ok = StartCompress(c, state.width, stripe.rows, state.quality, state.summary.opaque,
                         state.summary.grey, state.greyRows,
                         stripe.firstRow == 0 ? &state.segments : nullptr);
    state.compressors[static_cast<std::size_t>(i)] = std::move(compressor);
}

void JpegStripes::Add(int i, const std::uint8_t *const *rows, int count)
{
    State &state = *m_state;
    Compressor &c = *state.compressors[static_cast<std::size_t>(i)];
    c.ok = c.ok && CompressRows(c, rows, count, state.width, state.summary.opaque);
}

void JpegStripes::End(int i)
{
    State &state = *m_state;
    Stripe &stripe = state.stripes[static_cast<std::size_t>(i)];
    const std::unique_ptr<Compressor> compressor =
        std::move(state.compressors[static_cast<std::size_t>(i)]);
    Compressor &c = *compressor;
    stripe.ok = c.ok && FinishCompress(c);
    jpeg_destroy_compress(&c.cinfo);
    if (c.buffer != stripe.own.get())
        stripe.grown.reset(c.buffer);
    stripe.size = c.size;
    if (!stripe.ok)
        std::memcpy(stripe.message, c.manager.message, sizeof stripe.message);
    // Made ready to be joined here, on the stripe's own thread: the first stripe says the
    // picture's height, and the restart markers are numbered on from where the stripe starts.
    if (stripe.ok) {
        unsigned char *p = stripe.Bytes();
        const std::size_t scan = SegmentEnd(p, stripe.size, 0xDA);
        std::size_t frame = 0;
        const bool laidOut = scan != 0 && stripe.size >= scan + 2 &&
                             p[stripe.size - 2] == 0xFF && p[stripe.size - 1] == 0xD9 &&
                             (i > 0 || SegmentEnd(p, scan, 0xC0, &frame) != 0);
        if (laidOut) {
            if (i == 0) {
                p[frame + 5] = static_cast<unsigned char>(state.height >> 8);
                p[frame + 6] = static_cast<unsigned char>(state.height);
            }
            CopyRenumbered(p + scan, stripe.size - 2 - scan, stripe.firstRow / state.mcuRows,
                           p + scan);
            stripe.scan = scan;
        }
    }
    const std::lock_guard lock(state.writing);
    stripe.ended = true;
    state.WriteEnded();
}

void JpegStripes::Encode(int i, const std::uint8_t *rows, std::size_t stride,
                         const std::atomic<int> *written)
{
    const Stripe &stripe = m_state->stripes[static_cast<std::size_t>(i)];
    Begin(i);
    for (int k = 0; k < stripe.rows; ++k) {
        if (written)
            WaitForRow(*written, stripe.firstRow + k);
        const std::uint8_t *row = rows + static_cast<std::size_t>(k) * stride;
        Add(i, &row, 1);
    }
    End(i);
}

bool JpegStripes::Finish(QString *error)
{
    State &state = *m_state;
    for (const Stripe &stripe : state.stripes)
        if (!stripe.ok) {
            if (error)
                *error = QCoreApplication::translate("Codec", "the JPEG encoder failed (%1)")
                             .arg(QString::fromLocal8Bit(stripe.message));
            return false;
        }
    const std::lock_guard lock(state.writing);
    if (state.unwritten < state.stripes.size() && !state.sinkFailed) {
        if (error)
            *error = QCoreApplication::translate(
                "Codec", "the JPEG encoder failed (unexpected stripe layout)");
        return false;
    }
    static const unsigned char kEnd[2] = {0xFF, 0xD9};
    if (state.sinkFailed || !state.sink->Write(kEnd, 2)) {
        if (error)
            *error = state.sink->Error();
        return false;
    }
    return true;
}

bool EncodeJpeg(const Image &image, int quality, QByteArray &out, QString *error, int stripeCount,
                const ImageMetadata &metadata, const GrowingPicture *growing)
{
    ByteArraySink file;
    // Room for a photo at high quality, so that the file is seldom moved as it grows.
    file.bytes.reserve(static_cast<qsizetype>(
        std::min<std::int64_t>(std::int64_t{image.Width()} * image.Height() / 2 + 65536,
                               std::int64_t{1} << 30)));
    JpegStripes stripes(file, image.Width(), image.Height(), quality,
                        growing ? growing->summary : Summarise(image), metadata, stripeCount);
    ParallelFor(stripes.Count(), [&](int begin, int end) {
        for (int i = begin; i < end; ++i)
            stripes.Encode(i, image.Row(stripes.FirstRow(i)), image.Stride(),
                           growing ? growing->rows : nullptr);
    });
    if (!stripes.Finish(error))
        return false;
    out = std::move(file.bytes);
    return true;
}

} // namespace lumaskin
