<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Core</name>
    <message>
        <source>%1 is a whole number</source>
        <translation>%1 es un número entero</translation>
    </message>
    <message>
        <source>%1 is never above %2</source>
        <translation>%1 nunca supera %2</translation>
    </message>
    <message>
        <source>%1 is never below %2</source>
        <translation>%1 nunca es menor que %2</translation>
    </message>
    <message>
        <source>no map can meet %1: %2</source>
        <translation>ningún mapa puede cumplir %1: %2</translation>
    </message>
    <message>
        <source>No map of %1 meets these</source>
        <translation>Ningún mapa de %1 los cumple</translation>
    </message>
    <message>
        <source>No map of %1 meets these; the nearest that some do: %2</source>
        <translation>Ningún mapa de %1 los cumple; los más cercanos que algunos cumplen: %2</translation>
    </message>
    <message>
        <source>%1: %2 of %3 meet it alone</source>
        <translation>%1: %2 de %3 lo cumplen por sí solo</translation>
    </message>
    <message>
        <source>the rarest: %1</source>
        <translation>el más raro: %1</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Error de comprobación de rango</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Desbordamiento de entero</translation>
    </message>
    <message>
        <source>Internal error: nposs=%1</source>
        <translation>Error interno: nposs=%1</translation>
    </message>
    <message>
        <source>Clearings not connected!</source>
        <translation>¡Claros no conectados!</translation>
    </message>
    <message>
        <source>A seed is a whole number from 0 to 4294967295.</source>
        <translation>Una semilla es un número entero de 0 a 4294967295.</translation>
    </message>
    <message>
        <source>A map number is a whole number from 1 to 100000.</source>
        <translation>Un número de mapa es un número entero de 1 a 100000.</translation>
    </message>
    <message>
        <source>Only the first 1000000 characters of a text are searched for a map.</source>
        <translation>Solo se buscan mapas en los primeros 1000000 caracteres de un texto.</translation>
    </message>
    <message>
        <source>bad criterion &apos;%1&apos;: %2</source>
        <translation>criterio no válido &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>it names no figure (%1)</source>
        <translation>no nombra ningún dato (%1)</translation>
    </message>
    <message>
        <source>no figure is called &apos;%1&apos; (%2)</source>
        <translation>ningún dato se llama &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>it needs a comparison (&gt;=, &lt;=, =, &lt;, &gt;) and a number</source>
        <translation>necesita una comparación (&gt;=, &lt;=, =, &lt;, &gt;) y un número</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; no es un número</translation>
    </message>
    <message>
        <source>no map of %1 sampled meets these</source>
        <translation>ningún mapa de %1 de la muestra los cumple</translation>
    </message>
    <message>
        <source>about 1 map in %1 meets these</source>
        <translation>aproximadamente 1 de cada %1 mapas los cumple</translation>
    </message>
    <message>
        <source>bad criteria: an empty criterion between commas</source>
        <translation>criterios no válidos: un criterio vacío entre comas</translation>
    </message>
    <message>
        <source>Reachable clearings</source>
        <translation>Claros alcanzables</translation>
    </message>
    <message>
        <source>Cut-off clearings</source>
        <translation>Claros aislados</translation>
    </message>
    <message>
        <source>Tiles with cut-off clearings</source>
        <translation>Losetas con claros aislados</translation>
    </message>
    <message>
        <source>Longest route</source>
        <translation>Ruta más larga</translation>
    </message>
    <message>
        <source>Mean route</source>
        <translation>Ruta media</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Same-kind edges</source>
        <translation>Bordes del mismo tipo</translation>
    </message>
    <message>
        <source>Shared tile edges</source>
        <translation>Bordes de loseta compartidos</translation>
    </message>
    <message>
        <source>Dead-end clearings</source>
        <translation>Claros sin salida</translation>
    </message>
    <message>
        <source>Bridge roads</source>
        <translation>Caminos puente</translation>
    </message>
    <message>
        <source>No map of %1 meets these criteria.</source>
        <translation>Ningún mapa de %1 cumple estos criterios.</translation>
    </message>
    <message>
        <source>Stopped after %1 maps.</source>
        <translation>Detenido tras %1 mapas.</translation>
    </message>
    <message>
        <source>Internal Error: mapstring not valid=%1</source>
        <translation>Error interno: cadena de mapa no válida=%1</translation>
    </message>
    <message>
        <source>This map code has a mistake in it</source>
        <translation>Este código de mapa contiene un error</translation>
    </message>
    <message>
        <source>The web address must be an http:// or https:// address without spaces</source>
        <translation>La dirección web debe ser una dirección http:// o https:// sin espacios</translation>
    </message>
    <message>
        <source>The clipboard holds no map code</source>
        <translation>El portapapeles no contiene ningún código de mapa</translation>
    </message>
    <message>
        <source>The text holds no map code</source>
        <translation>El texto no contiene ningún código de mapa</translation>
    </message>
    <message>
        <source>The address holds no map code</source>
        <translation>La dirección no contiene ningún código de mapa</translation>
    </message>
    <message>
        <source>The argument holds no map code</source>
        <translation>El argumento no contiene ningún código de mapa</translation>
    </message>
    <message>
        <source>%1/%2 reachable, longest %3</source>
        <translation>%1/%2 alcanzables, más larga %3</translation>
    </message>
    <message>
        <source>link</source>
        <translation>enlace</translation>
    </message>
    <message>
        <source>pasted code</source>
        <translation>código pegado</translation>
    </message>
    <message>
        <source>Kept maps and the history cannot be saved: the settings cannot be written. The maps shown stay until the program is closed.</source>
        <translation>Los mapas conservados y el historial no se pueden guardar: no se puede escribir la configuración. Los mapas mostrados se mantienen hasta que se cierre el programa.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lectura más allá del final del archivo</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Entrada numérica no válida</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error de E/S %1</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Archivo no encontrado: %1</translation>
    </message>
    <message>
        <source>There is no map in memory</source>
        <translation>No hay ningún mapa en memoria</translation>
    </message>
    <message>
        <source>kept map %1</source>
        <translation>mapa conservado %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>option %1 given twice</source>
        <translation>la opción %1 se ha dado dos veces</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 debe ser un número entero de %2 a %3, no &apos;%4&apos;</translation>
    </message>
    <message>
        <source>a tile</source>
        <translation>una loseta</translation>
    </message>
    <message>
        <source>unknown tile &apos;%1&apos;: give 1..20 or a token such as MarchLand</source>
        <translation>loseta desconocida &apos;%1&apos;: indique 1..20 o un nombre como MarchLand</translation>
    </message>
    <message>
        <source>%1 takes no word &apos;%2&apos;</source>
        <translation>%1 no admite la palabra &apos;%2&apos;</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>uso:</translation>
    </message>
    <message>
        <source>MAPSTRING may also be a share code, a tavrin: link, &quot;seed N&quot; or &quot;N/k&quot;.
