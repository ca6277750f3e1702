#include "ui/windows/GrandOrgueExchange.h"

#include "tuning/LineFile.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace cordavo {

namespace {

QDialogButtonBox *okCancel(QDialog &dialog, const QString &okText = QString())
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->setObjectName(QStringLiteral("buttons"));
    if (!okText.isEmpty())
        buttons->button(QDialogButtonBox::Ok)->setText(okText);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

} // namespace

GrandOrgueExchange::GrandOrgueExchange(UserDialogs &dialogs, QWidget *window) : m_dialogs(dialogs), m_window(window)
{
    OpenDialogGrandOrgue.kind = QStringLiteral("grandorgue");
    OpenDialogGrandOrgue.filters = {tr("GrandOrgue settings (GrandOrgueConfig*)"), tr("All files (*)")};
    OpenDialogGrandOrgue.fileName = QDir::toNativeSeparators(grandOrgueConfigPath());
}

QString GrandOrgueExchange::fileType()
{
    return tr("GrandOrgue user temperament (GrandOrgueConfig*)");
}

void GrandOrgueExchange::exportTemperament(const TuningSource &source, const QString &path)
{
    QDialog dialog(m_window);
    dialog.setObjectName(QStringLiteral("GrandOrgueExportDialog"));
    dialog.setWindowTitle(tr("Export to GrandOrgue"));
    auto *group = new QLineEdit(m_group, &dialog);
    group->setObjectName(QStringLiteral("groupEdit"));
    auto *title = new QLineEdit(source.name, &dialog);
    title->setObjectName(QStringLiteral("titleEdit"));
    auto *fold = new QCheckBox(tr("&Fold the pitch in: GrandOrgue plays at the new A"), &dialog);
    fold->setObjectName(QStringLiteral("foldPitchBox"));
    fold->setChecked(m_foldPitch);
    fold->setToolTip(tr("GrandOrgue tunes to A = 440 Hz. Checked, every offset is raised by the new A "
                        "in cents from 440 Hz (415 Hz gives -101.27); unchecked, the offsets are the "
                        "deviations with A at 0."));
    auto *form = new QFormLayout;
    form->addRow(tr("&Group (submenu):"), group);
    form->addRow(tr("&Title (menu text):"), title);
    form->addRow(fold);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(tr("Into %1").arg(QDir::toNativeSeparators(path)), &dialog));
    layout->addLayout(form);
    layout->addWidget(okCancel(dialog));
    if (m_dialogs.showModal(dialog) != QDialog::Accepted)
        return;
    m_group = group->text().trimmed();
    m_foldPitch = fold->isChecked();

    GrandOrgueExportRequest request{path, source, m_group, title->text(), m_foldPitch, false};
    GrandOrgueExportResult result = exportToGrandOrgue(request);
    if (result.status == GrandOrgueExportStatus::TitleTaken) {
        if (!confirmReplace(result.shownPath, result.temperament.group, result.temperament.title))
            return;
        request.replace = true;
        result = exportToGrandOrgue(request);
    }
    switch (result.status) {
    case GrandOrgueExportStatus::Written:
        m_dialogs.information(
            m_window, tr("File %1 Saved\n%2 is in GrandOrgue's group %3")
                          .arg(result.shownPath, quoted(result.temperament.title), quoted(result.temperament.group)));
        break;
    case GrandOrgueExportStatus::Refused:
        m_dialogs.message(m_window, result.message);
        break;
    case GrandOrgueExportStatus::TitleTaken:
    case GrandOrgueExportStatus::Failed:
        m_dialogs.error(m_window, result.message);
        break;
    }
}

bool GrandOrgueExchange::confirmReplace(const QString &shownPath, const QString &group, const QString &title)
{
    QDialog dialog(m_window);
    dialog.setObjectName(QStringLiteral("GrandOrgueReplaceDialog"));
    dialog.setWindowTitle(tr("Replace GrandOrgue Temperament"));
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(tr("%1 already holds %2 in the group %3.\nReplace it? Organs that chose "
                                    "it will play the new one.")
                                     .arg(quoted(shownPath), quoted(title), quoted(group)),
                                 &dialog));
    layout->addWidget(okCancel(dialog, tr("&Replace")));
    return m_dialogs.showModal(dialog) == QDialog::Accepted;
}

std::optional<GrandOrgueTemperament> GrandOrgueExchange::chooseTemperament()
{
    const auto path = m_dialogs.openFileName(m_window, OpenDialogGrandOrgue);
    if (!path)
        return std::nullopt;
    const Result<GrandOrgueConfig> config = readGrandOrgueConfig(*path);
    if (!config.ok()) {
        m_dialogs.error(m_window, config.error());
        return std::nullopt;
    }
    const QList<GrandOrgueTemperament> &temperaments = config->userTemperaments();
    if (temperaments.isEmpty()) {
        m_dialogs.message(m_window, tr("%1 holds no user temperaments").arg(quoted(QDir::toNativeSeparators(*path))));
        return std::nullopt;
    }
    QDialog dialog(m_window);
    dialog.setObjectName(QStringLiteral("GrandOrgueLoadDialog"));
    dialog.setWindowTitle(tr("Load GrandOrgue Temperament"));
    auto *tree = new QTreeWidget(&dialog);
    tree->setObjectName(QStringLiteral("temperamentList"));
    tree->setHeaderLabels({tr("Group"), tr("Title")});
    tree->setRootIsDecorated(false);
    for (const GrandOrgueTemperament &temperament : temperaments)
        tree->addTopLevelItem(new QTreeWidgetItem(QStringList{temperament.group, temperament.title}));
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree->setCurrentItem(tree->topLevelItem(0));
    QObject::connect(tree, &QTreeWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(tree);
    layout->addWidget(okCancel(dialog, tr("&Load")));
    dialog.resize(480, 320);
    if (m_dialogs.showModal(dialog) != QDialog::Accepted || !tree->currentItem())
        return std::nullopt;
    return temperaments[tree->indexOfTopLevelItem(tree->currentItem())];
}

} // namespace cordavo
