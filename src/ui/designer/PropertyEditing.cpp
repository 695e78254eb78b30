// PageDesigner continued from PageDesigner.cpp: the property panel of the "Page
// Designer" tab, which controls a box shows, how they are filled from it, and
// what each of them writes back.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>
#include <utility>

#include "core/designer/LayoutEditor.h"
#include "core/io/FileIo.h"
#include "core/model/DibFile.h"
#include "core/model/FieldFunctions.h"
#include "core/model/ParameterIds.h"
#include "render/PathText.h"
#include "render/PictureImport.h"
#include "render/TextCodec.h"
#include "ui/app/MainForm.h"
#include "ui/designer/PageDesigner.h"
#include "ui/designer/PageDesignerTab.h"
#include "ui/designer/PanelLoading.h"
#include "ui/designer/PictureSaving.h"
#include "ui/preview/PreviewWindow.h"
#include "ui/widgets/ColourButton.h"
#include "ui/widgets/FieldText.h"

namespace roamplot {

namespace {
const QStringList ButtonPlacements{"None", "Symbol Top", "Symbol Bottom", "Symbol Left",
                                   "Symbol Right"};
const QStringList PicturePlacements{"None", "Center", "Stretch", "Tile"};

// Only these boxes show the symbol file label, naming their own picture.
bool CarriesPicture(const std::string& kind) {
    return kind == BoxKind::Button || kind == BoxKind::Background;
}

// Single values show it for their own distances, navigation values for theirs.
bool ShowsUnitsSwitch(const std::string& kind, int id) {
    return ParameterIds::CarriesUnitsInSample(id) &&
           (kind == BoxKind::SingleParameter) == (id < 100);
}
} // namespace

void PageDesigner::ConnectPropertyPanel() {
    symbolFolder_ = form_.ProgramFolder() + "/Symbols";
    auto guarded = [this](auto handler) {
        return [this, handler](auto... chosen) {
            form_.Guarded([&] { (this->*handler)(chosen...); });
        };
    };
    PropertyPanel& p = tab_;
    connect(p.cTitleText, &QLineEdit::textEdited, this,
            [=] { guarded (&PageDesigner::cTitleTextChange)(); });
    connect(p.cParTestText, &QLineEdit::textEdited, this,
            [=] { guarded (&PageDesigner::cParTestTextChange)(); });
    connect(p.cTitleFontSize, &QSpinBox::valueChanged, this,
            [=](int) { guarded (&PageDesigner::cTitleFontSizeChange)(); });
    connect(p.cParFontSize, &QSpinBox::valueChanged, this,
            [=](int) { guarded (&PageDesigner::cParFontSizeChange)(); });
    connect(p.cBorderWidth, &QSpinBox::valueChanged, this,
            [=](int) { guarded (&PageDesigner::cBorderWidthChange)(); });
    connect(p.cBorderRadius, &QSpinBox::valueChanged, this,
            [=](int) { guarded (&PageDesigner::cBorderRadiusChange)(); });
    connect(p.cAutoFontSize, &QCheckBox::toggled, this,
            [=](bool) { guarded (&PageDesigner::cAutoFontSizeClick)(); });
    connect(p.cDisplayUnits, &QCheckBox::toggled, this,
            [=](bool) { guarded (&PageDesigner::cDisplayUnitsClick)(); });
    const std::pair<QComboBox*, void (PageDesigner::*)()> choices[] = {
        {p.cUnits, &PageDesigner::cUnitsChange},
        {p.cDecimals, &PageDesigner::cDecimalsChange},
        {p.cJustification, &PageDesigner::cJustificationChange},
        {p.cTitleBackStyle, &PageDesigner::cTitleBackStyleChange},
        {p.cParBackStyle, &PageDesigner::cParBackStyleChange},
        {p.cButtonStyle, &PageDesigner::cButtonStyleChange},
        {p.cButtonSymbolStyle, &PageDesigner::cButtonSymbolStyleChange},
    };
    for (const auto& [choice, handler] : choices)
        connect(choice, &QComboBox::activated, this, [=](int) { guarded(handler)(); });
    const std::pair<ColourButton*, void (PageDesigner::*)(Colour)> colours[] = {
        {p.cTitleForeColor, &PageDesigner::cTitleForeColorColorSelected},
        {p.cTitleBackColor, &PageDesigner::cTitleBackColorColorSelected},
        {p.cParForeColor, &PageDesigner::cParForeColorColorSelected},
        {p.cParBackColor, &PageDesigner::cParBackColorColorSelected},
        {p.cBorderColor, &PageDesigner::cBorderColorColorSelected},
    };
    for (const auto& [button, handler] : colours)
        connect(button, &ColourButton::ColorSelected, this, guarded(handler));
    connect(p.cAddButtonSymbol, &QPushButton::clicked, this,
            [=] { guarded (&PageDesigner::cAddButtonSymbolClick)(); });
}

void PageDesigner::ShowBoxProperties(int slot) {
    const PanelLoadingScope loading = form_.FillingPanel();
    PropertyPanel::Plan plan(tab_);
    panelShown_ = {CurrentPage(), std::clamp(slot, NoBox, SlotsPerPage + 1), {}, {}};
    if (slot < 1 || slot > SlotsPerPage) {
        tab_.cParameter->setCurrentIndex(0);
        ShowPropertyGroups(false, false, false, false, false, false);
        return;
    }
    const ScreenLayout& layout = editor_.Layout();
    const ParameterBox& box = layout.Box(layout.CurrentPage, slot);
    panelShown_.ParameterId = box.ParameterId;
    panelShown_.Kind = box.Kind;
    ShowText(tab_.cPageName, ToQString(layout.PageAt(layout.CurrentPage).PageName));

    const CatalogueEntry& entry = form_.Catalogue().At(CatalogueItemOf(box));
    PropertyPanel& p = tab_;
    p.cUnits->clear();
    for (const std::string& unit : SplitUnits(entry.UnitsList)) p.cUnits->addItem(ToQString(unit));
    FillSymbolPlacements(box.Kind, box.SymbolPlacement);
    ShowBoxValues(slot);
    // The box's own units, also where the list lacks them (a file from another catalogue).
    ShowPanelForKind(entry.Id, entry.Kind, ToQString(box.Units));
}

std::size_t PageDesigner::CatalogueItemOf(const ParameterBox& box) const {
    const ParameterCatalogue& catalogue = form_.Catalogue();
    const int id = StrToInt(box.ParameterId);
    std::size_t chosen = 0;
    for (std::size_t k = 0; k < catalogue.Size(); ++k)
        if (catalogue.At(k).Id == id) chosen = k;
    return chosen;
}

void PageDesigner::ShowBoxValues(int slot) {
    const PanelLoadingScope loading = form_.FillingPanel();
    const ParameterBox& box = editor_.Layout().Box(CurrentPage(), slot);
    // A refused choice shows the box's own parameter again.
    const int item = static_cast<int>(CatalogueItemOf(box));
    if (tab_.cParameter->currentIndex() != item) tab_.cParameter->setCurrentIndex(item);
    PropertyPanel& p = tab_;
    ShowText(p.cTitleText, ToQString(box.TitleText));
    ShowText(p.cParTestText, ToQString(box.TestText));
    ShowValue(p.cTitleFontSize, box.TitleFontSize);
    p.cTitleForeColor->SetValue(box.TitleForeColor);
    p.cTitleBackColor->SetValue(box.TitleBackColor);
    p.cTitleBackStyle->setCurrentIndex(box.TitleBackStyle);
    ShowValue(p.cParFontSize, box.TextFontSize);
    p.cParForeColor->SetValue(box.TextForeColor);
    p.cParBackColor->SetValue(box.TextBackColor);
    p.cParBackStyle->setCurrentIndex(box.TextBackStyle);
    p.cBorderColor->SetValue(box.BorderColor);
    ShowValue(p.cBorderWidth, box.BorderWidth);
    ShowValue(p.cBorderRadius, box.BorderRadius);
    p.cButtonStyle->setCurrentIndex(box.ButtonStyle);
    p.cAutoFontSize->setChecked(box.TextFontSize == 0);
    p.cJustification->setCurrentIndex(box.Justification == "L"   ? 1
                                      : box.Justification == "R" ? 2
                                                                 : 0);
    // Units the list lacks (a file made with another catalogue) are shown all the same.
    int units = p.cUnits->findText(ToQString(box.Units));
    if (units < 0 && !box.Units.empty()) {
        p.cUnits->addItem(ToQString(box.Units));
        units = p.cUnits->count() - 1;
    }
    p.cUnits->setCurrentIndex(units);
    p.cDisplayUnits->setChecked(box.ShowUnits == 1);
    p.cDecimals->setCurrentIndex(p.cDecimals->findText(ToQString(box.Decimals)));
    QComboBox* placement = p.cButtonSymbolStyle;
    placement->setCurrentIndex(box.SymbolPlacement < placement->count() ? box.SymbolPlacement : -1);
    // Any other box leaves the label as the last load set it.
    if (CarriesPicture(box.Kind))
        p.cSymbolFilename->setText(QStringFromPath(FileNameOf(box.SymbolFile)));
}

void PageDesigner::ShowSymbolFileLabel(const QString& name) {
    tab_.cSymbolFilename->setText(name);
}

void PageDesigner::ShowPropertyGroups(bool title, bool text, bool border, bool valueFormat,
                                      bool showUnits, bool units) {
    PropertyPanel& p = tab_;
    p.PlaceBackgroundControls(false);
    p.ShowControls({p.cTitleText, p.cTitleFontSize, p.cTitleForeColor, p.cTitleBackColor,
                    p.cTitleBackStyle, p.TitleSeparator},
                   title);
    p.ShowControls({p.cParFontSize, p.cParForeColor, p.cParBackColor, p.cParBackStyle}, text);
    p.ShowControls({p.cBorderRadius, p.cBorderWidth, p.cBorderColor}, border);
    p.ShowControls({p.cAutoFontSize, p.cParTestText, p.cJustification}, valueFormat);
    p.ShowControl(p.cUnits, units);
    // A title-less value shows its units switch and decimals with the units.
    bool unitsDetails = units && (!title || showUnits);
    p.ShowControl(p.cDisplayUnits, unitsDetails);
    p.ShowControl(p.cDecimals, unitsDetails);

    p.SetLabel(p.cTitleText, tr("Title Text"));
    p.SetLabel(p.cTitleFontSize, tr("Title Font Size"));
    p.SetLabel(p.cTitleForeColor, tr("Title Fore Color"));
    p.SetLabel(p.cTitleBackColor, tr("Title Back Color"));
    p.SetLabel(p.cTitleBackStyle, tr("Title Background"));
    p.SetLabel(p.cParBackColor, tr("Text Back Color"));
    p.SetLabel(p.cParBackStyle, tr("Text Background"));
    p.ShowControls({p.cButtonSymbolStyle, p.cAddButtonSymbol, p.cButtonStyle, p.cSymbolFilename},
                   false);
}

void PageDesigner::ShowPanelForKind(int id, const std::string& kind, const QString& unitsText) {
    PropertyPanel& p = tab_;
    PropertyPanel::Plan plan(p);
    bool u = !unitsText.isEmpty();
    auto showTitleControls = [&p] {
        p.ShowControls({p.cTitleText, p.cTitleFontSize, p.cTitleForeColor, p.cTitleBackColor,
                        p.cTitleBackStyle},
                       true);
    };
    auto showBorder = [&p] {
        p.ShowControls({p.cBorderRadius, p.cBorderWidth, p.cBorderColor}, true);
    };
    if (kind == BoxKind::New) {
        ShowPropertyGroups(false, false, false, false, u, u);
    } else if (kind == BoxKind::Map) {
        ShowPropertyGroups(false, false, false, false, false, false);
        p.ShowControl(p.cBorderWidth, true);
        p.ShowControl(p.cBorderColor, true);
    } else if (kind == BoxKind::Text) {
        ShowPropertyGroups(false, false, false, false, false, false);
        showTitleControls();
        p.SetLabel(p.cTitleText, tr("Text to Display"));
        p.SetLabel(p.cTitleFontSize, tr("Font Size"));
        p.SetLabel(p.cTitleForeColor, tr("Text Fore Color"));
        p.SetLabel(p.cTitleBackColor, tr("Text Back Color"));
        showBorder();
    } else if (kind == BoxKind::Background) {
        ShowPropertyGroups(false, false, false, false, false, false);
        showTitleControls();
        showBorder();
        p.PlaceBackgroundControls(true);
        p.SetLabel(p.cParBackColor, tr("Background Color"));
        p.SetLabel(p.cParBackStyle, tr("Background Style"));
        p.ShowControls({p.cParBackColor, p.cParBackStyle, p.cButtonSymbolStyle, p.cAddButtonSymbol,
                        p.cSymbolFilename},
                       true);
    } else if (kind == BoxKind::Button) {
        ShowPropertyGroups(false, false, false, false, false, false);
        showTitleControls();
        p.SetLabel(p.cTitleBackColor, tr("Button Color"));
        p.SetLabel(p.cTitleBackStyle, tr("Background"));
        p.ShowControls(
            {p.cButtonSymbolStyle, p.cAddButtonSymbol, p.cButtonStyle, p.cSymbolFilename}, true);
    } else if (kind == BoxKind::SingleParameter) {
        ShowPropertyGroups(true, true, true, true, false, false);
        if (ShowsUnitsSwitch(kind, id)) p.ShowControl(p.cDisplayUnits, true);
    } else if (kind == BoxKind::MultiParameter) {
        using namespace ParameterIds;
        if (IsProfile(id))
            ShowPropertyGroups(true, true, true, false, false, u);
        else if (id == WaypointList)
            ShowPropertyGroups(true, false, true, false, false, u);
        else if (id == SkyView)
            ShowPropertyGroups(true, true, true, false, u, u);
        else if (id == SignalBars || id == DataLog || id == GpsStatus || id == SignalLines)
            ShowPropertyGroups(true, true, true, false, false, false);
        else if (id == Position) {
            ShowPropertyGroups(true, true, true, false, false, false);
            p.ShowControls({p.cParFontSize, p.cAutoFontSize, p.cParTestText, p.cJustification},
                           false);
        } else
            ShowPropertyGroups(true, true, true, true, u, u);
    } else if (kind == BoxKind::NavParameter) {
        ShowPropertyGroups(true, true, true, true, u, u);
        if (ShowsUnitsSwitch(kind, id)) p.ShowControl(p.cDisplayUnits, true);
    }
}

void PageDesigner::FillSymbolPlacements(const std::string& kind, int placement) {
    QComboBox* choice = tab_.cButtonSymbolStyle;
    choice->clear();
    if (kind == BoxKind::Button)
        choice->addItems(ButtonPlacements);
    else if (kind == BoxKind::Background)
        choice->addItems(PicturePlacements);
    choice->setCurrentIndex(placement < choice->count() ? placement : -1);
}

void PageDesigner::EditSelectedBox(const std::function<void(int slot)>& edit) {
    if (form_.PanelLoading()) return;
    // The rules a handler sets off (the automatic font size) redraw with it, once.
    LayoutEditor::EditScope scope(editor_);
    edit(GetControl());
}

void PageDesigner::cTitleTextChange() {
    EditSelectedBox([this](int slot) {
        editor_.SetBoxText(slot, BoxText::Title, FromQString(tab_.cTitleText->text()));
    });
}

void PageDesigner::cParTestTextChange() {
    EditSelectedBox([this](int slot) {
        editor_.SetBoxText(slot, BoxText::TestText, FromQString(tab_.cParTestText->text()));
    });
}

void PageDesigner::cTitleFontSizeChange() {
    EditSelectedBox([this](int slot) {
        editor_.SetBoxNumber(slot, BoxNumber::TitleFontSize, tab_.cTitleFontSize->value());
    });
}

void PageDesigner::cParFontSizeChange() {
    EditSelectedBox([this](int slot) {
        // Changing the check box's state runs its click rule, which may set the
        // size again: a step up from automatic sizing lands on a readable size.
        // A typed size stands as typed, or typing 12 would give 82.
        const QLineEdit* typing = tab_.cParFontSize->findChild<QLineEdit*>();
        QSignalBlocker typed(typing && typing->isModified() ? tab_.cAutoFontSize : nullptr);
        if (slot >= 1) tab_.cAutoFontSize->setChecked(tab_.cParFontSize->value() <= 0);
        editor_.SetBoxNumber(slot, BoxNumber::TextFontSize, tab_.cParFontSize->value());
    });
}

void PageDesigner::cAutoFontSizeClick() {
    if (form_.PanelLoading()) return;
    if (tab_.cAutoFontSize->isChecked()) {
        tab_.cParFontSize->setValue(0);
        return;
    }
    // Leaving automatic sizing starts from a readable size; the small graphs need less.
    int id = form_.Catalogue()
                 .At(static_cast<std::size_t>(std::max(0, tab_.cParameter->currentIndex())))
                 .Id;
    tab_.cParFontSize->setValue(ParameterIds::IsProfile(id) ? 6 : 8);
}

void PageDesigner::cDecimalsChange() {
    EditSelectedBox([this](int slot) {
        editor_.SetBoxText(slot, BoxText::Decimals, FromQString(tab_.cDecimals->currentText()));
    });
}

void PageDesigner::EditText(BoxText field, const QString& value) {
    EditSelectedBox([&](int slot) { editor_.SetBoxText(slot, field, FromQString(value)); });
}

void PageDesigner::EditNumber(BoxNumber field, int value) {
    EditSelectedBox([&](int slot) { editor_.SetBoxNumber(slot, field, value); });
}

void PageDesigner::EditColour(BoxColour field, Colour value) {
    EditSelectedBox([&](int slot) { editor_.SetBoxColour(slot, field, value); });
}

void PageDesigner::cBorderWidthChange() {
    EditNumber(BoxNumber::BorderWidth, tab_.cBorderWidth->value());
}
void PageDesigner::cBorderRadiusChange() {
    EditNumber(BoxNumber::BorderRadius, tab_.cBorderRadius->value());
}
void PageDesigner::cUnitsChange() {
    EditText(BoxText::Units, tab_.cUnits->currentText());
}
void PageDesigner::cDisplayUnitsClick() {
    EditNumber(BoxNumber::ShowUnits, tab_.cDisplayUnits->isChecked() ? 1 : 0);
}
void PageDesigner::cJustificationChange() {
    EditNumber(BoxNumber::Justification, tab_.cJustification->currentIndex());
}
void PageDesigner::cTitleBackStyleChange() {
    EditNumber(BoxNumber::TitleBackStyle, tab_.cTitleBackStyle->currentIndex());
}
void PageDesigner::cParBackStyleChange() {
    EditNumber(BoxNumber::TextBackStyle, tab_.cParBackStyle->currentIndex());
}
void PageDesigner::cButtonStyleChange() {
    EditNumber(BoxNumber::ButtonStyle, tab_.cButtonStyle->currentIndex());
}
void PageDesigner::cButtonSymbolStyleChange() {
    EditNumber(BoxNumber::SymbolPlacement, tab_.cButtonSymbolStyle->currentIndex());
}
void PageDesigner::cTitleForeColorColorSelected(Colour colour) {
    EditColour(BoxColour::TitleFore, colour);
}
void PageDesigner::cTitleBackColorColorSelected(Colour colour) {
    EditColour(BoxColour::TitleBack, colour);
}
void PageDesigner::cParForeColorColorSelected(Colour colour) {
    EditColour(BoxColour::TextFore, colour);
}
void PageDesigner::cParBackColorColorSelected(Colour colour) {
    EditColour(BoxColour::TextBack, colour);
}
void PageDesigner::cBorderColorColorSelected(Colour colour) {
    EditColour(BoxColour::Border, colour);
}

void PageDesigner::cAddButtonSymbolClick() {
    int slot = GetControl();
    if (form_.PanelLoading() || slot < 1) return;
    const ParameterBox& box = editor_.Layout().Box(CurrentPage(), slot);
    if (!CarriesPicture(box.Kind)) return;
    FileDialogRequest request;
    request.Title = tr("Open");
    request.Filter = "Pictures (*.bmp *.png *.jpg *.jpeg *.gif);;Symbol File (*.bmp)";
    request.DefaultExtension = "bmp";
    request.InitialFile = symbolFolder_ + "/" + QStringFromPath(FileNameOf(box.SymbolFile));
    QString chosen = form_.Prompts().AskOpenFileName(request);
    if (chosen.isEmpty()) return;
    const std::filesystem::path source = PathFromQString(chosen);
    PictureRead read = ReadPictureFile(source);
    // An unreadable file leaves the box as it was.
    if (!read.Picture) return form_.Prompts().ShowError(MessageNaming(read.Error, source));
    std::filesystem::path file = PathFromQString(QDir::toNativeSeparators(chosen));
    if (read.Converted) {
        // The layout refers to the bitmap the handheld reads, not to the picture chosen.
        const std::optional<std::filesystem::path> saved = SaveConvertedPicture(
            form_.Prompts(), form_.ProgramFolder(), *read.Picture, source, box);
        if (!saved) return;
        file = *saved;
    }
    symbolFolder_ = QFileInfo(chosen).absolutePath();
    if (tab_.cButtonSymbolStyle->currentIndex() <= 0) tab_.cButtonSymbolStyle->setCurrentIndex(1);
    editor_.SetBoxSymbol(slot, std::move(read.Picture), file,
                         tab_.cButtonSymbolStyle->currentIndex());
}

} // namespace roamplot
