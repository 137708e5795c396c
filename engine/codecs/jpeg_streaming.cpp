#include "engine/codecs/jpeg_streaming.h"

#include "engine/codecs/huge_pages.h"
#include "engine/codecs/jpeg_bands.h"
#include "engine/codecs/jpeg_decoder_errors.h"
#include "engine/codecs/jpeg_encoder.h"
#include "engine/codecs/jpeg_header.h"
#include "engine/codecs/turbojpeg_library.h"
#include "engine/parallel.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace lumaskin {

namespace {

// Decodes the whole file a row at a time into one row, for what the decoder says about it.
// Owns nothing, for the longjmp.
bool DecodesWhole(jpeg_decompress_struct &cinfo, DecodeErrors &errors, Bytes bytes,
                  std::vector<JSAMPLE> &row)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    // Only the data matters: the cheapest output is enough.
    cinfo.dct_method = JDCT_IFAST;
    cinfo.do_fancy_upsampling = FALSE;
    jpeg_start_decompress(&cinfo);
    row.resize(static_cast<std::size_t>(cinfo.output_width) * cinfo.output_components);
    JSAMPROW rows[1] = {row.data()};
    while (cinfo.output_scanline < cinfo.output_height && !errors.lostData)
        jpeg_read_scanlines(&cinfo, rows, 1);
    if (!errors.lostData)
        jpeg_finish_decompress(&cinfo);
    return !errors.lostData;
}

// Decodes into `image` (sized from the header) row by row with the settings TurboJPEG uses
// (accurate integer IDCT, smooth chroma upsampling, RGBA with alpha 255), publishing in
// `written` how many rows are done. Owns nothing, so that a longjmp out of libjpeg skips no
// destructor.
bool DecodeRows(jpeg_decompress_struct &cinfo, DecodeErrors &errors, Bytes bytes, Image &image,
                std::atomic<int> &written)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_RGBA;
    jpeg_start_decompress(&cinfo);
    if (static_cast<int>(cinfo.output_width) != image.Width() ||
        static_cast<int>(cinfo.output_height) != image.Height())
        return false;
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rows[16];
        const int first = static_cast<int>(cinfo.output_scanline);
        const int count = std::min<int>(16, image.Height() - first);
        for (int i = 0; i < count; ++i)
            rows[i] = image.Row(first + i);
        const int read = static_cast<int>(jpeg_read_scanlines(&cinfo, rows, count));
        if (errors.lostData)
            return false;
        written.store(first + read, std::memory_order_release);
        written.notify_all();
    }
    jpeg_finish_decompress(&cinfo);
    return !errors.lostData;
}

} // namespace

bool JpegDataIsWhole(Bytes bytes)
{
    jpeg_decompress_struct cinfo{};
    DecodeErrors errors{};
    jpeg_progress_mgr progress{};
    PrepareDecoder(cinfo, errors, progress);
    std::vector<JSAMPLE> row;
    bool whole = false;
    try {
        whole = DecodesWhole(cinfo, errors, bytes, row);
    } catch (const std::bad_alloc &) {
        whole = false;
    }
    jpeg_destroy_decompress(&cinfo);
    return whole;
}

namespace {

constexpr int kFarthestReach = 16;

// Each stripe of the output decoded in a band of its own, a few rows at a time into rows its
// thread keeps, and those rows encoded there and then: no picture is held, not even a stripe.
// With work to do, a band also hands over `reach` rows above and below its own; its thread
// gathers the rows in a window, does the work on the rows it has (with the rows around them
// that the work reads) and encodes those, keeping the last rows for the next lot.
class StripeEncoder : public BandConsumer
{
public:
    // With `watch`, Grey() says whether every pixel encoded was grey. Without work, rows may be
    // one grey byte a pixel (`greyRows`).
    StripeEncoder(JpegStripes &stripes, std::span<const int> cuts, int width, int height,
                  int threads, const RowWork *work, bool watch, bool greyRows)
        : m_stripes(stripes), m_cuts(cuts), m_width(width), m_height(height),
          m_stride((greyRows ? 1 : 4) * static_cast<std::size_t>(width)), m_work(work),
          m_lot(work ? std::max(kRows, 4 * work->reach) : 0), m_watchGrey(watch),
          m_workers(static_cast<std::size_t>(threads)),
          m_started(static_cast<std::size_t>(stripes.Count()))
    {}

