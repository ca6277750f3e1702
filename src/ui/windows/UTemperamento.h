#pragma once

#include "numbers/Separators.h"
#include "tuning/LineFile.h"
#include "tuning/PitchTable.h"
#include "tuning/TemperamentXml.h"
#include "tuning/TuningExport.h"
#include "ui/desktop/UserDialogs.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QActionGroup;
class QPrinter;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSettings;

namespace cordavo {

class CordavoWindows;
class GrandOrgueExchange;
class LibraryDialog;
class SetterWindow;
class TNumEdit;

// The main window: the two reference pitches, the twelve note offsets and
// the identifying fields of the temperament file.
class TFormTemperamento : public QMainWindow
{
    Q_OBJECT
public:
    // The main window is made first; it reaches the windows made after it
    // (the viewer, the setters, About, the analysis) through their owner.
    TFormTemperamento(CordavoWindows &windows, const Separators &separators, UserDialogs &dialogs,
                      QWidget *parent = nullptr);
    ~TFormTemperamento() override;

    // The twelve note fields' values, C to B.
    NoteCents noteCents() const;
    // The temperament's name, as the "Name Temperament" field shows it.
    QString temperamentName() const;
    // The pitch the Old and the New Temperament box show, when it is a
    // reference pitch (see isReferencePitch).
    std::optional<double> oldReferencePitch() const;
    std::optional<double> newReferencePitch() const;
    // Both reference pitches, old and new; nothing when a box holds none,
    // with the sentence that tells the user so in 'why'.
    std::optional<std::pair<double, double>> referencePitches(QString *why) const;
    // Calls 'refresh' whenever the note fields or pitches change while
    // 'window' is shown: the windows that follow this one stay current.
    void followWhileShown(QWidget *window, std::function<void()> refresh);

    // Makes the main window visible, in front and active.
    void showMainWindow();

    // Opens a file of any kind the program knows (see fileKindOf) as the
    // command for that kind would, with the same checks and messages: *.Tmp
    // as "Load Temperament", *.For as "Load Supplier", *.scl as "Load
    // Scala...", a temperament xml as "Open xml"; a cents or intervals
    // file goes into the Input side of its setter, which then opens. Any
    // other file is refused with a message. True once the file is loaded.
    bool openFile(const QString &path);
    // Files named when the program starts: opened in turn once the About
    // window of the first activation has been answered (at once when it
    // already has).
    void openAtStart(const QStringList &paths);

    // What the load commands do once they have a path: nothing changes
    // unless the whole file passes. True once the file is loaded.
    bool loadSupplier(const QString &path);
    bool loadTemperament(const QString &path);
    bool loadScala(const QString &path);
    bool openXml(const QString &path);

    // A setter's export: the values reach the note fields at the next activation.
    void exportCents(const NoteCents &cents);
    bool exportPending() const { return ExportPending; }
    bool xmlGenerated() const { return XmlGenerated; }
    bool dataError() const { return DataError; }

    // Handlers.
    void FormActivate();
    void ButtonSetTemperamentoClick();
    void ButtonGeneraXmlClick();
    void VisualizzaXmlClick();
    void EsciClick();
    void InformazioniClick();
    void ApriXmlClick();
    void AnalizzaTemperamentoClick();
    void AscoltaClick();
    void SuonoMidiClick();
    void GuidaAccordaturaClick();
    void SalvaXmlClick();
    QString SaveDialogXmlTypeChange(const QString &name, int fileType);
    void EsportaAccordaturaClick();
    QString SaveDialogAccordaturaTypeChange(const QString &name, int fileType);
    void InviaAccordaturaClick();
    void StampaClick();
    void AnteprimaStampaClick();
    void ImpostaPaginaClick();
    void CaricaFornitoreClick();
    void SalvaFornitoreClick();
    void CaricaTemperamentoClick();
    void CaricaScalaClick();
    void SalvaTemperamentoClick();
    void LibreriaTemperamentiClick();
    void CaricaGrandOrgueClick();

    // "? → Language": checks the language chosen ("" for the system's) and
    // hands each new choice to 'remember'; the windows speak it from the
    // next start on, which a message says.
    void offerLanguages(const QString &chosen, std::function<void(const QString &)> remember);

