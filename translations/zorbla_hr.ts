<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Zorbla takes no file or folder: &apos;%1&apos;.
%2</source>
        <translation>Zorbla ne prima datoteku ni mapu: &apos;%1&apos;.
%2</translation>
    </message>
    <message>
        <source>--kiosk and --voices do not go together.</source>
        <translation>--kiosk i --voices ne mogu se koristiti zajedno.</translation>
    </message>
    <message>
        <source>There is no edition &apos;%1&apos;. The editions installed are: %2.</source>
        <translation>Nema izdanja &apos;%1&apos;. Instalirana izdanja su: %2.</translation>
    </message>
    <message>
        <source>Usage: zorbla [--kiosk | --voices] [--language CODE] [--touch] [--help] [--version]</source>
        <translation>Uporaba: zorbla [--kiosk | --voices] [--language KOD] [--touch] [--help] [--version]</translation>
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
        <translation>Zorbla: abeceda, brojevi i boje za malu djecu.
Radi u mapi u kojoj je pokrenuta ako u toj mapi postoji text.txt.
Inače instalirana Zorbla čita svaku tablicu riječi, sliku i zvuk
najprije iz vlastite mape obitelji (~/.local/share/zorbla, odnosno
~/.local/share/zorbla/KOD za ostala izdanja), u kojoj je samo ono što je
obitelj snimila ili promijenila, zatim iz mapa škole (mapa iz postavke
site, pa zorbla/KOD u /usr/local/share), pa iz mape u kojoj je izdanje
instalirano.
Postavke (kiosk, language, site) čitaju se iz /etc/xdg/zorbla/zorbla.conf
za cijelo računalo, čiji ključevi pod &quot;locked&quot; vrijede, i iz
~/.config/zorbla/zorbla.conf za korisnika. Vidi man zorbla.

Opcije:
  --language KOD   Izdanje: njegove riječi, slike i zvukovi te riječi samog
                   programa. Bez te opcije odlučuje jezik radne površine,
                   a engleski ako za taj jezik nema izdanja.
                   Izdanja: %1.
  --voices         Studio glasova: snimite glas svoje obitelji za bilo koji
                   zvuk radne mape ili vratite zvuk iz paketa.
  --kiosk          Zaključano pokretanje za najmlađe: Escape i izlazna vrata
                   zatvaraju Zorblu samo ako se drže tri sekunde, a T ne
                   otvara uređivač riječi.
  --touch          Tipke sa slovima na zaslonu u igrama u kojima se tipka,
                   za zaslon osjetljiv na dodir ili pametnu ploču bez
                   tipkovnice. Uključeno je samo od sebe gdje postoji zaslon
                   osjetljiv na dodir.
  -h, --help       Prikaži ovu pomoć i završi.
  -v, --version    Prikaži inačicu i završi.
</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Door</source>
        <translation>Vrata</translation>
    </message>
</context>
<context>
    <name>Originals</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nije moguće pročitati %1: %2</translation>
    </message>
    <message>
        <source>cannot create the folder of %1</source>
        <translation>nije moguće stvoriti mapu za %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nije moguće zapisati %1: %2</translation>
    </message>
    <message>
        <source>%1 has no original kept</source>
        <translation>za %1 nije sačuvan izvornik</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>%1 se ne može ukloniti: %2</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>PICTURE</source>
        <translation>SLIKA</translation>
    </message>
