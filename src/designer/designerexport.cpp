#include "designer/designerexport.h"

#include "drawing/csvwriter.h"
#include "drawing/dxfwriter.h"
#include "drawing/sheetdrawing.h"
#include "files/atomicfile.h"
#include "project/fieldlimits.h"
#include "drawing/qt/drawingexport.h"
#include "sheet/numbers.h"
#include "sheet/refusaltext.h"
#include "sheet/qt/uitext.h"

#include <QFile>

namespace designer {

namespace {

const sheet::UiText kUnknownFormat{QT_TRANSLATE_NOOP("horalo", "Formato di uscita sconosciuto: il nome deve finire in .pdf, .svg, .dxf o .csv.")};
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
        out.key = QString::fromStdString(project::FieldAtFault(out.lines.status.field, p));
        out.message = QString::fromStdString(sheet::RefusalText(out.lines.status));
        return out;
    }
    out.sketch = drawing::BuildDialSketch(out.lines, {p.placeName, false, {}, {}, p.gridMm, p.motto});
    out.ok = true;
    return out;
}

bool ExportDial(const QString &path, const DesignedDial &dial, QString *error)
{
    return ExportDialToNativePath(QFile::encodeName(path).toStdString(), dial, error);
}

bool ExportDialToNativePath(const std::string &target, const DesignedDial &dial, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    // The extension is ASCII whatever the rest of the name is written in.
    const std::size_t dot = target.find_last_of("./");
    const QString suffix = dot == std::string::npos || target[dot] != '.'
        ? QString()
        : QString::fromLatin1(target.data() + dot + 1, static_cast<qsizetype>(target.size() - dot - 1)).toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("svg") && suffix != QLatin1String("dxf") &&
        suffix != QLatin1String("csv"))
        return fail(kUnknownFormat);
    if (!dial.ok)
        return fail(kRefused.text().arg(dial.message));
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
    // The page is the plate, its top-left corner at the page's: a reader measures from the
    // page's corner as from the plate's. What stands beside the plate on screen (a title block,
    // the style template or the bar that found no free corner) goes on a second PDF page and is
    // left out of the SVG, which has one page only. The document is painted in memory, then
    // written as every other file is.
    const drawing::Drawing plate = drawing::ToPlatePage(dial.sketch);
    QByteArray document;
    if (suffix == QLatin1String("pdf")) {
        std::vector<drawing::Drawing> pages{plate};
        if (dial.sketch.hasAside)
            pages.push_back(drawing::ToAsidePage(dial.sketch));
        document = drawing::renderPagesPdf(pages, 0.0);
    } else {
        document = drawing::renderDrawingSvg(plate, 0.0);
    }
    if (document.isEmpty())
        return fail(suffix == QLatin1String("pdf") ? drawing::pdfRefusedText(plate.widthMm, plate.heightMm)
                                                   : drawing::svgRefusedText(plate.widthMm, plate.heightMm));
    if (!files::WriteFileAtomically(target, std::string_view(document.constData(), static_cast<std::size_t>(document.size())), &why))
        return fail(QString::fromStdString(why));
    return true;
}

} // namespace designer
