#pragma once

#include "ui/desktop/UserDialogs.h"

#include <QPageLayout>
#include <QSettings>

#include <optional>

namespace cordavo {

// The dialog seam as the windows see it when places are remembered across
// runs: every question goes on to another seam, but a file question of a
// known kind first gets the folder and file type last chosen for that kind,
// and the printer gets the page setup last chosen. The settings hold
//   files/<kind>/folder        the folder of the file last chosen
//   files/<kind>/type          the file type it was chosen with, as listed
//   pageSetup/paperSize        a QPageSize::PageSizeId
//   pageSetup/paperWidth, pageSetup/paperHeight    in mm, custom sizes only
//   pageSetup/orientation      "portrait" or "landscape"
//   pageSetup/leftMargin, topMargin, rightMargin, bottomMargin    in mm
// Values that cannot be used (a folder since removed, a type no longer
// listed, a page that does not fit) are passed over, and the dialog opens as
// it would without them.
class RememberedPlaces : public UserDialogs
{
public:
    RememberedPlaces(UserDialogs &dialogs, QSettings &settings);

    void message(QWidget *parent, const QString &text) override;
    void information(QWidget *parent, const QString &text) override;
    void error(QWidget *parent, const QString &text) override;
    std::optional<QString> openFileName(QWidget *parent, FileQuestion &question) override;
    std::optional<QString> saveFileName(QWidget *parent, FileQuestion &question) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    bool pageSetup(QWidget *parent, QPrinter &printer) override;
    bool printPreview(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint) override;
    int showModal(QDialog &dialog) override;

    // The question as it opens: in the folder and with the type remembered
    // for its kind. A save question's name and default suffix follow the type.
    void offerPlace(FileQuestion &question) const;
    // Keeps the folder of the chosen path and the question's type for its kind.
    void rememberPlace(const FileQuestion &question, const QString &path);

    // The page setup last kept, or nothing when none can be used.
    std::optional<QPageLayout> pageLayout() const;
    void rememberPageLayout(const QPageLayout &layout);

private:
    std::optional<QString> askFile(FileQuestion &question, const std::function<std::optional<QString>()> &ask);
    // Gives a printer the page setup last kept, once: later it keeps what the
    // user chooses in this run.
    void restorePageLayout(QPrinter &printer);
    // A printer question asked with the page setup kept, which keeps the
    // page setup the user accepts.
    bool askPage(QPrinter &printer, const std::function<bool()> &ask);

    UserDialogs &m_dialogs;
    QSettings &m_settings;
    const QPrinter *m_restoredPrinter = nullptr;
};

} // namespace cordavo
