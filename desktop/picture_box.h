// A box that shows its scene picture from the top-left corner, cut at its edges, at the scene's scale.
#pragma once

#include <QWidget>

#include "desktop/scene_picture.h"

namespace tolm::desktop {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(ScenePicture picture, QWidget* parent);

    // Picture pixels to the box's pixels; 1 shows the picture as drawn.
    void setScale(double factor);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ScenePicture picture_;
    double scale_ = 1.0;
};

}  // namespace tolm::desktop
