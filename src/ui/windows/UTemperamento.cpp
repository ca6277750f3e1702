#include "ui/windows/UTemperamento.h"

#include "devices/MidiOutput.h"
#include "devices/MidiPorts.h"
#include "numbers/NumberFormat.h"
#include "tuning/KeyboardMapping.h"
#include "tuning/LibraryNames.h"
#include "tuning/ScalaFile.h"
#include "tuning/TemperamentFiles.h"
#include "tuning/TemperamentXmlReader.h"
#include "ui/desktop/FileCommands.h"
#include "ui/desktop/FileOpening.h"
#include "ui/desktop/Fonts.h"
#include "ui/desktop/KeyboardOrder.h"
#include "ui/desktop/TextPrinting.h"
#include "ui/desktop/Translations.h"
#include "ui/desktop/UserDialogs.h"
#include "ui/desktop/WindowFront.h"
#include "ui/widgets/FilledPanel.h"
#include "ui/widgets/LayoutGrowth.h"
#include "ui/widgets/NumEdit.h"
#include "ui/widgets/ScreenFit.h"
#include "ui/widgets/ShortNameEdit.h"
#include "ui/windows/AnalysisWindow.h"
#include "ui/windows/CordavoWindows.h"
#include "ui/windows/GrandOrgueExchange.h"
#include "ui/windows/LibraryDialog.h"
#include "ui/windows/ListenWindow.h"
#include "ui/windows/SendTuningDialog.h"
#include "ui/windows/TuningGuideWindow.h"
#include "ui/windows/UAbout.h"
#include "ui/windows/UCents.h"
#include "ui/windows/UScale.h"
#include "ui/windows/USetTemperament.h"
#include "ui/windows/UTempXml.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace cordavo {

namespace {

constexpr int kWidth = 774;
constexpr int kHeight = 574;

// GrandOrgue's type follows the formats: its export edits a settings file.
bool isGrandOrgueType(int fileType)
{
    return fileType == static_cast<int>(std::size(kTuningFormatRecords));
}

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, int x, int y, int width = 120)
{
    auto *label = named(new QLabel(text, parent), name);
    label->setGeometry(x, y, width, 21);
    return label;
}

// A line of red text centred across the window.
QLabel *redTitle(QWidget *parent, const char *name, const QString &text, const QRect &geometry, const QFont &font)
{
    auto *label = named(new QLabel(text, parent), name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    // A palette rather than a style sheet: the first style sheet costs the
    // program a style of its own, which the main window does not need.
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(red);
    return label;
}

QComboBox *pitchBox(QWidget *parent, const char *name)
{
    auto *box = named(new QComboBox(parent), name);
    box->setEditable(true);
    // Typing a pitch must never add it to the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    for (int hz = int(kLowestReferencePitch); hz <= int(kHighestReferencePitch); ++hz)
        box->addItem(QStringLiteral("  %1").arg(hz));
    box->setCurrentIndex(40);
    return box;
}

QWidget *panel(QWidget *parent, const char *name, const QRect &geometry, const QColor &background)
{
    auto *p = named(new FilledPanel(background, parent), name);
    p->setGeometry(geometry);
    return p;
}

} // namespace

TFormTemperamento::TFormTemperamento(CordavoWindows &windows, const Separators &separators, UserDialogs &dialogs,
                                     QWidget *parent)
    : QMainWindow(parent), m_windows(windows), m_separators(separators), m_dialogs(dialogs),
      m_grandOrgue(std::make_unique<GrandOrgueExchange>(dialogs, this))
{
    setObjectName(QStringLiteral("FormTemperamento"));
    setWindowTitle(QStringLiteral("Cordavo"));
    setFont(windowFont(QStringLiteral("MS Sans Serif"), QFont::SansSerif, font().pixelSize()));
    resize(771, kHeight);
    createMenus();
    createControls();
    // At a larger desktop font everything grows evenly until every text fits.
    m_growth = growthToFit(centralWidget());
    growLayout(centralWidget(), m_growth);
    FormCreate();
    // Files dropped anywhere on the window open in turn.
    openFilesDroppedOn(this, [this](const QStringList &paths, const QPointF &) {
        for (const QString &path : paths)
            openFile(path);
    });
    // First shown at the centre of the desktop; on a screen too small for
    // it, its panel scrolls.
    placeOnScreen(this);
}

