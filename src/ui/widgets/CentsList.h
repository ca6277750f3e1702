#pragma once

#include <QListWidget>

namespace cordavo {

// A setter's list of twelve results: fixed rows of 16 pixels, each value
// drawn right-aligned 4 pixels from the list's inner edge, so that it stands
// beside its note label.
class CentsList : public QListWidget
{
    Q_OBJECT
public:
    explicit CentsList(QWidget *parent = nullptr);

    // The lines as the list holds them.
    QStringList lines() const;
    void setLines(const QStringList &lines);
};

} // namespace cordavo
