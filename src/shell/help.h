#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace shell {

// The manual (`Manuale`): one page per window of the program and the glossary, in the
// program's language, with a list of contents at the top.
class ManualWindow : public QWidget {
    Q_OBJECT

public:
    explicit ManualWindow(QWidget *parent = nullptr);

    // Scrolls to the page about the window of that name (the contents when there is none).
    void showPage(const QString &windowName);

    // The name of the page that tells about the window, empty when there is none.
    static QString pageOf(const QString &windowName);

    // Room for a page of text beside its picture.
    QSize sizeHint() const override { return {780, 680}; }

private:
    QTextBrowser *browser_;
};

// "Informazioni su Horalo" (`Informazioni`): version, licence and the sources of the Sun's
// theory.
QWidget *makeAboutBox();

} // namespace shell