TFormTemperamento::~TFormTemperamento() = default;

void TFormTemperamento::createMenus()
{
    // Every item carries its name, so that tests find it; the commands used
    // most have the platform's keys for them.
    auto addItem = [this](QMenu *menu, const char *name, const QString &caption, void (TFormTemperamento::*handler)(),
                          const QKeySequence &keys = QKeySequence()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
    };
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    QMenu *file = named(bar->addMenu(tr("&File")), "MFile");
    addItem(file, "GeneraXml", tr("&Generate xml"), &TFormTemperamento::ButtonGeneraXmlClick,
            QKeySequence(Qt::CTRL | Qt::Key_G));
    addItem(file, "VisualizzaXml", tr("S&how xml"), &TFormTemperamento::VisualizzaXmlClick);
    addItem(file, "ApriXml", tr("&Open xml"), &TFormTemperamento::ApriXmlClick, QKeySequence::Open);
    addItem(file, "SalvaXml", tr("&Save xml"), &TFormTemperamento::SalvaXmlClick, QKeySequence::Save);
    addItem(file, "EsportaAccordatura", tr("&Export Tuning…"), &TFormTemperamento::EsportaAccordaturaClick);
    addItem(file, "InviaAccordatura", tr("Sen&d Tuning…"), &TFormTemperamento::InviaAccordaturaClick);
    addItem(file, "CaricaGrandOrgue", tr("&Load GrandOrgue Temperament…"), &TFormTemperamento::CaricaGrandOrgueClick);
    addItem(file, "Esci", tr("E&xit"), &TFormTemperamento::EsciClick, QKeySequence::Quit);
    QMenu *functions = named(bar->addMenu(tr("F&unctions")), "MImpostazioni");
    addItem(functions, "CaricaFornitore", tr("&Load Supplier"), &TFormTemperamento::CaricaFornitoreClick);
    addItem(functions, "SalvaFornitore", tr("&Save Supplier"), &TFormTemperamento::SalvaFornitoreClick);
    addItem(functions, "CaricaTemperamento", tr("Load &Temperament"), &TFormTemperamento::CaricaTemperamentoClick);
    addItem(functions, "CaricaScala", tr("Load S&cala…"), &TFormTemperamento::CaricaScalaClick);
    addItem(functions, "SalvaTemperamento", tr("Sa&ve Temperament"), &TFormTemperamento::SalvaTemperamentoClick);
    addItem(functions, "AnalizzaTemperamento", tr("&Analyse Temperament"),
            &TFormTemperamento::AnalizzaTemperamentoClick);
    addItem(functions, "Ascolta", tr("Liste&n…"), &TFormTemperamento::AscoltaClick);
    addItem(functions, "SuonoMidi", tr("Sound and &MIDI…"), &TFormTemperamento::SuonoMidiClick);
    addItem(functions, "GuidaAccordatura", tr("Tuning &Guide…"), &TFormTemperamento::GuidaAccordaturaClick);
    addItem(functions, "LibreriaTemperamenti", tr("Temperament L&ibrary…"),
            &TFormTemperamento::LibreriaTemperamentiClick);
    QMenu *print = named(bar->addMenu(tr("&Print")), "MSatampa");
    addItem(print, "Stampa", tr("&Print"), &TFormTemperamento::StampaClick, QKeySequence::Print);
    addItem(print, "AnteprimaStampa", tr("Print Pre&view…"), &TFormTemperamento::AnteprimaStampaClick);
    addItem(print, "ImpostaStampante", tr("Page Set&up"), &TFormTemperamento::ImpostaPaginaClick);
    QMenu *help = named(bar->addMenu(QStringLiteral("&?")), "M2");
    addItem(help, "Informazioni", tr("&About"), &TFormTemperamento::InformazioniClick);
    // The languages keep their own names in every language, so that a user
    // who cannot read the current one still finds theirs.
    QMenu *languages = named(help->addMenu(tr("&Language")), "MLingua");
    m_languageGroup = new QActionGroup(languages);
    auto addLanguage = [this, languages](const QString &code, const QString &caption) {
        QAction *action = languages->addAction(caption);
        action->setObjectName(QStringLiteral("Lingua_") + (code.isEmpty() ? QStringLiteral("sistema") : code));
        action->setCheckable(true);
        action->setData(code);
        m_languageGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { chooseLanguage(code); });
    };
    addLanguage(QString(), tr("The &system's language"));
    languages->addSeparator();
    for (const WindowLanguage &language : kWindowLanguages)
        addLanguage(QLatin1String(language.code), QLatin1Char('&') + QString::fromUtf8(language.name));
    m_languageGroup->actions().constFirst()->setChecked(true);
}

