#include "ui/windows/LibraryDialog.h"

#include "numbers/NumberFormat.h"
#include "tuning/BuiltInLibrary.h"
#include "tuning/LibraryNames.h"
#include "tuning/LibrarySearch.h"
#include "tuning/PitchTable.h"
#include "ui/desktop/KeyboardOrder.h"
#include "ui/desktop/UserDialogs.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace cordavo {

namespace {

constexpr int kEntryRole = Qt::UserRole;

const TemperamentLibrary kNoLibrary;

} // namespace

LibraryDialog::LibraryDialog(const Result<TemperamentLibrary> &library, const Separators &separators, QWidget *parent)
    : QDialog(parent), m_library(library.ok() ? library.value() : kNoLibrary), m_libraryError(library.error()),
      m_separators(separators)
{
    setObjectName(QStringLiteral("LibraryDialog"));
    setWindowTitle(tr("Temperament Library"));
    resize(660, 520);

    m_filterEdit = new QLineEdit(this);
    m_filterEdit->setObjectName(QStringLiteral("filterEdit"));
    m_filterEdit->setPlaceholderText(tr("Filter by name"));
    m_filterEdit->setClearButtonEnabled(true);
    // The hint it shows while empty is all the label it has.
    m_filterEdit->setAccessibleName(m_filterEdit->placeholderText());

    // A table that could not be read offers nothing, and says why.
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("libraryProblem"));
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setStyleSheet(QStringLiteral("color: #b00020"));
    m_problem->setText(tr("The temperament library could not be read. %1").arg(library.error()));
    m_problem->setVisible(!library.ok());
    m_filterEdit->setEnabled(library.ok());

    m_remark = new QLabel(this);
    m_remark->setObjectName(QStringLiteral("searchRemark"));
    m_remark->setWordWrap(true);
    m_remark->setTextFormat(Qt::PlainText);
    m_remark->setVisible(false);

    m_entryTree = new QTreeWidget(this);
    m_entryTree->setObjectName(QStringLiteral("entryTree"));
    m_entryTree->setHeaderHidden(true);
    m_entryTree->setColumnCount(1);
    m_entryTree->setAccessibleName(tr("Temperaments"));
    fillTree({}, true);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("previewTitle"));
    m_title->setWordWrap(true);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    auto *grid = new QGridLayout;
    for (int i = 0; i < 12; ++i) {
        grid->addWidget(new QLabel(noteDisplayName(i), this), i, 0);
        m_values[i] = new QLabel(this);
        m_values[i]->setObjectName(QStringLiteral("preview%1").arg(i));
        m_values[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_values[i]->setMinimumWidth(70);
        grid->addWidget(m_values[i], i, 1);
    }
    m_construction = new QLabel(this);
    m_construction->setObjectName(QStringLiteral("previewConstruction"));
    m_construction->setWordWrap(true);

    auto *preview = new QVBoxLayout;
    preview->addWidget(m_title);
    auto *heading = new QLabel(tr("Deviation in cents, A = 0"), this);
    heading->setWordWrap(true);
    preview->addWidget(heading);
    preview->addLayout(grid);
    preview->addStretch();
    auto *previewBox = new QWidget(this);
    previewBox->setLayout(preview);
    previewBox->setFixedWidth(240);

    auto *left = new QVBoxLayout;
    left->addWidget(m_problem);
    left->addWidget(m_filterEdit);
    left->addWidget(m_remark);
    left->addWidget(m_entryTree);
    auto *body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(previewBox);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(QStringLiteral("buttons"));
    // Enter and Esc answer too; the mnemonics are there as on every other button.
    m_buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(m_construction);
    layout->addWidget(m_buttons);

    // The button box keeps its buttons in the order the platform shows them.
    setKeyboardOrder(QList<QWidget *>{m_filterEdit, m_entryTree} + buttonsInOrder(m_buttons));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_filterEdit, &QLineEdit::textChanged, this, &LibraryDialog::applyFilter);
    connect(m_entryTree, &QTreeWidget::currentItemChanged, this, &LibraryDialog::showPreview);
    connect(m_entryTree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (item->data(0, kEntryRole).isValid())
            accept();
    });
    m_filterEdit->installEventFilter(this);
    m_entryTree->installEventFilter(this);
    showPreview();
}

void LibraryDialog::fillTree(const QList<const LibraryEntry *> &ranked, bool grouped)
{
    const LibraryEntry *current = selectedEntry();
    const QSignalBlocker blocker(m_entryTree);
    m_entryTree->clear();
    const QString language = libraryDisplayLanguage();
    const auto add = [this, &language](QTreeWidgetItem *parentItem, const LibraryEntry &entry) {
        const QStringList text{libraryShownName(entry, language)};
        auto *item = parentItem ? new QTreeWidgetItem(parentItem, text) : new QTreeWidgetItem(m_entryTree, text);
        item->setData(0, kEntryRole, static_cast<int>(&entry - m_library.entries.constData()));
        return item;
    };
    QTreeWidgetItem *keep = nullptr;
    if (grouped) {
        QHash<QString, QTreeWidgetItem *> groupItems;
        for (const LibraryEntry &entry : m_library.entries) {
            QTreeWidgetItem *parentItem = nullptr;
            if (!entry.group.isEmpty()) {
                parentItem = groupItems.value(entry.group);
                if (!parentItem) {
                    parentItem = new QTreeWidgetItem(m_entryTree, QStringList{libraryGroupName(entry.group, language)});
                    parentItem->setFlags(Qt::ItemIsEnabled);
                    groupItems.insert(entry.group, parentItem);
                }
            }
            QTreeWidgetItem *item = add(parentItem, entry);
            if (&entry == current)
                keep = item;
        }
    } else {
        for (const LibraryEntry *entry : ranked)
            add(nullptr, *entry);
    }
    if (keep) {
        if (keep->parent())
            keep->parent()->setExpanded(true);
        m_entryTree->setCurrentItem(keep);
        m_entryTree->scrollToItem(keep);
    }
}

