#pragma once

#include "numbers/Separators.h"
#include "tuning/LineFile.h"
#include "tuning/PitchTable.h"
#include "tuning/TemperamentXml.h"
#include "ui/UserDialogs.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QPrinter;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace cordavo {

class AnalysisWindow;
class LibraryDialog;
class TAboutBox;
class TFormCents;
class TFormCicloQuinte;
class TFormScale;
class TFormXml;
class TNumEdit;

// The main window: the two reference pitches, the twelve note offsets and
// the identifying fields of the temperament file.
class TFormTemperamento : public QMainWindow
{
    Q_OBJECT
public:
    TFormTemperamento(const Separators &separators, UserDialogs &dialogs, QWidget *parent = nullptr);
    ~TFormTemperamento() override;

    // The windows this one talks to, created after it.
    void setWindows(TFormXml &formXml, TFormCicloQuinte &formCicloQuinte, TFormScale &formScale,
                    TFormCents &formCents, TAboutBox &aboutBox);
    void setAnalysisWindow(AnalysisWindow &analysis);

    // The twelve note fields' values, C to B.
    NoteCents noteCents() const;
    // The pitch a reference box shows, when it is one from 400 to 500 Hz.
    std::optional<double> shownPitch(const QComboBox *box) const;

    // Makes the main window visible, in front and active.
    void showMainWindow();

    // A setter's export: the values reach the note fields at the next activation.
    void exportCents(const NoteCents &cents);
    bool exportPending() const { return ExportPending; }
    bool xmlGenerated() const { return XmlGenerated; }
    bool dataError() const { return DataError; }

    // The twelve note fields, C to B.
    const std::array<TNumEdit *, 12> &noteFields() const { return m_noteFields; }

    // Handlers.
    void FormActivate();
    void ButtonSetTemperamentoClick();
    void ButtonGeneraXmlClick();
    void VisualizzaXmlClick();
    void EsciClick();
    void InformazioniClick();
    void ApriXmlClick();
    void AnalizzaTemperamentoClick();
    void ComboBoxTemperamentInputChange();
    void ComboBoxTemperamentOutChange();
    void SalvaXmlClick();
    QString SaveDialogXmlTypeChange(const QString &name, int fileType);
    void StampaClick();
    void ImpostaPaginaClick();
    void CaricaFornitoreClick();
    void SalvaFornitoreClick();
    void CaricaTemperamentoClick();
    void SalvaTemperamentoClick();
    void LibreriaTemperamentiClick();

    // The chooser behind "Temperament Library...", made at first use.
    LibraryDialog &libraryDialog();

    // The printer that "Print" uses and "Page Setup" sets up.
    // Made at first use: setting up the print system is slow, and most runs never print.
    QPrinter &printer();

    void ValidateData();

    // Controls.
    QComboBox *ComboBoxTemperamentInput;
    QComboBox *ComboBoxTemperamentOut;
    QPushButton *ButtonSetTemperamento;
    QRadioButton *RadioButtonCents;
    QRadioButton *RadioButtonScale;
    QRadioButton *RadioButtonQuinte;
    QPushButton *ButtonGeneraXml;
    QLineEdit *EditNomeFornitore;
    TNumEdit *NumEdit_IdFornitore;
    TNumEdit *NumEdit_IdTemperamento;
    QLineEdit *EditNomeTemperamento;
    QLineEdit *EditNomeCorto;
    QLineEdit *EditCommento;
    TNumEdit *NumEdit_Do;
    TNumEdit *NumEdit_DoDiesis;
    TNumEdit *NumEdit_Re;
    TNumEdit *NumEdit_ReDiesis;
    TNumEdit *NumEdit_Mi;
    TNumEdit *NumEdit_Fa;
    TNumEdit *NumEdit_FaDiesis;
    TNumEdit *NumEdit_Sol;
    TNumEdit *NumEdit_SolDiesis;
    TNumEdit *NumEdit_La;
    TNumEdit *NumEdit_LaDiesis;
    TNumEdit *NumEdit_Si;

    // Menu items.
    QAction *VisualizzaXml;
    QAction *ApriXml;
    QAction *SalvaXml;
    QAction *Esci;
    QAction *CaricaFornitore;
    QAction *SalvaFornitore;
    QAction *CaricaTemperamento;
    QAction *SalvaTemperamento;
    QAction *AnalizzaTemperamento;
    QAction *LibreriaTemperamenti;
    QAction *Stampa;
    QAction *ImpostaStampante;
    QAction *Informazioni;

signals:
    // A note field or a reference pitch changed.
    void temperamentChanged();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void createControls();
    void createMenus();
    TNumEdit *createNumEdit(QWidget *parent, const char *name, bool decimal, int maxLength);
    // The pitch a reference box shows, or nothing (after a message naming the box).
    std::optional<double> pitchOf(QComboBox *box, const QString &boxName);
    TemperamentData temperamentData(double oldA, double newA) const;
    void GenerateXml(double oldA, double newA);

    Separators m_separators;
    UserDialogs &m_dialogs;
    TFormXml *FormXml = nullptr;
    TFormCicloQuinte *FormCicloQuinte = nullptr;
    TFormScale *FormScale = nullptr;
    TFormCents *FormCents = nullptr;
    TAboutBox *AboutBox = nullptr;
    AnalysisWindow *FormAnalisi = nullptr;
    LibraryDialog *m_libraryDialog = nullptr;
    std::array<TNumEdit *, 12> m_noteFields{};

    bool AboutShown = false;
    bool DataError = false;
    bool XmlGenerated = false;
    int InputPitchIndex = 0;
    int OutPitchIndex = 0;
    bool ExportPending = false;
    NoteCents ExportedCents{};

    // Line buffers of the supplier and temperament files.
    QStringList ListBoxFornitore;
    QStringList ListBoxTemperamento;

    FileQuestion SaveDialogXml;
    FileQuestion OpenDialogXml;
    FileQuestion OpenDialogFornitore;
    FileQuestion SaveDialogFornitore;
    FileQuestion OpenDialogTemperamento;
    FileQuestion SaveDialogTemperamento;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace cordavo
