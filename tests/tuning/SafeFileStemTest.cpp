#include "tuning/SafeFileStem.h"

#include <gtest/gtest.h>

using namespace cordavo;

TEST(SafeFileStem, NamesBecomeStemsThatEveryDesktopTakes)
{
    const struct {
        const char *name;
        QString given;
        QString stem;
    } cases[] = {
        {"a fraction's slash", QStringLiteral("1/4 comma meantone"), QStringLiteral("1-4 comma meantone")},
        {"refused characters", QStringLiteral("A<b>:c\\d|e?*\"f"), QStringLiteral("Ab-c-d-ef")},
        {"line break and blanks", QStringLiteral("  Young\n\tII  "), QStringLiteral("Young II")},
        {"abbreviation", QStringLiteral("Young no. 2"), QStringLiteral("Young no 2")},
        {"decimal number", QStringLiteral("Silbermann 1.5"), QStringLiteral("Silbermann 1-5")},
        {"hidden-file dot and option dash", QStringLiteral(".-Kellner."), QStringLiteral("Kellner")},
        {"letters beyond ASCII stay", QString::fromUtf16(u"Societ\u00E0 \U0001D11E"),
         QString::fromUtf16(u"Societ\u00E0 \U0001D11E")},
        {"a device name", QStringLiteral("con"), QStringLiteral("con_")},
        {"nothing usable", QStringLiteral(" ?*/ "), QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(safeFileStem(c.given), c.stem);
    }
    // A long name is cut at a whole character, leaving room for a suffix.
    const QString clefs = QString::fromUtf16(u"\U0001D11E").repeated(300);
    const QString cut = safeFileStem(clefs);
    EXPECT_EQ(cut.toUtf8().size(), 200);
    EXPECT_EQ(QString::fromUtf8(cut.toUtf8()), cut);
}
