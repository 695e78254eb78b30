#pragma once
// The lines of a text file one at a time, as views into its bytes: CR LF, LF
// and a lone CR each end a line. Nothing is listed, so a file of millions of
// line ends costs no more memory than its bytes and is walked once.
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

namespace roamplot {

struct FileLine {
    int Number = 0; // counted from 1
    std::string_view Text;
};

class FileLines {
  public:
    explicit FileLines(std::string_view bytes) : bytes_(bytes) {}

    std::optional<FileLine> Next() {
        if (at_ >= bytes_.size()) return std::nullopt;
        const std::size_t end = LineEnd(at_);
        FileLine line{++number_, bytes_.substr(at_, end - at_)};
        at_ = end + 1;
        if (end < bytes_.size() && bytes_[end] == '\r' && at_ < bytes_.size() &&
            bytes_[at_] == '\n')
            ++at_;
        return line;
    }

  private:
    // The first CR or LF from `from`, in one scan: eight bytes are tested at
    // once (a byte equal to neither leaves no high bit in `found`), the
    // word holding a line end byte by byte.
    std::size_t LineEnd(std::size_t from) const {
        constexpr uint64_t ones = 0x0101010101010101u;
        constexpr uint64_t highs = 0x8080808080808080u;
        std::size_t at = from;
        for (; at + 8 <= bytes_.size(); at += 8) {
            uint64_t word = 0;
            std::memcpy(&word, bytes_.data() + at, 8);
            const uint64_t cr = word ^ (ones * '\r');
            const uint64_t lf = word ^ (ones * '\n');
            const uint64_t found = ((cr - ones) & ~cr & highs) | ((lf - ones) & ~lf & highs);
            if (found != 0) break;
        }
        while (at < bytes_.size() && bytes_[at] != '\r' && bytes_[at] != '\n') ++at;
        return at;
    }

    std::string_view bytes_;
    std::size_t at_ = 0;
    int number_ = 0;
};

} // namespace roamplot
