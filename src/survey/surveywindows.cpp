#include "survey/surveywindows.h"

#include "shell/registry.h"
#include "survey/rilievowindow.h"

namespace survey {

void registerSurveyWindows(shell::WindowRegistry &registry)
{
    registry.add(shell::kSurveyWindow, [] { return new RilievoWindow; });
}

} // namespace survey
