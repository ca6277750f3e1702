<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CircleOfFifths</name>
    <message>
        <source>%1: &quot;%2&quot; is not one of %3</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» ne fait pas partie de %3</translation>
    </message>
</context>
<context>
    <name>GrandOrgueConfig</name>
    <message>
        <source>%1 would lie %2 cents from equal temperament at A = 440 Hz, beyond the -1200 to +1200 cents that GrandOrgue takes</source>
        <translation>%1 se trouverait à %2 cents du tempérament égal à La = 440 Hz, hors de la plage de -1200 à +1200 cents qu&apos;accepte GrandOrgue</translation>
    </message>
    <message>
        <source>The %1 %2 holds a &quot;;&quot;, which starts a comment in GrandOrgue&apos;s settings file: GrandOrgue would cut the %1 there</source>
        <translation>Le %1 %2 contient un «&#xa0;;&#xa0;», qui commence un commentaire dans le fichier de réglages de GrandOrgue&#xa0;: GrandOrgue couperait le %1 à cet endroit</translation>
    </message>
    <message>
        <source>The %1 %2 holds a line break, which would end its line in GrandOrgue&apos;s settings file</source>
        <translation>Le %1 %2 contient un saut de ligne, qui terminerait sa ligne dans le fichier de réglages de GrandOrgue</translation>
    </message>
    <message>
        <source>%1 is not a GrandOrgue settings file: </source>
        <translation>%1 n&apos;est pas un fichier de réglages de GrandOrgue&#xa0;: </translation>
    </message>
    <message>
        <source>its compressed data is damaged or too large</source>
        <translation>ses données compressées sont endommagées ou trop volumineuses</translation>
    </message>
    <message>
        <source>it is not text</source>
        <translation>ce n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>%1, line %2: %3 is given a second time in [%4]; GrandOrgue would stop on this file</source>
        <translation>%1, ligne %2&#xa0;: %3 est donné une seconde fois dans [%4]&#x202f;; GrandOrgue s&apos;arrêterait sur ce fichier</translation>
    </message>
    <message>
        <source>it has no [General] section</source>
        <translation>il n&apos;a pas de section [General]</translation>
    </message>
    <message>
        <source>%1: UserTemperamentCount=%2 is not a number of user temperaments from 0 to 999</source>
        <translation>%1&#xa0;: UserTemperamentCount=%2 n&apos;est pas un nombre de tempéraments utilisateur de 0 à 999</translation>
    </message>
    <message>
        <source>%1: the user temperament [%2] has no %3</source>
        <translation>%1&#xa0;: le tempérament utilisateur [%2] n&apos;a pas de %3</translation>
    </message>
    <message>
        <source>%1 counts %2 user temperaments but has no section [%3]</source>
        <translation>%1 compte %2 tempéraments utilisateur mais n&apos;a pas de section [%3]</translation>
    </message>
    <message>
        <source>%1: in [%2], %3=%4 is not a number of cents</source>
        <translation>%1&#xa0;: dans [%2], %3=%4 n&apos;est pas un nombre de cents</translation>
    </message>
    <message>
        <source>group</source>
        <translation>groupe</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titre</translation>
    </message>
    <message>
        <source>The title is empty: GrandOrgue lists a temperament by its title</source>
        <translation>Le titre est vide&#xa0;: GrandOrgue affiche un tempérament par son titre</translation>
    </message>
    <message>
        <source>%1 lies beyond the -1200 to +1200 cents that GrandOrgue takes</source>
        <translation>%1 est hors de la plage de -1200 à +1200 cents qu&apos;accepte GrandOrgue</translation>
    </message>
    <message>
        <source>%1 already holds a temperament titled %2 in the group %3</source>
        <translation>%1 contient déjà un tempérament intitulé %2 dans le groupe %3</translation>
    </message>
    <message>
        <source>%1 already holds %2 user temperaments, as many as GrandOrgue takes</source>
        <translation>%1 contient déjà %2 tempéraments utilisateur, le maximum qu&apos;accepte GrandOrgue</translation>
    </message>
    <message>
        <source>GrandOrgue is running (process %1) and would overwrite the change to %2 when it next saves its settings: close GrandOrgue first, then export again</source>
        <translation>GrandOrgue est en cours d&apos;exécution (processus %1) et écraserait la modification de %2 lors du prochain enregistrement de ses réglages&#xa0;: fermez d&apos;abord GrandOrgue, puis exportez à nouveau</translation>
    </message>
