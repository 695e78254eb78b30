#pragma once
// The main window's menu bar: every entry runs the command of its button,
// behind the general error handler, with the usual shortcuts.
#include <QObject>
#include <functional>

class QAction;
class QActionGroup;
class QEvent;
class QKeySequence;
class QMenu;
class QMenuBar;
class QVBoxLayout;

namespace roamplot {

class MainForm;

class MainMenu : public QObject {
    Q_OBJECT
  public:
    // Puts the menu bar above the window's contents.
    MainMenu(MainForm& form, QVBoxLayout& column);

    QMenuBar* Bar() const { return bar_; }
    // The entry of the given object name ("aSave", "aRecent1", ...), or null.
    QAction* Action(const QString& name) const;

  protected:
    // Keys the focused field gives a meaning go to the field, not the menu.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QAction* Add(QMenu* menu, const QString& text, const char* name, const QKeySequence& keys,
                 std::function<void()> command);
    void MakeFileMenu();
    void MakeEditMenu();
    void MakeViewMenu();
    void MakePageMenu();
    void MakeKeysMenu();
    void MakeHelpMenu();
    void FillRecentFiles();
    bool OnKeyTab() const;
    void ShowUndoSteps();
    void EndBurstAt(QEvent* event);
    // The tab shown decides which menus work and which file Ctrl+O and Ctrl+S mean.
    void FollowTab(int index);

    MainForm& form_;
    QMenuBar* bar_;
    QMenu* recentMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* pageMenu_ = nullptr;
    QMenu* keysMenu_ = nullptr;
    QActionGroup* zoomGroup_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

} // namespace roamplot
