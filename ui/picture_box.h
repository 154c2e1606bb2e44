// A box that shows its scene picture unscaled from the top-left corner, cut at its edges.
#pragma once

#include <QWidget>

#include "ui/scene_picture.h"

namespace tolm::ui {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(ScenePicture picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ScenePicture picture_;
};

}  // namespace tolm::ui
