#include "engine/codecs/jpeg_bands.h"

#include "engine/codecs/jpeg_decoder_errors.h"
#include "engine/parallel.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <sys/mman.h>
#include <new>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace lumaskin {

namespace {

constexpr int kMostComponents = 3;

// The natural (row by row) position of each coefficient in the order a file stores them.
constexpr std::array<int, 64> kZigzag = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// Hands the whole pages within [from, to) back to the system; they read as zeros after.
void ReleasePages(const std::uint8_t *from, const std::uint8_t *to)
{
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(from) + page - 1) & ~(page - 1);
    const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(to) & ~(page - 1);
    if (last > first)
        madvise(reinterpret_cast<void *>(first), last - first, MADV_DONTNEED);
}

// One component of the picture as the reader holds it.
struct Component
{
    int h = 1;
    int v = 1;
    std::array<std::uint16_t, 64> quant{}; // natural order, as the inverse DCT uses it
    bool quantKnown = false;
    jvirt_barray_ptr array = nullptr;
    std::size_t blocksPerRow = 0;
    // The reader's coefficient block rows, recorded as the reader fills them.
    std::vector<JBLOCKROW> rows;
};

// What the reader shares with the band decoders.
struct Shared
{
    Bytes bytes;
    int width = 0;
    int height = 0;
    BandConsumer *consumer = nullptr;
    int components = 0;
    J_COLOR_SPACE colourSpace = JCS_UNKNOWN;
    std::array<Component, kMostComponents> comps;
    int mcuRows = 0;      // MCU rows ("iMCU rows") in the picture
    int mcuHeight = 8;    // pixel rows in one
    bool overlap = false; // chroma upsampling looks at the rows above and below
    std::vector<int> cuts; // the first row of every band, then the height
    int bands = 0;
    // MCU rows whose coefficients are final, or -1 once the decode has failed.
    std::atomic<int> ready{0};
    std::atomic<int> nextBand{0};
    // Bands done, and the coefficient rows handed back to the system.
    std::mutex releasing;
    std::vector<char> bandDone;
    int firstOpenBand = 0;
    int releasedMcuRows = 0;

    // The MCU rows band `band` decodes: those of its rows, and one each side when the chroma
    // upsampling looks there.
    int FirstMcuRow(int band) const
    {
        const int first = cuts[static_cast<std::size_t>(band)] / mcuHeight;
        return overlap ? std::max(0, first - 1) : first;
    }
    int EndMcuRow(int band) const
    {
        const int end = (cuts[static_cast<std::size_t>(band) + 1] + mcuHeight - 1) / mcuHeight;
        return overlap ? std::min(mcuRows, end + 1) : end;
    }

    void Fail()
    {
        ready.store(-1, std::memory_order_release);
        ready.notify_all();
    }

    void Publish(int mcuRowsRead)
    {
        int seen = ready.load(std::memory_order_relaxed);
        while (seen >= 0 &&
               !ready.compare_exchange_weak(seen, mcuRowsRead, std::memory_order_release)) {
        }
        ready.notify_all();
    }

    // Band `band` is done: the coefficients of the MCU rows no band still to come needs go back
    // to the system, a page at a time.
    void Finished(int band)
    {
        const std::lock_guard lock(releasing);
        bandDone[static_cast<std::size_t>(band)] = 1;
        while (firstOpenBand < bands && bandDone[static_cast<std::size_t>(firstOpenBand)])
            ++firstOpenBand;
        const int upTo = firstOpenBand < bands ? FirstMcuRow(firstOpenBand) : mcuRows;
        if (upTo <= releasedMcuRows)
            return;
        for (int c = 0; c < components; ++c) {
            const Component &component = comps[static_cast<std::size_t>(c)];
            const std::size_t first = static_cast<std::size_t>(releasedMcuRows * component.v);
            const std::size_t end =
                std::min(component.rows.size(), static_cast<std::size_t>(upTo * component.v));
            if (first >= end || !component.rows[first] || !component.rows[end - 1])
                continue;
            // Rows lie one after the other in one block; anything else is left alone.
            const auto *from = reinterpret_cast<const std::uint8_t *>(component.rows[first]);
            const auto *to = reinterpret_cast<const std::uint8_t *>(component.rows[end - 1] +
                                                                    component.blocksPerRow);
            if (static_cast<std::size_t>(to - from) !=
                (end - first) * component.blocksPerRow * sizeof(JBLOCK))
                continue;
            ReleasePages(from, to);
        }
        releasedMcuRows = upTo;
    }
};

