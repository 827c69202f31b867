<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Core</name>
    <message>
        <source>%1 is a whole number</source>
        <translation>%1 ist eine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 is never above %2</source>
        <translation>%1 ist nie größer als %2</translation>
    </message>
    <message>
        <source>%1 is never below %2</source>
        <translation>%1 ist nie kleiner als %2</translation>
    </message>
    <message>
        <source>no map can meet %1: %2</source>
        <translation>keine Karte kann %1 erfüllen: %2</translation>
    </message>
    <message>
        <source>No map of %1 meets these</source>
        <translation>Keine von %1 Karten erfüllt diese</translation>
    </message>
    <message>
        <source>No map of %1 meets these; the nearest that some do: %2</source>
        <translation>Keine von %1 Karten erfüllt diese; die nächsten, die manche erfüllen: %2</translation>
    </message>
    <message>
        <source>%1: %2 of %3 meet it alone</source>
        <translation>%1: %2 von %3 erfüllen es allein</translation>
    </message>
    <message>
        <source>the rarest: %1</source>
        <translation>am seltensten: %1</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Bereichsüberschreitung</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Ganzzahlüberlauf</translation>
    </message>
    <message>
        <source>Internal error: nposs=%1</source>
        <translation>Interner Fehler: nposs=%1</translation>
    </message>
    <message>
        <source>Clearings not connected!</source>
        <translation>Lichtungen nicht verbunden!</translation>
    </message>
    <message>
        <source>A seed is a whole number from 0 to 4294967295.</source>
        <translation>Ein Startwert ist eine ganze Zahl von 0 bis 4294967295.</translation>
    </message>
    <message>
        <source>A map number is a whole number from 1 to 100000.</source>
        <translation>Eine Kartennummer ist eine ganze Zahl von 1 bis 100000.</translation>
    </message>
    <message>
        <source>Only the first 1000000 characters of a text are searched for a map.</source>
        <translation>Nur die ersten 1000000 Zeichen eines Textes werden nach einer Karte durchsucht.</translation>
    </message>
    <message>
        <source>bad criterion &apos;%1&apos;: %2</source>
        <translation>ungültiges Kriterium &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>it names no figure (%1)</source>
        <translation>es nennt keinen Kennwert (%1)</translation>
    </message>
    <message>
        <source>no figure is called &apos;%1&apos; (%2)</source>
        <translation>kein Kennwert heißt &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>it needs a comparison (&gt;=, &lt;=, =, &lt;, &gt;) and a number</source>
        <translation>es braucht einen Vergleich (&gt;=, &lt;=, =, &lt;, &gt;) und eine Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>no map of %1 sampled meets these</source>
        <translation>keine von %1 Stichprobenkarten erfüllt diese</translation>
    </message>
    <message>
        <source>about 1 map in %1 meets these</source>
        <translation>etwa 1 von %1 Karten erfüllt diese</translation>
    </message>
    <message>
        <source>bad criteria: an empty criterion between commas</source>
        <translation>ungültige Kriterien: ein leeres Kriterium zwischen Kommas</translation>
    </message>
    <message>
        <source>Reachable clearings</source>
        <translation>Erreichbare Lichtungen</translation>
    </message>
    <message>
        <source>Cut-off clearings</source>
        <translation>Abgeschnittene Lichtungen</translation>
    </message>
    <message>
        <source>Tiles with cut-off clearings</source>
        <translation>Plättchen mit abgeschnittenen Lichtungen</translation>
    </message>
    <message>
        <source>Longest route</source>
        <translation>Längster Weg</translation>
    </message>
    <message>
        <source>Mean route</source>
        <translation>Mittlerer Weg</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Same-kind edges</source>
        <translation>Kanten gleicher Art</translation>
    </message>
    <message>
        <source>Shared tile edges</source>
        <translation>Gemeinsame Plättchenkanten</translation>
    </message>
    <message>
        <source>Dead-end clearings</source>
        <translation>Sackgassen-Lichtungen</translation>
    </message>
    <message>
        <source>Bridge roads</source>
        <translation>Brückenwege</translation>
    </message>
    <message>
        <source>No map of %1 meets these criteria.</source>
        <translation>Keine von %1 Karten erfüllt diese Kriterien.</translation>
    </message>
    <message>
        <source>Stopped after %1 maps.</source>
        <translation>Nach %1 Karten angehalten.</translation>
    </message>
    <message>
        <source>Internal Error: mapstring not valid=%1</source>
        <translation>Interner Fehler: Kartenzeichenkette ungültig=%1</translation>
    </message>
    <message>
        <source>This map code has a mistake in it</source>
        <translation>Dieser Kartencode enthält einen Fehler</translation>
    </message>
    <message>
        <source>The web address must be an http:// or https:// address without spaces</source>
        <translation>Die Webadresse muss eine http://- oder https://-Adresse ohne Leerzeichen sein</translation>
    </message>
    <message>
        <source>The clipboard holds no map code</source>
        <translation>Die Zwischenablage enthält keinen Kartencode</translation>
    </message>
    <message>
        <source>The text holds no map code</source>
        <translation>Der Text enthält keinen Kartencode</translation>
    </message>
    <message>
        <source>The address holds no map code</source>
        <translation>Die Adresse enthält keinen Kartencode</translation>
    </message>
    <message>
        <source>The argument holds no map code</source>
        <translation>Das Argument enthält keinen Kartencode</translation>
    </message>
    <message>
        <source>%1/%2 reachable, longest %3</source>
        <translation>%1/%2 erreichbar, längster %3</translation>
    </message>
    <message>
        <source>link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>pasted code</source>
        <translation>eingefügter Code</translation>
    </message>
    <message>
        <source>Kept maps and the history cannot be saved: the settings cannot be written. The maps shown stay until the program is closed.</source>
        <translation>Gemerkte Karten und der Verlauf können nicht gespeichert werden: Die Einstellungen lassen sich nicht schreiben. Die gezeigten Karten bleiben, bis das Programm geschlossen wird.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Dateizugriff verweigert</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Ungültige Zahleneingabe</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>E/A-Fehler %1</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>There is no map in memory</source>
        <translation>Es ist keine Karte im Speicher</translation>
    </message>
    <message>
        <source>kept map %1</source>
        <translation>gemerkte Karte %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>option %1 given twice</source>
        <translation>Option %1 zweimal angegeben</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 muss eine ganze Zahl von %2 bis %3 sein, nicht &apos;%4&apos;</translation>
    </message>
    <message>
        <source>a tile</source>
        <translation>ein Plättchen</translation>
    </message>
    <message>
        <source>unknown tile &apos;%1&apos;: give 1..20 or a token such as MarchLand</source>
        <translation>unbekanntes Plättchen &apos;%1&apos;: 1..20 oder einen Namen wie MarchLand angeben</translation>
    </message>
    <message>
        <source>%1 takes no word &apos;%2&apos;</source>
        <translation>%1 nimmt kein Wort &apos;%2&apos;</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>MAPSTRING may also be a share code, a tavrin: link, &quot;seed N&quot; or &quot;N/k&quot;.
