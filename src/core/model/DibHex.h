#pragma once
// The hexadecimal bitmap blocks of parameter files: a Dib's device-independent
// bytes as upper-case hexadecimal, and the way back.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/Dib.h"

namespace roamplot {

inline constexpr std::size_t DibHeaderBytes = 40;
inline constexpr std::size_t HexDigitsPerLine = 64;
// A picture read from a file may not claim more than this; it keeps a damaged
// header from making us allocate what no handheld could show.
inline constexpr std::size_t MostDibPixelBytes = 16u << 20;

// The size of the pixel rows; a header that stores 0 (as .bmp files may) gets it computed.
std::size_t DibImageSize(const DibHeader& header);

// The 40-byte header as the system returns it for a section: size 40, one
// plane and the image size filled in.
std::string DibHeaderToBytes(const DibHeader& header);
DibHeader DibHeaderFromBytes(std::string_view bytes); // at least 40 bytes

// Header, colour table (1, 4 and 8 bits only) and exactly the image size of
// pixel bytes; what the Dib lacks is written as zeros.
std::string DibToBytes(const Dib& dib);

// Upper-case hexadecimal, two digits a byte, in lines of 64 digits each ending
// in CR LF; the last line holds the rest.
std::string HexLines(std::string_view bytes);

// Why a header cannot become a picture, or empty when it can.
std::string DibHeaderProblem(const DibHeader& header);

struct DibHexResult {
    std::optional<Dib> Picture;
    // Set when the text held something other than hexadecimal digit pairs.
    std::string Error;
    // Set when the header was refused; the text itself was sound.
    std::string Refused;
    bool Padded = false; // the text ended before the bytes the header announced
};

// The lines of a bitmap block, handed out one at a time so that a block of
// millions of lines is never held as a list.
class HexLineSource {
  public:
    virtual ~HexLineSource() = default;
    // The next line of the block, or nothing after its last.
    virtual std::optional<std::string_view> NextLine() = 0;
};

// A short block is padded with zeros only up to this many pixel bytes (a
// 128 x 128 picture of 32 bits); a larger picture must bring its bytes, so a
// header alone never makes us allocate more than its block can fill.
inline constexpr std::size_t MostPaddedPixelBytes = 64u << 10;

// Reads the lines of a bitmap block (without its "END"). The lines are taken
// as one text joined by CR LF and read two characters at a time from its
// start, a CR LF pair being skipped, so every line must hold an even number of
// digits. Only the bytes the header announces are read; the lines after them
// are left to the caller.
DibHexResult DibFromHexLines(HexLineSource& lines);
DibHexResult DibFromHexLines(const std::vector<std::string_view>& lines);

} // namespace roamplot
