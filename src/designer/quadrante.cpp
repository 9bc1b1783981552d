#include "designer/quadrante.h"

#include "designer/constructionsheet.h"
#include "designer/coordinatemodel.h"
#include "designer/shadowpanel.h"

#include "drawing/csvwriter.h"
#include "drawing/sheetdrawing.h"
#include "drawing/textformat.h"
#include "drawing/qt/drawingcanvas.h"
#include "drawing/qt/drawingprint.h"
#include "drawing/qt/drawingrender.h"
#include "sheet/qt/colours.h"
#include "sheet/qt/printjob.h"
#include "sheet/qt/settings.h"
#include "gnomonics/plane.h"
#include "project/fieldlimits.h"
#include "shell/recentfiles.h"
#include "shell/registry.h"
#include "sheet/numbers.h"
#include "sheet/qt/uitext.h"

#include <numbers>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include <cmath>
#include <optional>
#include <set>
#include <tuple>

namespace designer {

namespace {

const sheet::UiText kTitle{QT_TRANSLATE_NOOP("horalo", "Progetto del quadrante")};
const sheet::UiText kGroupPlace{QT_TRANSLATE_NOOP("horalo", "Luogo")};
const sheet::UiText kGroupKind{QT_TRANSLATE_NOOP("horalo", "Tipo di quadrante")};
const sheet::UiText kKind{QT_TRANSLATE_NOOP("horalo", "Tipo")};
const sheet::UiText kKindPlane{QT_TRANSLATE_NOOP("horalo", "Piano con stilo")};
const sheet::UiText kKindAnalemmatic{QT_TRANSLATE_NOOP("horalo", "Analemmatico")};
const sheet::UiText kKindBifilar{QT_TRANSLATE_NOOP("horalo", "Bifilare")};
const sheet::UiText kKindDarkRoom{QT_TRANSLATE_NOOP("horalo", "Meridiana a camera oscura")};
const sheet::UiText kPresets{QT_TRANSLATE_NOOP("horalo", "Piano")};
const sheet::UiText kEvenHours{QT_TRANSLATE_NOOP("horalo", "Ore equidistanti: b = a / sin(latitudine)")};
const sheet::UiText kPolar{QT_TRANSLATE_NOOP("horalo", "Polare")};
const sheet::UiText kEquatorial{QT_TRANSLATE_NOOP("horalo", "Equatoriale")};
const sheet::UiText kFacingEquator{QT_TRANSLATE_NOOP("horalo", "verso l'equatore")};
const sheet::UiText kFacingEast{QT_TRANSLATE_NOOP("horalo", "verso Est")};
const sheet::UiText kFacingWest{QT_TRANSLATE_NOOP("horalo", "verso Ovest")};
const sheet::UiText kPolarSaid{
    QT_TRANSLATE_NOOP("horalo", "Piano polare (parallelo all'asse terrestre): declinazione %1° %2, inclinazione %3°.")};
const sheet::UiText kEquatorialSaid{
    QT_TRANSLATE_NOOP("horalo", "Piano equatoriale (perpendicolare all'asse terrestre, faccia superiore): declinazione %1° %2, inclinazione %3°.")};
const sheet::UiText kGroupPlane{QT_TRANSLATE_NOOP("horalo", "Piano")};
const sheet::UiText kGroupGnomon{QT_TRANSLATE_NOOP("horalo", "Gnomone")};
const sheet::UiText kGroupHours{QT_TRANSLATE_NOOP("horalo", "Sistemi orari")};
const sheet::UiText kGroupDates{QT_TRANSLATE_NOOP("horalo", "Linee diurne")};
const sheet::UiText kGroupPlate{QT_TRANSLATE_NOOP("horalo", "Lastra")};
const sheet::UiText kGroupSky{QT_TRANSLATE_NOOP("horalo", "Azimut e altezza del Sole")};
const sheet::UiText kGroupOptions{QT_TRANSLATE_NOOP("horalo", "Opzioni")};
const sheet::UiText kMotto{QT_TRANSLATE_NOOP("horalo", "Motto")};
// The motto's form key, as the project file names it.
constexpr const char *kMottoKey = "motto";
const sheet::UiText kName{QT_TRANSLATE_NOOP("horalo", "Nome")};
const sheet::UiText kSide{QT_TRANSLATE_NOOP("horalo", "Lato")};
const sheet::UiText kEast{QT_TRANSLATE_NOOP("horalo", "Est")};
const sheet::UiText kWest{QT_TRANSLATE_NOOP("horalo", "Ovest")};
const sheet::UiText kGnomonKind{QT_TRANSLATE_NOOP("horalo", "Misura data")};
const sheet::UiText kNodusHeight{QT_TRANSLATE_NOOP("horalo", "Altezza del nodo")};
const sheet::UiText kStyleLength{QT_TRANSLATE_NOOP("horalo", "Lunghezza dello stilo")};
const sheet::UiText kAnalemma{QT_TRANSLATE_NOOP("horalo", "Analemma")};
const sheet::UiText kWhole{QT_TRANSLATE_NOOP("horalo", "intero")};
const sheet::UiText kHalves{QT_TRANSLATE_NOOP("horalo", "a metà")};
const sheet::UiText kNoon{QT_TRANSLATE_NOOP("horalo", "solo mezzogiorno")};
const sheet::UiText kYear{QT_TRANSLATE_NOOP("horalo", "Anno degli analemmi")};
const sheet::UiText kDays{QT_TRANSLATE_NOOP("horalo", "Altre date (gg/mm/aaaa)")};
const sheet::UiText kOpen{QT_TRANSLATE_NOOP("horalo", "Apri")};
const sheet::UiText kSave{QT_TRANSLATE_NOOP("horalo", "Salva")};
const sheet::UiText kSaveAs{QT_TRANSLATE_NOOP("horalo", "Salva con nome")};
const sheet::UiText kExport{QT_TRANSLATE_NOOP("horalo", "Esporta")};
const sheet::UiText kTabDrawing{QT_TRANSLATE_NOOP("horalo", "Disegno")};
const sheet::UiText kTabCoordinates{QT_TRANSLATE_NOOP("horalo", "Coordinate")};
const sheet::UiText kProjectFilter{QT_TRANSLATE_NOOP("horalo", "Progetti di Horalo (*.horalo)")};
const QString kExportFilter = QStringLiteral("PDF (*.pdf);;SVG (*.svg);;DXF (*.dxf);;CSV (*.csv)");
const sheet::UiText kNotANumber{QT_TRANSLATE_NOOP("horalo", "Scrivere un numero.")};
const sheet::UiText kNotAYear{QT_TRANSLATE_NOOP("horalo", "Scrivere un anno tra 1600 e 2400.")};
const sheet::UiText kBadDate{QT_TRANSLATE_NOOP("horalo", "Data inesistente o fuori dagli anni 1600-2400: %1")};
const sheet::UiText kOpenFailed{QT_TRANSLATE_NOOP("horalo", "Progetto non aperto")};
const sheet::UiText kSaveFailed{QT_TRANSLATE_NOOP("horalo", "Progetto non salvato")};
const sheet::UiText kExportFailed{QT_TRANSLATE_NOOP("horalo", "Esportazione non riuscita")};
const sheet::UiText kExported{QT_TRANSLATE_NOOP("horalo", "Esportato in %1")};
const sheet::UiText kUnsaved{QT_TRANSLATE_NOOP("horalo", "Il progetto ha modifiche non salvate. Salvarle prima di chiudere?")};
const sheet::UiText kFixBeforeSaving{
    QT_TRANSLATE_NOOP("horalo", "Alcuni valori non sono accettati (vedere i messaggi in rosso): correggerli prima di salvare.")};
const sheet::UiText kFixBeforeExporting{
    QT_TRANSLATE_NOOP("horalo", "Alcuni valori non sono accettati (vedere i messaggi in rosso): correggerli prima di esportare.")};
const sheet::UiText kUnsavedReplace{
    QT_TRANSLATE_NOOP("horalo", "Il progetto ha modifiche non salvate. Salvarle prima di sostituirlo?")};
const sheet::UiText kSurveyDeclinationRefused{QT_TRANSLATE_NOOP("horalo", "Declinazione %1° non accettata. %2")};
const sheet::UiText kSurveyInclinationRefused{QT_TRANSLATE_NOOP("horalo", "Inclinazione %1° non accettata. %2")};
const sheet::UiText kRefusedStatus{QT_TRANSLATE_NOOP("horalo", "Valore non accettato: resta il disegno precedente.")};
const sheet::UiText kReady{QT_TRANSLATE_NOOP("horalo", "%1 linee, %2 punti in Coordinate.")};
// A foot beyond the plate's edges is allowed (a plate hung below the style's fixing), but it
// is more often a slip of the keyboard: the status line says so after every redraw.
const sheet::UiText kFootOff{QT_TRANSLATE_NOOP("horalo", " Il piede dello gnomone F è fuori dalla lastra.")};
// The points are counted when the table is built, on the first look at its tab.
const sheet::UiText kReadyLines{QT_TRANSLATE_NOOP("horalo", "%1 linee; i punti nella scheda Coordinate.")};

const sheet::UiText kPolarNoLength{QT_TRANSLATE_NOOP(
    "horalo", "Quadrante polare: lo stilo è parallelo al piano e non ha un centro del quadrante O, quindi non ha una "
              "lunghezza. Resta data l'altezza del nodo.")};
const sheet::UiText kMenuRecent{QT_TRANSLATE_NOOP("horalo", "Recenti")};
const sheet::UiText kNoRecent{QT_TRANSLATE_NOOP("horalo", "Nessun progetto recente")};
const sheet::UiText kActPrint{QT_TRANSLATE_NOOP("horalo", "Stampa…")};
const sheet::UiText kActPrintOnePage{QT_TRANSLATE_NOOP("horalo", "Stampa in una pagina")};
const sheet::UiText kActPreview{QT_TRANSLATE_NOOP("horalo", "Anteprima di stampa…")};
const sheet::UiText kReducedScale{QT_TRANSLATE_NOOP("horalo", "%1 — scala 1:%2, ridotto: non misurare su questo foglio")};
const sheet::UiText kFullScale{QT_TRANSLATE_NOOP("horalo", "%1 — scala 1:1")};
const sheet::UiText kFixBeforePrinting{
    QT_TRANSLATE_NOOP("horalo", "Alcuni valori non sono accettati (vedere i messaggi in rosso): correggerli prima di stampare.")};
const sheet::UiText kPrintFailed{QT_TRANSLATE_NOOP("horalo", "Stampa non riuscita")};
const sheet::UiText kMenuSheet{QT_TRANSLATE_NOOP("horalo", "Scheda di costruzione")};
const sheet::UiText kActSheetPdf{QT_TRANSLATE_NOOP("horalo", "Esporta PDF…")};
const sheet::UiText kMenuFile{QT_TRANSLATE_NOOP("horalo", "File")};
const sheet::UiText kMenuEdit{QT_TRANSLATE_NOOP("horalo", "Modifica")};
const sheet::UiText kMenuView{QT_TRANSLATE_NOOP("horalo", "Vista")};
const sheet::UiText kActNew{QT_TRANSLATE_NOOP("horalo", "Nuovo")};
const sheet::UiText kActOpen{QT_TRANSLATE_NOOP("horalo", "Apri…")};
const sheet::UiText kActSaveAs{QT_TRANSLATE_NOOP("horalo", "Salva con nome…")};
const sheet::UiText kActExport{QT_TRANSLATE_NOOP("horalo", "Esporta…")};
const sheet::UiText kActClose{QT_TRANSLATE_NOOP("horalo", "Chiudi")};
const sheet::UiText kActUndo{QT_TRANSLATE_NOOP("horalo", "Annulla")};
const sheet::UiText kActRedo{QT_TRANSLATE_NOOP("horalo", "Ripeti")};
const sheet::UiText kActFit{QT_TRANSLATE_NOOP("horalo", "Adatta")};
const sheet::UiText kActZoomIn{QT_TRANSLATE_NOOP("horalo", "Ingrandisci")};
const sheet::UiText kActZoomOut{QT_TRANSLATE_NOOP("horalo", "Riduci")};

QString number(double v) { return QString::fromStdString(sheet::FormatGeneral(v)); }

// The save dialog of the designer, starting at the proposed path; with several file types the
// suffix follows the type chosen. The folder of the file chosen is remembered. Empty when the
// user cancels.
QString askSavePath(QWidget *parent, const QString &caption, const QString &filter, const QString &proposed,
                    bool suffixFollowsFilter = false)
{
    QFileDialog dialog(parent, caption, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(proposed).suffix());
    dialog.selectFile(proposed);
    if (suffixFollowsFilter)
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &chosen) {
            dialog.setDefaultSuffix(chosen.section(QLatin1Char('.'), 1).left(3));
        });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    sheet::rememberFolder(path);
    return path;
}