CRITERIA: comma-separated figure, comparison (&gt;= &lt;= = &lt; &gt;) and number, such as
          reachable&gt;=95,longest&lt;=18,columns&lt;=6
</source>
        <translation>MAPSTRING kann auch ein Kartencode, ein tavrin:-Link, &quot;seed N&quot; oder &quot;N/k&quot; sein.
CRITERIA: Kennwert, Vergleich (&gt;= &lt;= = &lt; &gt;) und Zahl, durch Kommas getrennt, etwa
          reachable&gt;=95,longest&lt;=18,columns&lt;=6
</translation>
    </message>
    <message>
        <source>give either --map MAPSTRING or --file FILE</source>
        <translation>entweder --map MAPSTRING oder --file FILE angeben</translation>
    </message>
    <message>
        <source>%1 needs FROM FROMCLEARING TO TOCLEARING</source>
        <translation>%1 braucht FROM FROMCLEARING TO TOCLEARING</translation>
    </message>
    <message>
        <source>--out FILE is required</source>
        <translation>--out FILE ist erforderlich</translation>
    </message>
    <message>
        <source>no command given; tavrin-cli --help lists them</source>
        <translation>kein Befehl angegeben; tavrin-cli --help listet sie auf</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;; tavrin-cli --help lists them</source>
        <translation>unbekannter Befehl &apos;%1&apos;; tavrin-cli --help listet sie auf</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>--out must name a .bmp, .png, .jpg, .svg or .pdf file</source>
        <translation>--out muss eine .bmp-, .png-, .jpg-, .svg- oder .pdf-Datei nennen</translation>
    </message>
    <message>
        <source>--tiles must be art, bitmaps or a folder&apos;s name</source>
        <translation>--tiles muss art, bitmaps oder der Name eines Ordners sein</translation>
    </message>
    <message>
        <source>--paper must be A4, Letter or A3</source>
        <translation>--paper muss A4, Letter oder A3 sein</translation>
    </message>
    <message>
        <source>--out FILE.pdf is required</source>
        <translation>--out FILE.pdf ist erforderlich</translation>
    </message>
    <message>
        <source>--out must name a .pdf file</source>
        <translation>--out muss eine .pdf-Datei nennen</translation>
    </message>
    <message>
        <source>--seeds must be A..B, not &apos;%1&apos;</source>
        <translation>--seeds muss A..B sein, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the first seed</source>
        <translation>der erste Startwert</translation>
    </message>
    <message>
        <source>the last seed</source>
        <translation>der letzte Startwert</translation>
    </message>
    <message>
        <source>--seeds %1: the first seed is above the last</source>
        <translation>--seeds %1: der erste Startwert ist größer als der letzte</translation>
    </message>
    <message>
        <source>--seeds A..B is required</source>
        <translation>--seeds A..B ist erforderlich</translation>
    </message>
    <message>
        <source>upper</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>upper right</source>
        <translation>oben rechts</translation>
    </message>
    <message>
        <source>lower right</source>
        <translation>unten rechts</translation>
    </message>
    <message>
        <source>lower</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>lower left</source>
        <translation>unten links</translation>
    </message>
    <message>
        <source>upper left</source>
        <translation>oben links</translation>
    </message>
    <message>
        <source>%1 is not on the map</source>
        <translation>%1 liegt nicht auf der Karte</translation>
    </message>
    <message>
        <source>%1 and %2 lie in one cell, column %3, row %4</source>
        <translation>%1 und %2 liegen in einem Feld, Spalte %3, Zeile %4</translation>
    </message>
    <message>
        <source>%1 touches no other tile</source>
        <translation>%1 berührt kein anderes Plättchen</translation>
    </message>
    <message>
        <source>%1 has a road at its %2 edge; %3 has none at the edge they share</source>
        <translation>%1 hat einen Weg an seiner Kante %2; %3 hat keinen an der gemeinsamen Kante</translation>
    </message>
    <message>
        <source>No road from %1 can reach %2: it has no clearing</source>
        <translation>Kein Weg von %1 kann %2 erreichen: es hat keine Lichtung</translation>
    </message>
    <message>
        <source>No road from %1 reaches clearing %2 of %3</source>
        <translation>Kein Weg von %1 erreicht Lichtung %2 von %3</translation>
    </message>
    <message>
        <source>The map cannot be completed: %1.</source>
        <translation>Die Karte lässt sich nicht vervollständigen: %1.</translation>
    </message>
    <message>
        <source>Laid 1 tile around 1 kept tile.</source>
        <translation>1 Plättchen um 1 behaltenes Plättchen ausgelegt.</translation>
    </message>
    <message>
        <source>Laid 1 tile around %1 kept tiles.</source>
        <translation>1 Plättchen um %1 behaltene Plättchen ausgelegt.</translation>
    </message>
    <message>
        <source>Laid %1 tiles around 1 kept tile.</source>
        <translation>%1 Plättchen um 1 behaltenes Plättchen ausgelegt.</translation>
    </message>
    <message>
        <source>Laid %1 tiles around %2 kept tiles.</source>
        <translation>%1 Plättchen um %2 behaltene Plättchen ausgelegt.</translation>
    </message>
    <message>
        <source>The map cannot be completed: %1 lies outside the map&apos;s columns and rows (-100 to 155).</source>
        <translation>Die Karte lässt sich nicht vervollständigen: %1 liegt außerhalb der Spalten und Zeilen der Karte (-100 bis 155).</translation>
    </message>
    <message>
        <source>No map passes around the kept tiles after %1 tries; every tile stays where it was.</source>
        <translation>Nach %1 Versuchen besteht keine Karte um die behaltenen Plättchen; jedes Plättchen bleibt, wo es war.</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>%1 drehen</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>Swap %1 and %2</source>
        <translation>%1 und %2 tauschen</translation>
    </message>
    <message>
        <source>Lift %1</source>
        <translation>%1 abheben</translation>
    </message>
    <message>
        <source>Pin %1</source>
        <translation>%1 feststecken</translation>
    </message>
    <message>
        <source>Unpin %1</source>
        <translation>%1 lösen</translation>
    </message>
    <message>
        <source>Complete Map</source>
        <translation>Karte vervollständigen</translation>
    </message>
    <message>
        <source>Re-roll Unpinned</source>
        <translation>Übrige neu auslegen</translation>
    </message>
    <message>
        <source>No finding: every tile is laid, every road meets a road, and every tile is reached from March Land.</source>
        <translation>Kein Befund: Jedes Plättchen liegt, jeder Weg trifft auf einen Weg, und jedes Plättchen ist von March Land aus erreichbar.</translation>
    </message>
    <message>
        <source>1 tile waits in the tray: lay them, or use Complete Map, before leaving the editor.</source>
        <translation>1 Plättchen wartet in der Ablage: Legen Sie es aus oder nutzen Sie Karte vervollständigen, bevor Sie den Editor verlassen.</translation>
    </message>
    <message>
        <source>%1 tiles wait in the tray: lay them, or use Complete Map, before leaving the editor.</source>
        <translation>%1 Plättchen warten in der Ablage: Legen Sie sie aus oder nutzen Sie Karte vervollständigen, bevor Sie den Editor verlassen.</translation>
    </message>
    <message>
        <source>edited from %1</source>
        <translation>bearbeitet aus %1</translation>
    </message>
    <message>
        <source>--pin: %1 names no tile; give 1..20 or a name as the listing writes it, such as March Land</source>
        <translation>--pin: %1 nennt kein Plättchen; 1..20 oder einen Namen wie in der Liste angeben, etwa March Land</translation>
    </message>
    <message>
        <source>--pin: %1 is not TILE:COL/ROW/ROT, such as &apos;March Land:0/0/3&apos;</source>
        <translation>--pin: %1 ist nicht TILE:COL/ROW/ROT, etwa &apos;March Land:0/0/3&apos;</translation>
    </message>
    <message>
        <source>--pin: %1&apos;s column %2 is outside -100..155</source>
        <translation>--pin: Spalte %2 von %1 liegt außerhalb von -100..155</translation>
    </message>
    <message>
        <source>--pin: %1&apos;s row %2 is outside -100..155</source>
        <translation>--pin: Zeile %2 von %1 liegt außerhalb von -100..155</translation>
    </message>
    <message>
        <source>--pin: %1&apos;s rotation %2 is outside 1..6</source>
        <translation>--pin: Drehung %2 von %1 liegt außerhalb von 1..6</translation>
    </message>
    <message>
        <source>--pin: an empty entry; give TILE:COL/ROW/ROT, ... such as &apos;March Land:0/0/3&apos;</source>
        <translation>--pin: ein leerer Eintrag; TILE:COL/ROW/ROT, ... angeben, etwa &apos;March Land:0/0/3&apos;</translation>
    </message>
    <message>
        <source>--pin: %1 is pinned twice</source>
        <translation>--pin: %1 ist zweimal festgesteckt</translation>
    </message>
    <message>
        <source>--pin: column %1, row %2 is taken twice, by %3 and %4</source>
        <translation>--pin: Spalte %1, Zeile %2 ist doppelt belegt, von %3 und %4</translation>
    </message>
    <message>
        <source>No completion of %1 around the pins meets these criteria.</source>
        <translation>Keine von %1 Vervollständigungen um die festgesteckten Plättchen erfüllt diese Kriterien.</translation>
    </message>
    <message>
        <source>--palette must be standard or colour-blind</source>
        <translation>--palette muss standard oder colour-blind sein</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Tavrin Map Generator</source>
        <translation>Tavrin Map Generator</translation>
    </message>
    <message>
        <source>Create Map</source>
        <translation>Karte erstellen</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Weg</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Kennzahlen</translation>
    </message>
    <message>
        <source>Create Map Until</source>
        <translation>Karte erstellen bis</translation>
    </message>
    <message>
        <source>Use the nearest</source>
        <translation>Die nächsten nehmen</translation>
    </message>
    <message>
        <source>Kept Maps</source>
        <translation>Gemerkte Karten</translation>
    </message>
    <message>
        <source>Keep Map</source>
        <translation>Karte merken</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Plättchen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Create Map (Ctrl+M)</source>
        <translation>Karte erstellen (Strg+M)</translation>
    </message>
    <message>
        <source>Back to the map before (Alt+Left)</source>
        <translation>Zurück zur vorigen Karte (Alt+Links)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward to the next map (Alt+Right)</source>
        <translation>Vor zur nächsten Karte (Alt+Rechts)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Fit Map (Ctrl+0)</source>
        <translation>Karte einpassen (Strg+0)</translation>
    </message>
    <message>
        <source>Zoom Out (Ctrl+-)</source>
        <translation>Verkleinern (Strg+-)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl++)</source>
        <translation>Vergrößern (Strg++)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Copy a link that opens this map</source>
        <translation>Einen Link kopieren, der diese Karte öffnet</translation>
    </message>
    <message>
        <source>Print the set-up sheet (Ctrl+P)</source>
        <translation>Das Aufbaublatt drucken (Strg+P)</translation>
    </message>
    <message>
        <source>Map code</source>
        <translation>Kartencode</translation>
    </message>
    <message>
        <source>Paste a map code, N/k or a link</source>
        <translation>Kartencode, N/k oder Link einfügen</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>The map; tap clearings to find a route</source>
        <translation>Die Karte; Lichtungen antippen, um einen Weg zu finden</translation>
    </message>
    <message>
        <source>Criteria</source>
        <translation>Kriterien</translation>
    </message>
    <message>
        <source>reachable&gt;=95,longest&lt;=18,columns&lt;=6</source>
        <translation>reachable&gt;=95,longest&lt;=18,columns&lt;=6</translation>
    </message>
    <message>
        <source>Create maps until one meets the criteria</source>
        <translation>Karten erstellen, bis eine die Kriterien erfüllt</translation>
    </message>
    <message>
        <source>Name of the map</source>
        <translation>Name der Karte</translation>
    </message>
    <message>
        <source>Name (may be left empty)</source>
        <translation>Name (darf leer bleiben)</translation>
    </message>
    <message>
        <source>Keep the map shown (Ctrl+D)</source>
        <translation>Die gezeigte Karte merken (Strg+D)</translation>
    </message>
    <message>
        <source>Remove kept map %1</source>
        <translation>Gemerkte Karte %1 entfernen</translation>
    </message>
    <message>
        <source>Tap a clearing to start a new route.</source>
        <translation>Eine Lichtung antippen, um einen neuen Weg zu beginnen.</translation>
    </message>
    <message>
        <source>From %1 %2: tap a clearing for To.</source>
        <translation>Von %1 %2: eine Lichtung für Nach antippen.</translation>
    </message>
    <message>
        <source>Tap or click a clearing for From, then another for To.</source>
        <translation>Eine Lichtung für Von antippen oder anklicken, dann eine weitere für Nach.</translation>
    </message>
    <message>
        <source>%1: link copied</source>
        <translation>%1: Link kopiert</translation>
    </message>
    <message>
        <source>Copy this link:</source>
        <translation>Diesen Link kopieren:</translation>
    </message>
    <message>
        <source>Search anyway</source>
        <translation>Trotzdem suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Searching: %1 maps tried, %2 s</source>
        <translation>Suche: %1 Karten probiert, %2 s</translation>
    </message>
    <message>
        <source>Cut off: no road from March Land 1 reaches it</source>
        <translation>Abgeschnitten: kein Weg von March Land 1 führt hierher</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nach</translation>
    </message>
    <message>
        <source>From: not joined</source>
        <translation>Von: nicht verbunden</translation>
    </message>
    <message>
        <source>To: not joined</source>
        <translation>Nach: nicht verbunden</translation>
    </message>
    <message>
        <source>%1 · search cancelled</source>
        <translation>%1 · Suche abgebrochen</translation>
    </message>
    <message>
        <source>Lay every tile that cannot stay around the rest</source>
        <translation>Jedes Plättchen, das nicht bleiben kann, um die übrigen auslegen</translation>
    </message>
    <message>
        <source>Lay every tile again but the pinned ones</source>
        <translation>Jedes Plättchen außer den festgesteckten neu auslegen</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Colour-blind safe</source>
        <translation>Für Farbenblinde</translation>
    </message>
    <message>
        <source>Complete Map</source>
        <translation>Karte vervollständigen</translation>
    </message>
    <message>
        <source>Re-roll Unpinned</source>
        <translation>Übrige neu auslegen</translation>
    </message>
    <message>
        <source>%1 is pinned: Re-roll Unpinned keeps it</source>
        <translation>%1 ist festgesteckt: Übrige neu auslegen behält es</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformation.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt die Hilfe einschließlich der allgemeinen Qt-Optionen.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>Lays out random maps of 20 hexagonal tiles for the board game.</source>
        <translation>Legt Zufallskarten aus 20 sechseckigen Plättchen für das Brettspiel aus.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>A map file (.tvm), a map code or a tavrin: link to open.</source>
        <translation>Eine Kartendatei (.tvm), ein Kartencode oder ein tavrin:-Link zum Öffnen.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
