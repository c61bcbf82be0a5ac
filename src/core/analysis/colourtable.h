#pragma once

#include <QString>

#include <optional>

// The colours of the analysis views. A complete patch set's index (0 to 7) picks a background
// and a text colour shared by its row in the set view and by its patches in the patch view;
// the module view marks drivers yellow and out-of-date modules red.
struct Rgb {
    int red;
    int green;
    int blue;
    bool operator==(const Rgb&) const = default;
};

struct ColourPair {
    Rgb background;
    Rgb text;
};

namespace colourtable {

constexpr int kSetColours = 8;
// The pair of a set colour index; indexes above 7 take 7's colours.
ColourPair setColour(int index);

enum class ModuleColour { Normal, Driver, OutOfDate };
ColourPair moduleColour(ModuleColour colour);
// "yellow", "red", or empty for normal colours.
QString moduleColourName(ModuleColour colour);

}  // namespace colourtable
