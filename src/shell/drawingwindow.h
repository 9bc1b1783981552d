#pragma once

#include "sheet/drawing.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace shell {

class DrawingCanvas;

// Disegno: a dial at full scale, to look at on screen, print 1:1 over tiled A4 pages, or
// save as PDF or SVG. One window serves every sheet; a sheet's drawing button replaces what
// it shows. It is a window of its own, so closing the sheet leaves it open.
class DrawingWindow final : public QWidget {
public:
    static const QString kName;

    explicit DrawingWindow(QWidget *parent = nullptr);

    void setDrawing(const sheet::Drawing &drawing);
    const sheet::Drawing &drawing() const;
    DrawingCanvas *canvas() const { return canvas_; }

    void onFit();
    void onPrintTiles();
    void onExportPdf();
    void onExportSvg();

protected:
    // + and - zoom one step about the middle of the view, 0 shows the whole drawing again (as
    // "Adatta"), 1 shows it at its true size.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showZoom();
    QString suggestedPath(const QString &suffix) const;
    void exportTo(const QString &suffix, const QString &filter,
                  bool (*write)(const sheet::Drawing &, const QString &));

    DrawingCanvas *canvas_ = nullptr;
    QLabel *zoom_ = nullptr;
    QList<QPushButton *> fileButtons_;
};

QWidget *makeDrawingWindow();

// Shows the Disegno window (opening it when it is closed) with this drawing in it.
DrawingWindow *showDrawing(const sheet::Drawing &drawing);

} // namespace shell
