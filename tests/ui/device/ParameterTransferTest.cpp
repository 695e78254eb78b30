#include <QTimer>

#include "DeviceFixture.h"
#include "core/io/FileIo.h"
#include "ui/device/CopyingWindow.h"

namespace roamplot::test {
namespace {

Dib Picture(int width, int height) {
    Dib dib;
    dib.Header.Width = width;
    dib.Header.Height = height;
    dib.Header.SizeImage = static_cast<uint32_t>(dib.RowStride() * height);
    dib.Pixels.assign(dib.Header.SizeImage, 0x5A);
    return dib;
}

TEST_F(DeviceTransferTest, SendWritesTheLayoutIntoTheDeviceFolderAndKeepsTheCaption) {
    Start();
    // Which names are listed, and how, is FolderDeviceTest's.
    PutOnDevice("Old Loop.PAR1", "x");
    PutOnDevice("a.par1", "x");
    const int first = designer->AddBox({10, 10, 60, 30});
    const int second = designer->AddBox({10, 50, 60, 30});
    designer->Tab().cParameterList->setCurrentRow(first - 1);
    designer->Designer().cParameterListClick();
    ASSERT_EQ(designer->Designer().GetControl(), first);
    Form().SetParameterFileName(designer->folder.File("Trip.par1"));
    const QString caption = ShownTitle(Form());

    Answer();
    SendLayout();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Names, QStringList({"a.par1", "old loop.par1"}));
    EXPECT_EQ(seen[0].ConfirmCaption, "Send");
    EXPECT_EQ(seen[0].FileName, "Trip.par1") << "preset from the current file's name";
    EXPECT_EQ(seen[0].Mode, FileListMode::Parameters);
    EXPECT_EQ(Device().FileList().Mode, FileListMode::None);
    EXPECT_EQ(Prompter().Of("timed"), QStringList("1 2000 Save to PDA Successful"));

