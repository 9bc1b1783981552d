<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>horalo</name>
    <message>
        <source>Horalo: progetto e calcolo di orologi solari.</source>
        <translation>Horalo: design and computation of sundials.</translation>
    </message>
    <message>
        <source>Tipo di quadrante</source>
        <translation>Kind of dial</translation>
    </message>
    <message>
        <source>Piano con stilo (pareti, orizzontali, polari, equatoriali), analemmatico, bifilare o meridiana a camera oscura.</source>
        <translation>A plane with a style (walls, horizontal, polar, equatorial), analemmatic, bifilar or a dark-room meridian line.</translation>
    </message>
    <message>
        <source>Semiasse maggiore</source>
        <translation>Semi-major axis</translation>
    </message>
    <message>
        <source>Metà della larghezza Est-Ovest dell&apos;ellisse del quadrante analemmatico, in millimetri (mm).</source>
        <translation>Half the East-West width of the analemmatic dial&apos;s ellipse, in millimetres (mm).</translation>
    </message>
    <message>
        <source>Gnomone verticale</source>
        <translation>Vertical gnomon</translation>
    </message>
    <message>
        <source>Altezza di uno gnomone verticale mobile, in millimetri (mm); 0 se lo gnomone è una persona. Non sposta i segni.</source>
        <translation>Height of a movable vertical gnomon, in millimetres (mm); 0 when the gnomon is a person. It moves no mark.</translation>
    </message>
    <message>
        <source>Filo Est-Ovest</source>
        <translation>East-West wire</translation>
    </message>
    <message>
        <source>Altezza a del filo Est-Ovest sopra la linea per F, in millimetri (mm).</source>
        <translation>Height a of the East-West wire above the line through F, in millimetres (mm).</translation>
    </message>
    <message>
        <source>Filo Nord-Sud</source>
        <translation>North-South wire</translation>
    </message>
    <message>
        <source>Altezza b del filo Nord-Sud sopra la linea per F, in millimetri (mm); con b = a / sin(latitudine) le ore sono equidistanti.</source>
        <translation>Height b of the North-South wire above the line through F, in millimetres (mm); with b = a / sin(latitude) the hours are evenly spaced.</translation>
    </message>
    <message>
        <source>Diametro del foro</source>
        <translation>Hole diameter</translation>
    </message>
    <message>
        <source>Diametro del foro gnomonico in millimetri (mm); la sua altezza sul pavimento è l&apos;altezza del nodo.</source>
        <translation>Diameter of the gnomonic hole in millimetres (mm); its height above the floor is the nodus height.</translation>
    </message>
    <message>
        <source>Verso del piano polare</source>
        <translation>Facing of the polar plane</translation>
    </message>
    <message>
        <source>Dove guarda il piano polare: verso l&apos;equatore, verso Est o verso Ovest.</source>
        <translation>Where the polar plane faces: the equator, East or West.</translation>
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
        <source>Ore temporarie</source>
        <translation>Temporary hours</translation>
    </message>
    <message>
        <source>Traccia le ore temporarie: il dì diviso in dodici parti uguali, dalla levata (0) al tramonto (12).</source>
        <translation>Draws the temporary hours: daylight in twelve equal parts, from sunrise (0) to sunset (12).</translation>
    </message>
    <message>
        <source>Quarti d&apos;ora</source>
        <translation>Quarter hours</translation>
    </message>
    <message>
        <source>Aggiunge i quarti d&apos;ora, come linee sottili senza numero, alle ore vere e civili.</source>
        <translation>Adds the quarter hours, as fine lines without numbers, to the apparent and clock hours.</translation>
    </message>
    <message>
        <source>Tempo medio locale</source>
        <translation>Local mean time</translation>
    </message>
    <message>
        <source>Traccia gli analemmi del tempo medio del luogo invece del tempo del fuso.</source>
        <translation>Draws the analemmas of the place&apos;s own mean time instead of the zone&apos;s time.</translation>
    </message>
    <message>
        <source>Passo delle linee di azimut</source>
        <translation>Step of the azimuth lines</translation>
    </message>
    <message>
        <source>Ogni quanti gradi (°) tracciare una linea di ugual azimut del Sole, contato dal Sud, positivo a Ovest; 0 nessuna.</source>
        <translation>Every how many degrees (°) to draw a line of equal solar azimuth, counted from South, West positive; 0 none.</translation>
    </message>
    <message>
        <source>Passo delle linee di altezza</source>
        <translation>Step of the altitude lines</translation>
    </message>
    <message>
        <source>Ogni quanti gradi (°) tracciare una linea di ugual altezza del Sole sull&apos;orizzonte; 0 nessuna.</source>
        <translation>Every how many degrees (°) to draw a line of equal solar altitude above the horizon; 0 none.</translation>
    </message>
    <message>
        <source>Rifrazione</source>
        <translation>Refraction</translation>
    </message>
    <message>
        <source>L&apos;ombra è quella del Sole come si vede, alzato dalla rifrazione dell&apos;aria; alba e tramonto con il centro del Sole 34′ sotto l&apos;orizzonte.</source>
        <translation>The shadow is cast by the Sun as it is seen, raised by the air&apos;s refraction; sunrise and sunset with the Sun&apos;s centre 34′ below the horizon.</translation>
    </message>
    <message>
        <source>Griglia</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Lato dei quadretti di una griglia sulla lastra, in millimetri (mm), con le linee per il piede dello gnomone F; 0 nessuna griglia.</source>
        <translation>Side of the squares of a grid over the plate, in millimetres (mm), its lines through the foot of the gnomon F; 0 no grid.</translation>
    </message>
    <message>
        <source>Motto</source>
        <translation>Motto</translation>
    </message>
    <message>
        <source>Una riga di testo scritta sulla lastra, nel posto libero più vicino al bordo alto.</source>
        <translation>One line of text written on the plate, in the free place nearest its top edge.</translation>
    </message>
    <message>
        <source>Anteprima di stampa</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Anteprima e stampa…</source>
        <translation>Preview and print…</translation>
    </message>
    <message>
        <source>Stampa sulla stampante scelta l&apos;ultima volta. Maiusc+clic o Ctrl+P: anteprima e scelta della stampante.</source>
        <translation>Prints on the printer chosen last. Shift+click or Ctrl+P: preview and choice of printer.</translation>
    </message>
    <message>
        <source>Scrive il quadrante del progetto in FILE (PDF, SVG, DXF o CSV secondo l&apos;estensione) senza aprire finestre.</source>
        <translation>Writes the project&apos;s dial to FILE (PDF, SVG, DXF or CSV by its extension) without opening any window.</translation>
    </message>
    <message>
        <source>Progetto del quadrante (*.horalo) da aprire.</source>
        <translation>Dial project (*.horalo) to open.</translation>
    </message>
    <message>
        <source>Manca il file di progetto da esportare.</source>
        <translation>The project file to export is missing.</translation>
    </message>
    <message>
        <source>Un solo file di progetto, per favore.</source>
        <translation>One project file only, please.</translation>
    </message>
    <message>
        <source>Lingua del programma per questa volta: it (italiano) o en (inglese).</source>
        <translation>The program&apos;s language for this run: it (Italian) or en (English).</translation>
    </message>
    <message>
        <source>Manca una parte del programma: calcoli, disegni, Quadrante e rilievo non si possono aprire. %1</source>
        <translation>A part of the program is missing: the calculation sheets, drawings, Quadrante and wall survey cannot open. %1</translation>
    </message>
    <message>
        <source>Lingua sconosciuta: usare it oppure en.</source>
        <translation>Unknown language: use it or en.</translation>
    </message>
    <message>
        <source>Nessuno schermo su cui aprire le finestre; per scrivere un quadrante senza finestre: horalo --export FILE PROGETTO.horalo</source>
        <translation>No screen to open the windows on; to write a dial without windows: horalo --export FILE PROJECT.horalo</translation>
    </message>
    <message>
        <source>Stampa inviata</source>
        <translation>Print sent</translation>
    </message>
    <message>
        <source>Errore nella procedura di stampa</source>
        <translation>Printing failed</translation>
    </message>
    <message>
        <source>Stampa inviata: la stampante è in pausa, il lavoro attende</source>
        <translation>Print sent: the printer is paused, the job is waiting</translation>
    </message>
    <message>
        <source>Progetto:_______________________________  Data____/_____/_____ Note:</source>
        <translation>Project:________________________________  Date____/_____/_____ Note:</translation>
    </message>
    <message>
        <source>Horalo 2002 - programma per la costruzione di orologi solari</source>
        <translation>Horalo 2002 - a program for making sundials</translation>
    </message>
    <message>
        <source>A= Distanza in mm dal punto O del Solstizio Estivo</source>
        <translation>A= Distance in mm of the summer solstice point from the dial centre O</translation>
    </message>
    <message>
        <source>B=Distanza in mm dal punto O dell&apos;Equinozio</source>
        <translation>B= Distance in mm of the equinox point from the dial centre O</translation>
    </message>
    <message>
        <source>C= Distanza in mm dal centro O del Solstizio Invernale</source>
        <translation>C= Distance in mm of the winter solstice point from the dial centre O</translation>
    </message>
    <message>
        <source>Goniometro</source>
        <translation>Protractor</translation>
    </message>
    <message>
        <source>-46,9</source>
        <translation>-46.9</translation>
    </message>
    <message>
        <source>Esempio per Lat = 38°</source>
        <translation>Example for Lat = 38°</translation>
    </message>
    <message>
        <source>Verticale declinante</source>
        <translation>Declining vertical</translation>
    </message>
    <message>
        <source>Centro Orario</source>
        <translation>Dial centre (root of the style)</translation>
    </message>
    <message>
        <source>Esempio</source>
        <translation>Example</translation>
    </message>
    <message>
        <source>Disegno delle curve sostiziali verticali</source>
        <translation>Drawing of the vertical solstice curves</translation>
    </message>
    <message>
        <source>Disegno</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Adatta</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Stampa 1:1</source>
        <translation>Print 1:1</translation>
    </message>
    <message>
        <source>Esporta PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Esporta SVG</source>
        <translation>Export SVG</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG (*.svg)</source>
        <translation>SVG (*.svg)</translation>
    </message>
    <message>
        <source>Menu Principale</source>
        <translation>Main Menu</translation>
    </message>
    <message>
        <source>Programma per la costruzione di orologi solari</source>
        <translation>A program for making sundials</translation>
    </message>
    <message>
        <source>Horalo 2002 - calcoli per il tracciamento di meridiane orizzontali e verticali</source>
        <translation>Horalo 2002 - computations for laying out horizontal and vertical sundials</translation>
    </message>
    <message>
        <source>Orizzontali</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Verticali</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Quadrante</source>
        <translation>Dial designer</translation>
    </message>
    <message>
        <source>Rilievo parete</source>
        <translation>Wall survey</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Menu Orizzontali</source>
        <translation>Horizontal Menu</translation>
    </message>
    <message>
        <source>Meridiane Orizzontali</source>
        <translation>Horizontal Sundials</translation>
    </message>
    <message>
        <source>Angoli orari</source>
        <translation>Hour angles</translation>
    </message>
    <message>
        <source>Curve Solstiziali</source>
        <translation>Solstice curves</translation>
    </message>
    <message>
        <source>Menu Verticali</source>
        <translation>Vertical Menu</translation>
    </message>
    <message>
        <source>Meridiane verticali declinanti</source>
        <translation>Declining vertical sundials</translation>
    </message>
    <message>
        <source>Declina Est</source>
        <translation>Declines East</translation>
    </message>
    <message>
        <source>Declina Ovest</source>
        <translation>Declines West</translation>
    </message>
    <message>
        <source>Curve solstiziali</source>
        <translation>Solstice curves</translation>
    </message>
    <message>
        <source>Curve zodiacali e anniversario</source>
        <translation>Zodiac and anniversary curves</translation>
    </message>
    <message>
        <source>Non declinante</source>
        <translation>Not declining</translation>
    </message>
    <message>
        <source>ERRORE!!</source>
        <translation>ERROR!!</translation>
    </message>
    <message>
        <source>Lo stilo deve essere al massimo 10000 mm.</source>
        <translation>The style must be at most 10000 mm.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Attenzionenon è stato imesso qualche </source>
        <translation>Warning: some value that is needed </translation>
    </message>
    <message>
        <source>valore indispensabile!!!</source>
        <translation>has not been entered!!!</translation>
    </message>
    <message>
        <source>I valori imessi devono  avere </source>
        <translation>The values entered must be </translation>
    </message>
    <message>
        <source>valore positivo.</source>
        <translation>positive.</translation>
    </message>
    <message>
        <source>Latitudine e declinazione devono essere </source>
        <translation>Latitude and declination must be </translation>
    </message>
    <message>
        <source>minori di 90°.</source>
        <translation>less than 90°.</translation>
    </message>
    <message>
        <source>La latitudine deve essere compresa tra -90° e 90°.</source>
        <translation>The latitude must be between -90° and 90°.</translation>
    </message>
    <message>
        <source>Il Sole non va oltre 23,5° di declinazione:</source>
        <translation>The Sun&apos;s declination never goes beyond 23.5°:</translation>
    </message>
    <message>
        <source>le declinazioni dei segni e dell&apos;anniversario devono essere comprese tra -23,5° e 23,5°.</source>
        <translation>the declinations of the signs and of the anniversary must be between -23.5° and 23.5°.</translation>
    </message>
    <message>
        <source>Data non valida: usare gg/mm/aaaa, con l&apos;anno tra 1600 e 2400</source>
        <translation>Invalid date: use dd/mm/yyyy, with the year between 1600 and 2400</translation>
    </message>
    <message>
        <source>E&apos; Possibile anche avere le coordinate cartesiane degli angoli orari invece del valore in gradi. </source>
        <translation>The hour angles can also be given as Cartesian coordinates instead of degrees. </translation>
    </message>
    <message>
        <source>Gran parte del programma è stato eseguito con i comandi copia/incolla e poi modificati. I test sono stati effettuati a campionatura.Non si esclude quindi la possibilità di errori.Se li trovate scrivetemi</source>
        <translation>Much of the program was written by copy and paste and then modified. It was tested on samples, so errors cannot be ruled out. If you find any, please write to me</translation>
    </message>
    <message>
        <source>Info DCL</source>
        <translation>DCL info</translation>
    </message>
    <message>
        <source>Se la meridiana non è declinante (parete rivolta esattamente a Sud), inserite come valore di declinazione 0, oppure usate il menu ORIZZONTALI.</source>
        <translation>If the sundial does not decline (a wall facing due South), enter 0 as the declination, or use the HORIZONTAL menu.</translation>
    </message>
    <message>
        <source>Declinazione</source>
        <translation>Declination</translation>
    </message>
    <message>
        <source>1) Se si desidera si possono variare i gradi di declinazione corrispondenti ai segni zodiacali (blu)</source>
        <translation>1) If you wish, you can change the declinations in degrees of the zodiac signs (blue)</translation>
    </message>
    <message>
        <source>2) Inserite il valore di declinazione corrispondente alla data di anniversario (Rosso)</source>
        <translation>2) Enter the declination of the anniversary date (Red)</translation>
    </message>
    <message>
        <source>3) Se non si inserisce alcun valore nella casella anniversario i valori sono quelli dei giorni di equinozio</source>
        <translation>3) If no value is entered in the anniversary box, the values are those of the equinox days</translation>
    </message>
    <message>
        <source>MERIDIANA   ORIZZONTALE   LAT.=</source>
        <translation>HORIZONTAL   SUNDIAL   LAT.=</translation>
    </message>
    <message>
        <source>Ore</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SS</translation>
    </message>
    <message>
        <source>SI</source>
        <translation>WS</translation>
    </message>
    <message>
        <source>Eq</source>
        <translation>Eq</translation>
    </message>
    <message>
        <source>Stilo     = </source>
        <translation>Style length = </translation>
    </message>
    <message>
        <source>Base      = </source>
        <translation>Style base = </translation>
    </message>
    <message>
        <source>Altezza   = </source>
        <translation>Nodus height = </translation>
    </message>
    <message>
        <source>Distanze in mm dal centro del quadrante O (radice dello stilo) lungo le linee orarie</source>
        <translation>Distances in mm from the dial centre O (root of the style) along the hour lines</translation>
    </message>
    <message>
        <source>Curve solstiziali ed equinoziali orizzontale.</source>
        <translation>Horizontal solstice and equinox curves.</translation>
    </message>
    <message>
        <source>Per i decimali usare la virgola</source>
        <translation>Decimals: point or comma</translation>
    </message>
    <message>
        <source>Latitudine</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Stilo</source>
        <translation>Style length</translation>
    </message>
    <message>
        <source>Altezza Stilo</source>
        <translation>Nodus height</translation>
    </message>
    <message>
        <source>Base stilo</source>
        <translation>Style base</translation>
    </message>
    <message>
        <source>Estate</source>
        <translation>Summer</translation>
    </message>
    <message>
        <source>Inverno</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Equinozi</source>
        <translation>Equinoxes</translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Azzera</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>MERIDIANA ORIZZONTALE   LAT.=</source>
        <translation>HORIZONTAL SUNDIAL   LAT.=</translation>
    </message>
    <message>
        <source>Latitudine φ°</source>
        <translation>Latitude φ°</translation>
    </message>
    <message>
        <source>(per i decimali usare la virgola)</source>
        <translation>(decimals: point or comma)</translation>
    </message>
    <message>
        <source>DCL EST =</source>
        <translation>DCL EAST =</translation>
    </message>
    <message>
        <source>DCL OVEST =</source>
        <translation>DCL WEST =</translation>
    </message>
    <message>
        <source>Costruzione dello stilo:</source>
        <translation>Building the style:</translation>
    </message>
    <message>
        <source>Lunghezza dello stilo = </source>
        <translation>Style length = </translation>
    </message>
    <message>
        <source>Altezza del nodo = </source>
        <translation>Nodus height = </translation>
    </message>
    <message>
        <source>Base dello stilo (da O a F) = </source>
        <translation>Style base (O to F) = </translation>
    </message>
    <message>
        <source>Angolo della sustilare = </source>
        <translation>Substyle angle = </translation>
    </message>
    <message>
        <source>Elevazione dello stilo = </source>
        <translation>Style elevation = </translation>
    </message>
    <message>
        <source>Curve solstiziali ed equinoziali verticale.</source>
        <translation>Vertical solstice and equinox curves.</translation>
    </message>
    <message>
        <source>Altezza Stilo                 </source>
        <translation>Nodus height                  </translation>
    </message>
    <message>
        <source>Base stilo   </source>
        <translation>Style base   </translation>
    </message>
    <message>
        <source>Ang. substilo</source>
        <translation>Substyle angle</translation>
    </message>
    <message>
        <source>Ang. El.zione</source>
        <translation>Style elevation</translation>
    </message>
    <message>
        <source>Ora sustilare       t</source>
        <translation>Substyle hour       t</translation>
    </message>
    <message>
        <source>Eq.</source>
        <translation>Eq.</translation>
    </message>
    <message>
        <source> Est</source>
        <translation> East</translation>
    </message>
    <message>
        <source>Ovest</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Stampa Est</source>
        <translation>Print East</translation>
    </message>
    <message>
        <source>Stampa Ovest</source>
        <translation>Print West</translation>
    </message>
    <message>
        <source>Disegno Est</source>
        <translation>Drawing East</translation>
    </message>
    <message>
        <source>Disegno Ovest</source>
        <translation>Drawing West</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>MERIDIANA   VERTICALE   LAT.=</source>
        <translation>VERTICAL   SUNDIAL   LAT.=</translation>
    </message>
    <message>
        <source>Angoli orari su parete declinante ad Est</source>
        <translation>Hour angles on a wall declining East</translation>
    </message>
    <message>
        <source>Angoli orari su parete declinante ad Ovest</source>
        <translation>Hour angles on a wall declining West</translation>
    </message>
    <message>
        <source>Declinazione  d°</source>
        <translation>Declination   d°</translation>
    </message>
    <message>
        <source>-Per i decimali,usare la virgola</source>
        <translation>-Decimals: point or comma</translation>
    </message>
    <message>
        <source>Declin.       d°</source>
        <translation>Declin.       d°</translation>
    </message>
    <message>
        <source>Inclinazione</source>
        <translation>Inclination</translation>
    </message>
    <message>
        <source>EST</source>
        <translation>EAST</translation>
    </message>
    <message>
        <source>OVEST</source>
        <translation>WEST</translation>
    </message>
    <message>
        <source>DCL Ovest =</source>
        <translation>DCL West =</translation>
    </message>
    <message>
        <source>Decl.</source>
        <translation>Decl.</translation>
    </message>
    <message>
        <source>Gem.li</source>
        <translation>Gemini</translation>
    </message>
    <message>
        <source>Leone</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Toro</source>
        <translation>Taurus</translation>
    </message>
    <message>
        <source>Vergine</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Scorp</source>
        <translation>Scorp</translation>
    </message>
    <message>
        <source>Pesci</source>
        <translation>Pisces</translation>
    </message>
    <message>
        <source>Acq.</source>
        <translation>Aquar.</translation>
    </message>
    <message>
        <source>Sagit.</source>
        <translation>Sagit.</translation>
    </message>
    <message>
        <source>An.rio</source>
        <translation>Anniv.</translation>
    </message>
    <message>
        <source>Anniversario</source>
        <translation>Anniversary</translation>
    </message>
    <message>
        <source>Stampa Ovst</source>
        <translation>Print West</translation>
    </message>
    <message>
        <source>Data (gg/mm/aaaa)</source>
        <translation>Date (dd/mm/yyyy)</translation>
    </message>
    <message>
        <source>gg/mm/aaaa</source>
        <translation>dd/mm/yyyy</translation>
    </message>
    <message>
        <source>Gemelli</source>
        <translation>Gemini</translation>
    </message>
    <message>
        <source>Scorpio.</source>
        <translation>Scorpio</translation>
    </message>
    <message>
        <source>Acqu.</source>
        <translation>Aquar.</translation>
    </message>
    <message>
        <source>Sagittario</source>
        <translation>Sagittarius</translation>
        <source>Apri nel Quadrante</source>
        <translation>Open in the dial designer</translation>
    </message>
    <message>
        <source>Sagittario</source>
        <translation>Sagittarius</translation>
    </message>
    <message>
        <source>Mostra questo aiuto.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Esempio per Lat = 38°, parete declinante 38° ad Est</source>
        <translation>Example for Lat = 38°, wall declining 38° East</translation>
    </message>
    <message>
        <source>Esempio per Lat = 38°, parete declinante 38° ad Ovest</source>
        <translation>Example for Lat = 38°, wall declining 38° West</translation>
    </message>
    <message>
        <source>Verticale declinante ad Ovest</source>
        <translation>Declining vertical, West</translation>
    </message>
    <message>
        <source>Disegno delle curve zodiacali verticali</source>
        <translation>Drawing of the vertical zodiac curves</translation>
    </message>
    <message>
        <source>Blu: ingresso del Sole nei segni; rosso: anniversario (qui 8°)</source>
        <translation>Blue: the Sun entering the signs; red: anniversary (here 8°)</translation>
    </message>
    <message>
        <source>Rosso scuro: solstizi; tratteggio: equinozi</source>
        <translation>Dark red: solstices; dashed: equinoxes</translation>
    </message>
    <message>
        <source>Ogni valore: distanza in mm dal centro del quadrante O lungo la linea oraria</source>
        <translation>Each value: distance in mm from the dial centre O along the hour line</translation>
    </message>
    <message>
        <source>Esempio per Lat = 38°, parete rivolta a Sud</source>
        <translation>Example for Lat = 38°, wall facing due South</translation>
    </message>
    <message>
        <source>Latitudine del luogo in gradi (°), per esempio 45,46; per i decimali la virgola.</source>
        <translation>Latitude of the place in degrees (°), for example 45.46.</translation>
    </message>
    <message>
        <source>Declinazione della parete</source>
        <translation>Declination of the wall</translation>
    </message>
    <message>
        <source>Declinazione della parete in gradi (°): di quanto la parete si volge da Sud verso Est o verso Ovest.</source>
        <translation>Declination of the wall in degrees (°): how far the wall turns from due South towards East or West.</translation>
    </message>
    <message>
        <source>Lunghezza dello stilo</source>
        <translation>Style length</translation>
    </message>
    <message>
        <source>Lunghezza dello stilo in millimetri (mm), dal centro del quadrante O al nodo.</source>
        <translation>Style length in millimetres (mm), from the dial centre O to the nodus.</translation>
    </message>
    <message>
        <source>Inclinazione della parete in gradi (°): 0 per una parete verticale.</source>
        <translation>Inclination of the wall in degrees (°): 0 for a vertical wall.</translation>
    </message>
    <message>
        <source>Declinazione del Sole, Gemelli e Leone</source>
        <translation>Solar declination, Gemini and Leo</translation>
    </message>
    <message>
        <source>Declinazione del Sole in gradi (°) all&apos;ingresso nei Gemelli e nel Leone.</source>
        <translation>Solar declination in degrees (°) when the Sun enters Gemini and Leo.</translation>
    </message>
    <message>
        <source>Declinazione del Sole, Toro e Vergine</source>
        <translation>Solar declination, Taurus and Virgo</translation>
    </message>
    <message>
        <source>Declinazione del Sole in gradi (°) all&apos;ingresso nel Toro e nella Vergine.</source>
        <translation>Solar declination in degrees (°) when the Sun enters Taurus and Virgo.</translation>
    </message>
    <message>
        <source>Declinazione del Sole nell&apos;anniversario</source>
        <translation>Solar declination on the anniversary</translation>
    </message>
    <message>
        <source>Declinazione del Sole in gradi (°) nel giorno dell&apos;anniversario; il pulsante Declinazione la ricava dalla data.</source>
        <translation>Solar declination in degrees (°) on the anniversary; the Declination button works it out from the date.</translation>
    </message>
    <message>
        <source>Data dell&apos;anniversario</source>
        <translation>Date of the anniversary</translation>
    </message>
    <message>
        <source>Data dell&apos;anniversario come gg/mm/aaaa, per esempio 21/06/2026.</source>
        <translation>Date of the anniversary as dd/mm/yyyy, for example 21/06/2026.</translation>
    </message>
    <message>
        <source>Latitudine del luogo in gradi (°), positiva a Nord, da -89,99 a 89,99.</source>
        <translation>Latitude of the place in degrees (°), North positive, from -89.99 to 89.99.</translation>
    </message>
    <message>
        <source>Longitudine</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Longitudine del luogo in gradi (°), positiva a Est, da -180 a 180.</source>
        <translation>Longitude of the place in degrees (°), East positive, from -180 to 180.</translation>
    </message>
    <message>
        <source>Fuso</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>Fuso orario in ore da Greenwich, per esempio 1 per l&apos;Italia (da -12 a 14).</source>
        <translation>Time zone in hours from Greenwich, for example 1 for Italy (from -12 to 14).</translation>
    </message>
    <message>
        <source>Ora legale</source>
        <translation>Summer time</translation>
    </message>
    <message>
        <source>Segnare se gli orari sono stati letti con l&apos;ora legale (un&apos;ora avanti).</source>
        <translation>Tick when the times were read in summer time (one hour ahead).</translation>
    </message>
    <message>
        <source>Data dell&apos;osservazione</source>
        <translation>Date of the observation</translation>
    </message>
    <message>
        <source>Data dell&apos;osservazione come gg/mm/aaaa, dal 1600 al 2400.</source>
        <translation>Date of the observation as dd/mm/yyyy, from 1600 to 2400.</translation>
    </message>
    <message>
        <source>Ora dell&apos;osservazione</source>
        <translation>Time of the observation</translation>
    </message>
    <message>
        <source>Ora dell&apos;orologio all&apos;osservazione come hh:mm:ss (o hh:mm).</source>
        <translation>Clock time of the observation as hh:mm:ss (or hh:mm).</translation>
    </message>
    <message>
        <source>Angolo α dell&apos;ombra</source>
        <translation>Angle α of the shadow</translation>
    </message>
    <message>
        <source>Angolo α in gradi (°) tra la perpendicolare alla parete e l&apos;ombra del filo, positivo se l&apos;ombra va a destra.</source>
        <translation>Angle α in degrees (°) between the perpendicular to the wall and the shadow of the line, positive when the shadow goes to the right.</translation>
    </message>
    <message>
        <source>Segnare se questa osservazione è stata letta con l&apos;ora legale.</source>
        <translation>Tick when this observation was read in summer time.</translation>
    </message>
    <message>
        <source>Lunghezza del filo a piombo</source>
        <translation>Length of the plumb line</translation>
    </message>
    <message>
        <source>Lunghezza L del filo a piombo in millimetri (mm).</source>
        <translation>Length L of the plumb line in millimetres (mm).</translation>
    </message>
    <message>
        <source>Distanza dalla parete in alto</source>
        <translation>Distance from the wall at the top</translation>
    </message>
    <message>
        <source>Distanza a del filo dalla parete in alto, in millimetri (mm).</source>
        <translation>Distance a of the line from the wall at the top, in millimetres (mm).</translation>
    </message>
    <message>
        <source>Distanza dalla parete in basso</source>
        <translation>Distance from the wall at the bottom</translation>
    </message>
    <message>
        <source>Distanza b del filo dalla parete in basso, in millimetri (mm).</source>
        <translation>Distance b of the line from the wall at the bottom, in millimetres (mm).</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Nome del quadrante, scritto nel cartiglio del disegno.</source>
        <translation>Name of the dial, written in the drawing&apos;s title block.</translation>
    </message>
    <message>
        <source>Latitudine del luogo in gradi (°), positiva a Nord.</source>
        <translation>Latitude of the place in degrees (°), North positive.</translation>
    </message>
    <message>
        <source>Longitudine del luogo in gradi (°), positiva a Est.</source>
        <translation>Longitude of the place in degrees (°), East positive.</translation>
    </message>
    <message>
        <source>Fuso orario</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>Fuso orario in ore da UT, per esempio 1 per l&apos;Italia.</source>
        <translation>Time zone in hours from UT, for example 1 for Italy.</translation>
    </message>
    <message>
        <source>Segnare per tracciare le ore civili con l&apos;ora legale (un&apos;ora avanti).</source>
        <translation>Tick to trace the zone-time hours in summer time (one hour ahead).</translation>
    </message>
    <message>
        <source>Declinazione gnomonica della parete in gradi (°), da 0 (rivolta a Sud) a 180; il lato dice se verso Est o Ovest.</source>
        <translation>Gnomonic declination of the plane in degrees (°), from 0 (facing due South) to 180; the side says East or West.</translation>
    </message>
    <message>
        <source>Lato</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>Lato verso cui declina la parete: Est od Ovest.</source>
        <translation>The side the wall declines to: East or West.</translation>
    </message>
    <message>
        <source>Inclinazione del piano in gradi (°): 0 verticale, 90 orizzontale rivolto in alto.</source>
        <translation>Inclination of the plane in degrees (°): 0 vertical, 90 horizontal facing up.</translation>
    </message>
    <message>
        <source>Misura data</source>
        <translation>Given size</translation>
    </message>
    <message>
        <source>Quale misura dello gnomone si scrive: l&apos;altezza del nodo o la lunghezza dello stilo.</source>
        <translation>Which measure of the gnomon you type: the nodus height or the style length.</translation>
    </message>
    <message>
        <source>Altezza del nodo</source>
        <translation>Nodus height</translation>
    </message>
    <message>
        <source>Altezza del nodo sul piano, dal piede dello gnomone F, in millimetri (mm).</source>
        <translation>Nodus height above the plane, from the foot of the gnomon F, in millimetres (mm).</translation>
    </message>
    <message>
        <source>Lunghezza dello stilo dal centro del quadrante O al nodo, in millimetri (mm).</source>
        <translation>Style length from the dial centre O to the nodus, in millimetres (mm).</translation>
    </message>
    <message>
        <source>Ore vere</source>
        <translation>Apparent time</translation>
    </message>
    <message>
        <source>Traccia le linee orarie del tempo vero locale.</source>
        <translation>Traces the hour lines of local apparent time.</translation>
    </message>
    <message>
        <source>Mezze ore</source>
        <translation>Half hours</translation>
    </message>
    <message>
        <source>Aggiunge le linee delle mezze ore.</source>
        <translation>Adds the half-hour lines.</translation>
    </message>
    <message>
        <source>Ore civili</source>
        <translation>Zone-time hours</translation>
    </message>
    <message>
        <source>Traccia le ore del fuso come analemmi (con l&apos;equazione del tempo).</source>
        <translation>Traces the zone-time hours as analemmas (with the equation of time).</translation>
    </message>
    <message>
        <source>Analemma</source>
        <translation>Analemma</translation>
    </message>
    <message>
        <source>Quanto di ogni analemma tracciare: intero, a metà o solo a mezzogiorno.</source>
        <translation>How much of each analemma to trace: whole, half, or at noon only.</translation>
    </message>
    <message>
        <source>Anno degli analemmi</source>
        <translation>Year of the analemmas</translation>
    </message>
    <message>
        <source>Anno per cui calcolare gli analemmi, tra 1600 e 2400.</source>
        <translation>Year the analemmas are computed for, between 1600 and 2400.</translation>
    </message>
    <message>
        <source>Ore italiche</source>
        <translation>Italic hours</translation>
    </message>
    <message>
        <source>Traccia le ore italiche: ore dal tramonto precedente.</source>
        <translation>Traces the Italic hours: hours since the last sunset.</translation>
    </message>
    <message>
        <source>Ore babiloniche</source>
        <translation>Babylonian hours</translation>
    </message>
    <message>
        <source>Traccia le ore babiloniche: ore dal sorgere del Sole.</source>
        <translation>Traces the Babylonian hours: hours since sunrise.</translation>
    </message>
    <message>
        <source>Solstizi ed equinozi</source>
        <translation>Solstices and equinoxes</translation>
    </message>
    <message>
        <source>Traccia le linee diurne dei due solstizi e degli equinozi.</source>
        <translation>Traces the date lines of the two solstices and the equinoxes.</translation>
    </message>
    <message>
        <source>Ingresso nei segni zodiacali</source>
        <translation>Entry into the zodiac signs</translation>
    </message>
    <message>
        <source>Traccia le linee diurne dell&apos;ingresso del Sole nei segni zodiacali.</source>
        <translation>Traces the date lines of the Sun entering the zodiac signs.</translation>
    </message>
    <message>
        <source>Primo di ogni mese</source>
        <translation>First of each month</translation>
    </message>
    <message>
        <source>Traccia le linee diurne del primo giorno di ogni mese.</source>
        <translation>Traces the date lines of the first day of each month.</translation>
    </message>
    <message>
        <source>Altre date</source>
        <translation>Other dates</translation>
    </message>
    <message>
        <source>Altre date da tracciare come gg/mm/aaaa, separate da spazi.</source>
        <translation>Other dates to trace as dd/mm/yyyy, separated by spaces.</translation>
    </message>
    <message>
        <source>Larghezza della lastra</source>
        <translation>Plate width</translation>
    </message>
    <message>
        <source>Larghezza della lastra in millimetri (mm).</source>
        <translation>Width of the plate in millimetres (mm).</translation>
    </message>
    <message>
        <source>Altezza della lastra</source>
        <translation>Plate height</translation>
    </message>
    <message>
        <source>Altezza della lastra in millimetri (mm).</source>
        <translation>Height of the plate in millimetres (mm).</translation>
    </message>
    <message>
        <source>Piede dello gnomone F dal bordo sinistro</source>
        <translation>Foot of the gnomon F from the left edge</translation>
    </message>
    <message>
        <source>Distanza del piede dello gnomone F dal bordo sinistro della lastra, in millimetri (mm).</source>
        <translation>Distance of the foot of the gnomon F from the plate&apos;s left edge, in millimetres (mm).</translation>
    </message>
    <message>
        <source>Piede dello gnomone F dal bordo alto</source>
        <translation>Foot of the gnomon F from the top edge</translation>
    </message>
    <message>
        <source>Distanza del piede dello gnomone F dal bordo alto della lastra, in millimetri (mm).</source>
        <translation>Distance of the foot of the gnomon F from the plate&apos;s top edge, in millimetres (mm).</translation>
    </message>
    <message>
        <source>Manuale</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>:/help/manual_it.html</source>
        <translation>:/help/manual_en.html</translation>
    </message>
    <message>
        <source>Informazioni su Horalo</source>
        <translation>About Horalo</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Programma per la costruzione di orologi solari: i fogli di calcolo del 2002, il Quadrante che disegna il quadrante per ogni piano e il Rilievo della parete.</source>
        <translation>A program for making sundials: the calculation sheets of 2002, the Dial designer that draws the dial for any plane, and the Wall survey.</translation>
    </message>
    <message>
        <source>Licenza: GNU General Public License, versione 3 o successiva (GPL-3.0-or-later). Il programma è fornito senza alcuna garanzia.</source>
        <translation>Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later). The program comes with no warranty.</translation>
    </message>
    <message>
        <source>Il Sole: teoria VSOP87 di P. Bretagnon e G. Francou nella forma ridotta di J. Meeus (Astronomical Algorithms), nutazione IAU 1980, tempo siderale IAU 1982; ΔT dai polinomi di F. Espenak e J. Meeus (2006).</source>
        <translation>The Sun: the VSOP87 theory of P. Bretagnon and G. Francou in the abridged form of J. Meeus (Astronomical Algorithms), IAU 1980 nutation, IAU 1982 sidereal time; ΔT from the polynomials of F. Espenak and J. Meeus (2006).</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Nuovo quadrante</source>
        <translation>&amp;New dial</translation>
    </message>
    <message>
        <source>&amp;Apri…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>&amp;Recenti</source>
        <translation>&amp;Recent</translation>
    </message>
    <message>
        <source>(nessun progetto recente)</source>
        <translation>(no recent projects)</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Calcoli</source>
        <translation>&amp;Calculations</translation>
    </message>
    <message>
        <source>&amp;Strumenti</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>A&amp;iuto</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Manuale</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <source>&amp;Informazioni su Horalo</source>
        <translation>&amp;About Horalo</translation>
    </message>
    <message>
        <source>Apri progetto</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>Progetti di Horalo (*.horalo)</source>
        <translation>Horalo projects (*.horalo)</translation>
    </message>
    <message>
        <source>Progetto non aperto</source>
        <translation>Project not opened</translation>
    </message>
    <message>
        <source>Il Quadrante non è disponibile in questa versione del programma.</source>
        <translation>The dial designer is not available in this version of the program.</translation>
    </message>
    <message>
        <source>progetto</source>
        <translation>project</translation>
    </message>
    <message>
        <source>Orizzontale: angoli orari</source>
        <translation>Horizontal: hour angles</translation>
    </message>
    <message>
        <source>Orizzontale: curve solstiziali</source>
        <translation>Horizontal: solstice curves</translation>
    </message>
    <message>
        <source>Verticale: declina Est</source>
        <translation>Vertical: declines East</translation>
    </message>
    <message>
        <source>Verticale: declina Ovest</source>
        <translation>Vertical: declines West</translation>
    </message>
    <message>
        <source>Verticale: curve solstiziali</source>
        <translation>Vertical: solstice curves</translation>
    </message>
    <message>
        <source>Verticale: curve zodiacali e anniversario</source>
        <translation>Vertical: zodiac and anniversary curves</translation>
    </message>
    <message>
        <source>La latitudine non è un numero.</source>
        <translation>The latitude is not a number.</translation>
    </message>
    <message>
        <source>La longitudine non è un numero.</source>
        <translation>The longitude is not a number.</translation>
    </message>
    <message>
        <source>Il fuso non è un numero.</source>
        <translation>The time zone is not a number.</translation>
    </message>
    <message>
        <source>La declinazione non è un numero.</source>
        <translation>The declination is not a number.</translation>
    </message>
    <message>
        <source>L&apos;inclinazione non è un numero.</source>
        <translation>The inclination is not a number.</translation>
    </message>
    <message>
        <source>L&apos;altezza del nodo non è un numero.</source>
        <translation>The nodus height is not a number.</translation>
    </message>
    <message>
        <source>L&apos;altezza del nodo deve essere maggiore di zero.</source>
        <translation>The nodus height must be greater than zero.</translation>
    </message>
    <message>
        <source>La lunghezza dello stilo non è un numero.</source>
        <translation>The style length is not a number.</translation>
    </message>
    <message>
        <source>La lunghezza dello stilo deve essere maggiore di zero.</source>
        <translation>The style length must be greater than zero.</translation>
    </message>
    <message>
        <source>La declinazione del Sole di una linea diurna non è un numero.</source>
        <translation>The Sun&apos;s declination of a date line is not a number.</translation>
    </message>
    <message>
        <source>L&apos;ora non è un numero.</source>
        <translation>The clock time is not a number.</translation>
    </message>
    <message>
        <source>L&apos;ora deve essere compresa tra 0 e 24.</source>
        <translation>The clock time must be between 0 and 24.</translation>
    </message>
    <message>
        <source>Le misure della lastra non sono numeri.</source>
        <translation>The plate&apos;s sizes are not numbers.</translation>
    </message>
    <message>
        <source>Il passo di tracciamento delle linee diurne non è un numero.</source>
        <translation>The tracing step of the date lines is not a number.</translation>
    </message>
    <message>
        <source>Il passo di tracciamento delle linee diurne deve essere compreso tra 0,5 e 60 minuti.</source>
        <translation>The tracing step of the date lines must be between 0.5 and 60 minutes.</translation>
    </message>
    <message>
        <source>L&apos;angolo α non è un numero.</source>
        <translation>The angle α is not a number.</translation>
    </message>
    <message>
        <source>L&apos;angolo α deve essere compreso tra -90 e 90 gradi, esclusi.</source>
        <translation>The angle α must be between -90 and 90 degrees, both excluded.</translation>
    </message>
    <message>
        <source>La lunghezza L del filo a piombo non è un numero.</source>
        <translation>The length L of the plumb line is not a number.</translation>
    </message>
    <message>
        <source>La lunghezza L del filo a piombo deve essere maggiore di zero.</source>
        <translation>The length L of the plumb line must be greater than zero.</translation>
    </message>
    <message>
        <source>Le distanze a e b del filo a piombo dal muro non sono numeri.</source>
        <translation>The distances a and b of the plumb line from the wall are not numbers.</translation>
    </message>
    <message>
        <source>Le distanze a e b del filo a piombo dal muro non possono essere negative.</source>
        <translation>The distances a and b of the plumb line from the wall cannot be negative.</translation>
    </message>
    <message>
        <source>La latitudine deve essere compresa tra -89,99 e 89,99 gradi.</source>
        <translation>The latitude must be between -89.99 and 89.99 degrees.</translation>
    </message>
    <message>
        <source>la latitudine va da -89,99 a 89,99</source>
        <translation>the latitude goes from -89.99 to 89.99</translation>
    </message>
    <message>
        <source>La longitudine deve essere compresa tra -180 e 180 gradi.</source>
        <translation>The longitude must be between -180 and 180 degrees.</translation>
    </message>
    <message>
        <source>la longitudine va da -180 a 180</source>
        <translation>the longitude goes from -180 to 180</translation>
    </message>
    <message>
        <source>Il fuso deve essere compreso tra -12 e 14 ore.</source>
        <translation>The time zone must be between -12 and 14 hours.</translation>
    </message>
    <message>
        <source>il fuso va da -12 a 14 ore</source>
        <translation>the time zone goes from -12 to 14 hours</translation>
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
        <source>Su un quadrante polare lo stilo non incontra il piano: indicare l&apos;altezza del nodo.</source>
        <translation>On a polar dial the style never meets the plane: give the nodus height.</translation>
    </message>
    <message>
        <source>Data inesistente o fuori dagli anni 1600-2400.</source>
        <translation>No such date, or outside the years 1600-2400.</translation>
    </message>
    <message>
        <source>Data inesistente.</source>
        <translation>No such date.</translation>
    </message>
    <message>
        <source>questa data non esiste</source>
        <translation>no such date</translation>
    </message>
    <message>
        <source>L&apos;anno deve essere compreso tra 1600 e 2400.</source>
        <translation>The year must be between 1600 and 2400.</translation>
    </message>
    <message>
        <source>l&apos;anno va dal 1600 al 2400</source>
        <translation>the year goes from 1600 to 2400</translation>
    </message>
    <message>
        <source>l&apos;ora va da 00:00:00 a 23:59:59</source>
        <translation>the time goes from 00:00:00 to 23:59:59</translation>
    </message>
    <message>
        <source>La lastra deve misurare almeno 10 mm per lato.</source>
        <translation>The plate must measure at least 10 mm a side.</translation>
    </message>
    <message>
        <source>l&apos;angolo va da -90 a 90, esclusi</source>
        <translation>the angle goes from -90 to 90, both excluded</translation>
    </message>
    <message>
        <source>L deve essere maggiore di 0</source>
        <translation>L must be greater than 0</translation>
    </message>
    <message>
        <source>a e b sono distanze dal muro, non negative</source>
        <translation>a and b are distances from the wall, not negative</translation>
    </message>
    <message>
        <source>Valore non numerico.</source>
        <translation>Not a number.</translation>
    </message>
    <message>
        <source>Deve essere maggiore di zero.</source>
        <translation>Must be greater than zero.</translation>
    </message>
    <message>
        <source>Valore fuori dall&apos;intervallo ammesso.</source>
        <translation>Value outside the allowed range.</translation>
    </message>
    <message>
        <source>Il passo delle linee di azimut non è un numero.</source>
        <translation>The step of the azimuth lines is not a number.</translation>
    </message>
    <message>
        <source>Il passo delle linee di azimut va da 1 a 90 gradi (0: nessuna linea).</source>
        <translation>The step of the azimuth lines goes from 1 to 90 degrees (0: no lines).</translation>
    </message>
    <message>
        <source>Il passo delle linee di altezza non è un numero.</source>
        <translation>The step of the altitude lines is not a number.</translation>
    </message>
    <message>
        <source>Il passo delle linee di altezza va da 1 a 90 gradi (0: nessuna linea).</source>
        <translation>The step of the altitude lines goes from 1 to 90 degrees (0: no lines).</translation>
    </message>
</context>
</TS>
