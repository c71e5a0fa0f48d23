#pragma once
// The picture groups of the artwork generator, one file each.

#include "ArtKit.h"

void MakeStickers(TArtSink &sink);
void MakeBalloons(TArtSink &sink);
void MakeOldPictureTextures(TArtSink &sink);
void MakePaperTextures(TArtSink &sink);
void MakeFrames(TArtSink &sink);
void MakeIcons(TArtSink &sink);
void MakeCursors(TArtSink &sink);
void MakePictures(TArtSink &sink, const QString &sourceDir);
void WriteContactSheets(const TArtSink &sink, const QString &folder);
