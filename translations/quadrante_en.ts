<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>horalo</name>
    <message>
        <source>Formato di uscita sconosciuto: il nome deve finire in .pdf, .svg, .dxf o .csv.</source>
        <translation>Unknown output format: the name must end in .pdf, .svg, .dxf or .csv.</translation>
    </message>
    <message>
        <source>mezzogiorno vero, mezzogiorno medio locale (anno %1)</source>
        <translation>apparent noon, local mean noon (year %1)</translation>
    </message>
    <message>
        <source>mezzogiorno civile</source>
        <translation>zone noon</translation>
    </message>
    <message>
        <source>Lastra %1 × %2 mm, centro dell&apos;ellisse a %3 mm da sinistra e %4 mm dall&apos;alto</source>
        <translation>Plate %1 × %2 mm, centre of the ellipse %3 mm from the left and %4 mm from the top</translation>
    </message>
    <message>
        <source>Date segnate: %1</source>
        <translation>Dates marked: %1</translation>
    </message>
    <message>
        <source>Punti delle ore sull&apos;ellisse</source>
        <translation>Hour points on the ellipse</translation>
    </message>
    <message>
        <source>Scala delle date</source>
        <translation>Date scale</translation>
    </message>
    <message>
        <source>Linea meridiana (mezzogiorno vero) e giorni segnati</source>
        <translation>Meridian line (apparent noon) and the days marked</translation>
    </message>
    <message>
        <source>Mezzogiorno medio locale</source>
        <translation>Local mean noon</translation>
    </message>
    <message>
        <source>Mezzogiorno civile (tempo del fuso)</source>
        <translation>Zone noon (zone time)</translation>
    </message>
    <message>
        <source>Macchie di luce ai solstizi e agli equinozi</source>
        <translation>Spots of light at the solstices and equinoxes</translation>
    </message>
    <message>
        <source>Fili, in pianta</source>
        <translation>Wires, in plan</translation>
    </message>
    <message>
        <source>distanza da F (mm)</source>
        <translation>distance from F (mm)</translation>
    </message>
    <message>
        <source>Diametro del foro, il cui centro è il nodo (mm)</source>
        <translation>Diameter of the hole, whose centre is the nodus (mm)</translation>
    </message>
    <message>
        <source>Fili</source>
        <translation>Wires</translation>
    </message>
    <message>
        <source>Filo Est-Ovest, a sopra la linea per F (mm)</source>
        <translation>East-West wire, a above the line through F (mm)</translation>
    </message>
    <message>
        <source>Filo Nord-Sud, b sopra la linea per F (mm)</source>
        <translation>North-South wire, b above the line through F (mm)</translation>
    </message>
    <message>
        <source>Le linee orarie si incontrano in: x; y da F (mm)</source>
        <translation>The hour lines meet at: x; y from F (mm)</translation>
    </message>
    <message>
        <source>Filo Nord-Sud per ore equidistanti di 15°, b = a / sin(latitudine) (mm)</source>
        <translation>North-South wire for hours evenly 15° apart, b = a / sin(latitude) (mm)</translation>
    </message>
    <message>
        <source>F, sotto l&apos;incrocio dei fili: da sinistra; dall&apos;alto (mm)</source>
        <translation>F, below the crossing of the wires: from the left; from the top (mm)</translation>
    </message>
    <message>
        <source>Ellisse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Semiasse maggiore M, Est-Ovest (mm)</source>
        <translation>Semi-major axis M, East-West (mm)</translation>
    </message>
    <message>
        <source>Semiasse minore M sin(latitudine), Nord-Sud (mm)</source>
        <translation>Semi-minor axis M sin(latitude), North-South (mm)</translation>
    </message>
    <message>
        <source>Ore</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>del fuso, corrette per la longitudine</source>
        <translation>zone time, corrected for the longitude</translation>
    </message>
    <message>
        <source>vere locali</source>
        <translation>local apparent time</translation>
    </message>
    <message>
        <source>Altezza dello gnomone verticale (mm)</source>
        <translation>Height of the vertical gnomon (mm)</translation>
    </message>
    <message>
        <source>una persona</source>
        <translation>a person</translation>
    </message>
    <message>
        <source>Centro dell&apos;ellisse: da sinistra; dall&apos;alto (mm)</source>
        <translation>Centre of the ellipse: from the left; from the top (mm)</translation>
    </message>
    <message>
        <source>&lt;ora&gt; tempo medio locale</source>
        <translation>&lt;ora&gt; local mean time</translation>
    </message>
    <message>
        <source>&lt;ora&gt; tempo civile</source>
        <translation>&lt;ora&gt; zone time</translation>
    </message>
    <message>
        <source>ora_analemmatica</source>
        <translation>analemmatic hour</translation>
    </message>
    <message>
        <source>scala_date</source>
        <translation>date scale</translation>
    </message>
    <message>
        <source>macchia</source>
        <translation>spot of light</translation>
    </message>
    <message>
        <source>Ore equidistanti: b = a / sin(latitudine)</source>
        <translation>Evenly spaced hours: b = a / sin(latitude)</translation>
    </message>
    <message>
        <source>La sustilare sale dalla verticale per F (°)</source>
        <translation>The substyle rises from the vertical through F (°)</translation>
    </message>
    <message>
        <source>verso destra</source>
        <translation>to the right</translation>
    </message>
    <message>
        <source>verso sinistra</source>
        <translation>to the left</translation>
    </message>
    <message>
        <source>Lungo la linea meridiana, dal piede dello gnomone F (mm)</source>
        <translation>Along the meridian line, from the foot of the gnomon F (mm)</translation>
    </message>
    <message>
        <source>Tipo di quadrante</source>
        <translation>Kind of dial</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Piano con stilo</source>
        <translation>Plane with a style</translation>
    </message>
    <message>
        <source>Analemmatico</source>
        <translation>Analemmatic</translation>
    </message>
    <message>
        <source>Bifilare</source>
        <translation>Bifilar</translation>
    </message>
    <message>
        <source>Meridiana a camera oscura</source>
        <translation>Dark-room meridian line</translation>
    </message>
    <message>
        <source>Polare</source>
        <translation>Polar</translation>
    </message>
    <message>
        <source>Equatoriale</source>
        <translation>Equatorial</translation>
    </message>
    <message>
        <source>verso l&apos;equatore</source>
        <translation>facing the equator</translation>
    </message>
    <message>
        <source>verso Est</source>
        <translation>facing East</translation>
    </message>
    <message>
        <source>verso Ovest</source>
        <translation>facing West</translation>
    </message>
    <message>
        <source>Piano polare (parallelo all&apos;asse terrestre): declinazione %1° %2, inclinazione %3°.</source>
        <translation>Polar plane (parallel to the Earth&apos;s axis): declination %1° %2, inclination %3°.</translation>
    </message>
    <message>
        <source>Piano equatoriale (perpendicolare all&apos;asse terrestre, faccia superiore): declinazione %1° %2, inclinazione %3°.</source>
        <translation>Equatorial plane (perpendicular to the Earth&apos;s axis, upper face): declination %1° %2, inclination %3°.</translation>
    </message>
    <message>
        <source>Il semiasse dell&apos;ellisse deve essere maggiore di 0 e al massimo 100000 mm.</source>
        <translation>The ellipse&apos;s semi-axis must be more than 0 and at most 100000 mm.</translation>
    </message>
    <message>
        <source>Semiasse maggiore M dell&apos;ellisse (mm)</source>
        <translation>Semi-major axis M of the ellipse (mm)</translation>
    </message>
    <message>
        <source>L&apos;altezza dello gnomone verticale va da 0 (una persona) a 100000 mm.</source>
        <translation>The vertical gnomon&apos;s height goes from 0 (a person) to 100000 mm.</translation>
    </message>
    <message>
        <source>Gnomone verticale (mm, 0 una persona)</source>
        <translation>Vertical gnomon (mm, 0 a person)</translation>
    </message>
    <message>
        <source>L&apos;altezza del filo Est-Ovest deve essere maggiore di 0 e al massimo 100000 mm.</source>
        <translation>The East-West wire&apos;s height must be more than 0 and at most 100000 mm.</translation>
    </message>
    <message>
        <source>Filo Est-Ovest: altezza a (mm)</source>
        <translation>East-West wire: height a (mm)</translation>
    </message>
    <message>
        <source>L&apos;altezza del filo Nord-Sud deve essere maggiore di 0 e al massimo 100000 mm.</source>
        <translation>The North-South wire&apos;s height must be more than 0 and at most 100000 mm.</translation>
    </message>
    <message>
        <source>Filo Nord-Sud: altezza b (mm)</source>
        <translation>North-South wire: height b (mm)</translation>
    </message>
    <message>
        <source>Il diametro del foro deve essere maggiore di 0 e al massimo 100000 mm.</source>
        <translation>The hole&apos;s diameter must be more than 0 and at most 100000 mm.</translation>
    </message>
    <message>
        <source>Diametro del foro (mm)</source>
        <translation>Hole diameter (mm)</translation>
    </message>
    <message>
        <source>Il piede dello gnomone deve stare tra -100000 e 100000 mm dal bordo.</source>
        <translation>The foot of the gnomon must lie between -100000 and 100000 mm from the edge.</translation>
    </message>
    <message>
        <source>La lastra di una meridiana a camera oscura deve misurare da 10 a 100000 mm per lato.</source>
        <translation>A dark-room meridian&apos;s plate must measure from 10 to 100000 mm a side.</translation>
    </message>
    <message>
        <source>Il valore di «tipo» deve essere &quot;piano&quot;, &quot;analemmatico&quot;, &quot;bifilare&quot; o &quot;camera_oscura&quot;.</source>
        <translation>The value of “tipo” must be &quot;piano&quot;, &quot;analemmatico&quot;, &quot;bifilare&quot; or &quot;camera_oscura&quot;.</translation>
    </message>
    <message>
        <source>La griglia avrebbe più di 1000 linee per lato: scegliere quadretti più grandi.</source>
        <translation>The grid would have more than 1000 lines a side: choose larger squares.</translation>
    </message>
    <message>
        <source>Le misure del quadrante (fili, semiasse, foro) non sono numeri.</source>
        <translation>The dial&apos;s sizes (wires, semi-axis, hole) are not numbers.</translation>
    </message>
    <message>
        <source>Le misure del quadrante (fili, semiasse, foro) devono essere maggiori di 0 e al massimo 100000 mm.</source>
        <translation>The dial&apos;s sizes (wires, semi-axis, hole) must be more than 0 and at most 100000 mm.</translation>
    </message>
    <message>
        <source>Semiasse minore M sin(latitudine) %1 mm (Nord-Sud), latitudine %2</source>
        <translation>Semi-minor axis M sin(latitude) %1 mm (North-South), latitude %2</translation>
    </message>
    <message>
        <source>filo Est-Ovest a %1 mm</source>
        <translation>East-West wire at %1 mm</translation>
    </message>
    <message>
        <source>filo Nord-Sud a %1 mm</source>
        <translation>North-South wire at %1 mm</translation>
    </message>
    <message>
        <source>Equazione del tempo: minuti da togliere all&apos;ora letta</source>
        <translation>Equation of time: minutes to take from the hour read</translation>
    </message>
    <message>
        <source>Quadrante analemmatico: semiasse maggiore M %1 mm (Est-Ovest)</source>
        <translation>Analemmatic dial: semi-major axis M %1 mm (East-West)</translation>
    </message>
    <message>
        <source>Ore del fuso corrette per la longitudine; l&apos;equazione del tempo nella tabella</source>
        <translation>Zone time corrected for the longitude; the equation of time in the table</translation>
    </message>
    <message>
        <source>Ore vere locali</source>
        <translation>Local apparent hours</translation>
    </message>
    <message>
        <source>Chi fa da gnomone sta diritto sulla data del giorno; misure in mm dal centro dell&apos;ellisse (x a Est, y a Nord)</source>
        <translation>The person who is the gnomon stands upright on the day&apos;s date; measures in mm from the ellipse&apos;s centre (x East, y North)</translation>
    </message>
    <message>
        <source>Quadrante bifilare: filo Est-Ovest a %1 mm sopra la linea per F</source>
        <translation>Bifilar dial: East-West wire %1 mm above the line through F</translation>
    </message>
    <message>
        <source>filo Nord-Sud a %1 mm sopra la linea per F</source>
        <translation>North-South wire %1 mm above the line through F</translation>
    </message>
    <message>
        <source>Le linee orarie si incontrano in x 0, y %1 mm da F</source>
        <translation>The hour lines meet at x 0, y %1 mm from F</translation>
    </message>
    <message>
        <source>Con b = a / sin(latitudine) le ore sono equidistanti, 15° l&apos;una dall&apos;altra</source>
        <translation>With b = a / sin(latitude) the hours are evenly spaced, 15° apart</translation>
    </message>
    <message>
        <source>Per ore equidistanti di 15°: filo Nord-Sud a %1 mm (b = a / sin(latitudine))</source>
        <translation>For hours evenly spaced 15° apart: North-South wire at %1 mm (b = a / sin(latitude))</translation>
    </message>
    <message>
        <source>Scala 1:1, misure in mm da F (x a Est, y a Nord)</source>
        <translation>Scale 1:1, measures in mm from F (x East, y North)</translation>
    </message>
    <message>
        <source>Meridiana a camera oscura: foro di %1 mm di diametro, il centro del foro è il nodo</source>
        <translation>Dark-room meridian: hole %1 mm across, its centre is the nodus</translation>
    </message>
    <message>
        <source>temporaria</source>
        <translation>temporary</translation>
    </message>
    <message>
        <source>azimut</source>
        <translation>azimuth</translation>
    </message>
    <message>
        <source>altezza</source>
        <translation>altitude</translation>
    </message>
    <message>
        <source>ora_media</source>
        <translation>local mean time</translation>
    </message>
    <message>
        <source>Azimut e altezza del Sole</source>
        <translation>Sun&apos;s azimuth and altitude</translation>
    </message>
    <message>
        <source>Opzioni</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Motto</source>
        <translation>Motto</translation>
    </message>
    <message>
        <source>vere e quarti d&apos;ora</source>
        <translation>apparent with quarter hours</translation>
    </message>
    <message>
        <source>temporarie</source>
        <translation>temporary</translation>
    </message>
    <message>
        <source>Linee di azimut ogni %1 (dal Sud, + a Ovest)</source>
        <translation>Azimuth lines every %1 (from South, + West)</translation>
    </message>
    <message>
        <source>Linee di altezza del Sole ogni %1</source>
        <translation>Sun altitude lines every %1</translation>
    </message>
    <message>
        <source>Ore medie locali (tempo medio del luogo)</source>
        <translation>Local mean hours (the place&apos;s mean time)</translation>
    </message>
    <message>
        <source>Quarti d&apos;ora: linee sottili senza numero</source>
        <translation>Quarter hours: fine lines without numbers</translation>
    </message>
    <message>
        <source>Ore temporarie</source>
        <translation>Temporary hours</translation>
    </message>
    <message>
        <source>Linee di azimut</source>
        <translation>Azimuth lines</translation>
    </message>
    <message>
        <source>Linee di altezza</source>
        <translation>Altitude lines</translation>
    </message>
    <message>
        <source>Il passo delle linee di azimut va da 1 a 90 gradi (0: nessuna linea).</source>
        <translation>The step of the azimuth lines goes from 1 to 90 degrees (0: no lines).</translation>
    </message>
    <message>
        <source>Linee di azimut ogni (°, 0 nessuna)</source>
        <translation>Azimuth lines every (°, 0 none)</translation>
    </message>
    <message>
        <source>Il passo delle linee di altezza va da 1 a 90 gradi (0: nessuna linea).</source>
        <translation>The step of the altitude lines goes from 1 to 90 degrees (0: no lines).</translation>
    </message>
    <message>
        <source>Linee di altezza ogni (°, 0 nessuna)</source>
        <translation>Altitude lines every (°, 0 none)</translation>
    </message>
    <message>
        <source>Il lato dei quadretti della griglia va da 5 a 1000 mm (0: nessuna griglia).</source>
        <translation>The side of the grid squares goes from 5 to 1000 mm (0: no grid).</translation>
    </message>
    <message>
        <source>Griglia a quadretti di lato (mm, 0 nessuna)</source>
        <translation>Grid of squares with side (mm, 0 none)</translation>
    </message>
    <message>
        <source>Quarti d&apos;ora</source>
        <translation>Quarter hours</translation>
    </message>
    <message>
        <source>Tempo medio locale invece del fuso</source>
        <translation>Local mean time instead of the zone</translation>
    </message>
    <message>
        <source>Rifrazione</source>
        <translation>Refraction</translation>
    </message>
    <message>
        <source>Il motto contiene un carattere che i file di disegno non possono contenere (a capo, tabulazione o altro carattere di controllo, U+FFFE o U+FFFF).</source>
        <translation>The motto contains a character drawing files cannot hold (a line break, a tab or another control character, U+FFFE or U+FFFF).</translation>
    </message>
    <message>
        <source>Il motto non può contenere «]]&gt;».</source>
        <translation>The motto cannot contain “]]&gt;”.</translation>
    </message>
    <message>
        <source>Il motto è troppo lungo: al massimo 200 caratteri.</source>
        <translation>The motto is too long: at most 200 characters.</translation>
    </message>
    <message>
        <source>&lt;gradi&gt;° O</source>
        <translation>&lt;gradi&gt;° W</translation>
    </message>
    <message>
        <source>&lt;gradi&gt;° E</source>
        <translation>&lt;gradi&gt;° E</translation>
    </message>
    <message>
        <source>Scheda di costruzione</source>
        <translation>Construction sheet</translation>
    </message>
    <message>
        <source>Esporta PDF…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>Sagoma dello stilo (triangolo O, F, N)</source>
        <translation>Style template (triangle O, F, N)</translation>
    </message>
    <message>
        <source>Sulla lastra, dall&apos;angolo in alto a sinistra</source>
        <translation>On the plate, from its top left corner</translation>
    </message>
    <message>
        <source>Fuso (ore)</source>
        <translation>Time zone (hours)</translation>
    </message>
    <message>
        <source>Declinazione della parete (°)</source>
        <translation>Declination of the plane (°)</translation>
    </message>
    <message>
        <source>Inclinazione (°, 0 verticale)</source>
        <translation>Inclination (°, 0 vertical)</translation>
    </message>
    <message>
        <source>Elevazione dello stilo (°)</source>
        <translation>Style elevation (°)</translation>
    </message>
    <message>
        <source>Lato O–F, sulla sustilare (mm)</source>
        <translation>Side O–F, on the substyle (mm)</translation>
    </message>
    <message>
        <source>Lato F–N, altezza del nodo (mm)</source>
        <translation>Side F–N, nodus height (mm)</translation>
    </message>
    <message>
        <source>Lato O–N, stilo (mm)</source>
        <translation>Side O–N, style (mm)</translation>
    </message>
    <message>
        <source>Angolo in O (°)</source>
        <translation>Angle at O (°)</translation>
    </message>
    <message>
        <source>Angolo in F (°)</source>
        <translation>Angle at F (°)</translation>
    </message>
    <message>
        <source>Angolo in N (°)</source>
        <translation>Angle at N (°)</translation>
    </message>
    <message>
        <source>Piede dello gnomone F: da sinistra; dall&apos;alto (mm)</source>
        <translation>Foot of the gnomon F: from the left; from the top (mm)</translation>
    </message>
    <message>
        <source>Centro del quadrante O: da sinistra; dall&apos;alto (mm)</source>
        <translation>Dial centre O: from the left; from the top (mm)</translation>
    </message>
    <message>
        <source>Angolo della sustilare (°, + verso il pomeriggio)</source>
        <translation>Substyle angle (°, + towards the afternoon)</translation>
    </message>
    <message>
        <source>Angolo della sustilare dalla verticale (°, + verso il pomeriggio)</source>
        <translation>Substyle angle from the vertical (°, + towards the afternoon)</translation>
    </message>
    <message>
        <source>Differenza di longitudine (°, + Ovest)</source>
        <translation>Longitude difference (°, + West)</translation>
    </message>
    <message>
        <source>Pagina %1 di %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Il generatore di PDF di Qt non ha accettato la scheda: nessun file è stato scritto.</source>
        <translation>Qt&apos;s PDF generator did not accept the sheet: no file was written.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Modifica</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Vista</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Apri…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Salva con nome…</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>Esporta…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Adatta</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Ingrandisci</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Riduci</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Quadrante polare: lo stilo è parallelo al piano e non ha un centro del quadrante O, quindi non ha una lunghezza. Resta data l&apos;altezza del nodo.</source>
        <translation>Polar dial: the style is parallel to the plane and has no dial centre O, so it has no length. The nodus height stays the given measure.</translation>
    </message>
    <message>
        <source>Recenti</source>
        <translation>Recent</translation>
    </message>
    <message>
        <source>Nessun progetto recente</source>
        <translation>No recent projects</translation>
    </message>
    <message>
        <source>Stampa…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Stampa in una pagina</source>
        <translation>Print on one page</translation>
    </message>
    <message>
        <source>Anteprima di stampa…</source>
        <translation>Print preview…</translation>
    </message>
    <message>
        <source>%1 — scala 1:%2, ridotto: non misurare su questo foglio</source>
        <translation>%1 — scale 1:%2, reduced: do not measure on this sheet</translation>
    </message>
    <message>
        <source>Alcuni valori non sono accettati (vedere i messaggi in rosso): correggerli prima di stampare.</source>
        <translation>Some values are not accepted (see the messages in red): correct them before printing.</translation>
    </message>
    <message>
        <source>Stampa non riuscita</source>
        <translation>Printing failed</translation>
    </message>
    <message>
        <source>%1 — scala 1:1</source>
        <translation>%1 — scale 1:1</translation>
    </message>
    <message>
        <source>Il generatore di PDF di Qt non ha accettato la pagina di %1 × %2 mm: nessun file è stato scritto.</source>
        <translation>Qt’s PDF writer did not accept the page of %1 × %2 mm: no file was written.</translation>
    </message>
    <message>
        <source>Il generatore di SVG di Qt non ha accettato la pagina di %1 × %2 mm: nessun file è stato scritto.</source>
        <translation>Qt’s SVG writer did not accept the page of %1 × %2 mm: no file was written.</translation>
    </message>
    <message>
        <source>Il quadrante non può essere calcolato: %1</source>
        <translation>The dial cannot be computed: %1</translation>
    </message>
    <message>
        <source>Progetto del quadrante</source>
        <translation>Dial designer</translation>
    </message>
    <message>
        <source>Luogo</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Plane</translation>
    </message>
    <message>
        <source>Gnomone</source>
        <translation>Gnomon</translation>
    </message>
    <message>
        <source>Sistemi orari</source>
        <translation>Hour systems</translation>
    </message>
    <message>
        <source>Linee diurne</source>
        <translation>Date lines</translation>
    </message>
    <message>
        <source>Lastra</source>
        <translation>Plate</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Latitudine (°, Nord positiva)</source>
        <translation>Latitude (°, North positive)</translation>
    </message>
    <message>
        <source>Longitudine (°, Est positiva)</source>
        <translation>Longitude (°, East positive)</translation>
    </message>
    <message>
        <source>Fuso orario (ore da UT)</source>
        <translation>Time zone (hours from UT)</translation>
    </message>
    <message>
        <source>Ora legale</source>
        <translation>Summer time</translation>
    </message>
    <message>
        <source>Declinazione (°, da 0 a 180)</source>
        <translation>Declination (°, 0 to 180)</translation>
    </message>
    <message>
        <source>Lato</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>Est</source>
        <translation>East</translation>
    </message>
    <message>
        <source>Ovest</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Inclinazione (°, 0 verticale, 90 orizzontale)</source>
        <translation>Inclination (°, 0 vertical, 90 horizontal)</translation>
    </message>
    <message>
        <source>Misura data</source>
        <translation>Given size</translation>
    </message>
    <message>
        <source>Altezza del nodo</source>
        <translation>Nodus height</translation>
    </message>
    <message>
        <source>Lunghezza dello stilo</source>
        <translation>Style length</translation>
    </message>
    <message>
        <source>Altezza del nodo (mm)</source>
        <translation>Nodus height (mm)</translation>
    </message>
    <message>
        <source>Lunghezza dello stilo (mm)</source>
        <translation>Style length (mm)</translation>
    </message>
    <message>
        <source>Ore vere (tempo vero locale)</source>
        <translation>Apparent time (local apparent time)</translation>
    </message>
    <message>
        <source>Mezze ore</source>
        <translation>Half hours</translation>
    </message>
    <message>
        <source>Ore civili (analemmi)</source>
        <translation>Zone time (analemmas)</translation>
    </message>
    <message>
        <source>Analemma</source>
        <translation>Analemma</translation>
    </message>
    <message>
        <source>intero</source>
        <translation>whole</translation>
    </message>
    <message>
        <source>a metà</source>
        <translation>half</translation>
    </message>
    <message>
        <source>solo mezzogiorno</source>
        <translation>noon only</translation>
    </message>
    <message>
        <source>Anno degli analemmi</source>
        <translation>Year of the analemmas</translation>
    </message>
    <message>
        <source>Ore italiche</source>
        <translation>Italic hours</translation>
    </message>
    <message>
        <source>Ore babiloniche</source>
        <translation>Babylonian hours</translation>
    </message>
    <message>
        <source>Solstizi ed equinozi</source>
        <translation>Solstices and equinoxes</translation>
    </message>
    <message>
        <source>Ingresso nei segni zodiacali</source>
        <translation>Entry into the zodiac signs</translation>
    </message>
    <message>
        <source>Primo di ogni mese</source>
        <translation>First of each month</translation>
    </message>
    <message>
        <source>Altre date (gg/mm/aaaa)</source>
        <translation>Other dates (dd/mm/yyyy)</translation>
    </message>
    <message>
        <source>Larghezza (mm)</source>
        <translation>Width (mm)</translation>
    </message>
    <message>
        <source>Altezza (mm)</source>
        <translation>Height (mm)</translation>
    </message>
    <message>
        <source>Piede dello gnomone F dal bordo sinistro (mm)</source>
        <translation>Foot of the gnomon F from the left edge (mm)</translation>
    </message>
    <message>
        <source>Piede dello gnomone F dal bordo alto (mm)</source>
        <translation>Foot of the gnomon F from the top edge (mm)</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Salva con nome</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Esporta</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Disegno</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>Progetti di Horalo (*.horalo)</source>
        <translation>Horalo projects (*.horalo)</translation>
    </message>
    <message>
        <source>Scrivere un numero.</source>
        <translation>Write a number.</translation>
    </message>
    <message>
        <source>Scrivere un anno tra 1600 e 2400.</source>
        <translation>Write a year between 1600 and 2400.</translation>
    </message>
    <message>
        <source>Data inesistente o fuori dagli anni 1600-2400: %1</source>
        <translation>No such date, or outside the years 1600-2400: %1</translation>
    </message>
    <message>
        <source>Progetto non aperto</source>
        <translation>Project not opened</translation>
    </message>
    <message>
        <source>Progetto non salvato</source>
        <translation>Project not saved</translation>
    </message>
    <message>
        <source>Esportazione non riuscita</source>
        <translation>Export failed</translation>
    </message>
    <message>
        <source>Esportato in %1</source>
        <translation>Exported to %1</translation>
    </message>
    <message>
        <source>Il progetto ha modifiche non salvate. Salvarle prima di chiudere?</source>
        <translation>The project has unsaved changes. Save them before closing?</translation>
    </message>
    <message>
        <source>Valore non accettato: resta il disegno precedente.</source>
        <translation>Value not accepted: the previous drawing stays.</translation>
    </message>
    <message>
        <source>%1 linee, %2 punti in Coordinate.</source>
        <translation>%1 lines, %2 points in Coordinates.</translation>
    </message>
    <message>
        <source>%1 linee; i punti nella scheda Coordinate.</source>
        <translation>%1 lines; the points in the Coordinates tab.</translation>
    </message>
    <message>
        <source>Il quadrante non può essere calcolato.</source>
        <translation>The dial cannot be computed.</translation>
    </message>
    <message>
        <source>gennaio</source>
        <translation>January</translation>
    </message>
    <message>
        <source>febbraio</source>
        <translation>February</translation>
    </message>
    <message>
        <source>marzo</source>
        <translation>March</translation>
    </message>
    <message>
        <source>aprile</source>
        <translation>April</translation>
    </message>
    <message>
        <source>maggio</source>
        <translation>May</translation>
    </message>
    <message>
        <source>giugno</source>
        <translation>June</translation>
    </message>
    <message>
        <source>luglio</source>
        <translation>July</translation>
    </message>
    <message>
        <source>agosto</source>
        <translation>August</translation>
    </message>
    <message>
        <source>settembre</source>
        <translation>September</translation>
    </message>
    <message>
        <source>ottobre</source>
        <translation>October</translation>
    </message>
    <message>
        <source>novembre</source>
        <translation>November</translation>
    </message>
    <message>
        <source>dicembre</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Ariete</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Toro</source>
        <translation>Taurus</translation>
    </message>
    <message>
        <source>Gemelli</source>
        <translation>Gemini</translation>
    </message>
    <message>
        <source>Cancro</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leone</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Vergine</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Bilancia</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpione</source>
        <translation>Scorpio</translation>
    </message>
    <message>
        <source>Sagittario</source>
        <translation>Sagittarius</translation>
    </message>
    <message>
        <source>Capricorno</source>
        <translation>Capricorn</translation>
    </message>
    <message>
        <source>Acquario</source>
        <translation>Aquarius</translation>
    </message>
    <message>
        <source>Pesci</source>
        <translation>Pisces</translation>
    </message>
    <message>
        <source>Equinozi</source>
        <translation>Equinoxes</translation>
    </message>
    <message>
        <source>&lt;giorno&gt; &lt;mese&gt;</source>
        <translation>&lt;mese&gt; &lt;giorno&gt;</translation>
    </message>
    <message>
        <source>Quadrante </source>
        <translation>Dial </translation>
    </message>
    <message>
        <source> Est</source>
        <translation> East</translation>
    </message>
    <message>
        <source> Ovest</source>
        <translation> West</translation>
    </message>
    <message>
        <source>Latitudine </source>
        <translation>Latitude </translation>
    </message>
    <message>
        <source>vere e mezze ore</source>
        <translation>apparent and half hours</translation>
    </message>
    <message>
        <source>vere</source>
        <translation>apparent</translation>
    </message>
    <message>
        <source>del mezzogiorno</source>
        <translation>at noon</translation>
    </message>
    <message>
        <source>italiche</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>babiloniche</source>
        <translation>Babylonian</translation>
    </message>
    <message>
        <source>nessuna</source>
        <translation>none</translation>
    </message>
    <message>
        <source>solstizi ed equinozi</source>
        <translation>solstices and equinoxes</translation>
    </message>
    <message>
        <source>segni zodiacali</source>
        <translation>zodiac signs</translation>
    </message>
    <message>
        <source>primo del mese</source>
        <translation>first of the month</translation>
    </message>
    <message>
        <source>Quadrante polare: lo stilo è parallelo al piano, senza centro</source>
        <translation>Polar dial: the style is parallel to the plane, no dial centre</translation>
    </message>
    <message>
        <source>Scala 1:1, misure in mm dal piede dello gnomone F (x a destra, y in alto)</source>
        <translation>Scale 1:1, sizes in mm from the foot of the gnomon F (x to the right, y up)</translation>
    </message>
    <message>
        <source>Ore vere</source>
        <translation>Apparent time</translation>
    </message>
    <message>
        <source>Ore civili (tempo del fuso)</source>
        <translation>Zone time</translation>
    </message>
    <message>
        <source>Da dicembre a giugno: linea continua</source>
        <translation>December to June: solid line</translation>
    </message>
    <message>
        <source>Da giugno a dicembre: linea tratteggiata</source>
        <translation>June to December: dashed line</translation>
    </message>
    <message>
        <source> dic-giu</source>
        <translation> Dec-Jun</translation>
    </message>
    <message>
        <source> giu-dic</source>
        <translation> Jun-Dec</translation>
    </message>
    <message>
        <source>stilo </source>
        <translation>style </translation>
    </message>
    <message>
        <source>Alto</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Nessun nome di file.</source>
        <translation>No file name.</translation>
    </message>
    <message>
        <source>Il file non è un progetto di Horalo: manca l&apos;oggetto JSON principale.</source>
        <translation>The file is not a Horalo project: the main JSON object is missing.</translation>
    </message>
    <message>
        <source>Il file non è un progetto di Horalo: «formato» deve essere &quot;horalo-quadrante&quot;.</source>
        <translation>The file is not a Horalo project: “formato” must be "horalo-quadrante".</translation>
    </message>
    <message>
        <source>Il valore di «versione» deve essere un numero intero.</source>
        <translation>The value of “versione” must be a whole number.</translation>
    </message>
    <message>
        <source>La sezione «gnomone» deve dare «altezza_mm» oppure «stilo_mm», non entrambi.</source>
        <translation>The section “gnomone” must give “altezza_mm” or “stilo_mm”, not both.</translation>
    </message>
    <message>
        <source>Il valore di «ore.analemma» deve essere &quot;intero&quot;, &quot;meta&quot; o &quot;mezzogiorno&quot;.</source>
        <translation>The value of “ore.analemma” must be "intero", "meta" or "mezzogiorno".</translation>
    </message>
    <message>
        <source>Il valore di «ore.anno» deve essere un numero intero.</source>
        <translation>The value of “ore.anno” must be a whole number.</translation>
    </message>
    <message>
        <source>Il valore di «date.giorni» deve essere un elenco di date &quot;gg/mm/aaaa&quot;.</source>
        <translation>The value of “date.giorni” must be a list of dates "dd/mm/yyyy".</translation>
    </message>
    <message>
        <source>Ogni elemento di «date.giorni» deve essere una data &quot;gg/mm/aaaa&quot;.</source>
        <translation>Every item of “date.giorni” must be a date "dd/mm/yyyy".</translation>
    </message>
    <message>
        <source>Il file è vuoto.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Il file contiene valori di tipo inatteso.</source>
        <translation>The file holds values of an unexpected type.</translation>
    </message>
    <message>
        <source>Impossibile aprire il file «</source>
        <translation>Cannot open the file “</translation>
    </message>
    <message>
        <source>La latitudine deve essere compresa tra -89,99 e 89,99 gradi.</source>
        <translation>The latitude must be between -89.99 and 89.99 degrees.</translation>
    </message>
    <message>
        <source>La longitudine deve essere compresa tra -180 e 180 gradi.</source>
        <translation>The longitude must be between -180 and 180 degrees.</translation>
    </message>
    <message>
        <source>La declinazione deve essere compresa tra 0 e 180 gradi.</source>
        <translation>The declination must be between 0 and 180 degrees.</translation>
    </message>
    <message>
        <source>L&apos;inclinazione va da -80 (piano rivolto verso terra) a 90 (orizzontale).</source>
        <translation>The inclination goes from -80 (plane facing the ground) to 90 (horizontal).</translation>
    </message>
    <message>
        <source>Sustilare</source>
        <translation>Substyle</translation>
    </message>
    <message>
        <source>Solstizio estivo</source>
        <translation>Summer solstice</translation>
    </message>
    <message>
        <source>Solstizio invernale</source>
        <translation>Winter solstice</translation>
    </message>
    <message>
        <source>Gemelli e Leone</source>
        <translation>Gemini and Leo</translation>
    </message>
    <message>
        <source>Toro e Vergine</source>
        <translation>Taurus and Virgo</translation>
    </message>
    <message>
        <source>Scorpione e Pesci</source>
        <translation>Scorpio and Pisces</translation>
    </message>
    <message>
        <source>Sagittario e Acquario</source>
        <translation>Sagittarius and Aquarius</translation>
    </message>
    <message>
        <source>Curve solstiziali ed equinoziali orizzontale</source>
        <translation>Solstice and equinox curves, horizontal</translation>
    </message>
    <message>
        <source>Curve solstiziali ed equinoziali verticale</source>
        <translation>Solstice and equinox curves, vertical</translation>
    </message>
    <message>
        <source>Curve zodiacali e anniversario</source>
        <translation>Zodiac curves and anniversary</translation>
    </message>
    <message>
        <source>Declinazione </source>
        <translation>Declination </translation>
    </message>
    <message>
        <source>Stilo </source>
        <translation>Style length </translation>
    </message>
    <message>
        <source>Scala 1:1</source>
        <translation>Scale 1:1</translation>
    </message>
    <message>
        <source>Sagoma dello stilo</source>
        <translation>Style template</translation>
    </message>
    <message>
        <source>Disegno curve orizzontali</source>
        <translation>Horizontal curves drawing</translation>
    </message>
    <message>
        <source>Disegno curve verticali</source>
        <translation>Vertical curves drawing</translation>
    </message>
    <message>
        <source>Disegno curve zodiacali</source>
        <translation>Zodiac curves drawing</translation>
    </message>
    <message>
        <source>GONIOMETRO 1:1 PER IL RILIEVO DELLA PARETE</source>
        <translation>PROTRACTOR 1:1 FOR THE WALL SURVEY</translation>
    </message>
    <message>
        <source>lato della tavoletta contro la parete</source>
        <translation>edge of the board against the wall</translation>
    </message>
    <message>
        <source>100 mm: misurare con un righello per controllare la scala di stampa</source>
        <translation>100 mm: measure with a ruler to check the print scale</translation>
    </message>
    <message>
        <source>Incollare sulla tavoletta orizzontale con la linea tratteggiata contro la parete;</source>
        <translation>Glue onto the horizontal board with the dashed line against the wall,</translation>
    </message>
    <message>
        <source>il filo a piombo sopra il centro. L&apos;angolo alfa è quello dell&apos;ombra del filo dallo 0,</source>
        <translation>the plumb line above the centre. The angle alpha is that of the line's shadow from 0,</translation>
    </message>
    <message>
        <source>positivo se l&apos;ombra va a destra guardando la parete.</source>
        <translation>positive if the shadow goes to the right as you face the wall.</translation>
    </message>
    <message>
        <source>Horalo 2002 - programma per la costruzione di orologi solari</source>
        <translation>Horalo 2002 - a program for making sundials</translation>
    </message>
    <message>
        <source>Rilievo della parete</source>
        <translation>Wall survey</translation>
    </message>
    <message>
        <source>Latitudine (°, + Nord)</source>
        <translation>Latitude (°, + North)</translation>
    </message>
    <message>
        <source>Longitudine (°, + Est)</source>
        <translation>Longitude (°, + East)</translation>
    </message>
    <message>
        <source>Fuso (ore da Greenwich)</source>
        <translation>Time zone (hours from Greenwich)</translation>
    </message>
    <message>
        <source>Osservazioni: ombra del filo a piombo sulla tavoletta</source>
        <translation>Observations: shadow of the plumb line on the board</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Data (gg/mm/aaaa)</source>
        <translation>Date (dd/mm/yyyy)</translation>
    </message>
    <message>
        <source>Ora (hh:mm:ss)</source>
        <translation>Time (hh:mm:ss)</translation>
    </message>
    <message>
        <source>α (°)</source>
        <translation>α (°)</translation>
    </message>
    <message>
        <source>Azimut Sole (°)</source>
        <translation>Sun azimuth (°)</translation>
    </message>
    <message>
        <source>Altezza Sole (°)</source>
        <translation>Sun altitude (°)</translation>
    </message>
    <message>
        <source>Declinazione</source>
        <translation>Declination</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>α: angolo tra la perpendicolare alla parete e l&apos;ombra del filo, positivo se l&apos;ombra va a destra guardando la parete. Azimut del Sole da Sud, positivo verso Ovest; declinazione D = azimut − α.</source>
        <translation>α: angle between the wall's perpendicular and the line's shadow, positive if the shadow goes to the right as you face the wall. Sun azimuth from South, positive towards West; declination D = azimuth − α.</translation>
    </message>
    <message>
        <source>Risultato</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Declinazione media (°)</source>
        <translation>Mean declination (°)</translation>
    </message>
    <message>
        <source>Scarto (°)</source>
        <translation>Spread (°)</translation>
    </message>
    <message>
        <source>Precisione attesa (°)</source>
        <translation>Expected accuracy (°)</translation>
    </message>
    <message>
        <source>Inclinazione con il filo a piombo</source>
        <translation>Inclination with the plumb line</translation>
    </message>
    <message>
        <source>L (mm)</source>
        <translation>L (mm)</translation>
    </message>
    <message>
        <source>a in alto (mm)</source>
        <translation>a at the top (mm)</translation>
    </message>
    <message>
        <source>b in basso (mm)</source>
        <translation>b at the bottom (mm)</translation>
    </message>
    <message>
        <source>Inclinazione (°)</source>
        <translation>Inclination (°)</translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Usa nel Quadrante</source>
        <translation>Use in the designer</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Stampa goniometro 1:1</source>
        <translation>Print protractor 1:1</translation>
    </message>
    <message>
        <source>Correggere i campi segnati in rosso.</source>
        <translation>Correct the fields marked in red.</translation>
    </message>
    <message>
        <source>Nessuna declinazione da usare: inserire almeno un&apos;osservazione valida.</source>
        <translation>No declination to use: enter at least one valid observation.</translation>
    </message>
    <message>
        <source>Il Quadrante non è disponibile in questa versione del programma.</source>
        <translation>The dial designer is not available in this version of the program.</translation>
    </message>
    <message>
        <source>Il Quadrante non ha accettato il rilievo.</source>
        <translation>The dial designer did not accept the survey.</translation>
    </message>
    <message>
        <source>«</source>
        <translation>“</translation>
    </message>
    <message>
        <source>»</source>
        <translation>”</translation>
    </message>
    <message>
        <source>Nulla è stato passato al Quadrante. %1</source>
        <translation>Nothing was passed to the dial designer. %1</translation>
    </message>
    <message>
        <source>Declinazione %1° non accettata. %2</source>
        <translation>Declination %1° not accepted. %2</translation>
    </message>
    <message>
        <source>Inclinazione %1° non accettata. %2</source>
        <translation>Inclination %1° not accepted. %2</translation>
    </message>
    <message>
        <source>Legale</source>
        <translation>Summer</translation>
    </message>
    <message>
        <source>probabilmente un&apos;ora di differenza (ora legale?)</source>
        <translation>probably one hour off (summer time?)</translation>
    </message>
    <message>
        <source>letta in ora legale</source>
        <translation>read in summer time</translation>
    </message>
    <message>
        <source>letta in ora solare</source>
        <translation>read in standard time</translation>
    </message>
    <message>
        <source>Declinazione %1 e inclinazione %2° passate al Quadrante.</source>
        <translation>Declination %1 and inclination %2° passed to the designer.</translation>
    </message>
    <message>
        <source> (inclinazione non misurata: parete verticale)</source>
        <translation> (inclination not measured: vertical wall)</translation>
    </message>
    <message>
        <source>parete</source>
        <translation>wall</translation>
    </message>
    <message>
        <source>tavoletta orizzontale</source>
        <translation>horizontal board</translation>
    </message>
    <message>
        <source>filo a piombo</source>
        <translation>plumb line</translation>
    </message>
    <message>
        <source>(vista dall&apos;alto)</source>
        <translation>(seen from above)</translation>
    </message>
    <message>
        <source>ombra</source>
        <translation>shadow</translation>
    </message>
    <message>
        <source>Sole</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>α</source>
        <translation>α</translation>
    </message>
    <message>
        <source>perpendicolare</source>
        <translation>perpendicular</translation>
    </message>
    <message>
        <source>impossibile</source>
        <translation>impossible</translation>
    </message>
    <message>
        <source>ignorata</source>
        <translation>ignored</translation>
    </message>
    <message>
        <source>manca il valore</source>
        <translation>value missing</translation>
    </message>
    <message>
        <source>non è un numero</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>data: </source>
        <translation>date: </translation>
    </message>
    <message>
        <source>ora: </source>
        <translation>time: </translation>
    </message>
    <message>
        <source>α: </source>
        <translation>α: </translation>
    </message>
    <message>
        <source>scrivere gg/mm/aaaa</source>
        <translation>write dd/mm/yyyy</translation>
    </message>
    <message>
        <source>scrivere hh:mm:ss</source>
        <translation>write hh:mm:ss</translation>
    </message>
    <message>
        <source>riga ignorata: manca </source>
        <translation>row ignored: missing </translation>
    </message>
    <message>
        <source>la data</source>
        <translation>the date</translation>
    </message>
    <message>
        <source>l&apos;ora</source>
        <translation>the time</translation>
    </message>
    <message>
        <source>l&apos;angolo α</source>
        <translation>the angle α</translation>
    </message>
    <message>
        <source>impossibile: Sole sotto l&apos;orizzonte (ora o data sbagliata?)</source>
        <translation>impossible: Sun below the horizon (wrong time or date?)</translation>
    </message>
    <message>
        <source>impossibile: Sole dietro la parete (ora sbagliata?)</source>
        <translation>impossible: Sun behind the wall (wrong time?)</translation>
    </message>
    <message>
        <source>nessuna osservazione valida</source>
        <translation>no valid observation</translation>
    </message>
    <message>
        <source>una sola osservazione: nessuno scarto</source>
        <translation>a single observation: no spread</translation>
    </message>
    <message>
        <source>per l&apos;inclinazione servono L, a e b</source>
        <translation>the inclination needs L, a and b</translation>
    </message>
    <message>
        <source>la parete pende all&apos;indietro (verso il cielo)</source>
        <translation>the wall leans back (towards the sky)</translation>
    </message>
    <message>
        <source>la parete pende in avanti (strapiomba)</source>
        <translation>the wall leans forward (overhangs)</translation>
    </message>
    <message>
        <source>la parete è a piombo</source>
        <translation>the wall is plumb</translation>
    </message>
    <message>
        <source>RILIEVO DELLA PARETE</source>
        <translation>WALL SURVEY</translation>
    </message>
    <message>
        <source>Azimut del Sole da Sud, positivo verso Ovest; declinazione D = azimut - alfa.</source>
        <translation>Sun azimuth from South, positive towards West; declination D = azimuth - alpha.</translation>
    </message>
    <message>
        <source>Declinazione media: </source>
        <translation>Mean declination: </translation>
    </message>
    <message>
        <source>Scarto (deviazione standard): </source>
        <translation>Spread (standard deviation): </translation>
    </message>
    <message>
        <source>Precisione attesa della media: </source>
        <translation>Expected accuracy of the mean: </translation>
    </message>
    <message>
        <source>Inclinazione: </source>
        <translation>Inclination: </translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Ora</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>alfa (°)</source>
        <translation>alpha (°)</translation>
    </message>
    <message>
        <source>Azimut (°)</source>
        <translation>Azimuth (°)</translation>
    </message>
    <message>
        <source>Altezza (°)</source>
        <translation>Altitude (°)</translation>
    </message>
    <message>
        <source>Declinazione (°)</source>
        <translation>Declination (°)</translation>
    </message>
    <message>
        <source>riga %1, colonna %2 (di %3 x %4)</source>
        <translation>row %1, column %2 (of %3 x %4)</translation>
    </message>
    <message>
        <source>Il disegno richiede %1 fogli A4. Stampare?</source>
        <translation>The drawing needs %1 A4 sheets. Print it?</translation>
    </message>
    <message>
        <source>Il disegno è troppo grande per la stampa 1:1 (%1 fogli, al massimo %2): esportalo in PDF o riduci lo stilo</source>
        <translation>The drawing is too large to print at 1:1 (%1 sheets, at most %2): export it as PDF or shorten the style</translation>
    </message>
    <message>
        <source>Stampa 1:1 su %1 fogli A4 oltre a questo (%2 x %3, %4)</source>
        <translation>Printed at 1:1 on %1 A4 sheets besides this one (%2 x %3, %4)</translation>
    </message>
    <message>
        <source>verticali</source>
        <translation>portrait</translation>
    </message>
    <message>
        <source>orizzontali</source>
        <translation>landscape</translation>
    </message>
    <message>
        <source>Riga, colonna di ogni foglio; i riquadri vuoti non si stampano. Ritagliare ai segni d&apos;angolo, sovrapporre le croci e incollare.</source>
        <translation>Row, column of each sheet; empty tiles are not printed. Cut at the corner marks, lay the crosses over each other and glue.</translation>
    </message>
    <message>
        <source>Salva il disegno</source>
        <translation>Save the drawing</translation>
    </message>
    <message>
        <source>Errore nella scrittura del file</source>
        <translation>Error writing the file</translation>
    </message>
    <message>
        <source>Linee fermate a &lt;mm&gt; mm da O (12 volte lo stilo): oltre, l&apos;ombra corre via</source>
        <translation>Lines stop &lt;mm&gt; mm from the dial centre O (12 style lengths): beyond, the shadow runs away</translation>
    </message>
    <message>
        <source>Curve per declinazioni del Sole di </source>
        <translation>Curves for Sun declinations of </translation>
    </message>
    <message>
        <source>Non disegnate (Sole sotto l&apos;orizzonte o ombra oltre il limite): </source>
        <translation>Not drawn (Sun below the horizon or shadow beyond the limit): </translation>
    </message>
    <message>
        <source> Il piede dello gnomone F è fuori dalla lastra.</source>
        <translation> The foot of the gnomon F is off the plate.</translation>
    </message>
    <message>
        <source>Il progetto ha modifiche non salvate. Salvarle prima di sostituirlo?</source>
        <translation>The project has unsaved changes. Save them before replacing it?</translation>
    </message>
    <message>
        <source>tipo</source>
        <translation>type</translation>
    </message>
    <message>
        <source>etichetta</source>
        <translation>label</translation>
    </message>
    <message>
        <source>ora</source>
        <translation>hour</translation>
    </message>
    <message>
        <source>data</source>
        <translation>date</translation>
    </message>
    <message>
        <source>declinazione</source>
        <translation>declination</translation>
    </message>
    <message>
        <source>ora_vera</source>
        <translation>apparent time</translation>
    </message>
    <message>
        <source>ora_civile</source>
        <translation>clock time</translation>
    </message>
    <message>
        <source>italica</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>babilonese</source>
        <translation>Babylonian</translation>
    </message>
    <message>
        <source>linea_data</source>
        <translation>date line</translation>
    </message>
    <message>
        <source>centro</source>
        <translation>dial centre O</translation>
    </message>
    <message>
        <source>piede</source>
        <translation>foot of the gnomon F</translation>
    </message>
    <message>
        <source>Il file contiene un numero troppo grande per essere letto.</source>
        <translation>The file holds a number too large to be read.</translation>
    </message>
    <message>
        <source>Alcuni valori non sono accettati (vedere i messaggi in rosso): correggerli prima di salvare.</source>
        <translation>Some values are not accepted (see the messages in red): correct them before saving.</translation>
    </message>
    <message>
        <source>Alcuni valori non sono accettati (vedere i messaggi in rosso): correggerli prima di esportare.</source>
        <translation>Some values are not accepted (see the messages in red): correct them before exporting.</translation>
    </message>
    <message>
        <source>Il file ha elenchi o sezioni annidati più di 64 livelli: non è un progetto di Horalo.</source>
        <translation>The file has lists or sections nested more than 64 levels deep: it is not a Horalo project.</translation>
    </message>
    <message>
        <source>Manca il valore di %1.</source>
        <translation>The value of %1 is missing.</translation>
    </message>
    <message>
        <source>Manca la sezione %1.</source>
        <translation>The section %1 is missing.</translation>
    </message>
    <message>
        <source>Manca il valore di «gnomone.altezza_mm» (o di «gnomone.stilo_mm»).</source>
        <translation>The value of “gnomone.altezza_mm” (or of “gnomone.stilo_mm”) is missing.</translation>
    </message>
    <message>
        <source>Il fuso deve essere compreso tra -12 e 14 ore.</source>
        <translation>The time zone must be between -12 and 14 hours.</translation>
    </message>
    <message>
        <source>L&apos;altezza del nodo deve essere maggiore di 0 e al massimo 20000 mm.</source>
        <translation>The nodus height must be more than 0 and at most 20000 mm.</translation>
    </message>
    <message>
        <source>La lunghezza dello stilo deve essere maggiore di 0 e al massimo 20000 mm.</source>
        <translation>The style length must be more than 0 and at most 20000 mm.</translation>
    </message>
    <message>
        <source>La lastra deve misurare da 10 a 20000 mm per lato.</source>
        <translation>Each side of the plate must measure from 10 to 20000 mm.</translation>
    </message>
    <message>
        <source>Il piede dello gnomone deve stare tra -20000 e 20000 mm dal bordo.</source>
        <translation>The foot of the gnomon F must lie between -20000 and 20000 mm from the edge.</translation>
    </message>
    <message>
        <source>Il nome contiene un carattere che i file di disegno non possono contenere (a capo, tabulazione o altro carattere di controllo, U+FFFE o U+FFFF).</source>
        <translation>The name holds a character that drawing files cannot hold (a line break, a tab or another control character, U+FFFE or U+FFFF).</translation>
    </message>
    <message>
        <source>Il nome non può contenere «]]&gt;».</source>
        <translation>The name cannot hold “]]&gt;”.</translation>
    </message>
    <message>
        <source>Il nome è troppo lungo: al massimo 200 caratteri.</source>
        <translation>The name is too long: at most 200 characters.</translation>
    </message>
    <message>
        <source>Al massimo 30 date oltre a solstizi, equinozi, segni e mesi (le date ripetute contano una volta).</source>
        <translation>At most 30 dates besides the solstices, equinoxes, signs and months (a repeated date counts once).</translation>
    </message>
    <message>
        <source>Il lato più lungo della lastra può misurare al massimo 200 volte lo gnomone (altezza del nodo o lunghezza dello stilo).</source>
        <translation>The plate&apos;s longer side may measure at most 200 times the gnomon (nodus height or style length).</translation>
    </message>
    <message>
        <source>Impossibile aprire il file %1.</source>
        <translation>Cannot open the file %1.</translation>
    </message>
    <message>
        <source>%1 è una cartella, non un progetto.</source>
        <translation>%1 is a folder, not a project.</translation>
    </message>
    <message>
        <source>%1 non è un file ordinario (è un dispositivo, una coda o un socket).</source>
        <translation>%1 is not an ordinary file (it is a device, a pipe or a socket).</translation>
    </message>
    <message>
        <source>Il file %1 è troppo grande per un progetto (più di 1 MB).</source>
        <translation>The file %1 is too large for a project (over 1 MB).</translation>
    </message>
    <message>
        <source>Ombra</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <source>Adesso</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>▶ Giorno</source>
        <translation>▶ Day</translation>
    </message>
    <message>
        <source>▶ Anno</source>
        <translation>▶ Year</translation>
    </message>
    <message>
        <source>Vera</source>
        <translation>Apparent</translation>
    </message>
    <message>
        <source>Civile</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>Italiche</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Babiloniche</source>
        <translation>Babylonian</translation>
    </message>
    <message>
        <source>Temporarie</source>
        <translation>Temporary</translation>
    </message>
    <message>
        <source>Data dell&apos;ombra</source>
        <translation>Date of the shadow</translation>
    </message>
    <message>
        <source>Ora dell&apos;ombra</source>
        <translation>Time of the shadow</translation>
    </message>
    <message>
        <source>Ora lungo il giorno</source>
        <translation>Time through the day</translation>
    </message>
    <message>
        <source>Anima il giorno</source>
        <translation>Play through the day</translation>
    </message>
    <message>
        <source>Anima l&apos;anno</source>
        <translation>Play through the year</translation>
    </message>
    <message>
        <source>x dell&apos;ombra (mm)</source>
        <translation>Shadow x (mm)</translation>
    </message>
    <message>
        <source>y dell&apos;ombra (mm)</source>
        <translation>Shadow y (mm)</translation>
    </message>
    <message>
        <source>Tempo vero locale</source>
        <translation>Local apparent time</translation>
    </message>
    <message>
        <source>Tempo civile</source>
        <translation>Zone time</translation>
    </message>
    <message>
        <source>Il giorno dell&apos;ombra, gg/mm/aaaa.</source>
        <translation>The day of the shadow, dd/mm/yyyy.</translation>
    </message>
    <message>
        <source>L&apos;ora dell&apos;orologio del fuso, hh:mm, con l&apos;ora legale se scelta.</source>
        <translation>The time on the zone&apos;s clock, hh:mm, with summer time if chosen.</translation>
    </message>
    <message>
        <source>L&apos;ora lungo il giorno, un minuto a passo.</source>
        <translation>The time through the day, one minute a step.</translation>
    </message>
    <message>
        <source>La data e l&apos;ora di adesso all&apos;orologio del fuso del quadrante.</source>
        <translation>Today&apos;s date and the time now on the clock of the dial&apos;s zone.</translation>
    </message>
    <message>
        <source>Fa scorrere il giorno, un minuto a passo. Premere di nuovo per fermare.</source>
        <translation>Plays through the day, one minute a step. Press again to stop.</translation>
    </message>
    <message>
        <source>Fa scorrere l&apos;anno, un giorno a passo alla stessa ora. Premere di nuovo per fermare.</source>
        <translation>Plays through the year, one day a step at the same time. Press again to stop.</translation>
    </message>
    <message>
        <source>Il punto d&apos;ombra del nodo: mm dal piede dello gnomone F, verso destra.</source>
        <translation>The nodus&apos;s shadow point: mm from the foot of the gnomon F, to the right.</translation>
    </message>
    <message>
        <source>Il punto d&apos;ombra del nodo: mm dal piede dello gnomone F, verso l&apos;alto.</source>
        <translation>The nodus&apos;s shadow point: mm from the foot of the gnomon F, upwards.</translation>
    </message>
    <message>
        <source>Il tempo vero locale che il quadrante segna.</source>
        <translation>The local apparent time the dial reads.</translation>
    </message>
    <message>
        <source>L&apos;ora che segnano le linee del tempo civile (del fuso), o del tempo medio locale.</source>
        <translation>The time the dial&apos;s clock lines read: zone time, or local mean time.</translation>
    </message>
    <message>
        <source>Ore italiche: ore passate dal tramonto precedente.</source>
        <translation>Italic hours: hours since the last sunset.</translation>
    </message>
    <message>
        <source>Ore babiloniche: ore passate dal sorgere del Sole.</source>
        <translation>Babylonian hours: hours since sunrise.</translation>
    </message>
    <message>
        <source>Ore temporarie: dodicesimi del giorno passati dal sorgere del Sole.</source>
        <translation>Temporary hours: twelfths of the daylight gone by since sunrise.</translation>
    </message>
    <message>
        <source>Il Sole è sotto l&apos;orizzonte.</source>
        <translation>The Sun is below the horizon.</translation>
    </message>
    <message>
        <source>Il Sole è dietro il piano.</source>
        <translation>The Sun is behind the plane.</translation>
    </message>
    <message>
        <source>Scrivere la data come gg/mm/aaaa.</source>
        <translation>Write the date as dd/mm/yyyy.</translation>
    </message>
    <message>
        <source>Questa data non esiste: %1</source>
        <translation>This date does not exist: %1</translation>
    </message>
    <message>
        <source>Scrivere l&apos;ora come hh:mm, da 00:00 a 23:59.</source>
        <translation>Write the time as hh:mm, from 00:00 to 23:59.</translation>
    </message>
    <message>
        <source>La sezione %1 deve essere un oggetto JSON.</source>
        <translation>The section %1 must be a JSON object.</translation>
    </message>
    <message>
        <source>Il valore di %1 deve essere un numero.</source>
        <translation>The value of %1 must be a number.</translation>
    </message>
    <message>
        <source>Il valore di %1 (%2) deve essere maggiore di %3 e al massimo %4.</source>
        <translation>The value of %1 (%2) must be greater than %3 and at most %4.</translation>
    </message>
    <message>
        <source>Il valore di %1 (%2) è fuori dall&apos;intervallo da %3 a %4.</source>
        <translation>The value of %1 (%2) is outside the range from %3 to %4.</translation>
    </message>
    <message>
        <source>Il valore di %1 deve essere true o false.</source>
        <translation>The value of %1 must be true or false.</translation>
    </message>
    <message>
        <source>Il valore di %1 deve essere un testo.</source>
        <translation>The value of %1 must be a text.</translation>
    </message>
    <message>
        <source>Il progetto è stato scritto da una versione più recente di Horalo (versione %1); questa versione legge fino alla versione %2.</source>
        <translation>The project was written by a newer version of Horalo (version %1); this version reads up to version %2.</translation>
    </message>
    <message>
        <source>Il valore di %1 (%2) non è valido.</source>
        <translation>The value of %1 (%2) is not valid.</translation>
    </message>
    <message>
        <source>La data «%1» in «date.giorni» non esiste o è fuori dagli anni %2-%3.</source>
        <translation>The date “%1” in “date.giorni” does not exist or is outside the years %2-%3.</translation>
    </message>
    <message>
        <source>Il file è troncato o non è JSON valido (al carattere %1).</source>
        <translation>The file is truncated or not valid JSON (at character %1).</translation>
    </message>
    <message>
        <source>La data «%1» non esiste o è fuori dagli anni 1600-2400.</source>
        <translation>The date “%1” does not exist or is outside the years 1600-2400.</translation>
    </message>
    <message>
        <source>civili (analemma %1, anno %2)</source>
        <translation>zone time (analemma %1, year %2)</translation>
    </message>
    <message>
        <source>Declinazione del piano %1 (Sud)  inclinazione %2</source>
        <translation>Plane declination %1 (South)  inclination %2</translation>
    </message>
    <message>
        <source>Declinazione del piano %1 (Nord)  inclinazione %2</source>
        <translation>Plane declination %1 (North)  inclination %2</translation>
    </message>
    <message>
        <source>Declinazione del piano %1 Est  inclinazione %2</source>
        <translation>Plane declination %1 East  inclination %2</translation>
    </message>
    <message>
        <source>Declinazione del piano %1 Ovest  inclinazione %2</source>
        <translation>Plane declination %1 West  inclination %2</translation>
    </message>
    <message>
        <source>Latitudine %1  longitudine %2 (Est positiva)</source>
        <translation>Latitude %1  longitude %2 (East positive)</translation>
    </message>
    <message>
        <source>Fuso %1 h, ora legale</source>
        <translation>Time zone %1 h, summer time</translation>
    </message>
    <message>
        <source>Fuso %1 h, senza ora legale</source>
        <translation>Time zone %1 h, no summer time</translation>
    </message>
    <message>
        <source>Lunghezza dello stilo %1 mm</source>
        <translation>Style length %1 mm</translation>
    </message>
    <message>
        <source>Altezza del nodo %1 mm</source>
        <translation>Nodus height %1 mm</translation>
    </message>
    <message>
        <source>Linee diurne: %1</source>
        <translation>Date lines: %1</translation>
    </message>
    <message>
        <source>Lastra %1 × %2 mm, piede dello gnomone F a %3 mm da sinistra e %4 mm dall&apos;alto</source>
        <translation>Plate %1 × %2 mm, foot of the gnomon F %3 mm from the left and %4 mm from the top</translation>
    </message>
    <message>
        <source>Lastra %1 × %2 mm, piede dello gnomone F a %3 mm da sinistra e %4 mm dall&apos;alto (fuori dalla lastra)</source>
        <translation>Plate %1 × %2 mm, foot of the gnomon F %3 mm from the left and %4 mm from the top (off the plate)</translation>
    </message>
    <message>
        <source>Elevazione dello stilo %1  altezza del nodo %2 mm  stilo O-nodo %3 mm</source>
        <translation>Style elevation %1  nodus height %2 mm  style O-nodus %3 mm</translation>
    </message>
    <message>
        <source>Elevazione dello stilo %1  altezza del nodo %2 mm</source>
        <translation>Style elevation %1  nodus height %2 mm</translation>
    </message>
    <message>
        <source>Angolo della sustilare %1 dalla verticale (+ verso il pomeriggio)</source>
        <translation>Substyle angle %1 from the vertical (+ towards the afternoon)</translation>
    </message>
    <message>
        <source>Angolo della sustilare %1 dalla meridiana (+ verso il pomeriggio)</source>
        <translation>Substyle angle %1 from the noon line (+ towards the afternoon)</translation>
    </message>
    <message>
        <source>La sustilare sale verso destra, a %1 dalla verticale</source>
        <translation>The substyle rises to the right, %1 from the vertical</translation>
    </message>
    <message>
        <source>La sustilare sale verso sinistra, a %1 dalla verticale</source>
        <translation>The substyle rises to the left, %1 from the vertical</translation>
    </message>
    <message>
        <source>Differenza di longitudine %1 (+ a Ovest)</source>
        <translation>Longitude difference %1 (+ to the West)</translation>
    </message>
    <message>
        <source>Centro del quadrante O (radice dello stilo) a x %1, y %2 mm da F</source>
        <translation>Dial centre O (root of the style) at x %1, y %2 mm from F</translation>
    </message>
    <message>
        <source>medie locali (analemma %1, anno %2)</source>
        <translation>local mean (analemma %1, year %2)</translation>
    </message>
    <message>
        <source>Ore: %1; con rifrazione (alba e tramonto col Sole 34′ sotto l&apos;orizzonte)</source>
        <translation>Hours: %1; with refraction (sunrise and sunset with the Sun 34′ below the horizon)</translation>
    </message>
    <message>
        <source>Ore: %1; senza rifrazione</source>
        <translation>Hours: %1; without refraction</translation>
    </message>
    <message>
        <source>Impossibile scrivere nella cartella di «%1»: %2.</source>
        <translation>Cannot write in the folder of “%1”: %2.</translation>
    </message>
    <message>
        <source>«%1» non è stato scritto: %2 (nessun file è stato cambiato).</source>
        <translation>“%1” was not written: %2 (no file was changed).</translation>
    </message>
    <message>
        <source>Impossibile sostituire «%1»: %2.</source>
        <translation>Cannot replace “%1”: %2.</translation>
    </message>
    <message>
        <source>«%1» è una cartella: scegliere un nome di file.</source>
        <translation>“%1” is a folder: choose a file name.</translation>
    </message>
    <message>
        <source>«%1» non è un file ordinario (è un dispositivo, una coda o un socket): scegliere un nome di file.</source>
        <translation>“%1” is not an ordinary file (it is a device, a FIFO or a socket): choose a file name.</translation>
    </message>
    <message>
        <source>il disco è pieno</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>lo spazio concesso su questo disco è esaurito</source>
        <translation>the space allowed on this disk is used up</translation>
    </message>
    <message>
        <source>il file supera la dimensione più grande che si può scrivere qui</source>
        <translation>the file is larger than the largest that may be written here</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>the disk reported an error</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>il disco è in sola lettura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>la cartella non esiste</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>una parte del percorso non è una cartella</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>il nome è troppo lungo</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>al suo posto c&apos;è una cartella</source>
        <translation>a folder stands in its place</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici uno dopo l&apos;altro</source>
        <translation>too many symbolic links one after another</translation>
    </message>
    <message>
        <source>troppi file aperti</source>
        <translation>too many files open</translation>
    </message>
    <message>
        <source>errore del sistema %1 (%2)</source>
        <translation>system error %1 (%2)</translation>
    </message>
    <message>
        <source>scartata: dista %1° dalla mediana</source>
        <translation>discarded: %1° from the median</translation>
    </message>
    <message>
        <source>Riga %1 scartata: dista %2° dalla mediana, oltre il limite di %3° (3 volte la deviazione mediana, almeno 0,1°)</source>
        <translation>Row %1 discarded: %2° from the median, beyond the limit of %3° (3 times the median deviation, at least 0.1°)</translation>
    </message>
    <message>
        <source>Latitudine %1°   Longitudine %2°   Fuso %3 h   ora legale</source>
        <translation>Latitude %1°   Longitude %2°   Time zone %3 h   summer time</translation>
    </message>
    <message>
        <source>Latitudine %1°   Longitudine %2°   Fuso %3 h   ora solare</source>
        <translation>Latitude %1°   Longitude %2°   Time zone %3 h   standard time</translation>
    </message>
    <message>
        <source>Filo a piombo: L = %1 mm, a = %2 mm, b = %3 mm</source>
        <translation>Plumb line: L = %1 mm, a = %2 mm, b = %3 mm</translation>
    </message>
</context>
</TS>
