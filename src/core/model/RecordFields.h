#pragma once
// The fields of a parameter file record, split once: reading field n of a
// line by itself would scan the line from its start for every field.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/model/Colour.h"
#include "core/model/FieldFunctions.h"

namespace roamplot {

class RecordFields {
  public:
    static constexpr int MostFields = 24; // the longest record; later fields are never read

    // Fields are a few characters long: a plain walk beats a library search per field.
    explicit RecordFields(std::string_view line) {
        std::size_t start = 0;
        for (std::size_t at = 0;; ++at) {
            if (at < line.size() && line[at] != ',') continue;
            fields_[static_cast<std::size_t>(count_++)] = line.substr(start, at - start);
            if (at >= line.size() || count_ == MostFields) break;
            start = at + 1;
        }
    }

    std::string Text(int n, std::string_view defaultValue) const {
        return FieldText(Field(n), defaultValue);
    }
    int32_t Int(int n, int32_t defaultValue) const { return FieldInt(Field(n), defaultValue); }
    // A field of blanks reads as its default, as an empty one does: a name or
    // unit made only of blanks would otherwise come back empty once and as the
    // default after the next save, and the file would never settle.
    std::string TextOrDefault(int n, std::string_view defaultValue) const {
        std::string text = Text(n, defaultValue);
        return text.empty() ? std::string(defaultValue) : text;
    }
    Colour Rgb(int n, std::string_view defaultText) const {
        return RgbTextToColor(FieldView(Field(n), defaultText));
    }

  private:
    // A missing field reads like an empty one.
    std::string_view Field(int n) const {
        return n >= 1 && n <= count_ ? fields_[static_cast<std::size_t>(n - 1)]
                                     : std::string_view();
    }
    std::array<std::string_view, MostFields> fields_{};
    int count_ = 0;
};

} // namespace roamplot
