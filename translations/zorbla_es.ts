<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>Zorbla takes no file or folder: &apos;%1&apos;.
%2</source>
        <translation>Zorbla no admite archivos ni carpetas: «%1».
%2</translation>
    </message>
    <message>
        <source>--kiosk and --voices do not go together.</source>
        <translation>--kiosk y --voices no se pueden usar a la vez.</translation>
    </message>
    <message>
        <source>There is no edition &apos;%1&apos;. The editions installed are: %2.</source>
        <translation>No existe la edición «%1». Las ediciones instaladas son: %2.</translation>
    </message>
    <message>
        <source>Usage: zorbla [--kiosk | --voices] [--language CODE] [--touch] [--help] [--version]</source>
        <translation>Uso: zorbla [--kiosk | --voices] [--language CÓDIGO] [--touch] [--help] [--version]</translation>
    </message>
    <message>
        <source>Zorbla: the alphabet, numbers and colours for young children.
It works in the folder it is started in when that folder has a text.txt.
Otherwise an installed Zorbla reads each word table, picture and sound
first from the family&apos;s own folder (~/.local/share/zorbla, and
~/.local/share/zorbla/CODE for the other editions), which holds only
what the family recorded or changed, then from a school&apos;s folders
(the site setting&apos;s, then zorbla/CODE in /usr/local/share), then from
where the edition is installed.
Settings (kiosk, language, site) are read from /etc/xdg/zorbla/zorbla.conf
for the whole machine, whose &quot;locked&quot; keys hold, and from
~/.config/zorbla/zorbla.conf for the user. See man zorbla.

Options:
  --language CODE  The edition: its words, pictures and sounds, and the
                   program&apos;s own words. Without it, the desktop&apos;s language
                   chooses, and English where there is no edition of it.
                   Editions: %1.
  --voices         The voice studio: record the family&apos;s own voice for any
                   sound of the working folder, or put the pack&apos;s back.
  --kiosk          A locked start for the youngest: Escape and the exit door
                   end Zorbla only when held for three seconds, and T opens
                   no word editor.
  --touch          Letter keys on the screen in the games that ask for
                   typing, for a touch screen or a whiteboard without a
                   keyboard. On by itself where there is a touch screen.
  -h, --help       Show this help and end.
  -v, --version    Show the version and end.
</source>
        <translation>Zorbla: el abecedario, los números y los colores para los más pequeños.
Funciona en la carpeta desde la que se inicia si esa carpeta tiene un
text.txt. Si no, un Zorbla instalado lee cada tabla de palabras, imagen y
sonido primero de la carpeta propia de la familia (~/.local/share/zorbla, y
~/.local/share/zorbla/CÓDIGO para las demás ediciones), que solo guarda lo
que la familia ha grabado o cambiado, después de las carpetas de una
escuela (la del ajuste site, luego zorbla/CÓDIGO en /usr/local/share), y
después de donde está instalada la edición.
Los ajustes (kiosk, language, site) se leen de /etc/xdg/zorbla/zorbla.conf
para todo el equipo, cuyas claves de &quot;locked&quot; se imponen, y de
~/.config/zorbla/zorbla.conf para el usuario. Véase man zorbla.

Opciones:
  --language CÓDIGO  La edición: sus palabras, imágenes y sonidos, y los
                     textos del propio programa. Sin esta opción decide el
                     idioma del escritorio, y el inglés si no hay edición
                     en ese idioma.
                     Ediciones: %1.
  --voices           El estudio de voces: grabar la voz de la familia para
                     cualquier sonido de la carpeta de trabajo, o restaurar
                     los sonidos originales.
  --kiosk            Un inicio bloqueado para los más pequeños: Escape y la
                     puerta de salida solo cierran Zorbla si se mantienen
                     pulsadas tres segundos, y la T no abre el editor de
                     palabras.
  --touch            Teclas de letras en la pantalla en los juegos en los que
                     se escribe, para una pantalla táctil o una pizarra
                     digital sin teclado. Se activa por sí solo donde hay una
                     pantalla táctil.
  -h, --help         Muestra esta ayuda y termina.
  -v, --version      Muestra la versión y termina.