CRITERIA: comma-separated figure, comparison (&gt;= &lt;= = &lt; &gt;) and number, such as
          reachable&gt;=95,longest&lt;=18,columns&lt;=6
</source>
        <translation>MAPSTRING también puede ser un código de mapa, un enlace tavrin:, &quot;seed N&quot; o &quot;N/k&quot;.
CRITERIA: dato, comparación (&gt;= &lt;= = &lt; &gt;) y número, separados por comas, por ejemplo
          reachable&gt;=95,longest&lt;=18,columns&lt;=6
</translation>
    </message>
    <message>
        <source>give either --map MAPSTRING or --file FILE</source>
        <translation>indique --map MAPSTRING o bien --file FILE</translation>
    </message>
    <message>
        <source>%1 needs FROM FROMCLEARING TO TOCLEARING</source>
        <translation>%1 necesita FROM FROMCLEARING TO TOCLEARING</translation>
    </message>
    <message>
        <source>--out FILE is required</source>
        <translation>--out FILE es obligatorio</translation>
    </message>
    <message>
        <source>no command given; tavrin-cli --help lists them</source>
        <translation>no se ha dado ninguna orden; tavrin-cli --help las enumera</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;; tavrin-cli --help lists them</source>
        <translation>orden desconocida &apos;%1&apos;; tavrin-cli --help las enumera</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>--out must name a .bmp, .png, .jpg, .svg or .pdf file</source>
        <translation>--out debe nombrar un archivo .bmp, .png, .jpg, .svg o .pdf</translation>
    </message>
    <message>
        <source>--tiles must be art, bitmaps or a folder&apos;s name</source>
        <translation>--tiles debe ser art, bitmaps o el nombre de una carpeta</translation>
    </message>
    <message>
        <source>--paper must be A4, Letter or A3</source>
        <translation>--paper debe ser A4, Letter o A3</translation>
    </message>
    <message>
        <source>--out FILE.pdf is required</source>
        <translation>--out FILE.pdf es obligatorio</translation>
    </message>
    <message>
        <source>--out must name a .pdf file</source>
        <translation>--out debe nombrar un archivo .pdf</translation>
    </message>
    <message>
        <source>--seeds must be A..B, not &apos;%1&apos;</source>
        <translation>--seeds debe ser A..B, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the first seed</source>
        <translation>la primera semilla</translation>
    </message>
    <message>
        <source>the last seed</source>
        <translation>la última semilla</translation>
    </message>
    <message>
        <source>--seeds %1: the first seed is above the last</source>
        <translation>--seeds %1: la primera semilla es mayor que la última</translation>
    </message>
    <message>
        <source>--seeds A..B is required</source>
        <translation>--seeds A..B es obligatorio</translation>
    </message>
    <message>
        <source>upper</source>
        <translation>superior</translation>
    </message>
    <message>
        <source>upper right</source>
        <translation>superior derecho</translation>
    </message>
    <message>
        <source>lower right</source>
        <translation>inferior derecho</translation>
    </message>
    <message>
        <source>lower</source>
        <translation>inferior</translation>
    </message>
    <message>
        <source>lower left</source>
        <translation>inferior izquierdo</translation>
    </message>
    <message>
        <source>upper left</source>
        <translation>superior izquierdo</translation>
    </message>
    <message>
        <source>%1 is not on the map</source>
        <translation>%1 no está en el mapa</translation>
    </message>
    <message>
        <source>%1 and %2 lie in one cell, column %3, row %4</source>
        <translation>%1 y %2 están en la misma casilla, columna %3, fila %4</translation>
    </message>
    <message>
        <source>%1 touches no other tile</source>
        <translation>%1 no toca ninguna otra loseta</translation>
    </message>
    <message>
        <source>%1 has a road at its %2 edge; %3 has none at the edge they share</source>
        <translation>%1 tiene un camino en su borde %2; %3 no tiene ninguno en el borde que comparten</translation>
    </message>
    <message>
        <source>No road from %1 can reach %2: it has no clearing</source>
        <translation>Ningún camino desde %1 puede llegar a %2: no tiene ningún claro</translation>
    </message>
    <message>
        <source>No road from %1 reaches clearing %2 of %3</source>
        <translation>Ningún camino desde %1 llega al claro %2 de %3</translation>
    </message>
    <message>
        <source>The map cannot be completed: %1.</source>
        <translation>El mapa no se puede completar: %1.</translation>
    </message>
    <message>
        <source>Laid 1 tile around 1 kept tile.</source>
        <translation>1 loseta colocada alrededor de 1 loseta conservada.</translation>
    </message>
    <message>
        <source>Laid 1 tile around %1 kept tiles.</source>
        <translation>1 loseta colocada alrededor de %1 losetas conservadas.</translation>
    </message>
    <message>
        <source>Laid %1 tiles around 1 kept tile.</source>
        <translation>%1 losetas colocadas alrededor de 1 loseta conservada.</translation>
    </message>
    <message>
        <source>Laid %1 tiles around %2 kept tiles.</source>
        <translation>%1 losetas colocadas alrededor de %2 losetas conservadas.</translation>
    </message>
    <message>
        <source>The map cannot be completed: %1 lies outside the map&apos;s columns and rows (-100 to 155).</source>
        <translation>El mapa no se puede completar: %1 está fuera de las columnas y filas del mapa (-100 a 155).</translation>
    </message>
    <message>
        <source>No map passes around the kept tiles after %1 tries; every tile stays where it was.</source>
        <translation>Ningún mapa es válido alrededor de las losetas conservadas tras %1 intentos; cada loseta se queda donde estaba.</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Girar %1</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Mover %1</translation>
    </message>
    <message>
        <source>Swap %1 and %2</source>
        <translation>Intercambiar %1 y %2</translation>
    </message>
    <message>
        <source>Lift %1</source>
        <translation>Levantar %1</translation>
    </message>
    <message>
        <source>Pin %1</source>
        <translation>Fijar %1</translation>
    </message>
    <message>
        <source>Unpin %1</source>
        <translation>Soltar %1</translation>
    </message>
    <message>
        <source>Complete Map</source>
        <translation>Completar mapa</translation>
    </message>
    <message>
        <source>Re-roll Unpinned</source>
        <translation>Volver a tirar las no fijadas</translation>
    </message>
    <message>
        <source>No finding: every tile is laid, every road meets a road, and every tile is reached from March Land.</source>
        <translation>Ningún problema: cada loseta está colocada, cada camino se une a otro y a cada loseta se llega desde March Land.</translation>
    </message>
    <message>
        <source>1 tile waits in the tray: lay them, or use Complete Map, before leaving the editor.</source>
        <translation>1 loseta espera en la bandeja: colóquela o use Completar mapa antes de salir del editor.</translation>
    </message>
    <message>
        <source>%1 tiles wait in the tray: lay them, or use Complete Map, before leaving the editor.</source>
        <translation>%1 losetas esperan en la bandeja: colóquelas o use Completar mapa antes de salir del editor.</translation>
    </message>
    <message>
        <source>edited from %1</source>
        <translation>editado desde %1</translation>
    </message>
    <message>
        <source>--pin: %1 names no tile; give 1..20 or a name as the listing writes it, such as March Land</source>
        <translation>--pin: %1 no nombra ninguna loseta; indique 1..20 o un nombre como lo escribe la lista, por ejemplo March Land</translation>
    </message>
    <message>
        <source>--pin: %1 is not TILE:COL/ROW/ROT, such as &apos;March Land:0/0/3&apos;</source>
        <translation>--pin: %1 no es TILE:COL/ROW/ROT, como &apos;March Land:0/0/3&apos;</translation>
    </message>
    <message>
        <source>--pin: %1&apos;s column %2 is outside -100..155</source>
        <translation>--pin: la columna %2 de %1 está fuera de -100..155</translation>
    </message>
    <message>
        <source>--pin: %1&apos;s row %2 is outside -100..155</source>
        <translation>--pin: la fila %2 de %1 está fuera de -100..155</translation>
    </message>
    <message>
        <source>--pin: %1&apos;s rotation %2 is outside 1..6</source>
        <translation>--pin: la rotación %2 de %1 está fuera de 1..6</translation>
    </message>
    <message>
        <source>--pin: an empty entry; give TILE:COL/ROW/ROT, ... such as &apos;March Land:0/0/3&apos;</source>
        <translation>--pin: una entrada vacía; indique TILE:COL/ROW/ROT, ... como &apos;March Land:0/0/3&apos;</translation>
    </message>
    <message>
        <source>--pin: %1 is pinned twice</source>
        <translation>--pin: %1 está fijada dos veces</translation>
    </message>
    <message>
        <source>--pin: column %1, row %2 is taken twice, by %3 and %4</source>
        <translation>--pin: la columna %1, fila %2 está ocupada dos veces, por %3 y %4</translation>
    </message>
    <message>
        <source>No completion of %1 around the pins meets these criteria.</source>
        <translation>Ninguna de %1 compleciones alrededor de las losetas fijadas cumple estos criterios.</translation>
    </message>
    <message>
        <source>--palette must be standard or colour-blind</source>
        <translation>--palette debe ser standard o colour-blind</translation>
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
        <translation>Crear mapa</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Create Map Until</source>
        <translation>Crear mapa hasta</translation>
    </message>
    <message>
        <source>Use the nearest</source>
        <translation>Usar los más cercanos</translation>
    </message>
    <message>
        <source>Kept Maps</source>
        <translation>Mapas conservados</translation>
    </message>
    <message>
        <source>Keep Map</source>
        <translation>Conservar mapa</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Losetas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Create Map (Ctrl+M)</source>
        <translation>Crear mapa (Ctrl+M)</translation>
    </message>
    <message>
        <source>Back to the map before (Alt+Left)</source>
        <translation>Volver al mapa anterior (Alt+Izquierda)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward to the next map (Alt+Right)</source>
        <translation>Ir al mapa siguiente (Alt+Derecha)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Fit Map (Ctrl+0)</source>
        <translation>Ajustar mapa (Ctrl+0)</translation>
    </message>
    <message>
        <source>Zoom Out (Ctrl+-)</source>
        <translation>Alejar (Ctrl+-)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl++)</source>
        <translation>Acercar (Ctrl++)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Copy a link that opens this map</source>
        <translation>Copiar un enlace que abre este mapa</translation>
    </message>
    <message>
        <source>Print the set-up sheet (Ctrl+P)</source>
        <translation>Imprimir la hoja de preparación (Ctrl+P)</translation>
    </message>
    <message>
        <source>Map code</source>
        <translation>Código de mapa</translation>
    </message>
    <message>
        <source>Paste a map code, N/k or a link</source>
        <translation>Pegue un código de mapa, N/k o un enlace</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>The map; tap clearings to find a route</source>
        <translation>El mapa; toque claros para encontrar una ruta</translation>
    </message>
    <message>
        <source>Criteria</source>
        <translation>Criterios</translation>
    </message>
    <message>
        <source>reachable&gt;=95,longest&lt;=18,columns&lt;=6</source>
        <translation>reachable&gt;=95,longest&lt;=18,columns&lt;=6</translation>
    </message>
    <message>
        <source>Create maps until one meets the criteria</source>
        <translation>Crear mapas hasta que uno cumpla los criterios</translation>
    </message>
    <message>
        <source>Name of the map</source>
        <translation>Nombre del mapa</translation>
    </message>
    <message>
        <source>Name (may be left empty)</source>
        <translation>Nombre (puede quedar vacío)</translation>
    </message>
    <message>
        <source>Keep the map shown (Ctrl+D)</source>
        <translation>Conservar el mapa mostrado (Ctrl+D)</translation>
    </message>
    <message>
        <source>Remove kept map %1</source>
        <translation>Quitar el mapa conservado %1</translation>
    </message>
    <message>
        <source>Tap a clearing to start a new route.</source>
        <translation>Toque un claro para empezar una ruta nueva.</translation>
    </message>
    <message>
        <source>From %1 %2: tap a clearing for To.</source>
        <translation>Desde %1 %2: toque un claro para Hasta.</translation>
    </message>
    <message>
        <source>Tap or click a clearing for From, then another for To.</source>
        <translation>Toque o pulse un claro para Desde y luego otro para Hasta.</translation>
    </message>
    <message>
        <source>%1: link copied</source>
        <translation>%1: enlace copiado</translation>
    </message>
    <message>
        <source>Copy this link:</source>
        <translation>Copie este enlace:</translation>
    </message>
    <message>
        <source>Search anyway</source>
        <translation>Buscar de todos modos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Searching: %1 maps tried, %2 s</source>
        <translation>Buscando: %1 mapas probados, %2 s</translation>
    </message>
    <message>
        <source>Cut off: no road from March Land 1 reaches it</source>
        <translation>Aislado: ningún camino desde March Land 1 llega aquí</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>From: not joined</source>
        <translation>Desde: sin conexión</translation>
    </message>
    <message>
        <source>To: not joined</source>
        <translation>Hasta: sin conexión</translation>
    </message>
    <message>
        <source>%1 · search cancelled</source>
        <translation>%1 · búsqueda cancelada</translation>
    </message>
    <message>
        <source>Lay every tile that cannot stay around the rest</source>
        <translation>Colocar cada loseta que no puede quedarse alrededor del resto</translation>
    </message>
    <message>
        <source>Lay every tile again but the pinned ones</source>
        <translation>Volver a colocar cada loseta salvo las fijadas</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Colour-blind safe</source>
        <translation>Apto para daltónicos</translation>
    </message>
    <message>
        <source>Complete Map</source>
        <translation>Completar mapa</translation>
    </message>
    <message>
        <source>Re-roll Unpinned</source>
        <translation>Volver a tirar las no fijadas</translation>
    </message>
    <message>
        <source>%1 is pinned: Re-roll Unpinned keeps it</source>
        <translation>%1 está fijada: Volver a tirar las no fijadas la conserva</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opciones]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones genéricas de Qt.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>Lays out random maps of 20 hexagonal tiles for the board game.</source>
        <translation>Compone mapas aleatorios de 20 losetas hexagonales para el juego de mesa.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>A map file (.tvm), a map code or a tavrin: link to open.</source>
        <translation>Un archivo de mapa (.tvm), un código de mapa o un enlace tavrin: que abrir.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[archivo]</translation>
    </message>
