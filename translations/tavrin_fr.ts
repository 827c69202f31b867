<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Core</name>
    <message>
        <source>%1 is a whole number</source>
        <translation>%1 est un nombre entier</translation>
    </message>
    <message>
        <source>%1 is never above %2</source>
        <translation>%1 ne dépasse jamais %2</translation>
    </message>
    <message>
        <source>%1 is never below %2</source>
        <translation>%1 n&apos;est jamais inférieur à %2</translation>
    </message>
    <message>
        <source>no map can meet %1: %2</source>
        <translation>aucune carte ne peut satisfaire %1 : %2</translation>
    </message>
    <message>
        <source>No map of %1 meets these</source>
        <translation>Aucune carte sur %1 ne les satisfait</translation>
    </message>
    <message>
        <source>No map of %1 meets these; the nearest that some do: %2</source>
        <translation>Aucune carte sur %1 ne les satisfait ; les plus proches que certaines satisfont : %2</translation>
    </message>
    <message>
        <source>%1: %2 of %3 meet it alone</source>
        <translation>%1 : %2 sur %3 le satisfont seul</translation>
    </message>
    <message>
        <source>the rarest: %1</source>
        <translation>le plus rare : %1</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Erreur de vérification de plage</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Dépassement d&apos;entier</translation>
    </message>
    <message>
        <source>Internal error: nposs=%1</source>
        <translation>Erreur interne : nposs=%1</translation>
    </message>
    <message>
        <source>Clearings not connected!</source>
        <translation>Clairières non reliées !</translation>
    </message>
    <message>
        <source>A seed is a whole number from 0 to 4294967295.</source>
        <translation>Une graine est un nombre entier de 0 à 4294967295.</translation>
    </message>
    <message>
        <source>A map number is a whole number from 1 to 100000.</source>
        <translation>Un numéro de carte est un nombre entier de 1 à 100000.</translation>
    </message>
    <message>
        <source>Only the first 1000000 characters of a text are searched for a map.</source>
        <translation>Seuls les 1000000 premiers caractères d&apos;un texte sont examinés pour trouver une carte.</translation>
    </message>
    <message>
        <source>bad criterion &apos;%1&apos;: %2</source>
        <translation>critère incorrect « %1 » : %2</translation>
    </message>
    <message>
        <source>it names no figure (%1)</source>
        <translation>il ne nomme aucun indicateur (%1)</translation>
    </message>
    <message>
        <source>no figure is called &apos;%1&apos; (%2)</source>
        <translation>aucun indicateur ne s&apos;appelle « %1 » (%2)</translation>
    </message>
    <message>
        <source>it needs a comparison (&gt;=, &lt;=, =, &lt;, &gt;) and a number</source>
        <translation>il faut une comparaison (&gt;=, &lt;=, =, &lt;, &gt;) et un nombre</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>« %1 » n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>no map of %1 sampled meets these</source>
        <translation>aucune des %1 cartes de l&apos;échantillon ne les satisfait</translation>
    </message>
    <message>
        <source>about 1 map in %1 meets these</source>
        <translation>environ 1 carte sur %1 les satisfait</translation>
    </message>
    <message>
        <source>bad criteria: an empty criterion between commas</source>
        <translation>critères incorrects : un critère vide entre deux virgules</translation>
    </message>
    <message>
        <source>Reachable clearings</source>
        <translation>Clairières accessibles</translation>
    </message>
    <message>
        <source>Cut-off clearings</source>
        <translation>Clairières isolées</translation>
    </message>
    <message>
        <source>Tiles with cut-off clearings</source>
        <translation>Tuiles avec clairières isolées</translation>
    </message>
    <message>
        <source>Longest route</source>
        <translation>Trajet le plus long</translation>
    </message>
    <message>
        <source>Mean route</source>
        <translation>Trajet moyen</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Same-kind edges</source>
        <translation>Bords de même type</translation>
    </message>
    <message>
        <source>Shared tile edges</source>
        <translation>Bords de tuiles partagés</translation>
    </message>
    <message>
        <source>Dead-end clearings</source>
        <translation>Clairières en cul-de-sac</translation>
    </message>
    <message>
        <source>Bridge roads</source>
        <translation>Routes-ponts</translation>
    </message>
    <message>
        <source>No map of %1 meets these criteria.</source>
        <translation>Aucune carte sur %1 ne satisfait ces critères.</translation>
    </message>
    <message>
        <source>Stopped after %1 maps.</source>
        <translation>Arrêté après %1 cartes.</translation>
    </message>
    <message>
        <source>Internal Error: mapstring not valid=%1</source>
        <translation>Erreur interne : chaîne de carte non valide=%1</translation>
    </message>
    <message>
        <source>This map code has a mistake in it</source>
        <translation>Ce code de carte contient une erreur</translation>
    </message>
    <message>
        <source>The web address must be an http:// or https:// address without spaces</source>
        <translation>L&apos;adresse web doit être une adresse http:// ou https:// sans espaces</translation>
    </message>
    <message>
        <source>The clipboard holds no map code</source>
        <translation>Le presse-papiers ne contient aucun code de carte</translation>
    </message>
    <message>
        <source>The text holds no map code</source>
        <translation>Le texte ne contient aucun code de carte</translation>
    </message>
    <message>
        <source>The address holds no map code</source>
        <translation>L&apos;adresse ne contient aucun code de carte</translation>
    </message>
    <message>
        <source>The argument holds no map code</source>
        <translation>L&apos;argument ne contient aucun code de carte</translation>
    </message>
    <message>
        <source>%1/%2 reachable, longest %3</source>
        <translation>%1/%2 accessibles, plus long %3</translation>
    </message>
    <message>
        <source>link</source>
        <translation>lien</translation>
    </message>
    <message>
        <source>pasted code</source>
        <translation>code collé</translation>
    </message>
    <message>
        <source>Kept maps and the history cannot be saved: the settings cannot be written. The maps shown stay until the program is closed.</source>
        <translation>Les cartes gardées et l&apos;historique ne peuvent pas être enregistrés : les réglages ne peuvent pas être écrits. Les cartes affichées restent jusqu&apos;à la fermeture du programme.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nom de fichier non valide</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Entrée numérique non valide</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erreur d&apos;E/S %1</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Fichier introuvable : %1</translation>
    </message>
    <message>
        <source>There is no map in memory</source>
        <translation>Il n&apos;y a aucune carte en mémoire</translation>
    </message>
    <message>
        <source>kept map %1</source>
        <translation>carte gardée %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 demande une valeur</translation>
    </message>
    <message>
        <source>option %1 given twice</source>
        <translation>l&apos;option %1 est donnée deux fois</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 doit être un nombre entier de %2 à %3, pas « %4 »</translation>
    </message>
    <message>
        <source>a tile</source>
        <translation>une tuile</translation>
    </message>
    <message>
        <source>unknown tile &apos;%1&apos;: give 1..20 or a token such as MarchLand</source>
        <translation>tuile inconnue « %1 » : donnez 1..20 ou un nom comme MarchLand</translation>
    </message>
    <message>
        <source>%1 takes no word &apos;%2&apos;</source>
        <translation>%1 ne prend pas de mot « %2 »</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>usage :</translation>
    </message>
    <message>
        <source>MAPSTRING may also be a share code, a tavrin: link, &quot;seed N&quot; or &quot;N/k&quot;.
