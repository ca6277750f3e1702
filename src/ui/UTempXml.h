#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace cordavo {

// The viewer of the generated document; the user may edit it, and saving
// and printing take what it holds.
class TFormXml : public QWidget
{
    Q_OBJECT
public:
    explicit TFormXml(QWidget *parent = nullptr);

    QPlainTextEdit *MemoXml;
};

} // namespace cordavo