// The reader's memory manager, watched: the coefficient arrays it asks for, in component
// order, and the block rows it hands out for writing.
struct ReaderHooks
{
    Shared *shared = nullptr;
    jvirt_barray_ptr (*request)(j_common_ptr, int, boolean, JDIMENSION, JDIMENSION,
                                JDIMENSION) = nullptr;
    JBLOCKARRAY (*access)(j_common_ptr, jvirt_barray_ptr, JDIMENSION, JDIMENSION,
                          boolean) = nullptr;
    int arrays = 0;
    bool broken = false; // more arrays than components, or no memory for the row lists
};

jvirt_barray_ptr ReaderRequest(j_common_ptr cinfo, int pool, boolean preZero,
                               JDIMENSION blocksPerRow, JDIMENSION rows, JDIMENSION maxAccess)
{
    auto &hooks = *static_cast<ReaderHooks *>(cinfo->client_data);
    const jvirt_barray_ptr array =
        hooks.request(cinfo, pool, preZero, blocksPerRow, rows, maxAccess);
    if (hooks.arrays >= hooks.shared->components) {
        hooks.broken = true;
        return array;
    }
    Component &component = hooks.shared->comps[static_cast<std::size_t>(hooks.arrays++)];
    component.array = array;
    component.blocksPerRow = blocksPerRow;
    try {
        component.rows.assign(rows, nullptr);
    } catch (const std::bad_alloc &) {
        hooks.broken = true;
    }
    return array;
}

JBLOCKARRAY ReaderAccess(j_common_ptr cinfo, jvirt_barray_ptr array, JDIMENSION start,
                         JDIMENSION count, boolean writable)
{
    auto &hooks = *static_cast<ReaderHooks *>(cinfo->client_data);
    const JBLOCKARRAY rows = hooks.access(cinfo, array, start, count, writable);
    for (int c = 0; c < hooks.arrays; ++c) {
        Component &component = hooks.shared->comps[static_cast<std::size_t>(c)];
        if (component.array != array)
            continue;
        for (JDIMENSION i = 0; i < count && start + i < component.rows.size(); ++i)
            component.rows[start + i] = rows[i];
    }
    return rows;
}

// A band decoder's memory manager, bent: its coefficient arrays are a few rows long, enough
// for its (empty) input pass to write into, and its output pass reads the reader's rows.
struct BandHooks
{
    const Shared *shared = nullptr;
    jvirt_barray_ptr (*request)(j_common_ptr, int, boolean, JDIMENSION, JDIMENSION,
                                JDIMENSION) = nullptr;
    JBLOCKARRAY (*access)(j_common_ptr, jvirt_barray_ptr, JDIMENSION, JDIMENSION,
                          boolean) = nullptr;
    std::array<jvirt_barray_ptr, kMostComponents> arrays{};
    int count = 0;
    int firstMcuRow = 0; // the band's first MCU row in the picture
    bool output = false;
    bool broken = false;
};

jvirt_barray_ptr BandRequest(j_common_ptr cinfo, int pool, boolean preZero,
                             JDIMENSION blocksPerRow, JDIMENSION, JDIMENSION maxAccess)
{
    auto &hooks = *static_cast<BandHooks *>(cinfo->client_data);
    const jvirt_barray_ptr array =
        hooks.request(cinfo, pool, preZero, blocksPerRow, maxAccess, maxAccess);
    if (hooks.count < kMostComponents)
        hooks.arrays[static_cast<std::size_t>(hooks.count)] = array;
    else
        hooks.broken = true;
    ++hooks.count;
    return array;
}

