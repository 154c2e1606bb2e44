// A box that shows its scene picture unscaled from the top-left corner, cut at its edges.
#pragma once

#include <QWidget>

#include "desktop/scene_picture.h"

namespace tolm::desktop {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(ScenePicture picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ScenePicture picture_;
};

}  // namespace tolm::desktop
