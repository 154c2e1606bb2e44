// Starts the toolkit, with the font configuration read meanwhile; when no platform starts, the
// toolkit would end the process with an abort, and the game says why instead.
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

std::string quoted(std::string_view open, std::string_view text, std::string_view close) {
    return std::string(open).append(text).append(close);
}

Place placeOf(const QString& platform) {
    if (platform.startsWith(QLatin1String("wayland"))) {
        QByteArray socket = qgetenv("WAYLAND_DISPLAY");
        if (socket.isEmpty()) socket = "wayland-0";
        return {"k displeji Wayland " + quoted("„", socket.toStdString(), "“"),
                "to Wayland display " + quoted("\"", socket.toStdString(), "\"")};
    }
    if (platform == QLatin1String("xcb")) {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            return {"k displeji X (proměnná DISPLAY není nastavena)", "to an X display (DISPLAY is not set)"};
        const std::string display = qgetenv("DISPLAY").toStdString();
        return {"k displeji X " + quoted("„", display, "“"), "to X display " + quoted("\"", display, "\"")};
    }
    return {"k platformě " + quoted("„", platform.toStdString(), "“"),
            "to the " + quoted("\"", platform.toStdString(), "\"") + " platform"};
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
    std::string czech, english;
    for (const QString& platform : platformsTried(platforms)) {
        const Place place = placeOf(platform);
        czech += (czech.empty() ? "" : " ani ") + place.czech;
        english += (english.empty() ? "" : " or ") + place.english;
    }
    return "Tolm potřebuje grafické prostředí, ale nemohl se připojit " + czech +
           ". / Tolm needs a graphical session but could not connect " + english + ".";
}

std::string askedPlatforms;
// What the toolkit says while it starts (from its event reader thread too), kept until it has
// started: if it cannot, only the game's own line is printed.
QStringList* heldMessages = nullptr;
std::mutex heldMessagesLock;

void whileStarting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs((noSessionMessage(askedPlatforms) + "\n").c_str(), stderr);
        std::_Exit(1);
    }
    const std::scoped_lock lock(heldMessagesLock);
    if (heldMessages) heldMessages->append(qFormatLogMessage(type, context, message));
    else std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
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
    return app;
}

}  // namespace tolm::desktop