    const std::optional<std::string> sent = ReadFileBytes(OnDevice("Trip.par1"));
    ASSERT_TRUE(sent);
    EXPECT_EQ(sent->rfind("RoamplotCE Parameter File\r\n", 0), 0u);
    EXPECT_EQ(*sent, *ReadFileBytes(Device().TempFile())) << "the transfer file stays beside";
    EXPECT_EQ(ShownTitle(Form()), caption);
    EXPECT_EQ(Form().ParameterFileName(), designer->folder.File("Trip.par1"));
    EXPECT_EQ(designer->Designer().GetControl(), first) << "the remembered box is selected again";
    EXPECT_NE(first, second);
}

TEST_F(DeviceTransferTest, LargeSymbolsAreCopiedWhileTheWindowsWaitAndCloseAfterwards) {
    Start();
    const int big = designer->AddBox({0, 0, 100, 100});
    const int small = designer->AddBox({0, 100, 100, 100});
    for (auto [slot, height, name] : {std::tuple{big, 61, "big.bmp"}, {small, 60, "small.bmp"}}) {
        ParameterBox& box = designer->Box(slot);
        box.Kind = BoxKind::Background;
        box.ParameterId = "400";
        box.SymbolPlacement = 3;
        box.Symbol = Picture(50, height);
        box.SymbolFile = designer->folder.Write(name, std::string("picture ") + name);
    }
    SetUpLayout(Form()).Modified = true;

    struct During {
        bool Checked = false, CopyingShown = false, TabsEnabled = true, PreviewEnabled = true,
             Closed = true;
        QString CopyingText;
    } during;
    Prompter().DialogAnswers.push_back([&](QDialog& dialog) {
        // The first events let through are those of the copying.
        QTimer::singleShot(0, [&] {
            during.Checked = true;
            during.CopyingShown = Device().Copying().isVisible();
            during.CopyingText = Device().Copying().Text();
            during.TabsEnabled = Form().Tabs()->isEnabled();
            during.PreviewEnabled = designer->Preview().isEnabled();
            during.Closed = Form().close();
        });
        auto& list = dynamic_cast<FileListDialog&>(dialog);
        QTest::keyClicks(list.eFileName, "symbols.par1");
        list.bConfirm->click();
    });
    SendLayout();

    ASSERT_TRUE(during.Checked);
    EXPECT_TRUE(during.CopyingShown);
    EXPECT_EQ(during.CopyingText, "Copying file : big.bmp");
    EXPECT_FALSE(during.TabsEnabled);
    EXPECT_FALSE(during.PreviewEnabled);
    EXPECT_FALSE(during.Closed) << "closing waits for the transfer";
    EXPECT_FALSE(Device().Copying().isVisible());
    EXPECT_EQ(*ReadFileBytes(OnDevice("Symbols/big.bmp")), "picture big.bmp");
    EXPECT_FALSE(fs::exists(OnDevice("Symbols/small.bmp"))) << "3000 pixels travel inside";
    EXPECT_TRUE(Form().isVisible());

    QCoreApplication::processEvents();
    EXPECT_FALSE(Form().isVisible()) << "the close asked for during the transfer follows it";
    EXPECT_TRUE(Form().Tabs()->isEnabled());
    EXPECT_TRUE(Prompter().Of("confirm").last().startsWith("Changes have been made"));
}

TEST_F(DeviceTransferTest, AGetNamesTheFetchedFileAndIsNotReopenedFromThePcAtTheNextStart) {
    Start();
    designer->AddBox({10, 10, 60, 30});
    PutOnDevice("Trip.par1", TestDataBytes("writer_pages.par1"));
    Answer("Trip.par1");
    GetLayout();
    EXPECT_EQ(Prompter().Of("confirm"),
              QStringList("Changes have been made which have not been saved. Load a new file?"));
    EXPECT_EQ(Form().ParameterFileName(), "\\Roamplot 2\\Trip.par1");
    EXPECT_EQ(ShownTitle(Form()), MainTitle + "Trip.par1");
    EXPECT_FALSE(Form().Layout().Modified);
    EXPECT_EQ(Form().Layout().PageAt(1).PageName, "Main");
    EXPECT_TRUE(Prompter().Of("message").isEmpty());

    // A second get offers the name left in the field.
    std::string changed = TestDataBytes("writer_pages.par1");
    changed.replace(changed.find("b1,1,Main"), 9, "b1,1,Again");
    PutOnDevice("Trip.par1", changed);
    Answer();
    GetLayout();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(std::tuple(seen[1].FileName, seen[1].ConfirmCaption), std::tuple("Trip.par1", "Get"));
    EXPECT_EQ(Form().Layout().PageAt(1).PageName, "Again");

    ASSERT_TRUE(Form().close());
    EXPECT_PRED2(Holds, Ini(*designer), "Filename=\\Roamplot 2\\Trip.par1");
    // A PC file of that very name in the working folder must not be taken for it.
    TempFolder work;
    work.Write("\\Roamplot 2\\Trip.par1", TestDataBytes("writer_pages.par1"));
    const fs::path before = fs::current_path();
    fs::current_path(work.Path());
    ScriptedPrompter again;
    auto restarted = StartDesigner(Q(designer->folder.Path()), again);
    fs::current_path(before);
    ASSERT_NE(restarted, nullptr);
    EXPECT_EQ(restarted->Layout().BoxCount(1), 0);
    EXPECT_EQ(ShownTitle(*restarted), MainTitle) << "no file is open";
    EXPECT_TRUE(again.Shown.isEmpty()) << again.Shown.join("\n").toStdString();
}

// Why a fetched file would not load is FetchedFiles'.
TEST_F(DeviceTransferTest, AFailedGetChangesNothingAndSaysWhy) {
    Start();
    const int slot = designer->AddBox({10, 10, 60, 30});
    Form().SetParameterFileName(designer->folder.File("mine.par1"));
    SetUpLayout(Form()).Modified = false;
    const QString caption = ShownTitle(Form());
    PutOnDevice("half.par1", "pg1,1,A\r\np1,002,map,1\r\np1,abc,sp,1\r\n");
    for (const char* name : {"gone.par1", "half.par1"}) {
        Answer(name);
        GetLayout();
    }
    EXPECT_EQ(Prompter().Of("message"),
              QStringList({"Could not get gone.par1 from the PDA: the file is not on the PDA. "
                           "Nothing was changed.",
                           "Could not get half.par1 from the PDA: it stopped loading: 'abc' is not "
                           "a valid integer value. Nothing was changed."}));
    EXPECT_EQ(Form().Layout().BoxCount(1), 1);
    EXPECT_EQ(designer->Box(slot).Kind, BoxKind::New);
    EXPECT_FALSE(Form().Layout().Modified);
    EXPECT_EQ(Form().ParameterFileName(), designer->folder.File("mine.par1"));
    EXPECT_EQ(ShownTitle(Form()), caption);
}

// Which names are refused is DeviceNames'.
TEST_F(DeviceTransferTest, ANameTheHandheldCannotHoldIsRefusedBeforeAnythingIsWritten) {
    Start();
    designer->AddBox({10, 10, 60, 30});
    Answer("bad:name.par1");
    SendLayout();
    EXPECT_EQ(Prompter().Of("message"),
              QStringList("The name \"bad:name.par1\" cannot be used on the PDA."));
    EXPECT_FALSE(fs::exists(Device().TempFile()));
    EXPECT_TRUE(fs::is_empty(fs::path(mount.Path()) / "Roamplot 2" / "Symbols"));
    EXPECT_FALSE(FileExists(OnDevice("bad:name.par1")));
    EXPECT_TRUE(Prompter().Of("timed").isEmpty());
}

TEST_F(DeviceTransferTest, ClosingTheFileListByItsTitleBarIsACancel) {
    Start();
    designer->AddBox({10, 10, 60, 30});
    Form().SetParameterFileName(designer->folder.File("Trip.par1"));
    Prompter().DialogAnswers.push_back([](QDialog&) {}); // closed by the title bar
    SendLayout();
    EXPECT_TRUE(Device().FileList().ChosenFile().isEmpty());
    EXPECT_TRUE(fs::is_empty(fs::path(mount.Path()) / "Roamplot 2" / "Symbols"));
    EXPECT_FALSE(FileExists(OnDevice("Trip.par1")));

    // The emptied field then asks for a name instead of reusing the old one.
    Answer();
    GetLayout();
    EXPECT_EQ(Prompter().Of("message"), QStringList("Select a File from the list."));
    EXPECT_TRUE(Prompter().Of("timed").isEmpty());
}

TEST_F(DeviceTransferTest, ASendToAFolderMissingOnTheHandheldFails) {
    Start("\\Elsewhere");
    designer->AddBox({10, 10, 60, 30});
    Answer("my.par1");
    SendLayout();
    EXPECT_EQ(Prompter().Of("timed"), QStringList("1 2000 Could not Save to PDA"));
}

} // namespace
} // namespace roamplot::test