CRITERIA: comma-separated figure, comparison (&gt;= &lt;= = &lt; &gt;) and number, such as
          reachable&gt;=95,longest&lt;=18,columns&lt;=6
</source>
        <translation>MAPSTRING peut aussi être un code de carte, un lien tavrin:, &quot;seed N&quot; ou &quot;N/k&quot;.
CRITERIA : indicateur, comparaison (&gt;= &lt;= = &lt; &gt;) et nombre, séparés par des virgules, par exemple
          reachable&gt;=95,longest&lt;=18,columns&lt;=6
</translation>
    </message>
    <message>
        <source>give either --map MAPSTRING or --file FILE</source>
        <translation>donnez soit --map MAPSTRING soit --file FILE</translation>
    </message>
    <message>
        <source>%1 needs FROM FROMCLEARING TO TOCLEARING</source>
        <translation>%1 demande FROM FROMCLEARING TO TOCLEARING</translation>
    </message>
    <message>
        <source>--out FILE is required</source>
        <translation>--out FILE est obligatoire</translation>
    </message>
    <message>
        <source>no command given; tavrin-cli --help lists them</source>
        <translation>aucune commande donnée ; tavrin-cli --help les liste</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;; tavrin-cli --help lists them</source>
        <translation>commande inconnue « %1 » ; tavrin-cli --help les liste</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>--out must name a .bmp, .png, .jpg, .svg or .pdf file</source>
        <translation>--out doit nommer un fichier .bmp, .png, .jpg, .svg ou .pdf</translation>
    </message>
    <message>
        <source>--tiles must be art, bitmaps or a folder&apos;s name</source>
        <translation>--tiles doit être art, bitmaps ou le nom d&apos;un dossier</translation>
    </message>
    <message>
        <source>--paper must be A4, Letter or A3</source>
        <translation>--paper doit être A4, Letter ou A3</translation>
    </message>
    <message>
        <source>--out FILE.pdf is required</source>
        <translation>--out FILE.pdf est obligatoire</translation>
    </message>
    <message>
        <source>--out must name a .pdf file</source>
        <translation>--out doit nommer un fichier .pdf</translation>
    </message>
    <message>
        <source>--seeds must be A..B, not &apos;%1&apos;</source>
        <translation>--seeds doit être A..B, pas « %1 »</translation>
    </message>
    <message>
        <source>the first seed</source>
        <translation>la première graine</translation>
    </message>
    <message>
        <source>the last seed</source>
        <translation>la dernière graine</translation>
    </message>
    <message>
        <source>--seeds %1: the first seed is above the last</source>
        <translation>--seeds %1 : la première graine dépasse la dernière</translation>
    </message>
    <message>
        <source>--seeds A..B is required</source>
        <translation>--seeds A..B est obligatoire</translation>
    </message>
    <message>
        <source>upper</source>
        <translation>haut</translation>
    </message>
    <message>
        <source>upper right</source>
        <translation>haut droit</translation>
    </message>
    <message>
        <source>lower right</source>
        <translation>bas droit</translation>
    </message>
    <message>
        <source>lower</source>
        <translation>bas</translation>
    </message>
    <message>
        <source>lower left</source>
        <translation>bas gauche</translation>
    </message>
    <message>
        <source>upper left</source>
        <translation>haut gauche</translation>
    </message>
    <message>
        <source>%1 is not on the map</source>
        <translation>%1 n&apos;est pas sur la carte</translation>
    </message>
    <message>
        <source>%1 and %2 lie in one cell, column %3, row %4</source>
        <translation>%1 et %2 sont dans la même case, colonne %3, ligne %4</translation>
    </message>
    <message>
        <source>%1 touches no other tile</source>
        <translation>%1 ne touche aucune autre tuile</translation>
    </message>
    <message>
        <source>%1 has a road at its %2 edge; %3 has none at the edge they share</source>
        <translation>%1 a une route sur son bord %2 ; %3 n&apos;en a pas sur le bord qu&apos;elles partagent</translation>
    </message>
    <message>
        <source>No road from %1 can reach %2: it has no clearing</source>
        <translation>Aucune route depuis %1 ne peut atteindre %2 : elle n&apos;a pas de clairière</translation>
    </message>
    <message>
        <source>No road from %1 reaches clearing %2 of %3</source>
        <translation>Aucune route depuis %1 n&apos;atteint la clairière %2 de %3</translation>
    </message>
    <message>
        <source>The map cannot be completed: %1.</source>
        <translation>La carte ne peut pas être complétée : %1.</translation>
    </message>
    <message>
        <source>Laid 1 tile around 1 kept tile.</source>
        <translation>1 tuile posée autour d&apos;une tuile gardée.</translation>
    </message>
    <message>
        <source>Laid 1 tile around %1 kept tiles.</source>
        <translation>1 tuile posée autour de %1 tuiles gardées.</translation>
    </message>
    <message>
        <source>Laid %1 tiles around 1 kept tile.</source>
        <translation>%1 tuiles posées autour d&apos;une tuile gardée.</translation>
    </message>
    <message>
        <source>Laid %1 tiles around %2 kept tiles.</source>
        <translation>%1 tuiles posées autour de %2 tuiles gardées.</translation>
    </message>
    <message>
        <source>The map cannot be completed: %1 lies outside the map&apos;s columns and rows (-100 to 155).</source>
        <translation>La carte ne peut pas être complétée : %1 est hors des colonnes et lignes de la carte (-100 à 155).</translation>
    </message>
    <message>
        <source>No map passes around the kept tiles after %1 tries; every tile stays where it was.</source>
        <translation>Aucune carte ne convient autour des tuiles gardées après %1 essais ; chaque tuile reste où elle était.</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Tourner %1</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Déplacer %1</translation>
    </message>
    <message>
        <source>Swap %1 and %2</source>
        <translation>Échanger %1 et %2</translation>
    </message>
    <message>
        <source>Lift %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Pin %1</source>
        <translation>Épingler %1</translation>
    </message>
    <message>
        <source>Unpin %1</source>
        <translation>Désépingler %1</translation>
    </message>
    <message>
        <source>Complete Map</source>
        <translation>Compléter la carte</translation>
    </message>
    <message>
        <source>Re-roll Unpinned</source>
        <translation>Relancer les non épinglées</translation>
    </message>
    <message>
        <source>No finding: every tile is laid, every road meets a road, and every tile is reached from March Land.</source>
        <translation>Aucun problème : chaque tuile est posée, chaque route rejoint une route et chaque tuile est atteinte depuis March Land.</translation>
    </message>
    <message>
        <source>1 tile waits in the tray: lay them, or use Complete Map, before leaving the editor.</source>
        <translation>1 tuile attend dans le plateau : posez-la, ou utilisez Compléter la carte, avant de quitter l&apos;éditeur.</translation>
    </message>
    <message>
        <source>%1 tiles wait in the tray: lay them, or use Complete Map, before leaving the editor.</source>
        <translation>%1 tuiles attendent dans le plateau : posez-les, ou utilisez Compléter la carte, avant de quitter l&apos;éditeur.</translation>
    </message>
    <message>
        <source>edited from %1</source>
        <translation>modifiée depuis %1</translation>
    </message>
    <message>
        <source>--pin: %1 names no tile; give 1..20 or a name as the listing writes it, such as March Land</source>
        <translation>--pin : %1 ne nomme aucune tuile ; donnez 1..20 ou un nom tel que la liste l&apos;écrit, comme March Land</translation>
    </message>
    <message>
        <source>--pin: %1 is not TILE:COL/ROW/ROT, such as &apos;March Land:0/0/3&apos;</source>
        <translation>--pin : %1 n&apos;est pas TILE:COL/ROW/ROT, comme &apos;March Land:0/0/3&apos;</translation>
    </message>
    <message>
        <source>--pin: %1&apos;s column %2 is outside -100..155</source>
        <translation>--pin : la colonne %2 de %1 est hors de -100..155</translation>
    </message>
    <message>
        <source>--pin: %1&apos;s row %2 is outside -100..155</source>
        <translation>--pin : la ligne %2 de %1 est hors de -100..155</translation>
    </message>
    <message>
        <source>--pin: %1&apos;s rotation %2 is outside 1..6</source>
        <translation>--pin : la rotation %2 de %1 est hors de 1..6</translation>
    </message>
    <message>
        <source>--pin: an empty entry; give TILE:COL/ROW/ROT, ... such as &apos;March Land:0/0/3&apos;</source>
        <translation>--pin : une entrée vide ; donnez TILE:COL/ROW/ROT, ... comme &apos;March Land:0/0/3&apos;</translation>
    </message>
    <message>
        <source>--pin: %1 is pinned twice</source>
        <translation>--pin : %1 est épinglée deux fois</translation>
    </message>
    <message>
        <source>--pin: column %1, row %2 is taken twice, by %3 and %4</source>
        <translation>--pin : la colonne %1, ligne %2 est prise deux fois, par %3 et %4</translation>
    </message>
    <message>
        <source>No completion of %1 around the pins meets these criteria.</source>
        <translation>Aucune des %1 complétions autour des tuiles épinglées ne satisfait ces critères.</translation>
    </message>
    <message>
        <source>--palette must be standard or colour-blind</source>
        <translation>--palette doit être standard ou colour-blind</translation>
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
        <translation>Créer une carte</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Trajet</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Indicateurs</translation>
    </message>
    <message>
        <source>Create Map Until</source>
        <translation>Créer une carte jusqu&apos;à</translation>
    </message>
    <message>
        <source>Use the nearest</source>
        <translation>Prendre les plus proches</translation>
    </message>
    <message>
        <source>Kept Maps</source>
        <translation>Cartes gardées</translation>
    </message>
    <message>
        <source>Keep Map</source>
        <translation>Garder la carte</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Tuiles</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Create Map (Ctrl+M)</source>
        <translation>Créer une carte (Ctrl+M)</translation>
    </message>
    <message>
        <source>Back to the map before (Alt+Left)</source>
        <translation>Retour à la carte précédente (Alt+Gauche)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Forward to the next map (Alt+Right)</source>
        <translation>Aller à la carte suivante (Alt+Droite)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Fit Map (Ctrl+0)</source>
        <translation>Ajuster la carte (Ctrl+0)</translation>
    </message>
    <message>
        <source>Zoom Out (Ctrl+-)</source>
        <translation>Zoom arrière (Ctrl+-)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl++)</source>
        <translation>Zoom avant (Ctrl++)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Copy a link that opens this map</source>
        <translation>Copier un lien qui ouvre cette carte</translation>
    </message>
    <message>
        <source>Print the set-up sheet (Ctrl+P)</source>
        <translation>Imprimer la fiche de mise en place (Ctrl+P)</translation>
    </message>
    <message>
        <source>Map code</source>
        <translation>Code de carte</translation>
    </message>
    <message>
        <source>Paste a map code, N/k or a link</source>
        <translation>Collez un code de carte, N/k ou un lien</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>The map; tap clearings to find a route</source>
        <translation>La carte ; touchez des clairières pour trouver un trajet</translation>
    </message>
    <message>
        <source>Criteria</source>
        <translation>Critères</translation>
    </message>
    <message>
        <source>reachable&gt;=95,longest&lt;=18,columns&lt;=6</source>
        <translation>reachable&gt;=95,longest&lt;=18,columns&lt;=6</translation>
    </message>
    <message>
        <source>Create maps until one meets the criteria</source>
        <translation>Créer des cartes jusqu&apos;à ce que l&apos;une satisfasse les critères</translation>
    </message>
    <message>
        <source>Name of the map</source>
        <translation>Nom de la carte</translation>
    </message>
    <message>
        <source>Name (may be left empty)</source>
        <translation>Nom (peut rester vide)</translation>
    </message>
    <message>
        <source>Keep the map shown (Ctrl+D)</source>
        <translation>Garder la carte affichée (Ctrl+D)</translation>
    </message>
    <message>
        <source>Remove kept map %1</source>
        <translation>Retirer la carte gardée %1</translation>
    </message>
    <message>
        <source>Tap a clearing to start a new route.</source>
        <translation>Touchez une clairière pour commencer un nouveau trajet.</translation>
    </message>
    <message>
        <source>From %1 %2: tap a clearing for To.</source>
        <translation>De %1 %2 : touchez une clairière pour À.</translation>
    </message>
    <message>
        <source>Tap or click a clearing for From, then another for To.</source>
        <translation>Touchez ou cliquez une clairière pour De, puis une autre pour À.</translation>
    </message>
    <message>
        <source>%1: link copied</source>
        <translation>%1 : lien copié</translation>
    </message>
    <message>
        <source>Copy this link:</source>
        <translation>Copiez ce lien :</translation>
    </message>
    <message>
        <source>Search anyway</source>
        <translation>Chercher quand même</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Searching: %1 maps tried, %2 s</source>
        <translation>Recherche : %1 cartes essayées, %2 s</translation>
    </message>
    <message>
        <source>Cut off: no road from March Land 1 reaches it</source>
        <translation>Isolée : aucune route depuis March Land 1 n&apos;y mène</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>From: not joined</source>
        <translation>De : non relié</translation>
    </message>
    <message>
        <source>To: not joined</source>
        <translation>À : non relié</translation>
    </message>
    <message>
        <source>%1 · search cancelled</source>
        <translation>%1 · recherche annulée</translation>
    </message>
    <message>
        <source>Lay every tile that cannot stay around the rest</source>
        <translation>Poser chaque tuile qui ne peut rester autour des autres</translation>
    </message>
    <message>
        <source>Lay every tile again but the pinned ones</source>
        <translation>Reposer chaque tuile sauf les épinglées</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Colour-blind safe</source>
        <translation>Adapté aux daltoniens</translation>
    </message>
    <message>
        <source>Complete Map</source>
        <translation>Compléter la carte</translation>
    </message>
    <message>
        <source>Re-roll Unpinned</source>
        <translation>Relancer les non épinglées</translation>
    </message>
    <message>
        <source>%1 is pinned: Re-roll Unpinned keeps it</source>
        <translation>%1 est épinglée : Relancer les non épinglées la garde</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Usage : %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments :</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l&apos;aide, y compris les options génériques de Qt.</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>Lays out random maps of 20 hexagonal tiles for the board game.</source>
        <translation>Dispose des cartes aléatoires de 20 tuiles hexagonales pour le jeu de plateau.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>A map file (.tvm), a map code or a tavrin: link to open.</source>
        <translation>Un fichier de carte (.tvm), un code de carte ou un lien tavrin: à ouvrir.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[fichier]</translation>
    </message>
