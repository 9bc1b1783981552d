#pragma once

#include <QWidget>

namespace survey {

// A small picture of the method: a horizontal board held against the wall, a plumb line
// hanging over it, the Sun, and the shadow of the line on the board with its angle α from the
// perpendicular to the wall.
class SurveyFigure : public QWidget {
public:
    explicit SurveyFigure(QWidget *parent = nullptr);
    QSize sizeHint() const override { return {300, 220}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace survey
