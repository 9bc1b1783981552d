#include "designer/shadowpanel.h"

#include "designer/designerexport.h"
#include "drawing/qt/drawingcanvas.h"
#include "drawing/sheetdrawing.h"
#include "drawing/textformat.h"
#include "gnomonics/shadow.h"
#include "sheet/qt/colours.h"
#include "sheet/qt/uitext.h"

#include <QDate>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace designer {

namespace {

const sheet::UiText kGroup{QT_TRANSLATE_NOOP("horalo", "Ombra")};
const sheet::UiText kDate{QT_TRANSLATE_NOOP("horalo", "Data")};
const sheet::UiText kTime{QT_TRANSLATE_NOOP("horalo", "Ora")};
const sheet::UiText kNow{QT_TRANSLATE_NOOP("horalo", "Adesso")};
const sheet::UiText kPlayDay{QT_TRANSLATE_NOOP("horalo", "▶ Giorno")};
const sheet::UiText kPlayYear{QT_TRANSLATE_NOOP("horalo", "▶ Anno")};
const sheet::UiText kApparent{QT_TRANSLATE_NOOP("horalo", "Vera")};
const sheet::UiText kCivil{QT_TRANSLATE_NOOP("horalo", "Civile")};
const sheet::UiText kItalic{QT_TRANSLATE_NOOP("horalo", "Italiche")};
const sheet::UiText kBabylonian{QT_TRANSLATE_NOOP("horalo", "Babiloniche")};
const sheet::UiText kTemporary{QT_TRANSLATE_NOOP("horalo", "Temporarie")};

const sheet::UiText kDateName{QT_TRANSLATE_NOOP("horalo", "Data dell'ombra")};
const sheet::UiText kTimeName{QT_TRANSLATE_NOOP("horalo", "Ora dell'ombra")};
const sheet::UiText kSliderName{QT_TRANSLATE_NOOP("horalo", "Ora lungo il giorno")};
const sheet::UiText kPlayDayName{QT_TRANSLATE_NOOP("horalo", "Anima il giorno")};
const sheet::UiText kPlayYearName{QT_TRANSLATE_NOOP("horalo", "Anima l'anno")};
const sheet::UiText kXName{QT_TRANSLATE_NOOP("horalo", "x dell'ombra (mm)")};
const sheet::UiText kYName{QT_TRANSLATE_NOOP("horalo", "y dell'ombra (mm)")};
const sheet::UiText kApparentName{QT_TRANSLATE_NOOP("horalo", "Tempo vero locale")};
const sheet::UiText kCivilName{QT_TRANSLATE_NOOP("horalo", "Tempo civile")};
const sheet::UiText kItalicName{QT_TRANSLATE_NOOP("horalo", "Ore italiche")};
const sheet::UiText kBabylonianName{QT_TRANSLATE_NOOP("horalo", "Ore babiloniche")};
const sheet::UiText kTemporaryName{QT_TRANSLATE_NOOP("horalo", "Ore temporarie")};

const sheet::UiText kDateTip{QT_TRANSLATE_NOOP("horalo", "Il giorno dell'ombra, gg/mm/aaaa.")};
const sheet::UiText kTimeTip{
    QT_TRANSLATE_NOOP("horalo", "L'ora dell'orologio del fuso, hh:mm, con l'ora legale se scelta.")};
const sheet::UiText kSliderTip{QT_TRANSLATE_NOOP("horalo", "L'ora lungo il giorno, un minuto a passo.")};
const sheet::UiText kNowTip{QT_TRANSLATE_NOOP("horalo", "La data e l'ora di adesso all'orologio del fuso del quadrante.")};
const sheet::UiText kPlayDayTip{
    QT_TRANSLATE_NOOP("horalo", "Fa scorrere il giorno, un minuto a passo. Premere di nuovo per fermare.")};
const sheet::UiText kPlayYearTip{QT_TRANSLATE_NOOP(
    "horalo", "Fa scorrere l'anno, un giorno a passo alla stessa ora. Premere di nuovo per fermare.")};
const sheet::UiText kXTip{
    QT_TRANSLATE_NOOP("horalo", "Il punto d'ombra del nodo: mm dal piede dello gnomone F, verso destra.")};
const sheet::UiText kYTip{
    QT_TRANSLATE_NOOP("horalo", "Il punto d'ombra del nodo: mm dal piede dello gnomone F, verso l'alto.")};
const sheet::UiText kApparentTip{QT_TRANSLATE_NOOP("horalo", "Il tempo vero locale che il quadrante segna.")};
const sheet::UiText kCivilTip{QT_TRANSLATE_NOOP(
    "horalo", "L'ora che segnano le linee del tempo civile (del fuso), o del tempo medio locale.")};
const sheet::UiText kItalicTip{QT_TRANSLATE_NOOP("horalo", "Ore italiche: ore passate dal tramonto precedente.")};
const sheet::UiText kBabylonianTip{QT_TRANSLATE_NOOP("horalo", "Ore babiloniche: ore passate dal sorgere del Sole.")};
const sheet::UiText kTemporaryTip{
    QT_TRANSLATE_NOOP("horalo", "Ore temporarie: dodicesimi del giorno passati dal sorgere del Sole.")};

const sheet::UiText kSunDown{QT_TRANSLATE_NOOP("horalo", "Il Sole è sotto l'orizzonte.")};
const sheet::UiText kSunBehind{QT_TRANSLATE_NOOP("horalo", "Il Sole è dietro il piano.")};
const sheet::UiText kDateForm{QT_TRANSLATE_NOOP("horalo", "Scrivere la data come gg/mm/aaaa.")};
const sheet::UiText kNoSuchDate{QT_TRANSLATE_NOOP("horalo", "Questa data non esiste: %1")};
const sheet::UiText kNotAYear{QT_TRANSLATE_NOOP("horalo", "Scrivere un anno tra 1600 e 2400.")};
const sheet::UiText kTimeForm{QT_TRANSLATE_NOOP("horalo", "Scrivere l'ora come hh:mm, da 00:00 a 23:59.")};

// A reading that does not exist at that instant (a temporary hour by night, an Italic hour on
// a day without sunset).
const QString kNoReading = QStringLiteral("—");
// Typing is read after this pause, as the designer's other fields are.
constexpr int kTypingPauseMs = 300;
// Thirty frames a second and a little more.
constexpr int kFrameMs = 30;
constexpr int kMinutesPerDay = 24 * 60;

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QString dateText(const gnomonics::CivilDate &d)
{
    return twoDigits(d.day) + QLatin1Char('/') + twoDigits(d.month) + QLatin1Char('/') + QString::number(d.year);
}

// A time of day as hh:mm, rounded to the minute half away from zero; 24:00 is 00:00.
QString clockText(double hours)
{
    long minutes = std::lround(hours * 60.0) % kMinutesPerDay;
    if (minutes < 0)
        minutes += kMinutesPerDay;
    return twoDigits(int(minutes / 60)) + QLatin1Char(':') + twoDigits(int(minutes % 60));
}

QString decimalText(double value) { return QString::fromStdString(drawing::DecimalShown(value, 2)); }

// Hours counted round the day, with two decimals: Italic hours run (0, 24] (24 at sunset),
// Babylonian [0, 24) (0 at sunrise), so that a value that rounds to the day's end reads as
// the count does.
QString countedHours(double hours, bool endsAt24)
{
    const double shown = std::round(hours * 100.0) / 100.0;
    if (endsAt24 && shown <= 0.0)
        return decimalText(shown + 24.0);
    if (!endsAt24 && shown >= 24.0)
        return decimalText(shown - 24.0);
    return decimalText(hours);
}

// Reads "hh:mm" (00:00 to 23:59) into minutes of the day.
std::optional<int> readClock(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,2}):(\\d{2})\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int h = m.captured(1).toInt(), min = m.captured(2).toInt();
    if (h > 23 || min > 59)
        return std::nullopt;
    return h * 60 + min;
}

