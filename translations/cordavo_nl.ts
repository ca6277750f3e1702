<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
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
        <source>Equal Temperament</source>
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