</context>
<context>
    <name>TCreateMapUntilDialog</name>
    <message>
        <source>Create Map Until</source>
        <translation>Karte erstellen bis</translation>
    </message>
    <message>
        <source>Create maps until one meets every criterion checked:</source>
        <translation>Karten erstellen, bis eine jedes angehakte Kriterium erfüllt:</translation>
    </message>
    <message>
        <source>at least</source>
        <translation>mindestens</translation>
    </message>
    <message>
        <source>at most</source>
        <translation>höchstens</translation>
    </message>
    <message>
        <source>Histogram of %1</source>
        <translation>Histogramm: %1</translation>
    </message>
    <message>
        <source>Use the nearest</source>
        <translation>Die nächsten nehmen</translation>
    </message>
    <message>
        <source>Search anyway</source>
        <translation>Trotzdem suchen</translation>
    </message>
    <message>
        <source>Criteria: %1</source>
        <translation>Kriterien: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Sampling maps...</source>
        <translation>Karten werden gezogen...</translation>
    </message>
</context>
<context>
    <name>TEditorTray</name>
    <message>
        <source>Tray</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Tiles lifted off the map: drag one onto the map to lay it</source>
        <translation>Von der Karte abgehobene Plättchen: eines auf die Karte ziehen, um es auszulegen</translation>
    </message>
    <message>
        <source>Delete lifts the selected tile here</source>
        <translation>Entf hebt das gewählte Plättchen hierher ab</translation>
    </message>
