// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/Image.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <utility>
#include <vector>

#include "image/Parallel.h"

namespace lum {

namespace {
// Big buffers are sized and aligned in steps of 2 MB.
constexpr size_t kBigStep = 2u << 20;
#ifdef MADV_POPULATE_WRITE
constexpr int kPopulateWrite = MADV_POPULATE_WRITE;
#else
constexpr int kPopulateWrite = 23;  // Linux 5.14
#endif
// Below this a plain allocation is as quick as anything.
constexpr size_t kBigBuffer = 4u << 20;

size_t roundedBig(size_t n) { return (n + kBigStep - 1) & ~(kBigStep - 1); }

// Big buffers given back, kept for the next picture that fits one (see SetBufferReserve).
struct Reserve {
    std::mutex lock;
    std::vector<std::pair<uint8_t*, size_t>> kept;  // oldest first
    size_t bytes = 0, limit = 0;

    // A kept buffer of at least n bytes and not much more; null when none.
    uint8_t* take(size_t n, size_t& capacity) {
        std::lock_guard<std::mutex> g(lock);
        size_t best = kept.size();
        for (size_t i = 0; i < kept.size(); ++i)
            if (kept[i].second >= n && kept[i].second <= n + n / 4 &&
                (best == kept.size() || kept[i].second < kept[best].second))
                best = i;
        if (best == kept.size()) return nullptr;
        uint8_t* p = kept[best].first;
        capacity = kept[best].second;
        bytes -= capacity;
        kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(best));
        return p;
    }
    // Keeps p when the limit allows, dropping the oldest buffers to make room; false when it
    // was not kept.
    bool keep(uint8_t* p, size_t capacity) {
        std::vector<uint8_t*> dropped;
        {
            std::lock_guard<std::mutex> g(lock);
            if (capacity > limit) return false;
            while (bytes + capacity > limit) {
                dropped.push_back(kept.front().first);
                bytes -= kept.front().second;
                kept.erase(kept.begin());
            }
            kept.emplace_back(p, capacity);
            bytes += capacity;
        }
        for (uint8_t* d : dropped) std::free(d);
        return true;
    }
    void setLimit(size_t n) {
        std::vector<uint8_t*> dropped;
        {
            std::lock_guard<std::mutex> g(lock);
            limit = n;
            while (bytes > limit) {
                dropped.push_back(kept.front().first);
                bytes -= kept.front().second;
                kept.erase(kept.begin());
            }
        }
        for (uint8_t* d : dropped) std::free(d);
    }
};

Reserve& reserve() {
    static Reserve* r = new Reserve();  // outlives every static image
    return *r;
}

// n bytes or more; capacity receives how many.
uint8_t* allocBytes(size_t n, size_t& capacity) {
    capacity = n;
    if (n == 0) return nullptr;
    if (n >= kBigBuffer) {
        const size_t rounded = roundedBig(n);
        if (uint8_t* kept = reserve().take(rounded, capacity)) return kept;
        void* p = nullptr;
        if (posix_memalign(&p, kBigStep, rounded) != 0) throw std::bad_alloc();
        // Every page is about to be written: one call maps them all, where a fault per page
        // costs more than decoding a photo. (Huge pages were tried: when memory is fragmented
        // the kernel compacts it first, four times slower than small pages.) Kernels without
        // it leave the pages to the faults.
        madvise(p, rounded, kPopulateWrite);
        capacity = rounded;
        return static_cast<uint8_t*>(p);
    }
    void* p = std::malloc(n);
    if (!p) throw std::bad_alloc();
    return static_cast<uint8_t*>(p);
}
}  // namespace

void Image::SetBufferReserve(size_t bytes) { reserve().setLimit(bytes); }

void Image::checkSize(int64_t width, int64_t height) {
    if (width < 0 || height < 0) throw ImageTooLarge(Words(QT_TRANSLATE_NOOP("lum", "Invalid image size")));
    if (width > 0 && height > 0 && width * height > kMaxPixels)
        throw ImageTooLarge(Words(QT_TRANSLATE_NOOP("lum", "Image too large: %1 x %2 pixels (the limit is 250 megapixels)"),
                                  {std::to_string(width), std::to_string(height)}));
    if (width > (1 << 30) || height > (1 << 30)) throw ImageTooLarge(Words(QT_TRANSLATE_NOOP("lum", "Image too large")));
}

