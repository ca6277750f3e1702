#include "sound/Voices.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace cordavo {

namespace {

const VoiceDescription kDescriptions[] = {
    {Voice::Principal, QT_TRANSLATE_NOOP("Voices", "principal"),
     [] { return std::vector<double>{1, 0.5, 0.3, 0.22, 0.16, 0.1, 0.07, 0.05}; }},
    {Voice::Flute, QT_TRANSLATE_NOOP("Voices", "flute"),
     [] {
         return std::vector<double>{1, 0.12, 0.2, 0.04, 0.06};
     }},
    {Voice::PrincipalOctave, QT_TRANSLATE_NOOP("Voices", "principal-octave"),
     [] {
         // A principal 8' and an octave 4': the octave's own series falls on
         // the even harmonics of the 8'.
         std::vector<double> sum = {1, 0.5, 0.3, 0.22, 0.16, 0.1, 0.07, 0.05, 0, 0, 0, 0, 0, 0, 0, 0};
         const double octave[] = {0.7, 0.35, 0.21, 0.15, 0.11, 0.07, 0.05, 0.035};
         for (int k = 0; k < 8; ++k)
             sum[2 * (k + 1) - 1] += octave[k];
         return sum;
     }},
    {Voice::Reed, QT_TRANSLATE_NOOP("Voices", "reed"),
     [] {
         std::vector<double> sum;
         for (int k = 1; k <= 20; ++k)
             sum.push_back(1 / std::pow(k, 0.8));
         return sum;
     }},
};

} // namespace

std::span<const VoiceDescription> voiceDescriptions()
{
    return kDescriptions;
}

const VoiceDescription &voiceDescription(Voice voice)
{
    for (const VoiceDescription &description : kDescriptions) {
        if (description.voice == voice)
            return description;
    }
    return kDescriptions[0];
}

QString voiceName(Voice voice)
{
    return QString::fromUtf8(voiceDescription(voice).name);
}

QString voiceDisplayName(Voice voice)
{
    return QCoreApplication::translate("Voices", voiceDescription(voice).name);
}

std::optional<Voice> voiceNamed(QStringView name)
{
    for (const VoiceDescription &description : kDescriptions) {
        if (QLatin1String(description.name) == name)
            return description.voice;
    }
    return std::nullopt;
}

QString voiceNames()
{
    QStringList names;
    for (const VoiceDescription &description : kDescriptions)
        names << QString::fromUtf8(description.name);
    return names.join(QStringLiteral(", "));
}

} // namespace cordavo
