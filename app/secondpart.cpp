#include "secondpart.h"

#include "designer/designerexport.h"
#include "designer/quadrante.h"
#include "horizontal/horizontalwindows.h"
#include "project/projectfile.h"
#include "shell/recentfiles.h"
#include "shell/registry.h"
#include "survey/surveywindows.h"
#include "vertical/verticalwindows.h"

// The entry points keep these plain names (no C++ decoration) for the program to find them.
extern "C" {

Q_DECL_EXPORT void horalo_register_windows(shell::WindowRegistry &registry)
{
    shell::registerNotesAndDrawings(registry);
    horizontal::registerHorizontalWindows(registry);
    vertical::registerVerticalWindows(registry);
    survey::registerSurveyWindows(registry);
    designer::registerDesignerWindows(registry);
    // The main menu's File menu opens projects in the designer.
    shell::setProjectOpener([](const QString &path, QString *error) {
        auto *window = qobject_cast<designer::Quadrante *>(shell::showWindow(shell::kDesignerWindow));
        return window && window->openFile(path, error);
    });
}

Q_DECL_EXPORT bool horalo_export_dial(const std::string &projectPath, const std::string &outputPath, QString *error)
{
    const project::ProjectRead read = project::LoadProject(projectPath);
    if (!read.ok) {
        if (error)
            *error = QString::fromStdString(read.message);
        return false;
    }
    const designer::DesignedDial dial = designer::DesignDial(read.project);
    return designer::ExportDialToNativePath(outputPath, dial, error);
}

} // extern "C"

// The two entry points have the types the program looks them up as.
static_assert(std::is_same_v<decltype(&horalo_register_windows), HoraloRegisterWindows>);
static_assert(std::is_same_v<decltype(&horalo_export_dial), HoraloExportDial>);