    // The decoder hands out at most kRows rows at a time, in order.
    std::uint8_t *Row(int worker, int band, int y) override
    {
        Worker &w = m_workers[static_cast<std::size_t>(worker)];
        if (!m_work) {
            if (w.rows.empty())
                w.rows.resize(kRows * m_stride);
            return w.rows.data() + static_cast<std::size_t>(y % kRows) * m_stride;
        }
        if (w.window.IsNull()) {
            w.window = Image(m_width, m_lot + 2 * m_work->reach + kRows);
            if (w.window.IsNull())
                throw std::bad_alloc();
        }
        if (band != w.band) {
            w.band = band;
            w.first = y;
            w.filled = 0;
            w.next = m_cuts[static_cast<std::size_t>(band)];
        }
        return w.window.Row(y - w.first);
    }

    bool Written(int worker, int band, int, int count, std::uint8_t *const *rows) override
    {
        if (!m_work) {
            Encode(band, rows, count);
            return true;
        }
        Worker &w = m_workers[static_cast<std::size_t>(worker)];
        w.filled += count;
        const int end = m_cuts[static_cast<std::size_t>(band) + 1];
        const int reach = m_work->reach;
        // The rows whose work reads only rows at hand, all the band's once its last are here.
        const int have = w.first + w.filled;
        const int ready = have == m_height ? std::min(end, have) : std::min(end, have - reach);
        if (ready <= w.next || (ready - w.next < m_lot && ready < end))
            return true;
        // The rows the next lot reads again, kept as read, before the work changes them.
        const int keepFrom = std::max(w.first, ready - reach);
        const int kept = have - keepFrom;
        if (w.carry.empty())
            w.carry.resize(static_cast<std::size_t>(2 * reach + kRows) * m_stride);
        for (int i = 0; i < kept; ++i)
            std::memcpy(w.carry.data() + static_cast<std::size_t>(i) * m_stride,
                        w.window.Row(keepFrom - w.first + i), m_stride);
        const int from = std::max(w.first, w.next - reach);
        const int to = std::min(have, ready + reach);
        {
            // The cores are the bands' already.
            const ParallelismLimit one(1);
            Image worked = Image::RowsOf(w.window, from - w.first, to - from);
            m_work->apply(worked);
        }
        const int lot = ready - w.next;
        w.done.resize(static_cast<std::size_t>(lot));
        for (int i = 0; i < lot; ++i)
            w.done[static_cast<std::size_t>(i)] = w.window.Row(w.next - w.first + i);
        Encode(band, w.done.data(), lot);
        w.next = ready;
        for (int i = 0; i < kept; ++i)
            std::memcpy(w.window.Row(i), w.carry.data() + static_cast<std::size_t>(i) * m_stride,
                        m_stride);
        w.first = keepFrom;
        w.filled = kept;
        return true;
    }

    bool Done(int, int band) override
    {
        m_stripes.End(band);
        return true;
    }

    bool Grey() const { return m_watchGrey && m_grey.load(); }

private:
    static constexpr int kRows = 16;

    struct Worker
    {
        std::vector<std::uint8_t> rows; // without work: the lot being decoded
        Image window;                   // with work: the rows from `first` on
        std::vector<std::uint8_t> carry;
        std::vector<std::uint8_t *> done; // the rows of the lot being encoded
        int band = -1;
        int first = 0;  // the picture's row in the window's first
        int filled = 0; // rows in the window
        int next = 0;   // the band's first row not yet encoded
    };