</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Door</source>
        <translation>Puerta</translation>
    </message>
</context>
<context>
    <name>Originals</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>cannot create the folder of %1</source>
        <translation>no se puede crear la carpeta de %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 has no original kept</source>
        <translation>%1 no tiene ningún original guardado</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>no se puede quitar %1: %2</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>PICTURE</source>
        <translation>IMAGEN</translation>
    </message>
</context>
<context>
    <name>WordTable</name>
    <message>
        <source>the line is empty; every line needs a prefix of three characters, four words between three commas and a full stop, as in &quot;01 ANT,APPLE,ARM,AXE.&quot;</source>
        <translation>la línea está vacía; cada línea necesita un prefijo de tres caracteres, cuatro palabras separadas por tres comas y un punto final, como en «01 ABEJA,AGUA,ANILLO,ARCO.»</translation>
    </message>
    <message>
        <source>no comma; four words need three commas between them</source>
        <translation>no hay ninguna coma; cuatro palabras necesitan tres comas entre ellas</translation>
    </message>
    <message>
        <source>a comma within the first three characters; they are the prefix before the first word, as &quot;01 &quot; in &quot;01 ANT,APPLE,ARM,AXE.&quot;</source>
        <translation>hay una coma en los tres primeros caracteres; son el prefijo que va antes de la primera palabra, como «01 » en «01 ABEJA,AGUA,ANILLO,ARCO.»</translation>
    </message>
    <message>
        <source>only one comma; four words need three commas between them</source>
        <translation>solo hay una coma; cuatro palabras necesitan tres comas entre ellas</translation>
    </message>
    <message>
        <source>only two commas; four words need three commas between them</source>
        <translation>solo hay dos comas; cuatro palabras necesitan tres comas entre ellas</translation>
    </message>
    <message>
        <source>no full stop after the third comma; the fourth word ends with &quot;.&quot;</source>
        <translation>falta el punto final después de la tercera coma; la cuarta palabra termina con «.»</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the table has room for %1 lines only; delete this line and those after it</source>
        <translation>la tabla solo tiene espacio para %1 líneas; borra esta línea y las que vienen después</translation>
    </message>
    <message>
        <source>the word table is missing from the folder %1</source>
        <translation>falta la tabla de palabras en la carpeta %1</translation>
    </message>
    <message>
        <source>this is a folder, not a word table file</source>
        <translation>es una carpeta, no un archivo de tabla de palabras</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, far too large for a word table of at most %2 lines</source>
        <translation>el archivo ocupa %1 bytes, demasiado para una tabla de palabras de %2 líneas como máximo</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>the file is far too large for a word table</source>
        <translation>el archivo es demasiado grande para una tabla de palabras</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zorbla cannot start in the folder %1.

%2</source>
        <translation>Zorbla no puede iniciarse en la carpeta %1.

%2</translation>
    </message>
</context>
<context>
    <name>zorbla::CountingGame</name>
    <message>
        <source>Guess number</source>
        <translation>Adivina el número</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>zorbla::DrawingBoard</name>
    <message>
        <source>Drawing</source>
        <translation>Dibujo</translation>
    </message>
    <message>
        <source>Change background color (erase)</source>
        <translation>Cambiar el color de fondo (borrar)</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>azul oscuro</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>verde oscuro</translation>
    </message>
    <message>
        <source>dark turquoise</source>
        <translation>turquesa oscuro</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>rojo oscuro</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>morado</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>verde oliva</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris claro</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turquesa</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
</context>
<context>
    <name>zorbla::KeyQuiz</name>
    <message>
        <source>Press keyboard</source>
        <translation>Pulsa la tecla</translation>
    </message>
    <message>
        <source>Press keyboard:</source>
        <translation>Pulsa la tecla:</translation>
    </message>
</context>
<context>
    <name>zorbla::LetterKeys</name>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Rub out</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>zorbla::LetterPad</name>
    <message>
        <source>Drawing letter</source>
        <translation>Dibuja la letra</translation>
    </message>
