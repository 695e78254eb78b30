#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "plain/TempFolder.h"
#include "qt/ScriptedPrompter.h"
#include "ui/app/ConfigurationTab.h"
#include "ui/app/Startup.h"

namespace roamplot {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

TEST(DeviceMountFolder, IsReadChosenByBrowsingAndWrittenAtClose) {
    test::TempFolder folder;
    test::CopyShippedCatalogues(folder);
    folder.Write("RoamCE_Screen_Designer.ini", "[Settings]\r\nDevice Mount Folder=/media/old\r\n");
    test::ScriptedPrompter prompter;
    auto form = StartDesigner(Q(folder.Path()), prompter);
    ASSERT_NE(form, nullptr);
    ConfigurationTab* config = form->Configuration();
    EXPECT_EQ(config->eDeviceMountFolder->text(), "/media/old");

    prompter.FileAnswers.push_back("");
    config->bBrowseDeviceMount->click();
    EXPECT_EQ(config->eDeviceMountFolder->text(), "/media/old") << "a cancelled browse keeps it";
    prompter.FileAnswers.push_back(Q(folder.Path() + "/Kärtchen"));
    config->bBrowseDeviceMount->click();
    EXPECT_EQ(prompter.Of("folder"), QStringList(2, "Handheld storage folder on this PC"));
    EXPECT_EQ(form->CurrentSettings().DeviceMountFolder, folder.Path() + "/Kärtchen");

    EXPECT_TRUE(form->close());
    form.reset();
    EXPECT_NE(folder.Read("RoamCE_Screen_Designer.ini")
                  .find("Device Mount Folder=" + folder.Path() + "/Kärtchen"),
              std::string::npos);
}

} // namespace
} // namespace roamplot