void TFormTemperamento::offerLanguages(const QString &chosen, std::function<void(const QString &)> remember)
{
    m_rememberLanguage = std::move(remember);
    for (QAction *action : m_languageGroup->actions())
        action->setChecked(action->data().toString() == chosen);
}

void TFormTemperamento::chooseLanguage(const QString &code)
{
    if (m_rememberLanguage)
        m_rememberLanguage(code);
    m_dialogs.information(this, tr("Cordavo speaks the chosen language from its next start."));
}

TNumEdit *TFormTemperamento::createNumEdit(QWidget *parent, const char *name, bool decimal, int maxLength)
{
    auto *edit = named(new TNumEdit(m_separators, parent), name);
    edit->setDisplayFormat((decimal ? kTwoDecimalsPattern : kWholeNumberPattern).toString());
    edit->setMaxTypedLength(maxLength);
    return edit;
}

void TFormTemperamento::createControls()
{
    auto *central = named(new QWidget(this), "PanelCorpo");
    setCentralWidget(central);

    QFont headingFont = font();
    headingFont.setPixelSize(24);
    headingFont.setItalic(true);
    QLabel *heading = redTitle(central, "PanelIntestazione", tr("Hauptwerk Temperament File Generator"),
                               QRect(0, 0, kWidth, 41), headingFont);
    heading->setFrameShape(QFrame::Panel);
    heading->setFrameShadow(QFrame::Raised);

    // Old temperament on the left, the commands in the middle, the new one on the right.
    QFont columnFont = font();
    columnFont.setBold(true);
    QLabel *oldHeading = addLabel(central, "LabelTemperInput", tr("&Old Temperament"), 40, 60, 160);
    oldHeading->setFont(columnFont);
    QLabel *oldPitch = addLabel(central, "LabelLaInput", tr("A ="), 40, 100, 30);
    ComboBoxTemperamentInput = pitchBox(central, "ComboBoxTemperamentInput");
    ComboBoxTemperamentInput->setGeometry(75, 98, 100, 25);
    // The heading's mnemonic and the box's spoken name, as the messages name it.
    oldHeading->setBuddy(ComboBoxTemperamentInput);
    nameByLabel(oldPitch, ComboBoxTemperamentInput, tr("Old Temperament A ="));

    auto *ButtonSetTemperamento = named(new QPushButton(tr("&Set Temperamet"), central), "ButtonSetTemperamento");
    ButtonSetTemperamento->setGeometry(312, 55, 150, 30);
    auto *radioPanel = named(new QWidget(central), "PanelRadio");
    radioPanel->setGeometry(340, 90, 120, 78);
    RadioButtonCents = named(new QRadioButton(tr("&Cents"), radioPanel), "RadioButtonCents");
    RadioButtonCents->setGeometry(0, 0, 120, 24);
    RadioButtonCents->setChecked(true);
    RadioButtonScale = named(new QRadioButton(tr("&Intervals"), radioPanel), "RadioButtonScale");
    RadioButtonScale->setGeometry(0, 26, 120, 24);
    RadioButtonQuinte = named(new QRadioButton(tr("Fift&h"), radioPanel), "RadioButtonQuinte");
    RadioButtonQuinte->setGeometry(0, 52, 120, 24);
    auto *ButtonGeneraXml = named(new QPushButton(tr("&Generate xml"), central), "ButtonGeneraXml");
    ButtonGeneraXml->setGeometry(312, 172, 150, 30);

    QLabel *newHeading = addLabel(central, "LabelTemperamOut", tr("Ne&w Temperament"), 590, 60, 160);
    newHeading->setFont(columnFont);
    QLabel *newPitch = addLabel(central, "LabelLaOut", tr("A ="), 590, 100, 30);
    ComboBoxTemperamentOut = pitchBox(central, "ComboBoxTemperamentOut");
    ComboBoxTemperamentOut->setGeometry(625, 98, 100, 25);
    newHeading->setBuddy(ComboBoxTemperamentOut);
    nameByLabel(newPitch, ComboBoxTemperamentOut, tr("New Temperament A ="));

    QFont bannerFont = font();
    bannerFont.setPixelSize(16);
    bannerFont.setBold(true);
    redTitle(central, "Panel1", QStringLiteral("www.cordavo.org"), QRect(0, 212, kWidth, 28), bannerFont);

    // Identification, three rows.
    QLabel *supplierName = addLabel(central, "Label_NomeForn", tr("Supplier Na&me"), 20, 252);
    EditNomeFornitore = named(new QLineEdit(central), "EditNomeFornitore");
    EditNomeFornitore->setGeometry(140, 250, 260, 23);
    nameByLabel(supplierName, EditNomeFornitore);
    QLabel *supplierId = addLabel(central, "Label_IdForn", tr("I&D Supplier"), 430, 252);
    NumEdit_IdFornitore = createNumEdit(central, "NumEdit_IdFornitore", false, 6);
    NumEdit_IdFornitore->setGeometry(550, 250, 121, 23);
    nameByLabel(supplierId, NumEdit_IdFornitore);

    QLabel *temperamentId = addLabel(central, "Label_IdTemperam", tr("ID &Temperament"), 20, 284);
    NumEdit_IdTemperamento = createNumEdit(central, "NumEdit_IdTemperamento", false, 20);
    NumEdit_IdTemperamento->setGeometry(140, 282, 121, 23);
    nameByLabel(temperamentId, NumEdit_IdTemperamento);
    QLabel *temperamentName = addLabel(central, "LabelNomeTemperam", tr("&Name Temperament"), 290, 284, 135);
    EditNomeTemperamento = named(new QLineEdit(central), "EditNomeTemperamento");
    EditNomeTemperamento->setGeometry(430, 282, 320, 23);
    nameByLabel(temperamentName, EditNomeTemperamento);

    QLabel *shortName = addLabel(central, "LabelNomeCorto", tr("Sho&rt Name"), 20, 316);
    EditNomeCorto = named(new ShortNameEdit(central), "EditNomeCorto");
    EditNomeCorto->setGeometry(140, 314, 80, 23);
    nameByLabel(shortName, EditNomeCorto);
    QLabel *comment = addLabel(central, "LabelCommento", tr("Comm&ent"), 290, 316, 135);
    EditCommento = named(new QLineEdit(central), "EditCommento");
    EditCommento->setGeometry(430, 314, 320, 23);
    nameByLabel(comment, EditCommento);

    // The note fields, two rows of six on a sky-blue panel.
    QWidget *notes = panel(central, "PanelNote", QRect(10, 362, kWidth - 20, 130), QColor(0x87, 0xce, 0xeb));
    // Label_Do and NumEdit_Do for C, up to Label_Si and NumEdit_Si for B.
    static const char *const kNoteParts[12] = {"Do",       "DoDiesis", "Re",        "ReDiesis", "Mi",       "Fa",
                                               "FaDiesis", "Sol",      "SolDiesis", "La",       "LaDiesis", "Si"};
    for (int i = 0; i < 12; ++i) {
        const int x = 10 + (i % 6) * 124;
        const int y = 30 + (i / 6) * 50;
        const QByteArray part(kNoteParts[i]);
        QLabel *note = addLabel(notes, ("Label_" + part).constData(), noteDisplayName(i) + QLatin1Char(':'), x, y, 30);
        // A longer name ("Sol#:") takes the gap on its left, next to its field.
        if (note->sizeHint().width() > note->width()) {
            note->setGeometry(x - 8, y, 38, note->height());
            note->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        m_noteFields[i] = createNumEdit(notes, ("NumEdit_" + part).constData(), true, 6);
        m_noteFields[i]->setGeometry(x + 32, y - 1, 80, 23);
        nameByLabel(note, m_noteFields[i], noteDisplayName(i) + tr(" cents"));
    }

    // Tab goes down the three columns at the top, left to right, then along
    // the rows below.
    QList<QWidget *> order = {ComboBoxTemperamentInput,
                              ButtonSetTemperamento,
                              RadioButtonCents,
                              RadioButtonScale,
                              RadioButtonQuinte,
                              ButtonGeneraXml,
                              ComboBoxTemperamentOut,
                              EditNomeFornitore,
                              NumEdit_IdFornitore,
                              NumEdit_IdTemperamento,
                              EditNomeTemperamento,
                              EditNomeCorto,
                              EditCommento};
    for (TNumEdit *field : m_noteFields)
        order << field;
    setKeyboardOrder(order);

    for (TNumEdit *field : m_noteFields)
        connect(field, &TNumEdit::changed, this, &TFormTemperamento::temperamentChanged);
    for (QComboBox *box : {ComboBoxTemperamentInput, ComboBoxTemperamentOut})
        connect(box, &QComboBox::editTextChanged, this, &TFormTemperamento::temperamentChanged);
    connect(ButtonSetTemperamento, &QPushButton::clicked, this, &TFormTemperamento::ButtonSetTemperamentoClick);
    connect(ButtonGeneraXml, &QPushButton::clicked, this, &TFormTemperamento::ButtonGeneraXmlClick);
}

void TFormTemperamento::FormCreate()
{
    setMinimumWidth(qRound(kWidth * m_growth));
    setMinimumHeight(qRound(kHeight * m_growth));
    setMaximumWidth(qRound(kWidth * m_growth));
    setMaximumHeight(qRound(kHeight * m_growth));
    ExportPending = false;
    XmlGenerated = false;
    AboutShown = false;

    SaveDialogXml.kind = QStringLiteral("xml");
    SaveDialogXml.filters = {QStringLiteral("xml Hauptwerk 4 (*.Temperament_Hauptwerk_xml)"),
                             QStringLiteral("xml Hauptwerk 3 (*.Temperament.Hauptwerk.xml)"),
                             QStringLiteral("txt (*.txt *.Txt)")};
    SaveDialogXml.defaultSuffix = QStringLiteral("Temperament.Hauptwerk.xml");
    SaveDialogXml.fileName = QStringLiteral("File1");
    OpenDialogXml.kind = QStringLiteral("xml");
    OpenDialogXml.filters = {tr("Temperament (*.Temperament_Hauptwerk_xml *.Temperament.Hauptwerk.xml *.xml "
                                "*.Txt *.txt)"),
                             tr("All files (*)")};
    SaveDialogXml.typeChanged = [this](const QString &name, int type) { return SaveDialogXmlTypeChange(name, type); };
    OpenDialogFornitore.kind = QStringLiteral("supplier");
    OpenDialogFornitore.filters = {QStringLiteral("For (*.For *.for *.FOR)")};
    OpenDialogFornitore.defaultSuffix = QStringLiteral("For");
    SaveDialogFornitore = OpenDialogFornitore;
    SaveDialogFornitore.fileName = QStringLiteral("File1.For");
    OpenDialogTemperamento.kind = QStringLiteral("temperament");
    OpenDialogTemperamento.filters = {QStringLiteral("Tmp (*.Tmp *.tmp *.TMP)")};
    OpenDialogTemperamento.defaultSuffix = QStringLiteral("Tmp");
    SaveDialogTemperamento = OpenDialogTemperamento;
    SaveDialogTemperamento.fileName = QStringLiteral("File1.Tmp");
    for (const TuningFormatRecord &record : kTuningFormatRecords)
        SaveDialogAccordatura.filters << tuningFormatFilter(record.format);
    SaveDialogAccordatura.filters << GrandOrgueExchange::fileType();
    SaveDialogAccordatura.editsFile = isGrandOrgueType;
    SaveDialogAccordatura.kind = QStringLiteral("tuning");
    SaveDialogAccordatura.fileName = QStringLiteral("File1");
    SaveDialogAccordatura.typeChanged = [this](const QString &name, int type) {
        return SaveDialogAccordaturaTypeChange(name, type);
    };
    OpenDialogScala.kind = QStringLiteral("scala");
    OpenDialogScala.filters = {QStringLiteral("Scala (*.scl *.Scl *.SCL)")};
    OpenDialogScala.defaultSuffix = QStringLiteral("scl");
}

bool TFormTemperamento::event(QEvent *event)
{
    const bool result = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return result;
}

void TFormTemperamento::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program, whatever else is open.
    event->accept();
    QCoreApplication::quit();
}

