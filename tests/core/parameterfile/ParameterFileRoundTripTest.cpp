#include "plain/CoreTest.h"
#include <map>
#include <random>

#include "core/model/ParameterFileReader.h"
#include "core/model/ParameterFileWriter.h"

namespace {

// Builds layouts from a seed. A "faithful" layout holds only what the file
// stores in the form the reader gives back; any other layout may hold
// whatever the editor lets a user make, and worse.
class LayoutMaker {
  public:
    LayoutMaker(unsigned seed, bool faithful, const std::string& bigSymbolFile)
        : random_(seed), faithful_(faithful), bigSymbolFile_(bigSymbolFile) {}

    void Make(ScreenLayout& layout, DeviceScreen& screen) {
        screen.Row = Pick(0, 7);
        screen.CustomWidth = Pick(100, 800);
        screen.CustomHeight = Pick(100, 600);
        layout.DeviceTypeCode = screen.DeviceTypeCode();
        area_ = screen.DrawArea();
        const int pages = Pick(1, 6);
        for (int p = 1; p <= MaxPages; ++p) {
            if (faithful_ ? p > pages : Pick(0, 2) == 0) continue;
            layout.PageAt(p).PageName = faithful_ ? Word(1, 12) : Text(0, 12);
            const int boxes = Pick(1, 32);
            for (int s = 1; s <= boxes; ++s) layout.Box(p, s) = MakeBox(p);
        }
    }

    static Dib Symbol(int index) {
        static const int depths[] = {1, 4, 8, 16, 24, 32};
        return PatternDib(3 + index * 5, 2 + index * 3, depths[index % 6], index);
    }
    static Dib BigSymbol() { return PatternDib(60, 60, 24, 9); }

  private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    Colour AnyColour() { return static_cast<Colour>(Pick(0, 0xFFFFFF)); }

    // Letters, digits, inner blanks and Windows-1252 letters; no commas and no edge blanks.
    std::string Word(int shortest, int longest) {
        std::string word = Drawn("abcXYZ019 -_/()\xB0\xE9\xFC", shortest, longest);
        while (!word.empty() && word.back() == ' ') word.pop_back();
        while (!word.empty() && word.front() == ' ') word.erase(word.begin());
        return word;
    }
    // Anything a field may hold once typed in: commas and edge blanks included.
    std::string Text(int shortest, int longest) {
        return Drawn("ab, 9;$x0-\xB0", shortest, longest);
    }
    std::string Drawn(const std::string& characters, int shortest, int longest) {
        std::string text;
        const int length = Pick(shortest, longest);
        for (int i = 0; i < length; ++i)
            text += characters[static_cast<std::size_t>(Pick(0, int(characters.size()) - 1))];
        return text;
    }

    ParameterBox MakeBox(int page) {
        static const char* kinds[] = {"map", "txt", "sp", "mp", "np", "bg", "bb", "new"};
        ParameterBox box;
        box.PageNo = page;
        // A box whose parameter was not chosen is not written, and the boxes after it move down.
        box.Kind = kinds[Pick(0, faithful_ ? 6 : 7)];
        box.ParameterId = std::to_string(Pick(1, 1999));
        if (faithful_) {
            box.Left = Pick(0, area_.Width - 1);
            box.Top = Pick(0, area_.Height - 1);
            box.Width = Pick(0, area_.Width - box.Left);
            box.Height = Pick(0, area_.Height - box.Top);
        } else {
            box.Left = Pick(-50, 900);
            box.Top = Pick(-50, 900);
            box.Width = Pick(-5, 900);
            box.Height = Pick(-5, 900);
        }
        box.TitleText = faithful_ ? Word(0, 20) : Text(0, 20);
        box.TitleFontSize = Pick(-3, 72);
        box.TitleForeColor = AnyColour();
        box.TitleBackColor = AnyColour();
        box.TitleBackStyle = Pick(0, 3);
        box.TextFontSize = Pick(0, 40);
        box.TextForeColor = AnyColour();
        box.TextBackColor = AnyColour();
        box.TextBackStyle = Pick(0, 3);
        box.BorderColor = AnyColour();
        box.BorderWidth = Pick(0, 6);
        box.BorderRadius = Pick(0, 12);
        box.Justification = std::string(1, "CLR"[Pick(0, 2)]);
        box.Units = faithful_ ? Word(1, 8) : Text(0, 8);
        box.ShowUnits = Pick(0, 1);
        static const char* decimals[] = {"Auto", "0", "1", "2", "3", "4", "5"};
        box.Decimals = decimals[Pick(0, 6)];
        box.Selected = Pick(0, 1);
        if (box.Kind == "bb" || box.Kind == "bg") GiveSymbol(box);
        if (faithful_) MatchReader(box);
        return box;
    }

