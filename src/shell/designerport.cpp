#include "shell/designerport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace shell {

bool hasDesigner() { return WindowRegistry::instance().has(kDesignerWindow); }

DesignerPort *openDesigner() { return dynamic_cast<DesignerPort *>(WindowRegistry::instance().open(kDesignerWindow)); }

DesignerPort *showDesigner() { return dynamic_cast<DesignerPort *>(showWindow(kDesignerWindow)); }

QString WallSurveyJson(const WallSurveyReadings &r)
{
    QJsonArray rows;
    for (const WallSurveyReadings::Reading &reading : r.readings)
        rows.append(QJsonObject{{QStringLiteral("riga"), reading.row},
                                {QStringLiteral("data"), reading.date},
                                {QStringLiteral("ora"), reading.clock},
                                {QStringLiteral("ora_legale"), reading.summerTime},
                                {QStringLiteral("alfa"), reading.alpha}});
    const QJsonObject o{
        {QStringLiteral("latitudine"), r.latitude},
        {QStringLiteral("longitudine"), r.longitude},
        {QStringLiteral("fuso"), r.zone},
        {QStringLiteral("ora_legale"), r.summerTime},
        {QStringLiteral("osservazioni"), rows},
        {QStringLiteral("filo"), QJsonObject{{QStringLiteral("L"), r.plumbLength},
                                             {QStringLiteral("a"), r.plumbTop},
                                             {QStringLiteral("b"), r.plumbBottom}}},
    };
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

} // namespace shell
