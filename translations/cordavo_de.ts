<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CircleOfFifths</name>
    <message>
        <source>%1: &quot;%2&quot; is not one of %3</source>
        <translation>%1: „%2“ ist keiner der Werte %3</translation>
    </message>
</context>
<context>
    <name>GrandOrgueConfig</name>
    <message>
        <source>%1 would lie %2 cents from equal temperament at A = 440 Hz, beyond the -1200 to +1200 cents that GrandOrgue takes</source>
        <translation>%1 läge %2 Cent von der gleichstufigen Stimmung bei A = 440 Hz entfernt, außerhalb der -1200 bis +1200 Cent, die GrandOrgue annimmt</translation>
    </message>
    <message>
        <source>The %1 %2 holds a &quot;;&quot;, which starts a comment in GrandOrgue&apos;s settings file: GrandOrgue would cut the %1 there</source>
        <translation>Das Feld %1 %2 enthält ein „;“, das in der Einstellungsdatei von GrandOrgue einen Kommentar einleitet: GrandOrgue würde das Feld %1 dort abschneiden</translation>
    </message>
    <message>
        <source>The %1 %2 holds a line break, which would end its line in GrandOrgue&apos;s settings file</source>
        <translation>Das Feld %1 %2 enthält einen Zeilenumbruch, der seine Zeile in der Einstellungsdatei von GrandOrgue beenden würde</translation>
    </message>
    <message>
        <source>%1 is not a GrandOrgue settings file: </source>
        <translation>%1 ist keine GrandOrgue-Einstellungsdatei: </translation>
    </message>
    <message>
        <source>its compressed data is damaged or too large</source>
        <translation>ihre komprimierten Daten sind beschädigt oder zu groß</translation>
    </message>
    <message>
        <source>it is not text</source>
        <translation>sie ist kein Text</translation>
    </message>
    <message>
        <source>%1, line %2: %3 is given a second time in [%4]; GrandOrgue would stop on this file</source>
        <translation>%1, Zeile %2: %3 ist in [%4] ein zweites Mal angegeben; GrandOrgue würde bei dieser Datei abbrechen</translation>
    </message>
    <message>
        <source>it has no [General] section</source>
        <translation>sie hat keinen Abschnitt [General]</translation>
    </message>
    <message>
        <source>%1: UserTemperamentCount=%2 is not a number of user temperaments from 0 to 999</source>
        <translation>%1: UserTemperamentCount=%2 ist keine Anzahl von Benutzerstimmungen von 0 bis 999</translation>
    </message>
    <message>
        <source>%1: the user temperament [%2] has no %3</source>
        <translation>%1: Die Benutzerstimmung [%2] hat keinen Eintrag %3</translation>
    </message>
    <message>
        <source>%1 counts %2 user temperaments but has no section [%3]</source>
        <translation>%1 zählt %2 Benutzerstimmungen, hat aber keinen Abschnitt [%3]</translation>
    </message>
    <message>
        <source>%1: in [%2], %3=%4 is not a number of cents</source>
        <translation>%1: In [%2] ist %3=%4 kein Wert in Cent</translation>
    </message>
    <message>
        <source>group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>The title is empty: GrandOrgue lists a temperament by its title</source>
        <translation>Der Titel ist leer: GrandOrgue führt eine Stimmung unter ihrem Titel auf</translation>
    </message>
    <message>
        <source>%1 lies beyond the -1200 to +1200 cents that GrandOrgue takes</source>
        <translation>%1 liegt außerhalb der -1200 bis +1200 Cent, die GrandOrgue annimmt</translation>
    </message>
    <message>
        <source>%1 already holds a temperament titled %2 in the group %3</source>
        <translation>%1 enthält bereits eine Stimmung mit dem Titel %2 in der Gruppe %3</translation>
    </message>
    <message>
        <source>%1 already holds %2 user temperaments, as many as GrandOrgue takes</source>
        <translation>%1 enthält bereits %2 Benutzerstimmungen, so viele, wie GrandOrgue annimmt</translation>
    </message>
    <message>
        <source>GrandOrgue is running (process %1) and would overwrite the change to %2 when it next saves its settings: close GrandOrgue first, then export again</source>
        <translation>GrandOrgue läuft (Prozess %1) und würde die Änderung an %2 beim nächsten Speichern seiner Einstellungen überschreiben: zuerst GrandOrgue schließen, dann erneut exportieren</translation>
    </message>