void TFormTemperamento::showMainWindow()
{
    bringToFront(this);
}

void TFormTemperamento::FormActivate()
{
    if (!AboutShown) {
        AboutShown = true;
        m_dialogs.showModal(m_windows.AboutBox());
        openStartFiles();
    }
    if (ExportPending) {
        for (int i = 0; i < 12; ++i)
            m_noteFields[i]->setValue(ExportedCents[i]);
        ExportPending = false;
    }
}

void TFormTemperamento::exportCents(const NoteCents &cents)
{
    ExportedCents = cents;
    ExportPending = true;
}

void TFormTemperamento::ButtonSetTemperamentoClick()
{
    TFormCents &FormCents = m_windows.FormCents();
    TFormScale &FormScale = m_windows.FormScale();
    TFormCicloQuinte &FormCicloQuinte = m_windows.FormCicloQuinte();
    if (RadioButtonScale->isChecked()) {
        FormCents.hide();
        FormCicloQuinte.hide();
        hide();
        FormScale.showInFront();
    }
    if (RadioButtonQuinte->isChecked()) {
        FormCents.hide();
        FormScale.hide();
        hide();
        FormCicloQuinte.showInFront();
    }
    if (RadioButtonCents->isChecked()) {
        FormCents.showInFront();
        FormScale.hide();
        hide();
        FormCicloQuinte.hide();
    }
}

