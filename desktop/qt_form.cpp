// Property access on the widgets, and the only place that knows about Qt's events.
#include "desktop/qt_form.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>

#include "content/message.h"
#include "engine/story.h"
#include "layout/access.h"

namespace tolm::desktop {
using namespace layout;
using namespace runtime;

QtForm::QtForm(desktop::GameWindow& window, Reporter& reporter) : Form(reporter), window_(window) {
    for (const layout::ControlRow& row : layout::kLayout) {
        QWidget* w = window_.widget(row.control);
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            connect(button, &QAbstractButton::clicked, this, [this, c = row.control] {
                deliver(engine::click(c));
                keys_.choiceRan();
            });
            button->installEventFilter(&keys_);
        }
        // Pointer moves are watched only where the story has something to say about them.
        if (engine::handlerFor(engine::mouseMove(row.control))) {
            w->setMouseTracking(true);
            w->installEventFilter(this);
        }
        if (const auto description = engine::descriptionShownBy(row.control))
            w->setAccessibleDescription(QString::fromUtf8(content::text(*description)));
    }
    window_.installEventFilter(&keys_);
    if (engine::handlerFor(engine::kFormMouseMove)) {
        window_.setMouseTracking(true);
        window_.installEventFilter(this);
    }
}

void QtForm::start() {
    engine::raise(*this, engine::kFormLoad);
    window_.showMaximized();
    window_.focus(layout::firstFocus(window_.shown()));
}

Status QtForm::setVisible(Control c, Truth value) {
    if (!supports(c, Operation::SetVisible)) return Status::Failed;
    window_.widget(c)->setVisible(value != kFalse);
    return Status::Ok;
}

Status QtForm::getVisible(Control c, Truth& value) {
    if (!supports(c, Operation::GetVisible)) return Status::Failed;
    value = truth(!window_.widget(c)->isHidden());
    return Status::Ok;
}

Status QtForm::setCaption(Control c, std::string_view text) {
    auto* label = qobject_cast<QLabel*>(window_.widget(c));
    if (!label || !supports(c, Operation::SetCaption)) return Status::Failed;
    label->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    // A new story, purse or description is read out without the player hunting for it.
    if (engine::captionChangesInPlay(c)) {
        QAccessibleEvent changed(label, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    return Status::Ok;
}

Status QtForm::getCaption(Control c, std::string& text) {
    auto* label = qobject_cast<QLabel*>(window_.widget(c));
    if (!label || !supports(c, Operation::GetCaption)) return Status::Failed;
    text = label->text().toStdString();
    return Status::Ok;
}

void QtForm::end(int exitStatus) {
    exitStatus_ = exitStatus;
    QCoreApplication::exit(exitStatus);
}

bool QtForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove) return false;
    if (watched == &window_) {
        deliver(engine::kFormMouseMove);
        return false;
    }
    for (const layout::ControlRow& row : layout::kLayout) {
        if (window_.widget(row.control) == watched) {
            deliver(engine::mouseMove(row.control));
            return true;
        }
    }
    return false;
}

void QtForm::deliver(engine::Trigger trigger) {
    const std::optional<Control> focused = window_.controlOf(window_.focusWidget());
    engine::raise(*this, trigger);
    // A choice often hides its own button, or covers one a screen reader's press left the focus
    // on; the focus then goes on to the next choice shown.
    const std::optional<Control> pressed = trigger.event == engine::Event::Click ? trigger.control : std::nullopt;
    if (!ended()) window_.focus(layout::focusAfterEvent(focused, pressed, window_.shown()));
}

void MessageBoxReporter::report(const RuntimeError& error) {
    QMessageBox::critical(parent_, QStringLiteral("Tolm"),
                          QString::fromStdString(content::runtimeErrorMessage(error.number)));
}

}  // namespace tolm::desktop
