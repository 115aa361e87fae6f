#include "Palette.h"

#include <stdexcept>

QColor Palette::colour(const QString& name) const
{
    const auto found = colours_.find(name);
    if (found == colours_.end())
        throw std::runtime_error(("no colour named " + name).toStdString());
    return *found;
}

Palette Palette::with(const Palette& over) const
{
    Palette merged = *this;
    for (auto it = over.colours_.begin(); it != over.colours_.end(); ++it)
        merged.colours_[it.key()] = it.value();
    return merged;
}
