<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CircleOfFifths</name>
    <message>
        <source>%1: &quot;%2&quot; is not one of %3</source>
        <translation>%1: &quot;%2&quot; is niet een van %3</translation>
    </message>
</context>
<context>
    <name>GrandOrgueConfig</name>
    <message>
        <source>%1 would lie %2 cents from equal temperament at A = 440 Hz, beyond the -1200 to +1200 cents that GrandOrgue takes</source>
        <translation>%1 zou %2 cent van de gelijkzwevende stemming bij A = 440 Hz liggen, buiten de -1200 tot +1200 cent die GrandOrgue aanvaardt</translation>
    </message>
    <message>
        <source>The %1 %2 holds a &quot;;&quot;, which starts a comment in GrandOrgue&apos;s settings file: GrandOrgue would cut the %1 there</source>
        <translation>De %1 %2 bevat een &quot;;&quot;, waarmee in het instellingenbestand van GrandOrgue een commentaar begint: GrandOrgue zou de %1 daar afbreken</translation>
    </message>
    <message>
        <source>The %1 %2 holds a line break, which would end its line in GrandOrgue&apos;s settings file</source>
        <translation>De %1 %2 bevat een regeleinde, dat zijn regel in het instellingenbestand van GrandOrgue zou beëindigen</translation>
    </message>
    <message>
        <source>%1 is not a GrandOrgue settings file: </source>
        <translation>%1 is geen instellingenbestand van GrandOrgue: </translation>
    </message>
    <message>
        <source>its compressed data is damaged or too large</source>
        <translation>de gecomprimeerde gegevens zijn beschadigd of te groot</translation>
    </message>
    <message>
        <source>it is not text</source>
        <translation>het is geen tekst</translation>
    </message>
    <message>
        <source>%1, line %2: %3 is given a second time in [%4]; GrandOrgue would stop on this file</source>
        <translation>%1, regel %2: %3 wordt een tweede keer opgegeven in [%4]; GrandOrgue zou op dit bestand vastlopen</translation>
    </message>
    <message>
        <source>it has no [General] section</source>
        <translation>het heeft geen sectie [General]</translation>
    </message>
    <message>
        <source>%1: UserTemperamentCount=%2 is not a number of user temperaments from 0 to 999</source>
        <translation>%1: UserTemperamentCount=%2 is geen aantal gebruikersstemmingen van 0 tot 999</translation>
    </message>
    <message>
        <source>%1: the user temperament [%2] has no %3</source>
        <translation>%1: de gebruikersstemming [%2] heeft geen %3</translation>
    </message>
    <message>
        <source>%1 counts %2 user temperaments but has no section [%3]</source>
        <translation>%1 telt %2 gebruikersstemmingen maar heeft geen sectie [%3]</translation>
    </message>
    <message>
        <source>%1: in [%2], %3=%4 is not a number of cents</source>
        <translation>%1: in [%2] is %3=%4 geen aantal cent</translation>
    </message>
    <message>
        <source>group</source>
        <translation>groep</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titel</translation>
    </message>
    <message>
        <source>The title is empty: GrandOrgue lists a temperament by its title</source>
        <translation>De titel is leeg: GrandOrgue toont een stemming onder haar titel</translation>
    </message>
    <message>
        <source>%1 lies beyond the -1200 to +1200 cents that GrandOrgue takes</source>
        <translation>%1 ligt buiten de -1200 tot +1200 cent die GrandOrgue aanvaardt</translation>
    </message>
    <message>
        <source>%1 already holds a temperament titled %2 in the group %3</source>
        <translation>%1 bevat al een stemming met de titel %2 in de groep %3</translation>
    </message>
    <message>
        <source>%1 already holds %2 user temperaments, as many as GrandOrgue takes</source>
        <translation>%1 bevat al %2 gebruikersstemmingen, zoveel als GrandOrgue aanvaardt</translation>
    </message>
    <message>
        <source>GrandOrgue is running (process %1) and would overwrite the change to %2 when it next saves its settings: close GrandOrgue first, then export again</source>
        <translation>GrandOrgue draait (proces %1) en zou de wijziging in %2 overschrijven wanneer het zijn instellingen opnieuw opslaat: sluit eerst GrandOrgue en exporteer dan opnieuw</translation>
    </message>
