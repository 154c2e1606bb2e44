// Starts the toolkit, with the font configuration read meanwhile; when no platform starts, the
// toolkit would end the process with an abort, and the game says why instead: no display it could
// reach, or, where it reached one, the toolkit's own reason (start_watch.h covers what little
// memory does after that). What it says echoes the platforms and displays it was given, which may
// be of any length and hold anything, so the echoes are cut short and cleaned (content::echoed).
#include "desktop/graphical_session.h"

#include <fontconfig/fontconfig.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QByteArray>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <string_view>
#include <system_error>
#include <thread>

#include "content/message.h"
#include "desktop/start_watch.h"

namespace tolm::desktop {
namespace {

using content::Message;

// Enough to tell a message apart, and no longer.
constexpr std::size_t kMessageLength = 300;
// A list of platforms may be any length too: the line names the first few different ones,
// and the toolkit's messages past a screenful are only counted.
constexpr qsizetype kPlatformsNamed = 3;
constexpr qsizetype kMessagesHeld = 10;
// In a limited address space memory mostly runs out while the window is first painted, where the
// toolkit warns of every step that fails before the game ends with its own line: there its
// messages stay held until the window has had this long to paint, and go unsaid if the game ends.
constexpr int kHeldWhilePaintingMs = 2000;

// The scales a window can be drawn at: at zero, a negative number or not a number Qt shows no
// window at all; at ten the window's pixels already take 200 MiB, four times more at each
// doubling, and below a tenth no letter can be read.
constexpr double kSmallestScale = 0.1;
constexpr double kLargestScale = 10.0;

std::string echoed(const QString& value, std::size_t length = content::kEchoLength) {
    return content::echoed(value.toStdString(), length);
}

struct Asked {
    std::string platforms;               // as -platform or QT_QPA_PLATFORM give them
    std::optional<std::string> display;  // as -display gives it; else the environment's
};

Asked asked;

// The toolkit takes its options with one dash or two.
std::optional<std::string> option(int argc, char** argv, std::string_view name) {
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view argument(argv[i]);
        const std::string_view dashless = argument.substr(argument.starts_with("--") ? 2 : 1);
        if (argument.starts_with("-") && dashless == name) return argv[i + 1];
    }
    return std::nullopt;
}

std::optional<QString> xDisplay() {
    if (asked.display) return QString::fromStdString(*asked.display);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return std::nullopt;
    return qEnvironmentVariable("DISPLAY");
}

QString waylandSocket() {
    const QString socket = qEnvironmentVariable("WAYLAND_DISPLAY");
    return socket.isEmpty() ? QStringLiteral("wayland-0") : socket;
}

std::string placeOf(const QString& platform) {
    if (platform.startsWith(QLatin1String("wayland")))
        return content::message(Message::WaylandDisplay, {{"display", echoed(waylandSocket())}});
    if (platform == QLatin1String("xcb")) {
        const auto display = xDisplay();
        if (!display) return std::string(content::message(Message::XDisplayUnset));
        return content::message(Message::XDisplay, {{"display", echoed(*display)}});
    }
    return content::message(Message::Platform, {{"platform", echoed(platform)}});
}

// What the toolkit tries: the platforms asked for in turn, or its own choice for the session.
QStringList platformsTried() {
    QStringList tried;
    for (const QString& entry : QString::fromStdString(asked.platforms).split(u';', Qt::SkipEmptyParts))
        tried.append(entry.section(u':', 0, 0));  // options follow a colon
    if (tried.isEmpty()) {
        if (qgetenv("XDG_SESSION_TYPE") == "wayland") tried.append(QStringLiteral("wayland"));
        tried.append(QStringLiteral("xcb"));
    }
    tried.removeDuplicates();
    return tried;
}

// The platforms that draw into memory reach no display server, and start too quickly to hide
// anything behind.
bool reachesADisplay() {
    return std::ranges::any_of(platformsTried(), [](const QString& platform) {
        return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
    });
}

bool xServerAnswers() {
    const auto display = xDisplay();
    if (!display) return false;
    xcb_connection_t* connection = xcb_connect(display->toLocal8Bit().constData(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

bool compositorAnswers() {
    const QString name = waylandSocket();
    const QString path = name.startsWith(u'/') ? name : qEnvironmentVariable("XDG_RUNTIME_DIR") + u'/' + name;
    const QByteArray bytes = path.toLocal8Bit();
    sockaddr_un address{};
    if (static_cast<std::size_t>(bytes.size()) >= sizeof address.sun_path) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0) return false;
    const bool answers = ::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(s);
    return answers;
}

// Whether a display the toolkit tried was there: then the toolkit failed for a reason of its
// own, and blaming the display would send the player the wrong way.
bool aDisplayAnswers() {
    const QStringList tried = platformsTried();
    return (tried.contains(QStringLiteral("xcb")) && xServerAnswers()) ||
           (std::ranges::any_of(tried, [](const QString& p) { return p.startsWith(QLatin1String("wayland")); }) &&
            compositorAnswers());
}

// The line said when no platform starts and no display answered, naming the displays tried.
std::string noSessionMessage() {
    const QStringList tried = platformsTried();
    std::string places;
    for (const QString& platform : tried.first(std::min(tried.size(), kPlatformsNamed))) {
        const std::string place = placeOf(platform);
        places = places.empty() ? place : content::message(Message::OrPlace, {{"places", places}, {"place", place}});
    }
    if (tried.size() > kPlatformsNamed) places = content::message(Message::OrOthers, {{"places", places}});
    return content::message(Message::NoSession, {{"places", places}});
}

// What the toolkit says while it starts (from its event reader thread too), kept until it has
// started: if it cannot, only the game's own line is printed.
struct Held {
    QStringList lines;     // as the toolkit's log would print them
    QString lastWarning;   // its last complaint, without the category
    QString threadFailed;  // a thread of its own that did not start, which leaves it without events
};
Held* held = nullptr;
qsizetype messagesNotHeld = 0;
std::mutex heldLock;

// Ends the process with the toolkit's own reason for failing to start, in one line; where the
// address space is limited, that is named as the likely cause.
[[noreturn]] void failedToStart(QString reason) {
    reason = reason.section(u'\n', 0, 0);
    // The fatal message's first sentence says only that no platform started; the next ones advise
    // reinstalling.
    if (const qsizetype end = reason.indexOf(QLatin1String(". ")); end >= 0) reason.truncate(end + 1);
    const std::string said =
        addressSpaceLimit()
            ? content::message(Message::QtFailedInLittleMemory, {{"mib", std::to_string(*addressSpaceLimit() >> 20)},
                                                                 {"reason", echoed(reason, kMessageLength)}})
            : content::message(Message::QtFailed, {{"reason", echoed(reason, kMessageLength)}});
    std::fputs((said + "\n").c_str(), stderr);
    std::_Exit(1);
}

void whileStarting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        if (!aDisplayAnswers()) {
            std::fputs((noSessionMessage() + "\n").c_str(), stderr);
            std::_Exit(1);
        }
        const std::scoped_lock lock(heldLock);
        // The warning before the fatal message names the cause, where there is one.
        failedToStart(held && !held->lastWarning.isEmpty() ? held->lastWarning : message);
    }
    const QString line = QString::fromStdString(echoed(qFormatLogMessage(type, context, message), kMessageLength));
    const std::scoped_lock lock(heldLock);
    if (!held) {
        std::fprintf(stderr, "%s\n", qPrintable(line));
        return;
    }
    if (type != QtDebugMsg && type != QtInfoMsg) held->lastWarning = message;
    if (message.startsWith(QLatin1String("QThread::start: Thread creation error"))) held->threadFailed = message;
    if (held->lines.size() < kMessagesHeld)
        held->lines.append(line);
    else
        ++messagesNotHeld;
}

// Qt's scale factor multiplies every size the window has: one that no window can have is
// replaced by the usual size, with a warning, rather than leave a game running with no window.
void keepTheScaleDrawable() {
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
    const QByteArray value = qgetenv("QT_SCALE_FACTOR");
    bool number = false;
    const double factor = value.toDouble(&number);
    if (number && std::isfinite(factor) && factor >= kSmallestScale && factor <= kLargestScale) return;
    const std::string said = content::message(Message::ScaleFactor, {{"value", content::echoed(value.toStdString())}});
    std::fputs((said + "\n").c_str(), stderr);
    qputenv("QT_SCALE_FACTOR", "1");
}

}  // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char** argv) {
    asked.platforms = option(argc, argv, "platform").value_or(qgetenv("QT_QPA_PLATFORM").toStdString());
    asked.display = option(argc, argv, "display");
    keepTheScaleDrawable();
    watchForMemoryRunningOut();
    static Held starting;
    held = &starting;
    const QtMessageHandler before = qInstallMessageHandler(whileStarting);
    // Reading the font configuration and the font caches is the largest part of start-up that
    // needs no window system, so it runs while the toolkit connects to the display, which is
    // mostly waiting for the server; the toolkit finds it done when it first asks for a font.
    // Should the toolkit fail, the process ends with the thread still reading, which is harmless.
    std::thread fontConfiguration;
    if (reachesADisplay()) {
        // A second thread's stack and the toolkit's start may not both fit a limited address
        // space; there the fonts are read first, on this thread, as they are wherever a thread
        // cannot start.
        if (addressSpaceLimit()) {
            FcInit();
        } else {
            try {
                fontConfiguration = std::thread([] { FcInit(); });
            } catch (const std::system_error&) {
                FcInit();
            }
        }
    }
    auto app = std::make_unique<QApplication>(argc, argv);
    if (fontConfiguration.joinable()) fontConfiguration.join();
    // Names the menu entry, so that a Wayland desktop shows the game's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.tolm.Tolm"));
    {
        const std::scoped_lock lock(heldLock);
        // Without its event reader the toolkit would never show the window, and the game would run unseen.
        if (!starting.threadFailed.isEmpty()) failedToStart(starting.threadFailed);
    }
    if (!roomForThreads()) {
        std::fputs((content::message(Message::DoesNotFit, {{"mib", std::to_string(*addressSpaceLimit() >> 20)}}) + "\n")
                       .c_str(),
                   stderr);
        std::_Exit(1);
    }
    const auto release = [before] {
        qInstallMessageHandler(before);
        const std::scoped_lock lock(heldLock);
        held = nullptr;
        for (const QString& line : starting.lines) std::fprintf(stderr, "%s\n", qPrintable(line));
        if (messagesNotHeld > 0)
            std::fprintf(stderr, "%s\n",
                         content::message(Message::QtSaidMore, {{"count", std::to_string(messagesNotHeld)}}).c_str());
    };
    if (addressSpaceLimit())
        QTimer::singleShot(kHeldWhilePaintingMs, app.get(), release);
    else
        release();
    watchTheWindowBeingBuilt();
    return app;
}

}  // namespace tolm::desktop
