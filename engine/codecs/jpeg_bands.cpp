#include "engine/codecs/jpeg_bands.h"

#include "engine/codecs/jpeg_decoder_errors.h"
#include "engine/parallel.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <jerror.h>
#include <memory>
#include <mutex>
#include <new>
#include <sys/mman.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace lumaskin {

namespace {

constexpr int kMostComponents = 3;

// Files of more scans than this have them read in turn on one thread.
constexpr int kMostScanThreads = 16;

// Restart markers noted in a scan; a file of more is read in one piece.
constexpr std::size_t kMostRestartsNoted = std::size_t{1} << 20;

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

// Raises `value` to `to` unless it is there already (a failure sets the counters past any
// count, and a thread that has not seen it yet must not lower them again), and wakes its
// waiters.
void RaiseTo(std::atomic<int> &value, int to)
{
    int seen = value.load(std::memory_order_relaxed);
    while (seen < to && !value.compare_exchange_weak(seen, to, std::memory_order_release)) {
    }
    value.notify_all();
}

// One component of the picture as the scans fill it.
struct Component
{
    int h = 1;
    int v = 1;
    int firstScan = -1;                    // the first scan that holds it, if any
    std::array<std::uint16_t, 64> quant{}; // natural order, as the inverse DCT uses it
    bool quantKnown = false;
    std::size_t blocksPerRow = 0;
    int widthInBlocks = 0;
    int heightInBlocks = 0;
    // The coefficient block rows, one after the other in a mapping of their own.
    std::vector<JBLOCKROW> rows;
    void *mapping = nullptr;
    std::size_t mappingBytes = 0;
};

// Where one scan lies in the file and what it holds.
struct Scan
{
    std::size_t begin = 0;  // at its SOS marker
    std::size_t header = 0; // past its SOS segment
    std::size_t data = 0;   // at its entropy-coded data (a part's, after a restart marker)
    std::size_t end = 0;    // past its entropy-coded data
    std::size_t tables = 0; // how many of the table segments come before it
    std::vector<int> components;
    int ss = 0, se = 0, ah = 0, al = 0;
    // Earlier scans that set coefficients this one sets or refines: each MCU row of this scan
    // waits for theirs.
    std::vector<int> after;
    // A part of a scan cut at restart markers holds these MCU rows, and its first restart
    // marker is numbered this (modulo 8) rather than 0.
    int firstMcuRow = 0;
    int endMcuRow = 0;
    int restartShift = 0;
    int restartInterval = 0; // MCUs, as the last DRI before the scan says
    // Where each restart marker of the scan lies, while the file is walked.
    std::vector<std::size_t> restarts;
};

// What the scan readers share with the band decoders.
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
    int mcuWidth = 8;     // pixel columns in an MCU of all the components
    bool overlap = false; // chroma upsampling looks at the rows above and below
    bool progressive = false;
    // The marker segments that set tables up (SOF, DHT, DQT, DRI, DAC), in file order, and the
    // scans.
    std::vector<Bytes> tables;
    std::vector<Scan> scans;
    std::size_t frameTable = 0; // which of the tables is the frame header (SOF)
    int restartInterval = 0;    // MCUs, as the last DRI so far says
    bool parts = false;         // the scans are parts of one scan, taken in turn by readers
    std::atomic<int> nextScan{0};
    // MCU rows each scan has read; every one once a scan has failed.
    std::unique_ptr<std::atomic<int>[]> scanRows;
    std::atomic<bool> failed{false};
    std::vector<int> cuts; // the first row of every band, then the height
    int margin = 0;        // rows each band hands over above and below its own
    bool greyRows = false; // a grey file's rows are handed over a byte a pixel
    int bands = 0;
    // MCU rows that every scan has read, or -1 once the decode has failed.
    std::atomic<int> ready{0};
    std::atomic<int> nextBand{0};
    // Bands done, and the coefficient rows handed back to the system.
    std::mutex releasing;
    std::vector<char> bandDone;
    int firstOpenBand = 0;
    // MCU rows whose coefficients no band needs any more.
    std::atomic<int> releasedMcuRows{0};
    // A file of one scan keeps the coefficients of this many MCU rows at a time, each row in
    // the place of the one this many rows above, once the bands are done with that; 0 keeps
    // them all.
    int ringMcuRows = 0;
    // The worker whose thread waits while a lone reader reads, and whose part the reader takes
    // meanwhile; -1 for none.
    int idleWorker = -1;
    std::vector<std::uint8_t> readerDiscard;

    ~Shared()
    {
        for (Component &component : comps)
            if (component.mapping)
                munmap(component.mapping, component.mappingBytes);
    }

    // The rows band `band` hands to the consumer: its own, and `margin` more each side.
    int KeepBegin(int band) const
    {
        return std::max(0, cuts[static_cast<std::size_t>(band)] - margin);
    }
    int KeepEnd(int band) const
    {
        return std::min(height, cuts[static_cast<std::size_t>(band) + 1] + margin);
    }
    // The MCU rows band `band` decodes: those of the rows it keeps, and one each side when the
    // chroma upsampling looks there.
    int FirstMcuRow(int band) const
    {
        const int first = KeepBegin(band) / mcuHeight;
        return overlap ? std::max(0, first - 1) : first;
    }
    int EndMcuRow(int band) const
    {
        const int end = (KeepEnd(band) + mcuHeight - 1) / mcuHeight;
        return overlap ? std::min(mcuRows, end + 1) : end;
    }