</context>
<context>
    <name>WordTable</name>
    <message>
        <source>the line is empty; every line needs a prefix of three characters, four words between three commas and a full stop, as in &quot;01 ANT,APPLE,ARM,AXE.&quot;</source>
        <translation>redak je prazan; svaki redak treba imati prefiks od tri znaka, četiri riječi odvojene trima zarezima i točku na kraju, kao u &quot;01 AUTO,AVION,ANANAS,ALAT.&quot;</translation>
    </message>
    <message>
        <source>no comma; four words need three commas between them</source>
        <translation>nema zareza; između četiri riječi trebaju tri zareza</translation>
    </message>
    <message>
        <source>a comma within the first three characters; they are the prefix before the first word, as &quot;01 &quot; in &quot;01 ANT,APPLE,ARM,AXE.&quot;</source>
        <translation>zarez među prva tri znaka; ti su znakovi prefiks ispred prve riječi, kao &quot;01 &quot; u &quot;01 AUTO,AVION,ANANAS,ALAT.&quot;</translation>
    </message>
    <message>
        <source>only one comma; four words need three commas between them</source>
        <translation>samo jedan zarez; između četiri riječi trebaju tri zareza</translation>
    </message>
    <message>
        <source>only two commas; four words need three commas between them</source>
        <translation>samo dva zareza; između četiri riječi trebaju tri zareza</translation>
    </message>
    <message>
        <source>no full stop after the third comma; the fourth word ends with &quot;.&quot;</source>
        <translation>nema točke nakon trećeg zareza; četvrta riječ završava znakom &quot;.&quot;</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, redak %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the table has room for %1 lines only; delete this line and those after it</source>
        <translation>tablica može imati najviše %1 redaka; izbrišite ovaj redak i sve retke iza njega</translation>
    </message>
    <message>
        <source>the word table is missing from the folder %1</source>
        <translation>u mapi %1 nema tablice riječi</translation>
    </message>
    <message>
        <source>this is a folder, not a word table file</source>
        <translation>ovo je mapa, a ne datoteka s tablicom riječi</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, far too large for a word table of at most %2 lines</source>
        <translation>datoteka ima %1 bajtova, što je previše za tablicu riječi od najviše %2 redaka</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>ne može se otvoriti: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne može se pročitati: %1</translation>
    </message>
    <message>
        <source>the file is far too large for a word table</source>
        <translation>datoteka je prevelika za tablicu riječi</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zorbla cannot start in the folder %1.

%2</source>
        <translation>Zorbla se ne može pokrenuti u mapi %1.

%2</translation>
    </message>
</context>
<context>
    <name>zorbla::CountingGame</name>
    <message>
        <source>Guess number</source>
        <translation>Pogodi broj</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Slika</translation>
    </message>
</context>
<context>
    <name>zorbla::DrawingBoard</name>
    <message>
        <source>Drawing</source>
        <translation>Crtanje</translation>
    </message>
    <message>
        <source>Change background color (erase)</source>
        <translation>Promijeni boju pozadine (obriši)</translation>
    </message>
    <message>
        <source>black</source>
        <translation>crna</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>tamnoplava</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>tamnozelena</translation>
    </message>
    <message>
        <source>dark turquoise</source>
        <translation>tamnotirkizna</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>tamnocrvena</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>ljubičasta</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>maslinasta</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>svijetlosiva</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>siva</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>plava</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zelena</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>tirkizna</translation>
    </message>
    <message>
        <source>red</source>
        <translation>crvena</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>ružičasta</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>žuta</translation>
    </message>
    <message>
        <source>white</source>
        <translation>bijela</translation>
    </message>
</context>
<context>
    <name>zorbla::KeyQuiz</name>
    <message>
        <source>Press keyboard</source>
        <translation>Pritisni tipku</translation>
    </message>
    <message>
        <source>Press keyboard:</source>
        <translation>Pritisni tipku:</translation>
    </message>
</context>
<context>
    <name>zorbla::LetterKeys</name>
    <message>
        <source>Space</source>
        <translation>Razmak</translation>
    </message>
    <message>
        <source>Rub out</source>
        <translation>Obriši</translation>
    </message>
</context>
<context>
    <name>zorbla::LetterPad</name>
    <message>
        <source>Drawing letter</source>
        <translation>Pisanje slova</translation>
    </message>
</context>
<context>
    <name>zorbla::MainWindow</name>
    <message>
        <source>PREVIOUS PICTURE</source>
        <translation>PRETHODNA SLIKA</translation>
    </message>
    <message>
        <source>NEXT PICTURE</source>
        <translation>SLJEDEĆA SLIKA</translation>
    </message>
    <message>
        <source>COLOURS</source>
        <translation>BOJE</translation>
    </message>
    <message>
        <source>GUESS?</source>
        <translation>POGODI?</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>SNIMI</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STANI</translation>
    </message>
    <message>
        <source>SPEAK</source>
        <translation>GOVORI</translation>
    </message>
    <message>
        <source>Zorbla - </source>
        <translation>Zorbla - </translation>
    </message>
    <message>
        <source>The word table could not be read again, so the words read before stay in use.

