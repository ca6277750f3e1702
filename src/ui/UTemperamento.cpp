#include "ui/UTemperamento.h"

#include "numbers/NumberFormat.h"
#include "tuning/TemperamentFiles.h"
#include "tuning/TemperamentXmlReader.h"
#include "ui/AnalysisWindow.h"
#include "ui/FileCommands.h"
#include "ui/Fonts.h"
#include "ui/LibraryDialog.h"
#include "ui/NumEdit.h"
#include "ui/TextPrinting.h"
#include "ui/UAbout.h"
#include "ui/UCents.h"
#include "ui/UScale.h"
#include "ui/USetTemperament.h"
#include "ui/UTempXml.h"
#include "ui/UserDialogs.h"

#include <QAction>
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
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace cordavo {

namespace {

constexpr int kWidth = 774;
constexpr int kHeight = 574;
constexpr double kLowestPitch = 400;
constexpr double kHighestPitch = 500;

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

QComboBox *pitchBox(QWidget *parent, const char *name)
{
    auto *box = named(new QComboBox(parent), name);
    box->setEditable(true);
    // Typing a pitch must never add it to the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    for (int hz = 400; hz <= 500; ++hz)
        box->addItem(QStringLiteral("  %1").arg(hz));
    box->setCurrentIndex(40);
    return box;
}

QWidget *panel(QWidget *parent, const char *name, const QRect &geometry, const QString &style)
{
    auto *p = named(new QWidget(parent), name);
    p->setGeometry(geometry);
    p->setAutoFillBackground(true);
    p->setStyleSheet(style);
    return p;
}

// The short name field. What the user types, pastes or drops stops at
// kShortNameLength characters in all; a longer name the program puts in
// (from a file) stays whole, since setText never passes through here.
// QLineEdit::setMaxLength would cut that too.
class ShortNameEdit : public QLineEdit
{
public:
    explicit ShortNameEdit(QWidget *parent) : QLineEdit(parent) {}

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!isReadOnly() && event->matches(QKeySequence::Paste)) {
            pasteFitting(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
            event->accept();
            return;
        }
        if (!isReadOnly() && typesText(event) && event->text().size() > room()) {
            event->accept(); // refused: the field is full
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

    void inputMethodEvent(QInputMethodEvent *event) override
    {
        const qsizetype fits = std::max<qsizetype>(0, room() + event->replacementLength());
        if (event->commitString().size() <= fits) {
            QLineEdit::inputMethodEvent(event);
            return;
        }
        QInputMethodEvent cut(event->preeditString(), event->attributes());
        cut.setCommitString(event->commitString().left(fits), event->replacementStart(), event->replacementLength());
        QLineEdit::inputMethodEvent(&cut);
        event->setAccepted(cut.isAccepted());
    }

    void dropEvent(QDropEvent *event) override
    {
        // A drop inserts beside the text; moving text within the field adds nothing.
        const QMimeData *data = event->mimeData();
        const qsizetype fits = std::max<qsizetype>(0, kShortNameLength - text().size());
        if (isReadOnly() || event->source() == this || !data->hasText() || data->text().size() <= fits) {
            QLineEdit::dropEvent(event);
            return;
        }
        if (fits == 0) {
            event->ignore();
            return;
        }
        QMimeData cutData;
        cutData.setText(data->text().left(fits));
        QDropEvent cut(event->position(), event->possibleActions(), &cutData, event->buttons(), event->modifiers());
        QLineEdit::dropEvent(&cut);
        event->setDropAction(cut.dropAction());
        event->setAccepted(cut.isAccepted());
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        // The middle button pastes the selection on X11.
        QClipboard *clipboard = QGuiApplication::clipboard();
        if (!isReadOnly() && event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
            deselect();
            pasteFitting(clipboard->text(QClipboard::Selection));
            event->accept();
            return;
        }
        QLineEdit::mouseReleaseEvent(event);
    }

    void contextMenuEvent(QContextMenuEvent *event) override
    {
        QMenu *menu = createStandardContextMenu();
        const QString pasteCaption = QLineEdit::tr("&Paste");
        for (QAction *action : menu->actions()) {
            if (action->text().section(QLatin1Char('\t'), 0, 0) != pasteCaption)
                continue;
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this,
                    [this] { pasteFitting(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event->globalPos());
    }

private:
    // Characters the user may still add, counting a selection as replaced.
    qsizetype room() const { return kShortNameLength - (text().size() - selectedText().size()); }

    // Pastes as much as fits; nothing changes when nothing fits.
    void pasteFitting(const QString &pasted)
    {
        const QString fitting = pasted.left(std::max<qsizetype>(0, room()));
        if (!fitting.isEmpty())
            insert(fitting);
    }

    // A key press that types characters, as opposed to one that edits,
    // moves, or is a command.
    static bool typesText(const QKeyEvent *event)
    {
        const QString text = event->text();
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        const bool command = modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
        return !text.isEmpty() && text.front().isPrint() && !command;
    }
};

// Shows a window modeless, or brings it to the front when already visible.
void showInFront(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

TFormTemperamento::TFormTemperamento(const Separators &separators, UserDialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_separators(separators), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("FormTemperamento"));
    setWindowTitle(QStringLiteral("Cordavo"));
    setFont(windowFont(QStringLiteral("MS Sans Serif"), QFont::SansSerif, font().pixelSize()));
    resize(771, kHeight);
    createMenus();
    createControls();
    FormCreate();
    // First shown at the centre of the desktop.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TFormTemperamento::~TFormTemperamento() = default;

void TFormTemperamento::setWindows(TFormXml &formXml, TFormCicloQuinte &formCicloQuinte, TFormScale &formScale,
                                   TFormCents &formCents, TAboutBox &aboutBox)
{
    FormXml = &formXml;
    FormCicloQuinte = &formCicloQuinte;
    FormScale = &formScale;
    FormCents = &formCents;
    AboutBox = &aboutBox;
}

void TFormTemperamento::createMenus()
{
    auto addItem = [this](QMenu *menu, const char *name, const QString &caption, void (TFormTemperamento::*handler)()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        if (handler)
            connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    QMenu *file = named(bar->addMenu(QStringLiteral("File")), "MFile");
    VisualizzaXml = addItem(file, "VisualizzaXml", QStringLiteral("Show xml"), &TFormTemperamento::VisualizzaXmlClick);
    ApriXml = addItem(file, "ApriXml", QStringLiteral("Open xml"), &TFormTemperamento::ApriXmlClick);
    SalvaXml = addItem(file, "SalvaXml", QStringLiteral("Save xml"), &TFormTemperamento::SalvaXmlClick);
    Esci = addItem(file, "Esci", QStringLiteral("Exit"), &TFormTemperamento::EsciClick);
    QMenu *functions = named(bar->addMenu(QStringLiteral("Functions")), "MImpostazioni");
    CaricaFornitore = addItem(functions, "CaricaFornitore", QStringLiteral("Load Supplier"),
                              &TFormTemperamento::CaricaFornitoreClick);
    SalvaFornitore =
        addItem(functions, "SalvaFornitore", QStringLiteral("Save Supplier"), &TFormTemperamento::SalvaFornitoreClick);
    CaricaTemperamento = addItem(functions, "CaricaTemperamento", QStringLiteral("Load Temperament"),
                                 &TFormTemperamento::CaricaTemperamentoClick);
    SalvaTemperamento = addItem(functions, "SalvaTemperamento", QStringLiteral("Save Temperament"),
                                &TFormTemperamento::SalvaTemperamentoClick);
    AnalizzaTemperamento = addItem(functions, "AnalizzaTemperamento", QStringLiteral("Analyse Temperament"),
                                   &TFormTemperamento::AnalizzaTemperamentoClick);
    LibreriaTemperamenti = addItem(functions, "LibreriaTemperamenti", QStringLiteral("Temperament Library\u2026"),
                                   &TFormTemperamento::LibreriaTemperamentiClick);
    QMenu *print = named(bar->addMenu(QStringLiteral("Print")), "MSatampa");
    Stampa = addItem(print, "Stampa", QStringLiteral("Print"), &TFormTemperamento::StampaClick);
    ImpostaStampante =
        addItem(print, "ImpostaStampante", QStringLiteral("Page Setup"), &TFormTemperamento::ImpostaPaginaClick);
    QMenu *help = named(bar->addMenu(QStringLiteral("?")), "M2");
    Informazioni = addItem(help, "Informazioni", QStringLiteral("About"), &TFormTemperamento::InformazioniClick);
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

    auto *heading =
        named(new QLabel(QStringLiteral("Hauptwerk Temperament File Generator"), central), "PanelIntestazione");
    heading->setGeometry(0, 0, kWidth, 41);
    heading->setAlignment(Qt::AlignCenter);
    heading->setFrameShape(QFrame::Panel);
    heading->setFrameShadow(QFrame::Raised);
    QFont headingFont = font();
    headingFont.setPixelSize(24);
    headingFont.setItalic(true);
    heading->setFont(headingFont);
    heading->setStyleSheet(QStringLiteral("color: red"));

    // Old temperament on the left, the commands in the middle, the new one on the right.
    QFont columnFont = font();
    columnFont.setBold(true);
    addLabel(central, "LabelTemperInput", QStringLiteral("Old Temperament"), 40, 60, 160)->setFont(columnFont);
    addLabel(central, "LabelLaInput", QStringLiteral("A ="), 40, 100, 30);
    ComboBoxTemperamentInput = pitchBox(central, "ComboBoxTemperamentInput");
    ComboBoxTemperamentInput->setGeometry(75, 98, 100, 25);

    ButtonSetTemperamento = named(new QPushButton(QStringLiteral("Set Temperamet"), central), "ButtonSetTemperamento");
    ButtonSetTemperamento->setGeometry(312, 55, 150, 30);
    auto *radioPanel = named(new QWidget(central), "PanelRadio");
    radioPanel->setGeometry(340, 90, 120, 78);
    RadioButtonCents = named(new QRadioButton(QStringLiteral("Cents"), radioPanel), "RadioButtonCents");
    RadioButtonCents->setGeometry(0, 0, 120, 24);
    RadioButtonCents->setChecked(true);
    RadioButtonScale = named(new QRadioButton(QStringLiteral("Intervals"), radioPanel), "RadioButtonScale");
    RadioButtonScale->setGeometry(0, 26, 120, 24);
    RadioButtonQuinte = named(new QRadioButton(QStringLiteral("Fifth"), radioPanel), "RadioButtonQuinte");
    RadioButtonQuinte->setGeometry(0, 52, 120, 24);
    ButtonGeneraXml = named(new QPushButton(QStringLiteral("Generate xml"), central), "ButtonGeneraXml");
    ButtonGeneraXml->setGeometry(312, 172, 150, 30);

    addLabel(central, "LabelTemperamOut", QStringLiteral("New Temperament"), 590, 60, 160)->setFont(columnFont);
    addLabel(central, "LabelLaOut", QStringLiteral("A ="), 590, 100, 30);
    ComboBoxTemperamentOut = pitchBox(central, "ComboBoxTemperamentOut");
    ComboBoxTemperamentOut->setGeometry(625, 98, 100, 25);

    auto *banner = named(new QLabel(QStringLiteral("www.cordavo.org"), central), "Panel1");
    banner->setGeometry(0, 212, kWidth, 28);
    banner->setAlignment(Qt::AlignCenter);
    QFont bannerFont = font();
    bannerFont.setPixelSize(16);
    bannerFont.setBold(true);
    banner->setFont(bannerFont);
    banner->setStyleSheet(QStringLiteral("color: red"));

    // Identification, three rows.
    addLabel(central, "Label_NomeForn", QStringLiteral("Supplier Name"), 20, 252);
    EditNomeFornitore = named(new QLineEdit(central), "EditNomeFornitore");
    EditNomeFornitore->setGeometry(140, 250, 260, 23);
    addLabel(central, "Label_IdForn", QStringLiteral("ID Supplier"), 430, 252);
    NumEdit_IdFornitore = createNumEdit(central, "NumEdit_IdFornitore", false, 6);
    NumEdit_IdFornitore->setGeometry(550, 250, 121, 23);

    addLabel(central, "Label_IdTemperam", QStringLiteral("ID Temperament"), 20, 284);
    NumEdit_IdTemperamento = createNumEdit(central, "NumEdit_IdTemperamento", false, 20);
    NumEdit_IdTemperamento->setGeometry(140, 282, 121, 23);
    addLabel(central, "LabelNomeTemperam", QStringLiteral("Name Temperament"), 290, 284, 135);
    EditNomeTemperamento = named(new QLineEdit(central), "EditNomeTemperamento");
    EditNomeTemperamento->setGeometry(430, 282, 320, 23);

    addLabel(central, "LabelNomeCorto", QStringLiteral("Short Name"), 20, 316);
    EditNomeCorto = named(new ShortNameEdit(central), "EditNomeCorto");
    EditNomeCorto->setGeometry(140, 314, 80, 23);
    addLabel(central, "LabelCommento", QStringLiteral("Comment"), 290, 316, 135);
    EditCommento = named(new QLineEdit(central), "EditCommento");
    EditCommento->setGeometry(430, 314, 320, 23);

    // The note fields, two rows of six on a sky-blue panel.
    QWidget *notes = panel(central, "PanelNote", QRect(10, 362, kWidth - 20, 130),
                           QStringLiteral("QWidget#PanelNote { background-color: #87ceeb; }"));
    struct Note {
        const char *label;
        const char *field;
        const char *caption;
    };
    static const Note kNotes[12] = {
        {"Label_Do", "NumEdit_Do", "C:"},
        {"Label_DoDiesis", "NumEdit_DoDiesis", "C#:"},
        {"Label_Re", "NumEdit_Re", "D:"},
        {"Label_ReDiesis", "NumEdit_ReDiesis", "D#:"},
        {"Label_Mi", "NumEdit_Mi", "E:"},
        {"Label_Fa", "NumEdit_Fa", "F:"},
        {"Label_FaDiesis", "NumEdit_FaDiesis", "F#:"},
        {"Label_Sol", "NumEdit_Sol", "G:"},
        {"Label_SolDiesis", "NumEdit_SolDiesis", "G#:"},
        {"Label_La", "NumEdit_La", "A:"},
        {"Label_LaDiesis", "NumEdit_LaDiesis", "A#:"},
        {"Label_Si", "NumEdit_Si", "B:"},
    };
    for (int i = 0; i < 12; ++i) {
        const int x = 10 + (i % 6) * 124;
        const int y = 30 + (i / 6) * 50;
        addLabel(notes, kNotes[i].label, QString::fromLatin1(kNotes[i].caption), x, y, 30);
        m_noteFields[i] = createNumEdit(notes, kNotes[i].field, true, 6);
        m_noteFields[i]->setGeometry(x + 32, y - 1, 80, 23);
    }
    NumEdit_Do = m_noteFields[0];
    NumEdit_DoDiesis = m_noteFields[1];
    NumEdit_Re = m_noteFields[2];
    NumEdit_ReDiesis = m_noteFields[3];
    NumEdit_Mi = m_noteFields[4];
    NumEdit_Fa = m_noteFields[5];
    NumEdit_FaDiesis = m_noteFields[6];
    NumEdit_Sol = m_noteFields[7];
    NumEdit_SolDiesis = m_noteFields[8];
    NumEdit_La = m_noteFields[9];
    NumEdit_LaDiesis = m_noteFields[10];
    NumEdit_Si = m_noteFields[11];

    connect(ComboBoxTemperamentInput, &QComboBox::currentIndexChanged, this,
            &TFormTemperamento::ComboBoxTemperamentInputChange);
    connect(ComboBoxTemperamentInput, &QComboBox::editTextChanged, this,
            &TFormTemperamento::ComboBoxTemperamentInputChange);
    connect(ComboBoxTemperamentOut, &QComboBox::currentIndexChanged, this,
            &TFormTemperamento::ComboBoxTemperamentOutChange);
    connect(ComboBoxTemperamentOut, &QComboBox::editTextChanged, this,
            &TFormTemperamento::ComboBoxTemperamentOutChange);
    for (TNumEdit *field : m_noteFields)
        connect(field, &TNumEdit::changed, this, &TFormTemperamento::temperamentChanged);
    for (QComboBox *box : {ComboBoxTemperamentInput, ComboBoxTemperamentOut})
        connect(box, &QComboBox::editTextChanged, this, &TFormTemperamento::temperamentChanged);
    connect(ButtonSetTemperamento, &QPushButton::clicked, this, &TFormTemperamento::ButtonSetTemperamentoClick);
    connect(ButtonGeneraXml, &QPushButton::clicked, this, &TFormTemperamento::ButtonGeneraXmlClick);
}

void TFormTemperamento::FormCreate()
{
    setMinimumWidth(kWidth);
    setMinimumHeight(kHeight);
    setMaximumWidth(kWidth);
    setMaximumHeight(kHeight);
    ExportPending = false;
    InputPitchIndex = ComboBoxTemperamentInput->currentIndex();
    OutPitchIndex = ComboBoxTemperamentOut->currentIndex();
    XmlGenerated = false;
    AboutShown = false;

    SaveDialogXml.filters = {QStringLiteral("xml Hauptwerk 4 (*.Temperament_Hauptwerk_xml)"),
                             QStringLiteral("xml Hauptwerk 3 (*.Temperament.Hauptwerk.xml)"),
                             QStringLiteral("txt (*.txt *.Txt)")};
    SaveDialogXml.defaultSuffix = QStringLiteral("Temperament.Hauptwerk.xml");
    SaveDialogXml.fileName = QStringLiteral("File1");
    OpenDialogXml.filters = {
        QStringLiteral("Temperament (*.Temperament_Hauptwerk_xml *.Temperament.Hauptwerk.xml *.xml "
                       "*.Txt *.txt)"),
        QStringLiteral("All files (*)")};
    SaveDialogXml.typeChanged = [this](const QString &name, int type) { return SaveDialogXmlTypeChange(name, type); };
    OpenDialogFornitore.filters = {QStringLiteral("For (*.For *.for *.FOR)")};
    OpenDialogFornitore.defaultSuffix = QStringLiteral("For");
    SaveDialogFornitore = OpenDialogFornitore;
    SaveDialogFornitore.fileName = QStringLiteral("File1.For");
    OpenDialogTemperamento.filters = {QStringLiteral("Tmp (*.Tmp *.tmp *.TMP)")};
    OpenDialogTemperamento.defaultSuffix = QStringLiteral("Tmp");
    SaveDialogTemperamento = OpenDialogTemperamento;
    SaveDialogTemperamento.fileName = QStringLiteral("File1.Tmp");
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
    showInFront(this);
}

void TFormTemperamento::FormActivate()
{
    if (!AboutShown) {
        AboutShown = true;
        if (AboutBox)
            m_dialogs.showModal(*AboutBox);
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

void TFormTemperamento::ComboBoxTemperamentInputChange()
{
    InputPitchIndex = ComboBoxTemperamentInput->currentIndex();
}

void TFormTemperamento::ComboBoxTemperamentOutChange()
{
    OutPitchIndex = ComboBoxTemperamentOut->currentIndex();
}

void TFormTemperamento::ButtonSetTemperamentoClick()
{
    if (RadioButtonScale->isChecked()) {
        FormCents->hide();
        FormCicloQuinte->hide();
        hide();
        FormScale->showInFront();
    }
    if (RadioButtonQuinte->isChecked()) {
        FormCents->hide();
        FormScale->hide();
        hide();
        FormCicloQuinte->showInFront();
    }
    if (RadioButtonCents->isChecked()) {
        FormCents->showInFront();
        FormScale->hide();
        hide();
        FormCicloQuinte->hide();
    }
}

void TFormTemperamento::ValidateData()
{
    const QStringList errors = identificationErrors(temperamentData(440, 440));
    for (const QString &error : errors)
        m_dialogs.message(this, error);
    DataError = !errors.isEmpty();
}

void TFormTemperamento::setAnalysisWindow(AnalysisWindow &analysis)
{
    FormAnalisi = &analysis;
}

NoteCents TFormTemperamento::noteCents() const
{
    NoteCents values{};
    for (int i = 0; i < 12; ++i)
        values[i] = m_noteFields[i]->value();
    return values;
}

std::optional<double> TFormTemperamento::shownPitch(const QComboBox *box) const
{
    const auto value = readRegional(box->currentText(), m_separators.decimal);
    if (value && *value >= kLowestPitch && *value <= kHighestPitch)
        return static_cast<double>(*value);
    return std::nullopt;
}

std::optional<double> TFormTemperamento::pitchOf(QComboBox *box, const QString &boxName)
{
    const QString text = box->currentText();
    if (const auto pitch = shownPitch(box))
        return pitch;
    const QString low = formatGeneral(kLowestPitch, m_separators.decimal);
    const QString high = formatGeneral(kHighestPitch, m_separators.decimal);
    m_dialogs.message(
        this, QStringLiteral("%1: \"%2\" is not a pitch from %3 to %4 Hz").arg(boxName, text.trimmed(), low, high));
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
    const QStringList lines = temperamentXml(temperamentData(oldA, newA));
    FormXml->MemoXml->setPlainText(lines.join(QLatin1Char('\n')));
}

void TFormTemperamento::ButtonGeneraXmlClick()
{
    ValidateData();
    if (DataError)
        return;
    const QStringList noteErrors = noteCentsErrors(noteCents(), m_separators.decimal);
    for (const QString &error : noteErrors)
        m_dialogs.message(this, error);
    if (!noteErrors.isEmpty())
        return;
    // Both pitches are checked before the viewer is touched.
    const auto oldA = pitchOf(ComboBoxTemperamentInput, QStringLiteral("Old Temperament A ="));
    const auto newA = pitchOf(ComboBoxTemperamentOut, QStringLiteral("New Temperament A ="));
    if (!oldA || !newA)
        return;
    GenerateXml(*oldA, *newA);
    showInFront(FormXml);
    XmlGenerated = true;
}

void TFormTemperamento::VisualizzaXmlClick()
{
    showInFront(FormXml);
}

void TFormTemperamento::EsciClick()
{
    close();
}

void TFormTemperamento::InformazioniClick()
{
    m_dialogs.showModal(*AboutBox);
}

void TFormTemperamento::SalvaXmlClick()
{
    // The viewer's text as it stands, edits included; UTF-8 as its first line declares.
    const QByteArray bytes = FormXml->isEmpty() ? QByteArray() : xmlFileBytes(FormXml->lines());
    saveThroughDialog(m_dialogs, this, SaveDialogXml, bytes);
}

QString TFormTemperamento::SaveDialogXmlTypeChange(const QString &name, int fileType)
{
    return xmlFileNameForType(name, fileType);
}

void TFormTemperamento::StampaClick()
{
    if (!XmlGenerated) {
        m_dialogs.message(this, QStringLiteral("Before Generating The XML Page"));
        return;
    }
    if (!m_dialogs.choosePrinter(this, printer()))
        return;
    // The viewer's font, at the same size in points.
    QFont font = FormXml->MemoXml->font();
    font.setPointSizeF(QFontInfo(font).pointSizeF());
    const QString error = printTextLines(printer(), FormXml->lines(), font);
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

void TFormTemperamento::SalvaFornitoreClick()
{
    ValidateData();
    if (DataError) {
        m_dialogs.message(this, QStringLiteral("Unsaved data for errors !"));
        return;
    }
    SupplierRecord record;
    record.supplierName = EditNomeFornitore->text();
    record.supplierId = NumEdit_IdFornitore->value();
    record.temperamentId = NumEdit_IdTemperamento->value();
    record.name = EditNomeTemperamento->text();
    record.shortName = EditNomeCorto->text();
    record.comment = EditCommento->text();
    ListBoxFornitore = supplierFileLines(record, m_separators.decimal);
    saveThroughDialog(m_dialogs, this, SaveDialogFornitore, encodeLineFile(ListBoxFornitore));
}

void TFormTemperamento::SalvaTemperamentoClick()
{
    ValidateData();
    if (DataError) {
        m_dialogs.message(this, QStringLiteral("Unsaved data for errors !"));
        return;
    }
    TemperamentRecord record;
    record.name = EditNomeTemperamento->text();
    record.shortName = EditNomeCorto->text();
    record.comment = EditCommento->text();
    for (int i = 0; i < 12; ++i)
        record.cents[i] = m_noteFields[i]->value();
    ListBoxTemperamento = temperamentFileLines(record, m_separators.decimal);
    saveThroughDialog(m_dialogs, this, SaveDialogTemperamento, encodeLineFile(ListBoxTemperamento));
}

void TFormTemperamento::CaricaFornitoreClick()
{
    ListBoxFornitore.clear();
    const auto loaded = loadThroughDialog(m_dialogs, this, OpenDialogFornitore, kSupplierLayout, m_separators.decimal);
    if (!loaded)
        return;
    // Only a file that checked out whole reaches the fields.
    const SupplierRecord record = supplierRecord(loaded->values);
    EditNomeFornitore->setText(record.supplierName);
    NumEdit_IdFornitore->setValue(record.supplierId);
    NumEdit_IdTemperamento->setValue(record.temperamentId);
    EditNomeTemperamento->setText(record.name);
    EditNomeCorto->setText(record.shortName);
    EditCommento->setText(record.comment);
    reportLoaded(m_dialogs, this, loaded->path);
}

void TFormTemperamento::CaricaTemperamentoClick()
{
    ListBoxTemperamento.clear();
    const auto loaded =
        loadThroughDialog(m_dialogs, this, OpenDialogTemperamento, kTemperamentLayout, m_separators.decimal);
    if (!loaded)
        return;
    const TemperamentRecord record = temperamentRecord(loaded->values);
    EditNomeTemperamento->setText(record.name);
    EditNomeCorto->setText(record.shortName);
    EditCommento->setText(record.comment);
    for (int i = 0; i < 12; ++i)
        m_noteFields[i]->setValue(record.cents[i]);
    reportLoaded(m_dialogs, this, loaded->path);
}

LibraryDialog &TFormTemperamento::libraryDialog()
{
    if (!m_libraryDialog)
        m_libraryDialog = new LibraryDialog(builtInLibrary(), m_separators, this);
    return *m_libraryDialog;
}

void TFormTemperamento::LibreriaTemperamentiClick()
{
    LibraryDialog &dialog = libraryDialog();
    if (m_dialogs.showModal(dialog) != QDialog::Accepted)
        return;
    const LibraryEntry *entry = dialog.selectedEntry();
    if (!entry)
        return;
    // As an export would: the deviations, shown with two decimals.
    for (int i = 0; i < 12; ++i)
        m_noteFields[i]->setValue(entry->deviations[i]);
    EditNomeTemperamento->setText(entry->name);
}

void TFormTemperamento::AnalizzaTemperamentoClick()
{
    FormAnalisi->showInFront();
}

void TFormTemperamento::ApriXmlClick()
{
    const auto path = m_dialogs.openFileName(this, OpenDialogXml);
    if (!path)
        return;
    // The document goes through the same size and encoding checks as the data files.
    QByteArray bytes;
    const QString error = readSmallFile(*path, &bytes);
    if (!error.isEmpty()) {
        m_dialogs.error(this, error);
        return;
    }
    const QString text = decodeLineFileText(bytes);
    const ReadTemperament read = readTemperamentXml(text, QFileInfo(*path).fileName());
    if (!read.ok()) {
        m_dialogs.error(this, read.error);
        return;
    }
    // Old A at 440 and new A at the file's A give back the file's pitches.
    // Choosing an item also replaces any text typed over the box.
    auto choose = [](QComboBox *box, int item) {
        box->setCurrentIndex(item);
        box->setEditText(box->itemText(item));
    };
    choose(ComboBoxTemperamentInput, 40);
    const int item = ComboBoxTemperamentOut->findText(QStringLiteral("  %1").arg(read.data.newA));
    if (read.data.newA == std::floor(read.data.newA) && item >= 0)
        choose(ComboBoxTemperamentOut, item);
    else
        ComboBoxTemperamentOut->setEditText(formatGeneral(read.data.newA, m_separators.decimal));
    for (int i = 0; i < 12; ++i)
        m_noteFields[i]->setValue(read.data.cents[i]);
    NumEdit_IdTemperamento->setValue(read.data.temperamentId);
    NumEdit_IdFornitore->setValue(read.data.supplierId);
    EditNomeTemperamento->setText(read.data.name);
    EditNomeCorto->setText(read.data.shortName);
    EditNomeFornitore->setText(read.data.supplierName);
    EditCommento->setText(read.data.comment);
    FormXml->MemoXml->setPlainText(splitLines(text).join(QLatin1Char('\n')));
    // A document read back is as good as a generated one: it may be printed.
    XmlGenerated = true;
    showInFront(FormXml);
    reportLoaded(m_dialogs, this, *path);
}

} // namespace cordavo
