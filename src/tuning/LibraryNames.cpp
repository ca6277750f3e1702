#include "tuning/LibraryNames.h"

#include <QCoreApplication>

namespace cordavo {

namespace {

// One name of the library in the four languages, Italian, German, Dutch and
// French: each its name there, then after "|" the words organists of that
// language also type for it. An empty name keeps the English (a proper name)
// and gives only the words.
struct LocalNames {
    const char *english;
    const char *languages[4];
};

constexpr const char *kLanguages[4] = {"it", "de", "nl", "fr"};

// The reference works' names: temperamento equabile, mesotonico a 1/4 di
// comma, accordatura pitagorica, intonazione naturale; gleichstufige
// Stimmung, 1/4-Komma-mitteltönige Stimmung, pythagoreische Stimmung, reine
// Stimmung; gelijkzwevende stemming, middentoonstemming, pythagorese
// stemming, reine stemming; tempérament égal, tempérament mésotonique au 1/4
// de comma, accord pythagoricien, intonation juste.
constexpr LocalNames kEntryNames[] = {
    {"Equal temperament",
     {"Temperamento equabile|equabile|temperamento equabile a 12 semitoni|accordatura equabile",
      "Gleichstufige Stimmung|gleichstufig|gleichschwebend|gleichschwebende Stimmung|gleichschwebende "
      "Temperatur|gleichstufige Temperatur|gleichtemperiert",
      "Gelijkzwevende stemming|gelijkzwevend|gelijkzwevende temperatuur|evenredige stemming",
      "Tempérament égal|égal|gamme tempérée|tempérament égal à douze demi-tons"}},
    {"1/4 comma meantone (Aaron 1523)",
     {"Temperamento mesotonico a 1/4 di comma (Aaron 1523)|mesotonico|temperamento mesotonico|mesotonico a 1/4 di "
      "comma|mesotonico a un quarto di comma",
      "1/4-Komma-mitteltönige Stimmung (Aaron 1523)|mitteltönig|mitteltönige Stimmung|mitteltönige "
      "Temperatur|Mitteltönigkeit|viertelkommamitteltönig|Viertelkomma mitteltönig",
      "1/4-komma-middentoonstemming (Aaron 1523)|middentoon|middentoonstemming|middentoontemperatuur|kwartkomma "
      "middentoon",
      "Tempérament mésotonique au 1/4 de comma (Aaron 1523)|mésotonique|tempérament mésotonique|mésotonique au "
      "quart de comma|quart de comma"}},
    {"1/4-comma meantone approximation",
     {"Approssimazione del mesotonico a 1/4 di comma", "Annäherung an die 1/4-Komma-mitteltönige Stimmung",
      "Benadering van de 1/4-komma-middentoonstemming", "Approximation du tempérament mésotonique au 1/4 de comma"}},
    {"1/4-comma equal beating fifths",
     {"1/4 di comma, quinte a battimenti uguali", "1/4 Komma, Quinten mit gleichen Schwebungen",
      "1/4 komma, kwinten met gelijke zwevingen", "1/4 de comma, quintes à battements égaux"}},
    {"Rameau bemols", {"Rameau bemolli", "Rameau Be-Töne", "Rameau mollen", "Rameau bémols"}},
    {"Rameau dieses", {"Rameau diesis", "Rameau Kreuztöne", "Rameau kruisen", "Rameau dièses"}},
    {"Mersenne's Improved Meantone 1",
     {"Mesotonico migliorato di Mersenne 1", "Mersennes verbesserte mitteltönige Stimmung 1",
      "Verbeterde middentoonstemming van Mersenne 1", "Mésotonique amélioré de Mersenne 1"}},
    {"Rameau's modified meantone temperament (1725)",
     {"Temperamento mesotonico modificato di Rameau (1725)", "Rameaus modifizierte mitteltönige Stimmung (1725)",
      "Gewijzigde middentoonstemming van Rameau (1725)", "Tempérament mésotonique modifié de Rameau (1725)"}},
    {"d'Alembert modified meantone (1752)",
     {"Mesotonico modificato di d'Alembert (1752)", "d'Alemberts modifizierte mitteltönige Stimmung (1752)",
      "Gewijzigde middentoonstemming van d'Alembert (1752)", "Mésotonique modifié de d'Alembert (1752)"}},
    {"1/5-comma meantone (Verheijen)",
     {"Temperamento mesotonico a 1/5 di comma (Verheijen)|mesotonico a un quinto di comma",
      "1/5-Komma-mitteltönige Stimmung (Verheijen)|Fünftelkomma mitteltönig",
      "1/5-komma-middentoonstemming (Verheijen)|vijfdekomma middentoon",
      "Tempérament mésotonique au 1/5 de comma (Verheijen)|cinquième de comma"}},
    {"1/6-comma meantone",
     {"Temperamento mesotonico a 1/6 di comma|mesotonico a un sesto di comma",
      "1/6-Komma-mitteltönige Stimmung|Sechstelkomma mitteltönig", "1/6-komma-middentoonstemming|zesdekomma middentoon",
      "Tempérament mésotonique au 1/6 de comma|sixième de comma"}},
    {"1/6-comma (bemols)",
     {"1/6 di comma (bemolli)", "1/6 Komma (Be-Töne)", "1/6 komma (mollen)", "1/6 de comma (bémols)"}},
    {"Modified 1/6-Pythagorean-comma temperament",
     {"Temperamento modificato a 1/6 di comma pitagorico", "Modifizierte Temperatur zu 1/6 pythagoreischem Komma",
      "Gewijzigde temperatuur met 1/6 pythagorese komma", "Tempérament modifié au 1/6 de comma pythagoricien"}},
    {"1/6-comma equal beating fifths",
     {"1/6 di comma, quinte a battimenti uguali", "1/6 Komma, Quinten mit gleichen Schwebungen",
      "1/6 komma, kwinten met gelijke zwevingen", "1/6 de comma, quintes à battements égaux"}},
    {"1/6-comma, wolf over 4 fifths",
     {"1/6 di comma, lupo su 4 quinte", "1/6 Komma, Wolf auf 4 Quinten verteilt", "1/6 komma, wolf over 4 kwinten",
      "1/6 de comma, loup sur 4 quintes"}},
    {"3/14-comma meantone (Giordano Riccati, 1762)",
     {"Temperamento mesotonico a 3/14 di comma (Giordano Riccati, 1762)",
      "3/14-Komma-mitteltönige Stimmung (Giordano Riccati, 1762)",
      "3/14-komma-middentoonstemming (Giordano Riccati, 1762)",
      "Tempérament mésotonique au 3/14 de comma (Giordano Riccati, 1762)"}},
    {"Lambert (1774) 1/7 comma",
     {"Lambert (1774) 1/7 di comma", "Lambert (1774) 1/7 Komma", "Lambert (1774) 1/7 komma",
      "Lambert (1774) 1/7 de comma"}},
    {"Variable meantone 1",
     {"Mesotonico variabile 1", "Variable mitteltönige Stimmung 1", "Variabele middentoonstemming 1",
      "Mésotonique variable 1"}},
    {"Variable meantone 2",
     {"Mesotonico variabile 2", "Variable mitteltönige Stimmung 2", "Variabele middentoonstemming 2",
      "Mésotonique variable 2"}},
    {"Variable meantone 3",
     {"Mesotonico variabile 3", "Variable mitteltönige Stimmung 3", "Variabele middentoonstemming 3",
      "Mésotonique variable 3"}},
    {"Variable meantone 4",
     {"Mesotonico variabile 4", "Variable mitteltönige Stimmung 4", "Variabele middentoonstemming 4",
      "Mésotonique variable 4"}},
    {"William Holder equal beating (1694)",
     {"William Holder, battimenti uguali (1694)", "William Holder, gleiche Schwebungen (1694)",
      "William Holder, gelijke zwevingen (1694)", "William Holder, battements égaux (1694)"}},
    {"Zarlino (1558) 2/7-comma meantone",
     {"Zarlino (1558), mesotonico a 2/7 di comma", "Zarlino (1558), 2/7-Komma-mitteltönige Stimmung",
      "Zarlino (1558), 2/7-komma-middentoonstemming", "Zarlino (1558), tempérament mésotonique au 2/7 de comma"}},
    {"1/3-comma meantone (Salinas 1577)",
     {"Temperamento mesotonico a 1/3 di comma (Salinas 1577)|mesotonico a un terzo di comma",
      "1/3-Komma-mitteltönige Stimmung (Salinas 1577)|Drittelkomma mitteltönig",
      "1/3-komma-middentoonstemming (Salinas 1577)|derdekomma middentoon",
      "Tempérament mésotonique au 1/3 de comma (Salinas 1577)|tiers de comma"}},
    {"2/9-comma meantone (Rossi 1666)",
     {"Temperamento mesotonico a 2/9 di comma (Rossi 1666)", "2/9-Komma-mitteltönige Stimmung (Rossi 1666)",
      "2/9-komma-middentoonstemming (Rossi 1666)", "Tempérament mésotonique au 2/9 de comma (Rossi 1666)"}},
    {"Pythagorean",
     {"Accordatura pitagorica|pitagorico|pitagorica|temperamento pitagorico|sistema pitagorico|scala pitagorica",
      "Pythagoreische Stimmung|pythagoreisch|pythagoräisch|pythagoreische Temperatur",
      "Pythagorese stemming|pythagorees|pythagoreïsche stemming",
      "Accord pythagoricien|pythagoricien|gamme pythagoricienne|tempérament pythagoricien"}},
    {"Pure Major",
     {"Intonazione naturale (maggiore)|intonazione naturale|intonazione giusta|intonazione pura",
      "Reine Stimmung (Dur)|reine Stimmung|reine Intonation|natürliche Stimmung",
      "Reine stemming (majeur)|reine stemming|zuivere stemming|natuurlijke stemming",
      "Intonation juste (majeur)|intonation juste|gamme naturelle|accord juste"}},
    {"Pure Minor",
     {"Intonazione naturale (minore)|intonazione giusta minore", "Reine Stimmung (Moll)", "Reine stemming (mineur)",
      "Intonation juste (mineur)"}},
    {"Kellner's Bach tuning",
     {"Accordatura di Kellner per Bach", "Kellners Bach-Stimmung", "Bach-stemming van Kellner",
      "Accord de Kellner pour Bach"}},
    {"Mercadier's well-temperament",
     {"Buon temperamento di Mercadier", "Mercadiers wohltemperierte Stimmung", "Welgetemperde stemming van Mercadier",
      "Bon tempérament de Mercadier"}},
    {"Malerbi's well-temperament nr 1 (1794)",
     {"Buon temperamento di Malerbi n. 1 (1794)", "Malerbis wohltemperierte Stimmung Nr. 1 (1794)",
      "Welgetemperde stemming van Malerbi nr. 1 (1794)", "Bon tempérament de Malerbi nº 1 (1794)"}},
    {"Equal beating Victorian piano temperament",
     {"Temperamento vittoriano del pianoforte a battimenti uguali",
      "Viktorianische Klavierstimmung mit gleichen Schwebungen", "Victoriaanse pianostemming met gelijke zwevingen",
      "Tempérament victorien du piano à battements égaux"}},
    {"Hummel's quasi-equal temperament (1829)",
     {"Temperamento quasi equabile di Hummel (1829)", "Hummels fast gleichstufige Stimmung (1829)",
      "Bijna gelijkzwevende stemming van Hummel (1829)", "Tempérament quasi égal de Hummel (1829)"}},
    {"Victorian temperament 1885",
     {"Temperamento vittoriano 1885", "Viktorianische Stimmung 1885", "Victoriaanse stemming 1885",
      "Tempérament victorien 1885"}},
    {"Mersenne spinet 1",
     {"Spinetta di Mersenne 1", "Mersennes Spinett 1", "Spinet van Mersenne 1", "Épinette de Mersenne 1"}},
    {"Mersenne spinet 2",
     {"Spinetta di Mersenne 2", "Mersennes Spinett 2", "Spinet van Mersenne 2", "Épinette de Mersenne 2"}},
    {"Sauveur harpsichord 1697",
     {"Sauveur, clavicembalo 1697", "Sauveur, Cembalo 1697", "Sauveur, klavecimbel 1697", "Sauveur, clavecin 1697"}},
    {"Sorge Monochord (1756)", {"Monocordo di Sorge (1756)", "", "", "Monocorde de Sorge (1756)"}},
};

constexpr LocalNames kGroupNames[] = {
    {"1/4 comma variants",
     {"Varianti a 1/4 di comma", "Varianten zu 1/4 Komma", "Varianten op 1/4 komma", "Variantes au 1/4 de comma"}},
    {"1/5 comma", {"1/5 di comma", "1/5 Komma", "1/5 komma", "1/5 de comma"}},
    {"1/6 comma", {"1/6 di comma", "1/6 Komma", "1/6 komma", "1/6 de comma"}},
    {"Various comma",
     {"Altre frazioni di comma", "Andere Kommabruchteile", "Andere kommadelen", "Autres fractions de comma"}},
    {"Pythagorean", {"Pitagorici", "Pythagoreisch", "Pythagorees", "Pythagoriciens"}},
    {"Other just",
     {"Altre intonazioni naturali", "Andere reine Stimmungen", "Andere reine stemmingen", "Autres intonations justes"}},
    {"Well tempered",
     {"Buoni temperamenti|buon temperamento|temperamento inequabile|temperamento circolante|ben temperato",
      "Wohltemperierte Stimmungen|wohltemperiert|wohltemperierte Stimmung|Wohltemperierung",
      "Welgetemperde stemmingen|welgetemperd|welgetemperde stemming",
      "Bons tempéraments|bon tempérament|tempérament inégal|tempérament circulant"}},
    {"Harpsichord/Piano/Monochord",
     {"Clavicembalo/pianoforte/monocordo", "Cembalo/Klavier/Monochord", "Klavecimbel/piano/monochord",
      "Clavecin/piano/monocorde"}},
};

// The English words of a group beside its name.
constexpr std::pair<const char *, const char *> kGroupAliases[] = {
    {"Well tempered", "well temperament"},
    {"Other just", "just intonation"},
};

QStringList parts(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char('|'));
}

int languageIndex(const QString &language)
{
    for (int i = 0; i < 4; ++i) {
        if (language == QLatin1String(kLanguages[i]))
            return i;
    }
    return -1;
}

} // namespace

