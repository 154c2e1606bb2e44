// The game's one window, with all 70 controls built from the layout table.
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "desktop/scene_scale.h"
#include "layout/focus.h"
#include "layout/layout.h"

namespace tolm::desktop {

class GameWindow : public QWidget {
    Q_OBJECT
public:
    explicit GameWindow(QWidget* parent = nullptr);
    ~GameWindow() override;

    QWidget* widget(Control c) const { return widgets_[indexOf(c)]; }

    // Buttons that take the focus, in rising tab position.
    const std::vector<QWidget*>& tabChain() const { return tabChain_; }

    // Which controls are shown now.
    layout::Shown shown() const;
    // The control a widget draws, if it draws one.
    std::optional<Control> controlOf(const QWidget* w) const;
    // Gives the focus to the control, if there is one.
    void focus(std::optional<Control> c);

    // How the scene is fitted into the window now.
    const SceneScale& scale() const { return scale_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* build(const layout::ControlRow& row);
    void stackInWindowOrder();
    void applyScale(const SceneScale& scale);

    std::array<QWidget*, kControlCount> widgets_{};
    std::vector<QWidget*> tabChain_;
    SceneScale scale_;
};

}  // namespace tolm::desktop
