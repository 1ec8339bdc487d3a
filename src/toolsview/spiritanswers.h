// The spirit tools' answers from texts: dilution, blending and the
// hydrometer correction, read with a NumberReader and answered by the
// spirit layer as labelled figures. A refusal is a SpiritError naming the
// input (by the name its text carries, or the spirit layer's own name).
#pragma once

#include <optional>
#include <vector>

#include "study/strengthunit.h"
#include "toolsview/numbertext.h"
#include "toolsview/toolanswer.h"

namespace colmara {

struct DiluteTexts {
    NamedText volume;          // ml at 20 degC: of the spirit, or to make
    bool finalVolume = false;  // `volume` is the final volume to make
    NamedText strength;
    NamedText target;
    StrengthUnit unit = StrengthUnit::Volume;  // of both strengths
};

struct PartTexts {
    NamedText volume;  // ml, measured at the temperature
    NamedText strength;
    std::optional<NamedText> temperature;  // none: 20 degC
};

struct BlendTexts {
    std::vector<PartTexts> parts;
    StrengthUnit unit = StrengthUnit::Volume;
};

struct HydrometerTexts {
    NamedText reading;
    NamedText temperature;
    std::optional<NamedText> volume;           // ml measured at the temperature
    StrengthUnit unit = StrengthUnit::Volume;  // of the meter's scale
};

// With a final volume, the spirit first; then the water to add, the final
// volume and the final strength by volume.
ToolAnswer DiluteAnswer(const DiluteTexts& texts, const NumberReader& read);

// The blend's volume at 20 degC and its strength by volume and by weight.
ToolAnswer BlendAnswer(const BlendTexts& texts, const NumberReader& read);

// The true strength by volume and by weight, and with a volume that volume
// at 20 degC (the mass it holds at the true strength and the temperature,
// at the density of 20 degC).
ToolAnswer HydrometerAnswer(const HydrometerTexts& texts, const NumberReader& read);

}  // namespace colmara