</context>
<context>
    <name>GrandOrgueExchange</name>
    <message>
        <source>GrandOrgue settings (GrandOrgueConfig*)</source>
        <translation>Réglages de GrandOrgue (GrandOrgueConfig*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>GrandOrgue user temperament (GrandOrgueConfig*)</source>
        <translation>Tempérament utilisateur de GrandOrgue (GrandOrgueConfig*)</translation>
    </message>
    <message>
        <source>Export to GrandOrgue</source>
        <translation>Exporter vers GrandOrgue</translation>
    </message>
    <message>
        <source>&amp;Fold the pitch in: GrandOrgue plays at the new A</source>
        <translation>&amp;Intégrer le diapason&#xa0;: GrandOrgue joue au nouveau La</translation>
    </message>
    <message>
        <source>GrandOrgue tunes to A = 440 Hz. Checked, every offset is raised by the new A in cents from 440 Hz (415 Hz gives -101.27); unchecked, the offsets are the deviations with A at 0.</source>
        <translation>GrandOrgue s&apos;accorde à La = 440 Hz. Coché, chaque décalage est augmenté de l&apos;écart en cents du nouveau La par rapport à 440 Hz (415 Hz donne -101,27)&#x202f;; décoché, les décalages sont les écarts avec La à 0.</translation>
    </message>
    <message>
        <source>&amp;Group (submenu):</source>
        <translation>&amp;Groupe (sous-menu)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Title (menu text):</source>
        <translation>&amp;Titre (texte du menu)&#xa0;:</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>Dans %1</translation>
    </message>
    <message>
        <source>File %1 Saved
%2 is in GrandOrgue&apos;s group %3</source>
        <translation>Fichier %1 enregistré
%2 se trouve dans le groupe %3 de GrandOrgue</translation>
    </message>
    <message>
        <source>Replace GrandOrgue Temperament</source>
        <translation>Remplacer le tempérament GrandOrgue</translation>
    </message>
    <message>
        <source>%1 already holds %2 in the group %3.
Replace it? Organs that chose it will play the new one.</source>
        <translation>%1 contient déjà %2 dans le groupe %3.
Le remplacer&#x202f;? Les orgues qui l&apos;ont choisi joueront le nouveau.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>%1 holds no user temperaments</source>
        <translation>%1 ne contient aucun tempérament utilisateur</translation>
    </message>
    <message>
        <source>Load GrandOrgue Temperament</source>
        <translation>Charger un tempérament GrandOrgue</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
</context>
<context>
    <name>GuideSheet</name>
    <message>
        <source>the PDF page cannot be drawn</source>
        <translation>la page PDF ne peut pas être dessinée</translation>
    </message>
</context>
<context>
    <name>KeyboardMapping</name>
    <message>
        <source>the file ends before the %1</source>
        <translation>le fichier se termine avant le champ «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 is not a valid %2: a whole number from %3 to %4</source>
        <translation>%1 n&apos;est pas une valeur valide pour «&#xa0;%2&#xa0;»&#xa0;: un nombre entier de %3 à %4</translation>
    </message>
    <message>
        <source>%1 is not a text file: it holds NUL bytes</source>
        <translation>%1 n&apos;est pas un fichier texte&#xa0;: il contient des octets NUL</translation>
    </message>
    <message>
        <source>map size</source>
        <translation>taille de la table</translation>
    </message>
    <message>
        <source>the map size is %1; only twelve keys to the octave load (12, or 0 for a linear mapping)</source>
        <translation>la taille de la table est %1&#x202f;; seules les tables de douze touches par octave se chargent (12, ou 0 pour une correspondance linéaire)</translation>
    </message>
    <message>
        <source>first key</source>
        <translation>première touche</translation>
    </message>
    <message>
        <source>last key</source>
        <translation>dernière touche</translation>
    </message>
    <message>
        <source>middle key</source>
        <translation>touche centrale</translation>
    </message>
    <message>
        <source>the middle key %1 is not a C: the scale&apos;s 1/1 is C, on a key that is a multiple of 12 (60 for middle C)</source>
        <translation>la touche centrale %1 n&apos;est pas un Do&#xa0;: le 1/1 de la gamme est Do, sur une touche multiple de 12 (60 pour le Do central)</translation>
    </message>
    <message>
        <source>reference key</source>
        <translation>touche de référence</translation>
    </message>
    <message>
        <source>reference frequency</source>
        <translation>fréquence de référence</translation>
    </message>
    <message>
        <source>%1 is not a frequency in Hz</source>
        <translation>%1 n&apos;est pas une fréquence en Hz</translation>
    </message>
    <message>
        <source>octave degree</source>
        <translation>degré de l&apos;octave</translation>
    </message>
    <message>
        <source>the formal octave is degree %1; only degree 12 loads</source>
        <translation>l&apos;octave formelle est le degré %1&#x202f;; seul le degré 12 se charge</translation>
    </message>
    <message>
        <source>map entry of key %1</source>
        <translation>entrée de la table pour la touche %1</translation>
    </message>
    <message>
        <source>key %1 of the map plays %2; only the degrees 0 to 11 in order load</source>
        <translation>la touche %1 de la table joue %2&#x202f;; seuls les degrés 0 à 11 dans l&apos;ordre se chargent</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The temperament table is missing from the resources</source>
        <translation>La table des tempéraments manque dans les ressources</translation>
    </message>
    <message>
        <source>Werckmeister&apos;s first temperament is his just monochord, which the library does not hold; the nearest is Pure Major. The library&apos;s Werckmeister III, 4, 5 and 6 are his temperaments of 1691.</source>
        <translation>Le premier tempérament de Werckmeister est son monocorde juste, que la bibliothèque ne contient pas&#x202f;; le plus proche est Pure Major. Les Werckmeister III, 4, 5 et 6 de la bibliothèque sont ses tempéraments de 1691.</translation>
    </message>
    <message>
        <source>Werckmeister&apos;s second temperament is his meantone monochord, 1/4 syntonic comma meantone. The library&apos;s Werckmeister III, 4, 5 and 6 are his temperaments of 1691.</source>
        <translation>Le deuxième tempérament de Werckmeister est son monocorde mésotonique, le mésotonique au 1/4 de comma syntonique. Les Werckmeister III, 4, 5 et 6 de la bibliothèque sont ses tempéraments de 1691.</translation>
    </message>
    <message>
        <source>the schisma</source>
        <translation>le schisma</translation>
    </message>
    <message>
        <source>a syntonic comma</source>
        <translation>un comma syntonique</translation>
    </message>
    <message>
        <source>a Pythagorean comma</source>
        <translation>un comma pythagoricien</translation>
    </message>
    <message>
        <source>%1 syntonic comma</source>
        <translation>%1 de comma syntonique</translation>
    </message>
    <message>
        <source>%1 Pythagorean comma</source>
        <translation>%1 de comma pythagoricien</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 narrowed by %2</source>
        <translation>%1 rétrécie(s) de %2</translation>
    </message>
    <message>
        <source>%1 widened by %2</source>
        <translation>%1 agrandie(s) de %2</translation>
    </message>
    <message>
        <source>%1 takes what closes the circle</source>
        <translation>%1 prend ce qui ferme le cycle</translation>
    </message>
    <message>
        <source>%1 share what closes the circle</source>
        <translation>%1 se partagent ce qui ferme le cycle</translation>
    </message>
    <message>
        <source>the rest pure</source>
        <translation>les autres pures</translation>
    </message>
    <message>
        <source>just intonation on C: %1</source>
        <translation>intonation juste sur Do&#xa0;: %1</translation>
    </message>
    <message>
        <source>every fifth narrowed by 1/12 Pythagorean comma</source>
        <translation>chaque quinte rétrécie de 1/12 de comma pythagoricien</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/4 syntonic comma, the wolf G#-Eb</source>
        <translation>quintes de Mib à Sol# rétrécies de 1/4 de comma syntonique, le loup Sol#-Mib</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/5 syntonic comma, the wolf G#-Eb</source>
        <translation>quintes de Mib à Sol# rétrécies de 1/5 de comma syntonique, le loup Sol#-Mib</translation>
    </message>
    <message>
        <source>fifths from Db to F# narrowed by 1/5 syntonic comma, the wolf F#-Db; B, five such fifths above C, is 15/8</source>
        <translation>quintes de Réb à Fa# rétrécies de 1/5 de comma syntonique, le loup Fa#-Réb&#x202f;; Si, cinq de ces quintes au-dessus de Do, vaut 15/8</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/6 syntonic comma, the wolf G#-Eb</source>
        <translation>quintes de Mib à Sol# rétrécies de 1/6 de comma syntonique, le loup Sol#-Mib</translation>
    </message>
    <message>
        <source>fifths from Ab to C# narrowed by 1/6 syntonic comma, the wolf C#-Ab</source>
        <translation>quintes de Lab à Do# rétrécies de 1/6 de comma syntonique, le loup Do#-Lab</translation>
    </message>
    <message>
        <source>fifths of 32/55 octave (55 equal parts) from F# to B, the wolf B-F#</source>
        <translation>quintes de 32/55 d&apos;octave (55 parties égales) de Fa# à Si, le loup Si-Fa#</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 3/14 syntonic comma, the wolf G#-Eb</source>
        <translation>quintes de Mib à Sol# rétrécies de 3/14 de comma syntonique, le loup Sol#-Mib</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 2/7 syntonic comma, the wolf G#-Eb</source>
        <translation>quintes de Mib à Sol# rétrécies de 2/7 de comma syntonique, le loup Sol#-Mib</translation>
    </message>
    <message>
        <source>pure fifths from Eb to G#, the wolf G#-Eb</source>
        <translation>quintes pures de Mib à Sol#, le loup Sol#-Mib</translation>
    </message>
    <message>
        <source>pure fifths from Gb to B, the wolf B-Gb</source>
        <translation>quintes pures de Solb à Si, le loup Si-Solb</translation>
    </message>
    <message>
        <source>five-limit just intonation on C: 1/1 16/15 9/8 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</source>
        <translation>intonation juste à limite 5 sur Do&#xa0;: 1/1 16/15 9/8 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</translation>
    </message>
    <message>
        <source>five-limit just intonation in A minor, the relative minor of Pure Major: A B C D E F G are 1/1 9/8 6/5 4/3 3/2 8/5 9/5 above A, so D-F-A and A-C-E are pure; on C: 1/1 25/24 10/9 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</source>
        <translation>intonation juste à limite 5 en La mineur, le relatif mineur de Pure Major&#xa0;: La Si Do Ré Mi Fa Sol valent 1/1 9/8 6/5 4/3 3/2 8/5 9/5 au-dessus de La, donc Ré-Fa-La et La-Do-Mi sont purs&#x202f;; sur Do&#xa0;: 1/1 25/24 10/9 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8</translation>
    </message>
    <message>
        <source>fifths of 32/55 octave (55 equal parts) from Eb to G#, the wolf G#-Eb</source>
        <translation>quintes de 32/55 d&apos;octave (55 parties égales) de Mib à Sol#, le loup Sol#-Mib</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A, A-E and B-F# narrowed by 1/5 Pythagorean comma, the rest pure</source>
        <translation>Do-Sol, Sol-Ré, Ré-La, La-Mi et Si-Fa# rétrécies de 1/5 de comma pythagoricien, les autres pures</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A and A-E narrowed by 1/4 syntonic comma, F#-C# by the schisma, the rest pure</source>
        <translation>Do-Sol, Sol-Ré, Ré-La et La-Mi rétrécies de 1/4 de comma syntonique, Fa#-Do# du schisma, les autres pures</translation>
    </message>
    <message>
        <source>F-C, C-G, G-D, D-A, A-E and E-B narrowed by 1/6 Pythagorean comma, the rest pure</source>
        <translation>Fa-Do, Do-Sol, Sol-Ré, Ré-La, La-Mi et Mi-Si rétrécies de 1/6 de comma pythagoricien, les autres pures</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A and B-F# narrowed by 1/4 Pythagorean comma, the rest pure</source>
        <translation>Do-Sol, Sol-Ré, Ré-La et Si-Fa# rétrécies de 1/4 de comma pythagoricien, les autres pures</translation>
    </message>
    <message>
        <source>Werckmeister&apos;s septenarius, string lengths out of 196 as ratios: 1/1 98/93 28/25 196/165 49/39 4/3 196/139 196/131 49/31 196/117 98/55 49/26; D is the corrected 28/25 (196/175), not the misprinted 196/176 that left G-D 13 cents narrow</source>
        <translation>Le septenarius de Werckmeister, longueurs de corde sur 196 en rapports&#xa0;: 1/1 98/93 28/25 196/165 49/39 4/3 196/139 196/131 49/31 196/117 98/55 49/26&#x202f;; Ré est le 28/25 corrigé (196/175), et non le 196/176 erroné qui laissait Sol-Ré trop étroite de 13 cents</translation>
    </message>
    <message>
        <source>pure fifths but D-A, narrowed by a syntonic comma, and F#-C#, narrowed by the schisma</source>
        <translation>quintes pures sauf Ré-La, rétrécie d&apos;un comma syntonique, et Fa#-Do#, rétrécie du schisma</translation>
    </message>
    <message>
        <source>D-A and A-E narrowed by 1/2 syntonic comma, F#-C# by the schisma, the rest pure</source>
        <translation>Ré-La et La-Mi rétrécies de 1/2 comma syntonique, Fa#-Do# du schisma, les autres pures</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A and A-E narrowed by 3/16 syntonic comma; E-B, B-F#, Bb-F and F-C share the rest of the Pythagorean comma (1/16 syntonic comma and 1/4 schisma each); F#-C#, C#-G#, G#-Eb and Eb-Bb pure</source>
        <translation>Do-Sol, Sol-Ré, Ré-La et La-Mi rétrécies de 3/16 de comma syntonique&#x202f;; Mi-Si, Si-Fa#, Sib-Fa et Fa-Do se partagent le reste du comma pythagoricien (1/16 de comma syntonique et 1/4 de schisma chacune)&#x202f;; Fa#-Do#, Do#-Sol#, Sol#-Mib et Mib-Sib pures</translation>
    </message>
    <message>
        <source>C-G, G-D, D-A, A-E, E-B and B-F# narrowed by 1/6 Pythagorean comma, the rest pure</source>
        <translation>Do-Sol, Sol-Ré, Ré-La, La-Mi, Mi-Si et Si-Fa# rétrécies de 1/6 de comma pythagoricien, les autres pures</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 1/3 syntonic comma, the wolf G#-Eb</source>
        <translation>quintes de Mib à Sol# rétrécies de 1/3 de comma syntonique, le loup Sol#-Mib</translation>
    </message>
    <message>
        <source>fifths from Eb to G# narrowed by 2/9 syntonic comma, the wolf G#-Eb</source>
        <translation>quintes de Mib à Sol# rétrécies de 2/9 de comma syntonique, le loup Sol#-Mib</translation>
    </message>
    <message>
        <source>fifths alternately narrowed by 1/6 Pythagorean comma and pure round the circle from C: C-G, D-A, E-B, F#-C#, G#-Eb and Bb-F narrowed, the rest pure</source>
        <translation>quintes alternativement rétrécies de 1/6 de comma pythagoricien et pures tout au long du cycle à partir de Do&#xa0;: Do-Sol, Ré-La, Mi-Si, Fa#-Do#, Sol#-Mib et Sib-Fa rétrécies, les autres pures</translation>
    </message>
    <message>
        <source>The construction is read off the row as compiled, not taken from a source; a published table differs by 0.65 cents at C#, F# and G#.</source>
        <translation>La construction est déduite de la ligne telle qu&apos;elle a été compilée, et non tirée d&apos;une source&#x202f;; une table publiée diffère de 0,65 cent sur Do#, Fa# et Sol#.</translation>
    </message>
    <message>
        <source>As compiled, with the wolf on B-F#; the organ&apos;s restorer puts it on G#-D#.</source>
        <translation>Tel que compilé, avec le loup sur Si-Fa#&#x202f;; le restaurateur de l&apos;orgue le place sur Sol#-Ré#.</translation>
    </message>
    <message>
        <source>A modern well-tempered reading of Schlick&apos;s text of 1511, not a temperament of 1555.</source>
        <translation>Une lecture moderne bien tempérée du texte de Schlick de 1511, et non un tempérament de 1555.</translation>
    </message>
    <message>
        <source>Line %1 of the temperament table: %2</source>
        <translation>Ligne %1 de la table des tempéraments&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 columns instead of %2</source>
        <translation>%1 colonnes au lieu de %2</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>le nom est vide</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes twice</source>
        <translation>«&#xa0;%1&#xa0;» apparaît deux fois</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>A is not 0</source>
        <translation>La n&apos;est pas à 0</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language: it, de, nl or fr</comment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>LineFile</name>
    <message>
        <source>No space left on device</source>
        <translation>Plus d&apos;espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>the file could not be written completely; the old file, if any, is unchanged</source>
        <translation>le fichier n&apos;a pas pu être écrit entièrement&#x202f;; l&apos;ancien fichier, s&apos;il existe, est inchangé</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>no new file can be made in the folder %1 (%2)</source>
        <translation>impossible de créer un nouveau fichier dans le dossier %1 (%2)</translation>
    </message>
    <message>
        <source>Line %1 of %2: %3</source>
        <translation>Ligne %1 de %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 is too large: no field holds a number beyond %2 either way</source>
        <translation>%1 est trop grand&#xa0;: aucun champ n&apos;accepte un nombre au-delà de %2 en valeur absolue</translation>
    </message>
    <message>
        <source>%1 is not a text file: it holds NUL bytes</source>
        <translation>%1 n&apos;est pas un fichier texte&#xa0;: il contient des octets NUL</translation>
    </message>
    <message>
        <source>Cannot load %1: it is a folder, not a file</source>
        <translation>Impossible de charger %1&#xa0;: c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>Cannot load %1: at %2 bytes it is too large for this kind of file</source>
        <translation>Impossible de charger %1&#xa0;: avec %2 octets, il est trop volumineux pour ce type de fichier</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>Impossible de charger %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot load %1: it is too large for this kind of file</source>
        <translation>Impossible de charger %1&#xa0;: il est trop volumineux pour ce type de fichier</translation>
    </message>
    <message>
        <source>Cannot save %1: it is a folder</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: c&apos;est un dossier</translation>
    </message>
    <message>
        <source>Cannot save %1: it is not a regular file (a device, a pipe or a socket); nothing was written</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: ce n&apos;est pas un fichier ordinaire (un périphérique, un tube ou un socket)&#x202f;; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>the line is missing; the file has %n line of the %1 it needs</source>
        <translation>
            <numerusform>la ligne manque&#x202f;; le fichier a %n ligne sur les %1 nécessaires</numerusform>
            <numerusform>la ligne manque&#x202f;; le fichier a %n lignes sur les %1 nécessaires</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the line is missing; the file has %n lines of the %1 it needs</source>
        <translation>
            <numerusform>la ligne manque&#x202f;; le fichier a %n ligne sur les %1 nécessaires</numerusform>
            <numerusform>la ligne manque&#x202f;; le fichier a %n lignes sur les %1 nécessaires</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MidiInput</name>
    <message>
        <source>No MIDI input was found</source>
        <translation>Aucune entrée MIDI trouvée</translation>
    </message>
    <message>
        <source>These MIDI inputs could not be opened: %1</source>
        <translation>Ces entrées MIDI n&apos;ont pas pu être ouvertes&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>MidiOutput</name>
    <message>
        <source>MIDI output &quot;%1&quot; was not found.</source>
        <translation>Sortie MIDI «&#xa0;%1&#xa0;» introuvable.</translation>
    </message>
    <message>
        <source>No MIDI output was found.</source>
        <translation>Aucune sortie MIDI trouvée.</translation>
    </message>
    <message>
        <source>The MIDI outputs are:</source>
        <translation>Les sorties MIDI sont&#xa0;:</translation>
    </message>
    <message>
        <source>MIDI output &quot;%1&quot; could not be opened: %2</source>
        <translation>Impossible d&apos;ouvrir la sortie MIDI «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>the MIDI system refused it</source>
        <translation>le système MIDI l&apos;a refusée</translation>
    </message>
    <message>
        <source>No MIDI output is open.</source>
        <translation>Aucune sortie MIDI n&apos;est ouverte.</translation>
    </message>
    <message>
        <source>The bytes to send to %1 are not whole MIDI messages.</source>
        <translation>Les octets à envoyer à %1 ne sont pas des messages MIDI complets.</translation>
    </message>
    <message>
        <source>The MIDI output %1 did not take the messages: %2</source>
        <translation>La sortie MIDI %1 n&apos;a pas accepté les messages&#xa0;: %2</translation>
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
        <translation>Ré</translation>
    </message>
    <message>
        <source>D#</source>
        <translation>Ré#</translation>
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
        <translation>Le séparateur décimal ici est «&#xa0;%1&#xa0;» (le réglage régional), et non «&#xa0;%2&#xa0;»</translation>
    </message>
</context>
<context>
    <name>NumberFormat</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre décimal valide</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Coller</translation>
    </message>
</context>
<context>
    <name>QtUserDialogs</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#x202f;?</translation>
    </message>
</context>
<context>
    <name>ReadyMadeSounds</name>
    <message>
        <source>%1 major triad</source>
        <translation>Accord parfait de %1 majeur</translation>
    </message>
    <message>
        <source>%1 minor triad</source>
        <translation>Accord parfait de %1 mineur</translation>
    </message>
    <message>
        <source>Fifth %1–%2</source>
        <translation>Quinte %1–%2</translation>
    </message>
    <message>
        <source>Major third %1–%2</source>
        <translation>Tierce majeure %1–%2</translation>
    </message>
    <message>
        <source>Scale of %1 major</source>
        <translation>Gamme de %1 majeur</translation>
    </message>
    <message>
        <source>Cadence I–IV–V–I in %1 major</source>
        <translation>Cadence I–IV–V–I en %1 majeur</translation>
    </message>
</context>
<context>
    <name>ScalaFile</name>
    <message>
        <source>%1 is not a pitch</source>
        <translation>%1 n&apos;est pas une hauteur</translation>
    </message>
    <message>
        <source>%1 is too large: no field holds a number beyond %2 either way</source>
        <translation>%1 est trop grand&#xa0;: aucun champ n&apos;accepte un nombre au-delà de %2 en valeur absolue</translation>
    </message>
    <message>
        <source>%1 is not a pitch: cents need a full stop, a ratio reads like 3/2</source>
        <translation>%1 n&apos;est pas une hauteur&#xa0;: les cents demandent un point décimal, un rapport s&apos;écrit comme 3/2</translation>
    </message>
    <message>
        <source>%1 is not a pitch: its terms are too large</source>
        <translation>%1 n&apos;est pas une hauteur&#xa0;: ses termes sont trop grands</translation>
    </message>
    <message>
        <source>%1 is a negative ratio</source>
        <translation>%1 est un rapport négatif</translation>
    </message>
    <message>
        <source>%1 is not a ratio: a term is 0</source>
        <translation>%1 n&apos;est pas un rapport&#xa0;: un terme vaut 0</translation>
    </message>
    <message>
        <source>%1 is not a text file: it holds NUL bytes</source>
        <translation>%1 n&apos;est pas un fichier texte&#xa0;: il contient des octets NUL</translation>
    </message>
    <message>
        <source>the file ends before %1</source>
        <translation>le fichier se termine avant %1</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>la description</translation>
    </message>
    <message>
        <source>the number of notes</source>
        <translation>le nombre de notes</translation>
    </message>
    <message>
        <source>%1 is not a number of notes</source>
        <translation>%1 n&apos;est pas un nombre de notes</translation>
    </message>
    <message>
        <source>the scale has %1 notes; only scales of 12 notes load</source>
        <translation>la gamme a %1 notes&#x202f;; seules les gammes de 12 notes se chargent</translation>
    </message>
    <message>
        <source>the file ends after %1 of its 12 pitches</source>
        <translation>le fichier se termine après %1 de ses 12 hauteurs</translation>
    </message>
    <message>
        <source>the last pitch %1 is not the octave (2/1 or 1200.0)</source>
        <translation>la dernière hauteur %1 n&apos;est pas l&apos;octave (2/1 ou 1200.0)</translation>
    </message>
    <message numerus="yes">
        <source>the scale has %n note; only scales of 12 notes load</source>
        <translation>
            <numerusform>la gamme a %n note&#x202f;; seules les gammes de 12 notes se chargent</numerusform>
            <numerusform>la gamme a %n notes&#x202f;; seules les gammes de 12 notes se chargent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the scale has %n notes; only scales of 12 notes load</source>
        <translation>
            <numerusform>la gamme a %n note&#x202f;; seules les gammes de 12 notes se chargent</numerusform>
            <numerusform>la gamme a %n notes&#x202f;; seules les gammes de 12 notes se chargent</numerusform>
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
        <translation>Réb</translation>
    </message>
    <message>
        <source>D</source>
        <translation>Ré</translation>
    </message>
    <message>
        <source>D#</source>
        <translation>Ré#</translation>
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
        <translation>Nom du fournisseur requis</translation>
    </message>
    <message>
        <source>ID Supplier must be greater than zero</source>
        <translation>L&apos;ID du fournisseur doit être supérieur à zéro</translation>
    </message>
    <message>
        <source>ID Temperament must be greater than zero</source>
        <translation>L&apos;ID du tempérament doit être supérieur à zéro</translation>
    </message>
    <message>
        <source>Short Name Temperament Required</source>
        <translation>Nom court du tempérament requis</translation>
    </message>
    <message>
        <source>Temperament Name Required</source>
        <translation>Nom du tempérament requis</translation>
    </message>
    <message>
        <source>%1 is %2 cents; a note must lie from -%3 to +%3 cents</source>
        <translation>%1 vaut %2 cents&#x202f;; une note doit se situer entre -%3 et +%3 cents</translation>
    </message>
    <message>
        <source>%1 at no finite number of cents</source>
        <translation>%1 à un nombre de cents non fini</translation>
    </message>
    <message>
        <source>%1 at %2%3 cents</source>
        <translation>%1 à %2%3 cents</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: it puts %2, where a note must lie from -%3 to +%3 cents</source>
        <translation>%1 ne peut pas être chargé&#xa0;: il place %2, alors qu&apos;une note doit se situer entre -%3 et +%3 cents</translation>
    </message>
    <message numerus="yes">
        <source> (and %n more note)</source>
        <translation>
            <numerusform> (et %n note de plus)</numerusform>
            <numerusform> (et %n notes de plus)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (and %n more notes)</source>
        <translation>
            <numerusform> (et %n note de plus)</numerusform>
            <numerusform> (et %n notes de plus)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TemperamentXmlReader</name>
    <message>
        <source>%1 cannot be opened as a temperament: %2</source>
        <translation>%1 ne peut pas être ouvert comme tempérament&#xa0;: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it holds no XML element</source>
        <translation>il ne contient aucun élément XML</translation>
    </message>
    <message>
        <source>it is not a Hauptwerk temperament file</source>
        <translation>ce n&apos;est pas un fichier de tempérament Hauptwerk</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>a note near line %1 lacks its number or its pitch</source>
        <translation>une note près de la ligne %1 n&apos;a pas de numéro ou de hauteur</translation>
    </message>
    <message>
        <source>note number %1 is not from 0 to 132</source>
        <translation>le numéro de note %1 n&apos;est pas compris entre 0 et 132</translation>
    </message>
    <message>
        <source>note %1 has no positive pitch</source>
        <translation>la note %1 n&apos;a pas de hauteur positive</translation>
    </message>
    <message>
        <source>note %1 is there twice</source>
        <translation>la note %1 figure deux fois</translation>
    </message>
    <message>
        <source>it lacks note %1</source>
        <translation>la note %1 manque</translation>
    </message>
    <message>
        <source>note %1 is %2 cents away from the octave of note %3; the octaves disagree</source>
        <translation>la note %1 est à %2 cents de l&apos;octave de la note %3&#x202f;; les octaves ne concordent pas</translation>
    </message>
    <message>
        <source>no two pitches of A from %1 to %2 Hz with notes from -%3 to +%3 cents give its pitches: its notes lie from %4 to %5 cents from equal temperament at A = 440 Hz</source>
        <translation>aucune paire de diapasons de La entre %1 et %2 Hz, avec des notes entre -%3 et +%3 cents, ne donne ses hauteurs&#xa0;: ses notes se situent entre %4 et %5 cents du tempérament égal à La = 440 Hz</translation>
    </message>
</context>
<context>
    <name>TuningExport</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 (%2 cents)</source>
        <translation>%1 (%2 cents)</translation>
    </message>
    <message>
        <source>Cannot save %1: the scale and its keyboard mapping would be the same file; give the scale a name ending in .scl</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: la gamme et sa table de clavier seraient le même fichier&#x202f;; donnez à la gamme un nom se terminant par .scl</translation>
    </message>
    <message>
        <source>Scala scale and keyboard mapping</source>
        <translation>Gamme Scala et table de clavier</translation>
    </message>
    <message>
        <source>AnaMark tuning</source>
        <translation>Accordage AnaMark</translation>
    </message>
    <message>
        <source>MIDI tuning, bulk dump</source>
        <translation>Accordage MIDI, envoi en bloc</translation>
    </message>
    <message>
        <source>MIDI tuning, single-note changes</source>
        <translation>Accordage MIDI, changements note par note</translation>
    </message>
    <message>
        <source>MIDI tuning, scale/octave</source>
        <translation>Accordage MIDI, gamme/octave</translation>
    </message>
    <message numerus="yes">
        <source>%n note could not be represented and was left unchanged: key %1</source>
        <translation>
            <numerusform>%n note n&apos;a pas pu être représentée et est restée inchangée&#xa0;: touche %1</numerusform>
            <numerusform>%n notes n&apos;ont pas pu être représentées et sont restées inchangées&#xa0;: touches %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes could not be represented and were left unchanged: keys %1</source>
        <translation>
            <numerusform>%n note n&apos;a pas pu être représentée et est restée inchangée&#xa0;: touche %1</numerusform>
            <numerusform>%n notes n&apos;ont pas pu être représentées et sont restées inchangées&#xa0;: touches %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note lies more than 100 cents from equal temperament, beyond what the octave message carries, and is held at its nearest limit: %1</source>
        <translation>
            <numerusform>%n note se situe à plus de 100 cents du tempérament égal, au-delà de ce que porte le message d&apos;octave, et est maintenue à sa limite la plus proche&#xa0;: %1</numerusform>
            <numerusform>%n notes se situent à plus de 100 cents du tempérament égal, au-delà de ce que porte le message d&apos;octave, et sont maintenues à leur limite la plus proche&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes lie more than 100 cents from equal temperament, beyond what the octave message carries, and are held at its nearest limit: %1</source>
        <translation>
            <numerusform>%n note se situe à plus de 100 cents du tempérament égal, au-delà de ce que porte le message d&apos;octave, et est maintenue à sa limite la plus proche&#xa0;: %1</numerusform>
            <numerusform>%n notes se situent à plus de 100 cents du tempérament égal, au-delà de ce que porte le message d&apos;octave, et sont maintenues à leur limite la plus proche&#xa0;: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TuningGuide</name>
    <message>
        <source>fifth</source>
        <translation>quinte</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quarte</translation>
    </message>
    <message>
        <source>major third</source>
        <translation>tierce majeure</translation>
    </message>
    <message>
        <source>major sixth</source>
        <translation>sixte majeure</translation>
    </message>
    <message>
        <source>minor third</source>
        <translation>tierce mineure</translation>
    </message>
    <message>
        <source>octave</source>
        <translation>octave</translation>
    </message>
    <message>
        <source>pure</source>
        <translation>pure</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>étroite</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>large</translation>
    </message>
    <message>
        <source>The stop must be 8, 4 or 2 feet, not %1</source>
        <translation>Le jeu doit être de 8, 4 ou 2 pieds, et non %1</translation>
    </message>
    <message>
        <source>The metronome mark must lie from %1 to %2, not %3</source>
        <translation>L&apos;indication métronomique doit être comprise entre %1 et %2, et non %3</translation>
    </message>
    <message>
        <source>Give both temperatures, the reference and now, or neither</source>
        <translation>Indiquez les deux températures, celle de référence et l&apos;actuelle, ou aucune</translation>
    </message>
    <message>
        <source>A temperature must lie from %1 to %2 °C, not %3</source>
        <translation>Une température doit être comprise entre %1 et %2 °C, et non %3</translation>
    </message>
    <message>
        <source>Tuning guide</source>
        <translation>Guide d&apos;accordage</translation>
    </message>
    <message>
        <source>Tuning guide: %1</source>
        <translation>Guide d&apos;accordage&#xa0;: %1</translation>
    </message>
    <message>
        <source>A = %1 Hz · bearing %2 · %3 stop · %4</source>
        <translation>La = %1 Hz · partition %2 · jeu de %3 · %4</translation>
    </message>
    <message>
        <source>At %1 °C, for an organ at A = %2 Hz at %3 °C: tune A to %4 Hz</source>
        <translation>À %1 °C, pour un orgue à La = %2 Hz à %3 °C&#xa0;: accorder le La à %4 Hz</translation>
    </message>
    <message>
        <source>Per beat at MM %1</source>
        <translation>Par temps à MM %1</translation>
    </message>
    <message>
        <source>In 5 s</source>
        <translation>En 5 s</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>From pure (cents)</source>
        <translation>Écart au pur (cents)</translation>
    </message>
    <message>
        <source>Beats/s</source>
        <translation>Battements/s</translation>
    </message>
    <message>
        <source>Tuning order in the bearing %1</source>
        <translation>Ordre d&apos;accordage dans la partition %1</translation>
    </message>
    <message>
        <source>Tune %1 to the fork or tuner: A = %2 Hz (%1 sounds at %3 Hz).</source>
        <translation>Accorder %1 sur le diapason ou l&apos;accordeur&#xa0;: La = %2 Hz (%1 sonne à %3 Hz).</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Tune</source>
        <translation>Accorder</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Then outward</source>
        <translation>Puis le reste du clavier</translation>
    </message>
    <message>
        <source>Tune the rest of the compass from the bearing in pure octaves, upward and downward.</source>
        <translation>Accorder le reste de l&apos;étendue à partir de la partition par octaves pures, vers l&apos;aigu et vers le grave.</translation>
    </message>
    <message>
        <source>For electronic tuners</source>
        <translation>Pour les accordeurs électroniques</translation>
    </message>
    <message>
        <source>Offsets from equal temperament in cents.</source>
        <translation>Écarts par rapport au tempérament égal en cents.</translation>
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
        <translation>sixte mineure</translation>
    </message>
    <message>
        <source>narrow wolf</source>
        <translation>étroite, loup</translation>
    </message>
    <message>
        <source>wide wolf</source>
        <translation>large, loup</translation>
    </message>
    <message>
        <source>Beats faster than %1 a second are too fast to count on this stop: tune the bearing on a %2 stop.</source>
        <translation>Des battements plus rapides que %1 par seconde sont trop rapides pour être comptés sur ce jeu&#xa0;: accorder la partition sur un jeu de %2.</translation>
    </message>
    <message>
        <source>Each check follows the step that tunes the last of its notes.</source>
        <translation>Chaque vérification suit l&apos;étape qui accorde la dernière de ses notes.</translation>
    </message>
    <message>
        <source>A well temperament: the beats of the major thirds rise and fall smoothly from note to note.</source>
        <translation>Un tempérament inégal circulant&#xa0;: les battements des tierces majeures augmentent et diminuent régulièrement d&apos;une note à l&apos;autre.</translation>
    </message>
    <message>
        <source>check</source>
        <translation>vérification</translation>
    </message>
    <message>
        <source>The pure major third %1–%2 first, then the fifths %3 between its notes split evenly, each %4 cents narrow, at the beats given.</source>
        <translation>D&apos;abord la tierce majeure pure %1–%2, puis les quintes %3 entre ses notes, réparties également, chacune étroite de %4 cents, aux battements indiqués.</translation>
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
        <translation>montre</translation>
    </message>
    <message>
        <source>flute</source>
        <translation>flûte</translation>
    </message>
    <message>
        <source>principal-octave</source>
        <translation>montre et prestant</translation>
    </message>
    <message>
        <source>reed</source>
        <translation>anche</translation>
    </message>
</context>
<context>
    <name>cordavo::AnalysisWindow</name>
    <message>
        <source>Deviation from equal temperament (cents)</source>
        <translation>Écart par rapport au tempérament égal (cents)</translation>
    </message>
    <message>
        <source>outside: fifths
inside: major thirds
(cents from pure)</source>
        <translation>extérieur&#xa0;: quintes
intérieur&#xa0;: tierces majeures
(cents d&apos;écart au pur)</translation>
    </message>
    <message>
        <source>Red: wolf (fifth over %1 cents, third over %2 cents from pure)</source>
        <translation>Rouge&#xa0;: loup (quinte à plus de %1 cents, tierce à plus de %2 cents du pur)</translation>
    </message>
    <message>
        <source>Green: pure</source>
        <translation>Vert&#xa0;: pur</translation>
    </message>
    <message>
        <source> · Plain: tempered</source>
        <translation> · Normal&#xa0;: tempéré</translation>
    </message>
    <message>
        <source>Analyse Temperament</source>
        <translation>Analyser le tempérament</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Cents</translation>
    </message>
    <message>
        <source>From pure</source>
        <translation>Écart au pur</translation>
    </message>
    <message>
        <source>Beats (Hz)</source>
        <translation>Battements (Hz)</translation>
    </message>
    <message>
        <source>Fifths and major thirds</source>
        <translation>Quintes et tierces majeures</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Enregistrer l&apos;image…</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>Beats measured from middle C upward, with A = %1 Hz.</source>
        <translation>Battements mesurés à partir du Do central vers l&apos;aigu, avec La = %1 Hz.</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Major third</source>
        <translation>Tierce majeure</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 pixels</translation>
    </message>
    <message>
        <source>a picture of %1 cannot be drawn</source>
        <translation>impossible de dessiner une image de %1</translation>
    </message>
    <message>
        <source>the SVG drawing cannot be started</source>
        <translation>impossible de commencer le dessin SVG</translation>
    </message>
    <message>
        <source>the SVG drawing cannot be finished</source>
        <translation>impossible de terminer le dessin SVG</translation>
    </message>
    <message>
        <source>there is not enough memory for a picture of %1</source>
        <translation>mémoire insuffisante pour une image de %1</translation>
    </message>
    <message>
        <source>the PNG picture cannot be made: %1</source>
        <translation>impossible de créer l&apos;image PNG&#xa0;: %1</translation>
    </message>
    <message>
        <source>this build of Cordavo saves pictures as PNG only</source>
        <translation>cette version de Cordavo n&apos;enregistre les images qu&apos;en PNG</translation>
    </message>
</context>
<context>
    <name>cordavo::FileCommands</name>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;enregistrer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>File %1 Saved</source>
        <translation>Fichier %1 enregistré</translation>
    </message>
    <message>
        <source>File %1 Loaded</source>
        <translation>Fichier %1 chargé</translation>
    </message>
</context>
<context>
    <name>cordavo::FileOpening</name>
    <message>
        <source>temperament</source>
        <translation>tempérament</translation>
    </message>
    <message>
        <source>supplier</source>
        <translation>fournisseur</translation>
    </message>
    <message>
        <source>Scala scale</source>
        <translation>gamme Scala</translation>
    </message>
    <message>
        <source>cents</source>
        <translation>cents</translation>
    </message>
    <message>
        <source>intervals</source>
        <translation>intervalles</translation>
    </message>
    <message>
        <source>temperament xml</source>
        <translation>tempérament xml</translation>
    </message>
    <message>
        <source>%1 is not a file %2 can open: %3</source>
        <translation>%1 n&apos;est pas un fichier que %2 peut ouvrir&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>cordavo::LibraryDialog</name>
    <message>
        <source>Temperament Library</source>
        <translation>Bibliothèque de tempéraments</translation>
    </message>
    <message>
        <source>Filter by name</source>
        <translation>Filtrer par nom</translation>
    </message>
    <message>
        <source>The temperament library could not be read. %1</source>
        <translation>La bibliothèque de tempéraments n&apos;a pas pu être lue. %1</translation>
    </message>
    <message>
        <source>Temperaments</source>
        <translation>Tempéraments</translation>
    </message>
    <message>
        <source>Deviation in cents, A = 0</source>
        <translation>Écart en cents, La = 0</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>No temperament of the library has such a name.</source>
        <translation>Aucun tempérament de la bibliothèque ne porte ce nom.</translation>
    </message>
    <message>
        <source>No temperament of the library has such a name; the nearest are listed.</source>
        <translation>Aucun tempérament de la bibliothèque ne porte ce nom&#x202f;; les plus proches sont listés.</translation>
    </message>
    <message>
        <source>Also known as </source>
        <translation>Aussi appelé </translation>
    </message>
</context>
<context>
    <name>cordavo::ListenWindow</name>
    <message>
        <source>Listen</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>&amp;Sound:</source>
        <translation>&amp;Son&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Key of the scale and cadence:</source>
        <translation>&amp;Tonalité de la gamme et de la cadence&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation>&amp;Durée&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>&amp;Hold to Play</source>
        <translation>&amp;Maintenir pour jouer</translation>
    </message>
    <message>
        <source>S&amp;top (Esc)</source>
        <translation>A&amp;rrêter (Esc)</translation>
    </message>
    <message>
        <source>Equal temperament</source>
        <translation>Tempérament égal</translation>
    </message>
    <message>
        <source>&amp;Compare with:</source>
        <translation>&amp;Comparer avec&#xa0;:</translation>
    </message>
    <message>
        <source>S&amp;witch Temperament (Space)</source>
        <translation>&amp;Basculer le tempérament (Espace)</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voix&#xa0;:</translation>
    </message>
    <message>
        <source>V&amp;olume:</source>
        <translation>V&amp;olume&#xa0;:</translation>
    </message>
    <message>
        <source>Save So&amp;und…</source>
        <translation>Enregistrer le so&amp;n…</translation>
    </message>
    <message>
        <source>No sound output was found; Save Sound… still works</source>
        <translation>Aucune sortie audio trouvée&#x202f;; Enregistrer le son… fonctionne quand même</translation>
    </message>
    <message>
        <source>WAV 16-bit (*.wav)</source>
        <translation>WAV 16 bits (*.wav)</translation>
    </message>
    <message>
        <source>WAV 32-bit float (*.wav)</source>
        <translation>WAV 32 bits flottant (*.wav)</translation>
    </message>
    <message>
        <source>, old temperament</source>
        <translation>, ancien tempérament</translation>
    </message>
    <message>
        <source>, new temperament</source>
        <translation>, nouveau tempérament</translation>
    </message>
    <message>
        <source>Heard now: %1</source>
        <translation>Entendu maintenant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Heard now: the main window&apos;s temperament</source>
        <translation>Entendu maintenant&#xa0;: le tempérament de la fenêtre principale</translation>
    </message>
    <message>
        <source>Sound and &amp;MIDI…</source>
        <translation>Son et M&amp;IDI…</translation>
    </message>
    <message>
        <source>“%1” (%2)</source>
        <translation>«&#xa0;%1&#xa0;» (%2)</translation>
    </message>
    <message>
        <source>The sound system “%1” is not available; the automatic choice is used.</source>
        <translation>Le système audio «&#xa0;%1&#xa0;» n’est pas disponible&#x202f;; le choix automatique est utilisé.</translation>
    </message>
    <message>
        <source>The sound output “%1” was not found; the default is used.</source>
        <translation>La sortie audio «&#xa0;%1&#xa0;» est introuvable&#x202f;; la sortie par défaut est utilisée.</translation>
    </message>
    <message>
        <source>The sound output %1 could not be opened.</source>
        <translation>La sortie audio %1 n’a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>The sound output %1 did not start.</source>
        <translation>La sortie audio %1 n’a pas démarré.</translation>
    </message>
    <message>
        <source>The sound output %1 took no sound within a second and was closed.</source>
        <translation>La sortie audio %1 n’a pris aucun son en une seconde et a été fermée.</translation>
    </message>
    <message>
        <source>The sound output %1 stopped.</source>
        <translation>La sortie audio %1 s’est arrêtée.</translation>
    </message>
    <message>
        <source>The sound system says: %1</source>
        <translation>Le système audio indique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Choose another output under Sound and MIDI…; Save Sound… still works.</source>
        <translation>Choisissez une autre sortie dans Son et MIDI…&#x202f;; Enregistrer le son… fonctionne quand même.</translation>
    </message>
    <message>
        <source>The MIDI input “%1” is gone; its notes were released.</source>
        <translation>L’entrée MIDI «&#xa0;%1&#xa0;» a disparu&#xa0;; ses notes ont été relâchées.</translation>
    </message>
    <message>
        <source>Keyboard: %1 play %2 to %3</source>
        <translation>Clavier&#xa0;: %1 jouent de %2 à %3</translation>
    </message>
</context>
<context>
    <name>cordavo::SendTuningDialog</name>
    <message>
        <source>Send Tuning</source>
        <translation>Envoyer l&apos;accordage</translation>
    </message>
    <message>
        <source>MIDI &amp;output:</source>
        <translation>&amp;Sortie MIDI&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Form:</source>
        <translation>&amp;Forme&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Envoyer</translation>
    </message>
</context>
<context>
    <name>cordavo::SetterWindow</name>
    <message>
        <source>Exporting is not possible! Calculations are required before</source>
        <translation>Exportation impossible&#x202f;! Les calculs doivent être effectués auparavant</translation>
    </message>
    <message>
        <source>this setter</source>
        <translation>cette fenêtre de réglage</translation>
    </message>
    <message>
        <source>%1 Rounds: &quot;%2&quot; is not a whole number of decimals from 0 to 10</source>
        <translation>%1, décimales&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas un nombre entier de décimales de 0 à 10</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>Export correctly</source>
        <translation>Exportation réussie</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>Old temperament</source>
        <translation>Ancien tempérament</translation>
    </message>
    <message>
        <source>New temperament</source>
        <translation>Nouveau tempérament</translation>
    </message>
</context>
<context>
    <name>cordavo::SoundMidiDialog</name>
    <message>
        <source>Sound and MIDI</source>
        <translation>Son et MIDI</translation>
    </message>
    <message>
        <source>Sound &amp;system:</source>
        <translation>&amp;Système audio&#xa0;:</translation>
    </message>
    <message>
        <source>Output &amp;device:</source>
        <translation>&amp;Périphérique de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Buffer:</source>
        <translation>&amp;Tampon&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;All MIDI inputs</source>
        <translation>Toutes les &amp;entrées MIDI</translation>
    </message>
    <message>
        <source>MIDI inputs listened to</source>
        <translation>Entrées MIDI écoutées</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>MIDI &amp;channel:</source>
        <translation>&amp;Canal MIDI&#xa0;:</translation>
    </message>
    <message>
        <source>MIDI &amp;output for Send Tuning:</source>
        <translation>S&amp;ortie MIDI pour Envoyer l’accordage&#xa0;:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Latency: %1 ms a period at %2 kHz</source>
        <translation>Latence&#xa0;: %1 ms par période à %2 kHz</translation>
    </message>
    <message>
        <source>Automatic (no sound output found)</source>
        <translation>Automatique (aucune sortie audio trouvée)</translation>
    </message>
    <message>
        <source>Automatic (%1 now)</source>
        <translation>Automatique (%1 actuellement)</translation>
    </message>
    <message>
        <source>The sound system “%1” is not available; the automatic choice is used.</source>
        <translation>Le système audio «&#xa0;%1&#xa0;» n’est pas disponible&#x202f;; le choix automatique est utilisé.</translation>
    </message>
    <message>
        <source>The sound output “%1” was not found; the default is used.</source>
        <translation>La sortie audio «&#xa0;%1&#xa0;» est introuvable&#x202f;; la sortie par défaut est utilisée.</translation>
    </message>
    <message>
        <source>The MIDI input “%1” was not found.</source>
        <translation>L’entrée MIDI «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>The MIDI output “%1” was not found; none is chosen.</source>
        <translation>La sortie MIDI «&#xa0;%1&#xa0;» est introuvable&#x202f;; aucune n’est choisie.</translation>
    </message>
    <message numerus="yes">
        <source>%n frames</source>
        <translation>
            <numerusform>%n trame</numerusform>
            <numerusform>%n trames</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cordavo::TAboutBox</name>
    <message>
        <source>About Cordavo</source>
        <translation>À propos de Cordavo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Cordavo builds temperament files for the Hauptwerk virtual pipe organ.</source>
        <translation>Cordavo crée des fichiers de tempérament pour l&apos;orgue virtuel Hauptwerk.</translation>
    </message>
    <message>
        <source>You may use it and give it away freely, unchanged and free of charge.</source>
        <translation>Vous pouvez l&apos;utiliser et le distribuer librement, sans modification et gratuitement.</translation>
    </message>
    <message>
        <source>1. The files it makes are yours.</source>
        <translation>1. Les fichiers qu&apos;il crée vous appartiennent.</translation>
    </message>
    <message>
        <source>2.  It may not be sold, alone or with other programs.</source>
        <translation>2. Il ne peut pas être vendu, seul ou avec d&apos;autres programmes.</translation>
    </message>
    <message>
        <source>3. Hauptwerk is a trademark of its owner.</source>
        <translation>3. Hauptwerk est une marque de son propriétaire.</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>This program is distributed  as it is, without any warranty.</source>
        <translation>Ce programme est distribué tel quel, sans aucune garantie.</translation>
    </message>
    <message>
        <source>Check the pitches of a temperament file before you rely on it.</source>
        <translation>Vérifiez les hauteurs d&apos;un fichier de tempérament avant de vous y fier.</translation>
    </message>
    <message>
        <source>The authors accept no liability for any damage its use may cause.</source>
        <translation>Les auteurs déclinent toute responsabilité pour tout dommage que son utilisation pourrait causer.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Licences of the libraries…</source>
        <translation>Licences des bibliothèques…</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Licences of the libraries</source>
        <translation>Licences des bibliothèques</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormCents</name>
    <message>
        <source>Setting Cents Temperaments</source>
        <translation>Réglage des tempéraments en cents</translation>
    </message>
    <message>
        <source>&amp;Original Cents Temperament</source>
        <translation>Tempérament en cents &amp;original</translation>
    </message>
    <message>
        <source>&amp;New CentsTemperament</source>
        <translation>&amp;Nouveau tempérament en cents</translation>
    </message>
    <message>
        <source> name</source>
        <translation> nom</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Cents</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>Lo&amp;ad</source>
        <translation>C&amp;harger</translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation>É&amp;gal</translation>
    </message>
    <message>
        <source>Eq&amp;ual</source>
        <translation>Ég&amp;al</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Enregi&amp;strer</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>En&amp;registrer</translation>
    </message>
    <message>
        <source>L&amp;ibrary…</source>
        <translation>&amp;Bibliothèque…</translation>
    </message>
    <message>
        <source>Li&amp;brary…</source>
        <translation>B&amp;ibliothèque…</translation>
    </message>
    <message>
        <source>Cents setter</source>
        <translation>Réglage en cents</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormCicloQuinte</name>
    <message>
        <source>Setting The Cycle of Fifths</source>
        <translation>Réglage du cycle des quintes</translation>
    </message>
    <message>
        <source>Old Temperament</source>
        <translation>Ancien tempérament</translation>
    </message>
    <message>
        <source>New Temperament</source>
        <translation>Nouveau tempérament</translation>
    </message>
    <message>
        <source>%1 fifth %2-%3</source>
        <translation>%1, quinte %2-%3</translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation>É&amp;gal</translation>
    </message>
    <message>
        <source>Eq&amp;ual</source>
        <translation>Éga&amp;l</translation>
    </message>
    <message>
        <source> Comma </source>
        <translation> comma </translation>
    </message>
    <message>
        <source>&amp;Syntonic</source>
        <translation>&amp;Syntonique</translation>
    </message>
    <message>
        <source>S&amp;yntonic</source>
        <translation>S&amp;yntonique</translation>
    </message>
    <message>
        <source>&amp;Pythagorean</source>
        <translation>&amp;Pythagoricien</translation>
    </message>
    <message>
        <source>Pyt&amp;hagorean</source>
        <translation>Pyt&amp;hagoricien</translation>
    </message>
    <message>
        <source>&amp;Rounds</source>
        <translation>Déc&amp;imales</translation>
    </message>
    <message>
        <source>Roun&amp;ds</source>
        <translation>Décim&amp;ales</translation>
    </message>
    <message>
        <source> rounds</source>
        <translation> décimales</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>Calcula&amp;te</source>
        <translation>Calc&amp;uler</translation>
    </message>
    <message>
        <source>Value in Cents</source>
        <translation>Valeur en cents</translation>
    </message>
    <message>
        <source> values in cents</source>
        <translation> valeurs en cents</translation>
    </message>
    <message>
        <source>E&amp;xport Cents</source>
        <translation>E&amp;xporter les cents</translation>
    </message>
    <message>
        <source>Export Ce&amp;nts</source>
        <translation>Exporter les ce&amp;nts</translation>
    </message>
    <message>
        <source>%1 fifth %2 (%3-%4)</source>
        <translation>%1, quinte %2 (%3-%4)</translation>
    </message>
    <message>
        <source>Fifths setter</source>
        <translation>Réglage par quintes</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormScale</name>
    <message>
        <source>Setting Intervals temperaments</source>
        <translation>Réglage des tempéraments par intervalles</translation>
    </message>
    <message>
        <source>Original Temperament</source>
        <translation>Tempérament original</translation>
    </message>
    <message>
        <source>New Temperament</source>
        <translation>Nouveau tempérament</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>Lo&amp;ad</source>
        <translation>C&amp;harger</translation>
    </message>
    <message>
        <source>&amp;Name Temperament</source>
        <translation>&amp;Nom du tempérament</translation>
    </message>
    <message>
        <source>Na&amp;me Temperament</source>
        <translation>N&amp;om du tempérament</translation>
    </message>
    <message>
        <source> name</source>
        <translation> nom</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Enregi&amp;strer</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Enregis&amp;trer</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalles</translation>
    </message>
    <message>
        <source>%1 fraction %2 %3</source>
        <translation>%1, fraction %2, %3</translation>
    </message>
    <message>
        <source>numerator</source>
        <translation>numérateur</translation>
    </message>
    <message>
        <source>denominator</source>
        <translation>dénominateur</translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation>É&amp;gal</translation>
    </message>
    <message>
        <source>Eq&amp;ual</source>
        <translation>Éga&amp;l</translation>
    </message>
    <message>
        <source>&amp;Rounds</source>
        <translation>Déc&amp;imales</translation>
    </message>
    <message>
        <source>Roun&amp;ds</source>
        <translation>Décim&amp;ales</translation>
    </message>
    <message>
        <source> rounds</source>
        <translation> décimales</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>Calc&amp;uler</translation>
    </message>
    <message>
        <source>Calcula&amp;te</source>
        <translation>Calcule&amp;r</translation>
    </message>
    <message>
        <source>Values in Cents</source>
        <translation>Valeurs en cents</translation>
    </message>
    <message>
        <source> values in cents</source>
        <translation> valeurs en cents</translation>
    </message>
    <message>
        <source>E&amp;xport Cents</source>
        <translation>E&amp;xporter les cents</translation>
    </message>
    <message>
        <source>Ex&amp;port Cents</source>
        <translation>Ex&amp;porter les cents</translation>
    </message>
    <message>
        <source>Original Temperament Intervals</source>
        <translation>Intervalles du tempérament original</translation>
    </message>
    <message>
        <source>New Temperament Intervals</source>
        <translation>Intervalles du nouveau tempérament</translation>
    </message>
    <message>
        <source>Intervals setter</source>
        <translation>Réglage par intervalles</translation>
    </message>
    <message>
        <source>Equal Temperament</source>
        <translation>Tempérament égal</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormTemperamento</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Generate xml</source>
        <translation>&amp;Générer le xml</translation>
    </message>
    <message>
        <source>S&amp;how xml</source>
        <translation>&amp;Afficher le xml</translation>
    </message>
    <message>
        <source>&amp;Open xml</source>
        <translation>&amp;Ouvrir un xml</translation>
    </message>
    <message>
        <source>&amp;Save xml</source>
        <translation>&amp;Enregistrer le xml</translation>
    </message>
    <message>
        <source>&amp;Export Tuning…</source>
        <translation>E&amp;xporter l&apos;accordage…</translation>
    </message>
    <message>
        <source>&amp;Load GrandOrgue Temperament…</source>
        <translation>Charger un tempérament GrandOrg&amp;ue…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>F&amp;unctions</source>
        <translation>F&amp;onctions</translation>
    </message>
    <message>
        <source>&amp;Load Supplier</source>
        <translation>&amp;Charger le fournisseur</translation>
    </message>
    <message>
        <source>&amp;Save Supplier</source>
        <translation>&amp;Enregistrer le fournisseur</translation>
    </message>
    <message>
        <source>Load &amp;Temperament</source>
        <translation>Charger le &amp;tempérament</translation>
    </message>
    <message>
        <source>Load S&amp;cala…</source>
        <translation>Charger une gamme &amp;Scala…</translation>
    </message>
    <message>
        <source>Sa&amp;ve Temperament</source>
        <translation>Enregistrer le tempéra&amp;ment</translation>
    </message>
    <message>
        <source>&amp;Analyse Temperament</source>
        <translation>&amp;Analyser le tempérament</translation>
    </message>
    <message>
        <source>Liste&amp;n…</source>
        <translation>Éc&amp;outer…</translation>
    </message>
    <message>
        <source>Tuning &amp;Guide…</source>
        <translation>&amp;Guide d&apos;accordage…</translation>
    </message>
    <message>
        <source>Temperament L&amp;ibrary…</source>
        <translation>&amp;Bibliothèque de tempéraments…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Aperçu a&amp;vant impression…</translation>
    </message>
    <message>
        <source>Page Set&amp;up</source>
        <translation>&amp;Mise en page</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Hauptwerk Temperament File Generator</source>
        <translation>Générateur de fichiers de tempérament Hauptwerk</translation>
    </message>
    <message>
        <source>&amp;Old Temperament</source>
        <translation>&amp;Ancien tempérament</translation>
    </message>
    <message>
        <source>Old Temperament A =</source>
        <translation>Ancien tempérament La =</translation>
    </message>
    <message>
        <source>&amp;Set Temperamet</source>
        <translation>&amp;Régler le tempérament</translation>
    </message>
    <message>
        <source>&amp;Cents</source>
        <translation>&amp;Cents</translation>
    </message>
    <message>
        <source>&amp;Intervals</source>
        <translation>&amp;Intervalles</translation>
    </message>
    <message>
        <source>Fift&amp;h</source>
        <translation>&amp;Quinte</translation>
    </message>
    <message>
        <source>Ne&amp;w Temperament</source>
        <translation>&amp;Nouveau tempérament</translation>
    </message>
    <message>
        <source>New Temperament A =</source>
        <translation>Nouveau tempérament La =</translation>
    </message>
    <message>
        <source>Supplier Na&amp;me</source>
        <translation>Nom du fournis&amp;seur</translation>
    </message>
    <message>
        <source>I&amp;D Supplier</source>
        <translation>I&amp;D du fournisseur</translation>
    </message>
    <message>
        <source>ID &amp;Temperament</source>
        <translation>ID du &amp;tempérament</translation>
    </message>
    <message>
        <source>&amp;Name Temperament</source>
        <translation>Nom du t&amp;empérament</translation>
    </message>
    <message>
        <source>Sho&amp;rt Name</source>
        <translation>Nom co&amp;urt</translation>
    </message>
    <message>
        <source>Comm&amp;ent</source>
        <translation>Co&amp;mmentaire</translation>
    </message>
    <message>
        <source> cents</source>
        <translation> cents</translation>
    </message>
    <message>
        <source>Temperament (*.Temperament_Hauptwerk_xml *.Temperament.Hauptwerk.xml *.xml *.Txt *.txt)</source>
        <translation>Tempérament (*.Temperament_Hauptwerk_xml *.Temperament.Hauptwerk.xml *.xml *.Txt *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>A reference-pitch box does not hold a pitch from %1 to %2 Hz.</source>
        <translation>Un champ de diapason de référence ne contient pas de fréquence comprise entre %1 et %2 Hz.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a pitch from %3 to %4 Hz</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas une fréquence comprise entre %3 et %4 Hz</translation>
    </message>
    <message>
        <source>Before Generating The XML Page</source>
        <translation>Générez d&apos;abord la page XML</translation>
    </message>
    <message>
        <source>File %1 Saved</source>
        <translation>Fichier %1 enregistré</translation>
    </message>
    <message>
        <source>Unsaved data for errors !</source>
        <translation>Données non enregistrées en raison d&apos;erreurs&#x202f;!</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The &amp;system&apos;s language</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>Cordavo speaks the chosen language from its next start.</source>
        <translation>Cordavo utilisera la langue choisie à partir de son prochain démarrage.</translation>
    </message>
    <message>
        <source>A =</source>
        <translation>La =</translation>
    </message>
    <message>
        <source>Sen&amp;d Tuning…</source>
        <translation>E&amp;nvoyer l&apos;accordage…</translation>
    </message>
    <message>
        <source>No MIDI output was found: connect an instrument, or start it, and try again.</source>
        <translation>Aucune sortie MIDI trouvée&#xa0;: branchez ou démarrez un instrument, puis réessayez.</translation>
    </message>
    <message>
        <source>The tuning could not be sent to %1: %2</source>
        <translation>L&apos;accordage n&apos;a pas pu être envoyé à %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The tuning was sent to %1 (%2).</source>
        <translation>L&apos;accordage a été envoyé à %1 (%2).</translation>
    </message>
    <message>
        <source>Sound and &amp;MIDI…</source>
        <translation>Son et M&amp;IDI…</translation>
    </message>
</context>
<context>
    <name>cordavo::TFormXml</name>
    <message>
        <source>Xml document</source>
        <translation>Document xml</translation>
    </message>
</context>
<context>
    <name>cordavo::TextPrinting</name>
    <message>
        <source>Cannot print: the printer could not be opened</source>
        <translation>Impression impossible&#xa0;: l&apos;imprimante n&apos;a pas pu être ouverte</translation>
    </message>
    <message>
        <source>Printing failed: the printer reported an error</source>
        <translation>Échec de l&apos;impression&#xa0;: l&apos;imprimante a signalé une erreur</translation>
    </message>
</context>
<context>
    <name>cordavo::TuningGuideWindow</name>
    <message>
        <source>Tuning Guide</source>
        <translation>Guide d&apos;accordage</translation>
    </message>
    <message>
        <source>8′ (as written; harpsichord)</source>
        <translation>8′ (tel qu&apos;écrit&#x202f;; clavecin)</translation>
    </message>
    <message>
        <source>4′ (an octave higher: Principal 4′)</source>
        <translation>4′ (une octave plus haut&#xa0;: Prestant 4′)</translation>
    </message>
    <message>
        <source>2′ (two octaves higher)</source>
        <translation>2′ (deux octaves plus haut)</translation>
    </message>
    <message>
        <source>Count per &amp;metronome beat at MM</source>
        <translation>Compter par temps de &amp;métronome à MM</translation>
    </message>
    <message>
        <source>&amp;Temperature: the organ is at pitch at</source>
        <translation>&amp;Température&#xa0;: l&apos;orgue est au diapason à</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre</translation>
    </message>
    <message>
        <source>Tuning guide</source>
        <translation>Guide d&apos;accordage</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Save P&amp;DF…</source>
        <translation>Enregistrer en P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Bearing:</source>
        <translation>&amp;Partition&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Stop:</source>
        <translation>&amp;Jeu&#xa0;:</translation>
    </message>
    <message>
        <source>and is &amp;now at</source>
        <translation>et se trouve &amp;actuellement à</translation>
    </message>
    <message>
        <source>P&amp;aper:</source>
        <translation>Papi&amp;er&#xa0;:</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot print: the printer could not be opened</source>
        <translation>Impression impossible&#xa0;: l&apos;imprimante n&apos;a pas pu être ouverte</translation>
    </message>
    <message>
        <source>Printing failed: the printer reported an error</source>
        <translation>Échec de l&apos;impression&#xa0;: l&apos;imprimante a signalé une erreur</translation>
    </message>
</context>
</TS>
