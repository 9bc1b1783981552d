#include "shell/exportdialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace shell {

namespace {

const QString kTitle = QStringLiteral("Horalo 2002");
const QString kSaveCaption = QStringLiteral("Salva il disegno");
const QString kExportFailed = QStringLiteral("Errore nella scrittura del file");

class StandardDialogs final : public ExportDialogs {
public:
    QString chooseSavePath(QWidget *parent, const QString &suggestedPath, const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, kSaveCaption, suggestedPath, filter);
    }
    void exportFailed(QWidget *parent, const QString &path) override
    {
        QMessageBox::critical(parent, kTitle, kExportFailed + QStringLiteral("\n") + QDir::toNativeSeparators(path));
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

} // namespace shell
