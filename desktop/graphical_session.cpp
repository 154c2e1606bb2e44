// Starts the toolkit, with the font configuration read meanwhile; when no platform starts, the
// toolkit would end the process with an abort, and the game says why instead. What either
// says echoes the platforms and displays it was given, which may be of any length, so the
// echoes are cut short.
#include "desktop/graphical_session.h"

#include <fontconfig/fontconfig.h>

#include <QByteArray>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string_view>
#include <thread>

namespace tolm::desktop {
namespace {

struct Place {
    std::string czech, english;
};

// Enough to tell a name or a message apart, and no longer.
constexpr qsizetype kNameLength = 40;
constexpr qsizetype kMessageLength = 300;
// A list of platforms may be any length too: the line names the first few different ones,
// and the toolkit's messages past a screenful are only counted.
constexpr qsizetype kPlatformsNamed = 3;
constexpr qsizetype kMessagesHeld = 10;

QString shortened(const QString& text, qsizetype length) {
    if (text.size() <= length) return text;
    qsizetype cut = length - 1;
    if (text.at(cut - 1).isHighSurrogate()) --cut;
    return text.first(cut) + u'…';
}

std::string quoted(std::string_view open, const QString& text, std::string_view close) {
    return std::string(open).append(shortened(text, kNameLength).toStdString()).append(close);
}

Place placeOf(const QString& platform) {
    if (platform.startsWith(QLatin1String("wayland"))) {
        QString socket = qEnvironmentVariable("WAYLAND_DISPLAY");
        if (socket.isEmpty()) socket = QStringLiteral("wayland-0");
        return {"k displeji Wayland " + quoted("„", socket, "“"), "to Wayland display " + quoted("\"", socket, "\"")};
    }
    if (platform == QLatin1String("xcb")) {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            return {"k displeji X (proměnná DISPLAY není nastavena)", "to an X display (DISPLAY is not set)"};
        const QString display = qEnvironmentVariable("DISPLAY");
        return {"k displeji X " + quoted("„", display, "“"), "to X display " + quoted("\"", display, "\"")};
    }
    return {"k platformě " + quoted("„", platform, "“"), "to the " + quoted("\"", platform, "\"") + " platform"};
}

// What the toolkit tries: the platforms asked for in turn, or its own choice for the session.
QStringList platformsTried(const std::string& asked) {
    QStringList tried;
    for (const QString& entry : QString::fromStdString(asked).split(u';', Qt::SkipEmptyParts))
        tried.append(entry.section(u':', 0, 0));  // options follow a colon
    if (tried.isEmpty()) {
        if (qgetenv("XDG_SESSION_TYPE") == "wayland") tried.append(QStringLiteral("wayland"));
        tried.append(QStringLiteral("xcb"));
    }
    return tried;
}

// The platforms that draw into memory reach no display server, and start too quickly to hide
// anything behind.
bool reachesADisplay(const std::string& asked) {
    const QStringList tried = platformsTried(asked);
    return std::ranges::any_of(tried, [](const QString& platform) {
        return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
    });
}

std::string platformsAsked(int argc, char** argv) {
    // The toolkit takes its options with one dash or two.
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string_view(argv[i]) == "-platform" || std::string_view(argv[i]) == "--platform") return argv[i + 1];
    return qgetenv("QT_QPA_PLATFORM").toStdString();
}

// The line said when no platform starts, naming the displays tried.
std::string noSessionMessage(const std::string& platforms) {
    QStringList tried = platformsTried(platforms);
    tried.removeDuplicates();
    std::string czech, english;
    for (const QString& platform : tried.first(std::min(tried.size(), kPlatformsNamed))) {
        const Place place = placeOf(platform);
        czech += (czech.empty() ? "" : " ani ") + place.czech;
        english += (english.empty() ? "" : " or ") + place.english;
    }
    if (tried.size() > kPlatformsNamed) {
        czech += " ani k dalším zadaným";
        english += " or to the others asked for";
    }
    return "Tolm potřebuje grafické prostředí, ale nemohl se připojit " + czech +
           ". / Tolm needs a graphical session but could not connect " + english + ".";
}

std::string askedPlatforms;
// What the toolkit says while it starts (from its event reader thread too), kept until it has
// started: if it cannot, only the game's own line is printed.
QStringList* heldMessages = nullptr;
qsizetype messagesNotHeld = 0;
std::mutex heldMessagesLock;

void whileStarting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs((noSessionMessage(askedPlatforms) + "\n").c_str(), stderr);
        std::_Exit(1);
    }
    const QString line = shortened(qFormatLogMessage(type, context, message), kMessageLength);
    const std::scoped_lock lock(heldMessagesLock);
    if (!heldMessages) std::fprintf(stderr, "%s\n", qPrintable(line));
    else if (heldMessages->size() < kMessagesHeld) heldMessages->append(line);
    else ++messagesNotHeld;
}

}  // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char** argv) {
    askedPlatforms = platformsAsked(argc, argv);
    QStringList held;
    heldMessages = &held;
    const QtMessageHandler before = qInstallMessageHandler(whileStarting);
    // Reading the font configuration and the font caches is the largest part of start-up that
    // needs no window system, so it runs while the toolkit connects to the display, which is
    // mostly waiting for the server; the toolkit finds it done when it first asks for a font.
    // Should the toolkit fail, the process ends with the thread still reading, which is harmless.
    std::thread fontConfiguration;
    if (reachesADisplay(askedPlatforms)) fontConfiguration = std::thread([] { FcInit(); });
    auto app = std::make_unique<QApplication>(argc, argv);
    if (fontConfiguration.joinable()) fontConfiguration.join();
    // Names the menu entry, so that a Wayland desktop shows the game's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.tolm.Tolm"));
    qInstallMessageHandler(before);
    const std::scoped_lock lock(heldMessagesLock);
    heldMessages = nullptr;
    for (const QString& message : held) std::fprintf(stderr, "%s\n", qPrintable(message));
    if (messagesNotHeld > 0)
        std::fprintf(stderr, "(and %lld more messages from Qt while it started)\n",
                     static_cast<long long>(messagesNotHeld));
    return app;
}

}  // namespace tolm::desktop