</context>
<context>
    <name>TFiguresDock</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Map Figures</source>
        <translation>Kennzahlen der Karte</translation>
    </message>
    <message>
        <source>Map figures</source>
        <translation>Kennzahlen der Karte</translation>
    </message>
    <message>
        <source>Cut off</source>
        <translation>Abgeschnitten</translation>
    </message>
</context>
<context>
    <name>TFiguresPart</name>
    <message>
        <source>&amp;Map Figures</source>
        <translation>Kenn&amp;zahlen der Karte</translation>
    </message>
    <message>
        <source>Show every figure of the map</source>
        <translation>Alle Kennzahlen der Karte zeigen</translation>
    </message>
    <message>
        <source>Key map figures</source>
        <translation>Wichtigste Kennzahlen der Karte</translation>
    </message>
    <message>
        <source>Found after %1 maps in %2 s</source>
        <translation>Nach %1 Karten in %2 s gefunden</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Tavrin Map Generator Ver %1 by Ostrel</source>
        <translation>Tavrin Map Generator Ver %1 von Ostrel</translation>
    </message>
    <message>
        <source>Create &amp;Map</source>
        <translation>&amp;Karte erstellen</translation>
    </message>
    <message>
        <source>Create random map</source>
        <translation>Zufallskarte erstellen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit from program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Load Map...</source>
        <translation>Karte &amp;laden...</translation>
    </message>
    <message>
        <source>Load map</source>
        <translation>Karte laden</translation>
    </message>
    <message>
        <source>&amp;Save Map...</source>
        <translation>Karte &amp;speichern...</translation>
    </message>
    <message>
        <source>Save map</source>
        <translation>Karte speichern</translation>
    </message>
    <message>
        <source>Save Map as .&amp;bmp...</source>
        <translation>Karte als .&amp;bmp speichern...</translation>
    </message>
    <message>
        <source>Save Map as .bmp</source>
        <translation>Karte als .bmp speichern</translation>
    </message>
    <message>
        <source>E&amp;xport Picture...</source>
        <translation>Bild e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Export the map picture as PNG, JPEG, SVG or PDF</source>
        <translation>Das Kartenbild als PNG, JPEG, SVG oder PDF exportieren</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print the set-up sheet</source>
        <translation>Das Aufbaublatt drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Preview the set-up sheet</source>
        <translation>Vorschau des Aufbaublatts</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Show the map at actual size</source>
        <translation>Die Karte in Originalgröße zeigen</translation>
    </message>
    <message>
        <source>&amp;Fit Map</source>
        <translation>Karte &amp;einpassen</translation>
    </message>
    <message>
        <source>Fit the whole map into the window</source>
        <translation>Die ganze Karte ins Fenster einpassen</translation>
    </message>
    <message>
        <source>Show &amp;Coordinates</source>
        <translation>Koor&amp;dinaten anzeigen</translation>
    </message>
    <message>
        <source>Show each tile&apos;s column and row on the map</source>
        <translation>Spalte und Zeile jedes Plättchens auf der Karte zeigen</translation>
    </message>
    <message>
        <source>Show Cut-off C&amp;learings</source>
        <translation>Abgeschnittene &amp;Lichtungen anzeigen</translation>
    </message>
    <message>
        <source>Mark the clearings no road joins to the start</source>
        <translation>Die Lichtungen markieren, die kein Weg mit dem Start verbindet</translation>
    </message>
    <message>
        <source>&amp;Copy Map Code</source>
        <translation>Kartencode &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy the map&apos;s share code to the clipboard</source>
        <translation>Den Kartencode in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy C&amp;lassic Map Code</source>
        <translation>K&amp;lassischen Kartencode kopieren</translation>
    </message>
    <message>
        <source>Copy the 60-character map code to the clipboard</source>
        <translation>Den Kartencode mit 60 Zeichen in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Share Map...</source>
        <translation>Karte &amp;teilen...</translation>
    </message>
    <message>
        <source>Show the map&apos;s code, link and QR code</source>
        <translation>Code, Link und QR-Code der Karte zeigen</translation>
    </message>
    <message>
        <source>&amp;Keep Map...</source>
        <translation>Karte &amp;merken...</translation>
    </message>
    <message>
        <source>Keep the map under a name</source>
        <translation>Die Karte unter einem Namen merken</translation>
    </message>
    <message>
        <source>&amp;Paste Map Code</source>
        <translation>Kartencode &amp;einfügen</translation>
    </message>
    <message>
        <source>Load the map code on the clipboard</source>
        <translation>Den Kartencode aus der Zwischenablage laden</translation>
    </message>
    <message>
        <source>Create Map &amp;Until...</source>
        <translation>Karte erstellen &amp;bis...</translation>
    </message>
    <message>
        <source>Create maps until one meets your criteria</source>
        <translation>Karten erstellen, bis eine Ihre Kriterien erfüllt</translation>
    </message>
    <message>
        <source>Create Map from &amp;Seed...</source>
        <translation>Karte aus &amp;Startwert erstellen...</translation>
    </message>
    <message>
        <source>Create the first map of a seed</source>
        <translation>Die erste Karte eines Startwerts erstellen</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Show the map before this one</source>
        <translation>Die Karte vor dieser zeigen</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>Show the map after this one</source>
        <translation>Die Karte nach dieser zeigen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>B&amp;earbeiten</translation>
    </message>
    <message>
        <source>&amp;Map</source>
        <translation>&amp;Karte</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Tile listing</source>
        <translation>Plättchenliste</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Map seed</source>
        <translation>Startwert der Karte</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Each tile&apos;s name, column, row and rotation on the map</source>
        <translation>Name, Spalte, Zeile und Drehung jedes Plättchens auf der Karte</translation>
    </message>