    // Stops every thread: the counters they wait on move past anything they wait for.
    void Fail()
    {
        failed.store(true);
        RaiseTo(releasedMcuRows, mcuRows + 1);
        ready.store(-1, std::memory_order_release);
        ready.notify_all();
        for (std::size_t s = 0; s < scans.size(); ++s)
            RaiseTo(scanRows[s], mcuRows + 1);
    }

    // Before scan `scan` reads MCU row `row`: waits until the scans it follows have read it.
    bool WaitForScans(int scan, int row)
    {
        for (const int earlier : scans[static_cast<std::size_t>(scan)].after) {
            std::atomic<int> &rows = scanRows[static_cast<std::size_t>(earlier)];
            for (int seen = rows.load(std::memory_order_acquire); seen <= row;
                 seen = rows.load(std::memory_order_acquire))
                rows.wait(seen, std::memory_order_acquire);
        }
        return !failed.load();
    }

    // Scan `scan` has read `rows` MCU rows: the bands may have those every scan has read.
    void ScanRead(int scan, int rows)
    {
        RaiseTo(scanRows[static_cast<std::size_t>(scan)], rows);
        // Rows from the top that every scan (or part of one) covering them has read.
        int least = mcuRows;
        for (std::size_t s = 0; s < scans.size(); ++s) {
            const int read = scanRows[s].load(std::memory_order_acquire);
            if (read < scans[s].endMcuRow)
                least = std::min(least, read);
        }
        int seen = ready.load(std::memory_order_relaxed);
        while (seen >= 0 && seen < least &&
               !ready.compare_exchange_weak(seen, least, std::memory_order_release)) {
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
        const int released = releasedMcuRows.load();
        if (upTo <= released)
            return;
        // Rows in a ring are written over in their turn.
        for (int c = 0; c < components && ringMcuRows == 0; ++c) {
            const Component &component = comps[static_cast<std::size_t>(c)];
            const std::size_t first = static_cast<std::size_t>(released * component.v);
            const std::size_t end =
                std::min(component.rows.size(), static_cast<std::size_t>(upTo * component.v));
            if (first < end)
                ReleasePages(reinterpret_cast<const std::uint8_t *>(component.rows[first]),
                             reinterpret_cast<const std::uint8_t *>(component.rows[end - 1] +
                                                                    component.blocksPerRow));
        }
        RaiseTo(releasedMcuRows, upTo);
    }

    // Before the reader of a file of one scan writes MCU row `row`: waits until the bands are
    // done with the row whose place it takes.
    bool WaitForRoom(int row);
};

// Hands libjpeg the file's bytes for one scan: SOI, the table segments before the scan, the
// scan, EOI. Nothing is copied.
struct ScanSource
{
    jpeg_source_mgr base;
    std::vector<Bytes> pieces;
    std::size_t next = 0;
    int restartShift = 0; // see Scan
};

// A part of a scan numbers its restart markers from where it starts in the scan: marker n of
// the part is RST (n + shift) mod 8. Anything else is the usual resynchronisation, which warns.
boolean ResyncToRestart(j_decompress_ptr cinfo, int desired)
{
    const auto &source = *reinterpret_cast<ScanSource *>(cinfo->src);
    if (cinfo->unread_marker == JPEG_RST0 + (desired + source.restartShift) % 8) {
        cinfo->unread_marker = 0;
        return TRUE;
    }
    return jpeg_resync_to_restart(cinfo, desired);
}

void StartSource(j_decompress_ptr) {}
void EndSource(j_decompress_ptr) {}

boolean FillSource(j_decompress_ptr cinfo)
{
    auto &source = *reinterpret_cast<ScanSource *>(cinfo->src);
    while (source.next < source.pieces.size() && source.pieces[source.next].empty())
        ++source.next;
    if (source.next < source.pieces.size()) {
        source.base.next_input_byte = source.pieces[source.next].data();
        source.base.bytes_in_buffer = source.pieces[source.next].size();
        ++source.next;
        return TRUE;
    }
    // Past the EOI given: what mem_src does at the end of its bytes.
    static const JOCTET kEnd[] = {0xFF, JPEG_EOI};
    WARNMS(cinfo, JWRN_JPEG_EOF);
    source.base.next_input_byte = kEnd;
    source.base.bytes_in_buffer = 2;
    return TRUE;
}

void SkipSource(j_decompress_ptr cinfo, long count)
{
    auto &source = *reinterpret_cast<ScanSource *>(cinfo->src);
    while (count > static_cast<long>(source.base.bytes_in_buffer)) {
        count -= static_cast<long>(source.base.bytes_in_buffer);
        FillSource(cinfo);
    }
    if (count > 0) {
        source.base.next_input_byte += count;
        source.base.bytes_in_buffer -= static_cast<std::size_t>(count);
    }
}

// A scan reader's memory manager, bent: its coefficient arrays are a few rows long and never
// used; the rows it writes are the shared ones.
struct ScanHooks
{
    Shared *shared = nullptr;
    int firstMcuRow = 0; // of a part of a scan
    jvirt_barray_ptr (*request)(j_common_ptr, int, boolean, JDIMENSION, JDIMENSION,
                                JDIMENSION) = nullptr;
    std::array<jvirt_barray_ptr, kMostComponents> arrays{};
    int count = 0;
    bool broken = false;
};

jvirt_barray_ptr ScanRequest(j_common_ptr cinfo, int pool, boolean preZero, JDIMENSION blocksPerRow,
                             JDIMENSION rows, JDIMENSION maxAccess)
{
    auto &hooks = *static_cast<ScanHooks *>(cinfo->client_data);
    const jvirt_barray_ptr array =
        hooks.request(cinfo, pool, preZero, blocksPerRow, maxAccess, maxAccess);
    const int c = hooks.count++;
    if (c >= hooks.shared->components) {
        hooks.broken = true;
        return array;
    }
    // The component must be laid out as the picture's is; a part of a scan holds fewer rows.
    const Component &component = hooks.shared->comps[static_cast<std::size_t>(c)];
    const std::size_t first =
        static_cast<std::size_t>(hooks.firstMcuRow) * static_cast<std::size_t>(component.v);
    const bool fits =
        hooks.shared->parts ? first + rows <= component.rows.size() : rows == component.rows.size();
    if (!fits || component.blocksPerRow != blocksPerRow)
        hooks.broken = true;
    else
        hooks.arrays[static_cast<std::size_t>(c)] = array;
    return array;
}

JBLOCKARRAY ScanAccess(j_common_ptr cinfo, jvirt_barray_ptr array, JDIMENSION start,
                       JDIMENSION count, boolean)
{
    auto &hooks = *static_cast<ScanHooks *>(cinfo->client_data);
    for (int c = 0; c < std::min(hooks.count, kMostComponents); ++c) {
        Component &component = hooks.shared->comps[static_cast<std::size_t>(c)];
        const std::size_t first = start + static_cast<std::size_t>(hooks.firstMcuRow) *
                                              static_cast<std::size_t>(component.v);
        if (hooks.arrays[static_cast<std::size_t>(c)] != array ||
            first + count > component.rows.size())
            continue;
        // A row in a ring holds what the row before it in its place left; the entropy
        // decoder writes only the coefficients that are not zero.
        if (hooks.shared->ringMcuRows > 0)
            for (JDIMENSION i = 0; i < count; ++i)
                std::memset(component.rows[first + i], 0, component.blocksPerRow * sizeof(JBLOCK));
        return &component.rows[first];
    }
    // Not ours, or out of range: libjpeg's own check says so.
    ERREXIT(cinfo, JERR_BAD_VIRTUAL_ACCESS);
    return nullptr;
}

// A band decoder's memory manager, bent: its coefficient arrays are a few rows long, enough
// for its (empty) input pass to write into, and its output pass reads the reader's rows.
struct BandHooks
{
    const Shared *shared = nullptr;
    jvirt_barray_ptr (*request)(j_common_ptr, int, boolean, JDIMENSION, JDIMENSION,
                                JDIMENSION) = nullptr;
    JBLOCKARRAY(*access)
    (j_common_ptr, jvirt_barray_ptr, JDIMENSION, JDIMENSION, boolean) = nullptr;
    std::array<jvirt_barray_ptr, kMostComponents> arrays{};
    int count = 0;
    int firstMcuRow = 0; // the band's first MCU row in the picture
    bool output = false;
    bool broken = false;
};

jvirt_barray_ptr BandRequest(j_common_ptr cinfo, int pool, boolean preZero, JDIMENSION blocksPerRow,
                             JDIMENSION, JDIMENSION maxAccess)
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
            const std::size_t first = static_cast<std::size_t>(hooks.firstMcuRow) *
                                          static_cast<std::size_t>(component.v) +
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
            put16(component.quantKnown
                      ? component
                            .quant[static_cast<std::size_t>(kZigzag[static_cast<std::size_t>(k)])]
                      : 1);
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
    out.insert(out.end(), {0xFF, 0xC4, 0x00, 0x1F, 0x00, 0, 1, 5, 1, 1, 1, 1, 1, 1, 0,  0, 0,
                           0,    0,    0,    0,    0,    1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    for (int c = 0; c < n; ++c)
        out.insert(out.end(), {0xFF, 0xDA, 0x00, 0x08, 0x01, static_cast<std::uint8_t>(c + 1), 0x00,
                               0x00, 0x00, 0x00});
    out.insert(out.end(), {0xFF, 0xD9});
    return out;
}

// Walks the file's markers: the table segments and where each scan lies, and what each scan
// waits for. NotApplicable for anything out of the ordinary (bytes between segments, markers
// this reader does not hand on, no EOI), which the usual decoder sorts out; Failed for more
// scans than any real picture has.
BandDecode FindScans(Shared &shared, const std::array<int, kMostComponents> &ids)
{
    const Bytes bytes = shared.bytes;
    std::size_t pos = 2;
    // What the last scan to set each coefficient of each component left (-1: none yet), as
    // the decoder's progression status: a progression that stops short of the full
    // coefficients is smoothed by the decoder, and the bands would not be.
    std::array<std::array<int, 64>, kMostComponents> bits;
    for (auto &component : bits)
        component.fill(-1);
    // Each table segment is read again by every scan after it; a file made of thousands of
    // them is left to the usual decoder.
    std::size_t tableBytes = 0, tableBytesRead = 0;
    for (;;) {
        if (pos + 2 > bytes.size() || bytes[pos] != 0xFF)
            return BandDecode::NotApplicable;
        const std::uint8_t marker = bytes[pos + 1];
        if (marker == 0xFF) {
            ++pos;
            continue;
        }
        if (marker == 0xD9)
            break;
        if (pos + 4 > bytes.size())
            return BandDecode::NotApplicable;
        const std::size_t length = std::size_t{bytes[pos + 2]} << 8 | bytes[pos + 3];
        if (length < 2 || pos + 2 + length > bytes.size())
            return BandDecode::NotApplicable;
        const Bytes segment = bytes.subspan(pos, 2 + length);
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (marker == 0xDA) {
            if (shared.scans.size() >= static_cast<std::size_t>(kMostScans))
                return BandDecode::Failed;
            Scan scan;
            scan.begin = pos;
            scan.tables = shared.tables.size();
            const std::size_t count = length >= 3 ? bytes[pos + 4] : 0;
            if (count < 1 || length != 6 + 2 * count)
                return BandDecode::NotApplicable;
            for (std::size_t i = 0; i < count; ++i) {
                const auto found =
                    std::find(ids.begin(), ids.begin() + shared.components, bytes[pos + 5 + 2 * i]);
                if (found == ids.begin() + shared.components)
                    return BandDecode::NotApplicable;
                scan.components.push_back(static_cast<int>(found - ids.begin()));
            }
            const std::size_t p = pos + 5 + 2 * count;
            scan.ss = bytes[p];
            scan.se = std::min<int>(63, bytes[p + 1]);
            scan.ah = bytes[p + 2] >> 4;
            scan.al = bytes[p + 2] & 15;
            if (scan.ss > scan.se)
                return BandDecode::NotApplicable;
            const int index = static_cast<int>(shared.scans.size());
            for (int earlier = 0; earlier < index; ++earlier) {
                const Scan &other = shared.scans[static_cast<std::size_t>(earlier)];
                bool shares = false;
                for (const int c : scan.components)
                    shares = shares || std::find(other.components.begin(), other.components.end(),
                                                 c) != other.components.end();
                if (shares && other.ss <= scan.se && scan.ss <= other.se)
                    scan.after.push_back(earlier);
            }
            for (const int c : scan.components) {
                Component &component = shared.comps[static_cast<std::size_t>(c)];
                if (component.firstScan < 0)
                    component.firstScan = index;
                for (int k = scan.ss; k <= scan.se; ++k)
                    bits[static_cast<std::size_t>(c)][static_cast<std::size_t>(k)] = scan.al;
            }
            // The entropy-coded data runs to the next marker other than a restart marker.
            std::size_t end = pos + 2 + length;
            for (;;) {
                const auto *found = static_cast<const std::uint8_t *>(
                    std::memchr(bytes.data() + end, 0xFF, bytes.size() - end));
                if (!found || found + 1 >= bytes.data() + bytes.size())
                    return BandDecode::NotApplicable; // no EOI
                end = static_cast<std::size_t>(found - bytes.data());
                const std::uint8_t next = bytes[end + 1];
                if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
                    if (next != 0x00 && scan.restarts.size() < kMostRestartsNoted)
                        scan.restarts.push_back(end);
                    end += 2;
                    continue;
                }
                break;
            }
            scan.header = pos + 2 + length;
            scan.restartInterval = shared.restartInterval;
            scan.data = scan.header;
            scan.end = end;
            scan.endMcuRow = shared.mcuRows;
            tableBytesRead += tableBytes;
            shared.scans.push_back(std::move(scan));
            pos = end;
            continue;
        }
        if (frame || marker == 0xC4 || marker == 0xDB || marker == 0xDD || marker == 0xCC) {
            if (frame)
                shared.frameTable = shared.tables.size();
            if (marker == 0xDD && length >= 4)
                shared.restartInterval = bytes[pos + 4] << 8 | bytes[pos + 5];
            shared.tables.push_back(segment);
            tableBytes += segment.size();
        } else if (!(marker >= 0xE0 && marker <= 0xEF) && marker != 0xFE) {
            return BandDecode::NotApplicable;
        }
        pos += 2 + length;
    }
    if (shared.scans.empty() || tableBytesRead > (std::size_t{16} << 20) + 4 * bytes.size())
        return BandDecode::NotApplicable;
    // A sequential file whose first scan holds every component has no other scan; the
    // decoder refuses one that has, and so must this reading.
    if (!shared.progressive && shared.scans.size() > 1 &&
        static_cast<int>(shared.scans[0].components.size()) == shared.components)
        return BandDecode::NotApplicable;
    for (int c = 0; c < shared.components; ++c) {
        const auto &component = bits[static_cast<std::size_t>(c)];
        if (component[0] >= 0 && std::any_of(component.begin() + 1, component.begin() + 10,
                                             [](int al) { return al != 0; }))
            return BandDecode::NotApplicable;
    }
    return BandDecode::Decoded;
}

// Reads the header, lays out the coefficients and finds the scans.
BandDecode OpenFile(jpeg_decompress_struct &cinfo, DecodeErrors &errors, Shared &shared,
                    std::array<int, kMostComponents> &ids)
{
    if (setjmp(errors.jump))
        return BandDecode::Failed;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, shared.bytes.data(), static_cast<unsigned long>(shared.bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    const bool colour = cinfo.num_components == 3 &&
                        (cinfo.jpeg_color_space == JCS_YCbCr || cinfo.jpeg_color_space == JCS_RGB);
    const bool grey = cinfo.num_components == 1 && cinfo.jpeg_color_space == JCS_GRAYSCALE;
    if (cinfo.data_precision != 8 || !(colour || grey) ||
        static_cast<int>(cinfo.image_width) != shared.width ||
        static_cast<int>(cinfo.image_height) != shared.height)
        return BandDecode::NotApplicable;
    shared.components = cinfo.num_components;
    shared.colourSpace = cinfo.jpeg_color_space;
    shared.mcuRows = static_cast<int>(cinfo.total_iMCU_rows);
    shared.mcuHeight = cinfo.max_v_samp_factor * DCTSIZE;
    shared.mcuWidth = cinfo.max_h_samp_factor * DCTSIZE;
    shared.progressive = cinfo.progressive_mode;
    for (int c = 0; c < shared.components; ++c) {
        const jpeg_component_info &info = cinfo.comp_info[c];
        Component &component = shared.comps[static_cast<std::size_t>(c)];
        ids[static_cast<std::size_t>(c)] = info.component_id;
        component.h = info.h_samp_factor;
        component.v = info.v_samp_factor;
        component.widthInBlocks = static_cast<int>(info.width_in_blocks);
        component.heightInBlocks = static_cast<int>(info.height_in_blocks);
        shared.overlap = shared.overlap || component.v != cinfo.max_v_samp_factor;
        // As libjpeg lays out a component: whole MCUs across and down.
        component.blocksPerRow = (info.width_in_blocks + static_cast<JDIMENSION>(component.h) - 1) /
                                 static_cast<JDIMENSION>(component.h) *
                                 static_cast<JDIMENSION>(component.h);
    }
    return BandDecode::Decoded;
}

// A file of one scan with restart markers at the starts of MCU rows is read in parts cut
// there, several at once: each part decodes as a scan of its own of fewer MCU rows, its
// restart markers numbered on from where it starts. Nothing changes for a file whose markers
// are not where its restart interval puts them; its reader says what is wrong.
void SplitAtRestarts(Shared &shared, int workers)
{
    if (shared.scans.size() != 1 || shared.scans[0].restartInterval <= 0 || workers < 2)
        return;
    Scan &scan = shared.scans[0];
    // MCUs in an MCU row, and in the scan.
    std::int64_t perRow = 0, total = 0;
    if (scan.components.size() == 1) {
        const Component &component = shared.comps[static_cast<std::size_t>(scan.components[0])];
        perRow = std::int64_t{component.widthInBlocks} * component.v;
        total = std::int64_t{component.widthInBlocks} * component.heightInBlocks;
    } else {
        perRow = (shared.width + shared.mcuWidth - 1) / shared.mcuWidth;
        total = perRow * shared.mcuRows;
    }
    const std::int64_t interval = scan.restartInterval;
    const std::int64_t intervals = (total + interval - 1) / interval;
    if (perRow <= 0 || static_cast<std::int64_t>(scan.restarts.size()) != intervals - 1)
        return;
    for (std::size_t i = 0; i < scan.restarts.size(); ++i)
        if (shared.bytes[scan.restarts[i] + 1] != 0xD0 + i % 8)
            return;
    // Parts of about a sixteenth of a worker's share, cut at the first MCU row after that which
    // starts a restart interval: the coefficients kept grow with the parts in hand.
    const int target = std::max(4, (shared.mcuRows + 16 * workers - 1) / (16 * workers));
    std::vector<Scan> parts;
    int first = 0;
    while (first < shared.mcuRows) {
        int end = std::min(shared.mcuRows, first + target);
        while (end < shared.mcuRows && (end * perRow) % interval != 0)
            ++end;
        Scan part;
        part.begin = scan.begin;
        part.header = scan.header;
        part.tables = scan.tables;
        part.components = scan.components;
        part.firstMcuRow = first;
        part.endMcuRow = end;
        const std::int64_t firstInterval = first * perRow / interval;
        part.restartShift = static_cast<int>(firstInterval % 8);
        part.data =
            first == 0 ? scan.data : scan.restarts[static_cast<std::size_t>(firstInterval - 1)] + 2;
        part.end = end == shared.mcuRows
                       ? scan.end
                       : scan.restarts[static_cast<std::size_t>(end * perRow / interval - 1)];
        parts.push_back(std::move(part));
        first = end;
    }
    if (parts.size() < 2)
        return;
    shared.scans = std::move(parts);
    shared.parts = true;
}

// Maps zeroed memory for every component's coefficients (pages come as they are first
// written) and lists its rows: all of them, or a ring of them for a file of one scan.
bool MapCoefficients(Shared &shared, const jpeg_decompress_struct &cinfo)
{
    if (shared.scans.size() == 1 || shared.parts) {
        // Room for the rows of as many bands as there are workers, and one more band being
        // read; or, read in parts, for a part and a band a worker, and one more part.
        int tallest = 1, tallestPart = 0;
        for (int band = 0; band < shared.bands; ++band)
            tallest = std::max(tallest, shared.EndMcuRow(band) - shared.FirstMcuRow(band));
        for (const Scan &part : shared.scans)
            tallestPart = std::max(tallestPart, part.endMcuRow - part.firstMcuRow);
        const int workers = std::max(1, CurrentParallelism());
        const int ring = shared.parts ? workers * (tallest + tallestPart) + tallestPart + 2
                                      : (workers + 1) * tallest;
        if (ring < shared.mcuRows)
            shared.ringMcuRows = ring;
    }
    for (int c = 0; c < shared.components; ++c) {
        Component &component = shared.comps[static_cast<std::size_t>(c)];
        const JDIMENSION v = static_cast<JDIMENSION>(component.v);
        const std::size_t rows = (cinfo.comp_info[c].height_in_blocks + v - 1) / v * v;
        const std::size_t kept =
            shared.ringMcuRows > 0 ? static_cast<std::size_t>(shared.ringMcuRows) * v : rows;
        const std::size_t rowBytes = component.blocksPerRow * sizeof(JBLOCK);
        component.mappingBytes = std::max<std::size_t>(1, kept * rowBytes);
        void *mapping = mmap(nullptr, component.mappingBytes, PROT_READ | PROT_WRITE,
                             MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapping == MAP_FAILED)
            return false;
        component.mapping = mapping;
        component.rows.resize(rows);
        for (std::size_t r = 0; r < rows; ++r)
            component.rows[r] = reinterpret_cast<JBLOCKROW>(static_cast<std::uint8_t *>(mapping) +
                                                            r % kept * rowBytes);
    }
    return true;
}

// Reads scan `index` into the shared coefficients, an MCU row at a time once the scans it
// follows have read that row. Owns nothing, for the longjmp.
bool ReadScan(jpeg_decompress_struct &cinfo, DecodeErrors &errors, ScanHooks &hooks,
              ScanSource &source, Shared &shared, int index)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    cinfo.client_data = &hooks;
    hooks.request = cinfo.mem->request_virt_barray;
    cinfo.mem->request_virt_barray = ScanRequest;
    cinfo.mem->access_virt_barray = ScanAccess;
    cinfo.src = &source.base;
    jpeg_read_header(&cinfo, TRUE);
    cinfo.buffered_image = TRUE;
    jpeg_start_decompress(&cinfo);
    if (hooks.broken || hooks.count != shared.components)
        return false;
    // The inverse DCT uses the tables in force at each component's first scan.
    for (int i = 0; i < cinfo.comps_in_scan; ++i) {
        const int c = cinfo.cur_comp_info[i]->component_index;
        Component &component = shared.comps[static_cast<std::size_t>(c)];
        if (component.firstScan == index && cinfo.comp_info[c].quant_table) {
            std::copy_n(cinfo.comp_info[c].quant_table->quantval, 64, component.quant.begin());
            component.quantKnown = true;
        }
    }
    const Scan &scan = shared.scans[static_cast<std::size_t>(index)];
    if (static_cast<int>(cinfo.total_iMCU_rows) != scan.endMcuRow - scan.firstMcuRow)
        return false;
    for (;;) {
        const int row = scan.firstMcuRow + static_cast<int>(cinfo.input_iMCU_row);
        if (row < scan.endMcuRow && (!shared.WaitForScans(index, row) || !shared.WaitForRoom(row)))
            return false;
        const int status = jpeg_consume_input(&cinfo);
        if (errors.lostData || status == JPEG_SUSPENDED || hooks.broken)
            return false;
        if (status == JPEG_ROW_COMPLETED)
            shared.ScanRead(index, scan.firstMcuRow + static_cast<int>(cinfo.input_iMCU_row));
        else if (status == JPEG_SCAN_COMPLETED)
            shared.ScanRead(index, scan.endMcuRow);
        else if (status == JPEG_REACHED_EOI)
            break;
    }
    return shared.scanRows[static_cast<std::size_t>(index)].load() == scan.endMcuRow;
}

// Reads scan (or part of a scan) `index`. False when it fails.
bool ReadOneScan(Shared &shared, int index)
{
    static const JOCTET kStart[] = {0xFF, 0xD8};
    static const JOCTET kEnd[] = {0xFF, JPEG_EOI};
    const Scan &scan = shared.scans[static_cast<std::size_t>(index)];
    ScanSource source{};
    source.base.init_source = StartSource;
    source.base.fill_input_buffer = FillSource;
    source.base.skip_input_data = SkipSource;
    source.base.resync_to_restart = ResyncToRestart;
    source.base.term_source = EndSource;
    source.restartShift = scan.restartShift;
    jpeg_decompress_struct cinfo{};
    DecodeErrors errors{};
    jpeg_progress_mgr progress{};
    PrepareDecoder(cinfo, errors, progress);
    ScanHooks hooks;
    hooks.shared = &shared;
    hooks.firstMcuRow = scan.firstMcuRow;
    bool read = false;
    try {
        // A part's frame header says its own height.
        std::vector<std::uint8_t> frame;
        source.pieces.reserve(scan.tables + 4);
        source.pieces.push_back(Bytes(kStart, 2));
        for (std::size_t t = 0; t < scan.tables; ++t) {
            Bytes table = shared.tables[t];
            if (shared.parts && t == shared.frameTable && table.size() >= 7) {
                const int height = std::min(shared.height, scan.endMcuRow * shared.mcuHeight) -
                                   scan.firstMcuRow * shared.mcuHeight;
                frame.assign(table.begin(), table.end());
                frame[5] = static_cast<std::uint8_t>(height >> 8);
                frame[6] = static_cast<std::uint8_t>(height);
                table = Bytes(frame.data(), frame.size());
            }
            source.pieces.push_back(table);
        }
        source.pieces.push_back(shared.bytes.subspan(scan.begin, scan.header - scan.begin));
        source.pieces.push_back(shared.bytes.subspan(scan.data, scan.end - scan.data));
        source.pieces.push_back(Bytes(kEnd, 2));
        read = ReadScan(cinfo, errors, hooks, source, shared, index);
    } catch (const std::bad_alloc &) {
        read = false;
    }
    jpeg_destroy_decompress(&cinfo);
    return read;
}

// Reads scans `first` to `last` in turn; or, with `claim`, scans claimed in turn until none is
// left.
void ReadScans(Shared &shared, int first, int last, bool claim = false)
{
    for (int index = first; index < last; ++index) {
        if (claim) {
            index = shared.nextScan.fetch_add(1);
            if (index >= last)
                return;
        }
        if (!ReadOneScan(shared, index)) {
            shared.Fail();
            return;
        }
    }
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
    cinfo.out_color_space =
        shared.greyRows && shared.components == 1 ? JCS_GRAYSCALE : JCS_EXT_RGBA;
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
    const int keepBegin = shared.KeepBegin(band);
    const int keepEnd = shared.KeepEnd(band);
    // Rows below those kept are left unread: the MCU row under them is decoded only for the
    // chroma that the last kept rows blend with.
    while (cinfo.output_scanline < cinfo.output_height &&
           firstRow + static_cast<int>(cinfo.output_scanline) < keepEnd) {
        const int y = firstRow + static_cast<int>(cinfo.output_scanline);
        const int count =
            std::min<int>(16, static_cast<int>(cinfo.output_height - cinfo.output_scanline));
        JSAMPROW rows[16];
        for (int i = 0; i < count; ++i)
            rows[i] = y + i >= keepBegin && y + i < keepEnd
                          ? shared.consumer->Row(worker, band, y + i)
                          : discard + static_cast<std::size_t>(i) * discardStride;
        // Fewer rows than asked for come back at the end of an MCU row.
        const int read =
            static_cast<int>(jpeg_read_scanlines(&cinfo, rows, static_cast<JDIMENSION>(count)));
        if (read == 0 || hooks.broken)
            return false;
        const int from = std::max(y, keepBegin);
        const int to = std::min(y + read, keepEnd);
        if (from < to &&
            !shared.consumer->Written(worker, band, from, to - from, rows + (from - y)))
            return false;
    }
    jpeg_finish_output(&cinfo);
    return !hooks.broken;
}

// Decodes band `band` on thread `worker` and hands it to the consumer, once the reader has its
// coefficients. `discard` takes the rows the band decodes but does not keep (allocated on
// first use). False when the decode has failed.
bool TakeBand(Shared &shared, int worker, int band, std::vector<std::uint8_t> &discard)
{
    const std::size_t discardStride = 4 * static_cast<std::size_t>(shared.width);
    const int first = shared.FirstMcuRow(band);
    const int last = shared.EndMcuRow(band);
    for (int seen = shared.ready.load(std::memory_order_acquire); seen < last;
         seen = shared.ready.load(std::memory_order_acquire)) {
        if (seen < 0)
            return false;
        shared.ready.wait(seen, std::memory_order_acquire);
    }
    const int firstRow = first * shared.mcuHeight;
    std::vector<std::uint8_t> header;
    try {
        if (discard.empty())
            discard.resize(16 * discardStride);
        header = BandHeader(shared, std::min(shared.height, last * shared.mcuHeight) - firstRow);
    } catch (const std::bad_alloc &) {
        shared.Fail();
        return false;
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
    bool decoded = false;
    try {
        // The consumer may run out of memory; libjpeg is not between it and here.
        decoded = DecodeBand(cinfo, errors, hooks, header, shared, worker, band, discard.data(),
                             discardStride);
    } catch (const std::bad_alloc &) {
        decoded = false;
    }
    jpeg_destroy_decompress(&cinfo);
    if (!decoded) {
        shared.Fail();
        return false;
    }
    // Its coefficients may go before the consumer takes its time over the rows.
    shared.Finished(band);
    bool done = false;
    try {
        done = shared.consumer->Done(worker, band);
    } catch (const std::bad_alloc &) {
        done = false;
    }
    if (!done) {
        shared.Fail();
        return false;
    }
    return true;
}

// Takes bands in turn until none is left, each once the reader has its coefficients.
void DecodeBands(Shared &shared, int worker)
{
    std::vector<std::uint8_t> discard;
    for (;;) {
        const int band = shared.nextBand.fetch_add(1);
        if (band >= shared.bands || !TakeBand(shared, worker, band, discard))
            return;
    }
}

bool Shared::WaitForRoom(int row)
{
    if (ringMcuRows == 0)
        return true;
    for (int seen = releasedMcuRows.load(); seen <= row - ringMcuRows;
         seen = releasedMcuRows.load()) {
        // A lone reader whose ring is full decodes a band whose rows it has read rather than
        // leave its core idle, as worker `idleWorker` (whose thread waits for the reading).
        if (idleWorker >= 0) {
            int band = nextBand.load();
            const int read = ready.load(std::memory_order_acquire);
            if (band < bands && EndMcuRow(band) <= read &&
                nextBand.compare_exchange_strong(band, band + 1)) {
                if (!TakeBand(*this, idleWorker, band, readerDiscard))
                    return false;
                continue;
            }
        }
        releasedMcuRows.wait(seen);
    }
    return !failed.load();
}

// Rows straight into a whole picture.
class IntoImage : public BandConsumer
{
public:
    explicit IntoImage(Image &image) : m_image(image) {}
    std::uint8_t *Row(int, int, int y) override { return m_image.Row(y); }
    bool Written(int, int, int, int, std::uint8_t *const *) override { return true; }
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

// Cuts the picture into bands: `cuts` when given, else several bands a worker, so that they
// end together; bands that decode an MCU row above and below besides theirs are taller, so
// that the extra rows cost little. False when the cuts given do not cover the picture.
bool CutBands(Shared &shared, std::span<const int> cuts, int workers)
{
    if (cuts.empty()) {
        const int bandMcuRows =
            std::max(shared.overlap ? 12 : 4, (shared.mcuRows + 4 * workers - 1) / (4 * workers));
        for (int row = 0; row < shared.height; row += bandMcuRows * shared.mcuHeight)
            shared.cuts.push_back(row);
        shared.cuts.push_back(shared.height);
    } else {
        shared.cuts.assign(cuts.begin(), cuts.end());
    }
    shared.bands = static_cast<int>(shared.cuts.size()) - 1;
    if (shared.bands < 1 || shared.cuts.front() != 0 || shared.cuts.back() != shared.height ||
        std::adjacent_find(shared.cuts.begin(), shared.cuts.end(), std::greater_equal<int>()) !=
            shared.cuts.end())
        return false;
    shared.bandDone.assign(static_cast<std::size_t>(shared.bands), 0);
    return true;
}

BandDecode DecodeJpegInBands(Bytes bytes, int width, int height, std::span<const int> cuts,
                             BandConsumer &consumer, int margin, bool greyRows)
{
    Shared shared;
    shared.margin = std::max(0, margin);
    shared.greyRows = greyRows;
    shared.bytes = bytes;
    shared.width = width;
    shared.height = height;
    shared.consumer = &consumer;
    const int workers = std::max(1, CurrentParallelism());
    std::array<int, kMostComponents> ids{};
    BandDecode opened = BandDecode::Failed;
    {
        jpeg_decompress_struct cinfo{};
        DecodeErrors errors{};
        jpeg_progress_mgr progress{};
        PrepareDecoder(cinfo, errors, progress);
        opened = OpenFile(cinfo, errors, shared, ids);
        try {
            if (opened == BandDecode::Decoded)
                opened = FindScans(shared, ids);
            if (opened == BandDecode::Decoded && !CutBands(shared, cuts, workers))
                opened = BandDecode::NotApplicable;
            if (opened == BandDecode::Decoded)
                SplitAtRestarts(shared, workers);
            if (opened == BandDecode::Decoded && !MapCoefficients(shared, cinfo))
                opened = BandDecode::Failed;
            shared.scanRows = std::make_unique<std::atomic<int>[]>(shared.scans.size());
            for (std::size_t i = 0; i < shared.scans.size(); ++i) {
                shared.scans[i].restarts = {};
                shared.scanRows[i].store(shared.scans[i].firstMcuRow);
            }
        } catch (const std::bad_alloc &) {
            opened = BandDecode::Failed;
        }
        jpeg_destroy_decompress(&cinfo);
    }
    if (opened != BandDecode::Decoded)
        return opened;
    const int scanCount = static_cast<int>(shared.scans.size());
    const bool lone = scanCount == 1 && shared.bands > 1 && workers > 1;
    if (lone)
        shared.idleWorker = 0;
    std::vector<std::thread> threads;
    bool started = true;
    try {
        // A thread for each scan, each waiting for the rows it refines; a file of many scans
        // has its scans read in turn by one.
        if (shared.parts) {
            for (int i = 0; i < workers; ++i)
                threads.emplace_back(
                    [&shared, scanCount] { ReadScans(shared, 0, scanCount, true); });
        } else if (scanCount <= kMostScanThreads) {
            for (int s = 0; s < scanCount; ++s)
                threads.emplace_back([&shared, s] { ReadScans(shared, s, s + 1); });
        } else {
            threads.emplace_back([&shared, scanCount] { ReadScans(shared, 0, scanCount); });
        }
        for (int i = 1; i < std::min(workers, shared.bands); ++i)
            threads.emplace_back([&shared, i] { DecodeBands(shared, i); });
    } catch (const std::system_error &) {
        started = false;
    } catch (const std::bad_alloc &) {
        started = false;
    }
    if (started) {
        // A lone reader has a core to itself: this thread joins the bands once it is done.
        if (lone)
            for (int seen = shared.ready.load(); seen >= 0 && seen < shared.mcuRows;
                 seen = shared.ready.load())
                shared.ready.wait(seen);
        DecodeBands(shared, 0);
    } else {
        shared.Fail();
    }
    for (std::thread &thread : threads)
        thread.join();
    return shared.failed.load() ? BandDecode::Failed : BandDecode::Decoded;
}

BandDecode DecodeJpegInBands(Bytes bytes, Image &image)
{
    IntoImage consumer(image);
    return DecodeJpegInBands(bytes, image.Width(), image.Height(), {}, consumer);
}

} // namespace lumaskin