%1</source>
        <translation>Tablicu riječi nije bilo moguće ponovno pročitati pa se i dalje koriste prije učitane riječi.

%1</translation>
    </message>
    <message>
        <source>Previous picture</source>
        <translation>Prethodna slika</translation>
    </message>
    <message>
        <source>Next picture</source>
        <translation>Sljedeća slika</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Slika</translation>
    </message>
    <message>
        <source>small letter</source>
        <translation>malo slovo</translation>
    </message>
    <message>
        <source>red</source>
        <translation>crvena</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>žuta</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>smeđa</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zelena</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>plava</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>narančasta</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>IZLAZ</translation>
    </message>
    <message>
        <source>Alphabet blocks</source>
        <translation>Kocke s abecedom</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Pauk</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Zvijezda</translation>
    </message>
</context>
<context>
    <name>zorbla::MediaControl</name>
    <message>
        <source>Play</source>
        <translation>Reproduciraj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zaustavi</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Snimi</translation>
    </message>
</context>
<context>
    <name>zorbla::MissingLetterGame</name>
    <message>
        <source>Missing letter</source>
        <translation>Slovo koje nedostaje</translation>
    </message>
    <message>
        <source>New picture, first letter missing</source>
        <translation>Nova slika, nedostaje prvo slovo</translation>
    </message>
    <message>
        <source>New picture, any letter missing</source>
        <translation>Nova slika, nedostaje bilo koje slovo</translation>
    </message>
</context>
<context>
    <name>zorbla::QuizWindow</name>
    <message>
        <source>Check</source>
        <translation>Provjeri</translation>
    </message>
</context>
<context>
    <name>zorbla::VoiceStudio</name>
    <message>
        <source>Letter %1</source>
        <translation>Slovo %1</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Broj %1</translation>
    </message>
    <message>
        <source>&quot;small letter&quot;, before a small letter</source>
        <translation>&quot;malo slovo&quot;, prije malog slova</translation>
    </message>
    <message>
        <source>the word COLOURS</source>
        <translation>riječ BOJE</translation>
    </message>
    <message>
        <source>the title picture</source>
        <translation>naslovna slika</translation>
    </message>
    <message>
        <source>the spider</source>
        <translation>pauk</translation>
    </message>
    <message>
        <source>the star</source>
        <translation>zvijezda</translation>
    </message>
    <message>
        <source>a click on the sky</source>
        <translation>klik na nebo</translation>
    </message>
    <message>
        <source>goodbye, at the door</source>
        <translation>doviđenja, na vratima</translation>
    </message>
    <message>
        <source>the letter game: press this letter</source>
        <translation>igra sa slovima: pritisni ovo slovo</translation>
    </message>
    <message>
        <source>the guessing game: which letter is missing</source>
        <translation>igra pogađanja: koje slovo nedostaje</translation>
    </message>
    <message>
        <source>the counting game: how many</source>
        <translation>igra brojanja: koliko ih ima</translation>
    </message>
    <message>
        <source>the drawing board</source>
        <translation>ploča za crtanje</translation>
    </message>
    <message>
        <source>the letter pad</source>
        <translation>ploča za pisanje slova</translation>
    </message>
    <message>
        <source>a right answer</source>
        <translation>točan odgovor</translation>
    </message>
    <message>
        <source>a wrong answer</source>
        <translation>pogrešan odgovor</translation>
    </message>
    <message>
        <source>the alphabet blocks&apos; song</source>
        <translation>pjesma kockica sa slovima</translation>
    </message>
    <message>
        <source>the boing</source>
        <translation>zvuk &quot;boing&quot;</translation>
    </message>
    <message>
        <source>the colour red</source>
        <translation>crvena boja</translation>
    </message>
    <message>
        <source>the colour orange</source>
        <translation>narančasta boja</translation>
    </message>
    <message>
        <source>the colour blue</source>
        <translation>plava boja</translation>
    </message>
    <message>
        <source>the colour brown</source>
        <translation>smeđa boja</translation>
    </message>
    <message>
        <source>the colour green</source>
        <translation>zelena boja</translation>
    </message>
    <message>
        <source>the colour yellow</source>
        <translation>žuta boja</translation>
    </message>
    <message>
        <source>Zorbla - Voices</source>
        <translation>Zorbla - Glasovi</translation>
    </message>
    <message>
        <source>RECORDING</source>
        <translation>SNIMANJE</translation>
    </message>
    <message>
        <source>Space: record, and Space again to stop. The take plays back at once.