</context>
<context>
    <name>GrandOrgueExchange</name>
    <message>
        <source>GrandOrgue settings (GrandOrgueConfig*)</source>
        <translation>GrandOrgue-Einstellungen (GrandOrgueConfig*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>GrandOrgue user temperament (GrandOrgueConfig*)</source>
        <translation>GrandOrgue-Benutzerstimmung (GrandOrgueConfig*)</translation>
    </message>
    <message>
        <source>Export to GrandOrgue</source>
        <translation>Nach GrandOrgue exportieren</translation>
    </message>
    <message>
        <source>&amp;Fold the pitch in: GrandOrgue plays at the new A</source>
        <translation>&amp;Stimmtonhöhe einrechnen: GrandOrgue spielt mit dem neuen A</translation>
    </message>
    <message>
        <source>GrandOrgue tunes to A = 440 Hz. Checked, every offset is raised by the new A in cents from 440 Hz (415 Hz gives -101.27); unchecked, the offsets are the deviations with A at 0.</source>
        <translation>GrandOrgue stimmt auf A = 440 Hz. Wenn aktiviert, wird jede Abweichung um das neue A in Cent gegenüber 440 Hz verschoben (415 Hz ergibt -101,27); wenn deaktiviert, sind die Abweichungen die Werte mit A bei 0.</translation>
    </message>
    <message>
        <source>&amp;Group (submenu):</source>
        <translation>&amp;Gruppe (Untermenü):</translation>
    </message>
    <message>
        <source>&amp;Title (menu text):</source>
        <translation>&amp;Titel (Menütext):</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>In %1</translation>
    </message>
    <message>
        <source>File %1 Saved
%2 is in GrandOrgue&apos;s group %3</source>
        <translation>Datei %1 gespeichert
%2 steht in der GrandOrgue-Gruppe %3</translation>
    </message>
    <message>
        <source>Replace GrandOrgue Temperament</source>
        <translation>GrandOrgue-Stimmung ersetzen</translation>
    </message>
    <message>
        <source>%1 already holds %2 in the group %3.
Replace it? Organs that chose it will play the new one.</source>
        <translation>%1 enthält bereits %2 in der Gruppe %3.
Ersetzen? Orgeln, die sie gewählt haben, spielen dann die neue.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>%1 holds no user temperaments</source>
        <translation>%1 enthält keine Benutzerstimmungen</translation>
    </message>
    <message>
        <source>Load GrandOrgue Temperament</source>
        <translation>GrandOrgue-Stimmung laden</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
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
        <translation>die PDF-Seite kann nicht gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>KeyboardMapping</name>
    <message>
        <source>the file ends before the %1</source>
        <translation>die Datei endet vor dem Eintrag „%1“</translation>
    </message>
    <message>
        <source>%1 is not a valid %2: a whole number from %3 to %4</source>
        <translation>%1 ist kein gültiger Wert für „%2“: eine ganze Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>%1 is not a text file: it holds NUL bytes</source>
        <translation>%1 ist keine Textdatei: Sie enthält NUL-Bytes</translation>
    </message>
    <message>
        <source>map size</source>
        <translation>Zuordnungsgröße</translation>
    </message>
    <message>
        <source>the map size is %1; only twelve keys to the octave load (12, or 0 for a linear mapping)</source>
        <translation>die Zuordnungsgröße ist %1; geladen werden nur Zuordnungen mit zwölf Tasten pro Oktave (12, oder 0 für eine lineare Zuordnung)</translation>
    </message>
    <message>
        <source>first key</source>
        <translation>erste Taste</translation>
    </message>
    <message>
        <source>last key</source>
        <translation>letzte Taste</translation>
    </message>
    <message>
        <source>middle key</source>
        <translation>mittlere Taste</translation>
    </message>
    <message>
        <source>the middle key %1 is not a C: the scale&apos;s 1/1 is C, on a key that is a multiple of 12 (60 for middle C)</source>
        <translation>die mittlere Taste %1 ist kein C: Die 1/1 der Skala ist C, auf einer Taste, deren Nummer ein Vielfaches von 12 ist (60 für das mittlere C)</translation>
    </message>
    <message>
        <source>reference key</source>
        <translation>Bezugstaste</translation>
    </message>
    <message>
        <source>reference frequency</source>
        <translation>Bezugsfrequenz</translation>
    </message>
    <message>
        <source>%1 is not a frequency in Hz</source>
        <translation>%1 ist keine Frequenz in Hz</translation>
    </message>
    <message>
        <source>octave degree</source>
        <translation>Oktavstufe</translation>
    </message>
    <message>
        <source>the formal octave is degree %1; only degree 12 loads</source>
        <translation>die formale Oktave ist Stufe %1; nur Stufe 12 wird geladen</translation>
    </message>
    <message>
        <source>map entry of key %1</source>
        <translation>Zuordnungseintrag der Taste %1</translation>
    </message>
    <message>
        <source>key %1 of the map plays %2; only the degrees 0 to 11 in order load</source>
        <translation>Taste %1 der Zuordnung spielt %2; geladen werden nur die Stufen 0 bis 11 in ihrer Reihenfolge</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The temperament table is missing from the resources</source>
        <translation>Die Stimmungstabelle fehlt in den Ressourcen</translation>
    </message>
    <message>
        <source>Werckmeister&apos;s first temperament is his just monochord, which the library does not hold; the nearest is Pure Major. The library&apos;s Werckmeister III, 4, 5 and 6 are his temperaments of 1691.</source>
        <translation>Werckmeisters erste Stimmung ist sein reines Monochord, das die Bibliothek nicht enthält; am nächsten kommt Pure Major. Werckmeister III, 4, 5 und 6 der Bibliothek sind seine Stimmungen von 1691.</translation>
    </message>
    <message>
        <source>Werckmeister&apos;s second temperament is his meantone monochord, 1/4 syntonic comma meantone. The library&apos;s Werckmeister III, 4, 5 and 6 are his temperaments of 1691.</source>
        <translation>Werckmeisters zweite Stimmung ist sein mitteltöniges Monochord, 1/4-Komma-mitteltönig (syntonisches Komma). Werckmeister III, 4, 5 und 6 der Bibliothek sind seine Stimmungen von 1691.</translation>
    </message>
    <message>
        <source>the schisma</source>
        <translation>das Schisma</translation>
    </message>
    <message>
        <source>a syntonic comma</source>
        <translation>ein syntonisches Komma</translation>
    </message>
    <message>
        <source>a Pythagorean comma</source>
        <translation>ein pythagoreisches Komma</translation>
    </message>
    <message>
        <source>%1 syntonic comma</source>
        <translation>%1 syntonisches Komma</translation>
    </message>
    <message>
        <source>%1 Pythagorean comma</source>
        <translation>%1 pythagoreisches Komma</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 narrowed by %2</source>
        <translation>%1 um %2 verkleinert</translation>
    </message>
    <message>
        <source>%1 widened by %2</source>
        <translation>%1 um %2 vergrößert</translation>
    </message>
    <message>
        <source>%1 takes what closes the circle</source>
        <translation>%1 erhält den Rest, der den Quintenzirkel schließt</translation>
    </message>
    <message>
        <source>%1 share what closes the circle</source>
        <translation>%1 teilen sich den Rest, der den Quintenzirkel schließt</translation>
    </message>
    <message>
        <source>the rest pure</source>
        <translation>die übrigen rein</translation>
    </message>
    <message>
        <source>just intonation on C: %1</source>
        <translation>reine Stimmung auf C: %1</translation>
    </message>
    <message>
        <source>every fifth narrowed by 1/12 Pythagorean comma</source>
        <translation>jede Quinte um 1/12 pythagoreisches Komma verkleinert</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/4 syntonic comma, the wolf G#-Eb</source>
        <translation>Quinten von Es bis Gis um 1/4 syntonisches Komma verkleinert, der Wolf Gis-Es</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/5 syntonic comma, the wolf G#-Eb</source>
        <translation>Quinten von Es bis Gis um 1/5 syntonisches Komma verkleinert, der Wolf Gis-Es</translation>
    </message>
    <message>
        <source>fifths from Db to F# narrowed by 1/5 syntonic comma, the wolf F#-Db; B, five such fifths above C, is 15/8</source>
        <translation>Quinten von Des bis Fis um 1/5 syntonisches Komma verkleinert, der Wolf Fis-Des; H, fünf solche Quinten über C, ist 15/8</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/6 syntonic comma, the wolf G#-Eb</source>
        <translation>Quinten von Es bis Gis um 1/6 syntonisches Komma verkleinert, der Wolf Gis-Es</translation>
    </message>
    <message>
        <source>fifths from Ab to C# narrowed by 1/6 syntonic comma, the wolf C#-Ab</source>
        <translation>Quinten von As bis Cis um 1/6 syntonisches Komma verkleinert, der Wolf Cis-As</translation>
    </message>
    <message>
        <source>fifths of 32/55 octave (55 equal parts) from F# to B, the wolf B-F#</source>
        <translation>Quinten von 32/55 Oktave (55 gleiche Teile) von Fis bis H, der Wolf H-Fis</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 3/14 syntonic comma, the wolf G#-Eb</source>
        <translation>Quinten von Es bis Gis um 3/14 syntonisches Komma verkleinert, der Wolf Gis-Es</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 2/7 syntonic comma, the wolf G#-Eb</source>
        <translation>Quinten von Es bis Gis um 2/7 syntonisches Komma verkleinert, der Wolf Gis-Es</translation>
    </message>
    <message>
        <source>pure fifths from Eb to G#, the wolf G#-Eb</source>
        <translation>reine Quinten von Es bis Gis, der Wolf Gis-Es</translation>
    </message>
    <message>
        <source>pure fifths from Gb to B, the wolf B-Gb</source>
        <translation>reine Quinten von Ges bis H, der Wolf H-Ges</translation>
    </message>
    <message>
        <source>five-limit just intonation on C: 1/1 16/15 9/8 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</source>
        <translation>reine Stimmung (5-Limit) auf C: 1/1 16/15 9/8 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</translation>
    </message>
    <message>
        <source>five-limit just intonation in A minor, the relative minor of Pure Major: A B C D E F G are 1/1 9/8 6/5 4/3 3/2 8/5 9/5 above A, so D-F-A and A-C-E are pure; on C: 1/1 25/24 10/9 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</source>
        <translation>reine Stimmung (5-Limit) in a-Moll, der Paralleltonart von Pure Major: A H C D E F G sind 1/1 9/8 6/5 4/3 3/2 8/5 9/5 über A, sodass D-F-A und A-C-E rein sind; auf C: 1/1 25/24 10/9 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</translation>
    </message>
    <message>
        <source>fifths of 32/55 octave (55 equal parts) from Eb to G#, the wolf G#-Eb</source>
        <translation>Quinten von 32/55 Oktave (55 gleiche Teile) von Es bis Gis, der Wolf Gis-Es</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A, A-E and B-F# narrowed by 1/5 Pythagorean comma, the rest pure</source>
        <translation>C-G, G-D, D-A, A-E und H-Fis um 1/5 pythagoreisches Komma verkleinert, die übrigen rein</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A and A-E narrowed by 1/4 syntonic comma, F#-C# by the schisma, the rest pure</source>
        <translation>C-G, G-D, D-A und A-E um 1/4 syntonisches Komma verkleinert, Fis-Cis um das Schisma, die übrigen rein</translation>
    </message>
    <message>
        <source>F-C, C-G, G-D, D-A, A-E and E-B narrowed by 1/6 Pythagorean comma, the rest pure</source>
        <translation>F-C, C-G, G-D, D-A, A-E und E-H um 1/6 pythagoreisches Komma verkleinert, die übrigen rein</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A and B-F# narrowed by 1/4 Pythagorean comma, the rest pure</source>
        <translation>C-G, G-D, D-A und H-Fis um 1/4 pythagoreisches Komma verkleinert, die übrigen rein</translation>
    </message>
    <message>
        <source>Werckmeister&apos;s septenarius, string lengths out of 196 as ratios: 1/1 98/93 28/25 196/165 49/39 4/3 196/139 196/131 49/31 196/117 98/55 49/26; D is the corrected 28/25 (196/175), not the misprinted 196/176 that left G-D 13 cents narrow</source>
        <translation>Werckmeisters Septenarius, Saitenlängen von 196 als Verhältnisse: 1/1 98/93 28/25 196/165 49/39 4/3 196/139 196/131 49/31 196/117 98/55 49/26; D ist das korrigierte 28/25 (196/175), nicht das verdruckte 196/176, durch das G-D 13 Cent zu eng war</translation>
    </message>
    <message>
        <source>pure fifths but D-A, narrowed by a syntonic comma, and F#-C#, narrowed by the schisma</source>
        <translation>reine Quinten außer D-A, um ein syntonisches Komma verkleinert, und Fis-Cis, um das Schisma verkleinert</translation>
    </message>
    <message>
        <source>D-A and A-E narrowed by 1/2 syntonic comma, F#-C# by the schisma, the rest pure</source>
        <translation>D-A und A-E um 1/2 syntonisches Komma verkleinert, Fis-Cis um das Schisma, die übrigen rein</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A and A-E narrowed by 3/16 syntonic comma; E-B, B-F#, Bb-F and F-C share the rest of the Pythagorean comma (1/16 syntonic comma and 1/4 schisma each); F#-C#, C#-G#, G#-Eb and Eb-Bb pure</source>
        <translation>C-G, G-D, D-A und A-E um 3/16 syntonisches Komma verkleinert; E-H, H-Fis, B-F und F-C teilen sich den Rest des pythagoreischen Kommas (je 1/16 syntonisches Komma und 1/4 Schisma); Fis-Cis, Cis-Gis, Gis-Es und Es-B rein</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A, A-E, E-B and B-F# narrowed by 1/6 Pythagorean comma, the rest pure</source>
        <translation>C-G, G-D, D-A, A-E, E-H und H-Fis um 1/6 pythagoreisches Komma verkleinert, die übrigen rein</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/3 syntonic comma, the wolf G#-Eb</source>
        <translation>Quinten von Es bis Gis um 1/3 syntonisches Komma verkleinert, der Wolf Gis-Es</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 2/9 syntonic comma, the wolf G#-Eb</source>
        <translation>Quinten von Es bis Gis um 2/9 syntonisches Komma verkleinert, der Wolf Gis-Es</translation>
    </message>
    <message>
        <source>fifths alternately narrowed by 1/6 Pythagorean comma and pure round the circle from C: C-G, D-A, E-B, F#-C#, G#-Eb and Bb-F narrowed, the rest pure</source>
        <translation>Quinten im Zirkel ab C abwechselnd um 1/6 pythagoreisches Komma verkleinert und rein: C-G, D-A, E-H, Fis-Cis, Gis-Es und B-F verkleinert, die übrigen rein</translation>
    </message>
    <message>
        <source>The construction is read off the row as compiled, not taken from a source; a published table differs by 0.65 cents at C#, F# and G#.</source>
        <translation>Die Konstruktion ist aus der Zeile wie erfasst abgelesen, nicht einer Quelle entnommen; eine veröffentlichte Tabelle weicht bei Cis, Fis und Gis um 0,65 Cent ab.</translation>
    </message>
    <message>
        <source>As compiled, with the wolf on B-F#; the organ&apos;s restorer puts it on G#-D#.</source>
        <translation>Wie erfasst, mit dem Wolf auf H-Fis; der Restaurator der Orgel legt ihn auf Gis-Dis.</translation>
    </message>
    <message>
        <source>A modern well-tempered reading of Schlick&apos;s text of 1511, not a temperament of 1555.</source>
        <translation>Eine moderne wohltemperierte Deutung von Schlicks Text von 1511, keine Stimmung von 1555.</translation>
    </message>
    <message>
        <source>Line %1 of the temperament table: %2</source>
        <translation>Zeile %1 der Stimmungstabelle: %2</translation>
    </message>
    <message>
        <source>%1 columns instead of %2</source>
        <translation>%1 Spalten statt %2</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes twice</source>
        <translation>„%1“ kommt zweimal vor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>A is not 0</source>
        <translation>A ist nicht 0</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language: it, de, nl or fr</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>LineFile</name>
    <message>
        <source>No space left on device</source>
        <translation>Kein Speicherplatz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Schreibgeschütztes Dateisystem</translation>
    </message>
    <message>
        <source>the file could not be written completely; the old file, if any, is unchanged</source>
        <translation>die Datei konnte nicht vollständig geschrieben werden; die alte Datei, falls vorhanden, ist unverändert</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>no new file can be made in the folder %1 (%2)</source>
        <translation>im Ordner %1 kann keine neue Datei angelegt werden (%2)</translation>
    </message>
    <message>
        <source>Line %1 of %2: %3</source>
        <translation>Zeile %1 von %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 is too large: no field holds a number beyond %2 either way</source>
        <translation>%1 ist zu groß: Kein Feld fasst eine Zahl, deren Betrag %2 übersteigt</translation>
    </message>
    <message>
        <source>%1 is not a text file: it holds NUL bytes</source>
        <translation>%1 ist keine Textdatei: Sie enthält NUL-Bytes</translation>
    </message>
    <message>
        <source>Cannot load %1: it is a folder, not a file</source>
        <translation>%1 kann nicht geladen werden: Es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>Cannot load %1: at %2 bytes it is too large for this kind of file</source>
        <translation>%1 kann nicht geladen werden: Mit %2 Bytes ist die Datei für diese Dateiart zu groß</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>%1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>Cannot load %1: it is too large for this kind of file</source>
        <translation>%1 kann nicht geladen werden: Die Datei ist für diese Dateiart zu groß</translation>
    </message>
    <message>
        <source>Cannot save %1: it is a folder</source>
        <translation>%1 kann nicht gespeichert werden: Es ist ein Ordner</translation>
    </message>
    <message>
        <source>Cannot save %1: it is not a regular file (a device, a pipe or a socket); nothing was written</source>
        <translation>%1 kann nicht gespeichert werden: Es ist keine normale Datei (ein Gerät, eine Pipe oder ein Socket); es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>the line is missing; the file has %n line of the %1 it needs</source>
        <translation>
            <numerusform>die Zeile fehlt; die Datei hat %n der %1 Zeilen, die sie braucht</numerusform>
            <numerusform>die Zeile fehlt; die Datei hat %n der %1 Zeilen, die sie braucht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the line is missing; the file has %n lines of the %1 it needs</source>
        <translation>
            <numerusform>die Zeile fehlt; die Datei hat %n der %1 Zeilen, die sie braucht</numerusform>
            <numerusform>die Zeile fehlt; die Datei hat %n der %1 Zeilen, die sie braucht</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MidiInput</name>
    <message>
        <source>No MIDI input was found</source>
        <translation>Kein MIDI-Eingang gefunden</translation>
    </message>
    <message>
        <source>These MIDI inputs could not be opened: %1</source>
        <translation>Diese MIDI-Eingänge ließen sich nicht öffnen: %1</translation>
    </message>
</context>
<context>
    <name>MidiOutput</name>
    <message>
        <source>MIDI output &quot;%1&quot; was not found.</source>
        <translation>MIDI-Ausgang „%1“ nicht gefunden.</translation>
    </message>
    <message>
        <source>No MIDI output was found.</source>
        <translation>Kein MIDI-Ausgang gefunden.</translation>
    </message>
    <message>
        <source>The MIDI outputs are:</source>
        <translation>Die MIDI-Ausgänge sind:</translation>
    </message>
    <message>
        <source>MIDI output &quot;%1&quot; could not be opened: %2</source>
        <translation>MIDI-Ausgang „%1“ ließ sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>the MIDI system refused it</source>
        <translation>das MIDI-System hat ihn abgelehnt</translation>
    </message>
    <message>
        <source>No MIDI output is open.</source>
        <translation>Kein MIDI-Ausgang ist geöffnet.</translation>
    </message>
    <message>
        <source>The bytes to send to %1 are not whole MIDI messages.</source>
        <translation>Die an %1 zu sendenden Bytes sind keine vollständigen MIDI-Nachrichten.</translation>
    </message>
    <message>
        <source>The MIDI output %1 did not take the messages: %2</source>
        <translation>Der MIDI-Ausgang %1 hat die Nachrichten nicht angenommen: %2</translation>
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
        <translation>B</translation>
    </message>
    <message>
        <source>B</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Eb</source>
        <translation>Es</translation>
    </message>
    <message>
        <source>Bb</source>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>NumEditText</name>
    <message>
        <source>The decimal separator here is &quot;%1&quot; (the regional setting), not &quot;%2&quot;</source>
        <translation>Das Dezimaltrennzeichen ist hier „%1“ (die regionale Einstellung), nicht „%2“</translation>
    </message>
</context>
<context>
    <name>NumberFormat</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Dezimalzahl</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
<context>
    <name>QtUserDialogs</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>ReadyMadeSounds</name>
    <message>
        <source>%1 major triad</source>
        <translation>Dur-Dreiklang auf %1</translation>
    </message>
    <message>
        <source>%1 minor triad</source>
        <translation>Moll-Dreiklang auf %1</translation>
    </message>
    <message>
        <source>Fifth %1–%2</source>
        <translation>Quinte %1–%2</translation>
    </message>
    <message>
        <source>Major third %1–%2</source>
        <translation>Große Terz %1–%2</translation>
    </message>
    <message>
        <source>Scale of %1 major</source>
        <translation>%1-Dur-Tonleiter</translation>
    </message>
    <message>
        <source>Cadence I–IV–V–I in %1 major</source>
        <translation>Kadenz I–IV–V–I in %1-Dur</translation>
    </message>
</context>
<context>
    <name>ScalaFile</name>
    <message>
        <source>%1 is not a pitch</source>
        <translation>%1 ist keine Tonhöhe</translation>
    </message>
    <message>
        <source>%1 is too large: no field holds a number beyond %2 either way</source>
        <translation>%1 ist zu groß: Kein Feld fasst eine Zahl, deren Betrag %2 übersteigt</translation>
    </message>
    <message>
        <source>%1 is not a pitch: cents need a full stop, a ratio reads like 3/2</source>
        <translation>%1 ist keine Tonhöhe: Cent-Werte brauchen einen Punkt (.), ein Verhältnis sieht aus wie 3/2</translation>
    </message>
    <message>
        <source>%1 is not a pitch: its terms are too large</source>
        <translation>%1 ist keine Tonhöhe: Zähler oder Nenner sind zu groß</translation>
    </message>
    <message>
        <source>%1 is a negative ratio</source>
        <translation>%1 ist ein negatives Verhältnis</translation>
    </message>
    <message>
        <source>%1 is not a ratio: a term is 0</source>
        <translation>%1 ist kein Verhältnis: Zähler oder Nenner ist 0</translation>
    </message>
    <message>
        <source>%1 is not a text file: it holds NUL bytes</source>
        <translation>%1 ist keine Textdatei: Sie enthält NUL-Bytes</translation>
    </message>
    <message>
        <source>the file ends before %1</source>
        <translation>die Datei endet, bevor %1 folgt</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>die Beschreibung</translation>
    </message>
    <message>
        <source>the number of notes</source>
        <translation>die Anzahl der Töne</translation>
    </message>
    <message>
        <source>%1 is not a number of notes</source>
        <translation>%1 ist keine Anzahl von Tönen</translation>
    </message>
    <message>
        <source>the scale has %1 notes; only scales of 12 notes load</source>
        <translation>die Skala hat %1 Töne; nur Skalen mit 12 Tönen werden geladen</translation>
    </message>
    <message>
        <source>the file ends after %1 of its 12 pitches</source>
        <translation>die Datei endet nach %1 ihrer 12 Tonhöhen</translation>
    </message>
    <message>
        <source>the last pitch %1 is not the octave (2/1 or 1200.0)</source>
        <translation>die letzte Tonhöhe %1 ist nicht die Oktave (2/1 oder 1200.0)</translation>
    </message>
    <message numerus="yes">
        <source>the scale has %n note; only scales of 12 notes load</source>
        <translation>
            <numerusform>die Skala hat %n Ton; nur Skalen mit 12 Tönen werden geladen</numerusform>
            <numerusform>die Skala hat %n Töne; nur Skalen mit 12 Tönen werden geladen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the scale has %n notes; only scales of 12 notes load</source>
        <translation>
            <numerusform>die Skala hat %n Ton; nur Skalen mit 12 Tönen werden geladen</numerusform>
            <numerusform>die Skala hat %n Töne; nur Skalen mit 12 Tönen werden geladen</numerusform>
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
        <translation>B</translation>
    </message>
    <message>
        <source>B</source>
        <translation>H</translation>
    </message>
    <message>
        <source>B#</source>
        <translation>His</translation>
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
        <translation>Name des Anbieters erforderlich</translation>
    </message>
    <message>
        <source>ID Supplier must be greater than zero</source>
        <translation>Anbieter-ID muss größer als null sein</translation>
    </message>
    <message>
        <source>ID Temperament must be greater than zero</source>
        <translation>Stimmungs-ID muss größer als null sein</translation>
    </message>
    <message>
        <source>Short Name Temperament Required</source>
        <translation>Kurzname der Stimmung erforderlich</translation>
    </message>
    <message>
        <source>Temperament Name Required</source>
        <translation>Name der Stimmung erforderlich</translation>
    </message>
    <message>
        <source>%1 is %2 cents; a note must lie from -%3 to +%3 cents</source>
        <translation>%1 liegt bei %2 Cent; ein Ton muss zwischen -%3 und +%3 Cent liegen</translation>
    </message>
    <message>
        <source>%1 at no finite number of cents</source>
        <translation>%1 bei keinem endlichen Cent-Wert</translation>
    </message>
    <message>
        <source>%1 at %2%3 cents</source>
        <translation>%1 bei %2%3 Cent</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: it puts %2, where a note must lie from -%3 to +%3 cents</source>
        <translation>%1 kann nicht geladen werden: Darin steht %2, ein Ton muss aber zwischen -%3 und +%3 Cent liegen</translation>
    </message>
    <message numerus="yes">
        <source> (and %n more note)</source>
        <translation>
            <numerusform> (und %n weiterer Ton)</numerusform>
            <numerusform> (und %n weitere Töne)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (and %n more notes)</source>
        <translation>
            <numerusform> (und %n weiterer Ton)</numerusform>
            <numerusform> (und %n weitere Töne)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TemperamentXmlReader</name>
    <message>
        <source>%1 cannot be opened as a temperament: %2</source>
        <translation>%1 kann nicht als Stimmung geöffnet werden: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>it holds no XML element</source>
        <translation>sie enthält kein XML-Element</translation>
    </message>
    <message>
        <source>it is not a Hauptwerk temperament file</source>
        <translation>sie ist keine Hauptwerk-Stimmungsdatei</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation>%1 „%2“ ist keine Zahl</translation>
    </message>
    <message>
        <source>a note near line %1 lacks its number or its pitch</source>
        <translation>einem Ton nahe Zeile %1 fehlt die Nummer oder die Tonhöhe</translation>
    </message>
    <message>
        <source>note number %1 is not from 0 to 132</source>
        <translation>die Tonnummer %1 liegt nicht zwischen 0 und 132</translation>
    </message>
    <message>
        <source>note %1 has no positive pitch</source>
        <translation>Ton %1 hat keine positive Tonhöhe</translation>
    </message>
    <message>
        <source>note %1 is there twice</source>
        <translation>Ton %1 kommt zweimal vor</translation>
    </message>
    <message>
        <source>it lacks note %1</source>
        <translation>ihr fehlt Ton %1</translation>
    </message>
    <message>
        <source>note %1 is %2 cents away from the octave of note %3; the octaves disagree</source>
        <translation>Ton %1 liegt %2 Cent von der Oktave von Ton %3 entfernt; die Oktaven stimmen nicht überein</translation>
    </message>
    <message>
        <source>no two pitches of A from %1 to %2 Hz with notes from -%3 to +%3 cents give its pitches: its notes lie from %4 to %5 cents from equal temperament at A = 440 Hz</source>
        <translation>keine zwei Stimmtonhöhen für A von %1 bis %2 Hz mit Tönen zwischen -%3 und +%3 Cent ergeben ihre Tonhöhen: Ihre Töne liegen %4 bis %5 Cent von der gleichstufigen Stimmung bei A = 440 Hz entfernt</translation>
    </message>
</context>
<context>
    <name>TuningExport</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 (%2 cents)</source>
        <translation>%1 (%2 Cent)</translation>
    </message>
    <message>
        <source>Cannot save %1: the scale and its keyboard mapping would be the same file; give the scale a name ending in .scl</source>
        <translation>%1 kann nicht gespeichert werden: Skala und Tastaturzuordnung wären dieselbe Datei; die Skala braucht einen Namen mit der Endung .scl</translation>
    </message>
    <message>
        <source>Scala scale and keyboard mapping</source>
        <translation>Scala-Skala und Tastaturzuordnung</translation>
    </message>
    <message>
        <source>AnaMark tuning</source>
        <translation>AnaMark-Stimmung</translation>
    </message>
    <message>
        <source>MIDI tuning, bulk dump</source>
        <translation>MIDI-Stimmung, Bulk-Dump</translation>
    </message>
    <message>
        <source>MIDI tuning, single-note changes</source>
        <translation>MIDI-Stimmung, Einzelton-Änderungen</translation>
    </message>
    <message>
        <source>MIDI tuning, scale/octave</source>
        <translation>MIDI-Stimmung, Skala/Oktave</translation>
    </message>
    <message numerus="yes">
        <source>%n note could not be represented and was left unchanged: key %1</source>
        <translation>
            <numerusform>%n Ton konnte nicht dargestellt werden und blieb unverändert: Taste %1</numerusform>
            <numerusform>%n Töne konnten nicht dargestellt werden und blieben unverändert: Tasten %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes could not be represented and were left unchanged: keys %1</source>
        <translation>
            <numerusform>%n Ton konnte nicht dargestellt werden und blieb unverändert: Taste %1</numerusform>
            <numerusform>%n Töne konnten nicht dargestellt werden und blieben unverändert: Tasten %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note lies more than 100 cents from equal temperament, beyond what the octave message carries, and is held at its nearest limit: %1</source>
        <translation>
            <numerusform>%n Ton liegt mehr als 100 Cent von der gleichstufigen Stimmung entfernt, mehr als die Oktav-Nachricht übertragen kann, und wird auf der nächsten Grenze gehalten: %1</numerusform>
            <numerusform>%n Töne liegen mehr als 100 Cent von der gleichstufigen Stimmung entfernt, mehr als die Oktav-Nachricht übertragen kann, und werden auf der nächsten Grenze gehalten: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes lie more than 100 cents from equal temperament, beyond what the octave message carries, and are held at its nearest limit: %1</source>
        <translation>
            <numerusform>%n Ton liegt mehr als 100 Cent von der gleichstufigen Stimmung entfernt, mehr als die Oktav-Nachricht übertragen kann, und wird auf der nächsten Grenze gehalten: %1</numerusform>
            <numerusform>%n Töne liegen mehr als 100 Cent von der gleichstufigen Stimmung entfernt, mehr als die Oktav-Nachricht übertragen kann, und werden auf der nächsten Grenze gehalten: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TuningGuide</name>
    <message>
        <source>fifth</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>Quarte</translation>
    </message>
    <message>
        <source>major third</source>
        <translation>große Terz</translation>
    </message>
    <message>
        <source>major sixth</source>
        <translation>große Sexte</translation>
    </message>
    <message>
        <source>minor third</source>
        <translation>kleine Terz</translation>
    </message>
    <message>
        <source>octave</source>
        <translation>Oktave</translation>
    </message>
    <message>
        <source>pure</source>
        <translation>rein</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>eng</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>weit</translation>
    </message>
    <message>
        <source>The stop must be 8, 4 or 2 feet, not %1</source>
        <translation>Das Register muss 8, 4 oder 2 Fuß sein, nicht %1</translation>
    </message>
    <message>
        <source>The metronome mark must lie from %1 to %2, not %3</source>
        <translation>Die Metronomzahl muss zwischen %1 und %2 liegen, nicht %3</translation>
    </message>
    <message>
        <source>Give both temperatures, the reference and now, or neither</source>
        <translation>Es müssen beide Temperaturen angegeben werden, die Bezugstemperatur und die jetzige, oder keine</translation>
    </message>
    <message>
        <source>A temperature must lie from %1 to %2 °C, not %3</source>
        <translation>Eine Temperatur muss zwischen %1 und %2 °C liegen, nicht %3</translation>
    </message>
    <message>
        <source>Tuning guide</source>
        <translation>Stimmanleitung</translation>
    </message>
    <message>
        <source>Tuning guide: %1</source>
        <translation>Stimmanleitung: %1</translation>
    </message>
    <message>
        <source>A = %1 Hz · bearing %2 · %3 stop · %4</source>
        <translation>A = %1 Hz · Legung %2 · Register %3 · %4</translation>
    </message>
    <message>
        <source>At %1 °C, for an organ at A = %2 Hz at %3 °C: tune A to %4 Hz</source>
        <translation>Bei %1 °C, für eine Orgel mit A = %2 Hz bei %3 °C: A auf %4 Hz stimmen</translation>
    </message>
    <message>
        <source>Per beat at MM %1</source>
        <translation>Je Schlag bei MM %1</translation>
    </message>
    <message>
        <source>In 5 s</source>
        <translation>In 5 s</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>From pure (cents)</source>
        <translation>Abweichung von rein (Cent)</translation>
    </message>
    <message>
        <source>Beats/s</source>
        <translation>Schwebungen/s</translation>
    </message>
    <message>
        <source>Tuning order in the bearing %1</source>
        <translation>Stimmreihenfolge in der Legung %1</translation>
    </message>
    <message>
        <source>Tune %1 to the fork or tuner: A = %2 Hz (%1 sounds at %3 Hz).</source>
        <translation>%1 nach Stimmgabel oder Stimmgerät stimmen: A = %2 Hz (%1 klingt mit %3 Hz).</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Tune</source>
        <translation>Zu stimmen</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Then outward</source>
        <translation>Dann der übrige Tonumfang</translation>
    </message>
    <message>
        <source>Tune the rest of the compass from the bearing in pure octaves, upward and downward.</source>
        <translation>Den übrigen Tonumfang von der Legung aus in reinen Oktaven stimmen, aufwärts und abwärts.</translation>
    </message>
    <message>
        <source>For electronic tuners</source>
        <translation>Für elektronische Stimmgeräte</translation>
    </message>
    <message>
        <source>Offsets from equal temperament in cents.</source>
        <translation>Abweichungen von der gleichstufigen Stimmung in Cent.</translation>
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
        <translation>kleine Sexte</translation>
    </message>
    <message>
        <source>narrow wolf</source>
        <translation>eng, Wolf</translation>
    </message>
    <message>
        <source>wide wolf</source>
        <translation>weit, Wolf</translation>
    </message>
    <message>
        <source>Beats faster than %1 a second are too fast to count on this stop: tune the bearing on a %2 stop.</source>
        <translation>Schwebungen schneller als %1 pro Sekunde sind auf diesem Register zu schnell zum Zählen: die Legung auf einem Register zu %2 stimmen.</translation>
    </message>
    <message>
        <source>Each check follows the step that tunes the last of its notes.</source>
        <translation>Jede Prüfung folgt dem Schritt, der den letzten ihrer Töne stimmt.</translation>
    </message>
    <message>
        <source>A well temperament: the beats of the major thirds rise and fall smoothly from note to note.</source>
        <translation>Eine wohltemperierte Stimmung: die Schwebungen der großen Terzen steigen und fallen gleichmäßig von Ton zu Ton.</translation>
    </message>
    <message>
        <source>check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>The pure major third %1–%2 first, then the fifths %3 between its notes split evenly, each %4 cents narrow, at the beats given.</source>
        <translation>Zuerst die reine große Terz %1–%2, dann die Quinten %3 zwischen ihren Tönen gleichmäßig verteilt, jede um %4 Cent eng, mit den angegebenen Schwebungen.</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <comment>The date as the language writes it in figures</comment>
        <translation>dd.MM.yyyy</translation>
    </message>
</context>
<context>
    <name>Voices</name>
    <message>
        <source>principal</source>
        <translation>Prinzipal</translation>
    </message>
    <message>
        <source>flute</source>
        <translation>Flöte</translation>
    </message>
    <message>
        <source>principal-octave</source>
        <translation>Prinzipal und Oktave</translation>
    </message>
    <message>
        <source>reed</source>
        <translation>Zunge</translation>
    </message>
</context>
<context>
    <name>cordavo::AnalysisWindow</name>
    <message>
        <source>Deviation from equal temperament (cents)</source>
        <translation>Abweichung von der gleichstufigen Stimmung (Cent)</translation>
    </message>
    <message>
        <source>outside: fifths
inside: major thirds
(cents from pure)</source>
        <translation>außen: Quinten
innen: große Terzen
(Cent Abweichung von rein)</translation>
    </message>
    <message>
        <source>Red: wolf (fifth over %1 cents, third over %2 cents from pure)</source>
        <translation>Rot: Wolf (Quinte mehr als %1 Cent, Terz mehr als %2 Cent von rein entfernt)</translation>
    </message>
    <message>
        <source>Green: pure</source>
        <translation>Grün: rein</translation>
    </message>
    <message>
        <source> · Plain: tempered</source>
        <translation> · Ohne Farbe: temperiert</translation>
    </message>
    <message>
        <source>Analyse Temperament</source>
        <translation>Stimmung analysieren</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Cent</translation>
    </message>
    <message>
        <source>From pure</source>
        <translation>Abweichung von rein</translation>
    </message>
    <message>
        <source>Beats (Hz)</source>
        <translation>Schwebungen (Hz)</translation>
    </message>
    <message>
        <source>Fifths and major thirds</source>
        <translation>Quinten und große Terzen</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>Bild &amp;speichern…</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>Beats measured from middle C upward, with A = %1 Hz.</source>
        <translation>Schwebungen vom mittleren C aufwärts gemessen, mit A = %1 Hz.</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Major third</source>
        <translation>Große Terz</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 Pixel</translation>
    </message>
    <message>
        <source>a picture of %1 cannot be drawn</source>
        <translation>ein Bild mit %1 kann nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>the SVG drawing cannot be started</source>
        <translation>die SVG-Zeichnung kann nicht begonnen werden</translation>
    </message>
    <message>
        <source>the SVG drawing cannot be finished</source>
        <translation>die SVG-Zeichnung kann nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>there is not enough memory for a picture of %1</source>
        <translation>es ist nicht genug Speicher für ein Bild mit %1 vorhanden</translation>
    </message>
    <message>
        <source>the PNG picture cannot be made: %1</source>
        <translation>das PNG-Bild kann nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>this build of Cordavo saves pictures as PNG only</source>
        <translation>diese Ausgabe von Cordavo speichert Bilder nur als PNG</translation>
    </message>
</context>
<context>
    <name>cordavo::FileCommands</name>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>File %1 Saved</source>
        <translation>Datei %1 gespeichert</translation>
    </message>
    <message>
        <source>File %1 Loaded</source>
        <translation>Datei %1 geladen</translation>
    </message>
</context>
<context>
    <name>cordavo::FileOpening</name>
    <message>
        <source>temperament</source>
        <translation>Stimmung</translation>
    </message>
    <message>
        <source>supplier</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Scala scale</source>
        <translation>Scala-Skala</translation>
    </message>
    <message>
        <source>cents</source>
        <translation>Cent</translation>
    </message>
    <message>
        <source>intervals</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>temperament xml</source>
        <translation>Stimmungs-xml</translation>
    </message>
    <message>
        <source>%1 is not a file %2 can open: %3</source>
        <translation>%1 ist keine Datei, die %2 öffnen kann: %3</translation>
    </message>
</context>
<context>
    <name>cordavo::LibraryDialog</name>
    <message>
        <source>Temperament Library</source>
        <translation>Stimmungsbibliothek</translation>
    </message>
    <message>
        <source>Filter by name</source>
        <translation>Nach Name filtern</translation>
    </message>
    <message>
        <source>The temperament library could not be read. %1</source>
        <translation>Die Stimmungsbibliothek konnte nicht gelesen werden. %1</translation>
    </message>
    <message>
        <source>Temperaments</source>
        <translation>Stimmungen</translation>
    </message>
    <message>
        <source>Deviation in cents, A = 0</source>
        <translation>Abweichung in Cent, A = 0</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>No temperament of the library has such a name.</source>
        <translation>Keine Stimmung der Bibliothek hat diesen Namen.</translation>
    </message>
    <message>
        <source>No temperament of the library has such a name; the nearest are listed.</source>
        <translation>Keine Stimmung der Bibliothek hat diesen Namen; die ähnlichsten werden angezeigt.</translation>
    </message>
    <message>
        <source>Also known as </source>
        <translation>Auch bekannt als </translation>
    </message>
</context>
<context>
    <name>cordavo::ListenWindow</name>
    <message>
        <source>Listen</source>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>&amp;Sound:</source>
        <translation>&amp;Klang:</translation>
    </message>
    <message>
        <source>&amp;Key of the scale and cadence:</source>
        <translation>&amp;Tonart von Tonleiter und Kadenz:</translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation>&amp;Länge:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>&amp;Hold to Play</source>
        <translation>Zum Spielen &amp;halten</translation>
    </message>
    <message>
        <source>S&amp;top (Esc)</source>
        <translation>St&amp;opp (Esc)</translation>
    </message>
    <message>
        <source>Equal temperament</source>
        <translation>Gleichstufige Stimmung</translation>
    </message>
    <message>
        <source>&amp;Compare with:</source>
        <translation>&amp;Vergleichen mit:</translation>
    </message>
    <message>
        <source>S&amp;witch Temperament (Space)</source>
        <translation>Stimmung &amp;wechseln (Leertaste)</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Register:</translation>
    </message>
    <message>
        <source>V&amp;olume:</source>
        <translation>La&amp;utstärke:</translation>
    </message>
    <message>
        <source>Save So&amp;und…</source>
        <translation>Klang &amp;speichern…</translation>
    </message>
    <message>
        <source>No sound output was found; Save Sound… still works</source>
        <translation>Keine Tonausgabe gefunden; „Klang speichern…“ funktioniert trotzdem</translation>
    </message>
    <message>
        <source>WAV 16-bit (*.wav)</source>
        <translation>WAV 16 Bit (*.wav)</translation>
    </message>
    <message>
        <source>WAV 32-bit float (*.wav)</source>
        <translation>WAV 32 Bit Gleitkomma (*.wav)</translation>
    </message>
    <message>
        <source>, old temperament</source>
        <translation>, alte Stimmung</translation>
    </message>
    <message>
        <source>, new temperament</source>
        <translation>, neue Stimmung</translation>
    </message>
    <message>
        <source>Heard now: %1</source>
        <translation>Jetzt zu hören: %1</translation>
    </message>
    <message>
        <source>Heard now: the main window&apos;s temperament</source>
        <translation>Jetzt zu hören: die Stimmung des Hauptfensters</translation>
    </message>
    <message>
        <source>Sound and &amp;MIDI…</source>
        <translation>Klang und &amp;MIDI…</translation>
    </message>
    <message>
        <source>“%1” (%2)</source>
        <translation>„%1“ (%2)</translation>
    </message>
    <message>
        <source>The sound system “%1” is not available; the automatic choice is used.</source>
        <translation>Das Audiosystem „%1“ ist nicht verfügbar; die automatische Wahl wird verwendet.</translation>
    </message>
    <message>
        <source>The sound output “%1” was not found; the default is used.</source>
        <translation>Die Tonausgabe „%1“ wurde nicht gefunden; die Standardausgabe wird verwendet.</translation>
    </message>
    <message>
        <source>The sound output %1 could not be opened.</source>
        <translation>Die Tonausgabe %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The sound output %1 did not start.</source>
        <translation>Die Tonausgabe %1 ist nicht angelaufen.</translation>
    </message>
    <message>
        <source>The sound output %1 took no sound within a second and was closed.</source>
        <translation>Die Tonausgabe %1 hat binnen einer Sekunde keinen Klang abgenommen und wurde geschlossen.</translation>
    </message>
    <message>
        <source>The sound output %1 stopped.</source>
        <translation>Die Tonausgabe %1 wurde angehalten.</translation>
    </message>
    <message>
        <source>The sound system says: %1</source>
        <translation>Das Audiosystem meldet: %1</translation>
    </message>
    <message>
        <source>Choose another output under Sound and MIDI…; Save Sound… still works.</source>
        <translation>Wählen Sie unter „Klang und MIDI…“ eine andere Ausgabe; „Klang speichern…“ funktioniert trotzdem.</translation>
    </message>
    <message>
        <source>The MIDI input “%1” is gone; its notes were released.</source>
        <translation>Der MIDI-Eingang „%1“ ist nicht mehr da; seine Töne wurden losgelassen.</translation>
    </message>
    <message>
        <source>Keyboard: %1 play %2 to %3</source>
        <translation>Tastatur: %1 spielen %2 bis %3</translation>
    </message>
</context>
<context>
    <name>cordavo::SendTuningDialog</name>
    <message>
        <source>Send Tuning</source>
        <translation>Stimmung senden</translation>
    </message>
    <message>
        <source>MIDI &amp;output:</source>
        <translation>MIDI-&amp;Ausgang:</translation>
    </message>
    <message>
        <source>&amp;Form:</source>
        <translation>&amp;Form:</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
</context>
<context>
    <name>cordavo::SetterWindow</name>
    <message>
        <source>Exporting is not possible! Calculations are required before</source>
        <translation>Exportieren ist nicht möglich! Vorher muss berechnet werden</translation>
    </message>
    <message>
        <source>this setter</source>
        <translation>dieses Einstellfenster</translation>
    </message>
    <message>
        <source>%1 Rounds: &quot;%2&quot; is not a whole number of decimals from 0 to 10</source>
        <translation>%1, Runden: „%2“ ist keine ganze Zahl von Nachkommastellen von 0 bis 10</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des Bereichs (%1)</translation>
    </message>
    <message>
        <source>Export correctly</source>
        <translation>Erfolgreich exportiert</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>Expor&amp;tieren</translation>
    </message>
    <message>
        <source>Old temperament</source>
        <translation>Alte Stimmung</translation>
    </message>
    <message>
        <source>New temperament</source>
        <translation>Neue Stimmung</translation>
    </message>
</context>
<context>
    <name>cordavo::SoundMidiDialog</name>
    <message>
        <source>Sound and MIDI</source>
        <translation>Klang und MIDI</translation>
    </message>
    <message>
        <source>Sound &amp;system:</source>
        <translation>Audio&amp;system:</translation>
    </message>
    <message>
        <source>Output &amp;device:</source>
        <translation>Ausgabe&amp;gerät:</translation>
    </message>
    <message>
        <source>&amp;Buffer:</source>
        <translation>&amp;Puffer:</translation>
    </message>
    <message>
        <source>&amp;All MIDI inputs</source>
        <translation>&amp;Alle MIDI-Eingänge</translation>
    </message>
    <message>
        <source>MIDI inputs listened to</source>
        <translation>Verwendete MIDI-Eingänge</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>MIDI &amp;channel:</source>
        <translation>MIDI-&amp;Kanal:</translation>
    </message>
    <message>
        <source>MIDI &amp;output for Send Tuning:</source>
        <translation>MIDI-A&amp;usgang für „Stimmung senden“:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Latency: %1 ms a period at %2 kHz</source>
        <translation>Latenz: %1 ms je Periode bei %2 kHz</translation>
    </message>
    <message>
        <source>Automatic (no sound output found)</source>
        <translation>Automatisch (keine Tonausgabe gefunden)</translation>
    </message>
    <message>
        <source>Automatic (%1 now)</source>
        <translation>Automatisch (jetzt %1)</translation>
    </message>
    <message>
        <source>The sound system “%1” is not available; the automatic choice is used.</source>
        <translation>Das Audiosystem „%1“ ist nicht verfügbar; die automatische Wahl wird verwendet.</translation>
    </message>
    <message>
        <source>The sound output “%1” was not found; the default is used.</source>
        <translation>Die Tonausgabe „%1“ wurde nicht gefunden; die Standardausgabe wird verwendet.</translation>
    </message>
    <message>
        <source>The MIDI input “%1” was not found.</source>
        <translation>Der MIDI-Eingang „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>The MIDI output “%1” was not found; none is chosen.</source>
        <translation>Der MIDI-Ausgang „%1“ wurde nicht gefunden; keiner ist gewählt.</translation>
    </message>
    <message numerus="yes">
        <source>%n frames</source>
        <translation>
            <numerusform>%n Frame</numerusform>
            <numerusform>%n Frames</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cordavo::TAboutBox</name>
    <message>
        <source>About Cordavo</source>
        <translation>Über Cordavo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Cordavo builds temperament files for the Hauptwerk virtual pipe organ.</source>
        <translation>Cordavo erstellt Stimmungsdateien für die virtuelle Pfeifenorgel Hauptwerk.</translation>
    </message>
    <message>
        <source>You may use it and give it away freely, unchanged and free of charge.</source>
        <translation>Das Programm darf frei verwendet und weitergegeben werden, unverändert und kostenlos.</translation>
    </message>
    <message>
        <source>1. The files it makes are yours.</source>
        <translation>1. Die damit erstellten Dateien gehören Ihnen.</translation>
    </message>
    <message>
        <source>2.  It may not be sold, alone or with other programs.</source>
        <translation>2. Es darf nicht verkauft werden, weder allein noch mit anderen Programmen.</translation>
    </message>
    <message>
        <source>3. Hauptwerk is a trademark of its owner.</source>
        <translation>3. Hauptwerk ist eine Marke ihres Inhabers.</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
    <message>
        <source>This program is distributed  as it is, without any warranty.</source>
        <translation>Dieses Programm wird so, wie es ist, ohne jede Gewährleistung verbreitet.</translation>
    </message>
    <message>
        <source>Check the pitches of a temperament file before you rely on it.</source>
        <translation>Prüfen Sie die Tonhöhen einer Stimmungsdatei, bevor Sie sich darauf verlassen.</translation>
    </message>
    <message>
        <source>The authors accept no liability for any damage its use may cause.</source>
        <translation>Die Autoren haften nicht für Schäden, die durch seine Verwendung entstehen können.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Licences of the libraries…</source>
        <translation>Lizenzen der Bibliotheken…</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Licences of the libraries</source>
        <translation>Lizenzen der Bibliotheken</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormCents</name>
    <message>
        <source>Setting Cents Temperaments</source>
        <translation>Stimmungen nach Cent einstellen</translation>
    </message>
    <message>
        <source>&amp;Original Cents Temperament</source>
        <translation>&amp;Ursprüngliche Cent-Stimmung</translation>
    </message>
    <message>
        <source>&amp;New CentsTemperament</source>
        <translation>&amp;Neue Cent-Stimmung</translation>
    </message>
    <message>
        <source> name</source>
        <translation> Name</translation>
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
        <translation>&amp;Gleichstufig</translation>
    </message>
    <message>
        <source>Eq&amp;ual</source>
        <translation>Gl&amp;eichstufig</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Spei&amp;chern</translation>
    </message>
    <message>
        <source>L&amp;ibrary…</source>
        <translation>&amp;Bibliothek…</translation>
    </message>
    <message>
        <source>Li&amp;brary…</source>
        <translation>B&amp;ibliothek…</translation>
    </message>
    <message>
        <source>Cents setter</source>
        <translation>Einstellung in Cent</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormCicloQuinte</name>
    <message>
        <source>Setting The Cycle of Fifths</source>
        <translation>Quintenzirkel einstellen</translation>
    </message>
    <message>
        <source>Old Temperament</source>
        <translation>Alte Stimmung</translation>
    </message>
    <message>
        <source>New Temperament</source>
        <translation>Neue Stimmung</translation>
    </message>
    <message>
        <source>%1 fifth %2-%3</source>
        <translation>%1 Quinte %2-%3</translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation>&amp;Gleichstufig</translation>
    </message>
    <message>
        <source>Eq&amp;ual</source>
        <translation>Gl&amp;eichstufig</translation>
    </message>
    <message>
        <source> Comma </source>
        <translation> Komma </translation>
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
        <translation>&amp;Pythagoreisch</translation>
    </message>
    <message>
        <source>Pyt&amp;hagorean</source>
        <translation>Pyt&amp;hagoreisch</translation>
    </message>
    <message>
        <source>&amp;Rounds</source>
        <translation>&amp;Runden</translation>
    </message>
    <message>
        <source>Roun&amp;ds</source>
        <translation>R&amp;unden</translation>
    </message>
    <message>
        <source> rounds</source>
        <translation> Stellen</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>Calcula&amp;te</source>
        <translation>Berech&amp;nen</translation>
    </message>
    <message>
        <source>Value in Cents</source>
        <translation>Wert in Cent</translation>
    </message>
    <message>
        <source> values in cents</source>
        <translation> Werte in Cent</translation>
    </message>
    <message>
        <source>E&amp;xport Cents</source>
        <translation>Cent e&amp;xportieren</translation>
    </message>
    <message>
        <source>Export Ce&amp;nts</source>
        <translation>Cent exp&amp;ortieren</translation>
    </message>
    <message>
        <source>%1 fifth %2 (%3-%4)</source>
        <translation>%1 Quinte %2 (%3-%4)</translation>
    </message>
    <message>
        <source>Fifths setter</source>
        <translation>Einstellung nach Quinten</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormScale</name>
    <message>
        <source>Setting Intervals temperaments</source>
        <translation>Stimmungen nach Intervallen einstellen</translation>
    </message>
    <message>
        <source>Original Temperament</source>
        <translation>Ursprüngliche Stimmung</translation>
    </message>
    <message>
        <source>New Temperament</source>
        <translation>Neue Stimmung</translation>
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
        <translation>&amp;Name der Stimmung</translation>
    </message>
    <message>
        <source>Na&amp;me Temperament</source>
        <translation>Na&amp;me der Stimmung</translation>
    </message>
    <message>
        <source> name</source>
        <translation> Name</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Spei&amp;chern</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>%1 fraction %2 %3</source>
        <translation>%1 Bruch %2 %3</translation>
    </message>
    <message>
        <source>numerator</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>denominator</source>
        <translation>Nenner</translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation>&amp;Gleichstufig</translation>
    </message>
    <message>
        <source>Eq&amp;ual</source>
        <translation>Gl&amp;eichstufig</translation>
    </message>
    <message>
        <source>&amp;Rounds</source>
        <translation>&amp;Runden</translation>
    </message>
    <message>
        <source>Roun&amp;ds</source>
        <translation>R&amp;unden</translation>
    </message>
    <message>
        <source> rounds</source>
        <translation> Stellen</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>Calcula&amp;te</source>
        <translation>Berec&amp;hnen</translation>
    </message>
    <message>
        <source>Values in Cents</source>
        <translation>Werte in Cent</translation>
    </message>
    <message>
        <source> values in cents</source>
        <translation> Werte in Cent</translation>
    </message>
    <message>
        <source>E&amp;xport Cents</source>
        <translation>Cent e&amp;xportieren</translation>
    </message>
    <message>
        <source>Ex&amp;port Cents</source>
        <translation>Cent ex&amp;portieren</translation>
    </message>
    <message>
        <source>Original Temperament Intervals</source>
        <translation>Intervalle der ursprünglichen Stimmung</translation>
    </message>
    <message>
        <source>New Temperament Intervals</source>
        <translation>Intervalle der neuen Stimmung</translation>
    </message>
    <message>
        <source>Intervals setter</source>
        <translation>Einstellung nach Intervallen</translation>
    </message>
    <message>
        <source>Equal Temperament</source>
        <translation>Gleichstufige Stimmung</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormTemperamento</name>
    <message>
        <source>&amp;File</source>
        <translation>Da&amp;tei</translation>
    </message>
    <message>
        <source>&amp;Generate xml</source>
        <translation>xml &amp;erzeugen</translation>
    </message>
    <message>
        <source>S&amp;how xml</source>
        <translation>xml an&amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Open xml</source>
        <translation>xml ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save xml</source>
        <translation>xml &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Export Tuning…</source>
        <translation>Stimmung e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Load GrandOrgue Temperament…</source>
        <translation>&amp;GrandOrgue-Stimmung laden…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>F&amp;unctions</source>
        <translation>F&amp;unktionen</translation>
    </message>
    <message>
        <source>&amp;Load Supplier</source>
        <translation>&amp;Anbieter laden</translation>
    </message>
    <message>
        <source>&amp;Save Supplier</source>
        <translation>Anbieter &amp;speichern</translation>
    </message>
    <message>
        <source>Load &amp;Temperament</source>
        <translation>S&amp;timmung laden</translation>
    </message>
    <message>
        <source>Load S&amp;cala…</source>
        <translation>S&amp;cala laden…</translation>
    </message>
    <message>
        <source>Sa&amp;ve Temperament</source>
        <translation>Stimmun&amp;g speichern</translation>
    </message>
    <message>
        <source>&amp;Analyse Temperament</source>
        <translation>Stimmung a&amp;nalysieren</translation>
    </message>
    <message>
        <source>Liste&amp;n…</source>
        <translation>An&amp;hören…</translation>
    </message>
    <message>
        <source>Tuning &amp;Guide…</source>
        <translation>Stimman&amp;leitung…</translation>
    </message>
    <message>
        <source>Temperament L&amp;ibrary…</source>
        <translation>Stimmungs&amp;bibliothek…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Druck&amp;vorschau…</translation>
    </message>
    <message>
        <source>Page Set&amp;up</source>
        <translation>Seite ein&amp;richten</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Hauptwerk Temperament File Generator</source>
        <translation>Hauptwerk-Stimmungsdatei-Generator</translation>
    </message>
    <message>
        <source>&amp;Old Temperament</source>
        <translation>A&amp;lte Stimmung</translation>
    </message>
    <message>
        <source>Old Temperament A =</source>
        <translation>Alte Stimmung A =</translation>
    </message>
    <message>
        <source>&amp;Set Temperamet</source>
        <translation>Stimmung ein&amp;stellen</translation>
    </message>
    <message>
        <source>&amp;Cents</source>
        <translation>&amp;Cent</translation>
    </message>
    <message>
        <source>&amp;Intervals</source>
        <translation>&amp;Intervalle</translation>
    </message>
    <message>
        <source>Fift&amp;h</source>
        <translation>&amp;Quinte</translation>
    </message>
    <message>
        <source>Ne&amp;w Temperament</source>
        <translation>&amp;Neue Stimmung</translation>
    </message>
    <message>
        <source>New Temperament A =</source>
        <translation>Neue Stimmung A =</translation>
    </message>
    <message>
        <source>Supplier Na&amp;me</source>
        <translation>An&amp;bietername</translation>
    </message>
    <message>
        <source>I&amp;D Supplier</source>
        <translation>Anbiete&amp;r-ID</translation>
    </message>
    <message>
        <source>ID &amp;Temperament</source>
        <translation>Stimmun&amp;gs-ID</translation>
    </message>
    <message>
        <source>&amp;Name Temperament</source>
        <translation>Na&amp;me der Stimmung</translation>
    </message>
    <message>
        <source>Sho&amp;rt Name</source>
        <translation>&amp;Kurzname</translation>
    </message>
    <message>
        <source>Comm&amp;ent</source>
        <translation>K&amp;ommentar</translation>
    </message>
    <message>
        <source> cents</source>
        <translation> Cent</translation>
    </message>
    <message>
        <source>Temperament (*.Temperament_Hauptwerk_xml *.Temperament.Hauptwerk.xml *.xml *.Txt *.txt)</source>
        <translation>Stimmung (*.Temperament_Hauptwerk_xml *.Temperament.Hauptwerk.xml *.xml *.Txt *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>A reference-pitch box does not hold a pitch from %1 to %2 Hz.</source>
        <translation>Ein Feld für die Stimmtonhöhe enthält keine Tonhöhe von %1 bis %2 Hz.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a pitch from %3 to %4 Hz</source>
        <translation>%1: „%2“ ist keine Tonhöhe von %3 bis %4 Hz</translation>
    </message>
    <message>
        <source>Before Generating The XML Page</source>
        <translation>Zuerst die xml-Seite erzeugen</translation>
    </message>
    <message>
        <source>File %1 Saved</source>
        <translation>Datei %1 gespeichert</translation>
    </message>
    <message>
        <source>Unsaved data for errors !</source>
        <translation>Daten wegen Fehlern nicht gespeichert!</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The &amp;system&apos;s language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>Cordavo speaks the chosen language from its next start.</source>
        <translation>Cordavo verwendet die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>A =</source>
        <translation>A =</translation>
    </message>
    <message>
        <source>Sen&amp;d Tuning…</source>
        <translation>Stimmung sen&amp;den…</translation>
    </message>
    <message>
        <source>No MIDI output was found: connect an instrument, or start it, and try again.</source>
        <translation>Kein MIDI-Ausgang gefunden: Schließen Sie ein Instrument an oder starten Sie es, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The tuning could not be sent to %1: %2</source>
        <translation>Die Stimmung konnte nicht an %1 gesendet werden: %2</translation>
    </message>
    <message>
        <source>The tuning was sent to %1 (%2).</source>
        <translation>Die Stimmung wurde an %1 gesendet (%2).</translation>
    </message>
    <message>
        <source>Sound and &amp;MIDI…</source>
        <translation>Klang und &amp;MIDI…</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormXml</name>
    <message>
        <source>Xml document</source>
        <translation>Xml-Dokument</translation>
    </message>
</context>
<context>
    <name>cordavo::TextPrinting</name>
    <message>
        <source>Cannot print: the printer could not be opened</source>
        <translation>Drucken nicht möglich: Der Drucker konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Printing failed: the printer reported an error</source>
        <translation>Drucken fehlgeschlagen: Der Drucker hat einen Fehler gemeldet</translation>
    </message>
</context>
<context>
    <name>cordavo::TuningGuideWindow</name>
    <message>
        <source>Tuning Guide</source>
        <translation>Stimmanleitung</translation>
    </message>
    <message>
        <source>8′ (as written; harpsichord)</source>
        <translation>8′ (wie notiert; Cembalo)</translation>
    </message>
    <message>
        <source>4′ (an octave higher: Principal 4′)</source>
        <translation>4′ (eine Oktave höher: Oktave 4′)</translation>
    </message>
    <message>
        <source>2′ (two octaves higher)</source>
        <translation>2′ (zwei Oktaven höher)</translation>
    </message>
    <message>
        <source>Count per &amp;metronome beat at MM</source>
        <translation>Zählen je &amp;Metronomschlag bei MM</translation>
    </message>
    <message>
        <source>&amp;Temperature: the organ is at pitch at</source>
        <translation>&amp;Temperatur: Die Orgel ist eingestimmt bei</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Tuning guide</source>
        <translation>Stimmanleitung</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Save P&amp;DF…</source>
        <translation>&amp;PDF speichern…</translation>
    </message>
    <message>
        <source>&amp;Bearing:</source>
        <translation>&amp;Legung:</translation>
    </message>
    <message>
        <source>&amp;Stop:</source>
        <translation>&amp;Register:</translation>
    </message>
    <message>
        <source>and is &amp;now at</source>
        <translation>und hat &amp;jetzt</translation>
    </message>
    <message>
        <source>P&amp;aper:</source>
        <translation>P&amp;apier:</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot print: the printer could not be opened</source>
        <translation>Drucken nicht möglich: Der Drucker konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Printing failed: the printer reported an error</source>
        <translation>Drucken fehlgeschlagen: Der Drucker hat einen Fehler gemeldet</translation>
    </message>
</context>
</TS>
