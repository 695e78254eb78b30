#include <QImage>

#include "core/model/DibFile.h"
#include "qt/UiTest.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
// A button box with a 60 x 30 room for its symbol, selected.
int AddButton(DesignerFixture& d) {
    const int slot = d.AddBox({0, 0, 60, 30});
    Choose(d, 1000);
    Settle();
    return slot;
}
} // namespace

// What the conversion makes is PictureImportTest's in render; here the questions and the file.
TEST(PictureChoice, APngIsSavedAsABitmapInTheSymbolsFolderAndTheBoxRefersToIt) {
    DesignerFixture d;
    const int slot = AddButton(d);
    QImage picture(100, 20, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 0, 0, 0));
    picture.setPixel(0, 0, qRgba(10, 20, 30, 255));
    const std::string png = d.folder.Write("flag.png", "");
    ASSERT_TRUE(picture.save(Q(png), "PNG"));
    d.prompter.FileAnswers = {Q(png)};
    d.prompter.Shown.clear();
    Click(d.Tab().cAddButtonSymbol);
    Settle();
    const fs::path bmp = fs::path(d.folder.Path()) / "Symbols" / "flag.bmp";
    EXPECT_EQ(d.prompter.Of("yesno"),
              QStringList{"The picture is 100 x 20 pixels, larger than its box of 60 x 30. Scale "
                          "it to fit the box?"});
    EXPECT_EQ(d.prompter.Of("confirm"),
              QStringList{"The handheld reads only bitmaps: the picture is converted to a 24-bit "
                          "bitmap and saved as \"" +
                          Native(QStringFromPath(bmp)) + "\"."});
    const DibReadResult written = ReadDibFromBmpFile(bmp);
    ASSERT_TRUE(written.Picture) << written.Error;
    EXPECT_EQ(std::tuple(written.Picture->Width(), written.Picture->Height()), std::tuple(60, 12));
    EXPECT_EQ(DibPixel(*written.Picture, 59, 11), MakeColour(255, 0, 255));
    EXPECT_EQ(d.Box(slot).SymbolFile, bmp);
    EXPECT_EQ(*d.Box(slot).Symbol, *written.Picture);

    // Chosen again: the bitmap there is not replaced without asking; No keeps it.
    d.prompter.FileAnswers = {Q(png)};
    d.prompter.ConfirmAnswers = {false, true, false}; // no scaling, OK, do not replace
    d.prompter.Shown.clear();
    Click(d.Tab().cAddButtonSymbol);
    EXPECT_EQ(d.prompter.Of("yesno").last(),
              "\"" + Native(QStringFromPath(bmp)) + "\" exists. Replace it?");
    EXPECT_EQ(ReadDibFromBmpFile(bmp).Picture->Width(), 60);
}

TEST(PictureChoice, ADamagedPictureIsToldAndTheBoxKeepsItsSymbol) {
    DesignerFixture d;
    const int slot = AddButton(d);
    d.prompter.FileAnswers = {Q(d.folder.Write("broken.png", "\x89PNG\r\n\x1a\nbroken"))};
    Click(d.Tab().cAddButtonSymbol);
    ASSERT_EQ(d.prompter.Of("error").size(), 1);
    EXPECT_TRUE(d.prompter.Of("error")[0].contains("broken.png"));
    EXPECT_FALSE(d.Box(slot).Symbol);
}
