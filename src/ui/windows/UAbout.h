#pragma once

#include <QDialog>

namespace cordavo {

class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
};

} // namespace cordavo
