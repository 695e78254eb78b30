#pragma once
// The lines of a text file one at a time, as views into its bytes: CR LF, LF
// and a lone CR each end a line. Nothing is listed, so a file of millions of
// line ends costs no more memory than its bytes and is walked once.
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
        const std::size_t end = bytes_.find_first_of("\r\n", at_);
        FileLine line{++number_,
                      bytes_.substr(at_, end == std::string_view::npos ? end : end - at_)};
        if (end == std::string_view::npos) {
            at_ = bytes_.size();
        } else {
            at_ = end + 1;
            if (bytes_[end] == '\r' && at_ < bytes_.size() && bytes_[at_] == '\n') ++at_;
        }
        return line;
    }

  private:
    std::string_view bytes_;
    std::size_t at_ = 0;
    int number_ = 0;
};

} // namespace roamplot
