#include "platform/qt/QtDisplay.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QLibraryInfo>
#include <cstdlib>
#include <cstring>

#include "platform/DynLib.h"

namespace kw {

namespace {
std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

// Opens and closes an X connection through the X client library Qt uses.
bool XDisplayAnswers(const std::string& display) {
    DynLib xcb("libxcb.so.1");
    auto connect = xcb.Function<void*(const char*, int*)>("xcb_connect");
    auto hasError = xcb.Function<int(void*)>("xcb_connection_has_error");
    auto disconnect = xcb.Function<void(void*)>("xcb_disconnect");
    if (!connect || !hasError || !disconnect) return false;
    void* connection = connect(display.c_str(), nullptr);
    if (!connection) return false;
    const bool ok = hasError(connection) == 0;
    disconnect(connection);
    return ok;
}

bool WaylandAnswers(const std::string& display) {
    std::string path = display;
    if (path.empty()) return false;
    if (path.front() != '/') {
        const std::string runtime = Env("XDG_RUNTIME_DIR");
        if (runtime.empty()) return false;
        path = runtime + "/" + path;
    }
    sockaddr_un address{};
    if (path.size() >= sizeof(address.sun_path)) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return ok;
}

bool QtPlatformInstalled(const char* prefix) {
    const QDir dir(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms");
    return !dir.entryList({QString("libq%1*.so").arg(prefix)}, QDir::Files).isEmpty();
}
}  // namespace

bool DisplayUsable(std::string* why) {
    const std::string platform = Env("QT_QPA_PLATFORM");
    if (platform.rfind("offscreen", 0) == 0 || platform.rfind("minimal", 0) == 0) return true;
    const std::string x = Env("DISPLAY"), wayland = Env("WAYLAND_DISPLAY");
    if (!wayland.empty() && QtPlatformInstalled("wayland") && WaylandAnswers(wayland)) return true;
    if (!x.empty() && QtPlatformInstalled("xcb") && XDisplayAnswers(x)) {
        // Qt would try Wayland first when the session names it; stay on X.
        if (!wayland.empty() && platform.empty()) ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        return true;
    }
    if (why) {
        if (x.empty() && wayland.empty())
            *why = "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
        else
            *why = "the display " + (x.empty() ? wayland : x) + " does not accept a connection";
    }
    return false;
}

}  // namespace kw
