#include "ui/windows/UAbout.h"

#include "CordavoVersion.h"
#include "ui/desktop/Fonts.h"
#include "ui/desktop/KeyboardOrder.h"
#include "ui/desktop/UserDialogs.h"
#include "ui/widgets/JpegImage.h"
#include "ui/widgets/LayoutGrowth.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

// The picture lives in the widget library's resources, which a static
// library must register itself.
static void registerResources()
{
    Q_INIT_RESOURCE(cordavo);
}

namespace cordavo {

namespace {

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, int x, int y, int width, int height)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(x, y, width, height);
    label->setWordWrap(true);
    return label;
}

// The picture, decoded at the size it is shown at rather than whole.
QImage aboutPicture(const QSize &shown)
{
    registerResources();
    QFile file(QStringLiteral(":/about.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeJpeg(file.readAll(), shown);
}

} // namespace

QString libraryNoticesFile()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("THIRD-PARTY-NOTICES.txt"));
}

TAboutBox::TAboutBox(UserDialogs &dialogs, QWidget *parent) : QDialog(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About Cordavo"));
    setFixedSize(624, 538);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setGeometry(8, 8, 608, 470);

    QLabel *ProgramIcon = addLabel(panel, "ProgramIcon", QString(), 8, 8, 185, 185);
    ProgramIcon->setScaledContents(true);

    QFont big = font();
    big.setPixelSize(24);
    big.setItalic(true);
    QLabel *ProductName = addLabel(panel, "ProductName", QStringLiteral("Cordavo"), 210, 16, 380, 36);
    ProductName->setFont(big);
    // Red through the palette: a style sheet would cost a style of its own.
    QPalette red = ProductName->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    ProductName->setPalette(red);

    QFont bold = font();
    bold.setBold(true);
    QLabel *Version = addLabel(panel, "Version", tr("Version %1").arg(QLatin1String(kVersion)), 210, 60, 380, 20);
    Version->setFont(bold);
    Version->setPalette(red);

    addLabel(panel, "Label1", tr("License"), 210, 100, 380, 20)->setFont(bold);
    addLabel(panel, "Label2", tr("Cordavo builds temperament files for the Hauptwerk virtual pipe organ."), 210, 124,
             380, 34);
    addLabel(panel, "Label3", tr("You may use it and give it away freely, unchanged and free of charge."), 210, 160,
             380, 34);
    addLabel(panel, "Label4", tr("1. The files it makes are yours."), 8, 210, 590, 20);
    addLabel(panel, "Label5", tr("2.  It may not be sold, alone or with other programs."), 8, 232, 590, 20);
    addLabel(panel, "Label6", tr("3. Hauptwerk is a trademark of its owner."), 8, 254, 590, 20);
    addLabel(panel, "Label7", QString(), 8, 276, 590, 20);

    addLabel(panel, "Label9", tr("Disclaimer"), 8, 320, 590, 20)->setFont(bold);
    addLabel(panel, "Label8", tr("This program is distributed  as it is, without any warranty."), 8, 344, 590, 20);
    addLabel(panel, "Label10", tr("Check the pitches of a temperament file before you rely on it."), 8, 366, 590, 20);
    addLabel(panel, "Label11", tr("The authors accept no liability for any damage its use may cause."), 8, 388, 590,
             20);

    auto *OKButton = new QPushButton(tr("&OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    OKButton->setGeometry(270, 494, 84, 30);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    // The libraries' licences, where the package carries their notices.
    m_noticesButton = new QPushButton(tr("Licences of the libraries…"), this);
    m_noticesButton->setObjectName(QStringLiteral("NoticesButton"));
    m_noticesButton->setGeometry(376, 494, 240, 30);
    connect(m_noticesButton, &QPushButton::clicked, this, &TAboutBox::showNotices);
    // The pictures and texts take no focus.
    setKeyboardOrder({OKButton, m_noticesButton});
    setNoticesFile(libraryNoticesFile());

    // At a larger desktop font everything grows evenly until every text fits.
    const qreal growth = growthToFit(this);
    growLayout(this, growth);
    setFixedSize(qRound(624 * growth), qRound(538 * growth));
    const qreal pixelRatio = devicePixelRatioF();
    ProgramIcon->setPixmap(QPixmap::fromImage(aboutPicture(ProgramIcon->size() * pixelRatio)));
}

void TAboutBox::setNoticesFile(const QString &path)
{
    m_noticesFile = path;
    m_noticesButton->setVisible(QFileInfo(path).isFile());
}

// The notices as they are written, in a window of their own: monospaced, as
// the licence texts are laid out in columns.
void TAboutBox::showNotices()
{
    QFile file(m_noticesFile);
    // Text mode: the file has Windows line ends.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_dialogs.error(this,
                        tr("Cannot read %1: %2").arg(QDir::toNativeSeparators(m_noticesFile), file.errorString()));
        return;
    }
    QDialog window(this);
    window.setObjectName(QStringLiteral("NoticesWindow"));
    window.setWindowTitle(tr("Licences of the libraries"));
    auto *layout = new QVBoxLayout(&window);
    auto *text = new QPlainTextEdit(&window);
    text->setObjectName(QStringLiteral("NoticesText"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setPlainText(QString::fromUtf8(file.readAll()));
    layout->addWidget(text);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
    connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    layout->addWidget(buttons);
    const int columns = text->fontMetrics().horizontalAdvance(QString(82, QLatin1Char('M')));
    window.resize(columns + 40, qRound(columns * 0.75));
    m_dialogs.showModal(window);
}

} // namespace cordavo
