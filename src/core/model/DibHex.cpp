#include "core/model/DibHex.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace roamplot {

namespace {

void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

uint32_t GetLittleEndian(std::string_view bytes, std::size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool HasColourTable(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8;
}

// Walks the block's lines as if they were one text joined by CR LF.
class JoinedText {
  public:
    explicit JoinedText(HexLineSource& lines) : lines_(lines) {}

    // The next two characters when both lie inside the current line, the usual case.
    bool NextPairInLine(char& first, char& second) {
        if (breakLeft_ > 0 || at_ + 1 >= line_.size()) return false;
        first = line_[at_];
        second = line_[at_ + 1];
        at_ += 2;
        return true;
    }

    // The next character, or nothing at the end of the text.
    std::optional<char> Next() {
        while (true) {
            if (breakLeft_ == 2) return --breakLeft_, '\r';
            if (breakLeft_ == 1) return --breakLeft_, '\n';
            if (at_ < line_.size()) return line_[at_++];
            if (ended_) return std::nullopt;
            std::optional<std::string_view> next = lines_.NextLine();
            if (!next) {
                ended_ = true;
                continue;
            }
            // Lines are joined: a break stands between each line and the next.
            if (started_) breakLeft_ = 2;
            started_ = true;
            line_ = *next;
            at_ = 0;
        }
    }

  private:
    HexLineSource& lines_;
    std::string_view line_;
    std::size_t at_ = 0;
    int breakLeft_ = 0;
    bool started_ = false;
    bool ended_ = false;
};

class ListedLines : public HexLineSource {
  public:
    explicit ListedLines(const std::vector<std::string_view>& lines) : lines_(lines) {}
    std::optional<std::string_view> NextLine() override {
        if (next_ >= lines_.size()) return std::nullopt;
        return lines_[next_++];
    }

  private:
    const std::vector<std::string_view>& lines_;
    std::size_t next_ = 0;
};

enum class PairStatus { Byte, End, Bad };

class HexByteReader {
  public:
    explicit HexByteReader(HexLineSource& lines) : text_(lines) {}

    PairStatus Next(uint8_t& byte) {
        char first = 0;
        char second = 0;
        while (!text_.NextPairInLine(first, second)) {
            std::optional<char> a = text_.Next();
            std::optional<char> b = a ? text_.Next() : std::nullopt;
            // A single digit left over holds no byte.
            if (!b) return PairStatus::End;
            if (*a == '\r' && *b == '\n') continue;
            first = *a;
            second = *b;
            break;
        }
        const int high = HexValue(first);
        const int low = HexValue(second);
        if (high < 0 || low < 0) {
            badPair_ = std::string{first, second};
            return PairStatus::Bad;
        }
        byte = static_cast<uint8_t>(high * 16 + low);
        return PairStatus::Byte;
    }

    // Appends up to count bytes from the text, growing the buffer only as the
    // text yields them; false when a pair was not hexadecimal.
    bool Append(std::vector<uint8_t>& out, std::size_t count, bool& ended) {
        uint8_t byte = 0;
        for (std::size_t i = 0; i < count; ++i) {
            PairStatus status = Next(byte);
            if (status == PairStatus::Bad) return false;
            if (status == PairStatus::End) {
                ended = true;
                return true;
            }
            out.push_back(byte);
        }
        return true;
    }

    // Fills the bytes from the text; false when a pair was not hexadecimal.
    // Bytes the text does not hold stay as they are.
    bool Fill(uint8_t* out, std::size_t count, bool& ended) {
        for (std::size_t i = 0; i < count; ++i) {
            PairStatus status = Next(out[i]);
            if (status == PairStatus::Bad) return false;
            if (status == PairStatus::End) {
                ended = true;
                return true;
            }
        }
        return true;
    }

    std::string BadPairMessage() const {
        std::string shown;
        for (char c : badPair_)
            shown += (c == '\r' ? std::string("\\r") : c == '\n' ? "\\n" : std::string(1, c));
        return "'" + shown + "' is not a hexadecimal byte";
    }

  private:
    JoinedText text_;
    std::string badPair_;
};

} // namespace

std::size_t DibImageSize(const DibHeader& header) {
    if (header.Width <= 0 || header.Height == 0) return 0;
    return Dib::RowStrideFor(header.Width, header.BitCount) *
           static_cast<std::size_t>(std::abs(static_cast<int64_t>(header.Height)));
}

std::string DibHeaderToBytes(const DibHeader& header) {
    std::string out;
    out.reserve(DibHeaderBytes);
    PutLittleEndian(out, static_cast<uint32_t>(DibHeaderBytes), 4);
    PutLittleEndian(out, static_cast<uint32_t>(header.Width), 4);
    PutLittleEndian(out, static_cast<uint32_t>(header.Height), 4);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, header.BitCount, 2);
    PutLittleEndian(out, header.Compression, 4);
    PutLittleEndian(out, static_cast<uint32_t>(DibImageSize(header)), 4);
    PutLittleEndian(out, static_cast<uint32_t>(header.XPelsPerMeter), 4);
    PutLittleEndian(out, static_cast<uint32_t>(header.YPelsPerMeter), 4);
    PutLittleEndian(out, header.ClrUsed, 4);
    PutLittleEndian(out, header.ClrImportant, 4);
    return out;
}

