#include "shell/drawingwindow.h"

#include "sheet/numbers.h"
#include "sheet/qt/printjob.h"
#include "sheet/qt/settings.h"

#include "sheet/qt/uitext.h"

#include "drawing/qt/drawingcanvas.h"
#include "drawing/qt/drawingexport.h"
#include "drawing/qt/drawingprint.h"
#include "drawing/qt/exportdialogs.h"
#include "shell/registry.h"
#include "sheet/qt/uitext.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <cmath>

namespace shell {

const QString DrawingWindow::kName = QString::fromLatin1(kDrawingWindow);

namespace {

const sheet::UiText kTitle{QT_TRANSLATE_NOOP("horalo", "Disegno")};
const sheet::UiText kFit{QT_TRANSLATE_NOOP("horalo", "Adatta")};
const sheet::UiText kPrintTiles{QT_TRANSLATE_NOOP("horalo", "Stampa 1:1")};
const sheet::UiText kExportPdf{QT_TRANSLATE_NOOP("horalo", "Esporta PDF")};
const sheet::UiText kExportSvg{QT_TRANSLATE_NOOP("horalo", "Esporta SVG")};
const sheet::UiText kPdfFilter{QT_TRANSLATE_NOOP("horalo", "PDF (*.pdf)")};
const sheet::UiText kSvgFilter{QT_TRANSLATE_NOOP("horalo", "SVG (*.svg)")};
const QString kZoomFormat = QStringLiteral("%1 %");
const sheet::UiText kOpenInDesigner{QT_TRANSLATE_NOOP("horalo", "Apri nel Quadrante")};

bool drawable(const drawing::Drawing &d)
{
    return std::isfinite(d.widthMm) && std::isfinite(d.heightMm) && d.widthMm > 0 && d.heightMm > 0;
}


} // namespace

DrawingWindow::DrawingWindow(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(kTitle);
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->setSpacing(6);

    auto *buttons = new QHBoxLayout;
    auto addButton = [&](const QString &name, const QString &text, void (DrawingWindow::*action)()) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, action] { (this->*action)(); });
        buttons->addWidget(button);
        return button;
    };
    addButton(QStringLiteral("Adatta"), kFit, &DrawingWindow::onFit);
    QPushButton *print = addButton(QStringLiteral("Stampa"), kPrintTiles, &DrawingWindow::onPrintTiles);
    sheet::offerPreview(print, [this] {
        if (drawable(drawing()))
            drawing::previewDrawingTiles(drawing(), this);
    });
    fileButtons_ << print
                 << addButton(QStringLiteral("EsportaPDF"), kExportPdf, &DrawingWindow::onExportPdf)
                 << addButton(QStringLiteral("EsportaSVG"), kExportSvg, &DrawingWindow::onExportSvg);
    designerButton_ = addButton(QStringLiteral("ApriNelQuadrante"), kOpenInDesigner, &DrawingWindow::onOpenInDesigner);
    designerButton_->setEnabled(false);
    buttons->addStretch();
    zoom_ = new QLabel(this);
    zoom_->setObjectName(QStringLiteral("Zoom"));
    buttons->addWidget(zoom_);
    page->addLayout(buttons);

    canvas_ = new drawing::DrawingCanvas(this);
    canvas_->setObjectName(QStringLiteral("Foglio"));
    canvas_->setViewChanged([this] { showZoom(); });
    page->addWidget(canvas_, 1);

    setDrawing(drawing::Drawing{});
}

void DrawingWindow::setDrawing(const drawing::Drawing &drawing)
{
    canvas_->setDrawing(drawing);
    setWindowTitle(drawing.title.empty() ? kTitle : QString::fromStdString(drawing.title));
    for (QPushButton *button : fileButtons_)
        button->setEnabled(drawable(drawing));
    showZoom();
}

const drawing::Drawing &DrawingWindow::drawing() const
{
    return canvas_->drawing();
}

void DrawingWindow::setSheetInputs(const std::optional<SheetDialInputs> &inputs)
{
    inputs_ = inputs;
    designerButton_->setEnabled(inputs_.has_value());
}

void DrawingWindow::onOpenInDesigner()
{
    if (!inputs_)
        return;
    // A copy: the designer may ask about unsaved changes first, and this window may be given
    // another drawing or closed meanwhile.
    const SheetDialInputs in = *inputs_;
    if (DesignerPort *designer = showDesigner())
        designer->takeSheetInputs(in);
}

void DrawingWindow::showZoom()
{
    // The scale a maker checks at a glance: 100 % is the dial as large as it will be.
    // Two digits at least, so that a plate of many metres fitted to the window never reads 0 %;
    // written as every other number of the program, with its decimal separator.
    const double percent = canvas_->zoom() * 100;
    const int decimals = percent >= 9.95 ? 0 : percent >= 0.995 ? 1 : 2;
    zoom_->setText(kZoomFormat.arg(QString::fromStdString(sheet::FormatDecimals(percent, decimals, sheet::decimalSeparator()))));
}

void DrawingWindow::onFit()
{
    canvas_->fitToView();
}

void DrawingWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: // + without Shift on many keyboards
        canvas_->zoomIn();
        break;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        canvas_->zoomOut();
        break;
    case Qt::Key_0:
        canvas_->fitToView();
        break;
    case Qt::Key_1:
        canvas_->setTrueScale();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void DrawingWindow::onPrintTiles()
{
    if (!drawable(drawing()))
        return;
    // The window is served while the printer is asked and may be given a new drawing or
    // closed meanwhile: the job prints the drawing as it was when the button was pressed.
    const drawing::Drawing shown = drawing();
    drawing::printDrawingTiles(shown, this);
}

QString DrawingWindow::suggestedPath(const QString &suffix) const
{
    return sheet::ProposedSavePath(QString::fromStdString(drawing().title), kTitle, suffix);
}

void DrawingWindow::exportTo(const QString &suffix, const QString &filter,
                             bool (*write)(const drawing::Drawing &, const QString &, QString *))
{
    if (!drawable(drawing()))
        return;
    QString path = drawing::exportDialogs().chooseSavePath(this, suggestedPath(suffix), filter);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
        path += QLatin1Char('.') + suffix;
    QString why;
    if (!write(drawing(), path, &why))
        drawing::exportDialogs().exportFailed(this, path, why);
    else
        sheet::rememberFolder(path);
}

void DrawingWindow::onExportPdf()
{
    exportTo(QStringLiteral("pdf"), kPdfFilter, &drawing::exportDrawingPdf);
}

void DrawingWindow::onExportSvg()
{
    exportTo(QStringLiteral("svg"), kSvgFilter, &drawing::exportDrawingSvg);
}

QWidget *makeDrawingWindow()
{
    return new DrawingWindow;
}

DrawingWindow *showDrawing(const drawing::Drawing &drawing, const std::optional<SheetDialInputs> &inputs)
{
    auto *window = dynamic_cast<DrawingWindow *>(showWindow(kDrawingWindow));
    if (window) {
        window->setDrawing(drawing);
        window->setSheetInputs(inputs);
    }
    return window;
}

} // namespace shell
