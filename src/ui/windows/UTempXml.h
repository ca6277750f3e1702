#pragma once

#include <QStringList>
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

    // The viewer's lines exactly as it holds them, for saving and printing:
    // a no-break space stays one, and a line separator (U+2028) inside a
    // line stays in it. toPlainText() would turn both into something else.
    QStringList lines() const;
    bool isEmpty() const;
    // Replaces what the viewer holds.
    void setText(const QString &text);
    // The viewer's font, which printing follows.
    QFont textFont() const;

private:
    QPlainTextEdit *MemoXml;
};

} // namespace cordavo
