#!/usr/bin/env python3
# Builds src/shell/help/manual_it.html and manual_en.html from one list of pages, so that the
# two languages always have the same pages; the pictures are the screenshots docs/manual-*.png.
import html
import os
import struct
pages = [
("Meridiane", "Menu principale", "Main menu",
 "<p>La prima finestra del programma. I pulsanti del 2002 aprono i due menu <b>Orizzontali</b> (angoli orari e curve solstiziali di un quadrante orizzontale) e <b>Verticali</b> (pareti declinanti a Est o a Ovest, curve solstiziali, curve zodiacali e anniversario, parete non declinante), il <b>Quadrante</b>, il <b>Rilievo parete</b> e le <b>Note</b>.</p>"
 "<p>La barra dei menu offre le stesse finestre: <b>File</b> (Nuovo quadrante Ctrl+N, Apri… Ctrl+O per un progetto <i>.horalo</i>, Recenti con gli ultimi otto progetti, Esci Ctrl+Q), <b>Calcoli</b> (i sei fogli), <b>Strumenti</b> (Quadrante, Rilievo parete), <b>Aiuto</b> (Manuale F1, Note, Informazioni su Horalo).</p>"
 "<p>In ogni finestra Ctrl+W la chiude e F1 apre questo manuale alla sua pagina. Ogni campo mostra, tenendoci sopra il mouse, che cosa scrivere e in quale unità.</p>",
 "<p>The program's first window. The buttons of 2002 open the two menus <b>Horizontal</b> (hour angles and solstice curves of a horizontal dial) and <b>Vertical</b> (walls declining East or West, solstice curves, zodiac and anniversary curves, a wall facing due South), the <b>Dial designer</b>, the <b>Wall survey</b> and the <b>Notes</b>.</p>"
 "<p>The menu bar offers the same windows: <b>File</b> (New dial Ctrl+N, Open… Ctrl+O for a <i>.horalo</i> project, Recent with the last eight projects, Quit Ctrl+Q), <b>Calculations</b> (the six sheets), <b>Tools</b> (Dial designer, Wall survey), <b>Help</b> (Manual F1, Notes, About Horalo).</p>"
 "<p>In every window Ctrl+W closes it and F1 opens this manual at its page. Every field, with the mouse over it, tells what to type and in which unit.</p>"),
("GonOrz", "Orizzontali: angoli orari", "Horizontal: hour angles",
 "<p>Gli angoli delle linee orarie di un quadrante orizzontale, ogni mezz'ora dalle 5 alle 19, misurati al centro del quadrante O dalla linea meridiana (ω, in gradi).</p>"
 "<p><b>Latitudine φ°</b>: latitudine del luogo in gradi (°). <b>Calcola</b> scrive gli angoli; <b>Azzera</b> riporta i campi a 0; <b>Esempio</b> mostra un disegno; <b>Stampa</b> stampa la pagina.</p>",
 "<p>The angles of the hour lines of a horizontal dial, every half hour from 5 to 19, measured at the dial centre O from the noon line (ω, in degrees).</p>"
 "<p><b>Latitude φ°</b>: latitude of the place in degrees (°). <b>Compute</b> writes the angles; <b>Clear</b> sets the fields to 0; <b>Example</b> shows a drawing; <b>Print</b> prints the page.</p>"),
("CurveOrizz", "Orizzontali: curve solstiziali", "Horizontal: solstice curves",
 "<p>Le curve dei solstizi d'estate e d'inverno e la linea equinoziale di un quadrante orizzontale: per ogni ora, la distanza in mm dal centro del quadrante O lungo la linea oraria; e i valori dello stilo (altezza del nodo e base dello stilo, mm).</p>"
 "<p><b>Latitudine φ°</b>: gradi (°). <b>Stilo</b>: lunghezza dello stilo in mm, da O al nodo. <b>Disegno</b> apre il disegno in scala 1:1.</p>",
 "<p>The summer and winter solstice curves and the equinoctial line of a horizontal dial: for each hour, the distance in mm from the dial centre O along the hour line; and the style's values (nodus height and style base, mm).</p>"
 "<p><b>Latitude φ°</b>: degrees (°). <b>Style length</b>: length of the style in mm, from O to the nodus. <b>Drawing</b> opens the full-scale drawing.</p>"),
("GonvrtEst", "Verticali: declina Est e declina Ovest", "Vertical: declines East and declines West",
 "<p>Gli angoli delle linee orarie su una parete verticale che declina a Est (o a Ovest), ogni mezz'ora: l'angolo al centro O dall'orizzontale, negativo verso il basso; le linee che la parete non riceve restano a trattini.</p>"
 "<p><b>Latitudine φ°</b>: gradi (°). <b>Declinazione d°</b>: di quanto la parete si volge da Sud verso Est (o Ovest), in gradi (°). <b>Stampa Est</b> / <b>Stampa Ovest</b> stampano la pagina.</p>",
 "<p>The angles of the hour lines on a vertical wall declining East (or West), every half hour: the angle at the centre O from the horizontal, negative downwards; lines the wall never receives stay as dashes.</p>"
 "<p><b>Latitude φ°</b>: degrees (°). <b>Declination d°</b>: how far the wall turns from due South towards East (or West), in degrees (°). <b>Print East</b> / <b>Print West</b> print the page.</p>"),
("CurveVrt", "Verticali: curve solstiziali", "Vertical: solstice curves",
 "<p>Su una parete declinante: i valori dello stilo (altezza del nodo e base dello stilo in mm, angolo della sustilare σ°, elevazione dello stilo ε°) e, per ogni ora, le distanze in mm dal centro O lungo la linea oraria delle curve d'estate, d'inverno e degli equinozi.</p>"
 "<p><b>Latitudine φ°</b>, <b>Declinazione d°</b>: gradi (°). <b>Stilo</b>: lunghezza dello stilo in mm. <b>Est</b> / <b>Ovest</b> scelgono il lato della parete.</p>",
 "<p>On a declining wall: the style's values (nodus height and style base in mm, substyle angle σ°, style elevation ε°) and, for each hour, the distances in mm from the centre O along the hour line of the summer, winter and equinox curves.</p>"
 "<p><b>Latitude φ°</b>, <b>Declination d°</b>: degrees (°). <b>Style length</b>: mm. <b>East</b> / <b>West</b> choose the side of the wall.</p>"),
("ZodiacoVrt", "Verticali: curve zodiacali e anniversario", "Vertical: zodiac and anniversary curves",
 "<p>Su una parete declinante, le curve dell'ingresso del Sole nei segni zodiacali e la curva di una data scelta (l'anniversario): per ogni ora la distanza in mm dal centro O lungo la linea oraria.</p>"
 "<p><b>Latitudine</b>, <b>Declinazione</b>: gradi (°). <b>Stilo</b>: mm. Le colonne dei segni portano la declinazione del Sole in gradi (°). <b>Data (gg/mm/aaaa)</b> e <b>Declinazione</b> ricavano la declinazione del Sole dell'anniversario.</p>",
 "<p>On a declining wall, the curves of the Sun entering the zodiac signs and the curve of one chosen date (the anniversary): for each hour the distance in mm from the centre O along the hour line.</p>"
 "<p><b>Latitude</b>, <b>Declination</b>: degrees (°). <b>Style length</b>: mm. The sign columns hold the solar declination in degrees (°). <b>Date (dd/mm/yyyy)</b> and <b>Declination</b> work out the anniversary's solar declination.</p>"),
("Quadrante", "Quadrante", "Dial designer",
 "<p>Disegna il quadrante per qualunque piano: luogo (latitudine e longitudine in gradi, fuso in ore da UT, ora legale), piano (declinazione gnomonica 0–180° con il lato Est/Ovest, inclinazione 0 verticale, 90 orizzontale), gnomone (altezza del nodo o lunghezza dello stilo, mm), sistemi orari (ore vere, mezze ore, ore civili come analemmi, ore italiche e babiloniche), linee diurne (solstizi ed equinozi, segni zodiacali, primo di ogni mese, altre date gg/mm/aaaa) e lastra (larghezza, altezza, posizione del piede dello gnomone F, mm).</p>"
 "<p>Il progetto si salva in un file <i>.horalo</i> (Apri, Salva, Salva con nome); Esporta scrive il disegno in PDF, SVG, DXF o le coordinate in CSV. Da riga di comando: <tt>horalo --export OUT.pdf FILE.horalo</tt>.</p>",
 "<p>Draws the dial for any plane: place (latitude and longitude in degrees, time zone in hours from UT, summer time), plane (gnomonic declination 0–180° with the side East/West, inclination 0 vertical, 90 horizontal), gnomon (nodus height or style length, mm), hour systems (apparent hours, half hours, zone-time hours as analemmas, Italic and Babylonian hours), date lines (solstices and equinoxes, zodiac signs, first of each month, other dates dd/mm/yyyy) and plate (width, height, position of the foot of the gnomon F, mm).</p>"
 "<p>The project is kept in a <i>.horalo</i> file (Open, Save, Save as); Export writes the drawing as PDF, SVG, DXF or the coordinates as CSV. From the command line: <tt>horalo --export OUT.pdf FILE.horalo</tt>.</p>"),
("Rilievo", "Rilievo parete", "Wall survey",
 "<p>Misura la declinazione di una parete con il Sole: una tavoletta orizzontale contro la parete e un filo a piombo; per ogni osservazione si scrivono data (gg/mm/aaaa), ora dell'orologio (hh:mm:ss) e l'angolo α in gradi tra la perpendicolare alla parete e l'ombra del filo. Il luogo: latitudine e longitudine in gradi, fuso in ore. Il programma dà la declinazione media, lo scarto e la precisione attesa, e scarta le osservazioni lontane dalle altre.</p>"
 "<p>L'inclinazione della parete si ricava dal filo a piombo: lunghezza L e distanze a (in alto) e b (in basso) dalla parete, in mm. <b>Usa nel Quadrante</b> passa i risultati al Quadrante.</p>",
 "<p>Measures a wall's declination with the Sun: a horizontal board against the wall and a plumb line; for each observation type the date (dd/mm/yyyy), the clock time (hh:mm:ss) and the angle α in degrees between the perpendicular to the wall and the line's shadow. The place: latitude and longitude in degrees, time zone in hours. The program gives the mean declination, the spread and the expected accuracy, and sets aside observations far from the others.</p>"
 "<p>The wall's inclination comes from the plumb line: its length L and its distances a (top) and b (bottom) from the wall, in mm. <b>Use in the designer</b> hands the results to the designer.</p>"),
("Disegno", "Disegno", "Drawing",
 "<p>Il disegno in scala 1:1 di un foglio di calcolo: linee orarie, curve, valori dello stilo e cartiglio, con il centro del quadrante O e il piede dello gnomone F. <b>Adatta</b> lo fa entrare nella finestra; <b>Stampa 1:1</b> lo stampa in vera grandezza su più fogli; <b>Esporta PDF</b>/<b>SVG</b>; <b>Apri nel Quadrante</b> continua il lavoro nel Quadrante.</p>",
 "<p>The full-scale drawing of a calculation sheet: hour lines, curves, the style's values and the title block, with the dial centre O and the foot of the gnomon F. <b>Fit</b> fits it to the window; <b>Print 1:1</b> prints it full size over several sheets; <b>Export PDF</b>/<b>SVG</b>; <b>Open in the dial designer</b> carries on in the designer.</p>"),
]
glossary = [
("nodo","nodus","il punto la cui ombra segna il quadrante","the point whose shadow marks the dial","N"),
("altezza del nodo","nodus height","perpendicolare dal nodo al piano","perpendicular from the nodus to the plane","h, mm"),
("piede dello gnomone","foot of the gnomon","piede di quella perpendicolare sul piano","foot of that perpendicular on the plane","F"),
("stilo (polare)","(polar) style","asta parallela all'asse terrestre per il nodo","rod parallel to the Earth's axis through the nodus",""),
("centro del quadrante (radice dello stilo)","dial centre (root of the style)","dove lo stilo incontra il piano; centro delle linee orarie","where the style meets the plane; centre of the hour lines","O"),
("lunghezza dello stilo","style length","da O al nodo","from O to the nodus","mm"),
("base dello stilo (da O a F)","style base (O to F)","distanza sul piano da O a F","distance on the plane from O to F","mm"),
("elevazione dello stilo","style elevation","angolo tra lo stilo e il piano","angle between the style and the plane","°"),
("sustilare","substyle","linea da O per F","line from O through F",""),
("angolo della sustilare","substyle angle","angolo in O dalla linea meridiana alla sustilare, + verso il pomeriggio","angle at O from the noon line to the substyle, + towards the afternoon","°"),
("differenza di longitudine","longitude difference","angolo orario del meridiano che contiene la sustilare, + Ovest","hour angle of the meridian that holds the substyle, + West","°"),
("linea meridiana","noon line","ombra del Sole a mezzogiorno vero","the Sun's shadow at apparent noon",""),
("linea equinoziale","equinoctial line","ombra del nodo agli equinozi","shadow of the nodus on the equinoxes",""),
("declinazione (gnomonica) della parete","(gnomonic) declination of the plane","verso dove guarda il piano, da Sud, Ovest positiva","direction the plane faces, from South, West positive","D, °"),
("inclinazione","inclination","0 verticale, 90 orizzontale rivolto in alto","0 vertical, 90 horizontal facing up","i, °"),
("declinazione del Sole","solar declination","angolo del Sole dall'equatore celeste","the Sun's angle from the celestial equator","δ, °"),
("tempo vero locale","local apparent time","l'ora letta dal Sole nel luogo","time read from the Sun at the place",""),
("tempo civile (del fuso)","zone time","l'ora degli orologi del fuso","the time zone's clock time",""),
("equazione del tempo","equation of time","tempo vero meno tempo medio","apparent minus mean time","min"),
("analemma","analemma","la linea a otto di un'ora civile lungo l'anno","figure-eight line of one clock hour over the year",""),
("ore italiche","Italic hours","ore dal tramonto precedente","hours since the last sunset",""),
("ore babiloniche","Babylonian hours","ore dal sorgere del Sole","hours since sunrise",""),
("linea diurna (linea di data)","date line","ombra del nodo in un giorno","shadow of the nodus through one day",""),
("lastra","plate","la lastra o la parte di parete del quadrante","the slab or wall area the dial is traced on","mm"),
]
# Pictures wider than a page of the manual are shown narrower, never wider than they are.
def shown_width(name, lang):
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "docs", "manual-%s-%s.png" % (name, lang))
    with open(path, "rb") as f:
        width = struct.unpack(">I", f.read(24)[16:20])[0]
    return min(width, 480)

