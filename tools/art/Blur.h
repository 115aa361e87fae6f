// Soft focus for backgrounds behind close-ups.
#pragma once
class QImage;

// Three box passes each way approximate a gaussian of the given radius in pixels.
void blurImage(QImage& image, int radius);
