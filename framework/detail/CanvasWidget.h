// The widget of a Canvas: draws its backdrop picture unscaled at the top-left. Mouse presses are
// left to the window.
#pragma once

#include <QWidget>
#include <memory>

namespace fw {
class Picture;
}

namespace fw::detail {

class CanvasWidget : public QWidget {
public:
    std::shared_ptr<Picture> backdrop;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace fw::detail
