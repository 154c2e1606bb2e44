// A box that shows its scene picture unscaled from the top-left corner, cut at its edges.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace tolm::ui {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(QPixmap picture, QWidget* parent);
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace tolm::ui