JBLOCKARRAY BandAccess(j_common_ptr cinfo, jvirt_barray_ptr array, JDIMENSION start,
                       JDIMENSION count, boolean writable)
{
    auto &hooks = *static_cast<BandHooks *>(cinfo->client_data);
    if (hooks.output && !writable) {
        for (int c = 0; c < std::min(hooks.count, kMostComponents); ++c) {
            if (hooks.arrays[static_cast<std::size_t>(c)] != array)
                continue;
            const Component &component = hooks.shared->comps[static_cast<std::size_t>(c)];
            const std::size_t first =
                static_cast<std::size_t>(hooks.firstMcuRow) * static_cast<std::size_t>(component.v) +
                start;
            if (first + count > component.rows.size() || !component.rows[first] ||
                !component.rows[first + count - 1])
                break;
            return const_cast<JBLOCKARRAY>(&component.rows[first]);
        }
        hooks.broken = true;
    }
    // The input pass, which writes nothing worth keeping, uses the short array from its start.
    return hooks.access(cinfo, array, 0, count, writable);
}

void IgnoreMessage(j_common_ptr, int) {}

// The markers of a progressive picture of the band's size with the reader's quantisation
// tables and sampling, and one empty DC scan for each component: a band decoder reads them to
// set itself up, and its data from the reader.
std::vector<std::uint8_t> BandHeader(const Shared &shared, int height)
{
    std::vector<std::uint8_t> out;
    const auto put16 = [&](int value) {
        out.push_back(static_cast<std::uint8_t>(value >> 8));
        out.push_back(static_cast<std::uint8_t>(value));
    };
    const int n = shared.components;
    out.insert(out.end(), {0xFF, 0xD8, 0xFF, 0xDB});
    put16(2 + n * (1 + 128));
    for (int c = 0; c < n; ++c) {
        const Component &component = shared.comps[static_cast<std::size_t>(c)];
        out.push_back(static_cast<std::uint8_t>(0x10 | c)); // 16-bit values, table c
        for (int k = 0; k < 64; ++k)
            put16(component.quantKnown ? component.quant[static_cast<std::size_t>(kZigzag[static_cast<std::size_t>(k)])] : 1);
    }
    out.insert(out.end(), {0xFF, 0xC2});
    put16(8 + 3 * n);
    out.push_back(8);
    put16(height);
    put16(shared.width);
    out.push_back(static_cast<std::uint8_t>(n));
    for (int c = 0; c < n; ++c) {
        const Component &component = shared.comps[static_cast<std::size_t>(c)];
        out.push_back(static_cast<std::uint8_t>(c + 1));
        out.push_back(static_cast<std::uint8_t>(component.h << 4 | component.v));
        out.push_back(static_cast<std::uint8_t>(c));
    }
    // A DC table (the standard luminance one); the scans hold no data to decode with it.
    out.insert(out.end(), {0xFF, 0xC4, 0x00, 0x1F, 0x00, 0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0,
                           0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    for (int c = 0; c < n; ++c)
        out.insert(out.end(), {0xFF, 0xDA, 0x00, 0x08, 0x01, static_cast<std::uint8_t>(c + 1),
                               0x00, 0x00, 0x00, 0x00});
    out.insert(out.end(), {0xFF, 0xD9});
    return out;
}

// Copies the quantisation tables the reader has latched for its components.
void KeepQuantTables(const jpeg_decompress_struct &cinfo, Shared &shared)
{
    for (int c = 0; c < shared.components; ++c) {
        Component &component = shared.comps[static_cast<std::size_t>(c)];
        const JQUANT_TBL *table = cinfo.comp_info[c].quant_table;
        if (component.quantKnown || !table)
            continue;
        std::copy_n(table->quantval, 64, component.quant.begin());
        component.quantKnown = true;
    }
}

enum class Opened
{
    Ready,
    NotApplicable,
    Failed,
};

// Reads the header and sets up the reader to keep every coefficient. Owns nothing, for the
// longjmp.
Opened OpenReader(jpeg_decompress_struct &cinfo, DecodeErrors &errors, ReaderHooks &hooks,
                  Shared &shared)
{
    if (setjmp(errors.jump))
        return Opened::Failed;
    jpeg_create_decompress(&cinfo);
    cinfo.client_data = &hooks;
    hooks.request = cinfo.mem->request_virt_barray;
    hooks.access = cinfo.mem->access_virt_barray;
    cinfo.mem->request_virt_barray = ReaderRequest;
    cinfo.mem->access_virt_barray = ReaderAccess;
    jpeg_mem_src(&cinfo, shared.bytes.data(), static_cast<unsigned long>(shared.bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    const bool colour = cinfo.num_components == 3 &&
                        (cinfo.jpeg_color_space == JCS_YCbCr || cinfo.jpeg_color_space == JCS_RGB);
    const bool grey = cinfo.num_components == 1 && cinfo.jpeg_color_space == JCS_GRAYSCALE;
    if (cinfo.data_precision != 8 || !(colour || grey) ||
        static_cast<int>(cinfo.image_width) != shared.width ||
        static_cast<int>(cinfo.image_height) != shared.height)
        return Opened::NotApplicable;
    shared.components = cinfo.num_components;
    shared.colourSpace = cinfo.jpeg_color_space;
    cinfo.buffered_image = TRUE;
    jpeg_start_decompress(&cinfo);
    if (hooks.broken || hooks.arrays != shared.components)
        return Opened::Failed;
    shared.mcuRows = static_cast<int>(cinfo.total_iMCU_rows);
    shared.mcuHeight = cinfo.max_v_samp_factor * DCTSIZE;
    for (int c = 0; c < shared.components; ++c) {
        Component &component = shared.comps[static_cast<std::size_t>(c)];
        component.h = cinfo.comp_info[c].h_samp_factor;
        component.v = cinfo.comp_info[c].v_samp_factor;
        shared.overlap = shared.overlap || component.v != cinfo.max_v_samp_factor;
    }
    return Opened::Ready;
}

// Reads all the entropy-coded data, publishing the MCU rows that are final as they come (all
// of them at the end for a file of several scans). Owns nothing, for the longjmp.
BandDecode ReadCoefficients(jpeg_decompress_struct &cinfo, DecodeErrors &errors, Shared &shared)
{
    if (setjmp(errors.jump))
        return BandDecode::Failed;
    const bool oneScan = !jpeg_has_multiple_scans(&cinfo);
    for (;;) {
        const int status = jpeg_consume_input(&cinfo);
        if (errors.lostData || status == JPEG_SUSPENDED || cinfo.input_scan_number > kMostScans ||
            shared.ready.load(std::memory_order_relaxed) < 0)
            return BandDecode::Failed;
        if (status == JPEG_REACHED_EOI)
            break;
        if (oneScan && (status == JPEG_ROW_COMPLETED || status == JPEG_SCAN_COMPLETED)) {
            KeepQuantTables(cinfo, shared);
            shared.Publish(static_cast<int>(cinfo.input_iMCU_row));
        }
    }
    // A progression that stops short of the full coefficients is smoothed by the decoder; the
    // bands would not be.
    if (cinfo.progressive_mode && cinfo.coef_bits) {
        for (int c = 0; c < shared.components; ++c)
            for (int k = 0; k < 10; ++k)
                if (cinfo.coef_bits[c][k] != 0)
                    return BandDecode::NotApplicable;
    }
    KeepQuantTables(cinfo, shared);
    shared.Publish(shared.mcuRows);
    return BandDecode::Decoded;
}

// Decodes band `band` on thread `worker`. Owns nothing, for the longjmp.
bool DecodeBand(jpeg_decompress_struct &cinfo, DecodeErrors &errors, BandHooks &hooks,
                const std::vector<std::uint8_t> &header, Shared &shared, int worker, int band,
                std::uint8_t *discard, std::size_t discardStride)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    cinfo.client_data = &hooks;
    hooks.request = cinfo.mem->request_virt_barray;
    hooks.access = cinfo.mem->access_virt_barray;
    cinfo.mem->request_virt_barray = BandRequest;
    cinfo.mem->access_virt_barray = BandAccess;
    jpeg_mem_src(&cinfo, header.data(), static_cast<unsigned long>(header.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.jpeg_color_space = shared.colourSpace;
    cinfo.out_color_space = JCS_EXT_RGBA;
    cinfo.buffered_image = TRUE;
    cinfo.do_block_smoothing = FALSE;
    jpeg_start_decompress(&cinfo);
    for (int status = JPEG_SUSPENDED; status != JPEG_REACHED_EOI;) {
        status = jpeg_consume_input(&cinfo);
        if (status == JPEG_SUSPENDED)
            return false;
    }
    if (hooks.broken || hooks.count != shared.components)
        return false;
    hooks.output = true;
    jpeg_start_output(&cinfo, cinfo.input_scan_number);
    const int firstRow = hooks.firstMcuRow * shared.mcuHeight;
    const int keepBegin = shared.cuts[static_cast<std::size_t>(band)];
    const int keepEnd = shared.cuts[static_cast<std::size_t>(band) + 1];
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = firstRow + static_cast<int>(cinfo.output_scanline);
        const int count =
            std::min<int>(16, static_cast<int>(cinfo.output_height - cinfo.output_scanline));
        JSAMPROW rows[16];
        for (int i = 0; i < count; ++i)
            rows[i] = y + i >= keepBegin && y + i < keepEnd
                          ? shared.consumer->Row(worker, band, y + i)
                          : discard + static_cast<std::size_t>(i) * discardStride;
        // Fewer rows than asked for come back at the end of an MCU row.
        if (jpeg_read_scanlines(&cinfo, rows, static_cast<JDIMENSION>(count)) == 0 ||
            hooks.broken)
            return false;
    }
    jpeg_finish_output(&cinfo);
    return !hooks.broken;
}

// Takes bands in turn until none is left, each once the reader has its coefficients.
void DecodeBands(Shared &shared, int worker)
{
    const std::size_t discardStride = 4 * static_cast<std::size_t>(shared.width);
    std::vector<std::uint8_t> discard;
    try {
        discard.resize(16 * discardStride);
    } catch (const std::bad_alloc &) {
        shared.Fail();
        return;
    }
    for (;;) {
        const int band = shared.nextBand.fetch_add(1);
        if (band >= shared.bands)
            return;
        const int first = shared.FirstMcuRow(band);
        const int last = shared.EndMcuRow(band);
        for (int seen = shared.ready.load(std::memory_order_acquire); seen < last;
             seen = shared.ready.load(std::memory_order_acquire)) {
            if (seen < 0)
                return;
            shared.ready.wait(seen, std::memory_order_acquire);
        }
        const int firstRow = first * shared.mcuHeight;
        std::vector<std::uint8_t> header;
        try {
            header = BandHeader(shared, std::min(shared.height, last * shared.mcuHeight) - firstRow);
        } catch (const std::bad_alloc &) {
            shared.Fail();
            return;
        }
        jpeg_decompress_struct cinfo{};
        DecodeErrors errors{};
        cinfo.err = jpeg_std_error(&errors.base);
        errors.base.emit_message = IgnoreMessage;
        errors.base.error_exit = [](j_common_ptr common) {
            std::longjmp(reinterpret_cast<DecodeErrors *>(common->err)->jump, 1);
        };
        BandHooks hooks;
        hooks.shared = &shared;
        hooks.firstMcuRow = first;
        const bool decoded = DecodeBand(cinfo, errors, hooks, header, shared, worker, band,
                                        discard.data(), discardStride);
        jpeg_destroy_decompress(&cinfo);
        bool done = false;
        try {
            done = decoded && shared.consumer->Done(worker, band);
        } catch (const std::bad_alloc &) {
            done = false;
        }
        if (!done) {
            shared.Fail();
            return;
        }
        shared.Finished(band);
    }
}

// Rows straight into a whole picture.
class IntoImage : public BandConsumer
{
public:
    explicit IntoImage(Image &image) : m_image(image) {}
    std::uint8_t *Row(int, int, int y) override { return m_image.Row(y); }
    bool Done(int, int) override { return true; }

private:
    Image &m_image;
};

} // namespace

bool BandDecodingPays(int width, int height)
{
    // Below about a megapixel the threads cost more than they save.
    return CurrentParallelism() >= 2 && std::int64_t{width} * height >= (std::int64_t{1} << 20);
}

BandDecode DecodeJpegInBands(Bytes bytes, int width, int height, std::span<const int> cuts,
                             BandConsumer &consumer)
{
    Shared shared;
    shared.bytes = bytes;
    shared.width = width;
    shared.height = height;
    shared.consumer = &consumer;
    ReaderHooks hooks;
    hooks.shared = &shared;
    jpeg_decompress_struct cinfo{};
    DecodeErrors errors{};
    jpeg_progress_mgr progress{};
    PrepareDecoder(cinfo, errors, progress);
    const Opened opened = OpenReader(cinfo, errors, hooks, shared);
    if (opened != Opened::Ready) {
        jpeg_destroy_decompress(&cinfo);
        return opened == Opened::NotApplicable ? BandDecode::NotApplicable : BandDecode::Failed;
    }
    const int workers = std::max(1, CurrentParallelism());
    std::vector<std::thread> helpers;
    BandDecode result = BandDecode::Failed;
    try {
        if (cuts.empty()) {
            // Several bands a worker, so that they end together; bands that decode an MCU row
            // above and below besides theirs are taller, so that the extra rows cost little.
            const int bandMcuRows = std::max(shared.overlap ? 12 : 4,
                                             (shared.mcuRows + 4 * workers - 1) / (4 * workers));
            for (int row = 0; row < height; row += bandMcuRows * shared.mcuHeight)
                shared.cuts.push_back(row);
            shared.cuts.push_back(height);
        } else {
            shared.cuts.assign(cuts.begin(), cuts.end());
        }
        shared.bands = static_cast<int>(shared.cuts.size()) - 1;
        if (shared.bands < 1 || shared.cuts.front() != 0 || shared.cuts.back() != height ||
            !std::is_sorted(shared.cuts.begin(), shared.cuts.end())) {
            jpeg_destroy_decompress(&cinfo);
            return BandDecode::NotApplicable;
        }
        shared.bandDone.assign(static_cast<std::size_t>(shared.bands), 0);
        for (int i = 1; i < std::min(workers, shared.bands); ++i) {
            try {
                helpers.emplace_back([&shared, i] { DecodeBands(shared, i); });
            } catch (const std::system_error &) {
                break; // fewer helpers, then
            }
        }
        result = ReadCoefficients(cinfo, errors, shared);
        if (result == BandDecode::Decoded)
            DecodeBands(shared, 0);
        else
            shared.Fail();
    } catch (const std::bad_alloc &) {
        shared.Fail();
    }
    for (std::thread &helper : helpers)
        helper.join();
    jpeg_destroy_decompress(&cinfo);
    if (result == BandDecode::Decoded && shared.ready.load() < 0)
        result = BandDecode::Failed;
    return result;
}

BandDecode DecodeJpegInBands(Bytes bytes, Image &image)
{
    IntoImage consumer(image);
    return DecodeJpegInBands(bytes, image.Width(), image.Height(), {}, consumer);
}

} // namespace lumaskin
