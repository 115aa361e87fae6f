// Named colours of a light or a heroine, looked up by the drawing code.
#pragma once
#include <QColor>
#include <QHash>
#include <QString>

class Palette {
public:
    void set(const QString& name, const QColor& colour) { colours_[name] = colour; }
    QColor colour(const QString& name) const;
    QColor operator()(const QString& name) const { return colour(name); }
    // This palette with every colour of `over` added or replaced.
    Palette with(const Palette& over) const;

private:
    QHash<QString, QColor> colours_;
};