</context>
<context>
    <name>TCreateMapUntilDialog</name>
    <message>
        <source>Create Map Until</source>
        <translation>Crear mapa hasta</translation>
    </message>
    <message>
        <source>Create maps until one meets every criterion checked:</source>
        <translation>Crear mapas hasta que uno cumpla cada criterio marcado:</translation>
    </message>
    <message>
        <source>at least</source>
        <translation>al menos</translation>
    </message>
    <message>
        <source>at most</source>
        <translation>como máximo</translation>
    </message>
    <message>
        <source>Histogram of %1</source>
        <translation>Histograma: %1</translation>
    </message>
    <message>
        <source>Use the nearest</source>
        <translation>Usar los más cercanos</translation>
    </message>
    <message>
        <source>Search anyway</source>
        <translation>Buscar de todos modos</translation>
    </message>
    <message>
        <source>Criteria: %1</source>
        <translation>Criterios: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Sampling maps...</source>
        <translation>Tomando muestras de mapas...</translation>
    </message>
</context>
<context>
    <name>TEditorTray</name>
    <message>
        <source>Tray</source>
        <translation>Bandeja</translation>
    </message>
    <message>
        <source>Tiles lifted off the map: drag one onto the map to lay it</source>
        <translation>Losetas levantadas del mapa: arrastre una al mapa para colocarla</translation>
    </message>
    <message>
        <source>Delete lifts the selected tile here</source>
        <translation>Supr levanta aquí la loseta elegida</translation>
    </message>
