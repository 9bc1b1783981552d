#pragma once

#include "drawing/geometry2d.h"
#include "gnomonics/calendar.h"
#include "gnomonics/diallines.h"
#include "gnomonics/plane.h"

#include <QGroupBox>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;

namespace drawing {
class DrawingCanvas;
}

namespace designer {

struct DesignedDial;

// "Ombra": the shadow at one instant on the dial being designed. The user types a date and a
// clock time (or takes now, or plays through the day or the year); the panel shows where the
// nodus's shadow falls, laid over the drawing, and what the dial reads there in each hour
// system that is on. View state only: nothing here touches the project or its history.
class ShadowPanel final : public QGroupBox {
    Q_OBJECT
public:
    explicit ShadowPanel(drawing::DrawingCanvas *canvas, QWidget *parent = nullptr);

    // The dial the shadow falls on, as the canvas now shows it (call after each new drawing).
    void setDial(const DesignedDial &dial);
    // Shows the shadow at that date and clock time (minutes of the day, 0..1439): the fields
    // are written and the shadow moved. The date must exist within the program's years.
    void showInstant(const gnomonics::CivilDate &date, int clockMinutes);

    // A frame of the animations: one minute on (wrapping at midnight), or one day on at the
    // same clock time (wrapping from 31 December to 1 January of the same year).
    void stepMinute();
    void stepDay();

private:
    QHBoxLayout *buildInstantRow();
    QHBoxLayout *buildReadingsRow();
    QHBoxLayout *buildNotesRow();
    void connectControls();
    enum class Play { None, Day, Year };

    // Reads the date and time as typed; a refusal is said under the fields and changes nothing.
    void applyTyped();
    void onTextEdited();
    void onNow();
    void onSlider(int minutes);
    void setPlay(Play play);
    void onFrame();
    // Writes the date and time fields and the slider from the instant shown.
    void writeInstant();
    // The shadow and the readings for the instant shown; nothing else is computed.
    void updateShadow();

    drawing::DrawingCanvas *canvas_ = nullptr;
    QLineEdit *date_ = nullptr;
    QLineEdit *time_ = nullptr;
    QLabel *dateError_ = nullptr;
    QLabel *timeError_ = nullptr;
    QSlider *slider_ = nullptr;
    QPushButton *now_ = nullptr;
    QPushButton *playDay_ = nullptr;
    QPushButton *playYear_ = nullptr;
    QLineEdit *x_ = nullptr;
    QLineEdit *y_ = nullptr;
    QLineEdit *apparent_ = nullptr;
    QLineEdit *civil_ = nullptr;
    QLineEdit *italic_ = nullptr;
    QLineEdit *babylonian_ = nullptr;
    QLineEdit *temporary_ = nullptr;
    QLabel *sight_ = nullptr;
    QTimer *typingPause_ = nullptr;
    QTimer *frame_ = nullptr;
    Play play_ = Play::None;
    bool writing_ = false; // the panel itself is writing its fields

    bool hasDial_ = false;
    gnomonics::DialSpec design_;
    gnomonics::DialPlane plane_;
    drawing::Box extent_; // of the sketch whose page the canvas shows
    gnomonics::CivilDate day_;
    int minutes_ = 12 * 60;
};

} // namespace designer
