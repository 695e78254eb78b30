#pragma once
// The lines of a text file one at a time, as views into its bytes: CR LF, LF
// and a lone CR each end a line. Nothing is listed, so a file of millions of
// line ends costs no more memory than its bytes, and no byte is scanned more
// than twice.
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
    // The first CR or LF from `from`. The library's search is the fastest
    // scan, but it looks for one byte: the next LF is found once and kept, and
    // the CR is looked for only before it, so each byte is scanned at most
    // twice however the line ends are mixed.
    std::size_t LineEnd(std::size_t from) {
        if (!lfKnown_ || lf_ < from) {
            const void* lf = std::memchr(bytes_.data() + from, '\n', bytes_.size() - from);
            lf_ = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - bytes_.data())
                     : bytes_.size();
            lfKnown_ = true;
        }
        const void* cr = std::memchr(bytes_.data() + from, '\r', lf_ - from);
        return cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - bytes_.data()) : lf_;
    }

    std::string_view bytes_;
    std::size_t at_ = 0;
    int number_ = 0;
    std::size_t lf_ = 0; // the first LF at or after the line being split, or the end
    bool lfKnown_ = false;
};

} // namespace roamplot