Image::Image(int width, int height) { allocate(width, height); }

Image::Image(const Image& other) {
    allocate(other.width_, other.height_, false);
    copyPixels(other);
}

Image& Image::operator=(const Image& other) {
    if (this == &other) return *this;
    if (other.byteSize() > capacity_) {
        release();
        allocate(other.width_, other.height_, false);
    } else {
        width_ = std::max(other.width_, 0);
        height_ = std::max(other.height_, 0);
        stride_ = strideFor(width_);
    }
    copyPixels(other);
    return *this;
}

void Image::copyPixels(const Image& other) {
    const size_t n = byteSize();
    if (n == 0) return;
    if (n < kBigBuffer) {
        std::memcpy(data_, other.data_, n);
        return;
    }
    // A photo's copy is bound by touching fresh pages as much as by moving bytes: both go
    // faster on all cores.
    const size_t chunk = kBigStep;
    const int chunks = static_cast<int>((n + chunk - 1) / chunk);
    ParallelRows(chunks, [&](int c0, int c1) {
        const size_t from = static_cast<size_t>(c0) * chunk;
        const size_t to = std::min(n, static_cast<size_t>(c1) * chunk);
        std::memcpy(data_ + from, other.data_ + from, to - from);
    }, 4);
}

Image::Image(Image&& other) noexcept
    : width_(other.width_), height_(other.height_), stride_(other.stride_), data_(other.data_),
      capacity_(other.capacity_) {
    other.width_ = other.height_ = 0;
    other.stride_ = other.capacity_ = 0;
    other.data_ = nullptr;
}

Image& Image::operator=(Image&& other) noexcept {
    if (this != &other) {
        release();
        std::swap(width_, other.width_);
        std::swap(height_, other.height_);
        std::swap(stride_, other.stride_);
        std::swap(data_, other.data_);
        std::swap(capacity_, other.capacity_);
    }
    return *this;
}

Image::~Image() { release(); }

void Image::release() {
    if (!(data_ && capacity_ >= kBigBuffer && reserve().keep(data_, capacity_))) std::free(data_);
    data_ = nullptr;
    capacity_ = 0;
    width_ = height_ = 0;
    stride_ = 0;
}

void Image::allocate(int width, int height, bool zeroed) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    checkSize(width, height);
    width_ = width;
    height_ = height;
    stride_ = strideFor(width);
    data_ = allocBytes(byteSize(), capacity_);
    if (zeroed && byteSize()) std::memset(data_, 0, byteSize());
}

void Image::setPixel(int x, int y, uint8_t r, uint8_t g, uint8_t b) {
    uint8_t* p = pixel(x, y);
    p[0] = b;
    p[1] = g;
    p[2] = r;
}

void Image::resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    Image fresh(width, height);
    fresh.drawAt00(*this);
    *this = std::move(fresh);
}

void Image::drawAt00(const Image& src) {
    if (&src == this) return;
    int w = std::min(width_, src.width_);
    int h = std::min(height_, src.height_);
    if (w <= 0 || h <= 0) return;
    size_t n = static_cast<size_t>(w) * 3;
    for (int y = 0; y < h; ++y) std::memcpy(row(y), src.row(y), n);
}

void Image::fill(uint8_t r, uint8_t g, uint8_t b) {
    for (int y = 0; y < height_; ++y) {
        uint8_t* p = row(y);
        for (int x = 0; x < width_; ++x, p += 3) {
            p[0] = b;
            p[1] = g;
            p[2] = r;
        }
    }
}

bool Image::samePixels(const Image& other) const {
    if (width_ != other.width_ || height_ != other.height_) return false;
    size_t n = static_cast<size_t>(width_) * 3;
    for (int y = 0; y < height_; ++y)
        if (std::memcmp(row(y), other.row(y), n) != 0) return false;
    return true;
}

}  // namespace lum
