#pragma once
// The names of Vellumi's own pictures, shared by the artwork generator, the
// resource accessor and their tests. Plain data: no Qt types, no widgets.

#include <array>
#include <string_view>

namespace VellumiArt {

// Sticker pictures, by sticker number 0..37.
inline constexpr std::array<std::string_view, 38> StickerNames = {
    "BANANA", "BBOROROHAT", "BIRTHHAT", "BUTTERFLY", "CATHAT", "CHOCOLATE_DOLL",
    "CHUPARCHUPS1", "CHUPARCHUPS2", "DDONGHAT", "DOGHAT", "EYE1", "EYE2", "EYE3",
    "FLOWER1", "FLOWER2", "FLOWER3", "GLASSES1", "GLASSES2", "GLASSES3", "GLASSES4",
    "GLASSES5", "GLASSES6", "ICECREAM", "KUMA", "MONKEYHAT", "MSN", "OCTOPUS",
    "PANDAHAT", "PIGHAT", "RABBITHAT", "ROMANCEFACE", "RUDOLPOOHAT", "SANTAHAT",
    "SHEEPHAT", "SHREK_CATHAT", "SHREK_HAT", "TIGERMASK", "ZOMBIE"};

inline constexpr int BalloonCount = 43;
inline constexpr int OldPictureCount = 17;
inline constexpr int PaperCount = 20;

// Icon sets: a resource name is a prefix followed by a state suffix.
inline constexpr std::array<std::string_view, 17> MenuIconPrefixes = {
    "SIZE_", "CUT_", "COLOR_", "TEXT_", "BALLOON_", "STAMP_", "ALBUM_", "REDEYE_", "IMGPASTE_",
    "GIF_", "PARALLEL_", "RIGHT_RO_", "LEFT_RO_", "HORZ_", "VERZ_", "APPLY_P_", "APPLY_N_"};
inline constexpr std::array<std::string_view, 14> TextIconPrefixes = {
    "T_RECT_CUT_", "T_CIRCLE_CUT_", "T_PEN_", "T_BRUSH_", "T_STAMP_", "T_PAINT_",
    "T_AIRBRUSH_", "T_ERASER_", "T_TEXT_", "T_LINE_", "T_LINE_ARROW_", "T_CIRCLE_",
    "T_RECT_", "T_C_RECT_"};
inline constexpr std::array<std::string_view, 6> TextOptionIconPrefixes = {
    "BOLD_", "ITALIC_", "UNDERLINE_", "LEFT_", "MIDDLE_", "RIGHT_"};
inline constexpr std::array<std::string_view, 5> IconStates = {"U", "N", "D", "S", "None"};

// Tool-bar buttons: resource "TB_" + the mode's icon prefix without its
// trailing underscore, in the order of the tool bar.
inline constexpr std::array<std::string_view, 14> ToolBarIcons = {
    "TB_SIZE", "TB_COLOR", "TB_STAMP", "TB_ALBUM", "TB_CUT", "TB_TEXT", "TB_BALLOON",
    "TB_GIF", "TB_REDEYE", "TB_IMGPASTE", "TB_RIGHT_RO", "TB_LEFT_RO", "TB_HORZ", "TB_VERZ"};

// GIF player buttons.
inline constexpr std::array<std::string_view, 6> PlayerButtons = {
    "PLAY_N", "PLAY_U", "PLAY_D", "STOP_N", "STOP_U", "STOP_D"};

// The custom cursors in the order of the cursor table (1..12), each 32 x 32
// with its hot spot at the tool's tip.
struct TCursorSpot {
    std::string_view Name;
    int X, Y;
};
inline constexpr int CursorSize = 32;
inline constexpr std::array<TCursorSpot, 12> Cursors = {{
    {"CUR_PEN", 2, 29},
    {"CUR_BRUSH", 2, 29},
    {"CUR_ERASER", 4, 27},
    {"CUR_AIRBRUSH", 3, 5},
    {"CUR_FILL", 27, 25},
    {"CUR_HAND", 15, 15},
    {"CUR_CROSS", 15, 15},
    {"CUR_FIST", 15, 15},
    {"CUR_DRAG", 15, 15},
    {"CUR_TEXT", 15, 15},
    {"CUR_STAMP", 15, 29},
    {"CUR_LAYER", 1, 1},
}};

// Single pictures compiled into the program, with their sizes.
struct TFixedPicture {
    std::string_view Name;
    int Width, Height;
};
inline constexpr TFixedPicture EditedMark = {"EDITED_MARK", 15, 22};
inline constexpr TFixedPicture MosaicHint = {"MOSAIC_HINT", 251, 43};
inline constexpr TFixedPicture AboutPicture = {"ABOUT", 324, 121};
inline constexpr TFixedPicture AppIcon = {"VELLUMI", 256, 256};

// Sizes of the compiled-in pictures of each group.
inline constexpr int MenuIconSize = 32;
inline constexpr int TextIconSize = 32;
inline constexpr int TextOptionIconSize = 24;
inline constexpr int ToolBarIconSize = 32;
inline constexpr int PlayerButtonSize = 36;
inline constexpr int BalloonThumbSize = 64;
inline constexpr int StickerThumbSize = 48;

} // namespace VellumiArt
