<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CircleOfFifths</name>
    <message>
        <source>%1: &quot;%2&quot; is not one of %3</source>
        <translation>%1: &quot;%2&quot; non è uno tra %3</translation>
    </message>
</context>
<context>
    <name>GrandOrgueConfig</name>
    <message>
        <source>%1 would lie %2 cents from equal temperament at A = 440 Hz, beyond the -1200 to +1200 cents that GrandOrgue takes</source>
        <translation>%1 starebbe a %2 cent dal temperamento equabile con La = 440 Hz, oltre l&apos;intervallo da -1200 a +1200 cent accettato da GrandOrgue</translation>
    </message>
    <message>
        <source>The %1 %2 holds a &quot;;&quot;, which starts a comment in GrandOrgue&apos;s settings file: GrandOrgue would cut the %1 there</source>
        <translation>Il %1 %2 contiene un &quot;;&quot;, che apre un commento nel file delle impostazioni di GrandOrgue: GrandOrgue taglierebbe lì il %1</translation>
    </message>
    <message>
        <source>The %1 %2 holds a line break, which would end its line in GrandOrgue&apos;s settings file</source>
        <translation>Il %1 %2 contiene un a capo, che chiuderebbe la sua riga nel file delle impostazioni di GrandOrgue</translation>
    </message>
    <message>
        <source>%1 is not a GrandOrgue settings file: </source>
        <translation>%1 non è un file delle impostazioni di GrandOrgue: </translation>
    </message>
    <message>
        <source>its compressed data is damaged or too large</source>
        <translation>i suoi dati compressi sono danneggiati o troppo grandi</translation>
    </message>
    <message>
        <source>it is not text</source>
        <translation>non è un file di testo</translation>
    </message>
    <message>
        <source>%1, line %2: %3 is given a second time in [%4]; GrandOrgue would stop on this file</source>
        <translation>%1, riga %2: %3 compare una seconda volta in [%4]; GrandOrgue si fermerebbe su questo file</translation>
    </message>
    <message>
        <source>it has no [General] section</source>
        <translation>non ha una sezione [General]</translation>
    </message>
    <message>
        <source>%1: UserTemperamentCount=%2 is not a number of user temperaments from 0 to 999</source>
        <translation>%1: UserTemperamentCount=%2 non è un numero di temperamenti utente da 0 a 999</translation>
    </message>
    <message>
        <source>%1: the user temperament [%2] has no %3</source>
        <translation>%1: il temperamento utente [%2] non ha %3</translation>
    </message>
    <message>
        <source>%1 counts %2 user temperaments but has no section [%3]</source>
        <translation>%1 conta %2 temperamenti utente ma non ha la sezione [%3]</translation>
    </message>
    <message>
        <source>%1: in [%2], %3=%4 is not a number of cents</source>
        <translation>%1: in [%2], %3=%4 non è un numero di cent</translation>
    </message>
    <message>
        <source>group</source>
        <translation>gruppo</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titolo</translation>
    </message>
    <message>
        <source>The title is empty: GrandOrgue lists a temperament by its title</source>
        <translation>Il titolo è vuoto: GrandOrgue elenca un temperamento in base al suo titolo</translation>
    </message>
    <message>
        <source>%1 lies beyond the -1200 to +1200 cents that GrandOrgue takes</source>
        <translation>%1 è oltre l&apos;intervallo da -1200 a +1200 cent accettato da GrandOrgue</translation>
    </message>
    <message>
        <source>%1 already holds a temperament titled %2 in the group %3</source>
        <translation>%1 contiene già un temperamento intitolato %2 nel gruppo %3</translation>
    </message>
    <message>
        <source>%1 already holds %2 user temperaments, as many as GrandOrgue takes</source>
        <translation>%1 contiene già %2 temperamenti utente, il massimo accettato da GrandOrgue</translation>
    </message>
    <message>
        <source>GrandOrgue is running (process %1) and would overwrite the change to %2 when it next saves its settings: close GrandOrgue first, then export again</source>
        <translation>GrandOrgue è in esecuzione (processo %1) e sovrascriverebbe la modifica a %2 al prossimo salvataggio delle sue impostazioni: chiudere prima GrandOrgue, poi esportare di nuovo</translation>
    </message>
