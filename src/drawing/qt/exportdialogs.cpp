#include "drawing/qt/exportdialogs.h"

#include "sheet/qt/uitext.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace drawing {

namespace {

const QString kTitle = QStringLiteral("Horalo 2002");
const sheet::UiText kSaveCaption{QT_TRANSLATE_NOOP("horalo", "Salva il disegno")};
const sheet::UiText kExportFailed{QT_TRANSLATE_NOOP("horalo", "Errore nella scrittura del file")};

class StandardDialogs final : public ExportDialogs {
public:
    QString chooseSavePath(QWidget *parent, const QString &suggestedPath, const QString &filter) override
    {
        QFileDialog dialog(parent, kSaveCaption);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(filter);
        // The dialog adds the extension to a bare name ("lavoro" becomes "lavoro.pdf") before it
        // looks whether the file exists, so replacing one is always asked first.
        dialog.setDefaultSuffix(QFileInfo(suggestedPath).suffix());
        dialog.selectFile(suggestedPath);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
    void exportFailed(QWidget *parent, const QString &path, const QString &reason) override
    {
        QMessageBox::critical(parent, kTitle,
                              kExportFailed + QStringLiteral("\n") + QDir::toNativeSeparators(path) + QStringLiteral("\n\n") + reason);
    }
};

StandardDialogs standardDialogs;
ExportDialogs *current = &standardDialogs;

} // namespace

ExportDialogs *setExportDialogs(ExportDialogs *dialogs)
{
    ExportDialogs *previous = current;
    current = dialogs ? dialogs : &standardDialogs;
    return previous;
}

ExportDialogs &exportDialogs()
{
    return *current;
}

} // namespace drawing