QLineEdit *readingField(const char *name, const QString &accessible, const QString &tip, int chars)
{
    auto *field = new QLineEdit;
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setAccessibleName(accessible);
    field->setToolTip(tip);
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))) + 14);
    return field;
}

QLabel *errorLabel(const char *name)
{
    auto *label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    sheet::SetReadableTextColour(label, QColor(0xb0, 0x00, 0x00));
    return label;
}

} // namespace

namespace {

void addLabelled(QHBoxLayout *row, const QString &text, QWidget *field)
{
    auto *label = new QLabel(text);
    label->setBuddy(field);
    row->addWidget(label);
    row->addWidget(field);
}

} // namespace

ShadowPanel::ShadowPanel(drawing::DrawingCanvas *canvas, QWidget *parent) : QGroupBox(kGroup, parent), canvas_(canvas)
{
    setObjectName(QStringLiteral("ombra"));
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(6, 2, 6, 2);
    rows->setSpacing(2);
    rows->addLayout(buildInstantRow());
    rows->addLayout(buildReadingsRow());
    rows->addLayout(buildNotesRow());
    connectControls();

    // Today at noon on the zone's clock: the dial at its busiest.
    const QDate today = QDate::currentDate();
    day_ = {today.year(), today.month(), today.day()};
    if (!gnomonics::IsValidDate(day_))
        day_ = {2026, 1, 1};
    minutes_ = 12 * 60;
    writeInstant();
    updateShadow();
}