</context>
<context>
    <name>TCreateMapUntilDialog</name>
    <message>
        <source>Create Map Until</source>
        <translation>Créer une carte jusqu&apos;à</translation>
    </message>
    <message>
        <source>Create maps until one meets every criterion checked:</source>
        <translation>Créer des cartes jusqu&apos;à ce que l&apos;une satisfasse chaque critère coché :</translation>
    </message>
    <message>
        <source>at least</source>
        <translation>au moins</translation>
    </message>
    <message>
        <source>at most</source>
        <translation>au plus</translation>
    </message>
    <message>
        <source>Histogram of %1</source>
        <translation>Histogramme : %1</translation>
    </message>
    <message>
        <source>Use the nearest</source>
        <translation>Prendre les plus proches</translation>
    </message>
    <message>
        <source>Search anyway</source>
        <translation>Chercher quand même</translation>
    </message>
    <message>
        <source>Criteria: %1</source>
        <translation>Critères : %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Sampling maps...</source>
        <translation>Échantillonnage des cartes...</translation>
    </message>
</context>
<context>
    <name>TEditorTray</name>
    <message>
        <source>Tray</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Tiles lifted off the map: drag one onto the map to lay it</source>
        <translation>Tuiles retirées de la carte : faites-en glisser une sur la carte pour la poser</translation>
    </message>
    <message>
        <source>Delete lifts the selected tile here</source>
        <translation>Suppr retire ici la tuile choisie</translation>
    </message>
