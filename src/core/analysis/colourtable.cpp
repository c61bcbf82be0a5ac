#include "analysis/colourtable.h"

#include <algorithm>
#include <array>

namespace colourtable {

namespace {

constexpr Rgb Black{0, 0, 0};
constexpr Rgb White{255, 255, 255};

constexpr std::array<ColourPair, kSetColours> SetColours{{
    {{0, 255, 255}, Black},  // aqua
    {{0, 128, 128}, Black},  // teal
    {{128, 0, 0}, White},    // maroon
    {{0, 0, 255}, White},    // blue
    {{255, 0, 255}, White},  // fuchsia
    {{0, 128, 0}, White},    // green
    {{128, 128, 0}, White},  // olive
    {{128, 0, 128}, White},  // purple
}};

}  // namespace

ColourPair setColour(int index) {
    return SetColours.at(std::size_t(std::clamp(index, 0, kSetColours - 1)));
}

ColourPair moduleColour(ModuleColour colour) {
    switch (colour) {
        case ModuleColour::Driver:
            return {{255, 255, 0}, Black};
        case ModuleColour::OutOfDate:
            return {{255, 0, 0}, Black};
        case ModuleColour::Normal:
            break;
    }
    return {White, Black};
}

QString moduleColourName(ModuleColour colour) {
    switch (colour) {
        case ModuleColour::Driver:
            return QStringLiteral("yellow");
        case ModuleColour::OutOfDate:
            return QStringLiteral("red");
        case ModuleColour::Normal:
            break;
    }
    return {};
}

}  // namespace colourtable