Enter: keep it in place of the sound.  Escape: throw it away.
Up and Down: the next sound.  R: put the pack&apos;s sound back.</source>
        <translation>Razmaknica: snimanje, pa opet Razmaknica za kraj. Snimka se odmah pušta.
Enter: zadrži je umjesto zvuka.  Escape: odbaci je.
Strelice gore i dolje: drugi zvuk.  R: vrati zvuk iz paketa.</translation>
    </message>
    <message>
        <source>Put this sound back</source>
        <translation>Vrati ovaj zvuk</translation>
    </message>
    <message>
        <source>Put all sounds back...</source>
        <translation>Vrati sve zvukove...</translation>
    </message>
    <message>
        <source>The sound server went away during the take, so it was thrown away and the sound stays as it was. Press Space to record again when sound is back.</source>
        <translation>Zvučni poslužitelj nestao je tijekom snimanja pa je snimka odbačena, a zvuk je ostao kakav je bio. Kad zvuk ponovno proradi, pritisnite razmaknicu za novo snimanje.</translation>
    </message>
    <message>
        <source>Choose a sound and press Space to record your own voice for it.</source>
        <translation>Odaberite zvuk i pritisnite razmaknicu da za njega snimite svoj glas.</translation>
    </message>
    <message>
        <source> (family&apos;s voice)</source>
        <translation> (glas obitelji)</translation>
    </message>
    <message>
        <source>There is no microphone. Plug one in, or choose it in the desktop&apos;s sound settings, and press Space again. No sound was changed.</source>
        <translation>Nema mikrofona. Priključite ga ili ga odaberite u postavkama zvuka radne površine, pa ponovno pritisnite razmaknicu. Nijedan zvuk nije promijenjen.</translation>
    </message>
    <message>
        <source>Nothing can be recorded: there is no sound server. No sound was changed. Press Space again once the computer&apos;s sound works.</source>
        <translation>Ništa se ne može snimiti: nema zvučnog poslužitelja. Nijedan zvuk nije promijenjen. Kad zvuk na računalu proradi, ponovno pritisnite razmaknicu.</translation>
    </message>
    <message>
        <source>Recording... say the word now, then press Space.</source>
        <translation>Snimanje... sada izgovorite riječ, a zatim pritisnite razmaknicu.</translation>
    </message>
    <message>
        <source>Nothing was heard. Speak a little closer to the microphone and press Space again.</source>
        <translation>Ništa se nije čulo. Govorite malo bliže mikrofonu i ponovno pritisnite razmaknicu.</translation>
    </message>
    <message>
        <source>That was too loud: the sound was cut off. Speak a little further from the microphone and press Space again.</source>
        <translation>Bilo je preglasno: zvuk je odrezan. Govorite malo dalje od mikrofona i ponovno pritisnite razmaknicu.</translation>
    </message>
    <message>
        <source>Listen. Enter keeps it in place of the sound, Escape throws it away.</source>
        <translation>Poslušajte. Enter zadržava snimku umjesto zvuka, Escape je odbacuje.</translation>
    </message>
    <message>
        <source>The take could not be kept, and the sound stays as it was: %1</source>
        <translation>Snimku nije bilo moguće zadržati, a zvuk je ostao kakav je bio: %1</translation>
    </message>
    <message>
        <source>Kept: &quot;%1&quot; now speaks with your voice.</source>
        <translation>Zadržano: &quot;%1&quot; sada govori vašim glasom.</translation>
    </message>
    <message>
        <source>Thrown away: the sound stays as it was.</source>
        <translation>Odbačeno: zvuk je ostao kakav je bio.</translation>
    </message>
    <message>
        <source>This sound is still the pack&apos;s own.</source>
        <translation>Ovo je još uvijek izvorni zvuk iz paketa.</translation>
    </message>
    <message>
        <source>The pack&apos;s sound could not be put back: %1</source>
        <translation>Zvuk iz paketa nije bilo moguće vratiti: %1</translation>
    </message>
    <message>
        <source>The pack&apos;s sound is back.</source>
        <translation>Zvuk iz paketa je vraćen.</translation>
    </message>
    <message>
        <source>Every sound is still the pack&apos;s own.</source>
        <translation>Svi su zvukovi još uvijek izvorni zvukovi iz paketa.</translation>
    </message>
    <message>
        <source>Put back the pack&apos;s own sound in place of all %1 recorded by the family?</source>
        <translation>Vratiti izvorne zvukove iz paketa umjesto svih snimki obitelji (ukupno %1)?</translation>
    </message>
    <message>
        <source>Every sound is the pack&apos;s own again.</source>
        <translation>Svi su zvukovi ponovno izvorni zvukovi iz paketa.</translation>
    </message>
    <message>
        <source>%1 sounds could not be put back: %2</source>
        <translation>Nije bilo moguće vratiti zvukove (ukupno %1): %2</translation>
    </message>
    <message>
        <source>Letter %1, its sound</source>
        <translation>Slovo %1, njegov glas</translation>
    </message>
    <message>
        <source>%1, their sound</source>
        <translation>%1, njihov glas</translation>
    </message>
    <message>
        <source>A letter says its name</source>
        <translation>Slovo izgovara svoje ime</translation>
    </message>
    <message>
        <source>A letter says its sound, and words are sounded out</source>
        <translation>Slovo izgovara svoj glas, a riječi se rastavljaju na glasove</translation>
    </message>
    <message>
        <source>A letter says its name, then its sound</source>
        <translation>Slovo izgovara svoje ime, pa svoj glas</translation>
    </message>
    <message>
        <source>What a letter says</source>
        <translation>Što slovo izgovara</translation>
    </message>
    <message>
        <source>Set for the whole computer in %1</source>
        <translation>Postavljeno za cijelo računalo u %1</translation>
    </message>
    <message>
        <source>The choice could not be kept: %1</source>
        <translation>Izbor se nije mogao spremiti: %1</translation>
    </message>
    <message>
        <source>Kept: Zorbla&apos;s letters speak so from its next start.</source>
        <translation>Spremljeno: slova u Zorbli tako govore od njezina sljedećeg pokretanja.</translation>
    </message>