void TFormTemperamento::ValidateData()
{
    const QStringList errors = identificationErrors(temperamentData(440, 440));
    for (const QString &error : errors)
        m_dialogs.message(this, error);
    DataError = !errors.isEmpty();
}

NoteCents TFormTemperamento::noteCents() const
{
    NoteCents values{};
    for (int i = 0; i < 12; ++i)
        values[i] = m_noteFields[i]->value();
    return values;
}

QString TFormTemperamento::temperamentName() const
{
    return EditNomeTemperamento->text();
}

std::optional<double> TFormTemperamento::oldReferencePitch() const
{
    return shownPitch(ComboBoxTemperamentInput);
}

std::optional<double> TFormTemperamento::newReferencePitch() const
{
    return shownPitch(ComboBoxTemperamentOut);
}

std::optional<std::pair<double, double>> TFormTemperamento::referencePitches(QString *why) const
{
    const auto oldA = oldReferencePitch();
    const auto newA = newReferencePitch();
    if (oldA && newA)
        return std::make_pair(*oldA, *newA);
    *why = tr("A reference-pitch box does not hold a pitch from %1 to %2 Hz.")
               .arg(kLowestReferencePitch)
               .arg(kHighestReferencePitch);
    return std::nullopt;
}

void TFormTemperamento::followWhileShown(QWidget *window, std::function<void()> refresh)
{
    connect(this, &TFormTemperamento::temperamentChanged, window, [window, refresh = std::move(refresh)] {
        if (window->isVisible())
            refresh();
    });
}