</context>
<context>
    <name>GrandOrgueExchange</name>
    <message>
        <source>GrandOrgue settings (GrandOrgueConfig*)</source>
        <translation>GrandOrgue-instellingen (GrandOrgueConfig*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>GrandOrgue user temperament (GrandOrgueConfig*)</source>
        <translation>GrandOrgue-gebruikersstemming (GrandOrgueConfig*)</translation>
    </message>
    <message>
        <source>Export to GrandOrgue</source>
        <translation>Exporteren naar GrandOrgue</translation>
    </message>
    <message>
        <source>&amp;Fold the pitch in: GrandOrgue plays at the new A</source>
        <translation>Toonhoogte &amp;verwerken: GrandOrgue speelt op de nieuwe A</translation>
    </message>
    <message>
        <source>GrandOrgue tunes to A = 440 Hz. Checked, every offset is raised by the new A in cents from 440 Hz (415 Hz gives -101.27); unchecked, the offsets are the deviations with A at 0.</source>
        <translation>GrandOrgue stemt op A = 440 Hz. Aangevinkt wordt elke afwijking verhoogd met de nieuwe A in cent ten opzichte van 440 Hz (415 Hz geeft -101,27); niet aangevinkt zijn het de afwijkingen met A op 0.</translation>
    </message>
    <message>
        <source>&amp;Group (submenu):</source>
        <translation>&amp;Groep (submenu):</translation>
    </message>
    <message>
        <source>&amp;Title (menu text):</source>
        <translation>&amp;Titel (menutekst):</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>In %1</translation>
    </message>
    <message>
        <source>File %1 Saved
%2 is in GrandOrgue&apos;s group %3</source>
        <translation>Bestand %1 opgeslagen
%2 staat in de groep %3 van GrandOrgue</translation>
    </message>
    <message>
        <source>Replace GrandOrgue Temperament</source>
        <translation>GrandOrgue-stemming vervangen</translation>
    </message>
    <message>
        <source>%1 already holds %2 in the group %3.
Replace it? Organs that chose it will play the new one.</source>
        <translation>%1 bevat al %2 in de groep %3.
Vervangen? Orgels die deze stemming kozen, spelen dan de nieuwe.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Vervangen</translation>
    </message>
    <message>
        <source>%1 holds no user temperaments</source>
        <translation>%1 bevat geen gebruikersstemmingen</translation>
    </message>
    <message>
        <source>Load GrandOrgue Temperament</source>
        <translation>GrandOrgue-stemming laden</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
</context>
<context>
    <name>GuideSheet</name>
    <message>
        <source>the PDF page cannot be drawn</source>
        <translation>de PDF-pagina kan niet worden getekend</translation>
    </message>
</context>
<context>
    <name>KeyboardMapping</name>
    <message>
        <source>the file ends before the %1</source>
        <translation>het bestand eindigt vóór de %1</translation>
    </message>
    <message>
        <source>%1 is not a valid %2: a whole number from %3 to %4</source>
        <translation>%1 is geen geldige %2: een geheel getal van %3 tot %4</translation>
    </message>
    <message>
        <source>%1 is not a text file: it holds NUL bytes</source>
        <translation>%1 is geen tekstbestand: het bevat NUL-bytes</translation>
    </message>
    <message>
        <source>map size</source>
        <translation>grootte van de toewijzing</translation>
    </message>
    <message>
        <source>the map size is %1; only twelve keys to the octave load (12, or 0 for a linear mapping)</source>
        <translation>de grootte van de toewijzing is %1; alleen twaalf toetsen per octaaf kunnen worden geladen (12, of 0 voor een lineaire toewijzing)</translation>
    </message>
    <message>
        <source>first key</source>
        <translation>eerste toets</translation>
    </message>
    <message>
        <source>last key</source>
        <translation>laatste toets</translation>
    </message>
    <message>
        <source>middle key</source>
        <translation>middelste toets</translation>
    </message>
    <message>
        <source>the middle key %1 is not a C: the scale&apos;s 1/1 is C, on a key that is a multiple of 12 (60 for middle C)</source>
        <translation>de middelste toets %1 is geen C: de 1/1 van de toonladder is C, op een toets die een veelvoud van 12 is (60 voor de middelste C)</translation>
    </message>
    <message>
        <source>reference key</source>
        <translation>referentietoets</translation>
    </message>
    <message>
        <source>reference frequency</source>
        <translation>referentiefrequentie</translation>
    </message>
    <message>
        <source>%1 is not a frequency in Hz</source>
        <translation>%1 is geen frequentie in Hz</translation>
    </message>
    <message>
        <source>octave degree</source>
        <translation>octaaftrap</translation>
    </message>
    <message>
        <source>the formal octave is degree %1; only degree 12 loads</source>
        <translation>het formele octaaf is trap %1; alleen trap 12 kan worden geladen</translation>
    </message>
    <message>
        <source>map entry of key %1</source>
        <translation>toewijzing van toets %1</translation>
    </message>
    <message>
        <source>key %1 of the map plays %2; only the degrees 0 to 11 in order load</source>
        <translation>toets %1 van de toewijzing speelt %2; alleen de trappen 0 tot 11 in volgorde kunnen worden geladen</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The temperament table is missing from the resources</source>
        <translation>De stemmingstabel ontbreekt in de resources</translation>
    </message>
    <message>
        <source>Werckmeister&apos;s first temperament is his just monochord, which the library does not hold; the nearest is Pure Major. The library&apos;s Werckmeister III, 4, 5 and 6 are his temperaments of 1691.</source>
        <translation>Werckmeisters eerste stemming is zijn reine monochord, dat de bibliotheek niet bevat; het dichtst daarbij komt Pure Major. Werckmeister III, 4, 5 en 6 in de bibliotheek zijn zijn stemmingen van 1691.</translation>
    </message>
    <message>
        <source>Werckmeister&apos;s second temperament is his meantone monochord, 1/4 syntonic comma meantone. The library&apos;s Werckmeister III, 4, 5 and 6 are his temperaments of 1691.</source>
        <translation>Werckmeisters tweede stemming is zijn middentoonmonochord, 1/4-komma middentoon (syntonische komma). Werckmeister III, 4, 5 en 6 in de bibliotheek zijn zijn stemmingen van 1691.</translation>
    </message>
    <message>
        <source>the schisma</source>
        <translation>het schisma</translation>
    </message>
    <message>
        <source>a syntonic comma</source>
        <translation>een syntonische komma</translation>
    </message>
    <message>
        <source>a Pythagorean comma</source>
        <translation>een Pythagoreïsche komma</translation>
    </message>
    <message>
        <source>%1 syntonic comma</source>
        <translation>%1 syntonische komma</translation>
    </message>
    <message>
        <source>%1 Pythagorean comma</source>
        <translation>%1 Pythagoreïsche komma</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 narrowed by %2</source>
        <translation>%1 verkleind met %2</translation>
    </message>
    <message>
        <source>%1 widened by %2</source>
        <translation>%1 vergroot met %2</translation>
    </message>
    <message>
        <source>%1 takes what closes the circle</source>
        <translation>%1 neemt op wat de kwintencirkel sluit</translation>
    </message>
    <message>
        <source>%1 share what closes the circle</source>
        <translation>%1 delen wat de kwintencirkel sluit</translation>
    </message>
    <message>
        <source>the rest pure</source>
        <translation>de rest rein</translation>
    </message>
    <message>
        <source>just intonation on C: %1</source>
        <translation>reine stemming op C: %1</translation>
    </message>
    <message>
        <source>every fifth narrowed by 1/12 Pythagorean comma</source>
        <translation>elke kwint verkleind met 1/12 Pythagoreïsche komma</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/4 syntonic comma, the wolf G#-Eb</source>
        <translation>kwinten van Es tot Gis verkleind met 1/4 syntonische komma, de wolf Gis-Es</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/5 syntonic comma, the wolf G#-Eb</source>
        <translation>kwinten van Es tot Gis verkleind met 1/5 syntonische komma, de wolf Gis-Es</translation>
    </message>
    <message>
        <source>fifths from Db to F# narrowed by 1/5 syntonic comma, the wolf F#-Db; B, five such fifths above C, is 15/8</source>
        <translation>kwinten van Des tot Fis verkleind met 1/5 syntonische komma, de wolf Fis-Des; B, vijf zulke kwinten boven C, is 15/8</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/6 syntonic comma, the wolf G#-Eb</source>
        <translation>kwinten van Es tot Gis verkleind met 1/6 syntonische komma, de wolf Gis-Es</translation>
    </message>
    <message>
        <source>fifths from Ab to C# narrowed by 1/6 syntonic comma, the wolf C#-Ab</source>
        <translation>kwinten van As tot Cis verkleind met 1/6 syntonische komma, de wolf Cis-As</translation>
    </message>
    <message>
        <source>fifths of 32/55 octave (55 equal parts) from F# to B, the wolf B-F#</source>
        <translation>kwinten van 32/55 octaaf (55 gelijke delen) van Fis tot B, de wolf B-Fis</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 3/14 syntonic comma, the wolf G#-Eb</source>
        <translation>kwinten van Es tot Gis verkleind met 3/14 syntonische komma, de wolf Gis-Es</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 2/7 syntonic comma, the wolf G#-Eb</source>
        <translation>kwinten van Es tot Gis verkleind met 2/7 syntonische komma, de wolf Gis-Es</translation>
    </message>
    <message>
        <source>pure fifths from Eb to G#, the wolf G#-Eb</source>
        <translation>reine kwinten van Es tot Gis, de wolf Gis-Es</translation>
    </message>
    <message>
        <source>pure fifths from Gb to B, the wolf B-Gb</source>
        <translation>reine kwinten van Ges tot B, de wolf B-Ges</translation>
    </message>
    <message>
        <source>five-limit just intonation on C: 1/1 16/15 9/8 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</source>
        <translation>reine stemming (5-limiet) op C: 1/1 16/15 9/8 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</translation>
    </message>
    <message>
        <source>five-limit just intonation in A minor, the relative minor of Pure Major: A B C D E F G are 1/1 9/8 6/5 4/3 3/2 8/5 9/5 above A, so D-F-A and A-C-E are pure; on C: 1/1 25/24 10/9 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</source>
        <translation>reine stemming (5-limiet) in a klein, de parallelle toonsoort van Pure Major: A B C D E F G zijn 1/1 9/8 6/5 4/3 3/2 8/5 9/5 boven A, zodat D-F-A en A-C-E rein zijn; op C: 1/1 25/24 10/9 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</translation>
    </message>
    <message>
        <source>fifths of 32/55 octave (55 equal parts) from Eb to G#, the wolf G#-Eb</source>
        <translation>kwinten van 32/55 octaaf (55 gelijke delen) van Es tot Gis, de wolf Gis-Es</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A, A-E and B-F# narrowed by 1/5 Pythagorean comma, the rest pure</source>
        <translation>C-G, G-D, D-A, A-E en B-Fis verkleind met 1/5 Pythagoreïsche komma, de rest rein</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A and A-E narrowed by 1/4 syntonic comma, F#-C# by the schisma, the rest pure</source>
        <translation>C-G, G-D, D-A en A-E verkleind met 1/4 syntonische komma, Fis-Cis met het schisma, de rest rein</translation>
    </message>
    <message>
        <source>F-C, C-G, G-D, D-A, A-E and E-B narrowed by 1/6 Pythagorean comma, the rest pure</source>
        <translation>F-C, C-G, G-D, D-A, A-E en E-B verkleind met 1/6 Pythagoreïsche komma, de rest rein</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A and B-F# narrowed by 1/4 Pythagorean comma, the rest pure</source>
        <translation>C-G, G-D, D-A en B-Fis verkleind met 1/4 Pythagoreïsche komma, de rest rein</translation>
    </message>
    <message>
        <source>Werckmeister&apos;s septenarius, string lengths out of 196 as ratios: 1/1 98/93 28/25 196/165 49/39 4/3 196/139 196/131 49/31 196/117 98/55 49/26; D is the corrected 28/25 (196/175), not the misprinted 196/176 that left G-D 13 cents narrow</source>
        <translation>Werckmeisters septenarius, snaarlengten op 196 als verhoudingen: 1/1 98/93 28/25 196/165 49/39 4/3 196/139 196/131 49/31 196/117 98/55 49/26; D is de gecorrigeerde 28/25 (196/175), niet de verkeerd gedrukte 196/176 waardoor G-D 13 cent te klein was</translation>
    </message>
    <message>
        <source>pure fifths but D-A, narrowed by a syntonic comma, and F#-C#, narrowed by the schisma</source>
        <translation>reine kwinten behalve D-A, verkleind met een syntonische komma, en Fis-Cis, verkleind met het schisma</translation>
    </message>
    <message>
        <source>D-A and A-E narrowed by 1/2 syntonic comma, F#-C# by the schisma, the rest pure</source>
        <translation>D-A en A-E verkleind met 1/2 syntonische komma, Fis-Cis met het schisma, de rest rein</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A and A-E narrowed by 3/16 syntonic comma; E-B, B-F#, Bb-F and F-C share the rest of the Pythagorean comma (1/16 syntonic comma and 1/4 schisma each); F#-C#, C#-G#, G#-Eb and Eb-Bb pure</source>
        <translation>C-G, G-D, D-A en A-E verkleind met 3/16 syntonische komma; E-B, B-Fis, Bes-F en F-C delen de rest van de Pythagoreïsche komma (elk 1/16 syntonische komma en 1/4 schisma); Fis-Cis, Cis-Gis, Gis-Es en Es-Bes rein</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A, A-E, E-B and B-F# narrowed by 1/6 Pythagorean comma, the rest pure</source>
        <translation>C-G, G-D, D-A, A-E, E-B en B-Fis verkleind met 1/6 Pythagoreïsche komma, de rest rein</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/3 syntonic comma, the wolf G#-Eb</source>
        <translation>kwinten van Es tot Gis verkleind met 1/3 syntonische komma, de wolf Gis-Es</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 2/9 syntonic comma, the wolf G#-Eb</source>
        <translation>kwinten van Es tot Gis verkleind met 2/9 syntonische komma, de wolf Gis-Es</translation>
    </message>
    <message>
        <source>fifths alternately narrowed by 1/6 Pythagorean comma and pure round the circle from C: C-G, D-A, E-B, F#-C#, G#-Eb and Bb-F narrowed, the rest pure</source>
        <translation>kwinten rond de cirkel vanaf C afwisselend verkleind met 1/6 Pythagoreïsche komma en rein: C-G, D-A, E-B, Fis-Cis, Gis-Es en Bes-F verkleind, de rest rein</translation>
    </message>
    <message>
        <source>The construction is read off the row as compiled, not taken from a source; a published table differs by 0.65 cents at C#, F# and G#.</source>
        <translation>De constructie is afgelezen uit de rij zoals samengesteld, niet overgenomen uit een bron; een gepubliceerde tabel wijkt 0,65 cent af bij Cis, Fis en Gis.</translation>
    </message>
    <message>
        <source>As compiled, with the wolf on B-F#; the organ&apos;s restorer puts it on G#-D#.</source>
        <translation>Zoals samengesteld, met de wolf op B-Fis; de restaurateur van het orgel legt hem op Gis-Dis.</translation>
    </message>
    <message>
        <source>A modern well-tempered reading of Schlick&apos;s text of 1511, not a temperament of 1555.</source>
        <translation>Een moderne welgetemperde lezing van Schlicks tekst uit 1511, geen stemming uit 1555.</translation>
    </message>
    <message>
        <source>Line %1 of the temperament table: %2</source>
        <translation>Regel %1 van de stemmingstabel: %2</translation>
    </message>
    <message>
        <source>%1 columns instead of %2</source>
        <translation>%1 kolommen in plaats van %2</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>de naam is leeg</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes twice</source>
        <translation>&quot;%1&quot; komt twee keer voor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; is geen getal</translation>
    </message>
    <message>
        <source>A is not 0</source>
        <translation>A is niet 0</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language: it, de, nl or fr</comment>
        <translation>nl</translation>
    </message>
</context>
<context>
    <name>LineFile</name>
    <message>
        <source>No space left on device</source>
        <translation>Geen ruimte meer op het apparaat</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Alleen-lezen bestandssysteem</translation>
    </message>
    <message>
        <source>the file could not be written completely; the old file, if any, is unchanged</source>
        <translation>het bestand kon niet volledig worden geschreven; het oude bestand, als dat er is, is ongewijzigd</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>de map %1 bestaat niet</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is geen map</translation>
    </message>
    <message>
        <source>no new file can be made in the folder %1 (%2)</source>
        <translation>in de map %1 kan geen nieuw bestand worden aangemaakt (%2)</translation>
    </message>
    <message>
        <source>Line %1 of %2: %3</source>
        <translation>Regel %1 van %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 is geen getal</translation>
    </message>
    <message>
        <source>%1 is too large: no field holds a number beyond %2 either way</source>
        <translation>%1 is te groot: geen enkel veld bevat een getal voorbij %2, positief of negatief</translation>
    </message>
    <message>
        <source>%1 is not a text file: it holds NUL bytes</source>
        <translation>%1 is geen tekstbestand: het bevat NUL-bytes</translation>
    </message>
    <message>
        <source>Cannot load %1: it is a folder, not a file</source>
        <translation>Kan %1 niet laden: het is een map, geen bestand</translation>
    </message>
    <message>
        <source>Cannot load %1: at %2 bytes it is too large for this kind of file</source>
        <translation>Kan %1 niet laden: met %2 bytes is het te groot voor dit soort bestand</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>Kan %1 niet laden: %2</translation>
    </message>
    <message>
        <source>Cannot load %1: it is too large for this kind of file</source>
        <translation>Kan %1 niet laden: het is te groot voor dit soort bestand</translation>
    </message>
    <message>
        <source>Cannot save %1: it is a folder</source>
        <translation>Kan %1 niet opslaan: het is een map</translation>
    </message>
    <message>
        <source>Cannot save %1: it is not a regular file (a device, a pipe or a socket); nothing was written</source>
        <translation>Kan %1 niet opslaan: het is geen gewoon bestand (een apparaat, een pipe of een socket); er is niets geschreven</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Kan %1 niet opslaan: %2</translation>
    </message>
    <message numerus="yes">
        <source>the line is missing; the file has %n line of the %1 it needs</source>
        <translation>
            <numerusform>de regel ontbreekt; het bestand heeft %n van de %1 regels die het nodig heeft</numerusform>
            <numerusform>de regel ontbreekt; het bestand heeft %n van de %1 regels die het nodig heeft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the line is missing; the file has %n lines of the %1 it needs</source>
        <translation>
            <numerusform>de regel ontbreekt; het bestand heeft %n van de %1 regels die het nodig heeft</numerusform>
            <numerusform>de regel ontbreekt; het bestand heeft %n van de %1 regels die het nodig heeft</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MidiInput</name>
    <message>
        <source>No MIDI input was found</source>
        <translation>Geen MIDI-ingang gevonden</translation>
    </message>
    <message>
        <source>These MIDI inputs could not be opened: %1</source>
        <translation>Deze MIDI-ingangen konden niet worden geopend: %1</translation>
    </message>
</context>
<context>
    <name>MidiOutput</name>
    <message>
        <source>MIDI output &quot;%1&quot; was not found.</source>
        <translation>MIDI-uitgang &quot;%1&quot; niet gevonden.</translation>
    </message>
    <message>
        <source>No MIDI output was found.</source>
        <translation>Geen MIDI-uitgang gevonden.</translation>
    </message>
    <message>
        <source>The MIDI outputs are:</source>
        <translation>De MIDI-uitgangen zijn:</translation>
    </message>
    <message>
        <source>MIDI output &quot;%1&quot; could not be opened: %2</source>
        <translation>MIDI-uitgang &quot;%1&quot; kon niet worden geopend: %2</translation>
    </message>
    <message>
        <source>the MIDI system refused it</source>
        <translation>het MIDI-systeem weigerde hem</translation>
    </message>
    <message>
        <source>No MIDI output is open.</source>
        <translation>Er is geen MIDI-uitgang geopend.</translation>
    </message>
    <message>
        <source>The bytes to send to %1 are not whole MIDI messages.</source>
        <translation>De bytes voor %1 zijn geen volledige MIDI-berichten.</translation>
    </message>
    <message>
        <source>The MIDI output %1 did not take the messages: %2</source>
        <translation>MIDI-uitgang %1 nam de berichten niet aan: %2</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>C#</source>
        <translation>Cis</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>D#</source>
        <translation>Dis</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>F#</source>
        <translation>Fis</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>G#</source>
        <translation>Gis</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>A#</source>
        <translation>Ais</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Eb</source>
        <translation>Es</translation>
    </message>
    <message>
        <source>Bb</source>
        <translation>Bes</translation>
    </message>
</context>
<context>
    <name>NumEditText</name>
    <message>
        <source>The decimal separator here is &quot;%1&quot; (the regional setting), not &quot;%2&quot;</source>
        <translation>Het decimaalteken is hier &quot;%1&quot; (de landinstelling), niet &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>NumberFormat</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is geen geldige decimale waarde</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
</context>
<context>
    <name>QtUserDialogs</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 bestaat al.
Wilt u het vervangen?</translation>
    </message>
</context>
<context>
    <name>ReadyMadeSounds</name>
    <message>
        <source>%1 major triad</source>
        <translation>Grote drieklank op %1</translation>
    </message>
    <message>
        <source>%1 minor triad</source>
        <translation>Kleine drieklank op %1</translation>
    </message>
    <message>
        <source>Fifth %1–%2</source>
        <translation>Kwint %1–%2</translation>
    </message>
    <message>
        <source>Major third %1–%2</source>
        <translation>Grote terts %1–%2</translation>
    </message>
    <message>
        <source>Scale of %1 major</source>
        <translation>Toonladder van %1 groot</translation>
    </message>
    <message>
        <source>Cadence I–IV–V–I in %1 major</source>
        <translation>Cadens I–IV–V–I in %1 groot</translation>
    </message>
</context>
<context>
    <name>ScalaFile</name>
    <message>
        <source>%1 is not a pitch</source>
        <translation>%1 is geen toonhoogte</translation>
    </message>
    <message>
        <source>%1 is too large: no field holds a number beyond %2 either way</source>
        <translation>%1 is te groot: geen enkel veld bevat een getal voorbij %2, positief of negatief</translation>
    </message>
    <message>
        <source>%1 is not a pitch: cents need a full stop, a ratio reads like 3/2</source>
        <translation>%1 is geen toonhoogte: centwaarden hebben een punt nodig, een verhouding luidt als 3/2</translation>
    </message>
    <message>
        <source>%1 is not a pitch: its terms are too large</source>
        <translation>%1 is geen toonhoogte: de termen zijn te groot</translation>
    </message>
    <message>
        <source>%1 is a negative ratio</source>
        <translation>%1 is een negatieve verhouding</translation>
    </message>
    <message>
        <source>%1 is not a ratio: a term is 0</source>
        <translation>%1 is geen verhouding: een term is 0</translation>
    </message>
    <message>
        <source>%1 is not a text file: it holds NUL bytes</source>
        <translation>%1 is geen tekstbestand: het bevat NUL-bytes</translation>
    </message>
    <message>
        <source>the file ends before %1</source>
        <translation>het bestand eindigt vóór %1</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>de beschrijving</translation>
    </message>
    <message>
        <source>the number of notes</source>
        <translation>het aantal noten</translation>
    </message>
    <message>
        <source>%1 is not a number of notes</source>
        <translation>%1 is geen aantal noten</translation>
    </message>
    <message>
        <source>the scale has %1 notes; only scales of 12 notes load</source>
        <translation>de toonladder heeft %1 noten; alleen toonladders van 12 noten kunnen worden geladen</translation>
    </message>
    <message>
        <source>the file ends after %1 of its 12 pitches</source>
        <translation>het bestand eindigt na %1 van de 12 toonhoogten</translation>
    </message>
    <message>
        <source>the last pitch %1 is not the octave (2/1 or 1200.0)</source>
        <translation>de laatste toonhoogte %1 is niet het octaaf (2/1 of 1200.0)</translation>
    </message>
    <message numerus="yes">
        <source>the scale has %n note; only scales of 12 notes load</source>
        <translation>
            <numerusform>de toonladder heeft %n noot; alleen toonladders van 12 noten kunnen worden geladen</numerusform>
            <numerusform>de toonladder heeft %n noten; alleen toonladders van 12 noten kunnen worden geladen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the scale has %n notes; only scales of 12 notes load</source>
        <translation>
            <numerusform>de toonladder heeft %n noot; alleen toonladders van 12 noten kunnen worden geladen</numerusform>
            <numerusform>de toonladder heeft %n noten; alleen toonladders van 12 noten kunnen worden geladen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpelledNotes</name>
    <message>
        <source>Cb</source>
        <translation>Ces</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>C#</source>
        <translation>Cis</translation>
    </message>
    <message>
        <source>Db</source>
        <translation>Des</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>D#</source>
        <translation>Dis</translation>
    </message>
    <message>
        <source>Eb</source>
        <translation>Es</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>E#</source>
        <translation>Eis</translation>
    </message>
    <message>
        <source>Fb</source>
        <translation>Fes</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>F#</source>
        <translation>Fis</translation>
    </message>
    <message>
        <source>Gb</source>
        <translation>Ges</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>G#</source>
        <translation>Gis</translation>
    </message>
    <message>
        <source>Ab</source>
        <translation>As</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>A#</source>
        <translation>Ais</translation>
    </message>
    <message>
        <source>Bb</source>
        <translation>Bes</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>B#</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>scientific</source>
        <extracomment>How notes are named with their octave in this language. Keep exactly one of these words: scientific (C4 is middle C), solfege (Do3 is middle C), helmholtz (c′ is middle C).</extracomment>
        <translation>helmholtz</translation>
    </message>
</context>
<context>
    <name>TemperamentXml</name>
    <message>
        <source>Supplier Name Required</source>
        <translation>Naam van de leverancier vereist</translation>
    </message>
    <message>
        <source>ID Supplier must be greater than zero</source>
        <translation>ID leverancier moet groter zijn dan nul</translation>
    </message>
    <message>
        <source>ID Temperament must be greater than zero</source>
        <translation>ID stemming moet groter zijn dan nul</translation>
    </message>
    <message>
        <source>Short Name Temperament Required</source>
        <translation>Korte naam van de stemming vereist</translation>
    </message>
    <message>
        <source>Temperament Name Required</source>
        <translation>Naam van de stemming vereist</translation>
    </message>
    <message>
        <source>%1 is %2 cents; a note must lie from -%3 to +%3 cents</source>
        <translation>%1 is %2 cent; een noot moet tussen -%3 en +%3 cent liggen</translation>
    </message>
    <message>
        <source>%1 at no finite number of cents</source>
        <translation>%1 op geen eindig aantal cent</translation>
    </message>
    <message>
        <source>%1 at %2%3 cents</source>
        <translation>%1 op %2%3 cent</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: it puts %2, where a note must lie from -%3 to +%3 cents</source>
        <translation>%1 kan niet worden geladen: het zet %2, terwijl een noot tussen -%3 en +%3 cent moet liggen</translation>
    </message>
    <message numerus="yes">
        <source> (and %n more note)</source>
        <translation>
            <numerusform> (en nog %n noot)</numerusform>
            <numerusform> (en nog %n noten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (and %n more notes)</source>
        <translation>
            <numerusform> (en nog %n noot)</numerusform>
            <numerusform> (en nog %n noten)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TemperamentXmlReader</name>
    <message>
        <source>%1 cannot be opened as a temperament: %2</source>
        <translation>%1 kan niet als stemming worden geopend: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>it holds no XML element</source>
        <translation>het bevat geen XML-element</translation>
    </message>
    <message>
        <source>it is not a Hauptwerk temperament file</source>
        <translation>het is geen Hauptwerk-stemmingsbestand</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation>%1 &quot;%2&quot; is geen getal</translation>
    </message>
    <message>
        <source>a note near line %1 lacks its number or its pitch</source>
        <translation>bij een noot rond regel %1 ontbreekt het nummer of de toonhoogte</translation>
    </message>
    <message>
        <source>note number %1 is not from 0 to 132</source>
        <translation>notennummer %1 ligt niet tussen 0 en 132</translation>
    </message>
    <message>
        <source>note %1 has no positive pitch</source>
        <translation>noot %1 heeft geen positieve toonhoogte</translation>
    </message>
    <message>
        <source>note %1 is there twice</source>
        <translation>noot %1 komt twee keer voor</translation>
    </message>
    <message>
        <source>it lacks note %1</source>
        <translation>noot %1 ontbreekt</translation>
    </message>
    <message>
        <source>note %1 is %2 cents away from the octave of note %3; the octaves disagree</source>
        <translation>noot %1 ligt %2 cent van het octaaf van noot %3; de octaven komen niet overeen</translation>
    </message>
    <message>
        <source>no two pitches of A from %1 to %2 Hz with notes from -%3 to +%3 cents give its pitches: its notes lie from %4 to %5 cents from equal temperament at A = 440 Hz</source>
        <translation>geen twee toonhoogten van A van %1 tot %2 Hz met noten van -%3 tot +%3 cent leveren de toonhoogten ervan op: de noten liggen %4 tot %5 cent van de gelijkzwevende stemming bij A = 440 Hz</translation>
    </message>
</context>
<context>
    <name>TuningExport</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 (%2 cents)</source>
        <translation>%1 (%2 cent)</translation>
    </message>
    <message>
        <source>Cannot save %1: the scale and its keyboard mapping would be the same file; give the scale a name ending in .scl</source>
        <translation>Kan %1 niet opslaan: de toonladder en de toetsenbordtoewijzing zouden hetzelfde bestand zijn; geef de toonladder een naam die eindigt op .scl</translation>
    </message>
    <message>
        <source>Scala scale and keyboard mapping</source>
        <translation>Scala-toonladder en toetsenbordtoewijzing</translation>
    </message>
    <message>
        <source>AnaMark tuning</source>
        <translation>AnaMark-stemming</translation>
    </message>
    <message>
        <source>MIDI tuning, bulk dump</source>
        <translation>MIDI-stemming, bulk dump</translation>
    </message>
    <message>
        <source>MIDI tuning, single-note changes</source>
        <translation>MIDI-stemming, wijzigingen per noot</translation>
    </message>
    <message>
        <source>MIDI tuning, scale/octave</source>
        <translation>MIDI-stemming, toonladder/octaaf</translation>
    </message>
    <message numerus="yes">
        <source>%n note could not be represented and was left unchanged: key %1</source>
        <translation>
            <numerusform>%n noot kon niet worden weergegeven en is ongewijzigd gelaten: toets %1</numerusform>
            <numerusform>%n noten konden niet worden weergegeven en zijn ongewijzigd gelaten: toetsen %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes could not be represented and were left unchanged: keys %1</source>
        <translation>
            <numerusform>%n noot kon niet worden weergegeven en is ongewijzigd gelaten: toets %1</numerusform>
            <numerusform>%n noten konden niet worden weergegeven en zijn ongewijzigd gelaten: toetsen %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note lies more than 100 cents from equal temperament, beyond what the octave message carries, and is held at its nearest limit: %1</source>
        <translation>
            <numerusform>%n noot ligt meer dan 100 cent van de gelijkzwevende stemming, buiten wat het octaafbericht kan bevatten, en wordt op de dichtstbijzijnde grens gehouden: %1</numerusform>
            <numerusform>%n noten liggen meer dan 100 cent van de gelijkzwevende stemming, buiten wat het octaafbericht kan bevatten, en worden op de dichtstbijzijnde grens gehouden: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes lie more than 100 cents from equal temperament, beyond what the octave message carries, and are held at its nearest limit: %1</source>
        <translation>
            <numerusform>%n noot ligt meer dan 100 cent van de gelijkzwevende stemming, buiten wat het octaafbericht kan bevatten, en wordt op de dichtstbijzijnde grens gehouden: %1</numerusform>
            <numerusform>%n noten liggen meer dan 100 cent van de gelijkzwevende stemming, buiten wat het octaafbericht kan bevatten, en worden op de dichtstbijzijnde grens gehouden: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TuningGuide</name>
    <message>
        <source>fifth</source>
        <translation>kwint</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>kwart</translation>
    </message>
    <message>
        <source>major third</source>
        <translation>grote terts</translation>
    </message>
    <message>
        <source>major sixth</source>
        <translation>grote sext</translation>
    </message>
    <message>
        <source>minor third</source>
        <translation>kleine terts</translation>
    </message>
    <message>
        <source>octave</source>
        <translation>octaaf</translation>
    </message>
    <message>
        <source>pure</source>
        <translation>rein</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>verkleind</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>vergroot</translation>
    </message>
    <message>
        <source>The stop must be 8, 4 or 2 feet, not %1</source>
        <translation>Het register moet 8, 4 of 2 voet zijn, niet %1</translation>
    </message>
    <message>
        <source>The metronome mark must lie from %1 to %2, not %3</source>
        <translation>Het metronoomgetal moet tussen %1 en %2 liggen, niet %3</translation>
    </message>
    <message>
        <source>Give both temperatures, the reference and now, or neither</source>
        <translation>Geef beide temperaturen op, de referentietemperatuur en de huidige, of geen van beide</translation>
    </message>
    <message>
        <source>A temperature must lie from %1 to %2 °C, not %3</source>
        <translation>Een temperatuur moet tussen %1 en %2 °C liggen, niet %3</translation>
    </message>
    <message>
        <source>Tuning guide</source>
        <translation>Stemhandleiding</translation>
    </message>
    <message>
        <source>Tuning guide: %1</source>
        <translation>Stemhandleiding: %1</translation>
    </message>
    <message>
        <source>A = %1 Hz · bearing %2 · %3 stop · %4</source>
        <translation>A = %1 Hz · legging %2 · register %3 · %4</translation>
    </message>
    <message>
        <source>At %1 °C, for an organ at A = %2 Hz at %3 °C: tune A to %4 Hz</source>
        <translation>Bij %1 °C, voor een orgel op A = %2 Hz bij %3 °C: stem A op %4 Hz</translation>
    </message>
    <message>
        <source>Per beat at MM %1</source>
        <translation>Per tel bij MM %1</translation>
    </message>
    <message>
        <source>In 5 s</source>
        <translation>In 5 s</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klank</translation>
    </message>
    <message>
        <source>From pure (cents)</source>
        <translation>Afwijking van rein (cent)</translation>
    </message>
    <message>
        <source>Beats/s</source>
        <translation>Zwevingen/s</translation>
    </message>
    <message>
        <source>Tuning order in the bearing %1</source>
        <translation>Stemvolgorde in de legging %1</translation>
    </message>
    <message>
        <source>Tune %1 to the fork or tuner: A = %2 Hz (%1 sounds at %3 Hz).</source>
        <translation>Stem %1 op de stemvork of het stemapparaat: A = %2 Hz (%1 klinkt op %3 Hz).</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Stap</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>Tune</source>
        <translation>Te stemmen</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Then outward</source>
        <translation>Daarna de rest van het klavier</translation>
    </message>
    <message>
        <source>Tune the rest of the compass from the bearing in pure octaves, upward and downward.</source>
        <translation>Stem de rest van de omvang vanuit de legging in reine octaven, naar boven en naar beneden.</translation>
    </message>
    <message>
        <source>For electronic tuners</source>
        <translation>Voor elektronische stemapparaten</translation>
    </message>
    <message>
        <source>Offsets from equal temperament in cents.</source>
        <translation>Afwijkingen van de gelijkzwevende stemming in cent.</translation>
    </message>
    <message>
        <source>A = 0 (A = %1 Hz)</source>
        <translation>A = 0 (A = %1 Hz)</translation>
    </message>
    <message>
        <source>C = 0 (A = %1 Hz)</source>
        <translation>C = 0 (A = %1 Hz)</translation>
    </message>
    <message>
        <source>minor sixth</source>
        <translation>kleine sext</translation>
    </message>
    <message>
        <source>narrow wolf</source>
        <translation>verkleind, wolf</translation>
    </message>
    <message>
        <source>wide wolf</source>
        <translation>vergroot, wolf</translation>
    </message>
    <message>
        <source>Beats faster than %1 a second are too fast to count on this stop: tune the bearing on a %2 stop.</source>
        <translation>Zwevingen sneller dan %1 per seconde zijn op dit register te snel om te tellen: stem de legging op een register van %2.</translation>
    </message>
    <message>
        <source>Each check follows the step that tunes the last of its notes.</source>
        <translation>Elke controle volgt op de stap die de laatste van haar noten stemt.</translation>
    </message>
    <message>
        <source>A well temperament: the beats of the major thirds rise and fall smoothly from note to note.</source>
        <translation>Een welgetemperde stemming: de zwevingen van de grote tertsen nemen van noot tot noot geleidelijk toe en af.</translation>
    </message>
    <message>
        <source>check</source>
        <translation>controle</translation>
    </message>
    <message>
        <source>The pure major third %1–%2 first, then the fifths %3 between its notes split evenly, each %4 cents narrow, at the beats given.</source>
        <translation>Eerst de reine grote terts %1–%2, dan de kwinten %3 tussen haar noten gelijk verdeeld, elk %4 cent verkleind, met de aangegeven zwevingen.</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <comment>The date as the language writes it in figures</comment>
        <translation>dd-MM-yyyy</translation>
    </message>
</context>
<context>
    <name>Voices</name>
    <message>
        <source>principal</source>
        <translation>prestant</translation>
    </message>
    <message>
        <source>flute</source>
        <translation>fluit</translation>
    </message>
    <message>
        <source>principal-octave</source>
        <translation>prestant en octaaf</translation>
    </message>
    <message>
        <source>reed</source>
        <translation>tongwerk</translation>
    </message>
</context>
<context>
    <name>cordavo::AnalysisWindow</name>
    <message>
        <source>Deviation from equal temperament (cents)</source>
        <translation>Afwijking van de gelijkzwevende stemming (cent)</translation>
    </message>
    <message>
        <source>outside: fifths
inside: major thirds
(cents from pure)</source>
        <translation>buiten: kwinten
binnen: grote tertsen
(cent van rein)</translation>
    </message>
    <message>
        <source>Red: wolf (fifth over %1 cents, third over %2 cents from pure)</source>
        <translation>Rood: wolf (kwint meer dan %1 cent, terts meer dan %2 cent van rein)</translation>
    </message>
    <message>
        <source>Green: pure</source>
        <translation>Groen: rein</translation>
    </message>
    <message>
        <source> · Plain: tempered</source>
        <translation> · Normaal: getemperd</translation>
    </message>
    <message>
        <source>Analyse Temperament</source>
        <translation>Stemming analyseren</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Noten</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Cent</translation>
    </message>
    <message>
        <source>From pure</source>
        <translation>Afwijking van rein</translation>
    </message>
    <message>
        <source>Beats (Hz)</source>
        <translation>Zwevingen (Hz)</translation>
    </message>
    <message>
        <source>Fifths and major thirds</source>
        <translation>Kwinten en grote tertsen</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>Afbeelding op&amp;slaan…</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-afbeelding (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-tekening (*.svg)</translation>
    </message>
    <message>
        <source>Beats measured from middle C upward, with A = %1 Hz.</source>
        <translation>Zwevingen gemeten vanaf de middelste C omhoog, met A = %1 Hz.</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Kwint</translation>
    </message>
    <message>
        <source>Major third</source>
        <translation>Grote terts</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 pixels</translation>
    </message>
    <message>
        <source>a picture of %1 cannot be drawn</source>
        <translation>een afbeelding van %1 kan niet worden getekend</translation>
    </message>
    <message>
        <source>the SVG drawing cannot be started</source>
        <translation>de SVG-tekening kan niet worden begonnen</translation>
    </message>
    <message>
        <source>the SVG drawing cannot be finished</source>
        <translation>de SVG-tekening kan niet worden voltooid</translation>
    </message>
    <message>
        <source>there is not enough memory for a picture of %1</source>
        <translation>er is niet genoeg geheugen voor een afbeelding van %1</translation>
    </message>
    <message>
        <source>the PNG picture cannot be made: %1</source>
        <translation>de PNG-afbeelding kan niet worden gemaakt: %1</translation>
    </message>
    <message>
        <source>this build of Cordavo saves pictures as PNG only</source>
        <translation>deze versie van Cordavo slaat afbeeldingen alleen als PNG op</translation>
    </message>
</context>
<context>
    <name>cordavo::FileCommands</name>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>Kan &quot;%1&quot; niet opslaan: %2</translation>
    </message>
    <message>
        <source>File %1 Saved</source>
        <translation>Bestand %1 opgeslagen</translation>
    </message>
    <message>
        <source>File %1 Loaded</source>
        <translation>Bestand %1 geladen</translation>
    </message>
</context>
<context>
    <name>cordavo::FileOpening</name>
    <message>
        <source>temperament</source>
        <translation>stemming</translation>
    </message>
    <message>
        <source>supplier</source>
        <translation>leverancier</translation>
    </message>
    <message>
        <source>Scala scale</source>
        <translation>Scala-toonladder</translation>
    </message>
    <message>
        <source>cents</source>
        <translation>cent</translation>
    </message>
    <message>
        <source>intervals</source>
        <translation>intervallen</translation>
    </message>
    <message>
        <source>temperament xml</source>
        <translation>stemming-xml</translation>
    </message>
    <message>
        <source>%1 is not a file %2 can open: %3</source>
        <translation>%1 is geen bestand dat %2 kan openen: %3</translation>
    </message>
</context>
<context>
    <name>cordavo::LibraryDialog</name>
    <message>
        <source>Temperament Library</source>
        <translation>Stemmingsbibliotheek</translation>
    </message>
    <message>
        <source>Filter by name</source>
        <translation>Filteren op naam</translation>
    </message>
    <message>
        <source>The temperament library could not be read. %1</source>
        <translation>De stemmingsbibliotheek kon niet worden gelezen. %1</translation>
    </message>
    <message>
        <source>Temperaments</source>
        <translation>Stemmingen</translation>
    </message>
    <message>
        <source>Deviation in cents, A = 0</source>
        <translation>Afwijking in cent, A = 0</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>No temperament of the library has such a name.</source>
        <translation>Geen stemming in de bibliotheek heeft zo&apos;n naam.</translation>
    </message>
    <message>
        <source>No temperament of the library has such a name; the nearest are listed.</source>
        <translation>Geen stemming in de bibliotheek heeft zo&apos;n naam; de meest gelijkende staan in de lijst.</translation>
    </message>
    <message>
        <source>Also known as </source>
        <translation>Ook bekend als </translation>
    </message>
</context>
<context>
    <name>cordavo::ListenWindow</name>
    <message>
        <source>Listen</source>
        <translation>Beluisteren</translation>
    </message>
    <message>
        <source>&amp;Sound:</source>
        <translation>&amp;Klank:</translation>
    </message>
    <message>
        <source>&amp;Key of the scale and cadence:</source>
        <translation>&amp;Toonsoort van toonladder en cadens:</translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation>&amp;Duur:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spelen</translation>
    </message>
    <message>
        <source>&amp;Hold to Play</source>
        <translation>Ingedrukt &amp;houden om te spelen</translation>
    </message>
    <message>
        <source>S&amp;top (Esc)</source>
        <translation>Sto&amp;ppen (Esc)</translation>
    </message>
    <message>
        <source>Equal temperament</source>
        <translation>Gelijkzwevende stemming</translation>
    </message>
    <message>
        <source>&amp;Compare with:</source>
        <translation>&amp;Vergelijken met:</translation>
    </message>
    <message>
        <source>S&amp;witch Temperament (Space)</source>
        <translation>Stemming &amp;wisselen (Spatie)</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>R&amp;egister:</translation>
    </message>
    <message>
        <source>V&amp;olume:</source>
        <translation>V&amp;olume:</translation>
    </message>
    <message>
        <source>Save So&amp;und…</source>
        <translation>Klank opsl&amp;aan…</translation>
    </message>
    <message>
        <source>No sound output was found; Save Sound… still works</source>
        <translation>Geen geluidsuitvoer gevonden; Klank opslaan… werkt nog wel</translation>
    </message>
    <message>
        <source>WAV 16-bit (*.wav)</source>
        <translation>WAV 16-bit (*.wav)</translation>
    </message>
    <message>
        <source>WAV 32-bit float (*.wav)</source>
        <translation>WAV 32-bit float (*.wav)</translation>
    </message>
    <message>
        <source>, old temperament</source>
        <translation>, oude stemming</translation>
    </message>
    <message>
        <source>, new temperament</source>
        <translation>, nieuwe stemming</translation>
    </message>
    <message>
        <source>Heard now: %1</source>
        <translation>Nu te horen: %1</translation>
    </message>
    <message>
        <source>Heard now: the main window&apos;s temperament</source>
        <translation>Nu te horen: de stemming van het hoofdvenster</translation>
    </message>
    <message>
        <source>Sound and &amp;MIDI…</source>
        <translation>Geluid en &amp;MIDI…</translation>
    </message>
    <message>
        <source>“%1” (%2)</source>
        <translation>“%1” (%2)</translation>
    </message>
    <message>
        <source>The sound system “%1” is not available; the automatic choice is used.</source>
        <translation>Het geluidssysteem “%1” is niet beschikbaar; de automatische keuze wordt gebruikt.</translation>
    </message>
    <message>
        <source>The sound output “%1” was not found; the default is used.</source>
        <translation>De geluidsuitvoer “%1” is niet gevonden; de standaard wordt gebruikt.</translation>
    </message>
    <message>
        <source>The sound output %1 could not be opened.</source>
        <translation>De geluidsuitvoer %1 kon niet worden geopend.</translation>
    </message>
    <message>
        <source>The sound output %1 did not start.</source>
        <translation>De geluidsuitvoer %1 is niet gestart.</translation>
    </message>
    <message>
        <source>The sound output %1 took no sound within a second and was closed.</source>
        <translation>De geluidsuitvoer %1 nam binnen een seconde geen geluid af en is gesloten.</translation>
    </message>
    <message>
        <source>The sound output %1 stopped.</source>
        <translation>De geluidsuitvoer %1 is gestopt.</translation>
    </message>
    <message>
        <source>The sound system says: %1</source>
        <translation>Het geluidssysteem meldt: %1</translation>
    </message>
    <message>
        <source>Choose another output under Sound and MIDI…; Save Sound… still works.</source>
        <translation>Kies een andere uitvoer onder Geluid en MIDI…; Klank opslaan… werkt nog wel.</translation>
    </message>
    <message>
        <source>The MIDI input “%1” is gone; its notes were released.</source>
        <translation>De MIDI-ingang ‘%1’ is verdwenen; de noten ervan zijn losgelaten.</translation>
    </message>
    <message>
        <source>Keyboard: %1 play %2 to %3</source>
        <translation>Toetsenbord: %1 spelen %2 tot %3</translation>
    </message>
</context>
<context>
    <name>cordavo::SendTuningDialog</name>
    <message>
        <source>Send Tuning</source>
        <translation>Stemming verzenden</translation>
    </message>
    <message>
        <source>MIDI &amp;output:</source>
        <translation>MIDI-&amp;uitgang:</translation>
    </message>
    <message>
        <source>&amp;Form:</source>
        <translation>&amp;Vorm:</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>Ver&amp;zenden</translation>
    </message>
</context>
<context>
    <name>cordavo::SetterWindow</name>
    <message>
        <source>Exporting is not possible! Calculations are required before</source>
        <translation>Exporteren is niet mogelijk! Eerst moet er berekend worden</translation>
    </message>
    <message>
        <source>this setter</source>
        <translation>dit instelvenster</translation>
    </message>
    <message>
        <source>%1 Rounds: &quot;%2&quot; is not a whole number of decimals from 0 to 10</source>
        <translation>%1 Decimalen: &quot;%2&quot; is geen geheel aantal decimalen van 0 tot 10</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Lijstindex buiten bereik (%1)</translation>
    </message>
    <message>
        <source>Export correctly</source>
        <translation>Correct geëxporteerd</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>Expor&amp;teren</translation>
    </message>
    <message>
        <source>Old temperament</source>
        <translation>Oude stemming</translation>
    </message>
    <message>
        <source>New temperament</source>
        <translation>Nieuwe stemming</translation>
    </message>
</context>
<context>
    <name>cordavo::SoundMidiDialog</name>
    <message>
        <source>Sound and MIDI</source>
        <translation>Geluid en MIDI</translation>
    </message>
    <message>
        <source>Sound &amp;system:</source>
        <translation>Geluids&amp;systeem:</translation>
    </message>
    <message>
        <source>Output &amp;device:</source>
        <translation>Uitvoer&amp;apparaat:</translation>
    </message>
    <message>
        <source>&amp;Buffer:</source>
        <translation>&amp;Buffer:</translation>
    </message>
    <message>
        <source>&amp;All MIDI inputs</source>
        <translation>A&amp;lle MIDI-ingangen</translation>
    </message>
    <message>
        <source>MIDI inputs listened to</source>
        <translation>Beluisterde MIDI-ingangen</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Elk</translation>
    </message>
    <message>
        <source>MIDI &amp;channel:</source>
        <translation>MIDI-&amp;kanaal:</translation>
    </message>
    <message>
        <source>MIDI &amp;output for Send Tuning:</source>
        <translation>MIDI-&amp;uitgang voor Stemming verzenden:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Latency: %1 ms a period at %2 kHz</source>
        <translation>Latentie: %1 ms per periode bij %2 kHz</translation>
    </message>
    <message>
        <source>Automatic (no sound output found)</source>
        <translation>Automatisch (geen geluidsuitvoer gevonden)</translation>
    </message>
    <message>
        <source>Automatic (%1 now)</source>
        <translation>Automatisch (nu %1)</translation>
    </message>
    <message>
        <source>The sound system “%1” is not available; the automatic choice is used.</source>
        <translation>Het geluidssysteem “%1” is niet beschikbaar; de automatische keuze wordt gebruikt.</translation>
    </message>
    <message>
        <source>The sound output “%1” was not found; the default is used.</source>
        <translation>De geluidsuitvoer “%1” is niet gevonden; de standaard wordt gebruikt.</translation>
    </message>
    <message>
        <source>The MIDI input “%1” was not found.</source>
        <translation>De MIDI-ingang “%1” is niet gevonden.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>The MIDI output “%1” was not found; none is chosen.</source>
        <translation>De MIDI-uitgang “%1” is niet gevonden; er is geen gekozen.</translation>
    </message>
    <message numerus="yes">
        <source>%n frames</source>
        <translation>
            <numerusform>%n frame</numerusform>
            <numerusform>%n frames</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cordavo::TAboutBox</name>
    <message>
        <source>About Cordavo</source>
        <translation>Over Cordavo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licentie</translation>
    </message>
    <message>
        <source>Cordavo builds temperament files for the Hauptwerk virtual pipe organ.</source>
        <translation>Cordavo maakt stemmingsbestanden voor het virtuele pijporgel Hauptwerk.</translation>
    </message>
    <message>
        <source>You may use it and give it away freely, unchanged and free of charge.</source>
        <translation>U mag het vrij gebruiken en doorgeven, ongewijzigd en kosteloos.</translation>
    </message>
    <message>
        <source>1. The files it makes are yours.</source>
        <translation>1. De bestanden die het maakt, zijn van u.</translation>
    </message>
    <message>
        <source>2.  It may not be sold, alone or with other programs.</source>
        <translation>2.  Het mag niet worden verkocht, alleen of samen met andere programma&apos;s.</translation>
    </message>
    <message>
        <source>3. Hauptwerk is a trademark of its owner.</source>
        <translation>3. Hauptwerk is een handelsmerk van de eigenaar.</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Disclaimer</translation>
    </message>
    <message>
        <source>This program is distributed  as it is, without any warranty.</source>
        <translation>Dit programma wordt verspreid zoals het is, zonder enige garantie.</translation>
    </message>
    <message>
        <source>Check the pitches of a temperament file before you rely on it.</source>
        <translation>Controleer de toonhoogten van een stemmingsbestand voordat u erop vertrouwt.</translation>
    </message>
    <message>
        <source>The authors accept no liability for any damage its use may cause.</source>
        <translation>De auteurs zijn niet aansprakelijk voor schade door het gebruik ervan.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Licences of the libraries…</source>
        <translation>Licenties van de bibliotheken…</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Kan %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>Licences of the libraries</source>
        <translation>Licenties van de bibliotheken</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormCents</name>
    <message>
        <source>Setting Cents Temperaments</source>
        <translation>Stemmingen instellen in cent</translation>
    </message>
    <message>
        <source>&amp;Original Cents Temperament</source>
        <translation>&amp;Oorspronkelijke stemming in cent</translation>
    </message>
    <message>
        <source>&amp;New CentsTemperament</source>
        <translation>&amp;Nieuwe stemming in cent</translation>
    </message>
    <message>
        <source> name</source>
        <translation> naam</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Cent</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Lo&amp;ad</source>
        <translation>La&amp;den</translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation>&amp;Gelijkzwevend</translation>
    </message>
    <message>
        <source>Eq&amp;ual</source>
        <translation>G&amp;elijkzwevend</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Opsla&amp;an</translation>
    </message>
    <message>
        <source>L&amp;ibrary…</source>
        <translation>&amp;Bibliotheek…</translation>
    </message>
    <message>
        <source>Li&amp;brary…</source>
        <translation>B&amp;ibliotheek…</translation>
    </message>
    <message>
        <source>Cents setter</source>
        <translation>Instellen in cent</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormCicloQuinte</name>
    <message>
        <source>Setting The Cycle of Fifths</source>
        <translation>Kwintencirkel instellen</translation>
    </message>
    <message>
        <source>Old Temperament</source>
        <translation>Oude stemming</translation>
    </message>
    <message>
        <source>New Temperament</source>
        <translation>Nieuwe stemming</translation>
    </message>
    <message>
        <source>%1 fifth %2-%3</source>
        <translation>%1 kwint %2-%3</translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation>&amp;Gelijkzwevend</translation>
    </message>
    <message>
        <source>Eq&amp;ual</source>
        <translation>G&amp;elijkzwevend</translation>
    </message>
    <message>
        <source> Comma </source>
        <translation> komma </translation>
    </message>
    <message>
        <source>&amp;Syntonic</source>
        <translation>&amp;Syntonisch</translation>
    </message>
    <message>
        <source>S&amp;yntonic</source>
        <translation>S&amp;yntonisch</translation>
    </message>
    <message>
        <source>&amp;Pythagorean</source>
        <translation>&amp;Pythagoreïsch</translation>
    </message>
    <message>
        <source>Pyt&amp;hagorean</source>
        <translation>Pyt&amp;hagoreïsch</translation>
    </message>
    <message>
        <source>&amp;Rounds</source>
        <translation>De&amp;cimalen</translation>
    </message>
    <message>
        <source>Roun&amp;ds</source>
        <translation>Dec&amp;imalen</translation>
    </message>
    <message>
        <source> rounds</source>
        <translation> decimalen</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berekenen</translation>
    </message>
    <message>
        <source>Calcula&amp;te</source>
        <translation>Be&amp;rekenen</translation>
    </message>
    <message>
        <source>Value in Cents</source>
        <translation>Waarde in cent</translation>
    </message>
    <message>
        <source> values in cents</source>
        <translation> waarden in cent</translation>
    </message>
    <message>
        <source>E&amp;xport Cents</source>
        <translation>Cent e&amp;xporteren</translation>
    </message>
    <message>
        <source>Export Ce&amp;nts</source>
        <translation>Ce&amp;nt exporteren</translation>
    </message>
    <message>
        <source>%1 fifth %2 (%3-%4)</source>
        <translation>%1 kwint %2 (%3-%4)</translation>
    </message>
    <message>
        <source>Fifths setter</source>
        <translation>Instellen per kwint</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormScale</name>
    <message>
        <source>Setting Intervals temperaments</source>
        <translation>Stemmingen instellen met intervallen</translation>
    </message>
    <message>
        <source>Original Temperament</source>
        <translation>Oorspronkelijke stemming</translation>
    </message>
    <message>
        <source>New Temperament</source>
        <translation>Nieuwe stemming</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Lo&amp;ad</source>
        <translation>La&amp;den</translation>
    </message>
    <message>
        <source>&amp;Name Temperament</source>
        <translation>&amp;Naam stemming</translation>
    </message>
    <message>
        <source>Na&amp;me Temperament</source>
        <translation>Naam ste&amp;mming</translation>
    </message>
    <message>
        <source> name</source>
        <translation> naam</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervallen</translation>
    </message>
    <message>
        <source>%1 fraction %2 %3</source>
        <translation>%1 breuk %2 %3</translation>
    </message>
    <message>
        <source>numerator</source>
        <translation>teller</translation>
    </message>
    <message>
        <source>denominator</source>
        <translation>noemer</translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation>&amp;Gelijkzwevend</translation>
    </message>
    <message>
        <source>Eq&amp;ual</source>
        <translation>G&amp;elijkzwevend</translation>
    </message>
    <message>
        <source>&amp;Rounds</source>
        <translation>De&amp;cimalen</translation>
    </message>
    <message>
        <source>Roun&amp;ds</source>
        <translation>Dec&amp;imalen</translation>
    </message>
    <message>
        <source> rounds</source>
        <translation> decimalen</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berekenen</translation>
    </message>
    <message>
        <source>Calcula&amp;te</source>
        <translation>Be&amp;rekenen</translation>
    </message>
    <message>
        <source>Values in Cents</source>
        <translation>Waarden in cent</translation>
    </message>
    <message>
        <source> values in cents</source>
        <translation> waarden in cent</translation>
    </message>
    <message>
        <source>E&amp;xport Cents</source>
        <translation>Cent e&amp;xporteren</translation>
    </message>
    <message>
        <source>Ex&amp;port Cents</source>
        <translation>Cent ex&amp;porteren</translation>
    </message>
    <message>
        <source>Original Temperament Intervals</source>
        <translation>Intervallen oorspronkelijke stemming</translation>
    </message>
    <message>
        <source>New Temperament Intervals</source>
        <translation>Intervallen nieuwe stemming</translation>
    </message>
    <message>
        <source>Intervals setter</source>
        <translation>Instellen per interval</translation>
    </message>
    <message>
        <source>Equal Temperament</source>
        <translation>Gelijkzwevende stemming</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormTemperamento</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Generate xml</source>
        <translation>xml &amp;genereren</translation>
    </message>
    <message>
        <source>S&amp;how xml</source>
        <translation>xml &amp;tonen</translation>
    </message>
    <message>
        <source>&amp;Open xml</source>
        <translation>xml &amp;openen</translation>
    </message>
    <message>
        <source>&amp;Save xml</source>
        <translation>xml op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Export Tuning…</source>
        <translation>Stemming &amp;exporteren…</translation>
    </message>
    <message>
        <source>&amp;Load GrandOrgue Temperament…</source>
        <translation>GrandOrgue-stemming &amp;laden…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>F&amp;unctions</source>
        <translation>F&amp;uncties</translation>
    </message>
    <message>
        <source>&amp;Load Supplier</source>
        <translation>&amp;Leverancier laden</translation>
    </message>
    <message>
        <source>&amp;Save Supplier</source>
        <translation>Leverancier op&amp;slaan</translation>
    </message>
    <message>
        <source>Load &amp;Temperament</source>
        <translation>S&amp;temming laden</translation>
    </message>
    <message>
        <source>Load S&amp;cala…</source>
        <translation>S&amp;cala laden…</translation>
    </message>
    <message>
        <source>Sa&amp;ve Temperament</source>
        <translation>Stemming opsla&amp;an</translation>
    </message>
    <message>
        <source>&amp;Analyse Temperament</source>
        <translation>Stemming a&amp;nalyseren</translation>
    </message>
    <message>
        <source>Liste&amp;n…</source>
        <translation>Bel&amp;uisteren…</translation>
    </message>
    <message>
        <source>Tuning &amp;Guide…</source>
        <translation>Stem&amp;handleiding…</translation>
    </message>
    <message>
        <source>Temperament L&amp;ibrary…</source>
        <translation>Stemmings&amp;bibliotheek…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Afdruk&amp;voorbeeld…</translation>
    </message>
    <message>
        <source>Page Set&amp;up</source>
        <translation>Pagina-&amp;instelling</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>Hauptwerk Temperament File Generator</source>
        <translation>Generator voor Hauptwerk-stemmingsbestanden</translation>
    </message>
    <message>
        <source>&amp;Old Temperament</source>
        <translation>&amp;Oude stemming</translation>
    </message>
    <message>
        <source>Old Temperament A =</source>
        <translation>Oude stemming A =</translation>
    </message>
    <message>
        <source>&amp;Set Temperamet</source>
        <translation>Stemming in&amp;stellen</translation>
    </message>
    <message>
        <source>&amp;Cents</source>
        <translation>&amp;Cent</translation>
    </message>
    <message>
        <source>&amp;Intervals</source>
        <translation>&amp;Intervallen</translation>
    </message>
    <message>
        <source>Fift&amp;h</source>
        <translation>&amp;Kwint</translation>
    </message>
    <message>
        <source>Ne&amp;w Temperament</source>
        <translation>Nieu&amp;we stemming</translation>
    </message>
    <message>
        <source>New Temperament A =</source>
        <translation>Nieuwe stemming A =</translation>
    </message>
    <message>
        <source>Supplier Na&amp;me</source>
        <translation>Naa&amp;m leverancier</translation>
    </message>
    <message>
        <source>I&amp;D Supplier</source>
        <translation>ID &amp;leverancier</translation>
    </message>
    <message>
        <source>ID &amp;Temperament</source>
        <translation>ID s&amp;temming</translation>
    </message>
    <message>
        <source>&amp;Name Temperament</source>
        <translation>&amp;Naam stemming</translation>
    </message>
    <message>
        <source>Sho&amp;rt Name</source>
        <translation>Ko&amp;rte naam</translation>
    </message>
    <message>
        <source>Comm&amp;ent</source>
        <translation>Comm&amp;entaar</translation>
    </message>
    <message>
        <source> cents</source>
        <translation> cent</translation>
    </message>
    <message>
        <source>Temperament (*.Temperament_Hauptwerk_xml *.Temperament.Hauptwerk.xml *.xml *.Txt *.txt)</source>
        <translation>Stemming (*.Temperament_Hauptwerk_xml *.Temperament.Hauptwerk.xml *.xml *.Txt *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>A reference-pitch box does not hold a pitch from %1 to %2 Hz.</source>
        <translation>Een vak voor de referentietoonhoogte bevat geen toonhoogte van %1 tot %2 Hz.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a pitch from %3 to %4 Hz</source>
        <translation>%1: &quot;%2&quot; is geen toonhoogte van %3 tot %4 Hz</translation>
    </message>
    <message>
        <source>Before Generating The XML Page</source>
        <translation>Eerst de XML-pagina genereren</translation>
    </message>
    <message>
        <source>File %1 Saved</source>
        <translation>Bestand %1 opgeslagen</translation>
    </message>
    <message>
        <source>Unsaved data for errors !</source>
        <translation>Gegevens niet opgeslagen wegens fouten!</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>The &amp;system&apos;s language</source>
        <translation>&amp;Systeemtaal</translation>
    </message>
    <message>
        <source>Cordavo speaks the chosen language from its next start.</source>
        <translation>Cordavo gebruikt de gekozen taal vanaf de volgende start.</translation>
    </message>
    <message>
        <source>A =</source>
        <translation>A =</translation>
    </message>
    <message>
        <source>Sen&amp;d Tuning…</source>
        <translation>Stemming &amp;verzenden…</translation>
    </message>
    <message>
        <source>No MIDI output was found: connect an instrument, or start it, and try again.</source>
        <translation>Geen MIDI-uitgang gevonden: sluit een instrument aan of start het, en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The tuning could not be sent to %1: %2</source>
        <translation>De stemming kon niet naar %1 worden verzonden: %2</translation>
    </message>
    <message>
        <source>The tuning was sent to %1 (%2).</source>
        <translation>De stemming is naar %1 verzonden (%2).</translation>
    </message>
    <message>
        <source>Sound and &amp;MIDI…</source>
        <translation>Geluid en &amp;MIDI…</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormXml</name>
    <message>
        <source>Xml document</source>
        <translation>Xml-document</translation>
    </message>
</context>
<context>
    <name>cordavo::TextPrinting</name>
    <message>
        <source>Cannot print: the printer could not be opened</source>
        <translation>Kan niet afdrukken: de printer kon niet worden geopend</translation>
    </message>
    <message>
        <source>Printing failed: the printer reported an error</source>
        <translation>Afdrukken mislukt: de printer meldde een fout</translation>
    </message>
</context>
<context>
    <name>cordavo::TuningGuideWindow</name>
    <message>
        <source>Tuning Guide</source>
        <translation>Stemhandleiding</translation>
    </message>
    <message>
        <source>8′ (as written; harpsichord)</source>
        <translation>8′ (zoals genoteerd; klavecimbel)</translation>
    </message>
    <message>
        <source>4′ (an octave higher: Principal 4′)</source>
        <translation>4′ (een octaaf hoger: Octaaf 4′)</translation>
    </message>
    <message>
        <source>2′ (two octaves higher)</source>
        <translation>2′ (twee octaven hoger)</translation>
    </message>
    <message>
        <source>Count per &amp;metronome beat at MM</source>
        <translation>Tellen per &amp;metronoomtel bij MM</translation>
    </message>
    <message>
        <source>&amp;Temperature: the organ is at pitch at</source>
        <translation>&amp;Temperatuur: het orgel staat op toonhoogte bij</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Tuning guide</source>
        <translation>Stemhandleiding</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Afdrukken…</translation>
    </message>
    <message>
        <source>Save P&amp;DF…</source>
        <translation>P&amp;DF opslaan…</translation>
    </message>
    <message>
        <source>&amp;Bearing:</source>
        <translation>&amp;Legging:</translation>
    </message>
    <message>
        <source>&amp;Stop:</source>
        <translation>&amp;Register:</translation>
    </message>
    <message>
        <source>and is &amp;now at</source>
        <translation>en is &amp;nu op</translation>
    </message>
    <message>
        <source>P&amp;aper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-document (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot print: the printer could not be opened</source>
        <translation>Kan niet afdrukken: de printer kon niet worden geopend</translation>
    </message>
    <message>
        <source>Printing failed: the printer reported an error</source>
        <translation>Afdrukken mislukt: de printer meldde een fout</translation>
    </message>
</context>
</TS>
