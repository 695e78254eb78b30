#pragma once
// A tool window that can also live inside another window: docked, it keeps
// the place it had floating, for when it floats again and for the settings.
#include <QPoint>
#include <Qt>

class QWidget;

namespace roamplot {

class Dockable {
  public:
    Dockable(QWidget& window, Qt::WindowFlags floatingFlags);

    bool Docked() const { return docked_; }
    // Becomes a child of the holder; the holder's layout places it.
    void Dock(QWidget* holder);
    // Becomes a tool window of the owner again, at its kept place.
    void Float(QWidget* owner);
    // Where the window stands floating: now, or where it stood before it docked.
    QPoint FloatingPlace() const;
    // Where it is to stand when it next floats (a restored position).
    void KeepFloatingPlace(QPoint place) { kept_ = place; }

  private:
    QWidget& window_;
    Qt::WindowFlags flags_;
    bool docked_ = false;
    QPoint kept_;
};

} // namespace roamplot
