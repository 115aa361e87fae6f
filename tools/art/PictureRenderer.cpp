#include "PictureRenderer.h"

#include "Blur.h"
#include "DrawKit.h"
#include "Icons.h"
#include "Lettering.h"
#include "SvgComposer.h"
#include "SvgRaster.h"

#include <QPainter>
#include <functional>

namespace {

class Canvas {
public:
    Canvas(QSize size, int supersample)
        : image_(size * supersample, QImage::Format_ARGB32_Premultiplied),
          scale_(supersample)
    {
        image_.fill(Qt::transparent);
        begin();
    }
    QPainter& painter() { return painter_; }
    void blur(int radius)
    {
        const QTransform kept = painter_.worldTransform();
        painter_.end();
        blurImage(image_, radius * scale_);
        begin();
        painter_.setWorldTransform(kept);
    }
    // Lays a composed SVG document, drawn at the canvas's full resolution, over the canvas.
    void svg(const QByteArray& document, const QString& what) { lay(rasteriseSvg(document, image_.size(), what)); }
    QImage finish(QSize size)
    {
        painter_.end();
        return image_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

private:
    QImage paintLayer(const std::function<void(QPainter&)>& paint)
    {
        QImage layer(image_.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        QPainter lp(&layer);
        lp.setRenderHints(QPainter::Antialiasing);
        lp.setWorldTransform(painter_.worldTransform());
        if (painter_.hasClipping())  // inside a photo or an icon's round panel
            lp.setClipPath(painter_.clipPath());
        paint(lp);
        return layer;
    }
    void lay(const QImage& layer)
    {
        painter_.save();
        painter_.resetTransform();
        painter_.drawImage(0, 0, layer);
        painter_.restore();
    }
    void begin()
    {
        painter_.begin(&image_);
        painter_.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        painter_.scale(scale_, scale_);
    }
    QImage image_;
    int scale_;
    QPainter painter_;
};

void drawPetals(QPainter& p, const DescriptionLine& line, const Palette& palette, QRectF area)
{
    Dice dice(unsigned(numberAt(line, 2)));
    const QColor petal = palette.colour("blossom").lighter(112);
    for (int i = 0; i < int(numberAt(line, 1)); ++i) {
        p.save();
        p.translate(area.left() + dice.range(0, area.width()), area.top() + dice.range(0, area.height()));
        p.rotate(dice.range(0, 180));
        const double r = dice.range(1.5, 3.2);
        QPainterPath leaf;
        leaf.moveTo(-r, 0);
        leaf.quadTo(0, -r * 0.9, r, 0);
        leaf.quadTo(0, r * 0.9, -r, 0);
        p.fillPath(leaf, withAlpha(petal, dice.range(0.6, 0.95)));
        p.restore();
    }
}

void drawVignette(QPainter& p, double strength, const Palette& palette, QRectF area)
{
    QRadialGradient g(area.center(), std::hypot(area.width(), area.height()) * 0.55);
    const QColor shade = palette("silhouette");
    g.setColorAt(0.55, withAlpha(shade, 0));
    g.setColorAt(1, withAlpha(shade, strength));
    p.fillRect(area, g);
}

// A printed snapshot: a soft shadow under it first, the white edge after its contents.
void beginPhoto(QPainter& p, QRectF box)
{
    p.fillRect(box.translated(2, 3), QColor(60, 40, 30, 70));
    p.fillRect(box, Qt::white);
    p.save();
    p.translate(box.topLeft());
    p.setClipRect(QRectF(QPointF(0, 0), box.size()), Qt::IntersectClip);
}

void endPhoto(QPainter& p, QRectF box)
{
    p.restore();
    p.setPen(QPen(QColor(252, 250, 246), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(1.5, 1.5, -1.5, -1.5));
    p.setPen(QPen(QColor(180, 170, 160), 0.6));
    p.drawRect(box);
    p.setPen(Qt::NoPen);
}

bool isNumber(const QString& text)
{
    bool ok = false;
    text.toDouble(&ok);
    return ok;
}

CharacterPlacement characterAt(const DescriptionLine& line)
{
    if (line.words.size() < 7)
        failAt(line,
               "expected: character KEY POSE FACE X Y SCALE [mirror] [hold=PROP] [lean=DEGREES] [silhouette=#rrggbb]");
    CharacterPlacement c;
    c.key = line.words[1];
    c.pose = line.words[2];
    c.face = line.words[3];
    c.at = QPointF(numberAt(line, 4), numberAt(line, 5));
    c.scale = numberAt(line, 6);
    for (const QString& option : line.words.mid(7)) {
        if (option == "mirror")
            c.mirrored = true;
        else if (option.startsWith("hold="))
            c.held = option.mid(5);
        else if (option.startsWith("lean=") && isNumber(option.mid(5)))
            c.lean = option.mid(5).toDouble();
        else if (option.startsWith("silhouette=") && QColor::isValidColorName(option.mid(11)))
            c.silhouette = option.mid(11);
        else
            failAt(line, "unknown character option: " + option);
    }
    return c;
}

PropPlacement propAt(const DescriptionLine& line)
{
    if (line.words.size() < 5)
        failAt(line, "expected: prop NAME X Y SCALE [ROTATION] [mirror] [flat=F]");
    PropPlacement p;
    p.name = line.words[1];
    p.at = QPointF(numberAt(line, 2), numberAt(line, 3));
    p.scale = numberAt(line, 4);
    for (int i = 5; i < line.words.size(); ++i) {
        if (line.words[i] == "mirror")
            p.mirrored = true;
        else if (line.words[i].startsWith("flat=") && isNumber(line.words[i].mid(5)))
            p.flattened = line.words[i].mid(5).toDouble();
        else
            p.rotation = numberAt(line, i);
    }
    return p;
}

// Adds a drawing layer to the composer; false for the layers the painter draws itself.
bool composeLayer(SvgComposer& composer, const DescriptionLine& line)
{
    const QString& kind = line.words[0];
    try {
        if (kind == "place" && line.words.size() == 2)
            composer.addPlace(line.words[1]);
        else if (kind == "place")
            failAt(line, "expected: place NAME");
        else if (kind == "character")
            composer.addCharacter(characterAt(line));
        else if (kind == "prop")
            composer.addProp(propAt(line));
        else if (kind == "backdrop" && line.words.size() == 2 && QColor::isValidColorName(line.words[1]))
            composer.addBackdrop(line.words[1]);
        else if (kind == "backdrop")
            failAt(line, "expected: backdrop #rrggbb");
        else if (kind == "badge" && line.words.size() == 2 && QColor::isValidColorName(line.words[1]))
            composer.addBadge(line.words[1]);
        else if (kind == "badge")
            failAt(line, "expected: badge #rrggbb");
        else if (kind == "head" && line.words.size() == 6)
            composer.addHead(line.words[1], line.words[2], QPointF(numberAt(line, 3), numberAt(line, 4)),
                             numberAt(line, 5));
        else if (kind == "head")
            failAt(line, "expected: head KEY FACE X Y SCALE");
        else
            return false;
    } catch (const std::runtime_error& error) {
        if (QString(error.what()).startsWith(line.where))
            throw;
        failAt(line, error.what());
    }
    return true;
}

// The picture's glow stands where its sun is.
std::optional<QPointF> sunOf(const PictureSpec& spec)
{
    for (const DescriptionLine& line : spec.layers)
        if (line.words[0] == "glow" && line.words.size() >= 3)
            return QPointF(numberAt(line, 1), numberAt(line, 2));
    return std::nullopt;
}

}  // namespace

int supersampleAt(const PictureSpec& spec, int scale) { return std::max(1, (spec.supersample + scale - 1) / scale); }

QImage renderPicture(const PictureSpec& spec, const PictureBook& book, PartLibrary& parts, int scale)
{
    Canvas canvas(spec.size, supersampleAt(spec, scale) * scale);
    QPainter& p = canvas.painter();
    const Light light = spec.light.isEmpty() ? Light{} : book.lights.value(spec.light);
    const Palette palette = book.common.with(light.palette);
    SvgComposer composer(parts, spec.size, palette);
    composer.setShading(light.figures, sunOf(spec));
    // The drawing layers collect into one document, drawn before any layer the painter does.
    const auto flush = [&] {
        if (!composer.isEmpty())
            canvas.svg(composer.document(), spec.fileName);
        composer.clear();
    };
    const QRectF whole(QPointF(0, 0), spec.size);
    QRectF area = whole;  // the picture, or the photo being drawn
    QRectF photo;
    for (const DescriptionLine& line : spec.layers) {
        const QString& kind = line.words[0];
        if (composeLayer(composer, line))
            continue;
        flush();
        if (kind == "icon") {
            drawIcon(p, line.words.value(1), spec.size, palette);
        } else if (kind == "petals") {
            drawPetals(p, line, palette, area);
        } else if (kind == "lettering") {
            if (line.words.size() < 5)
                failAt(line, "expected: lettering X Y SIZE TEXT...");
            drawLettering(p, QPointF(numberAt(line, 1), numberAt(line, 2)), numberAt(line, 3),
                          line.words.mid(4).join(' '));
        } else if (kind == "photo") {
            if (!photo.isNull())
                failAt(line, "a photo inside a photo");
            photo = QRectF(numberAt(line, 1), numberAt(line, 2), numberAt(line, 3), numberAt(line, 4));
            beginPhoto(p, photo);
            area = QRectF(QPointF(0, 0), photo.size());
            composer.setArea(photo);
        } else if (kind == "end") {
            if (photo.isNull())
                failAt(line, "end without a photo");
            endPhoto(p, photo);
            photo = QRectF();
            area = whole;
            composer.setArea(whole);
        } else if (kind == "blur") {
            canvas.blur(int(numberAt(line, 1)));
        } else if (kind == "tint") {
            applyTint(p, light, area);
        } else if (kind == "glow") {
            applyGlow(p, light, QPointF(numberAt(line, 1), numberAt(line, 2)), numberAt(line, 3));
        } else if (kind == "vignette") {
            drawVignette(p, numberAt(line, 1), palette, area);
        } else {
            failAt(line, "unknown layer: " + kind);
        }
    }
    if (!photo.isNull())
        failAt(spec.head, "a photo without its end");
    flush();
    return canvas.finish(spec.size * scale);
}