std::optional<double> TFormTemperamento::shownPitch(const QComboBox *box) const
{
    const auto value = readRegional(box->currentText(), m_separators.decimal);
    if (value && isReferencePitch(*value))
        return static_cast<double>(*value);
    return std::nullopt;
}

std::optional<double> TFormTemperamento::pitchOf(QComboBox *box, const QString &boxName)
{
    const QString text = box->currentText();
    if (const auto pitch = shownPitch(box))
        return pitch;
    const QString low = formatGeneral(kLowestReferencePitch, m_separators.decimal);
    const QString high = formatGeneral(kHighestReferencePitch, m_separators.decimal);
    m_dialogs.message(this, tr("%1: \"%2\" is not a pitch from %3 to %4 Hz").arg(boxName, text.trimmed(), low, high));
    return std::nullopt;
}

TemperamentData TFormTemperamento::temperamentData(double oldA, double newA) const
{
    TemperamentData data;
    data.oldA = oldA;
    data.newA = newA;
    data.cents = noteCents();
    data.temperamentId = NumEdit_IdTemperamento->value();
    data.name = EditNomeTemperamento->text();
    data.shortName = EditNomeCorto->text();
    data.supplierId = NumEdit_IdFornitore->value();
    data.supplierName = EditNomeFornitore->text();
    data.comment = EditCommento->text();
    return data;
}

void TFormTemperamento::GenerateXml(double oldA, double newA)
{
    // The viewer holds the document's lines as the command line writes them.
    const QStringList lines = documentLines(temperamentXml(temperamentData(oldA, newA)));
    m_windows.FormXml().setText(lines.join(QLatin1Char('\n')));
}