</context>
<context>
    <name>zorbla::MainWindow</name>
    <message>
        <source>PREVIOUS PICTURE</source>
        <translation>IMAGEN ANTERIOR</translation>
    </message>
    <message>
        <source>NEXT PICTURE</source>
        <translation>IMAGEN SIGUIENTE</translation>
    </message>
    <message>
        <source>COLOURS</source>
        <translation>COLORES</translation>
    </message>
    <message>
        <source>GUESS?</source>
        <translation>¿ADIVINA?</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>GRABA</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>PARA</translation>
    </message>
    <message>
        <source>SPEAK</source>
        <translation>HABLA</translation>
    </message>
    <message>
        <source>Zorbla - </source>
        <translation>Zorbla - </translation>
    </message>
    <message>
        <source>The word table could not be read again, so the words read before stay in use.

%1</source>
        <translation>No se pudo volver a leer la tabla de palabras, así que se siguen usando las palabras leídas antes.

%1</translation>
    </message>
    <message>
        <source>Previous picture</source>
        <translation>Imagen anterior</translation>
    </message>
    <message>
        <source>Next picture</source>
        <translation>Imagen siguiente</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>small letter</source>
        <translation>letra minúscula</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrón</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>SALIDA</translation>
    </message>
    <message>
        <source>Alphabet blocks</source>
        <translation>Cubos del abecedario</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Araña</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
</context>
<context>
    <name>zorbla::MediaControl</name>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
</context>
<context>
    <name>zorbla::MissingLetterGame</name>
    <message>
        <source>Missing letter</source>
        <translation>La letra que falta</translation>
    </message>
    <message>
        <source>New picture, first letter missing</source>
        <translation>Nueva imagen, falta la primera letra</translation>
    </message>
    <message>
        <source>New picture, any letter missing</source>
        <translation>Nueva imagen, falta una letra</translation>
    </message>
</context>
<context>
    <name>zorbla::QuizWindow</name>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
</context>
<context>
    <name>zorbla::VoiceStudio</name>
    <message>
        <source>Letter %1</source>
        <translation>Letra %1</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Número %1</translation>
    </message>
    <message>
        <source>&quot;small letter&quot;, before a small letter</source>
        <translation>«letra minúscula», antes de una minúscula</translation>
    </message>
    <message>
        <source>the word COLOURS</source>
        <translation>la palabra COLORES</translation>
    </message>
    <message>
        <source>the title picture</source>
        <translation>la imagen de portada</translation>
    </message>
    <message>
        <source>the spider</source>
        <translation>la araña</translation>
    </message>
    <message>
        <source>the star</source>
        <translation>la estrella</translation>
    </message>
    <message>
        <source>a click on the sky</source>
        <translation>un clic en el cielo</translation>
    </message>
    <message>
        <source>goodbye, at the door</source>
        <translation>la despedida, en la puerta</translation>
    </message>
    <message>
        <source>the letter game: press this letter</source>
        <translation>el juego de letras: pulsa esta letra</translation>
    </message>
    <message>
        <source>the guessing game: which letter is missing</source>
        <translation>el juego de adivinar: ¿qué letra falta?</translation>
    </message>
    <message>
        <source>the counting game: how many</source>
        <translation>el juego de contar: ¿cuántos hay?</translation>
    </message>
    <message>
        <source>the drawing board</source>
        <translation>la pizarra de dibujo</translation>
    </message>
    <message>
        <source>the letter pad</source>
        <translation>el cuaderno de letras</translation>
    </message>
    <message>
        <source>a right answer</source>
        <translation>una respuesta correcta</translation>
    </message>
    <message>
        <source>a wrong answer</source>
        <translation>una respuesta incorrecta</translation>
    </message>
    <message>
        <source>the alphabet blocks&apos; song</source>
        <translation>la canción de los cubos del abecedario</translation>
    </message>
    <message>
        <source>the boing</source>
        <translation>el «boing»</translation>
    </message>
    <message>
        <source>the colour red</source>
        <translation>el color rojo</translation>
    </message>
    <message>
        <source>the colour orange</source>
        <translation>el color naranja</translation>
    </message>
    <message>
        <source>the colour blue</source>
        <translation>el color azul</translation>
    </message>
    <message>
        <source>the colour brown</source>
        <translation>el color marrón</translation>
    </message>
    <message>
        <source>the colour green</source>
        <translation>el color verde</translation>
    </message>
    <message>
        <source>the colour yellow</source>
        <translation>el color amarillo</translation>
    </message>
    <message>
        <source>Zorbla - Voices</source>
        <translation>Zorbla - Voces</translation>
    </message>
    <message>
        <source>RECORDING</source>
        <translation>GRABANDO</translation>
    </message>
    <message>
        <source>Space: record, and Space again to stop. The take plays back at once.
