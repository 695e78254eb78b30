#include <gtest/gtest.h>

#include <QImage>

#include "RenderTestSupport.h"
#include "plain/TempFolder.h"
#include "render/PageExport.h"
#include "render/PathText.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

const Colour Red = MakeColour(255, 0, 0);

// Pages 1 and 3 hold a red background box each; page 2 is empty.
ScreenLayout TwoPages() {
    ScreenLayout layout;
    for (int page : {1, 3}) {
        ParameterBox box = NewBox(page, BoxKind::Background, "1", 10, 10, 40, 30);
        box.PageNo = page;
        box.TextBackColor = box.BorderColor = Red;
        layout.Box(page, 1) = box;
    }
    layout.PageAt(1).PageName = "Main";
    layout.PageAt(2).PageName = "Empty";
    layout.PageAt(3).PageName = "Trip: a/b";
    return layout;
}

RenderContext Area(int width, int height) {
    RenderContext context;
    context.DrawArea = {width, height};
    return context;
}

QImage Read(const std::filesystem::path& file) {
    return QImage(QStringFromPath(file));
}

} // namespace

TEST(PageExport, FileNamesHoldTheNumberAndWhatAFileNameCanOfTheName) {
    EXPECT_EQ(PageFileName(1, "Main"), std::filesystem::path("page-01-Main.png"));
    EXPECT_EQ(PageFileName(12, " Trip: a/b\\c*?\"<>| "),
              std::filesystem::path("page-12-Trip_ a_b_c______.png"));
    EXPECT_EQ(PageFileName(3, "dots..."), std::filesystem::path("page-03-dots.png"));
    EXPECT_EQ(PageFileName(20, ""), std::filesystem::path("page-20.png"));
    EXPECT_EQ(PageFileName(4, "Gr\xfc\xdf"
                              "e"),
              std::filesystem::path(u8"page-04-Grüße.png"));
}

TEST(PageExport, WritesEveryPageHoldingBoxesAtTheZoomAndASheetOfThemAll) {
    TempFolder work;
    const std::filesystem::path folder = work.Folder() / "pages";
    std::vector<std::pair<int, int>> told;
    const PageExportResult result =
        ExportPages(TwoPages(), Area(120, 80), 2, folder, work.Folder() / "sheet.png",
                    [&](int done, int total) {
                        told.push_back({done, total});
                        return true;
                    });
    ASSERT_TRUE(result.Ok()) << result.Error;
    EXPECT_EQ(result.Written, 2);
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
    const QImage first = Read(folder / "page-01-Main.png");
    EXPECT_EQ(first.size(), QSize(240, 160));
    EXPECT_EQ(PixelAt(first, 2 * 30, 2 * 25), Red);
    EXPECT_EQ(PixelAt(first, 2 * 80, 2 * 25), White);
    EXPECT_EQ(Read(folder / "page-03-Trip_ a_b.png").size(), QSize(240, 160));
    EXPECT_FALSE(std::filesystem::exists(folder / "page-02-Empty.png"));

    // The sheet holds the pages at their own size side by side, each over its name.
    const QImage sheet = Read(work.Folder() / "sheet.png");
    ASSERT_FALSE(sheet.isNull());
    EXPECT_GE(sheet.width(), 2 * 120);
    EXPECT_LT(sheet.width(), 2 * 120 + 40);
    EXPECT_GT(sheet.height(), 80);
    EXPECT_EQ(CountColour(sheet, sheet.rect(), Red), 2 * 40 * 30);
    const int captionTop = 8 + 80;
    EXPECT_LT(CountColour(sheet, QRect(8, captionTop, 120, 18), White), 120 * 18) << "a caption";
}

TEST(PageExport, StopsWhenCancelledAndTellsAFolderThatCannotBeWritten) {
    TempFolder work;
    const PageExportResult cancelled =
        ExportPages(TwoPages(), Area(60, 40), 1, work.Folder() / "out", work.Folder() / "s.png",
                    [](int done, int) { return done < 1; });
    EXPECT_TRUE(cancelled.Cancelled);
    EXPECT_EQ(cancelled.Written, 1);
    EXPECT_TRUE(std::filesystem::exists(work.Folder() / "out" / "page-01-Main.png"));
    EXPECT_FALSE(std::filesystem::exists(work.Folder() / "out" / "page-03-Trip_ a_b.png"));
    EXPECT_FALSE(std::filesystem::exists(work.Folder() / "s.png"));

    work.Write("taken", "a file where the folder would go");
    const PageExportResult refused =
        ExportPages(TwoPages(), Area(60, 40), 1, work.Folder() / "taken", {});
    EXPECT_FALSE(refused.Ok());
    EXPECT_EQ(refused.Failed, work.Folder() / "taken");
    EXPECT_NE(refused.Error.find("Cannot write to the folder"), std::string::npos) << refused.Error;
    EXPECT_EQ(refused.Written, 0);
}