DibHeader DibHeaderFromBytes(std::string_view bytes) {
    DibHeader header;
    header.Size = GetLittleEndian(bytes, 0, 4);
    header.Width = static_cast<int32_t>(GetLittleEndian(bytes, 4, 4));
    header.Height = static_cast<int32_t>(GetLittleEndian(bytes, 8, 4));
    header.Planes = static_cast<uint16_t>(GetLittleEndian(bytes, 12, 2));
    header.BitCount = static_cast<uint16_t>(GetLittleEndian(bytes, 14, 2));
    header.Compression = GetLittleEndian(bytes, 16, 4);
    header.SizeImage = GetLittleEndian(bytes, 20, 4);
    header.XPelsPerMeter = static_cast<int32_t>(GetLittleEndian(bytes, 24, 4));
    header.YPelsPerMeter = static_cast<int32_t>(GetLittleEndian(bytes, 28, 4));
    header.ClrUsed = GetLittleEndian(bytes, 32, 4);
    header.ClrImportant = GetLittleEndian(bytes, 36, 4);
    return header;
}

std::string DibToBytes(const Dib& dib) {
    std::string out = DibHeaderToBytes(dib.Header);
    auto append = [&out](const std::vector<uint8_t>& from, std::size_t count) {
        std::size_t present = std::min(count, from.size());
        out.append(reinterpret_cast<const char*>(from.data()), present);
        out.append(count - present, '\0');
    };
    if (HasColourTable(dib.BitCount()))
        append(dib.ColorTable, Dib::ColorTableEntriesFor(dib.BitCount()) * 4);
    append(dib.Pixels, DibImageSize(dib.Header));
    return out;
}

std::string HexLines(std::string_view bytes) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    constexpr std::size_t BytesPerLine = HexDigitsPerLine / 2;
    std::string out;
    out.reserve(bytes.size() * 2 + (bytes.size() / BytesPerLine + 1) * 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        auto byte = static_cast<uint8_t>(bytes[i]);
        out.push_back(Digits[byte >> 4]);
        out.push_back(Digits[byte & 15]);
        if ((i + 1) % BytesPerLine == 0 || i + 1 == bytes.size()) out += "\r\n";
    }
    return out;
}

std::string DibHeaderProblem(const DibHeader& header) {
    const int bits = header.BitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return "unsupported bit count " + std::to_string(bits);
    if (header.Compression != 0) return "compressed bitmaps are not supported";
    if (header.Width <= 0 || header.Height <= 0)
        return "size " + std::to_string(header.Width) + " x " + std::to_string(header.Height);
    if (header.Width > MostDibSide || header.Height > MostDibSide)
        return "size " + std::to_string(header.Width) + " x " + std::to_string(header.Height) +
               " is larger than " + std::to_string(MostDibSide);
    if (DibImageSize(header) > MostDibPixelBytes || header.SizeImage > MostDibPixelBytes)
        return "image size larger than 16 MiB";
    return {};
}

DibHexResult DibFromHexLines(HexLineSource& lines) {
    DibHexResult result;
    HexByteReader reader(lines);
    bool ended = false;

    uint8_t headerBytes[DibHeaderBytes] = {};
    if (!reader.Fill(headerBytes, DibHeaderBytes, ended)) {
        result.Error = reader.BadPairMessage();
        return result;
    }
    Dib dib;
    dib.Header = DibHeaderFromBytes(
        std::string_view(reinterpret_cast<const char*>(headerBytes), DibHeaderBytes));
    result.Refused = DibHeaderProblem(dib.Header);
    if (!result.Refused.empty()) return result;

    if (HasColourTable(dib.BitCount())) {
        dib.ColorTable.assign(Dib::ColorTableEntriesFor(dib.BitCount()) * 4, 0);
        if (!ended && !reader.Fill(dib.ColorTable.data(), dib.ColorTable.size(), ended)) {
            result.Error = reader.BadPairMessage();
            return result;
        }
    }
    const std::size_t imageSize = DibImageSize(dib.Header);
    // The section holds whole rows whatever the header's image size says;
    // a stored 0 means the rows are all there.
    const std::size_t announced = dib.Header.SizeImage == 0 ? imageSize : dib.Header.SizeImage;
    if (!ended && !reader.Append(dib.Pixels, std::min(announced, imageSize), ended)) {
        result.Error = reader.BadPairMessage();
        return result;
    }
    if (dib.Pixels.size() < imageSize && imageSize > MostPaddedPixelBytes) {
        result.Refused = "it holds " + std::to_string(dib.Pixels.size()) + " of its " +
                         std::to_string(imageSize) + " pixel bytes";
        return result;
    }
    dib.Pixels.resize(imageSize, 0);
    dib.Header.Size = DibHeaderBytes;
    dib.Header.Planes = 1;
    dib.Header.SizeImage = static_cast<uint32_t>(imageSize);
    result.Padded = ended;
    result.Picture = std::move(dib);
    return result;
}

DibHexResult DibFromHexLines(const std::vector<std::string_view>& lines) {
    ListedLines listed(lines);
    return DibFromHexLines(listed);
}

} // namespace roamplot
