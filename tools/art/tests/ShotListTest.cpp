// The shot list (content/art/shots.txt) against the pictures: every picture has its entry, and
// what the entry's lines fix is drawn: every prop it names, and the hour's light.
#include "DescriptionFile.h"

#include <QMap>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// The props a picture draws, free or in a character's hand (photos of the album included).
QSet<QString> propsDrawn(const DescriptionBlock& picture)
{
    QSet<QString> props;
    for (const DescriptionLine& line : picture.body) {
        if (line.words[0] == "prop" && line.words.size() > 1)
            props.insert(line.words[1]);
        for (const QString& word : line.words)
            if (line.words[0] == "character" && word.startsWith("hold="))
                props.insert(word.mid(5));
    }
    return props;
}

TEST(ShotList, HasAnEntryForEveryPictureAndItsPictureDrawsWhatTheEntryNames)
{
    QMap<QString, DescriptionBlock> shots;
    for (const DescriptionBlock& shot : readDescriptionFile(VEL_ART_CONTENT "/shots.txt"))
        shots.insert(shot.head.words.value(1), shot);
    QSet<QString> pictured;
    for (const DescriptionBlock& picture : readDescriptionFile(VEL_ART_CONTENT "/pictures.txt")) {
        const QString name = picture.head.words.value(1);
        pictured.insert(name);
        if (!shots.contains(name)) {
            ADD_FAILURE() << name.toStdString() << " has no entry in shots.txt";
            continue;
        }
        const QSet<QString> drawn = propsDrawn(picture);
        for (const DescriptionLine& line : shots.value(name).body) {
            if (line.words[0] == "props") {
                for (const QString& prop : line.words.mid(1))
                    EXPECT_TRUE(drawn.contains(prop)) << line.where.toStdString() << ": " << name.toStdString()
                                                      << " does not draw " << prop.toStdString();
            } else if (line.words[0] == "light") {
                EXPECT_TRUE(picture.head.words.contains("light=" + line.words.value(1)))
                    << line.where.toStdString() << ": " << name.toStdString() << " is not drawn in that light";
            }
        }
    }
    for (auto it = shots.begin(); it != shots.end(); ++it)
        EXPECT_TRUE(pictured.contains(it.key())) << it.value().head.where.toStdString() << ": no such picture";
}

}  // namespace
