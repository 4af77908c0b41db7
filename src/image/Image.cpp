#include "image/Image.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace lum {

namespace {
constexpr size_t kHugePage = 2u << 20;
// Below this a plain allocation is as quick as anything.
constexpr size_t kBigBuffer = 4u << 20;

uint8_t* allocBytes(size_t n) {
    if (n == 0) return nullptr;
    if (n >= kBigBuffer) {
        size_t rounded = (n + kHugePage - 1) & ~(kHugePage - 1);
        void* p = nullptr;
        if (posix_memalign(&p, kHugePage, rounded) != 0) throw std::bad_alloc();
        // First-touch faults on 4 KiB pages cost more than decoding a photo; huge pages cut them.
        madvise(p, rounded, MADV_HUGEPAGE);
        return static_cast<uint8_t*>(p);
    }
    void* p = std::malloc(n);
    if (!p) throw std::bad_alloc();
    return static_cast<uint8_t*>(p);
}
}  // namespace

void Image::checkSize(int64_t width, int64_t height) {
    if (width < 0 || height < 0) throw ImageTooLarge("Invalid image size");
    if (width > 0 && height > 0 && width * height > kMaxPixels)
        throw ImageTooLarge("Image too large: " + std::to_string(width) + " x " + std::to_string(height) +
                            " pixels (the limit is 250 megapixels)");
    if (width > (1 << 30) || height > (1 << 30)) throw ImageTooLarge("Image too large");
}

Image::Image(int width, int height) { allocate(width, height); }

Image::Image(const Image& other) {
    allocate(other.width_, other.height_);
    if (byteSize()) std::memcpy(data_, other.data_, byteSize());
}

Image& Image::operator=(const Image& other) {
    if (this == &other) return *this;
    if (other.byteSize() > capacity_) {
        release();
        allocate(other.width_, other.height_);
    } else {
        width_ = std::max(other.width_, 0);
        height_ = std::max(other.height_, 0);
        stride_ = strideFor(width_);
    }
    if (byteSize()) std::memcpy(data_, other.data_, byteSize());
    return *this;
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
    std::free(data_);
    data_ = nullptr;
    capacity_ = 0;
    width_ = height_ = 0;
    stride_ = 0;
}

void Image::allocate(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    checkSize(width, height);
    width_ = width;
    height_ = height;
    stride_ = strideFor(width);
    capacity_ = byteSize();
    data_ = allocBytes(capacity_);
    if (capacity_) std::memset(data_, 0, capacity_);
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