// Whether a number takes part in a kind of dial: the others are greyed or hidden, and whatever
// they hold cannot block the dial (the project keeps their last good value).
bool takesPart(project::Limited field, gnomonics::DialKind kind)
{
    using project::Limited;
    using gnomonics::DialKind;
    switch (field) {
    case Limited::SemiAxis:
    case Limited::AnalemmaticGnomon:
        return kind == DialKind::Analemmatic;
    case Limited::WireEastWest:
    case Limited::WireNorthSouth:
        return kind == DialKind::Bifilar;
    case Limited::Hole:
        return kind == DialKind::DarkRoom;
    case Limited::Declination:
    case Limited::Inclination:
    case Limited::NodusHeight:
    case Limited::StyleLength:
        return kind == DialKind::Plane || kind == DialKind::DarkRoom;
    case Limited::AzimuthStep:
    case Limited::AltitudeStep:
        return kind != DialKind::Analemmatic && kind != DialKind::DarkRoom;
    default:
        return true;
    }
}

} // namespace

Quadrante::Quadrante(QWidget *parent) : QWidget(parent)
{
    setObjectName(QString::fromLatin1(shell::kDesignerWindow));
    setWindowTitle(kTitle);
    document_ = new DialDocument(this);
    connect(document_, &DialDocument::changed, this, &Quadrante::onDocumentChanged);
    connect(document_, &DialDocument::stateChanged, this, &Quadrante::updateTitle);
    auto *split = new QSplitter;
    split->addWidget(buildForm());
    split->addWidget(buildDrawingSide());
    split->setStretchFactor(1, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(split);
    buildActions();
    resize(1280, 800);

    debounce_ = new QTimer(this);
    debounce_->setSingleShot(true);
    debounce_->setInterval(40);
    connect(debounce_, &QTimer::timeout, this, &Quadrante::recompute);
    connect(gnomonKind_, &QComboBox::currentIndexChanged, this, &Quadrante::onGnomonKindChanged);
    for (QComboBox *c : {side_, analemma_, kind_})
        connect(c, &QComboBox::currentIndexChanged, this, &Quadrante::onFieldEdited);

    project::Project defaults;
    defaults.year = QDate::currentDate().year();
    setProject(defaults, QString());
}

QWidget *Quadrante::buildForm()
{
    auto *form = new QWidget;
    auto *formLayout = new QVBoxLayout(form);
    auto group = [&](const QString &title) {
        auto *box = new QGroupBox(title, form);
        auto *layout = new QFormLayout(box);
        formLayout->addWidget(box);
        return layout;
    };
    using project::Limited;
    fillKindGroup(group(kGroupKind));

    auto *place = group(kGroupPlace);
    addLineRow(place, kName, QString::fromLatin1(project::kNameKey));
    for (Limited f : {Limited::Latitude, Limited::Longitude, Limited::Zone})
        addNumberRow(place, f);
    addSwitchRow(place, "ora_legale");

    auto *plane = group(kGroupPlane);
    addNumberRow(plane, Limited::Declination);
    side_ = addChoice(QStringLiteral("lato"), {kEast, kWest});
    side_->setCurrentIndex(1);
    plane->addRow(kSide, side_);
    addNumberRow(plane, Limited::Inclination);

    auto *gnomon = group(kGroupGnomon);
    gnomonKind_ = addChoice(QStringLiteral("gnomone"), {kNodusHeight, kStyleLength});
    gnomon->addRow(kGnomonKind, gnomonKind_);
    addNumberRow(gnomon, Limited::NodusHeight);
    addNumberRow(gnomon, Limited::StyleLength);

    auto *hours = group(kGroupHours);
    for (const char *key : {"vere", "mezze", "quarti", "civili", "medie_locali"})
        addSwitchRow(hours, key);
    analemma_ = addChoice(QStringLiteral("analemma"), {kWhole, kHalves, kNoon});
    hours->addRow(kAnalemma, analemma_);
    addLineRow(hours, kYear, QString::fromLatin1(project::kYearKey));
    for (const char *key : {"italiche", "babiloniche", "temporarie"})
        addSwitchRow(hours, key);

    auto *sky = group(kGroupSky);
    addNumberRow(sky, Limited::AzimuthStep);
    addNumberRow(sky, Limited::AltitudeStep);

    auto *dates = group(kGroupDates);
    for (const char *key : {"solstizi_equinozi", "zodiaco", "mesi"})
        addSwitchRow(dates, key);
    addLineRow(dates, kDays, QString::fromLatin1(project::kDaysKey));

    auto *plate = group(kGroupPlate);
    for (Limited f : {Limited::PlateWidth, Limited::PlateHeight, Limited::FootFromLeft, Limited::FootFromTop})
        addNumberRow(plate, f);

    auto *options = group(kGroupOptions);
    addSwitchRow(options, "rifrazione");
    addNumberRow(options, Limited::GridSize);
    addLineRow(options, kMotto, QString::fromLatin1(kMottoKey));

    formLayout->addLayout(buildFileButtons());
    formLayout->addStretch();
    auto *scroll = new QScrollArea;
    scroll->setWidget(form);
    scroll->setWidgetResizable(true);
    scroll->setMinimumWidth(form->sizeHint().width() + 24);
    return scroll;
}

QHBoxLayout *Quadrante::buildFileButtons()
{
    auto *buttons = new QHBoxLayout;
    auto button = [&](const char *name, const QString &text) {
        auto *b = new QPushButton(text);
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        return b;
    };
    connect(button("Apri", kOpen), &QPushButton::clicked, this, &Quadrante::onOpen);
    connect(button("Salva", kSave), &QPushButton::clicked, this, [this] { onSave(); });
    connect(button("SalvaConNome", kSaveAs), &QPushButton::clicked, this, [this] { onSaveAs(); });
    connect(button("Esporta", kExport), &QPushButton::clicked, this, &Quadrante::onExport);
    return buttons;
}

QWidget *Quadrante::buildDrawingSide()
{
    canvas_ = new drawing::DrawingCanvas;
    canvas_->setObjectName(QStringLiteral("Disegno"));
    canvas_->setFocusPolicy(Qt::StrongFocus);
    canvas_->installEventFilter(this);
    coordinates_ = new CoordinateModel(this);
    table_ = new QTableView;
    table_->setModel(coordinates_);
    table_->setObjectName(QStringLiteral("TabellaCoordinate"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One line a point, each column as wide as what it holds, so that x and y are in view.
    table_->setWordWrap(false);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("Schede"));
    tabs_->addTab(canvas_, kTabDrawing);
    tabs_->addTab(table_, kTabCoordinates);
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { fillTable(); });

    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("Stato"));
    auto *right = new QWidget;
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    // Above the drawing, not in the scrolled form: the file's commands are always at hand.
    toolBar_ = new QToolBar;
    toolBar_->setObjectName(QStringLiteral("BarraStrumenti"));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    rightLayout->addWidget(toolBar_);
    rightLayout->addWidget(tabs_, 1);
    shadow_ = new ShadowPanel(canvas_);
    rightLayout->addWidget(shadow_);
    rightLayout->addWidget(status_);
    return right;
}

