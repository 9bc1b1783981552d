#pragma once

#include "shell/designerport.h"
#include "shell/sheetwindow.h"
#include "survey/surveyform.h"

#include <QCheckBox>
#include <QLabel>

class QGroupBox;
class QHBoxLayout;
class QScrollArea;

#include <array>

namespace survey {

// "Rilievo della parete": the wall's declination from the shadow of a plumb line at known
// clock times, and its inclination from the plumb line's distances from the wall. Reads the
// fields, hands them to ComputeSurvey and writes back every result, or only the notes beside
// the refused fields.
class RilievoWindow : public shell::SheetWindow {
    Q_OBJECT

public:
    explicit RilievoWindow(QWidget *parent = nullptr);

    SurveyForm form() const;
    // The readings as typed, for the designer to keep with the dial.
    shell::WallSurveyReadings readings() const;
    // The observations and the plumb line as JSON (texts as typed), as the designer keeps them
    // in its project under "rilievo".
    QString surveyJson() const;
    // Puts back observations saved by surveyJson(); false (and nothing changed) for any other text.
    Q_INVOKABLE bool loadSurveyJson(const QString &json);

    void onCompute();
    void onUseInDesigner();
    void onPrintReport();
    void onPrintProtractor();

    QSize sizeHint() const override;

private:
    // The window's parts, top to bottom.
    QHBoxLayout *placeRow(const SurveyForm &defaults);
    QGroupBox *observationsBox(const SurveyForm &defaults);
    QHBoxLayout *resultsRow();
    QHBoxLayout *buttonRow();
    void takeDesignerPlace();
    bool computeAndShow();
    // Empties every result, so that none is left from readings since changed or refused.
    void clearResults();
    void showNotes(const SurveyOutcome &outcome);
    void setMessage(const QString &text);

    QWidget *bottom_ = nullptr;
    QScrollArea *scroll_ = nullptr;
    QCheckBox *summer_ = nullptr;
    std::array<QCheckBox *, kRows> rowSummer_{};
    QLabel *latitudeNote_ = nullptr, *longitudeNote_ = nullptr, *zoneNote_ = nullptr, *plumbNote_ = nullptr;
    std::array<QLabel *, kRows> rowNotes_{};
    QLabel *outliers_ = nullptr, *sense_ = nullptr, *message_ = nullptr;
    SurveyOutcome shown_;
};

} // namespace survey
