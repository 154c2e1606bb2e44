// Two requests of the X server that the toolkit does not make, each a no-op on other platforms.
#include "desktop/x_server.h"

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QMetaObject>
#include <QWidget>
#include <cstdlib>
#include <memory>
// The keyboard extension's header names a field `explicit`, a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace tolm::desktop {

void askForDetectableKeyRepeat() {
    // The offscreen platform answers as X too, with no connection behind it.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || QGuiApplication::platformName() != QLatin1String("xcb") || !x11->connection()) return;
    xcb_connection_t* connection = x11->connection();
    // The toolkit has already taken the keyboard extension into use on this connection.
    constexpr uint32_t kDetectable = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const auto cookie =
        xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, kDetectable, kDetectable, 0, 0, 0);
    const std::unique_ptr<xcb_xkb_per_client_flags_reply_t, decltype(&std::free)> reply(
        xcb_xkb_per_client_flags_reply(connection, cookie, nullptr), &std::free);
    if (!reply || !(reply->value & kDetectable))
        qWarning("The X server sends held keys' repeats as releases and presses; a busy game may misread them.");
}

bool WindowDestroyedWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY) return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (destroyed->window == window_.winId())
        QMetaObject::invokeMethod(&window_, &QWidget::close, Qt::QueuedConnection);
    return false;
}

}  // namespace tolm::desktop
