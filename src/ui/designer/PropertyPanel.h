#pragma once
// The controls that edit the properties of the selected box, laid out in a
// grid of a label column and a control column, twice side by side, group by
// group. Widgets only: the page designer decides what is shown and handles
// the edits.
#include <QHash>
#include <QString>
#include <initializer_list>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace roamplot {

class ColourButton;

class PropertyPanel {
  public:
    // Creates the controls as children of the owner; the owner places Grid().
    explicit PropertyPanel(QWidget* owner);

    QGridLayout* Grid() const { return grid_; }

    // Collects the showing, hiding, relabelling and placing of one change of
    // the panel and, when the outermost plan closes, touches only the controls
    // whose state differs: hiding and showing again the control the user types
    // in would take its focus, and moving controls in the grid costs a relayout.
    class Plan {
      public:
        explicit Plan(PropertyPanel& panel) : panel_(panel) { ++panel_.planDepth_; }
        ~Plan() {
            if (--panel_.planDepth_ == 0) panel_.ApplyPlan();
        }
        Plan(const Plan&) = delete;
        Plan& operator=(const Plan&) = delete;

      private:
        PropertyPanel& panel_;
    };

    // Shows or hides a control together with its label.
    void ShowControl(QWidget* control, bool shown);
    void ShowControls(std::initializer_list<QWidget*> controls, bool shown);
    void SetLabel(QWidget* control, const QString& text);
    QLabel* LabelOf(QWidget* control) const { return labels_.value(control); }
    // A background box has its colour and style right under its title
    // controls; every other box has them at the end of the text group.
    void PlaceBackgroundControls(bool underTitle);
    // The grid row a control stands in.
    int RowOf(QWidget* control) const;
    // The controls that take the focus, group by group: down the left half,
    // then down the right.
    std::vector<QWidget*> ReadingOrder() const;

    QLineEdit* cTitleText;
    QSpinBox* cTitleFontSize;
    ColourButton* cTitleForeColor;
    ColourButton* cTitleBackColor;
    QComboBox* cTitleBackStyle;
    QFrame* TitleSeparator;
    QSpinBox* cParFontSize;
    QCheckBox* cAutoFontSize;
    QLineEdit* cParTestText;
    ColourButton* cParForeColor;
    ColourButton* cParBackColor;
    QComboBox* cParBackStyle;
    QSpinBox* cBorderWidth;
    QSpinBox* cBorderRadius;
    ColourButton* cBorderColor;
    QComboBox* cUnits;
    QCheckBox* cDisplayUnits;
    QComboBox* cDecimals;
    QComboBox* cJustification;
    QComboBox* cButtonStyle;
    QComboBox* cButtonSymbolStyle;
    QPushButton* cAddButtonSymbol;
    QLabel* cSymbolFilename;

  private:
    void Put(QWidget* control, int row, int column);
    void PlaceTextControls(bool underTitle);
    void ApplyPlan();

    QGridLayout* grid_;
    QHash<QWidget*, QLabel*> labels_;
    int planDepth_ = 0;
    QHash<QWidget*, bool> plannedShown_;
    QHash<QLabel*, QString> plannedLabels_;
    std::optional<bool> plannedUnderTitle_;
    bool underTitle_ = false;
};

} // namespace roamplot
