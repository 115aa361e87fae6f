#include "Scenery.h"

#include "SceneryOutdoor.h"
#include "SceneryWay.h"

#include <QHash>
#include <stdexcept>

void drawScenery(QPainter& p, const QString& name, const Palette& c)
{
    using Draw = void (*)(QPainter&, const Palette&);
    static const QHash<QString, Draw> scenes{
        {"schoolyard", drawSchoolyard}, {"pool", drawPool}, {"garden", drawGarden},
        {"path", drawPath},             {"gate", drawGate}, {"gate-call", drawGateCall},
    };
    const auto found = scenes.find(name);
    if (found == scenes.end())
        throw std::runtime_error(("unknown scene " + name).toStdString());
    (*found)(p, c);
}
