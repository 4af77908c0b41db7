// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/FloodFill.h"

#include <algorithm>
#include <chrono>
#include <deque>

namespace lum {

namespace {

// One channel test as one unsigned compare: v - lo wraps above span when v < lo.
struct Matcher {
    uint32_t loB, loG, loR, spanB, spanG, spanR;
    bool operator()(const uint8_t* p) const {
        return static_cast<uint32_t>(p[0] - loB) <= spanB && static_cast<uint32_t>(p[1] - loG) <= spanG &&
               static_cast<uint32_t>(p[2] - loR) <= spanR;
    }
};

// A seed point and the span of the row it was found from. Every pixel of that span was
// filled, so the walk back towards that row skips it.
struct Node {
    int32_t x, y;
    int32_t parentLeft, parentRight, parentRow;
};

// Checking the clock costs more than testing a few thousand pixels, so it is read only after
// this many pixel tests.
constexpr int64_t kWorkPerClockCheck = 1 << 14;

class Filler {
public:
    Filler(Image& img, const Matcher& m, Colour fill, const FillProgress& progress)
        : W_(img.width()),
          H_(img.height()),
          base_(img.data()),
          stride_(img.stride()),
          match_(m),
          progress_(progress),
          last_(std::chrono::steady_clock::now()) {
        colour_[0] = static_cast<uint8_t>(ColourB(fill));
        colour_[1] = static_cast<uint8_t>(ColourG(fill));
        colour_[2] = static_cast<uint8_t>(ColourR(fill));
    }

    void Run(int x0, int y0, FillOutcome& out) {
        queue_.push_back({x0, y0, 1, 0, y0});
        while (!queue_.empty()) {
            const Node n = queue_.front();
            queue_.pop_front();
            Span(n);
            if (work_ >= kWorkPerClockCheck && !Tick()) {
                out.Stopped = true;
                break;
            }
        }
        out.FilledPixels = filled_;
        if (filled_ > 0) out.Changed = {minX_, minY_, maxX_ + 1, maxY_ + 1};
    }

private:
    uint8_t* Row(int y) const { return base_ + static_cast<size_t>(y) * stride_; }

    // A node whose pixel no longer matches was filled by an earlier span, and that span
    // already reached every matching pixel on either side of it.
    void Span(const Node& n) {
        uint8_t* row = Row(n.y);
        work_ += 1;
        if (!match_(row + 3 * static_cast<size_t>(n.x))) return;
        int right = n.x;
        for (uint8_t* p = row + 3 * static_cast<size_t>(right); right < W_ && match_(p); ++right, p += 3) Set(p);
        --right;
        int left = n.x;
        while (left > 0 && match_(row + 3 * static_cast<size_t>(left - 1))) Set(row + 3 * static_cast<size_t>(--left));
        filled_ += right - left + 1;
        work_ += 2 * int64_t{right - left + 1};
        minX_ = std::min(minX_, left);
        maxX_ = std::max(maxX_, right);
        minY_ = std::min(minY_, n.y);
        maxY_ = std::max(maxY_, n.y);
        for (const int ny : {n.y + 1, n.y - 1}) {
            if (ny < 0 || ny >= H_) continue;
            if (ny == n.parentRow && n.parentLeft <= n.parentRight) {
                Walk(ny, left, std::min(right, n.parentLeft - 1), n.y, left, right);
                Walk(ny, std::max(left, n.parentRight + 1), right, n.y, left, right);
            } else {
                Walk(ny, left, right, n.y, left, right);
            }
        }
    }

    // Queues the first pixel of every run of matching pixels of row ny within [a, b].
    void Walk(int ny, int a, int b, int fromRow, int left, int right) {
        if (a > b) return;
        const uint8_t* row = Row(ny);
        const uint8_t* p = row + 3 * static_cast<size_t>(a);
        int x = a;
        while (x <= b) {
            while (x <= b && !match_(p)) ++x, p += 3;
            if (x > b) break;
            queue_.push_back({x, ny, left, right, fromRow});
            while (x <= b && match_(p)) ++x, p += 3;
        }
    }

    void Set(uint8_t* p) const {
        p[0] = colour_[0];
        p[1] = colour_[1];
        p[2] = colour_[2];
    }

    bool Tick() {
        work_ = 0;
        if (!progress_.Tick) return true;
        const auto now = std::chrono::steady_clock::now();
        if (now - last_ < std::chrono::milliseconds(progress_.IntervalMs)) return true;
        const bool go_on = progress_.Tick();
        last_ = std::chrono::steady_clock::now();
        return go_on;
    }

    const int W_, H_;
    uint8_t* const base_;
    const size_t stride_;
    const Matcher match_;
    const FillProgress& progress_;
    std::chrono::steady_clock::time_point last_;
    uint8_t colour_[3] = {0, 0, 0};
    std::deque<Node> queue_;
    int64_t work_ = 0;
    int64_t filled_ = 0;
    int minX_ = 0x7fffffff, minY_ = 0x7fffffff, maxX_ = -1, maxY_ = -1;
};

}  // namespace

FillOutcome FloodFill(Image& work, int x0, int y0, int threshold, Colour fill, const FillProgress& progress) {
    FillOutcome out;
    if (x0 < 0 || y0 < 0 || x0 > work.width() - 1 || y0 > work.height() - 1) return out;

    const uint8_t* seed = work.pixel(x0, y0);
    const ColourWindow win = MakeColourWindow(MakeColour(seed[2], seed[1], seed[0]), threshold);
    if (MakeColour(seed[2], seed[1], seed[0]) == fill) {
        out.Status = FillStatus::AlreadyFilled;
        return out;
    }
    if (win.contains(fill)) {
        out.Status = FillStatus::TooClose;
        return out;
    }
    out.Status = FillStatus::Filled;
    // A negative threshold leaves an empty window: even the seed does not match.
    if (win.lo.R > win.hi.R || win.lo.G > win.hi.G || win.lo.B > win.hi.B) return out;

    const Matcher m{static_cast<uint32_t>(win.lo.B),
                    static_cast<uint32_t>(win.lo.G),
                    static_cast<uint32_t>(win.lo.R),
                    static_cast<uint32_t>(win.hi.B - win.lo.B),
                    static_cast<uint32_t>(win.hi.G - win.lo.G),
                    static_cast<uint32_t>(win.hi.R - win.lo.R)};
    Filler(work, m, fill, progress).Run(x0, y0, out);
    return out;
}

}  // namespace lum
