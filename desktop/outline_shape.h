// A one-pixel rectangle outline: seen, but transparent inside and to the pointer.
#pragma once

#include <QWidget>

namespace tolm::desktop {

class OutlineShape : public QWidget {
    Q_OBJECT
public:
    explicit OutlineShape(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tolm::desktop
