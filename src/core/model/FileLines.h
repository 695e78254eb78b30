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
        // One pass over the bytes: a search for either end (find_first_of)
        // would test every byte against a set.
        std::size_t end = at_;
        while (end < bytes_.size() && bytes_[end] != '\r' && bytes_[end] != '\n') ++end;
        FileLine line{++number_, bytes_.substr(at_, end - at_)};
        at_ = end + 1;
        if (end < bytes_.size() && bytes_[end] == '\r' && at_ < bytes_.size() &&
            bytes_[at_] == '\n')
            ++at_;
        return line;
    }

  private:
    std::string_view bytes_;
    std::size_t at_ = 0;
    int number_ = 0;
};

} // namespace roamplot
