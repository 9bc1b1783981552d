#include "designer/designerexport.h"

#include "drawing/csvwriter.h"
#include "drawing/dxfwriter.h"
#include "drawing/sheetdrawing.h"
#include "project/atomicfile.h"
#include "drawing/qt/drawingexport.h"
#include "sheet/qt/uitext.h"

#include <QFile>
#include <cstdio>
#include <QFileInfo>

namespace designer {

namespace {

const sheet::UiText kUnknownFormat{QT_TRANSLATE_NOOP("horalo", "Formato di uscita sconosciuto: il nome deve finire in .pdf, .svg, .dxf o .csv.")};
const sheet::UiText kWriteFailed{QT_TRANSLATE_NOOP("horalo", "Scrittura di «%1» non riuscita.")};
const sheet::UiText kRefused{QT_TRANSLATE_NOOP("horalo", "Il quadrante non può essere calcolato: %1")};

} // namespace

DesignedDial DesignDial(const project::Project &p)
{
    DesignedDial out;
    const project::SpecResult design = project::ToDialSpec(p);
    if (!design.ok) {
        out.key = QString::fromStdString(design.key);
        out.message = QString::fromStdString(design.message);
        return out;
    }
    out.lines = gnomonics::BuildDialLines(design.design);
    if (!out.lines.status.ok()) {
        std::string key = project::FieldKey(out.lines.status.field);
        if (key == "altezza_mm" && p.styleLengthGiven)
            key = "stilo_mm";
        out.key = QString::fromStdString(key);
        out.message = QString::fromStdString(project::RefusalText(out.lines.status));
        return out;
    }
    out.sketch = drawing::BuildDialSketch(out.lines, {p.placeName, false, {}, {}});
    out.ok = true;
    return out;
}

bool ExportDial(const QString &path, const DesignedDial &dial, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("svg") && suffix != QLatin1String("dxf") &&
        suffix != QLatin1String("csv"))
        return fail(kUnknownFormat);
    if (!dial.ok)
        return fail(kRefused.text().arg(dial.message));
    const std::string target = QFile::encodeName(path).toStdString();
    std::string why;
    if (suffix == QLatin1String("csv")) {
        if (!drawing::WriteDialCsv(target, dial.lines, &why))
            return fail(QString::fromStdString(why));
        return true;
    }
    if (suffix == QLatin1String("dxf")) {
        if (!drawing::WriteDialDxf(target, dial.sketch, &why))
            return fail(QString::fromStdString(why));
        return true;
    }
    // PDF and SVG go through the page renderer into a temporary file beside the target, which
    // is renamed into place only once complete.
    const QString temp = QFile::decodeName(QByteArray::fromStdString(project::TemporaryPathBeside(target))) +
        QLatin1Char('.') + suffix;
    // The page is the plate, its top-left corner at the page's: a reader measures from the
    // page's corner as from the plate's. What stands beside the plate on screen (a title block,
    // the style template or the bar that found no free corner) goes on a second PDF page and is
    // left out of the SVG, which has one page only.
    const drawing::Drawing plate = drawing::ToPlatePage(dial.sketch);
    bool written = false;
    if (suffix == QLatin1String("pdf")) {
        std::vector<drawing::Drawing> pages{plate};
        if (dial.sketch.hasAside)
            pages.push_back(drawing::ToAsidePage(dial.sketch));
        written = drawing::exportPagesPdf(pages, temp, 0.0);
    } else {
        written = drawing::exportDrawingSvg(plate, temp, 0.0);
    }
    if (!written || QFileInfo(temp).size() == 0) {
        QFile::remove(temp);
        return fail(kWriteFailed.text().arg(path));
    }
    if (::rename(QFile::encodeName(temp).constData(), target.c_str()) != 0) {
        QFile::remove(temp);
        return fail(kWriteFailed.text().arg(path));
    }
    return true;
}

} // namespace designer