    void Encode(int band, std::uint8_t *const *rows, int count)
    {
        if (!m_started[static_cast<std::size_t>(band)]) {
            m_started[static_cast<std::size_t>(band)] = 1;
            m_stripes.Begin(band);
        }
        for (int i = 0; i < count && m_watchGrey && m_grey.load(std::memory_order_relaxed); ++i)
            if (!SummariseRow(rows[i], m_width).grey)
                m_grey.store(false, std::memory_order_relaxed);
        m_stripes.Add(band, rows, count);
    }

    JpegStripes &m_stripes;
    std::span<const int> m_cuts;
    int m_width;
    int m_height;
    std::size_t m_stride;
    const RowWork *m_work;
    // Rows worked on at once besides those read around them, so that reading those again costs
    // little: at least a decoder's lot, and four times the reach.
    int m_lot;
    bool m_watchGrey;
    std::vector<Worker> m_workers;
    std::vector<char> m_started; // each stripe is begun by the one thread that decodes it
    std::atomic<bool> m_grey{true};
};

} // namespace

Shortcut TranscodeJpeg(Bytes bytes, const EncodeSettings &settings, const RowWork *work,
                       ByteSink &out, QString *error)
{
    // Work that leaves grey pixels as they are has nothing to do on a grey file.
    const JpegHeader header = ParseJpegHeader(bytes);
    if (work && (!work->apply || (header.components == 1 && work->keepsGreyPixels)))
        work = nullptr;
    // Work that reads far around each row would have every band decode most of its neighbours'
    // rows too: such work is done on the whole picture.
    if (work && work->reach > kFarthestReach)
        return Shortcut::Declined;
    if (CurrentParallelism() < 2)
        return Shortcut::Declined;
    // Grey and YCbCr files; CMYK and YCCK ones take ImageMagick's colour conversion.
    if (!header.complete || (header.components != 1 && header.components != 3))
        return Shortcut::Declined;
    // Too short for its entropy-coded data, or a header TurboJPEG refuses: the reader refuses
    // the file.
    if (header.minimumFileSize > static_cast<std::int64_t>(bytes.size()) ||
        !JpegHeaderReadable(bytes))
        return Shortcut::Declined;
    if (!Image::SizeIsAcceptable(header.width, header.height) ||
        std::int64_t{header.width} * header.height > ReadPixelLimit())
        return Shortcut::Declined;

    // A grey file decodes to grey pixels; a colour one is written in colour unless it turns
    // out grey once decoded (and worked), when it is decoded and encoded again as one channel,
    // as EncodeJpeg would write it. Work may give a grey file colour: such a file is then
    // decoded and encoded again in colour.
    PixelSummary summary{true, header.components == 1};
    bool watchGrey = header.components == 3 && settings.metadata.icc.isEmpty();
    bool watchColour = header.components == 1 && work && !work->grey;
    // Work that leaves grey pixels only makes a grey file of a colour one straight away.
    if (watchGrey && work && work->grey) {
        summary.grey = true;
        watchGrey = false;
    }
    for (bool again = false;; again = true) {
        // What an earlier pass wrote is not the file.
        if (again && !out.Rewind()) {
            if (error)
                *error = out.Error();
            return Shortcut::Failed;
        }
        // Decoded and encoded a stripe at a time, on every core.
        // Each stripe is a band, whose coefficients are held until it is done: short stripes
        // hold few, but where chroma is blended between MCU rows a band decodes one more MCU
        // row above and below, which taller stripes make cheap. The first stripe and the last
        // few are half as tall, so that the band threads start sooner after the reader and end
        // closer together. The bytes are the same for any cuts.
        const int stripeRows =
            header.verticalSubsampling ? 12 * header.mcuHeight : std::max(64, 4 * header.mcuHeight);
        const int unit = std::max(16, header.mcuHeight);
        const int half = std::max(unit, stripeRows / 2 / unit * unit);
        std::vector<int> cuts{0};
        int row = 0;
        if (header.height > 2 * stripeRows) {
            cuts.push_back(row = half);
            while (row + 2 * stripeRows <= header.height)
                cuts.push_back(row += stripeRows);
        }
        while (header.height - row > half)
            cuts.push_back(row += half);
        cuts.push_back(header.height);
        JpegStripes stripes(out, header.width, header.height, settings.quality, summary,
                            settings.metadata, cuts);
        cuts.clear();
        for (int i = 0; i <= stripes.Count(); ++i)
            cuts.push_back(stripes.FirstRow(i));
        // A grey file is decoded and encoded a byte a pixel where nothing is done to it.
        const bool greyRows = header.components == 1 && !work && stripes.TakeGreyRows();
        StripeEncoder encoder(stripes, cuts, header.width, header.height,
                              std::max(1, CurrentParallelism()), work, watchGrey || watchColour,
                              greyRows);
        const BandDecode banded = DecodeJpegInBands(bytes, header.width, header.height, cuts,
                                                    encoder, work ? work->reach : 0, greyRows);
        // A damaged or truncated file is left to the usual reading, which says what is wrong.
        if (banded == BandDecode::Failed)
            return Shortcut::Declined;
        if (banded == BandDecode::NotApplicable)
            break;
        if (watchGrey && encoder.Grey()) {
            summary.grey = true;
            watchGrey = false;
            continue;
        }
        if (watchColour && !encoder.Grey()) {
            summary.grey = false;
            watchColour = false;
            continue;
        }
        QString encodeError;
        if (stripes.Finish(&encodeError))
            return Shortcut::Done;
        if (error)
            *error = encodeError;
        return Shortcut::Failed;
    }

    // Files the bands do not take: decoded a row at a time while the encoder's stripes take
    // each row as soon as it is written. Work is left to the usual way.
    if (work)
        return Shortcut::Declined;
    Image image(header.width, header.height);
    if (image.IsNull())
        return Shortcut::Declined;
    AdviseHugePages(image.Row(0), image.SizeInBytes());
    std::atomic<int> written{0};
    const GrowingPicture growing{&written, summary};
    QByteArray encodedBytes;
    bool encoded = false;
    QString encodeError;
    // Memory running out in the encoder leaves the file to the usual way, which says so.
    bool exhausted = false;
    std::thread encoder;
    try {
        encoder = std::thread([&] {
            try {
                encoded = EncodeJpeg(image, settings.quality, encodedBytes, &encodeError, 0,
                                     settings.metadata, &growing);
            } catch (const std::bad_alloc &) {
                exhausted = true;
            }
        });
    } catch (const std::system_error &) {
        return Shortcut::Declined; // no thread to be had
    }
    jpeg_decompress_struct cinfo{};
    DecodeErrors errors{};
    jpeg_progress_mgr progress{};
    PrepareDecoder(cinfo, errors, progress);
    const bool decoded = DecodeRows(cinfo, errors, bytes, image, written);
    jpeg_destroy_decompress(&cinfo);
    // A failed decode lets the encoder run through what is there; its work is thrown away.
    written.store(image.Height(), std::memory_order_release);
    written.notify_all();
    encoder.join();
    // A damaged or truncated file is left to the usual reading, which says what is wrong.
    if (!decoded || exhausted)
        return Shortcut::Declined;
    if (watchGrey && Summarise(image).grey)
        encoded =
            EncodeJpeg(image, settings.quality, encodedBytes, &encodeError, 0, settings.metadata);
    if (encoded && !out.Write(encodedBytes.constData(), static_cast<std::size_t>(encodedBytes.size()))) {
        encoded = false;
        encodeError = out.Error();
    }
    if (!encoded && error)
        *error = encodeError;
    return encoded ? Shortcut::Done : Shortcut::Failed;
}

} // namespace lumaskin
