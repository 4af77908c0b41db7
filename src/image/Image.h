// SPDX-License-Identifier: GPL-3.0-or-later
// The 24-bit picture every operation works on: bytes blue, green, red per pixel,
// row 0 at the top, each row padded to a multiple of 4 bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "image/Translatable.h"

namespace lum {

// Raised when an image would exceed what we are willing to allocate.
class ImageTooLarge : public std::runtime_error {
public:
    explicit ImageTooLarge(Words words) : std::runtime_error(words.English()), words_(std::move(words)) {}
    const Words& words() const { return words_; }

private:
    Words words_;
};

class Image {
public:
    // Largest pixel count we allocate; larger pictures are refused before any memory is taken.
    static constexpr int64_t kMaxPixels = 250LL * 1000 * 1000;

    Image() = default;
    Image(int width, int height);
    Image(const Image& other);
    Image& operator=(const Image& other);
    Image(Image&& other) noexcept;
    Image& operator=(Image&& other) noexcept;
    ~Image();

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }
    // Bytes per row including the padding to 4.
    size_t stride() const { return stride_; }
    static size_t strideFor(int width) { return (static_cast<size_t>(width) * 3 + 3) & ~size_t(3); }

    uint8_t* row(int y) { return data_ + static_cast<size_t>(y) * stride_; }
    const uint8_t* row(int y) const { return data_ + static_cast<size_t>(y) * stride_; }
    uint8_t* data() { return data_; }
    const uint8_t* data() const { return data_; }
    size_t byteSize() const { return stride_ * static_cast<size_t>(height_ > 0 ? height_ : 0); }

    // Pixel helpers for tests and slow paths; pixel code uses row().
    uint8_t* pixel(int x, int y) { return row(y) + 3 * static_cast<size_t>(x); }
    const uint8_t* pixel(int x, int y) const { return row(y) + 3 * static_cast<size_t>(x); }
    void setPixel(int x, int y, uint8_t r, uint8_t g, uint8_t b);

    // Resize keeping the overlapping area; new pixels are black. Negative sizes count as 0.
    // Throws ImageTooLarge above kMaxPixels.
    void resize(int width, int height);
    // Every image is already 24-bit; kept so call sites read like the operations they follow.
    void setPixelFormat24() {}
    // Exact copy, size included.
    void assign(const Image& other) { *this = other; }
    // Copy the overlapping area of src onto this image at (0, 0).
    void drawAt00(const Image& src);
    void fill(uint8_t r, uint8_t g, uint8_t b);

    // Same size and the same pixels (padding ignored).
    bool samePixels(const Image& other) const;
    bool operator==(const Image& other) const { return samePixels(other); }
    bool operator!=(const Image& other) const { return !samePixels(other); }

    // Throws ImageTooLarge when width x height is not acceptable.
    static void checkSize(int64_t width, int64_t height);

    // Up to `bytes` of big pixel buffers given back are kept for the next pictures that fit
    // them, instead of going back to the system: a window that keeps replacing photos then
    // writes into pages it already has, where fresh ones would have to be cleared (and put
    // together as huge pages) by the system first. 0 (the default, right for the command
    // line) gives them back at once; a smaller limit drops what no longer fits.
    static void SetBufferReserve(size_t bytes);

private:
    // zeroed: new pixels black; false when every byte is about to be written anyway.
    void allocate(int width, int height, bool zeroed = true);
    void release();
    // The bytes of other, which has this image's size.
    void copyPixels(const Image& other);

    int width_ = 0;
    int height_ = 0;
    size_t stride_ = 0;
    uint8_t* data_ = nullptr;
    size_t capacity_ = 0;
};

}  // namespace lum
