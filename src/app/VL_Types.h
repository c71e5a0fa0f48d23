#pragma once
// Enumerations shared by the main window and the panels.

#include <QString>

enum TIMGEDITCONTROLTYPE {
    iectResolution, iectFilter, iectStamp, iectAlbum, iectCut, iectText, iectBalloon, iectGif, iectRedEye,
    iectImgPaste, iectHori
};

enum TMainManuType { mmtNoImg, mmtchangeImg, mmtImg, mmtGif, mmtNotGif };

enum TSetImgType { sitOri, sitSetImg, sitCustom };

// What each edit mode shows: its page of the edit notebook with the page's
// height, the captions of its menu command and tool-bar button, and the tag
// that names the mode chosen last.
struct TEditModeInfo {
    TIMGEDITCONTROLTYPE mode;
    QString pageName;    // empty: no page
    int pageHeight;      // 0: unchanged
    QString menuCaption; // under 도구 or 효과
    bool inEffectsMenu;
    QString buttonCaption;
    QString mouseMenuSel;
    QString iconPrefix; // of its icon set ("SIZE_" ...)
};

// The ten modes with a page, in tool-bar order, then iectHori.
const TEditModeInfo &EditModeInfo(TIMGEDITCONTROLTYPE mode);

// The state an icon button is asked to show.
enum TMouseModeType { mmtUp, mmtNor, mmtDown, mmtSelect, mmtNone };

// The icon sets: the mode icons, the drawing-tool icons of the text page and
// its text-option pictures.
enum TInitMode { imMenu, imText, imTextOp };

// Which text-option image list to fill: normal, pressed or pointer over it.
enum TTextOptionType { totNor, totDown, totUp };
