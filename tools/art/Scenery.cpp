#include "Scenery.h"

#include "SceneryIndoor.h"
#include "SceneryOutdoor.h"
#include "SceneryWay.h"

#include <QHash>
#include <stdexcept>

void drawScenery(QPainter& p, const QString& name, const Palette& c)
{
    using Draw = void (*)(QPainter&, const Palette&);
    static const QHash<QString, Draw> scenes{
        {"corridor", drawCorridor}, {"library", drawLibrary}, {"art-room", drawArtRoom},
        {"gym", drawGym},           {"schoolyard", drawSchoolyard}, {"pool", drawPool},
        {"courts", drawCourts},     {"garden", drawGarden},   {"path", drawPath},
        {"gate", drawGate},         {"gate-call", drawGateCall}, {"music-room", drawMusicRoom},
    };
    const auto found = scenes.find(name);
    if (found == scenes.end())
        throw std::runtime_error(("unknown scene " + name).toStdString());
    (*found)(p, c);
}