// Date, time, "Adesso", the two play buttons and the slider over the day.
QHBoxLayout *ShadowPanel::buildInstantRow()
{
    auto *when = new QHBoxLayout;
    date_ = new QLineEdit;
    date_->setObjectName(QStringLiteral("ombra_data"));
    date_->setAccessibleName(kDateName);
    date_->setToolTip(kDateTip);
    date_->setFixedWidth(date_->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 14);
    time_ = new QLineEdit;
    time_->setObjectName(QStringLiteral("ombra_ora"));
    time_->setAccessibleName(kTimeName);
    time_->setToolTip(kTimeTip);
    time_->setFixedWidth(time_->fontMetrics().horizontalAdvance(QStringLiteral("00:000")) + 14);
    addLabelled(when, kDate, date_);
    addLabelled(when, kTime, time_);
    auto button = [&](const char *name, const QString &text, const QString &accessible, const QString &tip) {
        auto *b = new QPushButton(text);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(accessible);
        b->setToolTip(tip);
        when->addWidget(b);
        return b;
    };
    now_ = button("ombra_adesso", kNow, kNow, kNowTip);
    playDay_ = button("ombra_giorno", kPlayDay, kPlayDayName, kPlayDayTip);
    playYear_ = button("ombra_anno", kPlayYear, kPlayYearName, kPlayYearTip);
    playDay_->setCheckable(true);
    playYear_->setCheckable(true);
    slider_ = new QSlider(Qt::Horizontal);
    slider_->setObjectName(QStringLiteral("ombra_cursore"));
    slider_->setAccessibleName(kSliderName);
    slider_->setToolTip(kSliderTip);
    slider_->setRange(0, kMinutesPerDay - 1);
    slider_->setPageStep(60);
    when->addWidget(slider_, 1);
    return when;
}

// The point and the time the dial reads there in every system.
QHBoxLayout *ShadowPanel::buildReadingsRow()
{
    auto *readings = new QHBoxLayout;
    x_ = readingField("ombra_x", kXName, kXTip, 9);
    y_ = readingField("ombra_y", kYName, kYTip, 9);
    apparent_ = readingField("ombra_vera", kApparentName, kApparentTip, 5);
    civil_ = readingField("ombra_civile", kCivilName, kCivilTip, 5);
    italic_ = readingField("ombra_italica", kItalicName, kItalicTip, 5);
    babylonian_ = readingField("ombra_babilonica", kBabylonianName, kBabylonianTip, 5);
    temporary_ = readingField("ombra_temporaria", kTemporaryName, kTemporaryTip, 5);
    addLabelled(readings, QStringLiteral("x"), x_);
    addLabelled(readings, QStringLiteral("y"), y_);
    addLabelled(readings, kApparent, apparent_);
    addLabelled(readings, kCivil, civil_);
    addLabelled(readings, kItalic, italic_);
    addLabelled(readings, kBabylonian, babylonian_);
    addLabelled(readings, kTemporary, temporary_);
    readings->addStretch();
    return readings;
}

