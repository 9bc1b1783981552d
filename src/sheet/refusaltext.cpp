#include "sheet/refusaltext.h"

#include "sheet/translation.h"

namespace sheet {

namespace {

using F = gnomonics::InputField;
using R = gnomonics::RefusalReason;

struct Wording {
    F field;
    R reason;
    const char *sentence;
    const char *note; // nullptr: the sentence serves
};

// One row per field and reason the engine or the survey can give; a row with F::None speaks
// for its reason whatever the field.
constexpr Wording kWordings[] = {
    {F::Latitude, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "La latitudine non è un numero."), nullptr},
    {F::Latitude, R::OutOfRange, QT_TRANSLATE_NOOP("horalo", "La latitudine deve essere compresa tra -89,99 e 89,99 gradi."),
     QT_TRANSLATE_NOOP("horalo", "la latitudine va da -89,99 a 89,99")},
    {F::Longitude, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "La longitudine non è un numero."), nullptr},
    {F::Longitude, R::OutOfRange, QT_TRANSLATE_NOOP("horalo", "La longitudine deve essere compresa tra -180 e 180 gradi."),
     QT_TRANSLATE_NOOP("horalo", "la longitudine va da -180 a 180")},
    {F::TimeZone, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "Il fuso non è un numero."), nullptr},
    {F::TimeZone, R::OutOfRange, QT_TRANSLATE_NOOP("horalo", "Il fuso deve essere compreso tra -12 e 14 ore."),
     QT_TRANSLATE_NOOP("horalo", "il fuso va da -12 a 14 ore")},
    {F::Declination, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "La declinazione non è un numero."), nullptr},
    {F::Declination, R::OutOfRange, QT_TRANSLATE_NOOP("horalo", "La declinazione deve essere compresa tra 0 e 180 gradi."), nullptr},
    {F::Inclination, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "L'inclinazione non è un numero."), nullptr},
    {F::Inclination, R::OutOfRange,
     QT_TRANSLATE_NOOP("horalo", "L'inclinazione va da -80 (piano rivolto verso terra) a 90 (orizzontale)."), nullptr},
    {F::NodusHeight, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "L'altezza del nodo non è un numero."), nullptr},
    {F::NodusHeight, R::NotPositive, QT_TRANSLATE_NOOP("horalo", "L'altezza del nodo deve essere maggiore di zero."), nullptr},
    {F::StyleLength, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "La lunghezza dello stilo non è un numero."), nullptr},
    {F::StyleLength, R::NotPositive, QT_TRANSLATE_NOOP("horalo", "La lunghezza dello stilo deve essere maggiore di zero."), nullptr},
    {F::StyleLength, R::NoCentre,
     QT_TRANSLATE_NOOP("horalo", "Su un quadrante polare lo stilo non incontra il piano: indicare l'altezza del nodo."), nullptr},
    // A date line given by the Sun's declination rather than by a day.
    {F::Date, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "La declinazione del Sole di una linea diurna non è un numero."), nullptr},
    {F::Date, R::OutOfRange, QT_TRANSLATE_NOOP("horalo", "Data inesistente o fuori dagli anni 1600-2400."), nullptr},
    {F::Date, R::NoSuchDate, QT_TRANSLATE_NOOP("horalo", "Data inesistente."), QT_TRANSLATE_NOOP("horalo", "questa data non esiste")},
    {F::Year, R::OutOfRange, QT_TRANSLATE_NOOP("horalo", "L'anno deve essere compreso tra 1600 e 2400."),
     QT_TRANSLATE_NOOP("horalo", "l'anno va dal 1600 al 2400")},
    {F::ClockTime, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "L'ora non è un numero."), nullptr},
    {F::ClockTime, R::OutOfRange, QT_TRANSLATE_NOOP("horalo", "L'ora deve essere compresa tra 0 e 24."),
     QT_TRANSLATE_NOOP("horalo", "l'ora va da 00:00:00 a 23:59:59")},
    {F::Plate, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "Le misure della lastra non sono numeri."), nullptr},
    {F::Plate, R::OutOfRange, QT_TRANSLATE_NOOP("horalo", "La lastra deve misurare almeno 10 mm per lato."), nullptr},
    {F::Step, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "Il passo di tracciamento delle linee diurne non è un numero."), nullptr},
    {F::Step, R::OutOfRange,
     QT_TRANSLATE_NOOP("horalo", "Il passo di tracciamento delle linee diurne deve essere compreso tra 0,5 e 60 minuti."), nullptr},
    {F::AzimuthStep, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "Il passo delle linee di azimut non è un numero."), nullptr},
    {F::AzimuthStep, R::OutOfRange, QT_TRANSLATE_NOOP("horalo", "Il passo delle linee di azimut va da 1 a 90 gradi (0: nessuna linea)."), nullptr},
    {F::AltitudeStep, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "Il passo delle linee di altezza non è un numero."), nullptr},
    {F::AltitudeStep, R::OutOfRange, QT_TRANSLATE_NOOP("horalo", "Il passo delle linee di altezza va da 1 a 90 gradi (0: nessuna linea)."), nullptr},
    {F::KindSize, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "Le misure del quadrante (fili, semiasse, foro) non sono numeri."), nullptr},
    {F::KindSize, R::OutOfRange,
     QT_TRANSLATE_NOOP("horalo", "Le misure del quadrante (fili, semiasse, foro) devono essere maggiori di 0 e al massimo 100000 mm."), nullptr},
    {F::Alpha, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "L'angolo α non è un numero."), nullptr},
    {F::Alpha, R::OutOfRange, QT_TRANSLATE_NOOP("horalo", "L'angolo α deve essere compreso tra -90 e 90 gradi, esclusi."),
     QT_TRANSLATE_NOOP("horalo", "l'angolo va da -90 a 90, esclusi")},
    {F::PlumbLength, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "La lunghezza L del filo a piombo non è un numero."), nullptr},
    {F::PlumbLength, R::NotPositive, QT_TRANSLATE_NOOP("horalo", "La lunghezza L del filo a piombo deve essere maggiore di zero."),
     QT_TRANSLATE_NOOP("horalo", "L deve essere maggiore di 0")},
    {F::PlumbOffset, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "Le distanze a e b del filo a piombo dal muro non sono numeri."), nullptr},
    {F::PlumbOffset, R::OutOfRange, QT_TRANSLATE_NOOP("horalo", "Le distanze a e b del filo a piombo dal muro non possono essere negative."),
     QT_TRANSLATE_NOOP("horalo", "a e b sono distanze dal muro, non negative")},
    {F::None, R::NotFinite, QT_TRANSLATE_NOOP("horalo", "Valore non numerico."), nullptr},
    {F::None, R::NotPositive, QT_TRANSLATE_NOOP("horalo", "Deve essere maggiore di zero."), nullptr},
    {F::None, R::NoCentre,
     QT_TRANSLATE_NOOP("horalo", "Su un quadrante polare lo stilo non incontra il piano: indicare l'altezza del nodo."), nullptr},
    {F::None, R::NoSuchDate, QT_TRANSLATE_NOOP("horalo", "Data inesistente."), nullptr},
    {F::None, R::OutOfRange, QT_TRANSLATE_NOOP("horalo", "Valore fuori dall'intervallo ammesso."), nullptr},
};

const Wording *find(F field, R reason)
{
    for (const Wording &w : kWordings)
        if (w.field == field && w.reason == reason)
            return &w;
    return nullptr;
}

} // namespace

std::string RefusalText(gnomonics::EngineStatus status, RefusalWording wording)
{
    if (status.ok())
        return {};
    const Wording *w = find(status.field, status.reason);
    if (!w)
        w = find(F::None, status.reason);
    if (!w)
        return translated(find(F::None, R::OutOfRange)->sentence);
    return translated(wording == RefusalWording::Note && w->note ? w->note : w->sentence);
}

} // namespace sheet