</context>
<context>
    <name>TFiguresDock</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Map Figures</source>
        <translation>Indicateurs de la carte</translation>
    </message>
    <message>
        <source>Map figures</source>
        <translation>Indicateurs de la carte</translation>
    </message>
    <message>
        <source>Cut off</source>
        <translation>Isolées</translation>
    </message>
</context>
<context>
    <name>TFiguresPart</name>
    <message>
        <source>&amp;Map Figures</source>
        <translation>I&amp;ndicateurs de la carte</translation>
    </message>
    <message>
        <source>Show every figure of the map</source>
        <translation>Afficher tous les indicateurs de la carte</translation>
    </message>
    <message>
        <source>Key map figures</source>
        <translation>Indicateurs clés de la carte</translation>
    </message>
    <message>
        <source>Found after %1 maps in %2 s</source>
        <translation>Trouvée après %1 cartes en %2 s</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Tavrin Map Generator Ver %1 by Ostrel</source>
        <translation>Tavrin Map Generator Ver %1 par Ostrel</translation>
    </message>
    <message>
        <source>Create &amp;Map</source>
        <translation>Créer une &amp;carte</translation>
    </message>
    <message>
        <source>Create random map</source>
        <translation>Créer une carte aléatoire</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit from program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>&amp;Load Map...</source>
        <translation>&amp;Charger une carte...</translation>
    </message>
    <message>
        <source>Load map</source>
        <translation>Charger une carte</translation>
    </message>
    <message>
        <source>&amp;Save Map...</source>
        <translation>&amp;Enregistrer la carte...</translation>
    </message>
    <message>
        <source>Save map</source>
        <translation>Enregistrer la carte</translation>
    </message>
    <message>
        <source>Save Map as .&amp;bmp...</source>
        <translation>Enregistrer la carte en .&amp;bmp...</translation>
    </message>
    <message>
        <source>Save Map as .bmp</source>
        <translation>Enregistrer la carte en .bmp</translation>
    </message>
    <message>
        <source>E&amp;xport Picture...</source>
        <translation>E&amp;xporter l&apos;image...</translation>
    </message>
    <message>
        <source>Export the map picture as PNG, JPEG, SVG or PDF</source>
        <translation>Exporter l&apos;image de la carte en PNG, JPEG, SVG ou PDF</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print the set-up sheet</source>
        <translation>Imprimer la fiche de mise en place</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Preview the set-up sheet</source>
        <translation>Aperçu de la fiche de mise en place</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Zoom avant</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>Show the map at actual size</source>
        <translation>Afficher la carte à sa taille réelle</translation>
    </message>
    <message>
        <source>&amp;Fit Map</source>
        <translation>&amp;Ajuster la carte</translation>
    </message>
    <message>
        <source>Fit the whole map into the window</source>
        <translation>Ajuster toute la carte à la fenêtre</translation>
    </message>
    <message>
        <source>Show &amp;Coordinates</source>
        <translation>Afficher les c&amp;oordonnées</translation>
    </message>
    <message>
        <source>Show each tile&apos;s column and row on the map</source>
        <translation>Afficher la colonne et la ligne de chaque tuile sur la carte</translation>
    </message>
    <message>
        <source>Show Cut-off C&amp;learings</source>
        <translation>Afficher les clairières &amp;isolées</translation>
    </message>
    <message>
        <source>Mark the clearings no road joins to the start</source>
        <translation>Marquer les clairières que aucune route ne relie au départ</translation>
    </message>
    <message>
        <source>&amp;Copy Map Code</source>
        <translation>&amp;Copier le code de carte</translation>
    </message>
    <message>
        <source>Copy the map&apos;s share code to the clipboard</source>
        <translation>Copier le code de partage de la carte dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy C&amp;lassic Map Code</source>
        <translation>Copier le code c&amp;lassique</translation>
    </message>
    <message>
        <source>Copy the 60-character map code to the clipboard</source>
        <translation>Copier le code de carte de 60 caractères dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Share Map...</source>
        <translation>&amp;Partager la carte...</translation>
    </message>
    <message>
        <source>Show the map&apos;s code, link and QR code</source>
        <translation>Afficher le code, le lien et le code QR de la carte</translation>
    </message>
    <message>
        <source>&amp;Keep Map...</source>
        <translation>Conser&amp;ver la carte...</translation>
    </message>
    <message>
        <source>Keep the map under a name</source>
        <translation>Garder la carte sous un nom</translation>
    </message>
    <message>
        <source>&amp;Paste Map Code</source>
        <translation>C&amp;oller le code de carte</translation>
    </message>
    <message>
        <source>Load the map code on the clipboard</source>
        <translation>Charger le code de carte du presse-papiers</translation>
    </message>
    <message>
        <source>Create Map &amp;Until...</source>
        <translation>Créer une carte &amp;jusqu&apos;à...</translation>
    </message>
    <message>
        <source>Create maps until one meets your criteria</source>
        <translation>Créer des cartes jusqu&apos;à ce que l&apos;une satisfasse vos critères</translation>
    </message>
    <message>
        <source>Create Map from &amp;Seed...</source>
        <translation>Créer une carte d&apos;après une &amp;graine...</translation>
    </message>
    <message>
        <source>Create the first map of a seed</source>
        <translation>Créer la première carte d&apos;une graine</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédente</translation>
    </message>
    <message>
        <source>Show the map before this one</source>
        <translation>Afficher la carte précédente</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>Show the map after this one</source>
        <translation>Afficher la carte suivante</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Map</source>
        <translation>&amp;Carte</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Tile listing</source>
        <translation>Liste des tuiles</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Map seed</source>
        <translation>Graine de la carte</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Each tile&apos;s name, column, row and rotation on the map</source>
        <translation>Nom, colonne, ligne et rotation de chaque tuile sur la carte</translation>
    </message>
