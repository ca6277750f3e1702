#include "ui/windows/UTempXml.h"

#include "ui/desktop/Fonts.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

namespace cordavo {

TFormXml::TFormXml(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FormXml"));
    setWindowTitle(QStringLiteral("Xml"));
    resize(696, 480);

    MemoXml = new QPlainTextEdit(this);
    MemoXml->setObjectName(QStringLiteral("MemoXml"));
    // Named as the window is captioned, the window's only control.
    MemoXml->setAccessibleName(tr("Xml document"));
    MemoXml->setFont(windowFont(QStringLiteral("Courier New"), QFont::TypeWriter, 13));
    MemoXml->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    MemoXml->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoXml->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MemoXml);
}

QStringList TFormXml::lines() const
{
    QStringList result;
    const QTextDocument *document = MemoXml->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        result << block.text();
    return result;
}

bool TFormXml::isEmpty() const
{
    return MemoXml->document()->isEmpty();
}

void TFormXml::setText(const QString &text)
{
    MemoXml->setPlainText(text);
}

QFont TFormXml::textFont() const
{
    return MemoXml->font();
}

} // namespace cordavo
