#include "survey/rilievowindow.h"

#include "sheet/qt/colours.h"

#include "sheet/numbers.h"
#include "sheet/qt/uitext.h"
#include "sheet/qt/printjob.h"
#include "shell/designerport.h"
#include "survey/protractor.h"
#include "survey/surveyfigure.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>
#include <QScrollBar>
#include <QVBoxLayout>

namespace survey {

namespace {

const sheet::UiText kTitle{QT_TRANSLATE_NOOP("horalo", "Rilievo della parete")};
const sheet::UiText kPlaceBox{QT_TRANSLATE_NOOP("horalo", "Luogo")};
const sheet::UiText kLatitude{QT_TRANSLATE_NOOP("horalo", "Latitudine (°, + Nord)")};
const sheet::UiText kLongitude{QT_TRANSLATE_NOOP("horalo", "Longitudine (°, + Est)")};
const sheet::UiText kZone{QT_TRANSLATE_NOOP("horalo", "Fuso (ore da Greenwich)")};
const sheet::UiText kSummer{QT_TRANSLATE_NOOP("horalo", "Ora legale")};
const sheet::UiText kObservationsBox{QT_TRANSLATE_NOOP("horalo", "Osservazioni: ombra del filo a piombo sulla tavoletta")};
const sheet::UiText kHeaderRow{QT_TRANSLATE_NOOP("horalo", "N.")};
const sheet::UiText kHeaderDate{QT_TRANSLATE_NOOP("horalo", "Data (gg/mm/aaaa)")};
const sheet::UiText kHeaderClock{QT_TRANSLATE_NOOP("horalo", "Ora (hh:mm:ss)")};
const sheet::UiText kHeaderSummer{QT_TRANSLATE_NOOP("horalo", "Legale")};
const sheet::UiText kHeaderAlpha{QT_TRANSLATE_NOOP("horalo", "α (°)")};
const sheet::UiText kHeaderAzimuth{QT_TRANSLATE_NOOP("horalo", "Azimut Sole (°)")};
const sheet::UiText kHeaderAltitude{QT_TRANSLATE_NOOP("horalo", "Altezza Sole (°)")};
const sheet::UiText kHeaderDeclination{QT_TRANSLATE_NOOP("horalo", "Declinazione")};
const sheet::UiText kHeaderNote{QT_TRANSLATE_NOOP("horalo", "Note")};
const sheet::UiText kHowTo{QT_TRANSLATE_NOOP("horalo", 
    "α: angolo tra la perpendicolare alla parete e l'ombra del filo, positivo se l'ombra va a destra "
    "guardando la parete. Azimut del Sole da Sud, positivo verso Ovest; declinazione D = azimut − α.")};
const sheet::UiText kResultsBox{QT_TRANSLATE_NOOP("horalo", "Risultato")};
const sheet::UiText kMean{QT_TRANSLATE_NOOP("horalo", "Declinazione media (°)")};
const sheet::UiText kSpread{QT_TRANSLATE_NOOP("horalo", "Scarto (°)")};
const sheet::UiText kAccuracy{QT_TRANSLATE_NOOP("horalo", "Precisione attesa (°)")};
const sheet::UiText kPlumbBox{QT_TRANSLATE_NOOP("horalo", "Inclinazione con il filo a piombo")};
const sheet::UiText kPlumbLength{QT_TRANSLATE_NOOP("horalo", "L (mm)")};
const sheet::UiText kPlumbTop{QT_TRANSLATE_NOOP("horalo", "a in alto (mm)")};
const sheet::UiText kPlumbBottom{QT_TRANSLATE_NOOP("horalo", "b in basso (mm)")};
const sheet::UiText kInclination{QT_TRANSLATE_NOOP("horalo", "Inclinazione (°)")};
const sheet::UiText kCompute{QT_TRANSLATE_NOOP("horalo", "Calcola")};
const sheet::UiText kUse{QT_TRANSLATE_NOOP("horalo", "Usa nel Quadrante")};
const sheet::UiText kPrint{QT_TRANSLATE_NOOP("horalo", "Stampa")};
const sheet::UiText kPrintProtractor{QT_TRANSLATE_NOOP("horalo", "Stampa goniometro 1:1")};
const sheet::UiText kFixFirst{QT_TRANSLATE_NOOP("horalo", "Correggere i campi segnati in rosso.")};
const sheet::UiText kNothingToUse{QT_TRANSLATE_NOOP("horalo", "Nessuna declinazione da usare: inserire almeno un'osservazione valida.")};
const sheet::UiText kNoDesigner{QT_TRANSLATE_NOOP("horalo", "Il Quadrante non è disponibile in questa versione del programma.")};
const sheet::UiText kDesignerRefused{QT_TRANSLATE_NOOP("horalo", "Il Quadrante non ha accettato il rilievo.")};
const sheet::UiText kNothingHandedOver{QT_TRANSLATE_NOOP("horalo", "Nulla è stato passato al Quadrante. %1")};
const sheet::UiText kSentToDesigner{QT_TRANSLATE_NOOP("horalo", "Declinazione %1 e inclinazione %2° passate al Quadrante.")};
const sheet::UiText kNotMeasured{QT_TRANSLATE_NOOP("horalo", " (inclinazione non misurata: parete verticale)")};

constexpr int kNoteWidth = 420;
// What a desktop adds around a window: its border and its title bar.
constexpr int kWindowFramePx = 16;
constexpr int kTitleBarPx = 48;

QLabel *note(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    sheet::SetReadableTextColour(label, QColor(0xb0, 0x00, 0x00));
    label->setWordWrap(true);
    return label;
}

QString fieldName(const char *stem, int row) { return QString::fromLatin1(stem) + QString::number(row + 1); }

} // namespace

RilievoWindow::RilievoWindow(QWidget *parent) : shell::SheetWindow(kTitle, parent)
{
    const SurveyForm defaults;
    // Twelve readings, their notes and the plumb line are taller than a laptop's screen: the
    // window scrolls rather than running off the bottom, and a long note makes its row taller
    // instead of being cut off.
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("scorrimento"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    outer->addWidget(scroll_);
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    layout->addLayout(placeRow(defaults));
    layout->addWidget(observationsBox(defaults));
    layout->addLayout(resultsRow());
    scroll_->setWidget(content);
    // The buttons and the message stay below the scrolled readings, always in sight.
    bottom_ = new QWidget(this);
    auto *bottomLayout = new QVBoxLayout(bottom_);
    bottomLayout->addLayout(buttonRow());
    message_ = addLabel(QString(), QStringLiteral("messaggio"));
    message_->setWordWrap(true);
    bottomLayout->addWidget(message_);
    outer->addWidget(bottom_);

    takeDesignerPlace();
}

QHBoxLayout *RilievoWindow::placeRow(const SurveyForm &defaults)
{
    auto *top = new QHBoxLayout;
    top->addWidget(new SurveyFigure(this));
    auto *placeBox = new QGroupBox(kPlaceBox, this);
    auto *place = new QGridLayout(placeBox);
    const std::array<std::tuple<QString, QString, std::string, QLabel **>, 3> placeFields{{
        {kLatitude, QStringLiteral("Lat"), defaults.latitude, &latitudeNote_},
        {kLongitude, QStringLiteral("Lon"), defaults.longitude, &longitudeNote_},
        {kZone, QStringLiteral("Fuso"), defaults.zone, &zoneNote_},
    }};
    int r = 0;
    for (const auto &[label, name, value, noteLabel] : placeFields) {
        place->addWidget(addLabel(label), r, 0);
        // The defaults are written with the decimal comma; the window shows the program's separator.
        QLineEdit *edit = addField(name, QString::fromStdString(value).replace(QLatin1Char(','), QLatin1Char(sheet::decimalSeparator())),
                                   Kind::Input);
        edit->setMaximumWidth(110);
        place->addWidget(edit, r, 1);
        *noteLabel = note(this, QStringLiteral("nota") + name);
        place->addWidget(*noteLabel, r, 2);
        ++r;
    }
    summer_ = new QCheckBox(kSummer, this);
    summer_->setObjectName(QStringLiteral("Legale"));
    summer_->setChecked(defaults.summerTime);
    place->addWidget(summer_, r, 1, 1, 2);
    // The window's box sets every reading's; a reading taken across the change is then ticked
    // on its own row.
    connect(summer_, &QCheckBox::toggled, this, [this](bool on) {
        for (QCheckBox *row : rowSummer_)
            if (row)
                row->setChecked(on);
    });
    place->setColumnStretch(2, 1);
    top->addWidget(placeBox, 1);
    return top;
}

QGroupBox *RilievoWindow::observationsBox(const SurveyForm &defaults)
{
    auto *obsBox = new QGroupBox(kObservationsBox, this);
    auto *grid = new QGridLayout(obsBox);
    grid->setVerticalSpacing(3);
    const QStringList headers{kHeaderRow, kHeaderDate, kHeaderClock, kHeaderSummer, kHeaderAlpha, kHeaderAzimuth,
                              kHeaderAltitude, kHeaderDeclination, kHeaderNote};
    constexpr int kNoteColumn = 8;
    for (int c = 0; c < headers.size(); ++c)
        grid->addWidget(addLabel(headers[c]), 0, c);
    for (int k = 0; k < kRows; ++k) {
        grid->addWidget(addLabel(QString::number(k + 1)), k + 1, 0);
        const std::array<std::pair<const char *, Kind>, 6> cells{{{"data", Kind::Input},
                                                                   {"ora", Kind::Input},
                                                                   {"alfa", Kind::Input},
                                                                   {"azimut", Kind::Output},
                                                                   {"altezza", Kind::Output},
                                                                   {"decl", Kind::Output}}};
        for (std::size_t c = 0; c < cells.size(); ++c) {
            QLineEdit *edit = addField(fieldName(cells[c].first, k), QString(), cells[c].second);
            const int width = c == 5 ? 110 : c == 0 ? 100 : c == 1 ? 80 : 72;
            edit->setMinimumWidth(width);
            edit->setMaximumWidth(width);
            // The row's summer-time box stands right after the clock it qualifies.
            grid->addWidget(edit, k + 1, static_cast<int>(c) + (c < 2 ? 1 : 2));
        }
        const auto i = static_cast<std::size_t>(k);
        rowSummer_[i] = new QCheckBox(this);
        rowSummer_[i]->setObjectName(fieldName("legale", k));
        rowSummer_[i]->setToolTip(kSummer);
        rowSummer_[i]->setChecked(defaults.summerTime);
        grid->addWidget(rowSummer_[i], k + 1, 3, Qt::AlignHCenter);
        rowNotes_[i] = note(this, fieldName("nota", k));
        rowNotes_[i]->setMinimumWidth(kNoteWidth);
        grid->addWidget(rowNotes_[i], k + 1, kNoteColumn);
    }
    auto *howTo = addLabel(kHowTo);
    howTo->setWordWrap(true);
    grid->addWidget(howTo, kRows + 1, 0, 1, kNoteColumn + 1);
    grid->setColumnStretch(kNoteColumn, 1);
    return obsBox;
}

QHBoxLayout *RilievoWindow::resultsRow()
{
    auto *bottom = new QHBoxLayout;
    auto *resultsBox = new QGroupBox(kResultsBox, this);
    auto *results = new QGridLayout(resultsBox);
    const std::array<std::pair<QString, QString>, 3> resultFields{
        {{kMean, QStringLiteral("media")}, {kSpread, QStringLiteral("scarto")}, {kAccuracy, QStringLiteral("precisione")}}};
    int r = 0;
    for (const auto &[label, name] : resultFields) {
        results->addWidget(addLabel(label), r, 0);
        QLineEdit *edit = addField(name, QString(), Kind::Output);
        edit->setMinimumWidth(180);
        results->addWidget(edit, r, 1);
        ++r;
    }
    outliers_ = note(this, QStringLiteral("scartate"));
    results->addWidget(outliers_, r, 0, 1, 2);
    bottom->addWidget(resultsBox, 3);

    auto *plumbBox = new QGroupBox(kPlumbBox, this);
    auto *plumb = new QGridLayout(plumbBox);
    const std::array<std::pair<QString, QString>, 3> plumbFields{
        {{kPlumbLength, QStringLiteral("filo")}, {kPlumbTop, QStringLiteral("filoA")}, {kPlumbBottom, QStringLiteral("filoB")}}};
    r = 0;
    for (const auto &[label, name] : plumbFields) {
        plumb->addWidget(addLabel(label), r, 0);
        QLineEdit *edit = addField(name, QString(), Kind::Input);
        edit->setMaximumWidth(90);
        plumb->addWidget(edit, r, 1);
        ++r;
    }
    plumb->addWidget(addLabel(kInclination), r, 0);
    QLineEdit *incl = addField(QStringLiteral("incl"), QString(), Kind::Output);
    incl->setMaximumWidth(90);
    plumb->addWidget(incl, r, 1);
    ++r;
    sense_ = addLabel(QString(), QStringLiteral("senso"));
    sense_->setWordWrap(true);
    plumb->addWidget(sense_, r, 0, 1, 2);
    plumbNote_ = note(this, QStringLiteral("notaFilo"));
    plumb->addWidget(plumbNote_, r + 1, 0, 1, 2);
    bottom->addWidget(plumbBox, 2);
    return bottom;
}

QHBoxLayout *RilievoWindow::buttonRow()
{
    auto *buttons = new QHBoxLayout;
    QPushButton *compute = addButton(QStringLiteral("Calcola"), kCompute, [this] { onCompute(); });
    setComputeButton(compute);
    buttons->addWidget(compute);
    buttons->addWidget(addButton(QStringLiteral("UsaNelQuadrante"), kUse, [this] { onUseInDesigner(); }));
    buttons->addWidget(addPrintButton(QStringLiteral("Stampa"), kPrint, [this] { onPrintReport(); }));
    buttons->addWidget(addPrintButton(QStringLiteral("StampaGoniometro"), kPrintProtractor, [this] { onPrintProtractor(); }));
    buttons->addStretch(1);
    return buttons;
}
QSize RilievoWindow::sizeHint() const
{
    // The whole content when the screen has room for it, the screen less its title bar when not.
    const int bar = scroll_->verticalScrollBar()->sizeHint().width();
    const QSize content = scroll_->widget()->sizeHint();
    const QSize below = bottom_->sizeHint();
    const QSize whole(std::max(content.width() + bar, below.width()), content.height() + below.height());
    const QSize room = screen()->availableGeometry().size() - QSize(kWindowFramePx, kTitleBarPx);
    return whole.boundedTo(room);
}

void RilievoWindow::takeDesignerPlace()
{
    const shell::DesignerPort *designer = shell::openDesigner();
    if (!designer)
        return;
    const shell::DesignerPlace place = designer->place();
    auto shown = [](double v) { return QString::fromStdString(sheet::FormatGeneral(v)); };
    setText(QStringLiteral("Lat"), shown(place.latitudeDeg));
    setText(QStringLiteral("Lon"), shown(place.longitudeDeg));
    setText(QStringLiteral("Fuso"), shown(place.zoneHours));
    summer_->setChecked(place.summerTime);
}

SurveyForm RilievoWindow::form() const
{
    SurveyForm f;
    f.latitude = text(QStringLiteral("Lat")).toStdString();
    f.longitude = text(QStringLiteral("Lon")).toStdString();
    f.zone = text(QStringLiteral("Fuso")).toStdString();
    f.summerTime = summer_->isChecked();
    for (int k = 0; k < kRows; ++k) {
        const auto i = static_cast<std::size_t>(k);
        f.rowSummerTime[i] = rowSummer_[i]->isChecked();
        f.date[i] = text(fieldName("data", k)).toStdString();
        f.clock[i] = text(fieldName("ora", k)).toStdString();
        f.alpha[i] = text(fieldName("alfa", k)).toStdString();
    }
    f.plumbLength = text(QStringLiteral("filo")).toStdString();
    f.plumbTop = text(QStringLiteral("filoA")).toStdString();
    f.plumbBottom = text(QStringLiteral("filoB")).toStdString();
    return f;
}

shell::WallSurveyReadings RilievoWindow::readings() const
{
    shell::WallSurveyReadings r;
    r.latitude = text(QStringLiteral("Lat"));
    r.longitude = text(QStringLiteral("Lon"));
    r.zone = text(QStringLiteral("Fuso"));
    r.summerTime = summer_->isChecked();
    for (int k = 0; k < kRows; ++k) {
        const QString date = text(fieldName("data", k)), clock = text(fieldName("ora", k)), alpha = text(fieldName("alfa", k));
        if (date.trimmed().isEmpty() && clock.trimmed().isEmpty() && alpha.trimmed().isEmpty())
            continue;
        r.readings.append({k + 1, date, clock, rowSummer_[static_cast<std::size_t>(k)]->isChecked(), alpha});
    }
    r.plumbLength = text(QStringLiteral("filo"));
    r.plumbTop = text(QStringLiteral("filoA"));
    r.plumbBottom = text(QStringLiteral("filoB"));
    return r;
}

QString RilievoWindow::surveyJson() const { return shell::WallSurveyJson(readings()); }

bool RilievoWindow::loadSurveyJson(const QString &json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    const QJsonObject o = doc.object();
    const QJsonValue rows = o.value(QStringLiteral("osservazioni"));
    if (!rows.isArray())
        return false;
    // Check every row before touching a field, so a bad file changes nothing.
    std::array<std::array<QString, 3>, kRows> cells;
    // A row saved before each row had its own summer time was read with the window's.
    std::array<std::optional<bool>, kRows> rowSummer;
    for (const QJsonValue &v : rows.toArray()) {
        const QJsonObject row = v.toObject();
        const int k = row.value(QStringLiteral("riga")).toInt(0) - 1;
        if (k < 0 || k >= kRows)
            return false;
        cells[static_cast<std::size_t>(k)] = {row.value(QStringLiteral("data")).toString(),
                                              row.value(QStringLiteral("ora")).toString(),
                                              row.value(QStringLiteral("alfa")).toString()};
        const QJsonValue summer = row.value(QStringLiteral("ora_legale"));
        if (summer.isBool())
            rowSummer[static_cast<std::size_t>(k)] = summer.toBool();
        else if (!summer.isUndefined())
            return false;
    }
    for (const char *name : {"latitudine", "longitudine", "fuso"})
        if (o.contains(QLatin1String(name)) && !o.value(QLatin1String(name)).isString())
            return false;
    if (o.contains(QStringLiteral("latitudine")))
        setText(QStringLiteral("Lat"), o.value(QStringLiteral("latitudine")).toString());
    if (o.contains(QStringLiteral("longitudine")))
        setText(QStringLiteral("Lon"), o.value(QStringLiteral("longitudine")).toString());
    if (o.contains(QStringLiteral("fuso")))
        setText(QStringLiteral("Fuso"), o.value(QStringLiteral("fuso")).toString());
    if (o.value(QStringLiteral("ora_legale")).isBool())
        summer_->setChecked(o.value(QStringLiteral("ora_legale")).toBool());
    for (int k = 0; k < kRows; ++k) {
        const auto &c = cells[static_cast<std::size_t>(k)];
        rowSummer_[static_cast<std::size_t>(k)]->setChecked(rowSummer[static_cast<std::size_t>(k)].value_or(summer_->isChecked()));
        setText(fieldName("data", k), c[0]);
        setText(fieldName("ora", k), c[1]);
        setText(fieldName("alfa", k), c[2]);
    }
    const QJsonObject plumb = o.value(QStringLiteral("filo")).toObject();
    setText(QStringLiteral("filo"), plumb.value(QStringLiteral("L")).toString());
    setText(QStringLiteral("filoA"), plumb.value(QStringLiteral("a")).toString());
    setText(QStringLiteral("filoB"), plumb.value(QStringLiteral("b")).toString());
    return true;
}

void RilievoWindow::showNotes(const SurveyOutcome &outcome)
{
    latitudeNote_->setText(QString::fromStdString(outcome.latitudeNote));
    longitudeNote_->setText(QString::fromStdString(outcome.longitudeNote));
    zoneNote_->setText(QString::fromStdString(outcome.zoneNote));
    plumbNote_->setText(QString::fromStdString(outcome.plumbNote));
    for (int k = 0; k < kRows; ++k)
        rowNotes_[static_cast<std::size_t>(k)]->setText(QString::fromStdString(outcome.rowNote[static_cast<std::size_t>(k)]));
}

void RilievoWindow::setMessage(const QString &text) { message_->setText(text); }

bool RilievoWindow::computeAndShow()
{
    const SurveyOutcome outcome = ComputeSurvey(form());
    showNotes(outcome);
    if (outcome.refused) {
        clearResults();
        setMessage(kFixFirst);
        return false;
    }
    setMessage(QString());
    shown_ = outcome;
    for (int k = 0; k < kRows; ++k) {
        const auto i = static_cast<std::size_t>(k);
        setText(fieldName("azimut", k), outcome.azimuth[i]);
        setText(fieldName("altezza", k), outcome.altitude[i]);
        setText(fieldName("decl", k), outcome.declination[i]);
    }
    setText(QStringLiteral("media"), outcome.mean);
    setText(QStringLiteral("scarto"), outcome.spread);
    setText(QStringLiteral("precisione"), outcome.accuracy);
    outliers_->setText(QString::fromStdString(outcome.outliers).replace(QStringLiteral("; "), QStringLiteral("\n")));
    setText(QStringLiteral("incl"), outcome.inclination);
    sense_->setText(QString::fromStdString(outcome.inclinationSense));
    return true;
}

void RilievoWindow::clearResults()
{
    shown_ = SurveyOutcome{};
    for (int k = 0; k < kRows; ++k)
        for (const char *stem : {"azimut", "altezza", "decl"})
            setText(fieldName(stem, k), QString());
    for (const char *name : {"media", "scarto", "precisione", "incl"})
        setText(QString::fromLatin1(name), QString());
    outliers_->clear();
    sense_->clear();
}

void RilievoWindow::onCompute() { computeAndShow(); }

void RilievoWindow::onUseInDesigner()
{
    if (!computeAndShow())
        return;
    if (!shown_.meanDeg) {
        setMessage(kNothingToUse);
        return;
    }
    if (!shell::hasDesigner()) {
        setMessage(kNoDesigner);
        return;
    }
    const double inclination = shown_.inclinationDeg.value_or(0.0);
    const shell::WallSurveyResult survey{*shown_.meanDeg, inclination, readings()};
    shell::DesignerPort *designer = shell::showDesigner();
    if (!designer) {
        setMessage(kDesignerRefused);
        return;
    }
    // The designer says why it refused a value (a wall leaning further forward than it draws);
    // it then takes nothing, and the survey must not claim it did.
    const QString refusal = designer->applySurvey(survey);
    if (!refusal.isEmpty()) {
        setMessage(kNothingHandedOver.text().arg(refusal));
        return;
    }
    setMessage(kSentToDesigner.text().arg(QString::fromStdString(shown_.mean),
                                   QString::fromStdString(sheet::FormatFixed(inclination, sheet::Mask::TwoDecimals)))
               + (shown_.inclinationDeg ? QString() : kNotMeasured));
}

void RilievoWindow::onPrintReport()
{
    if (!computeAndShow())
        return;
    print(BuildSurveyReport(form(), shown_));
}

void RilievoWindow::onPrintProtractor()
{
    printPages([](QPainter &painter, QPrinter &printer) { return paintProtractor(painter, printer); });
}

} // namespace survey
