// Turns a full-colour picture into a 256-colour one (median-cut palette, error diffusion).
#pragma once
class QImage;

QImage reduceTo256Colours(const QImage& image);
