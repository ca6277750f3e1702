#pragma once

#include "devices/MidiDecoder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace cordavo {

// Bytes written as the tests write them: "90 3C 40".
inline QByteArray hexBytes(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// A note event as the tests write it: "on 60", "off 60", "all off".
inline QString eventText(const MidiNoteEvent &event)
{
    switch (event.kind) {
    case MidiNoteEvent::Kind::On:
        return QStringLiteral("on %1").arg(event.key);
    case MidiNoteEvent::Kind::Off:
        return QStringLiteral("off %1").arg(event.key);
    case MidiNoteEvent::Kind::AllOff:
        break;
    }
    return QStringLiteral("all off");
}

// A table row's name as Google Test takes it: letters and digits, '_' for the rest.
template <typename Row> std::string rowName(const ::testing::TestParamInfo<Row> &info)
{
    std::string name;
    for (const char *c = info.param.name; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

} // namespace cordavo
