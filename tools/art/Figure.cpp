#include "Figure.h"

#include "DrawKit.h"
#include "Hair.h"

#include <cmath>

namespace {

const QPointF leftEye(160, 182);
const QPointF rightEye(240, 182);

void drawBody(QPainter& p, const Heroine& h, const QString& pose, const Palette& c)
{
    const QColor skin = c("skin"), skinShade = c("skin-shade");
    const QColor navy = c("blazer"), navyDark = c("blazer-shade"), gold = c("blazer-edge");
    // Neck, shaded under the chin.
    fillPolygon(p, {{178, 230}, {222, 230}, {226, 300}, {174, 300}}, skin);
    fillPolygon(p, {{178, 240}, {222, 240}, {222, 262}, {200, 272}, {178, 262}}, skinShade);

    // Torso of the blazer: sloping shoulders, widening to the waist.
    QPainterPath torso;
    torso.moveTo(172, 282);
    torso.cubicTo(120, 292, 80, 300, 66, 350);
    torso.lineTo(52, 600);
    torso.lineTo(348, 600);
    torso.lineTo(334, 350);
    torso.cubicTo(320, 300, 280, 292, 228, 282);
    torso.closeSubpath();
    QLinearGradient cloth(0, 280, 0, 600);
    cloth.setColorAt(0, navy.lighter(118));
    cloth.setColorAt(1, navyDark);
    p.fillPath(torso, cloth);

    // Shirt and collar in the V of the lapels.
    fillPolygon(p, {{172, 282}, {228, 282}, {222, 330}, {200, 420}, {178, 330}}, c("shirt"));
    fillPolygon(p, {{172, 282}, {200, 312}, {186, 326}, {166, 292}}, c("shirt-shade"));
    fillPolygon(p, {{228, 282}, {200, 312}, {214, 326}, {234, 292}}, c("shirt-shade"));

    // Lapels with the thin gold edge of the school blazer.
    QPainterPath lapelL;
    lapelL.moveTo(168, 286);
    lapelL.lineTo(200, 430);
    lapelL.lineTo(150, 380);
    lapelL.lineTo(160, 340);
    lapelL.lineTo(140, 318);
    lapelL.closeSubpath();
    QPainterPath lapelR;
    lapelR.moveTo(232, 286);
    lapelR.lineTo(200, 430);
    lapelR.lineTo(250, 380);
    lapelR.lineTo(240, 340);
    lapelR.lineTo(260, 318);
    lapelR.closeSubpath();
    p.fillPath(lapelL, navy);
    p.fillPath(lapelR, navy);
    stroke(p, lapelL, gold, 3);
    stroke(p, lapelR, gold, 3);
    // Front edge and buttons below the V.
    line(p, {200, 430}, {200, 600}, gold, 3);
    ellipse(p, {212, 470}, 5, 5, gold);
    ellipse(p, {212, 540}, 5, 5, gold);

    if (h.accessories.contains("necktie")) {
        // The boys' striped tie in the school red.
        QPainterPath tie;
        tie.moveTo(192, 292);
        tie.lineTo(208, 292);
        tie.lineTo(214, 400);
        tie.lineTo(200, 420);
        tie.lineTo(186, 400);
        tie.closeSubpath();
        p.fillPath(tie, c("ribbon"));
        p.save();
        p.setClipPath(tie);
        for (double y = 300; y < 420; y += 22)
            line(p, {180, y}, {220, y + 16}, c("blazer"), 4);
        p.restore();
        fillPolygon(p, {{190, 284}, {210, 284}, {207, 300}, {193, 300}}, c("ribbon").darker(120));
    } else {
        // Collar ribbon: the class representative wears a large one.
        const bool big = h.accessories.contains("ribbon-big");
        const QColor ribbon = big ? c("accent") : c("ribbon");
        const double r = big ? 1.5 : 1.0;
        QPainterPath bow;
        bow.moveTo(200, 300);
        bow.lineTo(200 - 26 * r, 288 - 8 * r);
        bow.lineTo(200 - 24 * r, 312 + 6 * r);
        bow.closeSubpath();
        bow.moveTo(200, 300);
        bow.lineTo(200 + 26 * r, 288 - 8 * r);
        bow.lineTo(200 + 24 * r, 312 + 6 * r);
        bow.closeSubpath();
        if (big) {
            bow.moveTo(196, 302);
            bow.lineTo(180, 372);
            bow.lineTo(192, 366);
            bow.lineTo(200, 376);
            bow.lineTo(204, 302);
            bow.closeSubpath();
            bow.moveTo(204, 302);
            bow.lineTo(222, 368);
            bow.lineTo(210, 364);
            bow.closeSubpath();
        }
        p.fillPath(bow, ribbon);
        ellipse(p, {200, 301}, 7 * r, 7 * r, ribbon.darker(130));
    }

    // Sleeves, a shade darker so the arms read apart from the body.
    QPainterPath sleeveL, sleeveR;
    sleeveL.moveTo(66, 350);
    sleeveL.cubicTo(60, 330, 90, 300, 120, 300);
    sleeveL.lineTo(112, 420);
    sleeveL.lineTo(98, 600);
    sleeveL.lineTo(44, 600);
    sleeveL.closeSubpath();
    sleeveR.moveTo(334, 350);
    sleeveR.cubicTo(340, 330, 310, 300, 280, 300);
    sleeveR.lineTo(288, 420);
    sleeveR.lineTo(302, 600);
    sleeveR.lineTo(356, 600);
    sleeveR.closeSubpath();
    p.fillPath(sleeveL, navyDark);
    if (pose != "wave")
        p.fillPath(sleeveR, navyDark);
    stroke(p, sleeveL, withAlpha(navy.lighter(150), 0.5), 2);

    if (h.corsage) {
        // The white-and-red paper flower of the graduates, on her left breast.
        const QPointF at(268, 372);
        fillPolygon(p, {at + QPointF(-6, 10), at + QPointF(-14, 52), at + QPointF(-2, 46)}, c("corsage-red"));
        fillPolygon(p, {at + QPointF(6, 10), at + QPointF(14, 54), at + QPointF(2, 46)}, c("corsage-white"));
        for (int i = 0; i < 8; ++i) {
            const double a = i * 3.14159 / 4;
            ellipse(p, at + QPointF(std::cos(a) * 14, std::sin(a) * 14), 11, 11, c("corsage-white"));
        }
        ellipse(p, at, 13, 13, c("corsage-red"));
        ellipse(p, at + QPointF(-3, -3), 5, 5, c("corsage-red").lighter(130));
    }

    const auto hand = [&](QPointF at, double angle) {
        p.save();
        p.translate(at);
        p.rotate(angle);
        ellipse(p, {0, 0}, 20, 24, skin);
        ellipse(p, {-4, 6}, 12, 10, skinShade);
        p.restore();
    };
    if (pose == "wave") {
        // Right forearm raised, waving beside the face.
        QPainterPath arm;
        arm.moveTo(280, 300);
        arm.cubicTo(330, 310, 360, 360, 350, 420);
        arm.lineTo(330, 470);
        arm.lineTo(300, 440);
        arm.lineTo(318, 400);
        arm.closeSubpath();
        p.fillPath(arm, navyDark);
        QPainterPath fore;
        fore.moveTo(318, 420);
        fore.lineTo(350, 430);
        fore.lineTo(336, 290);
        fore.lineTo(312, 296);
        fore.closeSubpath();
        p.fillPath(fore, navy);
        fillPolygon(p, {{312, 300}, {338, 296}, {338, 282}, {312, 286}}, c("shirt"));
        QPainterPath palm;
        palm.addRoundedRect(QRectF(304, 222, 40, 58), 18, 18);
        p.fillPath(palm, skin);
        for (int i = 0; i < 4; ++i)
            line(p, {310.0 + i * 9, 230}, {306.0 + i * 11, 206}, skin, 9);
        line(p, {306, 262}, {290, 244}, skin, 10);
    } else if (pose == "hands") {
        // Both hands held together over her chest.
        QPainterPath fore;
        fore.moveTo(104, 440);
        fore.cubicTo(140, 520, 180, 520, 200, 500);
        fore.lineTo(200, 540);
        fore.cubicTo(160, 570, 110, 560, 92, 520);
        fore.closeSubpath();
        p.fillPath(fore, navyDark);
        p.save();
        p.translate(400, 0);
        p.scale(-1, 1);
        p.fillPath(fore, navyDark);
        p.restore();
        hand({184, 500}, 30);
        hand({216, 500}, -30);
        line(p, {200, 482}, {200, 520}, skinShade, 2);
    } else {
        hand({100, 606}, 0);
        hand({300, 606}, 0);
    }
}

void drawEye(QPainter& p, QPointF at, bool mirrored, const QString& face, const Palette& c, bool boy)
{
    const double m = mirrored ? -1 : 1;
    const QColor lash = c("lash");
    if (face == "closed") {
        QPainterPath arc;
        arc.moveTo(at + QPointF(-20, 4));
        arc.quadTo(at + QPointF(0, -14), at + QPointF(20, 4));
        stroke(p, arc, lash, 5);
        return;
    }
    const QColor eye = c("eye");
    // White, iris (dark at the top, light below), pupil and two catch-lights.
    QPainterPath white;
    white.addEllipse(at + QPointF(0, 4), 19, 22);
    p.fillPath(white, c("eye-white"));
    p.save();
    p.setClipPath(white);
    QLinearGradient iris(0, at.y() - 18, 0, at.y() + 24);
    iris.setColorAt(0, eye.darker(250));
    iris.setColorAt(0.55, eye);
    iris.setColorAt(1, eye.lighter(150));
    ellipse(p, at + QPointF(1 * m, 6), 14, 19, iris);
    ellipse(p, at + QPointF(1 * m, 6), 6.5, 9, eye.darker(320));
    ellipse(p, at + QPointF(6 * m, -3), 5, 6, QColor(255, 255, 255, 240));
    ellipse(p, at + QPointF(-5 * m, 14), 2.5, 2.5, QColor(255, 255, 255, 200));
    if (face == "tears")
        ellipse(p, at + QPointF(0, 22), 18, 5, QColor(220, 240, 255, 150));
    p.restore();
    // Upper lash line, thick, with a flick at the outer corner.
    QPainterPath upper;
    upper.moveTo(at + QPointF(-21 * m, 2));
    upper.quadTo(at + QPointF(-4 * m, -22), at + QPointF(20 * m, -10));
    if (!boy) {
        upper.lineTo(at + QPointF(27 * m, -4));
        upper.lineTo(at + QPointF(21 * m, -5));
    }
    upper.quadTo(at + QPointF(-4 * m, -16), at + QPointF(-21 * m, 2));
    p.fillPath(upper, lash);
    stroke(p, upper, lash, 2.5);
    line(p, at + QPointF(-8 * m, 27), at + QPointF(10 * m, 26), withAlpha(lash, 0.6), 1.5);
    if (face == "tears") {
        QPainterPath tear;
        tear.moveTo(at + QPointF(14 * m, 26));
        tear.quadTo(at + QPointF(20 * m, 40), at + QPointF(15 * m, 44));
        tear.quadTo(at + QPointF(10 * m, 40), at + QPointF(14 * m, 26));
        p.fillPath(tear, QColor(210, 235, 255, 220));
    }
}

void drawHead(QPainter& p, const Heroine& h, const QString& face, const Palette& c)
{
    const QColor skin = c("skin");
    QPainterPath head;
    head.moveTo(124, 150);
    head.cubicTo(122, 60, 278, 60, 276, 150);
    head.cubicTo(276, 196, 262, 226, 230, 246);
    head.quadTo(200, 266, 170, 246);
    head.cubicTo(138, 226, 124, 196, 124, 150);
    // Ears peek out at the sides.
    ellipse(p, {124, 186}, 9, 16, c("skin-shade"));
    ellipse(p, {276, 186}, 9, 16, c("skin-shade"));
    p.fillPath(head, skin);

    // Brows (often under the bangs), then eyes.
    const QColor brow = c("hair-shade");
    const double browLift = face == "shy" || face == "tears" ? 4 : 0;
    const double browWidth = h.boy ? 6 : 3;
    line(p, {140, 146 - browLift}, {176, 140}, brow, browWidth);
    line(p, {260, 146 - browLift}, {224, 140}, brow, browWidth);
    drawEye(p, leftEye, false, face, c, h.boy);
    drawEye(p, rightEye, true, face, c, h.boy);

    // Blush, stronger when she is shy.
    const double blush = h.boy ? 0.1 : face == "shy" || face == "tears" ? 0.55 : 0.28;
    for (const QPointF at : {QPointF(150, 216), QPointF(250, 216)}) {
        QRadialGradient g(at, 20);
        g.setColorAt(0, withAlpha(c("blush"), blush));
        g.setColorAt(1, withAlpha(c("blush"), 0));
        ellipse(p, at, 22, 12, g);
        if (face == "shy")
            for (int i = -1; i <= 1; ++i)
                line(p, at + QPointF(i * 7 - 3, 4), at + QPointF(i * 7 + 3, -4), withAlpha(c("blush").darker(130), 0.7), 1.5);
    }
    if (h.accessories.contains("freckles"))
        for (const QPointF at : {QPointF(146, 212), QPointF(156, 218), QPointF(140, 220), QPointF(254, 212),
                                 QPointF(244, 218), QPointF(260, 220)})
            ellipse(p, at, 1.8, 1.8, c("skin-shade").darker(125));

    // Nose and mouth.
    line(p, {201, 206}, {198, 212}, c("skin-shade").darker(120), 2);
    QPainterPath mouth;
    if (face == "open") {
        mouth.moveTo(188, 228);
        mouth.quadTo(200, 232, 212, 228);
        mouth.quadTo(208, 244, 200, 244);
        mouth.quadTo(192, 244, 188, 228);
        p.fillPath(mouth, c("mouth"));
        ellipse(p, {200, 240}, 6, 3, c("blush"));
    } else {
        const double width = face == "shy" || face == "tears" ? 7 : 11;
        mouth.moveTo(200 - width, 230);
        mouth.quadTo(200, 238, 200 + width, 229);
        stroke(p, mouth, c("mouth"), 2.5);
    }
}

} // namespace

Palette figurePalette(const Heroine& heroine, const Palette& basePalette)
{
    return basePalette.with(heroine.palette);
}

void drawFigure(QPainter& painter, const Heroine& heroine, const FigurePlacement& placement,
                const Palette& basePalette)
{
    const Palette palette = figurePalette(heroine, basePalette);
    const double s = placement.scale * heroine.height;
    painter.save();
    painter.translate(placement.anchor);
    painter.scale(placement.flipped ? -s : s, s);
    painter.translate(-200, -600);
    painter.setPen(Qt::NoPen);
    drawBackHair(painter, heroine, palette);
    drawBody(painter, heroine, placement.pose, palette);
    drawHead(painter, heroine, placement.face, palette);
    drawFrontHair(painter, heroine, palette);
    drawAccessories(painter, heroine, palette);
    painter.restore();
}
