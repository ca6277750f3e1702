// Any sequence of typed characters, pastes, caret moves, selections and
// assigned values in a numeric field, under both settings: after every
// change the value is what the text reads as ("-" alone aside).

#include "numbers/NumEditText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace cordavo;

namespace {

const char kTyped[] = "0123456789,.-+ a\b";

void check(const NumEditText &field)
{
    if (field.cursorPosition() < 0 || field.cursorPosition() > field.text().size())
        std::abort();
    if (field.text() == QLatin1String("-"))
        return;
    const long double value = NumEditText::TextToValue(field.text(), field.separators());
    if (!(value == field.value()))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (const Separators separators : {Separators{QLatin1Char(','), QLatin1Char('.')}, Separators{}}) {
        NumEditText field(separators);
        field.setDisplayFormat(QStringLiteral("#,###.##"));
        field.setMaxTypedLength(20);
        std::size_t i = 0;
        while (i < size) {
            const std::uint8_t op = data[i++];
            switch (op % 6) {
            case 0:
            case 1: // a typed character
                field.typeCharacter(QLatin1Char(kTyped[(op / 6) % (sizeof kTyped - 1)]));
                break;
            case 2: { // a paste of the next few bytes at the caret
                const std::size_t length = std::min<std::size_t>(op / 6 % 8, size - i);
                QString text = field.text();
                const QString pasted = QString::fromLatin1(reinterpret_cast<const char *>(data + i), length);
                text.insert(field.cursorPosition(), pasted);
                field.changeText(text, field.cursorPosition() + static_cast<int>(length));
                i += length;
                break;
            }
            case 3: // a caret move
                field.setCursorPosition(op / 6 % (field.text().size() + 1));
                break;
            case 4: // a selection
                if (!field.text().isEmpty()) {
                    const int start = op / 6 % field.text().size();
                    field.setSelection(start, 1 + (op / 36) % (field.text().size() - start));
                }
                break;
            default: { // a value assigned by the program
                if (size - i < 8)
                    return 0;
                double value = 0;
                std::memcpy(&value, data + i, 8);
                i += 8;
                if (std::isfinite(value) && std::fabs(value) < 1e15)
                    field.setValue(value);
                break;
            }
            }
            check(field);
        }
        (void)field.decimal();
        field.setDecimal(false);
        field.typeCharacter(QLatin1Char('1'));
        check(field);
    }
    return 0;
}
