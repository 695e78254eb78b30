#pragma once
// An X server of its own (Xvfb) with a window manager (openbox), and the
// watch on it that tells when a program's main window is mapped.
#include <xcb/xcb.h>

#include <memory>
#include <optional>
#include <string>

#include "process/ChildProcess.h"

namespace roamplot::bench {

class VirtualDisplay {
  public:
    VirtualDisplay(); // throws when the server or the window manager does not start
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // ":N", for the DISPLAY of the programs started on it.
    const std::string& Name() const { return name_; }

    // The first normal (not splash, not tool) top-level window of the process
    // mapped, and when; nothing when the process ended or the time ran out first.
    struct Mapped {
        xcb_window_t Window;
        Clock::time_point At;
    };
    std::optional<Mapped> WaitForMainWindow(ChildProcess& process,
                                            std::chrono::milliseconds timeout);

    // Asks the window to close, as its close button does.
    void Close(xcb_window_t window);

  private:
    xcb_atom_t Atom(const char* name);
    bool IsMainWindowOf(xcb_window_t window, pid_t pid);
    void Watch(xcb_window_t window);

    std::unique_ptr<ChildProcess> server_;
    std::unique_ptr<ChildProcess> windowManager_;
    std::string name_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
};

} // namespace roamplot::bench
