// Fusion, but for the frame's outline, which Fusion draws from a stored PNG: reading it would load
// every image plugin at start-up, for one rectangle.
#include "desktop/game_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>

#include "desktop/outline_shape.h"
#include "layout/typography.h"

namespace tolm::desktop {
namespace {

class GameStyle : public QProxyStyle {
public:
    GameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // Under the caption, where Fusion puts it, so the caption stays outside the outline.
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        const int captionHeight = box && !box->title().isEmpty() ? layout::frameOutlineTop(box->font().pixelSize()) : 0;
        const int width = outlineWidth(widget);
        paintOutline(*painter, option->rect.adjusted(0, captionHeight, 0, 0), width,
                     option->palette.color(QPalette::Mid));
    }
};

}  // namespace

void installGameStyle() { QApplication::setStyle(new GameStyle); }

}  // namespace tolm::desktop
