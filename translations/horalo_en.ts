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
        <source>Lingua sconosciuta: usare it oppure en.</source>
        <translation>Unknown language: use it or en.</translation>
    </message>
    <message>
        <source>Apri nel Quadrante</source>
        <translation>Open in the dial designer</translation>
    </message>
</context>
</TS>
