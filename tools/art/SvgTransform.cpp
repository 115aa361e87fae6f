#include "SvgTransform.h"

#include <QRegularExpression>
#include <stdexcept>

QTransform parseSvgTransform(const QString& text)
{
    static const QRegularExpression item("(\\w+)\\s*\\(([^)]*)\\)");
    static const QRegularExpression separators("[\\s,]+");
    QTransform total;
    qsizetype consumed = 0;
    auto matches = item.globalMatch(text);
    while (matches.hasNext()) {
        const auto match = matches.next();
        if (!text.mid(consumed, match.capturedStart() - consumed).trimmed().remove(',').isEmpty())
            break;
        consumed = match.capturedEnd();
        QList<double> n;
        for (const QString& word : match.captured(2).split(separators, Qt::SkipEmptyParts)) {
            bool ok = false;
            n.append(word.toDouble(&ok));
            if (!ok)
                throw std::runtime_error(("not a number in transform: " + text).toStdString());
        }
        const QString name = match.captured(1);
        QTransform step;
        if (name == "translate" && (n.size() == 1 || n.size() == 2))
            step.translate(n[0], n.value(1, 0));
        else if (name == "scale" && (n.size() == 1 || n.size() == 2))
            step.scale(n[0], n.value(1, n[0]));
        else if (name == "rotate" && n.size() == 1)
            step.rotate(n[0]);
        else if (name == "rotate" && n.size() == 3)
            step.translate(n[1], n[2]).rotate(n[0]).translate(-n[1], -n[2]);
        else if (name == "matrix" && n.size() == 6)
            step.setMatrix(n[0], n[1], 0, n[2], n[3], 0, n[4], n[5], 1);
        else
            throw std::runtime_error(("cannot read transform: " + text).toStdString());
        // SVG applies the rightmost item first: in Qt's row-vector order it comes first.
        total = step * total;
    }
    if (!text.mid(consumed).trimmed().isEmpty())
        throw std::runtime_error(("cannot read transform: " + text).toStdString());
    return total;
}
