// A box that shows its scene picture unscaled from the top-left corner, cut at its edges.
#pragma once

#include <QImage>
#include <QWidget>

namespace tolm::ui {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(QImage picture, QWidget* parent);
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Kept indexed, one byte a pixel: a quarter of the memory a 32-bit pixmap would take.
    QImage picture_;
};

}  // namespace tolm::ui