</context>
<context>
    <name>GrandOrgueExchange</name>
    <message>
        <source>GrandOrgue settings (GrandOrgueConfig*)</source>
        <translation>Impostazioni di GrandOrgue (GrandOrgueConfig*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>GrandOrgue user temperament (GrandOrgueConfig*)</source>
        <translation>Temperamento utente di GrandOrgue (GrandOrgueConfig*)</translation>
    </message>
    <message>
        <source>Export to GrandOrgue</source>
        <translation>Esporta in GrandOrgue</translation>
    </message>
    <message>
        <source>&amp;Fold the pitch in: GrandOrgue plays at the new A</source>
        <translation>&amp;Includi il diapason: GrandOrgue suona con il nuovo La</translation>
    </message>
    <message>
        <source>GrandOrgue tunes to A = 440 Hz. Checked, every offset is raised by the new A in cents from 440 Hz (415 Hz gives -101.27); unchecked, the offsets are the deviations with A at 0.</source>
        <translation>GrandOrgue accorda con La = 440 Hz. Se selezionato, ogni scostamento viene aumentato della distanza in cent del nuovo La da 440 Hz (415 Hz dà -101.27); se non selezionato, gli scostamenti sono le deviazioni con il La a 0.</translation>
    </message>
    <message>
        <source>&amp;Group (submenu):</source>
        <translation>&amp;Gruppo (sottomenu):</translation>
    </message>
    <message>
        <source>&amp;Title (menu text):</source>
        <translation>&amp;Titolo (voce di menu):</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>In %1</translation>
    </message>
    <message>
        <source>File %1 Saved
%2 is in GrandOrgue&apos;s group %3</source>
        <translation>File %1 salvato
%2 è nel gruppo %3 di GrandOrgue</translation>
    </message>
    <message>
        <source>Replace GrandOrgue Temperament</source>
        <translation>Sostituisci temperamento di GrandOrgue</translation>
    </message>
    <message>
        <source>%1 already holds %2 in the group %3.
Replace it? Organs that chose it will play the new one.</source>
        <translation>%1 contiene già %2 nel gruppo %3.
Sostituirlo? Gli organi che lo hanno scelto suoneranno quello nuovo.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sostituisci</translation>
    </message>
    <message>
        <source>%1 holds no user temperaments</source>
        <translation>%1 non contiene temperamenti utente</translation>
    </message>
    <message>
        <source>Load GrandOrgue Temperament</source>
        <translation>Carica temperamento di GrandOrgue</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carica</translation>
    </message>
</context>
<context>
    <name>GuideSheet</name>
    <message>
        <source>the PDF page cannot be drawn</source>
        <translation>impossibile disegnare la pagina PDF</translation>
    </message>
</context>
<context>
    <name>KeyboardMapping</name>
    <message>
        <source>the file ends before the %1</source>
        <translation>il file termina prima del campo %1</translation>
    </message>
    <message>
        <source>%1 is not a valid %2: a whole number from %3 to %4</source>
        <translation>%1 non è valido come %2: un numero intero da %3 a %4</translation>
    </message>
    <message>
        <source>%1 is not a text file: it holds NUL bytes</source>
        <translation>%1 non è un file di testo: contiene byte NUL</translation>
    </message>
    <message>
        <source>map size</source>
        <translation>dimensione della mappa</translation>
    </message>
    <message>
        <source>the map size is %1; only twelve keys to the octave load (12, or 0 for a linear mapping)</source>
        <translation>la dimensione della mappa è %1; si caricano solo dodici tasti per ottava (12, o 0 per una mappatura lineare)</translation>
    </message>
    <message>
        <source>first key</source>
        <translation>primo tasto</translation>
    </message>
    <message>
        <source>last key</source>
        <translation>ultimo tasto</translation>
    </message>
    <message>
        <source>middle key</source>
        <translation>tasto centrale</translation>
    </message>
    <message>
        <source>the middle key %1 is not a C: the scale&apos;s 1/1 is C, on a key that is a multiple of 12 (60 for middle C)</source>
        <translation>il tasto centrale %1 non è un Do: l&apos;1/1 della scala è Do, su un tasto multiplo di 12 (60 per il Do centrale)</translation>
    </message>
    <message>
        <source>reference key</source>
        <translation>tasto di riferimento</translation>
    </message>
    <message>
        <source>reference frequency</source>
        <translation>frequenza di riferimento</translation>
    </message>
    <message>
        <source>%1 is not a frequency in Hz</source>
        <translation>%1 non è una frequenza in Hz</translation>
    </message>
    <message>
        <source>octave degree</source>
        <translation>grado dell&apos;ottava</translation>
    </message>
    <message>
        <source>the formal octave is degree %1; only degree 12 loads</source>
        <translation>l&apos;ottava formale è il grado %1; si carica solo il grado 12</translation>
    </message>
    <message>
        <source>map entry of key %1</source>
        <translation>voce della mappa per il tasto %1</translation>
    </message>
    <message>
        <source>key %1 of the map plays %2; only the degrees 0 to 11 in order load</source>
        <translation>il tasto %1 della mappa suona %2; si caricano solo i gradi da 0 a 11 in ordine</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The temperament table is missing from the resources</source>
        <translation>La tabella dei temperamenti manca dalle risorse</translation>
    </message>
    <message>
        <source>Werckmeister&apos;s first temperament is his just monochord, which the library does not hold; the nearest is Pure Major. The library&apos;s Werckmeister III, 4, 5 and 6 are his temperaments of 1691.</source>
        <translation>Il primo temperamento di Werckmeister è il suo monocordo naturale, che la libreria non contiene; il più vicino è Pure Major. I Werckmeister III, 4, 5 e 6 della libreria sono i suoi temperamenti del 1691.</translation>
    </message>
    <message>
        <source>Werckmeister&apos;s second temperament is his meantone monochord, 1/4 syntonic comma meantone. The library&apos;s Werckmeister III, 4, 5 and 6 are his temperaments of 1691.</source>
        <translation>Il secondo temperamento di Werckmeister è il suo monocordo mesotonico, mesotonico a 1/4 di comma sintonico. I Werckmeister III, 4, 5 e 6 della libreria sono i suoi temperamenti del 1691.</translation>
    </message>
    <message>
        <source>the schisma</source>
        <translation>uno schisma</translation>
    </message>
    <message>
        <source>a syntonic comma</source>
        <translation>un comma sintonico</translation>
    </message>
    <message>
        <source>a Pythagorean comma</source>
        <translation>un comma pitagorico</translation>
    </message>
    <message>
        <source>%1 syntonic comma</source>
        <translation>%1 di comma sintonico</translation>
    </message>
    <message>
        <source>%1 Pythagorean comma</source>
        <translation>%1 di comma pitagorico</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 narrowed by %2</source>
        <translation>%1 con restringimento di %2</translation>
    </message>
    <message>
        <source>%1 widened by %2</source>
        <translation>%1 con allargamento di %2</translation>
    </message>
    <message>
        <source>%1 takes what closes the circle</source>
        <translation>%1 assorbe il resto per chiudere il circolo</translation>
    </message>
    <message>
        <source>%1 share what closes the circle</source>
        <translation>%1 si dividono il resto per chiudere il circolo</translation>
    </message>
    <message>
        <source>the rest pure</source>
        <translation>le altre pure</translation>
    </message>
    <message>
        <source>just intonation on C: %1</source>
        <translation>intonazione naturale su Do: %1</translation>
    </message>
    <message>
        <source>every fifth narrowed by 1/12 Pythagorean comma</source>
        <translation>ogni quinta ristretta di 1/12 di comma pitagorico</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/4 syntonic comma, the wolf G#-Eb</source>
        <translation>quinte da Mib a Sol# ristrette di 1/4 di comma sintonico, il lupo Sol#-Mib</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/5 syntonic comma, the wolf G#-Eb</source>
        <translation>quinte da Mib a Sol# ristrette di 1/5 di comma sintonico, il lupo Sol#-Mib</translation>
    </message>
    <message>
        <source>fifths from Db to F# narrowed by 1/5 syntonic comma, the wolf F#-Db; B, five such fifths above C, is 15/8</source>
        <translation>quinte da Reb a Fa# ristrette di 1/5 di comma sintonico, il lupo Fa#-Reb; Si, cinque di queste quinte sopra Do, è 15/8</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/6 syntonic comma, the wolf G#-Eb</source>
        <translation>quinte da Mib a Sol# ristrette di 1/6 di comma sintonico, il lupo Sol#-Mib</translation>
    </message>
    <message>
        <source>fifths from Ab to C# narrowed by 1/6 syntonic comma, the wolf C#-Ab</source>
        <translation>quinte da Lab a Do# ristrette di 1/6 di comma sintonico, il lupo Do#-Lab</translation>
    </message>
    <message>
        <source>fifths of 32/55 octave (55 equal parts) from F# to B, the wolf B-F#</source>
        <translation>quinte di 32/55 d&apos;ottava (55 parti uguali) da Fa# a Si, il lupo Si-Fa#</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 3/14 syntonic comma, the wolf G#-Eb</source>
        <translation>quinte da Mib a Sol# ristrette di 3/14 di comma sintonico, il lupo Sol#-Mib</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 2/7 syntonic comma, the wolf G#-Eb</source>
        <translation>quinte da Mib a Sol# ristrette di 2/7 di comma sintonico, il lupo Sol#-Mib</translation>
    </message>
    <message>
        <source>pure fifths from Eb to G#, the wolf G#-Eb</source>
        <translation>quinte pure da Mib a Sol#, il lupo Sol#-Mib</translation>
    </message>
    <message>
        <source>pure fifths from Gb to B, the wolf B-Gb</source>
        <translation>quinte pure da Solb a Si, il lupo Si-Solb</translation>
    </message>
    <message>
        <source>five-limit just intonation on C: 1/1 16/15 9/8 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</source>
        <translation>intonazione naturale a limite 5 su Do: 1/1 16/15 9/8 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</translation>
    </message>
    <message>
        <source>five-limit just intonation in A minor, the relative minor of Pure Major: A B C D E F G are 1/1 9/8 6/5 4/3 3/2 8/5 9/5 above A, so D-F-A and A-C-E are pure; on C: 1/1 25/24 10/9 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</source>
        <translation>intonazione naturale a limite 5 in La minore, relativa minore di Pure Major: La Si Do Re Mi Fa Sol sono 1/1 9/8 6/5 4/3 3/2 8/5 9/5 sopra La, quindi Re-Fa-La e La-Do-Mi sono pure; su Do: 1/1 25/24 10/9 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</translation>
    </message>
    <message>
        <source>fifths of 32/55 octave (55 equal parts) from Eb to G#, the wolf G#-Eb</source>
        <translation>quinte di 32/55 d&apos;ottava (55 parti uguali) da Mib a Sol#, il lupo Sol#-Mib</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A, A-E and B-F# narrowed by 1/5 Pythagorean comma, the rest pure</source>
        <translation>Do-Sol, Sol-Re, Re-La, La-Mi e Si-Fa# ristrette di 1/5 di comma pitagorico, le altre pure</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A and A-E narrowed by 1/4 syntonic comma, F#-C# by the schisma, the rest pure</source>
        <translation>Do-Sol, Sol-Re, Re-La e La-Mi ristrette di 1/4 di comma sintonico, Fa#-Do# di uno schisma, le altre pure</translation>
    </message>
    <message>
        <source>F-C, C-G, G-D, D-A, A-E and E-B narrowed by 1/6 Pythagorean comma, the rest pure</source>
        <translation>Fa-Do, Do-Sol, Sol-Re, Re-La, La-Mi e Mi-Si ristrette di 1/6 di comma pitagorico, le altre pure</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A and B-F# narrowed by 1/4 Pythagorean comma, the rest pure</source>
        <translation>Do-Sol, Sol-Re, Re-La e Si-Fa# ristrette di 1/4 di comma pitagorico, le altre pure</translation>
    </message>
    <message>
        <source>Werckmeister&apos;s septenarius, string lengths out of 196 as ratios: 1/1 98/93 28/25 196/165 49/39 4/3 196/139 196/131 49/31 196/117 98/55 49/26; D is the corrected 28/25 (196/175), not the misprinted 196/176 that left G-D 13 cents narrow</source>
        <translation>septenarius di Werckmeister, lunghezze di corda su 196 come rapporti: 1/1 98/93 28/25 196/165 49/39 4/3 196/139 196/131 49/31 196/117 98/55 49/26; Re è il 28/25 corretto (196/175), non il 196/176 del refuso che lasciava Sol-Re stretta di 13 cent</translation>
    </message>
    <message>
        <source>pure fifths but D-A, narrowed by a syntonic comma, and F#-C#, narrowed by the schisma</source>
        <translation>quinte pure tranne Re-La, ristretta di un comma sintonico, e Fa#-Do#, ristretta di uno schisma</translation>
    </message>
    <message>
        <source>D-A and A-E narrowed by 1/2 syntonic comma, F#-C# by the schisma, the rest pure</source>
        <translation>Re-La e La-Mi ristrette di 1/2 comma sintonico, Fa#-Do# di uno schisma, le altre pure</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A and A-E narrowed by 3/16 syntonic comma; E-B, B-F#, Bb-F and F-C share the rest of the Pythagorean comma (1/16 syntonic comma and 1/4 schisma each); F#-C#, C#-G#, G#-Eb and Eb-Bb pure</source>
        <translation>Do-Sol, Sol-Re, Re-La e La-Mi ristrette di 3/16 di comma sintonico; Mi-Si, Si-Fa#, Sib-Fa e Fa-Do si dividono il resto del comma pitagorico (1/16 di comma sintonico e 1/4 di schisma ciascuna); Fa#-Do#, Do#-Sol#, Sol#-Mib e Mib-Sib pure</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A, A-E, E-B and B-F# narrowed by 1/6 Pythagorean comma, the rest pure</source>
        <translation>Do-Sol, Sol-Re, Re-La, La-Mi, Mi-Si e Si-Fa# ristrette di 1/6 di comma pitagorico, le altre pure</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/3 syntonic comma, the wolf G#-Eb</source>
        <translation>quinte da Mib a Sol# ristrette di 1/3 di comma sintonico, il lupo Sol#-Mib</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 2/9 syntonic comma, the wolf G#-Eb</source>
        <translation>quinte da Mib a Sol# ristrette di 2/9 di comma sintonico, il lupo Sol#-Mib</translation>
    </message>
    <message>
        <source>fifths alternately narrowed by 1/6 Pythagorean comma and pure round the circle from C: C-G, D-A, E-B, F#-C#, G#-Eb and Bb-F narrowed, the rest pure</source>
        <translation>quinte alternativamente ristrette di 1/6 di comma pitagorico e pure lungo il circolo a partire da Do: Do-Sol, Re-La, Mi-Si, Fa#-Do#, Sol#-Mib e Sib-Fa ristrette, le altre pure</translation>
    </message>
    <message>
        <source>The construction is read off the row as compiled, not taken from a source; a published table differs by 0.65 cents at C#, F# and G#.</source>
        <translation>La costruzione è ricavata dalla riga così come compilata, non presa da una fonte; una tabella pubblicata differisce di 0.65 cent su Do#, Fa# e Sol#.</translation>
    </message>
    <message>
        <source>As compiled, with the wolf on B-F#; the organ&apos;s restorer puts it on G#-D#.</source>
        <translation>Come compilato, con il lupo su Si-Fa#; il restauratore dell&apos;organo lo pone su Sol#-Re#.</translation>
    </message>
    <message>
        <source>A modern well-tempered reading of Schlick&apos;s text of 1511, not a temperament of 1555.</source>
        <translation>Una lettura moderna ben temperata del testo di Schlick del 1511, non un temperamento del 1555.</translation>
    </message>
    <message>
        <source>Line %1 of the temperament table: %2</source>
        <translation>Riga %1 della tabella dei temperamenti: %2</translation>
    </message>
    <message>
        <source>%1 columns instead of %2</source>
        <translation>%1 colonne invece di %2</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>il nome è vuoto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes twice</source>
        <translation>&quot;%1&quot; compare due volte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; non è un numero</translation>
    </message>
    <message>
        <source>A is not 0</source>
        <translation>La non è 0</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language: it, de, nl or fr</comment>
        <translation>it</translation>
    </message>
</context>
<context>
    <name>LineFile</name>
    <message>
        <source>No space left on device</source>
        <translation>Spazio esaurito sul dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>File system di sola lettura</translation>
    </message>
    <message>
        <source>the file could not be written completely; the old file, if any, is unchanged</source>
        <translation>impossibile scrivere il file per intero; il file precedente, se esiste, è invariato</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la cartella %1 non esiste</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>no new file can be made in the folder %1 (%2)</source>
        <translation>impossibile creare un nuovo file nella cartella %1 (%2)</translation>
    </message>
    <message>
        <source>Line %1 of %2: %3</source>
        <translation>Riga %1 di %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 non è un numero</translation>
    </message>
    <message>
        <source>%1 is too large: no field holds a number beyond %2 either way</source>
        <translation>%1 è troppo grande: nessun campo contiene un numero oltre %2 in valore assoluto</translation>
    </message>
    <message>
        <source>%1 is not a text file: it holds NUL bytes</source>
        <translation>%1 non è un file di testo: contiene byte NUL</translation>
    </message>
    <message>
        <source>Cannot load %1: it is a folder, not a file</source>
        <translation>Impossibile caricare %1: è una cartella, non un file</translation>
    </message>
    <message>
        <source>Cannot load %1: at %2 bytes it is too large for this kind of file</source>
        <translation>Impossibile caricare %1: con %2 byte è troppo grande per questo tipo di file</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>Impossibile caricare %1: %2</translation>
    </message>
    <message>
        <source>Cannot load %1: it is too large for this kind of file</source>
        <translation>Impossibile caricare %1: è troppo grande per questo tipo di file</translation>
    </message>
    <message>
        <source>Cannot save %1: it is a folder</source>
        <translation>Impossibile salvare %1: è una cartella</translation>
    </message>
    <message>
        <source>Cannot save %1: it is not a regular file (a device, a pipe or a socket); nothing was written</source>
        <translation>Impossibile salvare %1: non è un file normale (un dispositivo, una pipe o un socket); non è stato scritto nulla</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>the line is missing; the file has %n line of the %1 it needs</source>
        <translation>
            <numerusform>la riga manca; il file ha %n riga delle %1 necessarie</numerusform>
            <numerusform>la riga manca; il file ha %n righe delle %1 necessarie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the line is missing; the file has %n lines of the %1 it needs</source>
        <translation>
            <numerusform>la riga manca; il file ha %n riga delle %1 necessarie</numerusform>
            <numerusform>la riga manca; il file ha %n righe delle %1 necessarie</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MidiInput</name>
    <message>
        <source>No MIDI input was found</source>
        <translation>Nessun ingresso MIDI trovato</translation>
    </message>
    <message>
        <source>These MIDI inputs could not be opened: %1</source>
        <translation>Questi ingressi MIDI non si sono potuti aprire: %1</translation>
    </message>
</context>
<context>
    <name>MidiOutput</name>
    <message>
        <source>MIDI output &quot;%1&quot; was not found.</source>
        <translation>Uscita MIDI «%1» non trovata.</translation>
    </message>
    <message>
        <source>No MIDI output was found.</source>
        <translation>Nessuna uscita MIDI trovata.</translation>
    </message>
    <message>
        <source>The MIDI outputs are:</source>
        <translation>Le uscite MIDI sono:</translation>
    </message>
    <message>
        <source>MIDI output &quot;%1&quot; could not be opened: %2</source>
        <translation>Impossibile aprire l&apos;uscita MIDI «%1»: %2</translation>
    </message>
    <message>
        <source>the MIDI system refused it</source>
        <translation>il sistema MIDI l&apos;ha rifiutata</translation>
    </message>
    <message>
        <source>No MIDI output is open.</source>
        <translation>Nessuna uscita MIDI è aperta.</translation>
    </message>
    <message>
        <source>The bytes to send to %1 are not whole MIDI messages.</source>
        <translation>I byte da inviare a %1 non sono messaggi MIDI completi.</translation>
    </message>
    <message>
        <source>The MIDI output %1 did not take the messages: %2</source>
        <translation>L&apos;uscita MIDI %1 non ha accettato i messaggi: %2</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>C</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>C#</source>
        <translation>Do#</translation>
    </message>
    <message>
        <source>D</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>D#</source>
        <translation>Re#</translation>
    </message>
    <message>
        <source>E</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>F#</source>
        <translation>Fa#</translation>
    </message>
    <message>
        <source>G</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>G#</source>
        <translation>Sol#</translation>
    </message>
    <message>
        <source>A</source>
        <translation>La</translation>
    </message>
    <message>
        <source>A#</source>
        <translation>La#</translation>
    </message>
    <message>
        <source>B</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>Eb</source>
        <translation>Mib</translation>
    </message>
    <message>
        <source>Bb</source>
        <translation>Sib</translation>
    </message>
</context>
<context>
    <name>NumEditText</name>
    <message>
        <source>The decimal separator here is &quot;%1&quot; (the regional setting), not &quot;%2&quot;</source>
        <translation>Il separatore decimale qui è &quot;%1&quot; (impostazione regionale), non &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>NumberFormat</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; non è un valore in virgola mobile valido</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
</context>
<context>
    <name>QtUserDialogs</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Vuoi sostituirlo?</translation>
    </message>
</context>
<context>
    <name>ReadyMadeSounds</name>
    <message>
        <source>%1 major triad</source>
        <translation>Triade maggiore di %1</translation>
    </message>
    <message>
        <source>%1 minor triad</source>
        <translation>Triade minore di %1</translation>
    </message>
    <message>
        <source>Fifth %1–%2</source>
        <translation>Quinta %1–%2</translation>
    </message>
    <message>
        <source>Major third %1–%2</source>
        <translation>Terza maggiore %1–%2</translation>
    </message>
    <message>
        <source>Scale of %1 major</source>
        <translation>Scala di %1 maggiore</translation>
    </message>
    <message>
        <source>Cadence I–IV–V–I in %1 major</source>
        <translation>Cadenza I–IV–V–I in %1 maggiore</translation>
    </message>
</context>
<context>
    <name>ScalaFile</name>
    <message>
        <source>%1 is not a pitch</source>
        <translation>%1 non è un&apos;altezza</translation>
    </message>
    <message>
        <source>%1 is too large: no field holds a number beyond %2 either way</source>
        <translation>%1 è troppo grande: nessun campo contiene un numero oltre %2 in valore assoluto</translation>
    </message>
    <message>
        <source>%1 is not a pitch: cents need a full stop, a ratio reads like 3/2</source>
        <translation>%1 non è un&apos;altezza: i cent richiedono il punto decimale, un rapporto si scrive come 3/2</translation>
    </message>
    <message>
        <source>%1 is not a pitch: its terms are too large</source>
        <translation>%1 non è un&apos;altezza: i suoi termini sono troppo grandi</translation>
    </message>
    <message>
        <source>%1 is a negative ratio</source>
        <translation>%1 è un rapporto negativo</translation>
    </message>
    <message>
        <source>%1 is not a ratio: a term is 0</source>
        <translation>%1 non è un rapporto: un termine è 0</translation>
    </message>
    <message>
        <source>%1 is not a text file: it holds NUL bytes</source>
        <translation>%1 non è un file di testo: contiene byte NUL</translation>
    </message>
    <message>
        <source>the file ends before %1</source>
        <translation>il file termina prima del campo %1</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>descrizione</translation>
    </message>
    <message>
        <source>the number of notes</source>
        <translation>numero di note</translation>
    </message>
    <message>
        <source>%1 is not a number of notes</source>
        <translation>%1 non è un numero di note</translation>
    </message>
    <message>
        <source>the scale has %1 notes; only scales of 12 notes load</source>
        <translation>la scala ha %1 note; si caricano solo scale di 12 note</translation>
    </message>
    <message>
        <source>the file ends after %1 of its 12 pitches</source>
        <translation>il file termina dopo %1 delle sue 12 altezze</translation>
    </message>
    <message>
        <source>the last pitch %1 is not the octave (2/1 or 1200.0)</source>
        <translation>l&apos;ultima altezza %1 non è l&apos;ottava (2/1 o 1200.0)</translation>
    </message>
    <message numerus="yes">
        <source>the scale has %n note; only scales of 12 notes load</source>
        <translation>
            <numerusform>la scala ha %n nota; si caricano solo scale di 12 note</numerusform>
            <numerusform>la scala ha %n note; si caricano solo scale di 12 note</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the scale has %n notes; only scales of 12 notes load</source>
        <translation>
            <numerusform>la scala ha %n nota; si caricano solo scale di 12 note</numerusform>
            <numerusform>la scala ha %n note; si caricano solo scale di 12 note</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpelledNotes</name>
    <message>
        <source>Cb</source>
        <translation>Dob</translation>
    </message>
    <message>
        <source>C</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>C#</source>
        <translation>Do#</translation>
    </message>
    <message>
        <source>Db</source>
        <translation>Reb</translation>
    </message>
    <message>
        <source>D</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>D#</source>
        <translation>Re#</translation>
    </message>
    <message>
        <source>Eb</source>
        <translation>Mib</translation>
    </message>
    <message>
        <source>E</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>E#</source>
        <translation>Mi#</translation>
    </message>
    <message>
        <source>Fb</source>
        <translation>Fab</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>F#</source>
        <translation>Fa#</translation>
    </message>
    <message>
        <source>Gb</source>
        <translation>Solb</translation>
    </message>
    <message>
        <source>G</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>G#</source>
        <translation>Sol#</translation>
    </message>
    <message>
        <source>Ab</source>
        <translation>Lab</translation>
    </message>
    <message>
        <source>A</source>
        <translation>La</translation>
    </message>
    <message>
        <source>A#</source>
        <translation>La#</translation>
    </message>
    <message>
        <source>Bb</source>
        <translation>Sib</translation>
    </message>
    <message>
        <source>B</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>B#</source>
        <translation>Si#</translation>
    </message>
    <message>
        <source>scientific</source>
        <extracomment>How notes are named with their octave in this language. Keep exactly one of these words: scientific (C4 is middle C), solfege (Do3 is middle C), helmholtz (c′ is middle C).</extracomment>
        <translation>solfege</translation>
    </message>
</context>
<context>
    <name>TemperamentXml</name>
    <message>
        <source>Supplier Name Required</source>
        <translation>Nome del fornitore obbligatorio</translation>
    </message>
    <message>
        <source>ID Supplier must be greater than zero</source>
        <translation>L&apos;ID fornitore deve essere maggiore di zero</translation>
    </message>
    <message>
        <source>ID Temperament must be greater than zero</source>
        <translation>L&apos;ID temperamento deve essere maggiore di zero</translation>
    </message>
    <message>
        <source>Short Name Temperament Required</source>
        <translation>Nome breve del temperamento obbligatorio</translation>
    </message>
    <message>
        <source>Temperament Name Required</source>
        <translation>Nome del temperamento obbligatorio</translation>
    </message>
    <message>
        <source>%1 is %2 cents; a note must lie from -%3 to +%3 cents</source>
        <translation>%1 è a %2 cent; una nota deve stare tra -%3 e +%3 cent</translation>
    </message>
    <message>
        <source>%1 at no finite number of cents</source>
        <translation>%1 a un numero di cent non finito</translation>
    </message>
    <message>
        <source>%1 at %2%3 cents</source>
        <translation>%1 a %2%3 cent</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: it puts %2, where a note must lie from -%3 to +%3 cents</source>
        <translation>Impossibile caricare %1: pone %2, mentre una nota deve stare tra -%3 e +%3 cent</translation>
    </message>
    <message numerus="yes">
        <source> (and %n more note)</source>
        <translation>
            <numerusform> (e %n altra nota)</numerusform>
            <numerusform> (e altre %n note)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (and %n more notes)</source>
        <translation>
            <numerusform> (e %n altra nota)</numerusform>
            <numerusform> (e altre %n note)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TemperamentXmlReader</name>
    <message>
        <source>%1 cannot be opened as a temperament: %2</source>
        <translation>Impossibile aprire %1 come temperamento: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>it holds no XML element</source>
        <translation>non contiene alcun elemento XML</translation>
    </message>
    <message>
        <source>it is not a Hauptwerk temperament file</source>
        <translation>non è un file di temperamento Hauptwerk</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation>%1 &quot;%2&quot; non è un numero</translation>
    </message>
    <message>
        <source>a note near line %1 lacks its number or its pitch</source>
        <translation>a una nota vicino alla riga %1 manca il numero o l&apos;altezza</translation>
    </message>
    <message>
        <source>note number %1 is not from 0 to 132</source>
        <translation>il numero di nota %1 non è compreso tra 0 e 132</translation>
    </message>
    <message>
        <source>note %1 has no positive pitch</source>
        <translation>la nota %1 non ha un&apos;altezza positiva</translation>
    </message>
    <message>
        <source>note %1 is there twice</source>
        <translation>la nota %1 compare due volte</translation>
    </message>
    <message>
        <source>it lacks note %1</source>
        <translation>manca la nota %1</translation>
    </message>
    <message>
        <source>note %1 is %2 cents away from the octave of note %3; the octaves disagree</source>
        <translation>la nota %1 dista %2 cent dall&apos;ottava della nota %3; le ottave non concordano</translation>
    </message>
    <message>
        <source>no two pitches of A from %1 to %2 Hz with notes from -%3 to +%3 cents give its pitches: its notes lie from %4 to %5 cents from equal temperament at A = 440 Hz</source>
        <translation>nessuna coppia di altezze del La da %1 a %2 Hz con note tra -%3 e +%3 cent dà le sue altezze: le sue note distano da %4 a %5 cent dal temperamento equabile con La = 440 Hz</translation>
    </message>
</context>
<context>
    <name>TuningExport</name>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 (%2 cents)</source>
        <translation>%1 (%2 cent)</translation>
    </message>
    <message>
        <source>Cannot save %1: the scale and its keyboard mapping would be the same file; give the scale a name ending in .scl</source>
        <translation>Impossibile salvare %1: la scala e la sua mappatura della tastiera sarebbero lo stesso file; dare alla scala un nome che termini con .scl</translation>
    </message>
    <message>
        <source>Scala scale and keyboard mapping</source>
        <translation>Scala (scala e mappatura della tastiera)</translation>
    </message>
    <message>
        <source>AnaMark tuning</source>
        <translation>Accordatura AnaMark</translation>
    </message>
    <message>
        <source>MIDI tuning, bulk dump</source>
        <translation>Accordatura MIDI, bulk dump</translation>
    </message>
    <message>
        <source>MIDI tuning, single-note changes</source>
        <translation>Accordatura MIDI, modifiche a singole note</translation>
    </message>
    <message>
        <source>MIDI tuning, scale/octave</source>
        <translation>Accordatura MIDI, scala/ottava</translation>
    </message>
    <message numerus="yes">
        <source>%n note could not be represented and was left unchanged: key %1</source>
        <translation>
            <numerusform>%n nota non è stata rappresentabile ed è rimasta invariata: tasto %1</numerusform>
            <numerusform>%n note non sono state rappresentabili e sono rimaste invariate: tasti %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes could not be represented and were left unchanged: keys %1</source>
        <translation>
            <numerusform>%n nota non è stata rappresentabile ed è rimasta invariata: tasto %1</numerusform>
            <numerusform>%n note non sono state rappresentabili e sono rimaste invariate: tasti %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note lies more than 100 cents from equal temperament, beyond what the octave message carries, and is held at its nearest limit: %1</source>
        <translation>
            <numerusform>%n nota dista più di 100 cent dal temperamento equabile, oltre quanto trasmette il messaggio d&apos;ottava, ed è fissata al limite più vicino: %1</numerusform>
            <numerusform>%n note distano più di 100 cent dal temperamento equabile, oltre quanto trasmette il messaggio d&apos;ottava, e sono fissate al limite più vicino: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes lie more than 100 cents from equal temperament, beyond what the octave message carries, and are held at its nearest limit: %1</source>
        <translation>
            <numerusform>%n nota dista più di 100 cent dal temperamento equabile, oltre quanto trasmette il messaggio d&apos;ottava, ed è fissata al limite più vicino: %1</numerusform>
            <numerusform>%n note distano più di 100 cent dal temperamento equabile, oltre quanto trasmette il messaggio d&apos;ottava, e sono fissate al limite più vicino: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TuningGuide</name>
    <message>
        <source>fifth</source>
        <translation>quinta</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quarta</translation>
    </message>
    <message>
        <source>major third</source>
        <translation>terza maggiore</translation>
    </message>
    <message>
        <source>major sixth</source>
        <translation>sesta maggiore</translation>
    </message>
    <message>
        <source>minor third</source>
        <translation>terza minore</translation>
    </message>
    <message>
        <source>octave</source>
        <translation>ottava</translation>
    </message>
    <message>
        <source>pure</source>
        <translation>pura</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>stretta</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>larga</translation>
    </message>
    <message>
        <source>The stop must be 8, 4 or 2 feet, not %1</source>
        <translation>Il registro deve essere di 8, 4 o 2 piedi, non %1</translation>
    </message>
    <message>
        <source>The metronome mark must lie from %1 to %2, not %3</source>
        <translation>L&apos;indicazione metronomica deve essere compresa tra %1 e %2, non %3</translation>
    </message>
    <message>
        <source>Give both temperatures, the reference and now, or neither</source>
        <translation>Indicare entrambe le temperature, quella di riferimento e quella attuale, o nessuna delle due</translation>
    </message>
    <message>
        <source>A temperature must lie from %1 to %2 °C, not %3</source>
        <translation>Una temperatura deve essere compresa tra %1 e %2 °C, non %3</translation>
    </message>
    <message>
        <source>Tuning guide</source>
        <translation>Guida all&apos;accordatura</translation>
    </message>
    <message>
        <source>Tuning guide: %1</source>
        <translation>Guida all&apos;accordatura: %1</translation>
    </message>
    <message>
        <source>A = %1 Hz · bearing %2 · %3 stop · %4</source>
        <translation>La = %1 Hz · partizione %2 · registro di %3 · %4</translation>
    </message>
    <message>
        <source>At %1 °C, for an organ at A = %2 Hz at %3 °C: tune A to %4 Hz</source>
        <translation>A %1 °C, per un organo con La = %2 Hz a %3 °C: accordare il La a %4 Hz</translation>
    </message>
    <message>
        <source>Per beat at MM %1</source>
        <translation>Per battito a MM %1</translation>
    </message>
    <message>
        <source>In 5 s</source>
        <translation>In 5 s</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>From pure (cents)</source>
        <translation>Scarto dal puro (cent)</translation>
    </message>
    <message>
        <source>Beats/s</source>
        <translation>Battimenti/s</translation>
    </message>
    <message>
        <source>Tuning order in the bearing %1</source>
        <translation>Ordine di accordatura nella partizione %1</translation>
    </message>
    <message>
        <source>Tune %1 to the fork or tuner: A = %2 Hz (%1 sounds at %3 Hz).</source>
        <translation>Accordare %1 sul diapason o sull&apos;accordatore: La = %2 Hz (%1 suona a %3 Hz).</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>Tune</source>
        <translation>Accordare</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Then outward</source>
        <translation>Poi il resto della tastiera</translation>
    </message>
    <message>
        <source>Tune the rest of the compass from the bearing in pure octaves, upward and downward.</source>
        <translation>Accordare il resto dell&apos;estensione a partire dalla partizione per ottave pure, verso l&apos;alto e verso il basso.</translation>
    </message>
    <message>
        <source>For electronic tuners</source>
        <translation>Per accordatori elettronici</translation>
    </message>
    <message>
        <source>Offsets from equal temperament in cents.</source>
        <translation>Scostamenti dal temperamento equabile in cent.</translation>
    </message>
    <message>
        <source>A = 0 (A = %1 Hz)</source>
        <translation>La = 0 (La = %1 Hz)</translation>
    </message>
    <message>
        <source>C = 0 (A = %1 Hz)</source>
        <translation>Do = 0 (La = %1 Hz)</translation>
    </message>
    <message>
        <source>minor sixth</source>
        <translation>sesta minore</translation>
    </message>
    <message>
        <source>narrow wolf</source>
        <translation>stretta, lupo</translation>
    </message>
    <message>
        <source>wide wolf</source>
        <translation>larga, lupo</translation>
    </message>
    <message>
        <source>Beats faster than %1 a second are too fast to count on this stop: tune the bearing on a %2 stop.</source>
        <translation>Battimenti più rapidi di %1 al secondo sono troppo veloci da contare su questo registro: accordare la partizione su un registro di %2.</translation>
    </message>
    <message>
        <source>Each check follows the step that tunes the last of its notes.</source>
        <translation>Ogni verifica segue il passo che accorda l&apos;ultima delle sue note.</translation>
    </message>
    <message>
        <source>A well temperament: the beats of the major thirds rise and fall smoothly from note to note.</source>
        <translation>Un buon temperamento: i battimenti delle terze maggiori crescono e calano gradualmente da nota a nota.</translation>
    </message>
    <message>
        <source>check</source>
        <translation>verifica</translation>
    </message>
    <message>
        <source>The pure major third %1–%2 first, then the fifths %3 between its notes split evenly, each %4 cents narrow, at the beats given.</source>
        <translation>Prima la terza maggiore pura %1–%2, poi le quinte %3 fra le sue note, ripartite in modo uguale, ciascuna stretta di %4 cent, ai battimenti indicati.</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <comment>The date as the language writes it in figures</comment>
        <translation>dd/MM/yyyy</translation>
    </message>
</context>
<context>
    <name>Voices</name>
    <message>
        <source>principal</source>
        <translation>principale</translation>
    </message>
    <message>
        <source>flute</source>
        <translation>flauto</translation>
    </message>
    <message>
        <source>principal-octave</source>
        <translation>principale e ottava</translation>
    </message>
    <message>
        <source>reed</source>
        <translation>ancia</translation>
    </message>
</context>
<context>
    <name>cordavo::AnalysisWindow</name>
    <message>
        <source>Deviation from equal temperament (cents)</source>
        <translation>Deviazione dal temperamento equabile (cent)</translation>
    </message>
    <message>
        <source>outside: fifths
inside: major thirds
(cents from pure)</source>
        <translation>esterno: quinte
interno: terze maggiori
(cent dal puro)</translation>
    </message>
    <message>
        <source>Red: wolf (fifth over %1 cents, third over %2 cents from pure)</source>
        <translation>Rosso: lupo (quinta oltre %1 cent, terza oltre %2 cent dal puro)</translation>
    </message>
    <message>
        <source>Green: pure</source>
        <translation>Verde: puro</translation>
    </message>
    <message>
        <source> · Plain: tempered</source>
        <translation> · Neutro: temperato</translation>
    </message>
    <message>
        <source>Analyse Temperament</source>
        <translation>Analizza temperamento</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Cent</translation>
    </message>
    <message>
        <source>From pure</source>
        <translation>Scarto dal puro</translation>
    </message>
    <message>
        <source>Beats (Hz)</source>
        <translation>Battimenti (Hz)</translation>
    </message>
    <message>
        <source>Fifths and major thirds</source>
        <translation>Quinte e terze maggiori</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Salva immagine…</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Disegno SVG (*.svg)</translation>
    </message>
    <message>
        <source>Beats measured from middle C upward, with A = %1 Hz.</source>
        <translation>Battimenti misurati dal Do centrale verso l&apos;alto, con La = %1 Hz.</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Quinta</translation>
    </message>
    <message>
        <source>Major third</source>
        <translation>Terza maggiore</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 pixel</translation>
    </message>
    <message>
        <source>a picture of %1 cannot be drawn</source>
        <translation>impossibile disegnare un&apos;immagine di %1</translation>
    </message>
    <message>
        <source>the SVG drawing cannot be started</source>
        <translation>impossibile avviare il disegno SVG</translation>
    </message>
    <message>
        <source>the SVG drawing cannot be finished</source>
        <translation>impossibile completare il disegno SVG</translation>
    </message>
    <message>
        <source>there is not enough memory for a picture of %1</source>
        <translation>memoria insufficiente per un&apos;immagine di %1</translation>
    </message>
    <message>
        <source>the PNG picture cannot be made: %1</source>
        <translation>impossibile creare l&apos;immagine PNG: %1</translation>
    </message>
    <message>
        <source>this build of Cordavo saves pictures as PNG only</source>
        <translation>questa versione di Cordavo salva le immagini solo in PNG</translation>
    </message>
</context>
<context>
    <name>cordavo::FileCommands</name>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>Impossibile salvare &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>File %1 Saved</source>
        <translation>File %1 salvato</translation>
    </message>
    <message>
        <source>File %1 Loaded</source>
        <translation>File %1 caricato</translation>
    </message>
</context>
<context>
    <name>cordavo::FileOpening</name>
    <message>
        <source>temperament</source>
        <translation>temperamento</translation>
    </message>
    <message>
        <source>supplier</source>
        <translation>fornitore</translation>
    </message>
    <message>
        <source>Scala scale</source>
        <translation>scala in formato Scala</translation>
    </message>
    <message>
        <source>cents</source>
        <translation>cent</translation>
    </message>
    <message>
        <source>intervals</source>
        <translation>intervalli</translation>
    </message>
    <message>
        <source>temperament xml</source>
        <translation>temperamento xml</translation>
    </message>
    <message>
        <source>%1 is not a file %2 can open: %3</source>
        <translation>%1 non è un file che %2 possa aprire: %3</translation>
    </message>
</context>
<context>
    <name>cordavo::LibraryDialog</name>
    <message>
        <source>Temperament Library</source>
        <translation>Libreria dei temperamenti</translation>
    </message>
    <message>
        <source>Filter by name</source>
        <translation>Filtra per nome</translation>
    </message>
    <message>
        <source>The temperament library could not be read. %1</source>
        <translation>Impossibile leggere la libreria dei temperamenti. %1</translation>
    </message>
    <message>
        <source>Temperaments</source>
        <translation>Temperamenti</translation>
    </message>
    <message>
        <source>Deviation in cents, A = 0</source>
        <translation>Deviazione in cent, La = 0</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>No temperament of the library has such a name.</source>
        <translation>Nessun temperamento della libreria ha questo nome.</translation>
    </message>
    <message>
        <source>No temperament of the library has such a name; the nearest are listed.</source>
        <translation>Nessun temperamento della libreria ha questo nome; sono elencati i più simili.</translation>
    </message>
    <message>
        <source>Also known as </source>
        <translation>Noto anche come </translation>
    </message>
</context>
<context>
    <name>cordavo::ListenWindow</name>
    <message>
        <source>Listen</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>&amp;Sound:</source>
        <translation>&amp;Suono:</translation>
    </message>
    <message>
        <source>&amp;Key of the scale and cadence:</source>
        <translation>&amp;Tonalità della scala e della cadenza:</translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation>&amp;Durata:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Ri&amp;produci</translation>
    </message>
    <message>
        <source>&amp;Hold to Play</source>
        <translation>T&amp;enere premuto per suonare</translation>
    </message>
    <message>
        <source>S&amp;top (Esc)</source>
        <translation>&amp;Ferma (Esc)</translation>
    </message>
    <message>
        <source>Equal temperament</source>
        <translation>Temperamento equabile</translation>
    </message>
    <message>
        <source>&amp;Compare with:</source>
        <translation>&amp;Confronta con:</translation>
    </message>
    <message>
        <source>S&amp;witch Temperament (Space)</source>
        <translation>Ca&amp;mbia temperamento (Spazio)</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voce:</translation>
    </message>
    <message>
        <source>V&amp;olume:</source>
        <translation>V&amp;olume:</translation>
    </message>
    <message>
        <source>Save So&amp;und…</source>
        <translation>Salva a&amp;udio…</translation>
    </message>
    <message>
        <source>No sound output was found; Save Sound… still works</source>
        <translation>Nessuna uscita audio trovata; Salva audio… funziona comunque</translation>
    </message>
    <message>
        <source>WAV 16-bit (*.wav)</source>
        <translation>WAV 16 bit (*.wav)</translation>
    </message>
    <message>
        <source>WAV 32-bit float (*.wav)</source>
        <translation>WAV 32 bit in virgola mobile (*.wav)</translation>
    </message>
    <message>
        <source>, old temperament</source>
        <translation>, temperamento vecchio</translation>
    </message>
    <message>
        <source>, new temperament</source>
        <translation>, temperamento nuovo</translation>
    </message>
    <message>
        <source>Heard now: %1</source>
        <translation>In ascolto: %1</translation>
    </message>
    <message>
        <source>Heard now: the main window&apos;s temperament</source>
        <translation>In ascolto: il temperamento della finestra principale</translation>
    </message>
    <message>
        <source>Sound and &amp;MIDI…</source>
        <translation>Suono e M&amp;IDI…</translation>
    </message>
    <message>
        <source>“%1” (%2)</source>
        <translation>“%1” (%2)</translation>
    </message>
    <message>
        <source>The sound system “%1” is not available; the automatic choice is used.</source>
        <translation>Il sistema audio “%1” non è disponibile; si usa la scelta automatica.</translation>
    </message>
    <message>
        <source>The sound output “%1” was not found; the default is used.</source>
        <translation>L&apos;uscita audio “%1” non è stata trovata; si usa quella predefinita.</translation>
    </message>
    <message>
        <source>The sound output %1 could not be opened.</source>
        <translation>Non è stato possibile aprire l&apos;uscita audio %1.</translation>
    </message>
    <message>
        <source>The sound output %1 did not start.</source>
        <translation>L&apos;uscita audio %1 non si è avviata.</translation>
    </message>
    <message>
        <source>The sound output %1 took no sound within a second and was closed.</source>
        <translation>L&apos;uscita audio %1 non ha preso suono entro un secondo ed è stata chiusa.</translation>
    </message>
    <message>
        <source>The sound output %1 stopped.</source>
        <translation>L&apos;uscita audio %1 si è fermata.</translation>
    </message>
    <message>
        <source>The sound system says: %1</source>
        <translation>Il sistema audio dice: %1</translation>
    </message>
    <message>
        <source>Choose another output under Sound and MIDI…; Save Sound… still works.</source>
        <translation>Scegliete un&apos;altra uscita in Suono e MIDI…; Salva audio… funziona comunque.</translation>
    </message>
    <message>
        <source>The MIDI input “%1” is gone; its notes were released.</source>
        <translation>L’ingresso MIDI «%1» non c’è più; le sue note sono state rilasciate.</translation>
    </message>
    <message>
        <source>Keyboard: %1 play %2 to %3</source>
        <translation>Tastiera: %1 suonano da %2 a %3</translation>
    </message>
</context>
<context>
    <name>cordavo::SendTuningDialog</name>
    <message>
        <source>Send Tuning</source>
        <translation>Invia accordatura</translation>
    </message>
    <message>
        <source>MIDI &amp;output:</source>
        <translation>&amp;Uscita MIDI:</translation>
    </message>
    <message>
        <source>&amp;Form:</source>
        <translation>&amp;Forma:</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Invia</translation>
    </message>
</context>
<context>
    <name>cordavo::SetterWindow</name>
    <message>
        <source>Exporting is not possible! Calculations are required before</source>
        <translation>Impossibile esportare! Prima occorre eseguire i calcoli</translation>
    </message>
    <message>
        <source>this setter</source>
        <translation>questa finestra di impostazione</translation>
    </message>
    <message>
        <source>%1 Rounds: &quot;%2&quot; is not a whole number of decimals from 0 to 10</source>
        <translation>%1 Decimali: &quot;%2&quot; non è un numero intero di decimali da 0 a 10</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice di lista fuori dai limiti (%1)</translation>
    </message>
    <message>
        <source>Export correctly</source>
        <translation>Esportazione riuscita</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>Espo&amp;rta</translation>
    </message>
    <message>
        <source>Old temperament</source>
        <translation>Temperamento vecchio</translation>
    </message>
    <message>
        <source>New temperament</source>
        <translation>Temperamento nuovo</translation>
    </message>
</context>
<context>
    <name>cordavo::SoundMidiDialog</name>
    <message>
        <source>Sound and MIDI</source>
        <translation>Suono e MIDI</translation>
    </message>
    <message>
        <source>Sound &amp;system:</source>
        <translation>&amp;Sistema audio:</translation>
    </message>
    <message>
        <source>Output &amp;device:</source>
        <translation>&amp;Dispositivo di uscita:</translation>
    </message>
    <message>
        <source>&amp;Buffer:</source>
        <translation>&amp;Buffer:</translation>
    </message>
    <message>
        <source>&amp;All MIDI inputs</source>
        <translation>&amp;Tutti gli ingressi MIDI</translation>
    </message>
    <message>
        <source>MIDI inputs listened to</source>
        <translation>Ingressi MIDI ascoltati</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Qualsiasi</translation>
    </message>
    <message>
        <source>MIDI &amp;channel:</source>
        <translation>&amp;Canale MIDI:</translation>
    </message>
    <message>
        <source>MIDI &amp;output for Send Tuning:</source>
        <translation>&amp;Uscita MIDI per Invia accordatura:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Latency: %1 ms a period at %2 kHz</source>
        <translation>Latenza: %1 ms per periodo a %2 kHz</translation>
    </message>
    <message>
        <source>Automatic (no sound output found)</source>
        <translation>Automatico (nessuna uscita audio trovata)</translation>
    </message>
    <message>
        <source>Automatic (%1 now)</source>
        <translation>Automatico (ora %1)</translation>
    </message>
    <message>
        <source>The sound system “%1” is not available; the automatic choice is used.</source>
        <translation>Il sistema audio “%1” non è disponibile; si usa la scelta automatica.</translation>
    </message>
    <message>
        <source>The sound output “%1” was not found; the default is used.</source>
        <translation>L&apos;uscita audio “%1” non è stata trovata; si usa quella predefinita.</translation>
    </message>
    <message>
        <source>The MIDI input “%1” was not found.</source>
        <translation>L&apos;ingresso MIDI “%1” non è stato trovato.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>The MIDI output “%1” was not found; none is chosen.</source>
        <translation>L&apos;uscita MIDI “%1” non è stata trovata; non ne è scelta alcuna.</translation>
    </message>
    <message numerus="yes">
        <source>%n frames</source>
        <translation>
            <numerusform>%n frame</numerusform>
            <numerusform>%n frame</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cordavo::TAboutBox</name>
    <message>
        <source>About Cordavo</source>
        <translation>Informazioni su Cordavo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licenza</translation>
    </message>
    <message>
        <source>Cordavo builds temperament files for the Hauptwerk virtual pipe organ.</source>
        <translation>Cordavo crea file di temperamento per l&apos;organo a canne virtuale Hauptwerk.</translation>
    </message>
    <message>
        <source>You may use it and give it away freely, unchanged and free of charge.</source>
        <translation>Lo si può usare e distribuire liberamente, senza modifiche e gratuitamente.</translation>
    </message>
    <message>
        <source>1. The files it makes are yours.</source>
        <translation>1. I file che crea sono vostri.</translation>
    </message>
    <message>
        <source>2.  It may not be sold, alone or with other programs.</source>
        <translation>2.  Non può essere venduto, né da solo né con altri programmi.</translation>
    </message>
    <message>
        <source>3. Hauptwerk is a trademark of its owner.</source>
        <translation>3. Hauptwerk è un marchio del suo proprietario.</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Esclusione di responsabilità</translation>
    </message>
    <message>
        <source>This program is distributed  as it is, without any warranty.</source>
        <translation>Questo programma è distribuito così com&apos;è, senza alcuna garanzia.</translation>
    </message>
    <message>
        <source>Check the pitches of a temperament file before you rely on it.</source>
        <translation>Verificare le altezze di un file di temperamento prima di farvi affidamento.</translation>
    </message>
    <message>
        <source>The authors accept no liability for any damage its use may cause.</source>
        <translation>Gli autori non accettano alcuna responsabilità per eventuali danni derivanti dal suo uso.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Licences of the libraries…</source>
        <translation>Licenze delle librerie…</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>Licences of the libraries</source>
        <translation>Licenze delle librerie</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormCents</name>
    <message>
        <source>Setting Cents Temperaments</source>
        <translation>Impostazione dei temperamenti in cent</translation>
    </message>
    <message>
        <source>&amp;Original Cents Temperament</source>
        <translation>Temperamento in cent &amp;originale</translation>
    </message>
    <message>
        <source>&amp;New CentsTemperament</source>
        <translation>Temperamento in cent &amp;nuovo</translation>
    </message>
    <message>
        <source> name</source>
        <translation> nome</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Cent</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>Lo&amp;ad</source>
        <translation>C&amp;arica</translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation>&amp;Equabile</translation>
    </message>
    <message>
        <source>Eq&amp;ual</source>
        <translation>E&amp;quabile</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Sal&amp;va</translation>
    </message>
    <message>
        <source>L&amp;ibrary…</source>
        <translation>L&amp;ibreria…</translation>
    </message>
    <message>
        <source>Li&amp;brary…</source>
        <translation>Li&amp;breria…</translation>
    </message>
    <message>
        <source>Cents setter</source>
        <translation>Impostazione in cent</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormCicloQuinte</name>
    <message>
        <source>Setting The Cycle of Fifths</source>
        <translation>Impostazione del circolo delle quinte</translation>
    </message>
    <message>
        <source>Old Temperament</source>
        <translation>Temperamento vecchio</translation>
    </message>
    <message>
        <source>New Temperament</source>
        <translation>Temperamento nuovo</translation>
    </message>
    <message>
        <source>%1 fifth %2-%3</source>
        <translation>%1 quinta %2-%3</translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation>E&amp;quabile</translation>
    </message>
    <message>
        <source>Eq&amp;ual</source>
        <translation>Eq&amp;uabile</translation>
    </message>
    <message>
        <source> Comma </source>
        <translation> Comma </translation>
    </message>
    <message>
        <source>&amp;Syntonic</source>
        <translation>&amp;Sintonico</translation>
    </message>
    <message>
        <source>S&amp;yntonic</source>
        <translation>S&amp;intonico</translation>
    </message>
    <message>
        <source>&amp;Pythagorean</source>
        <translation>&amp;Pitagorico</translation>
    </message>
    <message>
        <source>Pyt&amp;hagorean</source>
        <translation>Pi&amp;tagorico</translation>
    </message>
    <message>
        <source>&amp;Rounds</source>
        <translation>&amp;Decimali</translation>
    </message>
    <message>
        <source>Roun&amp;ds</source>
        <translation>Deci&amp;mali</translation>
    </message>
    <message>
        <source> rounds</source>
        <translation> decimali</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcola</translation>
    </message>
    <message>
        <source>Calcula&amp;te</source>
        <translation>Calco&amp;la</translation>
    </message>
    <message>
        <source>Value in Cents</source>
        <translation>Valore in cent</translation>
    </message>
    <message>
        <source> values in cents</source>
        <translation> valori in cent</translation>
    </message>
    <message>
        <source>E&amp;xport Cents</source>
        <translation>&amp;Esporta cent</translation>
    </message>
    <message>
        <source>Export Ce&amp;nts</source>
        <translation>Esp&amp;orta cent</translation>
    </message>
    <message>
        <source>%1 fifth %2 (%3-%4)</source>
        <translation>%1 quinta %2 (%3-%4)</translation>
    </message>
    <message>
        <source>Fifths setter</source>
        <translation>Impostazione per quinte</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormScale</name>
    <message>
        <source>Setting Intervals temperaments</source>
        <translation>Impostazione dei temperamenti per intervalli</translation>
    </message>
    <message>
        <source>Original Temperament</source>
        <translation>Temperamento originale</translation>
    </message>
    <message>
        <source>New Temperament</source>
        <translation>Temperamento nuovo</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>Lo&amp;ad</source>
        <translation>C&amp;arica</translation>
    </message>
    <message>
        <source>&amp;Name Temperament</source>
        <translation>&amp;Nome temperamento</translation>
    </message>
    <message>
        <source>Na&amp;me Temperament</source>
        <translation>No&amp;me temperamento</translation>
    </message>
    <message>
        <source> name</source>
        <translation> nome</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Sal&amp;va</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalli</translation>
    </message>
    <message>
        <source>%1 fraction %2 %3</source>
        <translation>%1 frazione %2 %3</translation>
    </message>
    <message>
        <source>numerator</source>
        <translation>numeratore</translation>
    </message>
    <message>
        <source>denominator</source>
        <translation>denominatore</translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation>E&amp;quabile</translation>
    </message>
    <message>
        <source>Eq&amp;ual</source>
        <translation>Eq&amp;uabile</translation>
    </message>
    <message>
        <source>&amp;Rounds</source>
        <translation>&amp;Decimali</translation>
    </message>
    <message>
        <source>Roun&amp;ds</source>
        <translation>Dec&amp;imali</translation>
    </message>
    <message>
        <source> rounds</source>
        <translation> decimali</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>Ca&amp;lcola</translation>
    </message>
    <message>
        <source>Calcula&amp;te</source>
        <translation>Calc&amp;ola</translation>
    </message>
    <message>
        <source>Values in Cents</source>
        <translation>Valori in cent</translation>
    </message>
    <message>
        <source> values in cents</source>
        <translation> valori in cent</translation>
    </message>
    <message>
        <source>E&amp;xport Cents</source>
        <translation>&amp;Esporta cent</translation>
    </message>
    <message>
        <source>Ex&amp;port Cents</source>
        <translation>Es&amp;porta cent</translation>
    </message>
    <message>
        <source>Original Temperament Intervals</source>
        <translation>Intervalli del temperamento originale</translation>
    </message>
    <message>
        <source>New Temperament Intervals</source>
        <translation>Intervalli del temperamento nuovo</translation>
    </message>
    <message>
        <source>Intervals setter</source>
        <translation>Impostazione per intervalli</translation>
    </message>
    <message>
        <source>Equal Temperament</source>
        <translation>Temperamento equabile</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormTemperamento</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Generate xml</source>
        <translation>&amp;Genera xml</translation>
    </message>
    <message>
        <source>S&amp;how xml</source>
        <translation>&amp;Mostra xml</translation>
    </message>
    <message>
        <source>&amp;Open xml</source>
        <translation>&amp;Apri xml</translation>
    </message>
    <message>
        <source>&amp;Save xml</source>
        <translation>&amp;Salva xml</translation>
    </message>
    <message>
        <source>&amp;Export Tuning…</source>
        <translation>Es&amp;porta accordatura…</translation>
    </message>
    <message>
        <source>&amp;Load GrandOrgue Temperament…</source>
        <translation>Carica temperamento G&amp;randOrgue…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>F&amp;unctions</source>
        <translation>Fun&amp;zioni</translation>
    </message>
    <message>
        <source>&amp;Load Supplier</source>
        <translation>Carica &amp;fornitore</translation>
    </message>
    <message>
        <source>&amp;Save Supplier</source>
        <translation>Salva f&amp;ornitore</translation>
    </message>
    <message>
        <source>Load &amp;Temperament</source>
        <translation>Carica &amp;temperamento</translation>
    </message>
    <message>
        <source>Load S&amp;cala…</source>
        <translation>Carica S&amp;cala…</translation>
    </message>
    <message>
        <source>Sa&amp;ve Temperament</source>
        <translation>Sal&amp;va temperamento</translation>
    </message>
    <message>
        <source>&amp;Analyse Temperament</source>
        <translation>&amp;Analizza temperamento</translation>
    </message>
    <message>
        <source>Liste&amp;n…</source>
        <translation>Asco&amp;lta…</translation>
    </message>
    <message>
        <source>Tuning &amp;Guide…</source>
        <translation>&amp;Guida all&apos;accordatura…</translation>
    </message>
    <message>
        <source>Temperament L&amp;ibrary…</source>
        <translation>L&amp;ibreria dei temperamenti…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Stam&amp;pa</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Antep&amp;rima di stampa…</translation>
    </message>
    <message>
        <source>Page Set&amp;up</source>
        <translation>Imposta&amp;zioni pagina</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>In&amp;formazioni</translation>
    </message>
    <message>
        <source>Hauptwerk Temperament File Generator</source>
        <translation>Generatore di file di temperamento Hauptwerk</translation>
    </message>
    <message>
        <source>&amp;Old Temperament</source>
        <translation>Temperamento &amp;vecchio</translation>
    </message>
    <message>
        <source>Old Temperament A =</source>
        <translation>Temperamento vecchio La =</translation>
    </message>
    <message>
        <source>&amp;Set Temperamet</source>
        <translation>&amp;Imposta temperamento</translation>
    </message>
    <message>
        <source>&amp;Cents</source>
        <translation>&amp;Cent</translation>
    </message>
    <message>
        <source>&amp;Intervals</source>
        <translation>Inte&amp;rvalli</translation>
    </message>
    <message>
        <source>Fift&amp;h</source>
        <translation>&amp;Quinta</translation>
    </message>
    <message>
        <source>Ne&amp;w Temperament</source>
        <translation>Temperamento n&amp;uovo</translation>
    </message>
    <message>
        <source>New Temperament A =</source>
        <translation>Temperamento nuovo La =</translation>
    </message>
    <message>
        <source>Supplier Na&amp;me</source>
        <translation>No&amp;me fornitore</translation>
    </message>
    <message>
        <source>I&amp;D Supplier</source>
        <translation>I&amp;D fornitore</translation>
    </message>
    <message>
        <source>ID &amp;Temperament</source>
        <translation>ID &amp;temperamento</translation>
    </message>
    <message>
        <source>&amp;Name Temperament</source>
        <translation>&amp;Nome temperamento</translation>
    </message>
    <message>
        <source>Sho&amp;rt Name</source>
        <translation>Nome &amp;breve</translation>
    </message>
    <message>
        <source>Comm&amp;ent</source>
        <translation>Comm&amp;ento</translation>
    </message>
    <message>
        <source> cents</source>
        <translation> cent</translation>
    </message>
    <message>
        <source>Temperament (*.Temperament_Hauptwerk_xml *.Temperament.Hauptwerk.xml *.xml *.Txt *.txt)</source>
        <translation>Temperamento (*.Temperament_Hauptwerk_xml *.Temperament.Hauptwerk.xml *.xml *.Txt *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>A reference-pitch box does not hold a pitch from %1 to %2 Hz.</source>
        <translation>Un campo del diapason di riferimento non contiene un&apos;altezza da %1 a %2 Hz.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a pitch from %3 to %4 Hz</source>
        <translation>%1: &quot;%2&quot; non è un&apos;altezza da %3 a %4 Hz</translation>
    </message>
    <message>
        <source>Before Generating The XML Page</source>
        <translation>Generare prima la pagina XML</translation>
    </message>
    <message>
        <source>File %1 Saved</source>
        <translation>File %1 salvato</translation>
    </message>
    <message>
        <source>Unsaved data for errors !</source>
        <translation>Dati non salvati a causa di errori!</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>The &amp;system&apos;s language</source>
        <translation>Lingua del &amp;sistema</translation>
    </message>
    <message>
        <source>Cordavo speaks the chosen language from its next start.</source>
        <translation>Cordavo userà la lingua scelta dal prossimo avvio.</translation>
    </message>
    <message>
        <source>A =</source>
        <translation>La =</translation>
    </message>
    <message>
        <source>Sen&amp;d Tuning…</source>
        <translation>&amp;Invia accordatura…</translation>
    </message>
    <message>
        <source>No MIDI output was found: connect an instrument, or start it, and try again.</source>
        <translation>Nessuna uscita MIDI trovata: collegate o avviate uno strumento e riprovate.</translation>
    </message>
    <message>
        <source>The tuning could not be sent to %1: %2</source>
        <translation>Impossibile inviare l&apos;accordatura a %1: %2</translation>
    </message>
    <message>
        <source>The tuning was sent to %1 (%2).</source>
        <translation>Accordatura inviata a %1 (%2).</translation>
    </message>
    <message>
        <source>Sound and &amp;MIDI…</source>
        <translation>Suono e &amp;MIDI…</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormXml</name>
    <message>
        <source>Xml document</source>
        <translation>Documento xml</translation>
    </message>
</context>
<context>
    <name>cordavo::TextPrinting</name>
    <message>
        <source>Cannot print: the printer could not be opened</source>
        <translation>Impossibile stampare: non è stato possibile aprire la stampante</translation>
    </message>
    <message>
        <source>Printing failed: the printer reported an error</source>
        <translation>Stampa non riuscita: la stampante ha segnalato un errore</translation>
    </message>
</context>
<context>
    <name>cordavo::TuningGuideWindow</name>
    <message>
        <source>Tuning Guide</source>
        <translation>Guida all&apos;accordatura</translation>
    </message>
    <message>
        <source>8′ (as written; harpsichord)</source>
        <translation>8′ (come scritto; clavicembalo)</translation>
    </message>
    <message>
        <source>4′ (an octave higher: Principal 4′)</source>
        <translation>4′ (un&apos;ottava sopra: Ottava 4′)</translation>
    </message>
    <message>
        <source>2′ (two octaves higher)</source>
        <translation>2′ (due ottave sopra)</translation>
    </message>
    <message>
        <source>Count per &amp;metronome beat at MM</source>
        <translation>Conta per battito di &amp;metronomo a MM</translation>
    </message>
    <message>
        <source>&amp;Temperature: the organ is at pitch at</source>
        <translation>&amp;Temperatura: l&apos;organo è accordato a</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettera</translation>
    </message>
    <message>
        <source>Tuning guide</source>
        <translation>Guida all&apos;accordatura</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>Save P&amp;DF…</source>
        <translation>Salva P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Bearing:</source>
        <translation>&amp;Partizione:</translation>
    </message>
    <message>
        <source>&amp;Stop:</source>
        <translation>&amp;Registro:</translation>
    </message>
    <message>
        <source>and is &amp;now at</source>
        <translation>e &amp;ora è a</translation>
    </message>
    <message>
        <source>P&amp;aper:</source>
        <translation>C&amp;arta:</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot print: the printer could not be opened</source>
        <translation>Impossibile stampare: non è stato possibile aprire la stampante</translation>
    </message>
    <message>
        <source>Printing failed: the printer reported an error</source>
        <translation>Stampa non riuscita: la stampante ha segnalato un errore</translation>
    </message>
</context>
</TS>
