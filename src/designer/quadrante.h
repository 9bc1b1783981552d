#pragma once

#include "designer/designerexport.h"
#include "project/projectfile.h"

#include <QHash>
#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableView;
class QTimer;

namespace drawing {
class DrawingCanvas;
}
namespace shell {
class WindowRegistry;
}

namespace designer {

class CoordinateModel;

// The dial designer: every input of a dial beside its drawing at true scale, redrawn as the
// user types, a table of every point, the project file and the exports. The window only reads
// its fields into a project and shows what DesignDial makes of it.
class Quadrante final : public QWidget {
    Q_OBJECT
public:
    explicit Quadrante(QWidget *parent = nullptr);

    // Shows a project and remembers its file; marks it unmodified.
    void setProject(const project::Project &project, const QString &path);
    // Opens a project file; false (nothing changed) with the reason in *error when refused.
    bool openFile(const QString &path, QString *error);
    bool isModified() const { return modified_; }
    const project::Project &project() const { return project_; }
    const DesignedDial &dial() const { return dial_; }
    // Redraws now instead of after the pause that follows typing.
    void redrawNow();

    // From the wall survey: the plane's declination (engine convention, West positive,
    // -180..180) and inclination, and the survey itself, kept in the project as "rilievo".
    // Returns why a value was refused (and then nothing is taken), or an empty text.
    Q_INVOKABLE QString applySurvey(double declinationDeg, double inclinationDeg, const QString &surveyJson);
    // From a sheet's drawing ("Apri nel Quadrante"): the latitude, the plane (engine convention:
    // declination West positive, -180..180; inclination 0 vertical, 90 horizontal) and the
    // style's length in mm. The dial then shows what the sheet drew: apparent hours and the
    // solstices and equinoxes, the zodiac entries too when zodiac is true, no other hour system
    // or date line, and the day of dates (gg/mm/aaaa) when not empty. The place's name,
    // longitude, zone and the plate stay as they are. It is a new project, tied to no file;
    // unsaved changes are asked about first, and kept when the user cancels.
    Q_INVOKABLE void takeSheetInputs(double latitudeDeg, double declinationDeg, double inclinationDeg, double styleMm,
                                     bool zodiac, const QString &dates);
    // {"latitudine":..,"longitudine":..,"fuso":..,"ora_legale":..} of the current inputs.
    Q_INVOKABLE QString placeJson() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void onFieldEdited();
    void onOpen();
    bool onSave();
    bool onSaveAs();
    void onExport();
    // Reads the fields and redraws; false (the last good drawing kept) when a value is refused.
    bool recompute();
    void fillTable();
    void showErrors(const QHash<QString, QString> &errors);
    project::Project readFields(QHash<QString, QString> *errors) const;
    void writeFields(const project::Project &p);
    // Asks whether to save unsaved changes before they are closed or replaced: true to go on
    // (saved or discarded), false when the user cancels or the save failed.
    bool maySetAside(const QString &question);
    void setModified(bool modified);
    // "Progetto del quadrante — prova.horalo", with " *" while there are unsaved changes.
    void updateTitle();
    // What the status line adds after a redraw: that the foot lies off the plate, or nothing.
    QString footNote() const;
    bool saveTo(const QString &path);

    QLineEdit *addLine(const QString &key);
    QCheckBox *addCheck(const QString &key, const QString &text);

    QHash<QString, QLineEdit *> lines_;
    QHash<QString, QCheckBox *> checks_;
    QHash<QString, QLabel *> errorLabels_;
    QComboBox *side_ = nullptr;
    QComboBox *gnomonKind_ = nullptr;
    QComboBox *analemma_ = nullptr;
    QTabWidget *tabs_ = nullptr;
    drawing::DrawingCanvas *canvas_ = nullptr;
    QTableView *table_ = nullptr;
    CoordinateModel *coordinates_ = nullptr;
    QLabel *status_ = nullptr;
    QTimer *debounce_ = nullptr;

    project::Project project_;
    DesignedDial dial_;
    QString path_;
    bool modified_ = false;
    bool loading_ = false;
    bool fitted_ = false;
    bool tableStale_ = true;
};

void registerDesignerWindows(shell::WindowRegistry &registry);

} // namespace designer