QStringList libraryLanguages()
{
    QStringList codes;
    for (const char *code : kLanguages)
        codes << QLatin1String(code);
    return codes;
}

QString libraryDisplayLanguage()
{
    // Each translation answers this with its own language's code.
    const QString code =
        QCoreApplication::translate("Library", "en", "The code of this translation's language: it, de, nl or fr");
    return languageIndex(code) >= 0 ? code : QStringLiteral("en");
}

void addLocalNames(QList<LibraryEntry> &entries)
{
    for (const LocalNames &row : kEntryNames) {
        for (LibraryEntry &entry : entries) {
            if (entry.name != QString::fromUtf8(row.english))
                continue;
            for (int i = 0; i < 4; ++i) {
                QStringList names = parts(row.languages[i]);
                const QString name = names.takeFirst();
                if (!name.isEmpty())
                    entry.localNames.insert(QLatin1String(kLanguages[i]), name);
                names.removeAll(QString());
                if (!names.isEmpty())
                    entry.localAliases.insert(QLatin1String(kLanguages[i]), names);
            }
        }
    }
}

QString libraryName(const LibraryEntry &entry, const QString &language)
{
    return entry.localNames.value(language, entry.name);
}

QString libraryShownName(const LibraryEntry &entry, const QString &language)
{
    const QString local = libraryName(entry, language);
    return local == entry.name ? local : local + QStringLiteral(" \u2014 ") + entry.name;
}

QStringList libraryLocalAliases(const LibraryEntry &entry, const QString &language)
{
    return entry.localAliases.value(language);
}

QString libraryGroupName(const QString &group, const QString &language)
{
    const int index = languageIndex(language);
    for (const LocalNames &row : kGroupNames) {
        if (index >= 0 && group == QString::fromUtf8(row.english))
            return parts(row.languages[index]).first();
    }
    return group;
}

QStringList libraryGroupSearchNames(const QString &group)
{
    if (group.isEmpty())
        return {};
    QStringList names{group};
    for (const auto &[english, alias] : kGroupAliases) {
        if (group == QString::fromUtf8(english))
            names << QString::fromUtf8(alias);
    }
    for (const LocalNames &row : kGroupNames) {
        if (group != QString::fromUtf8(row.english))
            continue;
        for (const char *text : row.languages)
            names << parts(text);
    }
    return names;
}

} // namespace cordavo
