// Lines are laid out by hand so that they are spaced like the faces the layout was made for.
#include "desktop/wrapping_label.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>

#include "layout/typography.h"

namespace tolm::desktop {
namespace {

// Lays the caption out line under line; returns the height it takes.
int layOut(QTextLayout& layout, int width, int lineHeight) {
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    int y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += lineHeight;
    }
    layout.endLayout();
    return y;
}

}  // namespace

WrappingLabel::WrappingLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
}

int WrappingLabel::lineHeight() const {
    const QFontMetrics metrics(font());
    const int pixelSize = font().pixelSize() > 0 ? font().pixelSize() : metrics.height();
    return std::min(metrics.lineSpacing(), layout::lineHeight(pixelSize));
}

int WrappingLabel::wrappedHeight(const QString& caption) const {
    QTextLayout layout(caption, font());
    return layOut(layout, width(), lineHeight());
}

void WrappingLabel::paintEvent(QPaintEvent*) {
    QTextLayout layout(text(), font());
    layOut(layout, width(), lineHeight());
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, QPointF(0, 0));
}

}  // namespace tolm::desktop