</context>
<context>
    <name>TMapCommands</name>
    <message>
        <source>Kep&amp;t Maps</source>
        <translation>&amp;Gemerkte Karten</translation>
    </message>
    <message>
        <source>&amp;Remove Kept Map</source>
        <translation>Gemerkte Karte e&amp;ntfernen</translation>
    </message>
    <message>
        <source>Create Map from Seed</source>
        <translation>Karte aus Startwert erstellen</translation>
    </message>
    <message>
        <source>Seed (0 to 4294967295):</source>
        <translation>Startwert (0 bis 4294967295):</translation>
    </message>
    <message>
        <source>Keep Map</source>
        <translation>Karte merken</translation>
    </message>
    <message>
        <source>Name of the map (may be left empty):</source>
        <translation>Name der Karte (darf leer bleiben):</translation>
    </message>
</context>
<context>
    <name>TMapEditorPart</name>
    <message>
        <source>&amp;Edit Map</source>
        <translation>Karte &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Turn, move, pin and lift the tiles of the map shown</source>
        <translation>Die Plättchen der gezeigten Karte drehen, verschieben, feststecken und abheben</translation>
    </message>
    <message>
        <source>Com&amp;plete Map</source>
        <translation>Karte &amp;vervollständigen</translation>
    </message>
    <message>
        <source>Lay the tray&apos;s tiles around the tiles on the map</source>
        <translation>Die Plättchen der Ablage um die Plättchen der Karte auslegen</translation>
    </message>
    <message>
        <source>Re-r&amp;oll Unpinned</source>
        <translation>Übrige neu a&amp;uslegen</translation>
    </message>
    <message>
        <source>Lay every tile that is not pinned anew</source>
        <translation>Jedes nicht festgesteckte Plättchen neu auslegen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Undo the last edit of the map</source>
        <translation>Die letzte Änderung der Karte rückgängig machen</translation>
    </message>
    <message>
        <source>Redo the edit undone last</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederholen</translation>
    </message>
    <message>
        <source>What is wrong with the map</source>
        <translation>Was an der Karte nicht stimmt</translation>
    </message>