</context>
<context>
    <name>TMapCommands</name>
    <message>
        <source>Kep&amp;t Maps</source>
        <translation>Cartes ga&amp;rdées</translation>
    </message>
    <message>
        <source>&amp;Remove Kept Map</source>
        <translation>Re&amp;tirer une carte gardée</translation>
    </message>
    <message>
        <source>Create Map from Seed</source>
        <translation>Créer une carte d&apos;après une graine</translation>
    </message>
    <message>
        <source>Seed (0 to 4294967295):</source>
        <translation>Graine (0 à 4294967295) :</translation>
    </message>
    <message>
        <source>Keep Map</source>
        <translation>Garder la carte</translation>
    </message>
    <message>
        <source>Name of the map (may be left empty):</source>
        <translation>Nom de la carte (peut rester vide) :</translation>
    </message>
</context>
<context>
    <name>TMapEditorPart</name>
    <message>
        <source>&amp;Edit Map</source>
        <translation>&amp;Modifier la carte</translation>
    </message>
    <message>
        <source>Turn, move, pin and lift the tiles of the map shown</source>
        <translation>Tourner, déplacer, épingler et retirer les tuiles de la carte affichée</translation>
    </message>
    <message>
        <source>Com&amp;plete Map</source>
        <translation>Com&amp;pléter la carte</translation>
    </message>
    <message>
        <source>Lay the tray&apos;s tiles around the tiles on the map</source>
        <translation>Poser les tuiles du plateau autour des tuiles de la carte</translation>
    </message>
    <message>
        <source>Re-r&amp;oll Unpinned</source>
        <translation>Re&amp;lancer les non épinglées</translation>
    </message>
    <message>
        <source>Lay every tile that is not pinned anew</source>
        <translation>Poser à nouveau chaque tuile non épinglée</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Undo the last edit of the map</source>
        <translation>Annuler la dernière modification de la carte</translation>
    </message>
    <message>
        <source>Redo the edit undone last</source>
        <translation>Rétablir la dernière modification annulée</translation>
    </message>
    <message>
        <source>What is wrong with the map</source>
        <translation>Ce qui ne va pas dans la carte</translation>
    </message>