</context>
<context>
    <name>TFiguresDock</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Map Figures</source>
        <translation>Datos del mapa</translation>
    </message>
    <message>
        <source>Map figures</source>
        <translation>Datos del mapa</translation>
    </message>
    <message>
        <source>Cut off</source>
        <translation>Aislados</translation>
    </message>
</context>
<context>
    <name>TFiguresPart</name>
    <message>
        <source>&amp;Map Figures</source>
        <translation>&amp;Datos del mapa</translation>
    </message>
    <message>
        <source>Show every figure of the map</source>
        <translation>Mostrar todos los datos del mapa</translation>
    </message>
    <message>
        <source>Key map figures</source>
        <translation>Datos clave del mapa</translation>
    </message>
    <message>
        <source>Found after %1 maps in %2 s</source>
        <translation>Encontrado tras %1 mapas en %2 s</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Tavrin Map Generator Ver %1 by Ostrel</source>
        <translation>Tavrin Map Generator Ver %1 por Ostrel</translation>
    </message>
    <message>
        <source>Create &amp;Map</source>
        <translation>Crear &amp;mapa</translation>
    </message>
    <message>
        <source>Create random map</source>
        <translation>Crear un mapa aleatorio</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit from program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>&amp;Load Map...</source>
        <translation>&amp;Cargar mapa...</translation>
    </message>
    <message>
        <source>Load map</source>
        <translation>Cargar mapa</translation>
    </message>
    <message>
        <source>&amp;Save Map...</source>
        <translation>&amp;Guardar mapa...</translation>
    </message>
    <message>
        <source>Save map</source>
        <translation>Guardar mapa</translation>
    </message>
    <message>
        <source>Save Map as .&amp;bmp...</source>
        <translation>Guardar mapa como .&amp;bmp...</translation>
    </message>
    <message>
        <source>Save Map as .bmp</source>
        <translation>Guardar mapa como .bmp</translation>
    </message>
    <message>
        <source>E&amp;xport Picture...</source>
        <translation>E&amp;xportar imagen...</translation>
    </message>
    <message>
        <source>Export the map picture as PNG, JPEG, SVG or PDF</source>
        <translation>Exportar la imagen del mapa como PNG, JPEG, SVG o PDF</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print the set-up sheet</source>
        <translation>Imprimir la hoja de preparación</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>Preview the set-up sheet</source>
        <translation>Vista previa de la hoja de preparación</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>Show the map at actual size</source>
        <translation>Mostrar el mapa a tamaño real</translation>
    </message>
    <message>
        <source>&amp;Fit Map</source>
        <translation>A&amp;justar mapa</translation>
    </message>
    <message>
        <source>Fit the whole map into the window</source>
        <translation>Ajustar todo el mapa a la ventana</translation>
    </message>
    <message>
        <source>Show &amp;Coordinates</source>
        <translation>Mostrar &amp;coordenadas</translation>
    </message>
    <message>
        <source>Show each tile&apos;s column and row on the map</source>
        <translation>Mostrar la columna y la fila de cada loseta en el mapa</translation>
    </message>
    <message>
        <source>Show Cut-off C&amp;learings</source>
        <translation>Mostrar claros a&amp;islados</translation>
    </message>
    <message>
        <source>Mark the clearings no road joins to the start</source>
        <translation>Marcar los claros que ningún camino une con la salida</translation>
    </message>
    <message>
        <source>&amp;Copy Map Code</source>
        <translation>&amp;Copiar código de mapa</translation>
    </message>
    <message>
        <source>Copy the map&apos;s share code to the clipboard</source>
        <translation>Copiar el código para compartir del mapa al portapapeles</translation>
    </message>
    <message>
        <source>Copy C&amp;lassic Map Code</source>
        <translation>Copiar código c&amp;lásico</translation>
    </message>
    <message>
        <source>Copy the 60-character map code to the clipboard</source>
        <translation>Copiar el código de mapa de 60 caracteres al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Share Map...</source>
        <translation>Co&amp;mpartir mapa...</translation>
    </message>
    <message>
        <source>Show the map&apos;s code, link and QR code</source>
        <translation>Mostrar el código, el enlace y el código QR del mapa</translation>
    </message>
    <message>
        <source>&amp;Keep Map...</source>
        <translation>C&amp;onservar mapa...</translation>
    </message>
    <message>
        <source>Keep the map under a name</source>
        <translation>Conservar el mapa con un nombre</translation>
    </message>
    <message>
        <source>&amp;Paste Map Code</source>
        <translation>&amp;Pegar código de mapa</translation>
    </message>
    <message>
        <source>Load the map code on the clipboard</source>
        <translation>Cargar el código de mapa del portapapeles</translation>
    </message>
    <message>
        <source>Create Map &amp;Until...</source>
        <translation>Crear mapa &amp;hasta...</translation>
    </message>
    <message>
        <source>Create maps until one meets your criteria</source>
        <translation>Crear mapas hasta que uno cumpla sus criterios</translation>
    </message>
    <message>
        <source>Create Map from &amp;Seed...</source>
        <translation>Crear mapa desde &amp;semilla...</translation>
    </message>
    <message>
        <source>Create the first map of a seed</source>
        <translation>Crear el primer mapa de una semilla</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>Show the map before this one</source>
        <translation>Mostrar el mapa anterior</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Ade&amp;lante</translation>
    </message>
    <message>
        <source>Show the map after this one</source>
        <translation>Mostrar el mapa siguiente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Map</source>
        <translation>&amp;Mapa</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Tile listing</source>
        <translation>Lista de losetas</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Map seed</source>
        <translation>Semilla del mapa</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Each tile&apos;s name, column, row and rotation on the map</source>
        <translation>Nombre, columna, fila y rotación de cada loseta en el mapa</translation>
    </message>