void TFormTemperamento::ButtonGeneraXmlClick()
{
    ValidateData();
    if (DataError)
        return;
    // Both pitches are checked before the viewer is touched.
    const auto tuning = checkedTuning();
    if (!tuning)
        return;
    GenerateXml(tuning->oldA, tuning->newA);
    bringToFront(&m_windows.FormXml());
    XmlGenerated = true;
}

void TFormTemperamento::VisualizzaXmlClick()
{
    bringToFront(&m_windows.FormXml());
}

void TFormTemperamento::EsciClick()
{
    close();
}

void TFormTemperamento::InformazioniClick()
{
    m_dialogs.showModal(m_windows.AboutBox());
}

void TFormTemperamento::SalvaXmlClick()
{
    // Before the first document the viewer holds nothing worth a file.
    if (!XmlGenerated) {
        m_dialogs.message(this, tr("Before Generating The XML Page"));
        return;
    }
    // The viewer's text as it stands, edits included; UTF-8 as its first line declares.
    const TFormXml &FormXml = m_windows.FormXml();
    const QByteArray bytes = FormXml.isEmpty() ? QByteArray() : xmlFileBytes(FormXml.lines());
    saveThroughDialog(m_dialogs, this, SaveDialogXml, bytes);
}

QString TFormTemperamento::SaveDialogXmlTypeChange(const QString &name, int fileType)
{
    return xmlFileNameForType(name, fileType);
}

namespace {

// The format of an export dialog's file type; the first for none.
TuningFormat formatOfType(int fileType)
{
    constexpr int kCount = static_cast<int>(std::size(kTuningFormatRecords));
    return kTuningFormatRecords[fileType >= 0 && fileType < kCount ? fileType : 0].format;
}

} // namespace

std::optional<TuningSource> TFormTemperamento::checkedTuning()
{
    const QStringList noteErrors = noteCentsErrors(noteCents(), m_separators.decimal);
    for (const QString &error : noteErrors)
        m_dialogs.message(this, error);
    if (!noteErrors.isEmpty())
        return std::nullopt;
    const auto oldA = pitchOf(ComboBoxTemperamentInput, tr("Old Temperament A ="));
    const auto newA = pitchOf(ComboBoxTemperamentOut, tr("New Temperament A ="));
    if (!oldA || !newA)
        return std::nullopt;
    return TuningSource{*oldA, *newA, noteCents(), EditNomeTemperamento->text()};
}

void TFormTemperamento::EsportaAccordaturaClick()
{
    // Checked before the dialog, so that a refused temperament asks for no name.
    const auto source = checkedTuning();
    if (!source)
        return;
    // The dialog opens with the type last chosen; a name typed without a
    // type of its own gets the type chosen when the dialog closes.
    const bool grandOrgue = isGrandOrgueType(SaveDialogAccordatura.selectedFilter);
    SaveDialogAccordatura.defaultSuffix =
        grandOrgue ? QString() : tuningFormatExtension(formatOfType(SaveDialogAccordatura.selectedFilter)).mid(1);
    SaveDialogAccordatura.fileName =
        proposedFileName(SaveDialogAccordatura.fileName, source->name, QStringLiteral("File1"));
    const auto path = m_dialogs.saveFileName(this, SaveDialogAccordatura);
    if (!path)
        return;
    if (isGrandOrgueType(SaveDialogAccordatura.selectedFilter)) {
        m_grandOrgue->exportTemperament(*source, *path);
        return;
    }
    const TuningExport exported = tuningExport(formatOfType(SaveDialogAccordatura.selectedFilter), *source, *path);
    const Result<void> saved = saveTuningExport(exported);
    if (!saved.ok()) {
        m_dialogs.error(this, saved.error());
        return;
    }
    QStringList report;
    for (const TuningFile &file : exported.files)
        report << tr("File %1 Saved").arg(QDir::toNativeSeparators(file.path));
    m_dialogs.information(this, report.join(QLatin1Char('\n')));
    if (!exported.shortfall.isEmpty())
        m_dialogs.message(this, shortfallText(exported.shortfall, m_separators));
}

