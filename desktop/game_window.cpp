// Builds every control from its row: kind, place, font, colours, caption, tooltip, order.
#include "desktop/game_window.h"

#include <QGroupBox>
#include <QResizeEvent>
#include <algorithm>

#include "desktop/choice_button.h"
#include "desktop/fonts.h"
#include "desktop/full_screen.h"
#include "desktop/outline_shape.h"
#include "desktop/picture_box.h"
#include "desktop/program_icon.h"
#include "desktop/scene_picture.h"
#include "desktop/wrapping_label.h"

namespace tolm::desktop {
using namespace layout;
namespace {

QString qText(content::Text key) { return QString::fromUtf8(content::text(key)); }

QString captionOf(const ControlRow& row) {
    if (const auto* key = std::get_if<content::Text>(&row.caption)) return qText(*key);
    return {};
}

// Labels and buttons default to the button face; the frame and window to the workspace grey.
QColor colour(const BackColour& back, const QPalette& palette) {
    if (const auto* rgb = std::get_if<Rgb>(&back)) return QColor(rgb->red, rgb->green, rgb->blue);
    return std::get<SystemColour>(back) == SystemColour::AppWorkspace ? palette.color(QPalette::Dark)
                                                                      : palette.color(QPalette::Button);
}

void paintBackground(QWidget* w, const QColor& back) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, back);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

}  // namespace

GameWindow::GameWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QString::fromUtf8(kWindowTitle));
    setAccessibleName(windowTitle());
    setWindowIcon(programIcon());
    setFont(qtFont(kWindowFont));
    paintBackground(this, colour(SystemColour::AppWorkspace, palette()));
    resize(SceneScale::kScene);
    setMinimumSize(SceneScale::smallestClientArea());
    installFullScreenKeys(*this);

    for (const ControlRow& row : kLayout) widgets_[indexOf(row.control)] = build(row);

    stackInWindowOrder();

    for (const Control c : layout::tabChain()) tabChain_.push_back(widget(c));
    for (std::size_t i = 1; i < tabChain_.size(); ++i) setTabOrder(tabChain_[i - 1], tabChain_[i]);
}

QWidget* GameWindow::build(const ControlRow& row) {
    QWidget* parent = row.in == Container::Frame1 ? widget(Control::Frame1) : this;
    QWidget* w = nullptr;
    switch (row.kind) {
        case Kind::Label: {
            auto* label = new WrappingLabel(captionOf(row), parent);
            paintBackground(label, colour(row.back, palette()));
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, row.fore ? QColor(row.fore->red, row.fore->green, row.fore->blue)
                                                            : palette.color(QPalette::ButtonText));
            label->setPalette(palette);
            w = label;
            break;
        }
        case Kind::Button: {
            auto* button = new ChoiceButton(captionOf(row), parent);
            connect(button, &ChoiceButton::arrowPressed, this,
                    [this, c = row.control](layout::Arrow arrow) { focus(layout::afterArrow(c, arrow, shown())); });
            connect(button, &ChoiceButton::focusLeft, this, &GameWindow::stackInWindowOrder);
            w = button;
            break;
        }
        case Kind::PictureBox: {
            const auto picture = std::get<content::Picture>(row.caption);
            w = new PictureBox(ScenePicture::read(content::pictureFile(picture)), parent);
            w->setAccessibleName(qText(content::altText(picture)));
            break;
        }
        case Kind::Frame: {
            auto* frame = new QGroupBox(captionOf(row), parent);
            frame->setFocusPolicy(Qt::NoFocus);
            paintBackground(frame, colour(row.back, palette()));
            w = frame;
            break;
        }
        case Kind::Shape:
            w = new OutlineShape(parent);
            w->setAccessibleName(qText(content::Text::A15));
            break;
    }
    w->setObjectName(QString::fromUtf8(controlName(row.control)));
    w->setGeometry(scale_.place(row));
    if (row.font) w->setFont(qtFont(*row.font));
    if (row.tooltip) {
        // What the pointer's hint says, a screen reader says too.
        w->setToolTip(qText(*row.tooltip));
        w->setAccessibleDescription(qText(*row.tooltip));
    }
    // Only the story decides what a pointer move means; nothing bubbles up to the window.
    w->setAttribute(Qt::WA_NoMousePropagation);
    w->setVisible(row.visibleAtStart);
    return w;
}

// The buttons outlive this part of the window: the focus they lose as it goes must not restack
// a window that is no longer there.
GameWindow::~GameWindow() {
    for (QWidget* w : widgets_) w->disconnect(this);
}

void GameWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The size the window has now, not the event's: under a window manager an event that was
    // pending since the window was shown can arrive after the maximized size is already set,
    // and no later event would bring that size.
    const SceneScale fitted = SceneScale::fitting(size());
    if (fitted != scale_) applyScale(fitted);
}

// Everything the scene is drawn with follows the factor; the controls keep their state.
void GameWindow::applyScale(const SceneScale& scale) {
    scale_ = scale;
    setFont(qtFont(kWindowFont, scale));
    for (const ControlRow& row : kLayout) {
        QWidget* w = widget(row.control);
        w->setGeometry(scale.place(row));
        if (row.font) w->setFont(qtFont(*row.font, scale));
        if (auto* box = qobject_cast<PictureBox*>(w)) box->setScale(scale.factor());
        if (row.kind == Kind::Frame || row.kind == Kind::Shape) setOutlineWidth(w, scale.lineWidth());
    }
}

// The control raised last stacks on top, and window order puts the first in front.
void GameWindow::stackInWindowOrder() {
    for (auto row = kLayout.rbegin(); row != kLayout.rend(); ++row) widgets_[indexOf(row->control)]->raise();
}

layout::Shown GameWindow::shown() const {
    layout::Shown s;
    for (std::size_t i = 0; i < kControlCount; ++i) s[i] = !widgets_[i]->isHidden();
    return s;
}

std::optional<Control> GameWindow::controlOf(const QWidget* w) const {
    const auto it = std::ranges::find(widgets_, w);
    if (!w || it == widgets_.end()) return std::nullopt;
    return controlAt(static_cast<std::size_t>(it - widgets_.begin()));
}

void GameWindow::focus(std::optional<Control> c) {
    if (c) widget(*c)->setFocus(Qt::TabFocusReason);
}

}  // namespace tolm::desktop