</context>
<context>
    <name>TMapCommands</name>
    <message>
        <source>Kep&amp;t Maps</source>
        <translation>Mapas conser&amp;vados</translation>
    </message>
    <message>
        <source>&amp;Remove Kept Map</source>
        <translation>&amp;Quitar mapa conservado</translation>
    </message>
    <message>
        <source>Create Map from Seed</source>
        <translation>Crear mapa desde semilla</translation>
    </message>
    <message>
        <source>Seed (0 to 4294967295):</source>
        <translation>Semilla (0 a 4294967295):</translation>
    </message>
    <message>
        <source>Keep Map</source>
        <translation>Conservar mapa</translation>
    </message>
    <message>
        <source>Name of the map (may be left empty):</source>
        <translation>Nombre del mapa (puede quedar vacío):</translation>
    </message>
</context>
<context>
    <name>TMapEditorPart</name>
    <message>
        <source>&amp;Edit Map</source>
        <translation>&amp;Editar mapa</translation>
    </message>
    <message>
        <source>Turn, move, pin and lift the tiles of the map shown</source>
        <translation>Girar, mover, fijar y levantar las losetas del mapa mostrado</translation>
    </message>
    <message>
        <source>Com&amp;plete Map</source>
        <translation>Com&amp;pletar mapa</translation>
    </message>
    <message>
        <source>Lay the tray&apos;s tiles around the tiles on the map</source>
        <translation>Colocar las losetas de la bandeja alrededor de las del mapa</translation>
    </message>
    <message>
        <source>Re-r&amp;oll Unpinned</source>
        <translation>Volver a &amp;tirar las no fijadas</translation>
    </message>
    <message>
        <source>Lay every tile that is not pinned anew</source>
        <translation>Colocar de nuevo cada loseta no fijada</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Undo the last edit of the map</source>
        <translation>Deshacer el último cambio del mapa</translation>
    </message>
    <message>
        <source>Redo the edit undone last</source>
        <translation>Rehacer el último cambio deshecho</translation>
    </message>
    <message>
        <source>What is wrong with the map</source>
        <translation>Qué le pasa al mapa</translation>
    </message>
