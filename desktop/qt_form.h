// The window on screen: the story's form over the Qt widgets, and Qt's events turned into handlers.
#pragma once

#include <QObject>
#include <optional>

#include "desktop/game_window.h"
#include "desktop/held_keys.h"
#include "engine/step.h"
#include "runtime/form.h"

namespace tolm::desktop {

using runtime::Form;
using runtime::Reporter;
using runtime::RuntimeError;
using runtime::Status;
using runtime::Truth;

class QtForm : public QObject, public Form {
    Q_OBJECT
public:
    QtForm(desktop::GameWindow& window, Reporter& reporter);

    // Form_Load, then the window is shown maximized with the focus on the first choice.
    void start();

    Status setVisible(Control c, Truth value) override;
    Status getVisible(Control c, Truth& value) override;
    Status setCaption(Control c, std::string_view text) override;
    Status getCaption(Control c, std::string& text) override;
    void end(int exitStatus) override;
    bool ended() const override { return exitStatus_.has_value(); }

    std::optional<int> exitStatus() const { return exitStatus_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void deliver(engine::Trigger trigger);

    desktop::GameWindow& window_;
    HeldKeys keys_;
    std::optional<int> exitStatus_;
};

// Shows the error in a message box; the program ends after it.
class MessageBoxReporter : public Reporter {
public:
    explicit MessageBoxReporter(QWidget* parent) : parent_(parent) {}
    void report(const RuntimeError& error) override;

private:
    QWidget* parent_;
};

}  // namespace tolm::desktop