</context>
<context>
    <name>TMapFileCommands</name>
    <message>
        <source>map files (*.tvm)|*.tvm|any files (*.*)|*.*</source>
        <translation>Kartendateien (*.tvm)|*.tvm|alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Tavrin Map Files</source>
        <translation>Tavrin-Kartendateien</translation>
    </message>
    <message>
        <source>bitmap files (*.bmp)|*.bmp|any files (*.*)|*.*</source>
        <translation>Bitmap-Dateien (*.bmp)|*.bmp|alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>&amp;Recent Maps</source>
        <translation>&amp;Zuletzt geöffnete Karten</translation>
    </message>
</context>
<context>
    <name>TMapSearchRun</name>
    <message>
        <source>Maps tried: %1 of %2
Time: %3 s</source>
        <translation>Probierte Karten: %1 von %2
Zeit: %3 s</translation>
    </message>
    <message>
        <source>Create Map Until</source>
        <translation>Karte erstellen bis</translation>
    </message>
</context>
<context>
    <name>TMapSession</name>
    <message>
        <source>map %1 of %2</source>
        <translation>Karte %1 von %2</translation>
    </message>
</context>
<context>
    <name>TMapView</name>
    <message>
        <source>Create Map (Ctrl+M) lays out a new map</source>
        <translation>Karte erstellen (Strg+M) legt eine neue Karte aus</translation>
    </message>
    <message>
        <source>Back (Alt+Left) brings back the last one</source>
        <translation>Zurück (Alt+Links) holt die letzte zurück</translation>
    </message>
    <message>
        <source>%1, clearing %2</source>
        <translation>%1, Lichtung %2</translation>
    </message>
    <message>
        <source>Left click: From, right click: To</source>
        <translation>Linksklick: Von, Rechtsklick: Nach</translation>
    </message>
    <message>
        <source>Fit %1</source>
        <translation>Eingepasst %1</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>Zoom %1</translation>
    </message>
