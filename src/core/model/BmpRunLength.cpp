#include "core/model/BmpRunLength.h"

#include "core/model/Dib.h"

namespace roamplot {

namespace {

constexpr uint8_t EndOfLine = 0;
constexpr uint8_t EndOfBitmap = 1;
constexpr uint8_t Delta = 2;

class RowWriter {
  public:
    RowWriter(int bits, int32_t width, int32_t height, std::vector<uint8_t>& pixels)
        : bits_(bits), width_(static_cast<std::size_t>(width)),
          height_(static_cast<std::size_t>(height)), stride_(Dib::RowStrideFor(width, bits)),
          // Writers encode the padding of a row too; those pixels are dropped.
          rowPixels_(stride_ * 8 / static_cast<std::size_t>(bits)), pixels_(pixels) {
        pixels_.assign(stride_ * height_, 0);
    }

    // Why `count` pixels cannot go at the current place, or the empty text.
    std::string Refusal(std::size_t count) const {
        if (y_ >= height_) return "a run lies above the top row of the picture";
        if (x_ + count > rowPixels_)
            return "a run passes the end of row " + std::to_string(height_ - y_) +
                   " (counted from the top)";
        return {};
    }
    void Put(uint8_t index) {
        if (x_ < width_) {
            uint8_t& at = pixels_[y_ * stride_ + (bits_ == 8 ? x_ : x_ / 2)];
            at = bits_ == 8 ? index : static_cast<uint8_t>(at | (x_ % 2 ? index : index << 4));
        }
        ++x_;
    }
    void NextLine() {
        x_ = 0;
        if (y_ < height_) ++y_;
    }
    bool Move(std::size_t right, std::size_t up) {
        x_ += right;
        y_ += up;
        return x_ <= rowPixels_ && y_ < height_;
    }
    bool AllRowsEnded() const { return y_ >= height_; }

  private:
    int bits_;
    std::size_t width_, height_, stride_, rowPixels_;
    std::vector<uint8_t>& pixels_;
    std::size_t x_ = 0, y_ = 0; // y counts rows from the bottom
};

} // namespace

std::string DecodeRunLength(std::string_view data, int bits, int32_t width, int32_t height,
                            std::vector<uint8_t>& pixels) {
    RowWriter rows(bits, width, height, pixels);
    const auto byte = [&](std::size_t at) { return static_cast<uint8_t>(data[at]); };
    std::size_t at = 0;
    while (at + 2 <= data.size()) {
        const uint8_t count = byte(at), value = byte(at + 1);
        at += 2;
        if (count > 0) { // a run of one index, or of two alternating ones at 4 bits
            if (std::string refusal = rows.Refusal(count); !refusal.empty()) return refusal;
            for (unsigned i = 0; i < count; ++i)
                rows.Put(bits == 8 ? value : (i % 2 ? value & 15 : value >> 4));
        } else if (value == EndOfLine) {
            rows.NextLine();
        } else if (value == EndOfBitmap) {
            return {};
        } else if (value == Delta) {
            if (at + 2 > data.size()) break;
            if (!rows.Move(byte(at), byte(at + 1))) return "a delta code moves outside the picture";
            at += 2;
        } else { // absolute: `value` indexes as they stand, padded to an even byte count
            const std::size_t bytes = bits == 8 ? value : (value + 1u) / 2;
            if (at + bytes > data.size()) break;
            if (std::string refusal = rows.Refusal(value); !refusal.empty()) return refusal;
            for (unsigned i = 0; i < value; ++i) {
                const uint8_t b = byte(at + (bits == 8 ? i : i / 2));
                rows.Put(bits == 8 ? b : (i % 2 ? b & 15 : b >> 4));
            }
            at += bytes + bytes % 2;
        }
    }
    // Some writers stop after the last row's end-of-line.
    if (rows.AllRowsEnded()) return {};
    return "the run-length data ends before its end-of-bitmap code";
}

} // namespace roamplot
