// Everything content/art describes: lights, heroines and the list of pictures to draw.
#pragma once
#include "DescriptionFile.h"
#include "Figure.h"
#include "Lighting.h"
#include "Palette.h"

#include <QHash>
#include <QList>
#include <QSize>
#include <QString>

struct PictureSpec {
    DescriptionLine head;
    QString fileName;              // "C211C.VEL" or "title.png"
    QSize size;
    QString light;                 // empty: no light colours
    bool reduceTo256 = false;
    int supersample = 3;
    QList<DescriptionLine> layers;
};

struct PictureBook {
    QString artDir;
    Palette common;                // colours every layer may use
    QHash<QString, Light> lights;
    QHash<QString, Heroine> heroines; // "1".."8", and the boys by name
    QList<PictureSpec> pictures;
};

// Reads lights.txt, heroines.txt and pictures.txt from the art directory.
PictureBook readPictureBook(const QString& artDir);
