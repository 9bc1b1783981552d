#pragma once

#include "designer/designerexport.h"
#include "designer/dialdocument.h"
#include "project/fieldlimits.h"
#include "project/projectfile.h"
#include "shell/designerport.h"

#include <QHash>
#include <QString>
#include <QWidget>

class QAction;
class QCheckBox;
class QMenu;
class QToolBar;
class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;

namespace drawing {
class DrawingCanvas;
}

namespace designer {

class CoordinateModel;
class ShadowPanel;

// The dial designer: every input of a dial beside its drawing at true scale, redrawn as the
// user types, a table of every point, the project file and the exports. The window only reads
// its fields into a project and shows what DesignDial makes of it.
class Quadrante final : public QWidget, public shell::DesignerPort {
    Q_OBJECT
public:
    explicit Quadrante(QWidget *parent = nullptr);

    // Shows a project and remembers its file; marks it unmodified.
    void setProject(const project::Project &project, const QString &path);
    // Opens a project file; false (nothing changed) with the reason in *error when refused.
    bool openFile(const QString &path, QString *error);
    bool isModified() const { return document_->isModified(); }
    const project::Project &project() const { return document_->project(); }
    // The dial's values as last accepted: what the drawing shows and a save writes.
    DialDocument *document() const { return document_; }
    const DesignedDial &dial() const { return dial_; }
    // Redraws now instead of after the pause that follows typing.
    void redrawNow();

    // What the survey and the sheets' drawing window ask of the designer (shell/designerport.h).
    // The survey's plane must lie within the fields' limits; the readings are kept in the
    // project as "rilievo". The sheet's dial shows apparent hours and the solstices and
    // equinoxes, the zodiac entries too when asked, no other hour system or date line, and
    // the anniversary when there is one; the place's name, longitude, zone and the plate stay
    // as they are.
    QString applySurvey(const shell::WallSurveyResult &survey) override;
    void takeSheetInputs(const shell::SheetDialInputs &inputs) override;
    shell::DesignerPlace place() const override;

protected:
    void closeEvent(QCloseEvent *event) override;
    // The drawing's own keys (+, =, -, 0 without Ctrl) while it has the focus; the fields'
    // Ctrl+Z and Ctrl+Shift+Z go to the designer's undo, not to the field's own.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void onFieldEdited();
    void onNew();
    // Stampa…: the drawing at 1:1 on tiles; Stampa in una pagina and its preview: reduced to
    // one sheet, its scale written on it.
    void onPrintTiles();
    void onPrintOnePage(bool preview);
    // Scheda di costruzione: the maker's facts and every line's coordinates, printed or as PDF.
    void onPrintConstructionSheet();
    void onExportConstructionSheet();
    // File ▸ Recenti: the projects last opened or saved that are still there, newest first, the
    // main menu's list (shell/recentfiles.h).
    void fillRecentMenu();
    // "Misura data" switched: the other measure of the same gnomon on the accepted plane.
    void onGnomonKindChanged(int index);
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
    // Draws the document's dial, the table and the status line.
    void redraw();
    // The document changed from elsewhere than the form (a future undo): the form shows it.
    void onDocumentChanged();
    // Hands the form's values to the document without the form being written back.
    void commitToDocument(const project::Project &p);
    // "Progetto del quadrante — prova.horalo", with " *" while there are unsaved changes.
    void updateTitle();
    // What the status line adds after a redraw: that the foot lies off the plate, or nothing.
    QString footNote() const;
    bool saveTo(const QString &path);
    // The path a save dialog proposes for a file of that suffix.
    QString proposedPath(const QString &suffix) const;

    QWidget *buildForm();
    // The presets: "Polare" (facing the equator, East or West) and "Equatoriale" fill the plane's
    // declination, side and inclination for the latitude and say so in the status line.
    void fillKindGroup(QFormLayout *kind);
    QWidget *buildPresets();
    void applyPreset(bool polar);
    void showKindFields();
    // The bifilar's b = a / sin(latitude): its hour lines then 15 degrees apart.
    void useEvenHours();
    QHBoxLayout *buildFileButtons();
    QWidget *buildDrawingSide();
    // The menu bar and the tool bar over the drawing, with their keys.
    void buildActions();
    QAction *makeAction(QMenu *menu, const char *name, const QString &text, const char *icon,
                       const QList<QKeySequence> &keys);
    void zoomAboutCentre(double factor);
    // Annulla / Ripeti: what is typed and still waiting for the pause is taken first as a step.
    void stepHistory(bool back);
    // A row of the form with its line for the reason of a refusal beneath.
    void addLineRow(QFormLayout *layout, const QString &label, const QString &key);
    void addNumberRow(QFormLayout *layout, project::Limited field);
    void addSwitchRow(QFormLayout *layout, const char *key);
    QComboBox *addChoice(const QString &key, const QStringList &items);
    QLineEdit *line(const char *key) const;
    void readNumbers(project::Project &p, QHash<QString, QString> *errors) const;
    void readDays(project::Project &p, QHash<QString, QString> *errors) const;
    QLineEdit *addLine(const QString &key);
    QCheckBox *addCheck(const QString &key, const QString &text);

    QHash<QString, QLineEdit *> lines_;
    QHash<QString, QCheckBox *> checks_;
    QHash<QString, QLabel *> errorLabels_;
    QComboBox *side_ = nullptr;
    QComboBox *gnomonKind_ = nullptr;
    QComboBox *analemma_ = nullptr;
    QComboBox *kind_ = nullptr;
    QComboBox *polarFacing_ = nullptr;
    QLabel *presetNote_ = nullptr; // what a preset filled in
    QPushButton *evenHours_ = nullptr;
    QTabWidget *tabs_ = nullptr;
    drawing::DrawingCanvas *canvas_ = nullptr;
    QTableView *table_ = nullptr;
    CoordinateModel *coordinates_ = nullptr;
    QLabel *status_ = nullptr;
    ShadowPanel *shadow_ = nullptr;
    QToolBar *toolBar_ = nullptr;
    QMenu *recentMenu_ = nullptr;
    QHash<QString, QAction *> actions_;
    QTimer *debounce_ = nullptr;

    DialDocument *document_ = nullptr;
    DesignedDial dial_;
    project::Project dialFor_; // the values dial_ was designed from
    bool loading_ = false;
    bool committing_ = false;
    bool restoring_ = false; // an undo or redo step is being shown
    bool fitted_ = false;
    // The user zoomed or moved the drawing since it was last fitted: a new plate keeps the view.
    bool viewTouched_ = false;
    project::Project drawnFor_; // the values of the drawing on the canvas
    bool tableStale_ = true;
};

void registerDesignerWindows(shell::WindowRegistry &registry);

} // namespace designer
