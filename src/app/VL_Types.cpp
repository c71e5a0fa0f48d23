#include "app/VL_Types.h"

#include <array>

const TEditModeInfo &EditModeInfo(TIMGEDITCONTROLTYPE mode)
{
    static const std::array<TEditModeInfo, 11> modes = {{
        {iectResolution, "EC_Resolution", 600, "크기변경", false, "크기변경", "Size_", "SIZE_"},
        {iectFilter, "EC_Filter", 650, "이미지보정/필터", true, "칼라/필터", "Color_", "COLOR_"},
        {iectStamp, "EC_Stamp", 650, "스티커", false, "스티커", "Stamp_", "STAMP_"},
        {iectAlbum, "EC_Album", 650, "액자", false, "액자", "Album_", "ALBUM_"},
        {iectCut, "EC_Cut", 450, "자르기", false, "자르기", "Cut_", "CUT_"},
        {iectText, "EC_Text", 550, "글/그림판", false, "글/그림판", "Text_", "TEXT_"},
        {iectBalloon, "Ec_Balloon", 600, "말풍선", false, "말풍선", "Balloon_", "BALLOON_"},
        {iectGif, "EC_Gif", 450, "애니GIF", false, "애니/GIF", "Gif_", "GIF_"},
        {iectRedEye, "EC_Redeye", 400, "적목제거", true, "적목제거", "RedEye_", "REDEYE_"},
        {iectImgPaste, "EC_ImgPaste", 500, "이어붙이기", false, "이어붙이기", "ImgPaste_", "IMGPASTE_"},
        {iectHori, QString(), 0, QString(), false, QString(), QString(), QString()},
    }};
    return modes[std::size_t(mode)];
}
