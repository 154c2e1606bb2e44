// Drives the real widgets through Qt's window-level input, as a player's mouse and keys would.
#include "tests/support/widget_driver.h"

#include <QApplication>
#include <QTest>
#include <stdexcept>

namespace tolm::testing {

WidgetDriver::WidgetDriver()
    : window_(std::make_unique<desktop::GameWindow>()), form_(std::make_unique<desktop::QtForm>(*window_, reporter_)) {
    form_->start();
    if (!QTest::qWaitForWindowExposed(window_.get())) throw std::runtime_error("the window never showed");
    window_->activateWindow();
    QApplication::processEvents();
}

WidgetDriver::~WidgetDriver() = default;

QPoint WidgetDriver::centreOf(Control c) const {
    const QWidget* w = window_->widget(c);
    return w->mapTo(window_.get(), w->rect().center());
}

void WidgetDriver::clickAt(QPoint p, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, modifiers, p);
    QApplication::processEvents();
}

void WidgetDriver::moveTo(QPoint p, Qt::MouseButtons held) {
    QWindow* handle = window_->windowHandle();
    if (held == Qt::NoButton) {
        QTest::mouseMove(handle, p);
    } else {
        // Pressed where the move ends, so the press itself grabs nothing else.
        const auto button = static_cast<Qt::MouseButton>(held.toInt());
        QTest::mousePress(handle, button, {}, p - QPoint(1, 0));
        QTest::mouseMove(handle, p);
        QTest::mouseRelease(handle, button, {}, p);
    }
    QApplication::processEvents();
}

void WidgetDriver::key(Qt::Key k, Qt::KeyboardModifiers modifiers) {
    QWidget* target = window_->focusWidget() ? window_->focusWidget() : window_.get();
    QTest::keyClick(target, k, modifiers);
    QApplication::processEvents();
}

void WidgetDriver::activateByKeyboard(Control c) {
    QWidget* goal = window_->widget(c);
    for (std::size_t i = 0; i <= window_->tabChain().size() && window_->focusWidget() != goal; ++i) key(Qt::Key_Tab);
    if (window_->focusWidget() != goal) throw std::runtime_error("Tab never reached " + std::string(controlName(c)));
    key(Qt::Key_Space);
}

bool WidgetDriver::reachableByMouse(Control c) const { return window_->childAt(centreOf(c)) == window_->widget(c); }

void WidgetDriver::choose(Control c) {
    if (!visible(c)) throw std::logic_error("no player can choose the hidden " + std::string(controlName(c)));
    if (reachableByMouse(c))
        click(c);
    else
        activateByKeyboard(c);
}

bool WidgetDriver::visible(Control c) const { return !window_->widget(c)->isHidden(); }

std::string WidgetDriver::caption(Control c) const {
    std::string text;
    form_->getCaption(c, text);
    return text;
}

Control WidgetDriver::focused() const {
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (window_->widget(controlAt(i)) == window_->focusWidget()) return controlAt(i);
    throw std::runtime_error("the focus is on no control");
}

std::set<Control> WidgetDriver::visibleControls() const {
    std::set<Control> shown;
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (visible(controlAt(i))) shown.insert(controlAt(i));
    return shown;
}

}  // namespace tolm::testing