</context>
<context>
    <name>TMapFileCommands</name>
    <message>
        <source>map files (*.tvm)|*.tvm|any files (*.*)|*.*</source>
        <translation>archivos de mapa (*.tvm)|*.tvm|todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Tavrin Map Files</source>
        <translation>Archivos de mapa de Tavrin</translation>
    </message>
    <message>
        <source>bitmap files (*.bmp)|*.bmp|any files (*.*)|*.*</source>
        <translation>archivos de mapa de bits (*.bmp)|*.bmp|todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>&amp;Recent Maps</source>
        <translation>Mapas &amp;recientes</translation>
    </message>
</context>
<context>
    <name>TMapSearchRun</name>
    <message>
        <source>Maps tried: %1 of %2
Time: %3 s</source>
        <translation>Mapas probados: %1 de %2
Tiempo: %3 s</translation>
    </message>
    <message>
        <source>Create Map Until</source>
        <translation>Crear mapa hasta</translation>
    </message>
</context>
<context>
    <name>TMapSession</name>
    <message>
        <source>map %1 of %2</source>
        <translation>mapa %1 de %2</translation>
    </message>
</context>
<context>
    <name>TMapView</name>
    <message>
        <source>Create Map (Ctrl+M) lays out a new map</source>
        <translation>Crear mapa (Ctrl+M) compone un mapa nuevo</translation>
    </message>
    <message>
        <source>Back (Alt+Left) brings back the last one</source>
        <translation>Atrás (Alt+Izquierda) recupera el último</translation>
    </message>
    <message>
        <source>%1, clearing %2</source>
        <translation>%1, claro %2</translation>
    </message>
    <message>
        <source>Left click: From, right click: To</source>
        <translation>Clic izquierdo: Desde, clic derecho: Hasta</translation>
    </message>
    <message>
        <source>Fit %1</source>
        <translation>Ajustado %1</translation>
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
        <translation>imagen PNG (*.png)|*.png</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg)|*.jpg;*.jpeg</source>
        <translation>imagen JPEG (*.jpg)|*.jpg;*.jpeg</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)|*.svg</source>
        <translation>dibujo SVG (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)|*.pdf</source>
        <translation>documento PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>SVG drawing, Tile bitmaps (*.svg)|*.svg</source>
        <translation>dibujo SVG, mapas de bits de losetas (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>PDF document, Tile bitmaps (*.pdf)|*.pdf</source>
        <translation>documento PDF, mapas de bits de losetas (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
</context>
<context>
    <name>TQtUserDialogs</name>
    <message>
        <source>Sheet</source>
        <translation>Hoja</translation>
    </message>
    <message>
        <source>Tile bitmaps</source>
        <translation>Mapas de bits de losetas</translation>
    </message>
    <message>
        <source>Draw the tile bitmaps beside the program (your own pictures, say) instead of the program&apos;s tile art</source>
        <translation>Dibujar los mapas de bits de losetas junto al programa (sus propias imágenes, por ejemplo) en lugar del dibujo de losetas del programa</translation>
    </message>
    <message>
        <source>as large as fits</source>
        <translation>lo más grande posible</translation>
    </message>
    <message>
        <source>Print at N mm per tile:</source>
        <translation>Imprimir a N mm por loseta:</translation>
    </message>
</context>
<context>
    <name>TRouteQuery</name>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Find shortest path</source>
        <translation>Buscar el camino más corto</translation>
    </message>
    <message>
        <source>Show the shortest road route from the From clearing to the To clearing</source>
        <translation>Mostrar la ruta más corta por camino del claro Desde al claro Hasta</translation>
    </message>
    <message>
        <source>From tile</source>
        <translation>Loseta Desde</translation>
    </message>
    <message>
        <source>From clearing</source>
        <translation>Claro Desde</translation>
    </message>
    <message>
        <source>To tile</source>
        <translation>Loseta Hasta</translation>
    </message>
    <message>
        <source>To clearing</source>
        <translation>Claro Hasta</translation>
    </message>
</context>
<context>
    <name>TShareDialog</name>
    <message>
        <source>Share Map</source>
        <translation>Compartir mapa</translation>
    </message>
    <message>
        <source>Map code:</source>
        <translation>Código de mapa:</translation>
    </message>
    <message>
        <source>Made from:</source>
        <translation>Creado a partir de:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Enlace:</translation>
    </message>
    <message>
        <source>https://... where the web page is served</source>
        <translation>https://... donde se sirve la página web</translation>
    </message>
    <message>
        <source>Web page:</source>
        <translation>Página web:</translation>
    </message>
    <message>
        <source>Copy &amp;Code</source>
        <translation>Copiar &amp;código</translation>
    </message>
    <message>
        <source>Copy &amp;Link</source>
        <translation>Copiar &amp;enlace</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Copiar &amp;imagen</translation>
    </message>
</context>
<context>
    <name>TSheetPrinting</name>
    <message>
        <source>Tavrin set-up sheet</source>
        <translation>Hoja de preparación de Tavrin</translation>
    </message>
</context>
<context>
    <name>TViewPart</name>
    <message>
        <source>Colou&amp;rs</source>
        <translation>Co&amp;lores</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Estándar</translation>
    </message>
    <message>
        <source>&amp;Colour-blind Safe</source>
        <translation>Apto para &amp;daltónicos</translation>
    </message>
    <message>
        <source>Draw the map in its usual colours</source>
        <translation>Dibujar el mapa en sus colores habituales</translation>
    </message>
    <message>
        <source>Draw the map in colours every player can tell apart</source>
        <translation>Dibujar el mapa en colores que todo jugador distingue</translation>
    </message>
    <message>
        <source>Show Tile &amp;Bitmaps</source>
        <translation>Mostrar &amp;mapas de bits de losetas</translation>
    </message>
    <message>
        <source>Show the tile bitmaps beside the program instead of the tile art</source>
        <translation>Mostrar los mapas de bits de losetas junto al programa en lugar del dibujo de losetas</translation>
    </message>
</context>
</TS>
