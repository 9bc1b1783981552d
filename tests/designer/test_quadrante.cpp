#include "designer/quadrante.h"
#include "project/fieldlimits.h"
#include "project/projectfile.h"
#include "sheet/numbers.h"
#include "drawing/qt/drawingcanvas.h"
#include "drawing/csvwriter.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// The designer as a user meets it: the defaults, a refused value shown beside its field with
// the last good drawing kept, and the two calls the wall survey makes.
class TestQuadrante : public QObject {
    Q_OBJECT

    template <typename T> static T *field(QWidget &w, const char *name)
    {
        auto *f = w.findChild<T *>(QString::fromLatin1(name));
        if (!f)
            qWarning("no field %s", name);
        return f;
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void defaults()
    {
        designer::Quadrante w;
        QCOMPARE(w.objectName(), QStringLiteral("Quadrante"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Progetto del quadrante"));
        QVERIFY(w.dial().ok);
        for (const auto &[name, text] : {std::pair{"latitudine", "45,4642"}, std::pair{"longitudine", "9,19"},
                                         std::pair{"fuso", "1"}, std::pair{"declinazione", "0"},
                                         std::pair{"altezza_mm", "100"}, std::pair{"larghezza_mm", "1000"},
                                         std::pair{"altezza_lastra_mm", "800"}, std::pair{"piede_da_sinistra_mm", "500"},
                                         std::pair{"piede_da_alto_mm", "200"}}) {
            auto *f = field<QLineEdit>(w, name);
            QVERIFY2(f, name);
            QCOMPARE(f->text(), QString::fromLatin1(text));
        }
        QCOMPARE(field<QLineEdit>(w, "anno")->text().toInt(), QDate::currentDate().year());
        // A wall facing due South turns to neither side: the choice waits for a declination.
        QVERIFY(!field<QComboBox>(w, "lato")->isEnabled());
        field<QLineEdit>(w, "declinazione")->setText(QStringLiteral("30"));
        w.redrawNow();
        QVERIFY(field<QComboBox>(w, "lato")->isEnabled());
        field<QLineEdit>(w, "declinazione")->setText(QStringLiteral("0"));
        w.redrawNow();
        QVERIFY(!w.isModified());
    }

    // The presets fill the plane for the latitude typed and say so; the kind shows its own sizes
    // and greys the plane and the gnomon it does not use.
    void presetsAndKinds_data()
    {
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("facing");
        QTest::addColumn<QString>("declination");
        QTest::addColumn<int>("side"); // 0 East, 1 West
        QTest::addColumn<QString>("inclination");
        QTest::newRow("equatorial at Milano") << "45,4642" << "Equatoriale" << 0 << "180" << 1 << "45,4642";
        QTest::newRow("polar facing the equator at Milano") << "45,4642" << "Polare" << 0 << "0" << 1 << "44,5358";
        QTest::newRow("polar facing East") << "45,4642" << "Polare" << 1 << "90" << 0 << "0";
        QTest::newRow("equatorial at Sydney") << "-33,87" << "Equatoriale" << 0 << "0" << 1 << "33,87";
        QTest::newRow("polar at Sydney") << "-33,87" << "Polare" << 0 << "180" << 1 << "56,13";
    }
    void presetsAndKinds()
    {
        QFETCH(QString, latitude);
        QFETCH(QString, button);
        QFETCH(int, facing);
        QFETCH(QString, declination);
        QFETCH(int, side);
        QFETCH(QString, inclination);
        designer::Quadrante w;
        field<QLineEdit>(w, "latitudine")->setText(latitude);
        field<QComboBox>(w, "polare_verso")->setCurrentIndex(facing);
        auto *preset = w.findChild<QPushButton *>(button);
        QVERIFY(preset);
        preset->click();
        w.redrawNow();
        QCOMPARE(field<QLineEdit>(w, "declinazione")->text(), declination);
        QCOMPARE(field<QComboBox>(w, "lato")->currentIndex(), side);
        QCOMPARE(field<QLineEdit>(w, "inclinazione")->text(), inclination);
        auto *note = field<QLabel>(w, "preimpostazione");
        QVERIFY(note);
        QVERIFY(note->text().contains(inclination + QStringLiteral("°")));
        QVERIFY(w.dial().ok);
        // A bifilar dial: its wires shown, the plane greyed; the project says so.
        field<QComboBox>(w, "tipo")->setCurrentIndex(2);
        w.redrawNow();
        QVERIFY(!field<QLineEdit>(w, "declinazione")->isEnabled());
        QVERIFY(!field<QLineEdit>(w, "filo_est_ovest_mm")->isHidden());
        QVERIFY(field<QLineEdit>(w, "semiasse_mm")->isHidden());
        QCOMPARE(w.project().kind, gnomonics::DialKind::Bifilar);
        QVERIFY(w.dial().ok);
    }

    // What a kind cannot draw is greyed, and comes back with a kind that can; the dial's own
    // account (its design) has those systems off.
    void kindsGreyWhatTheyCannotDraw_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("apparent");
        QTest::addColumn<bool>("azimuth");
        QTest::newRow("plane") << 0 << true << true << true;
        QTest::newRow("analemmatic") << 1 << false << true << false;
        QTest::newRow("bifilar") << 2 << true << true << true;
        QTest::newRow("dark room") << 3 << false << false << false;
    }
    void kindsGreyWhatTheyCannotDraw()
    {
        QFETCH(int, kind);
        QFETCH(bool, italic);
        QFETCH(bool, apparent);
        QFETCH(bool, azimuth);
        designer::Quadrante w;
        field<QCheckBox>(w, "italiche")->setChecked(true);
        field<QComboBox>(w, "tipo")->setCurrentIndex(kind);
        w.redrawNow();
        QCOMPARE(field<QCheckBox>(w, "italiche")->isEnabled(), italic);
        QCOMPARE(field<QCheckBox>(w, "temporarie")->isEnabled(), italic);
        QCOMPARE(field<QCheckBox>(w, "vere")->isEnabled(), apparent);
        QCOMPARE(field<QLineEdit>(w, "azimut_passo")->isEnabled(), azimuth);
        QVERIFY(field<QCheckBox>(w, "italiche")->isChecked()); // kept for a kind that draws it
        QCOMPARE(w.dial().lines.design.hours.italic, italic);
        field<QComboBox>(w, "tipo")->setCurrentIndex(0);
        w.redrawNow();
        QVERIFY(field<QCheckBox>(w, "italiche")->isEnabled());
        QVERIFY(field<QLineEdit>(w, "azimut_passo")->isEnabled());
    }

    void refusedValueKeepsTheDrawing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("latitude 90") << QStringLiteral("latitudine") << QStringLiteral("90");
        QTest::newRow("plane facing the ground") << QStringLiteral("inclinazione") << QStringLiteral("-85");
        QTest::newRow("nodus 0") << QStringLiteral("altezza_mm") << QStringLiteral("0");
        QTest::newRow("31 February") << QStringLiteral("giorni") << QStringLiteral("31/02/2026");
        QTest::newRow("plate 9 mm") << QStringLiteral("larghezza_mm") << QStringLiteral("9");
        QTest::newRow("letters") << QStringLiteral("longitudine") << QStringLiteral("nove");
        QTest::newRow("plate 100 001 mm, as the project file refuses it") << QStringLiteral("larghezza_mm") << QStringLiteral("100001");
        QTest::newRow("nodus 20 001 mm") << QStringLiteral("altezza_mm") << QStringLiteral("20001");
        QTest::newRow("plate 201 times the nodus") << QStringLiteral("altezza_lastra_mm") << QStringLiteral("20100");
        QTest::newRow("zone -13, as the survey refuses it") << QStringLiteral("fuso") << QStringLiteral("-13");
    }
    void refusedValueKeepsTheDrawing()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        designer::Quadrante w;
        w.show();
        auto *canvas = w.findChild<drawing::DrawingCanvas *>(QStringLiteral("Disegno"));
        QVERIFY(canvas);
        const auto before = canvas->drawing().lines.size();
        auto *f = w.findChild<QLineEdit *>(name);
        QVERIFY2(f, qPrintable(name));
        f->selectAll();
        QTest::keyClicks(f, text);
        auto *error = w.findChild<QLabel *>(name + QStringLiteral("_errore"));
        QVERIFY(error);
        QTRY_VERIFY(error->isVisible());
        QVERIFY(!error->text().isEmpty());
        QVERIFY(!error->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive));
        QCOMPARE(canvas->drawing().lines.size(), before);
        QVERIFY(w.isModified());
        if (!qEnvironmentVariableIsEmpty("HORALO_SHOT") && name == QStringLiteral("latitudine"))
            w.grab().save(qEnvironmentVariable("HORALO_SHOT") + QStringLiteral("-refused.png"));
    }

    // A name that no drawing file could carry is refused under the name field: the files
    // never see it, and the drawing stays as it was.
    void unwritableNameRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("line break") << QStringLiteral("Villa\nRossi");
        QTest::newRow("control character") << QStringLiteral("Villa\x01Rossi");
        QTest::newRow("U+FFFE") << QStringLiteral("Villa") + QChar(0xFFFE);
        QTest::newRow("end of XML data") << QStringLiteral("a]]>b");
        QTest::newRow("201 characters") << QString(201, QLatin1Char('a'));
    }
    void unwritableNameRefused()
    {
        QFETCH(QString, name);
        designer::Quadrante w;
        auto *f = field<QLineEdit>(w, "nome");
        QVERIFY(f);
        f->setText(name);
        w.redrawNow();
        auto *error = field<QLabel>(w, "nome_errore");
        QVERIFY(!error->text().isEmpty());
        QCOMPARE(QString::fromStdString(w.project().placeName), QStringLiteral("Milano"));
        f->setText(QStringLiteral("B&B <La> Meridiana"));
        w.redrawNow();
        QVERIFY(error->text().isEmpty());
        QCOMPARE(QString::fromStdString(w.project().placeName), QStringLiteral("B&B <La> Meridiana"));
    }

    // The motto is written on the plate and into every file as the name is: what no file can
    // hold is refused under its field, in the words the project file uses, and never taken.
    void unwritableMottoRefused_data()
    {
        QTest::addColumn<QString>("motto");
        QTest::addColumn<QString>("said");
        const QString badCharacter = QString::fromStdString(project::MottoProblem("a\nb"));
        QTest::newRow("line break inside") << QStringLiteral("Sine\nsole") << badCharacter;
        QTest::newRow("tab inside") << QStringLiteral("Sine\tsole") << badCharacter;
        QTest::newRow("NUL") << (QStringLiteral("Sine") + QChar(0) + QStringLiteral("sole")) << badCharacter;
        QTest::newRow("U+FFFF") << (QStringLiteral("Sine sole") + QChar(0xFFFF)) << badCharacter;
        QTest::newRow("end of XML data") << QStringLiteral("a]]>b") << QString::fromStdString(project::MottoProblem("]]>"));
        QTest::newRow("201 characters") << QString(201, QLatin1Char('m')) << QString::fromStdString(project::MottoProblem(std::string(201, 'm')));
    }
    void unwritableMottoRefused()
    {
        QFETCH(QString, motto);
        QFETCH(QString, said);
        QVERIFY(!said.isEmpty());
        designer::Quadrante w;
        auto *f = field<QLineEdit>(w, "motto");
        QVERIFY(f);
        f->setText(motto);
        w.redrawNow();
        QCOMPARE(field<QLabel>(w, "motto_errore")->text(), said);
        QVERIFY(w.project().motto.empty());
        f->setText(QStringLiteral("Sine sole & <sileo>"));
        w.redrawNow();
        QVERIFY(field<QLabel>(w, "motto_errore")->text().isEmpty());
        QCOMPARE(QString::fromStdString(w.project().motto), QStringLiteral("Sine sole & <sileo>"));
    }

    // Whatever the window draws, its saved file opens again: the largest plate and gnomon it
    // takes are the file's limits.
    void largestAcceptedProjectReopens()
    {
        designer::Quadrante w;
        for (const auto &[name, text] : {std::pair{"altezza_mm", "100"}, std::pair{"larghezza_mm", "20000"},
                                         std::pair{"altezza_lastra_mm", "20000"}, std::pair{"piede_da_sinistra_mm", "-20000"},
                                         std::pair{"piede_da_alto_mm", "20000"}})
            field<QLineEdit>(w, name)->setText(QString::fromLatin1(text));
        w.redrawNow();
        QVERIFY(w.dial().ok);
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("q.horalo")).toStdString();
        std::string error;
        QVERIFY(project::SaveProject(path, w.project(), &error));
        const auto back = project::LoadProject(path);
        QVERIFY2(back.ok, back.message.c_str());
        QCOMPARE(back.project.plateWidthMm, 20000.0);
    }

    // Every number of the designer at its limits and just beyond them, for a kind of dial that
    // uses it: the window and the project file take and refuse the same values, a value beyond
    // is refused under its field in the words of the limit, and whatever the window saves opens
    // again with the value typed.
    void everyNumberAtItsLimits_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("limited");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("withinLimits");
        using gnomonics::DialKind;
        using project::Limited;
        auto kindUsing = [](Limited f) {
            switch (f) {
            case Limited::SemiAxis:
            case Limited::AnalemmaticGnomon: return DialKind::Analemmatic;
            case Limited::WireEastWest:
            case Limited::WireNorthSouth: return DialKind::Bifilar;
            case Limited::Hole: return DialKind::DarkRoom;
            default: return DialKind::Plane;
            }
        };
        constexpr double step = 0.01; // the hundredth the form shows
        for (const project::FieldLimit &f : project::NumberFields()) {
            std::vector<DialKind> kinds{kindUsing(f.id)};
            const bool onThePlate = f.id == Limited::PlateWidth || f.id == Limited::PlateHeight ||
                                    f.id == Limited::FootFromLeft || f.id == Limited::FootFromTop;
            if (onThePlate)
                kinds.push_back(DialKind::DarkRoom);
            for (const DialKind kind : kinds) {
                const double hi = project::HighestValue(f, kind), lo = project::LowestValue(f, kind);
                std::vector<std::pair<double, bool>> values{{hi, true}, {hi + step, false}};
                // The form gives the declination from 0 to 180, its side apart: only its top.
                if (f.id != Limited::Declination) {
                    values.emplace_back(f.openLow ? lo + step : lo, true);
                    values.emplace_back(f.openLow ? lo : lo - step, false);
                }
                for (const auto &[value, within] : values) {
                    const QByteArray tag = QByteArray(f.formKey) + " " + project::KindName(kind) + " " +
                                           QByteArray::number(value, 'f', 2);
                    QTest::newRow(tag.constData()) << static_cast<int>(kind) << static_cast<int>(f.id) << value << within;
                }
            }
        }
    }
    void everyNumberAtItsLimits()
    {
        QFETCH(int, kind);
        QFETCH(int, limited);
        QFETCH(double, value);
        QFETCH(bool, withinLimits);
        const auto dialKind = static_cast<gnomonics::DialKind>(kind);
        const project::FieldLimit &f = project::LimitOf(static_cast<project::Limited>(limited));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("limiti.horalo"));
        std::string error;
        project::Project start;
        start.kind = dialKind;
        // A dark room's nodus is the hole's height in a church: high enough for its longest floor.
        if (dialKind == gnomonics::DialKind::DarkRoom)
            start.gnomonMm = 20000;
        if (f.id == project::Limited::StyleLength)
            start.styleLengthGiven = true;
        QVERIFY(project::SaveProject(path.toStdString(), start, &error));
        designer::Quadrante w;
        w.show();
        QString why;
        QVERIFY2(w.openFile(path, &why), qPrintable(why));
        QVERIFY(w.dial().ok);

        const QString typed = QString::number(value, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(sheet::decimalSeparator()));
        field<QLineEdit>(w, f.formKey)->setText(typed);
        bool warned = false;
        QTimer::singleShot(0, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                warned = true;
                box->accept();
            }
        });
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("Salva")), Qt::LeftButton);
        const QString said = field<QLabel>(w, (std::string(f.formKey) + "_errore").c_str())->text();

        // The same value in a project file.
        project::Project asFile = start;
        asFile.*f.value = value;
        const project::ProjectRead read = project::ReadProject(project::WriteProject(asFile));
        const std::string fileKey = std::string(f.section) + "." + f.key;
        const project::ProjectRead reopened = project::LoadProject(path.toStdString());
        QVERIFY2(reopened.ok, reopened.message.c_str());
        if (!withinLimits) {
            QCOMPARE(said, QString::fromStdString(project::LimitSentence(f.id, dialKind)));
            QVERIFY(warned);
            QVERIFY(!read.ok);
            QVERIFY2(read.message.find(fileKey) != std::string::npos, read.message.c_str());
            // The refused value as written, never rounded onto the limit it passes.
            const QString written = QString::number(value, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(sheet::decimalSeparator()));
            QVERIFY2(read.message.find("(" + written.toStdString() + ")") != std::string::npos, read.message.c_str());
            QCOMPARE(reopened.project.*f.value, start.*f.value); // the file as it was
            return;
        }
        QVERIFY2(said.isEmpty() || said != QString::fromStdString(project::LimitSentence(f.id, dialKind)), qPrintable(said));
        // Within its own limits a value may still make a dial the reader refuses as a whole
        // (a plate over 200 times its gnomon): the window refuses it then too.
        QCOMPARE(!warned, read.ok);
        if (warned) {
            QCOMPARE(reopened.project.*f.value, start.*f.value);
            return;
        }
        QVERIFY(w.dial().ok);
        const double typedTol = 1e-9; // the value typed to the hundredth is the value itself
        QCOMPARE_LE(std::abs(reopened.project.*f.value - value), typedTol);
    }

    // "Altre date": a date pasted a thousand times is one line; more distinct dates than the
    // limit are refused under the field, the drawing kept.
    void manyDates()
    {
        designer::Quadrante w;
        auto *days = field<QLineEdit>(w, "giorni");
        QStringList thousand;
        for (int i = 0; i < 1000; ++i)
            thousand << QStringLiteral("21/06/2026");
        days->setText(thousand.join(QLatin1Char(' ')));
        w.redrawNow();
        QVERIFY(w.dial().ok);
        QCOMPARE(w.project().days.size(), std::size_t(1));
        QStringList distinct;
        for (int i = 1; i <= 31; ++i)
            distinct << QStringLiteral("%1/01/2026").arg(i);
        days->setText(distinct.join(QLatin1Char(' ')));
        w.redrawNow();
        QVERIFY(field<QLabel>(w, "giorni_errore")->text().startsWith(QStringLiteral("Al massimo 30 date")));
        QCOMPARE(w.project().days.size(), std::size_t(1));
    }

    // Tick "Ore civili", type a year out of range, untick: the disabled year field no longer
    // blocks the redraw, the save or the export.
    void disabledYearDoesNotBlock()
    {
        QTemporaryDir saved;
        const QString path = saved.filePath(QStringLiteral("anno.horalo"));
        std::string why;
        QVERIFY(project::SaveProject(path.toStdString(), project::Project{}, &why));
        designer::Quadrante w;
        QString opened;
        QVERIFY2(w.openFile(path, &opened), qPrintable(opened));
        auto *clock = w.findChild<QCheckBox *>(QStringLiteral("civili"));
        QVERIFY(clock);
        clock->setChecked(true);
        field<QLineEdit>(w, "anno")->setText(QStringLiteral("20266"));
        w.redrawNow();
        QVERIFY(!field<QLabel>(w, "anno_errore")->text().isEmpty());
        clock->setChecked(false);
        field<QLineEdit>(w, "latitudine")->setText(QStringLiteral("41,9"));
        w.redrawNow();
        QVERIFY(!field<QLineEdit>(w, "anno")->isEnabled());
        QVERIFY(field<QLabel>(w, "anno_errore")->text().isEmpty());
        QCOMPARE(w.project().latitudeDeg, 41.9);
        QVERIFY(w.dial().ok);
        QTemporaryDir dir;
        QString error;
        QVERIFY2(designer::ExportDial(dir.filePath(QStringLiteral("q.csv")), w.dial(), &error), qPrintable(error));
        // Saved, the project holds the last good year, and opens again as it was drawn.
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("Salva")), Qt::LeftButton);
        QVERIFY(!w.isModified());
        const project::ProjectRead back = project::LoadProject(path.toStdString());
        QVERIFY2(back.ok, back.message.c_str());
        QCOMPARE(back.project.year, project::Project{}.year);
        QCOMPARE(back.project.latitudeDeg, 41.9);
        QVERIFY(!back.project.clock);
    }

    // A number typed for one kind of dial and left wrong when the kind changes takes no part in
    // the new dial: it cannot block its redraw or its save, and the file keeps the field's last
    // good value, which opens again. Back on its kind the refusal is there again.
    void fieldOfAnotherKindDoesNotBlock_data()
    {
        QTest::addColumn<int>("typedOn");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("drawnAs");
        using K = gnomonics::DialKind;
        QTest::newRow("bifilar wire, then a plane dial") << int(K::Bifilar) << "filo_est_ovest_mm" << "abc" << int(K::Plane);
        QTest::newRow("ellipse 200 km, then a dark room") << int(K::Analemmatic) << "semiasse_mm" << "200000" << int(K::DarkRoom);
        QTest::newRow("hole 0, then a bifilar dial") << int(K::DarkRoom) << "diametro_foro_mm" << "0" << int(K::Bifilar);
        QTest::newRow("nodus 0, then an analemmatic dial") << int(K::Plane) << "altezza_mm" << "0" << int(K::Analemmatic);
        QTest::newRow("declination 200, then a bifilar dial") << int(K::Plane) << "declinazione" << "200" << int(K::Bifilar);
        QTest::newRow("azimuth step 100, then a dark room") << int(K::Plane) << "azimut_passo" << "100" << int(K::DarkRoom);
    }
    void fieldOfAnotherKindDoesNotBlock()
    {
        QFETCH(int, typedOn);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(int, drawnAs);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tipo.horalo"));
        project::Project start;
        start.gnomonMm = 500; // every kind draws its plate
        std::string error;
        QVERIFY(project::SaveProject(path.toStdString(), start, &error));
        designer::Quadrante w;
        w.show();
        QString why;
        QVERIFY2(w.openFile(path, &why), qPrintable(why));
        auto *kind = field<QComboBox>(w, "tipo");
        kind->setCurrentIndex(typedOn);
        auto *f = field<QLineEdit>(w, qPrintable(name));
        f->setText(text);
        w.redrawNow();
        auto *said = w.findChild<QLabel *>(name + QStringLiteral("_errore"));
        QVERIFY(!said->text().isEmpty());
        kind->setCurrentIndex(drawnAs);
        w.redrawNow();
        QVERIFY2(said->text().isEmpty(), qPrintable(said->text()));
        QVERIFY(w.dial().ok);
        QCOMPARE(int(w.project().kind), drawnAs);
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("Salva")), Qt::LeftButton);
        QVERIFY(!w.isModified());
        const project::ProjectRead back = project::LoadProject(path.toStdString());
        QVERIFY2(back.ok, back.message.c_str());
        QCOMPARE(int(back.project.kind), drawnAs);
        project::Project expected = start;
        expected.kind = static_cast<gnomonics::DialKind>(drawnAs);
        expected.keptJson = back.project.keptJson;
        QCOMPARE(back.project, expected);
        kind->setCurrentIndex(typedOn);
        w.redrawNow();
        QVERIFY(!said->text().isEmpty());
    }

    // A dark room draws its figure eights for the year whatever the clock: its year field
    // stays open and a year beyond the range is refused there, as the file refuses it.
    void darkRoomYearIsChecked()
    {
        designer::Quadrante w;
        field<QComboBox>(w, "tipo")->setCurrentIndex(int(gnomonics::DialKind::DarkRoom));
        field<QLineEdit>(w, "altezza_mm")->setText(QStringLiteral("500"));
        w.redrawNow();
        QVERIFY(w.dial().ok);
        QVERIFY(!field<QCheckBox>(w, "civili")->isChecked());
        auto *year = field<QLineEdit>(w, "anno");
        QVERIFY(year->isEnabled());
        year->setText(QStringLiteral("20266"));
        w.redrawNow();
        QCOMPARE(field<QLabel>(w, "anno_errore")->text(), QStringLiteral("Scrivere un anno tra 1600 e 2400."));
        year->setText(QStringLiteral("2030"));
        w.redrawNow();
        QVERIFY(field<QLabel>(w, "anno_errore")->text().isEmpty());
        QCOMPARE(w.project().year, 2030);
    }

    // The analemmas' year and the other dates take every year from 1600 to 2400 (the span the
    // solar theory is checked over) and refuse the years beyond it with the range in words; a
    // day that does not exist in the Gregorian calendar (29 February 1700) is refused too.
    void yearsOfTheRange_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refusal"); // empty when the value is taken
        const QString yearWords = QStringLiteral("Scrivere un anno tra 1600 e 2400.");
        const QString dateWords = QStringLiteral("Data inesistente o fuori dagli anni 1600-2400: ");
        QTest::newRow("year 1600, first of the range") << QStringLiteral("anno") << QStringLiteral("1600") << QString();
        QTest::newRow("year 1700") << QStringLiteral("anno") << QStringLiteral("1700") << QString();
        QTest::newRow("year 2400, last of the range") << QStringLiteral("anno") << QStringLiteral("2400") << QString();
        QTest::newRow("year 1599") << QStringLiteral("anno") << QStringLiteral("1599") << yearWords;
        QTest::newRow("year 2401") << QStringLiteral("anno") << QStringLiteral("2401") << yearWords;
        QTest::newRow("date 1 June 1700") << QStringLiteral("giorni") << QStringLiteral("01/06/1700") << QString();
        QTest::newRow("date 1 January 1600") << QStringLiteral("giorni") << QStringLiteral("01/01/1600") << QString();
        QTest::newRow("date 31 December 2400") << QStringLiteral("giorni") << QStringLiteral("31/12/2400") << QString();
        QTest::newRow("date 31 December 1599") << QStringLiteral("giorni") << QStringLiteral("31/12/1599")
                                               << dateWords + QStringLiteral("31/12/1599");
        QTest::newRow("date 1 January 2401") << QStringLiteral("giorni") << QStringLiteral("01/01/2401")
                                             << dateWords + QStringLiteral("01/01/2401");
        QTest::newRow("date 29 February 1700") << QStringLiteral("giorni") << QStringLiteral("29/02/1700")
                                               << dateWords + QStringLiteral("29/02/1700");
    }
    void yearsOfTheRange()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, refusal);
        designer::Quadrante w;
        w.show();
        // The year is the analemmas': its field opens with the clock hours.
        auto *clock = field<QCheckBox>(w, "civili");
        QVERIFY(clock);
        clock->setChecked(true);
        w.redrawNow();
        auto *f = field<QLineEdit>(w, qPrintable(name));
        QVERIFY2(f && f->isEnabled(), qPrintable(name));
        f->selectAll();
        QTest::keyClicks(f, text);
        w.redrawNow();
        auto *error = w.findChild<QLabel *>(name + QStringLiteral("_errore"));
        QVERIFY(error);
        if (refusal.isEmpty()) {
            QVERIFY2(!error->isVisible(), qPrintable(error->text()));
            QVERIFY(w.dial().ok);
            if (name == QStringLiteral("anno"))
                QCOMPARE(w.project().year, text.toInt());
            else
                QCOMPARE(w.project().days, std::vector<std::string>{text.toStdString()});
        } else {
            QTRY_VERIFY(error->isVisible());
            QCOMPARE(error->text(), refusal);
        }
    }

    // A foot beyond the plate draws (a plate may hang below the style's fixing) but the status
    // line and the title block say where it is.
    void footOffThePlateIsSaid()
    {
        designer::Quadrante w;
        w.show();
        auto *f = w.findChild<QLineEdit *>(QStringLiteral("piede_da_sinistra_mm"));
        QVERIFY(f);
        f->selectAll();
        QTest::keyClicks(f, QStringLiteral("2000"));
        auto *status = w.findChild<QLabel *>(QStringLiteral("Stato"));
        QVERIFY(status);
        QTRY_VERIFY(status->text().endsWith(QStringLiteral("Il piede dello gnomone F è fuori dalla lastra.")));
        auto *canvas = w.findChild<drawing::DrawingCanvas *>(QStringLiteral("Disegno"));
        bool said = false;
        for (const auto &t : canvas->drawing().texts)
            said = said || QString::fromStdString(t.text).endsWith(QStringLiteral("200 mm dall'alto (fuori dalla lastra)"));
        QVERIFY(said);
        f->selectAll();
        QTest::keyClicks(f, QStringLiteral("1000"));
        QTRY_VERIFY(!status->text().contains(QStringLiteral("fuori")));
    }

    // "Salva" with a refused value in a field writes nothing: the file would otherwise get the
    // last accepted dial and the typed value would be lost without a word.
    void refusedValueIsNotSaved()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("q.horalo"));
        std::string error;
        QVERIFY(project::SaveProject(path.toStdString(), project::Project{}, &error));
        QFile before(path);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray saved = before.readAll();
        before.close();
        designer::Quadrante w;
        w.show();
        QString why;
        QVERIFY(w.openFile(path, &why));
        auto *lat = w.findChild<QLineEdit *>(QStringLiteral("latitudine"));
        lat->selectAll();
        QTest::keyClicks(lat, QStringLiteral("abc"));
        bool warned = false;
        QTimer::singleShot(0, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                warned = box->text().contains(QStringLiteral("correggerli prima di salvare"));
                box->accept();
            }
        });
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("Salva")), Qt::LeftButton);
        QVERIFY(warned);
        QVERIFY(w.isModified());
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), saved);
    }

    // A survey whose values the dial cannot take (a wall overhanging further than the designer
    // draws) is refused in words, and nothing of it is taken: fields, project and its saved
    // survey stay as they were.
    // The "Coordinate" tab is the CSV file row for row (in Italian the file's own words and
    // numbers), with x and y moved next to the label; a redraw puts the new dial's rows in it.
    void coordinateTableIsTheFile()
    {
        designer::Quadrante w;
        project::Project p;
        p.clock = true;
        p.italic = true;
        w.setProject(p, QString());
        w.show();
        auto *tabs = w.findChild<QTabWidget *>(QStringLiteral("Schede"));
        auto *table = w.findChild<QTableView *>(QStringLiteral("TabellaCoordinate"));
        QVERIFY(tabs && table);
        tabs->setCurrentWidget(table);
        const QAbstractItemModel *model = table->model();
        const QStringList file = QString::fromStdString(drawing::DialCsv(w.dial().lines)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(model->rowCount(), file.size() - 1);
        QVERIFY(model->rowCount() > 100);
        QStringList header;
        for (int c = 0; c < model->columnCount(); ++c)
            header << model->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(header.join(QLatin1Char(';')), file.front());
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells << model->index(r, c).data().toString();
            QCOMPARE(cells.join(QLatin1Char(';')), file[r + 1]);
        }
        QCOMPARE(table->horizontalHeader()->visualIndex(5), 2);
        QCOMPARE(table->horizontalHeader()->visualIndex(6), 3);
        QVERIFY2(w.findChild<QLabel *>(QStringLiteral("Stato"))->text().contains(QStringLiteral("%1 punti").arg(model->rowCount())),
                 qPrintable(w.findChild<QLabel *>(QStringLiteral("Stato"))->text()));

        const int before = model->rowCount();
        w.findChild<QCheckBox *>(QStringLiteral("italiche"))->setChecked(false);
        w.redrawNow();
        QCOMPARE(model->rowCount(), static_cast<int>(drawing::DialCsvRowsShown(w.dial().lines).size()));
        QVERIFY(model->rowCount() < before);
        QCOMPARE(table->horizontalHeader()->visualIndex(5), 2);
    }

    void surveyRefusedTakesNothing_data()
    {
        QTest::addColumn<double>("declination");
        QTest::addColumn<double>("inclination");
        QTest::addColumn<QString>("words");
        // atan((0 - 10000) / 1000) = -84,2894 degrees: a plumb line 10 m off the wall's foot.
        QTest::newRow("overhanging 84 degrees") << 20.0 << -84.28940686250036 << QStringLiteral(
            "Inclinazione -84,29° non accettata. L'inclinazione va da -80 (piano rivolto verso terra) a 90 (orizzontale).");
        QTest::newRow("overhanging just past 80") << -35.0 << -80.004 << QStringLiteral(
            "Inclinazione -80,004° non accettata. L'inclinazione va da -80 (piano rivolto verso terra) a 90 (orizzontale).");
        QTest::newRow("declination beyond 180") << 200.0 << 0.0 << QStringLiteral(
            "Declinazione 200,00° non accettata. La declinazione deve essere compresa tra 0 e 180 gradi.");
    }
    void surveyRefusedTakesNothing()
    {
        QFETCH(double, declination);
        QFETCH(double, inclination);
        QFETCH(QString, words);
        designer::Quadrante w;
        const QString before = field<QLineEdit>(w, "inclinazione")->text();
        const QString side = field<QComboBox>(w, "lato")->currentText();
        const QString declinationBefore = field<QLineEdit>(w, "declinazione")->text();
        shell::WallSurveyResult survey{declination, inclination, {}};
        survey.readings.plumbLength = QStringLiteral("1000");
        QCOMPARE(w.applySurvey(survey), words);
        QCOMPARE(field<QLineEdit>(w, "inclinazione")->text(), before);
        QCOMPARE(field<QLineEdit>(w, "declinazione")->text(), declinationBefore);
        QCOMPARE(field<QComboBox>(w, "lato")->currentText(), side);
        QVERIFY(!w.isModified());
        QCOMPARE(project::ExtraObject(w.project(), "rilievo"), std::string());
        // At the limit itself the survey is taken.
        survey.declinationDeg = std::min(declination, 180.0);
        survey.inclinationDeg = std::max(inclination, -80.0);
        QCOMPARE(w.applySurvey(survey), QString());
        QVERIFY(w.isModified());
    }

    // Every refusal of the engine goes under a field the form shows: the gnomon's measure the
    // user gave, the plate's width for the plate as a whole, the latitude for what is no field's.
    void refusalPointsAtAShownField_data()
    {
        using F = gnomonics::InputField;
        QTest::addColumn<int>("field");
        QTest::addColumn<bool>("styleGiven");
        QTest::addColumn<QString>("key");
        QTest::newRow("latitude") << int(F::Latitude) << false << QStringLiteral("latitudine");
        QTest::newRow("longitude") << int(F::Longitude) << false << QStringLiteral("longitudine");
        QTest::newRow("zone") << int(F::TimeZone) << false << QStringLiteral("fuso");
        QTest::newRow("declination") << int(F::Declination) << false << QStringLiteral("declinazione");
        QTest::newRow("inclination") << int(F::Inclination) << false << QStringLiteral("inclinazione");
        QTest::newRow("nodus, nodus given") << int(F::NodusHeight) << false << QStringLiteral("altezza_mm");
        QTest::newRow("nodus, style given") << int(F::NodusHeight) << true << QStringLiteral("stilo_mm");
        QTest::newRow("style, style given") << int(F::StyleLength) << true << QStringLiteral("stilo_mm");
        QTest::newRow("date") << int(F::Date) << false << QStringLiteral("giorni");
        QTest::newRow("year") << int(F::Year) << false << QStringLiteral("anno");
        QTest::newRow("plate") << int(F::Plate) << false << QStringLiteral("larghezza_mm");
        QTest::newRow("clock time") << int(F::ClockTime) << false << QStringLiteral("latitudine");
        QTest::newRow("step") << int(F::Step) << false << QStringLiteral("latitudine");
        QTest::newRow("none") << int(F::None) << true << QStringLiteral("latitudine");
    }
    void refusalPointsAtAShownField()
    {
        QFETCH(int, field);
        QFETCH(bool, styleGiven);
        QFETCH(QString, key);
        project::Project p;
        p.styleLengthGiven = styleGiven;
        const QString got = QString::fromStdString(project::FieldAtFault(static_cast<gnomonics::InputField>(field), p));
        QCOMPARE(got, key);
        designer::Quadrante w;
        QVERIFY2(w.findChild<QLabel *>(got + QStringLiteral("_errore")), qPrintable(got));
        QVERIFY(w.findChild<QLineEdit *>(got));
    }

    // The form is the table's: each number under its label, each switch with its words.
    void formFollowsTheTable()
    {
        designer::Quadrante w;
        for (const project::FieldLimit &f : project::NumberFields()) {
            auto *edit = w.findChild<QLineEdit *>(QString::fromLatin1(f.formKey));
            QVERIFY2(edit, f.formKey);
            auto *form = qobject_cast<QFormLayout *>(edit->parentWidget()->layout());
            QVERIFY(form);
            auto *label = qobject_cast<QLabel *>(form->labelForField(edit));
            QVERIFY2(label, f.formKey);
            QCOMPARE(label->text(), QString::fromUtf8(f.label));
            QVERIFY2(label->text().contains(QString::fromUtf8(f.unit)), f.formKey);
        }
        for (const project::SwitchField &f : project::SwitchFields()) {
            auto *box = w.findChild<QCheckBox *>(QString::fromLatin1(f.formKey));
            QVERIFY2(box, f.formKey);
            QCOMPARE(box->text(), QString::fromUtf8(f.label));
        }
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("altezza_lastra_mm_errore")) != nullptr, true);
    }

    void surveyAndPlace()
    {
        designer::Quadrante w;
        w.resize(1400, 900);
        shell::WallSurveyResult survey{-110, 12.5, {}};
        survey.readings.latitude = QStringLiteral("45,4642");
        survey.readings.readings.append({3, QStringLiteral("14/01/2001"), QStringLiteral("16:00:00"), true, QStringLiteral("20")});
        survey.readings.plumbLength = QStringLiteral("1000");
        QCOMPARE(w.applySurvey(survey), QString());
        QCOMPARE(field<QLineEdit>(w, "declinazione")->text(), QStringLiteral("110"));
        QCOMPARE(field<QComboBox>(w, "lato")->currentText(), QStringLiteral("Est"));
        QCOMPARE(field<QLineEdit>(w, "inclinazione")->text(), QStringLiteral("12,5"));
        QVERIFY(w.isModified());
        QCOMPARE(w.project().declinationDeg, -110.0);
        QCOMPARE(w.project().inclinationDeg, 12.5);
        // The survey goes into the project file and comes back.
        const auto back = project::ReadProject(project::WriteProject(w.project()));
        QVERIFY(back.ok);
        QCOMPARE(QString::fromStdString(project::ExtraObject(back.project, "rilievo")),
                 QStringLiteral(R"({"filo":{"L":"1000","a":"","b":""},"fuso":"","latitudine":"45,4642","longitudine":"",)"
                                R"("ora_legale":false,"osservazioni":[{"alfa":"20","data":"14/01/2001","ora":"16:00:00",)"
                                R"("ora_legale":true,"riga":3}]})"));
        const shell::DesignerPlace place = w.place();
        QCOMPARE(place.name, QStringLiteral("Milano"));
        QCOMPARE(place.latitudeDeg, 45.4642);
        QCOMPARE(place.longitudeDeg, 9.19);
        QCOMPARE(place.zoneHours, 1.0);
        QCOMPARE(place.summerTime, false);
        if (!qEnvironmentVariableIsEmpty("HORALO_SHOT")) {
            w.show();
            QTest::qWait(50);
            w.grab().save(qEnvironmentVariable("HORALO_SHOT") + QStringLiteral("-ene.png"));
        }
    }

    // Every system on: the redraw after a change stays within the 100 ms a user notices.
    void redrawTime()
    {
        designer::Quadrante w;
        project::Project p;
        p.clock = true;
        p.italic = true;
        p.babylonian = true;
        p.zodiac = true;
        p.monthFirsts = true;
        p.halfHours = true;
        w.setProject(p, QString());
        QElapsedTimer t;
        t.start();
        w.redrawNow();
        qInfo("redraw with every system on: %lld ms", static_cast<long long>(t.elapsed()));
        QVERIFY(w.dial().ok);
    }
};

QTEST_MAIN(TestQuadrante)
#include "test_quadrante.moc"
