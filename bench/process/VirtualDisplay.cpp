#include "process/VirtualDisplay.h"

#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

namespace roamplot::bench {

namespace {

template <typename Reply> struct Freed {
    Reply* reply;
    ~Freed() { std::free(reply); }
};

// The display number Xvfb writes, once it accepts connections.
std::string ReadDisplayNumber(int descriptor) {
    std::string number;
    char c = 0;
    while (read(descriptor, &c, 1) == 1 && c != '\n') number.push_back(c);
    return number;
}

} // namespace

VirtualDisplay::VirtualDisplay() {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) throw std::runtime_error("no pipe");
    server_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"/usr/bin/Xvfb", "-displayfd", "3", "-screen", "0", "1366x768x24",
                                 "-nolisten", "tcp"},
        EnvironmentWith({}), pipeEnds[1]);
    close(pipeEnds[1]);
    const std::string number = ReadDisplayNumber(pipeEnds[0]);
    close(pipeEnds[0]);
    if (number.empty()) throw std::runtime_error("Xvfb did not start");
    name_ = ":" + number;
    connection_ = xcb_connect(name_.c_str(), nullptr);
    if (xcb_connection_has_error(connection_)) throw std::runtime_error("no connection to Xvfb");
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;

    windowManager_ = std::make_unique<ChildProcess>(std::vector<std::string>{"/usr/bin/openbox"},
                                                    EnvironmentWith({{"DISPLAY", name_}}));
    const xcb_atom_t check = Atom("_NET_SUPPORTING_WM_CHECK");
    for (int tries = 0;; ++tries) {
        Freed<xcb_get_property_reply_t> reply{xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, root_, check, XCB_ATOM_WINDOW, 0, 1),
            nullptr)};
        if (reply.reply && xcb_get_property_value_length(reply.reply) > 0) break;
        if (tries == 1000 || windowManager_->ExitCode())
            throw std::runtime_error("openbox did not start");
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
    xcb_flush(connection_);
}

VirtualDisplay::~VirtualDisplay() {
    if (connection_) xcb_disconnect(connection_);
    windowManager_.reset();
    server_.reset();
}

xcb_atom_t VirtualDisplay::Atom(const char* name) {
    Freed<xcb_intern_atom_reply_t> reply{xcb_intern_atom_reply(
        connection_,
        xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr)};
    return reply.reply ? reply.reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool VirtualDisplay::IsMainWindowOf(xcb_window_t window, pid_t pid) {
    Freed<xcb_get_property_reply_t> owner{xcb_get_property_reply(
        connection_,
        xcb_get_property(connection_, 0, window, Atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 0, 1),
        nullptr)};
    if (!owner.reply || xcb_get_property_value_length(owner.reply) != 4 ||
        *static_cast<uint32_t*>(xcb_get_property_value(owner.reply)) != static_cast<uint32_t>(pid))
        return false;
    Freed<xcb_get_property_reply_t> type{xcb_get_property_reply(
        connection_,
        xcb_get_property(connection_, 0, window, Atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 0, 16),
        nullptr)};
    if (!type.reply) return false;
    const xcb_atom_t normal = Atom("_NET_WM_WINDOW_TYPE_NORMAL");
    const auto* types = static_cast<xcb_atom_t*>(xcb_get_property_value(type.reply));
    const int count = xcb_get_property_value_length(type.reply) / 4;
    // A main window is normal first; a dialog or tool may name normal as its fallback.
    return count > 0 && types[0] == normal;
}

void VirtualDisplay::Watch(xcb_window_t window) {
    const uint32_t events = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, window, XCB_CW_EVENT_MASK, &events);
}

std::optional<VirtualDisplay::Mapped>
VirtualDisplay::WaitForMainWindow(ChildProcess& process, std::chrono::milliseconds timeout) {
    const Clock::time_point until = Clock::now() + timeout;
    while (Clock::now() < until && !process.ExitCode()) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            const Freed<xcb_generic_event_t> freed{event};
            const Clock::time_point at = Clock::now();
            xcb_window_t mapped = XCB_WINDOW_NONE;
            switch (event->response_type & 0x7f) {
            case XCB_CREATE_NOTIFY: {
                // Watched from its creation: the window manager reparents it
                // before it is mapped, out of the root's sight.
                const xcb_window_t window =
                    reinterpret_cast<xcb_create_notify_event_t*>(event)->window;
                Watch(window);
                Freed<xcb_get_window_attributes_reply_t> attributes{xcb_get_window_attributes_reply(
                    connection_, xcb_get_window_attributes(connection_, window), nullptr)};
                // Mapped before the watch began: counted from now.
                if (attributes.reply && attributes.reply->map_state != XCB_MAP_STATE_UNMAPPED)
                    mapped = window;
                break;
            }
            case XCB_MAP_NOTIFY:
                mapped = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                break;
            default:
                break;
            }
            if (mapped != XCB_WINDOW_NONE && IsMainWindowOf(mapped, process.Pid()))
                return Mapped{mapped, at};
        }
        pollfd wait{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&wait, 1, 20);
    }
    return std::nullopt;
}

void VirtualDisplay::Close(xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = Atom("WM_PROTOCOLS");
    message.data.data32[0] = Atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
}

} // namespace roamplot::bench