</context>
<context>
    <name>TMapFileCommands</name>
    <message>
        <source>map files (*.tvm)|*.tvm|any files (*.*)|*.*</source>
        <translation>fichiers de carte (*.tvm)|*.tvm|tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Tavrin Map Files</source>
        <translation>Fichiers de carte Tavrin</translation>
    </message>
    <message>
        <source>bitmap files (*.bmp)|*.bmp|any files (*.*)|*.*</source>
        <translation>fichiers bitmap (*.bmp)|*.bmp|tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>&amp;Recent Maps</source>
        <translation>Cartes &amp;récentes</translation>
    </message>
</context>
<context>
    <name>TMapSearchRun</name>
    <message>
        <source>Maps tried: %1 of %2
Time: %3 s</source>
        <translation>Cartes essayées : %1 sur %2
Temps : %3 s</translation>
    </message>
    <message>
        <source>Create Map Until</source>
        <translation>Créer une carte jusqu&apos;à</translation>
    </message>
</context>
<context>
    <name>TMapSession</name>
    <message>
        <source>map %1 of %2</source>
        <translation>carte %1 sur %2</translation>
    </message>
</context>
<context>
    <name>TMapView</name>
    <message>
        <source>Create Map (Ctrl+M) lays out a new map</source>
        <translation>Créer une carte (Ctrl+M) dispose une nouvelle carte</translation>
    </message>
    <message>
        <source>Back (Alt+Left) brings back the last one</source>
        <translation>Précédente (Alt+Gauche) ramène la dernière</translation>
    </message>
    <message>
        <source>%1, clearing %2</source>
        <translation>%1, clairière %2</translation>
    </message>
    <message>
        <source>Left click: From, right click: To</source>
        <translation>Clic gauche : De, clic droit : À</translation>
    </message>
    <message>
        <source>Fit %1</source>
        <translation>Ajusté %1</translation>
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
        <translation>image PNG (*.png)|*.png</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg)|*.jpg;*.jpeg</source>
        <translation>image JPEG (*.jpg)|*.jpg;*.jpeg</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)|*.svg</source>
        <translation>dessin SVG (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)|*.pdf</source>
        <translation>document PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>SVG drawing, Tile bitmaps (*.svg)|*.svg</source>
        <translation>dessin SVG, bitmaps des tuiles (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>PDF document, Tile bitmaps (*.pdf)|*.pdf</source>
        <translation>document PDF, bitmaps des tuiles (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
</context>
<context>
    <name>TQtUserDialogs</name>
    <message>
        <source>Sheet</source>
        <translation>Fiche</translation>
    </message>
    <message>
        <source>Tile bitmaps</source>
        <translation>Bitmaps des tuiles</translation>
    </message>
    <message>
        <source>Draw the tile bitmaps beside the program (your own pictures, say) instead of the program&apos;s tile art</source>
        <translation>Dessiner les bitmaps des tuiles placés à côté du programme (vos propres images, par exemple) au lieu des dessins de tuiles du programme</translation>
    </message>
    <message>
        <source>as large as fits</source>
        <translation>aussi grand que possible</translation>
    </message>
    <message>
        <source>Print at N mm per tile:</source>
        <translation>Imprimer à N mm par tuile :</translation>
    </message>
</context>
<context>
    <name>TRouteQuery</name>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Find shortest path</source>
        <translation>Trouver le plus court chemin</translation>
    </message>
    <message>
        <source>Show the shortest road route from the From clearing to the To clearing</source>
        <translation>Afficher le plus court trajet par la route de la clairière De à la clairière À</translation>
    </message>
    <message>
        <source>From tile</source>
        <translation>Tuile De</translation>
    </message>
    <message>
        <source>From clearing</source>
        <translation>Clairière De</translation>
    </message>
    <message>
        <source>To tile</source>
        <translation>Tuile À</translation>
    </message>
    <message>
        <source>To clearing</source>
        <translation>Clairière À</translation>
    </message>
</context>
<context>
    <name>TShareDialog</name>
    <message>
        <source>Share Map</source>
        <translation>Partager la carte</translation>
    </message>
    <message>
        <source>Map code:</source>
        <translation>Code de carte :</translation>
    </message>
    <message>
        <source>Made from:</source>
        <translation>Créée à partir de :</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Lien :</translation>
    </message>
    <message>
        <source>https://... where the web page is served</source>
        <translation>https://... où la page web est servie</translation>
    </message>
    <message>
        <source>Web page:</source>
        <translation>Page web :</translation>
    </message>
    <message>
        <source>Copy &amp;Code</source>
        <translation>Copier le &amp;code</translation>
    </message>
    <message>
        <source>Copy &amp;Link</source>
        <translation>Copier le &amp;lien</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Copier l&apos;&amp;image</translation>
    </message>
</context>
<context>
    <name>TSheetPrinting</name>
    <message>
        <source>Tavrin set-up sheet</source>
        <translation>Fiche de mise en place Tavrin</translation>
    </message>
</context>
<context>
    <name>TViewPart</name>
    <message>
        <source>Colou&amp;rs</source>
        <translation>Coule&amp;urs</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Colour-blind Safe</source>
        <translation>Adapté aux &amp;daltoniens</translation>
    </message>
    <message>
        <source>Draw the map in its usual colours</source>
        <translation>Dessiner la carte dans ses couleurs habituelles</translation>
    </message>
    <message>
        <source>Draw the map in colours every player can tell apart</source>
        <translation>Dessiner la carte dans des couleurs que chaque joueur distingue</translation>
    </message>
    <message>
        <source>Show Tile &amp;Bitmaps</source>
        <translation>Afficher les &amp;bitmaps des tuiles</translation>
    </message>
    <message>
        <source>Show the tile bitmaps beside the program instead of the tile art</source>
        <translation>Afficher les bitmaps des tuiles placés à côté du programme au lieu des dessins de tuiles</translation>
    </message>
</context>
</TS>
