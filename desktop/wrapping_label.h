// A label that wraps its caption at word boundaries from its top-left corner and cuts it at the bottom.
#pragma once

#include <QLabel>

namespace tolm::desktop {

class WrappingLabel : public QLabel {
    Q_OBJECT
public:
    WrappingLabel(const QString& caption, QWidget* parent);

    // The distance from one line to the next in this label's font.
    int lineHeight() const;

    // How tall the caption is when wrapped to the label's width; what lies below height() is cut.
    int wrappedHeight(const QString& caption) const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tolm::desktop