Enter: keep it in place of the sound.  Escape: throw it away.
Up and Down: the next sound.  R: put the pack&apos;s sound back.</source>
        <translation>Espacio: grabar, y Espacio otra vez para parar. La toma suena enseguida.
Intro: guardarla en lugar del sonido.  Escape: descartarla.
Arriba y Abajo: otro sonido.  R: restaurar el sonido original.</translation>
    </message>
    <message>
        <source>Put this sound back</source>
        <translation>Restaurar este sonido</translation>
    </message>
    <message>
        <source>Put all sounds back...</source>
        <translation>Restaurar todos los sonidos...</translation>
    </message>
    <message>
        <source>The sound server went away during the take, so it was thrown away and the sound stays as it was. Press Space to record again when sound is back.</source>
        <translation>El servidor de sonido dejó de funcionar durante la toma, así que la toma se descartó y el sonido sigue como estaba. Pulsa Espacio para grabar otra vez cuando vuelva el sonido.</translation>
    </message>
    <message>
        <source>Choose a sound and press Space to record your own voice for it.</source>
        <translation>Elige un sonido y pulsa Espacio para grabarlo con tu propia voz.</translation>
    </message>
    <message>
        <source> (family&apos;s voice)</source>
        <translation> (voz de la familia)</translation>
    </message>
    <message>
        <source>There is no microphone. Plug one in, or choose it in the desktop&apos;s sound settings, and press Space again. No sound was changed.</source>
        <translation>No hay ningún micrófono. Conecta uno, o elígelo en la configuración de sonido del escritorio, y pulsa Espacio otra vez. No se cambió ningún sonido.</translation>
    </message>
    <message>
        <source>Nothing can be recorded: there is no sound server. No sound was changed. Press Space again once the computer&apos;s sound works.</source>
        <translation>No se puede grabar nada: no hay servidor de sonido. No se cambió ningún sonido. Pulsa Espacio otra vez cuando funcione el sonido del equipo.</translation>
    </message>
    <message>
        <source>Recording... say the word now, then press Space.</source>
        <translation>Grabando... di la palabra ahora y luego pulsa Espacio.</translation>
    </message>
    <message>
        <source>Nothing was heard. Speak a little closer to the microphone and press Space again.</source>
        <translation>No se oyó nada. Habla un poco más cerca del micrófono y pulsa Espacio otra vez.</translation>
    </message>
    <message>
        <source>That was too loud: the sound was cut off. Speak a little further from the microphone and press Space again.</source>
        <translation>Sonó demasiado fuerte: el sonido se cortó. Habla un poco más lejos del micrófono y pulsa Espacio otra vez.</translation>
    </message>
    <message>
        <source>Listen. Enter keeps it in place of the sound, Escape throws it away.</source>
        <translation>Escucha. Intro la guarda en lugar del sonido; Escape la descarta.</translation>
    </message>
    <message>
        <source>The take could not be kept, and the sound stays as it was: %1</source>
        <translation>No se pudo guardar la toma, y el sonido sigue como estaba: %1</translation>
    </message>
    <message>
        <source>Kept: &quot;%1&quot; now speaks with your voice.</source>
        <translation>Guardada: «%1» ahora suena con tu voz.</translation>
    </message>
    <message>
        <source>Thrown away: the sound stays as it was.</source>
        <translation>Descartada: el sonido sigue como estaba.</translation>
    </message>
    <message>
        <source>This sound is still the pack&apos;s own.</source>
        <translation>Este sonido sigue siendo el original.</translation>
    </message>
    <message>
        <source>The pack&apos;s sound could not be put back: %1</source>
        <translation>No se pudo restaurar el sonido original: %1</translation>
    </message>
    <message>
        <source>The pack&apos;s sound is back.</source>
        <translation>Se restauró el sonido original.</translation>
    </message>
    <message>
        <source>Every sound is still the pack&apos;s own.</source>
        <translation>Todos los sonidos siguen siendo los originales.</translation>
    </message>
    <message>
        <source>Put back the pack&apos;s own sound in place of all %1 recorded by the family?</source>
        <translation>¿Restaurar los sonidos originales en lugar de los %1 que grabó la familia?</translation>
    </message>
    <message>
        <source>Every sound is the pack&apos;s own again.</source>
        <translation>Todos los sonidos vuelven a ser los originales.</translation>
    </message>
    <message>
        <source>%1 sounds could not be put back: %2</source>
        <translation>No se pudieron restaurar %1 sonidos: %2</translation>
    </message>
    <message>
        <source>Letter %1, its sound</source>
        <translation>Letra %1, su sonido</translation>
    </message>
    <message>
        <source>%1, their sound</source>
        <translation>%1, su sonido</translation>
    </message>
    <message>
        <source>A letter says its name</source>
        <translation>Una letra dice su nombre</translation>
    </message>
    <message>
        <source>A letter says its sound, and words are sounded out</source>
        <translation>Una letra dice su sonido, y las palabras se dicen sonido a sonido</translation>
    </message>
    <message>
        <source>A letter says its name, then its sound</source>
        <translation>Una letra dice su nombre y luego su sonido</translation>
    </message>
    <message>
        <source>What a letter says</source>
        <translation>Lo que dice una letra</translation>
    </message>
    <message>
        <source>Set for the whole computer in %1</source>
        <translation>Ajustado para todo el equipo en %1</translation>
    </message>
    <message>
        <source>The choice could not be kept: %1</source>
        <translation>No se pudo guardar la elección: %1</translation>
    </message>
    <message>
        <source>Kept: Zorbla&apos;s letters speak so from its next start.</source>
        <translation>Guardado: las letras de Zorbla hablarán así desde su próximo inicio.</translation>
    </message>