</context>
<context>
    <name>TPictureExport</name>
    <message>
        <source>PNG image (*.png)|*.png</source>
        <translation>PNG-Bild (*.png)|*.png</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg)|*.jpg;*.jpeg</source>
        <translation>JPEG-Bild (*.jpg)|*.jpg;*.jpeg</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)|*.svg</source>
        <translation>SVG-Zeichnung (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)|*.pdf</source>
        <translation>PDF-Dokument (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>SVG drawing, Tile bitmaps (*.svg)|*.svg</source>
        <translation>SVG-Zeichnung, Plättchen-Bitmaps (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>PDF document, Tile bitmaps (*.pdf)|*.pdf</source>
        <translation>PDF-Dokument, Plättchen-Bitmaps (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
</context>
<context>
    <name>TQtUserDialogs</name>
    <message>
        <source>Sheet</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>Tile bitmaps</source>
        <translation>Plättchen-Bitmaps</translation>
    </message>
    <message>
        <source>Draw the tile bitmaps beside the program (your own pictures, say) instead of the program&apos;s tile art</source>
        <translation>Die Plättchen-Bitmaps neben dem Programm (etwa eigene Bilder) statt der Plättchengrafik des Programms zeichnen</translation>
    </message>
    <message>
        <source>as large as fits</source>
        <translation>so groß wie möglich</translation>
    </message>
    <message>
        <source>Print at N mm per tile:</source>
        <translation>Drucken mit N mm je Plättchen:</translation>
    </message>
</context>
<context>
    <name>TRouteQuery</name>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nach</translation>
    </message>
    <message>
        <source>Find shortest path</source>
        <translation>Kürzesten Weg finden</translation>
    </message>
    <message>
        <source>Show the shortest road route from the From clearing to the To clearing</source>
        <translation>Den kürzesten Weg von der Von-Lichtung zur Nach-Lichtung zeigen</translation>
    </message>
    <message>
        <source>From tile</source>
        <translation>Von-Plättchen</translation>
    </message>
    <message>
        <source>From clearing</source>
        <translation>Von-Lichtung</translation>
    </message>
    <message>
        <source>To tile</source>
        <translation>Nach-Plättchen</translation>
    </message>
    <message>
        <source>To clearing</source>
        <translation>Nach-Lichtung</translation>
    </message>
</context>
<context>
    <name>TShareDialog</name>
    <message>
        <source>Share Map</source>
        <translation>Karte teilen</translation>
    </message>
    <message>
        <source>Map code:</source>
        <translation>Kartencode:</translation>
    </message>
    <message>
        <source>Made from:</source>
        <translation>Erstellt aus:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Link:</translation>
    </message>
    <message>
        <source>https://... where the web page is served</source>
        <translation>https://... wo die Webseite bereitsteht</translation>
    </message>
    <message>
        <source>Web page:</source>
        <translation>Webseite:</translation>
    </message>
    <message>
        <source>Copy &amp;Code</source>
        <translation>&amp;Code kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Link</source>
        <translation>&amp;Link kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>&amp;Bild kopieren</translation>
    </message>
</context>
<context>
    <name>TSheetPrinting</name>
    <message>
        <source>Tavrin set-up sheet</source>
        <translation>Tavrin-Aufbaublatt</translation>
    </message>
</context>
<context>
    <name>TViewPart</name>
    <message>
        <source>Colou&amp;rs</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Colour-blind Safe</source>
        <translation>Für &amp;Farbenblinde</translation>
    </message>
    <message>
        <source>Draw the map in its usual colours</source>
        <translation>Die Karte in ihren üblichen Farben zeichnen</translation>
    </message>
    <message>
        <source>Draw the map in colours every player can tell apart</source>
        <translation>Die Karte in Farben zeichnen, die jeder Spieler unterscheiden kann</translation>
    </message>
    <message>
        <source>Show Tile &amp;Bitmaps</source>
        <translation>Plättchen-&amp;Bitmaps zeigen</translation>
    </message>
    <message>
        <source>Show the tile bitmaps beside the program instead of the tile art</source>
        <translation>Die Plättchen-Bitmaps neben dem Programm statt der Plättchengrafik zeigen</translation>
    </message>
</context>
</TS>
