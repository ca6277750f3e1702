<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CircleOfFifths</name>
    <message>
        <source>%1: &quot;%2&quot; is not one of %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GrandOrgueConfig</name>
    <message>
        <source>%1 would lie %2 cents from equal temperament at A = 440 Hz, beyond the -1200 to +1200 cents that GrandOrgue takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 %2 holds a &quot;;&quot;, which starts a comment in GrandOrgue&apos;s settings file: GrandOrgue would cut the %1 there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 %2 holds a line break, which would end its line in GrandOrgue&apos;s settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a GrandOrgue settings file: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its compressed data is damaged or too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2: %3 is given a second time in [%4]; GrandOrgue would stop on this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no [General] section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: UserTemperamentCount=%2 is not a number of user temperaments from 0 to 999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the user temperament [%2] has no %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 counts %2 user temperaments but has no section [%3]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: in [%2], %3=%4 is not a number of cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title is empty: GrandOrgue lists a temperament by its title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lies beyond the -1200 to +1200 cents that GrandOrgue takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already holds a temperament titled %2 in the group %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already holds %2 user temperaments, as many as GrandOrgue takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GrandOrgue is running (process %1) and would overwrite the change to %2 when it next saves its settings: close GrandOrgue first, then export again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GrandOrgueExchange</name>
    <message>
        <source>GrandOrgue settings (GrandOrgueConfig*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GrandOrgue user temperament (GrandOrgueConfig*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to GrandOrgue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fold the pitch in: GrandOrgue plays at the new A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GrandOrgue tunes to A = 440 Hz. Checked, every offset is raised by the new A in cents from 440 Hz (415 Hz gives -101.27); unchecked, the offsets are the deviations with A at 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Group (submenu):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title (menu text):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title is empty: GrandOrgue lists a temperament by its title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 Saved
%2 is in GrandOrgue&apos;s group %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace GrandOrgue Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already holds %2 in the group %3.
Replace it? Organs that chose it will play the new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no user temperaments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load GrandOrgue Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuideSheet</name>
    <message>
        <source>the PDF page cannot be drawn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyboardMapping</name>
    <message>
        <source>the file ends before the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid %2: a whole number from %3 to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a text file: it holds NUL bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>map size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the map size is %1; only twelve keys to the octave load (12, or 0 for a linear mapping)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>middle key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the middle key %1 is not a C: the scale&apos;s 1/1 is C, on a key that is a multiple of 12 (60 for middle C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reference key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reference frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a frequency in Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>octave degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the formal octave is degree %1; only degree 12 loads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>map entry of key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key %1 of the map plays %2; only the degrees 0 to 11 in order load</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The temperament table is missing from the resources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Werckmeister&apos;s first temperament is his just monochord, which the library does not hold; the nearest is Pure Major. The library&apos;s Werckmeister III, 4, 5 and 6 are his temperaments of 1691.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Werckmeister&apos;s second temperament is his meantone monochord, 1/4 syntonic comma meantone. The library&apos;s Werckmeister III, 4, 5 and 6 are his temperaments of 1691.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/4 comma variants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/5 comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/6 comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Various comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pythagorean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other just</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well tempered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harpsichord/Piano/Monochord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the schisma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a syntonic comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Pythagorean comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 syntonic comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Pythagorean comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 narrowed by %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 widened by %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes what closes the circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 share what closes the circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rest pure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>just intonation on C: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every fifth narrowed by 1/12 Pythagorean comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/4 syntonic comma, the wolf G#-Eb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/5 syntonic comma, the wolf G#-Eb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifths from Db to F# narrowed by 1/5 syntonic comma, the wolf F#-Db; B, five such fifths above C, is 15/8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/6 syntonic comma, the wolf G#-Eb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifths from Ab to C# narrowed by 1/6 syntonic comma, the wolf C#-Ab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifths of 32/55 octave (55 equal parts) from F# to B, the wolf B-F#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 3/14 syntonic comma, the wolf G#-Eb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 2/7 syntonic comma, the wolf G#-Eb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pure fifths from Eb to G#, the wolf G#-Eb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pure fifths from Gb to B, the wolf B-Gb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five-limit just intonation on C: 1/1 16/15 9/8 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five-limit just intonation in A minor, the relative minor of Pure Major: A B C D E F G are 1/1 9/8 6/5 4/3 3/2 8/5 9/5 above A, so D-F-A and A-C-E are pure; on C: 1/1 25/24 10/9 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifths of 32/55 octave (55 equal parts) from Eb to G#, the wolf G#-Eb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C-G, G-D, D-A, A-E and B-F# narrowed by 1/5 Pythagorean comma, the rest pure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C-G, G-D, D-A and A-E narrowed by 1/4 syntonic comma, F#-C# by the schisma, the rest pure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F-C, C-G, G-D, D-A, A-E and E-B narrowed by 1/6 Pythagorean comma, the rest pure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C-G, G-D, D-A and B-F# narrowed by 1/4 Pythagorean comma, the rest pure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Werckmeister&apos;s septenarius, string lengths out of 196 as ratios: 1/1 98/93 28/25 196/165 49/39 4/3 196/139 196/131 49/31 196/117 98/55 49/26; D is the corrected 28/25 (196/175), not the misprinted 196/176 that left G-D 13 cents narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pure fifths but D-A, narrowed by a syntonic comma, and F#-C#, narrowed by the schisma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D-A and A-E narrowed by 1/2 syntonic comma, F#-C# by the schisma, the rest pure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C-G, G-D, D-A and A-E narrowed by 3/16 syntonic comma; E-B, B-F#, Bb-F and F-C share the rest of the Pythagorean comma (1/16 syntonic comma and 1/4 schisma each); F#-C#, C#-G#, G#-Eb and Eb-Bb pure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C-G, G-D, D-A, A-E, E-B and B-F# narrowed by 1/6 Pythagorean comma, the rest pure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/3 syntonic comma, the wolf G#-Eb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 2/9 syntonic comma, the wolf G#-Eb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifths alternately narrowed by 1/6 Pythagorean comma and pure round the circle from C: C-G, D-A, E-B, F#-C#, G#-Eb and Bb-F narrowed, the rest pure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The construction is read off the row as compiled, not taken from a source; a published table differs by 0.65 cents at C#, F# and G#.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As compiled, with the wolf on B-F#; the organ&apos;s restorer puts it on G#-D#.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modern well-tempered reading of Schlick&apos;s text of 1511, not a temperament of 1555.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 of the temperament table: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 columns instead of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A is not 0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineFile</name>
    <message>
        <source>No space left on device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be written completely; the old file, if any, is unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no new file can be made in the folder %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large: no field holds a number beyond %2 either way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a text file: it holds NUL bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line is missing; the file has %1 lines of the %2 it needs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load %1: it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load %1: at %2 bytes it is too large for this kind of file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load %1: it is too large for this kind of file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1: it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1: it is not a regular file (a device, a pipe or a socket); nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bb</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumEditText</name>
    <message>
        <source>The decimal separator here is &quot;%1&quot; (the regional setting), not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumberFormat</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadyMadeSounds</name>
    <message>
        <source>%1 major triad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minor triad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth %1–%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major third %1–%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale of %1 major</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cadence I–IV–V–I in %1 major</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScalaFile</name>
    <message>
        <source>%1 is not a pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large: no field holds a number beyond %2 either way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a pitch: cents need a full stop, a ratio reads like 3/2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a pitch: its terms are too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a negative ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a ratio: a term is 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a text file: it holds NUL bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends before %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a number of notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the scale has %1 notes; only scales of 12 notes load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends after %1 of its 12 pitches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last pitch %1 is not the octave (2/1 or 1200.0)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemperamentXml</name>
    <message>
        <source>Supplier Name Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID Supplier must be greater than zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID Temperament must be greater than zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short Name Temperament Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperament Name Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2 cents; a note must lie from -%3 to +%3 cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at no finite number of cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2%3 cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (and %1 more notes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be loaded: it puts %2, where a note must lie from -%3 to +%3 cents</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemperamentXmlReader</name>
    <message>
        <source>%1 cannot be opened as a temperament: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no XML element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a Hauptwerk temperament file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a note near line %1 lacks its number or its pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note number %1 is not from 0 to 132</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note %1 has no positive pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note %1 is there twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it lacks note %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note %1 is %2 cents away from the octave of note %3; the octaves disagree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no two pitches of A from %1 to %2 Hz with notes from -%3 to +%3 cents give its pitches: its notes lie from %4 to %5 cents from equal temperament at A = 440 Hz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TuningExport</name>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 note could not be represented and was left unchanged: key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 notes could not be represented and were left unchanged: keys %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 cents)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 note lies more than 100 cents from equal temperament, beyond what the octave message carries, and is held at its nearest limit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 notes lie more than 100 cents from equal temperament, beyond what the octave message carries, and are held at its nearest limit: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1: the scale and its keyboard mapping would be the same file; give the scale a name ending in .scl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scala scale and keyboard mapping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AnaMark tuning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI tuning, bulk dump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI tuning, single-note changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI tuning, scale/octave</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TuningGuide</name>
    <message>
        <source>fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major sixth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>octave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stop must be 8, 4 or 2 feet, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The metronome mark must lie from %1 to %2, not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give both temperatures, the reference and now, or neither</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A temperature must lie from %1 to %2 °C, not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning guide: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A = %1 Hz · bearing %2 · %3 stop · %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At %1 °C, for an organ at A = %2 Hz at %3 °C: tune A to %4 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per beat at MM %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In 5 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From pure (cents)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beats/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning order in the bearing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tune %1 to the fork or tuner: A = %2 Hz (%1 sounds at %3 Hz).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks: the major thirds and sixths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In a well temperament their beats rise and fall smoothly from note to note.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks: the fifths not tuned as steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen to them once the bearing is set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then outward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tune the rest of the compass from the bearing in pure octaves, upward and downward.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For electronic tuners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offsets from equal temperament in cents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A = 0 (A = %1 Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C = 0 (A = %1 Hz)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Voices</name>
    <message>
        <source>principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>principal-octave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cordavo::AnalysisWindow</name>
    <message>
        <source>Deviation from equal temperament (cents)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outside: fifths
inside: major thirds
(cents from pure)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red: wolf (fifth over %1 cents, third over %2 cents from pure)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green: pure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · Plain: tempered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyse Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From pure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beats (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifths and major thirds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beats measured from middle C upward, with A = %1 Hz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a picture of %1 cannot be drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the SVG drawing cannot be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the SVG drawing cannot be finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is not enough memory for a picture of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PNG picture cannot be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cordavo::FileCommands</name>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 Loaded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cordavo::FileOpening</name>
    <message>
        <source>temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>supplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scala scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>intervals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>temperament xml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a file %2 can open: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cordavo::LibraryDialog</name>
    <message>
        <source>Temperament Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter by name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The temperament library could not be read. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperaments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deviation in cents, A = 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No temperament of the library has such a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No temperament of the library has such a name; the nearest are listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also known as </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cordavo::ListenWindow</name>
    <message>
        <source>Listen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard: A W S E D F T G Y H U J K play C4 to C5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Key of the scale and cadence:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hold to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equal temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;witch Temperament (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V&amp;olume:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save So&amp;und…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound output was found; Save Sound… still works</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV 16-bit (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV 32-bit float (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, old temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, new temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heard now: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heard now: the main window&apos;s temperament</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cordavo::SetterWindow</name>
    <message>
        <source>Exporting is not possible! Calculations are required before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this setter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Rounds: &quot;%2&quot; is not a whole number of decimals from 0 to 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export correctly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New temperament</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cordavo::TAboutBox</name>
    <message>
        <source>About Cordavo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cordavo builds temperament files for the Hauptwerk virtual pipe organ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may use it and give it away freely, unchanged and free of charge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. The files it makes are yours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.  It may not be sold, alone or with other programs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Hauptwerk is a trademark of its owner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program is distributed  as it is, without any warranty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the pitches of a temperament file before you rely on it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The authors accept no liability for any damage its use may cause.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cordavo::TFormCents</name>
    <message>
        <source>Setting Cents Temperaments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Original Cents Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New CentsTemperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo&amp;ad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eq&amp;ual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;ibrary…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Li&amp;brary…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cordavo::TFormCicloQuinte</name>
    <message>
        <source>Setting The Cycle of Fifths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fifth %2-%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eq&amp;ual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Comma </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Syntonic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;yntonic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pythagorean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pyt&amp;hagorean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roun&amp;ds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcula&amp;te</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value in Cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> values in cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport Cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Ce&amp;nts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fifth %2 (%3-%4)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cordavo::TFormScale</name>
    <message>
        <source>Setting Intervals temperaments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo&amp;ad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Na&amp;me Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fraction %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>numerator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>denominator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eq&amp;ual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roun&amp;ds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcula&amp;te</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values in Cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> values in cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport Cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ex&amp;port Cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Temperament Intervals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Temperament Intervals</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cordavo::TFormTemperamento</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Generate xml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;how xml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open xml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save xml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Tuning…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load &amp;GrandOrgue Temperament…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;unctions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Supplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Supplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load &amp;Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load S&amp;cala…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Analyse Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste&amp;n…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning &amp;Guide…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperament L&amp;ibrary…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Set&amp;up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauptwerk Temperament File Generator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Old Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old Temperament A =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set Temperamet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Intervals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fift&amp;h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;w Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Temperament A =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supplier Na&amp;me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;D Supplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID &amp;Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name Temperament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sho&amp;rt Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comm&amp;ent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> cents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperament (*.Temperament_Hauptwerk_xml *.Temperament.Hauptwerk.xml *.xml *.Txt *.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A reference-pitch box does not hold a pitch from %1 to %2 Hz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a pitch from %3 to %4 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before Generating The XML Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved data for errors !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cordavo speaks the chosen language from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cordavo::TFormXml</name>
    <message>
        <source>Xml document</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cordavo::TextPrinting</name>
    <message>
        <source>Cannot print: the printer could not be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing failed: the printer reported an error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cordavo::TuningGuideWindow</name>
    <message>
        <source>Tuning Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8′ (as written; harpsichord)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4′ (an octave higher: Principal 4′)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2′ (two octaves higher)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count per &amp;metronome beat at MM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Temperature: the organ is at pitch at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save P&amp;DF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bearing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and is &amp;now at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;aper:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot print: the printer could not be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing failed: the printer reported an error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