void Quadrante::buildActions()
{
    auto *bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("BarraMenu"));
    layout()->setMenuBar(bar);
    QMenu *file = bar->addMenu(kMenuFile);
    // A menu is a window of its own while open: it is named as it is titled.
    file->setWindowTitle(kMenuFile);
    file->setObjectName(QStringLiteral("MenuFile"));
    QMenu *edit = bar->addMenu(kMenuEdit);
    edit->setWindowTitle(kMenuEdit);
    edit->setObjectName(QStringLiteral("MenuModifica"));
    QMenu *view = bar->addMenu(kMenuView);
    view->setWindowTitle(kMenuView);
    view->setObjectName(QStringLiteral("MenuVista"));
    connect(makeAction(file, "azioneNuovo", kActNew, "document-new", {QKeySequence::New}), &QAction::triggered, this,
            &Quadrante::onNew);
    connect(makeAction(file, "azioneApri", kActOpen, "document-open", {QKeySequence::Open}), &QAction::triggered, this,
            &Quadrante::onOpen);
    recentMenu_ = file->addMenu(kMenuRecent);
    recentMenu_->setObjectName(QStringLiteral("MenuRecenti"));
    recentMenu_->setWindowTitle(kMenuRecent);
    connect(recentMenu_, &QMenu::aboutToShow, this, &Quadrante::fillRecentMenu);
    fillRecentMenu();
    connect(makeAction(file, "azioneSalva", kSave, "document-save", {QKeySequence::Save}), &QAction::triggered, this,
            [this] { onSave(); });
    connect(makeAction(file, "azioneSalvaConNome", kActSaveAs, "document-save-as", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
            &QAction::triggered, this, [this] { onSaveAs(); });
    file->addSeparator();
    connect(makeAction(file, "azioneEsporta", kActExport, "document-export", {QKeySequence(Qt::CTRL | Qt::Key_E)}), &QAction::triggered,
            this, &Quadrante::onExport);
    connect(makeAction(file, "azioneStampa", kActPrint, "document-print", {QKeySequence::Print}), &QAction::triggered,
            this, &Quadrante::onPrintTiles);
    connect(makeAction(file, "azioneStampaUnaPagina", kActPrintOnePage, "document-print", {}), &QAction::triggered,
            this, [this] { onPrintOnePage(false); });
    connect(makeAction(file, "azioneAnteprima", kActPreview, "document-print-preview", {}), &QAction::triggered, this,
            [this] { onPrintOnePage(true); });
    QMenu *sheetMenu = file->addMenu(kMenuSheet);
    sheetMenu->setObjectName(QStringLiteral("MenuScheda"));
    sheetMenu->setWindowTitle(kMenuSheet);
    connect(makeAction(sheetMenu, "azioneSchedaStampa", kActPrint, "document-print", {}), &QAction::triggered, this,
            &Quadrante::onPrintConstructionSheet);
    connect(makeAction(sheetMenu, "azioneSchedaPdf", kActSheetPdf, "document-export", {}), &QAction::triggered, this,
            &Quadrante::onExportConstructionSheet);
    file->addSeparator();
    // Ctrl+W is every window's own key (shell/registry.cpp): the menu only names it, since a
    // second binding of the same key would leave both silent.
    connect(makeAction(file, "azioneChiudi",
                       kActClose.text() + QLatin1Char('\t') + QKeySequence(Qt::CTRL | Qt::Key_W).toString(QKeySequence::NativeText),
                       "window-close", {}),
            &QAction::triggered, this, &QWidget::close);
    QAction *undo = makeAction(edit, "azioneAnnulla", kActUndo, "edit-undo", {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction *redo = makeAction(edit, "azioneRipeti", kActRedo, "edit-redo",
                               {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(undo, &QAction::triggered, this, [this] { stepHistory(true); });
    connect(redo, &QAction::triggered, this, [this] { stepHistory(false); });
    QUndoStack *history = document_->history();
    undo->setEnabled(history->canUndo());
    redo->setEnabled(history->canRedo());
    connect(history, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(history, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(makeAction(view, "azioneAdatta", kActFit, "zoom-fit-best", {QKeySequence(Qt::CTRL | Qt::Key_0)}), &QAction::triggered, this,
            [this] {
                canvas_->fitToView();
                viewTouched_ = false;
            });
    connect(makeAction(view, "azioneIngrandisci", kActZoomIn, "zoom-in", {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}),
            &QAction::triggered, this, [this] { zoomAboutCentre(1.25); });
    connect(makeAction(view, "azioneRiduci", kActZoomOut, "zoom-out", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}), &QAction::triggered, this,
            [this] { zoomAboutCentre(0.8); });
    for (const char *name : {"azioneNuovo", "azioneApri", "azioneSalva", "azioneEsporta", "azioneStampa"})
        toolBar_->addAction(actions_.value(QString::fromLatin1(name)));
    toolBar_->addSeparator();
    for (const char *name : {"azioneAnnulla", "azioneRipeti"})
        toolBar_->addAction(actions_.value(QString::fromLatin1(name)));
    toolBar_->addSeparator();
    for (const char *name : {"azioneAdatta", "azioneIngrandisci", "azioneRiduci"})
        toolBar_->addAction(actions_.value(QString::fromLatin1(name)));
}

void Quadrante::fillRecentMenu()
{
    recentMenu_->clear();
    QStringList paths = shell::recentFiles();
    paths.removeIf([](const QString &path) { return !QFileInfo(path).isFile(); });
    for (const QString &path : paths) {
        QAction *item = recentMenu_->addAction(QFileInfo(path).fileName());
        item->setToolTip(path);
        item->setData(path);
        connect(item, &QAction::triggered, this, [this, path] {
            if (!maySetAside(kUnsavedReplace))
                return;
            QString error;
            if (!openFile(path, &error))
                QMessageBox::warning(this, kOpenFailed, error);
        });
    }
    if (paths.isEmpty())
        recentMenu_->addAction(kNoRecent)->setEnabled(false);
}

QAction *Quadrante::makeAction(QMenu *menu, const char *name, const QString &text, const char *icon,
                               const QList<QKeySequence> &keys)
{
    // A theme without the icon leaves the text alone on the button.
    auto *action = new QAction(QIcon::fromTheme(QString::fromLatin1(icon)), text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    menu->addAction(action);
    // Also on the window itself, so that the keys work wherever the designer is shown.
    QWidget::addAction(action);
    actions_.insert(action->objectName(), action);
    return action;
}

void Quadrante::stepHistory(bool back)
{
    if (debounce_->isActive())
        recompute();
    QUndoStack *history = document_->history();
    if (back)
        history->undo();
    else
        history->redo();
}

void Quadrante::zoomAboutCentre(double factor)
{
    viewTouched_ = true;
    canvas_->zoomBy(factor, QPointF(canvas_->width() / 2.0, canvas_->height() / 2.0));
}

bool Quadrante::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && qobject_cast<QLineEdit *>(watched)) {
        // Left unaccepted, the key reaches the designer's Annulla / Ripeti instead of the field.
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            key->keyCombination() == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z))
            return true;
    }
    if (watched == canvas_ && (event->type() == QEvent::Wheel ||
                               (event->type() == QEvent::MouseMove &&
                                static_cast<QMouseEvent *>(event)->buttons() != Qt::NoButton)))
        viewTouched_ = true;
    if (watched == canvas_ && event->type() == QEvent::KeyPress) {
        // The bare keys belong to the drawing only while it has the focus; a field keeps its digits.
        auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
        if (mods == Qt::NoModifier) {
            switch (key->key()) {
            case Qt::Key_Plus:
            case Qt::Key_Equal:
                zoomAboutCentre(1.25);
                return true;
            case Qt::Key_Minus:
                zoomAboutCentre(0.8);
                return true;
            case Qt::Key_0:
                canvas_->fitToView();
                viewTouched_ = false;
                return true;
            default:
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Quadrante::addLineRow(QFormLayout *layout, const QString &label, const QString &key)
{
    layout->addRow(label, addLine(key));
    // The reason for a refusal goes on a row of its own under the field, the whole width of
    // the group: squeezed into the field's column a long sentence was cut off.
    auto *error = new QLabel;
    error->setObjectName(key + QStringLiteral("_errore"));
    sheet::SetReadableTextColour(error, QColor(0xb0, 0x00, 0x00));
    error->setWordWrap(true);
    layout->addRow(error);
    layout->setRowVisible(error, false);
    errorLabels_.insert(key, error);
}

void Quadrante::addNumberRow(QFormLayout *layout, project::Limited field)
{
    const project::FieldLimit &f = project::LimitOf(field);
    addLineRow(layout, QCoreApplication::translate("horalo", f.label), QString::fromLatin1(f.formKey));
}

void Quadrante::addSwitchRow(QFormLayout *layout, const char *key)
{
    for (const project::SwitchField &f : project::SwitchFields())
        if (std::string_view(f.formKey) == key)
            layout->addRow(addCheck(QString::fromLatin1(f.formKey), QCoreApplication::translate("horalo", f.label)));
}

QComboBox *Quadrante::addChoice(const QString &key, const QStringList &items)
{
    auto *box = new QComboBox;
    box->setObjectName(key);
    box->addItems(items);
    return box;
}

QLineEdit *Quadrante::addLine(const QString &key)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(key);
    lines_.insert(key, edit);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, &Quadrante::onFieldEdited);
    return edit;
}

QCheckBox *Quadrante::addCheck(const QString &key, const QString &text)
{
    auto *box = new QCheckBox(text);
    box->setObjectName(key);
    checks_.insert(key, box);
    connect(box, &QCheckBox::toggled, this, &Quadrante::onFieldEdited);
    return box;
}

void Quadrante::onFieldEdited()
{
    if (loading_)
        return;
    document_->setModified(true);
    debounce_->start();
}

void Quadrante::writeFields(const project::Project &p)
{
    loading_ = true;
    const project::Limited gnomon = project::GnomonField(p);
    for (const project::FieldLimit &f : project::NumberFields()) {
        const double v = p.*f.value;
        QString text = number(f.id == project::Limited::Declination ? std::abs(v) : v);
        // The gnomon's other measure is left empty: only one of the two is the dial's.
        if ((f.id == project::Limited::NodusHeight || f.id == project::Limited::StyleLength) && f.id != gnomon)
            text.clear();
        line(f.formKey)->setText(text);
    }
    for (const project::SwitchField &f : project::SwitchFields())
        checks_[QString::fromLatin1(f.formKey)]->setChecked(p.*f.value);
    line(project::kNameKey)->setText(QString::fromStdString(p.placeName));
    line(kMottoKey)->setText(QString::fromStdString(p.motto));
    side_->setCurrentIndex(p.declinationDeg < 0 ? 0 : 1);
    gnomonKind_->setCurrentIndex(p.styleLengthGiven ? 1 : 0);
    kind_->setCurrentIndex(static_cast<int>(p.kind));
    if (presetNote_)
        presetNote_->setVisible(false);
    analemma_->setCurrentIndex(static_cast<int>(p.analemma));
    line(project::kYearKey)->setText(QString::number(p.year));
    QStringList days;
    for (const auto &d : p.days)
        days << QString::fromStdString(d);
    line(project::kDaysKey)->setText(days.join(QStringLiteral(" ")));
    loading_ = false;
}

QLineEdit *Quadrante::line(const char *key) const { return lines_.value(QString::fromLatin1(key)); }

project::Project Quadrante::readFields(QHash<QString, QString> *errors) const
{
    project::Project p = document_->project();
    p.placeName = line(project::kNameKey)->text().toStdString();
    if (const std::string problem = project::NameProblem(p.placeName); !problem.empty())
        errors->insert(QString::fromLatin1(project::kNameKey), QString::fromStdString(problem));
    p.motto = line(kMottoKey)->text().trimmed().toStdString();
    if (const std::string problem = project::MottoProblem(p.motto); !problem.empty())
        errors->insert(QString::fromLatin1(kMottoKey), QString::fromStdString(problem));
    for (const project::SwitchField &f : project::SwitchFields())
        p.*f.value = checks_[QString::fromLatin1(f.formKey)]->isChecked();
    p.styleLengthGiven = gnomonKind_->currentIndex() == 1;
    p.kind = static_cast<gnomonics::DialKind>(kind_->currentIndex());
    p.analemma = static_cast<gnomonics::AnalemmaMode>(analemma_->currentIndex());
    readNumbers(p, errors);
    // The year draws only the analemmas (a dark room's whatever the clock): when the dial has
    // none its field is disabled and whatever it holds cannot block the dial (the project
    // keeps its last good year, which the file then opens again).
    bool yearOk = false;
    const int year = line(project::kYearKey)->text().trimmed().toInt(&yearOk);
    if (yearOk && year >= gnomonics::kFirstYear && year <= gnomonics::kLastYear)
        p.year = year;
    else if (p.clock || p.kind == gnomonics::DialKind::DarkRoom)
        errors->insert(QString::fromLatin1(project::kYearKey), kNotAYear);
    readDays(p, errors);
    return p;
}

void Quadrante::readNumbers(project::Project &p, QHash<QString, QString> *errors) const
{
    // The limits are the project file's, so that what the window takes the file opens again.
    const project::Limited gnomon = project::GnomonField(p);
    for (const project::FieldLimit &f : project::NumberFields()) {
        if ((f.id == project::Limited::NodusHeight || f.id == project::Limited::StyleLength) && f.id != gnomon)
            continue;
        const QString key = QString::fromLatin1(f.formKey);
        const auto v = sheet::ReadNumber(lines_[key]->text().trimmed().toStdString());
        // A field the dial does not use says nothing and changes nothing unless it holds a
        // good value.
        const bool inUse = takesPart(f.id, p.kind);
        QHash<QString, QString> unused;
        QHash<QString, QString> *said = inUse ? errors : &unused;
        if (f.id == project::Limited::Declination) {
            // The form gives the declination from 0 to 180 and its side in a list of its own; a
            // refused one still tells whether the wall turns to a side at all.
            const double d = v.value_or(0.0);
            const bool good = v && d >= 0 && d <= 180;
            if (!v)
                said->insert(key, kNotANumber);
            else if (!good)
                said->insert(key, QString::fromStdString(project::LimitSentence(f.id)));
            if (good || inUse)
                p.declinationDeg = side_->currentIndex() == 0 ? -d : d;
        } else if (!v) {
            said->insert(key, kNotANumber);
        } else if (!project::IsWithin(f, *v, p.kind)) {
            said->insert(key, QString::fromStdString(project::LimitSentence(f.id, p.kind)));
        } else {
            p.*f.value = *v;
        }
    }
}

void Quadrante::readDays(project::Project &p, QHash<QString, QString> *errors) const
{
    const QString key = QString::fromLatin1(project::kDaysKey);
    p.days.clear();
    const QStringList days = lines_[key]->text().split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts);
    // A date typed twice is one line; past the limit the dates are refused, not cut short.
    std::set<std::tuple<int, int, int>> seen;
    for (const QString &day : days) {
        const auto date = gnomonics::ReadDate(day.toStdString(), p.year);
        if (!date || !gnomonics::IsValidDate(*date)) {
            errors->insert(key, kBadDate.text().arg(day));
            break;
        }
        if (!seen.insert({date->year, date->month, date->day}).second)
            continue;
        if (static_cast<int>(seen.size()) > project::kMaxDays) {
            errors->insert(key, QString::fromStdString(project::TooManyDaysSentence()));
            break;
        }
        p.days.push_back(day.toStdString());
    }
}

void Quadrante::showErrors(const QHash<QString, QString> &errors)
{
    for (auto it = errorLabels_.begin(); it != errorLabels_.end(); ++it) {
        const QString text = errors.value(it.key());
        it.value()->setText(text);
        if (auto *form = qobject_cast<QFormLayout *>(it.value()->parentWidget()->layout()))
            form->setRowVisible(it.value(), !text.isEmpty());
    }
}

// The kind of dial, each kind's own sizes, and the plane presets.
void Quadrante::fillKindGroup(QFormLayout *kind)
{
    using project::Limited;
    kind_ = addChoice(QStringLiteral("tipo"), {kKindPlane, kKindAnalemmatic, kKindBifilar, kKindDarkRoom});
    kind->addRow(kKind, kind_);
    for (Limited f : {Limited::SemiAxis, Limited::AnalemmaticGnomon, Limited::WireEastWest, Limited::WireNorthSouth, Limited::Hole})
        addNumberRow(kind, f);
    // The North-South wire's height that spaces the bifilar hours 15 degrees apart.
    evenHours_ = new QPushButton(kEvenHours);
    evenHours_->setObjectName(QStringLiteral("ore_equidistanti"));
    connect(evenHours_, &QPushButton::clicked, this, &Quadrante::useEvenHours);
    kind->addRow(evenHours_);
    kind->addRow(kPresets, buildPresets());
    presetNote_ = new QLabel;
    presetNote_->setObjectName(QStringLiteral("preimpostazione"));
    presetNote_->setWordWrap(true);
    presetNote_->setVisible(false);
    kind->addRow(presetNote_);
}

QWidget *Quadrante::buildPresets()
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *polar = new QPushButton(kPolar);
    polar->setObjectName(QStringLiteral("Polare"));
    polarFacing_ = addChoice(QStringLiteral("polare_verso"), {kFacingEquator, kFacingEast, kFacingWest});
    auto *equatorial = new QPushButton(kEquatorial);
    equatorial->setObjectName(QStringLiteral("Equatoriale"));
    layout->addWidget(polar);
    layout->addWidget(polarFacing_);
    layout->addWidget(equatorial);
    connect(polar, &QPushButton::clicked, this, [this] { applyPreset(true); });
    connect(equatorial, &QPushButton::clicked, this, [this] { applyPreset(false); });
    return row;
}

void Quadrante::applyPreset(bool polar)
{
    // The plane of the latitude the form holds now (the accepted one when it holds none).
    const auto typed = sheet::ReadNumber(line(project::LimitOf(project::Limited::Latitude).formKey)->text().trimmed().toStdString());
    const double lat = typed && std::abs(*typed) <= gnomonics::kMaxLatitudeDeg ? *typed : document_->project().latitudeDeg;
    const gnomonics::PlaneOrientation o = polar
        ? gnomonics::PolarPlane(lat, static_cast<gnomonics::PolarFacing>(polarFacing_->currentIndex()))
        : gnomonics::EquatorialPlane(lat);
    kind_->setCurrentIndex(static_cast<int>(gnomonics::DialKind::Plane));
    line(project::LimitOf(project::Limited::Declination).formKey)->setText(number(std::abs(o.declinationDeg)));
    side_->setCurrentIndex(o.declinationDeg < 0 ? 0 : 1);
    line(project::LimitOf(project::Limited::Inclination).formKey)->setText(number(o.inclinationDeg));
    const QString side = std::abs(o.declinationDeg) == 0.0 || std::abs(o.declinationDeg) == 180.0 ? QString()
                         : o.declinationDeg < 0 ? kEast.text() : kWest.text();
    presetNote_->setText((polar ? kPolarSaid : kEquatorialSaid).text()
                             .arg(number(std::abs(o.declinationDeg)), side, number(o.inclinationDeg))
                             .replace(QStringLiteral("° ,"), QStringLiteral("°,")));
    presetNote_->setVisible(true);
    onFieldEdited();
}

void Quadrante::useEvenHours()
{
    const project::Project &p = document_->project();
    const auto a = sheet::ReadNumber(line(project::LimitOf(project::Limited::WireEastWest).formKey)->text().trimmed().toStdString());
    const double sinPhi = std::abs(std::sin(p.latitudeDeg * std::numbers::pi / 180.0));
    if (!a || !(*a > 0) || !(sinPhi > 0))
        return;
    line(project::LimitOf(project::Limited::WireNorthSouth).formKey)->setText(number(sheet::shownValue(*a / sinPhi, sheet::Mask::TwoDecimals)));
    onFieldEdited();
}

// Each kind's own sizes shown with it; the plane and the gnomon only where the kind has them.
void Quadrante::showKindFields()
{
    const auto kind = static_cast<gnomonics::DialKind>(kind_->currentIndex());
    using project::Limited;
    auto show = [this](Limited f, bool on) {
        QLineEdit *edit = line(project::LimitOf(f).formKey);
        if (auto *form = qobject_cast<QFormLayout *>(edit->parentWidget()->layout()))
            form->setRowVisible(edit, on);
    };
    for (Limited f : {Limited::SemiAxis, Limited::AnalemmaticGnomon, Limited::WireEastWest, Limited::WireNorthSouth,
                      Limited::Hole})
        show(f, takesPart(f, kind));
    if (auto *form = qobject_cast<QFormLayout *>(evenHours_->parentWidget()->layout()))
        form->setRowVisible(evenHours_, kind == gnomonics::DialKind::Bifilar);
    const bool withPlane = takesPart(Limited::Declination, kind);
    for (Limited f : {Limited::Declination, Limited::Inclination, Limited::NodusHeight, Limited::StyleLength})
        if (!takesPart(f, kind))
            line(project::LimitOf(f).formKey)->setEnabled(false);
    gnomonKind_->setEnabled(withPlane);
    // An analemmatic dial marks only its hours and dates, a dark room only noon: what the
    // kind cannot draw is greyed (and kept, should the kind change back).
    const bool marksOnly = kind == gnomonics::DialKind::Analemmatic || kind == gnomonics::DialKind::DarkRoom;
    const bool darkRoom = kind == gnomonics::DialKind::DarkRoom;
    const bool clock = checks_[QStringLiteral("civili")]->isChecked();
    for (const char *key : {"italiche", "babiloniche", "temporarie"})
        checks_[QLatin1String(key)]->setEnabled(!marksOnly);
    checks_[QStringLiteral("medie_locali")]->setEnabled(!marksOnly && clock);
    for (const char *key : {"vere", "mezze", "quarti"})
        checks_[QLatin1String(key)]->setEnabled(!darkRoom);
    for (Limited f : {Limited::AzimuthStep, Limited::AltitudeStep})
        line(project::LimitOf(f).formKey)->setEnabled(takesPart(f, kind));
    // A dark room draws its figure eights for the year, whatever the clock; in a whole year.
    line(project::kYearKey)->setEnabled(darkRoom || clock);
    analemma_->setEnabled(!marksOnly && clock);
}

bool Quadrante::recompute()
{
    debounce_->stop();
    line(project::LimitOf(project::Limited::NodusHeight).formKey)->setEnabled(gnomonKind_->currentIndex() == 0);
    line(project::LimitOf(project::Limited::StyleLength).formKey)->setEnabled(gnomonKind_->currentIndex() == 1);
    showKindFields();
    QHash<QString, QString> errors;
    const project::Project p = readFields(&errors);
    // A wall facing due South or due North turns to neither side.
    side_->setEnabled(std::abs(p.declinationDeg) != 0.0 && std::abs(p.declinationDeg) != 180.0 &&
                      (p.kind == gnomonics::DialKind::Plane || p.kind == gnomonics::DialKind::DarkRoom));
    if (!errors.isEmpty()) {
        showErrors(errors);
        status_->setText(kRefusedStatus);
        return false;
    }
    DesignedDial dial = DesignDial(p);
    if (!dial.ok) {
        // The dial names the field its message goes under (project::FieldAtFault).
        errors.insert(dial.key, dial.message);
        showErrors(errors);
        status_->setText(kRefusedStatus);
        return false;
    }
    showErrors({});
    dial_ = std::move(dial);
    dialFor_ = p;
    commitToDocument(p);
    redraw();
    return true;
}

void Quadrante::commitToDocument(const project::Project &p)
{
    // While a step is shown the document already holds it exactly; the form's rounded text
    // read back must not become a step of its own (it would wipe the steps to redo).
    if (restoring_)
        return;
    committing_ = true;
    document_->setProject(p);
    committing_ = false;
}

void Quadrante::onDocumentChanged()
{
    if (committing_)
        return;
    writeFields(document_->project());
    restoring_ = true;
    recompute();
    restoring_ = false;
    document_->setModified(true);
}

void Quadrante::redraw()
{
    const project::Project &p = document_->project();
    if (!(dialFor_ == p)) {
        dial_ = DesignDial(p);
        dialFor_ = p;
    }
    if (!dial_.ok)
        return;
    const double oldZoom = canvas_->zoom();
    // Another plate, or the foot elsewhere on it, is seen whole again unless the user has
    // chosen a view of their own since the last fit.
    const bool plateMoved = drawnFor_.plateWidthMm != p.plateWidthMm || drawnFor_.plateHeightMm != p.plateHeightMm ||
        drawnFor_.footFromLeftMm != p.footFromLeftMm || drawnFor_.footFromTopMm != p.footFromTopMm;
    drawnFor_ = p;
    canvas_->setDrawing(drawing::ToSheetDrawing(dial_.sketch));
    shadow_->setDial(dial_);
    if (!fitted_ || (plateMoved && !viewTouched_)) {
        canvas_->fitToView();
        fitted_ = true;
        viewTouched_ = false;
    } else {
        canvas_->zoomBy(oldZoom / canvas_->zoom(), QPointF(canvas_->width() / 2.0, canvas_->height() / 2.0));
    }
    tableStale_ = true;
    fillTable();
}

void Quadrante::redrawNow() { recompute(); }

void Quadrante::fillTable()
{
    if (!tableStale_ || tabs_->currentWidget() != table_) {
        if (tableStale_ && dial_.ok)
            status_->setText(kReadyLines.text().arg(dial_.lines.lines.size()) + footNote());
        return;
    }
    coordinates_->showDial(dial_.lines);
    // x and y, what a maker measures with the tape, shown next to the label (and a dark room's
    // distance from F after them); the columns keep the file's order underneath.
    QHeaderView *header = table_->horizontalHeader();
    header->moveSection(header->visualIndex(5), 2);
    header->moveSection(header->visualIndex(6), 3);
    if (coordinates_->hasDistanceColumn())
        header->moveSection(header->visualIndex(7), 4);
    table_->resizeColumnsToContents();
    tableStale_ = false;
    status_->setText(kReady.text().arg(dial_.lines.lines.size()).arg(coordinates_->rowCount()) + footNote());
}

QString Quadrante::footNote() const { return dial_.lines.footOnPlate ? QString() : kFootOff.text(); }

void Quadrante::setProject(const project::Project &p, const QString &path)
{
    document_->setPath(path);
    commitToDocument(p);
    writeFields(p);
    recompute();
    document_->clearHistory();
    document_->setModified(false);
    updateTitle();
}

bool Quadrante::openFile(const QString &path, QString *error)
{
    const project::ProjectRead read = project::LoadProject(QFile::encodeName(path).toStdString());
    if (!read.ok) {
        if (error)
            *error = QString::fromStdString(read.message);
        return false;
    }
    fitted_ = false;
    setProject(read.project, path);
    shell::addRecentFile(path);
    return true;
}

void Quadrante::onNew()
{
    if (!maySetAside(kUnsavedReplace))
        return;
    project::Project defaults;
    defaults.year = QDate::currentDate().year();
    fitted_ = false;
    setProject(defaults, QString());
}

void Quadrante::onGnomonKindChanged(int index)
{
    if (loading_)
        return;
    const bool toStyle = index == 1;
    const project::Project &p = document_->project();
    const QString nodusKey = QString::fromLatin1(project::LimitOf(project::Limited::NodusHeight).formKey);
    const QString styleKey = QString::fromLatin1(project::LimitOf(project::Limited::StyleLength).formKey);
    if (p.styleLengthGiven != toStyle) {
        // The same gnomon said the other way, on the plane of the dial as drawn: h = L sin(e).
        gnomonics::PlaneInput in;
        in.latitudeDeg = p.latitudeDeg;
        in.declinationDeg = p.declinationDeg;
        in.inclinationDeg = p.inclinationDeg;
        in.gnomon = p.styleLengthGiven ? gnomonics::GnomonSize::StyleLength : gnomonics::GnomonSize::NodusHeight;
        in.sizeMm = p.gnomonMm;
        const gnomonics::DialPlaneResult made = gnomonics::MakeDialPlane(in);
        if (toStyle && made.status.ok() && !made.plane.hasCentre) {
            // A polar dial's style never meets the plane: it has no length to give.
            loading_ = true;
            gnomonKind_->setCurrentIndex(0);
            loading_ = false;
            QLabel *error = errorLabels_.value(nodusKey);
            error->setText(kPolarNoLength);
            if (auto *form = qobject_cast<QFormLayout *>(error->parentWidget()->layout()))
                form->setRowVisible(error, true);
            status_->setText(kPolarNoLength);
            return;
        }
        if (made.status.ok()) {
            // To the hundredth of a millimetre, as finely as a maker measures.
            const double mm = toStyle ? made.plane.styleLengthMm : made.plane.nodusHeightMm;
            lines_.value(toStyle ? styleKey : nodusKey)->setText(number(sheet::shownValue(mm, sheet::Mask::TwoDecimals)));
        }
    }
    onFieldEdited();
}

void Quadrante::onPrintTiles()
{
    // The paper is the dial the fields describe, never an older one left on the screen.
    if (!recompute()) {
        QMessageBox::warning(this, kPrintFailed, kFixBeforePrinting);
        return;
    }
    const drawing::Drawing shown = drawing::ToSheetDrawing(dial_.sketch);
    drawing::printDrawingTiles(shown, this);
}

void Quadrante::onPrintOnePage(bool preview)
{
    if (!recompute()) {
        QMessageBox::warning(this, kPrintFailed, kFixBeforePrinting);
        return;
    }
    const drawing::Drawing shown = drawing::ToSheetDrawing(dial_.sketch);
    const QString title = QString::fromStdString(shown.title);
    auto paint = [shown, title](QPainter &painter, QPrinter &printer) {
        const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
        const double dotsPerMm = printer.resolution() / 25.4;
        if (!(shown.widthMm > 0) || !(shown.heightMm > 0) || !(area.width() > 0))
            return false;
        // A line of words on top, the drawing as large as the rest of the sheet allows, and
        // its scale in whole numbers so that nobody takes it for the plate itself.
        const double headingMm = 10;
        const double fit = std::min(area.width() / shown.widthMm, (area.height() - headingMm) / shown.heightMm);
        const double ratio = std::max(1.0, std::ceil(1.0 / fit));
        const double scale = 1.0 / ratio;
        QFont font = painter.font();
        font.setPointSizeF(10);
        painter.setFont(font);
        painter.drawText(QRectF(0, 0, area.width() * dotsPerMm, headingMm * dotsPerMm), Qt::AlignLeft | Qt::AlignVCenter,
                         ratio > 1 ? kReducedScale.text().arg(title, QString::number(ratio, 'f', 0))
                                   : kFullScale.text().arg(title));
        const double x0 = (area.width() - shown.widthMm * scale) / 2;
        drawing::DrawingRender(dotsPerMm * scale, QPointF(x0 * dotsPerMm, headingMm * dotsPerMm)).paint(painter, shown);
        return true;
    };
    if (preview)
        sheet::previewAndPrint(paint, this);
    else
        sheet::printPages(paint, this);
}

void Quadrante::onPrintConstructionSheet()
{
    if (!recompute()) {
        QMessageBox::warning(this, kPrintFailed, kFixBeforePrinting);
        return;
    }
    const project::Project p = document_->project();
    const DesignedDial dial = dial_;
    sheet::printPages(
        [p, dial](QPainter &painter, QPrinter &printer) {
            const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
            return PaintConstructionSheet(painter, [&printer] { return printer.newPage(); }, p, dial, area.width(),
                                          area.height(), printer.resolution() / 25.4);
        },
        this);
}

void Quadrante::onExportConstructionSheet()
{
    const QString path = askSavePath(this, kMenuSheet, QStringLiteral("PDF (*.pdf)"), proposedPath(QStringLiteral("pdf")));
    if (path.isEmpty())
        return;
    if (!recompute()) {
        QMessageBox::warning(this, kExportFailed, kFixBeforeExporting);
        return;
    }
    QString error;
    if (!ExportConstructionSheet(path, document_->project(), dial_, &error))
        QMessageBox::warning(this, kExportFailed, error);
    else
        status_->setText(kExported.text().arg(path));
}

QString Quadrante::proposedPath(const QString &suffix) const
{
    // A project with a file: beside it, under its name; a new one: its place's name in the
    // folder last used (Documents, else home).
    const QString path = document_->path();
    if (!path.isEmpty()) {
        const QFileInfo file(path);
        return file.dir().filePath(file.completeBaseName() + QLatin1Char('.') + suffix);
    }
    return sheet::ProposedSavePath(QString::fromStdString(document_->project().placeName), QStringLiteral("quadrante"),
                                   suffix);
}

void Quadrante::onOpen()
{
    if (!maySetAside(kUnsavedReplace))
        return;
    const QString path = QFileDialog::getOpenFileName(this, kOpen, sheet::startFolder(), kProjectFilter);
    if (path.isEmpty())
        return;
    QString error;
    if (!openFile(path, &error))
        QMessageBox::warning(this, kOpenFailed, error);
}

bool Quadrante::saveTo(const QString &path)
{
    // A value the window refuses would be lost: the file would hold the last accepted dial.
    if (!recompute()) {
        QMessageBox::warning(this, kSaveFailed, kFixBeforeSaving);
        return false;
    }
    std::string error;
    if (!project::SaveProject(QFile::encodeName(path).toStdString(), document_->project(), &error)) {
        QMessageBox::warning(this, kSaveFailed, QString::fromStdString(error));
        return false;
    }
    document_->setPath(path);
    document_->setModified(false);
    shell::addRecentFile(path);
    return true;
}

bool Quadrante::onSave() { return document_->path().isEmpty() ? onSaveAs() : saveTo(document_->path()); }

bool Quadrante::onSaveAs()
{
    const QString path = askSavePath(this, kSaveAs, kProjectFilter, proposedPath(QStringLiteral("horalo")));
    return !path.isEmpty() && saveTo(path);
}

void Quadrante::onExport()
{
    const QString path = askSavePath(this, kExport, kExportFilter, proposedPath(QStringLiteral("pdf")), true);
    if (path.isEmpty())
        return;
    // The files are the dial the fields describe, never an older one left on the screen.
    if (!recompute()) {
        QMessageBox::warning(this, kExportFailed, kFixBeforeExporting);
        return;
    }
    QString error;
    if (!ExportDial(path, dial_, &error))
        QMessageBox::warning(this, kExportFailed, error);
    else
        status_->setText(kExported.text().arg(path));
}

QString Quadrante::applySurvey(const shell::WallSurveyResult &survey)
{
    const double declinationDeg = survey.declinationDeg, inclinationDeg = survey.inclinationDeg;
    // Checked before any field is touched: a survey the dial cannot take leaves it as it was.
    const std::pair<project::Limited, const sheet::UiText *> checks[] = {
        {project::Limited::Declination, &kSurveyDeclinationRefused},
        {project::Limited::Inclination, &kSurveyInclinationRefused}};
    for (const auto &[field, words] : checks) {
        const double value = field == project::Limited::Declination ? declinationDeg : inclinationDeg;
        const project::FieldLimit &limit = project::LimitOf(field);
        if (project::IsWithin(limit, value))
            continue;
        // The survey shows hundredths; a value refused only beyond them is written in full,
        // so that the words never refuse a number the limit names.
        const bool hundredthsHideIt = project::IsWithin(limit, sheet::shownValue(value, sheet::Mask::TwoDecimals));
        const std::string shown = hundredthsHideIt ? sheet::FormatGeneral(value) : sheet::FormatFixed(value, sheet::Mask::TwoDecimals);
        return words->text().arg(shown.empty() ? QStringLiteral("?") : QString::fromStdString(shown),
                                 QString::fromStdString(project::LimitSentence(field)));
    }
    // The readings and the plane they give are one step to undo.
    document_->history()->beginMacro(QString());
    loading_ = true;
    line(project::LimitOf(project::Limited::Declination).formKey)->setText(number(std::abs(declinationDeg)));
    side_->setCurrentIndex(declinationDeg < 0 ? 0 : 1);
    line(project::LimitOf(project::Limited::Inclination).formKey)->setText(number(inclinationDeg));
    loading_ = false;
    committing_ = true;
    document_->setSurvey(shell::WallSurveyJson(survey.readings).toStdString());
    committing_ = false;
    document_->setModified(true);
    recompute();
    document_->history()->endMacro();
    return {};
}

void Quadrante::takeSheetInputs(const shell::SheetDialInputs &in)
{
    if (!std::isfinite(in.latitudeDeg) || !std::isfinite(in.declinationDeg) || !std::isfinite(in.inclinationDeg) ||
        !std::isfinite(in.styleMm))
        return;
    if (!maySetAside(kUnsavedReplace))
        return;
    project::Project p = document_->project();
    // Another dial: saved where the user says, never over the file the designer had open, and
    // without the other wall's survey.
    p.keptJson.clear();
    document_->setPath(QString());
    p.latitudeDeg = in.latitudeDeg;
    p.declinationDeg = in.declinationDeg;
    p.inclinationDeg = in.inclinationDeg;
    p.styleLengthGiven = true;
    p.gnomonMm = in.styleMm;
    p.apparent = true;
    p.halfHours = false;
    p.clock = false;
    p.italic = false;
    p.babylonian = false;
    p.solsticesEquinoxes = true;
    p.zodiac = in.zodiac;
    p.monthFirsts = false;
    p.days.clear();
    if (!in.anniversaryDate.trimmed().isEmpty())
        p.days.push_back(in.anniversaryDate.trimmed().toStdString());
    commitToDocument(p);
    writeFields(p);
    document_->setModified(true);
    fitted_ = false;
    recompute();
}

shell::DesignerPlace Quadrante::place() const
{
    QHash<QString, QString> errors;
    const project::Project p = readFields(&errors);
    return {QString::fromStdString(p.placeName), p.latitudeDeg, p.longitudeDeg, p.zoneHours, p.summerTime};
}

bool Quadrante::maySetAside(const QString &question)
{
    if (!document_->isModified())
        return true;
    const auto answer = QMessageBox::question(this, kTitle, question,
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                              QMessageBox::Save);
    return answer == QMessageBox::Discard || (answer == QMessageBox::Save && onSave());
}

void Quadrante::updateTitle()
{
    QString title = kTitle;
    if (!document_->path().isEmpty())
        title += QStringLiteral(" \u2014 ") + QFileInfo(document_->path()).fileName();
    if (document_->isModified())
        title += QStringLiteral(" *");
    setWindowTitle(title);
}

void Quadrante::closeEvent(QCloseEvent *event)
{
    if (maySetAside(kUnsaved))
        event->accept();
    else
        event->ignore();
}

void Quadrante::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The canvas has its size only once laid out: fit the dial then, as the window opens.
    QTimer::singleShot(0, canvas_, [this] {
        canvas_->fitToView();
        viewTouched_ = false;
    });
}

void registerDesignerWindows(shell::WindowRegistry &registry)
{
    shell::registerDesigner<Quadrante>(registry, [] { return new Quadrante; });
}

} // namespace designer
