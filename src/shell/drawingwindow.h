#pragma once

#include "drawing/page.h"
#include "shell/designerport.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;

namespace drawing {
class DrawingCanvas;
} // namespace drawing

namespace shell {

// Disegno: a dial at full scale, to look at on screen, print 1:1 over tiled A4 pages, or
// save as PDF or SVG. One window serves every sheet; a sheet's drawing button replaces what
// it shows. It is a window of its own, so closing the sheet leaves it open.
class DrawingWindow final : public QWidget {
public:
    static const QString kName;

    explicit DrawingWindow(QWidget *parent = nullptr);

    void setDrawing(const drawing::Drawing &drawing);
    const drawing::Drawing &drawing() const;
    // The inputs of the sheet the drawing comes from; without them "Apri nel Quadrante" is off.
    void setSheetInputs(const std::optional<SheetDialInputs> &inputs);
    const std::optional<SheetDialInputs> &sheetInputs() const { return inputs_; }
    drawing::DrawingCanvas *canvas() const { return canvas_; }

    void onFit();
    void onPrintTiles();
    void onExportPdf();
    void onExportSvg();
    // Opens the designer with this sheet's dial in it.
    void onOpenInDesigner();

protected:
    // + and - zoom one step about the middle of the view, 0 shows the whole drawing again (as
    // "Adatta"), 1 shows it at its true size.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showZoom();
    QString suggestedPath(const QString &suffix) const;
    void exportTo(const QString &suffix, const QString &filter,
                  bool (*write)(const drawing::Drawing &, const QString &, QString *));

    drawing::DrawingCanvas *canvas_ = nullptr;
    QLabel *zoom_ = nullptr;
    QList<QPushButton *> fileButtons_;
    QPushButton *designerButton_ = nullptr;
    std::optional<SheetDialInputs> inputs_;
};

QWidget *makeDrawingWindow();

// Shows the Disegno window (opening it when it is closed) with this drawing in it, and the
// inputs of the sheet it comes from when there are any.
DrawingWindow *showDrawing(const drawing::Drawing &drawing,
                           const std::optional<SheetDialInputs> &inputs = std::nullopt);

} // namespace shell
