#pragma once

// The pictures a tab strip is drawn from, shared by the strip and the tool that draws them.
// Each tab look is a set of six pictures: active left, middle and right, then inactive left,
// middle and right. Several sets share pictures, so some names occur more than once.

#include <array>
#include <string_view>

namespace vintrel::tabpictures {

/// One picture: its resource name (the file is the name with ".bmp") and its size.
struct TabPicture {
    std::string_view name;
    int width;
    int height;
};

inline constexpr int kPieceHeight = 21;
inline constexpr int kLeftWidth = 17;
inline constexpr int kFirstLeftWidth = 9;
inline constexpr int kRightWidth = 17;
inline constexpr int kMiddleWidth = 87;
inline constexpr int kFirstMiddleWidth = 95;

inline constexpr int kFirstLook = 0;
inline constexpr int kNormalLook = 6;
inline constexpr int kResultLook = 12;
inline constexpr int kNavNext = 18;
inline constexpr int kNavPrevious = 19;
inline constexpr int kDropMarker = 20;
inline constexpr int kDynamicLook = 21;
inline constexpr int kMceLook = 27;
inline constexpr int kMceDynamicLook = 33;
inline constexpr int kFirstResultLook = 39;
inline constexpr int kFirstDynamicLook = 45;
inline constexpr int kPictureCount = 51;

/// Offsets inside a look.
inline constexpr int kActive = 0;
inline constexpr int kInactive = 3;
inline constexpr int kLeft = 0;
inline constexpr int kMiddle = 1;
inline constexpr int kRight = 2;

namespace detail {
constexpr TabPicture left(std::string_view name) {
    return {name, kLeftWidth, kPieceHeight};
}
constexpr TabPicture firstLeft(std::string_view name) {
    return {name, kFirstLeftWidth, kPieceHeight};
}
constexpr TabPicture middle(std::string_view name) {
    return {name, kMiddleWidth, kPieceHeight};
}
constexpr TabPicture firstMiddle(std::string_view name) {
    return {name, kFirstMiddleWidth, kPieceHeight};
}
constexpr TabPicture right(std::string_view name) {
    return {name, kRightWidth, kPieceHeight};
}
} // namespace detail

/// Every picture by index.
inline constexpr std::array<TabPicture, kPictureCount> kTabPictures = [] {
    using namespace detail;
    return std::array<TabPicture, kPictureCount>{{
        firstLeft("FIRST_ACTIVE_L"),
        firstMiddle("FIRST_ACTIVE_C"),
        right("FIRST_ACTIVE_R"),
        firstLeft("FIRST_INACTIVE_L"),
        firstMiddle("FIRST_INACTIVE_C"),
        right("FIRST_INACTIVE_R"),
        left("NORMAL_ACTIVE_L"),
        middle("NORMAL_ACTIVE_C"),
        right("NORMAL_ACTIVE_R"),
        left("NORMAL_INACTIVE_L"),
        middle("NORMAL_INACTIVE_C"),
        right("NORMAL_INACTIVE_R"),
        left("RESULTS_ACTIVE_L"),
        middle("RESULTS_ACTIVE_C"),
        right("RESULTS_ACTIVE_R"),
        left("RESULTS_INACTIVE_L"),
        middle("RESULTS_INACTIVE_C"),
        right("RESULTS_INACTIVE_R"),
        {"NAV_NEXT", 16, 16},
        {"NAV_PREVIOUS", 16, 16},
        {"SPLITER", 13, 11},
        left("DYNAMIC_ACTIVE_L"),
        middle("DYNAMIC_ACTIVE_C"),
        right("DYNAMIC_ACTIVE_R"),
        left("DYNAMIC_INACTIVE_L"),
        middle("DYNAMIC_INACTIVE_C"),
        right("DYNAMIC_INACTIVE_R"),
        left("MCE_ACTIVE_L"),
        middle("MCE_ACTIVE_C"),
        right("MCE_ACTIVE_R"),
        left("MCE_INACTIVE_L"),
        middle("MCE_INACTIVE_C"),
        right("MCE_INACTIVE_R"),
        left("MCE_DYNAMIC_ACTIVE_L"),
        middle("MCE_DYNAMIC_ACTIVE_C"),
        right("MCE_DYNAMIC_ACTIVE_R"),
        left("MCE_DYNAMIC_INACTIVE_L"),
        middle("MCE_DYNAMIC_INACTIVE_C"),
        right("MCE_DYNAMIC_INACTIVE_R"),
        firstLeft("FIRST_ACTIVE_L"),
        middle("RESULTS_ACTIVE_C"),
        right("RESULTS_ACTIVE_R"),
        firstLeft("FIRST_RESULT_L"),
        middle("RESULTS_INACTIVE_C"),
        right("RESULTS_INACTIVE_R"),
        firstLeft("FIRST_DYNAMIC_L"),
        middle("DYNAMIC_ACTIVE_C"),
        right("DYNAMIC_ACTIVE_R"),
        firstLeft("FIRST_DYNAMIC_INACTIVE_L"),
        middle("DYNAMIC_INACTIVE_C"),
        right("DYNAMIC_INACTIVE_R"),
    }};
}();

} // namespace vintrel::tabpictures
