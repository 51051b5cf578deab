#include "PseudoLanguage.h"

QString Pseudo(const QString& source) {
    static const QString lower = QStringLiteral("áƀçđéƒĝĥíĵķĺɱñóþʠŕšţúṽŵẋýž");
    static const QString upper = QStringLiteral("ÁɃÇĐÉƑĜĤÍĴĶĹṀÑÓÞɊŔŠŢÚṼŴẊÝŽ");
    QString text;
    int letters = 0;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if (c == QLatin1Char('%') && i + 1 < source.size() &&
            (source[i + 1].isDigit() || source[i + 1] == QLatin1Char('n'))) {
            text += c;
            text += source[++i];
        } else if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            text += lower[c.unicode() - 'a'];
            ++letters;
        } else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) {
            text += upper[c.unicode() - 'A'];
            ++letters;
        } else {
            text += c;
        }
    }
    const int more = (letters * 2 + 4) / 5;
    return more == 0 ? text : text + QLatin1Char(' ') + QString(more, QChar(0x0175));
}

QString CPseudoTranslator::translate(const char*, const char* source, const char*, int) const {
    return source && *source ? Pseudo(QString::fromUtf8(source)) : QString();
}
