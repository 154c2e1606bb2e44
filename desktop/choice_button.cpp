// Buttons draw their own caption so that a long one wraps instead of being cut.
#include "desktop/choice_button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tolm::desktop {

ChoiceButton::ChoiceButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
}

void ChoiceButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown()) {
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

void ChoiceButton::keyPressEvent(QKeyEvent* event) {
    // A plain window leaves Return and Enter to dialogs; players expect them to choose.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    switch (event->key()) {
        case Qt::Key_Up: emit arrowPressed(layout::Arrow::Up); return;
        case Qt::Key_Down: emit arrowPressed(layout::Arrow::Down); return;
        case Qt::Key_Left: emit arrowPressed(layout::Arrow::Left); return;
        case Qt::Key_Right: emit arrowPressed(layout::Arrow::Right); return;
        default: QPushButton::keyPressEvent(event);
    }
}

}  // namespace tolm::desktop