    // Where "Send Tuning…" remembers the MIDI output and the form last
    // chosen ("midi/output", "midi/tuningForm"); nothing is remembered without it.
    void rememberMidiChoiceIn(QSettings &settings) { m_settings = &settings; }

    // The chooser behind "Temperament Library...", made at first use.
    LibraryDialog &libraryDialog();

    // The printer that "Print" uses and "Page Setup" sets up.
    // Made at first use: setting up the print system is slow, and most runs never print.
    QPrinter &printer();

    void ValidateData();

signals:
    // A note field or a reference pitch changed.
    void temperamentChanged();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void chooseLanguage(const QString &code);
    void createControls();
    void createMenus();
    TNumEdit *createNumEdit(QWidget *parent, const char *name, bool decimal, int maxLength);
    // The pitch a reference box shows, when it is a reference pitch.
    std::optional<double> shownPitch(const QComboBox *box) const;
    // The pitch a reference box shows, or nothing (after a message naming the box).
    std::optional<double> pitchOf(QComboBox *box, const QString &boxName);
    TemperamentData temperamentData(double oldA, double newA) const;
    // The note fields' values and both reference pitches, once they pass the
    // checks "Generate xml" makes of them (after a message for each failure).
    std::optional<TuningSource> checkedTuning();
    // A chosen temperament into the note fields (shown with two decimals,
    // as an export is) and its name into "Name Temperament".
    void showTemperament(const NoteCents &deviations, const QString &name);
    // The fields both data files hold: the temperament's name, short name and comment.
    void showNames(const QString &name, const QString &shortName, const QString &comment);
    // Whether every note of a file lies within the fields' range; the
    // refusal, naming the file, is shown otherwise.
    bool notesInRange(const NoteCents &deviations, const QString &path);
    // Saves a data file's lines once the identifying fields pass their checks.
    void saveDataFile(FileQuestion &question, const QStringList &lines);
    void GenerateXml(double oldA, double newA);
    // Prints the viewer's lines in its font on this printer (after an error
    // box when printing fails).
    void printDocument(QPrinter &target);
    // Loads a setter's file into its Input side and, once loaded, opens the
    // setter as "Set Temperament" would with this choice.
    bool openInSetter(SetterWindow &setter, QRadioButton *choice, const QString &path);
    void openStartFiles();

    CordavoWindows &m_windows;
    Separators m_separators;
    UserDialogs &m_dialogs;
    LibraryDialog *m_libraryDialog = nullptr;
    std::unique_ptr<GrandOrgueExchange> m_grandOrgue;

    // Controls; the twelve note fields, C to B, are NumEdit_Do to NumEdit_Si.
    QComboBox *ComboBoxTemperamentInput;
    QComboBox *ComboBoxTemperamentOut;
    QRadioButton *RadioButtonCents;
    QRadioButton *RadioButtonScale;
    QRadioButton *RadioButtonQuinte;
    QLineEdit *EditNomeFornitore;
    TNumEdit *NumEdit_IdFornitore;
    TNumEdit *NumEdit_IdTemperamento;
    QLineEdit *EditNomeTemperamento;
    QLineEdit *EditNomeCorto;
    QLineEdit *EditCommento;
    std::array<TNumEdit *, 12> m_noteFields{};

    // How much the layout grew for the desktop's font; 1 at the font it was drawn for.
    qreal m_growth = 1;
    // "? → Language": its choices, and where a new one is remembered.
    QActionGroup *m_languageGroup = nullptr;
    std::function<void(const QString &)> m_rememberLanguage;
    QSettings *m_settings = nullptr;
    bool AboutShown = false;
    bool DataError = false;
    bool XmlGenerated = false;
    bool ExportPending = false;
    NoteCents ExportedCents{};
    // Files named at start, waiting for the About window to be answered.
    QStringList m_startFiles;

    FileQuestion SaveDialogXml;
    FileQuestion OpenDialogXml;
    FileQuestion OpenDialogFornitore;
    FileQuestion SaveDialogFornitore;
    FileQuestion OpenDialogTemperamento;
    FileQuestion SaveDialogTemperamento;
    FileQuestion SaveDialogAccordatura;
    FileQuestion OpenDialogScala;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace cordavo