// The refusals of a typed date or time, and whether the Sun casts the shadow.
QHBoxLayout *ShadowPanel::buildNotesRow()
{
    auto *notes = new QHBoxLayout;
    dateError_ = errorLabel("ombra_data_errore");
    timeError_ = errorLabel("ombra_ora_errore");
    sight_ = new QLabel;
    sight_->setObjectName(QStringLiteral("ombra_stato"));
    // The line keeps its height whether or not it says anything: the drawing above must not
    // change size (and be painted anew) as the shadow comes and goes.
    sight_->setMinimumHeight(sight_->fontMetrics().height());
    notes->addWidget(dateError_);
    notes->addWidget(timeError_);
    notes->addStretch();
    notes->addWidget(sight_);
    return notes;
}

void ShadowPanel::connectControls()
{
    typingPause_ = new QTimer(this);
    typingPause_->setSingleShot(true);
    typingPause_->setInterval(kTypingPauseMs);
    frame_ = new QTimer(this);
    frame_->setInterval(kFrameMs);
    connect(typingPause_, &QTimer::timeout, this, &ShadowPanel::applyTyped);
    connect(frame_, &QTimer::timeout, this, &ShadowPanel::onFrame);
    for (QLineEdit *field : {date_, time_}) {
        connect(field, &QLineEdit::textEdited, this, &ShadowPanel::onTextEdited);
        connect(field, &QLineEdit::editingFinished, this, [this] {
            if (writing_)
                return;
            typingPause_->stop();
            applyTyped();
        });
    }
    connect(now_, &QPushButton::clicked, this, &ShadowPanel::onNow);
    connect(slider_, &QSlider::valueChanged, this, &ShadowPanel::onSlider);
    for (QPushButton *button : {playDay_, playYear_}) {
        const Play which = button == playDay_ ? Play::Day : Play::Year;
        connect(button, &QPushButton::toggled, this, [this, which](bool on) {
            if (on)
                setPlay(which);
            else if (play_ == which)
                setPlay(Play::None);
        });
    }
}

void ShadowPanel::setDial(const DesignedDial &dial)
{
    if (!dial.ok)
        return;
    design_ = dial.lines.design;
    plane_ = dial.lines.plane;
    extent_ = dial.sketch.extent;
    // An analemmatic dial has no nodus: its gnomon is a person moved along the date scale, whose
    // shadow the marks are read by. The panel waits for a dial with a nodus.
    hasDial_ = design_.kind != gnomonics::DialKind::Analemmatic;
    setEnabled(hasDial_);
    if (!hasDial_)
        setPlay(Play::None);
    updateShadow();
}

void ShadowPanel::showInstant(const gnomonics::CivilDate &date, int clockMinutes)
{
    if (!gnomonics::IsValidDate(date) || clockMinutes < 0 || clockMinutes >= kMinutesPerDay)
        return;
    day_ = date;
    minutes_ = clockMinutes;
    writeInstant();
    updateShadow();
}

void ShadowPanel::stepMinute() { showInstant(day_, (minutes_ + 1) % kMinutesPerDay); }

void ShadowPanel::stepDay()
{
    gnomonics::CivilDate next{day_.year, day_.month, day_.day + 1};
    if (next.day > gnomonics::DaysInMonth(next.year, next.month))
        next = {next.year, next.month + 1, 1};
    if (next.month > 12)
        next = {day_.year, 1, 1};
    showInstant(next, minutes_);
}

void ShadowPanel::applyTyped()
{
    QString dateWhy, timeWhy;
    const QString dateTyped = date_->text().trimmed();
    std::optional<gnomonics::CivilDate> day = gnomonics::ReadDateForm(dateTyped.toStdString());
    if (!day)
        dateWhy = kDateForm;
    else if (!gnomonics::DateExists(*day))
        dateWhy = kNoSuchDate.text().arg(dateTyped);
    else if (!gnomonics::InYearRange(day->year))
        dateWhy = kNotAYear;
    const std::optional<int> minutes = readClock(time_->text());
    if (!minutes)
        timeWhy = kTimeForm;
    dateError_->setText(dateWhy);
    timeError_->setText(timeWhy);
    if (!dateWhy.isEmpty() || !timeWhy.isEmpty())
        return;
    day_ = *day;
    minutes_ = *minutes;
    writing_ = true;
    slider_->setValue(minutes_);
    writing_ = false;
    updateShadow();
}

