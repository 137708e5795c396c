#include "engine/image.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <utility>
#include <vector>

namespace lumaskin {

namespace {

// Buffers from this size up start on a 2 MB boundary and may be kept for reuse.
constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kPhotoBytes = 2 * kHugePage;

// The buffers kept while a PictureBufferReuse is alive.
struct KeptBuffers
{
    std::mutex mutex;
    int scopes = 0;
    std::size_t keep = 0;
    std::vector<std::pair<std::size_t, std::uint8_t *>> buffers; // allocated size, buffer

    // Never destroyed, so that pictures let go during the program's exit find it still there.
    static KeptBuffers &Instance()
    {
        static KeptBuffers *const kept = new KeptBuffers;
        return *kept;
    }

    std::uint8_t *Take(std::size_t bytes)
    {
        std::lock_guard lock(mutex);
        for (auto it = buffers.begin(); it != buffers.end(); ++it)
            if (it->first == bytes) {
                std::uint8_t *p = it->second;
                buffers.erase(it);
                return p;
            }
        return nullptr;
    }

    void Release(std::size_t bytes, std::uint8_t *p)
    {
        {
            std::lock_guard lock(mutex);
            if (scopes > 0 && buffers.size() < keep) {
                try {
                    buffers.emplace_back(bytes, p);
                    return;
                } catch (const std::bad_alloc &) {
                }
            }
        }
        std::free(p);
    }
};

struct AlignedFree
{
    std::size_t bytes = 0; // as allocated; photo-sized ones may be kept for reuse

    void operator()(std::uint8_t *p) const
    {
        if (bytes >= kPhotoBytes)
            KeptBuffers::Instance().Release(bytes, p);
        else
            std::free(p);
    }
};

std::size_t PaddedStride(int width)
{
    const std::size_t bytes = 4 * static_cast<std::size_t>(width);
    return (bytes + Image::kAlignment - 1) / Image::kAlignment * Image::kAlignment;
}

} // namespace

bool Image::SizeIsAcceptable(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxPixels;
}

Image::Image(int width, int height)
{
    if (!SizeIsAcceptable(width, height))
        return;
    const std::size_t stride = PaddedStride(width);
    const std::size_t bytes = stride * static_cast<std::size_t>(height);
    // Photo-sized buffers start and end on 2 MB boundaries, so that huge pages can back all of
    // them (AdviseHugePages) rather than all but a ragged start and end of small pages.
    const std::size_t alignment = bytes >= kPhotoBytes ? kHugePage : kAlignment;
    const std::size_t allocated = (bytes + alignment - 1) / alignment * alignment;
    std::uint8_t *p = allocated >= kPhotoBytes ? KeptBuffers::Instance().Take(allocated) : nullptr;
    if (!p)
        p = static_cast<std::uint8_t *>(std::aligned_alloc(alignment, allocated));
    if (!p)
        return;
    m_data = std::shared_ptr<std::uint8_t[]>(p, AlignedFree{allocated});
    m_width = width;
    m_height = height;
    m_stride = stride;
}

Image::Image(int width, int height, std::uint32_t rgba) : Image(width, height)
{
    if (IsNull())
        return;
    std::uint8_t px[4] = {static_cast<std::uint8_t>(rgba >> 24),
                          static_cast<std::uint8_t>(rgba >> 16),
                          static_cast<std::uint8_t>(rgba >> 8), static_cast<std::uint8_t>(rgba)};
    for (int y = 0; y < m_height; ++y) {
        std::uint8_t *r = Row(y);
        for (int x = 0; x < m_width; ++x)
            std::memcpy(r + 4 * x, px, 4);
    }
}

Image Image::Clone() const
{
    Image copy(m_width, m_height);
    if (!copy.IsNull()) {
        std::memcpy(copy.m_data.get(), m_data.get(), SizeInBytes());
        copy.m_metadata = m_metadata;
    }
    return copy;
}

Image Image::RowsOf(Image &whole, int first, int count)
{
    Image rows;
    if (whole.IsNull() || first < 0 || count <= 0 || first + count > whole.m_height)
        return rows;
    rows.m_width = whole.m_width;
    rows.m_height = count;
    rows.m_stride = whole.m_stride;
    rows.m_data = std::shared_ptr<std::uint8_t[]>(whole.m_data, whole.Row(first));
    return rows;
}

bool Image::IsOpaque() const
{
    for (int y = 0; y < m_height; ++y) {
        const std::uint8_t *r = Row(y);
        for (int x = 0; x < m_width; ++x)
            if (r[4 * x + 3] != 255)
                return false;
    }
    return true;
}

bool Image::operator==(const Image &other) const
{
    if (m_width != other.m_width || m_height != other.m_height)
        return false;
    const std::size_t bytes = 4 * static_cast<std::size_t>(m_width);
    for (int y = 0; y < m_height; ++y)
        if (std::memcmp(Row(y), other.Row(y), bytes) != 0)
            return false;
    return true;
}

PictureBufferReuse::PictureBufferReuse(int keep)
{
    KeptBuffers &kept = KeptBuffers::Instance();
    std::lock_guard lock(kept.mutex);
    ++kept.scopes;
    kept.keep = std::max(kept.keep, static_cast<std::size_t>(std::max(keep, 0)));
}

PictureBufferReuse::~PictureBufferReuse()
{
    KeptBuffers &kept = KeptBuffers::Instance();
    std::vector<std::pair<std::size_t, std::uint8_t *>> freed;
    {
        std::lock_guard lock(kept.mutex);
        if (--kept.scopes > 0)
            return;
        kept.keep = 0;
        freed.swap(kept.buffers);
    }
    for (const auto &[bytes, p] : freed)
        std::free(p);
}

} // namespace lumaskin
