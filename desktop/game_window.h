// The game's one window, with all 70 controls built from the layout table.
#pragma once

#include <QWidget>
#include <array>

#include "desktop/scene_scale.h"
#include "layout/layout.h"

namespace tolm::desktop {

class GameWindow : public QWidget {
    Q_OBJECT
public:
    explicit GameWindow(QWidget* parent = nullptr);

    QWidget* widget(Control c) const { return widgets_[indexOf(c)]; }

    // Buttons that take the focus, in rising tab position.
    const std::vector<QWidget*>& tabChain() const { return tabChain_; }

    // Gives the focus to the first visible choice after `from` in tab order, wrapping around
    // (with no `from`, to the first visible choice of all). Konec is no choice: it takes the
    // focus only when no choice is left, so a player pressing on never ends the game unawares.
    void focusNextChoice(QWidget* from = nullptr);

    // How the scene is fitted into the window now.
    const SceneScale& scale() const { return scale_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* build(const layout::ControlRow& row);
    void applyScale(const SceneScale& scale);

    std::array<QWidget*, kControlCount> widgets_{};
    std::vector<QWidget*> tabChain_;
    SceneScale scale_;
};

}  // namespace tolm::desktop