void ShadowPanel::onTextEdited()
{
    setPlay(Play::None);
    typingPause_->start();
}

void ShadowPanel::onNow()
{
    setPlay(Play::None);
    const double offsetHours = design_.place.zoneHours + (design_.place.summerTime ? 1.0 : 0.0);
    const QDateTime now = QDateTime::currentDateTimeUtc().addSecs(std::lround(offsetHours * 3600.0));
    const QDate d = now.date();
    showInstant({d.year(), d.month(), d.day()}, now.time().hour() * 60 + now.time().minute());
}

void ShadowPanel::onSlider(int minutes)
{
    if (writing_)
        return;
    setPlay(Play::None);
    showInstant(day_, minutes);
}

void ShadowPanel::setPlay(Play play)
{
    play_ = play;
    writing_ = true;
    playDay_->setChecked(play == Play::Day);
    playYear_->setChecked(play == Play::Year);
    writing_ = false;
    if (play == Play::None) {
        frame_->stop();
        return;
    }
    // Play starts from what the fields last showed right, whatever was typed since.
    typingPause_->stop();
    writeInstant();
    frame_->start();
}

void ShadowPanel::onFrame()
{
    if (play_ == Play::Day)
        stepMinute();
    else if (play_ == Play::Year)
        stepDay();
}

void ShadowPanel::writeInstant()
{
    writing_ = true;
    date_->setText(dateText(day_));
    time_->setText(clockText(minutes_ / 60.0));
    slider_->setValue(minutes_);
    dateError_->clear();
    timeError_->clear();
    writing_ = false;
}

void ShadowPanel::updateShadow()
{
    const QList<QLineEdit *> all{x_, y_, apparent_, civil_, italic_, babylonian_, temporary_};
    if (!hasDial_) {
        for (QLineEdit *f : all)
            f->clear();
        sight_->clear();
        canvas_->setShadowMark(std::nullopt);
        return;
    }
    const double clock = minutes_ / 60.0;
    const gnomonics::ShadowAtInstant s = gnomonics::ShadowAt(design_, plane_, day_, clock);
    if (!s.status.ok()) {
        for (QLineEdit *f : all)
            f->clear();
        sight_->clear();
        canvas_->setShadowMark(std::nullopt);
        return;
    }
    const bool onPlane = s.sight == gnomonics::ShadowSight::OnPlane;
    x_->setText(onPlane ? decimalText(s.point.xMm) : QString());
    y_->setText(onPlane ? decimalText(s.point.yMm) : QString());
    sight_->setText(s.sight == gnomonics::ShadowSight::SunDown       ? kSunDown.text()
                    : s.sight == gnomonics::ShadowSight::BehindPlane ? kSunBehind.text()
                                                                     : QString());

    const gnomonics::HourChoice &on = design_.hours;
    auto show = [](QLineEdit *field, bool systemOn, const QString &text) {
        field->setEnabled(systemOn);
        field->setText(systemOn ? text : QString());
    };
    auto orDash = [](const std::optional<double> &v, auto format) { return v ? format(*v) : kNoReading; };
    show(apparent_, on.apparent, clockText(s.apparentHours));
    show(civil_, on.clock, clockText(s.clockHours));
    show(italic_, on.italic, orDash(s.italicHours, [](double h) { return countedHours(h, true); }));
    show(babylonian_, on.babylonian, orDash(s.babylonianHours, [](double h) { return countedHours(h, false); }));
    show(temporary_, on.temporary, orDash(s.temporaryHours, decimalText));

    if (!onPlane) {
        canvas_->setShadowMark(std::nullopt);
        return;
    }
    auto page = [this](gnomonics::Point2 p) { return drawing::ToSheetPoint(extent_, {p.xMm, p.yMm}); };
    canvas_->setShadowMark(drawing::ShadowMark{page(s.styleFrom), page(s.styleTo), page(s.point)});
}

} // namespace designer
