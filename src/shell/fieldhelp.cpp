#include "shell/fieldhelp.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <array>

namespace shell {

namespace {

struct FieldHelp {
    const char *name;    // objectName; a name ending in digits is also found without them
    const char *label;   // the field's name for a screen reader when no label is its buddy
    const char *tip;
};

// Italian texts, translated when shown. One entry per quantity; the rows of the wall survey
// (`data1` ... `data12`) share the entry of their column.
constexpr std::array kFields{
    FieldHelp{"LAT", QT_TRANSLATE_NOOP("horalo", "Latitudine"),
              QT_TRANSLATE_NOOP("horalo", "Latitudine del luogo in gradi (°), per esempio 45,46; per i decimali la virgola.")},
    FieldHelp{"LATX", QT_TRANSLATE_NOOP("horalo", "Latitudine"),
              QT_TRANSLATE_NOOP("horalo", "Latitudine del luogo in gradi (°), per esempio 45,46; per i decimali la virgola.")},
    FieldHelp{"Latx", QT_TRANSLATE_NOOP("horalo", "Latitudine"),
              QT_TRANSLATE_NOOP("horalo", "Latitudine del luogo in gradi (°), per esempio 45,46; per i decimali la virgola.")},
    FieldHelp{"DCL1", QT_TRANSLATE_NOOP("horalo", "Declinazione della parete"),
              QT_TRANSLATE_NOOP("horalo", "Declinazione della parete in gradi (°): di quanto la parete si volge da Sud verso Est o verso Ovest.")},
    FieldHelp{"s", QT_TRANSLATE_NOOP("horalo", "Lunghezza dello stilo"),
              QT_TRANSLATE_NOOP("horalo", "Lunghezza dello stilo in millimetri (mm), dal centro del quadrante O al nodo.")},
    FieldHelp{"i", QT_TRANSLATE_NOOP("horalo", "Inclinazione"),
              QT_TRANSLATE_NOOP("horalo", "Inclinazione della parete in gradi (°): 0 per una parete verticale.")},
    FieldHelp{"dlc1", QT_TRANSLATE_NOOP("horalo", "Declinazione del Sole, Gemelli e Leone"),
              QT_TRANSLATE_NOOP("horalo", "Declinazione del Sole in gradi (°) all'ingresso nei Gemelli e nel Leone.")},
    FieldHelp{"dlc2", QT_TRANSLATE_NOOP("horalo", "Declinazione del Sole, Toro e Vergine"),
              QT_TRANSLATE_NOOP("horalo", "Declinazione del Sole in gradi (°) all'ingresso nel Toro e nella Vergine.")},
    FieldHelp{"an", QT_TRANSLATE_NOOP("horalo", "Declinazione del Sole nell'anniversario"),
              QT_TRANSLATE_NOOP("horalo", "Declinazione del Sole in gradi (°) nel giorno dell'anniversario; il pulsante Declinazione la ricava dalla data.")},
    FieldHelp{"dataan", QT_TRANSLATE_NOOP("horalo", "Data dell'anniversario"),
              QT_TRANSLATE_NOOP("horalo", "Data dell'anniversario come gg/mm/aaaa, per esempio 21/06/2026.")},
    FieldHelp{"Lat", QT_TRANSLATE_NOOP("horalo", "Latitudine"),
              QT_TRANSLATE_NOOP("horalo", "Latitudine del luogo in gradi (°), positiva a Nord, da -89,99 a 89,99.")},
    FieldHelp{"Lon", QT_TRANSLATE_NOOP("horalo", "Longitudine"),
              QT_TRANSLATE_NOOP("horalo", "Longitudine del luogo in gradi (°), positiva a Est, da -180 a 180.")},
    FieldHelp{"Fuso", QT_TRANSLATE_NOOP("horalo", "Fuso"),
              QT_TRANSLATE_NOOP("horalo", "Fuso orario in ore da Greenwich, per esempio 1 per l'Italia (da -12 a 14).")},
    FieldHelp{"Legale", QT_TRANSLATE_NOOP("horalo", "Ora legale"),
              QT_TRANSLATE_NOOP("horalo", "Segnare se gli orari sono stati letti con l'ora legale (un'ora avanti).")},
    FieldHelp{"data", QT_TRANSLATE_NOOP("horalo", "Data dell'osservazione"),
              QT_TRANSLATE_NOOP("horalo", "Data dell'osservazione come gg/mm/aaaa, dal 1600 al 2400.")},
    FieldHelp{"ora", QT_TRANSLATE_NOOP("horalo", "Ora dell'osservazione"),
              QT_TRANSLATE_NOOP("horalo", "Ora dell'orologio all'osservazione come hh:mm:ss (o hh:mm).")},
    FieldHelp{"alfa", QT_TRANSLATE_NOOP("horalo", "Angolo α dell'ombra"),
              QT_TRANSLATE_NOOP("horalo", "Angolo α in gradi (°) tra la perpendicolare alla parete e l'ombra del filo, positivo se l'ombra va a destra.")},
    FieldHelp{"legale", QT_TRANSLATE_NOOP("horalo", "Ora legale"),
              QT_TRANSLATE_NOOP("horalo", "Segnare se questa osservazione è stata letta con l'ora legale.")},
    FieldHelp{"filo", QT_TRANSLATE_NOOP("horalo", "Lunghezza del filo a piombo"),
              QT_TRANSLATE_NOOP("horalo", "Lunghezza L del filo a piombo in millimetri (mm).")},
    FieldHelp{"filoA", QT_TRANSLATE_NOOP("horalo", "Distanza dalla parete in alto"),
              QT_TRANSLATE_NOOP("horalo", "Distanza a del filo dalla parete in alto, in millimetri (mm).")},
    FieldHelp{"filoB", QT_TRANSLATE_NOOP("horalo", "Distanza dalla parete in basso"),
              QT_TRANSLATE_NOOP("horalo", "Distanza b del filo dalla parete in basso, in millimetri (mm).")},
    FieldHelp{"tipo", QT_TRANSLATE_NOOP("horalo", "Tipo di quadrante"),
              QT_TRANSLATE_NOOP("horalo", "Piano con stilo (pareti, orizzontali, polari, equatoriali), analemmatico, bifilare o meridiana a camera oscura.")},
    FieldHelp{"semiasse_mm", QT_TRANSLATE_NOOP("horalo", "Semiasse maggiore"),
              QT_TRANSLATE_NOOP("horalo", "Metà della larghezza Est-Ovest dell'ellisse del quadrante analemmatico, in millimetri (mm).")},
    FieldHelp{"gnomone_mm", QT_TRANSLATE_NOOP("horalo", "Gnomone verticale"),
              QT_TRANSLATE_NOOP("horalo", "Altezza di uno gnomone verticale mobile, in millimetri (mm); 0 se lo gnomone è una persona. Non sposta i segni.")},
    FieldHelp{"filo_est_ovest_mm", QT_TRANSLATE_NOOP("horalo", "Filo Est-Ovest"),
              QT_TRANSLATE_NOOP("horalo", "Altezza a del filo Est-Ovest sopra la linea per F, in millimetri (mm).")},
    FieldHelp{"filo_nord_sud_mm", QT_TRANSLATE_NOOP("horalo", "Filo Nord-Sud"),
              QT_TRANSLATE_NOOP("horalo", "Altezza b del filo Nord-Sud sopra la linea per F, in millimetri (mm); con b = a / sin(latitudine) le ore sono equidistanti.")},
    FieldHelp{"diametro_foro_mm", QT_TRANSLATE_NOOP("horalo", "Diametro del foro"),
              QT_TRANSLATE_NOOP("horalo", "Diametro del foro gnomonico in millimetri (mm); la sua altezza sul pavimento è l'altezza del nodo.")},
    FieldHelp{"polare_verso", QT_TRANSLATE_NOOP("horalo", "Verso del piano polare"),
              QT_TRANSLATE_NOOP("horalo", "Dove guarda il piano polare: verso l'equatore, verso Est o verso Ovest.")},
    FieldHelp{"nome", QT_TRANSLATE_NOOP("horalo", "Nome"),
              QT_TRANSLATE_NOOP("horalo", "Nome del quadrante, scritto nel cartiglio del disegno.")},
    FieldHelp{"latitudine", QT_TRANSLATE_NOOP("horalo", "Latitudine"),
              QT_TRANSLATE_NOOP("horalo", "Latitudine del luogo in gradi (°), positiva a Nord.")},
    FieldHelp{"longitudine", QT_TRANSLATE_NOOP("horalo", "Longitudine"),
              QT_TRANSLATE_NOOP("horalo", "Longitudine del luogo in gradi (°), positiva a Est.")},
    FieldHelp{"fuso", QT_TRANSLATE_NOOP("horalo", "Fuso orario"),
              QT_TRANSLATE_NOOP("horalo", "Fuso orario in ore da UT, per esempio 1 per l'Italia.")},
    FieldHelp{"ora_legale", QT_TRANSLATE_NOOP("horalo", "Ora legale"),
              QT_TRANSLATE_NOOP("horalo", "Segnare per tracciare le ore civili con l'ora legale (un'ora avanti).")},
    FieldHelp{"declinazione", QT_TRANSLATE_NOOP("horalo", "Declinazione"),
              QT_TRANSLATE_NOOP("horalo", "Declinazione gnomonica della parete in gradi (°), da 0 (rivolta a Sud) a 180; il lato dice se verso Est o Ovest.")},
    FieldHelp{"lato", QT_TRANSLATE_NOOP("horalo", "Lato"),
              QT_TRANSLATE_NOOP("horalo", "Lato verso cui declina la parete: Est od Ovest.")},
    FieldHelp{"inclinazione", QT_TRANSLATE_NOOP("horalo", "Inclinazione"),
              QT_TRANSLATE_NOOP("horalo", "Inclinazione del piano in gradi (°): 0 verticale, 90 orizzontale rivolto in alto.")},
    FieldHelp{"gnomone", QT_TRANSLATE_NOOP("horalo", "Misura data"),
              QT_TRANSLATE_NOOP("horalo", "Quale misura dello gnomone si scrive: l'altezza del nodo o la lunghezza dello stilo.")},
    FieldHelp{"altezza_mm", QT_TRANSLATE_NOOP("horalo", "Altezza del nodo"),
              QT_TRANSLATE_NOOP("horalo", "Altezza del nodo sul piano, dal piede dello gnomone F, in millimetri (mm).")},
    FieldHelp{"stilo_mm", QT_TRANSLATE_NOOP("horalo", "Lunghezza dello stilo"),
              QT_TRANSLATE_NOOP("horalo", "Lunghezza dello stilo dal centro del quadrante O al nodo, in millimetri (mm).")},
    FieldHelp{"vere", QT_TRANSLATE_NOOP("horalo", "Ore vere"),
              QT_TRANSLATE_NOOP("horalo", "Traccia le linee orarie del tempo vero locale.")},
    FieldHelp{"mezze", QT_TRANSLATE_NOOP("horalo", "Mezze ore"),
              QT_TRANSLATE_NOOP("horalo", "Aggiunge le linee delle mezze ore.")},
    FieldHelp{"civili", QT_TRANSLATE_NOOP("horalo", "Ore civili"),
              QT_TRANSLATE_NOOP("horalo", "Traccia le ore del fuso come analemmi (con l'equazione del tempo).")},
    FieldHelp{"analemma", QT_TRANSLATE_NOOP("horalo", "Analemma"),
              QT_TRANSLATE_NOOP("horalo", "Quanto di ogni analemma tracciare: intero, a metà o solo a mezzogiorno.")},
    FieldHelp{"anno", QT_TRANSLATE_NOOP("horalo", "Anno degli analemmi"),
              QT_TRANSLATE_NOOP("horalo", "Anno per cui calcolare gli analemmi, tra 1600 e 2400.")},
    FieldHelp{"italiche", QT_TRANSLATE_NOOP("horalo", "Ore italiche"),
              QT_TRANSLATE_NOOP("horalo", "Traccia le ore italiche: ore dal tramonto precedente.")},
    FieldHelp{"babiloniche", QT_TRANSLATE_NOOP("horalo", "Ore babiloniche"),
              QT_TRANSLATE_NOOP("horalo", "Traccia le ore babiloniche: ore dal sorgere del Sole.")},
    FieldHelp{"temporarie", QT_TRANSLATE_NOOP("horalo", "Ore temporarie"),
              QT_TRANSLATE_NOOP("horalo", "Traccia le ore temporarie: il dì diviso in dodici parti uguali, dalla levata (0) al tramonto (12).")},
    FieldHelp{"quarti", QT_TRANSLATE_NOOP("horalo", "Quarti d'ora"),
              QT_TRANSLATE_NOOP("horalo", "Aggiunge i quarti d'ora, come linee sottili senza numero, alle ore vere e civili.")},
    FieldHelp{"medie_locali", QT_TRANSLATE_NOOP("horalo", "Tempo medio locale"),
              QT_TRANSLATE_NOOP("horalo", "Traccia gli analemmi del tempo medio del luogo invece del tempo del fuso.")},
    FieldHelp{"azimut_passo", QT_TRANSLATE_NOOP("horalo", "Passo delle linee di azimut"),
              QT_TRANSLATE_NOOP("horalo", "Ogni quanti gradi (°) tracciare una linea di ugual azimut del Sole, contato dal Sud, positivo a Ovest; 0 nessuna.")},
    FieldHelp{"altezza_passo", QT_TRANSLATE_NOOP("horalo", "Passo delle linee di altezza"),
              QT_TRANSLATE_NOOP("horalo", "Ogni quanti gradi (°) tracciare una linea di ugual altezza del Sole sull'orizzonte; 0 nessuna.")},
    FieldHelp{"rifrazione", QT_TRANSLATE_NOOP("horalo", "Rifrazione"),
              QT_TRANSLATE_NOOP("horalo", "L'ombra è quella del Sole come si vede, alzato dalla rifrazione dell'aria; alba e tramonto con il centro del Sole 34′ sotto l'orizzonte.")},
    FieldHelp{"griglia_mm", QT_TRANSLATE_NOOP("horalo", "Griglia"),
              QT_TRANSLATE_NOOP("horalo", "Lato dei quadretti di una griglia sulla lastra, in millimetri (mm), con le linee per il piede dello gnomone F; 0 nessuna griglia.")},
    FieldHelp{"motto", QT_TRANSLATE_NOOP("horalo", "Motto"),
              QT_TRANSLATE_NOOP("horalo", "Una riga di testo scritta sulla lastra, nel posto libero più vicino al bordo alto.")},
    FieldHelp{"solstizi_equinozi", QT_TRANSLATE_NOOP("horalo", "Solstizi ed equinozi"),
              QT_TRANSLATE_NOOP("horalo", "Traccia le linee diurne dei due solstizi e degli equinozi.")},
    FieldHelp{"zodiaco", QT_TRANSLATE_NOOP("horalo", "Ingresso nei segni zodiacali"),
              QT_TRANSLATE_NOOP("horalo", "Traccia le linee diurne dell'ingresso del Sole nei segni zodiacali.")},
    FieldHelp{"mesi", QT_TRANSLATE_NOOP("horalo", "Primo di ogni mese"),
              QT_TRANSLATE_NOOP("horalo", "Traccia le linee diurne del primo giorno di ogni mese.")},
    FieldHelp{"giorni", QT_TRANSLATE_NOOP("horalo", "Altre date"),
              QT_TRANSLATE_NOOP("horalo", "Altre date da tracciare come gg/mm/aaaa, separate da spazi.")},
    FieldHelp{"larghezza_mm", QT_TRANSLATE_NOOP("horalo", "Larghezza della lastra"),
              QT_TRANSLATE_NOOP("horalo", "Larghezza della lastra in millimetri (mm).")},
    FieldHelp{"altezza_lastra_mm", QT_TRANSLATE_NOOP("horalo", "Altezza della lastra"),
              QT_TRANSLATE_NOOP("horalo", "Altezza della lastra in millimetri (mm).")},
    FieldHelp{"piede_da_sinistra_mm", QT_TRANSLATE_NOOP("horalo", "Piede dello gnomone F dal bordo sinistro"),
              QT_TRANSLATE_NOOP("horalo", "Distanza del piede dello gnomone F dal bordo sinistro della lastra, in millimetri (mm).")},
    FieldHelp{"piede_da_alto_mm", QT_TRANSLATE_NOOP("horalo", "Piede dello gnomone F dal bordo alto"),
              QT_TRANSLATE_NOOP("horalo", "Distanza del piede dello gnomone F dal bordo alto della lastra, in millimetri (mm).")},
};

// The entry of the name itself, else that of the name without its trailing row number.
const FieldHelp *find(const QString &objectName, QString *row = nullptr)
{
    static const QRegularExpression trailingDigits(QStringLiteral("^(.*\\D)(\\d+)$"));
    for (const FieldHelp &help : kFields)
        if (objectName == QLatin1String(help.name))
            return &help;
    const QRegularExpressionMatch m = trailingDigits.match(objectName);
    if (!m.hasMatch())
        return nullptr;
    for (const FieldHelp &help : kFields)
        if (m.captured(1) == QLatin1String(help.name)) {
            if (row)
                *row = m.captured(2);
            return &help;
        }
    return nullptr;
}

QString plainLabel(QString text)
{
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

void helpField(QWidget *field, const QHash<const QWidget *, QString> &buddies)
{
    QString row;
    const FieldHelp *help = find(field->objectName(), &row);
    if (help && field->toolTip().isEmpty())
        field->setToolTip(QCoreApplication::translate("horalo", help->tip));
    if (!field->accessibleName().isEmpty())
        return;
    QString name = buddies.value(field);
    if (name.isEmpty())
        if (auto *check = qobject_cast<QCheckBox *>(field))
            name = plainLabel(check->text());
    if (name.isEmpty() && help) {
        name = QCoreApplication::translate("horalo", help->label);
        if (!row.isEmpty())
            name += QLatin1Char(' ') + row;
    }
    field->setAccessibleName(name);
}

} // namespace

QString fieldToolTip(const QString &objectName)
{
    const FieldHelp *help = find(objectName);
    return help ? QCoreApplication::translate("horalo", help->tip) : QString();
}

void applyFieldHelp(QWidget *window)
{
    QHash<const QWidget *, QString> buddies;
    for (const QLabel *label : window->findChildren<QLabel *>())
        if (label->buddy())
            buddies.insert(label->buddy(), plainLabel(label->text()));
    for (QWidget *child : window->findChildren<QWidget *>()) {
        // The line edit inside a list or a spin box is part of that field, not a field itself.
        if (qobject_cast<QLineEdit *>(child)
            && (qobject_cast<QComboBox *>(child->parentWidget()) || qobject_cast<QAbstractSpinBox *>(child->parentWidget())))
            continue;
        if (qobject_cast<QLineEdit *>(child) || qobject_cast<QComboBox *>(child) || qobject_cast<QCheckBox *>(child)
            || qobject_cast<QAbstractSpinBox *>(child))
            helpField(child, buddies);
    }
}

} // namespace shell
