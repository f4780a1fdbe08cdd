<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Artwork</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>Lector del Corán y reproductor de su recitación</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Tilvora cannot start.

%1</source>
        <extracomment>%1 is the reason, in a paragraph of its own.</extracomment>
        <translation>Tilvora no puede iniciarse.

%1</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
</context>
<context>
    <name>LogicText</name>
    <message>
        <source>Media Files not found...</source>
        <translation>No se encontraron los archivos de audio...</translation>
    </message>
    <message>
        <source>Media File %1 is not present at the specified path...
Current Path : %2

Please Specify a valid path for Media Files (using the Controls Menu) and use this Application !</source>
        <translation>El archivo %1 no está en la carpeta indicada...
Carpeta actual: %2

Indique una carpeta válida para los archivos de audio (menú Controles) y use después el programa.</translation>
    </message>
    <message>
        <source>Tilvora - ProgramID : </source>
        <translation>Tilvora - número de programa: </translation>
    </message>
    <message>
        <source>No Data found in the Database for Current Voice in Programs registered...

Invalid Programs / Speakers added to database without related Data !</source>
        <translation>No hay datos en la base para la voz actual entre los programas registrados...

¡Se añadieron programas o recitadores a la base sin sus datos!</translation>
    </message>
    <message>
        <source>Cannot Access the specified Media File
Make sure that the Media Files folder exists in the same application folder !</source>
        <translation>No se puede acceder al archivo de audio indicado
¡Compruebe que la carpeta de los archivos de audio existe en la carpeta del programa!</translation>
    </message>
    <message>
        <source>No recording of this verse</source>
        <translation>No hay grabación de esta aleya</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; has no recording of %2.

Choose another voice in the control pane, or set the folder of this voice&apos;s recordings with Controls &gt; Set Data Path.</source>
        <translation>La voz «%1» no tiene grabación de %2.

Elija otra voz en el panel de control, o indique la carpeta de sus grabaciones con Controles &gt; Elegir la carpeta de grabaciones.</translation>
    </message>
    <message>
        <source>No verse was found for “%1”.</source>
        <translation>No se encontró ninguna aleya para «%1».</translation>
    </message>
    <message>
        <source>No verse to show for this choice.</source>
        <translation>No hay aleyas que mostrar para esta elección.</translation>
    </message>
    <message>
        <source>%1
Specified path is invalid and cannot be mapped properly...</source>
        <translation>%1
La carpeta indicada no es válida y no se puede abrir...</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: permission denied.</source>
        <translation>No se puede abrir la carpeta %1: permiso denegado.</translation>
    </message>
    <message>
        <source>There is no verse %1:%2.</source>
        <translation>No existe la aleya %1:%2.</translation>
    </message>
    <message>
        <source>The range %1 to %2 ends before it starts.</source>
        <translation>El pasaje de %1 a %2 termina antes de empezar.</translation>
    </message>
    <message>
        <source>The request could not be carried out: the content database refused it.
%1</source>
        <translation>No se pudo realizar la petición: la base de contenido la rechazó.