bool LibraryDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == m_filterEdit && (key == Qt::Key_Down || key == Qt::Key_PageDown)) {
            // Into the list, onto its first entry when none is chosen.
            const QList<QTreeWidgetItem *> items = entryItems();
            if (!selectedEntry() && !items.isEmpty()) {
                if (items.first()->parent())
                    items.first()->parent()->setExpanded(true);
                m_entryTree->setCurrentItem(items.first());
            }
            m_entryTree->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (watched == m_entryTree && (key == Qt::Key_Return || key == Qt::Key_Enter) && selectedEntry()) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QList<QTreeWidgetItem *> LibraryDialog::entryItems() const
{
    QList<QTreeWidgetItem *> items;
    for (QTreeWidgetItemIterator it(m_entryTree); *it; ++it) {
        if ((*it)->data(0, kEntryRole).isValid())
            items << *it;
    }
    return items;
}

const LibraryEntry *LibraryDialog::chooseEntry(UserDialogs &dialogs)
{
    m_filterEdit->clear();
    m_filterEdit->setFocus(Qt::OtherFocusReason);
    if (dialogs.showModal(*this) != QDialog::Accepted)
        return nullptr;
    return selectedEntry();
}

const LibraryEntry *LibraryDialog::selectedEntry() const
{
    const QTreeWidgetItem *item = m_entryTree->currentItem();
    if (!item || item->isHidden() || !item->data(0, kEntryRole).isValid())
        return nullptr;
    return &m_library.entries[item->data(0, kEntryRole).toInt()];
}

bool LibraryDialog::selectEntry(const QString &name)
{
    for (QTreeWidgetItem *item : entryItems()) {
        const LibraryEntry &entry = m_library.entries[item->data(0, kEntryRole).toInt()];
        if ((item->text(0) == name || entry.name == name) && !item->isHidden()) {
            if (item->parent())
                item->parent()->setExpanded(true);
            m_entryTree->setCurrentItem(item);
            m_entryTree->scrollToItem(item);
            return true;
        }
    }
    return false;
}

QStringList LibraryDialog::shownNames() const
{
    QStringList names;
    for (QTreeWidgetItem *item : entryItems()) {
        if (!item->isHidden())
            names << item->text(0);
    }
    return names;
}

QStringList LibraryDialog::previewTexts() const
{
    QStringList texts;
    for (const QLabel *label : m_values)
        texts << label->text();
    return texts;
}

QString LibraryDialog::previewDescription() const
{
    return m_construction->text();
}

QString LibraryDialog::problemText() const
{
    return m_libraryError.isEmpty() ? QString() : m_problem->text();
}

QString LibraryDialog::searchRemark() const
{
    return m_remark->text();
}

void LibraryDialog::applyFilter(const QString &text)
{
    const QString wanted = text.trimmed();
    QString remark;
    if (wanted.isEmpty()) {
        fillTree({}, true);
    } else {
        const LibrarySearchResult found = searchLibrary(m_library, wanted);
        remark = found.remark;
        if (found.ranked.isEmpty()) {
            const QList<const LibraryEntry *> nearest = nearestEntries(m_library, wanted);
            fillTree(nearest, false);
            remark = nearest.isEmpty() ? tr("No temperament of the library has such a name.")
                                       : tr("No temperament of the library has such a name; the "
                                            "nearest are listed.");
            m_entryTree->setCurrentItem(nullptr);
        } else {
            fillTree(found.entries(), false);
            m_entryTree->setCurrentItem(m_entryTree->topLevelItem(0));
        }
    }
    m_remark->setText(remark);
    m_remark->setVisible(!remark.isEmpty());
    showPreview();
}

void LibraryDialog::showPreview()
{
    const LibraryEntry *entry = selectedEntry();
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(entry != nullptr);
    const QString language = libraryDisplayLanguage();
    m_title->setText(entry ? libraryShownName(*entry, language) : QString());
    QString about = entry ? libraryConstructionDisplayText(*entry) : QString();
    // The words of the window's language first; the English names (ET,
    // Tartini-Vallotti) are known everywhere.
    const QStringList aliases = entry ? libraryLocalAliases(*entry, language) + entry->aliases : QStringList();
    if (!aliases.isEmpty()) {
        about += (about.isEmpty() ? QString() : QStringLiteral(". ")) + tr("Also known as ") +
                 aliases.join(QStringLiteral(", "));
    }
    if (entry && !entry->remark.isEmpty())
        about += (about.isEmpty() ? QString() : QStringLiteral(". ")) + libraryDisplayText(entry->remark);
    m_construction->setText(about);
    for (int i = 0; i < 12; ++i)
        m_values[i]->setText(entry ? formatPattern(entry->deviations[i], u"0.00", m_separators) : QString());
}

} // namespace cordavo