void TFormTemperamento::InviaAccordaturaClick()
{
    const auto source = checkedTuning();
    if (!source)
        return;
    const QStringList ports = midiOutputNames();
    if (ports.isEmpty()) {
        m_dialogs.message(this, tr("No MIDI output was found: connect an instrument, or start it, and try again."));
        return;
    }
    const QString outputKey = QStringLiteral("midi/output");
    const QString formKey = QStringLiteral("midi/tuningForm");
    const QString lastPort = m_settings ? m_settings->value(outputKey).toString() : QString();
    const TuningFormat lastForm = tuningFormatNamed(m_settings ? m_settings->value(formKey).toString() : QString())
                                      .value_or(TuningFormat::MtsBulk);
    SendTuningDialog dialog(this, ports, lastPort, lastForm);
    if (m_dialogs.showModal(dialog) != QDialog::Accepted)
        return;
    const QString port = dialog.port();
    const TuningFormat form = dialog.form();
    if (m_settings) {
        m_settings->setValue(outputKey, port);
        m_settings->setValue(formKey, tuningFormatName(form));
    }
    // The bytes the export writes for the form, and nothing else.
    const TuningExport exported = tuningExport(form, *source, QString());
    MidiOutput output;
    Result<void> sent = output.open(port);
    if (sent.ok())
        sent = output.send(exported.files.first().bytes);
    output.close();
    if (!sent.ok()) {
        m_dialogs.error(this, tr("The tuning could not be sent to %1: %2").arg(port, sent.error()));
        return;
    }
    m_dialogs.information(
        this, tr("The tuning was sent to %1 (%2).")
                  .arg(port, QCoreApplication::translate("TuningExport", tuningFormatRecord(form).fileType)));
    if (!exported.shortfall.isEmpty())
        m_dialogs.message(this, shortfallText(exported.shortfall, m_separators));
}

QString TFormTemperamento::SaveDialogAccordaturaTypeChange(const QString &name, int fileType)
{
    if (isGrandOrgueType(fileType))
        return QDir::toNativeSeparators(grandOrgueConfigPath());
    return tuningFileNameForType(name, formatOfType(fileType));
}

void TFormTemperamento::StampaClick()
{
    if (!XmlGenerated) {
        m_dialogs.message(this, tr("Before Generating The XML Page"));
        return;
    }
    if (!m_dialogs.choosePrinter(this, printer()))
        return;
    printDocument(printer());
}

void TFormTemperamento::AnteprimaStampaClick()
{
    if (!XmlGenerated) {
        m_dialogs.message(this, tr("Before Generating The XML Page"));
        return;
    }
    m_dialogs.printPreview(this, printer(), [this](QPrinter &target) { printDocument(target); });
}

void TFormTemperamento::printDocument(QPrinter &target)
{
    // The viewer's font, at the same size in points.
    QFont font = m_windows.FormXml().textFont();
    font.setPointSizeF(QFontInfo(font).pointSizeF());
    const QString error = printTextLines(target, m_windows.FormXml().lines(), font);
    if (!error.isEmpty())
        m_dialogs.error(this, error);
}

QPrinter &TFormTemperamento::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>();
        // Page setup starts with an A4 page and margins of 25 mm.
        m_printer->setPageSize(QPageSize(QPageSize::A4));
        m_printer->setPageMargins(QMarginsF(25, 25, 25, 25), QPageLayout::Millimeter);
    }
    return *m_printer;
}

void TFormTemperamento::ImpostaPaginaClick()
{
    m_dialogs.pageSetup(this, printer());
}

LibraryDialog &TFormTemperamento::libraryDialog()
{
    if (!m_libraryDialog)
        m_libraryDialog = new LibraryDialog(builtInLibrary(), m_separators, this);
    return *m_libraryDialog;
}

void TFormTemperamento::LibreriaTemperamentiClick()
{
    const LibraryEntry *entry = libraryDialog().chooseEntry(m_dialogs);
    if (!entry)
        return;
    showTemperament(entry->deviations, libraryName(*entry, libraryDisplayLanguage()));
}

void TFormTemperamento::CaricaGrandOrgueClick()
{
    const auto chosen = m_grandOrgue->chooseTemperament();
    if (!chosen)
        return;
    showTemperament(chosen->offsets, chosen->title);
}

void TFormTemperamento::AnalizzaTemperamentoClick()
{
    m_windows.analysisWindow().showInFront();
}

void TFormTemperamento::AscoltaClick()
{
    m_windows.listenWindow().showInFront();
}

void TFormTemperamento::SuonoMidiClick()
{
    m_windows.chooseSoundAndMidi(this);
}

void TFormTemperamento::GuidaAccordaturaClick()
{
    m_windows.tuningGuideWindow().showInFront();
}

} // namespace cordavo