</context>
<context>
    <name>zorbla::WordEditor</name>
    <message>
        <source>Word change</source>
        <translation>Promjena riječi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>%1 is far too large for a word table, so it is not opened.</source>
        <translation>Datoteka %1 je prevelika za tablicu riječi pa se ne otvara.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Datoteku %1 nije moguće otvoriti: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Datoteku %1 nije moguće pročitati: %2</translation>
    </message>
    <message>
        <source>Nothing was saved. %1

Mend the line and press Save again, or press Cancel to keep the file as it was.</source>
        <translation>Ništa nije spremljeno. %1

Ispravite redak i ponovno pritisnite Spremi ili pritisnite Odustani da datoteka ostane kakva je bila.</translation>
    </message>
    <message>
        <source>Nothing was saved. %1, line %2: the character &quot;%3&quot; cannot be stored in this file, which is written in the Windows-1250 code page.</source>
        <translation>Ništa nije spremljeno. %1, redak %2: znak &quot;%3&quot; ne može se spremiti u ovu datoteku jer je zapisana u kodnoj stranici Windows-1250.</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2. The file on disk is as it was.</source>
        <translation>Datoteku %1 nije bilo moguće spremiti: %2. Datoteka na disku ostala je kakva je bila.</translation>
    </message>
</context>
<context>
    <name>zorbla::WordQuiz</name>
    <message>
        <source>Write the right word</source>
        <translation>Napiši pravu riječ</translation>
    </message>
    <message>
        <source>Enter the requested word</source>
        <translation>Upiši traženu riječ</translation>
    </message>
    <message>
        <source>This word has</source>
        <translation>Ova riječ ima</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>slova</translation>
    </message>
</context>
</TS>