%1</translation>
    </message>
    <message>
        <source>The request could not be carried out: %1</source>
        <translation>No se pudo realizar la petición: %1</translation>
    </message>
    <message>
        <source>The verse has no start position in the current voice.</source>
        <translation>La aleya no tiene posición de inicio en la voz actual.</translation>
    </message>
    <message>
        <source>The start position &quot;%1&quot; of the verse is not a number of seconds.</source>
        <translation>La posición de inicio «%1» de la aleya no es un número de segundos.</translation>
    </message>
    <message>
        <source>An unknown failure stopped the recitation.</source>
        <translation>Un fallo desconocido detuvo la recitación.</translation>
    </message>
    <message>
        <source>The recitation stopped for an unknown reason.</source>
        <translation>La recitación se detuvo por un motivo desconocido.</translation>
    </message>
    <message>
        <source>The speed must be a number from %1 to %2.</source>
        <translation>La velocidad debe ser un número de %1 a %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the id of a voice.</source>
        <translation>«%1» no es el identificador de una voz.</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>%1 debe ser un número entero de %2 a %3, no «%4».</translation>
    </message>
    <message>
        <source>The verse repeat count</source>
        <translation>El número de repeticiones de la aleya</translation>
    </message>
    <message>
        <source>The range repeat count</source>
        <translation>El número de repeticiones del tramo</translation>
    </message>
    <message>
        <source>The gap in milliseconds</source>
        <translation>La pausa en milisegundos</translation>
    </message>
    <message>
        <source>The first verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>La primera aleya «%1» no es una referencia de aleya como 2:255.</translation>
    </message>
    <message>
        <source>The last verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>La última aleya «%1» no es una referencia de aleya como 2:255.</translation>
    </message>
    <message>
        <source>The repeat counts, the gap or the time to repeat are out of range.</source>
        <translation>Los números de repeticiones, la pausa o el tiempo para repetir están fuera de rango.</translation>
    </message>
    <message>
        <source>This content database holds no mushaf pages.</source>
        <translation>Esta base de contenido no tiene páginas del mushaf.</translation>
    </message>
    <message>
        <source>There is no page &quot;%1&quot; in the mushaf: its pages are numbered 1 to %2.</source>
        <translation>No hay página «%1» en el mushaf: sus páginas van de 1 a %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>«%1» no es una referencia de aleya como 2:255.</translation>
    </message>
    <message>
        <source>There is no page %1 in the mushaf.</source>
        <translation>No hay página %1 en el mushaf.</translation>
    </message>
    <message>
        <source>The mushaf pages of this content database are not numbered 1 to %1.</source>
        <translation>Las páginas del mushaf de esta base de contenido no están numeradas de 1 a %1.</translation>
    </message>
    <message>
        <source>The main window could not be prepared. %1</source>
        <translation>No se pudo preparar la ventana principal. %1</translation>
    </message>
    <message>
        <source>The content database %1 was not found. Tilvora needs its content database DIC.DAT in the application folder %2.</source>
        <translation>No se encontró la base de contenido %1. Tilvora necesita su base de contenido DIC.DAT en la carpeta de la aplicación %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a Tilvora content database (%2).</source>
        <translation>El archivo %1 no es una base de contenido de Tilvora (%2).</translation>
    </message>
    <message>
        <source>The content database %1 cannot be opened: %2</source>
        <translation>No se puede abrir la base de contenido %1: %2</translation>
    </message>
    <message>
        <source>The content database %1 cannot be written (%2). Tilvora stores your choices in it; make sure no other program holds it and that it is writable, then start again.</source>
        <translation>No se puede escribir en la base de contenido %1 (%2). Tilvora guarda en ella sus elecciones; asegúrese de que ningún otro programa la tenga abierta y de que se pueda escribir en ella, y vuelva a empezar.</translation>
    </message>
    <message>
        <source>The content database %1 lacks a table or column that Tilvora needs (%2).</source>
        <translation>A la base de contenido %1 le falta una tabla o columna que Tilvora necesita (%2).</translation>
    </message>
    <message>
        <source>The content file %1 is damaged (%2), so Tilvora cannot read its texts. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %3 is enough: the next start copies it again.</source>
        <translation>El archivo de contenido %1 está dañado (%2), así que Tilvora no puede leer sus textos. Reinstale Tilvora para obtener una copia entera. Cuando Tilvora se ejecuta desde su propia carpeta, basta con borrar %3: el próximo inicio lo vuelve a copiar.</translation>
    </message>
    <message>
        <source>The content file %1 is empty, so Tilvora has no texts to show. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %2 is enough: the next start copies it again.</source>
        <translation>El archivo de contenido %1 está vacío, así que Tilvora no tiene textos que mostrar. Reinstale Tilvora para obtener una copia entera. Cuando Tilvora se ejecuta desde su propia carpeta, basta con borrar %2: el próximo inicio lo vuelve a copiar.</translation>
    </message>
    <message>
        <source>The database file %1 does not exist.</source>
        <translation>El archivo de base de datos %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 no es un archivo de base de datos.</translation>
    </message>
    <message>
        <source>The database file %1 cannot be opened: %2</source>
        <translation>No se puede abrir el archivo de base de datos %1: %2</translation>
    </message>
    <message>
        <source>Your Tilvora folder %1 could not be brought up to date with the installed content, so Tilvora uses it as it was. %2</source>
        <translation>Su carpeta de Tilvora %1 no se pudo poner al día con el contenido instalado, así que Tilvora la usa tal como estaba. %2</translation>
    </message>
    <message>
        <source>Tilvora could not make your own folder %1. %2</source>
        <translation>Tilvora no pudo crear su propia carpeta %1. %2</translation>
    </message>
    <message>
        <source>The installed folder %1 holds no content database (DIC.DAT).</source>
        <translation>La carpeta instalada %1 no tiene base de contenido (DIC.DAT).</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Another Tilvora is updating %1; it was waited for a minute.</source>
        <translation>Otro Tilvora está actualizando %1; se le esperó un minuto.</translation>
    </message>
    <message>
        <source>A new folder beside %1 cannot be made: %2</source>
        <translation>No se puede crear una carpeta nueva junto a %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>The link %1 to the installed recordings cannot be made: %2</source>
        <translation>No se puede crear el enlace %1 a las grabaciones instaladas: %2</translation>
    </message>
    <message>
        <source>The voice folders of %1 cannot be carried into the new content: %2</source>
        <translation>Las carpetas de voces de %1 no se pueden llevar al nuevo contenido: %2</translation>
    </message>
    <message>
        <source>The new folder cannot take the place of %1: %2</source>
        <translation>La carpeta nueva no puede ocupar el lugar de %1: %2</translation>
    </message>
    <message>
        <source>There is no voice %1.</source>
        <translation>No existe la voz %1.</translation>
    </message>
    <message>
        <source>The voice %1 has no media folder.</source>
        <translation>La voz %1 no tiene carpeta de grabaciones.</translation>
    </message>
    <message>
        <source>The folder %1 holds no recording of chapter %2 (%3 or %4).</source>
        <translation>La carpeta %1 no tiene grabación de la sura %2 (%3 o %4).</translation>
    </message>
    <message>
        <source>There is no chapter %1.</source>
        <translation>No existe la sura %1.</translation>
    </message>
    <message>
        <source>The voice %1 has recordings of its own for chapter %2 (files other than %3, for %4 of its verses); the starts found were not stored over them.</source>
        <translation>La voz %1 tiene grabaciones propias de la sura %2 (archivos distintos de %3, para %4 de sus aleyas); los inicios hallados no se guardaron encima de ellas.</translation>
    </message>
    <message>
        <source>No recitation found in %1: it holds only silence or steady noise.</source>
        <translation>No se encontró recitación en %1: solo contiene silencio o ruido constante.</translation>
    </message>
    <message>
        <source>No recitation found in %1: it pauses %2 times, where a recitation of the chapter&apos;s %3 verses pauses at least %4 times (a reciter pauses at the end of most verses).</source>
        <translation>No se encontró recitación en %1: hace %2 pausas, cuando una recitación de las %3 aleyas de la sura hace al menos %4 (un recitador se detiene al final de la mayoría de las aleyas).</translation>
    </message>
    <message>
        <source>The recording %1 cannot be read.</source>
        <translation>No se puede leer la grabación %1.</translation>
    </message>
    <message>
        <source>The audio decoder gst-launch-1.0 could not be started; it comes with the package gstreamer1.0-tools.</source>
        <translation>No se pudo iniciar el decodificador de audio gst-launch-1.0; viene con el paquete gstreamer1.0-tools.</translation>
    </message>
    <message>
        <source>The file %1 is not an audio file.</source>
        <translation>El archivo %1 no es un archivo de audio.</translation>
    </message>
    <message>
        <source>The recording %1 could not be decoded: %2</source>
        <translation>No se pudo decodificar la grabación %1: %2</translation>
    </message>
    <message>
        <source>The recording %1 holds no sound.</source>
        <translation>La grabación %1 no contiene sonido.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address to download from (it must start with http:// or https://).</source>
        <translation>«%1» no es una dirección web desde la que descargar (debe empezar por http:// o https://).</translation>
    </message>
    <message>
        <source>The chapters to download must run from 1 to 114, first to last, not %1 to %2.</source>
        <translation>Las suras que descargar deben ir de 1 a 114, de la primera a la última, no de %1 a %2.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>no queda espacio en el disco</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>el servidor respondió %1</translation>
    </message>
    <message>
        <source>the server sent a page (%1), not a recording</source>
        <translation>el servidor envió una página (%1), no una grabación</translation>
    </message>
    <message>
        <source>the server announced %1 bytes, more than the %2 a verse&apos;s recording may take</source>
        <translation>el servidor anunció %1 bytes, más de los %2 que puede ocupar la grabación de una aleya</translation>
    </message>
    <message>
        <source>the server resumed the file at the wrong place</source>
        <translation>el servidor reanudó el archivo en un lugar equivocado</translation>
    </message>
    <message>
        <source>it is larger than the %1 a verse&apos;s recording may take</source>
        <translation>es mayor que los %1 que puede ocupar la grabación de una aleya</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>se agotó el tiempo</translation>
    </message>
    <message>
        <source>the server refused to resume the file</source>
        <translation>el servidor se negó a reanudar el archivo</translation>
    </message>
    <message>
        <source>it arrived with %1 of %2 bytes</source>
        <translation>llegó con %1 de %2 bytes</translation>
    </message>
    <message>
        <source>the server sent the download to an address that is not http or https</source>
        <translation>el servidor envió la descarga a una dirección que no es http ni https</translation>
    </message>
    <message>
        <source>the server sent the download elsewhere too many times</source>
        <translation>el servidor envió la descarga a otro lugar demasiadas veces</translation>
    </message>
    <message>
        <source>the server stopped answering</source>
        <translation>el servidor dejó de responder</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>no se puede llegar al servidor</translation>
    </message>
    <message>
        <source>the server is too slow</source>
        <translation>el servidor es demasiado lento</translation>
    </message>
    <message>
        <source>it arrived cut short (its last audio frame is incomplete)</source>
        <translation>llegó cortado (su último cuadro de audio está incompleto)</translation>
    </message>
    <message>
        <source>what arrived is not an MP3 recording</source>
        <translation>lo que llegó no es una grabación MP3</translation>
    </message>
    <message>
        <source>it could not be put in place: %1</source>
        <translation>no se pudo colocar en su sitio: %1</translation>
    </message>
    <message>
        <source>it is larger than the %1 MB a chapter may take</source>
        <translation>es mayor que los %1 MB que puede ocupar una sura</translation>
    </message>
    <message>
        <source>chapter %1: %2</source>
        <translation>sura %1: %2</translation>
    </message>
    <message>
        <source>the server sent a web page, not the text</source>
        <translation>el servidor envió una página web, no el texto</translation>
    </message>
    <message>
        <source>what arrived is not the service&apos;s data</source>
        <translation>lo que llegó no son datos del servicio</translation>
    </message>
    <message>
        <source>the service answered %1</source>
        <translation>el servicio respondió %1</translation>
    </message>
    <message>
        <source>the service&apos;s answer holds no list of texts</source>
        <translation>la respuesta del servicio no contiene una lista de textos</translation>
    </message>
    <message>
        <source>the service sent chapter %1 instead</source>
        <translation>el servicio envió en su lugar la sura %1</translation>
    </message>
    <message>
        <source>it has %1 verses, the chapter has %2</source>
        <translation>tiene %1 aleyas y la sura tiene %2</translation>
    </message>
    <message>
        <source>its verse numbers are not 1 to %1, each once</source>
        <translation>sus números de aleya no van de 1 a %1, cada uno una vez</translation>
    </message>
    <message>
        <source>verse %1 has no text</source>
        <translation>la aleya %1 no tiene texto</translation>
    </message>
    <message>
        <source>the service did not answer in time</source>
        <translation>el servicio no respondió a tiempo</translation>
    </message>
    <message>
        <source>the service cannot be reached (%1)</source>
        <translation>no se puede llegar al servicio (%1)</translation>
    </message>
    <message>
        <source>Your data could not be written to %1: %2.</source>
        <translation>No se pudieron escribir sus datos en %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a file of your Tilvora data (one written by File, Export my data). Nothing was changed.</source>
        <translation>%1 no es un archivo de sus datos de Tilvora (de los que escribe Archivo, Exportar mis datos). No se cambió nada.</translation>
    </message>
    <message>
        <source>%1 was written by a newer Tilvora, whose data this one cannot read. Nothing was changed.</source>
        <translation>%1 fue escrito por un Tilvora más nuevo, cuyos datos este no puede leer. No se cambió nada.</translation>
    </message>
    <message>
        <source>your own file %1 cannot be used</source>
        <translation>no se puede usar su propio archivo %1</translation>
    </message>
    <message>
        <source>your own file cannot be changed now</source>
        <translation>su propio archivo no se puede cambiar ahora</translation>
    </message>
    <message>
        <source>your own file could not be changed</source>
        <translation>no se pudo cambiar su propio archivo</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2. Nothing was changed.</source>
        <translation>No se pudo importar %1: %2. No se cambió nada.</translation>
    </message>
    <message>
        <source>What you learn and your notes cannot be kept: the file %1 cannot be used. They last until Tilvora closes.</source>
        <translation>Lo que aprende y sus notas no se pueden guardar: no se puede usar el archivo %1. Duran hasta que Tilvora se cierre.</translation>
    </message>
    <message>
        <source>Your bookmarks cannot be kept: the file %1 cannot be written. Bookmarks made now last until Tilvora closes.</source>
        <translation>Sus marcadores no se pueden guardar: no se puede escribir el archivo %1. Los marcadores que ponga ahora duran hasta que Tilvora se cierre.</translation>
    </message>
    <message>
        <source>Your bookmarks file could not be read. It was set aside as %1, and Tilvora starts with no bookmarks.</source>
        <translation>No se pudo leer su archivo de marcadores. Se apartó como %1, y Tilvora empieza sin marcadores.</translation>
    </message>
    <message>
        <source>the text could not be stored: %1</source>
        <translation>no se pudo guardar el texto: %1</translation>
    </message>
    <message>
        <source>the text could not be installed: %1</source>
        <translation>no se pudo instalar el texto: %1</translation>
    </message>
</context>
<context>
    <name>PaneTexts</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Whole Quran</source>
        <translation>Todo el Corán</translation>
    </message>
    <message>
        <source>Arabic without vowel marks, or words of a translation</source>
        <translation>Árabe sin vocales, o palabras de una traducción</translation>
    </message>
    <message>
        <source>Arabic is found without vowel marks; translations ignore letter case</source>
        <translation>El árabe se busca sin vocales; las traducciones sin distinguir mayúsculas</translation>
    </message>
    <message>
        <source>Search every verse of every text; unticked, only the page shown is searched</source>
        <translation>Buscar en cada aleya de cada texto; sin marcar, solo en la página mostrada</translation>
    </message>
    <message>
        <source>Chapter</source>
        <extracomment>The first entry of the list of chapters (surahs).</extracomment>
        <translation>Sura</translation>
    </message>
    <message>
        <source>Part</source>
        <extracomment>The first entry of the list of the thirty parts (juz).</extracomment>
        <translation>Yuz</translation>
    </message>
    <message>
        <source>Root (approx.)</source>
        <extracomment>The first entry of the list of roots, which are found automatically.</extracomment>
        <translation>Raíz (aprox.)</translation>
    </message>
    <message>
        <source>Subject · موضوع</source>
        <extracomment>The first entry of the list of subjects, with the Arabic word.</extracomment>
        <translation>Tema · موضوع</translation>
    </message>
    <message>
        <source>كلمة · Word</source>
        <extracomment>The first entry of the list of words, with the Arabic word.</extracomment>
        <translation>كلمة · Palabra</translation>
    </message>
    <message>
        <source>Show a chapter (surah)</source>
        <translation>Mostrar una sura</translation>
    </message>
    <message>
        <source>Show a part (juz)</source>
        <translation>Mostrar un yuz</translation>
    </message>
    <message>
        <source>Show the verses of a root (roots are found automatically and are approximate)</source>
        <translation>Mostrar las aleyas de una raíz (halladas automáticamente, aproximadas)</translation>
    </message>
    <message>
        <source>Show the verses of a subject</source>
        <translation>Mostrar las aleyas de un tema</translation>
    </message>
    <message>
        <source>Show the verses that hold a word (written without vowel marks)</source>
        <translation>Mostrar las aleyas que contienen una palabra (escrita sin vocales)</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>Yuz %1</translation>
    </message>
    <message>
        <source>Text in row %1</source>
        <extracomment>A screen reader&apos;s name of the list that chooses the text shown in a row of the reading pane; %1 is the row&apos;s number (1 to 4).</extracomment>
        <translation>Texto de la fila %1</translation>
    </message>
    <message>
        <source>Media folder of %1</source>
        <extracomment>A screen reader&apos;s name of the link beside a voice that sets the folder of its recordings; %1 is the voice&apos;s name.</extracomment>
        <translation>Carpeta de grabaciones de %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>  No verse
  shown</source>
        <extracomment>The label beside the search box: the view shows no verse.</extracomment>
        <translation>  Ninguna aleya
  mostrada</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  shown</source>
        <extracomment>The label beside the search box: how many verses the view shows.</extracomment>
        <translation>
            <numerusform>  %Ln aleya
  mostrada</numerusform>
            <numerusform>  %Ln aleyas
  mostradas</numerusform>
        </translation>
    </message>
    <message>
        <source>  No verse
  found</source>
        <extracomment>The label beside the search box: a search found nothing.</extracomment>
        <translation>  Ninguna aleya
  encontrada</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  found</source>
        <extracomment>The label beside the search box: how many verses a search found (all shown).</extracomment>
        <translation>
            <numerusform>  %Ln aleya
  encontrada</numerusform>
            <numerusform>  %Ln aleyas
  encontradas</numerusform>
        </translation>
    </message>
    <message>
        <source>  %1 found,
  %2 shown</source>
        <extracomment>The label beside the search box: verses found, and how many of them are shown.</extracomment>
        <translation>  %1 encontradas,
  %2 mostradas</translation>
    </message>
    <message>
        <source>Recitation ended. Left out, with no recording in “%1”: %2.</source>
        <extracomment>%1 is the voice, %2 the list of verses (chapter:verse) left out.</extracomment>
        <translation>Recitación terminada. Omitidas por no tener grabación en «%1»: %2.</translation>
    </message>
    <message>
        <source>%1 has no recording in “%2”: left out, the recitation goes on.</source>
        <extracomment>%1 is a verse (chapter:verse), %2 the voice.</extracomment>
        <translation>%1 no tiene grabación en «%2»: se omite y la recitación sigue.</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>Your settings cannot be kept: %1 is a folder, not a file. The choices you make now last until Tilvora closes.</source>
        <translation>No se pueden guardar sus ajustes: %1 es una carpeta, no un archivo. Lo que elija ahora dura hasta que se cierre Tilvora.</translation>
    </message>
    <message>
        <source>Your settings cannot be kept: the file %1 cannot be written. The choices you make now last until Tilvora closes.</source>
        <translation>No se pueden guardar sus ajustes: no se puede escribir el archivo %1. Lo que elija ahora dura hasta que se cierre Tilvora.</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and cannot be replaced; the settings it holds are not all used.</source>
        <translation>El archivo de ajustes %1 está dañado y no se puede reemplazar; no se usan todos sus ajustes.</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged. The settings that could be read are kept; the others are back to their usual values.</source>
        <translation>El archivo de ajustes %1 estaba dañado. Se conservan los ajustes que se pudieron leer; los demás vuelven a sus valores habituales.</translation>
    </message>
</context>
<context>
    <name>VerseMenu</name>
    <message>
        <source>Show in the &amp;mushaf</source>
        <translation>Mostrar en el &amp;mushaf</translation>
    </message>
    <message>
        <source>&amp;Bookmark this verse</source>
        <translation>&amp;Marcar esta aleya</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy &amp;verse</source>
        <translation>Copiar la &amp;aleya</translation>
    </message>
    <message>
        <source>Copy &amp;reference</source>
        <translation>Copiar la &amp;referencia</translation>
    </message>
    <message>
        <source>Recite from &amp;here</source>
        <translation>Recitar desde a&amp;quí</translation>
    </message>
    <message>
        <source>Re&amp;peat this verse...</source>
        <translation>&amp;Repetir esta aleya...</translation>
    </message>
    <message>
        <source>Repeat from here &amp;to...</source>
        <translation>Repetir desde aquí &amp;hasta...</translation>
    </message>
    <message>
        <source>&amp;Note...</source>
        <translation>&amp;Nota...</translation>
    </message>
    <message>
        <source>&amp;Listen and repeat from here...</source>
        <translation>&amp;Escuchar y repetir desde aquí...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::AboutWindow</name>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>Lector del Corán y reproductor de su recitación</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Artwork and program by the Tilvora developers. Most translations are for non-commercial use only.</source>
        <translation>Ilustraciones y programa de los desarrolladores de Tilvora. La mayoría de las traducciones son solo para uso no comercial.</translation>
    </message>
    <message>
        <source>Tilvora shows the Quran with its translations and recites it.</source>
        <translation>Tilvora muestra el Corán con sus traducciones y lo recita.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChapterAlignmentDialog</name>
    <message>
        <source>Replace Them</source>
        <translation>Reemplazarlas</translation>
    </message>
    <message>
        <source>Keep Them</source>
        <translation>Conservarlas</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files</source>
        <extracomment>The title of the window that finds where each verse starts in recordings of whole chapters.</extracomment>
        <translation>Comienzos de las aleyas en los archivos de las suras</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files - %1</source>
        <translation>Comienzos de las aleyas en los archivos de las suras - %1</translation>
    </message>
    <message>
        <source>Looking for the chapter files...</source>
        <translation>Buscando los archivos de las suras...</translation>
    </message>
    <message>
        <source>Verses to check (their starts were found with low confidence):</source>
        <translation>Aleyas que revisar (su comienzo se encontró con poca confianza):</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>Aleya</translation>
    </message>
    <message>
        <source>Start (s)</source>
        <extracomment>A column heading: where the verse starts, in seconds.</extracomment>
        <translation>Comienzo (s)</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Confianza</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>- 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second earlier.</extracomment>
        <translation>- 0,1 s</translation>
    </message>
    <message>
        <source>+ 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second later.</extracomment>
        <translation>+ 0,1 s</translation>
    </message>
    <message>
        <source>Play around it</source>
        <extracomment>Plays the recording from a little before the verse&apos;s start.</extracomment>
        <translation>Escuchar alrededor</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Comienzo:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Deteniendo...</translation>
    </message>
    <message>
        <source>No chapter file was found (001.mp3 ... 114.mp3, or .wma). %1</source>
        <extracomment>%1 is the reason the first chapter file could not be used.</extracomment>
        <translation>No se encontró ningún archivo de sura (001.mp3 ... 114.mp3, o .wma). %1</translation>
    </message>
    <message numerus="yes">
        <source>This voice already has recordings of its own for %n verses in the chapters %1 (a file per verse, say). Replace them with the starts found in the chapter files?

If you keep them, those chapters are left as they are.</source>
        <extracomment>%n is the number of verses; %1 the list of chapter numbers.</extracomment>
        <translation>
            <numerusform>Esta voz ya tiene su propia grabación de %n aleya en las suras %1 (un archivo por aleya, por ejemplo). ¿Reemplazarla por el comienzo encontrado en los archivos de las suras?

Si la conserva, esas suras quedan como están.</numerusform>
            <numerusform>Esta voz ya tiene sus propias grabaciones de %n aleyas en las suras %1 (un archivo por aleya, por ejemplo). ¿Reemplazarlas por los comienzos encontrados en los archivos de las suras?

Si las conserva, esas suras quedan como están.</numerusform>
        </translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Sura %1</translation>
    </message>
    <message>
        <source>The voice&apos;s own recordings were kept.</source>
        <translation>Se conservaron las grabaciones propias de la voz.</translation>
    </message>
    <message>
        <source>Nothing was changed: the voice keeps its own recordings.</source>
        <translation>No se cambió nada: la voz conserva sus propias grabaciones.</translation>
    </message>
    <message numerus="yes">
        <source>Finding the verse starts of %n chapters...</source>
        <translation>
            <numerusform>Buscando los comienzos de las aleyas de %n sura...</numerusform>
            <numerusform>Buscando los comienzos de las aleyas de %n suras...</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped: nothing was stored.</source>
        <translation>Detenido: no se guardó nada.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: the starts of %1 of %n chapters are stored.</source>
        <translation>
            <numerusform>Detenido: se guardaron los comienzos de %1 de %n sura.</numerusform>
            <numerusform>Detenido: se guardaron los comienzos de %1 de %n suras.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Done: the starts of %1 of %2 chapters are stored; %n verses to check.</source>
        <extracomment>%1 chapters stored out of %2; %n verses to check by ear.</extracomment>
        <translation>
            <numerusform>Hecho: se guardaron los comienzos de %1 de %2 suras; %n aleya que revisar.</numerusform>
            <numerusform>Hecho: se guardaron los comienzos de %1 de %2 suras; %n aleyas que revisar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The start could not be stored: %1</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>No se pudo guardar el comienzo: %1</translation>
    </message>
    <message>
        <source>Verse %1:%2 now starts at %3 s.</source>
        <extracomment>%1:%2 is the verse as chapter:verse, %3 a number of seconds.</extracomment>
        <translation>La aleya %1:%2 comienza ahora en %3 s.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChoiceMemory</name>
    <message>
        <source>&amp;Remember My Texts and Voice</source>
        <extracomment>Whether the texts and the voice chosen in the control pane are chosen again at the next start.</extracomment>
        <translation>&amp;Recordar mis textos y mi voz</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ControlPaneFollower</name>
    <message>
        <source>— None —</source>
        <extracomment>The entry of a row&apos;s list of texts that empties the row.</extracomment>
        <translation>— Ninguno —</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::DownloadDialog</name>
    <message>
        <source>%1 KB</source>
        <extracomment>A size in kilobytes.</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A size in megabytes.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time left: seconds.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A time left: minutes and seconds.</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>A time left: hours and minutes.</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Download recitation</source>
        <translation>Descargar recitación</translation>
    </message>
    <message>
        <source>%1 (%2 kbps)</source>
        <extracomment>A reciter and the bit rate of the recordings.</extracomment>
        <translation>%1 (%2 kbps)</translation>
    </message>
    <message>
        <source>Another address...</source>
        <translation>Otra dirección...</translation>
    </message>
    <message>
        <source>SSSAAA.mp3 (chapter and verse)</source>
        <translation>SSSAAA.mp3 (sura y aleya)</translation>
    </message>
    <message>
        <source>N.mp3 (verse number in the book)</source>
        <translation>N.mp3 (número de la aleya en el Libro)</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>A voice without a folder gets one in your data folder.</source>
        <translation>Una voz sin carpeta recibe una en su carpeta de datos.</translation>
    </message>
    <message>
        <source>Reciter:</source>
        <translation>Recitador:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>File names:</source>
        <translation>Nombres de archivo:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Suras:</translation>
    </message>
    <message>
        <source>Voice to fill:</source>
        <translation>Voz que llenar:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>No voice reads one file per verse (SSSAAA.mp3), so there is no voice to fill.</source>
        <translation>Ninguna voz lee un archivo por aleya (SSSAAA.mp3): no hay voz que llenar.</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>En %1</translation>
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
        <source>%1 of %2 files, %3</source>
        <extracomment>%1 files done of %2, %3 the size received so far.</extracomment>
        <translation>%1 de %2 archivos, %3</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s</source>
        <extracomment>%1 files done of %2, %3 the size received so far, %4 the size received per second.</extracomment>
        <translation>%1 de %2 archivos, %3, %4/s</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s, about %5 left</source>
        <extracomment>As before, and %5 the time left, e.g. &quot;3 min 20 s&quot;.</extracomment>
        <translation>%1 de %2 archivos, %3, %4/s, quedan unos %5</translation>
    </message>
    <message>
        <source>Cancelled. </source>
        <translation>Cancelado. </translation>
    </message>
    <message>
        <source>The download stopped: %1. </source>
        <translation>La descarga se detuvo: %1. </translation>
    </message>
    <message>
        <source>%1 stored, %2 already there, %3 failed.</source>
        <extracomment>Files stored, files that were there already, files that failed.</extracomment>
        <translation>%1 guardados, %2 ya estaban, %3 fallaron.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::GstAudioPlayer</name>
    <message>
        <source>The recording %1 cannot be played: GStreamer&apos;s playbin is not installed.</source>
        <translation>No se puede reproducir la grabación %1: el playbin de GStreamer no está instalado.</translation>
    </message>
    <message>
        <source>The recording %1 could not be opened.</source>
        <translation>No se pudo abrir la grabación %1.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>The recording %1 could not be played: %2</source>
        <translation>No se pudo reproducir la grabación %1: %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <extracomment>The View menu&apos;s submenu that sets the language of the program&apos;s windows.</extracomment>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System Default</source>
        <extracomment>The language of the system (the default), as opposed to one chosen here.</extracomment>
        <translation>Idioma del sistema</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MainWindow</name>
    <message>
        <source> .:: Tilvora (version %1) ::.</source>
        <extracomment>The main window&apos;s title; %1 is the version, e.g. 2.08.09A.</extracomment>
        <translation> .:: Tilvora (versión %1) ::.</translation>
    </message>
    <message>
        <source>Drag to widen or narrow the control pane; double-click for the usual width</source>
        <translation>Arrastre para ensanchar o estrechar el panel de control; doble clic para el ancho habitual</translation>
    </message>
    <message>
        <source>Left and Right move it; Space gives the panes their usual widths</source>
        <translation>Izquierda y Derecha lo mueven; Espacio devuelve a los paneles su ancho habitual</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Go to the search box</source>
        <translation>Ir al cuadro de búsqueda</translation>
    </message>
    <message>
        <source>  Search Result(s):  </source>
        <extracomment>The label beside the search box before anything was shown.</extracomment>
        <translation>  Resultado(s):  </translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Controls menu</source>
        <translation>Menú Controles</translation>
    </message>
    <message>
        <source>Pane divider</source>
        <extracomment>The strip between the reading pane and the control pane, which moves them apart when dragged.</extracomment>
        <translation>Divisor de paneles</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <extracomment>The menu of the control pane (the pane where the texts and the voice are chosen).</extracomment>
        <translation>&amp;Controles</translation>
    </message>
    <message>
        <source>&amp;Hide/Un-Hide Pane</source>
        <extracomment>Hides the control pane, or shows it again.</extracomment>
        <translation>&amp;Ocultar/mostrar el panel</translation>
    </message>
    <message>
        <source>Set Data &amp;Path</source>
        <extracomment>The submenu that sets the folder where a voice&apos;s recordings are.</extracomment>
        <translation>Elegir la &amp;carpeta de grabaciones</translation>
    </message>
    <message>
        <source>Voice %1</source>
        <translation>Voz %1</translation>
    </message>
    <message>
        <source>&amp;Download recitation...</source>
        <translation>&amp;Descargar recitación...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>An unexpected failure stopped the request.</source>
        <translation>Un error inesperado detuvo la petición.</translation>
    </message>
    <message>
        <source>Download &amp;texts...</source>
        <translation>Descargar &amp;textos...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MediaFolderDialog</name>
    <message>
        <source>Specify / Select a valid Path...</source>
        <extracomment>The title of the dialog that sets the folder of a voice&apos;s recordings.</extracomment>
        <translation>Indique / elija una carpeta válida...</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 is the dialog&apos;s title, %2 the voice.</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Please browse the path of the Media Files Folder :</source>
        <translation>Busque la carpeta de los archivos de audio:</translation>
    </message>
    <message>
        <source>Mounted volumes</source>
        <translation>Volúmenes montados</translation>
    </message>
    <message>
        <source>This folder holds one file per chapter</source>
        <translation>Esta carpeta tiene un archivo por sura</translation>
    </message>
    <message>
        <source>Find where each verse starts in the chapter files (001.mp3 ... 114.mp3)</source>
        <translation>Encontrar dónde comienza cada aleya en los archivos de las suras (001.mp3 ... 114.mp3)</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Mapping Path exception...</source>
        <extracomment>The title of the message that the voice&apos;s stored folder cannot be opened.</extracomment>
        <translation>Carpeta no encontrada...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MemoriseDesk</name>
    <message>
        <source>&amp;Memorise</source>
        <translation>&amp;Memorizar</translation>
    </message>
    <message>
        <source>&amp;Learn this page / verse range / chapter...</source>
        <translation>&amp;Aprender esta página / estas aleyas / esta sura...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review</source>
        <translation>&amp;Repaso de hoy</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progreso</translation>
    </message>
    <message>
        <source>&amp;Forget...</source>
        <translation>&amp;Olvidar...</translation>
    </message>
    <message>
        <source>Daily &amp;limit...</source>
        <translation>&amp;Límite diario...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review (%1)</source>
        <extracomment>%1 is how many pages are due today.</extracomment>
        <translation>&amp;Repaso de hoy (%1)</translation>
    </message>
    <message>
        <source>&amp;Export my data...</source>
        <translation>&amp;Exportar mis datos...</translation>
    </message>
    <message>
        <source>&amp;Import my data...</source>
        <translation>&amp;Importar mis datos...</translation>
    </message>
    <message>
        <source>&amp;Notes...</source>
        <translation>&amp;Notas...</translation>
    </message>
    <message>
        <source>Memorise</source>
        <translation>Memorizar</translation>
    </message>
    <message>
        <source>Nothing is due for review today. Take up a page with Memorise, Learn.</source>
        <translation>Hoy no hay nada que repasar. Tome una página con Memorizar, Aprender.</translation>
    </message>
    <message>
        <source>The grade of page %1 could not be stored in your file.</source>
        <translation>La nota de la página %1 no se pudo guardar en su archivo.</translation>
    </message>
    <message>
        <source>The verses to learn could not be stored in your file.</source>
        <translation>Las aleyas que aprender no se pudieron guardar en su archivo.</translation>
    </message>
    <message>
        <source>The verses could not be taken out: your file could not be changed.</source>
        <translation>Las aleyas no se pudieron quitar: su archivo no se pudo cambiar.</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Olvidar</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Aprender</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Olvidar</translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation>&amp;Aprender</translation>
    </message>
    <message>
        <source>You are learning %1 now; it is due for review today.</source>
        <translation>Ahora está aprendiendo %1; toca repasarlo hoy.</translation>
    </message>
    <message>
        <source>Take %1 out of what you are learning? Its review schedule goes; the history of its reviews stays.</source>
        <translation>¿Quitar %1 de lo que está aprendiendo? Su calendario de repaso se va; el historial de sus repasos se queda.</translation>
    </message>
    <message>
        <source>%1 is taken out of what you are learning.</source>
        <translation>%1 se ha quitado de lo que está aprendiendo.</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>Límite diario</translation>
    </message>
    <message>
        <source>Pages to review a day at most (1 to %1):</source>
        <translation>Páginas que repasar al día como máximo (1 a %1):</translation>
    </message>
    <message>
        <source>The daily limit could not be stored in your file.</source>
        <translation>El límite diario no se pudo guardar en su archivo.</translation>
    </message>
    <message>
        <source>The note could not be stored in your file.</source>
        <translation>La nota no se pudo guardar en su archivo.</translation>
    </message>
    <message>
        <source>Your data is written to %1: %2 bookmarks, %3 notes, %4 verses being learnt.</source>
        <extracomment>After the export: how many of each were written.</extracomment>
        <translation>Sus datos se han escrito en %1: %2 marcadores, %3 notas, %4 aleyas en aprendizaje.</translation>
    </message>
    <message>
        <source>Taken in from %1: %2 bookmarks, %3 notes, %4 verses being learnt, joined with yours; nothing of yours was lost.</source>
        <translation>Tomado de %1: %2 marcadores, %3 notas, %4 aleyas en aprendizaje, unidos a los suyos; no se ha perdido nada suyo.</translation>
    </message>
    <message>
        <source>Export my data</source>
        <translation>Exportar mis datos</translation>
    </message>
    <message>
        <source>Tilvora data (*.json)</source>
        <translation>Datos de Tilvora (*.json)</translation>
    </message>
    <message>
        <source>Import my data</source>
        <translation>Importar mis datos</translation>
    </message>
    <message>
        <source>Tilvora data (*.json);;All files (*)</source>
        <translation>Datos de Tilvora (*.json);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MushafMode</name>
    <message>
        <source>&amp;Mushaf pages</source>
        <extracomment>The reading pane&apos;s second mode: the pages of a printed copy of the Quran.</extracomment>
        <translation>Páginas del &amp;mushaf</translation>
    </message>
    <message>
        <source>&amp;Go to page...</source>
        <translation>&amp;Ir a la página...</translation>
    </message>
    <message>
        <source>&amp;Hide the text</source>
        <extracomment>Hides the text of the mushaf&apos;s page, for reciting from memory.</extracomment>
        <translation>&amp;Ocultar el texto</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <extracomment>Shows hidden text of the mushaf&apos;s page again, step by step.</extracomment>
        <translation>&amp;Descubrir</translation>
    </message>
    <message>
        <source>Next &amp;word</source>
        <translation>&amp;Palabra siguiente</translation>
    </message>
    <message>
        <source>Rest of the &amp;line</source>
        <translation>Resto de la &amp;línea</translation>
    </message>
    <message>
        <source>Rest of the &amp;verse</source>
        <translation>Resto de la &amp;aleya</translation>
    </message>
    <message>
        <source>&amp;Everything</source>
        <translation>&amp;Todo</translation>
    </message>
    <message>
        <source>&amp;Hide the last word again</source>
        <translation>&amp;Ocultar de nuevo la última palabra</translation>
    </message>
    <message>
        <source>Mushaf pages</source>
        <translation>Páginas del mushaf</translation>
    </message>
    <message>
        <source>Go to page</source>
        <translation>Ir a la página</translation>
    </message>
    <message>
        <source>Page of the mushaf (1 to %1):</source>
        <extracomment>%1 is the number of the mushaf&apos;s last page.</extracomment>
        <translation>Página del mushaf (1 a %1):</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NoteDialog</name>
    <message>
        <source>Note on %1</source>
        <extracomment>%1 names the verse, as Al-Baqarah 2:255.</extracomment>
        <translation>Nota sobre %1</translation>
    </message>
    <message>
        <source>Your note</source>
        <translation>Su nota</translation>
    </message>
    <message>
        <source>Saved as you typed it. An empty note is removed.</source>
        <translation>Se guarda tal como la escribió. Una nota vacía se elimina.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NotesDialog</name>
    <message>
        <source>Your notes</source>
        <translation>Sus notas</translation>
    </message>
    <message>
        <source>Search in your notes</source>
        <translation>Buscar en sus notas</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>Aleya</translation>
    </message>
    <message>
        <source>First line</source>
        <translation>Primera línea</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Cambiada</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::PlayerStrip</name>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Previous verse</source>
        <translation>Aleya anterior</translation>
    </message>
    <message>
        <source>Next verse</source>
        <translation>Aleya siguiente</translation>
    </message>
    <message>
        <source>Repeat: how often each verse and the whole range are recited, and the pause between</source>
        <translation>Repetición: cuántas veces se recitan cada aleya y todo el pasaje, y la pausa entre ellas</translation>
    </message>
    <message>
        <source> times</source>
        <extracomment>After a spin box&apos;s number: how often a verse or a range is recited.</extracomment>
        <translation> veces</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>hasta detener</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a spin box&apos;s number: milliseconds.</extracomment>
        <translation> ms</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>Cada aleya:</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>Todo el pasaje:</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>Pausa entre:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>%1×</source>
        <extracomment>A playback speed, e.g. 1.5×.</extracomment>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1× / %2 ▾</source>
        <extracomment>The repeat button&apos;s counts: each verse %1 times, the range %2 times (∞: until stopped).</extracomment>
        <translation>%1× / %2 ▾</translation>
    </message>
    <message>
        <source>Repeat %1</source>
        <extracomment>The repeat button&apos;s caption; %1 are its counts.</extracomment>
        <translation>Repetir %1</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range until stopped</source>
        <translation>Repetición: cada aleya %1 veces, el pasaje hasta detener</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range %2 times</source>
        <translation>Repetición: cada aleya %1 veces, el pasaje %2 veces</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Activar sonido</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Verses learnt: %1 (and %2 being learnt).
Pages learnt whole: %3.
Days in a row with a review: %4.</source>
        <translation>Aleyas aprendidas: %1 (y %2 en aprendizaje).
Páginas aprendidas enteras: %3.
Días seguidos con un repaso: %4.</translation>
    </message>
    <message>
        <source>Share of each part taken up, and pages due on each of the next 14 days</source>
        <translation>Parte de cada yuz en aprendizaje, y páginas que repasar cada uno de los próximos 14 días</translation>
    </message>
    <message>
        <source>Each part: the share of its verses you are learning</source>
        <translation>Cada yuz: la parte de sus aleyas que está aprendiendo</translation>
    </message>
    <message>
        <source>Pages due on each of the next 14 days</source>
        <translation>Páginas que repasar cada uno de los próximos 14 días</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RangeDialog</name>
    <message>
        <source>A page of the mushaf</source>
        <translation>Una página del mushaf</translation>
    </message>
    <message>
        <source>A range of verses</source>
        <translation>Una serie de aleyas</translation>
    </message>
    <message>
        <source>A chapter</source>
        <translation>Una sura</translation>
    </message>
    <message>
        <source>A part (juz)</source>
        <translation>Un yuz</translation>
    </message>
    <message>
        <source>chapter:verse</source>
        <extracomment>A verse is written chapter:verse, as 2:255.</extracomment>
        <translation>sura:aleya</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>&amp;Qué:</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>&amp;Número:</translation>
    </message>
    <message>
        <source>&amp;From verse:</source>
        <translation>&amp;Desde la aleya:</translation>
    </message>
    <message>
        <source>&amp;To verse:</source>
        <translation>&amp;Hasta la aleya:</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>la página %1</translation>
    </message>
    <message>
        <source>chapter %1</source>
        <translation>la sura %1</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>el yuz %1</translation>
    </message>
    <message>
        <source>the verses %1 to %2</source>
        <translation>las aleyas %1 a %2</translation>
    </message>
    <message>
        <source>No verse begins on this page.</source>
        <translation>Ninguna aleya empieza en esta página.</translation>
    </message>
    <message>
        <source>The verses run from %1 to a later verse.</source>
        <translation>Las aleyas van de %1 a una aleya posterior.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReadingComfort</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Arabic &amp;Font</source>
        <translation>&amp;Fuente árabe</translation>
    </message>
    <message>
        <source>As the Text Defines</source>
        <extracomment>The Arabic font the text&apos;s own program names.</extracomment>
        <translation>La del texto</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Tamaño &amp;real</translation>
    </message>
    <message>
        <source>&amp;Next Match</source>
        <translation>Resultado &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Previous Match</source>
        <translation>Resultado &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>&amp;Marcadores</translation>
    </message>
    <message>
        <source>&amp;Bookmark the Verse at the Top</source>
        <translation>&amp;Marcar la aleya de arriba</translation>
    </message>
    <message>
        <source>&amp;Remove Bookmark</source>
        <translation>&amp;Quitar marcador</translation>
    </message>
    <message>
        <source>The bookmark of %1 was not removed: %2.</source>
        <translation>No se quitó el marcador de %1: %2.</translation>
    </message>
    <message>
        <source>Your bookmark of %1 was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>No se guardó su marcador de %1: %2.</translation>
    </message>
    <message>
        <source>Sepia</source>
        <extracomment>A colour theme: brown text on a cream page.</extracomment>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Dark</source>
        <extracomment>A colour theme: light text on a dark page.</extracomment>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Light</source>
        <extracomment>A colour theme: the pages&apos; own colours.</extracomment>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>There is no verse to bookmark here.</source>
        <translation>Aquí no hay ninguna aleya que marcar.</translation>
    </message>
    <message>
        <source>Bookmarked %1 (Bookmarks menu).</source>
        <extracomment>%1 is the verse, e.g. &quot;Al-Fatihah 1:2&quot;.</extracomment>
        <translation>%1 marcada (menú Marcadores).</translation>
    </message>
    <message>
        <source>%1 is bookmarked already.</source>
        <translation>%1 ya está marcada.</translation>
    </message>
    <message>
        <source>The place where you stopped reading (%1) was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>No se guardó el lugar donde dejó de leer (%1): %2.</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Sura %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A chapter&apos;s heading: %1 its number, %2 its name.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RepeatDialog</name>
    <message>
        <source>Repeat from %1 to...</source>
        <translation>Repetir de %1 a...</translation>
    </message>
    <message>
        <source>Repeat verse %1</source>
        <translation>Repetir la aleya %1</translation>
    </message>
    <message>
        <source>chapter:verse, e.g. 2:5</source>
        <translation>sura:aleya, p. ej. 2:5</translation>
    </message>
    <message>
        <source>From %1 to verse:</source>
        <translation>De %1 a la aleya:</translation>
    </message>
    <message>
        <source> times</source>
        <translation> veces</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>hasta detener</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>Cada aleya:</translation>
    </message>
    <message>
        <source>The verse:</source>
        <translation>La aleya:</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>Todo el pasaje:</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>Pausa entre:</translation>
    </message>
    <message>
        <source>Recite</source>
        <translation>Recitar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>As long as the verse took, times %1</source>
        <extracomment>Listen and repeat: wait this many times as long as the verse took.</extracomment>
        <translation>Tanto como duró la aleya, por %1</translation>
    </message>
    <message>
        <source>Time to say each verse back:</source>
        <translation>Tiempo para repetir cada aleya:</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReviewWindow</name>
    <message>
        <source>Today&apos;s review</source>
        <translation>Repaso de hoy</translation>
    </message>
    <message>
        <source>Recite the page from memory, then reveal it and grade how well you knew it.</source>
        <translation>Recite la página de memoria, luego descúbrala y califique lo bien que la sabía.</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Palabra siguiente</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Rest of the line</source>
        <translation>Resto de la línea</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation>Ctrl+Intro</translation>
    </message>
    <message>
        <source>Hide a word again</source>
        <translation>Ocultar de nuevo una palabra</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Listen to the page</source>
        <translation>Escuchar la página</translation>
    </message>
    <message>
        <source>How well did you know it?</source>
        <translation>¿Qué tan bien la sabía?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A button&apos;s text and, in brackets, the key that presses it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2 of %3)</source>
        <translation>Página %1 (%2 de %3)</translation>
    </message>
    <message>
        <source>Nothing is due for review today.</source>
        <translation>Hoy no hay nada que repasar.</translation>
    </message>
    <message>
        <source>Review done. Pages graded: %1.</source>
        <translation>Repaso terminado. Páginas calificadas: %1.</translation>
    </message>
    <message>
        <source>Again %1, hard %2, good %3, easy %4.</source>
        <translation>Otra vez %1, difícil %2, bien %3, fácil %4.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::SplashWindow</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Progress Indicator</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Cargando, espere...</translation>
    </message>
    <message>
        <source>Quran text: tanzil.net</source>
        <translation>Texto del Corán: tanzil.net</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>%1 is the version, e.g. 2.08.09A.</extracomment>
        <translation>Versión: %1</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::TextDownloadDialog</name>
    <message>
        <source>Download texts</source>
        <translation>Descargar textos</translation>
    </message>
    <message>
        <source>&amp;Fetch list</source>
        <translation>&amp;Obtener lista</translation>
    </message>
    <message>
        <source>Translations and commentaries</source>
        <translation>Traducciones y comentarios</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traducciones</translation>
    </message>
    <message>
        <source>Commentaries</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Service address:</source>
        <translation>Dirección del servicio:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Texts to download</source>
        <translation>Textos para descargar</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Descargar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Fetching the list of texts from %1...</source>
        <translation>Obteniendo la lista de textos de %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) offered by the service.</source>
        <translation>
            <numerusform>El servicio ofrece %n texto.</numerusform>
            <numerusform>El servicio ofrece %n textos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The list of texts could not be fetched: %1. Shown instead: texts Tilvora knows by name, which download from the address above when it answers.</source>
        <translation>No se pudo obtener la lista de textos: %1. En su lugar se muestran textos que Tilvora conoce por su nombre, que se descargan de la dirección de arriba cuando responde.</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>Todos los idiomas</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>Known by name</source>
        <translation>Conocido por su nombre</translation>
    </message>
    <message>
        <source>Installed, known by name</source>
        <translation>Instalado, conocido por su nombre</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Comentario (tafsir)</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traducción</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Descargando %1...</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>No se pudo quitar %1: %2</translation>
    </message>
    <message>
        <source>%1 was removed.</source>
        <translation>Se quitó %1.</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3</source>
        <translation>%1 de %2 suras, %3</translation>
    </message>
    <message>
        <source>Installed, %1 verses (%2). Choose it in a row of the control pane.</source>
        <translation>Instalado, %1 aleyas (%2). Elíjalo en una fila del panel de control.</translation>
    </message>
    <message>
        <source>Cancelled. The chapters fetched are kept; Download goes on from there.</source>
        <translation>Cancelado. Las suras obtenidas se guardan; Descargar sigue desde ahí.</translation>
    </message>
    <message>
        <source>Not installed: chapters %1 failed. Download again to fetch only what is missing.</source>
        <translation>No instalado: fallaron las suras %1. Descargue de nuevo para obtener solo lo que falta.</translation>
    </message>
    <message>
        <source>Not installed. Download again to fetch only what is missing.</source>
        <translation>No instalado. Descargue de nuevo para obtener solo lo que falta.</translation>
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
        <source>%1 of %2 chapters, %3, about %4 left</source>
        <translation>%1 de %2 suras, %3, quedan unos %4</translation>
    </message>
    <message>
        <source>The download stopped: %1.</source>
        <translation>La descarga se detuvo: %1.</translation>
    </message>
</context>
</TS>