</context>
<context>
    <name>zorbla::WordEditor</name>
    <message>
        <source>Word change</source>
        <translation>Cambiar palabras</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 is far too large for a word table, so it is not opened.</source>
        <translation>%1 es demasiado grande para una tabla de palabras, así que no se abre.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Nothing was saved. %1

Mend the line and press Save again, or press Cancel to keep the file as it was.</source>
        <translation>No se guardó nada. %1

Corrige la línea y pulsa Guardar otra vez, o pulsa Cancelar para dejar el archivo como estaba.</translation>
    </message>
    <message>
        <source>Nothing was saved. %1, line %2: the character &quot;%3&quot; cannot be stored in this file, which is written in the Windows-1250 code page.</source>
        <translation>No se guardó nada. %1, línea %2: el carácter «%3» no se puede guardar en este archivo, que está escrito con la página de códigos Windows-1250.</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2. The file on disk is as it was.</source>
        <translation>No se pudo guardar %1: %2. El archivo del disco sigue como estaba.</translation>
    </message>
</context>
<context>
    <name>zorbla::WordQuiz</name>
    <message>
        <source>Write the right word</source>
        <translation>Escribe la palabra correcta</translation>
    </message>
    <message>
        <source>Enter the requested word</source>
        <translation>Escribe la palabra pedida</translation>
    </message>
    <message>
        <source>This word has</source>
        <translation>La palabra tiene</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>letras</translation>
    </message>
</context>
</TS>