def build(lang):
    it = lang == "it"
    out = ['<html><head><meta charset="utf-8"><title>%s</title></head><body>' % ("Manuale di Horalo" if it else "Horalo manual")]
    out.append('<a name="indice"></a><h1>%s</h1>' % ("Manuale di Horalo" if it else "Horalo manual"))
    out.append('<h3>%s</h3><ul>' % ("Indice" if it else "Contents"))
    for name, ti, te, *_ in pages:
        out.append('<li><a href="#%s">%s</a></li>' % (name, html.escape(ti if it else te)))
    out.append('<li><a href="#glossario">%s</a></li></ul>' % ("Glossario" if it else "Glossary"))
    for name, ti, te, bi, be in pages:
        out.append('<hr><a name="%s"></a><h2>%s</h2>' % (name, html.escape(ti if it else te)))
        out.append(bi if it else be)
        out.append('<p><img src="manual-%s-%s.png" width="%d"></p>' % (name, lang, shown_width(name, lang)))
        out.append('<p><a href="#indice">%s</a></p>' % ("↑ Indice" if it else "↑ Contents"))
    out.append('<hr><a name="glossario"></a><h2>%s</h2>' % ("Glossario" if it else "Glossary"))
    out.append('<table border="1" cellspacing="0" cellpadding="3"><tr><th>%s</th><th>%s</th><th>%s</th><th>%s</th></tr>'
               % (("termine", "in inglese", "significato", "simbolo / unità") if it else ("term", "in Italian", "meaning", "symbol / unit")))
    for ti, te, mi, me, sym in glossary:
        out.append('<tr><td>%s</td><td>%s</td><td>%s</td><td>%s</td></tr>' % tuple(map(html.escape, (ti if it else te, te if it else ti, mi if it else me, sym))))
    out.append('</table></body></html>')
    return "\n".join(out) + "\n"
for lang in ("it", "en"):
    open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "shell", "help", "manual_%s.html") % lang, "w", encoding="utf-8").write(build(lang))