    void GiveSymbol(ParameterBox& box) {
        const int choice = Pick(0, 7);
        box.SymbolPlacement = faithful_ ? Pick(1, box.Kind == "bb" ? 4 : 3) : Pick(0, 4);
        if (choice == 7) {
            box.Symbol = BigSymbol();
            box.SymbolFile = bigSymbolFile_;
        } else if (choice == 6) {
            box.SymbolPlacement = 0;
        } else {
            box.Symbol = Symbol(choice);
            box.SymbolFile = "C:\\Symbols\\s" + std::to_string(choice) + ".bmp";
        }
    }

    // What the file does not keep is set as the reader gives it back.
    static void MatchReader(ParameterBox& box) {
        if (box.Kind == "bb") {
            box.BorderWidth = 1;
            box.BorderRadius = box.ButtonStyle == 1 ? 6 : 0;
            box.BorderColor = box.ButtonStyle == 1 ? Grey : Black;
        }
        box.Selected = 0;
    }

    std::mt19937 random_;
    bool faithful_;
    std::string bigSymbolFile_;
    ScreenSize area_;
};

// Where two files part, so that a failure shows one line rather than two files.
std::string FirstDifference(const std::string& a, const std::string& b) {
    if (a == b) return {};
    std::size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
    std::size_t lineStart = a.rfind('\n', at == 0 ? 0 : at - 1);
    lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
    auto lineFrom = [lineStart](const std::string& text) {
        return text.substr(lineStart, text.find('\r', lineStart) - lineStart);
    };
    return "first: " + lineFrom(a) + "\nthen:  " + lineFrom(b);
}

class ParameterFileRoundTrip : public ::testing::Test {
  protected:
    ParameterFileRoundTrip() : bigSymbolFile_(folder_.Write("big.bmp", "a picture")) {}

    std::string Write(const ScreenLayout& layout, const DeviceScreen& screen) {
        return ComposeParameterFile(layout, screen, PlainThumbnail()).Bytes;
    }

    std::string ReadAndWrite(const std::string& bytes, DesignerSettings& settings) {
        ScreenLayout layout;
        ParameterFileLoadReport report = LoadParameterBytes(
            layout, settings, SmallCatalogue(), bytes, [this](const std::filesystem::path& path) {
                if (path == std::filesystem::path(bigSymbolFile_))
                    return SymbolFileResult{LayoutMaker::BigSymbol(), ""};
                return SymbolFileResult{std::nullopt, "unknown"};
            });
        return Write(layout, settings.Screen);
    }

    TempFolder folder_;
    std::string bigSymbolFile_;
};

} // namespace

TEST_F(ParameterFileRoundTrip, FaithfulLayoutsComeBackByteForByte) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        ScreenLayout layout;
        DesignerSettings settings;
        LayoutMaker(seed, true, bigSymbolFile_).Make(layout, settings.Screen);
        const std::string first = Write(layout, settings.Screen);
        DesignerSettings readSettings;
        const std::string second = ReadAndWrite(first, readSettings);
        ASSERT_EQ(FirstDifference(first, second), "") << "seed " << seed;
        EXPECT_EQ(readSettings.Screen.Size(), settings.Screen.Size()) << "seed " << seed;
    }
}

TEST_F(ParameterFileRoundTrip, AnyLayoutSettlesAfterOneReading) {
    for (unsigned seed = 100; seed < 140; ++seed) {
        ScreenLayout layout;
        DesignerSettings settings;
        LayoutMaker(seed, false, bigSymbolFile_).Make(layout, settings.Screen);
        const std::string first = Write(layout, settings.Screen);
        const std::string second = ReadAndWrite(first, settings);
        const std::string third = ReadAndWrite(second, settings);
        ASSERT_EQ(FirstDifference(second, third), "") << "seed " << seed;
    }
}
