// Everything content/art describes in text: the lights and the list of pictures to draw.
#pragma once
#include "DescriptionFile.h"
#include "Lighting.h"
#include "Palette.h"

#include <QHash>
#include <QList>
#include <QSize>
#include <QString>

struct PictureSpec {
    DescriptionLine head;
    QString fileName;  // "C211C.VEL" or "title.png"
    QSize size;
    QString light;  // empty: no light colours
    bool reduceTo256 = false;
    int supersample = 3;
    QList<DescriptionLine> layers;
};

struct PictureBook {
    QString artDir;
    Palette common;  // colours every layer may use
    QHash<QString, Light> lights;
    QList<PictureSpec> pictures;
};

// Reads lights.txt and pictures.txt from the art directory.
PictureBook readPictureBook(const QString& artDir);
